#!/usr/bin/env bash
# Checks a built QZW9SVB.dll without running it: PE machine, only system DLLs imported, every
# name of the export list present undecorated, and each alias on the same entry point as its twin.
set -u
objdump=$1 dll=$2 machine=$3 def=$4
fail=0
bad() { echo "FAIL: $*"; fail=1; }

"$objdump" -f "$dll" | grep -q "file format $machine" || bad "machine is not $machine"

allowed='^(kernel32|user32|gdi32|shell32|advapi32|msvcrt|comdlg32|ole32)\.dll$|^winspool\.drv$'
while read -r name; do
  lower=$(echo "$name" | tr 'A-Z' 'a-z')
  [[ $lower =~ $allowed ]] || bad "imports $name"
done < <("$objdump" -p "$dll" | sed -n 's/^\tDLL Name: //p')

table=$("$objdump" -p "$dll")
exports=$(echo "$table" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\t\[ *[0-9]*\] //p')
# Export address table: "[ordinal] +base[ n] rva Export RVA" lines give each ordinal's address.
declare -A rva_of_ordinal
while read -r ord rva; do rva_of_ordinal[$ord]=$rva; done < <(echo "$table" |
  sed -n '/^Export Address Table/,/^$/p' | sed -n 's/^\t\[ *\([0-9]*\)\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA.*/\1 \2/p')
declare -A ordinal_of
while read -r ord name; do ordinal_of[$name]=$ord; done < <(echo "$table" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\t\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p')

count=0
while read -r name rest; do
  [ -z "$name" ] && continue
  plain=${name%@*}
  count=$((count + 1))
  grep -qx "$plain" <<<"$exports" || { bad "export $plain missing"; continue; }
  if [[ $rest =~ ^=\ *([A-Za-z0-9_]+) ]]; then
    twin=${BASH_REMATCH[1]}
    a=${rva_of_ordinal[${ordinal_of[$plain]}]:-x} b=${rva_of_ordinal[${ordinal_of[$twin]:-}]:-y}
    [ "$a" = "$b" ] || bad "$plain is not the entry point of $twin ($a vs $b)"
  fi
done < <(sed -n '/^EXPORTS/,$p' "$def" | sed '1d;/^\s*;/d')

echo "checked $count exports of $(basename "$dll") ($machine)"
exit $fail
