#pragma once
#include "afx/afxwin.h"

class CUpdaterDlg;

// The main window of a page or of a page's dialog: two parent levels above the
// window passed (page, page area, main window). Code of a control on a page
// passes the page.
CUpdaterDlg* GetMainDialog(const CWnd* wnd);
