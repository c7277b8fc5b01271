#include "quick/quick_run.h"

#include "lotteries/print_file.h"
#include "quick/generator.h"

namespace quick {

namespace {

core::Lines linesFor(lotteries::Lottery lottery, const BaseTables& tables, const RunSettings& settings,
    seams::RandomSource& random, const seams::Clock& clock)
{
    core::Lines lines;
    for (int set = 0; set < settings.count; ++set) {
        // The day is looked at for every Numbers set, as a run may cross midnight.
        switch (lottery) {
        case lotteries::Lottery::Numbers3:
            lines.append(numbers3Line(tables.numbers3, random, isEvenDay(clock.today()), settings.playType));
            break;
        case lotteries::Lottery::Numbers4:
            lines.append(numbers4Line(tables.numbers4, random, isEvenDay(clock.today()), settings.playType));
            break;
        case lotteries::Lottery::MiniLoto:
            lines.append(miniLotoLine(random));
            break;
        case lotteries::Lottery::Loto6:
            lines.append(loto6Line(random));
            break;
        }
    }
    return lines;
}

} // namespace

core::Result<void, RunFailure> runQuickPrediction(
    const QDir& dataDir, const RunSettings& settings, seams::RandomSource& random, const seams::Clock& clock)
{
    const core::Result<BaseTables, TablesFailure> read = readBaseTables(dataDir);
    if (!read.ok())
        return std::visit([](const auto& failure) { return RunFailure(failure); }, read.failure());
    const BaseTables& tables = read.value();

    random.reseed();
    int written = 0;
    for (const lotteries::Lottery lottery : kWriteOrder) {
        const lotteries::PrintFile printFile(lotteries::rulesOf(lottery), dataDir);
        const core::Lines lines = linesFor(lottery, tables, settings, random, clock);
        const core::Result<void> saved
            = settings.mode == WriteMode::Add ? printFile.append(lines) : printFile.replace(lines);
        if (!saved.ok())
            return WriteFault {saved.failure(), written};
        ++written;
    }
    return {};
}

} // namespace quick
