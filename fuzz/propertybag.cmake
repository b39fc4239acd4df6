# The property bag's text reader: hosts store this text with their windows.
tablewise_fuzzer(fuzz_propertybag SOURCES fuzz_propertybag.cpp LIBS platform_propertybag)
