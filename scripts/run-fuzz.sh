#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a share of a time budget.
# Usage: scripts/run-fuzz.sh [total seconds, default 60]
#        scripts/run-fuzz.sh --build-only
# Fails on the first crash, leak or sanitizer report, keeping the failing input in
# build/fuzz/artifacts/; new inputs go to a scratch folder, never into the checked-in
# seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=false
if [ "${1:-}" = "--build-only" ]; then build_only=true; shift; fi
budget=${1:-60}

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
# Only the fuzz programs: the module and the tools are built and tested elsewhere.
names=()
for source in fuzz/*_fuzz.cpp; do names+=("$(basename "$source" .cpp)"); done
cmake --build --preset fuzz --target "${names[@]}"
if $build_only; then exit 0; fi

targets=()
for name in "${names[@]}"; do targets+=("build/fuzz/fuzz/$name"); done
share=$(( budget / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The targets' own scratch files and vehicle folders go there too: a fuzzer that ends by
# its time limit runs no destructors.
export TMPDIR="$scratch/tmp"
mkdir -p "$TMPDIR"
total=0
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$scratch/$name"
  log="$scratch/$name.log"
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  if ! "$target" -max_total_time="$share" -print_final_stats=1 -artifact_prefix="$scratch/$name-" \
      "${dict[@]}" "$scratch/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 60 "$log"
    # The input that failed outlives the scratch folder, to be replayed with
    # build/fuzz/fuzz/<target>_fuzz <file>.
    mkdir -p build/fuzz/artifacts
    cp "$scratch/$name-"* build/fuzz/artifacts/ 2>/dev/null || true
    echo "fuzz target $name failed; its input is in build/fuzz/artifacts/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  total=$(( total + ${runs:-0} ))
  echo "fuzz $name: ${runs:-0} runs in ${share}s, clean"
done
echo "fuzz: $total runs in all"
