#!/usr/bin/env bash
# Runs each fuzz target for the given seconds, then merges inputs that add coverage into the
# saved corpus that the test run replays. Exits non-zero when a target found a fault.
set -uo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || exit 1
failed=()
for name in strings memmodel cisstringlist stream_reader; do
  saved=tests/fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  mkdir -p "$saved" "$work" build/fuzz/findings
  echo "== fuzz_$name for ${seconds}s =="
  build/fuzz/bin/fuzz_$name -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/$name- "$work" "$saved" >build/fuzz/$name.log 2>&1
  status=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' build/fuzz/$name.log
  [ $status -eq 0 ] || failed+=("$name")
  build/fuzz/bin/fuzz_$name -merge=1 "$saved" "$work" >/dev/null 2>&1
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (see build/fuzz/findings/)"
  exit 1
fi
echo "fuzz: no findings"
