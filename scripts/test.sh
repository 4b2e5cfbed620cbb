#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzzing run.
#   FUZZ_SECONDS=60 (default) sets the fuzzing time; 0 skips it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)

echo "== Normal build"
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
# One test at a time: the serial-port tests lock ports by their COM name.
ctest --preset default

echo "== Debian package"
scripts/check-package.sh

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan

if [ -x tests/fuzz/run.sh ] && [ "${FUZZ_SECONDS:-60}" != 0 ]; then
  echo "== Fuzzing the project loader"
  tests/fuzz/run.sh "${FUZZ_SECONDS:-60}"
fi
