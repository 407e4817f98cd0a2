// The change rules of the basic settings grid held against the models' own rule tables. The
// table below is written out by hand from those tables, not taken from the catalogue: one line
// per group and firmware range, row by row, what a value click writes (field or bit and its
// sense), which rows it greys, and what the row's "?" shows (text, names that fill it, height).
// Each line is driven through the builder on the recording grid and through the rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FamilyRuleTable.h"
#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "settings/GridChangeRules.h"
#include "settings/SettingsGridBuilder.h"
#include "text/ModelDisplayName.h"
#include "text/NameTables.h"
#include "text/SettingHelpTexts.h"

namespace {

using namespace family_rules;

// clang-format off
const char* const kFlagWordRows =
    "w2.11+ ~1,2 | Dualstream(Dualstream,FM Radio) 260; dd w0 10-i | OverlayMusic(Dualstream) 240;"
    "w2.9+ | LayertoneVolumeManagement 220; w2.7+ | AudioBoost(Audio Boost) 150; dd w2.svc i | SmartVolume 170;"
    "w2.15+ | VoxPhone 150; w2.13+ | HdIntercom(HD Intercom) 160; w2.6+ | EightWay(Eight-way Intercom,Eight-way Intercom) 190;"
    "w2.10+ | VoicePrompt 130; w2.5+ | FmStationGuide 190; w2.12+ | Sidetone 160; w2.8+ | Hushguard(Hushguard) 160;"
    "w2.0+ | VoiceCommand 180";

const char* const k5520From1_3Rows =
    "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
    "w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
    "w20+ | FmStationGuide 190; m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160;"
    "m_hushguard- | Hushguard(Hushguard) 160";

const char* const k5520From2_0Rows =
    "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
    "w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
    "dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160;"
    "m_hushguard- | Hushguard(Hushguard) 160";

const char* const k5610From2_0Rows =
    "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
    "w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
    "m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160";

const FamilyLine kFamilies[] = {
    {"0x4210", "1.0 0.9",
     "w2.15+ | VoxPhone 150; w2.12+ | Sidetone 160; w2.11+ ~3 | Dualstream(Dualstream,FM Radio) 260; dd w0 10-i | OverlayMusic(Dualstream) 240",
     true, false},
    {"0x4210", "1.1",
     "w2.15+ | VoxPhone 150; w2.12+ | Sidetone 160; dd w3 i+1 | MotionSensor(model) 170; w2.11+ ~4,5 | Dualstream(Dualstream,FM Radio) 260;"
     "dd w0 10-i | OverlayMusic(Dualstream) 240; w2.9+ | NavigationApp(Dualstream,Dualstream) 190",
     true, false},
    {"0x4210", "1.2 1.4",
     "w2.11+ ~1,2 | Dualstream(Dualstream,FM Radio) 260; dd w0 10-i | OverlayMusic(Dualstream) 240; w2.9+ | NavigationApp(Dualstream,Dualstream) 190;"
     "w2.7+ | AudioBoost(Audio Boost) 150; dd w3 i+1 | MotionSensor(model) 170; w2.15+ | VoxPhone 150; w2.13+ | HdIntercom(HD Intercom) 160;"
     "w2.6+ | EightWay(Eight-way Intercom,Eight-way Intercom) 190; w2.10+ | VoicePrompt 130; w2.12+ | Sidetone 160; w2.8+ | Hushguard(Hushguard) 160",
     true, false},
    {"0x4210", "1.5 1.10 2.0",
     "w2.11+ ~1,2 | Dualstream(Dualstream,FM Radio) 260; dd w0 10-i | OverlayMusic(Dualstream) 240; w2.9+ | NavigationApp(Dualstream,Dualstream) 190;"
     "w2.7+ | AudioBoost(Audio Boost) 150; dd w2.svc i | SmartVolume 170; dd w3 i+1 | MotionSensor(model) 170; w2.15+ | VoxPhone 150;"
     "w2.13+ | HdIntercom(HD Intercom) 160; w2.6+ | EightWay(Eight-way Intercom,Eight-way Intercom) 190; w2.10+ | VoicePrompt 130;"
     "w2.5+ | FmStationGuide 190; w2.12+ | Sidetone 160; w2.8+ | Hushguard(Hushguard) 160",
     true, false},
    {"0x4310 0x4350 0x4330 0x4510 0x4530 0x4610 0x2030", "0.1 1.0 3.5", kFlagWordRows, true, false},
    {"0x4410 0x4430", "1.0 2.2",
     "w2.11+ ~1,2 | Dualstream(Dualstream,FM Radio) 260; dd w0 10-i | OverlayMusic(Dualstream) 240;"
     "w2.9+ | LayertoneVolumeManagement 220; w2.7+ | AudioBoost(Audio Boost) 150; dd w2.svc i | SmartVolume 170;"
     "w2.13+ | HdIntercom(HD Intercom) 160; w2.6+ | EightWay(Eight-way Intercom,Eight-way Intercom) 190;"
     "w2.10+ | VoicePrompt 130; w2.5+ | FmStationGuide 190; w2.12+ | Sidetone 160; w2.8+ | Hushguard(Hushguard) 160;"
     "w2.0+ | VoiceCommand 180",
     true, false},
    {"0x5520", "1.0",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5520", "1.1 1.2",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault3 180; m_voicePrompt- | VoicePrompt 130;"
     "m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5520", "1.3 1.10", k5520From1_3Rows, true, false},
    {"0x5520", "2.0 3.1", k5520From2_0Rows, true, false},
    {"0x5526", "1.5", k5520From1_3Rows, true, false},
    {"0x5526", "2.0", k5520From2_0Rows, true, false},
    {"0x5720", "1.0 3.0", k5520From1_3Rows, true, false},
    {"0x5610 0x5611 0x5612 0x5620 0x5621", "1.0",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5610 0x5611 0x5612 0x5620 0x5621", "1.1 1.5",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5610 0x5611 0x5612 0x5620 0x5621", "2.0", k5610From2_0Rows, false, false},
    {"0x5580", "1.9",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
     "m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, true},
    {"0x5580", "2.0", k5610From2_0Rows, false, true},
    {"0x5530", "1.0 1.3",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5530 0x5532", "1.4 1.10",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w21+ | HdVoice 160;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5532", "0.1 3.0",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w21+ | HdVoice 160;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5530", "2.0",
     k5610From2_0Rows,
     false, false},
    {"0x5570", "0.1 2.0 3.0",
     k5610From2_0Rows,
     false, true},
    {"0x5550", "1.0 1.1",
     "w18- | AudioBoost(Audio Boost) 150;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_highQualityA2dp+ | HighQualityA2dp 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5550", "1.2 1.10",
     "w18- | AudioBoost(Audio Boost) 150;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_highQualityA2dp+ | HighQualityA2dp 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5550", "2.0",
     "w18- | AudioBoost(Audio Boost) 150;w23+ ^2,3 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230;w21+ | HdVoice 160;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5710", "1.0 1.1",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5710", "1.2 2.0",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;w20+ | FmStationGuide 190;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5623", "1.0",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w19+ | HdIntercom(HD Intercom) 160;m_voicePrompt- | VoicePrompt 130;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5623", "1.1 1.5",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w19+ | HdIntercom(HD Intercom) 160;dd w14 i+1 | VoxThree 180;m_voicePrompt- | VoicePrompt 130;m_highQualityA2dp+ | HighQualityA2dp 160;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5623", "2.0 2.3",
     "w18- | AudioBoost(Audio Boost) 150;m_voxPhone+ | VoxPhone 150;m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230;w21+ | HdVoice 160;w19+ | HdIntercom(HD Intercom) 160;dd w14 i+1 | VoxThree 180;m_voicePrompt- | VoicePrompt 130;m_sidetone+ | Sidetone 160;m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
};
// clang-format on

} // namespace

TEST(GridChangeRules, EveryFamilyRangeRowByRow)
{
    for (const FamilyLine& line : kFamilies)
        CheckFamilyLine(line);
}

TEST(GridChangeRules, TheLiveFirmwareNotTheWorkingOnePicksTheRange)
{
    // 0x5520 at 1.0 shows VOX Sensitivity in row 3; a working record of 2.0 changes nothing.
    Page page(0x5520, RecordAtFirmware(1, 0), RecordAtFirmware(2, 0));
    EXPECT_EQ(page.Click(3, kGridValueColumn).action, kRuleDoesNothing);
    EXPECT_EQ(page.working.m_settings[23], 0);
    EXPECT_EQ(page.Click(3, kGridHelpColumn).helpHeight, 180);
}

TEST(GridChangeRules, ADisabledDependantStoresItsUnchangedStateAndRefreshes)
{
    DeviceConfig record = RecordAtFirmware(2, 0);
    record.m_settings[23] = 1; // Dualstream on: HD Voice and HD Intercom greyed
    record.m_settings[21] = 1;
    Page page(0x5520, record, record);
    ASSERT_EQ(page.Disabled(5), 1);
    EXPECT_EQ(page.ClickValue(5).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.working.m_settings[21], 1);
    EXPECT_EQ(page.grid.Cell(5, kGridValueColumn)->text, L"0");
}

TEST(GridChangeRules, HelpTextsFollowTheLanguage)
{
    Page page(0x4210, RecordAtFirmware(1, 5), RecordAtFirmware(1, 5));
    const std::wstring model = ModelDisplayName(0x4210);
    ASSERT_FALSE(model.empty());
    EXPECT_NE(page.Click(5, kGridHelpColumn).helpText.find(model), std::wstring::npos)
        << "the Motion Sensor help names the model";

    // The Italian Audio Boost text has no placeholder and shows as it is; spare names vanish.
    page.language = kItalian;
    EXPECT_TRUE(page.Click(3, kGridHelpColumn).helpText == GetHelpAudioBoost(kItalian));
    page.language = kEnglish;
    const std::wstring english = page.Click(3, kGridHelpColumn).helpText;
    EXPECT_NE(english.find(TextAudioBoost(kEnglish)), std::wstring::npos);
    EXPECT_EQ(english.find(L"%s"), std::wstring::npos);

    // A language outside 0 to 12 reads English.
    for (int language : {-1, 13, 99}) {
        page.language = language;
        EXPECT_TRUE(page.Click(3, kGridHelpColumn).helpText == english) << language;
    }
}

TEST(GridChangeRules, ClicksThatReachNoRule)
{
    struct Case {
        const char* what;
        int productId;
        int row;
        int column;
    };
    const Case cases[] = {
        {"the name column", 0x4210, 0, 1},      {"a column beyond the value", 0x4210, 0, 3},
        {"an id no group names", 0x1234, 0, 2}, {"an id no group names, help", 0x1234, 0, 0},
        {"a classic model", 0x4D10, 0, 2},
    };
    for (const Case& c : cases) {
        Page page(c.productId, RecordAtFirmware(1, 5), RecordAtFirmware(1, 5));
        const std::vector<int> before = Snapshot(page.working);
        EXPECT_EQ(page.Click(c.row, c.column).action, kRuleDoesNothing) << c.what;
        EXPECT_EQ(Snapshot(page.working), before) << c.what;
    }
    // A choice in a grid no product's rows filled reaches no rule and refreshes nothing.
    Page unknown(0x1234, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0));
    EXPECT_EQ(unknown.Choose(0, 0).action, kRuleDoesNothing);
}

TEST(GridChangeRules, CellsOfAnotherKindStoreNothingButRefresh)
{
    // A check-box row whose cell answers as a drop-down, and the other way round.
    Page page(0x4310, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0));
    page.grid.m_lookup = RecordingGrid::kFindWrongClass;
    EXPECT_EQ(page.Click(0, kGridValueColumn).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.Choose(1, 3).action, kRuleRefreshesAtEnd);
    page.grid.m_lookup = RecordingGrid::kFindNothing;
    EXPECT_EQ(page.Click(0, kGridValueColumn).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.Choose(1, 3).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(Snapshot(page.working), Snapshot(RecordAtFirmware(1, 0)));

    // A choice on a check-box row, or outside the value column, stores nothing either.
    page.grid.m_lookup = RecordingGrid::kFindCells;
    EXPECT_EQ(page.Choose(0, 0).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(RunGridChoiceRules(page.grid, page.Context(), 1, kGridNameColumn, 3).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(Snapshot(page.working), Snapshot(RecordAtFirmware(1, 0)));
}

TEST(GridChangeRules, ChoicesOutsideTheItemsStoreNothing)
{
    // A drop-down with no current item (the closed list's F4) stores nothing; F4 on a shown
    // item writes its value again.
    DeviceConfig record = RecordAtFirmware(1, 0);
    record.m_settings[0] = 12; // no item of the ten levels
    Page page(0x4310, record, record);
    for (int index : {-1, 10, 99}) {
        EXPECT_EQ(page.Choose(1, index).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(page.working.m_settings[0], 12) << index;
    }
    page.working.m_settings[0] = 7;
    EXPECT_EQ(page.Choose(1, 3).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.working.m_settings[0], 7);
}

TEST(GridChangeRules, AStaleGridDoesItsCellWorkOnly)
{
    // Built at 1.0; the live record moved to 1.5 (or the id changed) without a rebuild.
    Page page(0x4210, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0));
    page.live = RecordAtFirmware(1, 5);
    EXPECT_EQ(page.ClickValue(0).action, kRuleDoesNothing);
    EXPECT_EQ(page.Click(0, kGridHelpColumn).action, kRuleDoesNothing);
    EXPECT_EQ(page.Choose(3, 2).action, kRuleDoesNothing);
    page.live = RecordAtFirmware(1, 0);
    page.productId = 0x4310;
    EXPECT_EQ(page.ClickValue(0).action, kRuleDoesNothing);
    EXPECT_EQ(Snapshot(page.working), Snapshot(RecordAtFirmware(1, 0)));

    // The next fill takes the new list and the rules act again.
    page.Rebuild();
    EXPECT_EQ(page.ClickValue(0).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.working.GetDualstreamBit(), 1);
}

TEST(GridChangeRules, OnlyTheMastersOwnDependantsFollowIt)
{
    // 0x5520 at 2.0: Dualstream greys rows 4, 5 and 6 in list order, and no other row.
    Page page(0x5520, RecordAtFirmware(2, 0), RecordAtFirmware(2, 0));
    page.grid.m_calls.clear();
    page.ClickValue(3);
    std::vector<std::string> greyed;
    for (const std::string& call : page.grid.m_calls)
        if (call.rfind("SetCellDisabled", 0) == 0)
            greyed.push_back(call);
    EXPECT_EQ(greyed, (std::vector<std::string>{"SetCellDisabled 4,2", "SetCellDisabled 5,2", "SetCellDisabled 6,2"}));
}

TEST(GridChangeRules, BuilderAnswersTheListItShows)
{
    RecordingGrid grid;
    EXPECT_EQ(BuildSettingsGrid(grid, 0x4D10, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0), 0), nullptr);
    EXPECT_EQ(BuildSettingsGrid(grid, 0x1234, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0), 0), nullptr);
    const GridRowList* list = BuildSettingsGrid(grid, 0x4410, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0), 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, FindGridRowList(0x4410, RecordAtFirmware(1, 0)));
    EXPECT_EQ(list->count, 12);
}

