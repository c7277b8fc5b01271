#!/usr/bin/env bash
# Builds with warnings as errors, checks formatting and clang-tidy, and runs every test headless; then
# runs every test again under the sanitizers, and each fuzz target for a bounded time; last builds the .deb
# and installs it on a fresh Debian 12.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/test"
# Says how long each part took, so that a slow part shows in the log.
phase() { echo "== $1 done after $SECONDS s"; }

"$root/scripts/install-deps.sh"

cd "$root"
"$root/scripts/check-floors.sh"
if git rev-parse --git-dir >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else
    # Outside a checkout: every C++ file of the tree, whatever folder it is in, but the builds.
    mapfile -t sources < <(find . \( -path ./build -o -path ./.git \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) \
        -print | sed 's|^\./||' | sort)
fi
clang-format --dry-run --Werror "${sources[@]}"
phase "floors and formatting"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOTOCARD_WARNINGS_AS_ERRORS=ON \
    -DLOTOCARD_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build"
phase "build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j 2
phase "tests"
# The benchmarks are measuring code, built with warnings as errors like the rest; leaving them out of
# clang-tidy, which takes a quarter of a minute per file, keeps the whole run well under half an hour.
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -v '^bench/' | sed "s|^|$root/|")
run-clang-tidy -quiet -p "$build" "${units[@]}" >"$build/clang-tidy.log" 2>&1 \
    || { grep -E 'warning:|error:' "$build/clang-tidy.log"; echo "clang-tidy found problems"; exit 1; }
phase "clang-tidy"
"$root/scripts/sanitizers.sh"
phase "sanitizers"
"$root/scripts/fuzz.sh"
phase "fuzzing"
"$root/scripts/package.sh"
phase "package"
