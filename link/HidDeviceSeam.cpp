#include "link/HidDeviceSeam.h"

#include <chrono>

namespace {
HidDeviceSeam* g_installedSeam = nullptr;
thread_local HidWaitPump t_waitPump = nullptr;
} // namespace

ScopedHidWaitPump::ScopedHidWaitPump(HidWaitPump pump) : m_previous(t_waitPump)
{
    t_waitPump = pump;
}

ScopedHidWaitPump::~ScopedHidWaitPump()
{
    t_waitPump = m_previous;
}

void RunHidWaitPump()
{
    if (t_waitPump != nullptr)
        t_waitPump();
}

bool HasHidWaitPump()
{
    return t_waitPump != nullptr;
}

std::uint64_t HidDeviceSeam::NowMs()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
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
