// The main window's secondary commands: the right-click menu, the About box,
// the online help, the language dialog, the status information box and the
// diagnostic log.
#include "app/UpdaterDlg.h"

#include <ctime>

#include "afx/afxdlgs.h"
#include "app/AboutDlg.h"
#include "app/ConfigurationStore.h"
#include "app/DiagnosticLogWin32.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogNewUpdateFound.h"
#include "app/SaveFolder.h"
#include "res/resource.h"
#include "shell/DialogMessageBox.h"
#include "text/FirmwareTexts.h"
#include "text/ManagerUpdateTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"

namespace {

const CSize kInformationBoxSize(510, 160);
const CSize kLogWarningSize(510, 160);
const DWORD kSaveDialogFlags = OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_PATHMUSTEXIST | OFN_LONGNAMES;

} // namespace

std::wstring CUpdaterDlg::SaveDialogFolder() const
{
    return InitialSaveFolder(m_currentPath.str(), ProgramModulePath());
}

void CUpdaterDlg::RememberSaveFolder(const std::wstring& chosenPath)
{
    m_currentPath = FolderOfPath(chosenPath).c_str();
}

void CUpdaterDlg::OnContextMenu(CWnd*, CPoint point)
{
    if (m_busy || m_dropListOpen)
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENU))
        return;
    if (CMenu* popup = menu.GetSubMenu(0)) {
        const struct {
            UINT id;
            CString text;
        } items[] = {
            {ID_MENU_ABOUT, GetTextAbout()},
            {ID_MENU_ONLINE_HELP, GetTextOnlineHelp()},
            {ID_MENU_LANGUAGE, GetTextManagerLanguage(m_uiLanguage).c_str()},
            {ID_MENU_DIAGNOSTIC_LOG, GetTextDiagnosticLog()},
            {ID_MENU_CLOSE, GetTextClose()},
        };
        for (const auto& item : items)
            popup->ModifyMenu(item.id, MF_BYCOMMAND | MF_STRING, item.id, item.text);
        // A menu asked for from the keyboard has no point of its own: it opens at the cursor.
        if (point.x == -1 && point.y == -1)
            ::GetCursorPos(&point);
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    menu.DestroyMenu();
}

void CUpdaterDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        OnButtonAbout();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

void CUpdaterDlg::OnMenuAbout()
{
    if (m_busy || m_dropListOpen)
        return;
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_ABOUT, BN_CLICKED), reinterpret_cast<LPARAM>(m_buttonAbout.m_hWnd));
}

void CUpdaterDlg::OnButtonAbout()
{
    if (m_busy || m_dropListOpen)
        return;
    CAboutDlg about(this);
    about.DoModal();
}

// Help is only a web page: it opens also while an operation runs.
void CUpdaterDlg::OnMenuOnlineHelp()
{
    CAboutDlg::OnHelp();
}

void CUpdaterDlg::OnLanguageManager()
{
    if (m_busy || m_dropListOpen)
        return;
    CDialogLanguageManager dialog(this);
    dialog.m_selectedLanguage = m_uiLanguage;
    dialog.m_applyToFirmwareLanguage = m_applyToFirmwareLanguage;
    if (dialog.DoModal() != IDOK)
        return;
    ApplyLanguage(dialog.m_selectedLanguage, dialog.m_applyToFirmwareLanguage);
    SetToolTips();
}

// Works also while an operation runs: it only shows what the status line says.
void CUpdaterDlg::OnButtonInformation()
{
    const CString text =
        FillPlaceholders(L"[%s]\n%s", {GetTextPageTitle(m_page, m_uiLanguage), GetStatusText().str()}).c_str();
    const CString ok = GetTextOk(m_uiLanguage).c_str();
    CDialogMessageBox box(this);
    box.SetContent(text, m_statusIconFlag ? 0 : 1, nullptr, &ok, kInformationBoxSize);
    box.DoModal();
}

void CUpdaterDlg::OnMenuDiagnosticLog()
{
    if (m_busy || m_dropListOpen)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* converted = std::localtime(&now))
        local = *converted;
    const std::wstring proposed = DiagnosticLogFileName(local);
    const std::wstring filter = GetTextDiagnosticLogFilter();
    CFileDialog dialog(FALSE, nullptr, proposed.c_str(), kSaveDialogFlags, filter.c_str(), this);
    const std::wstring folder = SaveDialogFolder();
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return;
    const std::wstring path = dialog.GetPathName().str();
    m_currentPath = path.c_str();

    CString status;
    m_statusLine.GetWindowText(status);
    DiagnosticLogSubject subject;
    subject.statusLine = status.str();
    subject.recognized = m_recognized;
    subject.targetModelCode = m_modelCode;
    subject.usbStatus = m_usbStatus;
    subject.device = &m_device;
    SystemDiagnosticLogProviders providers;
    const bool written = WriteDiagnosticLogFile(path, ComposeDiagnosticLog(subject, providers));
    // The folder is remembered whether or not the file could be written.
    RememberSaveFolder(path);
    if (written)
        return;
    const CString ok = GetTextOk(m_uiLanguage).c_str();
    CDialogMessageBox box(this);
    box.SetContent(FillPlaceholders(L"%s:\n%s", {GetTextCannotOpenFile(m_uiLanguage), path}).c_str(), 1, nullptr, &ok,
                   kLogWarningSize);
    box.DoModal();
}

INT_PTR CUpdaterDlg::AskNewFirmware()
{
    CDialogNewUpdateFound question(this);
    return question.DoModal();
}
