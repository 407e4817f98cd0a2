#include <gtest/gtest.h>

#include "link/ManagerUpdateList.h"

namespace {

struct ListCase {
    const char* what;
    const wchar_t* list;
    bool found;
    int major;
    int minor;
    int build;
    const wchar_t* installerFile;
    bool offered;
};

// clang-format off
const ListCase kListCases[] = {
    {"newer minor", L"QuorDeviceManager:v1.4:Setup.exe", true, 1, 4, 0, L"Setup.exe", true},
    {"same version with a build after it", L"QuorDeviceManager:v1.3:Setup.exe\nQuorDeviceManager:5", true, 1, 3, 5, L"Setup.exe", true},
    {"build before the version line", L"QuorDeviceManager:5\nQuorDeviceManager:v1.3:Setup.exe", true, 1, 3, 5, L"Setup.exe", true},
    {"same version alone", L"QuorDeviceManager:v1.3:Setup.exe", true, 1, 3, 0, L"Setup.exe", false},
    {"another name ends the list", L"QuorDeviceManager:v2.0:A.exe\nOtherTool:3\nQuorDeviceManager:7", true, 2, 0, 0, L"A.exe", true},
    {"another program only", L"OtherTool:v9.9:Other.exe", false, 1, 3, 0, L"Other.exe", false},
    {"CR LF endings", L"OtherTool:4\r\n QuorDeviceManager :v1.3 :Setup.exe\r\nQuorDeviceManager: 9\r\n", true, 1, 3, 9, L"Setup.exe", true},
    {"empty lines skipped", L"\n\nOtherTool:v9.9:Other.exe\n\n\nQuorDeviceManager:v1.5:New.exe\n\n\nQuorDeviceManager:2\n", true, 1, 5, 2, L"New.exe", true},
    {"no dot reads 0.0", L"QuorDeviceManager:v2:Setup.exe", true, 0, 0, 0, L"Setup.exe", false},
    {"older major", L"QuorDeviceManager:v0.9:Old.exe", true, 0, 9, 0, L"Old.exe", false},
    {"a build line alone offers nothing", L"QuorDeviceManager:5", false, 1, 3, 5, L"", false},
    {"build without digits", L"QuorDeviceManager:v1.3:Setup.exe\nQuorDeviceManager:beta", true, 1, 3, 0, L"Setup.exe", false},
    {"name compared with its case", L"quordevicemanager:v9.0:Setup.exe", false, 1, 3, 0, L"Setup.exe", false},
    {"colon first is no field", L":QuorDeviceManager:v9.0:Setup.exe", false, 1, 3, 0, L"", false},
    // The file keeps a third colon, which names a stream of a file "Setup": refused.
    {"file keeps a third colon", L"QuorDeviceManager:v1.4:Setup:1.exe", false, 1, 3, 0, L"Setup:1.exe", false},
    {"colons side by side are one", L"QuorDeviceManager::v1.4", false, 1, 3, 0, L"", false},
    {"a second version line of ours ends the list", L"QuorDeviceManager:v1.4:A.exe\nQuorDeviceManager:v1.5:B.exe", true, 1, 4, 0, L"A.exe", true},
    {"a line without colon after the match ends it", L"QuorDeviceManager:v1.4:A.exe\nrubbish\nQuorDeviceManager:3", true, 1, 4, 0, L"A.exe", true},
    {"empty list", L"", false, 1, 3, 0, L"", false},
    {"a lone line feed", L"\n", false, 1, 3, 0, L"", false},
    // Installer names that could leave the folder they are saved to or fetched from.
    {"empty installer name", L"QuorDeviceManager:v1.4:  \r", false, 1, 3, 0, L"", false},
    {"slash in the name", L"QuorDeviceManager:v1.4:x64/Setup.exe", false, 1, 3, 0, L"x64/Setup.exe", false},
    {"backslash in the name", L"QuorDeviceManager:v1.4:..\\Setup.exe", false, 1, 3, 0, L"..\\Setup.exe", false},
    {"dots in the name", L"QuorDeviceManager:v1.4:..", false, 1, 3, 0, L"..", false},
    {"a drive-relative name", L"QuorDeviceManager:v1.4:C:Setup.exe", false, 1, 3, 0, L"C:Setup.exe", false},
    {"a refused line is passed over", L"QuorDeviceManager:v1.4:a/b.exe\nQuorDeviceManager:v1.5:Good.exe", true, 1, 5, 0, L"Good.exe", true},
};
// clang-format on

TEST(ManagerUpdateList, ReadsTheListsEdgeCases)
{
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(c.what);
        const ManagerUpdateListEntry entry = ParseManagerUpdateList(c.list);
        EXPECT_EQ(entry.found, c.found);
        EXPECT_EQ(entry.major, c.major);
        EXPECT_EQ(entry.minor, c.minor);
        EXPECT_EQ(entry.build, c.build);
        EXPECT_EQ(entry.installerFile, c.installerFile);
        EXPECT_EQ(OffersManagerUpdate(entry), c.offered);
    }
}

TEST(ManagerUpdateList, HugeNumbersStayWithinAnInt)
{
    const ManagerUpdateListEntry entry =
        ParseManagerUpdateList(L"QuorDeviceManager:v99999999999999999999.1:A.exe\nQuorDeviceManager:-99999999999999");
    EXPECT_EQ(entry.major, 2147483647);
    EXPECT_EQ(entry.build, -2147483647 - 1);
    EXPECT_TRUE(OffersManagerUpdate(entry));
}

TEST(ManagerUpdateList, VersionOrder)
{
    struct Case {
        int major, minor, build, newer;
    };
    const Case cases[] = {
        {2, 0, 0, 1},   {1, 4, 0, 1},  {1, 3, 1, 1},  {1, 3, 0, 0},    {1, 2, 99, 0},
        {0, 99, 99, 0}, {-1, 9, 9, 0}, {1, 3, -1, 0}, {1, -4, 100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsManagerVersionNewer(c.major, c.minor, c.build), c.newer)
            << c.major << "." << c.minor << "." << c.build;
}

TEST(ManagerUpdateList, InstallerNames)
{
    EXPECT_TRUE(IsAcceptableInstallerFileName(L"QuorDeviceManagerSetup_v1.4.exe"));
    EXPECT_TRUE(IsAcceptableInstallerFileName(L"Setup.exe"));
    for (const wchar_t* refused : {L"", L"a/b.exe", L"a\\b.exe", L"..", L"x..exe", L"/Setup.exe", L"C:Setup.exe",
                                   L"C:\\x.exe", L"Setup.exe:hidden", L":"})
        EXPECT_FALSE(IsAcceptableInstallerFileName(refused)) << refused;
}

TEST(ManagerUpdateList, Addresses)
{
    EXPECT_EQ(ManagerUpdateListUrl(L"https://h/kelmobluetoothmanager/"),
              L"https://h/kelmobluetoothmanager/x64/Software");
    EXPECT_EQ(ManagerInstallerUrl(L"https://h/kelmobluetoothmanager/", L"Setup.exe"),
              L"https://h/kelmobluetoothmanager/Setup.exe");
}

} // namespace
