tablewise_bench(bench_recompute SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_recompute.cpp LIBS window_model)
tablewise_bench(bench_replay SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_replay.cpp LIBS tablewise_cli test_doubles)
