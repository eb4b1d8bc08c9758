# The game and the sim start up through the same code: from a folder without the scenario both
# end with status 1 and a message naming the file they looked for; beside the built scenario
# both start.
file(REMOVE_RECURSE ${OUT})
foreach(case bare full)
  file(MAKE_DIRECTORY ${OUT}/${case})
  file(COPY ${GAME} ${SIM} DESTINATION ${OUT}/${case})
endforeach()
file(COPY ${DATA}/evrasia.scn DESTINATION ${OUT}/full/data)
get_filename_component(game ${GAME} NAME)
get_filename_component(sim ${SIM} NAME)

foreach(program ${game} ${sim})
  set(args "")
  if("${program}" STREQUAL "${sim}")
    set(args --days 0)
  endif()
  execute_process(COMMAND ${OUT}/bare/${program} ${args} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "${program} without a scenario ended with status ${rc}, not 1")
  endif()
  string(FIND "${err}" "${OUT}/bare/data/evrasia.scn" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${program} does not name the missing scenario: ${err}")
  endif()
  execute_process(COMMAND ${OUT}/full/${program} ${args} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${program} beside the built scenario ended with status ${rc}: ${err}")
  endif()
endforeach()
