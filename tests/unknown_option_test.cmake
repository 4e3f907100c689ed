# `tilesmith --bogus` prints the usage and leaves with status 2.
execute_process(COMMAND ${PROGRAM} --bogus RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage: " OR NOT err MATCHES "bogus")
  message(FATAL_ERROR "status ${rc}, stderr:\n${err}")
endif()
