#include "quick/quick_run.h"

#include "quick/generator.h"
#include "tickets/print_file.h"

namespace quick {

namespace {

core::Lines linesFor(tickets::Lottery lottery, const BaseTables& tables, const RunSettings& settings,
    RandomSource& random, const Clock& clock)
{
    core::Lines lines;
    for (int set = 0; set < settings.count; ++set) {
        // The day is looked at for every Numbers set, as a run may cross midnight.
        switch (lottery) {
        case tickets::Lottery::Numbers3:
            lines.append(numbers3Line(tables.numbers3, random, isEvenDay(clock.today()), settings.playType));
            break;
        case tickets::Lottery::Numbers4:
            lines.append(numbers4Line(tables.numbers4, random, isEvenDay(clock.today()), settings.playType));
            break;
        case tickets::Lottery::MiniLoto:
            lines.append(miniLotoLine(random));
            break;
        case tickets::Lottery::Loto6:
            lines.append(loto6Line(random));
            break;
        }
    }
    return lines;
}

} // namespace

std::optional<RunFailure> runQuickPrediction(
    const QDir& dataDir, const RunSettings& settings, RandomSource& random, const Clock& clock)
{
    const std::variant<BaseTables, core::FileFailure, DataFault> read = readBaseTables(dataDir);
    if (const auto* failure = std::get_if<core::FileFailure>(&read))
        return *failure;
    if (const auto* fault = std::get_if<DataFault>(&read))
        return *fault;
    const BaseTables& tables = std::get<BaseTables>(read);

    random.reseed();
    int written = 0;
    for (const tickets::Lottery lottery : kWriteOrder) {
        const tickets::PrintFile printFile(tickets::rulesOf(lottery), dataDir);
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
