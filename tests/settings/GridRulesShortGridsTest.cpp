// The change rules of the short grids: 0x5524 in three ranges (the word-23 Dualstream over rows
// 2 and 3 from 2.0), 0x5536 and 0x5522 with five rows, 0x3030, 0x3050, 0x3060 and 0x3040 with
// three. No click outside the rows refreshes the page.

#include <gtest/gtest.h>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
const char* const kFiveRows =
    "w18- | AudioBoost(Audio Boost) 150; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
    "m_highQualityA2dp+ | HighQualityA2dp 160; m_hushguard- | Hushguard(Hushguard) 160";

const FamilyLine kShortGridLines[] = {
    {"0x5524", "0.9 1.0",
     "w18- | AudioBoost(Audio Boost) 150; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160;"
     "m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5524", "1.1 1.2 1.10", kFiveRows, false, false},
    {"0x5524", "2.0 2.5",
     "w18- | AudioBoost(Audio Boost) 150; w23+ ^2,3 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230;"
     "w21+ | HdVoice 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5536 0x5522", "0.1 1.0 1.1 2.0", kFiveRows, false, false},
    {"0x3030 0x3050 0x3060 0x3040", "0.1 1.1 2.0",
     "m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
};
// clang-format on

} // namespace

TEST(GridRulesShortGrids, EveryRangeRowByRow)
{
    for (const FamilyLine& line : kShortGridLines)
        CheckFamilyLine(line);
}

TEST(GridRulesShortGrids, RowTwoStoresWhereEachModelKeepsIt)
{
    // 0x5536 and 0x5522 keep FM Station Guide in row 2; 0x5524 below 1.1 keeps High Quality
    // A2DP there.
    const struct {
        int productId, major, minor;
        int DeviceConfig::*option; // null: word 20
    } cases[] = {{0x5536, 1, 0, nullptr},
                 {0x5522, 1, 0, nullptr},
                 {0x5524, 1, 0, &DeviceConfig::m_bitpoolRate},
                 {0x5524, 1, 1, nullptr}};
    for (const auto& c : cases) {
        Page page(c.productId, RecordAtFirmware(c.major, c.minor), RecordAtFirmware(c.major, c.minor));
        page.ClickValue(2);
        const int stored = c.option != nullptr ? page.working.*c.option : page.working.m_settings[20];
        EXPECT_EQ(stored, 1) << c.productId << " at " << c.major << "." << c.minor;
        EXPECT_EQ(c.option != nullptr ? page.working.m_settings[20] : page.working.m_bitpoolRate, 0);
    }
}

TEST(GridRulesShortGrids, The5524DualstreamLeavesTheRowsBelowHdVoiceAlone)
{
    DeviceConfig record = RecordAtFirmware(2, 0);
    Page page(0x5524, record, record);
    page.ClickValue(1);
    EXPECT_EQ(page.working.m_settings[23], 1);
    EXPECT_EQ(page.DisabledStates(), (std::vector<int>{0, 0, 1, 1, 0, 0, 0}));
    // The greyed drop-down's value click is a drop-down's: nothing, no refresh.
    EXPECT_EQ(page.Click(2, kGridValueColumn).action, kRuleDoesNothing);
    page.ClickValue(1);
    EXPECT_EQ(page.DisabledStates(), std::vector<int>(7, 0));
    page.Rebuild();
    EXPECT_EQ(page.DisabledStates(), std::vector<int>(7, 0)) << "a fresh build agrees";
}
