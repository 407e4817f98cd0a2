// The main window's shared state without a window: the status line kept in
// all 13 languages and the settings-category lookup the page switches use.
#include <gtest/gtest.h>

#include "shell/ManagerState.h"
#include "text/StatusTexts.h"

namespace {

TEST(ManagerStateStatus, AStatusBuiltOnceFollowsAChangeOfLanguage)
{
    ManagerState state;
    state.m_page = 3;
    const CString english = state.BuildInProgressStatus();
    EXPECT_EQ(GetTextInProgress(3, 0, 0), english.str());
    // Switching to German re-shows the same status without building it again.
    state.m_page = 1;
    state.m_uiLanguage = 2;
    EXPECT_EQ(GetTextInProgress(3, 0, 2), state.GetStatusText().str());
    EXPECT_NE(english.str(), state.GetStatusText().str());
}

TEST(ManagerStateStatus, LanguagesOutsideTheTableNeverIndexPastIt)
{
    ManagerState state;
    for (int language = 0; language < kUiLanguageCount; ++language)
        state.SetStatusTextForLanguage(CString(std::wstring(1, static_cast<wchar_t>(L'a' + language))), language);
    state.SetStatusTextForLanguage(L"stray", 13);
    state.SetStatusTextForLanguage(L"stray", -1);
    for (int language = 0; language < kUiLanguageCount; ++language)
        EXPECT_EQ(std::wstring(1, static_cast<wchar_t>(L'a' + language)), state.m_statusText[language].str());
    // A UI language outside 0 to 12 shows the English text.
    for (int language : {-1, 13, 1000}) {
        state.m_uiLanguage = language;
        EXPECT_EQ(L"a", state.GetStatusText().str()) << language;
    }
}

TEST(ManagerStateStatus, ReadyStatusUsesThePageAndTheUsbStatus)
{
    ManagerState state;
    state.m_page = 3;
    state.m_usbStatus = 0xA010;
    state.m_uiLanguage = 1;
    EXPECT_EQ(GetTextReady(3, 0xA010, 1), state.BuildReadyStatus().str());
    EXPECT_EQ(GetTextReady(3, 0xA010, 12), state.m_statusText[12].str());
}

TEST(ManagerStateSettingsPages, EachSettingsPageFindsItsCategory)
{
    ManagerState state;
    state.m_settingsPageCount = 3;
    state.m_settingsPages[0] = kSettingsCategoryBasic;
    state.m_settingsPages[1] = kSettingsCategorySpeedDial;
    state.m_settingsPages[2] = kSettingsCategoryFmRadio;
    struct Case {
        int page;
        int index;
    };
    // Page 5 is Basic, 6 FM radio, 7 speed dial; other pages have no category.
    for (Case c : {Case{5, 0}, Case{6, 2}, Case{7, 1}, Case{1, -1}, Case{4, -1}, Case{8, -1}, Case{0, -1}})
        EXPECT_EQ(c.index, state.FindSettingsPageIndex(c.page)) << "page " << c.page;
}

TEST(ManagerStateSettingsPages, OnlyTheOfferedCategoriesCount)
{
    ManagerState state;
    state.m_settingsPages[0] = kSettingsCategoryBasic;
    state.m_settingsPages[1] = kSettingsCategoryFmRadio;
    state.m_settingsPages[2] = kSettingsCategorySpeedDial;
    state.m_settingsPageCount = 2;
    EXPECT_EQ(-1, state.FindSettingsPageIndex(7)) << "the third slot is not offered";
    // A count outside 0 to 3 (a damaged record) never reads past the list.
    state.m_settingsPageCount = 99;
    EXPECT_EQ(2, state.FindSettingsPageIndex(7));
    state.m_settingsPageCount = -4;
    EXPECT_EQ(-1, state.FindSettingsPageIndex(5));
}

TEST(ManagerStateSettingsPages, ResetEmptiesTheListAndClosesTheDropList)
{
    ManagerState state;
    state.m_settingsPageCount = 2;
    state.m_settingsPages[0] = kSettingsCategoryBasic;
    state.m_settingsPageIndex = 1;
    state.m_dropListOpen = 1;
    state.ResetSettingsPageList();
    EXPECT_EQ(0, state.m_settingsPageCount);
    EXPECT_EQ(0, state.m_settingsPages[0]);
    EXPECT_EQ(0, state.m_settingsPageIndex);
    EXPECT_EQ(0, state.m_dropListOpen);
    EXPECT_EQ(-1, state.FindSettingsPageIndex(5));
}

} // namespace
