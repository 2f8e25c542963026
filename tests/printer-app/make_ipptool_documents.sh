#!/usr/bin/env bash
# Lays out CUPS's conformance tests with the documents they print, made here with Ghostscript
# (Debian does not package the PWG's sample files): the JPEG, PDF and PostScript documents, and
# the PWG raster samples this printer can take (600 dpi, srgb-8 and sgray-8). The other samples'
# names exist empty: ipptool wants every file it names, and skips those the printer does not
# support before sending them.
#
#   make_ipptool_documents.sh FOLDER
set -euo pipefail
folder=$1
suite=/usr/share/cups/ipptool
rm -rf "$folder"
mkdir -p "$folder"
cp "$suite"/*.test "$folder"/
cd "$folder"

gs_page() { gs -q -dNOPAUSE -dBATCH -dSAFER "$@" 2>>ghostscript.log; }
# A page with colour and grey areas and a line of text, in PostScript, at the size given in points.
page_ps() {
  cat <<PS
%!PS
<< /PageSize [$1 $2] >> setpagedevice
1 0 0 setrgbcolor 36 36 72 72 rectfill
0 0 1 setrgbcolor 120 36 72 72 rectfill
0.5 setgray 204 36 72 72 rectfill
0 setgray /Helvetica findfont 14 scalefont setfont 36 $(($2 - 60)) moveto (qz-printer-app conformance page) show
showpage
PS
}
page_ps 595 842 > document-a4.ps
page_ps 612 792 > document-letter.ps
page_ps 288 432 > photo-4x6.ps
for size in a4 letter; do gs_page -sDEVICE=pdfwrite -sOutputFile=document-$size.pdf document-$size.ps; done
gs_page -sDEVICE=jpeg -r72 -sOutputFile=color.jpg photo-4x6.ps
gs_page -sDEVICE=jpeggray -r72 -sOutputFile=gray.jpg photo-4x6.ps

# The raster samples: pwg-raster-samples-RESdpi/TYPE/NAME-TYPE-RESdpi.pwg.
source_of() {
  case $1 in
    color.jpg-4x6|gray.jpg-4x6) echo photo-4x6.ps ;;
    document-a4|onepage-a4) echo document-a4.ps ;;
    *) echo document-letter.ps ;;
  esac
}
grep -h '^[[:space:]]*FILE pwg-raster-samples' ./*.test | awk '{print $2}' | sort -u | while read -r sample; do
  mkdir -p "$(dirname "$sample")"
  if [[ $sample =~ 600dpi/(srgb|sgray)-8/(.*)-(srgb|sgray)-8-600dpi\.pwg$ ]]; then
    space=$([ "${BASH_REMATCH[1]}" = srgb ] && echo 19 || echo 18)
    gs_page -sDEVICE=pwgraster -r600 -dcupsColorSpace="$space" -dcupsBitsPerColor=8 -sOutputFile="$sample" \
      "$(source_of "${BASH_REMATCH[2]}")"
  else
    : > "$sample"
  fi
done
