#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test suite
# again; the first report of either, or any leak, fails the test that made it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/asan"

"$root/scripts/install-deps.sh"

# Debug: the tests take well under a minute even unoptimised, while optimising triples the compile time
# of the larger test files.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOTOCARD_WARNINGS_AS_ERRORS=ON \
    -DLOTOCARD_SANITIZE=ON >/dev/null
cmake --build "$build"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
# A copy anyone can read: as root some tests run as user nobody, who may not reach the checkout.
suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
cp "$root/tests/lsan.supp" "$suppressions"
chmod 644 "$suppressions"
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j 2
