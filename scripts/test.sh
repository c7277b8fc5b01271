#!/usr/bin/env bash
# Builds with warnings as errors, checks the formatting and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"

"$root/scripts/install-deps.sh"

cd "$root"
if git rev-parse --git-dir >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t sources < <(find app core tickets tests -name '*.cpp' -o -name '*.h')
fi
clang-format --dry-run --Werror "${sources[@]}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOTOCARD_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j 2
