# tablewise_test(<name> SOURCES ... [LIBS ...] [QT] [XVFB] [TIMEOUT s] [LABELS ...])
#
# Builds a GoogleTest executable and registers it with CTest as one test.
#   QT    runs it with the offscreen Qt platform (never set globally: an Xvfb
#         test that inherits it shows no window).
#   XVFB  runs it under its own Xvfb server; such tests are serialised.
# Every test gets its own XDG_RUNTIME_DIR, so Qt does not create /tmp/runtime-root.
function(tablewise_test name)
  cmake_parse_arguments(T "QT;XVFB" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  tablewise_target(${name})
  set(runtime_dir ${CMAKE_BINARY_DIR}/test-runtime/${name})
  file(MAKE_DIRECTORY ${runtime_dir})
  file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(env "XDG_RUNTIME_DIR=${runtime_dir}")
  if(T_XVFB)
    add_test(NAME ${name}
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/with-xvfb.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK xvfb)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(T_QT)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()
