#!/usr/bin/env bash
# Builds TQ58 when needed and starts the program; arguments go to the program (for example /D).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
exec "$top/build/bin/tq58" "$@"
