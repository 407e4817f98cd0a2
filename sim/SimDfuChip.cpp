#include "sim/SimDfuChip.h"

#include <algorithm>
#include <cstdio>

#include "link/MakerUsb.h"

namespace {

std::wstring Widen(const char* text)
{
    std::wstring out;
    for (; *text != '\0'; ++text)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return out;
}

DfuStepPlan Plan(int finishedStep, std::initializer_list<int> activities)
{
    DfuStepPlan plan;
    plan.finishedStep = finishedStep;
    for (int a : activities)
        plan.activities[plan.activityCount++] = a;
    return plan;
}

} // namespace

void SimDfuDevice::SetKeyWords(int key, const std::vector<std::uint16_t>& words)
{
    std::vector<unsigned char> bytes;
    for (std::uint16_t w : words) {
        bytes.push_back(static_cast<unsigned char>(w & 0xFF));
        bytes.push_back(static_cast<unsigned char>(w >> 8));
    }
    keys[key] = bytes;
}

std::vector<std::uint16_t> SimDfuDevice::KeyWords(int key) const
{
    std::vector<std::uint16_t> words;
    auto it = keys.find(key);
    if (it == keys.end())
        return words;
    for (std::size_t i = 0; i + 1 < it->second.size(); i += 2) {
        words.push_back(static_cast<std::uint16_t>(it->second[i] | (it->second[i + 1] << 8)));
    }
    return words;
}

std::wstring SimDfuDevice::UsbHardwareId() const
{
    char text[64];
    std::snprintf(text, sizeof text, "USB\\VID_%04X&PID_%04X&REV_0100", vendorId & 0xFFFF, productId & 0xFFFF);
    return Widen(text);
}

SimDfuChip::SimDfuChip() = default;

SimDfuChip::~SimDfuChip()
{
    Detach();
}

void SimDfuChip::Attach()
{
    DFUEngineAttachSimulatedBus(this);
    m_attached = true;
}

void SimDfuChip::Detach()
{
    if (m_attached)
        DFUEngineAttachSimulatedBus(nullptr);
    m_attached = false;
}

SimDfuDevice& SimDfuChip::AddDevice(int productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto device = std::make_unique<SimDfuDevice>();
    const int index = static_cast<int>(m_devices.size());
    device->vendorId = kMakerUsbVendorId;
    device->productId = productId;
    device->connects = productId < kDfuModeProductIdOffset;
    NameDevice(*device, index);
    device->plans[0] = Plan(DFUEngine::stepReconfigure, {DFUEngine::activityTransfer});
    device->plans[1] = Plan(DFUEngine::stepDownload, {DFUEngine::activityTransfer, DFUEngine::activityTransfer,
                                                      DFUEngine::activityTransfer, DFUEngine::activityTransferEnd});
    device->plans[2] = Plan(DFUEngine::stepManifest, {DFUEngine::activityRestartHeld});
    // Callbacks come spread over time, as the library's do, so a notification
    // is taken before the step's Complete follows it.
    for (DfuStepPlan& plan : device->plans)
        plan.delayMs = 10;
    m_devices.push_back(std::move(device));
    return *m_devices.back();
}

void SimDfuChip::NameDevice(SimDfuDevice& device, int index)
{
    char text[160];
    std::snprintf(text, sizeof text, "CSR DFU device %d", index + 1);
    device.name = Widen(text);
    // The library's path text carries the markers in upper case, each before
    // four hexadecimal digits.
    std::snprintf(text, sizeof text,
                  "\\\\?\\USB#VID_%04X&PID_%04X#6&3a1f%04x&0&%d#{a5dcbf10-6530-11d2-901f-00c04fb951ed}",
                  device.vendorId & 0xFFFF, device.productId & 0xFFFF, index & 0xFFFF, index + 1);
    device.path = Widen(text);
}

std::vector<SimDfuKeyAccess> SimDfuChip::Log() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

void SimDfuChip::ClearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
}

int SimDfuChip::ConnectCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_connects;
}

std::vector<int> SimDfuChip::PlannedSteps() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_steps;
}

int SimDfuChip::DeviceCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_devices.size());
}

