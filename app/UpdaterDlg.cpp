#include "app/UpdaterDlg.h"

#include <clocale>

#include "device/ModelCatalogue.h"
#include "link/HidDeviceSeam.h"
#include "res/resource.h"
#include "text/SharedWords.h"
#include "text/StatusWords.h"

namespace {

const UINT kTimerStart = 1;
const UINT kStartDelayMs = 100;

// Page templates in page order.
const UINT kPageTemplates[7] = {
    IDD_DEVICE_SELECTION, IDD_DEVICE_RECOGNITION,    IDD_FIRMWARE_UPDATE,           IDD_FIRMWARE_RESTORE,
    IDD_DEVICE_SETTING,   IDD_DEVICE_SETTING_SECOND, IDD_DEVICE_SETTING_SPEED_DIAL,
};

} // namespace

int RectInsideRect(const RECT& inner, const RECT& outer)
{
    const POINT topLeft{inner.left, inner.top};
    const POINT bottomRight{inner.right, inner.bottom};
    return (::PtInRect(&outer, topLeft) && ::PtInRect(&outer, bottomRight)) ? 1 : 0;
}

BEGIN_MESSAGE_MAP(CUpdaterDlg, CDialog)
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_LBUTTONDOWN()
ON_WM_CLOSE()
ON_COMMAND(ID_MENU_CLOSE, OnMenuExit)
ON_WM_CONTEXTMENU()
ON_WM_SYSCOMMAND()
ON_COMMAND(ID_MENU_ABOUT, OnMenuAbout)
ON_COMMAND(ID_MENU_ONLINE_HELP, OnMenuOnlineHelp)
ON_COMMAND(ID_MENU_LANGUAGE, OnLanguageManager)
ON_COMMAND(ID_MENU_DIAGNOSTIC_LOG, OnMenuDiagnosticLog)
ON_BN_CLICKED(IDC_BUTTON_ABOUT, OnButtonAbout)
ON_STN_CLICKED(IDC_LANGUAGE_FLAG, OnLanguageManager)
ON_BN_CLICKED(IDC_BUTTON_INFORMATION, OnButtonInformation)
ON_BN_CLICKED(IDC_BUTTON_NEXT, OnButtonNext)
ON_BN_CLICKED(IDC_BUTTON_BACK, OnButtonBack)
ON_BN_CLICKED(IDC_BUTTON_HOME, OnButtonHome)
ON_BN_CLICKED(IDC_BUTTON_DEVICE_RECOGNITION, OnButtonDeviceRecognition)
ON_BN_CLICKED(IDC_BUTTON_FIRMWARE_UPDATE, OnButtonFirmwareUpdate)
ON_BN_CLICKED(IDC_BUTTON_BACK_TO_UPDATE, OnButtonFirmwareUpdate)
ON_BN_CLICKED(IDC_BUTTON_FIRMWARE_RESTORE, OnButtonFirmwareRestore)
ON_BN_CLICKED(IDC_BUTTON_FORWARD_TO_RESTORE, OnButtonFirmwareRestore)
ON_BN_CLICKED(IDC_BUTTON_DEVICE_SETTING, OnButtonDeviceSetting)
ON_BN_CLICKED(IDC_BUTTON_APPLY, OnButtonApply)
ON_BN_CLICKED(IDC_BUTTON_FIRST_SETTINGS_PAGE, OnButtonFirstSettingsPage)
ON_BN_CLICKED(IDC_BUTTON_SETTINGS_PAGE_LIST, OnButtonSettingsPageList)
ON_LBN_SELCHANGE(IDC_SETTINGS_PAGE_LIST, OnSelChangeSettingsPageList)
ON_WM_DESTROY()
END_MESSAGE_MAP()

// Every member gets its value here: page creation in OnInitDialog already
// sends messages that read the busy flag and its friends, before the
// configuration is read.
CUpdaterDlg::CUpdaterDlg(CWnd* parent) : CMainDialog(IDD_UPDATER_DIALOG, parent), m_hIcon(nullptr)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                          : ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_hidPrimary = nullptr;
    m_hidSecondary = nullptr;
    LoadSkin();
}

CUpdaterDlg::~CUpdaterDlg()
{
    // A window object destroyed before its window hears no WM_DESTROY, so no
    // stale handle may stay behind for a worker to post to.
    if (m_hWnd && GetMainWindowHandle() == m_hWnd)
        SetMainWindowHandle(nullptr);
}

void CUpdaterDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_BACKGROUND, m_background);
    DDX_Control(dx, IDC_DEVICE_PICTURE, m_devicePicture);
    DDX_Control(dx, IDC_DEVICE_NAME, m_deviceLine1);
    DDX_Control(dx, IDC_DEVICE_VERSION, m_deviceLine2);
    DDX_Control(dx, IDC_BUTTON_ABOUT, m_buttonAbout);
    DDX_Control(dx, IDC_LANGUAGE_FLAG, m_languageFlag);
    DDX_Control(dx, IDC_BUTTON_CLOSE, m_buttonClose);
    DDX_Control(dx, IDC_BUTTON_HOME, m_buttonHome);
    DDX_Control(dx, IDC_BUTTON_DEVICE_RECOGNITION, m_buttonDeviceRecognition);
    DDX_Control(dx, IDC_BUTTON_FIRMWARE_UPDATE, m_buttonFirmwareUpdate);
    DDX_Control(dx, IDC_BUTTON_FIRMWARE_RESTORE, m_buttonFirmwareRestore);
    DDX_Control(dx, IDC_BUTTON_DEVICE_SETTING, m_buttonDeviceSetting);
    DDX_Control(dx, IDC_BREADCRUMB, m_breadcrumb);
    DDX_Control(dx, IDC_STATUS_UPPER, m_statusUpper);
    DDX_Control(dx, IDC_PAGE_AREA, m_pageArea);
    DDX_Control(dx, IDC_STATUS_TEXT, m_statusLine);
    DDX_Control(dx, IDC_BUTTON_INFORMATION, m_buttonInformation);
    DDX_Control(dx, IDC_BUTTON_BACK, m_buttonBack);
    DDX_Control(dx, IDC_BUTTON_NEXT, m_buttonNext);
    DDX_Control(dx, IDC_BUTTON_APPLY, m_buttonApply);
    DDX_Control(dx, IDC_BUTTON_BACK_TO_UPDATE, m_buttonBackToUpdate);
    DDX_Control(dx, IDC_BUTTON_FORWARD_TO_RESTORE, m_buttonForwardToRestore);
    DDX_Control(dx, IDC_PROGRESS, m_progressBar);
    DDX_Control(dx, IDC_PERCENT_SIGN, m_percentSign);
    DDX_Control(dx, IDC_PERCENT_NUMBER, m_percentNumber);
    DDX_Control(dx, IDC_BUTTON_FIRST_SETTINGS_PAGE, m_buttonFirstSettingsPage);
    DDX_Control(dx, IDC_BUTTON_SETTINGS_PAGE_LIST, m_buttonSettingsPageList);
    DDX_Control(dx, IDC_SETTINGS_PAGE_LIST, m_settingsPageList);
}

CDialog* CUpdaterDlg::GetPageWindow(int page)
{
    switch (page) {
    case 1: return &m_pageDeviceSelection;
    case 2: return &m_pageDeviceRecognition;
    case 3: return &m_pageFirmwareUpdate;
    case 4: return &m_pageFirmwareRestore;
    case 5: return &m_pageDeviceSetting;
    case 6: return &m_pageDeviceSettingSecond;
    case 7: return &m_pageDeviceSettingSpeedDial;
    default: return nullptr;
    }
}

CSettingsPageDialog* CUpdaterDlg::GetSettingsPage(int page)
{
    switch (page) {
    case 5: return &m_pageDeviceSetting;
    case 6: return &m_pageDeviceSettingSecond;
    case 7: return &m_pageDeviceSettingSpeedDial;
    default: return nullptr;
    }
}

BOOL CUpdaterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetMainWindowHandle(m_hWnd);

    m_toolTip.Create(this);

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        wchar_t about[128] = {};
        if (::LoadStringW(AfxGetResourceHandle(), IDS_ABOUTBOX, about, 128) > 0) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }

    SetWindowText(GetTextProductName().c_str());
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // Every later conversion between 8-bit and wide text goes through this locale.
    std::setlocale(LC_ALL, "");

    m_background.SetBitmap(m_bitmapWindowBackground);

    for (int page = 1; page <= 7; ++page)
        GetPageWindow(page)->Create(kPageTemplates[page - 1], &m_pageArea);

    LoadConfiguration();
    SetToolTips();
    SetTimer(kTimerStart, kStartDelayMs);
    ActivateToolTips();
    return TRUE;
}

void CUpdaterDlg::OnDestroy()
{
    SetMainWindowHandle(nullptr);
    CDialog::OnDestroy();
}

void CUpdaterDlg::OnTimer(UINT_PTR id)
{
    if (id == kTimerStart) {
        KillTimer(kTimerStart);
        CreateFonts();
        ShowDeviceSelectionPage();
    }
    CDialog::OnTimer(id);
}
