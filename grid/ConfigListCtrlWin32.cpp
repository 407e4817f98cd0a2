#include "grid/ConfigListCtrl.h"

#include <algorithm>

#include "shell/MainDialog.h"
#include "grid/CellDropDown.h"

namespace {

// The page the main window shows, for the basic settings rules (5) and the
// restore page's right-aligned names (4); 0 when the grid stands alone.
constexpr int kBasicSettingsPage = 5;
constexpr int kFirmwareRestorePage = 4;

// The row height the owner-drawn list asks for.
int GridRowHeight()
{
    return ::GetSystemMetrics(SM_CYVTHUMB) + 5 * ::GetSystemMetrics(SM_CYEDGE);
}

bool IsPopUpOfACell(HWND window)
{
    if (!window)
        return false;
    if (dynamic_cast<CListCtrlCellWnd*>(CWnd::FromHandlePermanent(window)))
        return true;
    // A child of a pop-up (its scroll bar) counts as the pop-up.
    return dynamic_cast<CListCtrlCellWnd*>(CWnd::FromHandlePermanent(::GetParent(window))) != nullptr;
}

} // namespace

// ---------------------------------------------------------------- header

BEGIN_MESSAGE_MAP(CConfigHeaderCtrl, CHeaderCtrl)
ON_MESSAGE(HDM_LAYOUT, OnLayout)
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

LRESULT CConfigHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    if (auto* grid = dynamic_cast<CConfigListCtrl*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        grid->RepositionCells();
    return DefWindowProc(HDM_LAYOUT, 0, lParam);
}

void CConfigHeaderCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    HDHITTESTINFO hit{};
    hit.pt = point;
    HitTest(&hit);
    auto* grid = dynamic_cast<CConfigListCtrl*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (grid && (hit.flags == HHT_ONDIVIDER || hit.flags == HHT_ONDIVOPEN)) {
        grid->AutoFitColumn(hit.iItem);
        return;
    }
    Default();
}

void CConfigHeaderCtrl::OnLButtonDown(UINT, CPoint)
{
    ::SetFocus(::GetParent(m_hWnd));
    Default();
}

// ---------------------------------------------------------------- grid

BEGIN_MESSAGE_MAP(CConfigListCtrl, CListCtrl)
ON_MESSAGE(WM_CHAR, OnCharMessage)
ON_WM_KEYDOWN()
ON_MESSAGE(WM_KEYUP, OnKeyUpMessage)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_RBUTTONDOWN, OnRButtonDownMessage)
ON_WM_TIMER()
ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheelMessage)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_MESSAGE(kPopUpListMessage, OnPopupListClosed)
ON_MESSAGE(WM_THEMECHANGED, OnThemeChangedMessage)
ON_MESSAGE(WM_ENABLE, OnEnableMessage)
END_MESSAGE_MAP()

CConfigListCtrl::CConfigListCtrl() = default;

CConfigListCtrl::~CConfigListCtrl()
{
    RemoveAllCells();
}

void CConfigListCtrl::PreSubclassWindow()
{
    if (HWND header = GetHeaderWindow())
        m_header.SubclassWindow(header);
    m_enabled = IsWindowEnabled() ? 1 : 0;
    CListCtrl::PreSubclassWindow();
}

int CConfigListCtrl::CurrentPage() const
{
    CMainDialog* main = GetMainDialog(GetParent());
    return main ? main->m_page : 0;
}

BOOL CConfigListCtrl::SetCell(int row, int column, CCellCtrl* cell, const CString& value)
{
    AttachCell(row, column, cell);
    cell->Create(m_hWnd, &m_enabled, value);
    return SetSubItemText(row, column, cell->GetText()) ? TRUE : FALSE;
}

void CConfigListCtrl::AttachCell(int row, int column, CCellCtrl* cell)
{
    if (m_cells.Lookup(MakeCellKey(row, column)) != cell)
        RemoveCell(row, column);
    Ownership().Attach(row, column, cell);
}

void CConfigListCtrl::RemoveCell(int row, int column)
{
    SetSubItemText(row, column, L"");
    Ownership().Remove(row, column);
}

