#include "firmware/DfuRoadRules.h"

#include <cstddef>

#include "device/DeviceProductLists.h"
#include "link/UsbHardwareId.h"

namespace {

template <std::size_t N> constexpr ProductIdList List(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

const int kVersion10[] = {0x4D21, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4D05, 0x6420, 0x6430, 0x4D85,
                          0x4020, 0x4021, 0x2310, 0x2010, 0x2110, 0x4030, 0x4010, 0x5011, 0x4D75, 0x5210, 0x5310,
                          0x4110, 0x4111, 0x3010, 0x4120};
const int kVersion12[] = {0x4D35, 0x4D15, 0x4D45, 0x2011, 0x2210};
const int kVersion20[] = {0x4D55, 0x4D65};
const int kVersion32[] = {0x5010};
const int kVersion33[] = {0x5020};
const int kVersion41[] = {0x5030};
const int kVersion42[] = {0x4D20, 0x5060, 0x5070, 0x5080, 0x5040, 0x5050};
const int kVersion50[] = {0x4D50};
const int kVersion52[] = {0x5061};

struct DefaultVersionRow {
    ProductIdList products;
    int value; // major x 10 + minor
};

const DefaultVersionRow kDefaultVersions[] = {
    {List(kVersion10), 10},
    {List(kVersion12), 12},
    {List(kVersion20), 20},
    {List(kVersion32), 32},
    {List(kVersion33), 33},
    {List(kVersion41), 41},
    {List(kVersion42), 42},
    {List(kVersion50), 50},
    {List(kVersion52), 52},
};

// These read their default from key 659, with a value of their own when that
// key cannot be read either.
struct Key659Row {
    int productId;
    int unreadable;
};

const Key659Row kKey659Defaults[] = {
    {0x4D10, 30},
    {0x4D30, 42},
    {0x4D40, 43},
};

const int kKeyClearingModels[] = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070};
const int kRebootIntoDfu[] = {0x6020, 0x6022, 0x6024};

// clang-format on

constexpr int kCameraProduct = 0x3020;
constexpr int kVersionKey = 676;
constexpr int kKey664 = 664;
constexpr int kKey665 = 665;
constexpr int kTwoUnitProduct = 0x5310;
constexpr int kDfuModeBit = 0x8000;

bool IsNormalModeId(int id)
{
    return id >= 1 && id <= 0x7FFF;
}

} // namespace

int DefaultDfuVersionValue(int unitProductId, const PsKeyValue* key659)
{
    for (const Key659Row& row : kKey659Defaults) {
        if (row.productId == unitProductId)
            return key659 ? (*key659)[0] : row.unreadable;
    }
    for (const DefaultVersionRow& row : kDefaultVersions) {
        if (row.products.Contains(unitProductId))
            return row.value;
    }
    return 0;
}

DeviceVersion ReadDfuUnitVersion(int unitProductId, const PsKeyValue* key676, const PsKeyValue* key659)
{
    DeviceVersion version;
    if (unitProductId == kCameraProduct) {
        if (key676) {
            version.major = (*key676)[3];
            version.minor = (*key676)[2];
            version.kind = (*key676)[1];
            version.build = (*key676)[0];
        } else {
            version.major = 1;
            version.minor = 0;
            version.kind = 1;
            version.build = 0;
        }
        return version;
    }
    int value = 0;
    if (key676 && (*key676)[0] != 0) {
        value = (*key676)[0];
        version.kind = (*key676)[3];
        version.build = (*key676)[2];
    } else {
        value = DefaultDfuVersionValue(unitProductId, key659);
    }
    version.major = value / 10;
    version.minor = value % 10;
    return version;
}

std::vector<PsKeyWrite> DfuKeyWritesBeforeUpdate(int modelCode, const DeviceConfig& unit)
{
    std::vector<PsKeyWrite> writes;
    if (!List(kKeyClearingModels).Contains(modelCode))
        return writes;
    if (unit.CompareFirmwareVersion(3, 2) == 0)
        writes.push_back({kVersionKey, std::vector<std::uint8_t>(4, 0)});
    writes.push_back({kKey664, std::vector<std::uint8_t>(2, 0)});
    writes.push_back({kKey665, std::vector<std::uint8_t>(2, 0)});
    return writes;
}

bool DfuUsbCheckPasses(int modelCode, int usbStatus, bool rebootedIntoDfu, int count, const int (&ids)[2])
{
    if (modelCode == kTwoUnitProduct)
        return count >= 2 && IsDfuFamilyProductId(ids[0]) && IsDfuFamilyProductId(ids[1]);
    if (count < 1)
        return false;
    if (rebootedIntoDfu)
        return IsDfuFamilyProductId(ids[0]) && (ids[0] & kDfuModeBit) != 0;
    return ids[0] == usbStatus;
}

bool DfuUnitReady(int modelCode, int activeEngine, int count, const int (&ids)[2])
{
    if (modelCode == kTwoUnitProduct) {
        if (count <= 1 || (activeEngine != 1 && activeEngine != 2))
            return false;
        return IsNormalModeId(ids[activeEngine - 1]);
    }
    return count >= 1 && IsNormalModeId(ids[0]);
}

bool RebootsIntoDfu(int modelCode)
{
    return List(kRebootIntoDfu).Contains(modelCode);
}

int DfuModeUsbStatus(int usbStatus)
{
    switch (usbStatus) {
    case 0x6020: return 0x6021;
    case 0x6022: return 0x6023;
    case 0x6024: return 0x6025;
    default: return usbStatus;
    }
}
