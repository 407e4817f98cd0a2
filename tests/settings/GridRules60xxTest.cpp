// The change rules of 0x6010 to 0x6026: layouts A, B and C, with or without the two ESS rows.
// Routecue (word 24, 1 = on) is row 0 of B and C; no row depends on another; every VOX
// Sensitivity row shows the text whose default level is 2. No click outside the rows does
// anything.

#include <gtest/gtest.h>

#include <string>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
#define LAYOUT_A_ROWS \
    "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;" \
    "w19+ | HdIntercom(HD Intercom) 160; dd w14 i+1 | VoxDefault2 180; m_voicePrompt- | VoicePrompt 130;" \
    "m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160"
#define ESS_ROWS ";dd w2.0:2 i | EssStatus 200; dd w2.2:2 i+1 | EssSensitivity 200"
#define ROUTECUE_ROW "w24+ | Routecue 180;"

const FamilyLine k60xxLines[] = {
    {"0x6010 0x6012", "0.9 1.0 1.1", LAYOUT_A_ROWS ESS_ROWS, false, false},
    {"0x6010 0x6012", "1.2 1.10 2.0", ROUTECUE_ROW LAYOUT_A_ROWS ESS_ROWS, false, false},
    {"0x6014 0x6016", "1.0 1.1", LAYOUT_A_ROWS, false, false},
    {"0x6014 0x6016", "1.2 1.10 2.0", ROUTECUE_ROW LAYOUT_A_ROWS, false, false},
    {"0x6026", "0.1 1.0 1.1 2.0", ROUTECUE_ROW LAYOUT_A_ROWS, false, false},
    {"0x6018", "0.9 1.0", LAYOUT_A_ROWS, false, false},
    {"0x6018", "1.1 1.2 1.10", ROUTECUE_ROW LAYOUT_A_ROWS, false, false},
    {"0x6020 0x6022 0x6024", "0.1 1.1 1.2 2.0",
     "w24+ | Routecue 180; m_voxPhone+ | VoxPhone 150; dd w14 i+1 | VoxDefault2 180; m_voicePrompt- | VoicePrompt 130;"
     "m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160",
     false, false},
};
#undef LAYOUT_A_ROWS
#undef ESS_ROWS
#undef ROUTECUE_ROW
// clang-format on

} // namespace

TEST(GridRules60xx, EveryLayoutRowByRow)
{
    for (const FamilyLine& line : k60xxLines)
        CheckFamilyLine(line);
}

TEST(GridRules60xx, EachModelSwitchesToRoutecueAtItsOwnFirmware)
{
    // Row 0 is Routecue from the switch on: a click there writes word 24, before it word 18.
    const struct {
        int productId, major, minor;
        bool routecue;
        int rows;
    } cases[] = {{0x6018, 1, 0, false, 9}, {0x6018, 1, 1, true, 10},  {0x6014, 1, 1, false, 9},
                 {0x6014, 1, 2, true, 10}, {0x6016, 1, 10, true, 10}, {0x6010, 1, 1, false, 11},
                 {0x6010, 1, 2, true, 12}, {0x6012, 1, 10, true, 12}, {0x6026, 0, 1, true, 10},
                 {0x6024, 0, 1, true, 6}};
    for (const auto& c : cases) {
        Page page(c.productId, RecordAtFirmware(c.major, c.minor), RecordAtFirmware(c.major, c.minor));
        SCOPED_TRACE(std::to_string(c.productId) + " at " + std::to_string(c.major) + "." + std::to_string(c.minor));
        EXPECT_EQ(page.grid.m_rowCount, c.rows);
        page.ClickValue(0);
        EXPECT_EQ(page.working.m_settings[24], c.routecue ? 1 : 0);
        EXPECT_EQ(page.working.m_settings[18], c.routecue ? 0 : 1);
    }
}

TEST(GridRules60xx, EssPicksStoreTheirBitsAndLeaveTheRestOfTheWord)
{
    // 0x6010 at 1.2: ESS STATUS row 10 stores its item (bits 0-1), ESS Sensitivity row 11 its
    // item plus one (bits 2-3: 01, 10, 11); each keeps the other's bits. An index outside the
    // items stores nothing, so the setter's own fallback is never reached from the grid.
    const int upper = 0x7F30;
    const struct {
        int row, index, word2;
    } picks[] = {{10, 0, upper | 0x4}, {10, 1, upper | 0x5},  {10, 2, upper | 0x6}, {10, 3, upper | 0x7},
                 {11, 0, upper | 0x5}, {11, 1, upper | 0x9},  {11, 2, upper | 0xD}, {10, -1, upper | 0x5},
                 {10, 4, upper | 0x5}, {11, -1, upper | 0x5}, {11, 3, upper | 0x5}, {11, 9, upper | 0x5}};
    for (const auto& pick : picks) {
        DeviceConfig record = RecordAtFirmware(1, 2);
        record.m_settings[2] = upper | 0x5; // Position Light + ESS ON, Low
        Page page(0x6010, record, record);
        EXPECT_EQ(page.Choose(pick.row, pick.index).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(page.working.m_settings[2], pick.word2) << "row " << pick.row << " item " << pick.index;
    }
}

TEST(GridRules60xx, EssHelpShowsItsTextsAsTheyAre)
{
    for (int language = 0; language < 13; ++language) {
        Page page(0x6012, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0));
        page.language = language;
        const GridRuleOutcome status = page.Click(9, kGridHelpColumn);
        const GridRuleOutcome sensitivity = page.Click(10, kGridHelpColumn);
        EXPECT_TRUE(status.helpText == GetHelpEssStatus(language)) << language;
        EXPECT_TRUE(sensitivity.helpText == GetHelpEssSensitivity(language)) << language;
        EXPECT_EQ(status.helpHeight, 200);
        EXPECT_EQ(sensitivity.helpHeight, 200);
        EXPECT_EQ(sensitivity.helpText.find(L'%'), std::wstring::npos) << language;
    }
}
