# Every fuzzer runs briefly as a test: one setup test builds them with clang
# in a build tree of its own, then each runs for TABLEWISE_FUZZ_SECONDS.
set(TABLEWISE_FUZZ_SECONDS 20 CACHE STRING "How long each fuzzer runs in the test suite")
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz-build)
add_test(NAME fuzz_build
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/fuzz.sh build ${PROJECT_SOURCE_DIR} ${fuzz_build})
set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP fuzzers TIMEOUT 900 LABELS fuzz)
foreach(name fuzz_board_reader fuzz_card_parser fuzz_chm_reader fuzz_equity fuzz_money fuzz_phh_reader fuzz_propertybag fuzz_range fuzz_replay fuzz_roomtext_reader fuzz_sheerpane_registry fuzz_sitemap fuzz_tablewise_options)
  add_test(NAME ${name}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/fuzz.sh run ${PROJECT_SOURCE_DIR} ${fuzz_build} ${name} ${TABLEWISE_FUZZ_SECONDS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED fuzzers TIMEOUT 300 LABELS fuzz)
endforeach()
