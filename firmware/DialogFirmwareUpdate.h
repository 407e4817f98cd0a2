#pragma once
#include <memory>
#include <string>

#include "shell/PageDialog.h"
#include "device/DeviceConfig.h"
#include "firmware/FirmwareJob.h"
#include "firmware/JobTexts.h"
#include "firmware/UpdateRoads.h"
#include "link/ServerExchangeWin32.h"
#include "standins/DFUEngine.h"

class CDialogFirmwareRestore;
class CMainDialog;
class DfuLibraryEngines;
class DfuPageHost;
class DfuSequence;
struct PreparationOutcome;

// What the restore page hands the update page once its backup image is in
// place: its own job, the image path set, and the archive the recognition
// writes back after the flash.
struct RestoreJobRequest {
    std::shared_ptr<FirmwareJob> job;
    DeviceConfig archive;
};

// Page 3, firmware update: the newest firmware the server offers for the
// recognised unit and its voice-prompt variants, the image to flash (downloaded
// or chosen), and the update itself with its progress, popups and end.
class CDialogFirmwareUpdate : public CWaitCursorPage {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);
    ~CDialogFirmwareUpdate() override;

    // Checks the unit and the image, has the settings archived and starts the
    // road of the main window's product id: a worker thread, or the DFU
    // library. On page 3 it drives this page's job, otherwise the restore
    // page's. Its whole result is in the job's record (a failure: finished
    // with its texts); the caller arms the progress timer.
    void PrepareUpdate();
    // The restore page's flash of its downloaded backup image: the
    // preparation on the request's job, then the progress timer.
    void StartRestore(RestoreJobRequest request);
    // 1 when the unit of the current product id is back in normal operation
    // (for the HID models: its channels open again in the main window).
    int IsDeviceReady();

    // The two DFU engine objects, bound to devices only while a job runs.
    DFUEngine m_engineA;
    DFUEngine m_engineB;
    int m_activeEngine = 0; // 0 none, 1 engine A, 2 engine B
    int m_engineACreated = 0;
    int m_engineBCreated = 0;
    // This page's job, which the update workers, the DFU sequence and the
    // progress timer share.
    const std::shared_ptr<FirmwareJob> m_firmwareInfo = std::make_shared<FirmwareJob>();
    int m_autoUpdate = 0; // the update was accepted from the new-firmware prompt
    CStatic m_caption;
    CEdit m_imagePath;
    CButton m_browse;
    CStatic m_latestVersion;
    CButton m_download;
    CComboBox m_firmwareLanguageList;
    CStatic m_voicePromptCaption;
    int m_waitTimerId = 0; // timer 205 while it runs
    int m_waitTicks = 0;
    int m_restartPending = 0;
    std::wstring m_flashLoaderLog;
    CStatic m_instruction; // the voice-prompt steps

    // The frame hides its progress, the job record is readied for the server
    // check, the image path and the voice-prompt list are emptied, and timer
    // 201 asks the server.
    void EnterPage();
    // Relabels and re-lays the page for the main window's language and state.
    void RefreshPage();
    // The apply button on page 3.
    void StartUpdate();
    // Continues an update that waited for the user's OK in the backup-failed
    // popup: the DFU road from its USB check on.
    void StartUpdateSecondPhase();

    // Counters a test reads.
    int m_refreshCalls = 0;
    int m_startCalls = 0;
    int m_secondPhaseStarts = 0;
    int m_indexTimerTicks = 0;

    static const UINT kIndexTimer = 201;
    static const UINT kProgressTimer = 203;
    static const UINT kDeviceWaitTimer = 205;
    static const UINT kDownloadTimer = 206;
    // Follows the image download's progress while it runs.
    static const UINT kDownloadProgressTimer = 207;
    // Posted by the server exchanges when they end: the index and the image.
    static const UINT kIndexFetchedMessage = WM_APP + 201;
    static const UINT kImageFetchedMessage = WM_APP + 206;

    // A worker asks for timer 205 through this message: only the page's own
    // thread arms its timers.
    static const UINT kArmWaitTimerMessage = WM_USER + 2;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnBrowse();
    afx_msg void OnDownload();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnDfuCallback(WPARAM, LPARAM);
    afx_msg LRESULT OnArmWaitTimer(WPARAM, LPARAM);
    afx_msg LRESULT OnIndexFetched(WPARAM, LPARAM);
    afx_msg LRESULT OnImageFetched(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    int UiLanguage() const;
    void OnIndexTimer();
    void OnDownloadTimer();
    void OnProgressTimer();
    void OnDeviceWaitTimer();
    // What the index and the image download do once their exchanges end.
    void TakeFirmwareIndex(const ServerExchangeEnd& end);
    void TakeDownloadedImage(int received);
    void OnDownloadProgressTimer();
    void EndJob();
    // The success text in the UI language fills the power-cycle advice.
    void ShowClosingAdvice(const std::wstring& successText);
    void ArmWaitTimer();
    void StartJob(bool secondPhase);
    // The preparation; the second phase takes the DFU road from its USB check
    // on, without the reboot step, the archive and error-site tags.
    void Prepare(bool secondPhase);
    // The job of the page the main window shows: this page's on page 3, the
    // restore page's otherwise.
    void DriveJobOfPage();
    void CarryOut(const PreparationOutcome& outcome, JobContext context);
    JobContext CaptureContext() const;
    void Fail(const LanguageTexts& texts);
    void TakeStatusTexts(CMainDialog* main);
    void HandOverUserWait(CMainDialog* main, int jobWaits);
    CDialogFirmwareRestore* RestorePage() const;
    void ShowPopup(const std::wstring& text, bool withOk, CSize size);
    void SetStatusTexts(const LanguageTextSet& texts, int failure);
    std::wstring StartFolder() const;
    void TakeChosenPath(const CString& path);
    FirmwareJob& Driven() { return *m_drivenJob; }

    CFont m_boldFont;
    std::unique_ptr<DfuLibraryEngines> m_engines;
    std::unique_ptr<DfuPageHost> m_dfuHost;
    std::unique_ptr<DfuSequence> m_dfu;
    // The job driven now: this page's on page 3, the restore page's otherwise;
    // chosen when a job starts and kept to its end.
    std::shared_ptr<FirmwareJob> m_drivenJob = m_firmwareInfo;
    // A restore's archive, which the recognition writes back after the flash.
    DeviceConfig m_restoreArchive;
    bool m_restoreArchiveSet = false;
    // The main window waits for the user's OK on behalf of the job's worker.
    bool m_userWaitHandedOver = false;
    int m_deviceWaitTicks = 0;
    int m_cameraDelay = 0;
    // The firmware index and the image download, each on a thread of its own.
    ServerDownload m_indexExchange;
    ServerDownload m_imageExchange;
};
