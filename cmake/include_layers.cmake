# Stops the build when a source of src/<folder> includes a header from a
# folder whose library it does not link, or from one barred to it. Run by the include_layers step with
#   -DSOURCE_DIR=<src> -DLAYERS=<folder>:<seen>,<seen>...|<folder>:...
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" _layers "${LAYERS}")
set(_folders)
foreach(_layer IN LISTS _layers)
  string(REGEX MATCH "^([^:]+):(.*)$" _match "${_layer}")
  list(APPEND _folders ${CMAKE_MATCH_1})
  string(REPLACE "," ";" _seen_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()

# Folders a library links but may not include all the same: the window
# reaches the formats only through the model's operations.
set(_barred_ui formats)

set(_faults)
foreach(_folder IN LISTS _folders)
  file(GLOB_RECURSE _files ${SOURCE_DIR}/${_folder}/*.cpp ${SOURCE_DIR}/${_folder}/*.h)
  foreach(_file IN LISTS _files)
    file(STRINGS ${_file} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_]+/")
    foreach(_line IN LISTS _lines)
      string(REGEX MATCH "\"([A-Za-z0-9_]+)/" _match "${_line}")
      if(CMAKE_MATCH_1 IN_LIST _folders AND NOT CMAKE_MATCH_1 IN_LIST _seen_${_folder})
        file(RELATIVE_PATH _name ${SOURCE_DIR} ${_file})
        list(APPEND _faults "  ${_name}: ${_line}  (${_folder} sees ${_seen_${_folder}})")
      elseif(CMAKE_MATCH_1 IN_LIST _barred_${_folder})
        file(RELATIVE_PATH _name ${SOURCE_DIR} ${_file})
        list(APPEND _faults "  ${_name}: ${_line}  (${_folder} reaches ${CMAKE_MATCH_1} through the model)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n" _text)
  message(FATAL_ERROR "A library includes a header of a library it does not link:\n${_text}")
endif()
