#pragma once
// A firmware job as a worker meets it in the program, over the simulated
// headset: the test sets the main window's values, the job's record and the
// channels, and Run builds the program's own WorkerHost from them. The
// settings archive goes through a file system installed for the test, which
// keeps what the job showed when the archive was written; the requests for the
// wait timer are counted.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareJob.h"
#include "link/HidChannel.h"

class WorkerTestHost {
public:
    // The main window's values as the job starts.
    int page = 3;
    int usbStatus = 0;
    int model = 0;
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    std::wstring firmwareLanguage = L"English";
    // The settings archive: 0 makes its writing fail.
    int archiveResult = 1;
    int archiveWrites = 0;
    std::wstring textsAtArchive; // English status text when the archive was written
    // Both pages' jobs; the job run is the update page's unless a test says otherwise.
    std::shared_ptr<FirmwareJob> job = std::make_shared<FirmwareJob>();
    std::shared_ptr<FirmwareJob> restoreJob = std::make_shared<FirmwareJob>();
    std::shared_ptr<FirmwareJob> updateJob = job;

    WorkerTestHost() : m_files(*this) {}
    ~WorkerTestHost()
    {
        // A worker of a failed test may still be waiting for the user or
        // running: it is let go and given its end (it holds its job until
        // then) before what it may still use goes.
        if (m_started && job) {
            job->Lock()->m_waitForUser = 0;
            const std::weak_ptr<FirmwareJob> started = job;
            job.reset();
            updateJob.reset();
            restoreJob.reset();
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!started.expired() && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        SetHostFileSystem(nullptr);
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
    }
    WorkerTestHost(const WorkerTestHost&) = delete;
    WorkerTestHost& operator=(const WorkerTestHost&) = delete;

    // The record as it stands.
    FirmwareInfo Job() const { return job->Snapshot(); }
    int TimerRequests() const { return m_timerRequests->load(); }
    void ResetTimerRequests() { *m_timerRequests = 0; }

    JobContext Context() const
    {
        JobContext context;
        context.page = page;
        context.usbStatus = usbStatus;
        context.modelCode = model;
        context.firmwareLanguage = firmwareLanguage;
        context.primary = primary;
        context.secondary = secondary;
        context.programPath = L"C:\\Quor\\QuorDeviceManager.exe";
        context.updatePageJob = updateJob;
        context.restorePageJob = restoreJob;
        context.armWaitTimer = [requests = m_timerRequests] { ++*requests; };
        return context;
    }

    // The worker on this thread.
    void Run(WorkerRoutine routine)
    {
        SetHostFileSystem(&m_files);
        WorkerHost host(job, Context());
        routine(host);
    }

    // The worker on a thread of its own, as the program starts it.
    bool Start(WorkerRoutine routine)
    {
        SetHostFileSystem(&m_files);
        m_started = true;
        return job->StartWorker(routine, Context());
    }

    // Looks at the record until the condition holds or the time is up.
    bool WaitFor(const std::function<bool(const FirmwareInfo&)>& condition, int timeoutMs = 20000) const
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition(Job())) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

private:
    // The machine's files, but the settings archive: counted, noted with the
    // job's text of the moment, and written nowhere.
    class ArchiveFiles final : public FirmwareFileSystem {
    public:
        explicit ArchiveFiles(WorkerTestHost& host) : m_host(host) {}
        bool WriteNewFile(const std::wstring& path, const std::string& bytes) override
        {
            if (!IsArchive(path))
                return Machine().WriteNewFile(path, bytes);
            ++m_host.archiveWrites;
            m_host.textsAtArchive = m_host.Job().StatusText(0);
            return m_host.archiveResult != 0;
        }
        bool ReplaceFile(const std::wstring& from, const std::wstring& to) override
        {
            return IsArchive(from) || Machine().ReplaceFile(from, to);
        }
        void RemoveFile(const std::wstring& path) override
        {
            if (!IsArchive(path))
                Machine().RemoveFile(path);
        }
        bool ReadWholeFile(const std::wstring& path, std::size_t cap, std::string& bytes) override
        {
            return Machine().ReadWholeFile(path, cap, bytes);
        }

    private:
        static bool IsArchive(const std::wstring& path) { return path.find(L".hvlxarch") != std::wstring::npos; }
        static FirmwareFileSystem& Machine() { return MachineFileSystem(); }
        WorkerTestHost& m_host;
    };

    ArchiveFiles m_files;
    bool m_started = false;
    std::shared_ptr<std::atomic<int>> m_timerRequests = std::make_shared<std::atomic<int>>(0);
};
