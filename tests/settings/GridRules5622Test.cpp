// The change rules of 0x5622 and 0x5624: two shared ranges, then one list each from 2.0. A
// value click on a row outside the list refreshes the page in every range.

#include <gtest/gtest.h>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
const FamilyLine k5622Lines[] = {
    {"0x5622 0x5624", "0.9 1.0",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w19+ | HdIntercom(HD Intercom) 160;"
     "m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160; m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5622 0x5624", "1.1 1.2 1.10",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w19+ | HdIntercom(HD Intercom) 160;"
     "dd w14 i+1 | VoxThree 180; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5622", "2.0 3.1",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; w23+ ^5,6,7 | DualstreamFull 280;"
     "dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
     "dd w14 i+1 | VoxThree 180; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
    {"0x5624", "2.0 3.1",
     "w18- | AudioBoost(Audio Boost) 150; dd w16 i | SmartVolume 170; m_voxPhone+ | VoxPhone 150;"
     "m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230; dd w22 i | AudioSourcePriority 230;"
     "w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxThree 180;"
     "m_voicePrompt- | VoicePrompt 130; m_hushguard- | Hushguard(Hushguard) 160",
     true, false},
};
// clang-format on

} // namespace

TEST(GridRules5622, EveryRangeRowByRow)
{
    for (const FamilyLine& line : k5622Lines)
        CheckFamilyLine(line);
}

TEST(GridRules5622, TheSplitAtTwoMovesTheDropDowns)
{
    // Audio Source Priority row 5 against row 4, VOX Sensitivity row 8 against row 7; the
    // other product's row there is a check box or another drop-down.
    const struct {
        int productId, row, index, word, value;
    } picks[] = {{0x5622, 5, 1, 22, 1}, {0x5624, 4, 1, 22, 1}, {0x5622, 8, 2, 14, 3}, {0x5624, 7, 2, 14, 3}};
    for (const auto& pick : picks) {
        Page page(pick.productId, RecordAtFirmware(2, 0), RecordAtFirmware(2, 0));
        EXPECT_EQ(page.Choose(pick.row, pick.index).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(page.working.m_settings[pick.word], pick.value) << pick.productId << " row " << pick.row;
    }
    // Just below 2.0 both products show the shared list: row 5 is VOX Sensitivity.
    for (int productId : {0x5622, 0x5624}) {
        Page page(productId, RecordAtFirmware(1, 10), RecordAtFirmware(1, 10));
        page.Choose(5, 0);
        EXPECT_EQ(page.working.m_settings[14], 1) << productId;
        EXPECT_EQ(page.working.m_settings[22], 0) << productId;
    }
}

TEST(GridRules5622, The5624KeepsItsBuiltGreyedRowsWhateverIsClicked)
{
    // Word 23 set and no row to change it: Audio Source Priority, HD Voice and HD Intercom stay
    // greyed through every click and choice, and word 23 is never written.
    for (int word23 : {0, 1, 5}) {
        DeviceConfig record = RecordAtFirmware(2, 0);
        record.m_settings[23] = word23;
        Page page(0x5624, record, record);
        const std::vector<int> built = page.DisabledStates();
        const int greyed = word23 != 0 ? 1 : 0;
        EXPECT_EQ(built[4], greyed);
        EXPECT_EQ(built[5], greyed);
        EXPECT_EQ(built[6], greyed);
        for (int row = -1; row <= page.grid.m_rowCount; ++row) {
            page.ClickValue(row);
            page.Choose(row, 1);
            page.Click(row, kGridHelpColumn);
            EXPECT_EQ(page.DisabledStates(), built) << "after row " << row;
        }
        EXPECT_EQ(page.working.m_settings[23], word23);
    }
}

TEST(GridRules5622, TheDualstreamOf5622GreysItsThreeRowsAndAGreyedRowStoresAgain)
{
    DeviceConfig record = RecordAtFirmware(2, 0);
    record.m_settings[21] = 1;
    Page page(0x5622, record, record);
    page.ClickValue(4);
    EXPECT_EQ(page.working.m_settings[23], 1);
    EXPECT_EQ(page.DisabledStates(), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}));
    // A greyed HD Voice keeps its state, stores it again and refreshes.
    EXPECT_EQ(page.ClickValue(6).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.working.m_settings[21], 1);
    page.ClickValue(4);
    EXPECT_EQ(page.working.m_settings[23], 0);
    EXPECT_EQ(page.DisabledStates(), std::vector<int>(12, 0));
}