TEST(GridChangeRules, ChannelSelectIsNeverStored)
{
    // 0x3110 from 2.2 shows Channel Select in row 17; the unit's own controls set the channel.
    Page page(0x3110, RecordAtFirmware(2, 2), RecordAtFirmware(2, 2));
    ASSERT_EQ(page.grid.m_rowCount, 18);
    for (int index : {0, 3}) {
        EXPECT_EQ(page.Choose(17, index).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(Snapshot(page.working), Snapshot(RecordAtFirmware(2, 2))) << index;
    }
}

TEST(GridChangeRules, EveryHelpBoxHasAHeightOfTheGridsTexts)
{
    const int heights[] = {130, 150, 160, 170, 180, 190, 200, 220, 230, 240, 250, 260, 280};
    for (const GridRowKind& kind : kGridRowKinds) {
        if (kind.help.text == nullptr) {
            EXPECT_EQ(kind.help.height, 0) << kind.englishLabel;
            continue;
        }
        EXPECT_NE(std::find(std::begin(heights), std::end(heights), kind.help.height), std::end(heights))
            << kind.englishLabel;
        // Every language fills every placeholder of its text.
        for (int language = 0; language < 13; ++language)
            EXPECT_EQ(GridHelpBox(kind, 0x4210, language).helpText.find(L"%s"), std::wstring::npos)
                << kind.englishLabel << " in " << language;
    }
}

namespace {

// The camera's recording rows as the cells show them: the master, then Music, FM Radio,
// Intercom and Phone; "E" Enable, "D" Disable.
std::string RecordingCells(const Page& page, int master)
{
    std::string shown;
    for (int row = master; row <= master + 4; ++row) {
        const RecordedCell* cell = page.grid.Cell(row, kGridValueColumn);
        shown += cell != nullptr && !cell->text.empty() && cell->text[0] == L'0' ? "E" : "D";
    }
    return shown;
}

std::string SourcesDisabled(const Page& page, int master)
{
    std::string states;
    for (int row = master + 1; row <= master + 4; ++row)
        states += std::to_string(page.Disabled(row));
    return states;
}

bool AskedForRepaint(const Page& page)
{
    return std::find(page.grid.m_calls.begin(), page.grid.m_calls.end(), "InvalidateAll") != page.grid.m_calls.end();
}

} // namespace

TEST(GridChangeRules, CameraRecordingMasterAndSourcesKeepEachOtherConsistent)
{
    // Word 10: bit 6 recording, 8 Music, 9 FM Radio, 10 Intercom, 11 Phone. The clicked row
    // counts from the master row: 0 the master, 1 to 4 the sources.
    struct Case {
        const char* what;
        int word10Before;
        int clicked;
        int word10After;
        const char* cells;    // master, Music, FM Radio, Intercom, Phone
        const char* disabled; // the four sources
        bool repaint;
    };
    const Case cases[] = {
        {"recording on, every source off", 0x000, 0, 0x740, "EEEED", "0000", false},
        {"recording on, only Phone on", 0x800, 0, 0x840, "EDDDE", "0000", false},
        {"recording off keeps the sources", 0x740, 0, 0x700, "DEEED", "1111", false},
        {"Phone off as the last source", 0x840, 4, 0x000, "DDDDD", "1111", true},
        {"Music off while Intercom is on", 0x540, 1, 0x440, "EDDED", "0000", false},
        {"Phone on beside Intercom", 0x440, 4, 0xC40, "EDDEE", "0000", false},
        {"a disabled source with everything off", 0x000, 2, 0x000, "DDDDD", "1111", true},
    };
    // The master row of each range, and firmware at the edges of the ranges.
    const struct {
        int major, minor, rows, master;
    } ranges[] = {{1, 9, 18, 12}, {2, 0, 22, 16}, {2, 1, 22, 16}, {2, 2, 23, 17}, {3, 0, 25, 19}, {3, 5, 25, 19}};
    for (const auto& range : ranges) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(range.major) + "." +
                         std::to_string(range.minor));
            DeviceConfig record = RecordAtFirmware(range.major, range.minor);
            record.m_settings[10] = c.word10Before | 0x20; // Date Caption is on and stays so
            Page page(0x5510, record, record);
            ASSERT_EQ(page.grid.m_rowCount, range.rows);
            page.grid.m_calls.clear();
            const DeviceConfig before = page.working;
            EXPECT_EQ(page.ClickValue(range.master + c.clicked).action, kRuleRefreshesAtEnd);
            EXPECT_EQ(page.working.m_settings[10], c.word10After | 0x20);
            DeviceConfig rest = page.working;
            rest.m_settings[10] = before.m_settings[10];
            EXPECT_EQ(Snapshot(rest), Snapshot(before)) << "only word 10 changes";
            EXPECT_EQ(RecordingCells(page, range.master), c.cells);
            EXPECT_EQ(SourcesDisabled(page, range.master), c.disabled);
            EXPECT_EQ(AskedForRepaint(page), c.repaint);
            // What the cells show is what the next build shows.
            page.Rebuild();
            EXPECT_EQ(RecordingCells(page, range.master), c.cells) << "after a rebuild";
            EXPECT_EQ(SourcesDisabled(page, range.master), c.disabled) << "after a rebuild";
        }
    }
}

