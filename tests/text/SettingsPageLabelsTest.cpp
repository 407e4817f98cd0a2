#include "text/SettingsPageLabels.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsPageLabels, FixedWordsPerLanguage)
{
    EXPECT_EQ(GetDefaultLabel(0), L"DEFAULT");
    EXPECT_EQ(GetDefaultLabel(3), L"DEFAULT"); // Italian keeps the English word
    EXPECT_EQ(GetDefaultLabel(1), L"DÉFAUT");
    EXPECT_EQ(GetDefaultLabel(12), L"DOMYŚLNIE");
    EXPECT_EQ(GetMoreSettingsLabel(11), L"MORE SETTINGS");
    EXPECT_EQ(GetMoreSettingsLabel(12), L"MORE SETTINGS");
    EXPECT_EQ(GetMoreSettingsLabel(2), L"WEITERE EINSTELLUNGEN");
    EXPECT_EQ(GetRestartNotice(2), L"HINWEIS: Änderungen nach Geräte-Neustart aktiv.");
    EXPECT_EQ(GetRestartNotice(0), L"NOTE: Changes will be applied after device restarts.");
    EXPECT_EQ(GetTimeoutRangeLabel(0), L"seconds (3 ~ 60)");
}

TEST(SettingsPageLabels, LanguagesOutsideTheTablesReadEnglish)
{
    for (int language : {-1, 13, 1000}) {
        EXPECT_EQ(GetDefaultLabel(language), L"DEFAULT");
        EXPECT_EQ(GetMoreSettingsLabel(language), L"MORE SETTINGS");
        EXPECT_EQ(GetOnboardAudioNotice(language), GetOnboardAudioNotice(0));
        EXPECT_EQ(GetRestartNotice(language), GetRestartNotice(0));
        EXPECT_EQ(GetTimeoutRangeLabel(language), L"seconds (3 ~ 60)");
    }
}

TEST(SettingsPageLabels, EveryNoticeNamesTheMakerAndItsSystem)
{
    for (int language = 0; language < 13; ++language) {
        const std::wstring notice = GetOnboardAudioNotice(language);
        EXPECT_NE(notice.find(L"Ostra"), std::wstring::npos) << language;
        EXPECT_NE(notice.find(L"V1450XR/XRL"), std::wstring::npos) << language;
        EXPECT_NE(GetTimeoutRangeLabel(language).find(L" (3 ~ 60)"), std::wstring::npos) << language;
    }
}

} // namespace
