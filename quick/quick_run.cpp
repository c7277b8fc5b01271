#include "quick/quick_run.h"

#include "lotteries/print_file.h"
#include "quick/generator.h"

namespace quick {

namespace {

core::Lines linesFor(lotteries::Lottery lottery, const BaseTables& tables, const RunSettings& settings,
    ui::RandomSource& random, const ui::Clock& clock)
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

std::optional<RunFailure> runQuickPrediction(
    const QDir& dataDir, const RunSettings& settings, ui::RandomSource& random, const ui::Clock& clock)
{
    const std::variant<BaseTables, core::FileFailure, DataFault> read = readBaseTables(dataDir);
    if (const auto* failure = std::get_if<core::FileFailure>(&read))
        return *failure;
    if (const auto* fault = std::get_if<DataFault>(&read))
        return *fault;
    const BaseTables& tables = std::get<BaseTables>(read);

    random.reseed();
    int written = 0;
    for (const lotteries::Lottery lottery : kWriteOrder) {
        const lotteries::PrintFile printFile(lotteries::rulesOf(lottery), dataDir);
        const core::Lines lines = linesFor(lottery, tables, settings, random, clock);
        const std::optional<core::FileFailure> failure
            = settings.mode == WriteMode::Add ? printFile.append(lines) : printFile.replace(lines);
        if (failure)
            return WriteFault {*failure, written};
        ++written;
    }
    return std::nullopt;
}

} // namespace quick
