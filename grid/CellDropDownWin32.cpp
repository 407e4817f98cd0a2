#include "grid/CellDropDown.h"

#include <algorithm>

#include "grid/CellValues.h"
#include "grid/ConfigListCtrl.h"
#include "grid/PopUpListLayout.h"
#include "settings/DialogDeviceSetting.h"

namespace {

GridRect ToGrid(const RECT& rect)
{
    return GridRect{rect.left, rect.top, rect.right, rect.bottom};
}

PopUpMetrics SystemPopUpMetrics()
{
    PopUpMetrics metrics;
    metrics.cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    metrics.cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    metrics.cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    metrics.cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    metrics.cxDlgFrame = ::GetSystemMetrics(SM_CXDLGFRAME);
    metrics.cyDlgFrame = ::GetSystemMetrics(SM_CYDLGFRAME);
    return metrics;
}

// The process-wide lock is made once and never destroyed: a pressed-look
// thread still sleeping while the program ends must find it whole.
CButtonCritSect& g_buttonCritSect = *new CButtonCritSect;

} // namespace

CButtonCritSect& GetButtonCritSect()
{
    return g_buttonCritSect;
}

int CButtonCritSect::ReadPressed()
{
    Lock();
    const int pressed = m_pressed;
    Unlock();
    return pressed;
}

void CButtonCritSect::WritePressed(int pressed)
{
    Lock();
    m_pressed = pressed;
    Unlock();
}

UINT __cdecl DropDownPressedLookThread(LPVOID param)
{
    PressedLookStart* start = static_cast<PressedLookStart*>(param);
    ::Sleep(200);
    CButtonCritSect& lock = GetButtonCritSect();
    const int old = lock.ReadPressed();
    const int now = (::GetKeyState(VK_LBUTTON) < 0 && ::PtInRect(&start->dropButton, start->clickPoint)) ? 1 : 0;
    if (now != old) {
        lock.WritePressed(now);
        ::InvalidateRect(start->grid, &start->dropButton, FALSE);
    }
    delete start;
    return 0;
}

// ---------------------------------------------------------------- pop-up windows

BEGIN_MESSAGE_MAP(CListCtrlCellWnd, CWnd)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CListCtrlCellWnd::NotifyClosed()
{
    ::SendMessageW(m_ownerGrid, kPopUpListMessage, kPopUpClosed, 0);
    ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CListCtrlCellWnd::OnKeyDown(UINT key, UINT, UINT)
{
    if (key == VK_F4)
        NotifyClosed();
    Default();
}

BEGIN_MESSAGE_MAP(CPopUpScrollList, CListCtrlCellWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_VSCROLL()
ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheelMessage)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CPopUpScrollList::CreatePopUp(HWND ownerGrid, CCellComboBox* combo)
{
    const wchar_t* className =
        AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_PARENTDC | CS_SAVEBITS, nullptr,
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!className || !CreateEx(0, className, L"", WS_POPUP, CRect(), CWnd::FromHandle(::GetParent(ownerGrid)), 0))
        return FALSE;
    m_ownerGrid = ownerGrid;
    m_combo = combo;
    m_scrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT | SBS_RIGHTALIGN, CRect(), this, 0);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = combo->GetItemCount() - 1;
    info.nPage = static_cast<UINT>(combo->m_visibleRows);
    info.nPos = 0;
    m_scrollBar.SetScrollInfo(&info, TRUE);
    return TRUE;
}

