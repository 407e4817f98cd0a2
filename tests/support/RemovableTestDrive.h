#pragma once
// A removable drive for a Wine test: Wine's mount manager defines a free drive
// letter on a Unix folder with a chosen drive type at run time (the same
// request its configuration tool sends), so the test needs no prefix restart.
// The letter is given back and the folder removed when the object goes.
#include <windows.h>

#include <winioctl.h>

#include <string>
#include <vector>

#include "tests/support/WineHost.h"
#include "tests/support/ProgramFiles.h"

class RemovableTestDrive {
public:
    // Folder: its name under the temporary folder.
    explicit RemovableTestDrive(const std::wstring& folder)
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + folder;
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    ~RemovableTestDrive()
    {
        if (m_letter != 0)
            DefineUnixDrive(m_letter, DRIVE_NO_ROOT_DIR, "");
        // Whatever the test or the program left in the drive goes with it.
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((m_folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    ::DeleteFileW((m_folder + L"\\" + found.cFileName).c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(m_folder.c_str());
    }
    RemovableTestDrive(const RemovableTestDrive&) = delete;
    RemovableTestDrive& operator=(const RemovableTestDrive&) = delete;

    // Defines the first free letter from R to W on the folder; an empty reason
    // when it did, else why not (the test then skips).
    std::string Define()
    {
        const std::string unix = UnixPathOf(m_folder);
        if (unix.empty())
            return "not running under Wine";
        for (wchar_t letter = L'R'; letter <= L'W'; ++letter) {
            const std::wstring root = std::wstring(1, letter) + L":\\";
            if (::GetDriveTypeW(root.c_str()) != DRIVE_NO_ROOT_DIR)
                continue;
            if (DefineUnixDrive(letter, DRIVE_REMOVABLE, unix)) {
                m_letter = letter;
                return std::string();
            }
        }
        return "Wine's mount manager defines no drive here";
    }
    // A file of this name in the drive's root, empty unless bytes are given.
    bool PutFile(const std::wstring& name, const std::string& bytes = std::string())
    {
        return WriteWholeFile(m_folder + L"\\" + name, bytes);
    }
    // The bytes of a file in the drive's folder; "<missing>" when there is none.
    std::string ReadFile(const std::wstring& name) const { return ReadFileBytes(m_folder + L"\\" + name); }
    // The drive's folder as the test program sees it (not through the letter).
    const std::wstring& Folder() const { return m_folder; }
    std::wstring Root() const { return std::wstring(1, m_letter) + L":\\"; }

private:
    static constexpr DWORD kMountMgrDefineUnixDrive =
        CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

    struct UnixDriveRequest {
        ULONG size;
        ULONG type;
        ULONG fsType;
        DWORD serial;
        ULONGLONG unixDev;
        WCHAR letter;
        USHORT mountPoint;
        USHORT device;
        USHORT label;
    };

    static bool DefineUnixDrive(wchar_t letter, UINT type, const std::string& unixPath)
    {
        std::vector<char> buffer(sizeof(UnixDriveRequest) + unixPath.size() + 1, 0);
        auto* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
        request->size = static_cast<ULONG>(buffer.size());
        request->type = type;
        request->letter = static_cast<WCHAR>(towlower(letter));
        if (!unixPath.empty()) {
            request->mountPoint = sizeof(UnixDriveRequest);
            unixPath.copy(buffer.data() + sizeof(UnixDriveRequest), unixPath.size());
        }
        HANDLE mgr = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (mgr == INVALID_HANDLE_VALUE)
            return false;
        DWORD returned = 0;
        const BOOL ok = ::DeviceIoControl(mgr, kMountMgrDefineUnixDrive, buffer.data(),
                                          static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
        ::CloseHandle(mgr);
        return ok != FALSE;
    }

    std::wstring m_folder;
    wchar_t m_letter = 0;
};
