// The update page's job: its start, the preparation's outcome carried out,
// and the progress and wait timers that carry it to its end. The page only
// reads the job's record (a snapshot, or briefly under its lock) and acts on
// what it finds; the workers and the DFU sequence write it.
#include "firmware/DialogFirmwareUpdate.h"

#include <utility>

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "firmware/DfuPageHostWin32.h"
#include "firmware/DfuRoadRules.h"
#include "firmware/DfuSequence.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/ImageWorkers.h"
#include "firmware/UpdatePreparation.h"
#include "firmware/UpdateProgress.h"
#include "link/DeviceFinders.h"
#include "link/UsbScan.h"
#include "text/FirmwareTexts.h"
#include "text/MainWindowTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/TextFormat.h"
#include "text/UpdatePageTexts.h"

namespace {

constexpr UINT kProgressPeriodMs = 1000;
constexpr int kCameraPackageModel = 0x3020;
constexpr int kTwoChipDfuModel = 0x5310;

const CSize kBackupPopupSize(500, 180);
const CSize kHoldPopupSize(400, 110);
const CSize kNotConnectedSize(400, 165);
const CSize kPairingAdviceSize(530, 160);
const CSize kPowerCycleSize(380, 145);
const CSize kCameraStepsSize(550, 180);

// Without a removable drive holding "lensa.bin" (or without the program's own
// folder) the camera's files stay in the image folder.
void MoveCameraFirmwareToCard()
{
    std::wstring root;
    std::wstring folder;
    if (FindRemovableDriveWithFile(L"lensa.bin", &root) && ProgramImageFolder(RunningProgramPath(), folder))
        MoveCameraPackageToCard(HostFileSystem(), folder, root);
}

void ShowModalBox(CMainDialog* main, const std::wstring& text, int iconKind, CSize size)
{
    const CString ok(GetTextOk(main->m_uiLanguage).c_str());
    CDialogMessageBox box(main);
    box.SetContent(CString(text.c_str()), iconKind, nullptr, &ok, size);
    box.DoModal();
}

bool IsHidPairRoad(UpdateRoad road)
{
    return road == UpdateRoad::kVersionedImage || road == UpdateRoad::kDualChannelImage ||
           road == UpdateRoad::kLoader || road == UpdateRoad::kCamera || road == UpdateRoad::kRebootImage;
}

// The preparation on the page's thread: the system's USB scan, and waits
// during which the window keeps painting under the wait cursor.
class PagePreparationHost final : public PreparationHost {
public:
    int ScanDfuUnits(int (&ids)[2]) override { return FindUsbDfuDevices(ids, 2); }
    void Wait(int milliseconds) override
    {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        WaitPumpingMessages(milliseconds);
    }
};

} // namespace

void CDialogFirmwareUpdate::Fail(const LanguageTexts& texts)
{
    EndJobWithFailure(Driven(), texts);
    m_autoUpdate = 0;
}

// ---------------------------------------------------------------- start

void CDialogFirmwareUpdate::StartUpdate()
{
    ++m_startCalls;
    StartJob(false);
}

void CDialogFirmwareUpdate::StartUpdateSecondPhase()
{
    ++m_secondPhaseStarts;
    StartJob(true);
}

