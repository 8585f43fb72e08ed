#!/usr/bin/env bash
# Installs what is missing, builds everything and runs Tessary on the demo collections the way
# the host runs it: a Ruby script loads Halvorn.so and opens the picker.
#   scripts/run.sh [0x00BBGGRR]     an initial colour for the picker to locate
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

build_dir="${BUILD_DIR:-build}"
halvorn="$build_dir/tools/halvorn/halvorn"
demo="$PWD/$build_dir/demo"
# The demo data folder: "<common app data>/Veltra Marnik/Tessary/SQLite".
export TESSARY_COMMON_APPDATA="$demo"
data_dir="$demo/Veltra Marnik/Tessary/SQLite"

echo "Building the demo collections in $data_dir"
"$halvorn" build-collection --demo "$data_dir" >/dev/null
"$halvorn" collections | cut -f4,5

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    screenshot="$PWD/$build_dir/picker.png"
    "$halvorn" pick --screenshot "$screenshot" ${1:+--initial-color "$1"}
    echo "No display: the picker was drawn into $screenshot"
    exit 0
fi
HALVORN_SO="$PWD/$build_dir/host/Halvorn.so" ruby examples/pick_colors.rb "${1:--1}"
