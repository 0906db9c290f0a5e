#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs missing Debian packages, then configures and builds.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev
          googletest libgtest-dev libbenchmark-dev dpkg-dev desktop-file-utils
          poppler-utils qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"
# Our own build treats warnings as errors; a plain cmake build (a user's, a package's) does not.
if ! grep -q '^TQ58_WERROR:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQ58_WERROR=ON >/dev/null
fi
cmake --build "$build" -j2
