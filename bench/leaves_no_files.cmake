# Runs a benchmark program's quickest case with a temporary folder of its
# own and fails when anything is left in that folder afterwards: the
# projects a benchmark generates (tens of MB once simulated) go when it ends.
#   cmake -DBENCH=<program> -DFILTER=<benchmark> -DWORK=<folder> -P leaves_no_files.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "TMPDIR=${WORK}" "${BENCH}" "--benchmark_filter=${FILTER}"
          --benchmark_min_time=0.001
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${BENCH} failed (${result}):\n${out}${err}")
endif()
file(GLOB left LIST_DIRECTORIES true "${WORK}/*")
if(left)
  message(FATAL_ERROR "${BENCH} left in its temporary folder: ${left}")
endif()
file(REMOVE_RECURSE "${WORK}")
