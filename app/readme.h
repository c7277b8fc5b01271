// The readme beside the program, opened in the user's text editor without waiting for it.
#pragma once

#include "seams/launcher.h"

#include <QDir>

namespace app {

enum class HostPlatform { Windows, Other };

constexpr HostPlatform hostPlatform()
{
#ifdef Q_OS_WIN
    return HostPlatform::Windows;
#else
    return HostPlatform::Other;
#endif
}

inline constexpr char kReadmeFile[] = "readme.txt";

// False when no editor could be started.
bool openReadme(seams::Launcher& launcher, const QDir& dataDir, HostPlatform platform = hostPlatform());

} // namespace app
