#include "app/UpdaterDlg.h"

#include <clocale>

#include "app/MainDialog.h"
#include "device/ModelCatalogue.h"
#include "link/HidDeviceSeam.h"
#include "res/resource.h"
#include "text/SharedWords.h"
#include "text/StatusWords.h"

namespace {

const UINT kTimerStart = 1;
const UINT kStartDelayMs = 100;

// The skin's palette (COLORREF, 0x00BBGGRR).
const COLORREF kWhite = 0xFFFFFF;
const COLORREF kPageButton = 0xF6FFFF;
const COLORREF kStrip = 0xD6E0E0;
const COLORREF kPressed = 0xD8ECEC;
const COLORREF kDisabled = 0xEAF4F4;
const COLORREF kDisabledText = 0x93A1A1;
const COLORREF kGreyText = 0x7F8D8D;
const COLORREF kStatusNormal = 0xFFD5B5;
const COLORREF kStatusWarning = 0x8EFF;

// The five brushes, in the order the main window makes them.
enum Brush { BrushWhite, BrushPageButton, BrushStrip, BrushStatusNormal, BrushStatusWarning };
const COLORREF kBrushColours[kSkinBrushCount] = {kWhite, kPageButton, kStrip, kStatusNormal, kStatusWarning};

// Language flags by UI language index.
const UINT kFlagIds[kUiLanguageCount] = {
    IDB_FLAG_ENGLISH, IDB_FLAG_FRENCH,  IDB_FLAG_GERMAN, IDB_FLAG_ITALIAN, IDB_FLAG_JAPANESE,
    IDB_FLAG_KOREAN,  IDB_FLAG_SPANISH, IDB_FLAG_DUTCH,  IDB_FLAG_RUSSIAN, IDB_FLAG_CHINESE,
    IDB_FLAG_FINNISH, IDB_FLAG_CZECH,   IDB_FLAG_POLISH,
};

// Page templates in page order.
const UINT kPageTemplates[7] = {
    IDD_DEVICE_SELECTION, IDD_DEVICE_RECOGNITION,    IDD_FIRMWARE_UPDATE,           IDD_FIRMWARE_RESTORE,
    IDD_DEVICE_SETTING,   IDD_DEVICE_SETTING_SECOND, IDD_DEVICE_SETTING_SPEED_DIAL,
};

bool IsSmallOrPageButton(int id)
{
    return id == IDC_BUTTON_CLOSE || id == IDC_BUTTON_ABOUT || id == IDC_BUTTON_INFORMATION ||
           (id >= IDC_BUTTON_HOME && id <= IDC_BUTTON_DEVICE_SETTING);
}

bool IsNavigationButton(int id)
{
    return (id >= IDC_BUTTON_BACK && id <= IDC_BUTTON_BACK_TO_UPDATE) || id == IDC_BUTTON_FORWARD_TO_RESTORE;
}

CString ItemText(HWND item)
{
    wchar_t text[261] = {};
    ::GetWindowTextW(item, text, 261);
    return CString(text);
}

} // namespace

CUpdaterDlg* GetMainDialog(const CWnd* wnd)
{
    if (!wnd || !wnd->m_hWnd)
        return nullptr;
    HWND parent = ::GetParent(wnd->m_hWnd);
    HWND grandparent = parent ? ::GetParent(parent) : nullptr;
    return dynamic_cast<CUpdaterDlg*>(CWnd::FromHandlePermanent(grandparent));
}

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
END_MESSAGE_MAP()

