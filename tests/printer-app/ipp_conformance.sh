#!/usr/bin/env bash
# CUPS's IPP conformance tests (ipp-2.0.test, ipp-everywhere.test) against a printer of the
# application started by with_printer_app.sh. Every failure must be one the list of known
# failures names with its reason; a failure it does not name fails the test, and so does a
# listed failure that no longer happens (the list must stay true), unless the list marks it with
# a leading "~" as one that happens only when the printer is still busy with an earlier job.
#
#   with_printer_app.sh ... ipp_conformance.sh KNOWN-FAILURES
set -euo pipefail
known=$1 work=$QZ_WORK/ipptool
here=$(cd "$(dirname "$0")" && pwd)
"$here/make_ipptool_documents.sh" "$work"
server=${QZ_APP_URL/http:/ipp:}
$QZ_APP_CLI add -u "$server/ipp/system" -d Conformance -m kestrel-410 -v "$QZ_DEVICE_URI"
uri=$server/ipp/print/Conformance
sleep 2 # printer-up-time counts whole seconds since the start, and must be above 0

failures=$work/failures.txt
: > "$failures"
for suite in ipp-2.0.test ipp-everywhere.test; do
  (cd "$work" && timeout 240 ipptool -tI -f color.jpg "$uri" "$suite" > "$work/$suite.log" 2>&1) || true
  sed -n 's/^ *\(.*[^ ]\) *\[FAIL\]$/\1/p' "$work/$suite.log" | sed "s/^/$suite: /" >> "$failures"
  grep -q '\[PASS\]' "$work/$suite.log" || { echo "$suite did not run:"; cat "$work/$suite.log"; exit 1; }
done

listed=$work/listed.txt required=$work/required.txt
{ grep -v -e '^#' -e '^$' "$known" || true; } | cut -f1 > "$listed"
grep -v '^~' "$listed" | sort -u > "$required" || true
sed 's/^~//' "$listed" | sort -u -o "$listed"
sort -u "$failures" -o "$failures"
unexpected=$(comm -23 "$failures" "$listed")
fixed=$(comm -13 "$failures" "$required")
echo "failures: $(wc -l < "$failures"), all listed with their reasons in $known"
if [ -n "$unexpected" ]; then
  echo "failures nobody has explained (see $work/*.log):"
  echo "$unexpected"
fi
if [ -n "$fixed" ]; then
  echo "listed failures that now pass; take them off the list:"
  echo "$fixed"
fi
[ -z "$unexpected" ] && [ -z "$fixed" ]
