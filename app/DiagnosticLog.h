#pragma once
// The diagnostic log that users save for the maker's support: the manager's
// status, the targeted and recognised unit with its versions, the Windows that
// runs the manager and the hardware ids of every USB device present. Composed
// here from injected providers, so the text is tested natively byte for byte;
// DiagnosticLogWin32.cpp supplies the system's own values.

#include "device/DeviceConfig.h"

#include <ctime>
#include <string>
#include <vector>

// What the system's version query reported.
struct OsVersionReport {
    enum Platform { kWindows9x = 1, kWindowsNt = 2 };
    int platform = 0;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::wstring servicePack;
    bool extended = false; // the extended query answered (not only the basic one)
};

class DiagnosticLogProviders {
public:
    virtual ~DiagnosticLogProviders() = default;
    // False when neither the extended nor the basic query answered.
    virtual bool QueryOsVersion(OsVersionReport& report) = 0;
    // True when the manager runs in a 64-bit process or as a 32-bit process on 64-bit Windows.
    virtual bool RunsOn64BitWindows() = 0;
    // The first hardware id of every present USB device, as 8-bit text; false
    // when the device list cannot be had.
    virtual bool ListUsbHardwareIds(std::vector<std::string>& ids) = 0;
    // A wide text in the file's 8-bit code page.
    virtual std::string ToFileText(const std::wstring& text) = 0;
};

// The manager's view at the moment of the request.
struct DiagnosticLogSubject {
    std::wstring statusLine;
    int recognized = 0;
    int targetModelCode = 0;
    int usbStatus = 0;
    const DeviceConfig* device = nullptr;
};

// The OS name and code of the log's table.
struct OsName {
    const char* name;
    int code;
};
OsName DiagnosticLogOsName(const OsVersionReport& report);

// The models that carry two chips and so report two version blocks.
bool HasTwoChipVersionBlocks(int modelCode);

// The file's text with "\n" line ends.
std::string ComposeDiagnosticLog(const DiagnosticLogSubject& subject, DiagnosticLogProviders& providers);

// As stored by a text-mode write: every "\n" becomes CR LF.
std::string ToTextModeLineEnds(const std::string& text);

// "YYYYMMDDhhmmss_DiagnosticLog.hvlxlog" for the local time of the request.
std::wstring DiagnosticLogFileName(const std::tm& localTime);
