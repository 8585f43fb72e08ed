#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   scripts/test.sh             the normal build in build/
#   scripts/test.sh --sanitize  an AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [ "${1:-}" = "--sanitize" ]; then
    export BUILD_DIR=build-asan BUILD_TYPE=Debug
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
    bash scripts/build.sh -DTESSARY_SANITIZE=ON
else
    bash scripts/build.sh
fi
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600