TEST(GridChangeRules, CameraRecordingRulesStoreEvenWhereACellIsMissing)
{
    DeviceConfig record = RecordAtFirmware(1, 9);
    Page page(0x5510, record, record);
    // The Music cell is gone and the Intercom cell answers as a drop-down.
    page.grid.m_cells.erase({13, kGridValueColumn});
    page.grid.m_cells[{15, kGridValueColumn}].cellClass = kComboBoxCellClass;
    page.ClickValue(12);
    EXPECT_EQ(page.working.m_settings[10], 0x740);
    EXPECT_EQ(page.grid.Cell(14, kGridValueColumn)->text, L"0") << "FM Radio shows Enable";
    EXPECT_FALSE(page.grid.Cell(15, kGridValueColumn)->curSel.has_value());
    EXPECT_EQ(page.grid.Cell(16, kGridValueColumn)->text, L"1") << "Phone untouched";
}

TEST(GridChangeRules, CameraHelpAndClicksOutsideTheRows)
{
    // Video Mode: row 8 below 2.0 with the two-mode text, then the three-mode text.
    const struct {
        int major, minor, row, height;
        std::wstring (*text)(int);
    } videoMode[] = {{1, 9, 8, 190, GetHelpVideoModeTwoItems},
                     {2, 0, 9, 250, GetHelpVideoModeThreeItems},
                     {2, 2, 10, 250, GetHelpVideoModeThreeItems},
                     {3, 0, 12, 250, GetHelpVideoModeThreeItems}};
    for (const auto& v : videoMode) {
        for (int language : {kEnglish, kJapanese}) {
            Page page(0x5510, RecordAtFirmware(v.major, v.minor), RecordAtFirmware(v.major, v.minor));
            page.language = language;
            const GridRuleOutcome help = page.Click(v.row, kGridHelpColumn);
            EXPECT_EQ(help.action, kRuleShowsHelp);
            EXPECT_EQ(help.helpHeight, v.height) << v.major << "." << v.minor;
            EXPECT_TRUE(help.helpText == v.text(language)) << v.major << "." << v.minor;
        }
    }
    // Auto Camera Sleep's box; a source row's help refreshes at once; rows outside the list
    // refresh on both columns; a drop-down's value click does nothing.
    Page page(0x5510, RecordAtFirmware(1, 9), RecordAtFirmware(1, 9));
    const GridRuleOutcome sleep = page.Click(17, kGridHelpColumn);
    EXPECT_EQ(sleep.action, kRuleShowsHelp);
    EXPECT_EQ(sleep.helpWidth, 520);
    EXPECT_EQ(sleep.helpHeight, 200);
    for (int source : {13, 14, 15, 16})
        EXPECT_EQ(page.Click(source, kGridHelpColumn).action, kRuleRefreshesNow) << source;
    for (int outside : {-1, 18}) {
        EXPECT_EQ(page.ClickValue(outside).action, kRuleRefreshesAtEnd) << outside;
        EXPECT_EQ(page.Click(outside, kGridHelpColumn).action, kRuleRefreshesNow) << outside;
    }
    EXPECT_EQ(page.Click(7, kGridValueColumn).action, kRuleDoesNothing);
    EXPECT_EQ(Snapshot(page.working), Snapshot(RecordAtFirmware(1, 9)));
    // Date Caption and Audio Boost.
    page.ClickValue(11);
    EXPECT_EQ(page.working.m_settings[10], 0x20);
    page.ClickValue(0);
    EXPECT_EQ(page.working.m_settings[18], 1);
}