void CConfigListCtrl::RemoveAllCells()
{
    Ownership().RemoveAll();
}

BOOL CConfigListCtrl::LookupCell(int row, int column, CCellCtrl*& cell) const
{
    cell = nullptr;
    if (row < 0 || column < 0)
        return FALSE;
    cell = m_cells.Lookup(MakeCellKey(row, column));
    return cell != nullptr;
}

CCellCtrl* CConfigListCtrl::GetCell(int row, int column) const
{
    CCellCtrl* cell = nullptr;
    LookupCell(row, column, cell);
    return cell;
}

LRESULT CConfigListCtrl::SetSubItemText(int row, int column, const CString& text)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(static_cast<const wchar_t*>(text));
    return SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int CConfigListCtrl::UpdateCellTexts(CCellCtrl* cell, const CString& text)
{
    for (auto& entry : m_cells.Entries())
        if (entry.second == cell)
            SetSubItemText(CellKeyRow(entry.first), CellKeyColumn(entry.first), text);
    return 0;
}

BOOL CConfigListCtrl::SetCellDisabled(int row, int column, BOOL disable)
{
    CCellCtrl* cell = GetCell(row, column);
    if (!cell)
        return 0;
    if (disable)
        cell->m_state |= kCellDisabled;
    else
        cell->m_state &= ~kCellDisabled;
    CRect rect;
    GetSubItemRect(row, column, LVIR_LABEL, rect);
    InvalidateRect(rect, FALSE);
    return TRUE;
}

void CConfigListCtrl::DeactivateCell()
{
    Ownership().Deactivate();
}

void CConfigListCtrl::ActivateCellByKey(CellKey key)
{
    CCellCtrl* cell = m_cells.Lookup(key);
    if (!cell)
        return;
    SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_activeCell = cell;
    m_activeRow = CellKeyRow(key);
    m_activeColumn = CellKeyColumn(key);
    cell->Activate();
    SetItemState(m_activeRow, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    CRect rect;
    GetSubItemRect(m_activeRow, m_activeColumn, LVIR_LABEL, rect);
    cell->SetActiveRect(rect);
    cell->OnActivated(0, 0, 0);
}

int CConfigListCtrl::InsertItem(int row, const wchar_t* text)
{
    // Rows inserted at the list's first height would keep a scroll range worked out for that
    // height: the last rows could not be scrolled into view once they are drawn at the grid's.
    RemeasureRows();
    Ownership().ShiftRows(row);
    return CListCtrl::InsertItem(LVIF_TEXT, row, text, 0, 0, 0, 0);
}

BOOL CConfigListCtrl::SetItem(const LVITEMW* item)
{
    if (item)
        RemoveCell(item->iItem, item->iSubItem);
    return CListCtrl::SetItem(item);
}

BOOL CConfigListCtrl::SetItem(int item, int subItem, UINT mask, const wchar_t* text, int image, UINT state,
                              UINT stateMask, LPARAM lParam)
{
    RemoveCell(item, subItem);
    return CListCtrl::SetItem(item, subItem, mask, text, image, state, stateMask, lParam);
}

BOOL CConfigListCtrl::DeleteAllItems()
{
    RemoveAllCells();
    return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS));
}

void CConfigListCtrl::InsertColumnCells(int column)
{
    Ownership().ShiftColumns(column);
}

int CConfigListCtrl::ShiftColumnTexts(int column)
{
    if (column != 0)
        return 0;
    // The list has already moved the sub-items right of the new column; the
    // item text stayed in column 0. Copying every column from its left would
    // overwrite the last column's text with the new empty one.
    const int columns = m_header.m_hWnd ? m_header.GetItemCount() : 0;
    if (columns < 2)
        return 1;
    const int rows = GetItemCount();
    for (int row = 0; row < rows; ++row) {
        SetSubItemText(row, 1, GetItemText(row, 0));
        SetSubItemText(row, 0, L"");
    }
    return 1;
}

