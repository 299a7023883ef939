# Runs one example and compares what it prints with its expected text.
#   cmake -DPROGRAM=<path> -DEXPECTED=<file> [-DEMULATOR=<runner>]
#         -P check_output.cmake
# Fails when the program exits non-zero, writes to stderr (a sanitizer
# report), or prints anything other than the expected text.
execute_process(COMMAND ${EMULATOR} ${PROGRAM}
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} exited with ${result}\n${errors}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} wrote to stderr:\n${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  get_filename_component(name "${PROGRAM}" NAME)
  set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.txt")
  file(WRITE "${actual_file}" "${actual}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${actual_file}")
  message(FATAL_ERROR "${name}: output differs from ${EXPECTED}; "
                      "it is in ${actual_file}")
endif()