void CPopUpScrollList::NotifyChosen()
{
    ::SendMessageW(m_ownerGrid, kPopUpListMessage, kPopUpChosen, m_scrollBar.GetScrollPos() + m_highlighted);
    ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CPopUpScrollList::OnPaint()
{
    CPaintDC dc(this);
    if (!m_combo)
        return;
    CRect client;
    GetClientRect(client);
    const PopUpMetrics metrics = SystemPopUpMetrics();
    const int count = m_combo->GetItemCount();
    const PopUpRows rows = LayOutPopUpRows(ToGrid(client), count, m_combo->m_visibleRows, metrics, false);

    CPen black(PS_SOLID, 0, RGB(0, 0, 0));
    HGDIOBJ oldPen = dc.SelectObject(&black);
    HGDIOBJ oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Rectangle(client);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);

    if (rows.scrollBar)
        m_scrollBar.SetWindowPos(nullptr, rows.inner.right - metrics.cxVScroll, rows.inner.top, metrics.cxVScroll,
                                 rows.inner.Height(), SWP_SHOWWINDOW | SWP_NOZORDER);
    m_scrollBar.ShowScrollBar(rows.scrollBar ? TRUE : FALSE);

    HGDIOBJ oldFont = dc.SelectObject(&CCellCtrl::SharedFont());
    dc.SetBkMode(TRANSPARENT);
    const int position = m_scrollBar.GetScrollPos();
    for (int i = m_topRow; i < rows.rows; ++i) {
        const GridRect row = PopUpRowRect(rows, i);
        CRect rowRect(row.left, row.top, row.right, row.bottom);
        dc.FillSolidRect(rowRect, ::GetSysColor(i == m_highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        CRect text = rowRect;
        text.DeflateRect(metrics.cxDlgFrame, 0);
        text.top += metrics.cyBorder;
        const int item = i + position;
        if (item >= 0 && item < count)
            m_combo->DrawItemText(&dc, text, m_combo->m_items[static_cast<size_t>(item)], i == m_highlighted, FALSE);
    }
    dc.SelectObject(oldFont);
}

void CPopUpScrollList::OnMouseMove(UINT, CPoint point)
{
    if (m_combo) {
        m_combo->UpdatePressedLook(point.x, point.y);
        CRect client;
        GetClientRect(client);
        const PopUpRows rows = LayOutPopUpRows(ToGrid(client), m_combo->GetItemCount(), m_combo->m_visibleRows,
                                               SystemPopUpMetrics(), true);
        const int row = PopUpRowAt(rows, point.x, point.y);
        if (row != -1 && row != m_highlighted) {
            m_highlighted = row;
            Invalidate(FALSE);
        }
    }
    Default();
}

void CPopUpScrollList::OnLButtonDown(UINT, CPoint)
{
    NotifyChosen();
    Default();
}

void CPopUpScrollList::OnLButtonUp(UINT flags, CPoint point)
{
    DefaultMouseHandler(flags, point);
}

void CPopUpScrollList::OnVScroll(UINT code, UINT, CWnd*)
{
    if (m_combo) {
        SCROLLINFO info{};
        m_scrollBar.GetScrollInfo(&info, SIF_ALL);
        const PopUpScroll now{info.nPos, m_highlighted};
        const PopUpScroll wanted =
            PopUpVScroll(code, info.nTrackPos, now, m_combo->GetItemCount(), m_combo->m_visibleRows);
        m_scrollBar.SetScrollPos(wanted.position, TRUE);
        const int actual = m_scrollBar.GetScrollPos();
        m_highlighted += now.position - actual;
        Invalidate(FALSE);
    }
    Default();
}

LRESULT CPopUpScrollList::OnMouseWheelMessage(WPARAM wParam, LPARAM)
{
    if (!m_combo)
        return TRUE;
    const PopUpScroll now{m_scrollBar.GetScrollPos(), m_highlighted};
    const PopUpScroll wanted =
        PopUpWheel(GET_WHEEL_DELTA_WPARAM(wParam), now, m_combo->GetItemCount(), m_combo->m_visibleRows);
    m_scrollBar.SetScrollPos(wanted.position, TRUE);
    // The highlight follows its item by the move actually made, so a click
    // without a mouse move picks the item the user sees highlighted.
    m_highlighted += now.position - m_scrollBar.GetScrollPos();
    Invalidate(FALSE);
    return TRUE;
}

void CPopUpScrollList::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (m_combo) {
        const PopUpScroll now{m_scrollBar.GetScrollPos(), m_highlighted};
        const PopUpScroll next = PopUpKey(key, now, m_combo->GetItemCount(), m_combo->m_visibleRows);
        m_highlighted = next.highlighted;
        m_scrollBar.SetScrollPos(next.position, TRUE);
        Invalidate(TRUE);
    }
    CListCtrlCellWnd::OnKeyDown(key, repeat, flags);
}

// ---------------------------------------------------------------- CCellDropDown

CCellDropDown::CCellDropDown()
{
    m_buttonWidth = ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXEDGE);
}

