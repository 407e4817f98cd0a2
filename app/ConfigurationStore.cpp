#include "app/ConfigurationStore.h"

#include <windows.h>

#include "app/AppBounds.h"
#include "app/ConfigurationFile.h"

namespace {

const DWORD kProgramPathCapacity = 260;
const char kTemporarySuffix[] = ".new";

std::wstring FolderOf(const std::wstring& path)
{
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::wstring ProgramModulePath()
{
    wchar_t program[kProgramPathCapacity] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, program, kProgramPathCapacity);
    if (length == 0 || length >= kProgramPathCapacity)
        return std::wstring();
    return std::wstring(program, length);
}

std::wstring ProgramConfigurationPath()
{
    const std::wstring program = ProgramModulePath();
    return program.empty() ? std::wstring() : ConfigurationFilePath(program);
}

bool ReadConfigurationFile(const std::wstring& path, std::string& bytes)
{
    bytes.clear();
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char chunk[1024];
    bool ok = true;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        if (got > kConfigurationFileMaxBytes - bytes.size()) {
            ok = false;
            break;
        }
        bytes.append(chunk, got);
    }
    ::CloseHandle(file);
    if (!ok)
        bytes.clear();
    return ok;
}

ConfigurationWrite WriteConfigurationFile(const std::wstring& path, const std::string& bytes)
{
    const std::wstring folder = FolderOf(path);
    if (folder.empty() || !IsFolder(folder))
        return ConfigurationWrite::NoFolder;

    std::wstring temporary = path;
    for (const char* c = kTemporarySuffix; *c; ++c)
        temporary += static_cast<wchar_t>(*c);
    HANDLE file =
        ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ConfigurationWrite::WriteFailed;
    DWORD written = 0;
    const bool filled = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size() && ::FlushFileBuffers(file);
    const bool closed = ::CloseHandle(file) != FALSE;
    if (!filled || !closed) {
        ::DeleteFileW(temporary.c_str());
        return ConfigurationWrite::WriteFailed;
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temporary.c_str());
        return ConfigurationWrite::ReplaceFailed;
    }
    return ConfigurationWrite::Written;
}
