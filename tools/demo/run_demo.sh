#!/usr/bin/env bash
# The demo: a private Wine prefix with the print queue "QZ Kestrel 410", whose port keeps every
# document in out/documents, and the printer service menu run through the toolbox host. Headless
# on Xvfb the autopilot answers as a user would (cleaning from the menu, then the self-test);
# with --interactive and a DISPLAY the user clicks. Screenshots, documents and a report of what
# was sent land in out/. Then the same cleaning and self-test go through the CUPS driver and a
# private cupsd (as root), and what reached its printer is reported next to the Wine documents.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
interactive=0
[ "${1:-}" = "--interactive" ] && interactive=1
if [ $interactive -eq 1 ] && [ -z "${DISPLAY:-}" ]; then
  echo "demo: --interactive needs a DISPLAY" >&2
  exit 2
fi

out=$root/out
bin=$root/build/win64/bin
queue="QZ Kestrel 410"
driver="QZ Kestrel 410 Printer"
dos() { echo "Z:$1" | tr / '\\'; }

echo "== building the library, the toolbox and the demo tools =="
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target QZW9SVB QZW9TRE qztoolbox qzaddqueue qzautopilot
cmake --preset native >/dev/null
cmake --build --preset native --target jobreport

rm -rf "$out/documents" "$out/screenshots" "$out/report.txt"
mkdir -p "$out/documents" "$out/screenshots"
export QZ_WINE_STATE=$out/wine
[ $interactive -eq 1 ] && export QZ_WINE_DISPLAY=$DISPLAY
wine=$root/build/win64/wine-run.sh
stop() { "$root/build/win64/wine-stop.sh"; }
trap stop EXIT

echo "== private Wine prefix in out/wine, print queue '$queue' =="
"$wine" "$bin/qzaddqueue.exe" "$queue" "$driver" "|$root/tools/winqueue/collect_document.sh $out/documents"
"$wine" "$bin/qztoolbox.exe" models

# Runs one service through the toolbox; headless, the autopilot answers its dialogs.
run() {
  local service=$1; shift
  echo "== $service on '$queue' =="
  if [ $interactive -eq 1 ]; then
    "$wine" "$bin/qztoolbox.exe" "$service" "$queue"
    return
  fi
  "$wine" "$bin/qztoolbox.exe" "$service" "$queue" &
  local toolbox=$!
  if ! "$wine" "$bin/qzautopilot.exe" "$(dos "$out/screenshots/$service")" "$@"; then
    kill $toolbox 2>/dev/null || true
    echo "demo: the dialogs of $service did not appear as expected" >&2
    exit 1
  fi
  wait $toolbox
}

mkdir -p "$out/screenshots/PrinterService" "$out/screenshots/PrintSelfTest"
run PrinterService "Skriverservice=4010" "Rens skrivehodene=1400" "Rens skrivehodene=2" "Skriverservice=1"
run PrintSelfTest "Selvtest for QZ Kestrel 410=1"

echo "== what reached the printer =="
documents=("$out"/documents/*.prn)
if [ ! -e "${documents[0]}" ]; then
  echo "demo: no document reached the queue" >&2
  exit 1
fi
"$root/build/native/bin/jobreport" "${documents[@]}" | sed "s|$out/||" | tee "$out/report.txt"

# The same two requests from Linux: the CUPS driver's PPD on a private cupsd, whose printer is
# a raw socket that keeps each connection.
cups_report() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "demo: the CUPS part needs root (a private cupsd runs its filters as user lp); skipped"
    return
  fi
  cmake --preset cups >/dev/null
  cmake --build --preset cups --target shipped_commandtoqz shipped_qzppd device_listener
  rm -rf "$out/cups"
  "$root/build/cups/bin/qzppd" "$root/build/cups/bin/commandtoqz" "$out/cups/ppd" >/dev/null
  export DEMO_PPD=$out/cups/ppd/kestrel-410.ppd DEMO_SUBMIT=$root/tests/cups/submit_command.sh
  bash "$root/tests/cups/with_cupsd.sh" "$out/cups/server" "$root/build/cups/bin/device_listener" bash -euo pipefail -c '
    lpadmin -p Kestrel -E -v "$QZ_DEVICE_URI" -P "$DEMO_PPD" 2>/dev/null
    bash "$DEMO_SUBMIT" Kestrel "Clean all"
    bash "$DEMO_SUBMIT" Kestrel PrintSelfTestPage'
  local received=("$out"/cups/server/device/connection-*.prn)
  "$root/build/native/bin/jobreport" "${received[@]}" | sed "s|$out/||" | tee -a "$out/report.txt"
  for i in 0 1; do
    if cmp -s "${received[$i]}" "${documents[$i]}"; then
      echo "CUPS ${received[$i]##*/} is byte for byte the Wine ${documents[$i]##*/}" | tee -a "$out/report.txt"
    else
      echo "demo: CUPS ${received[$i]##*/} differs from the Wine ${documents[$i]##*/}" | tee -a "$out/report.txt" >&2
      exit 1
    fi
  done
}
echo "== the same cleaning and self-test through CUPS (printf '#CUPS-COMMAND\\nClean all\\n' | lp -d Kestrel) =="
cups_report
echo
echo "demo: done. Screenshots in out/screenshots/, printer streams in out/documents/ and out/cups/, report in out/report.txt"
