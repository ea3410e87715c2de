# Writes the file IN as a C++ raw string literal into OUT, for a program to carry it.
# cmake -DIN=page.html -DOUT=page.inc -P embed_text.cmake
file(READ ${IN} text)
string(FIND "${text}" ")embedded\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${IN} holds the literal's end marker")
endif()
file(WRITE ${OUT}.tmp "R\"embedded(${text})embedded\"\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
