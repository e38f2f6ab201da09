# Runs one scenario script with nabrilo-replay in a fresh, empty working directory, so that
# what the script saves never lands beside it. Called by ctest with -DREPLAY, -DSCRIPT and
# -DWORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${REPLAY}" "${SCRIPT}" WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nabrilo-replay ${SCRIPT} failed (${status})")
endif()
