// Finding the system information tool: on Windows where the registry says it is, elsewhere one of the
// comparable tools a Linux desktop may have installed.
#pragma once

#include "app/launcher.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace app {

// The values under HKEY_LOCAL_MACHINE, the only part of the Windows registry the program reads. A seam,
// so that the lookup is built and tested on every platform.
class Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray data; // the whole buffer the value was read into
    };
    static constexpr qsizetype kValueBufferSize = 1024;
    static constexpr std::uint32_t kTextType = 1; // REG_SZ

    virtual ~Registry() = default;
    // Opens the key, reads the value into a buffer of kValueBufferSize zero bytes and closes the key;
    // nothing when the key cannot be opened or the value cannot be read.
    virtual std::optional<Value> read(const QString& key, const QString& valueName) const = 0;
};

// Machines without a registry.
class NoRegistry final : public Registry {
public:
    std::optional<Value> read(const QString&, const QString&) const override { return std::nullopt; }
};

// A text value, cut at its first zero byte. A value of another type counts as not found.
std::optional<QString> getKeyValue(const Registry& registry, const QString& key, const QString& valueName);

// The tool to start: the path the registry gives, else MSINFO32.EXE in the shared tools folder it
// names when the file is there, else the first known desktop tool installed; nothing when there is none.
std::optional<QString> systemInfoProgram(const Registry& registry, const Launcher& launcher);

} // namespace app
