// The main window's road between its seven pages: the switches with their
// save question, the frame's navigation buttons, the settings categories and
// their drop list, and the pre-translation of clicks.
#include "app/UpdaterDlg.h"

#include "shell/DialogMessageBox.h"
#include "res/resource.h"
#include "text/SettingsPageTitle.h"
#include "text/SharedWords.h"

namespace {

const CSize kSaveQuestionSize(400, 130);

bool EndsARecognitionWithANewTry(int result)
{
    return result == 2 || result == 6 || result == 8 || result == 9;
}

void ShowPage(CWnd* page)
{
    if (page && page->m_hWnd) {
        page->EnableWindow(TRUE);
        page->ShowWindow(SW_SHOW);
    }
}

void HidePage(CWnd* page)
{
    if (page && page->m_hWnd) {
        page->EnableWindow(FALSE);
        page->ShowWindow(SW_HIDE);
    }
}

} // namespace

// ---------------------------------------------------------------- switches

// Steps 1 to 5 of every switch: the save question when a settings page with
// changes is left, the new page, forgetting the unit on pages 1 and 2, and the
// two redirects. False when the switch ends here.
bool CUpdaterDlg::BeginPageSwitch(int target)
{
    if (const int leaving = LeavingSettingsPage(m_page, target)) {
        CSettingsPageDialog* page = GetSettingsPage(leaving);
        page->m_nextPage = target;
        if (page->IsModified()) {
            CDialogMessageBox box(this);
            const CString yes = GetTextYes(m_uiLanguage);
            const CString no = GetTextNo(m_uiLanguage);
            box.SetContent(GetTextSaveChangesPrompt(), 0, &no, &yes, kSaveQuestionSize);
            if (box.DoModal() == IDOK)
                page->WriteSettingsToDevice();
            else
                page->DiscardAndContinue();
            return false;
        }
    }
    m_page = target;
    if (target == 1 || target == 2) {
        m_recognized = 0;
        ResetDeviceHandles();
        ResetSettingsPageList();
        m_usbStatus = 0;
        m_device.ApplyBasicDefaults(0, 0, 0);
        m_deviceState = -1;
    }
    if (CSettingsPageDialog* settings = GetSettingsPage(target))
        settings->m_nextPage = 0;
    const int lands = ResolvePageSwitch(target, m_modelCode, m_recognized);
    if (lands == 1 && target != 1) {
        ShowDeviceSelectionPage();
        return false;
    }
    if (lands == 2 && target != 2) {
        ShowDeviceRecognitionPage(1, nullptr, 0);
        return false;
    }
    return true;
}

// Steps 8 and 9, after the page was entered.
void CUpdaterDlg::EndPageSwitch(int showStatus)
{
    if (showStatus)
        ShowPageStatus();
    RefreshView();
}

void CUpdaterDlg::ShowDeviceSelectionPage()
{
    if (!BeginPageSwitch(1))
        return;
    UpdatePageButtons();
    m_pageDeviceSelection.EnterPage();
    EndPageSwitch(1);
}

void CUpdaterDlg::ShowDeviceRecognitionPage(int showStatus, const DeviceConfig* record, int nextPage)
{
    if (!BeginPageSwitch(2))
        return;
    UpdatePageButtons();
    m_pageDeviceRecognition.m_nextPage = nextPage;
    m_pageDeviceRecognition.EnterPage(0);
    EndPageSwitch(showStatus);
    if (nextPage && EndsARecognitionWithANewTry(m_pageDeviceRecognition.RecognizeDevice(record, 0)))
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(m_buttonNext.m_hWnd));
}

void CUpdaterDlg::ShowFirmwareUpdatePage(int showStatus)
{
    if (!BeginPageSwitch(3))
        return;
    UpdatePageButtons();
    m_pageFirmwareUpdate.EnterPage();
    EndPageSwitch(showStatus);
}

