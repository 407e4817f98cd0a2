#include <gtest/gtest.h>

#include "text/NameTables.h"
#include "text/SettingsPageTitle.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

TEST(SettingsPageTitle, CategoriesAndLanguageBounds)
{
    EXPECT_EQ(GetTextSettingsPageTitle(1, 0), L"Basic");
    EXPECT_EQ(GetTextSettingsPageTitle(2, 0), L"Speed Dial");
    EXPECT_EQ(GetTextSettingsPageTitle(3, 0), L"FM Radio");
    for (int language = 0; language <= 12; ++language) {
        EXPECT_EQ(GetTextSettingsPageTitle(1, language), TextBasic(language));
        EXPECT_EQ(GetTextSettingsPageTitle(2, language), TextSpeedDial(language));
        EXPECT_EQ(GetTextSettingsPageTitle(3, language), TextFmRadio(language));
    }
    // Unlike most texts, a bad language gives nothing rather than English.
    EXPECT_EQ(GetTextSettingsPageTitle(2, 13), L"");
    EXPECT_EQ(GetTextSettingsPageTitle(1, -1), L"");
    EXPECT_EQ(GetTextSettingsPageTitle(0, 0), L"");
    EXPECT_EQ(GetTextSettingsPageTitle(4, 0), L"");
}

} // namespace
