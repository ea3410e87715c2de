# Plants each kind of layer violation in a copy of the module's sources and expects its
# build to fail, naming what was planted; the copy builds cleanly without the plants.
#   1. card/ includes <display/ruva.h> in angle brackets
#   2. card/ includes "../tools/common/messages.h" by a relative path
#   3. card/ calls a function of plugin/ that it declares itself, without any include
# -DSOURCE_DIR=<project folder> -DWORK=<scratch folder> -DCOMPILER=<C++ compiler>
# -DGENERATOR=<CMake generator>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/source)
foreach(part CMakeLists.txt cmake base platform card route display plugin)
  file(COPY ${SOURCE_DIR}/${part} DESTINATION ${WORK}/source)
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK}/source -B ${WORK}/build -G ${GENERATOR}
                        -DCMAKE_CXX_COMPILER=${COMPILER} -DCMAKE_BUILD_TYPE=Debug
                        -DRUVA_BUILD_TESTS=OFF
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the copy does not configure:\n${out}${err}")
endif()

# Builds `target` in the copy; `expect` is "pass" or the text the failure must show.
function(build_copy what target expect)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build --target ${target} -j 2
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect STREQUAL "pass")
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${what}: the copy does not build:\n${out}${err}")
    endif()
  elseif(status EQUAL 0)
    message(FATAL_ERROR "${what}: the build passed")
  elseif(NOT "${out}${err}" MATCHES "${expect}")
    message(FATAL_ERROR "${what}: the build failed without naming '${expect}':\n${out}${err}")
  else()
    message(STATUS "${what}: the build fails, as it must")
  endif()
endfunction()

build_copy("no plant" ruva_card_alone pass)

file(WRITE ${WORK}/source/card/planted_angle.h "#include <display/ruva.h>\n")
build_copy("an include in angle brackets" ruva_layers_checked "card/planted_angle.h includes")
file(REMOVE ${WORK}/source/card/planted_angle.h)

file(WRITE ${WORK}/source/card/planted_relative.cpp "#include \"../tools/common/messages.h\"\n")
build_copy("a relative include" ruva_layers_checked "card/planted_relative.cpp includes")
file(REMOVE ${WORK}/source/card/planted_relative.cpp)

file(WRITE ${WORK}/source/card/planted_call.cpp
     "int plantedUpward();\nint plantedCaller() { return plantedUpward(); }\n")
file(WRITE ${WORK}/source/plugin/planted_definition.cpp "int plantedUpward() { return 1; }\n")
build_copy("a call into a layer above" ruva_card_alone "plantedUpward")
file(REMOVE_RECURSE ${WORK})
