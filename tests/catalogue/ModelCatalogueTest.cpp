#include "device/FmRegions.h"
#include "device/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct NameCase
{
    int productId;
    const wchar_t* display;
    const wchar_t* file;
};

TEST(ModelNames, TellingRowsInBothForms)
{
    const NameCase cases[] = {
        // several ids share one name
        {0x4D10, L"Vel8", L"Vel8"},
        {0x4D30, L"Vel8", L"Vel8"},
        {0x4D40, L"Vel8", L"Vel8"},
        {0x5050, L"Orn8H-FM", L"Orn8H-FM"},
        // the two forms differ
        {0x3114, L"Thump! Sound P02", L"IV_Tarsel_M"},
        {0x4D21, L"Omnisuit", L"Ostra_Vel8R"},
        {0x2010, L"Zenta.S", L"Zenta-S"},
        {0x3500, L"+Weave", L"PlusWeave"},
        {0x5620, L"Yelda Q5/Q5Pro", L"Yelda_Q5_Q5Pro"},
        {0x5330, L"OpenLine for Kaito Skyway", L"OpenLineKS"},
        {0x6111, L"Mosca KW3-PRO", L"Krana_KW3-PRO"},
        {0x5522, L"Thump! Sound P01 Jarret", L"IV_Hussar"},
        // a point kept in the file-name form
        {0x2011, L"Zenta.S2", L"Zenta.S2"},
        // first and last rows
        {0x6430, L"Chepa", L"Chepa"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.productId);
        EXPECT_EQ(GetModelName(c.productId, 0), c.display);
        EXPECT_EQ(GetModelName(c.productId, 1), c.file);
        // any non-zero flag asks for the file-name form
        EXPECT_EQ(GetModelName(c.productId, -1), c.file);
        EXPECT_TRUE(IsCatalogueProduct(c.productId));
    }
}

TEST(ModelNames, UnknownIdsHaveNoName)
{
    for (int id : {0x9999, 0, -1, 0x4D10 + 0x8000, 0x14D10, 0x4D00}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(GetModelName(id, 0), L"");
        EXPECT_EQ(GetModelName(id, 1), L"");
        EXPECT_FALSE(IsCatalogueProduct(id));
    }
}

TEST(ModelNames, TableHoldsOneRowPerIdWithUsableFileNames)
{
    const ModelNameTableView table = ModelNameTable();
    ASSERT_EQ(table.count, 114u);
    std::set<int> ids;
    for (std::size_t i = 0; i < table.count; ++i) {
        const ModelNameRow& row = table.rows[i];
        SCOPED_TRACE(row.productId);
        EXPECT_TRUE(ids.insert(row.productId).second) << "duplicate product id";
        const std::wstring file = row.fileName;
        EXPECT_FALSE(file.empty());
        EXPECT_FALSE(std::wstring(row.displayName).empty());
        EXPECT_EQ(file.find_first_of(L" /\\"), std::wstring::npos);
    }
}

struct PageListCase
{
    int productId;
    int major;
    int minor;
    std::vector<int> expected;
};

std::vector<int> BuildList(int productId, int major, int minor)
{
    // Stale contents must never survive a rebuild.
    int count = 7;
    int kinds[kSettingsPageSlots] = {9, 9, 9};
    int selected = 5;
    BuildSettingsPageList(productId, major, minor, count, kinds, selected);
    EXPECT_EQ(selected, 0);
    EXPECT_GE(count, 0);
    EXPECT_LE(count, kSettingsPageSlots);
    for (int i = count; i < kSettingsPageSlots; ++i) {
        EXPECT_EQ(kinds[i], 0) << "unused slot " << i;
    }
    return std::vector<int>(kinds, kinds + count);
}

TEST(SettingsPageList, RulesAndFirmwareThresholds)
{
    const int B = kSettingsCategoryBasic, S = kSettingsCategorySpeedDial, F = kSettingsCategoryFmRadio;
    const PageListCase cases[] = {
        // rule 1: speed dial only after 4.2, FM whatever the firmware for two of them
        {0x4D10, 4, 2, {B}},
        {0x4D10, 4, 3, {B, S}},
        {0x4D10, 5, 0, {B, S}},
        {0x4D10, 3, 9, {B}},
        {0x4D50, 4, 10, {B, S}},
        {0x5050, 4, 2, {B, F}},
        {0x5050, 4, 3, {B, S, F}},
        {0x5040, 0, 0, {B, F}},
        // rule 2
        {0x2020, 0, 0, {B, S}},
        {0x6430, 9, 9, {B, S}},
        // rule 3: speed dial alone
        {0x4111, 0, 0, {S}},
        {0x4111, 9, 0, {S}},
        // rule 4: speed dial only after 1.2, FM for the FM variants
        {0x4D05, 1, 2, {B}},
        {0x4D05, 1, 3, {B, S}},
        {0x4D55, 2, 0, {B, S}},
        {0x4D15, 1, 2, {B, F}},
        {0x4D65, 1, 3, {B, S, F}},
        // rule 5
        {0x5610, 0, 0, {B, S, F}},
        {0x6026, 1, 0, {B, S, F}},
        {0x2030, 0, 0, {B, S, F}},
        // rule 6
        {0x5410, 3, 0, {B, S}},
        {0x6024, 0, 0, {B, S}},
        // rule 7: Basic alone, even where a sibling model gets more
        {0x5624, 2, 0, {B}},
        {0x3020, 1, 0, {B}},
        {0x5210, 0, 0, {B}},
        // no rule: empty
        {0x5345, 1, 0, {}},
        {0x4D21, 5, 0, {}},
        {0x3500, 0, 0, {}},
        {0x9999, 4, 3, {}},
        {-1, 0, 0, {}},
    };
    for (const PageListCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.productId << std::dec << " fw " << c.major
                                          << "." << c.minor);
        EXPECT_EQ(BuildList(c.productId, c.major, c.minor), c.expected);
    }
}

