# Runs the fuzzer for a bounded time on a scratch copy of the seed corpus.
# Arguments: FUZZER (executable), CORPUS (seed directory), WORK (scratch
# directory, emptied first), SECONDS (length of the run).  Inputs that make it
# fail are written to WORK.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")
file(COPY "${CORPUS}/" DESTINATION "${WORK}/corpus")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -max_len=256 -timeout=10
          -print_final_stats=1 -artifact_prefix=${WORK}/ "${WORK}/corpus"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The fuzzer failed (${result}); the input is in ${WORK}")
endif()