// Every member gets its value here: page creation in OnInitDialog already
// sends messages that read the busy flag and its friends, before the
// configuration is read.
CUpdaterDlg::CUpdaterDlg(CWnd* parent)
    : CDialog(IDD_UPDATER_DIALOG, parent), m_page(0), m_recognized(0), m_hidPrimary(nullptr), m_hidSecondary(nullptr),
      m_settingsPageCount(0), m_settingsPages{0, 0, 0}, m_settingsPageIndex(0), m_dropListOpen(0), m_modelCode(0),
      m_cameraWaitPending(0), m_waitForUser(0), m_uiLanguage(0), m_applyToFirmwareLanguage(0), m_usbStatus(0),
      m_busy(0), m_statusIconFlag(1), m_progress(-1), m_hIcon(nullptr)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                          : ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_hidPrimary = nullptr;
    m_hidSecondary = nullptr;
    // A bitmap that fails to load is not reported: the window goes on without it.
    m_bitmapWindowBackground.LoadBitmap(IDB_WINDOW_BACKGROUND);
    m_bitmapPageBackground.LoadBitmap(IDB_PAGE_BACKGROUND);
    m_bitmapNoDevice.LoadBitmap(IDB_NO_DEVICE);
    m_bitmapProductLogo.LoadBitmap(IDB_PRODUCT_LOGO);
    m_bitmapWarning.LoadBitmap(IDB_WARNING);
    for (int i = 0; i < kUiLanguageCount; ++i)
        m_flags[i].LoadBitmap(kFlagIds[i]);
    for (int i = 0; i < kSkinBrushCount; ++i)
        m_brushes[i].CreateSolidBrush(kBrushColours[i]);
}

CUpdaterDlg::~CUpdaterDlg() = default;

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

void CUpdaterDlg::OnTimer(UINT_PTR id)
{
    if (id == kTimerStart) {
        KillTimer(kTimerStart);
        CreateFonts();
        ShowDeviceSelectionPage();
    }
    CDialog::OnTimer(id);
}

HBRUSH CUpdaterDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH base = CDialog::OnCtlColor(dc, wnd, ctlColor);
    const int id = wnd ? wnd->GetDlgCtrlID() : 0;
    switch (id) {
    case IDC_BUTTON_ABOUT:
    case IDC_BUTTON_CLOSE:
    case IDC_BUTTON_NEXT:
    case IDC_BUTTON_FORWARD_TO_RESTORE:
    case IDC_BUTTON_BACK:
    case IDC_BUTTON_BACK_TO_UPDATE:
    case IDC_BUTTON_APPLY:
    case IDC_PROGRESS:
    case IDC_PERCENT_NUMBER:
    case IDC_PERCENT_SIGN:
    case IDC_SETTINGS_PAGE_LIST:
    case IDC_BUTTON_INFORMATION:
    case IDC_PAGE_AREA: dc->SetBkMode(TRANSPARENT); return m_brushes[BrushWhite];
    case IDC_BUTTON_HOME:
    case IDC_BUTTON_DEVICE_RECOGNITION:
    case IDC_BUTTON_FIRMWARE_UPDATE:
    case IDC_BUTTON_FIRMWARE_RESTORE:
    case IDC_BUTTON_DEVICE_SETTING: dc->SetBkMode(TRANSPARENT); return m_brushes[BrushPageButton];
    case IDC_BREADCRUMB:
    case IDC_BUTTON_FIRST_SETTINGS_PAGE:
    case IDC_BUTTON_SETTINGS_PAGE_LIST: dc->SetBkMode(TRANSPARENT); return m_brushes[BrushStrip];
    case IDC_STATUS_UPPER:
    case IDC_STATUS_TEXT:
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(0);
        return m_statusIconFlag ? m_brushes[BrushStatusNormal] : m_brushes[BrushStatusWarning];
    case IDC_BACKGROUND: dc->SetBkMode(TRANSPARENT); return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    case IDC_DEVICE_PICTURE:
    case IDC_DEVICE_NAME:
    case IDC_DEVICE_VERSION: dc->SetBkMode(TRANSPARENT); return m_brushes[BrushWhite];
    default:
        if (ctlColor == CTLCOLOR_DLG) {
            dc->SetBkMode(TRANSPARENT);
            return m_brushes[BrushWhite];
        }
        return base;
    }
}

