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
# The targets run side by side, as many at a time as there are processors, each for its
# share of the budget: the fuzzing done is the same, in less time.
jobs=$(nproc 2>/dev/null || echo 1)
fuzz_one() {
  local name=$1 target=$2
  mkdir -p "$scratch/$name"
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  "$target" -max_total_time="$share" -print_final_stats=1 -artifact_prefix="$scratch/$name-" \
      "${dict[@]}" "$scratch/$name" "fuzz/corpus/$name" >"$scratch/$name.log" 2>&1
}
total=0
index=0
while [ "$index" -lt "${#targets[@]}" ]; do
  batch=()
  pids=()
  while [ "${#batch[@]}" -lt "$jobs" ] && [ "$index" -lt "${#targets[@]}" ]; do
    target=${targets[$index]}
    name=$(basename "$target" _fuzz)
    fuzz_one "$name" "$target" &
    pids+=($!)
    batch+=("$name")
    index=$(( index + 1 ))
  done
  failed=()
  for k in "${!batch[@]}"; do
    wait "${pids[$k]}" || failed+=("${batch[$k]}")
  done
  if [ "${#failed[@]}" -gt 0 ]; then
    for name in "${failed[@]}"; do tail -n 60 "$scratch/$name.log"; done
    # The input that failed outlives the scratch folder, to be replayed with
    # build/fuzz/fuzz/<target>_fuzz <file>.
    mkdir -p build/fuzz/artifacts
    for name in "${failed[@]}"; do
      cp "$scratch/$name-"* build/fuzz/artifacts/ 2>/dev/null || true
      echo "fuzz target $name failed; its input is in build/fuzz/artifacts/" >&2
    done
    exit 1
  fi
  for name in "${batch[@]}"; do
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log")
    total=$(( total + ${runs:-0} ))
    echo "fuzz $name: ${runs:-0} runs in ${share}s, clean"
  done
done
echo "fuzz: $total runs in all"
