tablewise_bench(bench_evaluator SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_evaluator.cpp LIBS engine_odds)
tablewise_bench(bench_equity SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_equity.cpp LIBS engine_odds)
# Not a benchmark: writes the pre-flop order table of the range notation's
# percentages (run by hand; nothing runs it in the build or the tests).
add_executable(make_preflop_order ${CMAKE_CURRENT_LIST_DIR}/make_preflop_order.cpp)
target_link_libraries(make_preflop_order PRIVATE engine_odds engine)
tablewise_target(make_preflop_order)
# Not a Google benchmark: one case per process, for compare_equity.sh.
add_executable(equity_cases ${CMAKE_CURRENT_LIST_DIR}/equity_cases.cpp)
target_link_libraries(equity_cases PRIVATE engine_odds)
tablewise_target(equity_cases)
