// The main window's preferences file and its closing: the state every run
// starts from, the file read while the window initialises and written when it
// closes, and the refusal to close while busy or while the category list is open.
#include "app/UpdaterDlg.h"

#include "app/ConfigurationFile.h"
#include "shell/DialogMessageBox.h"
#include "link/HidDeviceSeam.h"
#include "res/resource.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "text/UiLanguages.h"

namespace {

const CSize kWarningSize(510, 160);

} // namespace

// The channels are closed through the seam that opened them, each only when set.
void CUpdaterDlg::CloseDeviceHandles()
{
    if (m_hidPrimary)
        CloseHidHandle(&m_hidPrimary);
    if (m_hidSecondary)
        CloseHidHandle(&m_hidSecondary);
}

void CUpdaterDlg::ResetDeviceHandles()
{
    CloseDeviceHandles();
    m_hidPrimary = nullptr;
    m_hidSecondary = nullptr;
}

void CUpdaterDlg::LoadConfiguration()
{
    m_page = 0;
    m_recognized = 0;
    ResetDeviceHandles();
    ResetSettingsPageList();
    const ManagerPreferences defaults;
    m_managerVersionText = defaults.managerVersionText;
    m_uiLanguage = defaults.uiLanguage;
    m_applyToFirmwareLanguage = defaults.applyToFirmwareLanguage;
    m_modelCode = defaults.modelCode;
    m_cameraWaitPending = 0;
    m_waitForUser = 0;
    m_firmwareLanguage = GetLanguageName(0);
    m_currentPath = defaults.currentPath;
    m_usbStatus = 0;
    m_busy = 0;
    m_statusIconFlag = 1;
    m_deviceState = -1;

    if (m_progressBar.m_hWnd) {
        m_progressBar.ShowWindow(SW_HIDE);
        m_progressBar.SetRange(0, 100);
        m_progressBar.SendMessage(PBM_SETSTEP, 1);
        m_progressBar.SetPos(0);
    }
    m_progress = -1;
    if (m_percentSign.m_hWnd)
        m_percentSign.ShowWindow(SW_HIDE);
    if (m_percentNumber.m_hWnd)
        m_percentNumber.ShowWindow(SW_HIDE);

    const std::wstring path = ProgramConfigurationPath();
    std::string bytes;
    if (path.empty() || !ReadConfigurationFile(path, bytes))
        return;
    ManagerPreferences prefs;
    prefs.firmwareLanguage = m_firmwareLanguage.str();
    ReadConfigurationText(DecodeLocaleText(bytes), prefs);
    m_managerVersionText = prefs.managerVersionText;
    m_uiLanguage = prefs.uiLanguage;
    m_applyToFirmwareLanguage = prefs.applyToFirmwareLanguage;
    m_modelCode = prefs.modelCode;
    m_firmwareLanguage = prefs.firmwareLanguage;
    m_currentPath = prefs.currentPath;
}

BOOL CUpdaterDlg::SaveConfiguration()
{
    if (m_busy || m_dropListOpen)
        return FALSE;
    CloseDeviceHandles();

    const std::wstring path = ProgramConfigurationPath();
    if (path.empty())
        return TRUE;
    ManagerPreferences prefs;
    prefs.managerVersionText = m_managerVersionText.str();
    prefs.uiLanguage = m_uiLanguage;
    prefs.applyToFirmwareLanguage = m_applyToFirmwareLanguage;
    prefs.modelCode = m_modelCode;
    prefs.firmwareLanguage = m_firmwareLanguage.str();
    prefs.currentPath = m_currentPath.str();
    m_lastConfigurationWrite = WriteConfigurationFile(path, EncodeLocaleText(WriteConfigurationText(prefs)));

    // A missing folder is the user's choice of no file; any other failure is
    // told, and the old file stands as it was.
    if (m_lastConfigurationWrite == ConfigurationWrite::WriteFailed ||
        m_lastConfigurationWrite == ConfigurationWrite::ReplaceFailed) {
        CDialogMessageBox box(this);
        const CString ok = GetTextOk(m_uiLanguage);
        box.SetContent(FillPlaceholders(L"%s:\n%s", {GetTextCannotOpenFile(m_uiLanguage), path}).c_str(), 1, nullptr,
                       &ok, kWarningSize);
        box.DoModal();
    }
    return TRUE;
}

void CUpdaterDlg::OnOK()
{
    if (!SaveConfiguration())
        return;
    CDialog::OnOK();
}

void CUpdaterDlg::OnMenuExit()
{
    if (m_busy || m_dropListOpen)
        return;
    PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(m_buttonClose.m_hWnd));
}

// Alt+F4 and the system's close end the program the way the close button
// does, once the file is written; a refused close leaves everything open.
void CUpdaterDlg::OnClose()
{
    if (!SaveConfiguration())
        return;
    CDialog::OnOK();
}

void CUpdaterDlg::OnCancel()
{
    // Esc does nothing: the program closes only through its close path.
}
