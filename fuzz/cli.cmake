# The option parsers of the tablewise command.
tablewise_fuzzer(fuzz_tablewise_options SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_tablewise_options.cpp LIBS tablewise_cli)
