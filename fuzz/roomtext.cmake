# The room text export reader, over a buffer in memory.
tablewise_fuzzer(fuzz_roomtext_reader SOURCES fuzz_roomtext_reader.cpp LIBS history_roomtext)
