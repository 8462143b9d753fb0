# Checks that the component server's shared library exports its four entry points and
# nothing else.
execute_process(COMMAND nm -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm -D failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]* +[A-Za-z] +([^ ]+)$")
    list(APPEND exported ${CMAKE_MATCH_1})
  endif()
endforeach()
list(SORT exported)
set(wanted DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer)
if(NOT exported STREQUAL wanted)
  message(FATAL_ERROR "${LIBRARY} exports ${exported}, not only ${wanted}")
endif()
