#pragma once
// The settings grid: an owner-drawn report list whose sub-items can hold
// windowless cells. It owns the cells, draws them, routes its messages to the
// one active cell and steps between cells with Tab and Shift+Tab.
#include "grid/CellCtrl.h"
#include "grid/CellKeySet.h"
#include "grid/CellMap.h"
#include "grid/TabNavigation.h"

class CConfigListCtrl;

// What a click or a drop-down choice means for the settings: installed by
// the page that hosts the grid.
class GridRuleHooks {
public:
    virtual ~GridRuleHooks() = default;
    // After the grid's own click handling, only while the main window shows
    // the basic settings page; row and column as the hit test gave them.
    virtual void OnCellClicked(CConfigListCtrl& grid, UINT flags, CPoint point, int row, int column) = 0;
    // After the active drop-down took the list's result and its text went
    // into the sub-item; only when the cell holds an item of its list.
    virtual void OnPopUpListClosed(CConfigListCtrl& grid, WPARAM wParam, LPARAM lParam) = 0;
};

class CConfigHeaderCtrl : public CHeaderCtrl {
protected:
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class CConfigListCtrl : public CListCtrl {
public:
    CConfigListCtrl();
    ~CConfigListCtrl() override;

    BOOL SetCell(int row, int column, CCellCtrl* cell, const CString& value);
    void AttachCell(int row, int column, CCellCtrl* cell);
    void RemoveCell(int row, int column);
    void RemoveAllCells();
    BOOL LookupCell(int row, int column, CCellCtrl*& cell) const;
    CCellCtrl* GetCell(int row, int column) const;
    LRESULT SetSubItemText(int row, int column, const CString& text);
    int UpdateCellTexts(CCellCtrl* cell, const CString& text);
    BOOL SetCellDisabled(int row, int column, BOOL disable);
    void DeactivateCell();
    void EndEdit() { DeactivateCell(); }
    void ActivateCellByKey(CellKey key);
    int InsertItem(int row, const wchar_t* text);
    BOOL SetItem(const LVITEMW* item);
    BOOL SetItem(int item, int subItem, UINT mask, const wchar_t* text, int image, UINT state, UINT stateMask,
                 LPARAM lParam);
    BOOL DeleteAllItems();
    void InsertColumnCells(int column);
    int ShiftColumnTexts(int column);
    void AutoFitColumn(int column);
    void RepositionCells();

    void SetRules(GridRuleHooks* rules) { m_rules = rules; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override;

    CConfigHeaderCtrl m_header;
    CellMap<CCellCtrl> m_cells;
    CellKeySet m_cellKeys;
    int m_rowsRemeasured = 0;
    int m_caretCreated = 0;
    int m_tabStarted = 0;
    int m_keyUpSeen = 0;
    int m_enabled = 1;
    int m_activeRow = -1;
    int m_activeColumn = -1;
    CCellCtrl* m_activeCell = nullptr;
    GridRuleHooks* m_rules = nullptr;

protected:
    void PreSubclassWindow() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DrawSubItemText(CDC* dc, int row, int column, const CRect& rect, UINT itemState);
    void RefreshActiveCell();
    bool HasActiveCell() const { return m_activeRow != -1 && m_activeColumn != -1 && m_activeCell; }
    CellOwnership<CCellCtrl> Ownership()
    {
        return CellOwnership<CCellCtrl>(m_cells, m_cellKeys, m_activeRow, m_activeColumn, m_activeCell);
    }
    void MoveCellsToTheirSubItems();
    // Has the list ask for its row height once, after this object is bound to it.
    void RemeasureRows();
    // The list's own handling of the mouse message being handled.
    void DefaultMouseHandler(UINT flags, CPoint point) { Default(); }
    int CurrentPage() const;

    afx_msg LRESULT OnCharMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg LRESULT OnKeyUpMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg LRESULT OnRButtonDownMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnMouseWheelMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnVScroll(UINT code, UINT pos, CWnd* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CWnd* bar);
    afx_msg void OnSetFocus(CWnd* old);
    afx_msg void OnKillFocus(CWnd* next);
    afx_msg LRESULT OnPopupListClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnThemeChangedMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEnableMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Each row inserted into a list that draws costs a repaint of it under Wine
// (about 10 ms); a fill, which builds the list anew, holds the list's drawing
// while it lasts and repaints the list once at its end, from its first row.
// The list keeps whether it is shown.
class CConfigListFill {
public:
    explicit CConfigListFill(CConfigListCtrl& list);
    ~CConfigListFill();
    CConfigListFill(const CConfigListFill&) = delete;
    CConfigListFill& operator=(const CConfigListFill&) = delete;

private:
    CConfigListCtrl& m_list;
    bool m_shown = false;
};
