// The working folder as the first start finds it: where the program is installed without a launcher of
// its own (Windows), the program fills the folder it is started in with the files it is shipped with.
#pragma once

#include "core/result.h"

#include <QDir>
#include <optional>

namespace app {

// The files every working folder starts with: the quick prediction's candidates, the guide and the
// default calibration.
inline constexpr const char* kShippedFiles[] = {"quick.dat", "readme.txt", "ravelov1.ini"};

// Copies each shipped file that the working folder lacks, byte for byte; a file already there is never
// replaced, since the user may have changed it. Stops at the first file that cannot be copied.
core::Result<void> fillWorkingFolder(const QDir& shipped, const QDir& work);

} // namespace app
