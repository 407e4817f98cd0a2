// The change rules of the Layertone products: the word-23 "Layertone™" row greys its marked
// dependants while it is non-zero. 0x5560 and 0x5410 show the music-and-GPS help, 0x5412,
// 0x5414, 0x5420, 0x5418 and 0x5416 the full one. 0x5410 below 1.1 has the row without
// dependants, 0x5416 below 1.1 has no Layertone row. No click outside the rows does anything.

#include <gtest/gtest.h>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
const char* const k5560Rows =
    "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
    "w23+ ^4 | LayertoneMusicGps 280; w21+ | HdVoice 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
    "m_sidetone+ | Sidetone 160";

const char* const k5412Below1_1Rows =
    "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
    "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w23+ ^5,6 | Layertone 280; dd w22 i | AudioSourcePriority 230;"
    "w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
    "w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160";

const char* const k5412From1_1Rows =
    "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
    "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w23+ ^5,6,7 | Layertone 280; dd w22 i | AudioSourcePriority 230;"
    "w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
    "w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160";

const FamilyLine kLayertoneLines[] = {
    {"0x5560", "0.1 1.0 1.1 2.0", k5560Rows, false, false},
    {"0x5410", "0.9 1.0",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "w23+ | LayertoneMusicGps 280; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130; m_sidetone+ | Sidetone 160",
     false, false},
    {"0x5410", "1.1 1.2 1.10", k5560Rows, false, false},
    {"0x5410", "2.0 2.3",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w23+ ^5,6,7 | LayertoneMusicGps 280;"
     "dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
     "dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130; m_sidetone+ | Sidetone 160;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5412 0x5414", "0.9 1.0", k5412Below1_1Rows, false, false},
    {"0x5412 0x5414", "1.1 1.2 1.10 2.0", k5412From1_1Rows, false, false},
    {"0x5420 0x5418", "0.1 1.0 2.0", k5412From1_1Rows, false, false},
    {"0x5416", "0.9 1.0",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; dd w22 i | AudioSourcePriority 230;"
     "w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
     "w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5416", "1.1 1.2 2.0", k5412Below1_1Rows, false, false},
};
// clang-format on

} // namespace

TEST(GridRulesLayertone, EveryRangeRowByRow)
{
    for (const FamilyLine& line : kLayertoneLines)
        CheckFamilyLine(line);
}

TEST(GridRulesLayertone, EachProductShowsItsVariantOfTheHelp)
{
    constexpr int kChinese = 9;
    const struct {
        int productId, major, minor, row;
        std::wstring (*text)(int);
    } cases[] = {{0x5560, 1, 0, 3, GetHelpLayertoneMusicGps}, {0x5410, 1, 0, 3, GetHelpLayertoneMusicGps},
                 {0x5410, 2, 0, 4, GetHelpLayertoneMusicGps}, {0x5412, 1, 0, 4, GetHelpLayertone},
                 {0x5414, 1, 1, 4, GetHelpLayertone},         {0x5420, 1, 0, 4, GetHelpLayertone},
                 {0x5418, 1, 0, 4, GetHelpLayertone},         {0x5416, 1, 1, 4, GetHelpLayertone}};
    for (const auto& c : cases) {
        for (int language : {kEnglish, kChinese}) {
            Page page(c.productId, RecordAtFirmware(c.major, c.minor), RecordAtFirmware(c.major, c.minor));
            page.language = language;
            const GridRuleOutcome help = page.Click(c.row, kGridHelpColumn);
            EXPECT_EQ(help.action, kRuleShowsHelp);
            EXPECT_EQ(help.helpHeight, 280);
            EXPECT_TRUE(help.helpText == c.text(language)) << c.productId << " in " << language;
        }
    }
    // The two variants are two texts in every language.
    for (int language = 0; language < 13; ++language)
        EXPECT_FALSE(GetHelpLayertone(language) == GetHelpLayertoneMusicGps(language)) << language;
}

