tablewise_bench(bench_range_board SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_range_board.cpp LIBS engine_board)
