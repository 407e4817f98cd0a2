#include "usbprobe/UsbProbeDlg.h"

#include "res/usbprobe_resource.h"
#include "usbprobe/ProbeMachine.h"
#include "usbprobe/ProbeOperations.h"

namespace {

// The message area has no id of its own.
constexpr int kMessageId = -1;

const COLORREF kOrange = RGB(kOrangeRed, kOrangeGreen, kOrangeBlue);

CString Widen(const std::string& text)
{
    CString wide;
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

} // namespace

// What the state machine sees of the dialog and of the PC.
class CUsbProbeDlg::Ports : public ProbeScanner, public ProbeServiceSwitch, public ProbeView {
public:
    explicit Ports(CUsbProbeDlg& dialog)
        : m_dialog(dialog), m_machine({dialog.m_visible, dialog.m_lastVendorId, dialog.m_lastProductId, dialog.m_state,
                                       dialog.m_firstConnect},
                                      *this, *this, *this)
    {}
    ProbeMachine& Machine() { return m_machine; }

    bool FindBluetoothUsbDevice() override { return ::FindBluetoothUsbDevice(&m_dialog); }
    bool DisableWindowsBluetoothServices() override { return ::DisableWindowsBluetoothServices(); }
    void RestoreWindowsBluetoothServices() override { ::RestoreWindowsBluetoothServices(); }

    void SetMessage(const std::string& text) override
    {
        m_dialog.SetDlgItemText(kMessageId, Widen(text));
        m_dialog.InvalidateRect(nullptr, TRUE);
    }
    void ShowCancel(bool shown) override
    {
        if (CWnd* cancel = m_dialog.GetDlgItem(IDCANCEL)) {
            cancel->EnableWindow(shown ? TRUE : FALSE);
            cancel->ShowWindow(shown ? SW_SHOW : SW_HIDE);
        }
    }
    void EnableCancel() override
    {
        if (CWnd* cancel = m_dialog.GetDlgItem(IDCANCEL))
            cancel->EnableWindow(TRUE);
    }
    void ShowWindow() override { m_dialog.ShowWindow(SW_SHOW); }
    void KillTimer() override { m_dialog.KillTimer(kProbeTimerId); }
    void EndDialog() override { m_dialog.OnCancel(); }

private:
    CUsbProbeDlg& m_dialog;
    ProbeMachine m_machine;
};

BEGIN_MESSAGE_MAP(CUsbProbeDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDCANCEL, OnBnClickedCancel)
ON_WM_WINDOWPOSCHANGING()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CUsbProbeDlg::CUsbProbeDlg(CWnd* parent)
    : CDialog(IDD_USBPROBE_DIALOG, parent),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
    m_brush.CreateSolidBrush(kOrange);
}

CUsbProbeDlg::~CUsbProbeDlg() = default;

void CUsbProbeDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
}

BOOL CUsbProbeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_visible = true;
    g_cancelled = false;
    ShowWindow(SW_HIDE);
    m_state = kWaitForDeviceState;
    m_firstConnect = 1;
    CWinApp* app = AfxGetApp();
    Ports(*this).Machine().Start(app != nullptr ? app->m_lpCmdLine : nullptr);
    SetTimer(kProbeTimerId, kProbeTimerPeriodMs);
    return TRUE;
}

void CUsbProbeDlg::OnWindowPosChanging(WINDOWPOS* pos)
{
    CDialog::OnWindowPosChanging(pos);
    // The dialog shows only when its run wants it seen, whoever asks to show it.
    if (m_visible)
        pos->flags |= SWP_SHOWWINDOW;
    else
        pos->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
}

void CUsbProbeDlg::OnTimer(UINT_PTR id)
{
    if (Ports(*this).Machine().OnTimer(static_cast<unsigned>(id)))
        CDialog::OnTimer(id);
}

void CUsbProbeDlg::OnBnClickedCancel()
{
    Ports(*this).Machine().Cancel();
}

HBRUSH CUsbProbeDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkMode(TRANSPARENT);
    if (m_state == kServicesOffState) {
        dc->SetBkColor(kOrange);
        brush = m_brush;
    }
    return brush;
}

void CUsbProbeDlg::OnPaint()
{
    if (!IsIconic(m_hWnd)) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - iconWidth + 1) / 2;
    const int y = (client.Height() - iconHeight + 1) / 2;
    ::DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CUsbProbeDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
