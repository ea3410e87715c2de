#!/usr/bin/env bash
# Copies folders whose file names are code page 932 bytes, as the native build reads
# them, each to its DEST with the same names in UTF-8: the names that a Japanese
# Windows gives those files, as Wine keeps them on disk under a UTF-8 locale.
# Usage: windows_vehicle.sh SOURCE DEST [SOURCE DEST]...
set -euo pipefail
while [ $# -ge 2 ]; do
  source=$1
  dest=$2
  shift 2
  rm -rf "$dest"
  mkdir -p "$dest"
  (cd "$source" && find . -mindepth 1 -type d) | while IFS= read -r dir; do
    mkdir -p "$dest/$(printf '%s' "$dir" | iconv -f CP932 -t UTF-8)"
  done
  (cd "$source" && find . -type f) | while IFS= read -r file; do
    cp "$source/$file" "$dest/$(printf '%s' "$file" | iconv -f CP932 -t UTF-8)"
  done
done
