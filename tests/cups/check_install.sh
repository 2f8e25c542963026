#!/usr/bin/env bash
# The installed driver as a Linux user meets it: cmake --install into a staging root, the PPDs
# checked by cupstestppd against that root, then a private cupsd whose program and data folders
# are the system's with the installed files added, where the README's commands must clean the
# printer and print its self-test page with the library's streams, and print a PDF.
#
#   check_install.sh BUILD WORK LISTENER KEPT-STREAMS
set -euo pipefail
build=$1 work=$2 listener=$3 kept=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the installed files must be root-owned for CUPS to run them; run the CUPS tests as root" >&2
  exit 77
fi
serverbin=$(cups-config --serverbin) datadir=$(cups-config --datadir)
rm -rf "$work"
mkdir -p "$work"
DESTDIR=$work/stage cmake --install "$build" --component cups-driver >/dev/null
shopt -s nullglob
ppds=("$work/stage$datadir"/model/qzw9svb/*.ppd)
[ ${#ppds[@]} -gt 0 ] || { echo "no PPD installed under $datadir/model/qzw9svb" >&2; exit 1; }
cupstestppd -R "$work/stage" "${ppds[@]}"

# The system's folders with the installed filter and PPDs in them (in place of any the system
# already has under the same names).
link_missing() { # FROM TO: links each entry of FROM that TO does not have yet
  for entry in "$1"/*; do [ -e "$2/${entry##*/}" ] || ln -s "$entry" "$2/"; done
}
mkdir -p "$work/serverbin/filter" "$work/datadir/model"
link_missing "$work/stage$serverbin/filter" "$work/serverbin/filter"
link_missing "$serverbin/filter" "$work/serverbin/filter"
link_missing "$serverbin" "$work/serverbin"
link_missing "$work/stage$datadir/model" "$work/datadir/model"
link_missing "$datadir/model" "$work/datadir/model"
link_missing "$datadir" "$work/datadir"
chmod -R go-w "$work"

printf '%%!PS\n/Helvetica findfont 24 scalefont setfont 72 700 moveto (Printed from Linux) show showpage\n' > "$work/page.ps"
gs -q -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -sOutputFile="$work/page.pdf" "$work/page.ps"

export QZ_CUPS_SERVER_BIN=$work/serverbin QZ_CUPS_DATA_DIR=$work/datadir KEPT=$kept HERE=$here PDF=$work/page.pdf
bash "$here/with_cupsd.sh" "$work/cupsd" "$listener" bash -euo pipefail -c '
  lpadmin -p Kestrel -E -v "$QZ_DEVICE_URI" -m qzw9svb/kestrel-410.ppd 2>/dev/null
  n=0
  for request in "Clean all:kestrel-clean" "PrintSelfTestPage:kestrel-self-test"; do
    bash "$HERE/submit_command.sh" Kestrel "${request%%:*}"
    received=$QZ_DEVICE_DIR/connection-$(printf %04d $n).prn
    cmp "$received" "$KEPT/${request#*:}.prn"
    echo "${request%%:*}: the device received the library'"'"'s ${request#*:} stream ($(stat -c %s "$received") bytes)"
    n=$((n + 1))
  done
  lp -d Kestrel "$PDF" >/dev/null
  for _ in $(seq 600); do [ -z "$(lpstat -o Kestrel)" ] && break; sleep 0.05; done
  received=$QZ_DEVICE_DIR/connection-$(printf %04d $n).prn
  # The document job: the lead-in, a raster page in the printer'"'"'s language, the end of the job.
  [ "$(head -c 600 "$received" | tr -d "\\000" | wc -c)" -eq 0 ] && grep -aq $'"'"'\x1b\*r1A'"'"' "$received" &&
    [ "$(tail -c 9 "$received")" = "@PJL EOJ" ] || { echo "the PDF did not print as a raster job" >&2; exit 1; }
  echo "lp page.pdf: the device received a raster job ($(stat -c %s "$received") bytes)"'
