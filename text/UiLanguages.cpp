#include "text/UiLanguages.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: every row. Row: the language written in; column: the language named.
const wchar_t* const g_textLanguageNames[kUiLanguageCount][kUiLanguageCount] = {
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

// The English names are plain ASCII, so folding ASCII letters is all the
// comparison needs; it also keeps the result independent of the C locale.
wchar_t FoldAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualIgnoringAsciiCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

struct NamedNumber
{
    const wchar_t* name;
    int number;
};

// Tried in this order; the first exact match wins.
const NamedNumber kCodeNumbers[] = {
    { L"fr", 1 }, { L"de", 2 }, { L"it", 3 }, { L"jp", 4 }, { L"kr", 5 },
    { L"es", 6 }, { L"dc", 7 }, { L"rs", 8 }, { L"cn", 9 }, { L"fn", 10 },
};

const NamedNumber kUnitLanguageNumbers[] = {
    { L"French", 1 }, { L"German", 4 }, { L"Italian", 3 }, { L"Japanese", 9 },
    { L"Korean", 8 }, { L"Spanish", 2 }, { L"Dutch", 5 }, { L"Russian", 6 },
    { L"Chinese", 7 }, { L"Finnish", 10 },
};

// Index: code number 0..10.
const int kVoicePromptCommandValue[] = { 0, 1, 4, 3, 6, 5, 2, 7, 8, 9, 10 };

template <std::size_t N>
int LookUpExact(const NamedNumber (&table)[N], const std::wstring& name)
{
    for (const NamedNumber& entry : table) {
        if (name == entry.name)
            return entry.number;
    }
    return 0;
}

} // namespace

std::wstring GetLanguageNameIn(int language, int displayLanguage)
{
    return LocalisedRow(g_textLanguageNames, displayLanguage)[UiLanguageRow(language)];
}

std::wstring GetLanguageName(int language)
{
    return GetLanguageNameIn(language, 0);
}

int FindLanguageIndex(const std::wstring& name, int fallBackToEnglish)
{
    for (int language = 0; language < kUiLanguageCount; ++language) {
        if (EqualIgnoringAsciiCase(name, GetLanguageName(language)))
            return language;
    }
    return fallBackToEnglish ? 0 : -1;
}

std::wstring TranslateLanguageName(const std::wstring& name, int displayLanguage)
{
    const int language = FindLanguageIndex(name, 0);
    if (language < 0)
        return name;
    return GetLanguageNameIn(language, displayLanguage);
}

int VoicePromptLanguageFromCode(const std::wstring& code)
{
    return LookUpExact(kCodeNumbers, code);
}

int MapVoicePromptLanguageIndex(int codeNumber)
{
    const int count = static_cast<int>(sizeof kVoicePromptCommandValue / sizeof kVoicePromptCommandValue[0]);
    return (codeNumber >= 0 && codeNumber < count) ? kVoicePromptCommandValue[codeNumber] : 0;
}

int VoicePromptLanguageFromName(const std::wstring& name)
{
    return LookUpExact(kUnitLanguageNumbers, name);
}