void CDialogFirmwareUpdate::StartJob(bool secondPhase)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main || !m_hWnd)
        return;
    if (m_waitTimerId != 0) {
        KillTimer(kDeviceWaitTimer);
        m_waitTimerId = 0;
    }
    m_restartPending = 0;
    {
        auto job = m_firmwareInfo->Lock();
        job->m_state = kJobUpdateStarted;
        job->ReplaceStatusTexts(LanguageTextSet());
    }
    main->m_busy = 1;
    main->RefreshView();
    RefreshPage();
    // The window's values are read before the lock is taken: no window is
    // asked anything while the job is locked.
    const int selected = m_firmwareLanguageList.GetCount() > 0 ? m_firmwareLanguageList.GetCurSel() : -1;
    const std::wstring imagePath = m_imagePath.GetWindowText().str();
    std::wstring language;
    {
        auto job = m_firmwareInfo->Lock();
        if (selected >= 0)
            language = job->FileLanguage(selected);
        job->m_imagePath = imagePath;
    }
    if (selected >= 0)
        main->m_firmwareLanguage = CString(language.c_str());
    // An earlier restore's job is not this one's.
    DriveJobOfPage();
    Prepare(secondPhase);
    // Also after a preparation that failed at once: the first tick ends the
    // job and shows its texts.
    SetTimer(kProgressTimer, kProgressPeriodMs);
}

void CDialogFirmwareUpdate::StartRestore(RestoreJobRequest request)
{
    if (!request.job || !m_hWnd)
        return;
    m_drivenJob = std::move(request.job);
    m_restoreArchive = request.archive;
    m_restoreArchiveSet = true;
    Prepare(false);
    SetTimer(kProgressTimer, kProgressPeriodMs);
}

// ---------------------------------------------------------------- preparation

void CDialogFirmwareUpdate::PrepareUpdate()
{
    if (!GetMainDialog(this))
        return;
    DriveJobOfPage();
    Prepare(false);
}

void CDialogFirmwareUpdate::DriveJobOfPage()
{
    const CMainDialog* main = GetMainDialog(this);
    // Page 3 drives its own job; a restore the restore page's.
    m_drivenJob = m_firmwareInfo;
    m_restoreArchiveSet = false;
    if (main && main->m_page != 3) {
        if (CDialogFirmwareRestore* restore = RestorePage()) {
            m_drivenJob = restore->m_firmwareInfo;
            m_restoreArchive = restore->m_archive;
            m_restoreArchiveSet = true;
        }
    }
}

JobContext CDialogFirmwareUpdate::CaptureContext() const
{
    const CMainDialog* main = GetMainDialog(this);
    JobContext context;
    context.page = main->m_page;
    context.usbStatus = main->m_usbStatus;
    context.modelCode = main->m_modelCode;
    context.firmwareLanguage = main->m_firmwareLanguage.str();
    context.device = main->m_device;
    context.primary = main->m_hidPrimary;
    context.secondary = main->m_hidSecondary;
    context.programPath = RunningProgramPath();
    context.updatePageJob = m_firmwareInfo;
    if (const CDialogFirmwareRestore* restore = RestorePage())
        context.restorePageJob = restore->m_firmwareInfo;
    const HWND window = m_hWnd;
    context.armWaitTimer = [window] { ::PostMessageW(window, kArmWaitTimerMessage, 0, 0); };
    return context;
}

void CDialogFirmwareUpdate::Prepare(bool secondPhase)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    FirmwareJob& job = Driven();
    const int page = main->m_page;
    const LanguageTexts checking =
        ActivityTexts(page, main->m_usbStatus, page == 3 ? GetTextCheckingFirmware : GetTextCheckingBackupFirmware);
    std::wstring imagePath;
    {
        auto record = job.Lock();
        WriteJobStatusTexts(*record, checking);
        record->m_progress = 0;
        record->m_finished = 0;
        record->m_waitFlag = 0;
        record->m_succeeded = 0;
        record->m_failed = 1;
        imagePath = record->m_imagePath;
    }
    job.ClosePopup();
    JobContext context = CaptureContext();
    PagePreparationHost host;
    const PreparationOutcome outcome = PrepareFirmwareJob(context, imagePath, secondPhase, host);
    // The preparation may have closed, reopened or rebooted the unit: the
    // main window takes its channels and USB status back whatever came of it.
    main->m_hidPrimary = context.primary;
    main->m_hidSecondary = context.secondary;
    main->m_usbStatus = context.usbStatus;
    CarryOut(outcome, std::move(context));
}

