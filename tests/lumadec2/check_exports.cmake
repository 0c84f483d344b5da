# Fails unless LIBRARY defines exactly the dynamic symbols GetLumawave and
# GetLumawaveTab.
execute_process(COMMAND nm -D --defined-only ${LIBRARY} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^ \n]+\n" names "${symbols}")
list(TRANSFORM names STRIP)
list(SORT names)
if(NOT names STREQUAL "GetLumawave;GetLumawaveTab")
  message(FATAL_ERROR "unexpected exports: ${names}")
endif()
message(STATUS "exports: ${names}")
