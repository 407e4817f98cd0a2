#include <gtest/gtest.h>

#include <vector>

#include "firmware/DfuRoadRules.h"
#include "firmware/DualChipWorker.h"
#include "firmware/LoaderUpdate.h"
#include "firmware/UpdateRoads.h"

namespace {

TEST(UpdateRoads, ChosenByProductId)
{
    struct Case {
        int model;
        UpdateRoad road;
    };
    const Case cases[] = {
        {0x4210, UpdateRoad::kVersionedImage},
        {0x2030, UpdateRoad::kDualChannelImage},
        {0x4610, UpdateRoad::kDualChannelImage},
        {0x5345, UpdateRoad::kDualChip},
        {0x3500, UpdateRoad::kLoader},
        {0x3126, UpdateRoad::kLoader},
        {0x5920, UpdateRoad::kCamera},
        {0x3060, UpdateRoad::kCamera},
        {0x5416, UpdateRoad::kRebootImage},
        {0x6026, UpdateRoad::kRebootImage},
        {0x4D10, UpdateRoad::kDfu},
        {0x6020, UpdateRoad::kDfu},
        {0x3020, UpdateRoad::kDfu},
        {0x5346, UpdateRoad::kDfu},
        {0, UpdateRoad::kDfu},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.road, FindUpdateRoad(c.model).road) << std::hex << c.model;
        EXPECT_EQ(c.road != UpdateRoad::kDfu, IsWorkerRoad(c.road));
    }
    // Each road's row names its worker; the DFU road has none.
    EXPECT_EQ(&LoaderUpdateThread, FindUpdateRoad(0x3110).worker);
    EXPECT_EQ(&DualChipUpdateThread, FindUpdateRoad(0x5345).worker);
    EXPECT_EQ(nullptr, FindUpdateRoad(0x4D10).worker);
}

TEST(DfuRoadRules, DefaultVersions)
{
    const PsKeyValue key659 = {41, 0, 0, 0};
    struct Case {
        int model;
        const PsKeyValue* key659;
        int value;
    };
    const Case cases[] = {
        {0x4D10, &key659, 41}, {0x4D10, nullptr, 30}, {0x4D30, nullptr, 42}, {0x4D40, nullptr, 43},
        {0x4D21, nullptr, 10}, {0x3010, &key659, 10}, {0x2210, nullptr, 12}, {0x4D65, nullptr, 20},
        {0x5010, nullptr, 32}, {0x5020, nullptr, 33}, {0x5030, nullptr, 41}, {0x5080, nullptr, 42},
        {0x4D50, nullptr, 50}, {0x5061, nullptr, 52}, {0x1234, nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, DefaultDfuVersionValue(c.model, c.key659)) << std::hex << c.model;
}

TEST(DfuRoadRules, UnitVersionFromThePersistentStore)
{
    const PsKeyValue released = {42, 9, 3, 2};
    const PsKeyValue empty = {0, 9, 3, 2};
    const PsKeyValue camera = {0, 1, 2, 3};
    struct Case {
        const char* label;
        int model;
        const PsKeyValue* key676;
        DeviceVersion version;
    };
    const Case cases[] = {
        {"version key", 0x4D10, &released, {4, 2, 2, 3, 0}},
        {"version key 0: default", 0x5061, &empty, {5, 2, 0, 0, 0}},
        {"unreadable: default", 0x4D30, nullptr, {4, 2, 0, 0, 0}},
        {"camera", 0x3020, &camera, {3, 2, 1, 0, 0}},
        {"camera unreadable", 0x3020, nullptr, {1, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        const DeviceVersion version = ReadDfuUnitVersion(c.model, c.key676, nullptr);
        EXPECT_EQ(c.version.major, version.major) << c.label;
        EXPECT_EQ(c.version.minor, version.minor) << c.label;
        EXPECT_EQ(c.version.kind, version.kind) << c.label;
        EXPECT_EQ(c.version.build, version.build) << c.label;
    }
}

TEST(DfuRoadRules, KeyWritesBeforeTheUpdate)
{
    DeviceConfig unit;
    unit.m_firmwareVersion.major = 3;
    unit.m_firmwareVersion.minor = 2;
    const std::vector<PsKeyWrite> at32 = DfuKeyWritesBeforeUpdate(0x4D10, unit);
    ASSERT_EQ(3u, at32.size());
    EXPECT_EQ(676, at32[0].key);
    EXPECT_EQ(std::vector<std::uint8_t>(4, 0), at32[0].bytes);
    EXPECT_EQ(664, at32[1].key);
    EXPECT_EQ(std::vector<std::uint8_t>(2, 0), at32[1].bytes);
    EXPECT_EQ(665, at32[2].key);
    unit.m_firmwareVersion.minor = 3;
    const std::vector<PsKeyWrite> at33 = DfuKeyWritesBeforeUpdate(0x5070, unit);
    ASSERT_EQ(2u, at33.size());
    EXPECT_EQ(664, at33[0].key);
    EXPECT_TRUE(DfuKeyWritesBeforeUpdate(0x4D20, unit).empty());
}

TEST(DfuRoadRules, UsbCheck)
{
    struct Case {
        const char* label;
        int model;
        int usbStatus;
        bool rebooted;
        int count;
        int ids[2];
        bool passes;
    };
    const Case cases[] = {
        {"normal unit", 0x4D10, 0x2020, false, 1, {0x2020, 0}, true},
        {"unit in DFU mode", 0x4D10, 0xA020, false, 2, {0xA020, 0x2010}, true},
        {"other unit first", 0x4D10, 0x2020, false, 2, {0xA020, 0x2020}, false},
        {"nothing on USB", 0x4D10, 0x2020, false, 0, {0, 0}, false},
        {"two units of 5310", 0x5310, 0x2020, false, 2, {0x2020, 0xA010}, true},
        {"one unit of 5310", 0x5310, 0x2020, false, 1, {0x2020, 0}, false},
        {"rebooted into DFU mode", 0x6020, 0x6021, true, 1, {0xA011, 0}, true},
        {"rebooted, still normal", 0x6020, 0x6021, true, 1, {0x2011, 0}, false},
        {"rebooted, own id", 0x6020, 0x6021, true, 1, {0x6021, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.passes, DfuUsbCheckPasses(c.model, c.usbStatus, c.rebooted, c.count, c.ids)) << c.label;
}

TEST(DfuRoadRules, UnitReady)
{
    struct Case {
        const char* label;
        int model;
        int engine;
        int count;
        int ids[2];
        bool ready;
    };
    const Case cases[] = {
        {"back in normal mode", 0x4D10, 1, 1, {0x2020, 0}, true},
        {"still in DFU mode", 0x4D10, 1, 1, {0xA020, 0}, false},
        {"gone", 0x4D10, 1, 0, {0, 0}, false},
        {"5310, second engine's unit back", 0x5310, 2, 2, {0xA020, 0x2020}, true},
        {"5310, first engine's unit in DFU", 0x5310, 1, 2, {0xA020, 0x2020}, false},
        {"5310, no engine", 0x5310, 0, 2, {0x2020, 0x2020}, false},
        {"5310, one unit", 0x5310, 1, 1, {0x2020, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.ready, DfuUnitReady(c.model, c.engine, c.count, c.ids)) << c.label;
    EXPECT_TRUE(RebootsIntoDfu(0x6022));
    EXPECT_FALSE(RebootsIntoDfu(0x6010));
    EXPECT_EQ(0x6025, DfuModeUsbStatus(0x6024));
    EXPECT_EQ(0x2020, DfuModeUsbStatus(0x2020));
}

} // namespace
