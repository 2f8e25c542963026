#!/usr/bin/env bash
# The release as a host's developer gets it: pack the build's zip, check its checksum, unpack
# it, check the layout and that the DLLs are stripped with their debug links, build the consumer
# project against it with the same tool-chain, and (given a wine-run wrapper) run the host.
# Usage: check_consumer.sh CMAKE CPACK BUILD-DIR TOOLCHAIN-FILE OBJDUMP WORK-DIR [WINE-RUN]
set -euo pipefail
cmake=$1 cpack=$2 build=$3 toolchain=$4 objdump=$5 work=$6 wine_run=${7:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$work"
mkdir -p "$work/zip" "$work/unpacked"
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/zip" >/dev/null
zips=("$work"/zip/QZW9SVB-*-win*.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one zip, found: ${zips[*]}"
zip=${zips[0]}
(cd "$work/zip" && sha256sum -c "$(basename "$zip").sha256") || fail "checksum of $(basename "$zip")"
(cd "$work/unpacked" && "$cmake" -E tar xf "$zip")
package=$work/unpacked/$(basename "$zip" .zip)

for f in bin/QZW9SVB.dll bin/QZW9SVB.dll.debug bin/QZW9TRE.dll bin/QZW9TRE.dll.debug \
         lib/libQZW9SVB.dll.a lib/QZW9SVB.lib lib/QZW9SVB.def include/qzw9svb.h \
         include/qzw9svb/services.h lib/cmake/QZW9SVB/QZW9SVBConfig.cmake \
         lib/cmake/QZW9SVB/QZW9SVBConfigVersion.cmake README.md CHANGELOG.md; do
  [ -f "$package/$f" ] || fail "the zip lacks $f"
done
for dll in QZW9SVB QZW9TRE; do
  sections=$("$objdump" -h "$package/bin/$dll.dll")
  grep -q '\.debug_' <<<"$sections" && fail "$dll.dll still carries debug sections"
  grep -q '\.gnu_debuglink' <<<"$sections" || fail "$dll.dll has no debug link"
  "$objdump" -s -j .gnu_debuglink "$package/bin/$dll.dll" | grep -q "$dll\.dll\.debu" ||
    fail "the debug link of $dll.dll does not name $dll.dll.debug"
done
grep -q '\.debug_info' <<<"$("$objdump" -h "$package/bin/QZW9SVB.dll.debug")" ||
  fail "QZW9SVB.dll.debug holds no debug information"

"$cmake" -S "$here/project" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_PREFIX_PATH="$package" -DCMAKE_BUILD_TYPE=Release >/dev/null
"$cmake" --build "$work/build"
[ -n "$wine_run" ] || { echo "consumer built against $(basename "$zip")"; exit 0; }
"$wine_run" "$work/build/consumer_host.exe"