TEST(GridRulesLayertone, TheDependantsOfEachRangeAndOnlyThey)
{
    // The rows a Layertone click greys, in list order; an empty list: the grid has no master
    // or a master without dependants, and no click greys anything.
    const struct {
        int productId, major, minor, master;
        std::vector<int> greyed;
    } cases[] = {{0x5560, 1, 0, 3, {4}},       {0x5410, 1, 0, 3, {}},        {0x5410, 1, 1, 3, {4}},
                 {0x5410, 2, 0, 4, {5, 6, 7}}, {0x5412, 1, 0, 4, {5, 6}},    {0x5414, 1, 1, 4, {5, 6, 7}},
                 {0x5420, 0, 1, 4, {5, 6, 7}}, {0x5418, 3, 0, 4, {5, 6, 7}}, {0x5416, 1, 0, -1, {}},
                 {0x5416, 1, 1, 4, {5, 6}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.productId) + " at " + std::to_string(c.major) + "." + std::to_string(c.minor));
        DeviceConfig record = RecordAtFirmware(c.major, c.minor);
        Page page(c.productId, record, record);
        for (int row = 0; row < page.grid.m_rowCount; ++row) {
            if (row == c.master)
                continue;
            page.grid.m_calls.clear();
            page.ClickValue(row);
            for (const std::string& call : page.grid.m_calls)
                EXPECT_NE(call.rfind("SetCellDisabled", 0), 0u) << "row " << row << ": " << call;
        }
        if (c.master < 0) {
            // Word 23 set greys nothing either.
            record.m_settings[23] = 1;
            Page set(c.productId, record, record);
            EXPECT_EQ(set.DisabledStates(), std::vector<int>(set.grid.m_rowCount, 0));
            continue;
        }
        page.grid.m_calls.clear();
        page.ClickValue(c.master);
        EXPECT_EQ(page.working.m_settings[23], 1);
        std::vector<std::string> greyed;
        for (const std::string& call : page.grid.m_calls)
            if (call.rfind("SetCellDisabled", 0) == 0)
                greyed.push_back(call);
        std::vector<std::string> expected;
        for (int row : c.greyed)
            expected.push_back("SetCellDisabled " + std::to_string(row) + ",2");
        EXPECT_EQ(greyed, expected);
    }
}

TEST(GridRulesLayertone, AGreyedDependantStoresItsUnchangedStateAndRefreshes)
{
    // 0x5420 with Layertone on: HD Intercom (row 7) is greyed and keeps its state.
    for (int hdIntercom : {0, 1}) {
        DeviceConfig record = RecordAtFirmware(1, 0);
        record.m_settings[23] = 1;
        record.m_settings[19] = hdIntercom;
        record.m_settings[21] = 1;
        Page page(0x5420, record, record);
        ASSERT_EQ(page.Disabled(7), 1);
        EXPECT_EQ(page.ClickValue(7).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(page.working.m_settings[19], hdIntercom);
        // Layertone off frees the three rows and leaves their values alone.
        page.ClickValue(4);
        EXPECT_EQ(page.working.m_settings[23], 0);
        EXPECT_EQ(page.DisabledStates(), std::vector<int>(13, 0));
        EXPECT_EQ(page.working.m_settings[19], hdIntercom);
        EXPECT_EQ(page.working.m_settings[21], 1);
    }
}

TEST(GridRulesLayertone, ABuildOrCandidateSuffixKeepsTheRange)
{
    // Only major and minor pick the range: the version's kind, build and extra fields do not.
    const struct {
        int productId, major, minor, rows, layertoneRow;
    } cases[] = {{0x5410, 2, 0, 12, 4}, {0x5410, 1, 10, 8, 3},  {0x5412, 1, 1, 13, 4},
                 {0x5414, 1, 0, 12, 4}, {0x5416, 1, 0, 11, -1}, {0x5416, 1, 1, 12, 4}};
    for (const auto& c : cases) {
        DeviceConfig record = RecordAtFirmware(c.major, c.minor);
        record.m_firmwareVersion.kind = 2;
        record.m_firmwareVersion.build = 99;
        record.m_firmwareVersion.extra = 7;
        Page page(c.productId, record, record);
        SCOPED_TRACE(std::to_string(c.productId) + " at " + std::to_string(c.major) + "." + std::to_string(c.minor));
        EXPECT_EQ(page.grid.m_rowCount, c.rows);
        if (c.layertoneRow >= 0) {
            page.ClickValue(c.layertoneRow);
            EXPECT_EQ(page.working.m_settings[23], 1);
        }
    }
}
