#include <gtest/gtest.h>

#include "app/DiagnosticLog.h"

#include <string>
#include <vector>

namespace {

class FakeProviders : public DiagnosticLogProviders {
public:
    bool osAnswers = true;
    OsVersionReport os;
    bool wow64 = false;
    bool usbAnswers = true;
    std::vector<std::string> ids;

    bool QueryOsVersion(OsVersionReport& report) override
    {
        if (osAnswers)
            report = os;
        return osAnswers;
    }
    bool RunsOn64BitWindows() override { return wow64; }
    bool ListUsbHardwareIds(std::vector<std::string>& out) override
    {
        if (usbAnswers)
            out = ids;
        return usbAnswers;
    }
    // Latin-1 stand-in for the user's code page; others become "?".
    std::string ToFileText(const std::wstring& text) override
    {
        std::string out;
        for (wchar_t c : text)
            out += c < 256 ? static_cast<char>(c) : '?';
        return out;
    }
};

const char kWindows10Block[] = "OS: WindowsXP\nOS Version: 6\nMajor Version: 10\nMinor Version: 0\n"
                               "Build Number: 19045\nCSD Version: \nWindows: 64bits\nApp Installed: 64bit\n\n"
                               "[USB Information]\n";

FakeProviders Windows10()
{
    FakeProviders p;
    p.os.platform = OsVersionReport::kWindowsNt;
    p.os.major = 10;
    p.os.minor = 0;
    p.os.build = 19045;
    p.os.extended = true;
    p.wow64 = true;
    p.ids = {"USB\\VID_1D6B&PID_0002&REV_0515", "USB\\VID_0A12&PID_0001&REV_8891"};
    return p;
}

TEST(DiagnosticLog, BeforeAnyRecognitionTheDeviceLinesAreEmptyAndZero)
{
    FakeProviders providers = Windows10();
    DiagnosticLogSubject subject;
    subject.statusLine = L"Press NEXT to proceed.";
    subject.targetModelCode = 0x4D10;
    DeviceConfig device;
    subject.device = &device;
    EXPECT_EQ(ComposeDiagnosticLog(subject, providers),
              std::string("[Manager Information]\nStatus: Press NEXT to proceed.\nVersion: 1.3\n\n"
                          "[Device Information]\nRecognized: 0\nTarget Device: 4D10\nUSB Status: 0000\n"
                          "Recognized Device: 0000\nBD Address: \nHardwareVersion: \nDevice Name: \n"
                          "Device Version: 0.0\nSecondary Version Type: 0\nSecondary Version: 0\n\n"
                          "[Windows Information]\n") +
                  kWindows10Block + "USB\\VID_1D6B&PID_0002&REV_0515\nUSB\\VID_0A12&PID_0001&REV_8891\n");
}

TEST(DiagnosticLog, SingleAndTwoChipVersionBlocks)
{
    FakeProviders providers = Windows10();
    providers.ids.clear();
    DeviceConfig device;
    device.m_bdAddress = L"001A7D2C9BD2";
    device.m_hardwareVersion = L"1.1";
    device.m_deviceName = L"Zentä 100%s";
    device.m_firmwareVersion = {4, 1, 2, 7, 9};
    device.m_chipVersion1 = {1, 2, 2, 7, 0};
    device.m_chipVersion2 = {3, 4, 1, 5, 0};
    DiagnosticLogSubject subject;
    subject.statusLine = L"100% done";
    subject.recognized = 1;
    subject.targetModelCode = 0x4D10;
    subject.usbStatus = 0xA010;
    subject.device = &device;

    const std::string head = "[Manager Information]\nStatus: 100% done\nVersion: 1.3\n\n[Device Information]\n"
                             "Recognized: 1\nTarget Device: 4D10\nUSB Status: A010\n";
    const std::string lines = "BD Address: 001A7D2C9BD2\nHardwareVersion: 1.1\nDevice Name: Zent\xE4 100%s\n";

    device.m_modelCode = 0x4D10;
    EXPECT_EQ(ComposeDiagnosticLog(subject, providers),
              head + "Recognized Device: 4D10\n" + lines +
                  "Device Version: 4.1\nSecondary Version Type: 2\nSecondary Version: 7\n\n[Windows Information]\n" +
                  kWindows10Block);

    device.m_modelCode = 0x4210;
    EXPECT_EQ(ComposeDiagnosticLog(subject, providers),
              head + "Recognized Device: 4210\n" + lines +
                  "Device Version 01: 1.2\nSecondary Version Type 01: 2\nSecondary Version 01: 7\n"
                  "Device Version 02: 3.4\nSecondary Version Type 02: 1\nSecondary Version 02: 5\n\n"
                  "[Windows Information]\n" +
                  kWindows10Block);
}

TEST(DiagnosticLog, TwoChipModels)
{
    for (int model : {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410})
        EXPECT_TRUE(HasTwoChipVersionBlocks(model)) << std::hex << model;
    for (int model : {0x4D10, 0x3020, 0x5345, 0, 0x4211})
        EXPECT_FALSE(HasTwoChipVersionBlocks(model)) << std::hex << model;
}

TEST(DiagnosticLog, FailuresOfTheSystemQueriesAreWrittenInPlace)
{
    DeviceConfig device;
    DiagnosticLogSubject subject;
    subject.device = &device;
    const std::string piece1 = "[Manager Information]\nStatus: \nVersion: 1.3\n\n[Device Information]\n"
                               "Recognized: 0\nTarget Device: 0000\nUSB Status: 0000\nRecognized Device: 0000\n"
                               "BD Address: \nHardwareVersion: \nDevice Name: \nDevice Version: 0.0\n"
                               "Secondary Version Type: 0\nSecondary Version: 0\n\n[Windows Information]\n";

    FakeProviders noOs = Windows10();
    noOs.osAnswers = false;
    EXPECT_EQ(ComposeDiagnosticLog(subject, noOs),
              piece1 + "Failed to get information\nUSB\\VID_1D6B&PID_0002&REV_0515\nUSB\\VID_0A12&PID_0001&REV_8891\n");

    FakeProviders noUsb = Windows10();
    noUsb.usbAnswers = false;
    EXPECT_EQ(ComposeDiagnosticLog(subject, noUsb), piece1 + kWindows10Block + "Failed to get information\n");

    FakeProviders neither = Windows10();
    neither.osAnswers = false;
    neither.usbAnswers = false;
    EXPECT_EQ(ComposeDiagnosticLog(subject, neither),
              piece1 + "Failed to get information\nFailed to get information\n");

    // A null device reads as the empty record.
    subject.device = nullptr;
    EXPECT_EQ(ComposeDiagnosticLog(subject, neither),
              piece1 + "Failed to get information\nFailed to get information\n");
}

TEST(DiagnosticLog, WindowsLineAndServicePack)
{
    DeviceConfig device;
    DiagnosticLogSubject subject;
    subject.device = &device;
    FakeProviders xp;
    xp.os = {OsVersionReport::kWindowsNt, 5, 1, 2600, L"Service Pack 3", true};
    const std::string log = ComposeDiagnosticLog(subject, xp);
    EXPECT_NE(log.find("OS: WindowsXP\nOS Version: 6\nMajor Version: 5\nMinor Version: 1\nBuild Number: 2600\n"
                       "CSD Version: Service Pack 3\nWindows: 32bits\nApp Installed: 64bit\n\n[USB Information]\n"),
              std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 18), "[USB Information]\n");
}

