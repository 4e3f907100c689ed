# Desktop integration: menu entry, icons and the file types the editor opens.
# The two programs carry their own install rules in src/CMakeLists.txt.

set(_data ${PROJECT_SOURCE_DIR}/data)

if(TILESMITH_BUILD_GUI)
  install(FILES ${_data}/tilesmith.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_data}/tilesmith-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME tilesmith.xml)
  install(FILES ${_data}/tilesmith.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(_size 16 32 48 64 128 256)
    install(FILES ${_data}/icons/tilesmith-${_size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME tilesmith.png)
  endforeach()

  # A direct install is seen by the desktop only once its caches know the new
  # files; packagers (DESTDIR set) leave that to the system's own triggers.
  set(_refresh [[
    if("$ENV{DESTDIR}" STREQUAL "")
      set(_share "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_DATADIR@")
      find_program(_update_mime update-mime-database)
      find_program(_update_desktop update-desktop-database)
      find_program(_update_icons gtk-update-icon-cache)
      if(_update_mime)
        execute_process(COMMAND ${_update_mime} "${_share}/mime" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(_update_desktop)
        execute_process(COMMAND ${_update_desktop} -q "${_share}/applications" OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(_update_icons AND EXISTS "${_share}/icons/hicolor/index.theme")
        execute_process(COMMAND ${_update_icons} -q -t "${_share}/icons/hicolor" OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()
  ]])
  string(CONFIGURE "${_refresh}" _refresh @ONLY)
  install(CODE "${_refresh}")
endif()