CCellDropDown::~CCellDropDown()
{
    if (m_open)
        SetOpen(0);
}

void CCellDropDown::SetOpen(int open)
{
    m_open = open;
    // The page hosting the grid learns whether a list is open, and which
    // window it is, so that its main window leaves presses in it alone.
    CWnd* page = CWnd::FromHandlePermanent(::GetParent(m_listWindow));
    if (auto* settingsPage = dynamic_cast<CDialogDeviceSetting*>(page)) {
        settingsPage->m_dropDownOpen = open;
        settingsPage->m_dropDownList = open && m_popUp ? m_popUp->m_hWnd : nullptr;
    }
}

void CCellDropDown::HidePopUp()
{
    if (m_popUp && m_popUp->m_hWnd)
        m_popUp->ShowWindow(SW_HIDE);
}

void CCellDropDown::ComputeTextRect()
{
    m_textRect = m_cellRect;
    m_textRect.left += ::GetSystemMetrics(SM_CXEDGE);
    m_textRect.top += ::GetSystemMetrics(SM_CYEDGE);
    m_textRect.bottom -= ::GetSystemMetrics(SM_CYEDGE);
    m_textRect.right -= m_buttonWidth;
}

void CCellDropDown::Draw(CDC* dc, RECT* rect, UINT)
{
    const int saved = dc->SaveDC();
    const UINT style = GetStyle();
    if ((m_active && (style & kCellEdgeActive)) || (!m_active && (style & kCellEdgeInactive))) {
        dc->DrawEdge(rect, EDGE_SUNKEN, BF_RECT);
    } else if ((m_active && (style & kCellFrameActive)) || (!m_active && (style & kCellFrameInactive))) {
        HGDIOBJ oldBrush = dc->SelectStockObject(HOLLOW_BRUSH);
        dc->Rectangle(rect);
        dc->SelectObject(oldBrush);
    }
    if (m_buttonWidth < rect->right - rect->left) {
        CRect button(rect->right - ::GetSystemMetrics(SM_CXEDGE) - ::GetSystemMetrics(SM_CXVSCROLL),
                     rect->top + ::GetSystemMetrics(SM_CYEDGE), rect->right - ::GetSystemMetrics(SM_CXEDGE),
                     rect->bottom - ::GetSystemMetrics(SM_CYEDGE));
        const int shownPressed = m_drawn ? GetButtonCritSect().ReadPressed() : m_open;
        UINT state = 0;
        if (IsDrawnDisabled())
            state = DFCS_INACTIVE;
        else if (shownPressed && m_active)
            state = DFCS_FLAT;
        ::DrawFrameControl(dc->m_hDC, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state);
        m_narrow = 0;
    } else {
        m_narrow = 1;
    }
    dc->RestoreDC(saved);
}

void CCellDropDown::Deactivate()
{
    m_active = 0;
    HidePopUp();
    SetOpen(0);
}

void CCellDropDown::OnGridLayoutChanged()
{
    HidePopUp();
    SetOpen(0);
}

void CCellDropDown::MoveTo(const RECT& rect)
{
    m_cellRect = rect;
    m_narrow = m_buttonWidth >= m_cellRect.Width() ? 1 : 0;
    ComputeTextRect();
}

void CCellDropDown::SetActiveRect(const RECT& rect)
{
    m_cellRect = rect;
    ComputeTextRect();
    m_dropButtonRect = rect;
    m_dropButtonRect.left = m_dropButtonRect.right - m_buttonWidth;
    m_buttonRect = m_wholeCellClicks ? CRect(rect) : m_dropButtonRect;
}

BOOL CCellDropDown::OnKeyDown(UINT key, UINT, UINT)
{
    if (key == VK_F4)
        OnClick(0, 0, 0);
    return TRUE;
}

BOOL CCellDropDown::OnLButtonDown(UINT flags, int x, int y)
{
    m_active = 1;
    CCellButton::OnLButtonDown(flags, x, y);
    return FALSE;
}

BOOL CCellDropDown::OnLButtonUp(UINT, int, int)
{
    m_active = 0;
    ::InvalidateRect(m_listWindow, &m_buttonRect, FALSE);
    return FALSE;
}

