# Creates the Wine prefix that the Windows tests run in, once per build folder.
# Usage: cmake -DWINE=<wine> -DPREFIX=<folder> -DLOCALE=<locale> -P wine_prefix.cmake
execute_process(COMMAND locale -a OUTPUT_VARIABLE locales)
string(REPLACE "-" "" wanted "${LOCALE}")
string(REPLACE "-" "" locales "${locales}")
string(TOLOWER "${wanted}" wanted)
string(TOLOWER "${locales}" locales)
if(NOT locales MATCHES "(^|\n)${wanted}(\n|$)")
  # Without it Wine still reports code page 932 but opens no file with a Japanese name.
  message(FATAL_ERROR "the ${LOCALE} locale is not installed; run scripts/install-deps.sh windows")
endif()

set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
set(ENV{LC_ALL} ${LOCALE})
# No Mono and no Gecko: nothing here needs them, and asking for them would stall.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "wineboot failed in ${PREFIX}")
endif()
