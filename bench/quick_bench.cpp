// One press of the quick prediction's write button: quick.dat read, ten sets for each lottery drawn,
// and the four print files written, with the program's own random source and clock.
#include "bench/bench_folders.h"
#include "quick/quick_run.h"

#include <benchmark/benchmark.h>

namespace bench {

namespace {

void BM_QuickPrediction(benchmark::State& state)
{
    // A folder of its own: the prediction replaces the print files, and the card window benchmarks' empty
    // folder must stay empty.
    const QTemporaryDir temporary;
    const QDir folder = withDataFiles(temporary);
    seams::ClockSeededRandom random;
    const seams::SystemClock clock;
    while (state.KeepRunning()) {
        if (!quick::runQuickPrediction(folder, {10, quick::WriteMode::Replace, 'A'}, random, clock).ok()) {
            state.SkipWithError("the quick prediction failed");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_QuickPrediction)->Unit(benchmark::kMillisecond);

} // namespace bench
