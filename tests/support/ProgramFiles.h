#pragma once
// The files of a Wine test program: the IMG folder beside it, where the manager keeps its
// configuration, archives and images, and whole files read and written through the system's own
// calls (a file another handle holds for writing without sharing reads as missing, as the manager
// finds it).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

inline std::wstring ImgFolder()
{
    wchar_t program[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring path(program, length);
    return path.substr(0, path.rfind(L'\\')) + L"\\IMG";
}

// The IMG folder made for a test when it is missing, and then taken away with
// whatever it holds (the manager also writes its configuration there when it
// closes), so that no later test program finds it.
class MadeImgFolder {
public:
    MadeImgFolder()
    {
        std::error_code error;
        m_made = std::filesystem::create_directory(std::filesystem::path(ImgFolder()), error);
    }
    ~MadeImgFolder()
    {
        std::error_code error;
        if (m_made)
            std::filesystem::remove_all(std::filesystem::path(ImgFolder()), error);
    }
    MadeImgFolder(const MadeImgFolder&) = delete;
    MadeImgFolder& operator=(const MadeImgFolder&) = delete;

    // The folder with its closing backslash, as the program names files in it.
    std::wstring Path() const { return ImgFolder() + L"\\"; }

private:
    bool m_made = false;
};

inline std::wstring ConfigurationFilePath()
{
    return ImgFolder() + L"\\QuorBluetoothDeviceManager.hvlxconf";
}

// The file's bytes; "<missing>" when it cannot be opened for reading.
inline std::string ReadFileBytes(const std::filesystem::path& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    ::CloseHandle(file);
    return bytes;
}

// Creates or replaces the file with the bytes; false when it cannot, for callers
// that decide themselves what a failed write means.
inline bool WriteWholeFile(const std::filesystem::path& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole =
        bytes.empty() || (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size());
    ::CloseHandle(file);
    return whole;
}

// The file made anew with the bytes; a file that cannot be made fails the test.
inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path.wstring();
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    EXPECT_EQ(bytes.size(), written);
}

inline bool FileExists(const std::filesystem::path& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
