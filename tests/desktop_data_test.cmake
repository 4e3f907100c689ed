# The desktop entry and the AppStream metainfo pass the desktop's own
# validators, and the file types take a *.wad by its content: an object
# package is ours, another game's archive stays that game's.
# Run as: cmake -DDESKTOP=... -DMETAINFO=... -DMIME=... -DWORK=... -P desktop_data_test.cmake

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  message("validators not installed (desktop-file-utils, appstream): skipped")
  return()
endif()

function(must_pass)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}")
  endif()
endfunction()

must_pass(${DESKTOP_FILE_VALIDATE} ${DESKTOP})
must_pass(${APPSTREAMCLI} validate --no-net ${METAINFO})

find_program(UPDATE_MIME update-mime-database)
find_program(GIO gio)
set(system_types /usr/share/mime/packages/freedesktop.org.xml)
if(NOT UPDATE_MIME OR NOT GIO OR NOT EXISTS ${system_types})
  message("shared-mime-info or gio not installed: file types not checked")
  return()
endif()
# A database of the system's types and ours alone, so that it does not matter
# what else this machine has installed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/share/mime/packages ${WORK}/files)
file(COPY ${system_types} DESTINATION ${WORK}/share/mime/packages)
configure_file(${MIME} ${WORK}/share/mime/packages/tilesmith.xml COPYONLY)
must_pass(${UPDATE_MIME} ${WORK}/share/mime)

# Version 129 and a record count; "PWAD" and a lump count. The test writes
# them through hex because CMake strings cannot hold zero bytes.
foreach(sample "objects.wad:81000000020000000000000000000000"
               "archive.wad:505741440200000000000000"
               "objects_without_extension:82000000000100000000000000000000")
  string(REPLACE ":" ";" sample ${sample})
  list(GET sample 0 name)
  list(GET sample 1 hex)
  string(REGEX REPLACE "(..)" "\\\\x\\1" escaped ${hex})
  execute_process(COMMAND printf ${escaped} OUTPUT_FILE ${WORK}/files/${name})
endforeach()

foreach(expected "objects.wad:application/x-tomb-raider-wad"
                 "archive.wad:application/x-doom-wad"
                 "objects_without_extension:application/x-tomb-raider-wad")
  string(REPLACE ":" ";" expected ${expected})
  list(GET expected 0 name)
  list(GET expected 1 type)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK}/none
                          XDG_DATA_DIRS=${WORK}/share
                          ${GIO} info -a standard::content-type ${WORK}/files/${name}
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT out MATCHES "content-type: ${type}\n")
    message(FATAL_ERROR "${name} should be ${type}; gio says (${rc}):\n${out}")
  endif()
endforeach()
