// The marks of any print-file lines under any calibration text, for each card: either the calibration
// is refused, or every corner of every box is a finite number within the 32 bits the printer takes. And
// the card's rules run backwards: the calibration fitted to its reference marks places them within
// reach again, whenever it can be printed with.
#include "calibration/fitting.h"
#include "core/line_file.h"
#include "fuzz/fuzz_target.h"
#include "tickets/entry.h"

#include <QTemporaryDir>
#include <cmath>
#include <limits>

namespace {

constexpr qsizetype kSettingsLines = 6;

bool fitsInt32(double value)
{
    return std::isfinite(value) && value >= std::numeric_limits<qint32>::min()
        && value <= std::numeric_limits<qint32>::max();
}

} // namespace

// The first byte picks the card; of the lines after it the first six are ravelov1.ini, the rest the
// print file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto lottery = static_cast<lotteries::Lottery>(data[0] % 4);
    const core::Lines lines = core::splitLines(
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));

    static const QTemporaryDir folder;
    const settings::SettingsFile settingsFile {QDir(folder.path())};
    fuzz::require(
        core::saveLines(settingsFile.path(), lines.first(std::min(lines.size(), kSettingsLines))).ok(),
        "the settings file is written");
    const core::Result<settings::Calibration> calibration = settingsFile.read();
    fuzz::require(calibration.ok(), "the settings file reads");

    const auto placed = printing::Placement::of(lottery, calibration.value());
    const auto* placement = (placed.ok() ? &placed.value() : nullptr);
    if (placement == nullptr)
        return 0;
    const printing::ReferenceMarks marks = placement->referenceMarks();
    const auto refitted = printing::Placement::of(
        lottery, calibration::fittedCalibration(lottery, marks, settings::kDefaultCalibration));
    if (const auto* again = (refitted.ok() ? &refitted.value() : nullptr)) {
        const printing::ReferenceMarks placed = again->referenceMarks();
        fuzz::require(std::abs(placed.first.x - marks.first.x) <= calibration::kFirstMarkReach
                && std::abs(placed.first.y - marks.first.y) <= calibration::kFirstMarkReach,
            "first reference mark within reach");
        fuzz::require(std::abs(placed.second.x - marks.second.x) <= calibration::kSecondMarkReachAcross
                && std::abs(placed.second.y - marks.second.y) <= calibration::kSecondMarkReachDown,
            "second reference mark within reach");
    }
    core::ShiftJisDecoder decode;
    int slot = 0;
    for (qsizetype line = kSettingsLines; line < lines.size(); ++line) {
        slot = slot % printing::kSlotsPerCard + 1;
        for (const printing::MarkPoint& mark : placement->marks(slot, decode(lines.at(line)))) {
            fuzz::require(fitsInt32(mark.x) && fitsInt32(mark.x - printing::kBoxWidth), "box left and right");
            fuzz::require(
                fitsInt32(mark.y) && fitsInt32(mark.y + printing::kBoxHeight), "box top and bottom");
        }
    }
    return 0;
}
