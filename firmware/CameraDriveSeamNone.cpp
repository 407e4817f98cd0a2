#include "firmware/CameraDriveSeam.h"

namespace {

// A host without drive letters: no card is ever found.
class NoDrives final : public CameraDriveSeam {
public:
    unsigned LogicalDrives() override { return 0; }
    bool IsRemovable(const std::wstring&) override { return false; }
    bool Exists(const std::wstring&) override { return false; }
    bool ReadJoinedLines(const std::wstring&, std::wstring&) override { return false; }
    WriteResult WriteNew(const std::wstring&, const std::uint8_t*, std::size_t) override
    {
        return WriteResult::kNotCreated;
    }
    bool Rename(const std::wstring&, const std::wstring&) override { return false; }
    bool ReadBytes(const std::wstring&, std::vector<std::uint8_t>&) override { return false; }
    long long FileSize(const std::wstring&) override { return -1; }
    void Remove(const std::wstring&) override {}
};

} // namespace

CameraDriveSeam& PlatformCameraDriveSeam()
{
    static NoDrives none;
    return none;
}
