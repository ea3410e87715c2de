#!/bin/sh
# Runs a Windows program under Wine in a terminal of its own (so that it writes to a
# console, not a pipe) and requires TEXT in what the terminal shows.
# Usage: windows_console.sh TEXT RUNNER... PROGRAM [ARGUMENT]...
set -u
text=$1
shift
command=$(printf "'%s' " "$@")
# The console's cursor and erase sequences are taken out before looking.
shown=$(script -qec "$command" /dev/null 2>&1 | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g')
if printf '%s' "$shown" | grep -qF "$text"; then
  exit 0
fi
printf 'the console does not show "%s":\n%s\n' "$text" "$shown"
exit 1