void CConfigListCtrl::MoveCellsToTheirSubItems()
{
    for (auto& entry : m_cells.Entries()) {
        CRect rect;
        GetSubItemRect(CellKeyRow(entry.first), CellKeyColumn(entry.first), LVIR_LABEL, rect);
        entry.second->MoveTo(rect);
    }
}

void CConfigListCtrl::AutoFitColumn(int column)
{
    int width = 0;
    const int rows = GetItemCount();
    for (int row = 0; row < rows; ++row) {
        CCellCtrl* cell = GetCell(row, column);
        const int wanted = cell ? cell->GetPreferredWidth() : GetStringWidth(GetItemText(row, column) + L"i");
        width = std::max(width, wanted);
    }
    if (column == 0)
        width += ::GetSystemMetrics(SM_CXEDGE);
    SetColumnWidth(column, width);
    MoveCellsToTheirSubItems();
}

void CConfigListCtrl::RepositionCells()
{
    CRect window;
    GetWindowRect(window);
    InvalidateRect(window, FALSE);
    MoveCellsToTheirSubItems();
    if (HasActiveCell())
        m_activeCell->OnGridLayoutChanged();
}

void CConfigListCtrl::RefreshActiveCell()
{
    if (!HasActiveCell())
        return;
    InvalidateRect(m_activeCell->GetRect(), TRUE);
    SetSubItemText(m_activeRow, m_activeColumn, m_activeCell->GetText());
}

// ---------------------------------------------------------------- Tab

BOOL CConfigListCtrl::PreTranslateMessage(MSG* msg)
{
    TabEvent event = TabEvent::Other;
    if (msg->message == WM_KEYUP)
        event = TabEvent::KeyUp;
    // Only a Tab key press steps: a mouse message whose button flags happen
    // to equal the Tab key's code is no Tab.
    else if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
        event = ::GetKeyState(VK_SHIFT) < 0 ? TabEvent::ShiftTab : TabEvent::Tab;

    TabState state{m_tabStarted, m_keyUpSeen};
    const long long activeKey = HasActiveCell() ? MakeCellKey(m_activeRow, m_activeColumn) : kNoCellKey;
    const CellDisabledTest disabled = [this](CellKey key) {
        CCellCtrl* cell = m_cells.Lookup(key);
        return cell && (cell->GetStyle() & kCellDisabled);
    };
    const TabStep step = StepTab(m_cellKeys, disabled, state, activeKey, event);
    m_tabStarted = state.tabStarted;
    m_keyUpSeen = state.keyUpSeen;
    if (step.handled) {
        if (step.deactivateActive && m_activeCell)
            m_activeCell->Deactivate();
        ActivateCellByKey(step.activate);
        return TRUE;
    }
    return CListCtrl::PreTranslateMessage(msg);
}

// ---------------------------------------------------------------- drawing

void CConfigListCtrl::RemeasureRows()
{
    if (m_rowsRemeasured)
        return;
    // The list measured its rows before this object was bound to it; a size change without a
    // size change makes it ask again.
    CRect window;
    GetWindowRect(window);
    WINDOWPOS position{};
    position.hwnd = m_hWnd;
    position.cx = window.Width();
    position.cy = window.Height();
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    m_rowsRemeasured = 1;
}

void CConfigListCtrl::MeasureItem(LPMEASUREITEMSTRUCT measureItem)
{
    measureItem->itemHeight = static_cast<UINT>(GridRowHeight());
}

void CConfigListCtrl::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC dc;
    dc.Attach(drawItem->hDC);
    const int saved = dc.SaveDC();
    RemeasureRows();
    const int row = static_cast<int>(drawItem->itemID);
    const int columns = m_header.m_hWnd ? m_header.GetItemCount() : 1;
    for (int column = 0; column < columns; ++column) {
        CRect rect;
        GetSubItemRect(row, column, LVIR_LABEL, rect);
        if (CCellCtrl* cell = GetCell(row, column))
            cell->Draw(&dc, rect, drawItem->itemState);
        else
            DrawSubItemText(&dc, row, column, rect, drawItem->itemState);
    }
    dc.RestoreDC(saved);
    dc.Detach();
}

