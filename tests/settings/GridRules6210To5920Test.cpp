// The change rules of 0x6210 (the word-23 Dualstream over rows 4 to 6 from 2.0), 0x6400 (the
// same master, and a three-level VOX Sensitivity that is no dependant), 0x5910 and 0x5920
// (Sidetone, FM Station Guide from 1.1). No click outside the rows refreshes the page.

#include <gtest/gtest.h>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
const FamilyLine k6210To5920Lines[] = {
    {"0x6210", "1.0 1.10",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
     "m_highQualityA2dp+ | HighQualityA2dp 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x6210", "2.0 2.1",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
     "m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x6400", "0.1 1.1 2.0",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160; w19+ | HdIntercom(HD Intercom) 160;"
     "dd w14 i+1 | VoxThree 180; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5910 0x5920", "0.9 1.0",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160;"
     "m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
    {"0x5910 0x5920", "1.1 1.2 1.10",
     "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
     "m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
};
// clang-format on

} // namespace

TEST(GridRules6210To5920, EveryRangeRowByRow)
{
    for (const FamilyLine& line : k6210To5920Lines)
        CheckFamilyLine(line);
}

TEST(GridRules6210To5920, SidetoneMovesFromRowSixToSevenAtOneOne)
{
    const struct {
        int major, minor, row;
    } cases[] = {{1, 0, 6}, {1, 1, 7}, {1, 10, 7}};
    for (int productId : {0x5910, 0x5920}) {
        for (const auto& c : cases) {
            Page page(productId, RecordAtFirmware(c.major, c.minor), RecordAtFirmware(c.major, c.minor));
            page.ClickValue(c.row);
            EXPECT_EQ(page.working.m_sidetone, 1) << productId << " at " << c.major << "." << c.minor;
            EXPECT_EQ(page.working.m_bitpoolRate, 0);
        }
    }
}

TEST(GridRules6210To5920, The6400VoxSensitivityIsNoDependant)
{
    DeviceConfig record = RecordAtFirmware(1, 0);
    record.m_settings[14] = 2;
    Page page(0x6400, record, record);
    page.ClickValue(3);
    EXPECT_EQ(page.DisabledStates(), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}));
    // The three levels still take their picks while Dualstream is on.
    EXPECT_EQ(page.Choose(7, 2).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(page.working.m_settings[14], 3);
    page.ClickValue(3);
    EXPECT_EQ(page.DisabledStates(), std::vector<int>(11, 0));
}
