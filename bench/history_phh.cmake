# The PHH hand-history reader over a large .phhs (hands per second).
find_package(tomlplusplus 3 REQUIRED)
tablewise_bench(bench_phh_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_phh_reader.cpp
  LIBS history_phh tomlplusplus::tomlplusplus)
