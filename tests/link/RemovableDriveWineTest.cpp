#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/UsbScan.h"
#include "tests/support/WineHost.h"

namespace {

// Wine's mount manager defines a drive letter on a Unix folder with a chosen
// drive type at run time (the same request its configuration tool sends), so
// the test needs no prefix restart.
constexpr DWORD kMountMgrDefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

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

bool DefineUnixDrive(wchar_t letter, UINT type, const std::string& unixPath)
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
    HANDLE mgr = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (mgr == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(mgr, kMountMgrDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
                                    nullptr, 0, &returned, nullptr);
    CloseHandle(mgr);
    return ok != FALSE;
}

class RemovableDriveWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"quor_camera_drive";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        const std::string unix = UnixPathOf(m_folder);
        if (unix.empty())
            GTEST_SKIP() << "not running under Wine";
        for (wchar_t letter = L'R'; letter <= L'W'; ++letter) {
            const std::wstring root = std::wstring(1, letter) + L":\\";
            if (GetDriveTypeW(root.c_str()) != DRIVE_NO_ROOT_DIR)
                continue;
            if (DefineUnixDrive(letter, DRIVE_REMOVABLE, unix)) {
                m_letter = letter;
                break;
            }
        }
        if (m_letter == 0)
            GTEST_SKIP() << "Wine's mount manager defines no drive here";
    }
    void TearDown() override
    {
        if (m_letter != 0)
            DefineUnixDrive(m_letter, DRIVE_NO_ROOT_DIR, "");
        DeleteFileW((m_folder + L"\\lensa.bin").c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring m_folder;
    wchar_t m_letter = 0;
};

TEST_F(RemovableDriveWine, FindsTheRemovableDriveHoldingTheMarkerFile)
{
    const std::wstring root = std::wstring(1, m_letter) + L":\\";
    ASSERT_EQ(GetDriveTypeW(root.c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
    std::wstring found = L"none";
    EXPECT_FALSE(FindRemovableDriveWithFile(L"lensa.bin", &found));
    EXPECT_EQ(found, L"none");

    HANDLE f = CreateFileW((m_folder + L"\\lensa.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    CloseHandle(f);
    EXPECT_TRUE(FindRemovableDriveWithFile(L"lensa.bin", &found));
    EXPECT_EQ(found, root);
    // A fixed drive with the file does not count: C: holds no marker, and a
    // folder of that name is not the file.
    EXPECT_FALSE(FindRemovableDriveWithFile(L"windows", nullptr));
}

TEST(RemovableDriveErrorMode, TheProbeLeavesTheThreadsErrorModeAsItFoundIt)
{
    for (DWORD mode : {DWORD{0}, DWORD{SEM_NOGPFAULTERRORBOX}}) {
        DWORD previous = 0;
        ASSERT_TRUE(SetThreadErrorMode(mode, &previous));
        FindRemovableDriveWithFile(L"lensa.bin", nullptr);
        EXPECT_EQ(GetThreadErrorMode(), mode);
        SetThreadErrorMode(previous, nullptr);
    }
}

} // namespace
