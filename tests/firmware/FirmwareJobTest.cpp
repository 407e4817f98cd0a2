// The firmware job: its record reached only under its lock, its popup, and
// its worker thread started with the job itself.
#include "firmware/FirmwareJob.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <utility>

#include "tests/firmware/WorkerTestHost.h"

namespace {

// The record cannot be taken out of an accessor that is about to go: the
// reference would outlive the lock. A named accessor still gives it.
template <typename T, typename = void> struct CanDereference : std::false_type {};
template <typename T> struct CanDereference<T, std::void_t<decltype(*std::declval<T>())>> : std::true_type {};
static_assert(!CanDereference<FirmwareJob::Access>::value, "*job.Lock() must not compile");
static_assert(CanDereference<FirmwareJob::Access&>::value, "a named accessor gives the record");
static_assert(!std::is_copy_constructible<FirmwareJob>::value, "a job is shared, never copied");

class CountedPopup : public FirmwarePopup {
public:
    explicit CountedPopup(int& destroyed) : m_destroyed(destroyed) {}
    void DestroyPopupWindow() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(FirmwareJob, ClosesThePopupOnceAndOnDestruction)
{
    int destroyed = 0;
    {
        FirmwareJob job;
        job.SetPopup(std::make_unique<CountedPopup>(destroyed));
        EXPECT_TRUE(job.HasPopup());
        job.ClosePopup();
        job.ClosePopup();
        EXPECT_EQ(1, destroyed);
        EXPECT_FALSE(job.HasPopup());
        job.SetPopup(std::make_unique<CountedPopup>(destroyed));
        // A second popup takes the place of the first, which goes.
        job.SetPopup(std::make_unique<CountedPopup>(destroyed));
        EXPECT_EQ(2, destroyed);
    }
    EXPECT_EQ(3, destroyed);
}

// A popup whose window, while being destroyed, asks the job to close its
// popup again (as a destroy handler of the window may).
class ReentrantPopup : public FirmwarePopup {
public:
    ReentrantPopup(FirmwareJob& job, int& destroyed) : m_job(job), m_destroyed(destroyed) {}
    void DestroyPopupWindow() override
    {
        ++m_destroyed;
        EXPECT_FALSE(m_job.HasPopup());
        m_job.ClosePopup();
        m_marker = 1; // still alive after the nested close
    }

private:
    FirmwareJob& m_job;
    int& m_destroyed;
    int m_marker = 0;
};

TEST(FirmwareJob, ClosingThePopupFromItsOwnDestructionIsHarmless)
{
    int destroyed = 0;
    FirmwareJob job;
    job.SetPopup(std::make_unique<ReentrantPopup>(job, destroyed));
    job.ClosePopup();
    EXPECT_EQ(1, destroyed);
    EXPECT_FALSE(job.HasPopup());

    // A reset closes it too.
    job.SetPopup(std::make_unique<ReentrantPopup>(job, destroyed));
    job.Lock()->m_finished = 1;
    job.Reset(3);
    EXPECT_EQ(2, destroyed);
    EXPECT_FALSE(job.HasPopup());
    EXPECT_EQ(kJobResetForUpdate, job.Snapshot().m_state);
    EXPECT_EQ(0, job.Snapshot().m_finished);
}

TEST(FirmwareJob, TakingTheTextsEmptiesThem)
{
    FirmwareJob job;
    LanguageTextSet texts;
    texts.fill(L"step");
    job.Lock()->ReplaceStatusTexts(texts);
    EXPECT_EQ(texts, job.TakeStatusTexts());
    for (const std::wstring& text : job.Snapshot().m_statusText)
        EXPECT_TRUE(text.empty());
}

void ThrowingWorker(WorkerHost& host)
{
    SetJobState(host.Job(), kJobTransferring);
    throw std::runtime_error("gone");
}

void NothingWorker(WorkerHost&) {}

// A worker that throws ends its job as failed, with the texts of the page it
// ran for; one that returns leaves the job as it left it.
TEST(FirmwareJob, AWorkerThatThrowsEndsItsJobAsFailed)
{
    struct Case {
        int page;
        WorkerRoutine worker;
        const wchar_t* text; // null: the job stays unfinished
    };
    const Case cases[] = {
        {3, ThrowingWorker, L"Failed to update firmware. Cannot update firmware"},
        {4, ThrowingWorker, L"Failed to restore firmware. Cannot update firmware"},
        {3, NothingWorker, nullptr},
    };
    for (const Case& c : cases) {
        WorkerTestHost host;
        host.page = c.page;
        host.model = 0x6010;
        ASSERT_TRUE(host.Start(c.worker));
        // The thread holds the job as long as it runs, however the caller's
        // hold ends.
        const std::weak_ptr<FirmwareJob> held = host.job;
        if (c.text) {
            ASSERT_TRUE(host.WaitFor([](const FirmwareInfo& job) { return job.m_finished != 0; }));
            const FirmwareInfo job = host.Job();
            EXPECT_EQ(c.text, job.StatusText(0));
            EXPECT_EQ(1, job.m_failed);
            EXPECT_EQ(0, job.m_succeeded);
            EXPECT_EQ(kJobTransferring, job.m_state);
        } else {
            // The thread lets go of the job when it ends.
            host.job.reset();
            host.updateJob.reset();
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (!held.expired() && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            EXPECT_TRUE(held.expired());
        }
    }
}

} // namespace
