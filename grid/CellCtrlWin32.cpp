#include "grid/CellCtrl.h"

#include <map>
#include <memory>

#include "grid/CellValues.h"
#include "res/resource.h"

namespace {

GridRect ToGrid(const RECT& rect)
{
    return GridRect{rect.left, rect.top, rect.right, rect.bottom};
}

CRect ToRect(const GridRect& rect)
{
    return CRect(rect.left, rect.top, rect.right, rect.bottom);
}

// A cell's picture, loaded from the resources at its first drawing and kept
// for every later one.
CBitmap* CellBitmap(UINT id)
{
    static std::map<UINT, std::unique_ptr<CBitmap>> loaded;
    std::unique_ptr<CBitmap>& bitmap = loaded[id];
    if (!bitmap) {
        bitmap = std::make_unique<CBitmap>();
        bitmap->LoadBitmap(id);
    }
    return bitmap->GetSafeHandle() ? bitmap.get() : nullptr;
}

} // namespace

// ---------------------------------------------------------------- CCellCtrl

CCellCtrl::~CCellCtrl() = default;

CFont& CCellCtrl::SharedFont()
{
    static CFont font;
    if (!font.GetSafeHandle()) {
        LOGFONTW logFont{};
        logFont.lfHeight = -12;
        logFont.lfWeight = FW_BOLD;
        font.CreateFontIndirect(&logFont);
    }
    return font;
}

void CCellCtrl::Create(HWND listWindow, int* enabled, const CString& value)
{
    m_listWindow = listWindow;
    m_enabled = enabled;
    m_text = value;
}

BOOL CCellCtrl::OnLButtonDown(UINT, int, int)
{
    Activate();
    return TRUE;
}

// ---------------------------------------------------------------- CCellButton

BOOL CCellButton::OnLButtonDown(UINT flags, int x, int y)
{
    Activate();
    if (m_buttonRect.PtInRect(CPoint(x, y)))
        OnClick(flags, x, y);
    return TRUE;
}

void CCellButton::UpdateHover(UINT, int x, int y)
{
    const int hot = m_buttonRect.PtInRect(CPoint(x, y)) ? 1 : 0;
    if (hot != m_hot) {
        m_hot = hot;
        ::InvalidateRect(m_listWindow, &m_buttonRect, FALSE);
    }
}

// ---------------------------------------------------------------- CCellCheckBox

UINT CCellCheckBox::s_classStyle = 0;

CCellCheckBox::CCellCheckBox()
{
    m_state = kCellCentred;
}

CCellCheckBox::~CCellCheckBox() = default;

CImageList& CCellCheckBox::Images()
{
    static CImageList images;
    if (!images.m_hImageList)
        images.Create(IDB_RADIO_IMAGES, kCheckImageSize, 0, RGB(255, 0, 255));
    return images;
}

void CCellCheckBox::Create(HWND listWindow, int* enabled, const CString& value)
{
    CCellCtrl::Create(listWindow, enabled, value);
    m_text = CheckBoxCreationValue(m_text);
    m_checkedText.Empty();
    m_uncheckedText.Empty();
    Images();
}

BOOL CCellCheckBox::OnClick(UINT, int, int)
{
    m_text = CheckBoxToggled(m_text);
    return TRUE;
}

BOOL CCellCheckBox::GetCheck() const
{
    return CheckBoxIsChecked(m_text) ? TRUE : FALSE;
}

void CCellCheckBox::SetCheck(BOOL check)
{
    m_text = CheckBoxWithCheck(m_text, check != FALSE);
}

void CCellCheckBox::Draw(CDC* dc, RECT* rect, UINT)
{
    const int saved = dc->SaveDC();
    m_buttonRect.SetRectEmpty();
    m_cellRect = *rect;
    const bool disabled = IsDrawnDisabled();
    dc->SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    dc->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
    dc->SelectObject(&m_font);
    CImageList& images = Images();

    if (!m_checkedText.IsEmpty()) {
        const CheckBoxTwoOptionLayout layout = LayOutTwoOptions(ToGrid(*rect), m_text, disabled);
        images.Draw(dc, layout.imageA, CPoint(layout.optionALeft, rect->top + 1), ILD_NORMAL);
        images.Draw(dc, layout.imageB, CPoint(layout.optionBLeft, rect->top + 1), ILD_NORMAL);
        CRect labelA(layout.optionALeft + kCheckImageSize, rect->top + 3, layout.optionBLeft, rect->bottom);
        CRect labelB(layout.optionBLeft + kCheckImageSize, rect->top + 3, rect->right, rect->bottom);
        dc->DrawText(m_checkedText, labelA, DT_END_ELLIPSIS | DT_BOTTOM);
        dc->DrawText(m_uncheckedText, labelB, DT_END_ELLIPSIS | DT_BOTTOM);
        m_buttonRect = ToRect(layout.clickArea);
    } else {
        const CString label = m_text.Mid(1);
        const CSize extent = dc->GetTextExtent(label);
        const CheckBoxSingleLayout layout =
            LayOutSingleBox(ToGrid(*rect), m_text, extent.cx, label.IsEmpty() ? 0 : extent.cy, GetStyle(), disabled);
        CRect labelRect = ToRect(layout.labelRect);
        if (layout.drawBox) {
            images.Draw(dc, layout.image, CPoint(layout.boxLeft, layout.boxTop), ILD_NORMAL);
            m_buttonRect = ToRect(layout.clickArea);
        }
        dc->DrawText(label, labelRect, DT_END_ELLIPSIS | DT_BOTTOM | DT_CENTER);
    }
    dc->RestoreDC(saved);
}

