#!/usr/bin/env bash
# Builds TQ58 when needed and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
ctest --test-dir "$top/build" --output-on-failure -j2 "$@"
