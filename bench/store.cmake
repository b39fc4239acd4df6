tablewise_bench(bench_store SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_store.cpp LIBS store store_test_hands)