int CCellCheckBox::GetPreferredWidth()
{
    int width = 0;
    if (!m_text.IsEmpty()) {
        HDC screen = ::GetDC(m_listWindow);
        CDC dc;
        dc.Attach(screen);
        HGDIOBJ old = dc.SelectObject(&m_font);
        width = dc.GetTextExtent(m_text.Mid(1) + L"i").cx;
        dc.SelectObject(old);
        ::ReleaseDC(m_listWindow, dc.Detach());
    }
    return width + kCheckImageSize;
}

// ---------------------------------------------------------------- CCellPushButton

UINT CCellPushButton::s_classStyle = 0;

CCellPushButton::CCellPushButton(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
    : m_target(target), m_message(message), m_wParam(wParam), m_lParam(lParam)
{
    m_state = kCellCentred;
}

void CCellPushButton::Draw(CDC* dc, RECT* rect, UINT)
{
    const int saved = dc->SaveDC();
    m_buttonRect.SetRectEmpty();
    ::InflateRect(rect, -15, -15);
    m_cellRect = *rect;
    const bool disabled = IsDrawnDisabled();
    dc->SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    // A row lower than the margins leaves nothing to frame or fill; the
    // icon below still finds its place in the sub-item.
    const bool roomForFrame = rect->right > rect->left && rect->bottom > rect->top;
    if (roomForFrame) {
        dc->FillSolidRect(rect, ::GetSysColor(disabled ? COLOR_BTNFACE : COLOR_WINDOW));
        dc->SelectObject(&m_font);
        m_buttonRect = *rect;
        m_buttonRect.right -= ::GetSystemMetrics(SM_CXEDGE);
        CBrush face(::GetSysColor(COLOR_BTNFACE));
        HGDIOBJ oldBrush = dc->SelectObject(&face);
        dc->Rectangle(m_buttonRect);
        dc->SelectObject(oldBrush);
    }
    if (!m_text.IsEmpty()) {
        if (roomForFrame) {
            CRect label = m_cellRect;
            UINT edge = EDGE_RAISED;
            if (m_active && !disabled) {
                edge = EDGE_ETCHED;
                label.OffsetRect(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
            }
            dc->DrawEdge(m_buttonRect, edge, BF_RECT);
            dc->DrawText(m_text, label, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
    } else if (m_bitmapId) {
        if (CBitmap* bitmap = CellBitmap(m_bitmapId)) {
            BITMAP info{};
            bitmap->GetBitmap(&info);
            CDC memory;
            memory.CreateCompatibleDC(dc);
            HGDIOBJ old = memory.SelectObject(bitmap);
            const int left = rect->left - 15 + 3;
            const int top = rect->top - 15 + 2;
            dc->TransparentBlt(left, top, info.bmWidth, info.bmHeight, &memory, 0, 0, info.bmWidth, info.bmHeight,
                               RGB(255, 255, 255));
            memory.SelectObject(old);
        }
    }
    dc->RestoreDC(saved);
}

int CCellPushButton::GetPreferredWidth()
{
    int width = 0;
    if (!m_text.IsEmpty()) {
        HDC screen = ::GetDC(m_listWindow);
        CDC dc;
        dc.Attach(screen);
        HGDIOBJ old = dc.SelectObject(&m_font);
        width = dc.GetTextExtent(m_text + L"i").cx;
        dc.SelectObject(old);
        ::ReleaseDC(m_listWindow, dc.Detach());
    }
    return width + 20;
}

BOOL CCellPushButton::OnLButtonDown(UINT flags, int x, int y)
{
    m_active = 1;
    CCellButton::OnLButtonDown(flags, x, y);
    return FALSE;
}

BOOL CCellPushButton::OnLButtonUp(UINT, int, int)
{
    m_active = 0;
    ::InvalidateRect(m_listWindow, &m_buttonRect, FALSE);
    return FALSE;
}

BOOL CCellPushButton::OnClick(UINT, int, int)
{
    if (m_target)
        ::PostMessageW(m_target, m_message, m_wParam, m_lParam);
    return TRUE;
}
