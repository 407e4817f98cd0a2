#pragma once
#include "afx/afxwin.h"

class CUpdaterDlg;

// The question the firmware update page asks when the server offers newer
// firmware than the unit runs: the unit's version and the new one, and, when
// the page offers several voice-prompt languages, a list to choose one. YES
// writes the choice back into the page's list.
class CDialogNewUpdateFound : public CDialog {
public:
    // parent: the main window, whose state and update page the dialog reads.
    explicit CDialogNewUpdateFound(CUpdaterDlg* parent);

    CStatic m_picture;
    CStatic m_question;
    CStatic m_currentLabel;
    CStatic m_newLabel;
    CStatic m_currentVersion;
    CStatic m_newVersion;
    CComboBox m_languageList;
    CStatic m_languageLabel;
    CButton m_buttonYes;
    CButton m_buttonNo;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    DECLARE_MESSAGE_MAP()

private:
    CUpdaterDlg* m_main;
    CFont m_boldFont;
    CBitmap m_logo;
};
