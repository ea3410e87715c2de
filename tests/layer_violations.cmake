# Plants each kind of layer violation and expects the build's own check to fail, naming
# what was planted; without the plants the checks pass.
#   1. card/ includes <display/ruva.h> in angle brackets
#   2. card/ includes "../tools/common/messages.h" by a relative path
#   3. card/ calls a function that it declares itself, without any include, and that no
#      layer at or below it defines
# The includes are planted in a copy of the layers' sources and checked by the build
# step's own script; the call is built into the card layer linked alone, as the build
# links every layer (the target PLANTED of this build tree, left out of the build).
# -DSOURCE_DIR=<project folder> -DWORK=<scratch folder> -DBUILD_DIR=<this build tree>
# -DPLANTED=<target>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(layer base platform card route display plugin)
  file(COPY ${SOURCE_DIR}/${layer} DESTINATION ${WORK} FILES_MATCHING PATTERN "*.h"
       PATTERN "*.cpp")
endforeach()

# Runs `command`; `expect` is "pass" or the text the failure must show.
function(expect_outcome what expect)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect STREQUAL "pass")
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${what}: the check fails:\n${out}${err}")
    endif()
  elseif(status EQUAL 0)
    message(FATAL_ERROR "${what}: the check passed")
  elseif(NOT "${out}${err}" MATCHES "${expect}")
    message(FATAL_ERROR "${what}: the check failed without naming '${expect}':\n${out}${err}")
  else()
    message(STATUS "${what}: the check fails, as it must")
  endif()
endfunction()

set(check_includes ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${SOURCE_DIR}/cmake/check_layers.cmake)
expect_outcome("no plant" pass ${check_includes})

file(WRITE ${WORK}/card/planted_angle.h "#include <display/ruva.h>\n")
expect_outcome("an include in angle brackets" "card/planted_angle.h includes" ${check_includes})
file(REMOVE ${WORK}/card/planted_angle.h)

file(WRITE ${WORK}/card/planted_relative.cpp "#include \"../tools/common/messages.h\"\n")
expect_outcome("a relative include" "card/planted_relative.cpp includes" ${check_includes})
file(REMOVE_RECURSE ${WORK})

expect_outcome("a call into a layer above" "plantedUpward"
               ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${PLANTED})
