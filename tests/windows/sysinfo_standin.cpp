// Stands in for the system information tool: leaves an empty file named "started" beside itself.
#include <cwchar>
#include <windows.h>

int main()
{
    wchar_t path[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    wchar_t* name = std::wcsrchr(path, L'\\');
    if (!name)
        return 1;
    std::wcscpy(name + 1, L"started");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(file);
    return 0;
}
