#include "app/AboutDlg.h"

#include "link/FirmwareServer.h"
#include "res/resource.h"
#include "shell/MainDialog.h"
#include "shell/ShellOpen.h"
#include "text/MainWindowTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"

namespace {

const COLORREF kDialogTextBackground = 0xD8ECEC;
const wchar_t kOnlineHelpPath[] = L"KelmoBluetoothDeviceManagerForWindowsHelp/Contents/Resources/English/overview.html";
// The manager's own version as the About box shows it.
const int kVersionMajor = 1;
const int kVersionMinor = 3;

} // namespace

HBRUSH ShellDialogColours(CDC* dc, CMainDialog* main, HBRUSH base)
{
    dc->SetBkMode(TRANSPARENT);
    dc->SetBkColor(kDialogTextBackground);
    return main ? static_cast<HBRUSH>(main->m_brushes[kSkinBrushWhite]) : base;
}

bool MakeBoldDialogFont(CWnd& dialog, CFont& bold)
{
    CFont* font = dialog.GetFont();
    LOGFONTW description{};
    if (!font || !font->GetLogFont(&description))
        return false;
    description.lfWeight = FW_BOLD;
    // Any character set, so that the glyphs of every UI language are found.
    description.lfCharSet = DEFAULT_CHARSET;
    return bold.CreateFontIndirect(&description) != FALSE;
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_ABOUT_ONLINE_HELP, OnButtonHelp)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ABOUT_TITLE, m_title);
    DDX_Control(dx, IDC_ABOUT_NOTICE, m_notice);
    DDX_Control(dx, IDOK, m_buttonOk);
    DDX_Control(dx, IDC_ABOUT_ONLINE_HELP, m_buttonHelp);
    DDX_Control(dx, IDC_ABOUT_PICTURE, m_picture);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CMainDialog* main = dynamic_cast<CMainDialog*>(m_pParentWnd);
    const int language = main ? main->m_uiLanguage : 0;
    const bool bold = MakeBoldDialogFont(*this, m_boldFont);

    m_title.SetWindowText(FillPlaceholders(L"%s %s %d.%d%s", {GetTextProductName(), GetTextVersion(language),
                                                              kVersionMajor, kVersionMinor, L""})
                              .c_str());
    m_notice.SetWindowText(GetTextAboutNotice().c_str());
    m_buttonOk.SetWindowText(GetTextOk(language).c_str());
    m_buttonHelp.SetWindowText(::GetTextOnlineHelp(language).c_str());
    if (m_logo.LoadBitmap(IDB_PRODUCT_LOGO))
        m_picture.SetBitmap(m_logo);
    if (bold) {
        CWnd* controls[] = {&m_title, &m_notice, &m_buttonOk, &m_buttonHelp};
        for (CWnd* control : controls)
            control->SetFont(&m_boldFont, TRUE);
    }
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    const HBRUSH base = CDialog::OnCtlColor(dc, wnd, ctlColor);
    return ShellDialogColours(dc, dynamic_cast<CMainDialog*>(m_pParentWnd), base);
}

void CAboutDlg::OnButtonHelp()
{
    OnHelp();
}

std::wstring CAboutDlg::OnlineHelpUrl()
{
    return FirmwareServerBaseUrl() + kOnlineHelpPath;
}

void CAboutDlg::OnHelp()
{
    // The shell's answer is not looked at: the window stays as it is either way.
    ShellOpenUrl(OnlineHelpUrl());
}
