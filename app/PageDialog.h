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
