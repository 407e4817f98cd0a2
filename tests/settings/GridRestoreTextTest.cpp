// The restore list's wording of every rule, held against the archived record's stored values:
// the edges of each rule (exactly 1 against any other value for the off-when-1 fields, the
// overlay's 11 minus, the ten levels, the motion, smart volume and source words, the camera's
// two- and three-word items) in English, and the same values in French.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "RecordProbe.h"
#include "settings/GridRestoreText.h"
#include "settings/GridRowCatalogue.h"

namespace {

struct RestoreTextCase {
    GridRowKindId kind;
    const char* probes; // "; " between probes, empty for a record left as built
    int language;
    const wchar_t* shown;
    int major = 3; // the archived firmware, which decides where the record keeps the video mode
    int minor = 0;
};

std::wstring ShownFor(const RestoreTextCase& c)
{
    DeviceConfig archive = RecordAtFirmware(c.major, c.minor);
    std::stringstream probes(c.probes);
    std::string probe;
    while (std::getline(probes, probe, ';')) {
        const std::size_t first = probe.find_first_not_of(' ');
        if (first != std::string::npos)
            ApplyProbe(archive, probe.substr(first));
    }
    return GridRestoreValueText(GetGridRowKind(c.kind), archive, GridListWords::From(archive), c.language);
}

// clang-format off
const RestoreTextCase kRestoreTextCases[] = {
    // On when set: flag-word bits (both names of bit 9), option ints, whole words, camera bits.
    {kVoxPhoneFlag,                  "word 2 bit 15",                0, L"Enabled"},
    {kVoxPhoneFlag,                  "word 2 bit 14",                0, L"Disabled"},
    {kNavigationAppSupportFlag,      "word 2 bit 9",                 0, L"Enabled"},
    {kLayertoneVolumeManagementFlag, "word 2 bit 9",                 0, L"Enabled"},
    {kLayertoneVolumeManagementFlag, "",                             0, L"Disabled"},
    {kEightWayIntercomFlag,          "word 2 bit 6",                 0, L"Enabled"},
    {kVoiceCommandFlag,              "word 2 bit 0",                 0, L"Enabled"},
    {kVoiceCommandFlag,              "word 2 bit 1",                 0, L"Disabled"},
    {kAudioBoostFlag,                "word 2 bit 7",                 0, L"Enabled"},
    {kVoicePromptFlag,               "word 2 bit 10",                0, L"Enabled"},
    {kHushguardFlag,                 "",                             0, L"Disabled"},
    {kVoxPhoneOption,                "m_voxPhone = 0",               0, L"Disabled"},
    {kVoxPhoneOption,                "m_voxPhone = 1",               0, L"Enabled"},
    {kVoxPhoneOption,                "m_voxPhone = 2",               0, L"Enabled"},
    {kVoxIntercomOption,             "m_voxIntercom = -1",           0, L"Enabled"},
    {kHighQualityA2dpOption,         "m_highQualityA2dp = 0",        0, L"Disabled"},
    {kSidetoneOption,                "m_sidetone = 7",               0, L"Enabled"},
    {kHdIntercomWord19,              "word 19 = 0",                  0, L"Disabled"},
    {kFmStationGuideWord20,          "word 20 = 2",                  0, L"Enabled"},
    {kHdVoiceWord21,                 "word 21 = 1",                  0, L"Enabled"},
    {kDualstreamWord23,              "word 23 = 0",                  0, L"Disabled"},
    {kDualstreamWord23,              "word 23 = 5",                  0, L"Enabled"},
    {kDateCaption,                   "word 10 bit 5",                0, L"Enabled"},
    {kSpeakerSoundRecording,         "word 10 bit 5",                0, L"Disabled"},
    {kRecordMusic,                   "word 10 bit 8",                0, L"Enabled"},
    {kRecordFmRadio,                 "word 10 bit 9",                0, L"Enabled"},
    {kRecordIntercom,                "word 10 bit 10",               0, L"Enabled"},
    {kRecordPhone,                   "word 10 bit 11",               0, L"Enabled"},
    {kAutoCameraSleep,               "word 10 bit 7",                0, L"Enabled"},
    {kAutoCameraSleep,               "word 10 bit 6",                0, L"Disabled"},

    // Off when 1: only exactly 1 is off.
    {kAudioBoostWord18,              "word 18 = 0",                  0, L"Enabled"},
    {kAudioBoostWord18,              "word 18 = 1",                  0, L"Disabled"},
    {kAudioBoostWord18,              "word 18 = 2",                  0, L"Enabled"},
    {kAudioBoostWord18,              "word 18 = -1",                 0, L"Enabled"},
    {kVoicePromptOption,             "m_voicePrompt = 0",            0, L"Enabled"},
    {kVoicePromptOption,             "m_voicePrompt = 1",            0, L"Disabled"},
    {kVoicePromptOption,             "m_voicePrompt = 2",            0, L"Enabled"},
    {kHushguardOption,               "m_hushguard = 0",              0, L"Enabled"},
    {kHushguardOption,               "m_hushguard = 1",              0, L"Disabled"},
    {kHushguardOption,               "m_hushguard = 2",              0, L"Enabled"},

    // Eleven minus the overlay, with no bound.
    {kOverlaySensitivityTenLevels,   "word 0 = 1",                   0, L"10"},
    {kOverlaySensitivityTenLevels,   "word 0 = 3",                   0, L"8"},
    {kOverlaySensitivityTenLevels,   "word 0 = 10",                  0, L"1"},
    {kOverlaySensitivityTenLevels,   "word 0 = 11",                  0, L"0"},
    {kOverlaySensitivityTenLevels,   "word 0 = 0",                   0, L"11"},
    {kOverlaySensitivityTenLevels,   "word 0 = 12",                  0, L"-1"},
    {kOverlaySensitivityTenLevels,   "word 0 = -5",                  0, L"16"},

    // Levels 1 to 10 from the ten level names; any other stored number as it is.
    {kVoxSensitivityLevels,          "word 14 = 1",                  0, L"Level 1"},
    {kVoxSensitivityLevels,          "word 14 = 3",                  0, L"Level 3"},
    {kVoxSensitivityLevels,          "word 14 = 5",                  0, L"Level 5"},
    {kVoxSensitivityLevels,          "word 14 = 6",                  0, L"Level 6"},
    {kVoxSensitivityLevels,          "word 14 = 10",                 0, L"Level 10"},
    {kVoxSensitivityLevels,          "word 14 = 0",                  0, L"0"},
    {kVoxSensitivityLevels,          "word 14 = 11",                 0, L"11"},
    {kVoxSensitivityLevels,          "word 14 = -1",                 0, L"-1"},

    // Motion: 1 "Disable", 2 "Low", any other value "High".
    {kMotionSensorSensitivity,       "word 3 = 0",                   0, L"High"},
    {kMotionSensorSensitivity,       "word 3 = 1",                   0, L"Disable"},
    {kMotionSensorSensitivity,       "word 3 = 2",                   0, L"Low"},
    {kMotionSensorSensitivity,       "word 3 = 3",                   0, L"High"},
    {kMotionSensorSensitivity,       "word 3 = 9",                   0, L"High"},

    // Smart volume from flag-word bits 1-2; bit 3 or 4 set reads 0, "Disabled".
    {kSmartVolumeControlFlagBits,    "",                             0, L"Disabled"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 1",                 0, L"Low"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 2",                 0, L"Medium"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 1; word 2 bit 2",   0, L"High"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 1; word 2 bit 3",   0, L"Disabled"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 2; word 2 bit 4",   0, L"Disabled"},

    // Source: 0 "Intercom", any other value "Music".
    {kAudioSourcePriorityWord22,     "word 22 = 0",                  0, L"Intercom"},
    {kAudioSourcePriorityWord22,     "word 22 = 1",                  0, L"Music"},
    {kAudioSourcePriorityWord22,     "word 22 = 2",                  0, L"Music"},

    // Two words: 0 the first, any other value the second.
    {kPhotoMode,                     "",                             0, L"Single Shot"},
    {kPhotoMode,                     "word 10 bit 0",                0, L"Burst Shot"},
    {kTimelapseInterval,             "",                             0, L"1 sec"},
    {kTimelapseInterval,             "word 10 bit 4",                0, L"10 secs"},
    {kVideoModeTwoItems,             "",                             0, L"Video Mode",     1, 9},
    {kVideoModeTwoItems,             "word 10 bit 1",                0, L"Timelapse Mode", 1, 9},

    // Three words: 0 and 1 the first two, any other value the third; a pair with both bits set
    // reads 0.
    {kVideoModeThreeItems,           "",                             0, L"Video Mode"},
    {kVideoModeThreeItems,           "word 12 bit 6",                0, L"Timelapse Mode"},
    {kVideoModeThreeItems,           "word 12 bit 7",                0, L"Loop Recording Mode"},
    {kVideoModeThreeItems,           "word 12 bit 6; word 12 bit 7", 0, L"Video Mode"},
    {kVideoResolution,               "word 10 bit 2",                0, L"720p/60fps"},
    {kVideoResolution,               "word 10 bit 3",                0, L"720p/30fps"},
    {kVideoResolution,               "word 10 bit 2; word 10 bit 3", 0, L"1080p/30fps"},
    {kVideoTaggingInterval,          "word 12 bit 1",                0, L"5 mins"},
    {kVideoTaggingInterval,          "word 12 bit 0; word 12 bit 1", 0, L"1 min"},
    {kLoopRecordingInterval,         "word 12 bit 2",                0, L"3 mins"},
    {kLoopRecordingInterval,         "word 12 bit 2; word 12 bit 3", 0, L"1 min"},
    {kVideoMicrophoneGain,           "",                             0, L"Low"},
    {kVideoMicrophoneGain,           "word 12 bit 4",                0, L"Medium"},
    {kVideoMicrophoneGain,           "word 12 bit 5",                0, L"High"},
    {kVideoMicrophoneGain,           "word 12 bit 4; word 12 bit 5", 0, L"Low"},

    // The same rules in French.
    {kVoxPhoneFlag,                  "word 2 bit 15",                1, L"Activé"},
    {kVoicePromptOption,             "m_voicePrompt = 1",            1, L"Désactivé"},
    {kOverlaySensitivityTenLevels,   "word 0 = 3",                   1, L"8"},
    {kVoxSensitivityLevels,          "word 14 = 10",                 1, L"Niveau 10"},
    {kMotionSensorSensitivity,       "word 3 = 1",                   1, L"Désactiver"},
    {kMotionSensorSensitivity,       "word 3 = 2",                   1, L"Faible"},
    {kSmartVolumeControlFlagBits,    "",                             1, L"Désactivé"},
    {kSmartVolumeControlFlagBits,    "word 2 bit 2",                 1, L"Moyen"},
    {kAudioSourcePriorityWord22,     "word 22 = 2",                  1, L"Musique"},
    {kPhotoMode,                     "",                             1, L"Photo unique"},
    {kVideoResolution,               "word 10 bit 2",                1, L"720p / 60 ips"},
    {kVideoMicrophoneGain,           "word 12 bit 5",                1, L"Élevé"},

    // A language outside 0 to 12 words the value in English.
    {kHdVoiceWord21,                 "word 21 = 1",                 13, L"Enabled"},
    {kVoxSensitivityLevels,          "word 14 = 2",                 -1, L"Level 2"},

    // Channel Select is the grid's alone.
    {kChannelSelect,                 "",                             0, L""},
};
// clang-format on

TEST(GridRestoreText, EachRuleWordsTheStoredValue)
{
    for (const RestoreTextCase& c : kRestoreTextCases) {
        SCOPED_TRACE(std::string(GetGridRowKind(c.kind).englishLabel) + " with " + c.probes + ", language " +
                     std::to_string(c.language));
        EXPECT_EQ(ShownFor(c), c.shown);
    }
}

TEST(GridRestoreText, ElevenMinusTheExtremesOfAnIntDoesNotOverflow)
{
    DeviceConfig archive;
    archive.m_settings[0] = std::numeric_limits<std::int32_t>::min();
    const GridRowKind& overlay = GetGridRowKind(kOverlaySensitivityTenLevels);
    EXPECT_EQ(GridRestoreValueText(overlay, archive, GridListWords::From(archive), 0), L"2147483659");
    archive.m_settings[0] = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(GridRestoreValueText(overlay, archive, GridListWords::From(archive), 0), L"-2147483636");
}

TEST(GridRestoreText, OnlyChannelSelectIsGridOnly)
{
    for (const GridRowKind& kind : kGridRowKinds)
        EXPECT_EQ(kind.restoreRule == kRestoreGridOnly, kind.id == kChannelSelect) << kind.englishLabel;
}

TEST(GridRestoreText, WordRulesStandOnlyOnDropDownsWithEnoughItems)
{
    for (const GridRowKind& kind : kGridRowKinds) {
        int needed = 0;
        switch (kind.restoreRule) {
        case kRestoreSource:
        case kRestoreTwoWords: needed = 2; break;
        case kRestoreMotion:
        case kRestoreThreeWords: needed = 3; break;
        case kRestoreSmartVolume: needed = 4; break;
        default: continue;
        }
        SCOPED_TRACE(kind.englishLabel);
        ASSERT_EQ(kind.cell, kDropDownCell);
        for (int language = 0; language < 13; ++language)
            EXPECT_GE(GridItemCount(kind, language), needed);
    }
}

} // namespace