TEST(GridChangeRules, CameraVideoModeStoresByTheWorkingRecordsFirmware)
{
    // The page copies the live versions into its working record, so the two agree; the store
    // follows the working record all the same.
    for (int major : {1, 2}) {
        DeviceConfig record = RecordAtFirmware(major, 0);
        Page page(0x5510, record, record);
        const int row = major == 1 ? 8 : 9;
        page.Choose(row, 1);
        EXPECT_EQ(page.working.GetVideoMode(), 1) << major;
        if (major == 1) {
            EXPECT_EQ(page.working.m_settings[10], 0x2);
        } else {
            EXPECT_EQ(page.working.m_settings[12], 0x40);
        }
    }
}

TEST(GridChangeRules, BitWordUnitsChangeOneBitOfTheirWordsAndNothingElse)
{
    // Upper halves set, the packed drop-down fields of word 1 set, Bluetooth Intercom
    // Dualstream (word 1 bit 11) clear so that HD Intercom can toggle.
    const int word0 = 0x13570000 | 0xA5A5;
    const int word1 = 0x24680000 | 0x0295;
    const struct {
        int productId, major, minor, rows;
    } units[] = {{0x3110, 1, 0, 15}, {0x3110, 1, 1, 16}, {0x3110, 2, 1, 17}, {0x3110, 2, 2, 18},
                 {0x3112, 1, 0, 15}, {0x3112, 2, 1, 16}, {0x3114, 1, 1, 16}, {0x3124, 0, 5, 16},
                 {0x3126, 3, 0, 16}, {0x3116, 1, 0, 17}, {0x3118, 1, 0, 10}};
    for (const auto& unit : units) {
        DeviceConfig record = RecordAtFirmware(unit.major, unit.minor);
        record.m_settings[0] = word0;
        record.m_settings[1] = word1;
        record.m_settings[3] = 0x0345;
        Page page(unit.productId, record, record);
        SCOPED_TRACE(std::to_string(unit.productId) + " at " + std::to_string(unit.major) + "." +
                     std::to_string(unit.minor));
        ASSERT_EQ(page.grid.m_rowCount, unit.rows);
        int checkBoxes = 0;
        for (int row = 0; row < unit.rows; ++row) {
            if (page.grid.Cell(row, kGridValueColumn)->cellClass != kCheckBoxCellClass)
                continue;
            ++checkBoxes;
            page.ClickValue(row);
            const int changed0 = page.working.m_settings[0] ^ word0;
            const int changed1 = page.working.m_settings[1] ^ word1;
            const int changed = changed0 | changed1;
            EXPECT_TRUE(changed != 0 && (changed & (changed - 1)) == 0 && changed < 0x10000 &&
                        (changed0 == 0 || changed1 == 0))
                << "row " << row << " changed " << changed0 << " " << changed1;
            DeviceConfig rest = page.working;
            rest.m_settings[0] = word0;
            rest.m_settings[1] = word1;
            EXPECT_EQ(Snapshot(rest), Snapshot(record)) << "row " << row;
            page.ClickValue(row);
            EXPECT_EQ(Snapshot(page.working), Snapshot(record)) << "row " << row << " twice";
        }
        EXPECT_GT(checkBoxes, 0);
        for (int outside : {-1, unit.rows})
            EXPECT_EQ(page.ClickValue(outside).action, kRuleRefreshesAtEnd) << outside;
    }
}

