# ruvacard fix over the fix fixtures (tests/tools/fix/*.csv and the checker's cards that
# fix mends), each in a fresh copy:
#   fix --diff       writes nothing, prints fix.diff.out
#   fix              prints fix.out; every card then passes check --strict and shows as
#                    the good card does; the suggestions stay until --unsafe-fixes
#   a correct card, one whose fixes would give more remarks (left_alone.csv) and the
#   example vehicle's card folders are left byte for byte.
# A card named in UTF-8 bytes is one only the native build can see: Windows names files
# in Unicode, so under an emulator it is left out, and the outputs are not compared.
# -DPROGRAM=ruvacard -DFIXTURES=tests/tools/fix -DCHECKER=tests/tools/checker/cards
# -DVEHICLE=examples/vehicle -DWORK=folder [-DEMULATOR=...] [-DUPDATE=ON]
set(failures "")
set(good ${CHECKER}/good_card.csv)
# The name a card code builds for the train number of the good card, in UTF-8.
set(utf8_name "回1234A.csv")

include(${CMAKE_CURRENT_LIST_DIR}/run_captured.cmake)

function(ruvacard out_var status_var)
  run_captured(status out err ${WORK} ${EMULATOR} ${PROGRAM} --lang en ${ARGN})
  string(REPLACE "\r" "" out "${out}${err}")
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${status_var} ${status} PARENT_SCOPE)
endfunction()

function(fail text)
  set(failures "${failures}${text}\n" PARENT_SCOPE)
endfunction()

# The fixtures afresh in WORK; `cards` names them, in order.
function(prepare)
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  file(GLOB fixtures RELATIVE ${FIXTURES} ${FIXTURES}/*.csv)
  set(names byte_order_mark.csv cr_line_ends.csv good_card.csv ${fixtures})
  foreach(name byte_order_mark.csv cr_line_ends.csv good_card.csv)
    file(COPY ${CHECKER}/${name} DESTINATION ${WORK})
  endforeach()
  foreach(name ${fixtures})
    file(COPY ${FIXTURES}/${name} DESTINATION ${WORK})
  endforeach()
  if(NOT EMULATOR)
    file(COPY_FILE ${CHECKER}/utf8_card.csv ${WORK}/${utf8_name})
    list(APPEND names ${utf8_name})
  endif()
  list(SORT names)
  set(cards ${names} PARENT_SCOPE)
endfunction()

function(compare_output got golden)
  if(UPDATE)
    file(WRITE ${golden} "${got}")
  elseif(NOT EMULATOR)
    file(READ ${golden} want)
    if(NOT got STREQUAL want)
      fail("output differs from ${golden}:\n${got}")
      set(failures "${failures}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

# The source of a card in WORK, for comparing bytes.
function(source_of name out_var)
  if(name STREQUAL utf8_name)
    set(${out_var} ${CHECKER}/utf8_card.csv PARENT_SCOPE)
  elseif(EXISTS ${FIXTURES}/${name})
    set(${out_var} ${FIXTURES}/${name} PARENT_SCOPE)
  else()
    set(${out_var} ${CHECKER}/${name} PARENT_SCOPE)
  endif()
endfunction()

# --diff writes nothing.
prepare()
ruvacard(out status fix --diff ${cards})
compare_output("${out}exit ${status}\n" ${FIXTURES}/fix.diff.out)
file(GLOB left RELATIVE ${WORK} ${WORK}/*)
list(SORT left)
if(NOT left STREQUAL cards)
  fail("fix --diff left ${left}, not ${cards}")
endif()
foreach(name ${cards})
  source_of(${name} source)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${source} ${WORK}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    fail("fix --diff changed ${name}")
  endif()
endforeach()

# fix mends every card but the suggestions; the good card stays as it is.
prepare()
ruvacard(out status fix ${cards})
compare_output("${out}exit ${status}\n" ${FIXTURES}/fix.out)
ruvacard(want_show status show ${good})
foreach(name ${cards})
  if(name STREQUAL utf8_name)
    # The name that a card code builds, in code page 932 bytes.
    file(GLOB renamed LIST_DIRECTORIES false ${WORK}/*1234A.csv)
    list(FILTER renamed EXCLUDE REGEX "${utf8_name}$")
    if(NOT renamed)
      fail("${utf8_name} was not renamed")
      continue()
    endif()
    get_filename_component(name ${renamed} NAME)
  endif()
  source_of(${name} source)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${source} ${WORK}/${name}
                  RESULT_VARIABLE differs)
  if(name MATCHES "^(good_card|left_alone|suggested_times)\\.csv$")
    if(differs OR EXISTS ${WORK}/${name}.bak)
      fail("fix touched ${name}")
    endif()
    if(NOT name STREQUAL "suggested_times.csv")
      continue()
    endif()
    ruvacard(out status fix --unsafe-fixes ${name})
  endif()
  ruvacard(out status check --strict ${name})
  if(NOT status EQUAL 0 OR NOT out STREQUAL "")
    fail("after fix, check --strict ${name} exits ${status}:\n${out}")
  endif()
  ruvacard(show status show ${name})
  if(NOT show STREQUAL want_show)
    fail("after fix, ${name} shows otherwise than the good card:\n${show}")
  endif()
endforeach()

# The example vehicle's card folders, named through the vehicle folder's card list, are
# left byte for byte, with nothing beside them.
file(COPY ${VEHICLE} DESTINATION ${WORK})
get_filename_component(vehicle ${VEHICLE} NAME)
file(GLOB_RECURSE before RELATIVE ${WORK}/${vehicle} ${WORK}/${vehicle}/*)
ruvacard(out status fix ${vehicle})
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
  fail("fix on the example vehicle exits ${status}:\n${out}")
endif()
file(GLOB_RECURSE after RELATIVE ${WORK}/${vehicle} ${WORK}/${vehicle}/*)
if(NOT before STREQUAL after)
  fail("fix on the example vehicle left ${after}")
endif()
foreach(file ${after})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${VEHICLE}/${file}
                          ${WORK}/${vehicle}/${file} RESULT_VARIABLE differs)
  if(differs)
    fail("fix changed the example vehicle's ${file}")
  endif()
endforeach()

# Through the vehicle folder, a card of a listed folder named in UTF-8 gets the name that
# its card code builds.
if(NOT EMULATOR)
  file(WRITE ${WORK}/named/RUVA_ICCard.ini "[ICCard]\r\n0=local\r\n")
  file(MAKE_DIRECTORY ${WORK}/named/local)
  file(COPY_FILE ${CHECKER}/utf8_card.csv ${WORK}/named/local/${utf8_name})
  ruvacard(out status fix --no-backup named)
  if(NOT status EQUAL 0 OR NOT out MATCHES "renamed to" OR EXISTS ${WORK}/named/local/${utf8_name})
    fail("fix of the vehicle folder leaves the UTF-8 name (${status}):\n${out}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
