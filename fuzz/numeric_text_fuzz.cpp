// The numeric value of any text: the byte and the string readings agree, blanks do not count, rounding
// gives a whole number at most half away, and a value written as decimal text reads back as the same text.
// The same text typed into the calibration boxes: "＋" and "-" keep the vertical step whole and within 32
// bits, and whatever a save writes reads back as a finite number.
#include "calibration/calibration_boxes.h"
#include "core/rounding.h"
#include "fuzz/fuzz_target.h"
#include "settings/numeric_text.h"

#include <QString>
#include <cmath>
#include <limits>

namespace {

constexpr double kLargestHeld = 1.79769313486231e308;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const double value = settings::numericValue(bytes);
    fuzz::require(!std::isnan(value), "a text never reads as NaN");
    fuzz::require(settings::numericValue(QString::fromLatin1(bytes)) == value, "bytes and string agree");
    QByteArray unblanked = bytes.toByteArray();
    unblanked.replace(' ', "").replace('\t', "").replace('\n', "");
    fuzz::require(settings::numericValue(unblanked) == value, "blanks are skipped wherever they stand");

    const QString typed = QString::fromLatin1(bytes);
    for (const int step : {-1, +1}) {
        const double nudged = settings::numericValue(
            calibration::nudged(settings::CalibrationValue::VerticalStep, typed, step));
        fuzz::require(nudged == std::trunc(nudged) && nudged >= std::numeric_limits<qint32>::min()
                && nudged <= std::numeric_limits<qint32>::max(),
            "the nudged vertical step is whole and within 32 bits");
        for (const auto start :
            {settings::CalibrationValue::HorizontalStart, settings::CalibrationValue::VerticalStart})
            static_cast<void>(calibration::nudged(start, typed, step));
    }
    const auto saved = calibration::savedLines({typed, typed, typed, typed});
    if (const auto* lines = (saved.ok() ? &saved.value() : nullptr)) {
        for (const QByteArray& line : *lines)
            fuzz::require(
                std::isfinite(settings::numericValue(line)), "a saved value reads back as a number");
    }
    if (!std::isfinite(value))
        return 0;

    const double rounded = core::roundHalfEven(value);
    fuzz::require(rounded == std::trunc(rounded) && std::abs(rounded - value) <= 0.5, "rounding");

    const QByteArray text = settings::decimalText(value);
    fuzz::require(!text.isEmpty(), "every finite value has a decimal text");
    // Below the normal range a double holds fewer than 15 digits, so only the digits it holds come back;
    // above the largest 15-digit decimal a double holds, the text rounds up past the largest double.
    if (std::abs(value) < std::numeric_limits<double>::min() || std::abs(value) > kLargestHeld)
        return 0;
    fuzz::require(settings::decimalText(settings::numericValue(text)) == text, "decimal text reads back");
    return 0;
}
