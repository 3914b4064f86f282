# Runs make_module on the score and compares its output with the committed module, byte for byte.
#   cmake -DMAKE_MODULE=... -DSCORE=... -DEXPECTED=... -DOUTPUT=... -P Regenerate.cmake
execute_process(COMMAND "${MAKE_MODULE}" "${SCORE}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_module failed (${status})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}" RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${EXPECTED} is not what make_module makes of ${SCORE}; run: cmake --build build --target regenerate-music")
endif()