TEST(GridChangeRules, BluetoothIntercomDualstreamGreysHdIntercomOnly)
{
    // 0x3110 from 2.2: row 4 the master, row 5 HD Intercom (word 0 bit 11).
    DeviceConfig record = RecordAtFirmware(2, 2);
    record.m_settings[0] = 1 << 11;
    Page page(0x3110, record, record);
    page.ClickValue(4);
    EXPECT_EQ(page.working.m_settings[1], 1 << 11);
    EXPECT_EQ(page.Disabled(5), 1);
    page.ClickValue(5); // greyed: the cell keeps its state and the bit stays
    EXPECT_EQ(page.working.m_settings[0], 1 << 11);
    page.ClickValue(4);
    EXPECT_EQ(page.working.m_settings[1], 0);
    EXPECT_EQ(page.Disabled(5), 0);
    EXPECT_EQ(page.working.m_settings[0], 1 << 11);

    // 0x3118 shows HD Intercom without the master and greys nothing.
    Page lone(0x3118, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0));
    for (int row = 0; row < lone.grid.m_rowCount; ++row)
        lone.ClickValue(row);
    for (const std::string& call : lone.grid.m_calls)
        EXPECT_NE(call.rfind("SetCellDisabled", 0), 0u) << call;
}

TEST(GridChangeRules, BitWordDropDownsStoreTheirPackedFields)
{
    // 0x3110 from 2.2: Unit Language row 0, VOX Sensitivity 12, Smart Volume Control 13,
    // Intercom-Layertone Sensitivity 15.
    const struct {
        int row, index;
        int (DeviceConfig::*get)() const;
        int value;
    } choices[] = {{0, 3, &DeviceConfig::GetUnitLanguage, 3},
                   {12, 2, &DeviceConfig::GetPackedVoxSensitivity, 3},
                   {13, 1, &DeviceConfig::GetPackedSmartVolumeControl, 1},
                   {15, 4, &DeviceConfig::GetPackedOverlaySensitivity, 5}};
    for (const auto& choice : choices) {
        DeviceConfig record = RecordAtFirmware(2, 2);
        record.m_settings[0] = 0x13570000;
        record.m_settings[1] = 0x24680000;
        Page page(0x3110, record, record);
        EXPECT_EQ(page.Choose(choice.row, choice.index).action, kRuleRefreshesAtEnd);
        EXPECT_EQ((page.working.*choice.get)(), choice.value) << "row " << choice.row;
        EXPECT_EQ(page.working.m_settings[0], 0x13570000);
        EXPECT_EQ(page.working.m_settings[1] >> 16, 0x2468);
        page.Rebuild();
        EXPECT_EQ(page.grid.Cell(choice.row, kGridValueColumn)->curSel, choice.index) << "row " << choice.row;
    }
}

