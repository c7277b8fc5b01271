#include "app/win32_registry.h"

#include <windows.h>

namespace app {

std::optional<seams::Registry::Value> Win32Registry::read(const QString& key, const QString& valueName) const
{
    // Read access only: a user without administrator rights cannot open a machine key for writing,
    // and the lookup would then find nothing.
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.toLocal8Bit().constData(), 0, KEY_READ, &handle)
        != ERROR_SUCCESS)
        return std::nullopt;
    Value value {0, QByteArray(kValueBufferSize, '\0')};
    DWORD type = 0;
    DWORD size = kValueBufferSize;
    const LONG queried = RegQueryValueExA(handle, valueName.toLocal8Bit().constData(), nullptr, &type,
        reinterpret_cast<LPBYTE>(value.data.data()), &size);
    RegCloseKey(handle);
    if (queried != ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    return value;
}

} // namespace app
