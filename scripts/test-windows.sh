#!/usr/bin/env bash
# Builds the program and its tests for Windows (Qt for Windows built or reused, see
# build-qt-windows.sh), warnings as errors, and runs them under Wine on a virtual X display: the logic
# tests and the window tests on Qt's offscreen platform, and printing through Wine's printers onto the
# spooler test's PDF queues. Then makes the packages and puts the installer through its test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows-test
host=$root/build/host-tools
# Says how long each part took, so that a slow part shows in the log.
phase() { echo "== Windows: $1 done after $SECONDS s"; }

"$root/scripts/install-deps.sh"
"$root/scripts/install-packages.sh" wine wine64 xvfb xauth xdotool googletest fonts-ipafont-gothic

qt=$("$root/scripts/build-qt-windows.sh")
benchmark=$("$root/scripts/build-benchmark-windows.sh")
phase "Qt and Google Benchmark for Windows"
# The printing test reads the PDFs with the build machine's own pdf_marks.
cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" --target pdf_marks
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DLOTOCARD_WARNINGS_AS_ERRORS=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
    -DLOTOCARD_HOST_PDF_MARKS="$host/tests/pdf_marks" -DLOTOCARD_BUILD_BENCHMARKS=ON \
    -Dbenchmark_DIR="$benchmark/lib/cmake/benchmark" >/dev/null
cmake --build "$build"
phase "build"

export LOTOCARD_QT_WINDOWS=$qt WINEPREFIX=$build/wine
# Wine needs an X server even for the offscreen platform, and a program of it that finds none spins.
xvfb-run -a timeout 1500 ctest --test-dir "$build" --output-on-failure
phase "tests under Wine"

LOTOCARD_WINDOWS_BUILD=$build "$root/scripts/package-windows.sh"
setup=$(find "$root/build/windows-package" -maxdepth 1 -name 'lotocard-*-setup.exe')
timeout 600 "$root/tests/installer/installer_test.sh" "$setup" "$build/save_writer.exe"
phase "installer"