TEST(DiagnosticLog, OsTable)
{
    struct Case {
        int platform, major, minor;
        bool extended;
        const char* name;
        int code;
    };
    // clang-format off
    const Case cases[] = {
        {OsVersionReport::kWindows9x, 4, 0,  false, "Windows95",   1},
        {OsVersionReport::kWindows9x, 4, 10, true,  "Windows98",   2},
        {OsVersionReport::kWindows9x, 4, 90, false, "WindowsME",   3},
        {OsVersionReport::kWindows9x, 4, 3,  true,  "???",         0},
        {OsVersionReport::kWindows9x, 5, 0,  true,  "???",         0},
        {OsVersionReport::kWindowsNt, 3, 51, false, "WindowsNT",   4},
        {OsVersionReport::kWindowsNt, 4, 0,  true,  "WindowsNT",   4},
        {OsVersionReport::kWindowsNt, 5, 0,  false, "Windows2000", 5},
        {OsVersionReport::kWindowsNt, 5, 1,  true,  "WindowsXP",   6},
        {OsVersionReport::kWindowsNt, 6, 1,  true,  "WindowsXP",   6},
        {OsVersionReport::kWindowsNt, 10, 0, true,  "WindowsXP",   6},
        {OsVersionReport::kWindowsNt, 10, 0, false, "???",         0},
        {0,                           10, 0, true,  "???",         0},
        {3,                           10, 0, true,  "???",         0},
    };
    // clang-format on
    for (const Case& c : cases) {
        OsVersionReport report;
        report.platform = c.platform;
        report.major = c.major;
        report.minor = c.minor;
        report.extended = c.extended;
        const OsName name = DiagnosticLogOsName(report);
        EXPECT_STREQ(name.name, c.name) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(name.code, c.code) << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(DiagnosticLog, TextModeLineEndsAndFileName)
{
    EXPECT_EQ(ToTextModeLineEnds("a\nb\n\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(ToTextModeLineEnds(""), "");
    std::tm at = {};
    at.tm_year = 2024 - 1900;
    at.tm_mon = 2;
    at.tm_mday = 8;
    at.tm_hour = 14;
    at.tm_min = 5;
    at.tm_sec = 9;
    EXPECT_EQ(DiagnosticLogFileName(at), L"20240308140509_DiagnosticLog.hvlxlog");
}

} // namespace
