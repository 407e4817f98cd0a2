#include "firmware/FirmwareJob.h"

#include <ctime>
#include <thread>
#include <utility>

#include "firmware/FirmwareFiles.h"
#include "firmware/JobTexts.h"
#include "firmware/SettingsArchive.h"
#include "text/FirmwareTexts.h"

FirmwareJob::~FirmwareJob()
{
    ClosePopup();
}

LanguageTextSet FirmwareJob::TakeStatusTexts()
{
    return With([](FirmwareInfo& job) { return job.TakeStatusTexts(); });
}

void FirmwareJob::Reset(int mode)
{
    Lock()->Reset(mode);
    ClosePopup();
}

void FirmwareJob::SetPopup(std::unique_ptr<FirmwarePopup> popup)
{
    ClosePopup();
    m_popup = std::move(popup);
}

void FirmwareJob::ClosePopup()
{
    // The job lets go of the popup before its window goes: destroying a
    // window runs its handlers, and one that closes the job's popup again
    // must find none rather than destroy and delete the same object twice.
    std::unique_ptr<FirmwarePopup> popup = std::move(m_popup);
    if (popup)
        popup->DestroyPopupWindow();
}

bool FirmwareJob::StartWorker(WorkerRoutine routine, JobContext context)
{
    try {
        std::thread([job = shared_from_this(), routine, context = std::move(context)]() mutable {
            job->RunWorker(routine, context);
        }).detach();
        return true;
    } catch (...) {
        return false;
    }
}

void FirmwareJob::RunWorker(WorkerRoutine routine, JobContext& context)
{
    const int page = context.page;
    const int usbStatus = context.usbStatus;
    try {
        WorkerHost host(shared_from_this(), std::move(context));
        routine(host);
    } catch (...) {
        // Whatever stopped the worker, the job must end rather than run on
        // for ever as far as the page can tell.
        try {
            EndJobWithFailure(*this, FailureTexts(page, usbStatus, GetTextCannotUpdateFirmware));
        } catch (...) {}
    }
}

void SetJobState(FirmwareJob& job, int state)
{
    job.Lock()->m_state = state;
}

void SetHoldButtonFlag(FirmwareJob& job, int value)
{
    job.Lock()->m_waitFlag = value;
}

void EndJobWithFailure(FirmwareJob& job, const LanguageTexts& texts)
{
    auto record = job.Lock();
    EndJobWithFailure(*record, texts);
}

void EndJobWithSuccess(FirmwareJob& job)
{
    auto record = job.Lock();
    EndJobWithSuccess(*record);
}

void WriteJobStatusTexts(FirmwareJob& job, const LanguageTexts& texts)
{
    auto record = job.Lock();
    WriteJobStatusTexts(*record, texts);
}

WorkerHost::WorkerHost(std::shared_ptr<FirmwareJob> job, JobContext context)
    : m_job(std::move(job)), m_context(std::move(context))
{}

int WorkerHost::WriteSettingsArchive()
{
    std::wstring path;
    if (!SettingsArchivePath(m_context.programPath, m_context.modelCode, path))
        return 0;
    return ::WriteSettingsArchive(HostFileSystem(), path, m_context.device,
                                  static_cast<std::int64_t>(std::time(nullptr)));
}

void WorkerHost::ArmWaitTimer()
{
    if (m_context.armWaitTimer)
        m_context.armWaitTimer();
}

void WorkerHost::SetSecondChipDone(int value)
{
    m_job->Lock()->m_spare = value;
    for (const std::shared_ptr<FirmwareJob>& page : {m_context.updatePageJob, m_context.restorePageJob}) {
        if (page && page != m_job)
            page->Lock()->m_spare = value;
    }
}

int WorkerHost::PageProgress()
{
    FirmwareJob& page = m_context.updatePageJob ? *m_context.updatePageJob : *m_job;
    return page.Lock()->m_progress;
}

void WorkerHost::SetPageProgress(int percent)
{
    FirmwareJob& page = m_context.updatePageJob ? *m_context.updatePageJob : *m_job;
    page.Lock()->m_progress = percent;
}
