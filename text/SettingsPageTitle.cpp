#include "text/SettingsPageTitle.h"

#include "text/NameTables.h"
#include "core/UiLanguageRow.h"

std::wstring GetTextSettingsPageTitle(int category, int language)
{
    if (language < 0 || language >= kUiLanguageCount)
        return std::wstring();
    switch (category) {
    case 1: return TextBasic(language);
    case 2: return TextSpeedDial(language);
    case 3: return TextFmRadio(language);
    default: return std::wstring();
    }
}