void CConfigListCtrl::DrawSubItemText(CDC* dc, int row, int column, const CRect& rect, UINT)
{
    dc->FillSolidRect(rect, ::GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    dc->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    CRect text = rect;
    text.top += ::GetSystemMetrics(SM_CYDLGFRAME);
    UINT format = DT_END_ELLIPSIS | DT_BOTTOM;
    if (column == 0 && CurrentPage() == kFirmwareRestorePage)
        format |= DT_RIGHT;
    dc->DrawText(GetItemText(row, column), text, format);
}

// ---------------------------------------------------------------- messages

BOOL CConfigListCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HasActiveCell() && !m_activeCell->OnCommand(wParam, lParam)) {
        *result = TRUE;
        return TRUE;
    }
    return CListCtrl::OnWndMsg(message, wParam, lParam, result);
}

LRESULT CConfigListCtrl::OnCharMessage(WPARAM wParam, LPARAM lParam)
{
    if (!HasActiveCell())
        return 0;
    m_activeCell->OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    RefreshActiveCell();
    return 0;
}

void CConfigListCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (!HasActiveCell()) {
        Default();
        return;
    }
    m_activeCell->OnKeyDown(key, repeat, flags);
    RefreshActiveCell();
}

LRESULT CConfigListCtrl::OnKeyUpMessage(WPARAM wParam, LPARAM lParam)
{
    if (!HasActiveCell() || m_activeCell->OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))
        return Default();
    return 0;
}

void CConfigListCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    SubItemHitTest(&hit);
    const int row = hit.iItem;
    const int column = hit.iSubItem;
    const bool caretAtStart = m_caretCreated != 0;

    CCellCtrl* cell = nullptr;
    LookupCell(row, column, cell);
    BOOL callDefault = TRUE;
    HWND focusWindow = nullptr;
    if (cell && !(cell->GetStyle() & kCellDisabled)) {
        m_activeRow = row;
        m_activeColumn = column;
        if (m_activeCell && m_activeCell != cell)
            m_activeCell->Deactivate();
        m_activeCell = cell;
        CRect rect;
        GetSubItemRect(row, column, LVIR_LABEL, rect);
        cell->SetActiveRect(rect);
        SetFocus();
        callDefault = cell->OnLButtonDown(flags, point.x, point.y);
        focusWindow = ::GetFocus();
        SetSubItemText(row, column, cell->GetText());
        if (m_caretCreated)
            cell->OnActivated(flags, point.x, point.y);
    } else {
        DeactivateCell();
    }
    if (callDefault)
        DefaultMouseHandler(flags, point);
    if (cell && !caretAtStart)
        cell->OnActivated(flags, point.x, point.y);
    if (focusWindow)
        ::SetFocus(focusWindow);

    if (m_rules && CurrentPage() == kBasicSettingsPage)
        m_rules->OnCellClicked(*this, flags, point, row, column);
}

void CConfigListCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    if (!HasActiveCell() || m_activeCell->OnLButtonUp(flags, point.x, point.y))
        Default();
}

void CConfigListCtrl::OnMouseMove(UINT flags, CPoint point)
{
    if (!HasActiveCell() || m_activeCell->OnMouseMove(flags, point.x, point.y))
        Default();
}

LRESULT CConfigListCtrl::OnRButtonDownMessage(WPARAM wParam, LPARAM lParam)
{
    const CPoint point(lParam);
    if (!HasActiveCell() || m_activeCell->OnRButtonDown(static_cast<UINT>(wParam), point.x, point.y))
        return Default();
    return 0;
}

void CConfigListCtrl::OnTimer(UINT_PTR id)
{
    if (!HasActiveCell() || m_activeCell->OnTimer(id))
        Default();
}

LRESULT CConfigListCtrl::OnMouseWheelMessage(WPARAM wParam, LPARAM lParam)
{
    if (!HasActiveCell()) {
        Invalidate(TRUE);
        return Default();
    }
    const CPoint point(lParam);
    const BOOL more =
        m_activeCell->OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), point.x, point.y);
    Invalidate(TRUE);
    return more ? Default() : TRUE;
}

