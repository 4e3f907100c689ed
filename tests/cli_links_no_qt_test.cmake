# tilesmith-cli starts with its own libraries only: Qt is none of them.
execute_process(COMMAND ldd ${PROGRAM} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR out MATCHES "libQt")
  message(FATAL_ERROR "status ${rc}:\n${out}${err}")
endif()
