#!/bin/sh
# Builds every libFuzzer target (the fuzz preset: clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60), as many
# at once as there are cores, printing its executions and rate. Exits non-zero
# on any finding; the input that caused it and the log are left in
# build/fuzz/runs/<target>/.
#   tests/fuzz/run.sh [SECONDS [TARGET...]]
set -eu

seconds=${1:-60}
[ $# -gt 0 ] && shift
only=" $* "
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

echo "Building the fuzz targets in build/fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >build/fuzz/build.log 2>&1 || {
    tail -n 30 build/fuzz/build.log >&2
    echo "building the fuzz targets failed; see build/fuzz/build.log" >&2
    exit 1
}

# A smaller quarantine than ASan's 256 MB: filling that with freed memory
# touches a fresh page at every allocation, which is most of a short run's time
# (32 MB still holds thousands of inputs' worth of freed blocks).
ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32}
export ASAN_OPTIONS

# The targets run side by side, one per core; each prints its line when done.
fuzz_one() {
    name=$1 program=$2 options=$3 seeds=$4
    out="$root/build/fuzz/runs/$name"
    mkdir -p "$out/corpus"
    # New inputs go to the run's own corpus; the seed folders in the tree
    # stay as they are.
    old_ifs=$IFS
    IFS=';'
    # shellcheck disable=SC2086 # the flags and the seed folders are lists
    set -- $seeds
    IFS=$old_ifs
    result=ok
    # shellcheck disable=SC2086
    "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 $options \
        -artifact_prefix="$out/" "$out/corpus" "$@" </dev/null >"$out/fuzz.log" 2>&1 || result="FAILED (exit $?)"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/fuzz.log")
    printf '%-10s %12s executions %9s exec/s  %s\n' "$name" "${runs:-?}" "${rate:-?}" "$result"
    if [ "$result" != ok ]; then
        tail -n 40 "$out/fuzz.log" >&2
        echo "fuzzing $name found a problem; see $out/fuzz.log" >&2
        return 1
    fi
}

cores=$(nproc)
status=0
found=0
running=0
pids=""
while IFS="|" read -r name program options seeds _covers; do
    [ "$only" = "  " ] || case "$only" in *" $name "*) ;; *) continue ;; esac
    found=$((found + 1))
    fuzz_one "$name" "$program" "$options" "$seeds" &
    pids="$pids $!"
    running=$((running + 1))
    if [ "$running" -ge "$cores" ]; then
        for pid in $pids; do wait "$pid" || status=1; done
        pids=""
        running=0
    fi
done <"$root/build/fuzz/tests/fuzz/fuzzers.txt"
for pid in $pids; do wait "$pid" || status=1; done

if [ "$found" -eq 0 ]; then
    echo "no fuzz target named:$only" >&2
    exit 2
fi
exit "$status"
