# The PHH hand-history reader: one hand, and the streaming splitter over memory.
tablewise_fuzzer(fuzz_phh_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_phh_reader.cpp LIBS history_phh)
