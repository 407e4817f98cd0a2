#include "text/NameTables.h"
#include "text/UiLanguages.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

enum : unsigned {
    En = 1u << 0, Fr = 1u << 1, De = 1u << 2, It = 1u << 3, Ja = 1u << 4, Ko = 1u << 5, Es = 1u << 6,
    Nl = 1u << 7, Ru = 1u << 8, Zh = 1u << 9, Fi = 1u << 10, Cs = 1u << 11, Pl = 1u << 12,
    AllButEnglish = 0x1FFEu,
    EssEnglish = Ja | Ko | Ru | Zh | Fi | Cs | Pl,
};

const int kOutOfRangeLanguages[] = {13, -1, 14, 100, INT_MIN, INT_MAX};

bool Has(unsigned mask, int language) { return (mask >> language) & 1u; }

// The Windows build has a 2-byte wchar_t: only characters of the basic plane
// are the same text there, and no control character may split a grid cell.
bool PlainBasicPlaneText(const std::wstring& text)
{
    for (wchar_t c : text) {
        const unsigned long code = static_cast<unsigned long>(c);
        if (code < 0x20 || code >= 0x10000 || (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return true;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct OneNameCase {
    const char* name;
    std::wstring (*text)(int);
    const wchar_t* english;
    // Rows whose text is the English one; every other row must be a text of its own.
    unsigned sameAsEnglish;
    // Rows stored cut short with three full stops; no other row may end that way.
    unsigned cutShort;
};

// "More..." ends in three full stops by itself, so it is checked on its own below.
const OneNameCase kOneNameCases[] = {
    {"VoxIntercom", TextVoxIntercom, L"VOX Intercom", En, 0},
    {"VoxPhone", TextVoxPhone, L"VOX Phone", En, 0},
    {"Edr", TextEdr, L"EDR (Enhanced Data Rate)", En, Fr | Nl | Ru},
    {"VoicePrompt", TextVoicePrompt, L"Voice Prompt", En, 0},
    {"Plc", TextPlc, L"PLC (Packet Loss Concealment)", En | De | It | Fi, 0},
    {"HighQualityA2dp", TextHighQualityA2dp, L"High Quality A2DP", En | Pl, Ru},
    {"MicrophoneBoosting", TextMicrophoneBoosting, L"Microphone Boosting", En, 0},
    {"Sidetone", TextSidetone, L"Sidetone", En, 0},
    {"Hushguard", TextHushguard, L"Hushguard™", ~0u, 0},
    {"AutoGainControl", TextAutoGainControl, L"Auto Gain Control", En, De | It | Ru},
    {"RadioTransmitGain", TextRadioTransmitGain, L"Radio Transmit Gain", En, 0},
    {"AudioChannelTimeout", TextAudioChannelTimeout, L"Audio Channel Timeout", En, Ru},
    {"AudioBoost", TextAudioBoost, L"Audio Boost", En, 0},
    {"RadioRegion", TextRadioRegion, L"Radio Region", En, 0},
    {"RdsAf", TextRdsAf, L"RDS AF (Alternative Frequencies)", En, 0},
    {"MotionSensorSensitivity", TextMotionSensorSensitivity, L"Motion Sensor Sensitivity", En,
     Fr | De | It | Es | Nl | Ru},
    {"Dualstream", TextDualstream, L"Dualstream™", ~0u, 0},
    {"OverlaySensitivity", TextOverlaySensitivity, L"Intercom-Layertone Sensitivity", En,
     Fr | De | It | Ja | Es | Nl | Ru},
    {"NavigationAppSupport", TextNavigationAppSupport, L"Navigation App Support", En, De | It | Ja | Es},
    {"VoxSensitivity", TextVoxSensitivity, L"VOX Sensitivity", En, 0},
    {"HdIntercom", TextHdIntercom, L"HD Intercom", En, 0},
    {"EightWayIntercom", TextEightWayIntercom, L"Eight-way Intercom", En, 0},
    {"SmartVolumeControl", TextSmartVolumeControl, L"Smart Volume Control", En, 0},
    {"FmStationGuide", TextFmStationGuide, L"FM Station Guide", En, 0},
    {"HdVoice", TextHdVoice, L"HD Voice", En | De | It | Ko | Ru | Zh, 0},
    {"AudioSourcePriority", TextAudioSourcePriority, L"Audio Source Priority", En, 0},
    {"Layertone", TextLayertone, L"Layertone™", ~0u, 0},
    {"BluetoothIntercomDualstream", TextBluetoothIntercomDualstream, L"Bluetooth Intercom Dualstream™", En, 0},
    {"Routecue", TextRoutecue, L"Routecue", ~0u, 0},
    {"GuestMode", TextGuestMode, L"Guest Mode", En, 0},
    {"VoiceCommand", TextVoiceCommand, L"Voice Command", En, 0},
    {"LayertoneVolumeManagement", TextLayertoneVolumeManagement, L"Layertone Volume Management", En, 0},
    {"UnitLanguage", TextUnitLanguage, L"Unit Language", En, 0},
    {"ChannelSelect", TextChannelSelect, L"Channel Select", En, 0},
    {"EssStatus", TextEssStatus, L"ESS STATUS", En | EssEnglish, 0},
    {"EssSensitivity", TextEssSensitivity, L"ESS Sensitivity", En | EssEnglish, 0},

    {"PhotoMode", TextPhotoMode, L"Photo Mode", En, 0},
    {"VideoMode", TextVideoMode, L"Video Mode", En, 0},
    {"VideoResolution", TextVideoResolution, L"Video Resolution", En, 0},
    {"TimelapseInterval", TextTimelapseInterval, L"Timelapse Interval", En, 0},
    {"VideoTaggingInterval", TextVideoTaggingInterval, L"Video Tagging Interval", En, 0},
    {"LoopRecordingInterval", TextLoopRecordingInterval, L"Loop Recording Interval", En, 0},
    {"VideoMicrophoneGain", TextVideoMicrophoneGain, L"Video Microphone Gain", En, Ru},
    {"DateCaption", TextDateCaption, L"Date Caption", En, 0},
    {"SpeakerSoundRecording", TextSpeakerSoundRecording, L"Speaker Sound Recording", En, 0},
    // German and Dutch use the English word for the intercom.
    {"RecordSourceMusic", TextRecordSourceMusic, L"▶ Music", En, 0},
    {"RecordSourceFmRadio", TextRecordSourceFmRadio, L"▶ FM Radio", En, 0},
    {"RecordSourceIntercom", TextRecordSourceIntercom, L"▶ Intercom", En | De | Nl, 0},
    {"RecordSourcePhone", TextRecordSourcePhone, L"▶ Phone", En, 0},
    {"AutoCameraSleep", TextAutoCameraSleep, L"Auto Camera Sleep", En, 0},

    {"Empty", TextEmpty, L"Empty", En, 0},
    {"SingleShot", TextSingleShot, L"Single Shot", En, 0},
    {"BurstShot", TextBurstShot, L"Burst Shot", En, 0},
    {"TimelapseMode", TextTimelapseMode, L"Timelapse Mode", En, 0},
    {"LoopRecordingMode", TextLoopRecordingMode, L"Loop Recording Mode", En, 0},
    {"1080p30fps", Text1080p30fps, L"1080p/30fps", ~(Fr | Ru | Cs), 0},
    {"720p60fps", Text720p60fps, L"720p/60fps", ~(Fr | Ru | Cs), 0},
    {"720p30fps", Text720p30fps, L"720p/30fps", ~(Fr | Ru | Cs), 0},
    // Several languages abbreviate minutes as English does in the singular.
    {"1Min", Text1Min, L"1 min", En | Fr | It | Es | Nl | Fi | Cs | Pl, 0},
    {"3Mins", Text3Mins, L"3 mins", En, 0},
    {"5Mins", Text5Mins, L"5 mins", En, 0},
    {"1Sec", Text1Sec, L"1 sec", En | Nl, 0},
    {"10Secs", Text10Secs, L"10 secs", En, 0},
    {"Music", TextMusic, L"Music", En, 0},
    {"Intercom", TextIntercom, L"Intercom", En | De | Nl, 0},
    {"EssOn", TextEssOn, L"ESS ON", En | EssEnglish, 0},
    {"EssOff", TextEssOff, L"ESS OFF", En | EssEnglish, 0},
    {"PositionLightEssOn", TextPositionLightEssOn, L"Position Light + ESS ON", En | EssEnglish, 0},
    {"FogLightEssOn", TextFogLightEssOn, L"Fog Light + ESS ON", En | EssEnglish, 0},

    {"Date", TextDate, L"Date", En | Fr, 0},
    {"Region", TextRegion, L"Region", En | De | Pl, 0},
    {"FmRadioPresets", TextFmRadioPresets, L"FM Radio Presets", En, 0},
    {"FmRadio", TextFmRadio, L"FM Radio", En, 0},
    {"Basic", TextBasic, L"Basic", En, 0},
    {"SpeedDial", TextSpeedDial, L"Speed Dial", En, 0},
};

void PrintTo(const OneNameCase& c, std::ostream* os) { *os << c.name; }

class OneNameTable : public testing::TestWithParam<OneNameCase> {};

TEST_P(OneNameTable, EnglishRowIsExact)
{
    EXPECT_EQ(GetParam().text(0), GetParam().english);
}

TEST_P(OneNameTable, LanguageOutsideTheTableReadsEnglish)
{
    for (int language : kOutOfRangeLanguages)
        EXPECT_EQ(GetParam().text(language), GetParam().english) << "language " << language;
}

TEST_P(OneNameTable, EveryRowIsAUsableSingleLineText)
{
    for (int language = 0; language < 13; ++language) {
        const std::wstring row = GetParam().text(language);
        EXPECT_FALSE(row.empty()) << "language " << language;
        // A line feed would split the text into two drop-down entries.
        EXPECT_TRUE(PlainBasicPlaneText(row)) << "language " << language;
    }
}

TEST_P(OneNameTable, OnlyTheExpectedRowsRepeatTheEnglishText)
{
    const OneNameCase& c = GetParam();
    for (int language = 1; language < 13; ++language) {
        if (Has(c.sameAsEnglish, language))
            EXPECT_EQ(c.text(language), c.english) << "language " << language;
        else
            EXPECT_NE(c.text(language), c.english) << "language " << language;
    }
}

TEST_P(OneNameTable, OnlyTheStoredShortRowsEndInThreeFullStops)
{
    const OneNameCase& c = GetParam();
    for (int language = 0; language < 13; ++language)
        EXPECT_EQ(EndsWith(c.text(language), L"..."), Has(c.cutShort, language)) << "language " << language;
}

INSTANTIATE_TEST_SUITE_P(AllTables, OneNameTable, testing::ValuesIn(kOneNameCases),
                         [](const testing::TestParamInfo<OneNameCase>& info) {
                             return std::string("T") + info.param.name;
                         });

TEST(OneNameTableRows, FixedRowsOfOtherLanguages)
{
    EXPECT_EQ(TextEdr(1), L"EDR (Débit de données améli...");
    EXPECT_EQ(Text1080p30fps(1), L"1080p / 30 ips");
    EXPECT_EQ(Text1080p30fps(8), L"1080p (30 кадров/сек)");
    EXPECT_EQ(Text1080p30fps(11), L"1080p / 30 sn./s");
    EXPECT_EQ(Text720p60fps(1), L"720p / 60 ips");
    EXPECT_EQ(Text720p60fps(8), L"720p (60 кадров/сек)");
    EXPECT_EQ(Text720p60fps(11), L"720p / 60 sn./s");
    EXPECT_EQ(Text720p30fps(1), L"720p / 30 ips");
    EXPECT_EQ(Text720p30fps(8), L"720p (30 кадров/сек)");
    EXPECT_EQ(Text720p30fps(11), L"720p / 30 sn./s");
}

TEST(OneNameTableRows, MoreEndsInThreeFullStopsExceptFinnish)
{
    EXPECT_EQ(TextMore(0), L"More...");
    EXPECT_EQ(TextMore(10), L"Enemmän…");
    for (int language = 0; language < 13; ++language) {
        EXPECT_FALSE(std::wstring(TextMore(language)).empty());
        EXPECT_EQ(EndsWith(TextMore(language), L"..."), language != 10) << "language " << language;
    }
    EXPECT_EQ(TextMore(13), L"More...");
    EXPECT_EQ(TextMore(-1), L"More...");
}

TEST(OneNameTableRows, RecordSourcesKeepTheirMarkInEveryLanguage)
{
    std::wstring (*const sources[])(int) = {TextRecordSourceMusic, TextRecordSourceFmRadio,
                                              TextRecordSourceIntercom, TextRecordSourcePhone};
    for (auto source : sources)
        for (int language = 0; language < 13; ++language) {
            const std::wstring text = source(language);
            EXPECT_EQ(text.rfind(L"▶ ", 0), 0u) << "language " << language;
            EXPECT_GT(text.size(), 2u) << "language " << language;
        }
}

TEST(OneNameTableRows, BluetoothIntercomDualstreamKeepsTheTradeName)
{
    for (int language = 0; language < 13; ++language)
        EXPECT_NE(std::wstring(TextBluetoothIntercomDualstream(language)).find(L"Dualstream™"), std::wstring::npos)
            << "language " << language;
}

// Several-name tables.

struct MultiNameCase {
    const char* name;
    std::wstring (*text)(int, int);
    int count;
};

const MultiNameCase kMultiNameCases[] = {
    {"LowMediumHigh", TextLowMediumHigh, kLowMediumHighCount},
    {"FmRegionNames", TextFmRegionNames, kFmRegionNameCount},
    {"LevelNames", TextLevelNames, kLevelNameCount},
    {"ChannelNames", TextChannelNames, kChannelNameCount},
    {"UnitLanguageNames", TextUnitLanguageNames, kUnitLanguageNameCount},
};

void PrintTo(const MultiNameCase& c, std::ostream* os) { *os << c.name; }

class MultiNameTable : public testing::TestWithParam<MultiNameCase> {};

TEST_P(MultiNameTable, EveryEntryOfEveryRowIsAUsableSingleLineText)
{
    const MultiNameCase& c = GetParam();
    for (int language = 0; language < 13; ++language)
        for (int entry = 0; entry < c.count; ++entry) {
            const std::wstring text = c.text(language, entry);
            EXPECT_FALSE(text.empty()) << "language " << language << " entry " << entry;
            EXPECT_TRUE(PlainBasicPlaneText(text)) << "language " << language << " entry " << entry;
        }
}

TEST_P(MultiNameTable, LanguageOutsideTheTableReadsTheEnglishRow)
{
    const MultiNameCase& c = GetParam();
    for (int language : kOutOfRangeLanguages)
        for (int entry = 0; entry < c.count; ++entry)
            EXPECT_EQ(c.text(language, entry), c.text(0, entry)) << "language " << language;
}

TEST_P(MultiNameTable, EntryOutsideTheRowReadsEntryZero)
{
    const MultiNameCase& c = GetParam();
    for (int language = -1; language <= 13; ++language)
        for (int entry : {-1, c.count, c.count + 1, INT_MIN, INT_MAX})
            EXPECT_EQ(c.text(language, entry), c.text(language, 0))
                << "language " << language << " entry " << entry;
}

INSTANTIATE_TEST_SUITE_P(AllTables, MultiNameTable, testing::ValuesIn(kMultiNameCases),
                         [](const testing::TestParamInfo<MultiNameCase>& info) { return info.param.name; });

void ExpectRows(std::wstring (*text)(int, int), const std::vector<std::vector<std::wstring>>& rows)
{
    ASSERT_EQ(rows.size(), 13u);
    for (int language = 0; language < 13; ++language)
        for (size_t entry = 0; entry < rows[language].size(); ++entry)
            EXPECT_EQ(text(language, static_cast<int>(entry)), rows[language][entry])
                << "language " << language << " entry " << entry;
}

TEST(MultiNameTableRows, LowMediumHighInEveryLanguage)
{
    ExpectRows(TextLowMediumHigh, {
        {L"Low", L"Medium", L"High"},
        {L"Faible", L"Moyen", L"Élevé"},
        {L"Niedrig", L"Mittel", L"Hoch"},
        {L"Basso", L"Medio", L"Alto"},
        {L"低", L"中", L"高"},
        {L"낮음", L"보통", L"높음"},
        {L"Baja", L"Media", L"Alta"},
        {L"Laag", L"Gemiddeld", L"Hoog"},
        {L"Низкий", L"Средний", L"Высокий"},
        {L"低", L"中", L"高"},
        {L"Matala", L"Keskisuuri", L"Korkea"},
        {L"Nízká", L"Střední", L"Vysoká"},
        {L"Niskie", L"Średnie", L"Wysokie"},
    });
}

TEST(MultiNameTableRows, FmRegionNamesInEveryLanguage)
{
    ExpectRows(TextFmRegionNames, {
        {L"Worldwide", L"Americas", L"Asia", L"Australia", L"Europe", L"Japan"},
        {L"Monde", L"Amériques", L"Asie", L"Australie", L"Europe", L"Japon"},
        {L"Weltweit", L"Amerika", L"Asien", L"Australien", L"Europa", L"Japan"},
        {L"Tutto il mondo", L"Americhe", L"Asia", L"Australia", L"Europa", L"Giappone"},
        {L"全世界", L"アメリカ大陸", L"アジア", L"オーストラリア", L"ヨーロッパ", L"日本"},
        {L"전 세계", L"아메리카", L"아시아", L"오스트레일리아", L"유럽", L"일본"},
        {L"Todo el mundo", L"América", L"Asia", L"Australia", L"Europa", L"Japón"},
        {L"Wereldwijd", L"N-/Z-Amerika", L"Azië", L"Australië", L"Europa", L"Japan"},
        {L"Весь мир", L"Сев. и Юж. Америка", L"Азия", L"Австралия", L"Европа", L"Япония"},
        {L"全球", L"美洲", L"亚洲", L"澳大利亚", L"欧洲", L"日本"},
        {L"Maailmanlaajuinen", L"Amerikka", L"Aasia", L"Australia", L"Eurooppa", L"Japani"},
        {L"Celý svět", L"Amerika (kontinent)", L"Asie", L"Austrálie", L"Evropa", L"Japonsko"},
        {L"Cały świat", L"Ameryki", L"Azja", L"Australia", L"Europa", L"Japonia"},
    });
}

TEST(MultiNameTableRows, LevelNamesFollowEachLanguagesPatternUpToLevelTen)
{
    // Text before and after the level number, per language.
    const std::pair<std::wstring, std::wstring> patterns[13] = {
        {L"Level ", L""}, {L"Niveau ", L""}, {L"Stufe ", L""}, {L"Livello ", L""},
        {L"レベル", L""}, {L"", L"단계"}, {L"Nivel ", L""}, {L"Niveau ", L""},
        {L"Уровень ", L""}, {L"", L" 级"}, {L"Taso ", L""}, {L"Úroveň ", L""}, {L"Poziom ", L""},
    };
    for (int language = 0; language < 13; ++language)
        for (int entry = 0; entry < kLevelNameCount; ++entry)
            EXPECT_EQ(TextLevelNames(language, entry),
                      patterns[language].first + std::to_wstring(entry + 1) + patterns[language].second)
                << "language " << language << " entry " << entry;
    EXPECT_EQ(TextLevelNames(5, 9), L"10단계");
    EXPECT_EQ(TextLevelNames(9, 9), L"10 级");
}

TEST(MultiNameTableRows, ChannelNamesDifferOnlyInTheCommonChannel)
{
    const wchar_t* const commonChannel[13] = {
        L"CH 0 (Common)", L"CH 0 (Commun)", L"CH 0 (Standard)", L"CH 0 (Predefinito)", L"CH 0 (一般)",
        L"CH 0 (기본)", L"CH 0 (Común)", L"CH 0 (Algemeen)", L"CH 0 (По умолчанию)", L"CH 0 (公共)",
        L"CH 0 (Yleinen)", L"CH 0 (obvyklý)", L"CH 0 (domyślny)",
    };
    for (int language = 0; language < 13; ++language) {
        EXPECT_EQ(TextChannelNames(language, 0), commonChannel[language]) << "language " << language;
        for (int entry = 1; entry < kChannelNameCount; ++entry)
            EXPECT_EQ(TextChannelNames(language, entry), L"CH " + std::to_wstring(entry));
    }
}

TEST(MultiNameTableRows, UnitLanguageNamesFollowTheHeadsetsOrder)
{
    ExpectRows(TextUnitLanguageNames, {
        {L"English", L"French", L"Spanish", L"Italian", L"German", L"Dutch", L"Russian", L"Chinese",
         L"Korean", L"Japanese", L"Finnish"},
        {}, {L"Englisch", L"Französisch", L"Spanisch", L"Italienisch", L"Deutsch", L"Niederländisch",
             L"Russisch", L"Chinesisch", L"Koreanisch", L"Japanisch", L"Finnisch"},
        {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
    });
}

TEST(MultiNameTableRows, UnitLanguageNamesAreTheLanguageNamesOfEachRow)
{
    // Unit language number -> UI language index.
    const int uiIndexOfUnitLanguage[kUnitLanguageNameCount] = {0, 1, 6, 3, 2, 7, 8, 9, 5, 4, 10};
    for (int language = 0; language < 13; ++language)
        for (int entry = 0; entry < kUnitLanguageNameCount; ++entry)
            EXPECT_EQ(TextUnitLanguageNames(language, entry),
                      GetLanguageNameIn(uiIndexOfUnitLanguage[entry], language))
                << "language " << language << " entry " << entry;
}

} // namespace
