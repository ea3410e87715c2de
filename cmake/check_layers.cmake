# Fails when a file of a module layer includes a header of a layer above its own.
#
# The module's folders form layers, lowest first; a file may include headers of its own
# layer and of the layers below it, and never those of the tools, tests, benchmarks or
# fuzz targets, which all sit on top. Every #include counts, in quotes or in angle
# brackets: a path is taken as the compiler takes it, from the including file's folder
# when it starts with "./" or "../" or names a file there, else from the project folder.
# Run as a build step:
#   cmake -DSOURCE_DIR=<project folder> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(layers base platform card route display plugin)
set(above_all tools tests bench fuzz examples)

set(failures "")
foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h
       ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    get_filename_component(folder_of_file ${SOURCE_DIR}/${file} DIRECTORY)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "include[ \t]*[\"<]([^\">]+)[\">]")
        continue()
      endif()
      set(written ${CMAKE_MATCH_1})
      if(written MATCHES "^\\.\\.?/" OR EXISTS ${folder_of_file}/${written})
        set(path ${folder_of_file}/${written})
      else()
        set(path ${SOURCE_DIR}/${written})
      endif()
      cmake_path(NORMAL_PATH path)
      cmake_path(IS_PREFIX SOURCE_DIR ${path} NORMALIZE inside)
      if(NOT inside)
        continue()
      endif()
      file(RELATIVE_PATH header ${SOURCE_DIR} ${path})
      if(NOT header MATCHES "^([^/]+)/")
        continue()
      endif()
      set(folder ${CMAKE_MATCH_1})
      list(FIND layers ${folder} included_rank)
      list(FIND above_all ${folder} on_top)
      if(included_rank GREATER rank OR on_top GREATER -1)
        if(on_top GREATER -1)
          set(what "'${folder}', which sits on top of every layer")
        else()
          set(what "layer '${folder}', above its own layer '${layer}'")
        endif()
        string(APPEND failures "  ${file} includes ${written}: a header of ${what}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" " < " order "${layers}")
  message(FATAL_ERROR "A layer includes a header from above it (the order is ${order}; "
                      "a file may include its own layer and those below):\n${failures}")
endif()
