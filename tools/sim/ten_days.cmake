# Runs gravmark-sim --days 10 --check --seed 1 twice and compares the two saves byte for byte.
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
