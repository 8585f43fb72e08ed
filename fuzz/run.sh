#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer into build-fuzz/ and runs it on its seeds.
#   fuzz/run.sh TARGET [libFuzzer options...]
#   TARGET: json_codec | palette_reader | item_index | cxf3_reader | csv_deck
# Example: fuzz/run.sh palette_reader -max_total_time=60
# Needs clang and libFuzzer: apt-get install clang libclang-rt-14-dev
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:?usage: fuzz/run.sh json_codec|palette_reader|item_index|cxf3_reader|csv_deck [libFuzzer options]}"
shift
[ -d "fuzz/seeds/$target" ] || { echo "fuzz/run.sh: unknown target $target" >&2; exit 2; }
CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "fuzz_$target"
mkdir -p "build-fuzz/corpus/$target"
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec "build-fuzz/fuzz_$target" -max_len=1048576 "$@" "build-fuzz/corpus/$target" "fuzz/seeds/$target"
