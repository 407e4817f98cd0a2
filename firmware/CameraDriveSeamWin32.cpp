#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "firmware/CameraDriveSeam.h"

namespace {

class SystemDrives final : public CameraDriveSeam {
public:
    unsigned LogicalDrives() override { return GetLogicalDrives(); }
    bool IsRemovable(const std::wstring& root) override { return GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE; }
    bool Exists(const std::wstring& path) override
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(path.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        FindClose(search);
        return true;
    }
    bool ReadJoinedLines(const std::wstring& path, std::wstring& joined) override
    {
        joined.clear();
        std::FILE* file = _wfopen(path.c_str(), L"rt");
        if (file == nullptr)
            return false;
        char line[512];
        std::string text;
        while (std::fgets(line, sizeof line, file) != nullptr) {
            std::string piece(line);
            while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r'))
                piece.pop_back();
            text += piece;
        }
        std::fclose(file);
        // The camera writes its version in plain ASCII digits and periods.
        joined.assign(text.begin(), text.end());
        return true;
    }
    WriteResult WriteNew(const std::wstring& path, const std::uint8_t* data, std::size_t length) override
    {
        std::FILE* file = _wfopen(path.c_str(), L"wb");
        if (file == nullptr)
            return WriteResult::kNotCreated;
        const std::size_t written = length == 0 ? 0 : std::fwrite(data, 1, length, file);
        const bool closed = std::fclose(file) == 0;
        return written == length && closed ? WriteResult::kWritten : WriteResult::kShort;
    }
    bool Rename(const std::wstring& from, const std::wstring& to) override
    {
        return MoveFileW(from.c_str(), to.c_str()) != FALSE;
    }
    bool ReadBytes(const std::wstring& path, std::vector<std::uint8_t>& bytes) override
    {
        bytes.clear();
        std::FILE* file = _wfopen(path.c_str(), L"rb");
        if (file == nullptr)
            return false;
        std::uint8_t block[1024];
        std::size_t n;
        while ((n = std::fread(block, 1, sizeof block, file)) > 0)
            bytes.insert(bytes.end(), block, block + n);
        std::fclose(file);
        return true;
    }
    long long FileSize(const std::wstring& path) override
    {
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return -1;
        LARGE_INTEGER size;
        const bool known = GetFileSizeEx(file, &size) != FALSE;
        CloseHandle(file);
        return known ? size.QuadPart : -1;
    }
    void Remove(const std::wstring& path) override { DeleteFileW(path.c_str()); }
};

} // namespace

CameraDriveSeam& PlatformCameraDriveSeam()
{
    static SystemDrives drives;
    return drives;
}
