#include "shell/SettingsPageDialog.h"

#include "core/UiLanguageRow.h"
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

CMainDialog* CSettingsPageDialog::Main() const
{
    return GetMainDialog(this);
}

int CSettingsPageDialog::Language() const
{
    CMainDialog* main = Main();
    return main ? UiLanguageRow(main->m_uiLanguage) : 0;
}

bool CSettingsPageDialog::Guarded() const
{
    CMainDialog* main = Main();
    return !main || main->m_busy || main->m_dropListOpen;
}

void CSettingsPageDialog::ReloadFrom(const DeviceConfig& source)
{
    m_config.CopyFrom(source, 0);
    if (CMainDialog* main = Main())
        main->RefreshView();
    FillPage();
    RefreshPage();
}

void CSettingsPageDialog::OnDefault()
{
    if (!Guarded())
        ReloadFrom(m_defaults);
}

void CSettingsPageDialog::OnCancelEdits()
{
    if (CMainDialog* main = Main())
        ReloadFrom(main->m_device);
}
