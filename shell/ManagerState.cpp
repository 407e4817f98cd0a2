#include "shell/ManagerState.h"

#include "text/StatusTexts.h"

int CategoryOfSettingsPage(int page)
{
    switch (page) {
    case 5: return 1;
    case 6: return 3;
    case 7: return 2;
    default: return 0;
    }
}

CString ManagerState::GetStatusText() const
{
    return m_statusText[UiLanguageRow(m_uiLanguage)];
}

void ManagerState::SetStatusTextForLanguage(const CString& text, int language)
{
    if (language >= 0 && language < kUiLanguageCount)
        m_statusText[language] = text;
}

CString ManagerState::BuildReadyStatus()
{
    for (int language = 0; language < kUiLanguageCount; ++language)
        m_statusText[language] = GetTextReady(m_page, m_usbStatus, language);
    return GetStatusText();
}

CString ManagerState::BuildInProgressStatus()
{
    for (int language = 0; language < kUiLanguageCount; ++language)
        m_statusText[language] = GetTextInProgress(m_page, m_usbStatus, language);
    return GetStatusText();
}

void ManagerState::ResetSettingsPageList()
{
    m_settingsPageCount = 0;
    m_settingsPages[0] = m_settingsPages[1] = m_settingsPages[2] = 0;
    m_settingsPageIndex = 0;
    m_dropListOpen = 0;
}

int ManagerState::FindSettingsPageIndex(int page) const
{
    const int category = CategoryOfSettingsPage(page);
    if (category == 0)
        return -1;
    // A count outside 0 to 3 never reads past the list.
    const int count = m_settingsPageCount < 0
                          ? 0
                          : (m_settingsPageCount > kSettingsPageSlots ? kSettingsPageSlots : m_settingsPageCount);
    for (int i = 0; i < count; ++i)
        if (m_settingsPages[i] == category)
            return i;
    return -1;
}

int ManagerState::IsTargetDevice(int productId) const
{
    return ::IsTargetDevice(m_modelCode, productId);
}
