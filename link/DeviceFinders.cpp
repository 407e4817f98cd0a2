#include "link/DeviceFinders.h"

#include "link/HexText.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"

namespace {

// The finders copy a path with a line end into a 260-character buffer; a path
// of 259 characters or more would not fit and is skipped.
constexpr std::size_t kFinderPathLimit = kHidPathCapacity - 1;
constexpr std::size_t kFinderSearchStart = 5;

void StoreInSlot(HidHandle* slot, HidHandle handle)
{
    if (*slot != nullptr && *slot != handle)
        CloseHidHandle(slot);
    *slot = handle;
}

// Walks the present interfaces whose path names the maker and one of the
// wanted product ids, opening each; store() decides where the channel goes and
// whether the search is over.
template <typename Wanted, typename Store> int SearchInterfaces(Wanted wanted, Store store)
{
    HidDeviceSeam& seam = GetHidDeviceSeam();
    for (const HidInterfaceInfo& info : seam.EnumerateInterfaces()) {
        int vendorId = 0;
        int productId = 0;
        if (!ParseHidDevicePath(info.path, &vendorId, &productId))
            continue;
        if (vendorId != kMakerUsbVendorId || !wanted(productId))
            continue;
        HidHandle handle = seam.Open(info.path);
        if (handle == nullptr)
            continue;
        if (store(productId, handle))
            return 1;
    }
    return 0;
}

DeviceVersion DefaultTwoChipVersion()
{
    DeviceVersion v;
    v.major = 1;
    v.minor = 0;
    v.kind = 2;
    v.build = 0;
    v.extra = 0;
    return v;
}

DeviceVersion ReadTwoChipVersion(HidHandle* slot, int productId, const HidDeadline& deadline)
{
    DeviceVersion version = DefaultTwoChipVersion();
    if (productId == kTwoChipProductIdLoader)
        return version;
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadVersion);
    if (frame.Send(slot, deadline)) {
        version.major = frame.reply[kHidReplyFirstData];
        version.minor = frame.reply[kHidReplyFirstData + 1];
        version.kind = 2;
        version.build = frame.reply[kHidReplyFirstData + 2];
        version.extra = frame.reply[kHidReplyFirstData + 3];
    }
    frame.Begin(kHidCmdTwoChipAfterVersion);
    frame.Send(slot, deadline);
    return version;
}

template <typename Char> std::size_t FindText(const std::wstring& path, const Char* marker, std::size_t from)
{
    const std::wstring m(marker, marker + std::char_traits<Char>::length(marker));
    return path.find(m, from);
}

} // namespace

bool ParseHidDevicePath(const std::wstring& path, int* vendorId, int* productId)
{
    if (path.size() >= kFinderPathLimit || path.size() <= kFinderSearchStart)
        return false;
    const std::size_t vid = FindText(path, "vid_", kFinderSearchStart);
    if (vid == std::wstring::npos)
        return false;
    const std::size_t pid = FindText(path, "pid_", kFinderSearchStart);
    if (pid == std::wstring::npos)
        return false;
    *vendorId = static_cast<int>(ReadHexPrefix(path.c_str() + vid + 4, path.size() - vid - 4));
    *productId = static_cast<int>(ReadHexPrefix(path.c_str() + pid + 4, path.size() - pid - 4));
    return true;
}

int FindHidPairDevice(HidHandle* primary, HidHandle* secondary)
{
    if (primary == nullptr || secondary == nullptr)
        return 0;
    return SearchInterfaces(
        [](int productId) { return productId == kHidPairPrimaryProductId || productId == kHidPairSecondaryProductId; },
        [&](int productId, HidHandle handle) {
            StoreInSlot(productId == kHidPairPrimaryProductId ? primary : secondary, handle);
            return *primary != nullptr && *secondary != nullptr;
        });
}

int FindTwoChipDevice(HidHandle* primary, HidHandle* secondary, DeviceVersion& firmware, DeviceVersion& chip1,
                      DeviceVersion& chip2, const HidDeadline& deadline)
{
    if (primary == nullptr || secondary == nullptr)
        return 0;
    return SearchInterfaces(
        [](int productId) {
            return productId == kTwoChipProductIdA || productId == kTwoChipProductIdB ||
                   productId == kTwoChipProductIdLoader;
        },
        [&](int productId, HidHandle handle) {
            if (*primary == nullptr) {
                *primary = handle;
                firmware = ReadTwoChipVersion(primary, productId, deadline);
                chip1 = firmware;
            } else {
                StoreInSlot(secondary, handle);
                chip2 = ReadTwoChipVersion(secondary, productId, deadline);
            }
            return *primary != nullptr && *secondary != nullptr;
        });
}

int QueryHidDeviceState(HidHandle* primary, const HidDeadline& deadline)
{
    HidCommandFrame frame;
    frame.Begin(kHidCmdReadGroup, kHidGroupState);
    if (!frame.Send(primary, deadline) && !frame.Send(primary, deadline))
        return 0;
    // The low byte of word 0.
    return static_cast<int>(frame.ReplyWordAt(0) & 0xFF);
}
