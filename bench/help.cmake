# Opening the contents of the help file in the viewer.
tablewise_bench(bench_help SOURCES ${CMAKE_CURRENT_LIST_DIR}/help_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/QtBenchMain.cpp LIBS platform_htmlhelp)
target_compile_definitions(bench_help PRIVATE TABLEWISE_HELP_FILE="${TABLEWISE_HELP_FILE}")
add_dependencies(bench_help help_file)
