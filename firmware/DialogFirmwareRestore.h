#pragma once
#include "shell/PageDialog.h"
#include "device/DeviceConfig.h"
#include "device/FirmwareInfo.h"

// Page 4, firmware restore. Whether a restore can start is the job record's
// m_clearedMark.
class CDialogFirmwareRestore : public CWaitCursorPage {
public:
    explicit CDialogFirmwareRestore(CWnd* parent = nullptr);
    ~CDialogFirmwareRestore() override;
    // Written by the update workers, read by the progress timer: through Lock() only.
    GuardedFirmwareInfo m_firmwareInfo;
    DeviceConfig m_archive;
    int m_settingsPageCount = 0;
    int m_settingsPages[3] = {0, 0, 0};
    int m_settingsPageIndex = 0;

    // The frame hides its progress; the job record is made idle and the
    // version list emptied. mode is the switch's showStatus.
    void EnterPage(int mode);
    int m_mode = 0;

    // The archive, the revision list and the restore itself come with the
    // firmware restore; until then these count their calls, and timer 202
    // only stops itself.
    void RefreshPage();
    void BuildBackupInfoText();
    void StartBackupFirmwareDownload();
    int m_refreshCalls = 0;
    int m_infoTextCalls = 0;
    int m_downloadCalls = 0;
    int m_archiveTimerTicks = 0;

    static const UINT kArchiveTimer = 202;

    CComboBox m_versionList;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()
};
