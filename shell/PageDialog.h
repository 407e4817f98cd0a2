#pragma once
#include "afx/afxwin.h"

// Base of the seven pages. A page is a child dialog inside the page area:
// Enter or Esc inside it must never end it the way they end a dialog, or the
// page would vanish from the main window.
class CPageDialog : public CDialog {
public:
    CPageDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}
    void OnOK() override {}
    void OnCancel() override {}
};

// A page over which the wait cursor shows while the main window is busy, so
// the user sees why a click does nothing.
class CWaitCursorPage : public CPageDialog {
public:
    CWaitCursorPage(UINT templateId, CWnd* parent) : CPageDialog(templateId, parent) {}

protected:
    // False for a page of this kind that leaves the cursor to the main window.
    virtual bool ShowsWaitCursor() const { return true; }
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
