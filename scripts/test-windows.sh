#!/usr/bin/env bash
# Builds the program and its tests for Windows (Qt for Windows built or reused, see
# build-qt-windows.sh), warnings as errors, and runs the tests under Wine on a virtual X display: the
# logic tests and the window tests on Qt's offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows-test

"$root/scripts/install-packages.sh" wine wine64 xvfb xauth googletest fonts-ipafont-gothic

qt=$("$root/scripts/build-qt-windows.sh")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DLOTOCARD_WARNINGS_AS_ERRORS=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null
cmake --build "$build"

export LOTOCARD_QT_WINDOWS=$qt WINEPREFIX=$build/wine
# Wine needs an X server even for the offscreen platform, and a program of it that finds none spins.
xvfb-run -a timeout 900 ctest --test-dir "$build" --output-on-failure