void CUpdaterDlg::ShowFirmwareRestorePage(int showStatus)
{
    if (!BeginPageSwitch(4))
        return;
    UpdatePageButtons();
    m_pageFirmwareRestore.EnterPage(showStatus);
    EndPageSwitch(showStatus);
}

void CUpdaterDlg::ShowSettingsPage(int page, int showStatus)
{
    if (!BeginPageSwitch(page))
        return;
    UpdatePageButtons();
    GetSettingsPage(page)->EnterPage();
    EndPageSwitch(showStatus);
}

void CUpdaterDlg::ShowDeviceSettingPage(int showStatus)
{
    ShowSettingsPage(5, showStatus);
}

void CUpdaterDlg::ShowDeviceSettingSecondPage(int showStatus)
{
    ShowSettingsPage(6, showStatus);
}

void CUpdaterDlg::ShowDeviceSettingSpeedDialPage(int showStatus)
{
    ShowSettingsPage(7, showStatus);
}

void CUpdaterDlg::GoToPage(int page)
{
    switch (page) {
    case 1: ShowDeviceSelectionPage(); break;
    case 2: ShowDeviceRecognitionPage(1, nullptr, 0); break;
    case 3: ShowFirmwareUpdatePage(1); break;
    case 4: ShowFirmwareRestorePage(1); break;
    case 5: ShowDeviceSettingPage(1); break;
    case 6: ShowDeviceSettingSecondPage(1); break;
    case 7: ShowDeviceSettingSpeedDialPage(1); break;
    default: break;
    }
}

void CUpdaterDlg::UpdatePageButtons()
{
    for (int page = 1; page <= 7; ++page) {
        CDialog* window = GetPageWindow(page);
        if (window->m_hWnd)
            window->ShowWindow(SW_HIDE);
    }
    CDialog* current = GetPageWindow(m_page);
    if (!current)
        return;
    ShowPageBackground();
    ShowPage(current);
}

// ---------------------------------------------------------------- the page area

void CUpdaterDlg::ShowPageBackground()
{
    if (m_pageArea.m_hWnd)
        m_pageArea.SetBitmap(m_bitmapPageBackground);
    // The area no longer shows the snapshot, so it can go.
    m_pageSnapshot.DeleteObject();
}

// Drawn by the windows themselves (WM_PRINT), never read back from the screen,
// so whatever covers the window does not end up in the picture.
void CUpdaterDlg::CapturePageImage()
{
    CDialog* page = GetPageWindow(m_page);
    if (!page || !page->m_hWnd || !m_pageArea.m_hWnd)
        return;
    CRect area;
    m_pageArea.GetClientRect(&area);
    HDC areaDc = ::GetDC(m_pageArea.m_hWnd);
    HDC memory = ::CreateCompatibleDC(areaDc);
    HBITMAP picture = ::CreateCompatibleBitmap(areaDc, area.Width(), area.Height());
    ::ReleaseDC(m_pageArea.m_hWnd, areaDc);
    HGDIOBJ old = ::SelectObject(memory, picture);
    ::SendMessageW(m_pageArea.m_hWnd, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    ::SendMessageW(page->m_hWnd, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                   PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_OWNED);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);

    CBitmap previous;
    previous.Attach(m_pageSnapshot.Detach());
    m_pageSnapshot.Attach(picture);
    m_pageArea.SetBitmap(m_pageSnapshot);
    // previous goes with this scope, now that the area shows the new picture.
}

// ---------------------------------------------------------------- frame buttons

bool CUpdaterDlg::FrameCommandsRefused() const
{
    return m_busy || m_dropListOpen;
}

