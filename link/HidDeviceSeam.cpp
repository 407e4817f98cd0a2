#include "link/HidDeviceSeam.h"

namespace {
HidDeviceSeam* g_installedSeam = nullptr;
}

HidDeviceSeam& GetHidDeviceSeam()
{
    return g_installedSeam != nullptr ? *g_installedSeam : PlatformHidDeviceSeam();
}

void SetHidDeviceSeam(HidDeviceSeam* seam)
{
    g_installedSeam = seam;
}

void CloseHidHandle(HidHandle* slot)
{
    if (slot == nullptr || *slot == nullptr)
        return;
    GetHidDeviceSeam().Close(*slot);
    *slot = nullptr;
}
