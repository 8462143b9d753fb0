# Runs one script through quorvex-host in a fresh home and compares the transcript with the
# .out file beside the script.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
string(REGEX REPLACE "\\.qvx$" ".out" expected_file ${SCRIPT})
execute_process(COMMAND ${HOST} --home ${WORK} ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${expected_file} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quorvex-host exited ${status}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.out "${actual}")
  execute_process(COMMAND diff -u ${expected_file} ${WORK}/actual.out)
  message(FATAL_ERROR "transcript differs from ${expected_file}")
endif()
