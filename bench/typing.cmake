# Typing into a text box of the form model: the cost of a key against the text's length.
tablewise_bench(bench_typing SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_typing.cpp LIBS platform_form)
