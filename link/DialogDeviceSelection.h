#pragma once
#include "shell/PageDialog.h"
#include "link/InstallerDownload.h"

#include <string>

// Page 1, the start page: one picture that fills the page and leads to the
// recognition page. It also hosts the manager's own update check.
class CMainDialog;

class CDialogDeviceSelection : public CWaitCursorPage {
public:
    explicit CDialogDeviceSelection(CWnd* parent = nullptr);
    ~CDialogDeviceSelection() override;

    void EnterPage();
    void RefreshPage();

    int m_updateChecked = 0; // 1 once the manager's update list has been downloaded
    CString m_installerFile;
    CString m_installerPath;
    // The installer download that timer 102 follows: written by its thread,
    // read once a second here.
    InstallerDownloadJob m_download;

    static const UINT_PTR kTimerUpdateCheck = 101;
    static const UINT_PTR kTimerInstallerDownload = 102;
    CBitmapButton m_pictureButton;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnButtonStart();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnTimer(UINT_PTR id);

private:
    void CheckManagerUpdate();
    // The question, the save dialog and the start of the download; true once the download runs.
    bool OfferManagerUpdate(CMainDialog& main, int major, int minor, int build);
    void FollowDownload();
    DECLARE_MESSAGE_MAP()
};