TEST(SettingsPageList, OnlyTheseCatalogueModelsOfferNoCategory)
{
    // Guards the rule lists against a dropped product id.
    const std::set<int> expected = {0x3500, 0x4D21, 0x5310, 0x5320, 0x5330, 0x5345};
    std::set<int> empty;
    const ModelNameTableView table = ModelNameTable();
    for (std::size_t i = 0; i < table.count; ++i) {
        if (BuildList(table.rows[i].productId, 9, 9).empty()) {
            empty.insert(table.rows[i].productId);
        }
    }
    EXPECT_EQ(empty, expected);
}

TEST(SettingsPageList, ClearEmptiesEverything)
{
    int count = 3;
    int kinds[kSettingsPageSlots] = {1, 2, 3};
    int selected = 2;
    ClearSettingsPageList(count, kinds, selected);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(kinds[0], 0);
    EXPECT_EQ(kinds[1], 0);
    EXPECT_EQ(kinds[2], 0);
    EXPECT_EQ(selected, 0);
}

struct FmCase
{
    int region;
    int frequency;
    int expected;
};

TEST(FmRegions, BandEdgesAndGridPerRegion)
{
    const FmCase cases[] = {
        // region 0: 76.0 to 108.0 MHz on 100 kHz
        {0, 7600, 0}, {0, 7610, 0}, {0, 10800, 0}, {0, 7599, 1}, {0, 10810, 1}, {0, 7605, 2},
        // region 1: 87.5 to 107.9 MHz on 200 kHz, grid from 87.5
        {1, 8750, 0}, {1, 10790, 0}, {1, 8770, 0}, {1, 8760, 2}, {1, 8740, 1}, {1, 10800, 1},
        // region 2
        {2, 8750, 0}, {2, 8760, 0}, {2, 10800, 0}, {2, 10810, 1}, {2, 8749, 1}, {2, 8755, 2},
        // region 3: as region 1
        {3, 8750, 0}, {3, 10790, 0}, {3, 10780, 2}, {3, 10791, 1},
        // region 4
        {4, 8750, 0}, {4, 10800, 0}, {4, 9001, 2}, {4, 7600, 1},
        // region 5: 76.0 to 95.0 MHz
        {5, 7600, 0}, {5, 9500, 0}, {5, 9510, 1}, {5, 9000, 0}, {5, 9003, 2},
        // negative and zero frequencies are simply outside every band
        {0, 0, 1}, {1, -8750, 1},
    };
    for (const FmCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "region " << c.region << " frequency " << c.frequency);
        EXPECT_EQ(ValidateFmFrequency(c.region, c.frequency), c.expected);
    }
}

TEST(FmRegions, RegionOutsideTableIsOutsideTheBand)
{
    for (int region : {-1, 6, 7, 255, 1 << 30, -(1 << 30)}) {
        SCOPED_TRACE(region);
        EXPECT_EQ(FindFmRegionBand(region), nullptr);
        for (int frequency : {7600, 8750, 10000, 10800}) {
            EXPECT_EQ(ValidateFmFrequency(region, frequency), kFmFrequencyOutsideBand);
        }
    }
    for (int region = 0; region < kFmRegionCount; ++region) {
        const FmRegionBand* band = FindFmRegionBand(region);
        ASSERT_NE(band, nullptr);
        EXPECT_LT(band->lowest, band->highest);
        EXPECT_GT(band->step, 0);
    }
}

TEST(RadioTransmitGain, IndexOfEachStep)
{
    const struct { int gain; int index; } cases[] = {
        {12, 0}, {15, 1}, {17, 2}, {0, 1}, {13, 1}, {16, 1}, {-12, 1}, {170, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RadioTransmitGainIndex(c.gain), c.index) << c.gain;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RadioTransmitGainIndex(kRadioTransmitGainSteps[i]), i);
    }
}

TEST(TargetDevice, AcceptedPairsRunOneWay)
{
    const struct { int target; int found; int accepted; } cases[] = {
        {0x4D10, 0x4D10, 1}, {0x4D10, 0x4D30, 1}, {0x4D10, 0x4D40, 1},
        {0x4D30, 0x4D10, 0}, {0x4D40, 0x4D30, 0},
        {0x4D05, 0x4D35, 1}, {0x4D05, 0x4D55, 1}, {0x4D05, 0x4D15, 0},
        {0x4D15, 0x4D45, 1}, {0x4D15, 0x4D65, 1}, {0x4D45, 0x4D15, 0},
        {0x5040, 0x5050, 1}, {0x5050, 0x5040, 0},
        {0x4D20, 0x4D50, 1}, {0x4D20, 0x4D21, 0},
        {0x5010, 0x5060, 1}, {0x5010, 0x5061, 1}, {0x5010, 0x5011, 0},
        {0x5020, 0x5070, 1}, {0x5030, 0x5080, 1}, {0x5030, 0x5070, 0},
        {0x2030, 0x2030, 1}, {0x2030, 0x2020, 0},
        // a DFU-mode id is not its normal-mode model
        {0x2010, 0xA010, 0},
        {0x9999, 0x9999, 1}, {0, 0x4D10, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsTargetDevice(c.target, c.found), c.accepted)
            << std::hex << "target " << c.target << " found " << c.found;
    }
}

} // namespace
