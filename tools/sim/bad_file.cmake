# A save that cannot be loaded ends the sim with the loader's message, naming the file, and
# status 1; so does a damaged one, and a FIFO in its place, at once, without waiting for a writer.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/damaged.sav "not a saved game")
execute_process(COMMAND mkfifo ${OUT}/fifo.sav)
foreach(path ${OUT}/missing.sav ${OUT}/damaged.sav ${OUT}/fifo.sav)
  execute_process(COMMAND ${SIM} --days 1 --load ${path} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "loading ${path} ended with status ${rc}, not 1")
  endif()
  string(FIND "${err}" "${path}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the message does not name ${path}: ${err}")
  endif()
endforeach()