void CDialogFirmwareUpdate::CarryOut(const PreparationOutcome& outcome, JobContext context)
{
    FirmwareJob& job = Driven();
    switch (outcome.end) {
    case PreparationEnd::kFailed: {
        {
            auto record = job.Lock();
            if (outcome.failed == 2)
                record->m_failed = 2;
            EndJobWithFailure(*record, outcome.texts);
        }
        m_autoUpdate = 0;
        return;
    }
    case PreparationEnd::kStartWorker: {
        const int page = context.page;
        const int usb = context.usbStatus;
        // Neither waited for nor kept: the worker ends the job through its record.
        const WorkerRoutine worker = FindUpdateRoad(context.modelCode).worker;
        if (!worker || !m_drivenJob->StartWorker(worker, std::move(context)))
            Fail(FailureTexts(page, usb, GetTextCannotUpdateFirmware));
        return;
    }
    case PreparationEnd::kStartDfu: {
        {
            auto record = job.Lock();
            record->m_imagePath = outcome.imagePath;
            record->m_state = kJobImageVerified;
            WriteJobStatusTexts(*record, outcome.texts);
            record->m_failed = 0;
            record->m_counters[0] = 0;
            record->m_counters[1] = 0;
        }
        m_dfu->ResetForUpdate();
        m_dfu->StartDfu();
        job.Lock()->m_state = kJobSecondEngineRestarting;
        return;
    }
    }
}

int CDialogFirmwareUpdate::IsDeviceReady()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return 0;
    const UpdateRoad road = FindUpdateRoad(main->m_modelCode).road;
    if (IsHidPairRoad(road) || road == UpdateRoad::kDualChip) {
        CloseHidHandle(&main->m_hidPrimary);
        CloseHidHandle(&main->m_hidSecondary);
        int found = 0;
        if (road == UpdateRoad::kDualChip) {
            DeviceConfig& device = main->m_device;
            found = FindTwoChipDevice(&main->m_hidPrimary, &main->m_hidSecondary, device.m_firmwareVersion,
                                      device.m_chipVersion1, device.m_chipVersion2);
        } else {
            found = FindHidPairDevice(&main->m_hidPrimary, &main->m_hidSecondary);
        }
        if (!found) {
            CloseHidHandle(&main->m_hidPrimary);
            CloseHidHandle(&main->m_hidSecondary);
        }
        return found ? 1 : 0;
    }
    int ids[2] = {};
    const int count = FindUsbDfuDevices(ids, 2);
    return DfuUnitReady(main->m_modelCode, m_activeEngine, count, ids) ? 1 : 0;
}

// ---------------------------------------------------------------- progress

void CDialogFirmwareUpdate::ShowPopup(const std::wstring& text, bool withOk, CSize size)
{
    CMainDialog* main = GetMainDialog(this);
    if (Driven().HasPopup() || !main)
        return;
    const CString ok(GetTextOk(main->m_uiLanguage).c_str());
    auto box = std::make_unique<CDialogMessageBox>(main);
    box->SetContent(CString(text.c_str()), 1, nullptr, withOk ? &ok : nullptr, size);
    if (box->CreatePopup())
        Driven().SetPopup(std::move(box));
}

void CDialogFirmwareUpdate::TakeStatusTexts(CMainDialog* main)
{
    // Taken and emptied in one step under the job's lock, so a writer's set
    // is never split.
    LanguageTextSet texts;
    int failed = 0;
    Driven().With([&](FirmwareInfo& job) {
        texts = job.TakeStatusTexts();
        failed = job.m_failed;
    });
    for (int i = 0; i < kUiLanguageCount; ++i) {
        if (!texts[i].empty())
            main->SetStatusTextForLanguage(CString(texts[i].c_str()), i);
    }
    main->ShowStatusText(main->GetStatusText(), failed != 0 ? 1 : 0);
    main->RefreshView();
}

