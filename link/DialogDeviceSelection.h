#pragma once
#include "shell/PageDialog.h"
#include "link/ManagerUpdate.h"
#include "link/ServerExchangeWin32.h"

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
    // The update list's exchange, which timer 101 starts and whose end the
    // page is told of.
    ServerDownload m_updateCheck;
    // The installer download that timer 102 follows once a second.
    ServerDownload m_download;

    static const UINT_PTR kTimerUpdateCheck = 101;
    static const UINT_PTR kTimerInstallerDownload = 102;
    // Posted by the update list's exchange when it ends.
    static const UINT kUpdateListFetchedMessage = WM_APP + 101;
    CBitmapButton m_pictureButton;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnButtonStart();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnUpdateListFetched(WPARAM, LPARAM);

private:
    // Starts the update list's exchange; the window goes on meanwhile.
    void CheckManagerUpdate();
    // What the check does with the list once the exchange has ended.
    void TakeManagerUpdateCheck(const ManagerUpdateCheck& check);
    // The question, the save dialog and the start of the download; true once the download runs.
    bool OfferManagerUpdate(CMainDialog& main, int major, int minor, int build);
    void FollowDownload();
    DECLARE_MESSAGE_MAP()
};
