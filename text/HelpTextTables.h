#pragma once
// Shared by the files that hold the help texts; not for other callers.

#include "text/SettingHelpTexts.h"
#include "core/UiLanguageRow.h"

#include <vector>

// A help text's rows, one per UI language; a null row is a language without its own text.
using HelpRows = const wchar_t* const[kUiLanguageCount];

inline std::wstring PickHelp(const HelpRows& rows, int language)
{
    const wchar_t* text = rows[UiLanguageRow(language)];
    return text ? text : rows[0];
}

std::vector<HelpTextTable> AudioHelpTextTables();
std::vector<HelpTextTable> IntercomHelpTextTables();
std::vector<HelpTextTable> CameraHelpTextTables();
