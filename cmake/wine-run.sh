#!/bin/sh
# Runs a Windows program under Wine, as the cross build's test runner.
# Usage: wine-run.sh WINE PREFIX LOCALE PROGRAM [ARGUMENT]...
# The prefix is the build's own and is created on first use, once even when several
# tests start together. The locale chooses the ANSI code page; Wine maps code-page-932
# file names onto the names on disk only when a Japanese UTF-8 locale is installed.
set -eu
wine=$1
prefix=$2
locale=$3
shift 3

wanted=$(printf '%s' "$locale" | tr 'A-Z' 'a-z' | tr -d '-')
if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-' | grep -qx "$wanted"; then
  echo "wine-run: the $locale locale is not installed; run scripts/install-deps.sh windows" >&2
  exit 1
fi

export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL="$locale"
# No Mono and no Gecko: nothing here needs them, and offering to install them stalls.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || "$1" wineboot --init' sh "$wine"
fi
exec "$wine" "$@"
