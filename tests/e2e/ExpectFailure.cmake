# Runs the simulated host on a script that must fail: exit code 1 and the expected failure message.
execute_process(COMMAND ${RUN} ${PROGRAM} ${ARGUMENTS} RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "exit code ${result}, expected 1\n${output}${errors}")
endif()
if(NOT output MATCHES "${EXPECTED}")
  message(FATAL_ERROR "no line matches \"${EXPECTED}\" in:\n${output}${errors}")
endif()
message(STATUS "failed as expected: ${CMAKE_MATCH_0}")
