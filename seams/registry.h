// The Windows registry, as far as the program reads it.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace seams {

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

} // namespace seams
