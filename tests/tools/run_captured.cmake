# run_captured(STATUS OUT ERR FOLDER COMMAND...): runs COMMAND in FOLDER and gives its
# exit status, standard output and standard error.
#
# The output goes through files, not pipes: a Windows program under Wine starts helper
# processes (the server, its services) that keep the pipes of the first program open
# until they end, seconds after it; reading files, the run ends when the program does.
function(run_captured status_var out_var err_var folder)
  string(RANDOM LENGTH 12 tag)
  set(base ${CMAKE_CURRENT_BINARY_DIR}/run-${tag})
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${folder} RESULT_VARIABLE status
                  OUTPUT_FILE ${base}.out ERROR_FILE ${base}.err)
  file(READ ${base}.out out)
  file(READ ${base}.err err)
  file(REMOVE ${base}.out ${base}.err)
  set(${status_var} "${status}" PARENT_SCOPE)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()
