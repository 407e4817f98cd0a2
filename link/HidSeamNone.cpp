#include "link/HidDeviceSeam.h"

namespace {

// Hosts without a HID stack see no interface at all.
class NoHidDevices final : public HidDeviceSeam {
public:
    std::vector<HidInterfaceInfo> EnumerateInterfaces() override { return {}; }
    HidHandle Open(const std::wstring&) override { return nullptr; }
    void Close(HidHandle) override {}
    bool Write(HidHandle, const unsigned char*, std::size_t, unsigned) override { return false; }
    bool Read(HidHandle, unsigned char*, std::size_t, unsigned) override { return false; }
    void Flush(HidHandle) override {}
};

} // namespace

HidDeviceSeam& PlatformHidDeviceSeam()
{
    static NoHidDevices seam;
    return seam;
}
