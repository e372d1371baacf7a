# One bounded smoke run of a fuzz target (ctest runs it through cmake -P):
# a fixed seed, a few seconds, starting from the corpus kept in the sources.
# New inputs and a failing one go to a fresh work folder in the build tree.
#   -DFUZZER=<program> -DSEED_CORPUS=<folder> -DWORK_DIR=<folder> -DSECONDS=<n>
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/corpus")
execute_process(
  COMMAND "${FUZZER}" -seed=1 -max_total_time=${SECONDS} -timeout=10 -max_len=8192
          "-artifact_prefix=${WORK_DIR}/" "${WORK_DIR}/corpus" "${SEED_CORPUS}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${WORK_DIR}")
endif()
