#include "app/DiagnosticLog.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <iterator>

namespace {

constexpr int kTwoChipModelCodes[] = {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410};

struct OsRow {
    int platform;
    int major; // -1: any
    int minor; // -1: any
    bool needsExtended;
    OsName name;
};

// Read in order; the first row that fits names the system. A system of the
// NT family at 4 or lower is matched before the rows below it.
// clang-format off
const OsRow kOsRows[] = {
    {OsVersionReport::kWindows9x, 4,  0,  false, {"Windows95",   1}},
    {OsVersionReport::kWindows9x, 4,  10, false, {"Windows98",   2}},
    {OsVersionReport::kWindows9x, 4,  90, false, {"WindowsME",   3}},
    {OsVersionReport::kWindowsNt, 5,  0,  false, {"Windows2000", 5}},
    {OsVersionReport::kWindowsNt, -1, -1, true,  {"WindowsXP",   6}},
};
// clang-format on
constexpr OsName kUnknownOs = {"???", 0};
constexpr OsName kWindowsNt = {"WindowsNT", 4};

constexpr char kFailedToGetInformation[] = "Failed to get information\n";

std::string Printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(&text[0], text.size(), format, again);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(again);
    return text;
}

std::string VersionBlock(const DeviceConfig& device)
{
    if (HasTwoChipVersionBlocks(device.m_modelCode)) {
        const DeviceVersion& a = device.m_chipVersion1;
        const DeviceVersion& b = device.m_chipVersion2;
        return Printf("Device Version 01: %d.%d\nSecondary Version Type 01: %d\nSecondary Version 01: %d\n"
                      "Device Version 02: %d.%d\nSecondary Version Type 02: %d\nSecondary Version 02: %d\n\n",
                      a.major, a.minor, a.kind, a.build, b.major, b.minor, b.kind, b.build);
    }
    const DeviceVersion& v = device.m_firmwareVersion;
    return Printf("Device Version: %d.%d\nSecondary Version Type: %d\nSecondary Version: %d\n\n", v.major, v.minor,
                  v.kind, v.build);
}

} // namespace

bool HasTwoChipVersionBlocks(int modelCode)
{
    return std::find(std::begin(kTwoChipModelCodes), std::end(kTwoChipModelCodes), modelCode) !=
           std::end(kTwoChipModelCodes);
}

OsName DiagnosticLogOsName(const OsVersionReport& report)
{
    if (report.platform == OsVersionReport::kWindowsNt && report.major <= 4)
        return kWindowsNt;
    for (const OsRow& row : kOsRows) {
        if (row.platform != report.platform)
            continue;
        if (row.major >= 0 && (row.major != report.major || row.minor != report.minor))
            continue;
        if (row.needsExtended && !report.extended)
            continue;
        return row.name;
    }
    return kUnknownOs;
}

std::string ComposeDiagnosticLog(const DiagnosticLogSubject& subject, DiagnosticLogProviders& providers)
{
    static const DeviceConfig kNoDevice;
    const DeviceConfig& device = subject.device ? *subject.device : kNoDevice;

    std::string log =
        Printf("[Manager Information]\nStatus: %s\nVersion: %d.%d%s\n\n[Device Information]\n"
               "Recognized: %d\nTarget Device: %04X\nUSB Status: %04X\nRecognized Device: %04X\n"
               "BD Address: %s\nHardwareVersion: %s\nDevice Name: %s\n%s[Windows Information]\n",
               providers.ToFileText(subject.statusLine).c_str(), 1, 3, "", subject.recognized,
               static_cast<unsigned>(subject.targetModelCode), static_cast<unsigned>(subject.usbStatus),
               static_cast<unsigned>(device.m_modelCode), providers.ToFileText(device.m_bdAddress).c_str(),
               providers.ToFileText(device.m_hardwareVersion).c_str(),
               providers.ToFileText(device.m_deviceName).c_str(), VersionBlock(device).c_str());

    OsVersionReport os;
    if (providers.QueryOsVersion(os)) {
        const OsName name = DiagnosticLogOsName(os);
        log += Printf("OS: %s\nOS Version: %d\nMajor Version: %d\nMinor Version: %d\nBuild Number: %d\n"
                      "CSD Version: %s\nWindows: %s\nApp Installed: %s\n\n[USB Information]\n",
                      name.name, name.code, os.major, os.minor, os.build, providers.ToFileText(os.servicePack).c_str(),
                      providers.RunsOn64BitWindows() ? "64bits" : "32bits", "64bit");
    } else {
        log += kFailedToGetInformation;
    }

    std::vector<std::string> ids;
    if (providers.ListUsbHardwareIds(ids)) {
        for (const std::string& id : ids)
            log += id + "\n";
    } else {
        log += kFailedToGetInformation;
    }
    return log;
}

std::string ToTextModeLineEnds(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::wstring DiagnosticLogFileName(const std::tm& localTime)
{
    wchar_t stamp[32] = {};
    if (std::wcsftime(stamp, 32, L"%Y%m%d%H%M%S", &localTime) == 0)
        stamp[0] = L'\0';
    return std::wstring(stamp) + L"_DiagnosticLog.hvlxlog";
}
