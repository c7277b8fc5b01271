#!/usr/bin/env bash
# Builds the program, installs it into a staging folder and starts it through its launcher, with the
# working folder build/work, which keeps the user's print files and calibration between runs.
set -euo pipefail
# The program is a desktop program: without a display Qt would only abort once it is built.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: there is no display to show the program on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or on a virtual display: xvfb-run -a ./scripts/run.sh" >&2
    exit 1
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
stage="$root/build/stage"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOTOCARD_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
# A copy that is still running keeps its own file when the staged one is removed rather than overwritten.
rm -f "$stage/libexec/lotocard/lotocard"
cmake --install "$build" --prefix "$stage" >/dev/null

LOTOCARD_WORK_FOLDER="$root/build/work" exec "$stage/bin/lotocard"
