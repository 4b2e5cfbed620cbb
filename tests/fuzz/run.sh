#!/bin/sh
# Builds the project-loading fuzzer with clang's libFuzzer straight from the
# model's sources and runs it for SECONDS (default 60). Exits non-zero on any
# finding; the input that caused it is left in build/fuzz/.
#   tests/fuzz/run.sh [SECONDS]
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz"
mkdir -p "$out/generated" "$out/corpus"

# The same header the CMake configure step generates.
version=$(sed -n 's/^set(ORVANTIS_VERSION_TEXT "\(.*\)")$/\1/p' "$root/CMakeLists.txt")
package=$(sed -n 's/^project(Orvantis VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
sed -e "s|@ORVANTIS_VERSION_TEXT@|$version|" -e "s|@PROJECT_VERSION@|$package|" \
    "$root/cmake/ProgramVersion.h.in" > "$out/generated/ProgramVersion.h"

${CXX_FUZZ:-clang++} -std=c++20 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/profile" -I"$out/generated" \
    "$root/tests/fuzz/LoadFuzzer.cpp" "$root"/profile/*.cpp -o "$out/LoadFuzzer"

# New inputs go to build/fuzz/corpus; the seeds in the tree stay as they are:
# the malformed files here and the whole projects the model tests compare against.
status=0
"$out/LoadFuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" "$root/tests/fuzz/corpus" "$root/tests/profile/golden" > "$out/fuzz.log" 2>&1 || status=$?
tail -n 25 "$out/fuzz.log"
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz.log")
echo "executions: ${runs:-unknown} in $seconds s"
if [ "$status" -ne 0 ]; then
    echo "fuzzing found a problem (exit $status); see $out/fuzz.log" >&2
    exit 1
fi
