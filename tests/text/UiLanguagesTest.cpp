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

// The whole table, as the language dialog and the firmware language lists show it: row = the
// language the names are written in, column = the language named.
TEST(LanguageNames, EveryNameInEveryLanguage)
{
    // clang-format off
    const wchar_t* const names[13][13] = {
        /* English  */ {L"English", L"French", L"German", L"Italian", L"Japanese", L"Korean", L"Spanish", L"Dutch", L"Russian", L"Chinese", L"Finnish", L"Czech", L"Polish"},
        /* French   */ {L"Anglais", L"Français", L"Allemand", L"Italien", L"Japonais", L"Coréen", L"Espagnol", L"Néerlandais", L"Russe", L"Chinois", L"Finlandais", L"Tchèque", L"Polonais"},
        /* German   */ {L"Englisch", L"Französisch", L"Deutsch", L"Italienisch", L"Japanisch", L"Koreanisch", L"Spanisch", L"Niederländisch", L"Russisch", L"Chinesisch", L"Finnisch", L"Tschechisch", L"Polnisch"},
        /* Italian  */ {L"Inglese", L"Francese", L"Tedesco", L"Italiano", L"Giapponese", L"Coreano", L"Spagnolo", L"Olandese", L"Russo", L"Cinese", L"Finlandese", L"Ceco", L"Polacco"},
        /* Japanese */ {L"英語", L"フランス語", L"ドイツ語", L"イタリア語", L"日本語", L"韓国語", L"スペイン語", L"オランダ語", L"ロシア語", L"中国語", L"フィンランド語", L"チェコ語", L"ポーランド語"},
        /* Korean   */ {L"영어", L"프랑스어", L"독일어", L"이탈리아어", L"일본어", L"한국어", L"스페인어", L"네덜란드어", L"러시아어", L"중국어", L"핀란드어", L"체코어", L"폴란드어"},
        /* Spanish  */ {L"Inglés", L"Francés", L"Alemán", L"Italiano", L"Japonés", L"Coreano", L"Español", L"Holandés", L"Ruso", L"Chino", L"Finlandés", L"Checo", L"Polaco"},
        /* Dutch    */ {L"Engels", L"Frans", L"Duits", L"Italiaans", L"Japans", L"Koreaans", L"Spaans", L"Nederlands", L"Russisch", L"Chinees", L"Fins", L"Tsjechisch", L"Pools"},
        /* Russian  */ {L"Английский", L"Французский", L"Немецкий", L"Итальянский", L"Японский", L"Корейский", L"Испанский", L"Нидерландский", L"Русский", L"Китайский", L"Финский язык", L"Чешский", L"Польский"},
        /* Chinese  */ {L"英语", L"法语", L"德语", L"意大利语", L"日语", L"韩语", L"西班牙语", L"荷兰语", L"俄语", L"中文", L"芬兰语", L"捷克语", L"波兰语"},
        /* Finnish  */ {L"Englanti", L"Ranska", L"Saksa", L"Italia", L"Japani", L"Korea", L"Espanja", L"Hollanti", L"Venäjä", L"Kiina", L"Suomen kieli", L"Tšekki", L"Puola"},
        /* Czech    */ {L"Angličtina", L"Francouzština", L"Němčina", L"Italština", L"Japonština", L"Korejština", L"Španělština", L"Holandština", L"Ruština", L"Čínština", L"Finština", L"Čeština", L"Polština"},
        /* Polish   */ {L"Angielski", L"Francuski", L"Niemiecki", L"Włoski", L"Japoński", L"Koreański", L"Hiszpański", L"Holenderski", L"Rosyjski", L"Chiński", L"Fiński", L"Czeski", L"Polski"},
    };
    // clang-format on
    for (int display = 0; display < 13; ++display)
        for (int language = 0; language < 13; ++language)
            EXPECT_EQ(GetLanguageNameIn(language, display), names[display][language]) << language << " in " << display;
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
