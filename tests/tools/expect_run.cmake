# Runs a program and checks its exit status and what it printed.
# -DPROGRAM=... -DARGS="a;b" -DEXIT=n -DOUTPUT=regex [-DEMULATOR=...]
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${OUTPUT}")
  message(FATAL_ERROR "the output does not match '${OUTPUT}':\n${out}${err}")
endif()