void CDialogFirmwareUpdate::HandOverUserWait(CMainDialog* main, int jobWaits)
{
    // The backup popup's OK clears the main window's flag; the worker looks
    // at its job's.
    if (jobWaits == 1 && !m_userWaitHandedOver) {
        main->m_waitForUser = 1;
        m_userWaitHandedOver = true;
    } else if (m_userWaitHandedOver && main->m_waitForUser == 0) {
        Driven().Lock()->m_waitForUser = 0;
        m_userWaitHandedOver = false;
    }
}

void CDialogFirmwareUpdate::OnProgressTimer()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    FirmwareJob& job = Driven();
    int finished = 0;
    int progress = 0;
    int waitForUser = 0;
    job.With([&](const FirmwareInfo& record) {
        finished = record.m_finished;
        progress = record.m_progress;
        waitForUser = record.m_waitForUser;
    });
    if (finished) {
        EndJob();
        return;
    }
    HandOverUserWait(main, waitForUser);
    if (progress >= 0) {
        if (m_dfu)
            m_dfu->CheckSilentEngine();
        ProgressTickInput input;
        input.modelCode = main->m_modelCode;
        input.popupOpen = job.HasPopup();
        input.activeEngine = m_activeEngine;
        ProgressCounters counters;
        counters.waitTicks = m_waitTicks;
        counters.cameraDelay = m_cameraDelay;
        ProgressTickResult tick;
        {
            // Read, stepped and written back in one hold, so a worker's own
            // progress written meanwhile is never lost to a stale tick.
            auto record = job.Lock();
            input.state = record->m_state;
            input.holdButtonFlag = record->m_waitFlag;
            input.secondChipDone = record->m_spare;
            input.timedProgress = record->m_timedProgress;
            counters.progress = record->m_progress;
            counters.stallTicks = record->m_counters[0];
            counters.phaseTicks = record->m_counters[1];
            tick = StepProgress(input, counters);
            record->m_progress = counters.progress;
            record->m_counters[0] = counters.stallTicks;
            record->m_counters[1] = counters.phaseTicks;
            if (tick.actions & kProgressFailTwoChip)
                FailWithStatusError(*record, main->m_page, main->m_usbStatus);
        }
        m_waitTicks = counters.waitTicks;
        m_cameraDelay = counters.cameraDelay;
        const int language = main->m_uiLanguage;
        if (tick.actions & kProgressFailTwoChip)
            m_autoUpdate = 0;
        if (tick.actions & kProgressClosePopup)
            job.ClosePopup();
        if (tick.actions & kProgressShowBackupPopup)
            ShowPopup(GetTextBackupFailed(language), true, kBackupPopupSize);
        if (tick.actions & kProgressShowHoldPopup)
            ShowPopup(GetTextHoldButtonPrompt(main->m_modelCode, language), false, kHoldPopupSize);
        if (tick.actions & kProgressAwaitUnit)
            ArmWaitTimer();
        if (tick.actions & kProgressSucceed) {
            if (m_waitTimerId != 0) {
                KillTimer(kDeviceWaitTimer);
                m_waitTimerId = 0;
            }
            m_restartPending = 0;
            job.ClosePopup();
            int succeeded = 0;
            job.With([&](FirmwareInfo& record) {
                EndJobWithSuccess(record);
                succeeded = record.m_progress;
            });
            main->m_progress = succeeded;
            main->RefreshView();
        }
        if (tick.publish)
            main->m_progress = tick.shownProgress;
    }
    TakeStatusTexts(main);
}

