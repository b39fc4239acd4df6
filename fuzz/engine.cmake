# The engine's readers of typed cards, ranges and boards, and the equity
# request on one thread.
tablewise_fuzzer(fuzz_card_parser SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_card_parser.cpp LIBS engine_cards)
tablewise_fuzzer(fuzz_range SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_range.cpp LIBS engine_cards)
tablewise_fuzzer(fuzz_board_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_board_reader.cpp LIBS engine_board)
tablewise_fuzzer(fuzz_equity SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_equity.cpp LIBS engine_odds)
