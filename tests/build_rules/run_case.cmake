# Configures the tiny project of core_project/ for one CASE in a fresh
# folder and checks the outcome: CASE=clean must configure, every other
# case must fail with a message matching EXPECT. CASE=no_benchmark
# configures the whole project instead, with the benchmarks on and Google
# Benchmark hidden.
#   cmake -DCASE=... -DEXPECT=... -DROOT=... -DWORK=... -DGENERATOR=... -DCXX=... -P run_case.cmake
file(REMOVE_RECURSE "${WORK}")
if(CASE STREQUAL "no_benchmark")
  set(project -S "${ROOT}" -DOSTREVO_BENCH=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
else()
  set(project -S "${CMAKE_CURRENT_LIST_DIR}/core_project" "-DCASE=${CASE}" "-DOSTREVO_ROOT=${ROOT}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" ${project} -B "${WORK}" -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${CXX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "[ \t\r\n]+" " " text "${out} ${err}")
if(CASE STREQUAL "clean")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "a clean core library was refused:\n${out}${err}")
  endif()
elseif(result EQUAL 0)
  message(FATAL_ERROR "case ${CASE} configured, but must stop with '${EXPECT}'")
elseif(NOT text MATCHES "${EXPECT}")
  message(FATAL_ERROR "case ${CASE} failed without the expected message '${EXPECT}':\n${out}${err}")
endif()
