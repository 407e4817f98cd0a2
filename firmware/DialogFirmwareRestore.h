#pragma once
#include "shell/PageDialog.h"
#include "device/DeviceConfig.h"
#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "firmware/RestorePageRules.h"
#include "grid/ConfigListCtrl.h"
#include "link/ServerExchangeWin32.h"

// Posted by the backup download thread to the restore page: wParam 0 the image
// is in place, 1 the image file could not be written, 2 any other failure.
constexpr UINT kBackupFirmwareDownloadedMessage = WM_USER + 1000;

enum BackupDownloadResult {
    kBackupDownloaded = 0,
    kBackupFileError = 1,
    kBackupDownloadFailed = 2,
};

// Page 4, firmware restore: what the model's settings archive holds, the
// voice-prompt variants of the server's backup firmware of exactly that
// version, and the restore itself, which hands the downloaded image to the
// firmware update. Whether a restore can start is the job record's
// m_clearedMark.
class CDialogFirmwareRestore : public CWaitCursorPage {
public:
    explicit CDialogFirmwareRestore(CWnd* parent = nullptr);
    ~CDialogFirmwareRestore() override;

    // The settings categories of the archived model and firmware (1 Basic,
    // 2 Speed Dial, 3 FM Radio) and the one shown.
    int m_settingsPageCount = 0;
    int m_settingsPages[3] = {0, 0, 0};
    int m_settingsPageIndex = 0;
    // 0 until the archive was tried since the page was entered: the page then
    // shows nothing but its title.
    int m_archiveRead = 0;
    // 1 when the user opened the page, 0 when the recognition after a restore
    // returned to it (the completion's status texts then stay).
    int m_entryMode = 0;
    // This page's job, which the download thread, the update workers and the
    // update page's progress timer share.
    const std::shared_ptr<FirmwareJob> m_firmwareInfo = std::make_shared<FirmwareJob>();
    DeviceConfig m_archive;

    CStatic m_title;          // 1012
    CStatic m_versionCaption; // 1013
    CStatic m_versionValue;   // 1014
    CComboBox m_versionList;  // 1034: voice-prompt languages of the backup firmware
    CStatic m_voicePromptCaption;
    CStatic m_dateCaption;
    CStatic m_dateValue;
    CStatic m_captions[kBackupInfoPairs];
    CStatic m_values[kBackupInfoPairs];
    CConfigListCtrl m_settingsList; // 1202: the archived settings of the Basic category

    void EnterPage(int mode);
    void RefreshPage();
    void ResetRestoreState();
    void HideAllControls();
    void ShowLabelPairs(bool show);
    // Shown only while the details are ready.
    void ShowSettingsList();
    CString GetBackupInfoTitle() const;
    // Writes the pair labels a model and category use; the others keep their text.
    void SetNumberedLabels(const BackupInfoTexts& texts);
    void SetListColumnWidths();
    // Title, version, date and the pairs of the shown category, in the UI language.
    void BuildBackupInfoText();
    void FillArchivedSettingsList();
    // Reads the target model's archive into m_archive: 1 when it can be offered.
    int LoadSettingsArchive();
    // RESTORE: downloads the chosen variant on a thread of its own.
    void StartBackupFirmwareDownload();

    // Counted for the frame's tests.
    int m_refreshCalls = 0;
    int m_archiveTimerTicks = 0;

    static const UINT kArchiveTimer = 202;
    // Posted by the revision list's exchange when it ends.
    static const UINT kRevisionsFetchedMessage = WM_APP + 202;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnBackupFirmwareDownloaded(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRevisionsFetched(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ReadArchiveAndBackupList();
    // What the tick does with the revision list once its exchange has ended,
    // and the end of the tick, with or without a list.
    void TakeRevisionsList(const ServerExchangeEnd& end);
    void FinishArchiveAndBackupList();
    // The chosen image's download into the IMG folder, ended by the message
    // kBackupFirmwareDownloadedMessage.
    void StartFirmwareImageDownload(int modelCode, const std::wstring& programPath);
    int CurrentCategory() const;
    int Language() const;
    void ShowStatus(int failure);

    // The revision list and the backup image, each on a thread of its own.
    ServerDownload m_revisionsExchange;
    ServerDownload m_backupExchange;
};
