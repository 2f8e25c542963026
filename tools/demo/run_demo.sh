#!/usr/bin/env bash
# The demo: a private Wine prefix with the print queue "QZ Kestrel 410", whose port keeps every
# document in out/documents, and the printer service menu run through the toolbox host. Headless
# on Xvfb the autopilot answers as a user would (cleaning from the menu, then the self-test);
# with --interactive and a DISPLAY the user clicks. Screenshots, documents and a report of what
# was sent, in words (qzview), land in out/, with the library's own test page (job 144, taken from
# the built DLL's resources) drawn as out/job144-page1.png. Then the same cleaning and self-test go
# through the CUPS driver and a private cupsd (as root), what reached its printer is reported next
# to the Wine documents, and a page the demo makes is printed on the same queue and drawn next to
# its source.
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
cmake --build --preset native --target qzview
view=$root/build/native/bin/qzview

rm -rf "$out/documents" "$out/screenshots" "$out/report.txt" "$out"/job144*
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
"$view" "${documents[@]}" | sed "s|$out/||" | tee "$out/report.txt"

echo "== the library's test page (job 144), from the DLL's own resources =="
wrestool -x --raw --type=2830 --name=144 "$bin/QZW9SVB.dll" > "$out/job144.prn"
"$view" "$out/job144.prn" --png "$out" | sed "s|$out/||" | tee -a "$out/report.txt"

# The same two requests from Linux: the CUPS driver's PPD on a private cupsd, whose printer is
# a raw socket that keeps each connection.
cups_report() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "demo: the CUPS part needs root (a private cupsd runs its filters as user lp); skipped"
    return
  fi
  cmake --preset cups >/dev/null
  cmake --build --preset cups --target shipped_commandtoqz shipped_qzppd rastertoqz device_listener
  rm -rf "$out/cups" "$out"/demo-page-*
  local bin=$root/build/cups/bin
  "$bin/qzppd" "$bin/commandtoqz" "$out/cups/ppd" "$bin/rastertoqz" >/dev/null
  gs -q -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile="$out/cups/demo-page.pdf" "$root/tools/demo/demo_page.ps"
  export DEMO_PPD=$out/cups/ppd/kestrel-410.ppd DEMO_SUBMIT=$root/tests/cups/submit_command.sh DEMO_PDF=$out/cups/demo-page.pdf
  bash "$root/tests/cups/with_cupsd.sh" "$out/cups/server" "$bin/device_listener" bash -euo pipefail -c '
    lpadmin -p Kestrel -E -v "$QZ_DEVICE_URI" -P "$DEMO_PPD" 2>/dev/null
    bash "$DEMO_SUBMIT" Kestrel "Clean all"
    bash "$DEMO_SUBMIT" Kestrel PrintSelfTestPage
    lp -d Kestrel "$DEMO_PDF" >/dev/null
    for _ in $(seq 1200); do [ -z "$(lpstat -o Kestrel)" ] && break; sleep 0.05; done'
  local received=("$out"/cups/server/device/connection-*.prn)
  "$view" "${received[@]:0:2}" | sed "s|$out/||" | tee -a "$out/report.txt"
  echo "== a page printed on the same queue: lp -d Kestrel demo-page.pdf ==" | tee -a "$out/report.txt"
  "$view" "${received[2]}" --png "$out/cups" | sed "s|$out/||" | tee -a "$out/report.txt"
  mv "$out/cups/connection-0002-page1.png" "$out/demo-page-printed.png"
  gs -q -dNOPAUSE -dBATCH -sDEVICE=png16m -r300 -sOutputFile="$out/demo-page-source.png" "$out/cups/demo-page.pdf"
  echo "the page as drawn: out/demo-page-source.png; as the printer prints it: out/demo-page-printed.png" | tee -a "$out/report.txt"
  for i in 0 1; do
    if cmp -s "${received[$i]}" "${documents[$i]}"; then
      echo "CUPS ${received[$i]##*/} is byte for byte the Wine ${documents[$i]##*/}" | tee -a "$out/report.txt"
    else
      echo "demo: CUPS ${received[$i]##*/} differs from the Wine ${documents[$i]##*/}" | tee -a "$out/report.txt" >&2
      exit 1
    fi
  done
}
echo "== the same cleaning and self-test through CUPS (printf '#CUPS-COMMAND\\nClean all\\n' | lp -d Kestrel), then a page =="
cups_report
echo
echo "demo: done. Screenshots in out/screenshots/, printer streams in out/documents/ and out/cups/, the test page as out/job144-page1.png, the printed page as out/demo-page-printed.png beside out/demo-page-source.png, report in out/report.txt"
