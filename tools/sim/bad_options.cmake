# A command line the sim cannot follow ends it with status 2 and the reason before its usage,
# before anything is played or written. An empty file name is refused as a missing one is: it
# would read as no file at all.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
set(cases
    "--days 0 --save ''=>--save needs a file name, not an empty one"
    "--days 0 --load ''=>--load needs a file name, not an empty one"
    "--days 0 --load '' --save x.sav=>--load needs a file name, not an empty one"
    "--days 0 --save=>--save needs a value"
    "--days 0 --load=>--load needs a value"
    "--days ''=>--days wants a number of days, not ''"
    "--days -1=>--days wants a number of days, not '-1'"
    "--turn-length 2=>--turn-length is 1 or 4, not '2'"
    "--seed 1.5=>--seed wants a whole number, not '1.5'"
    "--frobnicate=>unknown option '--frobnicate'")
foreach(case IN LISTS cases)
  string(REPLACE "=>" ";" parts "${case}")
  list(GET parts 0 args)
  list(GET parts 1 reason)
  # The shell takes the arguments apart, so that '' stays an empty argument.
  execute_process(COMMAND sh -c "exec \"$0\" ${args}" ${SIM} WORKING_DIRECTORY ${OUT}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  string(FIND "${err}" "gravmark-sim: ${reason}\nusage: gravmark-sim " at)
  if(NOT rc EQUAL 2 OR NOT at EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "gravmark-sim ${args} ended with status ${rc}, not 2 and\n"
                        "'${reason}':\n${err}${out}")
  endif()
  file(GLOB written ${OUT}/*)
  if(written)
    message(FATAL_ERROR "gravmark-sim ${args} wrote ${written}")
  endif()
endforeach()