TEST(GridChangeRules, ChannelSelectGoesBackToTheRecordsChannel)
{
    DeviceConfig record = RecordAtFirmware(2, 2);
    record.m_settings[3] = (2 << 6) | 4;
    const int channel = record.GetChannelSelect();
    Page page(0x3110, record, record);
    for (int index : {0, 5}) {
        page.grid.m_cells[{17, kGridValueColumn}].curSel = index; // the cell took the pick
        page.Choose(17, index);
        EXPECT_EQ(page.grid.Cell(17, kGridValueColumn)->curSel, channel) << index;
        EXPECT_EQ(Snapshot(page.working), Snapshot(record)) << index;
    }
    // Its help shows nothing; its value click is a drop-down's.
    EXPECT_EQ(page.Click(17, kGridHelpColumn).action, kRuleDoesNothing);
    EXPECT_EQ(page.Click(17, kGridValueColumn).action, kRuleDoesNothing);
}

TEST(GridChangeRules, SecondOptionFieldFamiliesRangesAndFlags)
{
    // Firmware 1.10 is past 1.4 and 1.2: the second range.
    for (int productId : {0x5530, 0x5550}) {
        const GridRangeChoice range = FindGridRange(productId, RecordAtFirmware(1, 10));
        ASSERT_NE(range.group, nullptr);
        EXPECT_EQ(range.range, &range.group->ranges[1]) << productId;
    }
    // 0x5623 refreshes on a value click outside its list only from 1.1 to below 2.0.
    const struct {
        int productId, major, minor, row, column;
        GridRuleAction action;
    } clicks[] = {
        {0x5623, 1, 5, -1, kGridValueColumn, kRuleRefreshesAtEnd},
        {0x5623, 2, 0, -1, kGridValueColumn, kRuleDoesNothing},
        {0x5623, 1, 0, -1, kGridValueColumn, kRuleDoesNothing},
        {0x5570, 2, 0, 11, kGridHelpColumn, kRuleRefreshesNow},
        {0x5570, 2, 0, 11, kGridValueColumn, kRuleDoesNothing},
        {0x5570, 2, 0, 4, kGridValueColumn, kRuleDoesNothing},
        {0x5532, 1, 5, 10, kGridHelpColumn, kRuleDoesNothing},
        {0x5532, 1, 5, -1, kGridValueColumn, kRuleDoesNothing},
        {0x5530, 1, 5, 10, kGridHelpColumn, kRuleDoesNothing},
        {0x5550, 2, 0, -1, kGridValueColumn, kRuleDoesNothing},
        {0x5710, 1, 2, -1, kGridValueColumn, kRuleDoesNothing},
    };
    for (const auto& c : clicks) {
        Page page(c.productId, RecordAtFirmware(c.major, c.minor), RecordAtFirmware(c.major, c.minor));
        EXPECT_EQ(page.Click(c.row, c.column).action, c.action)
            << c.productId << " at " << c.major << "." << c.minor << " row " << c.row << " column " << c.column;
    }
    // 0x5532 shows HD Voice (row 3) without a master: no click greys it.
    Page lone(0x5532, RecordAtFirmware(1, 5), RecordAtFirmware(1, 5));
    for (int row = 0; row < lone.grid.m_rowCount; ++row) {
        lone.ClickValue(row);
        EXPECT_EQ(lone.Disabled(3), 0) << "after row " << row;
    }
}

