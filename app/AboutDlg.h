#pragma once
#include "afx/afxwin.h"

#include <string>

class CMainDialog;

// The colours of the shell's small dialogs (the About box and the new-firmware
// question): transparent text on the pressed-button colour over the main
// window's white brush.
HBRUSH ShellDialogColours(CDC* dc, CMainDialog* main, HBRUSH base);

// The About box: the product name with the manager's version, the notice, OK
// and the button that opens the online help. Texts in the main window's UI
// language (the dialog's parent).
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    // Opens the online help's start page in the browser; the About box's
    // button and the main window's menu item both run it, busy or not.
    static void OnHelp();
    static std::wstring OnlineHelpUrl();

    CStatic m_title;
    CStatic m_notice;
    CButton m_buttonOk;
    CButton m_buttonHelp;
    CStatic m_picture;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnButtonHelp();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_boldFont;
    CBitmap m_logo;
};

// The dialog's bold copy of its own font (weight 700); false when the dialog has none.
bool MakeBoldDialogFont(CWnd& dialog, CFont& bold);
