# A save into a place that cannot take it ends the sim at once, before any turn is played, with
# status 1 and a message naming the path given. What stands beside the path under a temporary
# file's name (a folder, a FIFO, another program's file) is not in the way: the save lands and
# leaves it as it was.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT} ${OUT}/folder.sav ${OUT}/beside.sav.tmp)
file(WRITE ${OUT}/plain "a file, not a folder")
string(REPEAT n 300 long)  # longer than any folder takes
file(WRITE ${OUT}/beside.sav.gravmark-Other1.tmp "another program's save in the making")
execute_process(COMMAND mkfifo ${OUT}/beside.sav.gravmark-Fifo01.tmp)
foreach(case missing/x.sav:cannot plain/x.sav:cannot folder.sav:is ${long}.sav:the)
  string(REPLACE ":" ";" parts ${case})
  list(GET parts 0 name)
  list(GET parts 1 says)
  set(path ${OUT}/${name})
  execute_process(COMMAND ${SIM} --days 1 --save ${path} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "saving to ${path} ended with status ${rc}, not 1")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "the sim played before finding that ${path} cannot be written:\n${out}")
  endif()
  string(FIND "${err}" "gravmark-sim: cannot save: ${path}: ${says} " at)
  if(NOT at EQUAL 0)
    message(FATAL_ERROR "the message for ${path} does not say what is in the way: ${err}")
  endif()
endforeach()

execute_process(COMMAND ${SIM} --days 0 --save ${OUT}/beside.sav RESULT_VARIABLE rc
                OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT EXISTS ${OUT}/beside.sav)
  message(FATAL_ERROR "what stood beside beside.sav kept the save from landing (${rc}): ${err}")
endif()
file(READ ${OUT}/beside.sav.gravmark-Other1.tmp other)
if(NOT IS_DIRECTORY ${OUT}/beside.sav.tmp OR NOT EXISTS ${OUT}/beside.sav.gravmark-Fifo01.tmp
   OR NOT other STREQUAL "another program's save in the making")
  message(FATAL_ERROR "the save into beside.sav changed what stood beside it")
endif()
