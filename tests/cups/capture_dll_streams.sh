#!/usr/bin/env bash
# Keeps the streams the library sends under Wine (the end-to-end test KeptStreams) from the
# 64-bit build: the expected bytes of the CUPS tests.
#
#   capture_dll_streams.sh WIN64-BUILD-FOLDER
set -euo pipefail
build=$1
program=$build/bin/testmodels/service_e2e_tests.exe
if [ ! -x "$build/wine-run.sh" ] || [ ! -f "$program" ]; then
  echo "no 64-bit build with its end-to-end tests in $build: build the win64 preset first (./qz build win64)" >&2
  exit 1
fi
trap '"$build/wine-stop.sh"' EXIT
"$build/wine-run.sh" "$program" --gtest_filter='KeptStreams.*'
