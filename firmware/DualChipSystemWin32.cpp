#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareWait.h"
#include "firmware/FlashLoaderWin32.h"

namespace {

class SystemDualChip final : public DualChipSystemSeam {
public:
    bool ProgramFolder(std::wstring& folder) override { return ::ProgramFolder(RunningProgramPath(), folder); }
    ComPortLookup LookUpComPort(int& port) override { return LookUpFlashLoaderComPort(port); }
    std::wstring RunFlashLoader(const std::wstring& commandLine) override
    {
        return RunProcessCaptureOutput(commandLine, ScaledFirmwareWaitMs(kFlashLoaderRunLimitMs));
    }
};

} // namespace

DualChipSystemSeam& PlatformDualChipSystemSeam()
{
    static SystemDualChip system;
    return system;
}
