#!/bin/sh
# Job inside the i386 guest for one test run: a display, the image's Wine prefix (thrown away with
# the disk snapshot) with unmanaged windows, then each program of the plan once, all its tests in
# one process. Writes for the host, into the results folder $1: NAME.xml (GoogleTest's report),
# NAME.out (the program's output), one "NAME STATUS SECONDS" line per program in "summary", and
# "finished" at the very end.
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

# Plan lines: NAME LIMIT_SECONDS EXE WORKING_DIR [PROGRAM ARGUMENTS]
while read -r name limit exe dir args; do
  echo "guest32: running $name"
  begin=$(date +%s)
  # shellcheck disable=SC2086 # the arguments are split on purpose
  (cd "$dir" && exec timeout -k 10 "$limit" wine "$exe" --gtest_brief=1 \
    "--gtest_output=xml:Z:$results/$name.xml" $args) >"$results/$name.out" 2>&1 </dev/null
  status=$?
  took=$(($(date +%s) - begin))
  echo "$name $status $took" >> "$results/summary"
  # The share caches writes; a guest killed later still leaves the finished programs' results.
  sync
  echo "guest32: $name ended with status $status after ${took}s"
done < "$results/plan"
wineserver -k
sync
date +%s > "$results/finished"
