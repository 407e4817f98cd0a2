#include "device/FmRegions.h"
#include "device/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

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

TEST(ModelNames, EveryRowInBothForms)
{
    // The names are the system's own texts, character for character.
    const NameCase rows[] = {
        {0x2010, L"Zenta.S", L"Zenta-S"},
        {0x2011, L"Zenta.S2", L"Zenta.S2"},
        {0x2020, L"Zenta", L"Zenta"},
        {0x2030, L"Zenta2", L"Zenta2"},
        {0x2110, L"Mere Voice T", L"MVT"},
        {0x2210, L"Crestline", L"Crestline"},
        {0x2310, L"Quint404", L"Quint404"},
        {0x3010, L"Wireless Sound Kit", L"CK8"},
        {0x3020, L"LENSA", L"LENSA"},
        {0x3030, L"Delvo", L"Delvo"},
        {0x3040, L"Delvo Pro", L"Delvo_Pro"},
        {0x3050, L"Eskal", L"Eskal"},
        {0x3060, L"Eskal Pro", L"Eskal_Pro"},
        {0x3110, L"Gravik", L"Gravik"},
        {0x3112, L"Thump! Sound Gravik", L"IV_Gravik"},
        {0x3114, L"Thump! Sound P02", L"IV_Tarsel_M"},
        {0x3116, L"Tarsel EVO", L"Tarsel_EVO"},
        {0x3118, L"Grittel M", L"Grittel_M"},
        {0x3124, L"Eskal M", L"Eskal_M"},
        {0x3126, L"Fenlo", L"Fenlo"},
        {0x3500, L"+Weave", L"PlusWeave"},
        {0x4010, L"Unaro", L"Unaro"},
        {0x4020, L"Vel4", L"Vel4"},
        {0x4021, L"Quint", L"Quint"},
        {0x4030, L"Vel2", L"Vel2"},
        {0x4040, L"Frostcall", L"Frostcall"},
        {0x4110, L"AMPLO", L"AMPLO"},
        {0x4111, L"Thump Sound AMPLO", L"IV_AMPLO"},
        {0x4120, L"WQ8", L"WQ8"},
        {0x4210, L"Orvan", L"Orvan"},
        {0x4310, L"Tarsel", L"Tarsel"},
        {0x4330, L"Tarsel Pro", L"Tarsel_Pro"},
        {0x4350, L"Tarsel V", L"Tarsel_V"},
        {0x4410, L"Tarsel INC", L"Tarsel_INC"},
        {0x4430, L"Tarsel INCP", L"Tarsel_INCP"},
        {0x4510, L"Flank Crest2", L"Flank"},
        {0x4530, L"Flank2", L"Flank2"},
        {0x4610, L"Helmora vQT", L"Helmora_vQT"},
        {0x4D05, L"Vel6", L"Vel6"},
        {0x4D10, L"Vel8", L"Vel8"},
        {0x4D15, L"Vel6-FM", L"Vel6-FM"},
        {0x4D20, L"Vel8R", L"Vel8R"},
        {0x4D21, L"Omnisuit", L"Ostra_Vel8R"},
        {0x4D30, L"Vel8", L"Vel8"},
        {0x4D35, L"Vel6", L"Vel6"},
        {0x4D40, L"Vel8", L"Vel8"},
        {0x4D45, L"Vel6-FM", L"Vel6-FM"},
        {0x4D50, L"Vel8R", L"Vel8R"},
        {0x4D55, L"Vel6", L"Vel6"},
        {0x4D65, L"Vel6-FM", L"Vel6-FM"},
        {0x4D75, L"Vel6_Plexa", L"Vel6_Plexa"},
        {0x4D85, L"Vel6-BP", L"Vel6-BP"},
        {0x5010, L"Orn8", L"Orn8"},
        {0x5011, L"Thump Sound Orn8", L"IV_Orn8"},
        {0x5020, L"Orn8S", L"Orn8S"},
        {0x5030, L"Orn8H", L"Orn8H"},
        {0x5040, L"Orn8H-FM", L"Orn8H-FM"},
        {0x5050, L"Orn8H-FM", L"Orn8H-FM"},
        {0x5060, L"Orn8", L"Orn8"},
        {0x5061, L"Orn8", L"Orn8"},
        {0x5070, L"Orn8S", L"Orn8S"},
        {0x5080, L"Orn8H", L"Orn8H"},
        {0x5210, L"Kiv8", L"Kiv8"},
        {0x5310, L"Lun8", L"Lun8"},
        {0x5320, L"OpenLine for Ironvale", L"OpenLineIV"},
        {0x5330, L"OpenLine for Kaito Skyway", L"OpenLineKS"},
        {0x5345, L"QUIRK", L"QUIRK"},
        {0x5410, L"KN1", L"KN1"},
        {0x5412, L"KN2", L"KN2"},
        {0x5414, L"KN4", L"KN4"},
        {0x5416, L"QRE-01", L"QRE_01"},
        {0x5418, L"KNR", L"KNR"},
        {0x5420, L"Velto Arca", L"Velto_Arca"},
        {0x5510, L"Zimbo", L"Zimbo"},
        {0x5520, L"Jarret", L"Jarret"},
        {0x5522, L"Thump! Sound P01 Jarret", L"IV_Hussar"},
        {0x5524, L"Hussar", L"Hussar"},
        {0x5526, L"Tarsel Lite", L"Tarsel_Lite"},
        {0x5530, L"Lutra", L"Lutra"},
        {0x5532, L"Thump! Sound Lutra", L"IV_Lutra"},
        {0x5536, L"Hussar Lite", L"Hussar_Lite"},
        {0x5550, L"Feral", L"Feral"},
        {0x5560, L"Alpine Helmet", L"ALPINE_HELMET"},
        {0x5570, L"Zimbo EVO", L"Zimbo_EVO"},
        {0x5580, L"Zimbo Pro", L"Zimbo_Pro"},
        {0x5610, L"Yelda Aero-X", L"Yelda_Aero-X"},
        {0x5611, L"Yelda Crest", L"Yelda_Crest"},
        {0x5612, L"Yelda Jet-Glide", L"Yelda_Jet-Glide"},
        {0x5620, L"Yelda Q5/Q5Pro", L"Yelda_Q5_Q5Pro"},
        {0x5621, L"Yelda Kasco", L"Yelda_Kasco"},
        {0x5622, L"WZ1A", L"WZ1A"},
        {0x5623, L"WZYelda", L"WZYelda"},
        {0x5624, L"WZ1S", L"WZ1S"},
        {0x5710, L"Grittel", L"Grittel"},
        {0x5720, L"Grittel Lite", L"Grittel_Lite"},
        {0x5910, L"Brannor Vela", L"BrannorVela"},
        {0x5920, L"Borealis Catapult", L"BorealisCatapult"},
        {0x6010, L"Tamsu", L"Tamsu"},
        {0x6012, L"A802LR", L"Abra7L"},
        {0x6014, L"A802R", L"Abra7"},
        {0x6016, L"A802K", L"AbraX7"},
        {0x6018, L"A802S", L"Abra4"},
        {0x6020, L"A702R", L"A702_R"},
        {0x6022, L"A702S", L"A702_S"},
        {0x6024, L"A702X", L"A702_X"},
        {0x6026, L"A802X", L"A802X"},
        {0x6110, L"Krana KW-3", L"Krana_KW-3"},
        {0x6111, L"Mosca KW3-PRO", L"Krana_KW3-PRO"},
        {0x6120, L"Parlo", L"Parlo"},
        {0x6121, L"Parlo-K3", L"Parlo2"},
        {0x6210, L"Yeldapad", L"Yeldapad"},
        {0x6400, L"WZ1M", L"WZ1M"},
        {0x6420, L"Vista Run", L"VistaRun"},
        {0x6430, L"Chepa", L"Chepa"},
    };
    std::set<int> listed;
    for (const NameCase& row : rows) {
        SCOPED_TRACE(::testing::Message() << std::hex << row.productId);
        listed.insert(row.productId);
        EXPECT_EQ(GetModelName(row.productId, 0), row.display);
        EXPECT_EQ(GetModelName(row.productId, 1), row.file);
    }
    // Nothing beyond these rows has a name.
    const ModelNameTableView table = ModelNameTable();
    EXPECT_EQ(table.count, sizeof(rows) / sizeof(rows[0]));
    for (std::size_t i = 0; i < table.count; ++i) {
        EXPECT_EQ(listed.count(table.rows[i].productId), 1u) << std::hex << table.rows[i].productId;
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

bool Listed(std::initializer_list<int> ids, int productId)
{
    return std::find(ids.begin(), ids.end(), productId) != ids.end();
}

// Every catalogue product against the category rules, written out independently of the code,
// on both sides of each firmware threshold.
TEST(SettingsPageList, EveryCatalogueProductOnBothSidesOfEachThreshold)
{
    const std::initializer_list<int> rule1 = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060,
                                              0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050};
    const std::initializer_list<int> rule1Fm = {0x5040, 0x5050};
    const std::initializer_list<int> rule2 = {0x4D75, 0x5011, 0x2020, 0x6110, 0x6111, 0x6120,
                                              0x6121, 0x4110, 0x4120, 0x6420, 0x6430};
    const std::initializer_list<int> rule4 = {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65};
    const std::initializer_list<int> rule4Fm = {0x4D15, 0x4D45, 0x4D65};
    const std::initializer_list<int> rule5 = {
        0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x4D85, 0x4210, 0x4310, 0x4350, 0x4330, 0x4510, 0x4530,
        0x4610, 0x2030, 0x4410, 0x4430, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532,
        0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114, 0x5710, 0x5623, 0x5622, 0x5524,
        0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5910, 0x5920, 0x5412, 0x5414,
        0x5420, 0x5418, 0x5416, 0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
    const std::initializer_list<int> rule6 = {0x6020, 0x6022, 0x6024, 0x5560, 0x5410};
    const std::initializer_list<int> rule7 = {0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210,
                                              0x4030, 0x4010, 0x5624, 0x4040, 0x5210, 0x3010, 0x3020};
    const int B = kSettingsCategoryBasic, S = kSettingsCategorySpeedDial, F = kSettingsCategoryFmRadio;
    const struct { int major; int minor; } firmwares[] = {{0, 0}, {1, 2}, {1, 3}, {4, 2}, {4, 3}};

    const ModelNameTableView table = ModelNameTable();
    for (std::size_t i = 0; i < table.count; ++i) {
        const int id = table.rows[i].productId;
        for (const auto& fw : firmwares) {
            SCOPED_TRACE(::testing::Message() << std::hex << id << std::dec << " fw " << fw.major << "." << fw.minor);
            const auto newerThan = [&fw](int major, int minor) {
                return fw.major > major || (fw.major == major && fw.minor > minor);
            };
            std::vector<int> expected;
            if (Listed(rule1, id) || Listed(rule4, id)) {
                expected.push_back(B);
                if (Listed(rule1, id) ? newerThan(4, 2) : newerThan(1, 2)) {
                    expected.push_back(S);
                }
                if (Listed(rule1Fm, id) || Listed(rule4Fm, id)) {
                    expected.push_back(F);
                }
            } else if (Listed(rule2, id) || Listed(rule6, id)) {
                expected = {B, S};
            } else if (id == 0x4111) {
                expected = {S};
            } else if (Listed(rule5, id)) {
                expected = {B, S, F};
            } else if (Listed(rule7, id)) {
                expected = {B};
            }
            EXPECT_EQ(BuildList(id, fw.major, fw.minor), expected);
        }
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
