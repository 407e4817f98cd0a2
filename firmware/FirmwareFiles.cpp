#include "firmware/FirmwareFiles.h"

#include <atomic>

#ifdef _WIN32
#include <share.h>
#endif

#ifndef _WIN32
std::string Utf8Path(const std::wstring& path)
{
    std::string bytes;
    for (wchar_t c : path) {
        const unsigned long code = static_cast<unsigned long>(c);
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}
#endif

namespace {

[[maybe_unused]] std::wstring WideMode(const char* mode)
{
    std::wstring wide;
    for (; *mode; ++mode)
        wide += static_cast<wchar_t>(*mode);
    return wide;
}

// Opened for reading with other writers shut out, so a half-written file is
// never read.
std::FILE* OpenDenyingWriters(const std::wstring& path)
{
#ifdef _WIN32
    return _wfsopen(path.c_str(), L"rb", _SH_DENYWR);
#else
    return std::fopen(Utf8Path(path).c_str(), "rb");
#endif
}

class HostFiles : public FirmwareFileSystem {
public:
    bool WriteNewFile(const std::wstring& path, const std::string& bytes) override
    {
        std::FILE* file = OpenFirmwareFile(path, "wb");
        if (!file)
            return false;
        bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        written = written && FlushFirmwareFileToDisk(file);
        return std::fclose(file) == 0 && written;
    }

    bool ReplaceFile(const std::wstring& from, const std::wstring& to) override
    {
        return ReplaceFirmwareFile(from, to);
    }

    void RemoveFile(const std::wstring& path) override
    {
#ifdef _WIN32
        _wremove(path.c_str());
#else
        std::remove(Utf8Path(path).c_str());
#endif
    }

    bool ReadWholeFile(const std::wstring& path, std::size_t cap, std::string& bytes) override
    {
        std::FILE* file = OpenDenyingWriters(path);
        if (!file)
            return false;
        bytes.clear();
        char chunk[1024];
        bool failed = false;
        for (;;) {
            const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
            if (got > cap - bytes.size()) {
                failed = true;
                break;
            }
            bytes.append(chunk, got);
            if (got < sizeof chunk) {
                failed = std::ferror(file) != 0;
                break;
            }
        }
        std::fclose(file);
        if (failed)
            bytes.clear();
        return !failed;
    }
};

} // namespace

std::FILE* OpenFirmwareFile(const std::wstring& path, const char* mode)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), WideMode(mode).c_str());
#else
    return std::fopen(Utf8Path(path).c_str(), mode);
#endif
}

bool ProgramFolder(const std::wstring& programPath, std::wstring& folder)
{
    // The system cuts a longer program path at 260 characters without saying so.
    constexpr std::size_t kProgramPathLimit = 260;
    if (programPath.empty() || programPath.size() >= kProgramPathLimit)
        return false;
    const std::size_t slash = programPath.rfind(L'\\');
    if (slash == std::wstring::npos)
        return false;
    folder = programPath.substr(0, slash + 1);
    return true;
}

bool ProgramImageFolder(const std::wstring& programPath, std::wstring& folder)
{
    if (!ProgramFolder(programPath, folder))
        return false;
    folder += L"IMG\\";
    return true;
}

namespace {

std::atomic<FirmwareFileSystem*> g_installedFiles{nullptr};

} // namespace

FirmwareFileSystem& MachineFileSystem()
{
    static HostFiles files;
    return files;
}

FirmwareFileSystem& HostFileSystem()
{
    FirmwareFileSystem* installed = g_installedFiles.load();
    return installed ? *installed : MachineFileSystem();
}

void SetHostFileSystem(FirmwareFileSystem* files)
{
    g_installedFiles = files;
}

bool MoveCameraPackageToCard(FirmwareFileSystem& files, const std::wstring& imageFolder, const std::wstring& cardRoot)
{
    const bool moved = files.ReplaceFile(imageFolder + kCameraPackageFirmwareFile, cardRoot + L"vek40_100.bin");
    files.RemoveFile(imageFolder + kCameraPackageBluetoothFile);
    return moved;
}
