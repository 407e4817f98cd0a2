#include "text/UiLanguages.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <set>

namespace {

const wchar_t* const kEnglishNames[] = {
    L"English", L"French",  L"German",  L"Italian", L"Japanese", L"Korean", L"Spanish",
    L"Dutch",   L"Russian", L"Chinese", L"Finnish", L"Czech",    L"Polish",
};

TEST(LanguageNames, EnglishNamesInIndexOrder)
{
    for (int language = 0; language < 13; ++language)
        EXPECT_EQ(GetLanguageName(language), kEnglishNames[language]) << language;
    for (int outside : {13, -1, 100, -2147483647 - 1})
        EXPECT_EQ(GetLanguageName(outside), L"English") << outside;
}

TEST(LanguageNames, EachRowNamesThirteenDifferentLanguages)
{
    for (int display = 0; display < 13; ++display) {
        std::set<std::wstring> names;
        for (int language = 0; language < 13; ++language) {
            const std::wstring name = GetLanguageNameIn(language, display);
            EXPECT_FALSE(name.empty()) << language << " in " << display;
            names.insert(name);
        }
        EXPECT_EQ(names.size(), 13u) << "display language " << display;
    }
}

TEST(LanguageNames, OutOfRangeIndexesReadEnglishRowOrColumn)
{
    EXPECT_EQ(GetLanguageNameIn(13, 1), L"Anglais");
    EXPECT_EQ(GetLanguageNameIn(-1, 1), L"Anglais");
    EXPECT_EQ(GetLanguageNameIn(1, 13), L"French");
    EXPECT_EQ(GetLanguageNameIn(1, -1), L"French");
    EXPECT_EQ(GetLanguageNameIn(-5, 99), L"English");
}

TEST(LanguageNames, TellingEntries)
{
    struct Entry {
        int language;
        int display;
        const wchar_t* name;
    };
    const Entry entries[] = {
        {1, 1, L"Français"}, {7, 2, L"Niederländisch"}, {9, 4, L"中国語"},  {5, 5, L"한국어"},
        {7, 6, L"Holandés"}, {10, 8, L"Финский язык"},  {9, 9, L"中文"},    {10, 10, L"Suomen kieli"},
        {11, 10, L"Tšekki"}, {9, 11, L"Čínština"},      {3, 12, L"Włoski"}, {12, 12, L"Polski"},
        {2, 2, L"Deutsch"},  {0, 7, L"Engels"},
    };
    for (const Entry& e : entries)
        EXPECT_EQ(GetLanguageNameIn(e.language, e.display), e.name) << e.language << " in " << e.display;
}

TEST(FindLanguageIndex, MatchesEnglishNamesInAnyLetterCase)
{
    for (int language = 0; language < 13; ++language) {
        std::wstring lower = kEnglishNames[language];
        std::wstring upper = lower;
        for (wchar_t& c : lower)
            c = static_cast<wchar_t>(towlower(c));
        for (wchar_t& c : upper)
            c = static_cast<wchar_t>(towupper(c));
        for (int flag : {0, 1}) {
            EXPECT_EQ(FindLanguageIndex(kEnglishNames[language], flag), language);
            EXPECT_EQ(FindLanguageIndex(lower, flag), language);
            EXPECT_EQ(FindLanguageIndex(upper, flag), language);
        }
    }
}

TEST(FindLanguageIndex, UnknownNamesGiveMinusOneOrEnglishByFlag)
{
    for (const wchar_t* name : {L"Deutsch", L"Français", L"", L"German ", L" German", L"Germa", L"Germann", L"英語"}) {
        EXPECT_EQ(FindLanguageIndex(name, 0), -1) << name;
        EXPECT_EQ(FindLanguageIndex(name, 1), 0) << name;
        EXPECT_EQ(FindLanguageIndex(name, 7), 0) << name;
    }
}

TEST(TranslateLanguageName, EveryEnglishNameIntoEveryLanguage)
{
    for (int language = 0; language < 13; ++language) {
        for (int display = -1; display <= 13; ++display) {
            EXPECT_EQ(TranslateLanguageName(kEnglishNames[language], display), GetLanguageNameIn(language, display));
        }
    }
    EXPECT_EQ(TranslateLanguageName(L"gERMAN", 2), L"Deutsch");
    EXPECT_EQ(TranslateLanguageName(L"GERMAN", 2), L"Deutsch");
}

TEST(TranslateLanguageName, UnknownNamesComeBackUnchanged)
{
    for (const wchar_t* name : {L"Deutsch", L"", L"Swedish", L"fReNcH ", L"100% Latin"})
        EXPECT_EQ(TranslateLanguageName(name, 4), name);
}

TEST(VoicePromptLanguage, CodesAreExact)
{
    struct Case {
        const wchar_t* code;
        int number;
    };
    const Case cases[] = {
        {L"fr", 1}, {L"de", 2},  {L"it", 3}, {L"jp", 4}, {L"kr", 5}, {L"es", 6}, {L"dc", 7},  {L"rs", 8},
        {L"cn", 9}, {L"fn", 10}, {L"FR", 0}, {L"en", 0}, {L"ja", 0}, {L"", 0},   {L"fra", 0}, {L"f", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoicePromptLanguageFromCode(c.code), c.number) << c.code;
}

TEST(VoicePromptLanguage, CodeNumberToCommandValue)
{
    const int expected[] = {0, 1, 4, 3, 6, 5, 2, 7, 8, 9, 10, 0};
    for (int number = 0; number <= 11; ++number)
        EXPECT_EQ(MapVoicePromptLanguageIndex(number), expected[number]) << number;
    EXPECT_EQ(MapVoicePromptLanguageIndex(-1), 0);
    EXPECT_EQ(MapVoicePromptLanguageIndex(2147483647), 0);
    EXPECT_EQ(MapVoicePromptLanguageIndex(VoicePromptLanguageFromCode(L"jp")), 6);
}

TEST(VoicePromptLanguage, EnglishNamesToUnitLanguageNumbers)
{
    struct Case {
        const wchar_t* name;
        int number;
    };
    const Case cases[] = {
        {L"French", 1}, {L"German", 4},  {L"Italian", 3}, {L"Japanese", 9}, {L"Korean", 8},  {L"Spanish", 2},
        {L"Dutch", 5},  {L"Russian", 6}, {L"Chinese", 7}, {L"Finnish", 10}, {L"English", 0}, {L"Czech", 0},
        {L"Polish", 0}, {L"french", 0},  {L"FRENCH", 0},  {L"Deutsch", 0},  {L"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VoicePromptLanguageFromName(c.name), c.number) << c.name;
}

} // namespace
