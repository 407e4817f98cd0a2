#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/UsbScan.h"
#include "tests/support/RemovableTestDrive.h"

namespace {

class RemovableDriveWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string skip = drive.Define();
        if (!skip.empty())
            GTEST_SKIP() << skip;
    }
    RemovableTestDrive drive{L"quor_camera_drive"};
};

TEST_F(RemovableDriveWine, FindsTheRemovableDriveHoldingTheMarkerFile)
{
    const std::wstring root = drive.Root();
    ASSERT_EQ(GetDriveTypeW(root.c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
    std::wstring found = L"none";
    EXPECT_FALSE(FindRemovableDriveWithFile(L"lensa.bin", &found));
    EXPECT_EQ(found, L"none");

    ASSERT_TRUE(drive.PutFile(L"lensa.bin"));
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
