#!/usr/bin/env bash
# Checks the floors and the formatting. Builds everything, tests and benchmarks included, with warnings as
# errors and with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test headless: the first
# sanitizer report, or any leak, fails the test that made it. Then clang-tidy over the program's own
# files, each fuzz target for a bounded time, the .deb, installed on a fresh Debian 12, and last the
# Windows build: its tests under Wine, its packages and its installer.
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

# One build for every test, sanitized: a plain build would run the same tests and find less. Debug: the
# tests take a minute or two even unoptimised, while optimising triples the compile time of the larger
# test files.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOTOCARD_WARNINGS_AS_ERRORS=ON \
    -DLOTOCARD_SANITIZE=ON -DLOTOCARD_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build"
phase "build"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
# A copy anyone can read: as root some tests run as user nobody, who may not reach the checkout.
suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
cp "$root/tests/lsan.supp" "$suppressions"
chmod 644 "$suppressions"
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j 2
phase "tests"

# clang-tidy takes a quarter of a minute for each file, most of it in Qt's headers, so it looks at the
# program's own files; the tests and benchmarks are held to the compiler's warnings as errors.
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -v -e '^bench/' -e '^tests/' \
    | sed "s|^|$root/|")
run-clang-tidy -quiet -p "$build" "${units[@]}" >"$build/clang-tidy.log" 2>&1 \
    || { grep -E 'warning:|error:' "$build/clang-tidy.log"; echo "clang-tidy found problems"; exit 1; }
phase "clang-tidy"
"$root/scripts/fuzz.sh"
phase "fuzzing"
"$root/scripts/package.sh"
phase "package"
"$root/scripts/test-windows.sh"
phase "Windows"
