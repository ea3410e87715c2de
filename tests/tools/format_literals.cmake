cmake_minimum_required(VERSION 3.25)
# Fails when a tool writes a row type or a column of the card format as a bare number:
# the tools read them from card/card_format.h, so that the format is written once.
# -DSOURCE_DIR=<project folder>
set(patterns
  "[^A-Za-z_]column *(==|!=|<=|>=|<|>) *[0-9]"
  "[^A-Za-z_](row)?[Tt]ype *(==|!=|<=|>=|<|>) *[0-9]"
  "[^A-Za-z_]k[A-Za-z]*(Row|Column)s? *= *[0-9]+;"
  "{ *[0-9]+ *, *[0-9]+ *, *Msg::")
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
file(GLOB_RECURSE card_tool RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/card/*.cpp)
set(found "")
foreach(file IN LISTS files)
  set(checks ${patterns})
  if(file IN_LIST card_tool)
    list(APPEND checks "[^A-Za-z_]fields?\\(?\\[?[0-9]+[]\\)]")
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    foreach(pattern IN LISTS checks)
      if(line MATCHES "${pattern}")
        string(APPEND found "  ${file}:${number}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "row types or columns written as numbers; take them from "
                      "card/card_format.h:\n${found}")
endif()
