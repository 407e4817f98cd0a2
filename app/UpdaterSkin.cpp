#include "app/SkinPalette.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"

// The main window's skin: its brushes and bitmaps, the colours it gives its
// controls and the owner drawing of the frame's buttons.

namespace {

// The five brushes, in the order the main window makes them.
enum Brush { BrushWhite, BrushPageButton, BrushStrip, BrushStatusNormal, BrushStatusWarning };
const COLORREF kBrushColours[kSkinBrushCount] = {kSkinWhite, kSkinPageButton, kSkinStrip, kSkinStatusNormal,
                                                 kSkinStatusWarning};

// Language flags by UI language index.
const UINT kFlagIds[kUiLanguageCount] = {
    IDB_FLAG_ENGLISH, IDB_FLAG_FRENCH,  IDB_FLAG_GERMAN, IDB_FLAG_ITALIAN, IDB_FLAG_JAPANESE,
    IDB_FLAG_KOREAN,  IDB_FLAG_SPANISH, IDB_FLAG_DUTCH,  IDB_FLAG_RUSSIAN, IDB_FLAG_CHINESE,
    IDB_FLAG_FINNISH, IDB_FLAG_CZECH,   IDB_FLAG_POLISH,
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

void CUpdaterDlg::LoadSkin()
{
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

// The background picture stretches over the whole background control: the
// piece under a control is cut from it as the control paints it, not read
// from the screen, so it is the same whatever lies over the window.
HBITMAP CUpdaterDlg::SkinUnder(CWnd& control)
{
    BITMAP picture{};
    if (!m_bitmapWindowBackground.GetSafeHandle() || !m_background.m_hWnd ||
        !::GetObjectW(m_bitmapWindowBackground.GetSafeHandle(), sizeof(picture), &picture))
        return nullptr;
    CRect area;
    m_background.GetClientRect(&area);
    CRect piece;
    control.GetClientRect(&piece);
    ::MapWindowPoints(control.m_hWnd, m_background.m_hWnd, reinterpret_cast<POINT*>(&piece), 2);
    if (piece.Width() <= 0 || piece.Height() <= 0)
        return nullptr;
    const HDC screen = ::GetDC(m_hWnd);
    const HDC source = ::CreateCompatibleDC(screen);
    const HDC target = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, piece.Width(), piece.Height());
    if (source && target && bitmap) {
        const HGDIOBJ oldSource = ::SelectObject(source, m_bitmapWindowBackground.GetSafeHandle());
        const HGDIOBJ oldTarget = ::SelectObject(target, bitmap);
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, -piece.left, -piece.top, area.Width(), area.Height(), source, 0, 0, picture.bmWidth,
                     picture.bmHeight, SRCCOPY);
        ::SelectObject(target, oldTarget);
        ::SelectObject(source, oldSource);
    }
    if (target)
        ::DeleteDC(target);
    if (source)
        ::DeleteDC(source);
    ::ReleaseDC(m_hWnd, screen);
    return bitmap;
}

HBRUSH CUpdaterDlg::HeaderBrush(CWnd& control, int slot)
{
    CBrush& brush = m_headerBrushes[slot];
    if (brush.GetSafeHandle())
        return brush;
    CBitmap piece;
    if (!piece.Attach(SkinUnder(control)))
        return m_brushes[BrushWhite];
    brush.CreatePatternBrush(&piece);
    // The picture label paints the same piece behind the unit's picture.
    if (&control == &m_devicePicture && !m_devicePicture.m_background.GetSafeHandle())
        m_devicePicture.m_background.Attach(SkinUnder(control));
    return brush.GetSafeHandle() ? static_cast<HBRUSH>(brush) : static_cast<HBRUSH>(m_brushes[BrushWhite]);
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
    case IDC_DEVICE_PICTURE: dc->SetBkMode(TRANSPARENT); return HeaderBrush(*wnd, 0);
    case IDC_DEVICE_NAME: dc->SetBkMode(TRANSPARENT); return HeaderBrush(*wnd, 1);
    case IDC_DEVICE_VERSION: dc->SetBkMode(TRANSPARENT); return HeaderBrush(*wnd, 2);
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
        COLORREF fill = pageButton ? kSkinPageButton : kSkinWhite;
        COLORREF ink = 0;
        if (pressed && !disabled) {
            fill = kSkinPressed;
        } else if (pressed) {
            fill = kSkinStrip;
            ink = kSkinGreyText;
        } else if (disabled) {
            fill = kSkinDisabled;
            ink = kSkinDisabledText;
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
        dc.FillSolidRect(&rect, kSkinWhite);
        CRect pill = rect;
        pill.DeflateRect(5, 5);
        const int round = pill.Height() - 3;
        const bool apply = id == IDC_BUTTON_APPLY;
        COLORREF brush = kSkinWhite, pen = kSkinWhite, ink = 0;
        if (pressed && !disabled) {
            brush = apply ? kSkinDisabledText : kSkinPressed;
            pen = apply ? kSkinGreyText : kSkinPressed;
        } else if (pressed) {
            ink = kSkinGreyText;
        } else if (!disabled) {
            brush = apply ? kSkinStrip : kSkinWhite;
            pen = apply ? kSkinDisabledText : kSkinWhite;
        } else {
            ink = kSkinDisabledText;
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
        dc.FillSolidRect(&rect, disabled ? kSkinWhite : kSkinStrip);
        dc.SetTextColor(disabled ? 0 : kSkinGreyText);
        dc.DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        CBrush frame(kSkinGreyText);
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
