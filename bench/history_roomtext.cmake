# The room text export reader over a large generated file.
tablewise_bench(bench_roomtext_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_roomtext_reader.cpp LIBS history_roomtext)
