# Fails when a file of a module layer includes a header of a layer above its own.
#
# The module's folders form layers, lowest first; a file may include headers of its own
# layer and of the layers below it, and never those of the tools, tests, benchmarks or
# fuzz targets, which all sit on top. Run as a build step:
#   cmake -DSOURCE_DIR=<project folder> -P check_layers.cmake
set(layers base platform card route display plugin)
set(above_all tools tests bench fuzz examples)

set(failures "")
foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
       ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    set(number 0)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "\"([^\"/]+)/([^\"]*)\"")
        continue()
      endif()
      set(folder ${CMAKE_MATCH_1})
      set(header "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
      list(FIND layers ${folder} included_rank)
      list(FIND above_all ${folder} on_top)
      if(included_rank GREATER rank OR on_top GREATER -1)
        if(on_top GREATER -1)
          set(what "'${folder}', which sits on top of every layer")
        else()
          set(what "layer '${folder}', above its own layer '${layer}'")
        endif()
        string(APPEND failures "  ${file} includes ${header}: a header of ${what}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" " < " order "${layers}")
  message(FATAL_ERROR "A layer includes a header from above it (the order is ${order}; "
                      "a file may include its own layer and those below):\n${failures}")
endif()
