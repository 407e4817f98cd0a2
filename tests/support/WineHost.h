#pragma once
// Helpers for test programs that run under Wine and need the host side.
#include <windows.h>

#include <string>

// The Unix path of a Windows path, through Wine's own export; empty when not
// running under Wine.
inline std::string UnixPathOf(const std::wstring& windowsPath)
{
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr)
        return {};
    char* unix = toUnix(windowsPath.c_str());
    if (unix == nullptr)
        return {};
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}
