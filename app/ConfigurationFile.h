#pragma once
// The manager's six preferences and their file "IMG\QuorBluetoothDeviceManager.hvlxconf"
// beside the program: key=value lines of 8-bit text in the user's code page
// (through the C runtime locale), written with CR LF, read with LF or CR LF.

#include <string>

struct ManagerPreferences {
    std::wstring managerVersionText = L"v0.0";
    int uiLanguage = 0;
    int applyToFirmwareLanguage = 1;
    int modelCode = 0;
    std::wstring firmwareLanguage = L"English";
    std::wstring currentPath;
};

extern const wchar_t kConfigurationFolder[];
extern const wchar_t kConfigurationFileName[];

// The file's path for the full path of the running program: its folder (cut
// after the last backslash), "IMG", "\" and the file name. Empty when the
// program's path has no backslash.
std::wstring ConfigurationFilePath(const std::wstring& programPath);

// Reads every line of the file's text into prefs: a line without "=" or that
// begins with it is skipped, keys are case-sensitive, key and value are
// trimmed, a key that stands twice takes its last value, unknown keys are ignored.
void ReadConfigurationText(const std::wstring& text, ManagerPreferences& prefs);

// The file's lines in their order, each ending in CR LF.
std::wstring WriteConfigurationText(const ManagerPreferences& prefs);

// Whole-file conversions through the C runtime locale. The file is decoded in
// one piece, so no character is ever split; a byte sequence the code page does
// not know reads as U+FFFD, and a character it cannot hold is written as "?".
std::wstring DecodeLocaleText(const std::string& bytes);
std::string EncodeLocaleText(const std::wstring& text);
