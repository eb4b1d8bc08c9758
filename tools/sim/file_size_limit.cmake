# Under a file-size limit (ulimit -f) too small for a save, the save fails with a message instead
# of the signal killing the sim: status 1, the old file kept, no temporary file left behind.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/limited.sav "the old save")
execute_process(COMMAND sh -c "ulimit -f 4000 && exec \"$0\" --days 0 --save \"$1\""
                        ${SIM} ${OUT}/limited.sav
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "a save past the file-size limit ended with status ${rc}, not 1:\n${err}")
endif()
string(FIND "${err}" "File too large" reason)
if(reason EQUAL -1)
  message(FATAL_ERROR "the message does not say the file is too large: ${err}")
endif()
file(READ ${OUT}/limited.sav kept)
file(GLOB left ${OUT}/limited.sav.*)
if(NOT kept STREQUAL "the old save" OR left)
  message(FATAL_ERROR "the old save was not kept, or the temporary file was left behind")
endif()

# The report written past the limit is cut short: the sim says so and ends with status 1, never
# 0 as if the report were whole.
execute_process(COMMAND sh -c "ulimit -f 4 && exec \"$0\" --days 30 > \"$1\""
                        ${SIM} ${OUT}/report.txt
                RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "a report past the file-size limit ended with status ${rc}, not 1:\n${err}")
endif()
string(FIND "${err}" "cannot write the report: File too large" reason)
if(reason EQUAL -1)
  message(FATAL_ERROR "the sim does not say the report was cut short: ${err}")
endif()
