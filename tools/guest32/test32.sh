#!/usr/bin/env bash
# Runs the shipped 32-bit build's test programs for real, in the cached i386 guest (image.sh)
# booted from a throw-away snapshot with this tree shared at its own path. Reports each program,
# then "N passed, N failed"; exits non-zero on any failure, a guest that cannot be built or
# booted, or a run that outlives its limit.
# Usage: test32.sh [--all] [--no-build] [PROGRAM...]   (default: the CI subset below)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build/win32
results=$build/guest32-results
cd "$root"

# The CI subset: the export table and calling conventions through hosts linked with the import
# libraries (the class hosts built in MSVC mode and with MinGW included), the support library,
# the capability queries, the job output, and every service end to end (all of
# service_e2e_tests: under half a minute in the guest, so no filter). About 70 s with the boot.
# Lines: NAME PATH-UNDER-bin [ARGUMENTS]
subset=(
  "export_tests export_tests.exe"
  "host_link_tests host_link_tests.exe"
  "msvc_class_host msvc_class_host.exe"
  "mingw_class_host mingw_class_host.exe"
  "support_tests support_tests.exe"
  "cis_string_list_tests cis_string_list_tests.exe"
  "encoder_tests encoder_tests.exe"
  "capability_export_tests capability_export_tests.exe"
  "toolbox_cap_tests toolbox_cap_tests.exe"
  "stored_job_tests stored_job_tests.exe"
  "entry_tests entry_tests.exe"
  "service_e2e_tests testmodels/service_e2e_tests.exe"
)
# Added by --all: the remaining test programs of the 32-bit build (about 140 s in all).
rest=(
  "service_export_tests service_export_tests.exe"
  "template_tests template_tests.exe"
  "ui_tests ui/ui_tests.exe"
)
program_limit=${QZ_GUEST32_PROGRAM_LIMIT:-600}

all=0 build_first=1 chosen=()
for a in "$@"; do
  case $a in
    --all) all=1 ;;
    --no-build) build_first=0 ;;
    -*) echo "usage: test32.sh [--all] [--no-build] [PROGRAM...]" >&2; exit 2 ;;
    *) chosen+=("$a") ;;
  esac
