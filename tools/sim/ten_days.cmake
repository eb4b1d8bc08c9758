# Runs gravmark-sim --days 10 --check --seed 1 twice, compares the two saves byte for byte and
# the save with the recorded SHA-256 (GM_SIM_TEN_DAYS_SHA256 in CMakeLists.txt).
file(MAKE_DIRECTORY ${OUT})
foreach(run a b)
  execute_process(COMMAND ${SIM} --days 10 --check --seed 1 --save ${OUT}/run-${run}.sav
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${out}${err}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "run ${run} of gravmark-sim ended with status ${rc}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/run-a.sav ${OUT}/run-b.sav
                RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "two runs with the same seed saved different worlds")
endif()
file(SHA256 ${OUT}/run-a.sav digest)
if(NOT "${digest}" STREQUAL "${SHA256}")
  message(FATAL_ERROR "the ten-day war has changed: its save's SHA-256 is ${digest}, the one "
                      "recorded is ${SHA256}. If the change is meant, record the new one in "
                      "tools/sim/CMakeLists.txt and say why.")
endif()
