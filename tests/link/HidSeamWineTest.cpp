#include <windows.h>

#include <gtest/gtest.h>

#include "link/HidChannel.h"
#include "link/MakerUsb.h"

namespace {

TEST(HidSeamWine, EnumeratesThePresentInterfacesWithoutFindingAUnit)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    const std::vector<HidInterfaceInfo> interfaces = seam.EnumerateInterfaces();
    for (const HidInterfaceInfo& info : interfaces) {
        EXPECT_FALSE(info.path.empty());
        if (info.attributesKnown) {
            EXPECT_NE(info.vendorId, kMakerUsbVendorId);
        }
    }
    EXPECT_EQ(FindHidInterfacePath(nullptr, 0, kHidPairPrimaryProductId), 0);
    EXPECT_EQ(OpenHidInterface(kHidPairPrimaryProductId), nullptr);
    wchar_t path[kHidPathCapacity] = L"unchanged";
    EXPECT_EQ(FindHidInterfacePath(path, static_cast<int>(kHidPathCapacity), 0x3110), 0);
    EXPECT_STREQ(path, L"unchanged");
}

TEST(HidSeamWine, AReadOnAQuietInterfaceTimesOut)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    HidHandle handle = nullptr;
    for (const HidInterfaceInfo& info : seam.EnumerateInterfaces()) {
        handle = seam.Open(info.path);
        if (handle != nullptr)
            break;
    }
    if (handle == nullptr)
        GTEST_SKIP() << "no HID interface can be opened in this prefix";
    unsigned char report[kHidReplySize] = {};
    const DWORD start = GetTickCount();
    EXPECT_FALSE(seam.Read(handle, report, sizeof report, 300));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 250u);
    EXPECT_LT(elapsed, 5000u);
    seam.Flush(handle); // nothing queued: the flush is harmless
    seam.Close(handle);
}

TEST(HidSeamWine, ClosedOrMissingChannelsFailAtOnce)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    unsigned char request[kHidRequestSize] = {1, kHidCmdReadVersion};
    unsigned char reply[kHidReplySize] = {};
    HidHandle none = nullptr;
    EXPECT_FALSE(SendHidCommand(&none, request, reply));
    EXPECT_EQ(seam.Open(L"\\\\?\\hid#vid_2b4e&pid_2030#missing"), nullptr);
    CloseHidHandle(&none);
}

} // namespace
