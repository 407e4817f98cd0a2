// The update page's job: its start, the preparation and road choice, and the
// progress and wait timers that carry it to its end.
#include "firmware/DialogFirmwareUpdate.h"

#include <cstdio>

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "firmware/DfuPageHostWin32.h"
#include "firmware/DfuRoadRules.h"
#include "firmware/DfuSequence.h"
#include "firmware/DualChipWorker.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/ImageContainer.h"
#include "firmware/ImageHeaderCheck.h"
#include "firmware/ImageWorkers.h"
#include "firmware/SettingsArchive.h"
#include "firmware/UpdatePreparation.h"
#include "firmware/UpdateProgress.h"
#include "link/DeviceFinders.h"
#include "link/DfuEngineLibrary.h"
#include "link/HidChannel.h"
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
constexpr int kDfuModeFirstId = 0x8000;
// The reboot into DFU mode: the unit leaves the bus, restarts and enumerates
// in its DFU mode.
constexpr int kRebootWaitsMs[] = {3000, 4000, 3000};
constexpr int kRebootSettleMs = 1000;
constexpr int kDfuModeSettleMs = 1000;
constexpr int kHidRebootWaitMs = 3000;
constexpr int kSecondEngineProgress = 50;

const CSize kBackupPopupSize(500, 180);
const CSize kHoldPopupSize(400, 110);
const CSize kNotConnectedSize(400, 165);
const CSize kPairingAdviceSize(530, 160);
const CSize kPowerCycleSize(380, 145);
const CSize kCameraStepsSize(550, 180);

std::wstring ProgramPath()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(path, length);
}

// Without a removable drive holding "lensa.bin" (or without the program's own
// folder) the camera's files stay in the image folder.
void MoveCameraFirmwareToCard()
{
    std::wstring root;
    std::wstring folder;
    if (FindRemovableDriveWithFile(L"lensa.bin", &root) && ProgramImageFolder(ProgramPath(), folder))
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

// A new file with the bytes; an old one of the name goes first, so a file
// that cannot be written leaves none behind.
void WriteWorkFile(const std::wstring& path, const std::uint8_t* bytes, std::size_t length)
{
    ::DeleteFileW(path.c_str());
    std::FILE* file = OpenFirmwareFile(path, "wb");
    if (!file)
        return;
    const bool written = std::fwrite(bytes, 1, length, file) == length;
    if (std::fclose(file) != 0 || !written)
        ::DeleteFileW(path.c_str());
}

} // namespace

void CDialogFirmwareUpdate::Fail(FirmwareInfo& job, const std::wstring& tag, const TextInLanguage& reason)
{
    const CMainDialog* main = GetMainDialog(this);
    EndJobWithFailure(job, FailureTexts(main ? main->m_page : 3, main ? main->m_usbStatus : 0, reason, tag),
                      &m_autoUpdate);
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
        auto job = m_firmwareInfo.Lock();
        job->m_state = kJobUpdateStarted;
        job->ReplaceStatusTexts(LanguageTextSet());
    }
    main->m_busy = 1;
    main->RefreshView();
    RefreshPage();
    {
        auto job = m_firmwareInfo.Lock();
        const int selected = m_firmwareLanguageList.GetCount() > 0 ? m_firmwareLanguageList.GetCurSel() : -1;
        if (selected >= 0)
            main->m_firmwareLanguage = CString(job->FileLanguage(selected).c_str());
        job->m_imagePath = m_imagePath.GetWindowText().str();
    }
    Prepare(secondPhase);
    // Also after a preparation that failed at once: the first tick ends the
    // job and shows its texts.
    SetTimer(kProgressTimer, kProgressPeriodMs);
}

// ---------------------------------------------------------------- preparation

void CDialogFirmwareUpdate::PrepareUpdate()
{
    Prepare(false);
}

void CDialogFirmwareUpdate::Prepare(bool secondPhase)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    FirmwareInfo& job = DrivenJob();
    const int page = main->m_page;
    WriteJobStatusTexts(job, ActivityTexts(page, main->m_usbStatus,
                                           page == 3 ? GetTextCheckingFirmware : GetTextCheckingBackupFirmware));
    job.m_progress = 0;
    job.m_finished = 0;
    job.m_waitFlag = 0;
    job.m_succeeded = 0;
    job.ClosePopup();
    job.m_failed = 1;
    const UpdateRoad road = FindUpdateRoad(main->m_modelCode).road;
    if (road == UpdateRoad::kDfu)
        PrepareDfuRoad(job, secondPhase);
    else
        PrepareHidRoad(road, job);
}

