#include "settings/ClassicLayout.h"

#include "device/DeviceConfig.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The lines below are typed from the layout tables of the design, one line per table line, with
// "as group 1" and "as group 2" written out. They are not produced from the code's table: a
// reviewer holds them against the design, the test holds the code against them. Format:
// group | product ids | firmware | row count, margin | index row; ... | rows also set.
// clang-format off
const std::vector<std::string> kExpectedLayouts = {
    "1 | 0x4D10, 0x4D30, 0x4D40 | below 4.0 | 6.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 7 note | ",
    "1 | 0x4D10, 0x4D30, 0x4D40 | 4.0 to below 4.1 | 7.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 7 note | ",
    "1 | 0x4D10, 0x4D30, 0x4D40 | 4.1 to below 4.2 | 9.5, 2 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 6.5 High Quality A2DP; 7.5 Microphone Boosting; 8.5 note | ",
    "1 | 0x4D10, 0x4D30, 0x4D40 | 4.2 to below 5.0 | 8, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Microphone Boosting; 7 note | ",
    "1 | 0x4D10, 0x4D30, 0x4D40 | 5.0 and later | 8, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Sidetone; 6 Microphone Boosting; 7 note | ",
    "2 | 0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | below 4.0 | 6.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 7 note | ",
    "2 | 0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.0 to below 4.1 | 7.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 7 note | ",
    "2 | 0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.1 to below 4.2 | 8.5, 2 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 6.5 High Quality A2DP; 7.5 note | ",
    "2 | 0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.2 to below 5.0 | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 7 note | ",
    "2 | 0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 5.0 and later | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Sidetone; 7 note | ",
    "3 | 0x5020, 0x5070 | below 4.0 | 6.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 7 note | ",
    "3 | 0x5020, 0x5070 | 4.0 to below 4.1 | 7.5, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 7 note | ",
    "3 | 0x5020, 0x5070 | 4.1 to below 4.2 | 8.5, 2 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 EDR notice; 5.5 PLC; 6.5 High Quality A2DP; 7.5 note | ",
    "3 | 0x5020, 0x5070 | 4.2 and later | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 7 note | ",
    "4 | 0x4D21 | all | 7, 5 | 1 Sidetone; 6 note | ",
    "5 | 0x4D75, 0x5011 | all | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Sidetone; 7 note | ",
    "6 | 0x4D85 | all | 6, 2 | 1 VOX Phone; 2 EDR; 3 High Quality A2DP; 4 Sidetone; 7 note | VOX Intercom",
    "7 | 0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | below 1.2 | 6.5, 5 | 1 VOX Phone; 2 EDR; 3 EDR notice; 4.5 PLC; 7 note | VOX Intercom",
    "7 | 0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | 1.2 to below 2.0 | 6, 2 | 1 VOX Phone; 2 EDR; 3 High Quality A2DP; 7 note | VOX Intercom",
    "7 | 0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | 2.0 and later | 6, 2 | 1 VOX Phone; 2 EDR; 3 High Quality A2DP; 4 Sidetone; 7 note | VOX Intercom",
    "8 | 0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030 | all | 6, 2 | 1 VOX Phone; 2 EDR; 3 High Quality A2DP; 7 note | VOX Intercom",
    "9 | 0x2020 | below 1.1 | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Sidetone; 7 note | ",
    "9 | 0x2020 | 1.1 and later | 7, 5 | 1 VOX Phone; 2 VOX Intercom; 3 EDR; 4 High Quality A2DP; 5 Sidetone; 6 Hushguard; 7 note | ",
    "10 | 0x4021 | all | 6, 2 | 1 VOX Phone; 7 note | ",
    "11 | 0x4040 | all | 7, 5 | 1 Sidetone; 7 note | VOX Phone, VOX Intercom, EDR, High Quality A2DP",
    "12 | 0x4110, 0x4111 | all | 7, 5 | 1 EDR; 2 High Quality A2DP; 7 note | VOX Phone, VOX Intercom",
    "13 | 0x4120 | all | 7, 5 | 1 EDR; 2 High Quality A2DP; 3 Sidetone; 4 Hushguard; 5 Auto Gain Control; 7 note | VOX Phone, VOX Intercom",
    "14 | 0x6110, 0x6111, 0x6120, 0x6121 | all | 7, 5 | 1 EDR; 2 High Quality A2DP; 3 Sidetone; 4 Hushguard; 5 note | ",
    "15 | 0x6420 | all | 6, 2 | 1 VOX Phone; 2 EDR | ",
    "16 | 0x6430 | all | 6, 2 | 1 VOX Phone | ",
    "17 | 0x5210 | all | 4, 5 | 7 note | Radio Transmit Gain, Audio Channel Timeout",
    "18 | 0x4210 | below 1.1 | 4, 5 | 1 VOX Phone; 2 Sidetone; 3 Dualstream; 4 Intercom-Layertone Sensitivity | ",
    "18 | 0x4210 | 1.1 to below 1.2 | 6, 5 | 0 MORE SETTINGS; 1 VOX Phone; 2 Sidetone; 3 Motion Sensor Sensitivity; 4 Dualstream; 5 Intercom-Layertone Sensitivity; 6 Navigation App Support | ",
    "18 | 0x4210 | 1.2 and later | 7, 5 | 1 VOX Phone; 2 Sidetone; 3 Motion Sensor Sensitivity; 4 Dualstream; 5 Intercom-Layertone Sensitivity; 6 Navigation App Support; 7 MORE SETTINGS | ",
    "19 | 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6210, 0x6400 | all | 7, 5 | 1 Audio Boost; 2 VOX Phone; 3 VOX Intercom; 4 High Quality A2DP; 5 Sidetone; 6 Hushguard; 7 MORE SETTINGS | ",
};