done
programs=("${subset[@]}")
[ $all -eq 1 ] && programs+=("${rest[@]}")
if [ ${#chosen[@]} -gt 0 ]; then
  picked=()
  for c in "${chosen[@]}"; do
    line=$(printf '%s\n' "${subset[@]}" "${rest[@]}" | awk -v n="$c" '$1 == n' | head -n1)
    [ -n "$line" ] || { echo "test32: no test program named $c" >&2; exit 2; }
    picked+=("$line")
  done
  programs=("${picked[@]}")
fi
# Whole guest runs take about 70 s (subset) and 140 s (--all); the limits leave room for a busy
# machine, and a guest that outlives them is killed and reported as a failure.
limit=${QZ_GUEST32_LIMIT:-1500}

# The guest gets paths on its kernel command line and in a plan split at spaces.
case $root in *[[:space:]]*) echo "test32: FAILED: the tree's path $root contains a space" >&2; exit 1 ;; esac

if [ $build_first -eq 1 ]; then
  echo "== build: win32 =="
  cmake --preset win32 >/dev/null && cmake --build --preset win32 || { echo "test32: FAILED: the win32 build failed"; exit 1; }
fi

echo "== i386 guest image =="
image=$("$here/image.sh") || { echo "test32: FAILED: no usable i386 guest image (see above)"; exit 1; }

mkdir -p "$build"
exec 7>"$build/guest32.lock"
flock 7
rm -rf "$results"
mkdir -p "$results"
missing=()
for p in "${programs[@]}"; do
  read -r name exe args <<<"$p"
  if [ ! -f "$build/bin/$exe" ]; then missing+=("$name"); continue; fi
  # Each program runs where ctest would run it: the build folder of its test sources.
  dir=$(find "$build/tests" -type d -name "$name.dir" -path '*/CMakeFiles/*' | head -n1)
  dir=${dir%/CMakeFiles/*}
  echo "$name $program_limit $build/bin/$exe ${dir:-$build/bin/$(dirname "$exe")} ${args:-}" >> "$results/plan"
done

echo "== 32-bit tests in the i386 guest (${#programs[@]} programs, limit ${limit}s) =="
start=$SECONDS
boot=0
"$here/boot.sh" --dir "$image" --log "$build/guest32.log" --limit "$limit" --snapshot \
  --share "$root" --arg "$results" "$here/guest-tests.sh" || boot=$?
took=$((SECONDS - start))

# Counts one program's test cases from its GoogleTest report: "PASSED FAILED SKIPPED".
count_cases() {
  awk '
    function done_case() { if (run) { if (failed) f++; else if (skipped) s++; else p++ } open_case = 0 }
    /<testcase / { open_case = 1; run = /status="run"/; skipped = /result="skipped"/; failed = 0
                   if (/\/>[[:space:]]*$/) done_case(); next }
    open_case && /<failure/ { failed = 1 }
    open_case && /<\/testcase>/ { done_case() }
    END { print p + 0, f + 0, s + 0 }' "$1"
}

# Counts the groups of a program that reports in TAP instead (the class hosts): "PASSED FAILED
# SKIPPED", or nothing when its output has no plan line, which it prints last.
count_tap() {
  tr -d '\r' <"$1" | awk '
    /^1\.\.[0-9]+$/ { plan = 1 }
    /^ok / { if (/# SKIP/) s++; else p++ }
    /^not ok / { f++ }
    END { if (plan) print p + 0, f + 0, s + 0 }'
}

# The tests that failed in one try of a program (STEM.xml, STEM.out), separated by ", ": SUITE.NAME
# from its GoogleTest report, or the names on TAP's "not ok N - name" lines when it has none.
failed_cases() {
  if [ -s "$1.xml" ]; then
    awk '
      /<testcase / { match($0, / name="[^"]*"/); name = substr($0, RSTART + 7, RLENGTH - 8)
                     match($0, /classname="[^"]*"/); suite = substr($0, RSTART + 11, RLENGTH - 12) }
      /<failure/ && !((suite "." name) in seen) { seen[suite "." name]; printf "%s%s.%s", sep, suite, name; sep = ", " }
    ' "$1.xml"
  elif [ -s "$1.out" ]; then
    tr -d '\r' <"$1.out" | awk '/^not ok / { sub(/^not ok [0-9]+( - )?/, ""); printf "%s%s", sep, $0; sep = ", " }'
  fi
}

# Wine names a crash's address; the build's debug information names the source line.
where_crashed() {
  local exe=$1 out=$2 addr f line
  for addr in $(grep -ao 'at address [0-9A-Fa-f]*' "$out" | awk '{print $3}' | sort -u | head -n 3); do
    for f in "$exe" "$(dirname "$exe")"/*.dll; do
      line=$(i686-w64-mingw32-addr2line -f -C -e "$f" "0x$addr" 2>/dev/null | paste -sd' ')
      case $line in *'??'*|'') ;; *) echo "    fault at 0x$addr: $line (in $(basename "$f"))"; break ;; esac
    done
  done
}

echo "== results (console log: build/win32/guest32.log) =="
total_pass=0 total_fail=0 total_skip=0
for name in "${missing[@]}"; do
  echo "FAIL $name: not built"
  total_fail=$((total_fail + 1))
done
passed_on_second_try=()
while read -r name _ exe _; do
  tries=1
  line=$(awk -v n="$name" '$1 == n' "$results/summary" 2>/dev/null | head -n1)
  xml=$results/$name.xml
  verdict= secs=
  if [ -z "$line" ] && [ -e "$results/$name.out" ]; then
    p=0 f=1 s=0 verdict="still running when the guest stopped"
  elif [ -z "$line" ]; then
    p=0 f=1 s=0 verdict="did not run: the guest stopped before it"
  else
    read -r _ status secs tries <<<"$line"
    tap=$(count_tap "$results/$name.out" 2>/dev/null || true)
    if [ -s "$xml" ]; then read -r p f s < <(count_cases "$xml")
    elif [ -n "$tap" ]; then read -r p f s <<<"$tap"
    else p=0 f=0 s=0; fi
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
      f=$((f + 1)) verdict="killed after ${secs}s (over its ${program_limit}s limit)"
    elif [ ! -s "$xml" ] && [ -z "$tap" ]; then
      f=$((f + 1)) verdict="no test report, status $status (crashed?)"
    elif [ $((p + f + s)) -eq 0 ]; then
      f=1 verdict="ran no test"
    elif [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then
      f=1 verdict="status $status although no test failed"
    fi
  fi
  word=PASS
  [ "$f" -gt 0 ] && word=FAIL
  if [ "${tries:-1}" -gt 1 ] && [ -z "$verdict" ]; then
    if [ "$f" -eq 0 ]; then
      first=$(failed_cases "$results/$name.try1")
      first=${first:-no test named}
      verdict="(${secs}s, passed on a second try; the first failed: $first, see guest32-results/$name.try1.out)"
      passed_on_second_try+=("$name ($first)")
    else
      verdict="(${secs}s, failed on both tries)"
    fi
  fi
  printf '%s %-24s ok %3d  failed %2d  skipped %2d  %s\n' "$word" "$name" "$p" "$f" "$s" \
    "${verdict:-(${secs}s)}"
  if [ "$f" -gt 0 ] && [ -s "$results/$name.out" ]; then
    tr -d '\r' <"$results/$name.out" | tail -n 40 | sed 's/^/    /'
    where_crashed "$exe" "$results/$name.out"
  fi
  total_pass=$((total_pass + p)) total_fail=$((total_fail + f)) total_skip=$((total_skip + s))
done < <([ -f "$results/plan" ] && cat "$results/plan")

if [ ! -f "$results/finished" ]; then
  total_fail=$((total_fail + 1))
  if [ $boot -eq 124 ]; then
    echo "FAIL the guest run was killed after ${limit}s"
  else
    echo "FAIL the guest run did not finish (qemu status $boot); last console lines:"
    tr -d '\r' <"$build/guest32.log" | tail -n 20 | sed 's/^/    /'
  fi
fi
echo "guest32: guest run took ${took}s"
[ ${#passed_on_second_try[@]} -gt 0 ] &&
  echo "guest32: RETRIED: ${passed_on_second_try[*]} failed once and passed on the second try (first tries: guest32-results/NAME.try1.out)"
skipped=
[ $total_skip -gt 0 ] && skipped=", $total_skip skipped"
echo "$total_pass passed, $total_fail failed$skipped"
[ $total_fail -eq 0 ]
