#include "app/system_info.h"

namespace app {

namespace {

// Information centres of the usual Linux desktops, in the order they are tried.
constexpr const char* kDesktopTools[] = {"kinfocenter", "hardinfo", "lshw-gtk"};

} // namespace

std::optional<QString> getKeyValue(
    const seams::Registry& registry, const QString& key, const QString& valueName)
{
    const std::optional<seams::Registry::Value> value = registry.read(key, valueName);
    if (!value || value->type != seams::Registry::kTextType)
        return std::nullopt;
    const qsizetype end = value->data.indexOf('\0');
    // The registry's narrow texts are in the system's code page.
    return QString::fromLocal8Bit(end < 0 ? value->data : value->data.left(end));
}

std::optional<QString> systemInfoProgram(const seams::Registry& registry, const seams::Launcher& launcher)
{
    if (auto path = getKeyValue(
            registry, QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"), QStringLiteral("PATH")))
        return path;
    if (const auto folder = getKeyValue(registry,
            QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)"), QStringLiteral("MSINFO"))) {
        const QString path = *folder + QStringLiteral(R"(\MSINFO32.EXE)");
        if (!launcher.findProgram(path).isEmpty())
            return path;
    }
    for (const char* tool : kDesktopTools) {
        const QString path = launcher.findProgram(QString::fromLatin1(tool));
        if (!path.isEmpty())
            return path;
    }
    return std::nullopt;
}

} // namespace app
