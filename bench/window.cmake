# The window on X (a private Xvfb server when there is no display): start-up
# to first paint and peak memory against a bare Qt window, and a key press to
# the repainted advice.
add_library(bench_xserver STATIC ${CMAKE_CURRENT_LIST_DIR}/window/XServer.cpp)
tablewise_target(bench_xserver)

qt_add_executable(bare_qt_window ${CMAKE_CURRENT_LIST_DIR}/window/bare_qt_window.cpp)
target_link_libraries(bare_qt_window PRIVATE first_paint_probe)
tablewise_target(bare_qt_window)

tablewise_bench(bench_window_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/window/bench_window_startup.cpp
  LIBS bench_xserver)
target_compile_definitions(bench_window_startup PRIVATE
  TABLEWISE_BARE_WINDOW="$<TARGET_FILE:bare_qt_window>"
  TABLEWISE_ADVISOR_WINDOW="$<TARGET_FILE:brisvane-tablewise>")
add_dependencies(bench_window_startup bare_qt_window brisvane-tablewise)

tablewise_bench(bench_window_keypress SOURCES ${CMAKE_CURRENT_LIST_DIR}/window/bench_window_keypress.cpp
  LIBS bench_xserver window_view test_doubles Qt6::Test)
