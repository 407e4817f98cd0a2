#pragma once
// The configuration file on disk: found beside the program, read whole, and
// written to a temporary file in its folder that then replaces the old one, so
// a failed write never leaves half a file behind.
#include <string>

// The running program's full path; empty when it cannot be had (or does not
// fit the 260 characters asked for).
std::wstring ProgramModulePath();

// The file's path beside the running program; empty when the program's path
// cannot be had (or does not fit the 260 characters asked for).
std::wstring ProgramConfigurationPath();

// The whole file, denying others write access while it is read. False when it
// cannot be opened or read, or holds more than kConfigurationFileMaxBytes.
bool ReadConfigurationFile(const std::wstring& path, std::string& bytes);

enum class ConfigurationWrite {
    Written,
    NoFolder,      // the "IMG" folder does not exist: nothing written, nothing to tell
    WriteFailed,   // the temporary file could not be made or filled; the old file stands
    ReplaceFailed, // the old file could not be replaced; it stands as it was
};

ConfigurationWrite WriteConfigurationFile(const std::wstring& path, const std::string& bytes);
