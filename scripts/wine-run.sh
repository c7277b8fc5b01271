#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as the cross build's emulator: the Qt and mingw-w64
# runtime libraries found through WINEPATH, a Wine prefix of the build's own (made on first use), and
# the Qt platform and fonts given as Windows programs take them, since Wine passes Qt's variables on
# only in part.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]; LOTOCARD_QT_WINDOWS names Qt's folder, WINEPREFIX the prefix.
set -euo pipefail
: "${LOTOCARD_QT_WINDOWS:?names the folder of Qt built for Windows}"
: "${WINEPREFIX:?names the Wine prefix of the build}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
to_windows() { printf 'Z:%s' "${1//\//\\}"; }
WINEPATH="$(to_windows "$LOTOCARD_QT_WINDOWS/bin");$(to_windows "$runtime");$(to_windows /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
exec wine "$@"
