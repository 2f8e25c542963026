#!/usr/bin/env bash
# The printer service menu started by Wine's own rundll32, a client we did not write: the
# autopilot starts the cleaning from the menu and closes it, and the cleaning job arrives.
# Without a queue or a display it skips (status 77) and says why.
set -u
wine=$1 bin=$2 spool=$3 collector=$4
queue=QZ_Rundll32
documents=$spool/rundll32-documents
rm -rf "$documents"
"$wine" "$bin/qzaddqueue.exe" "$queue" "QZ Kestrel 410 Printer" "|$collector $documents" >/dev/null ||
  { echo "SKIP: no Wine print queue could be made"; exit 77; }

dll="Z:$(echo "$bin/QZW9SVB.dll" | tr / '\\')"
"$wine" rundll32.exe "$dll,PrinterService" "$queue" &
menu=$!
shots=$(mktemp -d)
"$wine" "$bin/qzautopilot.exe" "Z:$(echo "$shots" | tr / '\\')" \
  "Skriverservice=4010" "Rens skrivehodene=1400" "Rens skrivehodene=2" "Skriverservice=1"
pilot=$?
wait $menu
rundll=$?
rm -rf "$shots"
[ $pilot -eq 3 ] && { echo "SKIP: the autopilot found no display"; kill $menu 2>/dev/null; exit 77; }
[ $pilot -eq 0 ] || { echo "FAIL: the menu's dialogs did not appear as expected"; kill $menu 2>/dev/null; exit 1; }
[ $rundll -eq 0 ] || { echo "FAIL: rundll32 exited with $rundll"; exit 1; }
count=$(ls "$documents" 2>/dev/null | wc -l)
size=$(stat -c %s "$documents"/document-0000.prn 2>/dev/null || echo 0)
[ "$count" -eq 1 ] && [ "$size" -eq 769 ] || { echo "FAIL: wanted one 769-byte cleaning document, got $count ($size bytes)"; exit 1; }
echo "rundll32 drove the printer service menu; the cleaning job arrived ($size bytes)"
