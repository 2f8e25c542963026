#!/usr/bin/env bash
# Checks a built QZW9SVB.dll without running it: PE machine, only system DLLs imported, every
# name of the export list present (plain names undecorated, MSVC names of class members, which
# start with "?", as they are), and each alias on the same entry point as its twin where the twin
# is exported too (a constructor's MSVC name is a thunk of its own). With the member list the
# generator wrote ("MSVC-NAME G++-NAME KIND"), also every class member that g++ exports must
# have its MSVC name.
set -u
objdump=$1 dll=$2 machine=$3 def=$4 members=${5:-}
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
  plain=$name
  [[ $name == \?* ]] || plain=${name%@*}
  count=$((count + 1))
  [ -n "${ordinal_of[$plain]:-}" ] || { bad "export $plain missing"; continue; }
  if [[ $rest =~ ^=\ *([^ ]+) ]] && [ -n "${ordinal_of[${BASH_REMATCH[1]}]:-}" ]; then
    twin=${BASH_REMATCH[1]}
    a=${rva_of_ordinal[${ordinal_of[$plain]}]:-x} b=${rva_of_ordinal[${ordinal_of[$twin]}]:-y}
    [ "$a" = "$b" ] || bad "$plain is not the entry point of $twin ($a vs $b)"
  fi
done < <(sed -n '/^EXPORTS/,$p' "$def" | sed '1d;/^\s*;/d')

if [ -n "$members" ]; then
  # A constructor's or destructor's other g++ variants (C2, D0, D2) count as its C1 or D1.
  declare -A named
  while read -r msvc gnu _; do named[$gnu]=$msvc; done <"$members"
  while read -r gnu; do
    folded=$(sed -E 's/^(_ZN.*[0-9][A-Za-z_]+)C2E/\1C1E/; s/^(_ZN.*[0-9][A-Za-z_]+)D[02]E/\1D1E/' <<<"$gnu")
    [ -n "${named[$folded]:-}" ] || bad "class member $gnu has no MSVC name"
  done < <(grep -E '^_ZN' <<<"$exports")
  echo "checked the MSVC names of ${#named[@]} class members"
fi

echo "checked $count exports of $(basename "$dll") ($machine)"
exit $fail
