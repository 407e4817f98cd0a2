#include "text/SettingHelpTexts.h"

#include "device/DeviceConfig.h"
#include "text/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kEnglish = 0;
constexpr int kItalian = 3;
constexpr int kJapanese = 4;
constexpr int kFinnish = 10;
constexpr int kCzech = 11;
constexpr int kPolish = 12;

int CountOf(const std::wstring& text, const std::wstring& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

DeviceConfig Firmware(int major, int minor)
{
    DeviceConfig device;
    device.m_firmwareVersion.major = major;
    device.m_firmwareVersion.minor = minor;
    return device;
}

// The heading of every text, in the order of the functions.
TEST(SettingHelpTexts, EveryTableHasItsEnglishHeading)
{
    struct Heading {
        const char* table;
        const wchar_t* heading;
    };
    const Heading headings[] = {
        {"PacketLossConcealment", L"[Packet Loss Concealment]\n"},
        {"HighQualityA2dp", L"[High Quality A2DP]\n"},
        {"MicrophoneBoosting", L"[Microphone Boosting]\n"},
        {"Sidetone", L"[Sidetone]\n"},
        {"Hushguard", L"[Hushguard\u2122]\n"},
        {"AutoGainControl", L"[Auto Gain Control]\n"},
        {"RadioTransmitGain", L"[Radio Transmit Gain]\n"},
        {"EnhancedDataRate", L"[Enhanced Data Rate]\n"},
        {"AudioChannelTimeout", L"[Audio Channel Timeout]\n"},
        {"MotionSensorSensitivity", L"[Motion Sensor Sensitivity]\n"},
        {"NavigationAppSupport", L"[Navigation App Support]\n"},
        {"Dualstream", L"[Dualstream\u2122]\n"},
        {"OverlaySensitivityMusic", L"[Intercom-Layertone Sensitivity]\n"},
        {"OverlaySensitivityAllSources", L"[Intercom-Layertone Sensitivity]\n"},
        {"UnitLanguage", L"[Unit Language]\n"},
        {"AudioBoost", L"[Audio Boost]\n"},
        {"VoxSensitivityDefault3", L"[VOX Sensitivity]\n"},
        {"VoxSensitivityDefault2", L"[VOX Sensitivity]\n"},
        {"VoxSensitivityThreeLevels", L"[VOX Sensitivity]\n"},
        {"VoxPhone", L"[VOX Phone]\n"},
        {"HdIntercom", L"[HD Intercom]\n"},
        {"EightWayIntercom", L"[Eight-way Intercom]\n"},
        {"VoicePrompt", L"[Voice Prompt]\n"},
        {"VoxIntercom", L"[VOX Intercom]\n"},
        {"SmartVolumeControl", L"[Smart Volume Control]\n"},
        {"FmStationGuide", L"[FM Station Guide]\n"},
        {"HdVoice", L"[HD Voice]\n"},
        {"AudioSourcePriority", L"[Audio Source Priority]\n"},
        {"DualstreamFull", L"[Dualstream\u2122]\n"},
        {"Layertone", L"[Layertone\u2122]\n"},
        {"LayertoneMusicGps", L"[Layertone\u2122]\n"},
        {"IntercomDualstream", L"[Bluetooth Intercom Dualstream\u2122]\n"},
        {"Routecue", L"[Routecue]\n"},
        {"GuestMode", L"[Guest Mode]\n"},
        {"LayertoneVolumeManagement", L"[Layertone Volume Management]\n"},
        {"VoiceCommand", L"[Voice Command]\n"},
        {"EssStatus", L"[ESS Status]\n"},
        {"EssSensitivity", L"[ESS Sensitivity]\n"},
        {"PhotoMode", L"[Photo Mode]\n"},
        {"VideoModeTwoModes", L"[Video Mode]\n"},
        {"VideoModeThreeModes", L"[Video Mode]\n"},
        {"VideoResolution", L"[Video Resolution]\n"},
        {"TimelapseInterval", L"[Timelapse Interval]\n"},
        {"VideoTaggingInterval", L"[Video Tagging Interval]\n"},
        {"LoopRecordingInterval", L"[Loop Recording Interval]\n"},
        {"VideoMicrophoneGain", L"[Video Microphone Gain]\n"},
        {"DateCaption", L"[Date Caption]\n"},
        {"SpeakerSoundRecording", L"[Speaker Sound Recording]\n"},
        {"AutoCameraSleep", L"[Auto Camera Sleep]\n"},
    };
    const std::vector<HelpTextTable>& tables = AllHelpTextTables();
    ASSERT_EQ(tables.size(), sizeof headings / sizeof headings[0]);
    for (size_t i = 0; i < tables.size(); ++i) {
        EXPECT_STREQ(tables[i].name, headings[i].table);
        EXPECT_EQ(std::wstring(tables[i].rows[0]).rfind(headings[i].heading, 0), 0u) << tables[i].name;
    }
}

// Where a wording looks odd it is still the wording users know.
TEST(SettingHelpTexts, EnglishWordingKeptWordForWord)
{
    EXPECT_EQ(GetHelpMicrophoneBoosting(kEnglish),
              L"[Microphone Boosting]\nThis option is related with microphone gain setup in handsfree call and enabled "
              L"by default. If the microphone boosting is disabled, you may need to speak more loudly However, the "
              L"environmental noise may become less along with the lowered microphone gain.");
    EXPECT_EQ(GetHelpVoxIntercom(kEnglish),
              L"[VOX Intercom]\nIf %s is enabled, you can initiate an intercom conversation with the last connected "
              L"intercom by voice. When you want to start intercom, say a word such as \"Hello\" loudly or blow air "
              L"into the microphone. If %s is disabled, you can start an intercom conversation only by tapping the "
              L"Jog Dial.");
    EXPECT_EQ(GetHelpEssSensitivity(kEnglish), L"[ESS Sensitivity]\nLow: the stop signal turns on during sudden "
                                               L"braking only.\nHigh: the stop signal turns on during slight braking "
                                               L"as well.");
    EXPECT_EQ(GetHelpVoxSensitivityDefault2(kEnglish),
              L"[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. "
              L"Level 5 is the highest sensitivity setting and 1 is the lowest.\nDefault: 2");
    const std::wstring intercomDualstream = GetHelpIntercomDualstream(kEnglish);
    EXPECT_EQ(intercomDualstream.back(), L' ');
    EXPECT_NE(GetHelpVideoMode(kEnglish, Firmware(2, 0)).find(L"Timelaspe mode records"), std::wstring::npos);
    EXPECT_EQ(GetHelpHushguard(kEnglish),
              L"[Hushguard\u2122]\n%s reduces the effects of ambient noise during intercom conversations.");
}

TEST(SettingHelpTexts, LanguagesOutsideOneToTwelveReadEnglish)
{
    for (int language : {kEnglish, 13, -1}) {
        EXPECT_EQ(GetHelpPacketLossConcealment(language), GetHelpPacketLossConcealment(kEnglish)) << language;
        EXPECT_EQ(GetHelpGuestMode(language), GetHelpGuestMode(kEnglish)) << language;
        EXPECT_EQ(GetHelpVideoMode(language, Firmware(1, 0)), GetHelpVideoMode(kEnglish, Firmware(1, 0))) << language;
    }
    EXPECT_EQ(GetHelpGuestMode(-1).rfind(L"[Guest Mode]\n", 0), 0u);
}

TEST(SettingHelpTexts, LanguagesWithoutTheirOwnTextShowEnglish)
{
    for (int language : {kCzech, kPolish}) {
        EXPECT_EQ(GetHelpVoxSensitivityDefault2(language), GetHelpVoxSensitivityDefault2(kEnglish));
        EXPECT_EQ(GetHelpEssStatus(language), GetHelpEssStatus(kEnglish));
        EXPECT_EQ(GetHelpEssSensitivity(language), GetHelpEssSensitivity(kEnglish));
        EXPECT_EQ(GetHelpRoutecue(language), GetHelpRoutecue(kEnglish));
        // Their neighbours are translated.
        EXPECT_NE(GetHelpVoxSensitivityDefault3(language), GetHelpVoxSensitivityDefault3(kEnglish));
    }
    for (int language : {kJapanese, 5, 8, 9, kFinnish})
        EXPECT_EQ(GetHelpRoutecue(language), GetHelpRoutecue(kEnglish)) << language;
    for (int language : {1, 2, kItalian, 6, 7})
        EXPECT_NE(GetHelpRoutecue(language), GetHelpRoutecue(kEnglish)) << language;
}

TEST(SettingHelpTexts, VideoModeFollowsTheFirmware)
{
    const std::wstring two = GetHelpVideoMode(kEnglish, Firmware(1, 9));
    const std::wstring three = GetHelpVideoMode(kEnglish, Firmware(2, 0));
    EXPECT_EQ(two.find(L"loop recording"), std::wstring::npos);
    EXPECT_NE(three.find(L"loop recording mode"), std::wstring::npos);
    EXPECT_EQ(GetHelpVideoMode(kEnglish, Firmware(1, 10)), two); // 1.10 is still before 2.0
    EXPECT_EQ(GetHelpVideoMode(kEnglish, Firmware(3, 0)), three);
    // Polish has the two-mode text only, on every firmware.
    EXPECT_EQ(GetHelpVideoMode(kPolish, Firmware(2, 0)), GetHelpVideoMode(kPolish, Firmware(1, 9)));
    EXPECT_NE(GetHelpVideoMode(kPolish, Firmware(2, 0)), three);
    EXPECT_NE(GetHelpVideoMode(kCzech, Firmware(2, 0)), GetHelpVideoMode(kCzech, Firmware(1, 9)));
}

TEST(SettingHelpTexts, EdrTextCarriesTheSupportAddressInEveryLanguage)
{
    const std::wstring address = GetSupportAddress();
    EXPECT_NE(address.find(L".example"), std::wstring::npos);
    for (int language = -1; language <= 13; ++language) {
        const std::wstring text = GetHelpEnhancedDataRate(language);
        EXPECT_EQ(CountOf(text, L"(" + address + L")"), 1) << language;
        EXPECT_EQ(text.find(L'%'), std::wstring::npos) << language;
    }
    EXPECT_EQ(GetHelpEnhancedDataRate(kEnglish),
              L"[Enhanced Data Rate]\nIt is highly recommended to enable this option unless there are any Bluetooth "
              L"compatibility problems. If there are such problems, please contact technical support (" +
                  address + L") to disable the EDR setting.\n");
}

// Callers fill "%s" with names in the English text's order; a translation with more or other
// placeholders would show garbage or lose a name. Two translations name the setting in the
// sentence itself and so have fewer.
TEST(SettingHelpTexts, EveryTranslationKeepsTheEnglishPlaceholders)
{
    for (const HelpTextTable& table : AllHelpTextTables()) {
        const std::wstring english = table.rows[0];
        const int englishCount = CountOf(english, L"%s");
        EXPECT_EQ(CountOf(english, L"%"), englishCount) << table.name;
        for (int language = 1; language < 13; ++language) {
            if (!table.rows[language])
                continue;
            const std::wstring text = table.rows[language];
            const int count = CountOf(text, L"%s");
            EXPECT_EQ(CountOf(text, L"%"), count) << table.name << " " << language;
            const bool mayHaveFewer = (std::string(table.name) == "AudioBoost" && language == kItalian) ||
                                      (std::string(table.name) == "NavigationAppSupport" && language == kFinnish);
            if (mayHaveFewer)
                EXPECT_LT(count, englishCount) << table.name << " " << language;
            else
                EXPECT_EQ(count, englishCount) << table.name << " " << language;
            EXPECT_EQ(text.front(), L'[') << table.name << " " << language;
            EXPECT_NE(text.find(L"]\n"), std::wstring::npos) << table.name << " " << language;
        }
    }
}

TEST(SettingHelpTexts, FilledWithNamesLeavesNoPlaceholder)
{
    const std::wstring filled = FillPlaceholders(GetHelpAudioBoost(kItalian), {L"Audio Boost"});
    EXPECT_EQ(filled.find(L'%'), std::wstring::npos);
    const std::wstring finnish = FillPlaceholders(GetHelpNavigationAppSupport(kFinnish), {L"A", L"B"});
    EXPECT_EQ(finnish.find(L'%'), std::wstring::npos);
    EXPECT_EQ(FillPlaceholders(GetHelpRadioTransmitGain(kEnglish), {L"X 100%", L"X 100%"}).find(L"X 100%"),
              GetHelpRadioTransmitGain(kEnglish).find(L"%s"));
}

} // namespace
