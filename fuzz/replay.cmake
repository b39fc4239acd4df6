tablewise_fuzzer(fuzz_replay SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_replay.cpp LIBS tablewise_cli)
