#!/usr/bin/env bash
# Replays every example scenario twice, with the native host tool and module and with
# the Windows ones (under the given runner, Wine), and requires the same exit status and
# identical traces and snapshots. Both speak Japanese, so the snapshots also show that
# the Windows programs write the same UTF-8 bytes for the labels as the native ones.
# Usage: compare_example_traces.sh NATIVE_BUILD HOST_EXE MODULE_DLL EXAMPLES
#            WINDOWS_VEHICLE WORK RUNNER...
# WINDOWS_VEHICLE is the example vehicle as Windows names it (windows_vehicle.sh).
# Exits 77 (skipped) when the native build has no host tool to compare with.
set -euo pipefail
native=$1
host=$2
module=$3
examples=$4
vehicle=$5
work=$6
shift 6

if [ ! -x "$native/ruvahost" ] || [ ! -f "$native/ruva.so" ]; then
  echo "skipped: no native ruvahost and ruva.so in $native (build the default preset first)"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/native" "$work/windows"

failed=0
count=0
for scenario in "$examples"/scenarios/*.scn; do
  name=$(basename "$scenario" .scn)
  count=$((count + 1))
  set +e
  "$native/ruvahost" --lang ja --module "$native/ruva.so" --quiet --out "$work/native" \
    --trace "$work/native/$name.csv" "$examples/vehicle" "$scenario"
  nativeStatus=$?
  "$@" "$host" --lang ja --module "$module" --quiet --out "$work/windows" \
    --trace "$work/windows/$name.csv" "$vehicle" "$scenario"
  windowsStatus=$?
  set -e
  if [ "$nativeStatus" -ne "$windowsStatus" ]; then
    echo "$name: exit status $nativeStatus natively, $windowsStatus on Windows"
    failed=$((failed + 1))
  elif ! cmp -s "$work/native/$name.csv" "$work/windows/$name.csv"; then
    echo "$name: the traces differ:"
    diff "$work/native/$name.csv" "$work/windows/$name.csv" | head -20 || true
    failed=$((failed + 1))
  fi
done
if ! diff -r "$work/native" "$work/windows" >/dev/null; then
  echo "the snapshots differ:"
  diff -rq "$work/native" "$work/windows" | head -20 || true
  failed=$((failed + 1))
fi
if [ "$count" -eq 0 ]; then
  echo "no example scenarios in $examples/scenarios"
  exit 1
fi
echo "$count example scenarios replayed natively and on Windows; $failed differences"
[ "$failed" -eq 0 ]
