#pragma once
// Drop-down cells: a cell with a drop button that opens a borderless pop-up
// list under the cell (above it when the screen ends there). The list
// reports the choice to its grid with kPopUpListMessage.
#include <vector>

#include "grid/CellCtrl.h"

// From a drop-down's pop-up list to its grid, always sent.
constexpr UINT kPopUpListMessage = 0x1400;
constexpr WPARAM kPopUpChosen = 0xA000; // lParam: the chosen item index
constexpr WPARAM kPopUpClosed = 0xC000; // lParam: 0

class CCellComboBox;

// The pop-up window base that the grid recognises when the focus moves into
// a pop-up of one of its cells.
class CListCtrlCellWnd : public CWnd {
public:
    virtual void ClosePopUp() { NotifyClosed(); }
    void NotifyClosed();
    HWND m_ownerGrid = nullptr;

protected:
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    // The window's own handling of the mouse message being handled.
    void DefaultMouseHandler(UINT flags, CPoint point) { Default(); }
    DECLARE_MESSAGE_MAP()
};

class CPopUpScrollList : public CListCtrlCellWnd {
public:
    void ClosePopUp() override { NotifyChosen(); }
    virtual BOOL CreatePopUp(HWND ownerGrid, CCellComboBox* combo);
    void NotifyChosen();

    CCellComboBox* m_combo = nullptr;
    int m_topRow = 0;
    int m_highlighted = 0;
    CScrollBar m_scrollBar;

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnVScroll(UINT code, UINT pos, CWnd* bar);
    afx_msg LRESULT OnMouseWheelMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()
};

class CCellDropDown : public CCellButton {
public:
    CCellDropDown();
    ~CCellDropDown() override;
    RECT* GetRect() override { return &m_textRect; }
    void Draw(CDC* dc, RECT* rect, UINT itemState) override;
    int GetPreferredWidth() override { return m_buttonWidth; }
    void Deactivate() override;
    void OnGridLayoutChanged() override;
    void MoveTo(const RECT& rect) override;
    void SetActiveRect(const RECT& rect) override;
    BOOL OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    BOOL OnLButtonDown(UINT flags, int x, int y) override;
    BOOL OnLButtonUp(UINT flags, int x, int y) override;
    BOOL OnVScroll(UINT code, UINT pos, HWND bar) override;
    BOOL OnHScroll(UINT code, UINT pos, HWND bar) override;
    void OnKillFocus(HWND newWindow) override;
    void PlacePopUp() override;
    void OnPopUpResult(WPARAM wParam, LPARAM lParam) override;

    // The button operations, in their fixed order.
    BOOL OnClick(UINT flags, int x, int y) override;
    void Release() override;
    void ReleaseMouse() override;
    virtual void SyncPopUp() = 0;
    virtual void GetPopUpRect(RECT* rect, BOOL below) = 0;
    virtual void SelectItem(int index) = 0;
    virtual void OnItemPreview(int index) {}

    void EndPopUp();
    // The drop button is drawn pressed while the left button is held on it.
    void UpdatePressedLook(int x, int y);
    // Whether the list is shown; the page hosting the grid knows it too.
    void SetOpen(int open);

    CListCtrlCellWnd* m_popUp = nullptr;
    int m_wholeCellClicks = 0;
    int m_drawn = 0;
    CRect m_dropButtonRect;
    CRect m_cellRect;
    CRect m_textRect;
    int m_buttonWidth = 0;
    int m_narrow = 0;
    int m_open = 0;

protected:
    void HidePopUp();
    void ComputeTextRect();
};

class CCellComboBox : public CCellDropDown {
public:
    CCellComboBox();
    ~CCellComboBox() override;
    void Create(HWND listWindow, int* enabled, const CString& value) override;
    void Draw(CDC* dc, RECT* rect, UINT itemState) override;
    int GetPreferredWidth() override;
    BOOL OnMouseMove(UINT flags, int x, int y) override;
    UINT AddStyle(UINT bits) override { return s_classStyle |= bits; }
    UINT RemoveStyle(UINT bits) override { return s_classStyle &= ~bits; }
    UINT GetStyle() override { return s_classStyle | m_state; }

    void SyncPopUp() override;
    void GetPopUpRect(RECT* rect, BOOL below) override;
    void SelectItem(int index) override;
    virtual void DrawItemText(CDC* dc, RECT* rect, const CString& text, BOOL highlighted, BOOL grey);

    BOOL SetCurSel(int index);
    int GetCurSel() const { return m_current; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    bool IsItemIndex(int index) const { return index >= 0 && index < GetItemCount(); }
    CPopUpScrollList* GetPopUpList() const { return m_popUpList; }

    int m_visibleRows = 6;
    int m_current = -1;
    std::vector<CString> m_items;

private:
    CPopUpScrollList* m_popUpList = nullptr;
    static UINT s_classStyle;
};

// The process-wide lock of the drop buttons' pressed look; pressed is read
// and written only while holding it.
class CButtonCritSect : public CCriticalSection {
public:
    int m_pressed = 0;
    int ReadPressed();
    void WritePressed(int pressed);
};
CButtonCritSect& GetButtonCritSect();

// What the pressed-look thread works on: its own copies, freed by the thread.
struct PressedLookStart {
    POINT clickPoint;
    RECT dropButton;
    HWND grid;
};
UINT __cdecl DropDownPressedLookThread(LPVOID start);
