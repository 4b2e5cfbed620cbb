#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzzing run.
#   FUZZ_SECONDS=20 (default) sets each fuzz target's time; 0 skips fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
jobs=$(nproc)
# Most tests wait on pseudo-terminals, simulators and ser2net rather than
# compute: twice as many at once as there are cores keeps the cores busy.
test_jobs=$((jobs * 2))

echo "== Normal build"
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
# Every test process has its own port folder and per-user folders, so they
# share the machine; those that cannot say so in their CMakeLists.txt.
ctest --preset default -j"$test_jobs"

# The package is checked while the sanitizer build runs; its report follows.
package_log=$(mktemp)
trap 'rm -f "$package_log"' EXIT
scripts/check-package.sh >"$package_log" 2>&1 &
package=$!

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"

echo "== Debian package"
package_status=0
wait "$package" || package_status=$?
cat "$package_log"
[ "$package_status" -eq 0 ] || { echo "the package check failed" >&2; exit 1; }

echo "== AddressSanitizer + UndefinedBehaviorSanitizer tests"
ctest --preset asan -j"$test_jobs"

fuzz_seconds=${FUZZ_SECONDS:-20}
if [ -x tests/fuzz/run.sh ] && [ "$fuzz_seconds" != 0 ]; then
  echo "== Fuzzing every target for $fuzz_seconds s"
  tests/fuzz/run.sh "$fuzz_seconds"
fi
