#!/usr/bin/env bash
# The demo: a private Wine prefix with the print queue "QZ Kestrel 410", whose port keeps every
# document in out/documents, and the printer service menu run through the toolbox host. Headless
# on Xvfb the autopilot answers as a user would (cleaning from the menu, then the self-test);
# with --interactive and a DISPLAY the user clicks. Screenshots, documents and a report of what
# was sent land in out/.
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
echo
echo "demo: done. Screenshots in out/screenshots/, printer streams in out/documents/, report in out/report.txt"
