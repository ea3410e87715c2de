# Runs a program and checks its exit status and what it printed.
# -DPROGRAM=... -DARGS="a;b" -DEXIT=n [-DEMULATOR=...] and either
#   -DOUTPUT=regex   that the output must match, or
#   -DGOLDEN=file    that the output must equal, with line ends as "\n" and every
#                    -DSTRIP=text taken out (a folder that differs between machines).
include(${CMAKE_CURRENT_LIST_DIR}/run_captured.cmake)
run_captured(status out err ${CMAKE_CURRENT_BINARY_DIR} ${EMULATOR} ${PROGRAM} ${ARGS})
if(EMULATOR AND NOT status EQUAL EXIT)
  # Under load Wine now and then fails to start a program at all; a second start tells
  # that apart from a program that ends as it should not.
  run_captured(status out err ${CMAKE_CURRENT_BINARY_DIR} ${EMULATOR} ${PROGRAM} ${ARGS})
endif()
if(NOT status EQUAL EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${out}${err}")
endif()
if(DEFINED GOLDEN)
  set(got "${out}${err}")
  string(REPLACE "\r\n" "\n" got "${got}")
  if(DEFINED STRIP)
    string(REPLACE "${STRIP}" "" got "${got}")
  endif()
  file(READ ${GOLDEN} expected)
  if(NOT got STREQUAL expected)
    message(FATAL_ERROR "the output differs from ${GOLDEN}:\n${got}")
  endif()
elseif(NOT "${out}${err}" MATCHES "${OUTPUT}")
  message(FATAL_ERROR "the output does not match '${OUTPUT}':\n${out}${err}")
endif()
