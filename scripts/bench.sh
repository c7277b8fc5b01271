#!/usr/bin/env bash
# Builds the benchmarks optimised and runs each five times; the medians are the figures in the README.
# Further arguments go to Google Benchmark, e.g. --benchmark_filter=CardWindow.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOTOCARD_BUILD_TESTS=OFF \
    -DLOTOCARD_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build"
exec "$build/bench/lotocard_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
