// The row kinds held against the grid's catalogue: what each check box shows for its field set
// and clear, each drop-down's items and selected item (the out-of-range values included), the
// write halves, and the dependants of each master.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "settings/GridRowCatalogue.h"
#include "settings/SettingsGridBuilder.h"
#include "text/SharedWords.h"

namespace {

std::vector<std::wstring> SplitItems(const std::wstring& joined)
{
    std::vector<std::wstring> items;
    std::wstring item;
    for (wchar_t c : joined) {
        if (c == L'\n') {
            items.push_back(item);
            item.clear();
        } else {
            item += c;
        }
    }
    items.push_back(item);
    return items;
}

// Builds a list of the one kind and gives back its value cell.
RecordedCell BuildOne(GridRowKindId kind, const DeviceConfig& working, int language = 0)
{
    const GridRow row[] = {{0, kind}};
    RecordingGrid grid;
    BuildGridRows(grid, MakeGridRowList("one row", row), working, language);
    EXPECT_EQ(grid.m_rowCount, 1);
    const RecordedCell* cell = grid.Cell(0, kGridValueColumn);
    return cell != nullptr ? *cell : RecordedCell{};
}

TEST(GridRowKinds, TableStandsInItsOwnOrder)
{
    for (int i = 0; i < kGridRowKindCount; ++i) {
        EXPECT_EQ(kGridRowKinds[i].id, i) << kGridRowKinds[i].englishLabel;
        EXPECT_NE(kGridRowKinds[i].label, nullptr);
        EXPECT_EQ(kGridRowKinds[i].items != nullptr, kGridRowKinds[i].cell == kDropDownCell);
    }
}

// --- Check boxes ------------------------------------------------------------------------------

struct CheckBoxCase {
    GridRowKindId kind;
    const char* label;
    const char* field;   // the field set, the way the catalogue names it
    const char* whenSet; // the option shown with the field set; the other one shows when clear
};

// clang-format off
const CheckBoxCase kCheckBoxCases[] = {
    {kVoxPhoneFlag,                         "VOX Phone",                      "word 2 bit 15",         "Enable"},
    {kVoxPhoneOption,                       "VOX Phone",                      "m_voxPhone",            "Enable"},
    {kVoxPhoneOption,                       "VOX Phone",                      "m_voxPhone = 2",        "Enable"},
    {kVoxPhoneWord0Bit0,                    "VOX Phone",                      "word 0 bit 0",          "Enable"},
    {kVoxIntercomOption,                    "VOX Intercom",                   "m_voxIntercom",         "Enable"},
    {kVoxIntercomWord0Bit1,                 "VOX Intercom",                   "word 0 bit 1",          "Enable"},
    {kSidetoneFlag,                         "Sidetone",                       "word 2 bit 12",         "Enable"},
    {kSidetoneOption,                       "Sidetone",                       "m_sidetone",            "Enable"},
    {kSidetoneWord0Bit8,                    "Sidetone",                       "word 0 bit 8",          "Enable"},
    {kHighQualityA2dpOption,                "High Quality A2DP",              "m_highQualityA2dp",     "Enable"},
    {kHighQualityA2dpWord0Bit5,             "High Quality A2DP",              "word 0 bit 5",          "Enable"},
    {kVoicePromptFlag,                      "Voice Prompt",                   "word 2 bit 10",         "Enable"},
    {kVoicePromptOption,                    "Voice Prompt",                   "m_voicePrompt",         "Disable"},
    {kVoicePromptOption,                    "Voice Prompt",                   "m_voicePrompt = 2",     "Disable"},
    {kVoicePromptWord0Bit3,                 "Voice Prompt",                   "word 0 bit 3",          "Disable"},
    {kHushguardFlag,                        "Hushguard™",                     "word 2 bit 8",          "Enable"},
    {kHushguardOption,                      "Hushguard™",                     "m_hushguard",           "Disable"},
    {kHushguardWord0Bit9,                   "Hushguard™",                     "word 0 bit 9",          "Disable"},
    {kAudioBoostFlag,                       "Audio Boost",                    "word 2 bit 7",          "Enable"},
    {kAudioBoostWord18,                     "Audio Boost",                    "word 18 = 1",           "Disable"},
    {kAudioBoostWord18,                     "Audio Boost",                    "word 18 = -1",          "Disable"},
    {kAudioBoostWord0Bit10,                 "Audio Boost",                    "word 0 bit 10",         "Disable"},
    {kHdIntercomFlag,                       "HD Intercom",                    "word 2 bit 13",         "Enable"},
    {kHdIntercomWord19,                     "HD Intercom",                    "word 19 = 1",           "Enable"},
    {kHdIntercomWord0Bit11,                 "HD Intercom",                    "word 0 bit 11",         "Enable"},
    {kFmStationGuideFlag,                   "FM Station Guide",               "word 2 bit 5",          "Enable"},
    {kFmStationGuideWord20,                 "FM Station Guide",               "word 20 = 1",           "Enable"},
    {kFmStationGuideWord0Bit12,             "FM Station Guide",               "word 0 bit 12",         "Enable"},
    {kHdVoiceWord21,                        "HD Voice",                       "word 21 = 3",           "Enable"},
    {kDualstreamFlag,                       "Dualstream™",                    "word 2 bit 11",         "Enable"},
    {kDualstreamWord23,                     "Dualstream™",                    "word 23 = 1",           "Enable"},
    {kLayertoneWord23,                      "Layertone™",                     "word 23 = 1",           "Enable"},
    {kBluetoothIntercomDualstreamWord1Bit11, "Bluetooth Intercom Dualstream™", "word 1 bit 11",        "Enable"},
    {kNavigationAppSupportFlag,             "Navigation App Support",         "word 2 bit 9",          "Enable"},
    {kLayertoneVolumeManagementFlag,        "Layertone Volume Management",    "word 2 bit 9",          "Enable"},
    {kLayertoneVolumeManagementWord1Bit6,   "Layertone Volume Management",    "word 1 bit 6",          "Enable"},
    {kEightWayIntercomFlag,                 "Eight-way Intercom",             "word 2 bit 6",          "Enable"},
    {kVoiceCommandFlag,                     "Voice Command",                  "word 2 bit 0",          "Enable"},
    {kVoiceCommandWord1Bit10,               "Voice Command",                  "word 1 bit 10",         "Enable"},
    {kGuestModeWord0Bit15,                  "Guest Mode",                     "word 0 bit 15",         "Enable"},
    {kRoutecueWord24,                       "Routecue",                       "word 24 = 1",           "Enable"},
    {kDateCaption,                          "Date Caption",                   "word 10 bit 5",         "Enable"},
    {kSpeakerSoundRecording,                "Speaker Sound Recording",        "word 10 bit 6",         "Enable"},
    {kRecordMusic,                          "▶ Music",                        "word 10 bit 8",         "Enable"},
    {kRecordFmRadio,                        "▶ FM Radio",                     "word 10 bit 9",         "Enable"},
    {kRecordIntercom,                       "▶ Intercom",                     "word 10 bit 10",        "Enable"},
    {kRecordPhone,                          "▶ Phone",                        "word 10 bit 11",        "Enable"},
    {kAutoCameraSleep,                      "Auto Camera Sleep",              "word 10 bit 7",         "Enable"},
    {kLayertoneMusicGpsWord23,              "Layertone™",                     "word 23 = 1",           "Enable"},
};
// clang-format on

const wchar_t* Shown(const char* option)
{
    return std::string(option) == "Enable" ? L"0" : L"1";
}

const wchar_t* Other(const char* option)
{
    return std::string(option) == "Enable" ? L"1" : L"0";
}

TEST(GridRowKinds, CheckBoxShowsItsFieldSetAndClear)
{
    std::vector<bool> covered(kGridRowKindCount, false);
    for (const CheckBoxCase& c : kCheckBoxCases) {
        SCOPED_TRACE(std::string(c.label) + ", " + c.field);
        covered[c.kind] = true;
        const GridRowKind& kind = GetGridRowKind(c.kind);
        EXPECT_EQ(kind.cell, kCheckBoxCell);
        EXPECT_STREQ(kind.englishLabel, c.label);
        DeviceConfig set = RecordAtFirmware(1, 0);
        ApplyProbe(set, c.field);
        EXPECT_EQ(BuildOne(c.kind, set).text, Shown(c.whenSet));
        EXPECT_EQ(BuildOne(c.kind, RecordAtFirmware(1, 0)).text, Other(c.whenSet));
        // Every other bit of the record set leaves the row as the empty record shows it.
        DeviceConfig others = RecordAtFirmware(1, 0);
        for (int& word : others.m_settings)
            word = 0xFFFF;
        for (const char* name :
             {"m_voxPhone", "m_voxIntercom", "m_voicePrompt", "m_highQualityA2dp", "m_sidetone", "m_hushguard"})
            *OptionField(others, name) = 1;
        DeviceConfig cleared = others;
        DeviceConfig empty = RecordAtFirmware(1, 0);
        ApplyProbe(empty, c.field);
        // Clear exactly what the case sets.
        for (int w = 0; w < kSettingsWordCount; ++w) {
            if (empty.m_settings[w] == 0)
                continue;
            if (std::string(c.field).find(" bit ") != std::string::npos)
                cleared.m_settings[w] &= ~empty.m_settings[w];
            else
                cleared.m_settings[w] = 0;
        }
        for (const char* name :
             {"m_voxPhone", "m_voxIntercom", "m_voicePrompt", "m_highQualityA2dp", "m_sidetone", "m_hushguard"}) {
            if (*OptionField(empty, name) != 0)
                *OptionField(cleared, name) = 0;
        }
        EXPECT_EQ(BuildOne(c.kind, cleared).text, Other(c.whenSet)) << "with every other field set";
    }
    for (int i = 0; i < kGridRowKindCount; ++i) {
        if (kGridRowKinds[i].cell == kCheckBoxCell) {
            EXPECT_TRUE(covered[i]) << "no case for " << kGridRowKinds[i].englishLabel << " (kind " << i << ")";
        }
    }
}

TEST(GridRowKinds, WriteHalfStoresEnableAndDisableAndLeavesTheRestAlone)
{
    for (const CheckBoxCase& c : kCheckBoxCases) {
        SCOPED_TRACE(std::string(c.label) + ", " + c.field);
        const GridRowKind& kind = GetGridRowKind(c.kind);
        for (int fill : {0, 0xFFFF}) {
            DeviceConfig record = RecordAtFirmware(1, 0);
            for (int& word : record.m_settings)
                word = fill;
            DeviceConfig probe = RecordAtFirmware(1, 0);
            ApplyProbe(probe, c.field);
            const bool isBit = std::string(c.field).find(" bit ") != std::string::npos;
            const DeviceConfig before = record;

            WriteGridCheckBox(kind, record, true);
            EXPECT_EQ(BuildOne(c.kind, record).text, std::wstring(L"0"));
            WriteGridCheckBox(kind, record, false);
            EXPECT_EQ(BuildOne(c.kind, record).text, std::wstring(L"1"));

            for (int w = 0; w < kSettingsWordCount; ++w) {
                if (probe.m_settings[w] != 0 && !isBit)
                    continue;
                const int mask = isBit ? ~probe.m_settings[w] : ~0;
                EXPECT_EQ(record.m_settings[w] & mask, before.m_settings[w] & mask) << "word " << w;
            }
        }
    }
}

TEST(GridRowKinds, EveryCheckBoxCarriesEnableAndDisableInTheUiLanguage)
{
    for (int language : {0, 4, 8, 12}) {
        for (const CheckBoxCase& c : kCheckBoxCases) {
            const RecordedCell cell = BuildOne(c.kind, RecordAtFirmware(1, 0), language);
            ASSERT_TRUE(cell.checkedText.has_value()) << c.label;
            EXPECT_EQ(*cell.checkedText, GetTextEnable(language));
            EXPECT_EQ(*cell.uncheckedText, GetTextDisable(language));
        }
    }
}

// --- Drop-downs -------------------------------------------------------------------------------

struct DropDownItems {
    GridRowKindId kind;
    const char* label;
    std::vector<std::wstring> items;
};

const std::vector<std::wstring> kLevels5 = {L"Level 1", L"Level 2", L"Level 3", L"Level 4", L"Level 5"};
const std::vector<std::wstring> kLevels10 = {L"Level 1", L"Level 2", L"Level 3", L"Level 4", L"Level 5",
                                             L"Level 6", L"Level 7", L"Level 8", L"Level 9", L"Level 10"};
const std::vector<std::wstring> kLowMediumHigh = {L"Low", L"Medium", L"High"};
const std::vector<std::wstring> kSmartVolume = {L"Disable", L"Low", L"Medium", L"High"};

// clang-format off
const DropDownItems kDropDownItems[] = {
    {kOverlaySensitivityTenLevels, "Intercom-Layertone Sensitivity", kLevels10},
    {kOverlaySensitivityPacked,    "Intercom-Layertone Sensitivity", kLevels5},
    {kVoxSensitivityLevels,        "VOX Sensitivity",                kLevels5},
    {kVoxSensitivityLowMediumHigh, "VOX Sensitivity",                kLowMediumHigh},
    {kVoxSensitivityPacked,        "VOX Sensitivity",                kLevels5},
    {kMotionSensorSensitivity,     "Motion Sensor Sensitivity",      {L"Disable", L"Low", L"High"}},
    {kSmartVolumeControlWord16,    "Smart Volume Control",           kSmartVolume},
    {kSmartVolumeControlFlagBits,  "Smart Volume Control",           kSmartVolume},
    {kSmartVolumeControlPacked,    "Smart Volume Control",           kSmartVolume},
    {kAudioSourcePriorityWord22,   "Audio Source Priority",          {L"Intercom", L"Music"}},
    {kUnitLanguage,                "Unit Language",                  {L"English", L"French", L"Spanish", L"Italian", L"German", L"Dutch", L"Russian", L"Chinese", L"Korean", L"Japanese", L"Finnish"}},
    {kChannelSelect,               "Channel Select",                 {L"CH 0 (Common)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"}},
    {kPhotoMode,                   "Photo Mode",                     {L"Single Shot", L"Burst Shot"}},
    {kVideoModeTwoItems,           "Video Mode",                     {L"Video Mode", L"Timelapse Mode"}},
    {kVideoModeThreeItems,         "Video Mode",                     {L"Video Mode", L"Timelapse Mode", L"Loop Recording Mode"}},
    {kVideoResolution,             "Video Resolution",               {L"1080p/30fps", L"720p/60fps", L"720p/30fps"}},
    {kTimelapseInterval,           "Timelapse Interval",             {L"1 sec", L"10 secs"}},
    {kVideoTaggingInterval,        "Video Tagging Interval",         {L"1 min", L"3 mins", L"5 mins"}},
    {kLoopRecordingInterval,       "Loop Recording Interval",        {L"1 min", L"3 mins", L"5 mins"}},
    {kVideoMicrophoneGain,         "Video Microphone Gain",          kLowMediumHigh},
    {kEssStatus,                   "ESS STATUS",                     {L"ESS ON", L"Position Light + ESS ON", L"Fog Light + ESS ON", L"ESS OFF"}},
    {kEssSensitivity,              "ESS Sensitivity",                kLowMediumHigh},
    {kVoxSensitivityLevelsDefault2, "VOX Sensitivity",               kLevels5},
};
// clang-format on

TEST(GridRowKinds, DropDownOffersItsItemsInOrder)
{
    std::vector<bool> covered(kGridRowKindCount, false);
    for (const DropDownItems& d : kDropDownItems) {
        SCOPED_TRACE(d.label);
        covered[d.kind] = true;
        const GridRowKind& kind = GetGridRowKind(d.kind);
        EXPECT_EQ(kind.cell, kDropDownCell);
        EXPECT_STREQ(kind.englishLabel, d.label);
        EXPECT_EQ(SplitItems(kind.items(0)), d.items);
        EXPECT_EQ(GridItemCount(kind, 0), static_cast<int>(d.items.size()));
        const RecordedCell cell = BuildOne(d.kind, RecordAtFirmware(2, 0));
        EXPECT_EQ(cell.cellClass, kComboBoxCellClass);
        EXPECT_EQ(SplitItems(cell.text), d.items);
        EXPECT_FALSE(cell.checkedText.has_value()) << "a drop-down given Enable and Disable";
        EXPECT_FALSE(cell.uncheckedText.has_value());
    }
    for (int i = 0; i < kGridRowKindCount; ++i) {
        if (kGridRowKinds[i].cell == kDropDownCell) {
            EXPECT_TRUE(covered[i]) << "no items for " << kGridRowKinds[i].englishLabel;
        }
    }
}

struct SelectionCase {
    GridRowKindId kind;
    int firmwareMajor; // the working record's own firmware (Video Mode reads by it)
    const char* probe;
    const wchar_t* selected; // empty: no item selected
};

// clang-format off
const SelectionCase kSelectionCases[] = {
    {kOverlaySensitivityTenLevels, 1, "word 0 = 10",   L"Level 1"},
    {kOverlaySensitivityTenLevels, 1, "word 0 = 1",    L"Level 10"},
    {kOverlaySensitivityTenLevels, 1, "word 0 = 0",    L""},
    {kOverlaySensitivityTenLevels, 1, "word 0 = 11",   L""},
    {kOverlaySensitivityPacked,    1, "word 1 = 128",  L"Level 1"},   // bits 7-9 hold 1
    {kOverlaySensitivityPacked,    1, "word 1 = 640",  L"Level 5"},
    {kOverlaySensitivityPacked,    1, "word 1 = 768",  L"Level 3"},   // 6 reads as 3
    {kOverlaySensitivityPacked,    1, "word 1 = 896",  L"Level 3"},   // 7 reads as 3
    {kOverlaySensitivityPacked,    1, "word 1 = 0",    L""},
    {kVoxSensitivityLevels,        1, "word 14 = 1",   L"Level 1"},
    {kVoxSensitivityLevels,        1, "word 14 = 5",   L"Level 5"},
    {kVoxSensitivityLevels,        1, "word 14 = 0",   L""},
    {kVoxSensitivityLevels,        1, "word 14 = 6",   L""},
    {kVoxSensitivityLowMediumHigh, 1, "word 14 = 1",   L"Low"},
    {kVoxSensitivityLowMediumHigh, 1, "word 14 = 3",   L"High"},
    {kVoxSensitivityLowMediumHigh, 1, "word 14 = 0",   L""},
    {kVoxSensitivityLowMediumHigh, 1, "word 14 = 4",   L""},
    {kVoxSensitivityPacked,        1, "word 1 = 1",    L"Level 1"},
    {kVoxSensitivityPacked,        1, "word 1 = 6",    L"Level 3"},
    {kVoxSensitivityPacked,        1, "word 1 = 7",    L"Level 3"},
    {kVoxSensitivityPacked,        1, "word 1 = 0",    L""},
    {kMotionSensorSensitivity,     1, "word 3 = 1",    L"Disable"},
    {kMotionSensorSensitivity,     1, "word 3 = 2",    L"Low"},
    {kMotionSensorSensitivity,     1, "word 3 = 3",    L"High"},
    {kMotionSensorSensitivity,     1, "word 3 = 0",    L""},
    {kMotionSensorSensitivity,     1, "word 3 = 4",    L""},
    {kSmartVolumeControlWord16,    1, "word 16 = 0",   L"Disable"},
    {kSmartVolumeControlWord16,    1, "word 16 = 3",   L"High"},
    {kSmartVolumeControlWord16,    1, "word 16 = 4",   L""},
    {kSmartVolumeControlFlagBits,  1, "word 2 = 2",    L"Low"},
    {kSmartVolumeControlFlagBits,  1, "word 2 = 6",    L"High"},
    {kSmartVolumeControlFlagBits,  1, "word 2 = 14",   L"Disable"},   // bit 3 set
    {kSmartVolumeControlFlagBits,  1, "word 2 = 22",   L"Disable"},   // bit 4 set
    {kSmartVolumeControlPacked,    1, "word 1 = 8",    L"Low"},
    {kSmartVolumeControlPacked,    1, "word 1 = 32",   L"High"},      // bit 5 set
    {kSmartVolumeControlPacked,    1, "word 1 = 40",   L"High"},
    {kAudioSourcePriorityWord22,   1, "word 22 = 0",   L"Intercom"},
    {kAudioSourcePriorityWord22,   1, "word 22 = 1",   L"Music"},
    {kAudioSourcePriorityWord22,   1, "word 22 = 2",   L""},
    {kUnitLanguage,                1, "word 3 = 10",   L"Finnish"},
    {kUnitLanguage,                1, "word 3 = 11",   L"English"},
    {kUnitLanguage,                1, "word 3 = 15",   L"English"},
    {kChannelSelect,               1, "word 3 = 320",  L"CH 5"},
    {kChannelSelect,               1, "word 3 = 384",  L"CH 0 (Common)"}, // 6
    {kChannelSelect,               1, "word 3 = 448",  L"CH 0 (Common)"}, // 7
    {kChannelSelect,               1, "word 3 = 576",  L"CH 0 (Common)"}, // bit 9 with 1
    {kPhotoMode,                   1, "word 10 bit 0", L"Burst Shot"},
    {kVideoModeTwoItems,           1, "word 10 bit 1", L"Timelapse Mode"},
    {kVideoModeTwoItems,           2, "word 12 = 128", L""},          // a later record's 2
    {kVideoModeThreeItems,         2, "word 12 = 128", L"Loop Recording Mode"},
    {kVideoModeThreeItems,         2, "word 12 = 192", L"Video Mode"},
    {kVideoResolution,             1, "word 10 = 8",   L"720p/30fps"},
    {kVideoResolution,             1, "word 10 = 12",  L"1080p/30fps"},
    {kTimelapseInterval,           1, "word 10 bit 4", L"10 secs"},
    {kVideoTaggingInterval,        1, "word 12 = 2",   L"5 mins"},
    {kVideoTaggingInterval,        1, "word 12 = 3",   L"1 min"},
    {kLoopRecordingInterval,       1, "word 12 = 4",   L"3 mins"},
    {kLoopRecordingInterval,       1, "word 12 = 12",  L"1 min"},
    {kVideoMicrophoneGain,         1, "word 12 = 32",  L"High"},
    {kVideoMicrophoneGain,         1, "word 12 = 48",  L"Low"},
    {kEssStatus,                   1, "word 2 = 0",    L"ESS ON"},
    {kEssStatus,                   1, "word 2 = 3",    L"ESS OFF"},
    {kEssSensitivity,              1, "word 2 = 0",    L"Medium"},
    {kEssSensitivity,              1, "word 2 = 4",    L"Low"},
    {kEssSensitivity,              1, "word 2 = 8",    L"Medium"},
    {kEssSensitivity,              1, "word 2 = 12",   L"High"},
};
// clang-format on

TEST(GridRowKinds, DropDownSelectsByItsRule)
{
    for (const SelectionCase& c : kSelectionCases) {
        const GridRowKind& kind = GetGridRowKind(c.kind);
        SCOPED_TRACE(std::string(kind.englishLabel) + ", " + c.probe);
        DeviceConfig record = RecordAtFirmware(c.firmwareMajor, 0);
        ApplyProbe(record, c.probe);
        const RecordedCell cell = BuildOne(c.kind, record);
        ASSERT_TRUE(cell.curSel.has_value());
        const std::vector<std::wstring> items = SplitItems(cell.text);
        const int index = *cell.curSel;
        const std::wstring selected = index >= 0 && index < static_cast<int>(items.size()) ? items[index] : L"";
        EXPECT_EQ(selected, c.selected) << "index " << index;
    }
}

TEST(GridRowKinds, DropDownWriteHalfStoresTheItemBack)
{
    for (const DropDownItems& d : kDropDownItems) {
        SCOPED_TRACE(d.label);
        const GridRowKind& kind = GetGridRowKind(d.kind);
        const int major = d.kind == kVideoModeTwoItems ? 1 : 2;
        for (int index = 0; index < static_cast<int>(d.items.size()); ++index) {
            DeviceConfig record = RecordAtFirmware(major, 0);
            WriteGridDropDownIndex(kind, record, index);
            const int expected = d.kind == kChannelSelect ? 0 : index; // no setter: nothing stored
            EXPECT_EQ(BuildOne(d.kind, record).curSel, expected);
        }
    }
}

// --- Dependants -------------------------------------------------------------------------------

struct DependantCase {
    int productId;
    int major;
    int minor;
    const char* master;              // the field that turns the master on
    std::vector<int> greyedWhileOff; // value cells disabled with the master's field clear
    std::vector<int> greyedWhileOn;  // and with it set
};

const DependantCase kDependantCases[] = {
    {0x4210, 1, 0, "word 2 bit 11", {3}, {}},
    {0x4210, 1, 5, "word 2 bit 11", {1, 2}, {}},
    {0x4410, 1, 0, "word 2 bit 11", {1, 2}, {}},
    {0x5520, 2, 0, "word 23 = 1", {}, {4, 5, 6}},
    {0x5520, 1, 9, "word 23 = 1", {}, {}},
    {0x5624, 2, 0, "word 23 = 1", {}, {4, 5, 6}}, // no master row shown
    {0x5560, 1, 0, "word 23 = 1", {}, {4}},
    {0x5530, 1, 4, "word 23 = 1", {}, {}}, // "HD Voice" without a master
    {0x5532, 1, 0, "word 23 = 1", {}, {}},
    {0x5416, 1, 0, "word 23 = 1", {}, {}},
    {0x3110, 1, 0, "word 1 bit 11", {}, {}},  // list A
    {0x3110, 1, 1, "word 1 bit 11", {}, {4}}, // list B
    {0x3110, 2, 1, "word 1 bit 11", {}, {5}}, // list C
    {0x3110, 2, 2, "word 1 bit 11", {}, {5}}, // list D
    {0x3118, 1, 0, "word 1 bit 11", {}, {}},  // list E
    {0x5510, 1, 0, "word 10 bit 6", {13, 14, 15, 16}, {}},
    {0x5510, 3, 0, "word 10 bit 6", {20, 21, 22, 23}, {}},
};

std::vector<int> GreyedRows(const RecordingGrid& grid)
{
    std::vector<int> rows;
    for (int row = 0; row < grid.m_rowCount; ++row) {
        const RecordedCell* cell = grid.Cell(row, kGridValueColumn);
        if (cell != nullptr && cell->disabled.value_or(0) != 0)
            rows.push_back(row);
    }
    return rows;
}

TEST(GridRowKinds, DependantsFollowTheirMasterInTheWorkingRecord)
{
    for (const DependantCase& c : kDependantCases) {
        SCOPED_TRACE(::testing::Message()
                     << std::hex << c.productId << std::dec << " at " << c.major << "." << c.minor);
        const DeviceConfig live = RecordAtFirmware(c.major, c.minor);
        DeviceConfig off = live;
        RecordingGrid grid;
        BuildSettingsGrid(grid, c.productId, live, off, 0);
        EXPECT_EQ(GreyedRows(grid), c.greyedWhileOff);
        DeviceConfig on = live;
        ApplyProbe(on, c.master);
        BuildSettingsGrid(grid, c.productId, live, on, 0);
        EXPECT_EQ(GreyedRows(grid), c.greyedWhileOn);
        // The live record's settings play no part.
        BuildSettingsGrid(grid, c.productId, on, off, 0);
        EXPECT_EQ(GreyedRows(grid), c.greyedWhileOff);
    }
}

} // namespace
