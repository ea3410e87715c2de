# Counts the instructions per card-mode frame with callgrind and fails when they exceed
# the recorded figure by more than 20 %. Skipped when valgrind is not installed.
# Called with -DVALGRIND= -DPROGRAM= -DFRAMES= -DRECORDED= -DOUT=
if(NOT VALGRIND OR NOT EXISTS "${VALGRIND}")
  message("skipped: valgrind is not installed")
  return()
endif()

execute_process(
  COMMAND ${VALGRIND} --tool=callgrind --callgrind-out-file=${OUT}
          --toggle-collect=ruvaMeasuredFrames ${PROGRAM} ${FRAMES}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "callgrind run failed (${result}):\n${output}\n${errors}")
endif()

file(STRINGS ${OUT} totals REGEX "^(summary|totals): [0-9]+")
list(GET totals 0 total)
string(REGEX REPLACE "^[a-z]+: ([0-9]+).*" "\\1" total "${total}")
math(EXPR per_frame "${total} / ${FRAMES}")
math(EXPR limit "${RECORDED} * 12 / 10")
message("instructions per card-mode frame: ${per_frame} (recorded ${RECORDED}, limit ${limit})")
if(per_frame GREATER limit)
  message(FATAL_ERROR "a card-mode frame takes ${per_frame} instructions, more than 20 % over "
                      "the recorded ${RECORDED}; see docs/performance.md")
endif()
