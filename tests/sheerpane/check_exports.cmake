# The shared library shows exactly its four server functions and the Qt
# plugin entry: run as cmake -DLIBRARY=<file> -DNM=<nm> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not read ${LIBRARY}")
endif()
string(REGEX MATCHALL "[0-9a-f]+ [TDBRVW] [^\n]+" lines "${listing}")
set(exported)
foreach(line ${lines})
  string(REGEX REPLACE "^[0-9a-f]+ [TDBRVW] " "" name "${line}")
  # Linker-made markers, not the library's own symbols.
  if(NOT name MATCHES "^(_edata|_end|__bss_start|_init|_fini)$")
    list(APPEND exported ${name})
  endif()
endforeach()
list(SORT exported)
set(expected DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer
  qt_plugin_instance qt_plugin_query_metadata_v2)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exported: ${exported}\nexpected: ${expected}")
endif()
message(STATUS "exports: ${exported}")
