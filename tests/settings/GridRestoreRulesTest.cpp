// The restore list's wording of the packed units' single bits and numbers, the three-step and
// word-16 settings, the unit language and the ESS rows, at the edges of each rule; and every
// kind any list can show has a wording.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "RestoreTextCases.h"
#include "settings/GridRestoreText.h"
#include "settings/GridRowCatalogue.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kFrench = 1;
constexpr int kChinese = 9;

// clang-format off
const RestoreTextCase kRuleCases[] = {
    // Single bits of word 0 that read on when set.
    {kVoxPhoneWord0Bit0,                     "word 0 bit 0",                  kEnglish, L"Enabled"},
    {kVoxPhoneWord0Bit0,                     "word 0 bit 1",                  kEnglish, L"Disabled"},
    {kVoxIntercomWord0Bit1,                  "word 0 bit 1",                  kEnglish, L"Enabled"},
    {kHighQualityA2dpWord0Bit5,              "word 0 bit 5",                  kEnglish, L"Enabled"},
    {kHighQualityA2dpWord0Bit5,              "word 0 bit 4; word 0 bit 6",    kEnglish, L"Disabled"},
    {kSidetoneWord0Bit8,                     "word 0 bit 8",                  kEnglish, L"Enabled"},
    {kHdIntercomWord0Bit11,                  "word 0 bit 11",                 kEnglish, L"Enabled"},
    {kFmStationGuideWord0Bit12,              "word 0 bit 12",                 kEnglish, L"Enabled"},
    {kFmStationGuideWord0Bit12,              "",                              kEnglish, L"Disabled"},
    {kGuestModeWord0Bit15,                   "word 0 bit 15",                 kEnglish, L"Enabled"},
    {kGuestModeWord0Bit15,                   "word 0 bit 14",                 kEnglish, L"Disabled"},
    // Bit 16 and above lie outside the low half the list reads.
    {kGuestModeWord0Bit15,                   "word 0 bit 16",                 kEnglish, L"Disabled"},

    // Single bits of word 0 that read off when set.
    {kVoicePromptWord0Bit3,                  "word 0 bit 3",                  kEnglish, L"Disabled"},
    {kVoicePromptWord0Bit3,                  "",                              kEnglish, L"Enabled"},
    {kHushguardWord0Bit9,                    "word 0 bit 9",                  kEnglish, L"Disabled"},
    {kHushguardWord0Bit9,                    "word 0 bit 8; word 0 bit 10",   kEnglish, L"Enabled"},
    {kAudioBoostWord0Bit10,                  "word 0 bit 10",                 kEnglish, L"Disabled"},
    {kAudioBoostWord0Bit10,                  "",                              kEnglish, L"Enabled"},

    // Single bits of word 1.
    {kLayertoneVolumeManagementWord1Bit6,    "word 1 bit 6",                  kEnglish, L"Enabled"},
    {kLayertoneVolumeManagementWord1Bit6,    "word 1 bit 7",                  kEnglish, L"Disabled"},
    {kVoiceCommandWord1Bit10,                "word 1 bit 10",                 kEnglish, L"Enabled"},
    {kBluetoothIntercomDualstreamWord1Bit11, "word 1 bit 11",                 kEnglish, L"Enabled"},
    {kBluetoothIntercomDualstreamWord1Bit11, "word 1 bit 27",                 kEnglish, L"Disabled"},

    // Whole words that read on when non-zero, negative included.
    {kLayertoneWord23,                       "word 23 = 0",                   kEnglish, L"Disabled"},
    {kLayertoneWord23,                       "word 23 = 1",                   kEnglish, L"Enabled"},
    {kLayertoneWord23,                       "word 23 = -3",                  kEnglish, L"Enabled"},
    {kRoutecueWord24,                        "word 24 = 0",                   kEnglish, L"Disabled"},
    {kRoutecueWord24,                        "word 24 = 2",                   kEnglish, L"Enabled"},
    {kFmStationGuideWord20,                  "word 20 = -1",                  kEnglish, L"Enabled"},
    {kFmStationGuideWord20,                  "word 20 = 7",                   kEnglish, L"Enabled"},

    // The packed VOX (word 1 bits 0-2, 6 and 7 read 3): levels, and 0 as it is.
    {kVoxSensitivityPacked,                  "",                              kEnglish, L"0"},
    {kVoxSensitivityPacked,                  "word 1 = 1",                    kEnglish, L"Level 1"},
    {kVoxSensitivityPacked,                  "word 1 = 4",                    kEnglish, L"Level 4"},
    {kVoxSensitivityPacked,                  "word 1 = 5",                    kEnglish, L"Level 5"},
    {kVoxSensitivityPacked,                  "word 1 = 6",                    kEnglish, L"Level 3"},
    {kVoxSensitivityPacked,                  "word 1 = 7",                    kEnglish, L"Level 3"},

    // The packed overlay (word 1 bits 7-9) as a plain number, 6 and 7 reading 3.
    {kOverlaySensitivityPacked,              "",                              kEnglish, L"0"},
    {kOverlaySensitivityPacked,              "word 1 bit 7",                  kEnglish, L"1"},
    {kOverlaySensitivityPacked,              "word 1 bit 9",                  kEnglish, L"4"},
    {kOverlaySensitivityPacked,              "word 1 bit 7; word 1 bit 9",    kEnglish, L"5"},
    {kOverlaySensitivityPacked,              "word 1 bit 8; word 1 bit 9",    kEnglish, L"3"},
    {kOverlaySensitivityPacked,              "word 1 bit 7; word 1 bit 8; word 1 bit 9", kEnglish, L"3"},

    // The packed smart volume (word 1 bits 3-4; bit 5 reads 3).
    {kSmartVolumeControlPacked,              "",                              kEnglish, L"Disabled"},
    {kSmartVolumeControlPacked,              "word 1 bit 3",                  kEnglish, L"Low"},
    {kSmartVolumeControlPacked,              "word 1 bit 4",                  kEnglish, L"Medium"},
    {kSmartVolumeControlPacked,              "word 1 bit 3; word 1 bit 4",    kEnglish, L"High"},
    {kSmartVolumeControlPacked,              "word 1 bit 5",                  kEnglish, L"High"},

    // The word-16 smart volume.
    {kSmartVolumeControlWord16,              "word 16 = 0",                   kEnglish, L"Disabled"},
    {kSmartVolumeControlWord16,              "word 16 = 1",                   kEnglish, L"Low"},
    {kSmartVolumeControlWord16,              "word 16 = 2",                   kEnglish, L"Medium"},
    {kSmartVolumeControlWord16,              "word 16 = 3",                   kEnglish, L"High"},
    {kSmartVolumeControlWord16,              "word 16 = 40",                  kEnglish, L"High"},
    {kSmartVolumeControlWord16,              "word 16 = -1",                  kEnglish, L"High"},

    // The three-step VOX of word 14; outside 1 to 3 its decimal.
    {kVoxSensitivityLowMediumHigh,           "word 14 = 1",                   kEnglish, L"Low"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = 2",                   kEnglish, L"Medium"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = 3",                   kEnglish, L"High"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = 0",                   kEnglish, L"0"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = 4",                   kEnglish, L"4"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = -2",                  kEnglish, L"-2"},
    // The same word on the ten-level kind.
    {kVoxSensitivityLevels,                  "word 14 = 4",                   kEnglish, L"Level 4"},

    // The unit language (word 3 bits 0-3), named in the UI language; 11 to 15 read English.
    {kUnitLanguage,                          "",                              kEnglish, L"English"},
    {kUnitLanguage,                          "word 3 = 7",                    kEnglish, L"Chinese"},
    {kUnitLanguage,                          "word 3 = 10",                   kEnglish, L"Finnish"},
    {kUnitLanguage,                          "word 3 = 11",                   kEnglish, L"English"},
    {kUnitLanguage,                          "word 3 = 15",                   kEnglish, L"English"},
    {kUnitLanguage,                          "word 3 = 10",                   kFrench,  L"Finlandais"},
    {kUnitLanguage,                          "word 3 = 7",                    kChinese, L"中文"},
    {kUnitLanguage,                          "word 3 = 12",                   kChinese, L"英语"},

    // ESS status (word 2 bits 0-1).
    {kEssStatus,                             "",                              kEnglish, L"ESS ON"},
    {kEssStatus,                             "word 2 bit 0",                  kEnglish, L"Position Light + ESS ON"},
    {kEssStatus,                             "word 2 bit 1",                  kEnglish, L"Fog Light + ESS ON"},
    {kEssStatus,                             "word 2 bit 0; word 2 bit 1",    kEnglish, L"ESS OFF"},
    {kEssStatus,                             "word 2 bit 2; word 2 bit 3",    kEnglish, L"ESS ON"},

    // ESS sensitivity (word 2 bits 2-3): bits 00 read as the middle step.
    {kEssSensitivity,                        "",                              kEnglish, L"Medium"},
    {kEssSensitivity,                        "word 2 bit 2",                  kEnglish, L"Low"},
    {kEssSensitivity,                        "word 2 bit 3",                  kEnglish, L"Medium"},
    {kEssSensitivity,                        "word 2 bit 2; word 2 bit 3",    kEnglish, L"High"},
    {kEssSensitivity,                        "word 2 bit 0; word 2 bit 1",    kEnglish, L"Medium"},

    // The same rules in French.
    {kAudioBoostWord0Bit10,                  "word 0 bit 10",                 kFrench,  L"Désactivé"},
    {kGuestModeWord0Bit15,                   "word 0 bit 15",                 kFrench,  L"Activé"},
    {kVoxSensitivityPacked,                  "word 1 = 2",                    kFrench,  L"Niveau 2"},
    {kVoxSensitivityLowMediumHigh,           "word 14 = 2",                   kFrench,  L"Moyen"},
    {kSmartVolumeControlWord16,              "word 16 = 0",                   kFrench,  L"Désactivé"},
    {kEssSensitivity,                        "word 2 bit 2; word 2 bit 3",    kFrench,  L"Élevé"},
};
// clang-format on

TEST(GridRestoreRules, EachRuleWordsTheStoredValue)
{
    ExpectRestoreTexts(kRuleCases);
}

// Every kind that any group's list shows, at any range, words a value, whatever the record
// holds; only the grid's own rows stay without one.
TEST(GridRestoreRules, EveryKindOfEveryListHasAWording)
{
    std::set<int> reached;
    for (std::size_t g = 0; g < kGridRowChainLength; ++g) {
        const GridRowGroup& group = *kGridRowChain[g];
        for (int r = 0; r <= group.thresholdCount; ++r) {
            for (const GridRowList* list : {group.ranges[r].list, group.ranges[r].otherwise}) {
                if (list == nullptr)
                    continue;
                for (int i = 0; i < list->count; ++i)
                    reached.insert(list->rows[i].kind);
            }
        }
    }
    ASSERT_FALSE(reached.empty());
    DeviceConfig zeros;
    DeviceConfig ones;
    for (int& word : ones.m_settings)
        word = -1;
    for (int id : reached) {
        const GridRowKind& kind = GetGridRowKind(static_cast<GridRowKindId>(id));
        SCOPED_TRACE(kind.englishLabel);
        if (kind.restoreRule == kRestoreGridOnly)
            continue;
        for (const DeviceConfig* record : {&zeros, &ones})
            for (int language = -1; language <= 13; ++language)
                EXPECT_FALSE(GridRestoreValueText(kind, *record, GridListWords::From(*record), language).empty());
    }
}

} // namespace
