#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzzing run.
#   FUZZ_SECONDS=20 (default) sets each fuzz target's time; 0 skips fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
jobs=$(nproc)

echo "== Normal build"
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
# Every test process has its own port folder and per-user folders, so they
# share the machine; those that cannot say so in their CMakeLists.txt.
ctest --preset default -j"$jobs"

echo "== Debian package"
scripts/check-package.sh

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

fuzz_seconds=${FUZZ_SECONDS:-20}
if [ -x tests/fuzz/run.sh ] && [ "$fuzz_seconds" != 0 ]; then
  echo "== Fuzzing every target for $fuzz_seconds s"
  tests/fuzz/run.sh "$fuzz_seconds"
fi
