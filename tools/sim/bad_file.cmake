# A save that cannot be loaded ends the sim with the loader's message, naming the file, and
# status 1; so does a damaged one.
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/damaged.sav "not a saved game")
foreach(path ${OUT}/missing.sav ${OUT}/damaged.sav)
  execute_process(COMMAND ${SIM} --days 1 --load ${path} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "loading ${path} ended with status ${rc}, not 1")
  endif()
  string(FIND "${err}" "${path}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the message does not name ${path}: ${err}")
  endif()
endforeach()
