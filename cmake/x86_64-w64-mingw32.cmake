# Cross-builds the 64-bit Windows module (ruva.dll) with Debian's mingw-w64 compilers.
# Programs built here (the tests, the tools) run under Wine when Wine is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RUVA_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model first: it is the one the project installs; win32 works too.
find_program(CMAKE_C_COMPILER NAMES ${RUVA_MINGW_TRIPLE}-gcc-posix ${RUVA_MINGW_TRIPLE}-gcc-win32
                                    ${RUVA_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${RUVA_MINGW_TRIPLE}-g++-posix ${RUVA_MINGW_TRIPLE}-g++-win32
                                      ${RUVA_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${RUVA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RUVA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program carries its C++, GCC and thread runtimes, so it runs on any Windows
# (and under Wine) without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(RUVA_WINE NAMES wine wine64)
  if(RUVA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${RUVA_WINE})
  endif()
endif()
