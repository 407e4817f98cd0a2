#include "text/NameTables.h"
#include "text/SharedWords.h"
#include "text/ValueLists.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

std::vector<std::wstring> Split(const std::wstring& list)
{
    std::vector<std::wstring> entries;
    size_t start = 0;
    for (;;) {
        const size_t end = list.find(L'\n', start);
        entries.push_back(list.substr(start, end - start));
        if (end == std::wstring::npos)
            return entries;
        start = end + 1;
    }
}

struct ValueListCase {
    const char* name;
    std::function<std::wstring(int)> list;
    // The entries the list must hold, in order, for one language.
    std::function<std::vector<std::wstring>(int)> entries;
    const wchar_t* english;
};

std::vector<std::wstring> Levels(int language, int count)
{
    std::vector<std::wstring> entries;
    for (int entry = 0; entry < count; ++entry)
        entries.push_back(TextLevelNames(language, entry));
    return entries;
}

const std::vector<ValueListCase>& Cases()
{
    static const std::vector<ValueListCase> cases = {
        {"LowMediumHigh", ValueListLowMediumHigh,
         [](int l) { return std::vector<std::wstring>{TextLowMediumHigh(l, 0), TextLowMediumHigh(l, 1), TextLowMediumHigh(l, 2)}; },
         L"Low\nMedium\nHigh"},
        {"FiveLevels", [](int l) { return ValueListLevels(l, 5); }, [](int l) { return Levels(l, 5); },
         L"Level 1\nLevel 2\nLevel 3\nLevel 4\nLevel 5"},
        {"TenLevels", [](int l) { return ValueListLevels(l, 10); }, [](int l) { return Levels(l, 10); },
         L"Level 1\nLevel 2\nLevel 3\nLevel 4\nLevel 5\nLevel 6\nLevel 7\nLevel 8\nLevel 9\nLevel 10"},
        {"SmartVolumeControl", ValueListSmartVolumeControl,
         [](int l) { return std::vector<std::wstring>{GetTextDisable(l), TextLowMediumHigh(l, 0), TextLowMediumHigh(l, 1), TextLowMediumHigh(l, 2)}; },
         L"Disable\nLow\nMedium\nHigh"},
        {"MotionSensorSensitivity", ValueListMotionSensorSensitivity,
         [](int l) { return std::vector<std::wstring>{GetTextDisable(l), TextLowMediumHigh(l, 0), TextLowMediumHigh(l, 2)}; },
         L"Disable\nLow\nHigh"},
        {"AudioSourcePriority", ValueListAudioSourcePriority,
         [](int l) { return std::vector<std::wstring>{TextIntercom(l), TextMusic(l)}; }, L"Intercom\nMusic"},
        {"ChannelSelect", ValueListChannelSelect,
         [](int l) {
             std::vector<std::wstring> e;
             for (int c = 0; c < kChannelNameCount; ++c)
                 e.push_back(TextChannelNames(l, c));
             return e;
         },
         L"CH 0 (Common)\nCH 1\nCH 2\nCH 3\nCH 4\nCH 5"},
        {"UnitLanguage", ValueListUnitLanguage,
         [](int l) {
             std::vector<std::wstring> e;
             for (int u = 0; u < kUnitLanguageNameCount; ++u)
                 e.push_back(TextUnitLanguageNames(l, u));
             return e;
         },
         L"English\nFrench\nSpanish\nItalian\nGerman\nDutch\nRussian\nChinese\nKorean\nJapanese\nFinnish"},
        {"PhotoMode", ValueListPhotoMode,
         [](int l) { return std::vector<std::wstring>{TextSingleShot(l), TextBurstShot(l)}; }, L"Single Shot\nBurst Shot"},
        {"VideoModeTwo", [](int l) { return ValueListVideoMode(l, false); },
         [](int l) { return std::vector<std::wstring>{TextVideoMode(l), TextTimelapseMode(l)}; },
         L"Video Mode\nTimelapse Mode"},
        {"VideoModeThree", [](int l) { return ValueListVideoMode(l, true); },
         [](int l) { return std::vector<std::wstring>{TextVideoMode(l), TextTimelapseMode(l), TextLoopRecordingMode(l)}; },
         L"Video Mode\nTimelapse Mode\nLoop Recording Mode"},
        {"VideoResolution", ValueListVideoResolution,
         [](int l) { return std::vector<std::wstring>{Text1080p30fps(l), Text720p60fps(l), Text720p30fps(l)}; },
         L"1080p/30fps\n720p/60fps\n720p/30fps"},
        {"TimelapseInterval", ValueListTimelapseInterval,
         [](int l) { return std::vector<std::wstring>{Text1Sec(l), Text10Secs(l)}; }, L"1 sec\n10 secs"},
        {"MinutesInterval", ValueListMinutesInterval,
         [](int l) { return std::vector<std::wstring>{Text1Min(l), Text3Mins(l), Text5Mins(l)}; }, L"1 min\n3 mins\n5 mins"},
        {"EssStatus", ValueListEssStatus,
         [](int l) { return std::vector<std::wstring>{TextEssOn(l), TextPositionLightEssOn(l), TextFogLightEssOn(l), TextEssOff(l)}; },
         L"ESS ON\nPosition Light + ESS ON\nFog Light + ESS ON\nESS OFF"},
    };
    return cases;
}

