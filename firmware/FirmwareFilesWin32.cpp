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

bool FlushFirmwareFileToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}
