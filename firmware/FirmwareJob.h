#pragma once
// One firmware update or restore. Its record (device/FirmwareInfo.h) is written
// by a worker thread or the DFU sequence and read by the update page's progress
// timer, so the job hands it out only under its one lock (Lock, With) or as a
// copy taken under it (Snapshot); nothing else can reach it. A worker gets the
// job itself and what it needs of the main window as a value (JobContext) when
// it starts, and from then on reads no window.

#include <functional>
#include <memory>
#include <string>

#include "core/GuardedRecord.h"
#include "device/DeviceConfig.h"
#include "device/FirmwareInfo.h"
#include "firmware/JobTexts.h"
#include "link/HidDeviceSeam.h"

class FirmwareJob;
class WorkerHost;

// What a job needs of the main window and the pages, taken when it starts.
struct JobContext {
    int page = 3; // the main window's page: 3 for an update, 4 for a restore
    int usbStatus = 0;
    int modelCode = 0;
    std::wstring firmwareLanguage;
    DeviceConfig device; // the live record as it stood
    // The main window's two command channels, lent to the job: the main window
    // keeps them open while it is busy and closes them only once the wait
    // timer looks for the returning unit, after the worker's last exchange.
    // The loader and two-chip workers open and close channels of their own.
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    // The running program's file; the image folder and the settings archive
    // lie beside it.
    std::wstring programPath;
    // Both pages' jobs. The two-chip worker marks its second chip in both and
    // puts its milestones into the update page's, whichever of them it drives.
    std::shared_ptr<FirmwareJob> updatePageJob;
    std::shared_ptr<FirmwareJob> restorePageJob;
    // Asks the update page's thread for the wait timer; callable from any thread.
    std::function<void()> armWaitTimer;
};

// A worker of one road; it ends at its failure end (finished and failed) or
// after asking for the wait timer.
using WorkerRoutine = void (*)(WorkerHost& host);

class FirmwareJob : public std::enable_shared_from_this<FirmwareJob> {
public:
    using Access = GuardedRecord<FirmwareInfo>::Access;

    FirmwareJob() = default;
    ~FirmwareJob();
    FirmwareJob(const FirmwareJob&) = delete;
    FirmwareJob& operator=(const FirmwareJob&) = delete;

    Access Lock() { return m_record.Lock(); }
    FirmwareInfo Snapshot() const { return m_record.Snapshot(); }
    template <typename Function> auto With(Function&& function)
    {
        return m_record.With(std::forward<Function>(function));
    }

    // The 13 status texts as they stand, leaving them empty, in one step.
    LanguageTextSet TakeStatusTexts();

    // The record's reset (FirmwareInfo::Reset) with the popup closed.
    void Reset(int mode);

    // The popup belongs to the user interface: these run on its thread only,
    // and never under the lock, since a window's handlers may read the job.
    bool HasPopup() const { return m_popup != nullptr; }
    FirmwarePopup* Popup() const { return m_popup.get(); }
    void SetPopup(std::unique_ptr<FirmwarePopup> popup);
    void ClosePopup();

    // Runs the routine on a thread of its own with this job and the context;
    // the thread is neither joined nor kept and holds the job as long as it
    // runs. A routine that throws ends the job as failed. False when no thread
    // could be started.
    bool StartWorker(WorkerRoutine routine, JobContext context);

private:
    void RunWorker(WorkerRoutine routine, JobContext& context);

    GuardedRecord<FirmwareInfo> m_record;
    std::unique_ptr<FirmwarePopup> m_popup;
};

// A worker's one-step writes, each under the job's lock.
void SetJobState(FirmwareJob& job, int state);
void SetHoldButtonFlag(FirmwareJob& job, int value);
void EndJobWithFailure(FirmwareJob& job, const LanguageTexts& texts);
void EndJobWithSuccess(FirmwareJob& job);
void WriteJobStatusTexts(FirmwareJob& job, const LanguageTexts& texts);

// What a worker reads and writes beyond its own locals, over its job and the
// context it was started with. The program and the tests build the same one.
class WorkerHost {
public:
    WorkerHost(std::shared_ptr<FirmwareJob> job, JobContext context);

    FirmwareJob& Job() { return *m_job; }
    const JobContext& Context() const { return m_context; }
    int Page() const { return m_context.page; }
    int UsbStatus() const { return m_context.usbStatus; }
    int ModelCode() const { return m_context.modelCode; }
    const std::wstring& FirmwareLanguage() const { return m_context.firmwareLanguage; }
    HidHandle* Primary() { return &m_context.primary; }
    HidHandle* Secondary() { return &m_context.secondary; }

    // The model's settings archive of the live record: 1 written, 0 failed.
    int WriteSettingsArchive();
    // Asks the page's thread for the wait timer.
    void ArmWaitTimer();

    // The two-chip worker's marks and milestones (see JobContext).
    void SetSecondChipDone(int value);
    int PageProgress();
    void SetPageProgress(int percent);

private:
    std::shared_ptr<FirmwareJob> m_job;
    JobContext m_context;
};
