// The draw check over a LOTO6 print file of 100,000 sets: against one typed draw, the table read, counted
// and its first screen of rows made; against 2,000 kept draws, the counts; and a results table of 10,000
// lines read, shown and kept.
#include "bench/bench_folders.h"
#include "draws/check_table.h"
#include "draws/results.h"
#include "lotteries/draw_file.h"

#include <benchmark/benchmark.h>
#include <random>

namespace bench {

namespace {

constexpr int kSets = 100'000;
constexpr int kKeptDraws = 2'000;
constexpr int kResultLines = 10'000;
// About as many rows as the table shows at once.
constexpr int kRowsShown = 40;

// Draws of distinct numbers, the same on every run, numbered from 1.
QList<lotteries::Draw> loto6Draws(int count)
{
    std::mt19937 engine(20261208);
    std::array<int, 43> pool {};
    for (std::size_t i = 0; i < pool.size(); ++i)
        pool.at(i) = static_cast<int>(i) + 1;
    QList<lotteries::Draw> draws;
    for (int number = 1; number <= count; ++number) {
        std::shuffle(pool.begin(), pool.end(), engine);
        draws.append({number, QDate(2000, 1, 1).addDays(number * 3),
            QList<int>(pool.begin(), pool.begin() + 6), pool.at(6)});
    }
    return draws;
}

const QString& printFilePath()
{
    static const QString path = folderWithEntries(kSets).filePath(QString::fromLatin1(kPrintFile));
    return path;
}

void BM_DrawCheckOneDraw(benchmark::State& state)
{
    const lotteries::LotteryRules& rules = lotteries::rulesOf(lotteries::Lottery::Loto6);
    const QList<lotteries::Draw> draw = loto6Draws(1);
    draws::CheckTableModel table(nullptr);
    while (state.KeepRunning()) {
        if (!table.check(rules, printFilePath(), draw).ok()) {
            state.SkipWithError("the print file could not be read");
            break;
        }
        const std::optional<draws::Tally> tally
            = draws::tallyOf(rules, table.lines(), draw, [](qsizetype) { return true; });
        benchmark::DoNotOptimize(draws::tallyText(rules, *tally));
        for (int row = 0; row < kRowsShown; ++row) {
            for (int column = 0; column < table.columnCount(); ++column)
                benchmark::DoNotOptimize(table.data(table.index(row, column), Qt::DisplayRole));
        }
    }
}

void BM_DrawCheckKeptDraws(benchmark::State& state)
{
    const lotteries::LotteryRules& rules = lotteries::rulesOf(lotteries::Lottery::Loto6);
    const QList<lotteries::Draw> draws = loto6Draws(kKeptDraws);
    core::IndexedLines lines;
    if (!lines.read(printFilePath()).ok()) {
        state.SkipWithError("the print file could not be read");
        return;
    }
    while (state.KeepRunning())
        benchmark::DoNotOptimize(draws::tallyOf(rules, lines, draws, [](qsizetype) { return true; }));
}

void BM_ResultsFileLoaded(benchmark::State& state)
{
    QByteArray bytes
        = "回号,日付,本数字1,本数字2,本数字3,本数字4,本数字5,本数字6,ボーナス数字,1等口数,1等賞金\r\n";
    for (const lotteries::Draw& draw : loto6Draws(kResultLines))
        bytes += lotteries::drawFileLine(lotteries::Lottery::Loto6, draw) + ",2,200000000\r\n";
    const QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const lotteries::DrawFile file(lotteries::rulesOf(lotteries::Lottery::Loto6), folder);
    while (state.KeepRunning()) {
        const draws::ReadResults results = draws::readResults(lotteries::Lottery::Loto6, core::textOf(bytes));
        benchmark::DoNotOptimize(draws::resultsReport(lotteries::Lottery::Loto6, results));
        if (results.draws.size() != kResultLines || !file.keep(results.draws).ok()) {
            state.SkipWithError("the results were not all read and kept");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_DrawCheckOneDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawCheckKeptDraws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsFileLoaded)->Unit(benchmark::kMillisecond);

} // namespace bench