void CUpdaterDlg::OnButtonNext()
{
    if (FrameCommandsRefused())
        return;
    switch (NextButtonAction(m_page, m_usbStatus, m_modelCode)) {
    case NextAction::RecognitionPage:
        m_modelCode = kDefaultTargetProduct;
        ShowDeviceRecognitionPage(1, nullptr, 0);
        break;
    case NextAction::Recognize: m_pageDeviceRecognition.RecognizeDevice(nullptr, 1); break;
    case NextAction::StartPage: ShowDeviceSelectionPage(); break;
    case NextAction::SettingsPage: ShowDeviceSettingPage(1); break;
    case NextAction::SpeedDialPage: ShowDeviceSettingSpeedDialPage(1); break;
    case NextAction::None: break;
    }
}

void CUpdaterDlg::OnButtonBack()
{
    if (FrameCommandsRefused())
        return;
    switch (BackButtonPage(m_page)) {
    case 1: ShowDeviceSelectionPage(); break;
    case 2: ShowDeviceRecognitionPage(1, nullptr, 0); break;
    case 3: ShowFirmwareUpdatePage(1); break;
    default: break;
    }
}

void CUpdaterDlg::OnButtonHome()
{
    if (!FrameCommandsRefused())
        ShowDeviceSelectionPage();
}

void CUpdaterDlg::OnButtonDeviceRecognition()
{
    if (!FrameCommandsRefused())
        ShowDeviceRecognitionPage(1, nullptr, 0);
}

void CUpdaterDlg::OnButtonFirmwareUpdate()
{
    if (!FrameCommandsRefused())
        ShowFirmwareUpdatePage(1);
}

void CUpdaterDlg::OnButtonFirmwareRestore()
{
    if (!FrameCommandsRefused())
        ShowFirmwareRestorePage(1);
}

void CUpdaterDlg::OnButtonDeviceSetting()
{
    if (FrameCommandsRefused())
        return;
    switch (DeviceSettingPage(m_modelCode)) {
    case 5: ShowDeviceSettingPage(1); break;
    case 7: ShowDeviceSettingSpeedDialPage(1); break;
    default: return;
    }
    if (m_settingsPageCount > 1) {
        m_buttonSettingsPageList.SetFocus();
        if (m_page == 5 && m_pageDeviceSetting.m_grid.m_hWnd)
            m_pageDeviceSetting.m_grid.SetFocus();
    }
}