void CConfigListCtrl::OnVScroll(UINT code, UINT pos, CWnd* bar)
{
    if (!HasActiveCell() || m_activeCell->OnVScroll(code, pos, bar ? bar->m_hWnd : nullptr))
        Default();
    Invalidate(TRUE);
}

void CConfigListCtrl::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    if (HasActiveCell())
        m_activeCell->OnHScroll(code, pos, bar ? bar->m_hWnd : nullptr);
    Default();
}

void CConfigListCtrl::OnSetFocus(CWnd* old)
{
    Default();
    if (!m_caretCreated) {
        ::CreateCaret(m_hWnd, nullptr, 1,
                      ::GetSystemMetrics(SM_CYVTHUMB) + 2 * ::GetSystemMetrics(SM_CYEDGE) -
                          2 * ::GetSystemMetrics(SM_CYDLGFRAME));
        m_caretCreated = 1;
    }
    if (HasActiveCell())
        m_activeCell->OnSetFocus(old ? old->m_hWnd : nullptr);
}

void CConfigListCtrl::OnKillFocus(CWnd* next)
{
    Default();
    HWND nextWindow = next ? next->m_hWnd : nullptr;
    if (HasActiveCell() && !IsPopUpOfACell(nextWindow)) {
        m_activeCell->Deactivate();
        m_activeCell->OnKillFocus(nextWindow);
        RefreshActiveCell();
        m_activeRow = -1;
        m_activeColumn = -1;
        m_activeCell = nullptr;
    }
    if (m_caretCreated) {
        ::DestroyCaret();
        m_caretCreated = 0;
    }
}

LRESULT CConfigListCtrl::OnPopupListClosed(WPARAM wParam, LPARAM lParam)
{
    if (!HasActiveCell())
        return 1;
    CCellCtrl* cell = m_activeCell;
    cell->OnPopUpResult(wParam, lParam);
    if (!HasActiveCell() || m_activeCell != cell)
        return 1;
    SetSubItemText(m_activeRow, m_activeColumn, cell->GetText());
    // Only a value of the list is stored: a list without a current item, or
    // a pick below its last item, changes no setting.
    auto* combo = dynamic_cast<CCellComboBox*>(cell);
    const bool holdsItem = combo && combo->IsItemIndex(combo->GetCurSel());
    const bool pickInside = wParam != kPopUpChosen || (combo && combo->IsItemIndex(static_cast<int>(lParam)));
    if (m_rules && holdsItem && pickInside)
        m_rules->OnPopUpListClosed(*this, wParam, lParam);
    return 1;
}

LRESULT CConfigListCtrl::OnThemeChangedMessage(WPARAM, LPARAM)
{
    for (auto& entry : m_cells.Entries())
        entry.second->OnThemeChanged();
    return 1;
}

LRESULT CConfigListCtrl::OnEnableMessage(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    m_enabled = IsWindowEnabled() ? 1 : 0;
    return result;
}

// ---------------------------------------------------------------- fill

CConfigListFill::CConfigListFill(CConfigListCtrl& list) : m_list(list)
{
    if (!m_list.m_hWnd)
        return;
    m_shown = (m_list.GetStyle() & WS_VISIBLE) != 0;
    m_list.SetRedraw(FALSE);
}

CConfigListFill::~CConfigListFill()
{
    if (!m_list.m_hWnd)
        return;
    m_list.SetRedraw(TRUE);
    // Turning the drawing on again may mark a hidden list visible: it stays as it was.
    const bool shownNow = (m_list.GetStyle() & WS_VISIBLE) != 0;
    if (shownNow != m_shown)
        m_list.ModifyStyle(m_shown ? 0 : WS_VISIBLE, m_shown ? WS_VISIBLE : 0);
    // An emptied list starts again at its first row; while the drawing is
    // held the list keeps the place it was scrolled to, so the fill, which
    // builds the list anew, brings the first row back.
    if (m_list.GetItemCount() > 0)
        m_list.SendMessage(LVM_ENSUREVISIBLE, 0, FALSE);
    if (m_shown)
        m_list.InvalidateRect(nullptr, TRUE);
}
