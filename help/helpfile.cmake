# The help file BV_Tablewise.chm, compiled from chm/ with the help compiler.
# The page of the hand groups is generated from the advisor's own group table.
#
#   TABLEWISE_HELP_FILE            the built help file
#   tablewise_copy_help_file(t)    copies it next to target t's program
#   tablewise_install_program(t)   installs program t with the help file in
#                                  <prefix>/lib/brisvane-tablewise, linked from <prefix>/bin

set(help_sources ${CMAKE_CURRENT_SOURCE_DIR}/chm)
set(help_generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(TABLEWISE_HELP_FILE ${CMAKE_CURRENT_BINARY_DIR}/BV_Tablewise.chm CACHE INTERNAL "The built help file")
set(TABLEWISE_HELP_INSTALL_DIR lib/brisvane-tablewise CACHE INTERNAL "Where the program and its help file install")

add_executable(help_group_chart tools/make_group_chart.cpp)
target_link_libraries(help_group_chart PRIVATE engine)
tablewise_target(help_group_chart)

add_custom_command(
  OUTPUT ${help_generated}/topics/groups.htm
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_generated}/topics
  COMMAND help_group_chart ${help_sources}/topics/groups.htm.in ${help_generated}/topics/groups.htm
  DEPENDS help_group_chart ${help_sources}/topics/groups.htm.in
  COMMENT "Generating the help page of the hand groups"
  VERBATIM)

file(GLOB_RECURSE help_source_files CONFIGURE_DEPENDS ${help_sources}/*)
find_program(CHMCMD chmcmd)
if(CHMCMD)
  add_custom_command(
    OUTPUT ${TABLEWISE_HELP_FILE}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tools/build-chm.sh ${help_sources} ${help_generated} ${TABLEWISE_HELP_FILE}
    DEPENDS ${help_source_files} ${help_generated}/topics/groups.htm ${CMAKE_CURRENT_SOURCE_DIR}/tools/build-chm.sh
    COMMENT "Compiling the help file BV_Tablewise.chm"
    VERBATIM)
  add_custom_target(help_file ALL DEPENDS ${TABLEWISE_HELP_FILE})
  install(FILES ${TABLEWISE_HELP_FILE} DESTINATION ${TABLEWISE_HELP_INSTALL_DIR})
else()
  message(WARNING "chmcmd (fp-utils) not found: the help file is not built")
  add_custom_target(help_file)
endif()

function(tablewise_copy_help_file target)
  add_dependencies(${target} help_file)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TABLEWISE_HELP_FILE} $<TARGET_FILE_DIR:${target}>/BV_Tablewise.chm
    VERBATIM)
endfunction()

function(tablewise_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${TABLEWISE_HELP_INSTALL_DIR})
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK \"../${TABLEWISE_HELP_INSTALL_DIR}/$<TARGET_FILE_NAME:${target}>\"
         \"\${bin}/$<TARGET_FILE_NAME:${target}>\" SYMBOLIC)
    message(STATUS \"Linking: \${bin}/$<TARGET_FILE_NAME:${target}>\")")
endfunction()
