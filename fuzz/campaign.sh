#!/usr/bin/env bash
# Runs every fuzz target in turn, one process at a time, each until SECONDS have passed or RUNS
# inputs were executed, whichever comes first, and prints a table of the executions, the time
# and whether a finding (crash, sanitizer report, leak, timeout, out-of-memory) occurred.
#   fuzz/campaign.sh [SECONDS [RUNS [TARGET...]]]     defaults: 600 5000000, every target
# Findings are kept in build-fuzz/findings/<target>/; the log of each run in
# build-fuzz/logs/<target>.log. Exits non-zero when any target had a finding.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
runs="${2:-5000000}"
shift $(( $# < 2 ? $# : 2 ))
if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for dir in fuzz/seeds/*/; do targets+=("$(basename "$dir")"); done
fi

CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
build_targets=()
for target in "${targets[@]}"; do
    [ -d "fuzz/seeds/$target" ] || { echo "fuzz/campaign.sh: unknown target $target" >&2; exit 2; }
    build_targets+=(--target "fuzz_$target")
done
cmake --build build-fuzz -j2 "${build_targets[@]}" >/dev/null || exit 2

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/logs
status=0
summary=()
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
    log="build-fuzz/logs/$target.log"
    echo "fuzzing $target: up to $seconds s or $runs runs" >&2
    start=$(date +%s)
    "build-fuzz/fuzz_$target" -max_len=1048576 -timeout=25 -rss_limit_mb=2048 \
        -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target/" \
        "build-fuzz/corpus/$target" "fuzz/seeds/$target" >"$log" 2>&1
    code=$?
    elapsed=$(( $(date +%s) - start ))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    if [ "$code" -eq 0 ]; then
        finding="none"
    else
        finding="exit $code ${artifact:-see $log}"
        status=1
    fi
    summary+=("$(printf '%-16s %12s %8s  %s' "$target" "${executions:-?}" "${elapsed}s" "$finding")")
done
printf '%-16s %12s %8s  %s\n' target executions time finding
printf '%s\n' "${summary[@]}"
exit "$status"
