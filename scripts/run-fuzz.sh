#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a share of a time budget.
# Usage: scripts/run-fuzz.sh [total seconds, default 60]
# Fails on the first crash, leak or sanitizer report; new inputs go to a scratch
# folder, never into the checked-in seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
budget=${1:-60}

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=(build/fuzz/fuzz/*_fuzz)
share=$(( budget / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
total=0
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$scratch/$name"
  log="$scratch/$name.log"
  if ! "$target" -max_total_time="$share" -print_final_stats=1 -artifact_prefix="$scratch/$name-" \
      "$scratch/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  total=$(( total + ${runs:-0} ))
  echo "fuzz $name: ${runs:-0} runs in ${share}s, clean"
done
echo "fuzz: $total runs in all"
