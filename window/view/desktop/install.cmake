# The program installs beside its help file, linked from <prefix>/bin; the
# desktop entry, the icon in the hicolor theme and the AppStream metadata go
# where desktops look for them.
set(app_id example.brisvane.Tablewise)

tablewise_install_program(brisvane-tablewise)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/../art/icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${app_id}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../art/icon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${app_id}.svg)
