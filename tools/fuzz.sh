#!/usr/bin/env bash
# Runs each fuzz target for the given seconds, then merges inputs that add coverage into the
# saved corpus that the test run replays.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for name in strings memmodel cisstringlist; do
  saved=tests/fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  mkdir -p "$saved" "$work"
  echo "== fuzz_$name for ${seconds}s =="
  build/fuzz/bin/fuzz_$name -max_total_time="$seconds" -print_final_stats=1 "$work" "$saved" 2>&1 |
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)' || true
  build/fuzz/bin/fuzz_$name -merge=1 "$saved" "$work" >/dev/null 2>&1
done
