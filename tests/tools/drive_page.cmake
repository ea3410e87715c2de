# The drive of a card played in one step (ruvahost --card) writes the same page, trace
# and snapshots as the script that ruvacard scenario writes for it, played by hand.
# -DRUVACARD=... -DRUVAHOST=... -DCARD=file.csv -DVEHICLE=folder -DWORK=folder
# [-DEMULATOR=...]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(stem ${CARD} NAME_WE)
set(script ${WORK}/${stem}.scn)

# Under load Wine now and then fails to start a program at all; a second start tells
# that apart from a program that ends as it should not.
include(${CMAKE_CURRENT_LIST_DIR}/run_captured.cmake)
function(run)
  run_captured(status out err ${CMAKE_CURRENT_BINARY_DIR} ${EMULATOR} ${ARGN})
  if(EMULATOR AND NOT status EQUAL 0)
    run_captured(status out err ${CMAKE_CURRENT_BINARY_DIR} ${EMULATOR} ${ARGN})
  endif()
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "exit status ${status}: ${ARGN}\n${err}")
  endif()
endfunction()

run(${RUVACARD} --lang en scenario ${CARD} --vehicle ${VEHICLE} -o ${script})
run(${RUVAHOST} --lang en --quiet --html ${WORK}/by-hand.html --trace ${WORK}/by-hand.csv
    --out ${WORK}/by-hand ${VEHICLE} ${script})
run(${RUVAHOST} --lang en --quiet --html ${WORK}/card.html --trace ${WORK}/card.csv
    --out ${WORK}/card --card ${CARD} ${VEHICLE})

file(GLOB_RECURSE pictures RELATIVE ${WORK}/by-hand ${WORK}/by-hand/*.svg)
if(NOT pictures)
  message(FATAL_ERROR "the script wrote no snapshot")
endif()
foreach(file by-hand.html:card.html by-hand.csv:card.csv ${pictures})
  if(file MATCHES "^(.*):(.*)$")
    set(first ${WORK}/${CMAKE_MATCH_1})
    set(second ${WORK}/${CMAKE_MATCH_2})
  else()
    set(first ${WORK}/by-hand/${file})
    set(second ${WORK}/card/${file})
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${first} ${second}
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${second} differs from ${first}")
  endif()
endforeach()
list(LENGTH pictures count)
message("the same page, trace and ${count} snapshots")
