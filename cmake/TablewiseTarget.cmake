# tablewise_target(<target>): what every target of ours gets: the project's
# warnings, and the include folder of the layer it belongs to.
#
# A layer is a top-level folder (platform, engine, framecontrol, help, window,
# cli, sheerpane; tests, bench, fuzz). Each is reached through an include
# folder of its own in the build tree that holds that layer alone, and a
# library hands its folder on to what links it. So a target sees its own layer
# and the layers it links, never one above them: an include of the window from
# the engine does not compile.
function(tablewise_layer_include target layer)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  if(NOT IS_SYMLINK ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  elseif(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

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

function(tablewise_target target)
  file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX MATCH "^[^/]+" layer "${path}")
  tablewise_layer_include(${target} ${layer})
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    tablewise_warnings(${target})
  endif()
endfunction()
