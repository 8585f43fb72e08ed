#!/usr/bin/env bash
# Installs the Debian packages Tessary needs to build, run and test; quietly skips the
# ones already installed.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libxml2-dev libsqlite3-dev ruby ruby-dev
    libx11-dev libxcb1-dev
    sqlite3 xvfb xdotool x11-utils
    fonts-liberation2 fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
