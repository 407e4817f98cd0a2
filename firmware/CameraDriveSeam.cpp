#include "firmware/CameraDriveSeam.h"

#include <atomic>

namespace {

std::atomic<CameraDriveSeam*> g_installed{nullptr};

} // namespace

CameraDriveSeam& GetCameraDriveSeam()
{
    CameraDriveSeam* installed = g_installed.load();
    return installed ? *installed : PlatformCameraDriveSeam();
}

void SetCameraDriveSeam(CameraDriveSeam* seam)
{
    g_installed = seam;
}