TEST(GridChangeRules, The5623NeverWritesFmStationGuideWordNorFromTwoTheBitpool)
{
    for (int minor : {0, 5}) {
        for (int major : {1, 2}) {
            DeviceConfig record = RecordAtFirmware(major, minor);
            record.m_settings[20] = 7;
            record.m_bitpoolRate = 3;
            Page page(0x5623, record, record);
            for (int row = 0; row < page.grid.m_rowCount; ++row) {
                page.ClickValue(row);
                page.Choose(row, 1);
            }
            EXPECT_EQ(page.working.m_settings[20], 7) << major << "." << minor;
            if (major == 2) {
                EXPECT_EQ(page.working.m_bitpoolRate, 3) << major << "." << minor;
            }
        }
    }
}

TEST(GridChangeRules, BitWordDropDownsHaveTheirHelp)
{
    // 0x3110 from 2.2: Unit Language, VOX Sensitivity, Smart Volume Control and
    // Intercom-Layertone Sensitivity.
    const struct {
        int row;
        std::wstring (*text)(int);
        int height;
    } rows[] = {{0, GetHelpUnitLanguage, 180},
                {12, GetHelpVoxSensitivityDefault3, 180},
                {13, GetHelpSmartVolumeControl, 170},
                {15, GetHelpOverlaySensitivityAllSources, 240}};
    for (const auto& r : rows) {
        for (int language : {kEnglish, kItalian}) {
            Page page(0x3110, RecordAtFirmware(2, 2), RecordAtFirmware(2, 2));
            page.language = language;
            const GridRuleOutcome help = page.Click(r.row, kGridHelpColumn);
            EXPECT_EQ(help.action, kRuleShowsHelp) << r.row;
            EXPECT_EQ(help.helpHeight, r.height) << r.row;
            EXPECT_TRUE(help.helpText == r.text(language)) << r.row << " in " << language;
        }
    }
}
