#!/usr/bin/env bash
# The toolbox host under Wine: model listing, a service on a real queue, and its clear refusals.
set -u
wine=$1 bin=$2 spool=$3
fail=0
expect() { # expect LABEL WANTED-EXIT COMMAND... ; output kept in $out
  local label=$1 wanted=$2; shift 2
  out=$("$@" 2>&1); local got=$?
  if [ "$got" -ne "$wanted" ]; then echo "FAIL $label: exit $got, wanted $wanted"; echo "$out"; fail=1; fi
}
contains() { grep -qF -- "$2" <<<"$out" || { echo "FAIL $1: no '$2' in output"; echo "$out"; fail=1; }; }

mkdir -p "$spool"
rm -f "$spool/QZ_Demo.prn"
expect "add demo queue" 0 "$wine" "$bin/qzaddqueue.exe" "QZ Demo" "QZ Kestrel 410 Printer" "$spool/QZ_Demo.prn"

expect "models" 0 "$wine" "$bin/qztoolbox.exe" models
contains "models" "QZ Kestrel 410 Printer"
contains "models" "model name: Kestrel 410"
contains "models" "record 23: 80 bytes"
contains "models" "MIB type: 1024"

expect "queues" 0 "$wine" "$bin/qztoolbox.exe" queues
contains "queues" "QZ Demo"

expect "ink gauge" 0 "$wine" "$bin/qztoolbox.exe" PrintInkGauge "QZ Demo"
contains "ink gauge" "PrintInkGauge: 1"
[ -e "$spool/QZ_Demo.prn" ] && { echo "FAIL ink gauge: something was spooled"; fail=1; }

expect "unknown service" 2 "$wine" "$bin/qztoolbox.exe" NoSuchService "QZ Demo"
contains "unknown service" "unknown service 'NoSuchService'"
expect "missing queue" 4 "$wine" "$bin/qztoolbox.exe" PrintInkGauge "QZ No Such Queue"
contains "missing queue" "no print queue named 'QZ No Such Queue'"

lonely=$(mktemp -d)
cp "$bin/qztoolbox.exe" "$lonely/"
(cd "$lonely" && expect "missing library" 3 "$wine" ./qztoolbox.exe models && contains "missing library" "cannot load QZW9SVB.dll"; exit $fail) || fail=1
rm -rf "$lonely"

[ $fail -eq 0 ] && echo "toolbox checks passed"
exit $fail
