// The firmware job across threads, as the program runs it: each worker kind on
// its own thread over the simulated headset, and the DFU sequence fed by the
// library's threads, to success and to failure, while another thread takes
// snapshots of the job as the progress timer does, only far more often. Runs
// under ThreadSanitizer too (build/tsan), which reports any access to the job
// outside its lock.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "firmware/CameraWorker.h"
#include "firmware/DfuSequence.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/ImageWorkers.h"
#include "firmware/LoaderUpdate.h"
#include "link/MakerUsb.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/firmware/DualChipRig.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

namespace {

LanguageTextSet TextsOfStep(int step)
{
    LanguageTextSet texts;
    for (int language = 0; language < kUiLanguageCount; ++language)
        texts[language] = L"step " + std::to_wstring(step) + L" in language " + std::to_wstring(language);
    return texts;
}

// Where a state stands in a worker's run: read, verified, waiting for the
// user after a failed backup, transferring, finishing.
int RankOfState(int state)
{
    switch (state) {
    case kJobImageRead: return 1;
    case kJobImageVerified: return 2;
    case kJobWaitingAfterBackupFailure: return 3;
    case kJobTransferring: return 4;
    case kJobFinished: return 5;
    default: return 0;
    }
}

// What the snapshots saw of a job while it ran.
struct Watch {
    int snapshots = 0;
    bool statesForward = true; // the state never went back mid-run
    int lastRank = 0;
};

// Snapshots every millisecond until the job has ended (finished, or handed to
// the wait timer), as a progress timer would take them.
Watch WatchUntilTheEnd(WorkerTestHost& host, int timeoutMs = 20000)
{
    Watch watch;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const FirmwareInfo job = host.Job();
        ++watch.snapshots;
        const int rank = RankOfState(job.m_state);
        watch.statesForward = watch.statesForward && rank >= watch.lastRank;
        watch.lastRank = rank;
        if (job.m_finished != 0 || host.TimerRequests() > 0 || std::chrono::steady_clock::now() > end)
            return watch;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST(FirmwareJobThreads, ATakeOfTheTextsIsAlwaysOneWholeStep)
{
    FirmwareJob job;
    constexpr int kSteps = 500;
    std::thread worker([&job] {
        for (int step = 1; step <= kSteps; ++step) {
            const LanguageTextSet texts = TextsOfStep(step);
            auto record = job.Lock();
            record->ReplaceStatusTexts(texts);
            record->m_progress = step;
        }
        job.Lock()->m_finished = 1;
    });

    int lastStep = 0;
    bool whole = true;
    for (bool finished = false; !finished && whole;) {
        LanguageTextSet texts;
        int progress = 0;
        job.With([&](FirmwareInfo& record) {
            texts = record.TakeStatusTexts();
            progress = record.m_progress;
            finished = record.m_finished != 0;
        });
        if (texts[0].empty())
            continue; // nothing new since the last take
        const int step = std::stoi(texts[0].substr(5));
        whole = texts == TextsOfStep(step) && step == progress && step > lastStep;
        lastStep = step;
    }
    worker.join();
    EXPECT_TRUE(whole) << "a take held one step's texts with its progress, at step " << lastStep;
    for (const std::wstring& text : job.Snapshot().m_statusText)
        EXPECT_TRUE(text.empty());
}

TEST(FirmwareJobThreads, AResetFromAnotherThreadEmptiesAllTexts)
{
    FirmwareJob job;
    job.Lock()->ReplaceStatusTexts(TextsOfStep(1));
    std::thread worker([&job] { job.Lock()->Reset(3); });
    worker.join();
    const FirmwareInfo record = job.Snapshot();
    for (const std::wstring& text : record.m_statusText)
        EXPECT_TRUE(text.empty());
    EXPECT_EQ(kJobResetForUpdate, record.m_state);
}

class WorkerThreads : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFirmwareWaitPercentForTests(0);
        bus.Install();
    }
    void TearDown() override { SetFirmwareWaitPercentForTests(100); }

    void UseImage(int model, const std::vector<BuiltSection>& sections, const std::wstring& name = L"fw_v2.1.img")
    {
        host.job->Lock()->m_imagePath = folder.Write(name, BuildImage(static_cast<std::uint32_t>(model), sections));
    }
    // Started as the program starts it, watched to its end.
    Watch RunOnItsThread(WorkerRoutine routine)
    {
        EXPECT_TRUE(host.Start(routine));
        return WatchUntilTheEnd(host);
    }

    SimHeadset bus;
    TempFolder folder;
    WorkerTestHost host;
};

