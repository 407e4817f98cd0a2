#pragma once
#include "shell/PageDialog.h"
#include "link/DownloadProgress.h"

// Page 1, the start page: one picture that fills the page and leads to the
// recognition page. It also hosts the manager's own update check.
class CDialogDeviceSelection : public CWaitCursorPage {
public:
    explicit CDialogDeviceSelection(CWnd* parent = nullptr);
    ~CDialogDeviceSelection() override;

    void EnterPage();
    void RefreshPage();

    int m_updateChecked = 0; // 1 once the manager's update list has been downloaded
    CString m_installerFile;
    CString m_installerPath;
    DownloadProgress m_download;
    CBitmapButton m_pictureButton;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnButtonStart();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()
};
