# Counts the instructions per frame with callgrind in each display state named in
# RECORDED (STATE=FIGURE;...) and fails when one of them exceeds its recorded figure by
# more than 20 %. Skipped when valgrind is not installed.
# Called with -DVALGRIND= -DPROGRAM= -DFRAMES= -DRECORDED= -DOUT=
if(NOT VALGRIND OR NOT EXISTS "${VALGRIND}")
  message("skipped: valgrind is not installed")
  return()
endif()

set(over "")
foreach(entry ${RECORDED})
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 state)
  list(GET entry 1 recorded)
  execute_process(
    COMMAND ${VALGRIND} --tool=callgrind --callgrind-out-file=${OUT}.${state}.callgrind
            --toggle-collect=ruvaMeasuredFrames ${PROGRAM} ${FRAMES} ${state}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "callgrind run in state ${state} failed (${result}):\n${output}\n${errors}")
  endif()
  file(STRINGS ${OUT}.${state}.callgrind totals REGEX "^(summary|totals): [0-9]+")
  list(GET totals 0 total)
  string(REGEX REPLACE "^[a-z]+: ([0-9]+).*" "\\1" total "${total}")
  math(EXPR per_frame "${total} / ${FRAMES}")
  math(EXPR limit "${recorded} * 12 / 10")
  message("instructions per ${state} frame: ${per_frame} (recorded ${recorded}, limit ${limit})")
  if(per_frame GREATER limit)
    list(APPEND over "a ${state} frame takes ${per_frame} instructions, more than 20 % over the recorded ${recorded}")
  endif()
endforeach()
if(over)
  list(JOIN over "; " over)
  message(FATAL_ERROR "${over}; see docs/performance.md")
endif()
