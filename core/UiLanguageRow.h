#pragma once
// Every localised table and text function is read through these, so that a
// language index from the configuration file or anywhere else can never index
// outside a 13-row table: any value outside 0 to 12 reads the English row.

#include <array>
#include <cstddef>
#include <string>

constexpr int kUiLanguageCount = 13;

inline int UiLanguageRow(int language)
{
    return (language >= 0 && language < kUiLanguageCount) ? language : 0;
}

// Row of a table with one entry per UI language.
template <typename T> const T& LocalisedRow(const T (&table)[kUiLanguageCount], int language)
{
    return table[UiLanguageRow(language)];
}

// A text with one row per UI language.
using LocalisedTexts = const wchar_t* const[kUiLanguageCount];

inline std::wstring PickText(const LocalisedTexts& rows, int language)
{
    return LocalisedRow(rows, language);
}

// One text per UI language, kept so that a status survives a change of
// language: whoever sets it fills all 13 at once.
using LanguageTextSet = std::array<std::wstring, kUiLanguageCount>;