void CDialogFirmwareUpdate::PrepareHidRoad(UpdateRoad road, FirmwareInfo& job)
{
    CMainDialog* main = GetMainDialog(this);
    const DeviceConfig& device = main->m_device;
    switch (road) {
    case UpdateRoad::kDualChip: {
        // A worker the watchdog gave up on may still hold the pair: a second
        // one never shares it.
        if (DualChipWorkerRunning()) {
            Fail(job, L"[0]", GetTextNotRecognizedDevice);
            return;
        }
        HidHandle pair[2] = {};
        DeviceVersion firmware, chip1, chip2;
        const int found = FindTwoChipDevice(&pair[0], &pair[1], firmware, chip1, chip2);
        CloseHidHandle(&pair[0]);
        CloseHidHandle(&pair[1]);
        if (!found) {
            Fail(job, L"[0]", GetTextNotRecognizedDevice);
            return;
        }
        // Asked, as the unit expects; the answers gate nothing.
        ReadHidUnitVersion(&main->m_hidPrimary);
        ReadHidUnitVersion(&main->m_hidSecondary);
        break;
    }
    case UpdateRoad::kRebootImage: {
        HidCommandFrame reboot;
        reboot.Begin(kHidCmdLeaveAndReturn);
        reboot.Send(&main->m_hidPrimary);
        CloseHidHandle(&main->m_hidPrimary);
        CloseHidHandle(&main->m_hidSecondary);
        WaitPumpingMessages(kHidRebootWaitMs);
        if (!FindHidPairDevice(&main->m_hidPrimary, &main->m_hidSecondary) ||
            !HidRoadVersionsMatch(road, &main->m_hidPrimary, &main->m_hidSecondary, nullptr, device)) {
            Fail(job, L"", GetTextNotRecognizedDevice);
            return;
        }
        break;
    }
    default: {
        // Every HID model shows as the 0x2030/0x2040 pair: a complete pair is
        // the target's, and the channel versions tell another unit apart.
        HidHandle pair[2] = {};
        const int found = FindHidPairDevice(&pair[0], &pair[1]);
        const bool matches =
            found && HidRoadVersionsMatch(road, &main->m_hidPrimary, &main->m_hidSecondary, &pair[0], device);
        CloseHidHandle(&pair[0]);
        CloseHidHandle(&pair[1]);
        if (!matches) {
            Fail(job, L"", GetTextNotRecognizedDevice);
            return;
        }
        break;
    }
    }
    StartWorker(road);
}

