# Desktop integration: menu entry, icons, the file types the editor opens, its
# AppStream metainfo, the manual pages and the licence. The two programs carry
# their own install rules in src/CMakeLists.txt; cmake/package.cmake makes the
# Debian package from all of them.

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/tilesmith)

# The release day in the two forms the metadata wants, and as the time stamp
# of the generated pages, so that a rebuild gives the same files.
# CMake's own clock reads SOURCE_DATE_EPOCH, so the day's text comes from it
# once its seconds are known: days since 1970-01-01 in the Gregorian calendar.
string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" _day "${TILESMITH_RELEASE_DATE}")
set(_year ${CMAKE_MATCH_1})
set(_month ${CMAKE_MATCH_2})
if(_month LESS_EQUAL 2)
  math(EXPR _year "${_year} - 1")
  math(EXPR _month "${_month} + 9")
else()
  math(EXPR _month "${_month} - 3")
endif()
math(EXPR _days "${_year} * 365 + ${_year} / 4 - ${_year} / 100 + ${_year} / 400
                 + (153 * ${_month} + 2) / 5 + ${CMAKE_MATCH_3} - 1 - 719468")
math(EXPR TILESMITH_RELEASE_EPOCH "${_days} * 86400")
set(_epoch_before "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${TILESMITH_RELEASE_EPOCH})
string(TIMESTAMP TILESMITH_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP _day "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_epoch_before}")
if(NOT _day STREQUAL TILESMITH_RELEASE_DATE)
  message(FATAL_ERROR "TILESMITH_RELEASE_DATE ${TILESMITH_RELEASE_DATE} is not a day of the calendar")
endif()

# The copyright file Debian expects: the licence text in its machine-readable form.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _licence)
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" _licence "${_licence}")
string(REGEX REPLACE "\n+$" "" _licence "${_licence}")
string(REGEX REPLACE "\n\n" "\n.\n" _licence "${_licence}")
string(REGEX REPLACE "\n" "\n " TILESMITH_LICENCE_TEXT " ${_licence}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/copyright.in ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)

find_program(GZIP_EXECUTABLE gzip)
find_program(HELP2MAN_EXECUTABLE help2man)
set(_generated_docs)
if(GZIP_EXECUTABLE)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${PROJECT_BINARY_DIR}/doc/changelog
    DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog VERBATIM)
  list(APPEND _generated_docs ${PROJECT_BINARY_DIR}/doc/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${_docdir})
endif()
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright DESTINATION ${_docdir})

# Manual pages made from the programs' own --help, so they never drift apart.
# The editor answers --help before it needs a display; offscreen is a safety net,
# and a sanitizer build must not fail the page over what Qt keeps until exit.
function(tilesmith_man_page program summary)
  set(_page ${PROJECT_BINARY_DIR}/man/${program}.1)
  add_custom_command(OUTPUT ${_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            SOURCE_DATE_EPOCH=${TILESMITH_RELEASE_EPOCH}
            ${HELP2MAN_EXECUTABLE} --no-info --no-discard-stderr --section=1
            --version-string=${PROJECT_VERSION}
            --name=${summary} --output=${_page} $<TARGET_FILE:${program}>
    COMMAND ${GZIP_EXECUTABLE} -9nf ${_page}
    DEPENDS ${program} VERBATIM)
  set(_generated_docs ${_generated_docs} ${_page}.gz PARENT_SCOPE)
  install(FILES ${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
if(CMAKE_CROSSCOMPILING)
  # help2man runs the program through the shell: not a program of another system.
  message(STATUS "cross-compiling: no manual pages")
elseif(HELP2MAN_EXECUTABLE AND GZIP_EXECUTABLE)
  tilesmith_man_page(tilesmith-cli "convert, inspect, export, change and collect texture packages")
  if(TILESMITH_BUILD_GUI)
    tilesmith_man_page(tilesmith "editor of texture packages of 64 x 64 tiles")
  endif()
else()
  message(STATUS "help2man or gzip not found: no manual pages")
endif()
add_custom_target(tilesmith_docs ALL DEPENDS ${_generated_docs})

if(TILESMITH_BUILD_GUI)
  install(FILES ${_data}/${TILESMITH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${_data}/${TILESMITH_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/data/${TILESMITH_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/${TILESMITH_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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

  # The desktop's own validators, where they are installed; and, where GLib's
  # type guessing is, which programs' *.wad files the file types claim.
  if(TILESMITH_BUILD_TESTS)
    add_test(NAME desktop_data
      COMMAND ${CMAKE_COMMAND}
              -DDESKTOP=${_data}/${TILESMITH_APP_ID}.desktop
              -DMETAINFO=${PROJECT_BINARY_DIR}/data/${TILESMITH_APP_ID}.metainfo.xml
              -DMIME=${_data}/tilesmith-mime.xml
              -DWORK=${PROJECT_BINARY_DIR}/desktop_data_test
              -P ${PROJECT_SOURCE_DIR}/tests/desktop_data_test.cmake)
    set_tests_properties(desktop_data PROPERTIES SKIP_REGULAR_EXPRESSION "validators not installed")
    # The version is answered without a display: no window system to reach.
    add_test(NAME editor_version COMMAND tilesmith --version)
    set_tests_properties(editor_version PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=xcb;DISPLAY=;WAYLAND_DISPLAY="
      PASS_REGULAR_EXPRESSION "^Tilesmith ${PROJECT_VERSION}\n$")
    # An unknown option, also without a display: the usage and status 2.
    add_test(NAME editor_unknown_option
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=xcb DISPLAY= WAYLAND_DISPLAY=
              ${CMAKE_COMMAND} "-DPROGRAM=${CMAKE_CROSSCOMPILING_EMULATOR};$<TARGET_FILE:tilesmith>"
              -P ${PROJECT_SOURCE_DIR}/tests/unknown_option_test.cmake)
  endif()
endif()
if(TILESMITH_BUILD_TESTS)
  add_test(NAME cli_version COMMAND tilesmith-cli --version)
  set_tests_properties(cli_version PROPERTIES
    PASS_REGULAR_EXPRESSION "^tilesmith-cli ${PROJECT_VERSION}\n$")
endif()

# A stripped install (`cmake --install build --strip`, and so the package) also
# drops the compiler's notes from every program and module, as Debian strips.
if(CMAKE_OBJCOPY)
  set(_drop_notes [[
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(_file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
        set(_file "$ENV{DESTDIR}${_file}")
        file(READ "${_file}" _magic LIMIT 4 HEX)
        if(_magic STREQUAL "7f454c46")
          execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment "${_file}"
                          COMMAND_ERROR_IS_FATAL ANY)
        endif()
      endforeach()
    endif()
  ]])
  string(CONFIGURE "${_drop_notes}" _drop_notes @ONLY)
  install(CODE "${_drop_notes}")
endif()

include(${PROJECT_SOURCE_DIR}/cmake/package.cmake)
