// The Windows registry itself.
#pragma once

#include "app/system_info.h"

namespace app {

class Win32Registry final : public seams::Registry {
public:
    std::optional<Value> read(const QString& key, const QString& valueName) const override;
};

} // namespace app
