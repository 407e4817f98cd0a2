// The pieces of the main window's header and message box that are no window:
// the version line, the name cut and the model pictures.

#include "app/DeviceLines.h"
#include "app/DevicePictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

DeviceVersion Version(int major, int minor, int kind, int build)
{
    DeviceVersion v;
    v.major = major;
    v.minor = minor;
    v.kind = kind;
    v.build = build;
    return v;
}

// The cases below are aligned by hand, to be read as one table.
// clang-format off
TEST(DeviceLines, VersionTextByKindAndProduct)
{
    struct Case { int product; DeviceVersion version; const wchar_t* expected; } cases[] = {
        { 0x4D10, Version(2, 1, 0, 0), L"v2.1" },
        { 0x4D10, Version(2, 1, 0, 7), L"v2.1" },
        { 0x4D10, Version(2, 1, 1, 0), L"v2.1rc" },
        { 0x4D10, Version(2, 1, 1, 3), L"v2.1rc3" },
        { 0x4D10, Version(2, 1, 2, 0), L"v2.1" },
        { 0x4D10, Version(2, 1, 2, 4), L"v2.1.4" },
        { 0x4D10, Version(2, 1, 5, 4), L"v2.1" },
        { 0x5345, Version(1, 2, 2, 0), L"v1.2.0" },
        { 0x5346, Version(1, 2, 2, 0), L"v1.2.0" },
        { 0x5345, Version(1, 2, 2, 9), L"v1.2.9" },
        // The camera leads with kind and build.
        { 0x3020, Version(1, 0, 3, 2), L"v3.2.1.0" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.expected), FormatVersionText(c.product, c.version)) << c.expected;
}
// clang-format on

TEST(DeviceLines, VersionLineOfOneAndTwoChipUnits)
{
    DeviceConfig device;
    device.m_modelCode = 0x4D10;
    device.m_firmwareVersion = Version(3, 4, 2, 1);
    device.m_chipVersion1 = Version(9, 9, 0, 0);
    EXPECT_EQ(L"v3.4.1", FormatDeviceVersionLine(device));

    // Products that show their first chip's version.
    device.m_modelCode = 0x3118;
    EXPECT_EQ(L"v9.9", FormatDeviceVersionLine(device));

    // Two-chip unit: equal chips show one version, different ones both.
    device.m_modelCode = 0x4210;
    device.m_chipVersion1 = Version(1, 2, 2, 0);
    device.m_chipVersion2 = Version(1, 2, 2, 0);
    EXPECT_EQ(L"v1.2", FormatDeviceVersionLine(device));
    device.m_chipVersion2 = Version(1, 3, 1, 2);
    EXPECT_EQ(L"v1.2 / v1.3rc2", FormatDeviceVersionLine(device));
    device.m_chipVersion2 = Version(1, 2, 2, 0);
    device.m_chipVersion1 = Version(1, 2, 2, 5);
    EXPECT_EQ(L"v1.2.5 / v1.2", FormatDeviceVersionLine(device));

    // 0x5345 and 0x5346 take both chips as builds.
    for (int product : {0x5345, 0x5346}) {
        device.m_modelCode = product;
        device.m_chipVersion1 = Version(2, 0, 0, 3);
        device.m_chipVersion2 = Version(2, 0, 1, 3);
        EXPECT_EQ(L"v2.0.3", FormatDeviceVersionLine(device)) << product;
        device.m_chipVersion2 = Version(2, 1, 0, 0);
        EXPECT_EQ(L"v2.0.3 / v2.1.0", FormatDeviceVersionLine(device)) << product;
    }
}

TEST(DeviceLines, NameLosesATrailingVersionWordOnlyWithAFullStopAndASpace)
{
    EXPECT_EQ(L"QUOR 20S EVO", CutDeviceName(L"QUOR 20S EVO 1.2"));
    EXPECT_EQ(L"Q.X 30 PRO", CutDeviceName(L"Q.X 30 PRO v2"));
    EXPECT_EQ(L"QUOR v1.2", CutDeviceName(L"QUOR v1.2 "));
    EXPECT_EQ(L"QUOR.20S", CutDeviceName(L"QUOR.20S"));
    EXPECT_EQ(L"QUOR 20S EVO", CutDeviceName(L"QUOR 20S EVO"));
    EXPECT_EQ(L"", CutDeviceName(L""));
}

TEST(DevicePictures, TableByProductAndTheStateProductByState)
{
    struct Case {
        int product;
        int state;
        int picture;
    } cases[] = {
        {0x4D10, 0, 178},   {0x4D40, 0, 178},  {0x5210, 0, 181},  {0x3020, 0, 286},  {0x5345, 0, 355},
        {0x5526, 0, 360},   {0x3118, 0, 391},  {0x6430, 0, 384},  {0x4D85, 0, 297},  {0x4111, 0, 216},
        {0x4210, 0, 284},   {0x4210, 11, 284}, {0x4210, 16, 358}, {0x4210, 27, 358}, {0x4210, 1, 360},
        {0x4210, 255, 360}, {0x4D10, 16, 178}, {0, 0, 186},       {0x5346, 0, 186},  {0x9999, 0, 186},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.picture, GetDevicePictureId(c.product, c.state)) << std::hex << c.product << " " << c.state;

    const std::vector<int> ids = DevicePictureIds();
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    EXPECT_EQ(73u, ids.size());
    EXPECT_EQ(177, ids.front());
    EXPECT_EQ(391, ids.back());
}

} // namespace
