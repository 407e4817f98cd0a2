#include "standins/FTD2XX.h"

#include <atomic>

namespace {

constexpr unsigned long kFtOk = 0;
constexpr unsigned long kFtInvalidHandle = 1;
constexpr unsigned long kFtDeviceNotFound = 2;
constexpr unsigned long kFtIoError = 4;

std::atomic<int> g_scenario{kFtdiNoDevice};
std::atomic<long> g_port{0};
std::atomic<int> g_opens{0};
std::atomic<int> g_closes{0};
// The one device's handle while it is open; nothing else is accepted.
int g_device = 0;

} // namespace

extern "C" {

unsigned long WINAPI FT_Open(int deviceNumber, FtdiHandle* handle)
{
    if (handle == nullptr || deviceNumber != 0 || g_scenario.load() == kFtdiNoDevice)
        return kFtDeviceNotFound;
    *handle = &g_device;
    ++g_opens;
    return kFtOk;
}

unsigned long WINAPI FT_GetComPortNumber(FtdiHandle handle, long* portNumber)
{
    if (handle != &g_device || portNumber == nullptr)
        return kFtInvalidHandle;
    switch (g_scenario.load()) {
    case kFtdiPortQueryFails: return kFtIoError;
    case kFtdiNoPort: return kFtOk;
    default: *portNumber = g_port.load(); return kFtOk;
    }
}

unsigned long WINAPI FT_Close(FtdiHandle handle)
{
    if (handle != &g_device)
        return kFtInvalidHandle;
    ++g_closes;
    return kFtOk;
}

void FtdiStandInSetScenario(int scenario, long port)
{
    g_scenario = scenario;
    g_port = port;
    g_opens = 0;
    g_closes = 0;
}

void FtdiStandInCounts(int* opens, int* closes)
{
    if (opens)
        *opens = g_opens.load();
    if (closes)
        *closes = g_closes.load();
}
}