void CDialogFirmwareUpdate::PrepareDfuRoad(FirmwareInfo& job, bool secondPhase)
{
    CMainDialog* main = GetMainDialog(this);
    const int model = main->m_modelCode;
    // The second phase writes its failures without error-site tags.
    auto tag = [secondPhase](const wchar_t* text) { return secondPhase ? std::wstring() : std::wstring(text); };

    bool rebooted = false;
    if (!secondPhase && RebootsIntoDfu(model)) {
        const HCURSOR cursor = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        if (main->m_usbStatus >= kDfuModeFirstId) {
            WaitPumpingMessages(kDfuModeSettleMs);
        } else {
            if (!FindHidPairDevice(&main->m_hidPrimary, &main->m_hidSecondary) ||
                !SameUnitVersion(ReadHidUnitVersion(&main->m_hidPrimary), main->m_device.m_firmwareVersion)) {
                ::SetCursor(cursor);
                Fail(job, L"", GetTextNotRecognizedDevice);
                return;
            }
            HidCommandFrame reboot;
            reboot.Begin(kHidCmdLeaveAndReturn);
            reboot.Send(&main->m_hidPrimary);
            for (int wait : kRebootWaitsMs)
                WaitPumpingMessages(wait);
            main->m_usbStatus = DfuModeUsbStatus(main->m_usbStatus);
            WaitPumpingMessages(kRebootSettleMs);
            rebooted = true;
        }
        ::SetCursor(cursor);
    }

    int ids[2] = {};
    const int count = FindUsbDfuDevices(ids, 2);
    if (!DfuUsbCheckPasses(model, main->m_usbStatus, rebooted, count, ids)) {
        job.m_failed = 2;
        Fail(job, tag(model == kTwoChipDfuModel ? L"[9][1]" : L"[9][2]"), GetTextNotRecognizedDevice);
        return;
    }
    const int usb = main->m_usbStatus;
    if (usb > 0 && usb < kDfuModeFirstId) {
        std::wstring mismatch;
        {
            DfuEngineLibrary library;
            mismatch = CheckDfuUnitsBeforeUpdate(library, model, main->m_device);
        }
        if (!mismatch.empty()) {
            job.m_failed = 2;
            Fail(job, tag(mismatch.c_str()), GetTextNotRecognizedDevice);
            return;
        }
    }

    const auto notForModel = [model](int language) { return GetTextFirmwareNotForModel(model, language); };
    const bool camera = model == kCameraPackageModel;
    if (camera) {
        LoadedImage package = LoadImageContainer(job.m_imagePath, ImageCheckOptionsForModel(model));
        std::wstring folder;
        if (!package.check.Passed() || package.check.sections.size() < 2 ||
            !ProgramImageFolder(ProgramPath(), folder)) {
            Fail(job, L"", GetTextFirmwareCorrupted);
            return;
        }
        const ImageSection& bluetooth = package.check.sections[0];
        const ImageSection& firmware = package.check.sections[1];
        WriteWorkFile(folder + kCameraPackageBluetoothFile, package.Bytes() + bluetooth.offset, bluetooth.length);
        WriteWorkFile(folder + kCameraPackageFirmwareFile, package.Bytes() + firmware.offset, firmware.length);
        job.m_imagePath = folder + kCameraPackageBluetoothFile;
    }
    if (!DFUEngine::IsDFUFileValid(job.m_imagePath.c_str())) {
        Fail(job, camera ? std::wstring() : tag(L"[9][5]"), GetTextCannotGetStatus);
        return;
    }
    int accepted = 0;
    if (model == kPartnerConversionTarget) {
        DfuEngineLibrary library;
        accepted = CheckImageHeaderFile(job.m_imagePath, main->m_device.m_modelCode, model, &library);
    } else {
        accepted = CheckImageHeaderFile(job.m_imagePath, main->m_device.m_modelCode, model, nullptr);
    }
    if (!accepted) {
        Fail(job, camera ? std::wstring() : tag(L"[9][6]"), notForModel);
        return;
    }
    job.m_state = kJobImageRead;

    const int page = main->m_page;
    if (page == 3) {
        WriteJobStatusTexts(
            job,
            ActivityTexts(page, usb, usb >= kDfuModeFirstId ? GetTextWithoutBackupFirmware : GetTextAboutToMakeBackup));
        if (usb < kDfuModeFirstId && !secondPhase) {
            std::wstring path;
            // A failed archive does not stop the DFU road.
            if (SettingsArchivePath(ProgramPath(), model, path))
                WriteSettingsArchive(HostFileSystem(), path, main->m_device,
                                     static_cast<std::int64_t>(std::time(nullptr)));
        }
    }
    job.m_state = kJobImageVerified;
    WriteJobStatusTexts(
        job, FillLanguageTexts(L"%s", {[page, usb](int language) { return GetTextInProgress(page, usb, language); }}));
    job.m_failed = 0;
    job.m_counters[0] = 0;
    job.m_counters[1] = 0;
    m_dfu->ResetForUpdate();
    m_dfu->StartDfu();
    job.m_state = kJobSecondEngineRestarting;
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

void CDialogFirmwareUpdate::ShowPopup(FirmwareInfo& job, const std::wstring& text, bool withOk, CSize size)
{
    CMainDialog* main = GetMainDialog(this);
    if (job.m_popup || !main)
        return;
    const CString ok(GetTextOk(main->m_uiLanguage).c_str());
    auto box = std::make_unique<CDialogMessageBox>(main);
    box->SetContent(CString(text.c_str()), 1, nullptr, withOk ? &ok : nullptr, size);
    if (box->CreatePopup())
        job.m_popup = std::move(box);
}

void CDialogFirmwareUpdate::TakeStatusTexts(CMainDialog* main, const FirmwareInfo& job)
{
    // Taken and emptied in one call under the texts' own lock, so a writer's
    // set is never split.
    const LanguageTextSet texts = DrivenJob().TakeStatusTexts();
    for (int i = 0; i < kUiLanguageCount; ++i) {
        if (!texts[i].empty())
            main->SetStatusTextForLanguage(CString(texts[i].c_str()), i);
    }
    main->ShowStatusText(main->GetStatusText(), job.m_failed != 0 ? 1 : 0);
    main->RefreshView();
}

void CDialogFirmwareUpdate::OnProgressTimer()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    FirmwareInfo& job = DrivenJob();
    if (job.m_finished) {
        EndJob(job);
        return;
    }
    if (job.m_progress >= 0) {
        if (m_dfu)
            m_dfu->CheckSilentEngine();
        ProgressTickInput input;
        input.modelCode = main->m_modelCode;
        input.state = job.m_state;
        input.popupOpen = job.m_popup != nullptr;
        input.holdButtonFlag = job.m_waitFlag;
        input.secondChipDone = job.m_spare;
        input.timedProgress = m_timedProgress;
        input.activeEngine = m_activeEngine;
        ProgressCounters counters;
        counters.progress = job.m_progress;
        counters.stallTicks = job.m_counters[0];
        counters.phaseTicks = job.m_counters[1];
        counters.waitTicks = m_waitTicks;
        counters.cameraDelay = m_cameraDelay;
        const ProgressTickResult tick = StepProgress(input, counters);
        job.m_progress = counters.progress;
        job.m_counters[0] = counters.stallTicks;
        job.m_counters[1] = counters.phaseTicks;
        m_waitTicks = counters.waitTicks;
        m_cameraDelay = counters.cameraDelay;
        const int language = main->m_uiLanguage;
        if (tick.actions & kProgressClosePopup)
            job.ClosePopup();
        if (tick.actions & kProgressShowBackupPopup)
            ShowPopup(job, GetTextBackupFailed(language), true, kBackupPopupSize);
        if (tick.actions & kProgressShowHoldPopup)
            ShowPopup(job, GetTextHoldButtonPrompt(main->m_modelCode, language), false, kHoldPopupSize);
        if (tick.actions & kProgressFailTwoChip)
            FailWithStatusError(job, main->m_page, main->m_usbStatus, &m_autoUpdate);
        if (tick.actions & kProgressAwaitUnit)
            ArmWaitTimer();
        if (tick.actions & kProgressSucceed) {
            if (m_waitTimerId != 0) {
                KillTimer(kDeviceWaitTimer);
                m_waitTimerId = 0;
            }
            m_restartPending = 0;
            job.ClosePopup();
            EndJobWithSuccess(job);
            main->m_progress = job.m_progress;
            main->RefreshView();
        }
        if (tick.publish)
            main->m_progress = tick.shownProgress;
    }
    TakeStatusTexts(main, job);
}

