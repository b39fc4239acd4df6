tablewise_bench(bench_evaluator SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_evaluator.cpp LIBS engine_odds)
tablewise_bench(bench_equity SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_equity.cpp LIBS engine_odds)
