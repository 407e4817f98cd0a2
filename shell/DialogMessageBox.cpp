#include "shell/DialogMessageBox.h"

#include "shell/MessageBoxLayout.h"
#include "shell/ShellOpen.h"
#include "shell/MainDialog.h"
#include "link/FirmwareServer.h"
#include "res/resource.h"

namespace {

const COLORREF kTextBackground = 0xD8ECEC;
const int kCameraProduct = 0x3020;

DWORD g_cameraPauseMs = CDialogMessageBox::kCameraPauseMs;

const wchar_t kReleaseNotesPath[] =
    L"KelmoBluetoothDeviceManagerForWindowsHelp/Contents/Resources/English/release_notes.html";

void Place(CWnd& control, const BoxRect& rect)
{
    if (control.m_hWnd)
        control.MoveWindow(rect.x, rect.y, rect.width, rect.height);
}

// A labelled button shows with its label; any other is disabled and hidden.
bool ShowButton(CButton& button, int shown, const CString& label)
{
    if (!button.m_hWnd)
        return false;
    if (shown) {
        button.SetWindowText(label);
        button.ShowWindow(SW_SHOW);
        button.EnableWindow(TRUE);
        return true;
    }
    button.EnableWindow(FALSE);
    button.ShowWindow(SW_HIDE);
    return false;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogMessageBox, CDialog)
ON_WM_CTLCOLOR()
ON_WM_SETCURSOR()
ON_BN_CLICKED(IDC_MESSAGE_BUTTON3, OnReleaseNotes)
END_MESSAGE_MAP()

CDialogMessageBox::CDialogMessageBox(CWnd* parent)
    : CDialog(IDD_MESSAGE_BOX, parent), m_size(0, 0), m_alive(std::make_shared<bool>(true))
{
    m_owner = parent ? parent : AfxGetMainWnd();
    if (!m_pParentWnd)
        m_pParentWnd = m_owner;
}

CDialogMessageBox::~CDialogMessageBox()
{
    *m_alive = false;
}

void CDialogMessageBox::SetCameraPauseForTests(DWORD ms)
{
    g_cameraPauseMs = ms;
}

std::wstring CDialogMessageBox::ReleaseNotesUrl()
{
    return FirmwareServerBaseUrl() + kReleaseNotesPath;
}

void CDialogMessageBox::SetContent(const CString& message, int iconKind, const CString* button2, const CString* button1,
                                   CSize size)
{
    SetContentWithLink(message, iconKind, nullptr, button2, button1, size);
}

void CDialogMessageBox::SetContentWithLink(const CString& message, int iconKind, const CString* button3,
                                           const CString* button2, const CString* button1, CSize size)
{
    SetContentEx(message, iconKind, button3, button2, button1, size, 0);
}

void CDialogMessageBox::SetContentEx(const CString& message, int iconKind, const CString* button3,
                                     const CString* button2, const CString* button1, CSize size, int ownerFlag)
{
    m_message = message;
    m_iconKind = iconKind;
    m_showButton3 = button3 ? 1 : 0;
    m_labelButton3 = button3 ? *button3 : CString();
    m_showButton2 = button2 ? 1 : 0;
    m_labelButton2 = button2 ? *button2 : CString();
    m_showButton1 = button1 ? 1 : 0;
    m_labelButton1 = button1 ? *button1 : CString();
    m_size = size;
    // Every box belongs to the main window; the flag is kept for callers that pass it.
    m_ownerFlag = ownerFlag;
}

CMainDialog* CDialogMessageBox::MainDialog() const
{
    CWnd* owner = m_owner ? m_owner : AfxGetMainWnd();
    if (owner && owner->m_hWnd) {
        HWND root = ::GetAncestor(owner->m_hWnd, GA_ROOT);
        if (auto* main = dynamic_cast<CMainDialog*>(CWnd::FromHandlePermanent(root)))
            return main;
    }
    return dynamic_cast<CMainDialog*>(owner);
}

BOOL CDialogMessageBox::CreatePopup()
{
    if (!m_owner)
        m_owner = AfxGetMainWnd();
    if (!Create(IDD_MESSAGE_BOX, m_owner))
        return FALSE;
    CRect area;
    if (m_owner && m_owner->m_hWnd)
        m_owner->GetWindowRect(&area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + (area.Width() - m_size.cx) / 2;
    const int y = area.top + (area.Height() - m_size.cy) / 2;
    SetWindowPos(nullptr, x, y, m_size.cx, m_size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialogMessageBox::DestroyPopupWindow()
{
    if (m_hWnd)
        DestroyWindow();
}

void CDialogMessageBox::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_MESSAGE_ICON, m_icon);
    DDX_Control(dx, IDC_MESSAGE_TEXT, m_text);
    DDX_Control(dx, IDOK, m_button1);
    DDX_Control(dx, IDCANCEL, m_button2);
    DDX_Control(dx, IDC_MESSAGE_BUTTON3, m_button3);
}

BOOL CDialogMessageBox::OnInitDialog()
{
    CDialog::OnInitDialog();

    LOGFONTW font{};
    CFont* dialogFont = GetFont();
    if (dialogFont && dialogFont->GetLogFont(&font)) {
        font.lfWeight = FW_BOLD;
        // Any character set, so that the glyphs of every UI language are found.
        font.lfCharSet = DEFAULT_CHARSET;
        if (m_boldFont.CreateFontIndirect(&font)) {
            for (CWnd* control : {static_cast<CWnd*>(&m_text), static_cast<CWnd*>(&m_button1),
                                  static_cast<CWnd*>(&m_button2), static_cast<CWnd*>(&m_button3)})
                control->SetFont(&m_boldFont);
        }
    }

    m_text.SetWindowText(m_message);
    m_picture.LoadBitmap(m_iconKind ? IDB_WARNING : IDB_PRODUCT_LOGO);
    m_icon.SetBitmap(m_picture);

    bool anyButton = ShowButton(m_button2, m_showButton2, m_labelButton2);
    anyButton = ShowButton(m_button1, m_showButton1, m_labelButton1) || anyButton;
    anyButton = ShowButton(m_button3, m_showButton3, m_labelButton3) || anyButton;

    const MessageBoxLayout layout = LayoutMessageBox(m_size.cx, m_size.cy, anyButton);
    SetWindowPos(nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Place(m_icon, layout.icon);
    Place(m_text, layout.text);
    Place(m_button1, layout.button1);
    Place(m_button2, layout.button2);
    Place(m_button3, layout.button3);
    return TRUE;
}

bool CDialogMessageBox::WaitPumpingMessages(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD passed = ::GetTickCount() - start;
        if (passed >= ms)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The loop that owns the thread must still see it.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialogMessageBox::OnOK()
{
    if (!m_showButton1)
        return;
    CMainDialog* main = MainDialog();
    if (!main)
        return EndDialog(IDOK);

    if (main->m_modelCode == kCameraProduct && main->m_cameraWaitPending == 1) {
        main->m_cameraWaitPending = 0;
        m_button1.EnableWindow(FALSE);
        const int busyBefore = main->m_busy;
        main->m_busy = 1;
        const std::shared_ptr<bool> alive = m_alive;
        const HWND window = m_hWnd;
        WaitPumpingMessages(g_cameraPauseMs);
        // The box, and with it the main window's claim, may be gone by now.
        if (!*alive || !::IsWindow(window) || m_hWnd != window)
            return;
        main->m_busy = busyBefore;
        m_button1.EnableWindow(TRUE);
    }

    if (main->m_waitForUser == 1) {
        main->m_waitForUser = 0;
        if (!IsWorkerUpdateModel(main->m_modelCode))
            main->StartUpdateSecondPhase();
    }
    EndDialog(IDOK);
}

void CDialogMessageBox::OnCancel()
{
    if (m_showButton2)
        EndDialog(IDCANCEL);
}

void CDialogMessageBox::OnReleaseNotes()
{
    if (m_showButton3)
        ShellOpenUrl(ReleaseNotesUrl());
}

HBRUSH CDialogMessageBox::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH base = CDialog::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkMode(TRANSPARENT);
    dc->SetBkColor(kTextBackground);
    CMainDialog* main = MainDialog();
    if (!main)
        return base;
    return main->m_brushes[m_iconKind ? kSkinBrushWarning : kSkinBrushWhite];
}

BOOL CDialogMessageBox::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    CMainDialog* main = MainDialog();
    if (main && main->m_busy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(wnd, hitTest, message);
}
