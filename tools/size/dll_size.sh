#!/usr/bin/env bash
# What the shipped DLL costs: strips a copy, prints the bytes of each section, the stripped total
# against the bytes of the resources it carries, and the largest symbols of the unstripped DLL.
# With --check it fails when stripped/resources exceeds the limit below (so the report of
# ./qz size and the test are one measurement) or when unused runtime pieces are linked in.
# Usage: dll_size.sh [--check] OBJDUMP STRIP NM DLL [SYMBOLS]
#
# The resources are counted as the .rsrc section's own size (its virtual size, without file
# padding): the resource data together with the directory that the loader walks to find it.
# That is what carrying them costs in the file whatever the code around them weighs.
set -euo pipefail
# The shipped 32-bit DLL, stripped, may weigh at most this many times its resources.
max_ratio=1.3
check=0
[ "${1:-}" = --check ] && { check=1; shift; }
objdump=$1 strip=$2 nm=$3 dll=$4 symbols=${5:-25}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stripped=$work/$(basename "$dll")
"$strip" -o "$stripped" "$dll"
total=$(stat -c %s "$stripped")

# objdump -h: "Idx Name Size VMA LMA File-off Algn", then a line of flags.
sections=$("$objdump" -h "$stripped" | awk '
  $1 ~ /^[0-9]+$/ { name = $2; size = $3; next }
  name != "" { print name, size, ($0 ~ /CONTENTS/ ? "file" : "memory"); name = "" }' |
  while read -r name hex where; do echo "$name $((16#$hex)) $where"; done)
resources=$(awk '$1 == ".rsrc" { print $2 }' <<<"$sections")
[ -n "$resources" ] && [ "$resources" -gt 0 ] || { echo "FAIL: $dll carries no .rsrc section"; exit 1; }

echo "$(basename "$dll"): sections of the stripped copy"
awk -v total="$total" '
  function kind(n) {
    if (n == ".text") return "code"
    if (n ~ /^\.(eh_frame|pdata|xdata)$/) return "unwind data"
    if (n == ".rdata") return "constants"
    if (n == ".data") return "initialised data"
    if (n == ".bss") return "zeroed data (not in the file)"
    if (n == ".rsrc") return "resources"
    if (n == ".edata") return "export table"
    if (n == ".idata") return "import table"
    if (n == ".reloc") return "base relocations"
    if (n == ".tls") return "thread-local template"
    if (n == ".CRT") return "runtime start-up tables"
    return ""
  }
  { printf "  %-12s %9d  %s\n", $1, $2, kind($1); if ($3 == "file") inFile += $2 }
  END { printf "  %-12s %9d  %s\n", "(rest)", total - inFile, "headers and file alignment" }' <<<"$sections"
ratio=$(awk -v t="$total" -v r="$resources" 'BEGIN { printf "%.3f", t / r }')
printf '  %-12s %9d\n' "stripped" "$total"
printf '  %-12s %9d  (.rsrc section)\n' "resources" "$resources"
echo "  ratio stripped/resources: $ratio (the shipped 32-bit DLL: at most $max_ratio)"

# Debugging records are left out. nm sizes a PE symbol by the distance to the next one, so a line
# named after a section (".text") is code or data without a symbol of its own: static functions
# of the runtime archives, mostly. The symbol that follows it tells where it comes from.
echo "largest symbols of the unstripped DLL (bytes, nm type, name):"
"$nm" --size-sort --reverse-sort -S -C "$dll" | awk -v n="$symbols" '
  function value(hex,   i, v) { v = 0; for (i = 1; i <= length(hex); i++) v = v * 16 + index("0123456789abcdef", substr(hex, i, 1)) - 1; return v }
  $3 == "N" || $4 == ".rsrc" { next }
  { at[NR] = value($1); size[NR] = value($2); type[NR] = $3; $1 = $2 = $3 = ""; name[NR] = substr($0, 4) }
  END {
    for (i = 1; i <= NR && n > 0; i++) {
      if (!(i in at)) continue
      label = name[i]
      if (label ~ /^\./) {
        next_name = "no named symbol"
        for (j = 1; j <= NR; j++)
          if ((j in at) && at[j] == at[i] + size[i] && name[j] !~ /^\./) { next_name = name[j]; break }
        label = label " without symbols, just before " next_name
      }
      printf "  %7d %s %s\n", size[i], type[i], label; n--
    }
  }'

[ $check -eq 1 ] || exit 0
fail=0
if awk -v t="$total" -v r="$resources" -v m="$max_ratio" 'BEGIN { exit !(t > m * r) }'; then
  echo "FAIL: stripped $(basename "$dll") is $ratio times its resources, more than $max_ratio"
  fail=1
fi
# Runtime pieces that come in only with exceptions, thread_local or formatted output of the C++
# runtime; the thread library alone would fit the budget, so each is looked for by name.
unwanted='__gxx_personality_v0|__cxa_demangle|__emutls_get_address|pthread_once|__mingw_pformat'
pulled=$("$nm" -C "$dll" | awk 'NF == 3 && $2 ~ /^[TtDdBbRr]$/ { print $3 }' | { grep -xE "$unwanted" || true; } | sort -u | tr '\n' ' ')
if [ -n "$pulled" ]; then
  echo "FAIL: $(basename "$dll") links runtime pieces the library does not use: $pulled"
  fail=1
fi
exit $fail
