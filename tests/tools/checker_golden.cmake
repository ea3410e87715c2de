# Runs ruvacard over every checker fixture and compares what it prints, and its exit
# status, with the expected output beside the fixture:
#   checker/cards/NAME.csv      ruvacard check NAME.csv      -> checker/cards/NAME.out
#   checker/vehicles/NAME/      ruvacard vehicle NAME        -> checker/vehicles/NAME.out
# -DPROGRAM=ruvacard -DFIXTURES=folder [-DEMULATOR=...] [-DUPDATE=ON rewrites the .out files]
set(failures 0)
function(check_fixture folder command name expected)
  # Standard error is left out: the remarks go to standard output, and Wine may write
  # notes of its own.
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${command} ${name} WORKING_DIRECTORY ${folder}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r" "" got "${out}exit ${status}\n")
  if(UPDATE)
    file(WRITE ${expected} "${got}")
    return()
  endif()
  file(READ ${expected} want)
  if(NOT got STREQUAL want)
    message("== ${command} ${name}: expected\n${want}== got\n${got}")
    math(EXPR count "${failures} + 1")
    set(failures ${count} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB cards LIST_DIRECTORIES true RELATIVE ${FIXTURES}/cards ${FIXTURES}/cards/*.csv)
foreach(card ${cards})
  string(REGEX REPLACE "\\.csv$" ".out" expected ${card})
  check_fixture(${FIXTURES}/cards check ${card} ${FIXTURES}/cards/${expected})
endforeach()
file(GLOB vehicles LIST_DIRECTORIES true RELATIVE ${FIXTURES}/vehicles ${FIXTURES}/vehicles/*)
foreach(vehicle ${vehicles})
  if(IS_DIRECTORY ${FIXTURES}/vehicles/${vehicle})
    check_fixture(${FIXTURES}/vehicles vehicle ${vehicle} ${FIXTURES}/vehicles/${vehicle}.out)
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checker fixtures differ from their expected output")
endif()