void CDialogFirmwareUpdate::EndJob()
{
    CMainDialog* main = GetMainDialog(this);
    FirmwareJob& job = Driven();
    m_autoUpdate = 0;
    KillTimer(kProgressTimer);
    // A wait still running belongs to this job and ends with it.
    if (m_waitTimerId != 0) {
        KillTimer(kDeviceWaitTimer);
        m_waitTimerId = 0;
    }
    if (m_dfu)
        m_dfu->EndJob();
    job.ClosePopup();
    m_userWaitHandedOver = false;
    int succeeded = 0;
    int failed = 0;
    int progress = 0;
    job.With([&](FirmwareInfo& record) {
        record.m_state = kJobIdle;
        record.m_counters[0] = 0;
        record.m_counters[1] = 0;
        succeeded = record.m_succeeded;
        failed = record.m_failed;
        progress = record.m_progress;
    });
    main->m_busy = 0;
    main->RefreshView();
    const int page = main->m_page;
    CDialogFirmwareRestore* restore = page == 3 ? nullptr : RestorePage();
    if (page == 3)
        RefreshPage();
    else if (restore)
        restore->RefreshPage();
    m_waitTicks = 0;

    if (succeeded) {
        const int usb = main->m_usbStatus;
        const LanguageTexts success =
            FillLanguageTexts(L"%s", {[page, usb](int language) { return GetTextSuccess(page, usb, language); }});
        WriteJobStatusTexts(job, success);
        main->m_progress = progress;
        ShowClosingAdvice(success[UiLanguageRow(main->m_uiLanguage)]);
        TakeStatusTexts(main);
        main->ShowDeviceRecognitionPage(0, page != 3 && m_restoreArchiveSet ? &m_restoreArchive : nullptr, page);
        return;
    }
    if (failed == 2) {
        // The page switch shows the start page's own text; the job's failure
        // is handed over after it, so it stays with the failure icon.
        ShowModalBox(main, GetTextDeviceNotConnected(main->m_uiLanguage), 1, kNotConnectedSize);
        main->ShowDeviceSelectionPage();
        TakeStatusTexts(main);
        return;
    }
    TakeStatusTexts(main);
}

void CDialogFirmwareUpdate::ShowClosingAdvice(const std::wstring& successText)
{
    CMainDialog* main = GetMainDialog(this);
    const int language = main->m_uiLanguage;
    switch (FindProgressRules(main->m_modelCode).advice) {
    case ClosingAdvice::kPairing: ShowModalBox(main, GetTextPairingAdvice(language), 1, kPairingAdviceSize); break;
    case ClosingAdvice::kPowerCycle:
        ShowModalBox(main, FillPlaceholders(GetTextPowerCycleToApply(language), {successText}), 0, kPowerCycleSize);
        break;
    case ClosingAdvice::kCameraSteps:
        main->m_cameraWaitPending = 1;
        ShowModalBox(main, GetTextCameraReplugSteps(language), 1, kCameraStepsSize);
        break;
    case ClosingAdvice::kNone: break;
    }
}

void CDialogFirmwareUpdate::OnDeviceWaitTimer()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    const DeviceWaitStep step = StepDeviceWait(IsDeviceReady() == 1, m_deviceWaitTicks);
    if (step == DeviceWaitStep::kKeepWaiting)
        return;
    KillTimer(kDeviceWaitTimer);
    m_waitTimerId = 0;
    m_restartPending = 0;
    FirmwareJob& job = Driven();
    job.ClosePopup();
    const int page = main->m_page;
    const int usb = main->m_usbStatus;
    if (step == DeviceWaitStep::kGiveUp) {
        Fail(FailureTexts(page, usb, GetTextCannotGetDevice));
    } else if (main->m_modelCode == kTwoChipDfuModel && m_activeEngine != 2) {
        // The first chip is done: the second one's engine starts.
        if (!m_dfu || !m_dfu->StartEngineB())
            Fail(FailureTexts(page, usb, GetTextCannotGetDevice));
    } else {
        if (main->m_modelCode == kCameraPackageModel)
            MoveCameraFirmwareToCard();
        EndJobWithSuccess(job);
    }
    main->m_progress = job.Lock()->m_progress;
    main->RefreshView();
}