// The visible rows of the classic models, typed the same way: product ids | firmware | rows.
const std::vector<std::string> kExpectedVisibleRows = {
    "0x4D10, 0x4D30, 0x4D40 | below 4.0 | VOX Phone, VOX Intercom, EDR, EDR notice, note",
    "0x4D10, 0x4D30, 0x4D40 | 4.0 to below 4.1 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, note",
    "0x4D10, 0x4D30, 0x4D40 | 4.1 to below 4.2 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, High Quality A2DP, Microphone Boosting, note",
    "0x4D10, 0x4D30, 0x4D40 | 4.2 to below 5.0 | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Microphone Boosting, note",
    "0x4D10, 0x4D30, 0x4D40 | 5.0 and later | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Microphone Boosting, Sidetone, note",
    "0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | below 4.0 | VOX Phone, VOX Intercom, EDR, EDR notice, note",
    "0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.0 to below 4.1 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, note",
    "0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.1 to below 4.2 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, High Quality A2DP, note",
    "0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 4.2 to below 5.0 | VOX Phone, VOX Intercom, EDR, High Quality A2DP, note",
    "0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080 | 5.0 and later | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Sidetone, note",
    "0x5020, 0x5070 | below 4.0 | VOX Phone, VOX Intercom, EDR, EDR notice, note",
    "0x5020, 0x5070 | 4.0 to below 4.1 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, note",
    "0x5020, 0x5070 | 4.1 to below 4.2 | VOX Phone, VOX Intercom, EDR, EDR notice, PLC, High Quality A2DP, note",
    "0x5020, 0x5070 | 4.2 and later | VOX Phone, VOX Intercom, EDR, High Quality A2DP, note",
    "0x4D21, 0x4040 | all | Sidetone, note",
    "0x4D75, 0x5011 | all | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Sidetone, note",
    "0x4D85 | all | VOX Phone, EDR, High Quality A2DP, Sidetone, note",
    "0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | below 1.2 | VOX Phone, EDR, EDR notice, PLC, note",
    "0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | 1.2 to below 2.0 | VOX Phone, EDR, High Quality A2DP, note",
    "0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | 2.0 and later | VOX Phone, EDR, High Quality A2DP, Sidetone, note",
    "0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030 | all | VOX Phone, EDR, High Quality A2DP, note",
    "0x2020 | below 1.1 | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Sidetone, note",
    "0x2020 | 1.1 and later | VOX Phone, VOX Intercom, EDR, High Quality A2DP, Sidetone, Hushguard, note",
    "0x4021, 0x6430 | all | VOX Phone, note",
    "0x4110, 0x4111 | all | EDR, High Quality A2DP, note",
    "0x4120 | all | EDR, High Quality A2DP, Sidetone, Hushguard, Auto Gain Control, note",
    "0x6110, 0x6111, 0x6120, 0x6121 | all | EDR, High Quality A2DP, Sidetone, Hushguard, note",
    "0x6420 | all | VOX Phone, EDR, note",
    "0x5210 | all | Radio Transmit Gain, Audio Channel Timeout, note",
};
// clang-format on

DeviceConfig Firmware(int major, int minor)
{
    DeviceConfig device;
    device.m_firmwareVersion.major = major;
    device.m_firmwareVersion.minor = minor;
    return device;
}

