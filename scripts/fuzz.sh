#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded time, starting from its
# seed corpus in fuzz/corpus. Any crash, leak, sanitizer report, broken property or hang fails, and the
# input that did it is kept as build/fuzz/<target>-crash-... (or leak-, timeout-). The target binary
# build/fuzz/fuzz/<target>_fuzz runs it again given its path; with the fix it belongs in
# fuzz/corpus/<target>, which every test run replays.
# FUZZ_SECONDS sets the time per target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds=${FUZZ_SECONDS:-10}
targets=(numeric_text entry settings_file card_layout base_tables)

"$root/scripts/install-deps.sh"

# Debug keeps Qt's own range checks; -O1 keeps the runs fast enough to be worth their time.
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DLOTOCARD_FUZZ=ON -DLOTOCARD_BUILD_TESTS=OFF -DLOTOCARD_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --target "${targets[@]/%/_fuzz}"

# A small quarantine still catches a use after free within one input, and keeps long runs fast and
# well under the memory limit.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:quarantine_size_mb=64
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The file targets write a file for every input, with a sync each; in memory they run many times faster.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in "${targets[@]}"; do
    # New inputs go to the first folder, so the seeds in the repository stay as they are.
    mkdir -p "$build/corpus/$target"
    log="$build/$target.log"
    echo "fuzzing $target for ${seconds}s"
    "$build/fuzz/${target}_fuzz" "$build/corpus/$target" "$root/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -error_exitcode=1 -detect_leaks=1 \
        -artifact_prefix="$build/$target-" >"$log" 2>&1 \
        || { tail -n 60 "$log"; echo "fuzz target $target failed; log: $log"; exit 1; }
    grep -E '^Done [0-9]+ runs' "$log" || true
done
