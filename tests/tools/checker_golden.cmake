# Runs ruvacard over every checker fixture and compares what it prints, and its exit
# status, with the expected output beside the fixture:
#   checker/cards/NAME.csv      ruvacard check NAME.csv      -> checker/cards/NAME.out
#   checker/vehicles/NAME/      ruvacard vehicle NAME        -> checker/vehicles/NAME.out
#   checker/drives/NAME/        ruvacard vehicle --drive NAME -> checker/drives/NAME.out
# in English whatever the locale; and where a NAME.ja.out stands beside NAME.out, once
# more with LANG=ja_JP.UTF-8 (and LC_ALL, LC_MESSAGES unset) into that file.
# -DPROGRAM=ruvacard -DFIXTURES=folder [-DEMULATOR=...] [-DUPDATE=ON rewrites the .out files]
include(${CMAKE_CURRENT_LIST_DIR}/run_captured.cmake)
set(failures 0)
function(check_fixture folder command name expected)
  set(run ${EMULATOR} ${PROGRAM} --lang en)
  if(expected MATCHES "\\.ja\\.out$")
    set(run ${EMULATOR} ${PROGRAM})
  endif()
  # Standard error is left out: the remarks go to standard output, and Wine may write
  # notes of its own.
  run_captured(status out err ${folder} ${run} ${command} ${name})
  string(REPLACE "\r" "" got "${out}exit ${status}\n")
  if(UPDATE)
    file(WRITE ${expected} "${got}")
    return()
  endif()
  file(READ ${expected} want)
  if(NOT got STREQUAL want AND EMULATOR)
    # Under load Wine now and then fails to start a program at all (no output, status
    # 1); a second start tells that apart from a checker that went wrong.
    run_captured(status out err ${folder} ${run} ${command} ${name})
    string(REPLACE "\r" "" got "${out}exit ${status}\n")
  endif()
  if(NOT got STREQUAL want)
    message("== ${command} ${name}: expected\n${want}== got\n${got}== standard error\n${err}")
    math(EXPR count "${failures} + 1")
    set(failures ${count} PARENT_SCOPE)
  endif()
endfunction()

function(check_japanese folder command name expected)
  string(REGEX REPLACE "\\.out$" ".ja.out" japanese ${expected})
  if(EXISTS ${japanese})
    # The Japanese locale goes into this script's own environment, which the run
    # inherits, and back out after it: a `cmake -E env` around each run cost as much as
    # the run itself.
    set(saved)
    foreach(variable LANG LC_ALL LC_MESSAGES)
      if(DEFINED ENV{${variable}})
        list(APPEND saved "${variable}=$ENV{${variable}}")
      endif()
      unset(ENV{${variable}})
    endforeach()
    set(ENV{LANG} ja_JP.UTF-8)
    check_fixture(${folder} "${command}" ${name} ${japanese})
    unset(ENV{LANG})
    foreach(setting IN LISTS saved)
      string(REGEX MATCH "^([^=]*)=(.*)$" matched "${setting}")
      set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endforeach()
    set(failures ${failures} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB cards LIST_DIRECTORIES true RELATIVE ${FIXTURES}/cards ${FIXTURES}/cards/*.csv)
foreach(card ${cards})
  string(REGEX REPLACE "\\.csv$" ".out" expected ${card})
  check_fixture(${FIXTURES}/cards check ${card} ${FIXTURES}/cards/${expected})
  check_japanese(${FIXTURES}/cards check ${card} ${FIXTURES}/cards/${expected})
endforeach()
file(GLOB vehicles LIST_DIRECTORIES true RELATIVE ${FIXTURES}/vehicles ${FIXTURES}/vehicles/*)
foreach(vehicle ${vehicles})
  if(IS_DIRECTORY ${FIXTURES}/vehicles/${vehicle})
    check_fixture(${FIXTURES}/vehicles vehicle ${vehicle} ${FIXTURES}/vehicles/${vehicle}.out)
    check_japanese(${FIXTURES}/vehicles vehicle ${vehicle} ${FIXTURES}/vehicles/${vehicle}.out)
  endif()
endforeach()
file(GLOB drives LIST_DIRECTORIES true RELATIVE ${FIXTURES}/drives ${FIXTURES}/drives/*)
foreach(vehicle ${drives})
  if(IS_DIRECTORY ${FIXTURES}/drives/${vehicle})
    check_fixture(${FIXTURES}/drives "vehicle;--drive" ${vehicle} ${FIXTURES}/drives/${vehicle}.out)
    check_japanese(${FIXTURES}/drives "vehicle;--drive" ${vehicle} ${FIXTURES}/drives/${vehicle}.out)
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checker fixtures differ from their expected output")
endif()