void CDialogFirmwareUpdate::EndJob(FirmwareInfo& job)
{
    CMainDialog* main = GetMainDialog(this);
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
    job.m_state = kJobIdle;
    main->m_busy = 0;
    main->RefreshView();
    const int page = main->m_page;
    CDialogFirmwareRestore* restore = page == 3 ? nullptr : RestorePage();
    if (page == 3)
        RefreshPage();
    else if (restore)
        restore->RefreshPage();
    job.m_counters[0] = 0;
    job.m_counters[1] = 0;
    m_waitTicks = 0;

    if (job.m_succeeded) {
        const int usb = main->m_usbStatus;
        WriteJobStatusTexts(
            job, FillLanguageTexts(L"%s", {[page, usb](int language) { return GetTextSuccess(page, usb, language); }}));
        main->m_progress = job.m_progress;
        ShowClosingAdvice(job);
        TakeStatusTexts(main, job);
        main->ShowDeviceRecognitionPage(0, page != 3 && restore ? &restore->m_archive : nullptr, page);
        return;
    }
    if (job.m_failed == 2) {
        TakeStatusTexts(main, job);
        ShowModalBox(main, GetTextDeviceNotConnected(main->m_uiLanguage), 1, kNotConnectedSize);
        main->ShowDeviceSelectionPage();
        return;
    }
    TakeStatusTexts(main, job);
}

void CDialogFirmwareUpdate::ShowClosingAdvice(FirmwareInfo& job)
{
    CMainDialog* main = GetMainDialog(this);
    const int language = main->m_uiLanguage;
    switch (FindProgressRules(main->m_modelCode).advice) {
    case ClosingAdvice::kPairing: ShowModalBox(main, GetTextPairingAdvice(language), 1, kPairingAdviceSize); break;
    case ClosingAdvice::kPowerCycle:
        ShowModalBox(main, FillPlaceholders(GetTextPowerCycleToApply(language), {job.StatusText(language)}), 0,
                     kPowerCycleSize);
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
    FirmwareInfo& job = DrivenJob();
    job.ClosePopup();
    const int page = main->m_page;
    const int usb = main->m_usbStatus;
    if (step == DeviceWaitStep::kGiveUp) {
        Fail(job, L"", GetTextCannotGetDevice);
    } else if (main->m_modelCode == kTwoChipDfuModel && m_activeEngine != 2) {
        // The first chip is done: the second one's engine starts.
        if (m_dfu && m_dfu->StartEngineB()) {
            job.m_failed = 0;
            m_progressEventCount = 0;
            m_timedProgress = 1;
            job.m_counters[0] = 0;
            job.m_counters[1] = 0;
            job.m_progress = kSecondEngineProgress;
            job.m_state = kJobSecondEngineRestarting;
        } else {
            EndJobWithFailure(job, FailureTexts(page, usb, GetTextCannotGetDevice), &m_autoUpdate);
        }
    } else {
        if (main->m_modelCode == kCameraPackageModel)
            MoveCameraFirmwareToCard();
        EndJobWithSuccess(job);
    }
    main->m_progress = job.m_progress;
    main->RefreshView();
}