BOOL CCellDropDown::OnVScroll(UINT, UINT, HWND)
{
    // A list left behind by the scrolled grid is hidden, and so no longer open.
    HidePopUp();
    if (m_open)
        SetOpen(0);
    return TRUE;
}

BOOL CCellDropDown::OnHScroll(UINT code, UINT pos, HWND bar)
{
    return OnVScroll(code, pos, bar);
}

void CCellDropDown::OnKillFocus(HWND newWindow)
{
    if (!m_popUp || newWindow == m_popUp->m_hWnd || !m_popUp->IsWindowVisible())
        return;
    HidePopUp();
    SetOpen(0);
    ::InvalidateRect(m_listWindow, &m_dropButtonRect, FALSE);
}

void CCellDropDown::PlacePopUp()
{
    if (!m_open || !m_popUp)
        return;
    CRect rect;
    GetPopUpRect(rect, TRUE);
    ::MapWindowPoints(m_listWindow, nullptr, reinterpret_cast<POINT*>(static_cast<RECT*>(&rect)), 2);
    m_popUp->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW | SWP_NOZORDER);
}

void CCellDropDown::OnPopUpResult(WPARAM wParam, LPARAM lParam)
{
    if (wParam == kPopUpChosen) {
        SelectItem(static_cast<int>(lParam));
        EndPopUp();
    } else if (wParam == kPopUpClosed) {
        EndPopUp();
    }
}

BOOL CCellDropDown::OnClick(UINT, int x, int y)
{
    if (m_narrow || m_open) {
        if (!m_narrow && m_popUp) {
            HidePopUp();
            SetOpen(0);
        }
        return TRUE;
    }
    if (!m_popUp || !m_popUp->m_hWnd)
        return TRUE;
    CRect rect;
    GetPopUpRect(rect, TRUE);
    CRect onScreen = rect;
    ::MapWindowPoints(m_listWindow, nullptr, reinterpret_cast<POINT*>(static_cast<RECT*>(&onScreen)), 2);
    if (!PopUpFitsScreen(ToGrid(onScreen), ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)))
        GetPopUpRect(rect, FALSE);
    ::MapWindowPoints(m_listWindow, nullptr, reinterpret_cast<POINT*>(static_cast<RECT*>(&rect)), 2);
    ::SetWindowPos(m_popUp->m_hWnd, HWND_TOP, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW);

    SyncPopUp();
    m_popUp->SetFocus();
    SetOpen(1);

    GetButtonCritSect().WritePressed(1);
    ::InvalidateRect(m_listWindow, &m_dropButtonRect, FALSE);
    if (m_drawn) {
        auto* start = new PressedLookStart{POINT{x, y}, m_dropButtonRect, m_listWindow};
        if (!AfxBeginThread(DropDownPressedLookThread, start))
            delete start;
    }
    return TRUE;
}

void CCellDropDown::Release()
{
    if (!m_open)
        return;
    SetOpen(0);
    if (m_popUp)
        m_popUp->ClosePopUp();
    ::InvalidateRect(m_listWindow, &m_textRect, TRUE);
    ::InvalidateRect(m_listWindow, &m_dropButtonRect, TRUE);
}

void CCellDropDown::ReleaseMouse()
{
    if (!m_open)
        return;
    ::ReleaseCapture();
    EndPopUp();
}

void CCellDropDown::EndPopUp()
{
    SetOpen(0);
    HidePopUp();
    // The drop button is no longer held down by this list.
    GetButtonCritSect().WritePressed(0);
    ::InvalidateRect(m_listWindow, &m_textRect, FALSE);
    ::InvalidateRect(m_listWindow, &m_cellRect, FALSE);
    ::SetFocus(m_listWindow);
}

void CCellDropDown::UpdatePressedLook(int x, int y)
{
    CButtonCritSect& lock = GetButtonCritSect();
    const int old = lock.ReadPressed();
    const int now = (::GetKeyState(VK_LBUTTON) < 0 && m_dropButtonRect.PtInRect(CPoint(x, y))) ? 1 : 0;
    lock.WritePressed(now);
    if (old != now)
        ::InvalidateRect(m_listWindow, &m_dropButtonRect, FALSE);
}

// ---------------------------------------------------------------- CCellComboBox

UINT CCellComboBox::s_classStyle = kCellEdgeActive | kCellEdgeInactive;

