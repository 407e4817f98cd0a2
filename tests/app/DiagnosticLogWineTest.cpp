// The diagnostic log from the running system, written to disk.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "app/DiagnosticLogWin32.h"
#include "tests/support/ProgramFiles.h"
#include "tests/support/UsbPlanting.h"

namespace {

std::wstring TempFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"quor-diaglog-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DiagnosticLogWine, TheFileHoldsTheComposedTextOfTheSystemsOwnValues)
{
    PlantedUsbDevices usb;
    ASSERT_TRUE(
        usb.Plant(L"VID_2B4E&PID_2011", L"diaglog1", {L"USB\\VID_2B4E&PID_2011&REV_0100", L"USB\\VID_2B4E&PID_2011"}));
    SystemDiagnosticLogProviders system;
    std::vector<std::string> ids;
    ASSERT_TRUE(system.ListUsbHardwareIds(ids));
    EXPECT_NE(std::find(ids.begin(), ids.end(), "USB\\VID_2B4E&PID_2011&REV_0100"), ids.end());

    OsVersionReport os;
    ASSERT_TRUE(system.QueryOsVersion(os));
    EXPECT_TRUE(os.extended);
    EXPECT_EQ(os.platform, OsVersionReport::kWindowsNt);
#ifdef _WIN64
    EXPECT_TRUE(system.RunsOn64BitWindows());
#endif

    DeviceConfig device;
    device.m_modelCode = 0x4D10;
    device.m_deviceName = L"Zenta 100%";
    DiagnosticLogSubject subject;
    subject.statusLine = L"Ready for DEVICE SETTING";
    subject.device = &device;
    const std::string text = ComposeDiagnosticLog(subject, system);
    EXPECT_NE(text.find("OS: WindowsXP\nOS Version: 6\n"), std::string::npos);
    EXPECT_NE(text.find("App Installed: 64bit\n\n[USB Information]\n"), std::string::npos);
    EXPECT_NE(text.find("USB\\VID_2B4E&PID_2011&REV_0100\n"), std::string::npos);

    const std::wstring folder = TempFolder();
    const std::wstring path = folder + L"20240308140509_DiagnosticLog.hvlxlog";
    ASSERT_TRUE(WriteDiagnosticLogFile(path, text));
    const std::string stored = ReadAll(path);
    EXPECT_EQ(stored, ToTextModeLineEnds(text));
    EXPECT_NE(stored.find("Device Name: Zenta 100%\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists(path + L".part"));

    // A second log over the first replaces it whole.
    ASSERT_TRUE(WriteDiagnosticLogFile(path, "short\n"));
    EXPECT_EQ(ReadAll(path), "short\r\n");
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(DiagnosticLogWine, AFileThatCannotBeCreatedLeavesNothing)
{
    const std::wstring folder = TempFolder();
    const std::wstring path = folder + L"missing\\log.hvlxlog";
    EXPECT_FALSE(WriteDiagnosticLogFile(path, "text\n"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(FileExists(path + L".part"));

    // A target that is a folder: the write fails and the temporary file goes.
    const std::wstring blocked = folder + L"blocked.hvlxlog";
    ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
    EXPECT_FALSE(WriteDiagnosticLogFile(blocked, "text\n"));
    EXPECT_FALSE(FileExists(blocked + L".part"));
    RemoveDirectoryW(blocked.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
