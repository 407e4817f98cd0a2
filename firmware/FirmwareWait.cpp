#include "firmware/FirmwareWait.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "firmware/FirmwareWaitForTests.h"

namespace {

std::atomic<int> g_waitPercent{100};

} // namespace

void FirmwareWait(int milliseconds)
{
    const long long scaled = static_cast<long long>(milliseconds) * g_waitPercent.load() / 100;
    if (scaled > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(scaled));
}

int ScaledFirmwareWaitMs(int milliseconds)
{
    const long long scaled = static_cast<long long>(milliseconds) * g_waitPercent.load() / 100;
    return scaled > 0 ? static_cast<int>(scaled) : 0;
}

void SetFirmwareWaitPercentForTests(int percent)
{
    g_waitPercent.store(percent < 0 ? 0 : percent);
}