TEST(ClassicLayoutTable, HoldsTheLayoutsLineByLine)
{
    const std::vector<ClassicLayout>& table = ClassicLayoutTable();
    ASSERT_EQ(table.size(), kExpectedLayouts.size());
    for (size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(DescribeClassicLayout(table[i]), kExpectedLayouts[i]) << "line " << i;
}

TEST(ClassicLayoutTable, HoldsTheVisibleRowsLineByLine)
{
    const std::vector<VisibleRows>& table = VisibleRowsTable();
    ASSERT_EQ(table.size(), kExpectedVisibleRows.size());
    for (size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(DescribeVisibleRows(table[i]), kExpectedVisibleRows[i]) << "line " << i;
}

TEST(ClassicLayoutTable, EveryProductIdBelongsToOneGroupAtEveryFirmware)
{
    const int versions[][2] = {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {1, 10}, {2, 0}, {3, 9},
                               {4, 0}, {4, 1}, {4, 2}, {4, 9}, {5, 0},  {9, 9}};
    for (const ClassicLayout& layout : ClassicLayoutTable())
        for (int id : layout.productIds)
            for (const auto& version : versions) {
                int matches = 0;
                for (const ClassicLayout& other : ClassicLayoutTable())
                    for (int otherId : other.productIds)
                        if (otherId == id && InFirmwareRange(other.firmware, Firmware(version[0], version[1])))
                            ++matches;
                EXPECT_EQ(matches, 1) << std::hex << id << std::dec << " at " << version[0] << "." << version[1];
            }
}

TEST(ClassicLayoutLookup, FirmwareBoundariesPickTheirRanges)
{
    struct Case {
        int productId;
        int major;
        int minor;
        const char* expectedStart; // the line's beginning up to its firmware
    };
    const Case cases[] = {
        {0x4D10, 3, 9, "1 | 0x4D10, 0x4D30, 0x4D40 | below 4.0"},
        {0x4D10, 4, 0, "1 | 0x4D10, 0x4D30, 0x4D40 | 4.0 to below 4.1"},
        {0x4D10, 4, 1, "1 | 0x4D10, 0x4D30, 0x4D40 | 4.1 to below 4.2"},
        {0x4D10, 4, 10, "1 | 0x4D10, 0x4D30, 0x4D40 | 4.2 to below 5.0"}, // 4.10 is later than 4.2
        {0x4D10, 5, 0, "1 | 0x4D10, 0x4D30, 0x4D40 | 5.0 and later"},
        {0x5070, 5, 0, "3 | 0x5020, 0x5070 | 4.2 and later"},
        {0x4D45, 1, 2, "7 | 0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65 | 1.2 to below 2.0"},
        {0x2020, 1, 1, "9 | 0x2020 | 1.1 and later"},
        {0x4210, 1, 1, "18 | 0x4210 | 1.1 to below 1.2"},
    };
    for (const Case& c : cases) {
        const ClassicLayout* layout = FindClassicLayout(c.productId, Firmware(c.major, c.minor));
        ASSERT_NE(layout, nullptr) << c.expectedStart;
        EXPECT_EQ(DescribeClassicLayout(*layout).rfind(c.expectedStart, 0), 0u) << DescribeClassicLayout(*layout);
    }
    for (int id : {0x2030, 0x3500, 0x4310, 0x4610, 0x5320, 0x5330, 0x5345, 0x0000, 0xFFFF})
        EXPECT_EQ(FindClassicLayout(id, Firmware(4, 1)), nullptr) << std::hex << id;
}

TEST(ClassicLayoutLookup, GroupThreeAtFiveHasNoSidetoneUnlikeGroupTwo)
{
    const VisibleRows* group3 = FindVisibleRows(0x5020, Firmware(5, 0));
    const VisibleRows* group2 = FindVisibleRows(0x5010, Firmware(5, 0));
    ASSERT_NE(group3, nullptr);
    ASSERT_NE(group2, nullptr);
    EXPECT_EQ(DescribeVisibleRows(*group3).find("Sidetone"), std::string::npos);
    EXPECT_NE(DescribeVisibleRows(*group2).find("Sidetone"), std::string::npos);
}

TEST(ClassicLayoutLookup, GridModelsAndClassicModelsDoNotOverlap)
{
    // clang-format off
    const std::vector<int> expectedGridModels = {
        0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126,
        0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x5410, 0x5412, 0x5414,
        0x5416, 0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550,
        0x5560, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710,
        0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026,
        0x6210, 0x6400};
    // clang-format on
    // The page asks the row catalogue; this pins the set it answers.
    EXPECT_EQ(GridModelIds(), expectedGridModels);
    for (const VisibleRows& visible : VisibleRowsTable())
        for (int id : visible.productIds)
            EXPECT_FALSE(IsGridModel(id)) << std::hex << id;
    for (int id : {0x3500, 0x5320, 0x5330, 0x5345})
        EXPECT_FALSE(IsGridModel(id) || FindVisibleRows(id, Firmware(1, 0))) << std::hex << id;
}

// How each row's pair or combo shows the record and how a choice lands in it.
TEST(ClassicRows, StateRulesAndStores)
{
    DeviceConfig config;
    // EDR means the same on every firmware: 0 is on.
    config.m_edr = 0;
    EXPECT_TRUE(ClassicPairShowsEnable(GetClassicRowControls(ClassicRow::Edr), config, 0x4D10));
    config.m_edr = 1;
    EXPECT_FALSE(ClassicPairShowsEnable(GetClassicRowControls(ClassicRow::Edr), config, 0x4D10));

    struct StoreCase {
        ClassicRow row;
        int enableStores; // the value read back after Enable
    };
    const StoreCase stores[] = {
        {ClassicRow::Edr, 0},
        {ClassicRow::Hushguard, 0},
        {ClassicRow::AutoGainControl, 0},
        {ClassicRow::AudioBoost, 0},
        {ClassicRow::VoxIntercom, 1},
        {ClassicRow::Plc, 1},
        {ClassicRow::HighQualityA2dp, 1},
        {ClassicRow::MicrophoneBoosting, 1},
    };
    for (const StoreCase& c : stores) {
        const ClassicRowControls& row = GetClassicRowControls(c.row);
        DeviceConfig record;
        row.store(record, 0x4D10, 1);
        EXPECT_EQ(row.read(record, 0x4D10), c.enableStores) << row.name;
        EXPECT_TRUE(ClassicPairShowsEnable(row, record, 0x4D10)) << row.name;
        row.store(record, 0x4D10, 0);
        EXPECT_EQ(row.read(record, 0x4D10), 1 - c.enableStores) << row.name;
        EXPECT_FALSE(ClassicPairShowsEnable(row, record, 0x4D10)) << row.name;
    }
}

TEST(ClassicRows, FlagWordModelsKeepVoxPhoneAndSidetoneInWordTwo)
{
    DeviceConfig flagWord;
    GetClassicRowControls(ClassicRow::VoxPhone).store(flagWord, 0x4610, 1);
    GetClassicRowControls(ClassicRow::Sidetone).store(flagWord, 0x4610, 1);
    EXPECT_EQ(flagWord.m_settings[2], 0x8000 | 0x1000);
    EXPECT_EQ(flagWord.m_handsfreeVox, 0);
    EXPECT_EQ(flagWord.m_sidetone, 0);

    DeviceConfig optionInt;
    GetClassicRowControls(ClassicRow::VoxPhone).store(optionInt, 0x4D10, 1);
    GetClassicRowControls(ClassicRow::Sidetone).store(optionInt, 0x4D10, 1);
    EXPECT_EQ(optionInt.m_settings[2], 0);
    EXPECT_EQ(optionInt.m_handsfreeVox, 1);
    EXPECT_EQ(optionInt.m_sidetone, 1);
}

TEST(ClassicRows, CombosGainAndTimeout)
{
    const ClassicRowControls& overlay = GetClassicRowControls(ClassicRow::OverlaySensitivity);
    const ClassicRowControls& motion = GetClassicRowControls(ClassicRow::MotionSensorSensitivity);
    DeviceConfig config;
    overlay.store(config, 0x4210, 0);
    EXPECT_EQ(config.GetOverlaySensitivity(), 10);
    EXPECT_EQ(ClassicComboSelection(overlay, config, 0x4210), 0); // " 1"
    overlay.store(config, 0x4210, 9);
    EXPECT_EQ(config.GetOverlaySensitivity(), 1);
    EXPECT_EQ(ClassicComboSelection(overlay, config, 0x4210), 9); // "10"
    motion.store(config, 0x4210, 0);
    EXPECT_EQ(config.GetMotionSensorSensitivity(), 1);
    EXPECT_EQ(ClassicComboSelection(motion, config, 0x4210), 0); // "Disable"

    const ClassicRowControls& gain = GetClassicRowControls(ClassicRow::RadioTransmitGain);
    const int gains[] = {12, 15, 17};
    for (int place = 0; place < 3; ++place) {
        gain.store(config, 0x5210, place);
        EXPECT_EQ(config.m_radioTransmitGain, gains[place]);
    }
    const ClassicRowControls& timeout = GetClassicRowControls(ClassicRow::AudioChannelTimeout);
    for (const auto& c : {std::pair<int, int>{2, 3}, {3, 3}, {30, 30}, {60, 60}, {61, 60}, {-5, 3}}) {
        timeout.store(config, 0x5210, c.first);
        EXPECT_EQ(config.m_audioChannelTimeout, c.second) << c.first;
    }
}

TEST(ClassicRows, PairsAreEnableAndEnablePlusOne)
{
    for (const ClassicRowControls& row : ClassicRowTable()) {
        if (row.enableId == 0)
            continue;
        bool hasEnable = false;
        bool hasDisable = false;
        for (int id : row.controls) {
            hasEnable |= id == row.enableId;
            hasDisable |= id == row.enableId + 1;
        }
        EXPECT_TRUE(hasEnable && hasDisable) << row.name;
    }
}

} // namespace
