#!/usr/bin/env bash
# Makes QZW9SVB.lib, the import library for hosts built with Microsoft's tools: the export list
# by the names the DLL exports (an alias line gives its exported name), with the stdcall
# decorations a 32-bit host links against, and without the g++ names.
set -euo pipefail
dlltool=$1 machine=$2 def=$3 out=$4
list=${out%.lib}.def
sed -e 's/^\(\s*[^ ;=]\+\)\s*=\s*[^ ]\+/\1/' "$def" > "$list"
mkdir -p "$(dirname "$out")"
"$dlltool" -m "$machine" -d "$list" -D QZW9SVB.dll -l "$out" -k
