# The game and the sim start up through the same code: from a folder without the scenario both
# end with status 1 and a message naming the file they looked for; beside the built scenario
# the sim plays (the game's full start is the window tests' business). An option the game does
# not know ends it with status 2 and the usage, before any file is read; with no display in
# reach the game ends with status 1, saying so and naming the display that did not answer.
file(REMOVE_RECURSE ${OUT})
foreach(case bare full)
  file(MAKE_DIRECTORY ${OUT}/${case}/data)
  file(COPY ${GAME} ${SIM} DESTINATION ${OUT}/${case})
endforeach()
# The game reads its pictures before the scenario.
foreach(archive graphic.dxg techn.dxg)
  file(CREATE_LINK ${DATA}/${archive} ${OUT}/bare/data/${archive} SYMBOLIC)
endforeach()
file(COPY ${DATA}/evrasia.scn DESTINATION ${OUT}/full/data)
get_filename_component(game ${GAME} NAME)
get_filename_component(sim ${SIM} NAME)

foreach(program ${game} ${sim})
  if("${program}" STREQUAL "${sim}")
    set(args --days 0)
  else()
    set(args --run --window --no-sound)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
                          ${OUT}/bare/${program} ${args}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "${program} without a scenario ended with status ${rc}, not 1: ${err}")
  endif()
  string(FIND "${err}" "${OUT}/bare/data/evrasia.scn" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${program} does not name the missing scenario: ${err}")
  endif()
endforeach()
# With no display in reach the game says so and ends, rather than playing on where nobody sees.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=SDL_VIDEODRIVER --unset=DISPLAY
                        --unset=WAYLAND_DISPLAY --unset=XDG_RUNTIME_DIR SDL_AUDIODRIVER=dummy
                        ${OUT}/bare/${game} --run --window --no-sound
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
string(FIND "${err}" "no display could be reached" said)
if(NOT rc EQUAL 1 OR said EQUAL -1)
  message(FATAL_ERROR "${game} without a display ended with status ${rc}, not 1 saying so: ${err}")
endif()
# A display named that does not answer is named in the message.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=SDL_VIDEODRIVER DISPLAY=:97
                        --unset=WAYLAND_DISPLAY --unset=XDG_RUNTIME_DIR SDL_AUDIODRIVER=dummy
                        ${OUT}/bare/${game} --run --window --no-sound
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
string(FIND "${err}" "the X display :97 (DISPLAY) did not answer" said)
if(NOT rc EQUAL 1 OR said EQUAL -1)
  message(FATAL_ERROR "${game} with a display that does not answer ended with status ${rc}, not 1 "
                      "naming it: ${err}")
endif()
execute_process(COMMAND ${OUT}/full/${sim} --days 0 RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${sim} beside the built scenario ended with status ${rc}: ${err}")
endif()
execute_process(COMMAND ${OUT}/bare/${game} --bogus RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
string(FIND "${err}" "--turn-length" usage)
if(NOT rc EQUAL 2 OR usage EQUAL -1)
  message(FATAL_ERROR "${game} --bogus ended with status ${rc}, not 2 with the usage: ${err}")
endif()