const wchar_t* SimDfuChip::DeviceName(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return index >= 0 && index < static_cast<int>(m_devices.size()) ? m_devices[index]->name.c_str() : nullptr;
}

const wchar_t* SimDfuChip::DevicePath(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return index >= 0 && index < static_cast<int>(m_devices.size()) ? m_devices[index]->path.c_str() : nullptr;
}

bool SimDfuChip::Connect(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_connects;
    return index >= 0 && index < static_cast<int>(m_devices.size()) && m_devices[index]->connects;
}

int SimDfuChip::GetKey(int index, unsigned short key, unsigned char* buffer, int length, int* returned)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimDfuKeyAccess access{false, index, key, length, false, {}};
    *returned = 0;
    int code = DFUEngine::Result::keyUnreadable;
    if (index >= 0 && index < static_cast<int>(m_devices.size())) {
        SimDfuDevice& device = *m_devices[index];
        const bool lost = device.lostAfterWrites >= 0 && device.setsTaken >= device.lostAfterWrites;
        auto it = device.keys.find(key);
        if (device.connects && !lost && it != device.keys.end() && device.unreadable.count(key) == 0 && length >= 0) {
            // The chip hands over at most what the caller asked for; the rest
            // of the caller's buffer is cleared.
            const int n = std::min<int>(length, static_cast<int>(it->second.size()));
            std::fill(buffer, buffer + length, 0);
            std::copy(it->second.begin(), it->second.begin() + n, buffer);
            *returned = n;
            access.ok = true;
            access.bytes.assign(buffer, buffer + length);
            code = DFUEngine::Result::success;
        }
    }
    if (onKeyAccess)
        onKeyAccess(access);
    m_log.push_back(access);
    return code;
}

int SimDfuChip::SetKey(int index, unsigned short key, const unsigned char* buffer, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    SimDfuKeyAccess access{true,   index, key,
                           length, false, std::vector<unsigned char>(buffer, buffer + std::max(length, 0))};
    int code = DFUEngine::Result::notConnected;
    if (index >= 0 && index < static_cast<int>(m_devices.size()) && m_devices[index]->connects && length >= 0) {
        SimDfuDevice& device = *m_devices[index];
        const int number = ++device.setsSeen;
        const bool lost = device.lostAfterWrites >= 0 && device.setsTaken >= device.lostAfterWrites;
        if (lost) {
            code = DFUEngine::Result::deviceLost;
        } else if (device.refused.count(key) != 0 || number == device.refuseSetNumber) {
            code = DFUEngine::Result::keyUnreadable;
        } else {
            device.keys[key] = access.bytes;
            device.unreadable.erase(key);
            ++device.setsTaken;
            access.ok = true;
            code = DFUEngine::Result::success;
        }
    }
    if (onKeyAccess)
        onKeyAccess(access);
    m_log.push_back(access);
    return code;
}

bool SimDfuChip::IsFileValid(const wchar_t* imagePath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return validImages.count(imagePath) != 0;
}

void SimDfuChip::PlanStep(int index, int request, DfuStepPlan* plan)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_steps.push_back(request);
    if (index < 0 || index >= static_cast<int>(m_devices.size()) || request < 0 || request > 2) {
        plan->finishedStep = DFUEngine::stepReconfigure;
        plan->resultCode = DFUEngine::Result::deviceLost;
        return;
    }
    *plan = m_devices[index]->plans[request];
}

void SimDfuChip::StepEnded(int index, int request, int resultCode)
{
    std::function<void(const SimDfuDevice&, int)> notify;
    SimDfuDevice* device = nullptr;
    int oldProductId = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (index < 0 || index >= static_cast<int>(m_devices.size()) || request != 2 || resultCode != 0)
            return;
        device = m_devices[index].get();
        if (device->productId < kDfuModeProductIdOffset)
            return;
        // The manifested chip restarts into its new firmware: normal mode,
        // answering BCCMD, under the name and path of that id.
        oldProductId = device->productId;
        device->productId -= kDfuModeProductIdOffset;
        device->connects = true;
        NameDevice(*device, index);
        notify = onBackInNormalMode;
    }
    if (notify)
        notify(*device, oldProductId);
}
