tablewise_bench(bench_chart SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_chart.cpp LIBS window_chart)
