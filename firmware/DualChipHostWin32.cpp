#include <windows.h>

#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareWait.h"
#include "firmware/FlashLoaderWin32.h"

bool DualChipProgramFolder(std::wstring& folder)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return false;
    return ::ProgramFolder(std::wstring(path, n), folder);
}

ComPortLookup DualChipComPort(int& port)
{
    return LookUpFlashLoaderComPort(port);
}

std::wstring DualChipRunFlashLoader(const std::wstring& commandLine)
{
    return RunProcessCaptureOutput(commandLine, ScaledFirmwareWaitMs(kFlashLoaderRunLimitMs));
}

bool BoundDualChipHost::ProgramFolder(std::wstring& folder)
{
    return DualChipProgramFolder(folder);
}

ComPortLookup BoundDualChipHost::LookUpComPort(int& port)
{
    return DualChipComPort(port);
}

std::wstring BoundDualChipHost::RunFlashLoader(const std::wstring& commandLine)
{
    return DualChipRunFlashLoader(commandLine);
}
