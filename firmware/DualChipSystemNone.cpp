#include "firmware/DualChipWorker.h"

namespace {

// A host without the D2XX library or a program file: the worker finds no
// folder, and the converter never opens.
class NoDualChipSystem final : public DualChipSystemSeam {
public:
    bool ProgramFolder(std::wstring&) override { return false; }
    ComPortLookup LookUpComPort(int& port) override
    {
        port = -1;
        return ComPortLookup::kOpenFailed;
    }
    std::wstring RunFlashLoader(const std::wstring&) override { return FlashLoaderStartLine(false); }
};

} // namespace

DualChipSystemSeam& PlatformDualChipSystemSeam()
{
    static NoDualChipSystem none;
    return none;
}
