#include "settings/SettingsWriteRun.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <string>

#include "device/VersionCompare.h"
#include "link/DeviceFinders.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"
#include "link/UsbHardwareId.h"

namespace {

constexpr int kModelWordWhenUnreadable = 0x4D10;

const DeviceVersion& Expected(const DeviceConfig& live, HidExpectedVersion which)
{
    switch (which) {
    case HidExpectedVersion::Chip1: return live.m_chipVersion1;
    case HidExpectedVersion::Chip2: return live.m_chipVersion2;
    case HidExpectedVersion::Firmware: break;
    }
    return live.m_firmwareVersion;
}

bool SameVersion(const DeviceVersion& a, const DeviceVersion& b)
{
    return CompareVersion4(a.major, a.minor, a.kind, a.build, b.major, b.minor, b.kind, b.build, 0) == 0;
}

// Words in the PC's order, least significant byte first: the swap before the
// send turns them into the frame's order.
void PutHostWords(unsigned char* request, const std::vector<std::uint16_t>& words)
{
    const int count = std::min<int>(static_cast<int>(words.size()), kHidRequestMaxWords);
    request[kHidRequestWordCount] = static_cast<unsigned char>(std::min(count, 255));
    for (int i = 0; i < count; ++i) {
        request[kHidRequestWords + 2 * i] = static_cast<unsigned char>(words[i] & 0xFF);
        request[kHidRequestWords + 2 * i + 1] = static_cast<unsigned char>(words[i] >> 8);
    }
}

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return text;
}

bool ScanPasses(const DfuScan& scan, int unitsNeeded, int usbStatus)
{
    if (scan.count < unitsNeeded)
        return false;
    for (int i = 0; i < std::min(unitsNeeded, 2); ++i) {
        if (scan.productIds[i] != usbStatus)
            return false;
    }
    return true;
}

// The recorded unit behind the connected transport: model key 675 and the
// version keys read as recognition reads them, without its repair.
bool IsRecordedUnit(PsKeyAccess& keys, const DeviceConfig& live)
{
    std::uint8_t word[2] = {};
    const int model = keys.GetKey(kPsKeyModelWord, word, 2) ? (word[0] | (word[1] << 8)) : kModelWordWhenUnreadable;
    if (model != live.m_modelCode)
        return false;
    const DeviceVersion version = ReadDfuVersion(keys, model, false);
    return live.CompareFullVersion(version.major, version.minor, version.kind, version.build) == 0;
}

} // namespace

bool FindRecordedHidUnit(int modelCode)
{
    if (modelCode == kHidPairModelCode) {
        HidHandle pair[2] = {nullptr, nullptr};
        const bool found = FindHidPairDevice(&pair[0], &pair[1]) == 1;
        CloseHidHandle(&pair[0]);
        CloseHidHandle(&pair[1]);
        return found;
    }
    HidHandle own = OpenHidInterface(modelCode);
    const bool found = own != nullptr;
    CloseHidHandle(&own);
    return found;
}

DeviceVersion ReadHidChannelVersion(HidHandle* channel)
{
    unsigned char request[kHidRequestSize] = {};
    unsigned char reply[kHidReplySize] = {};
    request[kHidRequestReportId] = kHidReportId;
    request[kHidRequestCommand] = kHidCmdReadVersion;
    if (!SendHidCommand(channel, request, reply))
        return DeviceVersion{1, 0, 0, 0, 0};
    return DeviceVersion{reply[3], reply[4], reply[5], reply[6], 0};
}

bool RunHidWritePlan(const HidWritePlan& plan, const DeviceConfig& live, HidHandle* primary, HidHandle* secondary)
{
    HidHandle* channels[2] = {primary, secondary};
    for (const HidVersionCheck& check : plan.checks) {
        if (!SameVersion(Expected(live, check.expected), ReadHidChannelVersion(channels[check.channel])))
            return false;
    }
    unsigned char request[kHidRequestSize] = {};
    unsigned char reply[kHidReplySize] = {};
    bool allAcknowledged = true;
    for (const HidWriteRequest& step : plan.requests) {
        if (step.command == kHidCmdStoreGroup) {
            // The commit goes out in the buffer just sent: only command and
            // group change, and the words are swapped once more.
            request[kHidRequestCommand] = kHidCmdStoreGroup;
            request[kHidRequestParameter] = static_cast<unsigned char>(step.group);
        } else {
            std::memset(request + kHidRequestParameter, 0, kHidRequestSize - kHidRequestParameter);
            request[kHidRequestReportId] = kHidReportId;
            request[kHidRequestCommand] = static_cast<unsigned char>(step.command);
            request[kHidRequestParameter] = static_cast<unsigned char>(step.group);
            PutHostWords(request, step.words);
        }
        SwapHidRequestWords(request);
        if (!SendHidCommand(channels[step.channel], request, reply)) {
            allAcknowledged = false;
            if (!plan.sendAll)
                return false;
        }
    }
    return allAcknowledged;
}

bool RunStoreWritePlan(const StoreWritePlan& plan, int usbStatus, const DeviceConfig& live,
                       const StoreWriteAccess& access)
{
    if (plan.unwritableChange)
        return false;
    const DfuScan scan = access.scanUsb ? access.scanUsb() : DfuScan{};
    if (!ScanPasses(scan, plan.unitsNeeded, usbStatus) || !access.openLibrary)
        return false;
    const std::unique_ptr<DfuLibraryAccess> library = access.openLibrary();
    if (!library)
        return false;

    int counted = 0;
    int written = 0;
    for (const std::wstring& name : library->EnumerateDevices()) {
        const std::wstring path = Upper(library->PathInternal(name));
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        if (++counted > plan.unitsNeeded)
            break;
        if (!library->ConnectDevice(path))
            continue;
        if (!IsRecordedUnit(*library, live))
            return false;
        bool allTaken = true;
        for (const PsKeyWrite& write : plan.writes) {
            if (!library->SetKey(write.key, write.bytes.data(), static_cast<int>(write.bytes.size()))) {
                allTaken = false;
                if (!plan.writeAll)
                    return false;
            }
        }
        if (!allTaken)
            return false;
        ++written;
    }
    return written > 0;
}

bool WriteSettings(SettingsWriterPage page, const DeviceConfig& working, const SettingsWriteTarget& target)
{
    if (target.live == nullptr)
        return false;
    const DeviceConfig& live = *target.live;
    HidWritePlan hid;
    if (PlanHidWrite(page, target.modelCode, live, working, &hid)) {
        if (!FindRecordedHidUnit(target.modelCode))
            return false;
        return RunHidWritePlan(hid, live, target.primary, target.secondary);
    }
    const StoreWritePlan store = PlanStoreWrite(page, target.modelCode, live, working);
    return RunStoreWritePlan(store, target.usbStatus, live, target.store);
}
