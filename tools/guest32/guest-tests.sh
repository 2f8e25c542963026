#!/bin/sh
# Job inside the i386 guest for one test run: a display, the image's Wine prefix (thrown away with
# the disk snapshot) with unmanaged windows, then each program of the plan, all its tests in one
# process (a failing program once more). Writes for the host, into the results folder $1:
# NAME.xml (GoogleTest's report), NAME.out (the program's output), one "NAME STATUS SECONDS TRIES"
# line per program in "summary", and "finished" at the very end.
set -u
results=$1
[ -f "$results/plan" ] || { echo "guest32: FAILED: no plan in $results"; exit 1; }

Xvfb :91 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X91 ] && break; sleep 0.1; done
[ -e /tmp/.X11-unix/X91 ] || { echo "guest32: FAILED: Xvfb did not start"; exit 1; }
# winedbg.exe disabled: in this guest the crash debugger hangs instead of printing its backtrace,
# so a crash outside a test body would cost the program's whole time limit. Without it the
# program ends at once; the host turns the fault address into a source line.
export DISPLAY=:91 WINEPREFIX=/opt/qz-wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winedbg.exe=d'
start=$(date +%s)
wineserver -p >/dev/null 2>&1 </dev/null
# Unmanaged X11 windows: without a window manager every dialog close would wait for one.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null ||
  { echo "guest32: FAILED: cannot set up the Wine prefix"; exit 1; }
echo "guest32: Wine $(wine --version) ready after $(($(date +%s) - start))s"

# One run of a program: its report and output under the given stem, its exit status returned.
run_program() { # STEM LIMIT EXE DIR [ARGS]
  stem=$1 limit=$2 exe=$3 dir=$4
  shift 4
  # shellcheck disable=SC2086,SC2068 # the arguments are split on purpose
  (cd "$dir" && exec timeout -k 10 "$limit" wine "$exe" --gtest_brief=1 \
    "--gtest_output=xml:Z:$stem.xml" $@) >"$stem.out" 2>&1 </dev/null
}

# Plan lines: NAME LIMIT_SECONDS EXE WORKING_DIR [PROGRAM ARGUMENTS]
# A program that fails gets a second try, as ./qz test gives a failing 64-bit test: a Wine
# start-up hiccup is not a fault of the library, a real fault fails both. The host names every
# program that passed only on its second try. The first try is kept as
# NAME.try1.*; a program killed at its limit gets no second try.
while read -r name limit exe dir args; do
  echo "guest32: running $name"
  begin=$(date +%s)
  tries=1
  # shellcheck disable=SC2086 # the arguments are split on purpose
  run_program "$results/$name" "$limit" "$exe" "$dir" $args
  status=$?
  if [ $status -ne 0 ] && [ $status -ne 124 ] && [ $status -ne 137 ]; then
    echo "guest32: $name ended with status $status, second try"
    mv "$results/$name.out" "$results/$name.try1.out"
    [ -f "$results/$name.xml" ] && mv "$results/$name.xml" "$results/$name.try1.xml"
    tries=2
    # shellcheck disable=SC2086
    run_program "$results/$name" "$limit" "$exe" "$dir" $args
    status=$?
  fi
  took=$(($(date +%s) - begin))
  echo "$name $status $took $tries" >> "$results/summary"
  # The share caches writes; a guest killed later still leaves the finished programs' results.
  sync
  echo "guest32: $name ended with status $status after ${took}s"
done < "$results/plan"
wineserver -k
sync
date +%s > "$results/finished"
