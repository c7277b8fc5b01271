// ravelov1.ini of any content: reading gives values, and writing values then reading gives those values
// back while every line other than lines 3 to 6 stays as it was.
#include "core/line_file.h"
#include "core/rounding.h"
#include "fuzz/fuzz_target.h"
#include "settings/numeric_text.h"
#include "settings/settings_file.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace {

bool isValue(double value)
{
    return !std::isnan(value);
}

bool hasValues(const settings::Calibration& c)
{
    return isValue(c.horizontalStart) && isValue(c.horizontalStep) && isValue(c.verticalStart)
        && isValue(c.verticalStep);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    const settings::SettingsFile file {QDir(folder.path())};
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    fuzz::require(core::saveFile(file.path(), bytes).ok(), "the settings file is written");

    const core::Result<settings::Calibration> read = file.read();
    fuzz::require(read.ok() && hasValues(read.value()), "any content reads as values");

    // The values written are those of the input's first lines, as the settings file keeps them.
    const core::Lines before = core::splitLines(bytes);
    settings::ValueLines values = settings::defaultValueLines();
    for (qsizetype index = 0; index < 4 && index < before.size(); ++index) {
        const double value = settings::numericValue(before.at(index));
        if (std::isfinite(value))
            values.at(static_cast<std::size_t>(index)) = settings::decimalText(value);
    }
    fuzz::require(file.writeValues(values).ok(), "the values are written");

    const core::Result<settings::Calibration> reread = file.read();
    fuzz::require(reread.ok(), "the written file reads");
    const settings::Calibration expected {settings::numericValue(values[0]),
        settings::numericValue(values[1]), settings::numericValue(values[2]),
        core::roundHalfEven(settings::numericValue(values[3]))};
    fuzz::require(reread.value() == expected, "the written values read back");

    const core::Result<core::Lines> after = core::readLines(file.path());
    fuzz::require(after.ok() && after.value().size() == std::max<qsizetype>(before.size(), 6), "line count");
    for (qsizetype line = 0; line < before.size(); ++line) {
        if (line < 2 || line >= 6)
            fuzz::require(after.value().at(line) == before.at(line), "other lines kept byte for byte");
    }
    return 0;
}
