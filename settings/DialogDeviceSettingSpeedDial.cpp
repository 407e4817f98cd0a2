#include "settings/DialogDeviceSettingSpeedDial.h"

#include "shell/MainDialog.h"
#include "device/DeviceDefaults.h"
#include "res/resource.h"
#include "settings/SettingsPageWriter.h"
#include "settings/SpeedDialRules.h"
#include "text/NameTables.h"
#include "text/SettingsPageLabels.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"

namespace {

const int kLabelIds[kSpeedDialCount] = {IDC_SPEED_DIAL_LABEL1, IDC_SPEED_DIAL_LABEL2, IDC_SPEED_DIAL_LABEL3};
const int kEditIds[kSpeedDialCount] = {IDC_SPEED_DIAL_EDIT1, IDC_SPEED_DIAL_EDIT2, IDC_SPEED_DIAL_EDIT3};

} // namespace

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SPEED_DIAL, parent, 7)
{}

CDialogDeviceSettingSpeedDial::~CDialogDeviceSettingSpeedDial()
{
    if (m_boldFont)
        ::DeleteObject(m_boldFont);
}

void CDialogDeviceSettingSpeedDial::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SPEED_DIAL_DEFAULT, m_buttonDefault);
    DDX_Control(dx, IDC_SPEED_DIAL_CANCEL, m_buttonCancel);
    for (int i = 0; i < kSpeedDialCount; ++i) {
        DDX_Control(dx, kLabelIds[i], m_labels[i]);
        DDX_Control(dx, kEditIds[i], m_edits[i]);
    }
}

BOOL CDialogDeviceSettingSpeedDial::OnInitDialog()
{
    CSettingsPageDialog::OnInitDialog();
    HFONT pageFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTW logFont{};
    if (pageFont && ::GetObjectW(pageFont, sizeof logFont, &logFont)) {
        logFont.lfWeight = FW_BOLD;
        // Kept with the page: the controls use it for as long as they live.
        m_boldFont = ::CreateFontIndirectW(&logFont);
        const int ids[] = {IDC_SPEED_DIAL_DEFAULT, IDC_SPEED_DIAL_CANCEL, IDC_SPEED_DIAL_LABEL1, IDC_SPEED_DIAL_LABEL2,
                           IDC_SPEED_DIAL_LABEL3,  IDC_SPEED_DIAL_EDIT1,  IDC_SPEED_DIAL_EDIT2,  IDC_SPEED_DIAL_EDIT3};
        for (int id : ids)
            ::SendDlgItemMessageW(m_hWnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont), TRUE);
    }
    return TRUE;
}

void CDialogDeviceSettingSpeedDial::EnterPage()
{
    CMainDialog* main = Main();
    if (!main)
        return;
    m_config.CopyFrom(main->m_device, 1);
    MakeSpeedDialDefaults(m_defaults, m_config);
    m_defaults.m_voicePrompt = m_config.m_voicePrompt;
    main->m_progress = -1;
    main->m_settingsPageIndex = main->FindSettingsPageIndex(7);
    FillPage();
    RefreshPage();
}

void CDialogDeviceSettingSpeedDial::FillPage()
{
    ++m_fillCalls;
    if (!m_hWnd)
        return;
    for (int i = 0; i < kSpeedDialCount; ++i) {
        // Setting the same text again would only move the caret to the start.
        if (std::wstring(m_edits[i].GetWindowText()) != m_config.m_speedDial[i])
            m_edits[i].SetWindowText(m_config.m_speedDial[i].c_str());
    }
}

void CDialogDeviceSettingSpeedDial::RefreshPage()
{
    ++m_refreshCalls;
    CMainDialog* main = Main();
    if (!main || !m_hWnd)
        return;
    const int language = main->m_uiLanguage;
    SetRedraw(FALSE);
    m_buttonDefault.SetWindowText(GetDefaultLabel(language).c_str());
    m_buttonCancel.SetWindowText(GetTextCancel(language).c_str());
    for (int i = 0; i < kSpeedDialCount; ++i)
        m_labels[i].SetWindowText(FillPlaceholders(L"%s %d", {TextSpeedDial(language), i + 1}).c_str());
    const bool enable = !(main->m_busy || main->m_dropListOpen);
    for (CEdit& edit : m_edits)
        edit.EnableWindow(enable);
    SetRedraw(TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int CDialogDeviceSettingSpeedDial::CompareSettings()
{
    CMainDialog* main = Main();
    if (!main)
        return 0;
    for (int i = 0; i < kSpeedDialCount; ++i)
        if (m_config.m_speedDial[i] != main->m_device.m_speedDial[i])
            return 1;
    return 0;
}

void CDialogDeviceSettingSpeedDial::WriteSettingsToDevice()
{
    RunSettingsPageWrite(*this, SettingsWriterPage::SpeedDial, IDC_SPEED_DIAL_CANCEL);
}

void CDialogDeviceSettingSpeedDial::OnNumberChanged(int index)
{
    CMainDialog* main = Main();
    if (!main)
        return;
    CEdit& edit = m_edits[index];
    const std::wstring typed = std::wstring(edit.GetWindowText());
    DWORD start = 0;
    DWORD end = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const SpeedDialEdit kept = KeepSpeedDialText(typed, static_cast<int>(start), static_cast<int>(end));
    m_config.m_speedDial[index] = kept.text;
    if (kept.text != typed) {
        FillPage();
        RefreshPage();
        edit.SetSel(kept.selectionStart, kept.selectionEnd);
        edit.SendMessage(EM_SCROLLCARET);
    }
    main->RefreshView();
    edit.Invalidate();
}

BOOL CDialogDeviceSettingSpeedDial::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && lParam) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        *result = 0;
        if (code == BN_CLICKED && id == IDC_SPEED_DIAL_DEFAULT) {
            OnDefault();
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDC_SPEED_DIAL_CANCEL) {
            OnCancelEdits();
            return TRUE;
        }
        for (int i = 0; i < kSpeedDialCount; ++i) {
            if (code == EN_CHANGE && id == kEditIds[i]) {
                OnNumberChanged(i);
                return TRUE;
            }
        }
    }
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLORDLG) && Main()) {
        CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(Main()->m_brushes[0].GetSafeHandle());
        return TRUE;
    }
    return CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
}
