#include "firmware/UpdatePreparation.h"

#include <algorithm>
#include <cwctype>

#include "device/VersionCompare.h"
#include "firmware/DfuRoadRules.h"
#include "firmware/LoaderUpdate.h"
#include "link/DfuRoad.h"
#include "link/UsbHardwareId.h"

namespace {

constexpr std::uint16_t kKeyUnitProduct = 675;
constexpr std::uint16_t kKeyVersion = 676;
constexpr std::uint16_t kKeyOldVersion = 659;
constexpr std::uint16_t kKeyAddress = 1;
constexpr int kUnitProductBytes = 2;
// A unit whose product key cannot be read is taken for the first DFU model.
constexpr int kUnreadableUnitProduct = 0x4D10;

std::wstring UpperPath(DfuLibraryAccess& library, const std::wstring& name)
{
    std::wstring path = library.PathInternal(name);
    std::transform(path.begin(), path.end(), path.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return path;
}

} // namespace

DeviceVersion ReadHidUnitVersion(HidHandle* channel)
{
    const LoaderVersion read = ReadLoaderVersion(channel);
    return DeviceVersion{read.major, read.minor, read.kind, read.build, 0};
}

bool SameUnitVersion(const DeviceVersion& read, const DeviceVersion& recorded)
{
    return CompareVersion4(read.major, read.minor, read.kind, read.build, recorded.major, recorded.minor, recorded.kind,
                           recorded.build, 0) == 0;
}

bool HidRoadVersionsMatch(UpdateRoad road, HidHandle* primary, HidHandle* secondary, HidHandle* foundPrimary,
                          const DeviceConfig& device)
{
    switch (road) {
    case UpdateRoad::kVersionedImage:
    case UpdateRoad::kDualChannelImage:
        return SameUnitVersion(ReadHidUnitVersion(primary), device.m_chipVersion1) &&
               SameUnitVersion(ReadHidUnitVersion(secondary), device.m_chipVersion2);
    case UpdateRoad::kLoader: return SameUnitVersion(ReadHidUnitVersion(foundPrimary), device.m_chipVersion1);
    case UpdateRoad::kCamera:
    case UpdateRoad::kRebootImage: return SameUnitVersion(ReadHidUnitVersion(primary), device.m_firmwareVersion);
    default: return true;
    }
}

std::wstring CheckDfuUnitsBeforeUpdate(DfuLibraryAccess& library, int modelCode, const DeviceConfig& device)
{
    for (const std::wstring& name : library.EnumerateDevices()) {
        const std::wstring path = UpperPath(library, name);
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        if (!library.ConnectDevice(path))
            continue;
        std::uint8_t product[kUnitProductBytes] = {};
        const int unitProduct = library.GetKey(kKeyUnitProduct, product, kUnitProductBytes)
                                    ? (product[0] | (product[1] << 8))
                                    : kUnreadableUnitProduct;
        if (unitProduct != device.m_modelCode)
            return L"[9][3]";
        PsKeyValue version = {};
        PsKeyValue old = {};
        const bool versionRead = library.GetKey(kKeyVersion, version, kPsKeyBytes);
        const bool oldRead = library.GetKey(kKeyOldVersion, old, kPsKeyBytes);
        const DeviceVersion unit =
            ReadDfuUnitVersion(unitProduct, versionRead ? &version : nullptr, oldRead ? &old : nullptr);
        if (device.CompareFullVersion(unit.major, unit.minor, unit.kind, unit.build) != 0)
            return L"[9][4]";
        // The unit takes these or not; the update goes on either way.
        for (const PsKeyWrite& write : DfuKeyWritesBeforeUpdate(modelCode, device))
            library.SetKey(static_cast<std::uint16_t>(write.key), write.bytes.data(),
                           static_cast<int>(write.bytes.size()));
    }
    return std::wstring();
}

bool ReadFirstFamilyUnitAddress(DfuLibraryAccess& library, std::uint8_t (&key)[kUnitAddressKeyBytes])
{
    for (const std::wstring& name : library.EnumerateDevices()) {
        int productId = 0;
        const std::wstring path = UpperPath(library, name);
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        // Only the first family unit is ever asked.
        return library.ConnectDevice(path) && library.GetKey(kKeyAddress, key, kUnitAddressKeyBytes);
    }
    return false;
}
