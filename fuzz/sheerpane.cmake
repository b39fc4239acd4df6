# The per-user control registry's reader: hosts and control libraries read
# the file that any of them may have written.
tablewise_fuzzer(fuzz_sheerpane_registry SOURCES fuzz_sheerpane_registry.cpp LIBS sheerpane_registry)
