#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each from its seed corpus for a bounded time.
# Usage: fuzz/run_fuzzers.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for target in text_to_float model; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp fuzz/corpus/"$target"/* "$corpus"/
  echo "--- ${target}_fuzzer for ${seconds}s"
  # A crash, a sanitizer report or a leak ends the run with a non-zero status and a reproducer.
  status=0
  build/fuzz/fuzz/"${target}"_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/" "$corpus" >"$work/$target.log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|runtime error|Test unit written' "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/$target.log"
    echo "${target}_fuzzer found a failure"
    exit 1
  fi
done
