// 100,000 LOTO6 sets pasted into a card window: read and shown in "まとめて追加", then added to the print
// file in one save.
#include "bench/bench_folders.h"
#include "fakes.h"
#include "lotteries/print_file.h"
#include "tickets/add_sets_dialog.h"

#include <benchmark/benchmark.h>

namespace bench {

namespace {

constexpr int kPasted = 100'000;

// The sets as a spreadsheet gives them: the numbers apart, separated by tabs.
QString pastedText()
{
    QString text;
    for (const QByteArray& line : core::splitLines(loto6Entries(kPasted))) {
        for (qsizetype pos = 0; pos + 1 < line.size(); pos += 2) {
            if (pos > 0)
                text += u'\t';
            text += QString::fromLatin1(line.mid(pos, 2));
        }
        text += u'\n';
    }
    return text;
}

void BM_PastedSetsShown(benchmark::State& state)
{
    const QString text = pastedText();
    fakes::ScriptedPrompter prompter;
    const lotteries::LotteryRules& rules = lotteries::rulesOf(lotteries::Lottery::Loto6);
    while (state.KeepRunning()) {
        const tickets::AddSetsDialog dialog(rules, text, prompter, nullptr);
        if (dialog.accepted().size() != kPasted) {
            state.SkipWithError("not every pasted set was accepted");
            break;
        }
    }
}

void BM_PastedSetsAdded(benchmark::State& state)
{
    const lotteries::LotteryRules& rules = lotteries::rulesOf(lotteries::Lottery::Loto6);
    const core::Lines lines = core::splitLines(loto6Entries(kPasted));
    while (state.KeepRunning()) {
        state.PauseTiming();
        const QTemporaryDir temporary;
        const lotteries::PrintFile file(rules, QDir(temporary.path()));
        state.ResumeTiming();
        if (!file.append(lines).ok()) {
            state.SkipWithError("the sets could not be added");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_PastedSetsShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PastedSetsAdded)->Unit(benchmark::kMillisecond);

} // namespace bench
