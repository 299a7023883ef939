#!/usr/bin/env bash
# Builds the fuzz harnesses with clang and runs each for a bounded time on a
# scratch copy of its seed corpus. Fails on the first finding.
#
#   bash fuzz/run.sh [seconds per harness, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
build=build/fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  mkdir -p "$scratch/$name/corpus" "$scratch/$name/findings"
  cp -r "$seeds". "$scratch/$name/corpus/"
  printf '\n---- %s, %s s ----\n' "$name" "$seconds"
  # Findings land in the scratch dir; the log's last lines are kept for CI.
  if ! "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$scratch/$name/findings/" \
      "$scratch/$name/corpus" >"$scratch/$name/log" 2>&1; then
    tail -n 60 "$scratch/$name/log"
    for finding in "$scratch/$name/findings"/*; do
      [[ -e $finding ]] || continue
      echo "finding $(basename "$finding"), as hex:"
      od -An -tx1 -v "$finding" | head -n 20
    done
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' \
    "$scratch/$name/log"
done
