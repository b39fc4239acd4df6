tablewise_bench(bench_chart SOURCES bench_chart.cpp QtBenchMain.cpp LIBS window_chart Qt6::Widgets)
