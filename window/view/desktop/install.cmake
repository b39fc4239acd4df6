# The program installs into <prefix>/lib/brisvane-tablewise (beside its help
# file), linked from <prefix>/bin; the desktop entry, the icon in the hicolor
# theme and the AppStream metadata go where desktops look for them.
set(app_id example.brisvane.Tablewise)
set(program_dir lib/brisvane-tablewise)

install(TARGETS brisvane-tablewise RUNTIME DESTINATION ${program_dir})
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK \"../${program_dir}/brisvane-tablewise\" \"\${bin}/brisvane-tablewise\" SYMBOLIC)
  message(STATUS \"Linking: \${bin}/brisvane-tablewise\")")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../art/icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${app_id}.png)
endforeach()
