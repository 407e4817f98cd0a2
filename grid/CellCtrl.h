#pragma once
// Windowless cells of the settings grid. A cell lives in one sub-item: the
// grid draws it, tells it where it lies and forwards it the messages that
// arrive while it is the active cell.
#include "afx/afxwin.h"

// Style bits of a cell (class-wide word | the cell's own state word).
constexpr UINT kCellActiveFont = 0x01;
constexpr UINT kCellFrameActive = 0x02;
constexpr UINT kCellEdgeActive = 0x04;
constexpr UINT kCellDisabled = 0x08;
constexpr UINT kCellAlignRight = 0x10;
constexpr UINT kCellCentred = 0x20;
constexpr UINT kCellFrameInactive = 0x40;
constexpr UINT kCellEdgeInactive = 0x80;

class CCellCtrl {
public:
    CCellCtrl() = default;
    CCellCtrl(const CCellCtrl&) = delete;
    CCellCtrl& operator=(const CCellCtrl&) = delete;

    // The virtual operations, in their fixed order.
    virtual ~CCellCtrl();
    virtual void Create(HWND listWindow, int* enabled, const CString& value);
    virtual void ResetMouseState() {}
    virtual RECT* GetRect() = 0;
    virtual RECT* GetContentRect() { return GetRect(); }
    virtual void Draw(CDC* dc, RECT* rect, UINT itemState) = 0;
    virtual int GetPreferredWidth() = 0;
    virtual void Deactivate() { m_active = 0; }
    virtual void Activate() { m_active = 1; }
    virtual void OnGridLayoutChanged() {}
    virtual void MoveTo(const RECT& rect) {}
    virtual void SetActiveRect(const RECT& rect) {}
    virtual BOOL OnChar(UINT ch, UINT repeat, UINT flags) { return TRUE; }
    virtual BOOL OnKeyDown(UINT key, UINT repeat, UINT flags) { return TRUE; }
    virtual BOOL OnKeyUp(UINT key, UINT repeat, UINT flags) { return TRUE; }
    virtual BOOL OnLButtonDown(UINT flags, int x, int y);
    virtual BOOL OnLButtonUp(UINT flags, int x, int y) { return TRUE; }
    virtual BOOL OnTimer(UINT_PTR id) { return TRUE; }
    virtual BOOL OnVScroll(UINT code, UINT pos, HWND bar) { return TRUE; }
    virtual BOOL OnHScroll(UINT code, UINT pos, HWND bar) { return TRUE; }
    virtual BOOL OnMouseWheel(UINT flags, short delta, int x, int y) { return TRUE; }
    virtual BOOL OnMouseMove(UINT flags, int x, int y) { return TRUE; }
    virtual BOOL OnRButtonDown(UINT flags, int x, int y) { return TRUE; }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) { return TRUE; }
    virtual void OnKillFocus(HWND newWindow) {}
    virtual void OnSetFocus(HWND oldWindow) {}
    virtual void PlacePopUp() {}
    virtual void UpdateHover(UINT flags, int x, int y) {}
    virtual void OnActivated(UINT flags, int x, int y) {}
    virtual void OnPopUpResult(WPARAM wParam, LPARAM lParam) {}
    virtual UINT AddStyle(UINT bits) = 0;
    virtual UINT RemoveStyle(UINT bits) = 0;
    virtual UINT GetStyle() = 0;
    virtual void OnThemeChanged() {}

    CString GetText() const { return m_text; }
    // Drawn greyed: the grid is disabled or the cell is.
    bool IsDrawnDisabled() const { return (m_enabled && !*m_enabled) || (m_state & kCellDisabled); }

    CString m_text;
    HWND m_listWindow = nullptr;
    int m_active = 0;
    UINT m_state = 0;
    // One font for every cell of every grid, made at the first cell: a grid
    // of many rows would otherwise make two fonts for each of its cells.
    static CFont& SharedFont();
    CFont& m_font = SharedFont();
    CFont& m_activeFont = SharedFont();
    int* m_enabled = nullptr;
};

class CCellButton : public virtual CCellCtrl {
public:
    void ResetMouseState() override { m_hot = 0; }
    RECT* GetRect() override { return &m_buttonRect; }
    BOOL OnLButtonDown(UINT flags, int x, int y) override;
    void UpdateHover(UINT flags, int x, int y) override;

    // The button operations, in their fixed order.
    virtual BOOL OnClick(UINT flags, int x, int y) = 0;
    virtual void Release() {}
    virtual void ReleaseMouse() {}

    CRect m_buttonRect; // the area that reacts to a click
    int m_hot = 0;
};

// An on/off value drawn as two radio-style options ("Enable" marked for "0",
// "Disable" for "1"), or as one box with a label.
class CCellCheckBox : public CCellButton {
public:
    CCellCheckBox();
    ~CCellCheckBox() override;
    void Create(HWND listWindow, int* enabled, const CString& value) override;
    RECT* GetContentRect() override { return &m_cellRect; }
    void Draw(CDC* dc, RECT* rect, UINT itemState) override;
    int GetPreferredWidth() override;
    UINT AddStyle(UINT bits) override { return s_classStyle |= bits; }
    UINT RemoveStyle(UINT bits) override { return s_classStyle &= ~bits; }
    UINT GetStyle() override { return s_classStyle | m_state; }
    BOOL OnClick(UINT flags, int x, int y) override;

    void SetCheckedText(const CString& label) { m_checkedText = label; }
    void SetUncheckedText(const CString& label) { m_uncheckedText = label; }
    BOOL GetCheck() const;
    void SetCheck(BOOL check);

    // The radio images, made once from their bitmap for every check box.
    static CImageList& Images();

    CRect m_cellRect;
    CString m_checkedText;
    CString m_uncheckedText;

private:
    static UINT s_classStyle;
};

// The help icon of a row (or a text button).
class CCellPushButton : public CCellButton {
public:
    CCellPushButton(HWND target, UINT message, WPARAM wParam, LPARAM lParam);
    RECT* GetContentRect() override { return &m_cellRect; }
    void Draw(CDC* dc, RECT* rect, UINT itemState) override;
    int GetPreferredWidth() override;
    BOOL OnLButtonDown(UINT flags, int x, int y) override;
    BOOL OnLButtonUp(UINT flags, int x, int y) override;
    UINT AddStyle(UINT bits) override { return s_classStyle |= bits; }
    UINT RemoveStyle(UINT bits) override { return s_classStyle &= ~bits; }
    UINT GetStyle() override { return s_classStyle | m_state; }
    BOOL OnClick(UINT flags, int x, int y) override;

    CCellPushButton* SetBitmapId(UINT id)
    {
        m_bitmapId = id;
        return this;
    }

    CRect m_cellRect;
    HWND m_target = nullptr;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
    UINT m_bitmapId = 0;

private:
    static UINT s_classStyle;
};
