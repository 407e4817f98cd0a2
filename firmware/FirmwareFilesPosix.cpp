#include "firmware/FirmwareFiles.h"

#include <unistd.h>

// POSIX rename replaces the target in one step.
bool ReplaceFirmwareFile(const std::wstring& from, const std::wstring& to)
{
    return std::rename(Utf8Path(from).c_str(), Utf8Path(to).c_str()) == 0;
}

std::wstring RunningProgramPath()
{
    return std::wstring();
}

bool FlushFirmwareFileToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}
