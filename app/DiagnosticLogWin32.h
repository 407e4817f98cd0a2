#pragma once
// The diagnostic log's values from the running system, and the writing of
// the file. Windows only.

#include "app/DiagnosticLog.h"

class SystemDiagnosticLogProviders : public DiagnosticLogProviders {
public:
    bool QueryOsVersion(OsVersionReport& report) override;
    bool RunsOn64BitWindows() override;
    bool ListUsbHardwareIds(std::vector<std::string>& ids) override;
    std::string ToFileText(const std::wstring& text) override;
};

// Writes the text with CR LF line ends into a temporary file beside path and
// then moves it over path, so a failed write leaves neither a half-written log
// nor a damaged older file. False when the file could not be written.
bool WriteDiagnosticLogFile(const std::wstring& path, const std::string& text);
