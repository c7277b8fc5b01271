#!/usr/bin/env bash
# Runs every benchmark once, briefly, and fails when one of them reports an error. The figures of such a
# run mean nothing; scripts/bench.sh takes the real ones. The million-line sizes and the print run of
# 10,000 entries are left out: they run the same code as the smaller ones, only longer, which under the
# sanitizers is minutes.
# Usage: run_once.sh [RUNNER] LOTOCARD_BENCH
set -euo pipefail
output=$("$@" --benchmark_min_time=0.0001 --benchmark_filter='-(/1000000|PrintRun/10000/)' 2>&1) || { echo "$output"; exit 1; }
echo "$output"
if grep -q "ERROR OCCURRED" <<<"$output"; then
    echo "a benchmark reported an error"
    exit 1
fi
