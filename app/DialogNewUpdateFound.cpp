#include "app/DialogNewUpdateFound.h"

#include "app/AboutDlg.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "text/NameTables.h"
#include "text/NewFirmwarePromptTexts.h"
#include "text/SharedWords.h"

namespace {

// The list is offered only when there is a choice.
const int kLanguageChoiceMinimum = 2;

} // namespace

BEGIN_MESSAGE_MAP(CDialogNewUpdateFound, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogNewUpdateFound::CDialogNewUpdateFound(CUpdaterDlg* parent)
    : CDialog(IDD_NEW_UPDATE_FOUND, parent), m_main(parent)
{}

void CDialogNewUpdateFound::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_NEW_UPDATE_PICTURE, m_picture);
    DDX_Control(dx, IDC_NEW_UPDATE_QUESTION, m_question);
    DDX_Control(dx, IDC_NEW_UPDATE_CURRENT_LABEL, m_currentLabel);
    DDX_Control(dx, IDC_NEW_UPDATE_NEW_LABEL, m_newLabel);
    DDX_Control(dx, IDC_NEW_UPDATE_CURRENT_VERSION, m_currentVersion);
    DDX_Control(dx, IDC_NEW_UPDATE_NEW_VERSION, m_newVersion);
    DDX_Control(dx, IDC_NEW_UPDATE_LANGUAGE_LIST, m_languageList);
    DDX_Control(dx, IDC_NEW_UPDATE_LANGUAGE_LABEL, m_languageLabel);
    DDX_Control(dx, IDOK, m_buttonYes);
    DDX_Control(dx, IDCANCEL, m_buttonNo);
}

BOOL CDialogNewUpdateFound::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (MakeBoldDialogFont(*this, m_boldFont)) {
        CWnd* controls[] = {&m_question,     &m_currentLabel,  &m_newLabel,  &m_currentVersion, &m_newVersion,
                            &m_languageList, &m_languageLabel, &m_buttonYes, &m_buttonNo};
        for (CWnd* control : controls)
            control->SetFont(&m_boldFont, TRUE);
    }
    if (m_logo.LoadBitmap(IDB_PRODUCT_LOGO))
        m_picture.SetBitmap(m_logo);
    if (!m_main)
        return TRUE;
    const int language = m_main->m_uiLanguage;
    m_question.SetWindowText(NewUpdateFoundTexts::GetTextQuestion(language).c_str());
    m_currentLabel.SetWindowText(NewUpdateFoundTexts::GetTextCurrentVersion(language).c_str());
    m_newLabel.SetWindowText(NewUpdateFoundTexts::GetTextNewVersion(language).c_str());
    m_buttonYes.SetWindowText(GetTextYes(language).c_str());
    m_buttonNo.SetWindowText(GetTextNo(language).c_str());

    CDialogFirmwareUpdate& page = m_main->m_pageFirmwareUpdate;
    ImageVersion server;
    server = page.m_firmwareInfo->Lock()->m_version;
    const int serverVersion[4] = {server.major, server.minor, server.kind, server.build};
    m_newVersion.SetWindowText(FormatNewFirmwareVersion(m_main->m_modelCode, serverVersion).c_str());
    m_currentVersion.SetWindowText(
        FormatCurrentFirmwareVersion(m_main->m_modelCode, m_main->m_device.m_firmwareVersion).c_str());

    m_languageList.ResetContent();
    const int count = page.m_firmwareLanguageList.m_hWnd ? page.m_firmwareLanguageList.GetCount() : 0;
    if (count < kLanguageChoiceMinimum) {
        m_languageList.ShowWindow(SW_HIDE);
        m_languageList.EnableWindow(FALSE);
        m_languageLabel.ShowWindow(SW_HIDE);
        return TRUE;
    }
    for (int i = 0; i < count; ++i) {
        CString entry;
        page.m_firmwareLanguageList.GetLBText(i, entry);
        m_languageList.AddString(entry);
    }
    m_languageList.SetCurSel(page.m_firmwareLanguageList.GetCurSel());
    m_languageList.ShowWindow(SW_SHOW);
    m_languageList.EnableWindow(TRUE);
    m_languageLabel.SetWindowText(TextVoicePrompt(language).c_str());
    m_languageLabel.ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialogNewUpdateFound::OnOK()
{
    if (m_main && m_languageList.GetCount() > 0)
        m_main->m_pageFirmwareUpdate.m_firmwareLanguageList.SetCurSel(m_languageList.GetCurSel());
    CDialog::OnOK();
}

HBRUSH CDialogNewUpdateFound::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    const HBRUSH base = CDialog::OnCtlColor(dc, wnd, ctlColor);
    return ShellDialogColours(dc, m_main, base);
}
