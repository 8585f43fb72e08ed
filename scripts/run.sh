#!/usr/bin/env bash
# Installs what is missing, builds everything and runs Tessary on the demo collections.
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

echo "Collections in $data_dir:"
"$halvorn" collections
