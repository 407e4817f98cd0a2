#pragma once
// Whole files of a Wine test, written and read through the system's own calls.
#include <windows.h>

#include <string>

// Creates or replaces the file with the bytes; false when it cannot.
inline bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole =
        bytes.empty() ||
        (::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
    ::CloseHandle(f);
    return whole;
}

// The file's bytes; "<missing>" when it cannot be opened.
inline std::string ReadWholeFile(const std::wstring& path)
{
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0)
        bytes.append(buffer, n);
    ::CloseHandle(f);
    return bytes;
}