CCellComboBox::CCellComboBox()
{
    m_popUpList = new CPopUpScrollList;
    m_popUp = m_popUpList;
    m_wholeCellClicks = 1;
}

CCellComboBox::~CCellComboBox()
{
    if (m_open)
        SetOpen(0);
    m_popUp = nullptr;
    delete m_popUpList;
}

void CCellComboBox::Create(HWND listWindow, int* enabled, const CString& value)
{
    CCellCtrl::Create(listWindow, enabled, value);
    const ComboItems combo = ParseComboItemString(value);
    m_items = combo.items;
    m_current = combo.current;
    m_text = combo.text;
    m_popUpList->CreatePopUp(listWindow, this);
}

void CCellComboBox::Draw(CDC* dc, RECT* rect, UINT itemState)
{
    const int saved = dc->SaveDC();
    const bool disabled = IsDrawnDisabled();
    dc->FillSolidRect(rect, ::GetSysColor(disabled ? COLOR_BTNFACE : COLOR_WINDOW));
    CRect text = *rect;
    text.DeflateRect(::GetSystemMetrics(SM_CXDLGFRAME), ::GetSystemMetrics(SM_CYDLGFRAME));
    text.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    dc->SelectObject(&m_font);
    dc->SetBkMode(TRANSPARENT);
    DrawItemText(dc, text, m_text, FALSE, disabled ? TRUE : FALSE);
    CCellDropDown::Draw(dc, rect, itemState);
    m_drawn = 1;
    dc->RestoreDC(saved);
}

int CCellComboBox::GetPreferredWidth()
{
    HDC screen = ::GetDC(m_listWindow);
    CDC dc;
    dc.Attach(screen);
    HGDIOBJ old = dc.SelectObject(&m_font);
    const int width = dc.GetTextExtent(m_text + L"i").cx;
    dc.SelectObject(old);
    ::ReleaseDC(m_listWindow, dc.Detach());
    return width + m_buttonWidth;
}

BOOL CCellComboBox::OnMouseMove(UINT, int x, int y)
{
    UpdatePressedLook(x, y);
    return TRUE;
}

void CCellComboBox::SyncPopUp()
{
    const PopUpScroll scroll = ::SyncPopUp(m_current, m_visibleRows);
    m_popUpList->m_highlighted = scroll.highlighted;
    m_popUpList->m_scrollBar.SetScrollPos(scroll.position, TRUE);
}

void CCellComboBox::GetPopUpRect(RECT* rect, BOOL below)
{
    int textHeight = 0;
    if (!m_items.empty()) {
        HDC dc = ::GetDC(m_listWindow);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, L"M", 1, &size);
        ::ReleaseDC(m_listWindow, dc);
        textHeight = size.cy;
    }
    const GridRect popUp =
        PopUpRect(ToGrid(m_cellRect), m_visibleRows, GetItemCount(), textHeight, SystemPopUpMetrics(), below != FALSE);
    *rect = RECT{popUp.left, popUp.top, popUp.right, popUp.bottom};
}

void CCellComboBox::SelectItem(int index)
{
    if (!IsItemIndex(index))
        return;
    m_current = index;
    m_text = m_items[static_cast<size_t>(index)];
}

BOOL CCellComboBox::SetCurSel(int index)
{
    if (!IsItemIndex(index))
        return FALSE;
    m_current = index;
    m_text = m_items[static_cast<size_t>(index)];
    ComputeTextRect();
    ::InvalidateRect(m_listWindow, nullptr, TRUE);
    if (auto* grid = dynamic_cast<CConfigListCtrl*>(CWnd::FromHandlePermanent(m_listWindow)))
        grid->UpdateCellTexts(this, m_text);
    return TRUE;
}

void CCellComboBox::DrawItemText(CDC* dc, RECT* rect, const CString& text, BOOL, BOOL grey)
{
    dc->SetTextColor(::GetSysColor(grey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    UINT format = DT_END_ELLIPSIS | DT_BOTTOM;
    const UINT state = m_state;
    if (state & kCellCentred)
        format |= DT_CENTER;
    else if (state & kCellAlignRight)
        format |= DT_RIGHT;
    dc->DrawText(text, rect, format);
}
