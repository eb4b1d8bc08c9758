# Two sims saving into one file at once, round after round: both say they saved, the file then
# holds one of the two saves whole, and neither leaves a temporary file behind. The temporary
# file of a save killed two hours ago goes with the first save; a fresh one (a save under way)
# stays.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
foreach(days 0 1)
  execute_process(COMMAND ${SIM} --days ${days} --save ${OUT}/alone-${days}.sav RESULT_VARIABLE rc
                  OUTPUT_QUIET TIMEOUT 60)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "a save of ${days} days alone ended with status ${rc}")
  endif()
  file(SHA256 ${OUT}/alone-${days}.sav alone-${days})
endforeach()
if(alone-0 STREQUAL alone-1)
  message(FATAL_ERROR "the two saves are alike, so the race cannot tell them apart")
endif()

set(slot ${OUT}/slot.sav)
file(WRITE ${slot}.gravmark-Killed.tmp "half a save")
file(WRITE ${slot}.gravmark-Under1.tmp "a save under way")
execute_process(COMMAND touch -d "2 hours ago" ${slot}.gravmark-Killed.tmp)
foreach(round RANGE 1 20)
  execute_process(
    COMMAND sh -c [[
      "$0" --days 0 --save "$1" > /dev/null 2> "$2/a.err" & a=$!
      "$0" --days 1 --save "$1" > /dev/null 2> "$2/b.err" & b=$!
      wait $a; ra=$?; wait $b; echo "$ra $?"]] ${SIM} ${slot} ${OUT}
    OUTPUT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE TIMEOUT 120)
  file(READ ${OUT}/a.err a)
  file(READ ${OUT}/b.err b)
  if(NOT status STREQUAL "0 0" OR NOT a STREQUAL "" OR NOT b STREQUAL "")
    message(FATAL_ERROR "round ${round}: the savers ended with ${status}:\n${a}${b}")
  endif()
  file(SHA256 ${slot} landed)
  if(NOT landed STREQUAL alone-0 AND NOT landed STREQUAL alone-1)
    message(FATAL_ERROR "round ${round}: the slot holds neither save whole")
  endif()
endforeach()
file(GLOB left RELATIVE ${OUT} ${slot}.*)
if(NOT left STREQUAL "slot.sav.gravmark-Under1.tmp")
  message(FATAL_ERROR "beside the slot after the rounds: '${left}', not the save under way alone")
endif()