TEST(ValueLists, EnglishListsAreExact)
{
    for (const ValueListCase& c : Cases())
        EXPECT_EQ(c.list(0), c.english) << c.name;
}

TEST(ValueLists, EveryLanguageHoldsTheEntriesInOrderOnePerLine)
{
    for (const ValueListCase& c : Cases())
        for (int language = 0; language < 13; ++language) {
            const std::vector<std::wstring> expected = c.entries(language);
            const std::vector<std::wstring> entries = Split(c.list(language));
            EXPECT_EQ(entries, expected) << c.name << " language " << language;
            for (const std::wstring& entry : entries)
                EXPECT_FALSE(entry.empty()) << c.name << " language " << language;
        }
}

TEST(ValueLists, EntriesOfOneListAreDistinctSoThePositionIsUnambiguous)
{
    for (const ValueListCase& c : Cases())
        for (int language = 0; language < 13; ++language) {
            const std::vector<std::wstring> entries = Split(c.list(language));
            for (size_t i = 0; i < entries.size(); ++i)
                for (size_t j = i + 1; j < entries.size(); ++j)
                    EXPECT_NE(entries[i], entries[j]) << c.name << " language " << language;
        }
}

TEST(ValueLists, LanguageOutsideTheTableGivesTheEnglishList)
{
    for (const ValueListCase& c : Cases())
        for (int language : {13, -1})
            EXPECT_EQ(c.list(language), c.english) << c.name << " language " << language;
}

TEST(ValueLists, LevelCountIsHeldToTheNamedLevels)
{
    EXPECT_EQ(ValueListLevels(0, 0), L"Level 1");
    EXPECT_EQ(ValueListLevels(0, -5), L"Level 1");
    EXPECT_EQ(ValueListLevels(0, 1), L"Level 1");
    EXPECT_EQ(ValueListLevels(0, 11), ValueListLevels(0, 10));
    EXPECT_EQ(Split(ValueListLevels(5, 100)).size(), 10u);
    EXPECT_EQ(Split(ValueListLevels(5, 100)).back(), L"10단계");
}

TEST(ValueLists, JoinPutsOneLineFeedBetweenEntries)
{
    EXPECT_EQ(JoinValueList({}), L"");
    EXPECT_EQ(JoinValueList({L"a"}), L"a");
    EXPECT_EQ(JoinValueList({L"a", L"b"}), L"a\nb");
    // An empty entry still takes its position.
    EXPECT_EQ(JoinValueList({L"", L"b"}), L"\nb");
    EXPECT_EQ(JoinValueList({L"a", L"", L"c"}), L"a\n\nc");
}

} // namespace
