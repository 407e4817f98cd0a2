#include "shell/SettingsPageDialog.h"

#include "shell/MainDialog.h"

void CSettingsPageDialog::EnterPage()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    m_config.CopyFrom(main->m_device, 1);
    main->m_progress = -1;
    main->m_settingsPageIndex = main->FindSettingsPageIndex(m_pageNumber);
    FillPage();
    RefreshPage();
}

void CSettingsPageDialog::DiscardAndContinue()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    m_config.CopyFrom(main->m_device, 1);
    // The main window already stands on the page asked for, so the switch below asks no question.
    main->m_page = m_nextPage;
    main->GoToPage(m_nextPage > 100 ? m_nextPage - 100 : m_nextPage);
}

void CSettingsPageDialog::WriteSettingsToDevice()
{
    ++m_writeCalls;
    m_writeNextPage = m_nextPage;
}

void CSettingsPageDialog::FillPage()
{
    ++m_fillCalls;
}

void CSettingsPageDialog::RefreshPage()
{
    ++m_refreshCalls;
}
