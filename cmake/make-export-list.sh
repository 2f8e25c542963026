#!/usr/bin/env bash
# Makes the export list that ships with the DLL: every name it exports, by that name (an alias
# line gives its exported name only), from the full list behind the MinGW import library.
set -euo pipefail
full=$1 out=$2
mkdir -p "$(dirname "$out")"
{
  echo "; Every name QZW9SVB.dll exports. On 32-bit the stdcall names carry their @N decoration,"
  echo "; as 32-bit hosts import them; dlltool -k (or llvm-dlltool -k) makes an import library"
  echo "; that resolves them to the undecorated exports."
  sed -e '/^;/d' -e 's/^\(\s*[^ ;=]\+\)\s*=\s*[^ ]\+/\1/' "$full"
} > "$out"
