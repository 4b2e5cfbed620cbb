#!/bin/sh
# Measures what the fuzz targets reach: fuzzes each for SECONDS (tests/fuzz/
# run.sh; 0 fuzzes nothing and measures the corpora as they are), builds the
# targets with clang's source-based coverage in build/fuzz-coverage (the
# fuzz-coverage preset), replays the seeds and the corpora the runs grew, and
# prints the line coverage of each folder, then of each target's own sources
# with the functions no input calls.
#   tests/fuzz/coverage.sh [SECONDS [TARGET...]]
# The folders count only the sources linked into some target; those that no
# target links are named below the folder's line.
set -eu

seconds=${1:-60}
[ $# -gt 0 ] && shift
only=" $* "
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata || true)
cov=$(command -v llvm-cov-14 || command -v llvm-cov || true)
if [ -z "$profdata" ] || [ -z "$cov" ]; then
    echo "llvm-profdata and llvm-cov are missing (Debian package llvm-14)" >&2
    exit 2
fi

status=0
if [ "$seconds" != 0 ]; then
    # shellcheck disable=SC2086 # the targets asked for, as words
    tests/fuzz/run.sh "$seconds" $only || status=1
fi

out=build/fuzz-coverage
echo "Building the fuzz targets with coverage in $out"
mkdir -p "$out"
cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage -j"$(nproc)" >"$out/build.log" 2>&1 || {
    tail -n 30 "$out/build.log" >&2
    echo "building the coverage targets failed; see $out/build.log" >&2
    exit 1
}

rm -rf "$out/profiles"
mkdir -p "$out/profiles"
objects=""
names=""
while IFS='|' read -r name program options seeds covers; do
    [ "$only" = "  " ] || case "$only" in *" $name "*) ;; *) continue ;; esac
    corpus=build/fuzz/runs/$name/corpus
    old_ifs=$IFS
    IFS=';'
    # shellcheck disable=SC2086 # the seed folders are a list
    set -- $seeds
    IFS=$old_ifs
    [ -d "$corpus" ] && set -- "$@" "$corpus"
    # -runs=0: every input of the folders once, no fuzzing.
    # shellcheck disable=SC2086 # the flags are a list
    LLVM_PROFILE_FILE="$out/profiles/$name.profraw" "$program" -runs=0 $options "$@" \
        </dev/null >"$out/profiles/$name.log" 2>&1 || {
        echo "replaying the corpus of $name failed; see $out/profiles/$name.log" >&2
        status=1
    }
    "$profdata" merge -sparse "$out/profiles/$name.profraw" -o "$out/profiles/$name.profdata"
    objects="$objects $program"
    names="$names $name"
done <"$out/tests/fuzz/fuzzers.txt"
[ -n "$names" ] || { echo "no fuzz target named:$only" >&2; exit 2; }
# shellcheck disable=SC2086
"$profdata" merge -sparse $out/profiles/*.profdata -o "$out/profiles/all.profdata"

# The sources as paths from the top of the tree, whatever form the compiler
# was given them in (ccache makes them relative to the folder of the build
# that filled its cache, "build/fuzz-coverage/core/../../../core/Session.cpp").
tree_path() { sed -e 's#^.*[.][.]/##' -e "s#^$root/##"; }

# "file lines covered" for every source file the binaries hold.
files_of() {
    data=$1
    program=$2
    shift 2
    # shellcheck disable=SC2086 # -object binary pairs
    "$cov" export -summary-only "$program" "$@" -instr-profile="$data" |
        jq -r '.data[0].files[] | "\(.filename) \(.summary.lines.count) \(.summary.lines.covered)"' | tree_path
}

# Prints "name lines missed covered%" over the files matched by the pattern.
total_of() {
    awk -v name="$1" -v pattern="$2" '
        $1 ~ pattern { lines += $2; covered += $3 }
        END { if (lines) printf "%-34s %6d %6d %7.2f%%\n", name, lines, lines - covered, 100 * covered / lines }'
}

all_objects=""
for o in $objects; do all_objects="$all_objects -object $o"; done
# shellcheck disable=SC2086
files_of "$out/profiles/all.profdata" $all_objects >"$out/profiles/all.files"

echo
printf '%-34s %6s %6s %8s\n' "lines of the sources (.cpp)" "lines" "missed" "covered"
for folder in profile link core tools/terminal info; do
    total_of "$folder/" "^$folder/[^/]*[.]cpp\$" <"$out/profiles/all.files"
    unlinked=""
    for source in "$folder"/*.cpp; do
        grep -q "^$source " "$out/profiles/all.files" || unlinked="$unlinked $(basename "$source")"
    done
    [ -z "$unlinked" ] || echo "    in no target:$unlinked"
done

while IFS='|' read -r name program options seeds covers; do
    case " $names " in *" $name "*) ;; *) continue ;; esac
    [ -n "$covers" ] || continue
    echo
    echo "== $name"
    files_of "$out/profiles/$name.profdata" "$program" >"$out/profiles/$name.files"
    pattern=""
    for source in $covers; do
        total_of "  $source" "^$source\$" <"$out/profiles/$name.files"
        pattern="$pattern|^$source\$"
    done
    total_of "  all of them" "${pattern#|}" <"$out/profiles/$name.files"
    # The functions of those sources that no input of this target calls.
    "$cov" export "$program" -instr-profile="$out/profiles/$name.profdata" |
        jq -r '.data[0].functions[] | select(.count == 0) | "\(.filenames[0]) \(.name)"' | tree_path |
        while read -r file function; do
            case " $covers " in
            *" $file "*) echo "  not called: $file $(echo "$function" | c++filt)" ;;
            esac
        done
done <"$out/tests/fuzz/fuzzers.txt"
exit "$status"