void CUpdaterDlg::OnButtonApply()
{
    if (FrameCommandsRefused())
        return;
    switch (m_page) {
    case 3: m_pageFirmwareUpdate.StartUpdate(); break;
    case 4: m_pageFirmwareRestore.StartBackupFirmwareDownload(); break;
    case 5:
    case 6:
    case 7: GetSettingsPage(m_page)->WriteSettingsToDevice(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- settings categories

void CUpdaterDlg::ShowSettingsCategory(int category)
{
    GoToPage(SettingsPageOfCategory(category));
}

void CUpdaterDlg::RefreshRestoreCategory()
{
    RefreshView();
    m_pageFirmwareRestore.BuildBackupInfoText();
    m_pageFirmwareRestore.RefreshPage();
}

void CUpdaterDlg::OnButtonFirstSettingsPage()
{
    if (m_busy)
        return;
    if (m_page == 4) {
        CDialogFirmwareRestore& restore = m_pageFirmwareRestore;
        if (TwoCategorySwitch(true, restore.m_settingsPageCount, restore.m_settingsPageIndex) == 0) {
            restore.m_settingsPageIndex = 0;
            RefreshRestoreCategory();
        }
    } else if (GetSettingsPage(m_page)) {
        if (TwoCategorySwitch(true, m_settingsPageCount, m_settingsPageIndex) == 0) {
            m_settingsPageIndex = 0;
            ShowSettingsCategory(m_settingsPages[0]);
        }
    }
}

void CUpdaterDlg::OnButtonSettingsPageList()
{
    if (m_busy)
        return;
    const bool restorePage = m_page == 4;
    CSettingsPageDialog* settings = GetSettingsPage(m_page);
    if (!restorePage && !settings)
        return;
    CDialogFirmwareRestore& restore = m_pageFirmwareRestore;
    const int count = restorePage ? restore.m_settingsPageCount : m_settingsPageCount;
    if (count == 2) {
        if (restorePage) {
            restore.m_settingsPageIndex = 1;
            RefreshRestoreCategory();
        } else {
            m_settingsPageIndex = 1;
            ShowSettingsCategory(m_settingsPages[1]);
        }
        return;
    }
    if (count != 3)
        return;

    m_dropListOpen = m_dropListOpen ? 0 : 1;
    CWnd* page = restorePage ? static_cast<CWnd*>(&restore) : static_cast<CWnd*>(settings);
    if (m_dropListOpen) {
        const int* categories = restorePage ? restore.m_settingsPages : m_settingsPages;
        const int index = restorePage ? restore.m_settingsPageIndex : m_settingsPageIndex;
        if (!restorePage) {
            CapturePageImage();
            HidePage(page);
        }
        m_settingsPageList.ResetContent();
        for (int i = 0; i < 3; ++i)
            m_settingsPageList.AddString(GetTextSettingsPageTitle(categories[i], m_uiLanguage).c_str());
        m_settingsPageList.SetCurSel(index);
        if (restorePage) {
            CapturePageImage();
            HidePage(page);
        }
    } else {
        ShowPageBackground();
        ShowPage(page);
    }
    RefreshView();
}

void CUpdaterDlg::OnSelChangeSettingsPageList()
{
    const int selected = m_settingsPageList.GetCurSel();
    m_dropListOpen = 0;
    if (m_page == 4) {
        CDialogFirmwareRestore& restore = m_pageFirmwareRestore;
        if (selected >= 0 && selected < restore.m_settingsPageCount && selected < 3 &&
            selected != restore.m_settingsPageIndex) {
            restore.m_settingsPageIndex = selected;
            ShowPageBackground();
            ShowPage(&restore);
            RefreshRestoreCategory();
        } else {
            ShowPageBackground();
            ShowPage(&restore);
            RefreshView();
        }
        return;
    }
    CSettingsPageDialog* settings = GetSettingsPage(m_page);
    if (!settings) {
        RefreshView();
        return;
    }
    if (selected >= 0 && selected < m_settingsPageCount && selected < 3 && selected != m_settingsPageIndex) {
        m_settingsPageIndex = selected;
        const int category = m_settingsPages[selected];
        if (category >= 1 && category <= 3)
            ShowSettingsCategory(category);
        else
            RefreshView();
        return;
    }
    ShowPageBackground();
    ShowPage(settings);
    RefreshView();
}

// ---------------------------------------------------------------- input

BOOL CUpdaterDlg::PreTranslateMessage(MSG* msg)
{
    m_toolTip.RelayEvent(msg);

    if (msg->message == WM_LBUTTONDOWN) {
        // A click anywhere but on the list and its button closes the category list.
        if (m_dropListOpen && msg->hwnd != m_buttonSettingsPageList.m_hWnd && msg->hwnd != m_settingsPageList.m_hWnd) {
            SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_SETTINGS_PAGE_LIST, BN_CLICKED),
                        reinterpret_cast<LPARAM>(m_buttonSettingsPageList.m_hWnd));
            return TRUE;
        }
        // A click outside the settings grid's open pop-up list ends the grid's editing.
        if (m_pageDeviceSetting.m_dropDownOpen) {
            const HWND popup = m_pageDeviceSetting.m_dropDownList;
            const bool insidePopup = popup && (msg->hwnd == popup || ::IsChild(popup, msg->hwnd));
            if (!insidePopup) {
                m_pageDeviceSetting.EndGridEdit();
                return TRUE;
            }
        }
    }

    // Enter never reaches the dialog manager, which would turn it into the
    // close button's command; a control that takes Enter itself still gets it.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        const LRESULT code = ::SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
            return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

BOOL CUpdaterDlg::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_busy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(wnd, hitTest, message);
}
