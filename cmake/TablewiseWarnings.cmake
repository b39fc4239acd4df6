# Warnings for our own targets; third-party headers come in as system headers.
function(tablewise_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast -Wcast-align
    -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
  if((DEFINED ENV{CI} OR TABLEWISE_WERROR) AND NOT TABLEWISE_FUZZ)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
