#!/usr/bin/env bash
# Replays every example scenario twice, with the native host tool and module and with
# the Windows ones (under the given runner, Wine), and requires the same exit status and
# identical traces and snapshots.
# Usage: compare_example_traces.sh NATIVE_BUILD HOST_EXE MODULE_DLL EXAMPLES WORK RUNNER...
# Exits 77 (skipped) when the native build has no host tool to compare with.
set -euo pipefail
native=$1
host=$2
module=$3
examples=$4
work=$5
shift 5

if [ ! -x "$native/ruvahost" ] || [ ! -f "$native/ruva.so" ]; then
  echo "skipped: no native ruvahost and ruva.so in $native (build the default preset first)"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/native" "$work/windows" "$work/vehicle"
# The example vehicle names its cards in code page 932 bytes, as the native build reads
# them. A Japanese Windows shows those names as characters, and Wine keeps them on disk
# in UTF-8: the Windows run gets a copy named that way.
(cd "$examples/vehicle" && find . -type d) | while IFS= read -r dir; do
  mkdir -p "$work/vehicle/$(printf '%s' "$dir" | iconv -f CP932 -t UTF-8)"
done
(cd "$examples/vehicle" && find . -type f) | while IFS= read -r file; do
  cp "$examples/vehicle/$file" "$work/vehicle/$(printf '%s' "$file" | iconv -f CP932 -t UTF-8)"
done

failed=0
count=0
for scenario in "$examples"/scenarios/*.scn; do
  name=$(basename "$scenario" .scn)
  count=$((count + 1))
  set +e
  "$native/ruvahost" --module "$native/ruva.so" --quiet --out "$work/native" \
    --trace "$work/native/$name.csv" "$examples/vehicle" "$scenario"
  nativeStatus=$?
  "$@" "$host" --module "$module" --quiet --out "$work/windows" \
    --trace "$work/windows/$name.csv" "$work/vehicle" "$scenario"
  windowsStatus=$?
  set -e
  if [ "$nativeStatus" -ne "$windowsStatus" ]; then
    echo "$name: exit status $nativeStatus natively, $windowsStatus on Windows"
    failed=$((failed + 1))
  elif ! cmp -s "$work/native/$name.csv" "$work/windows/$name.csv"; then
    echo "$name: the traces differ:"
    diff "$work/native/$name.csv" "$work/windows/$name.csv" | head -20
    failed=$((failed + 1))
  fi
done
if ! diff -r "$work/native" "$work/windows" >/dev/null; then
  echo "the snapshots differ:"
  diff -rq "$work/native" "$work/windows" | head -20
  failed=$((failed + 1))
fi
if [ "$count" -eq 0 ]; then
  echo "no example scenarios in $examples/scenarios"
  exit 1
fi
echo "$count example scenarios replayed natively and on Windows; $failed differences"
[ "$failed" -eq 0 ]
