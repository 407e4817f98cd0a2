#include "app/DeviceLines.h"

#include <algorithm>
#include <initializer_list>

#include "device/VersionCompare.h"
#include "text/TextFormat.h"

namespace {

// Products whose line shows the first chip's version instead of the firmware version.
const std::initializer_list<int> kFirstChipProducts = {
    0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030,
    0x4410, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3500, 0x3112, 0x3114,
};
// Two-chip products that show the second chip's version when it differs.
const std::initializer_list<int> kTwoChipProducts = {
    0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410,
};
// Two-chip products whose versions are always build numbers.
const std::initializer_list<int> kBuildNumberProducts = {0x5345, 0x5346};
const int kCameraProduct = 0x3020;

bool Lists(std::initializer_list<int> products, int productId)
{
    return std::find(products.begin(), products.end(), productId) != products.end();
}

DeviceVersion AsBuild(DeviceVersion version)
{
    version.kind = 2;
    return version;
}

bool Differ(const DeviceVersion& a, const DeviceVersion& b)
{
    return CompareVersion4(a.major, a.minor, a.kind, a.build, b.major, b.minor, b.kind, b.build, 0) != 0;
}

} // namespace

std::wstring CutDeviceName(const std::wstring& name)
{
    if (name.find(L'.') == std::wstring::npos)
        return name;
    const std::size_t space = name.rfind(L' ');
    if (space == std::wstring::npos)
        return name;
    return name.substr(0, space);
}

std::wstring FormatVersionText(int productId, const DeviceVersion& v)
{
    if (productId == kCameraProduct)
        return FillPlaceholders(L"v%d.%d.%d.%d", {v.kind, v.build, v.major, v.minor});
    if (v.kind == 1) {
        if (v.build == 0)
            return FillPlaceholders(L"v%d.%drc", {v.major, v.minor});
        return FillPlaceholders(L"v%d.%drc%d", {v.major, v.minor, v.build});
    }
    if (v.kind == 2) {
        if (v.build == 0 && !Lists(kBuildNumberProducts, productId))
            return FillPlaceholders(L"v%d.%d", {v.major, v.minor});
        return FillPlaceholders(L"v%d.%d.%d", {v.major, v.minor, v.build});
    }
    return FillPlaceholders(L"v%d.%d", {v.major, v.minor});
}

std::wstring FormatDeviceVersionLine(const DeviceConfig& device)
{
    const int product = device.m_modelCode;
    if (Lists(kBuildNumberProducts, product)) {
        const DeviceVersion first = AsBuild(device.m_chipVersion1);
        const DeviceVersion second = AsBuild(device.m_chipVersion2);
        std::wstring line = FormatVersionText(product, first);
        if (Differ(first, second))
            line += FillPlaceholders(L" / v%d.%d.%d", {second.major, second.minor, second.build});
        return line;
    }
    if (!Lists(kFirstChipProducts, product))
        return FormatVersionText(product, device.m_firmwareVersion);
    std::wstring line = FormatVersionText(product, device.m_chipVersion1);
    if (Lists(kTwoChipProducts, product) && Differ(device.m_chipVersion1, device.m_chipVersion2))
        line += L" / " + FormatVersionText(product, device.m_chipVersion2);
    return line;
}
