# The compiled-help reader and the contents/index parser of the help viewer.
tablewise_fuzzer(fuzz_chm_reader SOURCES fuzz_chm_reader.cpp LIBS platform_chm)
tablewise_fuzzer(fuzz_sitemap SOURCES fuzz_sitemap.cpp LIBS platform_chm)
