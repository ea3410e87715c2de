# Fails unless the module exports exactly the host's sixteen entry points.
# Usage: cmake -DNM=<nm> -DMODULE=<ruva.so> -P check_exports.cmake
set(expected DoorClose DoorOpen Elapse GetPluginVersion HornBlow Initialize KeyDown KeyUp
    Load Dispose SetBeaconData SetBrake SetPower SetReverser SetSignal SetVehicleSpec)
list(SORT expected)
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot list the symbols of ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(found)
foreach(line IN LISTS lines)
  string(REGEX MATCH "[^ ]+$" name "${line}")
  list(APPEND found ${name})
endforeach()
list(SORT found)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exported: ${found}\nexpected: ${expected}")
endif()
