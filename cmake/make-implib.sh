#!/usr/bin/env bash
# Makes the import library for MinGW hosts: the export list (plain names with the stdcall
# decorations a 32-bit host links against, and the class members' MSVC names) plus the class
# members' g++ names read from the built DLL.
set -euo pipefail
objdump=$1 dlltool=$2 def=$3 dll=$4 out=$5
full=${out%.a}.def
{
  cat "$def"
  "$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\t\[ *[0-9]*\] \(_Z.*\)$/  \1/p'
} > "$full"
mkdir -p "$(dirname "$out")"
"$dlltool" -d "$full" -D "$(basename "$dll")" -l "$out" -k
