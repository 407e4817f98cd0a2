#include "firmware/FirmwareFiles.h"

#include <windows.h>

#include <io.h>

// The C runtime's rename refuses an existing target; this replaces it in one
// step and returns only once the move is on the disk.
bool ReplaceFirmwareFile(const std::wstring& from, const std::wstring& to)
{
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

std::wstring RunningProgramPath()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(path, length);
}

bool FlushFirmwareFileToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}