void CUpdaterDlg::OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem)
{
    if (!drawItem || drawItem->CtlType != ODT_BUTTON) {
        CDialog::OnDrawItem(id, drawItem);
        return;
    }
    CDC dc;
    dc.Attach(drawItem->hDC);
    CRect rect(drawItem->rcItem);
    const bool pressed = (drawItem->itemState & ODS_SELECTED) != 0;
    const bool disabled = (drawItem->itemState & ODS_DISABLED) != 0;
    const bool focused = (drawItem->itemState & ODS_FOCUS) != 0;
    const CString text = ItemText(drawItem->hwndItem);
    dc.SetBkMode(TRANSPARENT);

    if (IsSmallOrPageButton(id)) {
        const bool pageButton = id >= IDC_BUTTON_HOME && id <= IDC_BUTTON_DEVICE_SETTING;
        COLORREF fill = pageButton ? kPageButton : kWhite;
        COLORREF ink = 0;
        if (pressed && !disabled) {
            fill = kPressed;
        } else if (pressed) {
            fill = kStrip;
            ink = kGreyText;
        } else if (disabled) {
            fill = kDisabled;
            ink = kDisabledText;
        }
        dc.FillSolidRect(&rect, fill);
        if (!disabled) {
            CRect edge = rect;
            dc.DrawEdge(&edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        }
        if (focused && !disabled) {
            CRect focus = rect;
            focus.DeflateRect(3, 3);
            dc.DrawFocusRect(&focus);
        }
        dc.SetTextColor(ink);
        dc.DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else if (IsNavigationButton(id)) {
        dc.FillSolidRect(&rect, kWhite);
        CRect pill = rect;
        pill.DeflateRect(5, 5);
        const int round = pill.Height() - 3;
        const bool apply = id == IDC_BUTTON_APPLY;
        COLORREF brush = kWhite, pen = kWhite, ink = 0;
        if (pressed && !disabled) {
            brush = apply ? kDisabledText : kPressed;
            pen = apply ? kGreyText : kPressed;
        } else if (pressed) {
            ink = kGreyText;
        } else if (!disabled) {
            brush = apply ? kStrip : kWhite;
            pen = apply ? kDisabledText : kWhite;
        } else {
            ink = kDisabledText;
        }
        CBrush fill(brush);
        CPen outline(PS_SOLID, 3, pen);
        HGDIOBJ oldBrush = dc.SelectObject(&fill);
        HGDIOBJ oldPen = dc.SelectObject(&outline);
        dc.RoundRect(&pill, CPoint(round, round));
        if (focused && !disabled) {
            CPen dotted(PS_DOT, 1, 0);
            dc.SelectObject(&dotted);
            dc.SelectStockObject(NULL_BRUSH);
            CRect inner = pill;
            inner.DeflateRect(3, 3);
            dc.RoundRect(&inner, CPoint(round - 6 > 0 ? round - 6 : 0, round - 6 > 0 ? round - 6 : 0));
            dc.SelectObject(&outline);
        }
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
        UINT align = DT_CENTER;
        if (id == IDC_BUTTON_BACK || id == IDC_BUTTON_BACK_TO_UPDATE)
            align = DT_LEFT;
        else if (id == IDC_BUTTON_NEXT || id == IDC_BUTTON_FORWARD_TO_RESTORE)
            align = DT_RIGHT;
        dc.SetTextColor(ink);
        CRect textRect = pill;
        textRect.DeflateRect(4, 0);
        dc.DrawText(text, &textRect, align | DT_VCENTER | DT_SINGLELINE);
    } else if (id == IDC_BUTTON_FIRST_SETTINGS_PAGE || id == IDC_BUTTON_SETTINGS_PAGE_LIST) {
        dc.FillSolidRect(&rect, disabled ? kWhite : kStrip);
        dc.SetTextColor(disabled ? 0 : kGreyText);
        dc.DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CBrush frame(kGreyText);
        CRect edge;
        edge.SetRect(rect.left, rect.top, rect.left + 2, rect.bottom);
        dc.FillRect(&edge, &frame);
        edge.SetRect(rect.right - 2, rect.top, rect.right, rect.bottom);
        dc.FillRect(&edge, &frame);
        edge.SetRect(rect.left, rect.top, rect.right, rect.top + 2);
        dc.FillRect(&edge, &frame);
        if (!disabled) {
            edge.SetRect(rect.left, rect.bottom - 2, rect.right, rect.bottom);
            dc.FillRect(&edge, &frame);
        }
    } else {
        dc.Detach();
        CDialog::OnDrawItem(id, drawItem);
        return;
    }
    dc.Detach();
}

void CUpdaterDlg::OnLButtonDown(UINT flags, CPoint point)
{
    CDialog::OnLButtonDown(flags, point);
    // The window has no caption: it is dragged by any point of its client area.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

int CUpdaterDlg::IsTargetDevice(int productId) const
{
    return ::IsTargetDevice(m_modelCode, productId);
}
