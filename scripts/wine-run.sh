#!/usr/bin/env bash
# Runs a Windows program of the cross-build under wine, in TQ58's own wine prefix, finding the
# MinGW runtime DLLs where Debian installs them (the zip carries its own).
#   scripts/wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-$HOME/.cache/tq58/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
gcc_dlls=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="${WINEPATH:+$WINEPATH;}/usr/x86_64-w64-mingw32/lib;$gcc_dlls"
exec wine "$@"