TEST_F(WorkerThreads, EachHidWorkerToSuccessAndToFailure)
{
    struct Case {
        const char* what;
        int model;
        WorkerRoutine routine;
        std::function<void(SimHidInterface&)> arrange;
        std::vector<BuiltSection> sections;
        const wchar_t* failure; // null: handed to the wait timer
    };
    const auto none = [](SimHidInterface&) {};
    const std::vector<BuiltSection> image = {SectionOf(0, 1, 3000, 1), SectionOf(2, 2, 500, 2)};
    const std::vector<BuiltSection> loaderImage = {SectionOf(0, 0, 1500, 1), SectionOf(2, 1, 40, 2),
                                                   SectionOf(5, 7, 300, 3)};
    const Case cases[] = {
        {"image worker", 0x6010, ImageUpdateThread, none, image, nullptr},
        {"image worker, the unit gone mid-transfer", 0x6010, ImageUpdateThread,
         [](SimHidInterface& unit) { unit.firmware.unplugAfterDataReports = 2; }, image,
         L"Failed to update firmware. Cannot get status[9][0]"},
        {"loader", 0x3110, LoaderUpdateThread,
         [](SimHidInterface& unit) {
             unit.firmware.loaderBeside = true;
             unit.SetGroup(kHidGroupBasic, {0, 0});
         },
         loaderImage, nullptr},
        {"loader, a section refused", 0x3110, LoaderUpdateThread,
         [](SimHidInterface& unit) {
             unit.firmware.loaderBeside = true;
             unit.firmware.failSectionStartAt = 1;
         },
         loaderImage, L"Failed to update firmware. Cannot get status[0]"},
        {"camera road", 0x5610, CameraFirmwareUpdateThread, none, image, nullptr},
        {"camera road, a section refused", 0x5610, CameraFirmwareUpdateThread,
         [](SimHidInterface& unit) { unit.firmware.failSectionStartAt = 1; }, image,
         L"Failed to update firmware. Cannot get status"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimHeadset caseBus;
        caseBus.Install();
        WorkerTestHost caseHost;
        caseHost.model = caseHost.usbStatus = c.model;
        SimHidInterface& unit = caseBus.AddInterface(c.model);
        c.arrange(unit);
        caseHost.primary = OpenHidInterface(c.model);
        caseHost.job->Lock()->m_imagePath =
            folder.Write(L"fw.img", BuildImage(static_cast<std::uint32_t>(c.model), c.sections));
        ASSERT_TRUE(caseHost.Start(c.routine));
        const Watch watch = WatchUntilTheEnd(caseHost);
        const FirmwareInfo job = caseHost.Job();
        EXPECT_GT(watch.snapshots, 0);
        EXPECT_TRUE(watch.statesForward);
        if (c.failure) {
            EXPECT_EQ(c.failure, job.StatusText(0));
            EXPECT_EQ(1, job.m_finished);
            EXPECT_EQ(1, job.m_failed);
            EXPECT_EQ(0, caseHost.TimerRequests());
        } else {
            EXPECT_EQ(kJobFinished, job.m_state);
            EXPECT_EQ(0, job.m_finished);
            EXPECT_EQ(0, job.m_failed);
            EXPECT_EQ(1, caseHost.TimerRequests());
        }
    }
    bus.Install();
}

// A failed backup: the worker waits on its own thread until the user's OK
// reaches its job, while the timer keeps looking.
TEST_F(WorkerThreads, TheWaitForTheUserCrossesThreadsThroughTheJob)
{
    host.model = host.usbStatus = 0x6010;
    bus.AddInterface(0x6010);
    host.primary = OpenHidInterface(0x6010);
    host.archiveResult = 0;
    UseImage(0x6010, {SectionOf(0, 1, 100, 1)});
    ASSERT_TRUE(host.Start(ImageUpdateThread));
    ASSERT_TRUE(host.WaitFor([](const FirmwareInfo& job) { return job.m_waitForUser == 1; }));
    for (int look = 0; look < 50; ++look) {
        EXPECT_EQ(kJobWaitingAfterBackupFailure, host.Job().m_state);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    host.job->Lock()->m_waitForUser = 0;
    const Watch watch = WatchUntilTheEnd(host);
    EXPECT_EQ(1, host.TimerRequests());
    EXPECT_EQ(kJobFinished, host.Job().m_state);
    EXPECT_GT(watch.snapshots, 0);
}

TEST_F(DualChipWorkerTest, TheTwoChipWorkerOnItsThreadToSuccessAndToFailure)
{
    for (const ComPortLookup lookup : {ComPortLookup::kFound, ComPortLookup::kOpenFailed}) {
        SCOPED_TRACE(lookup == ComPortLookup::kFound ? "the loader runs" : "no converter");
        ResetDualChipPairForTests();
        host.lookup = lookup;
        host.ResetTimerRequests();
        host.job->Lock()->m_finished = 0;
        UseImage();
        ASSERT_TRUE(host.Start(DualChipUpdateThread));
        const Watch watch = WatchUntilTheEnd(host);
        EXPECT_GT(watch.snapshots, 0);
        // The worker's last act may come just after the end shows.
        ASSERT_TRUE(host.WaitFor([](const FirmwareInfo&) { return !DualChipWorkerRunning(); }));
        if (lookup == ComPortLookup::kFound) {
            EXPECT_EQ(1, host.TimerRequests());
            EXPECT_EQ(1, host.SecondChipDone());
            EXPECT_EQ(88, host.PageProgress());
        } else {
            EXPECT_EQ(L"Failed to update firmware. Cannot get status[24]", host.Job().StatusText(0));
            EXPECT_EQ(0, host.TimerRequests());
        }
    }
}

// The DFU sequence: the library's threads queue their notifications, this
// thread handles them as the page's messages, and another takes snapshots.
class SequenceHost final : public DfuSequenceHost {
public:
    std::shared_ptr<FirmwareJob> job = std::make_shared<FirmwareJob>();
    std::atomic<int> posts{0};
    std::atomic<int> timerArms{0};
    int model = 0x4D10;

    FirmwareJob& Job() override { return *job; }
    int Page() override { return 3; }
    int UsbStatus() override { return 0xA010; }
    int ModelCode() override { return model; }
    void OpenPopup(DfuPopup) override {}
    void ArmWaitTimer() override { ++timerArms; }
    // As the page's message loop paces the library: a notification's message
    // is taken before the next one comes (within a bound), so none is dropped
    // for finding the queue busy.
    void PostCallbackMessage() override
    {
        const int posted = ++posts;
        std::unique_lock<std::mutex> lock(m_takenLock);
        m_takenWake.wait_for(lock, std::chrono::seconds(2), [&] { return m_taken >= posted; });
    }
    void Took()
    {
        {
            std::lock_guard<std::mutex> lock(m_takenLock);
            ++m_taken;
        }
        m_takenWake.notify_all();
    }
    void Wait(int) override {}
    std::uint64_t NowMs() override
    {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
                .count());
    }

private:
    std::mutex m_takenLock;
    std::condition_variable m_takenWake;
    int m_taken = 0;
};

TEST(DfuSequenceThreads, TheSequenceToSuccessAndToFailureWhileSnapshotsAreTaken)
{
    for (const int resultCode : {0, 1}) {
        SCOPED_TRACE(resultCode == 0 ? "to the restart" : "a failed download");
        SimDfuChip chip;
        SimDfuDevice& unit = chip.AddDevice(0xA010);
        for (DfuStepPlan& plan : unit.plans)
            plan.delayMs = 1;
        unit.plans[1].resultCode = resultCode;
        chip.Attach();
        SequenceHost host;
        DFUEngine engineA, engineB;
        DfuLibraryEngines engines(engineA, engineB);
        DfuSequence sequence(host, engines);
        host.job->Lock()->m_imagePath = L"C:\\IMG\\Vel8.dfu";
        std::atomic<bool> done{false};
        std::atomic<int> snapshots{0};
        std::thread timer([&] {
            while (!done) {
                const FirmwareInfo job = host.job->Snapshot();
                (void)job;
                ++snapshots;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        sequence.ResetForUpdate();
        sequence.StartDfu();
        int taken = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (host.timerArms == 0 && host.job->Snapshot().m_finished == 0 && std::chrono::steady_clock::now() < end) {
            if (taken < host.posts.load()) {
                ++taken;
                sequence.HandleNextCallback();
                host.Took();
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        sequence.EndJob();
        done = true;
        timer.join();
        chip.Detach();
        EXPECT_GT(snapshots.load(), 0);
        if (resultCode == 0) {
            EXPECT_EQ(1, host.timerArms.load());
            EXPECT_EQ(kJobFinished, host.job->Snapshot().m_state);
        } else {
            EXPECT_EQ(1, host.job->Snapshot().m_finished);
            EXPECT_EQ(L"Failed to update firmware. Cannot update firmware", host.job->Snapshot().StatusText(0));
        }
    }
}

} // namespace
