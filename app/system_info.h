// Finding the system information tool: on Windows where the registry says it is, elsewhere one of the
// comparable tools a Linux desktop may have installed.
#pragma once

#include "seams/launcher.h"
#include "seams/registry.h"

#include <optional>

namespace app {

// A text value, cut at its first zero byte. A value of another type counts as not found.
std::optional<QString> getKeyValue(
    const seams::Registry& registry, const QString& key, const QString& valueName);

// The tool to start: the path the registry gives, else MSINFO32.EXE in the shared tools folder it
// names when the file is there, else the first known desktop tool installed; nothing when there is none.
std::optional<QString> systemInfoProgram(const seams::Registry& registry, const seams::Launcher& launcher);

} // namespace app
