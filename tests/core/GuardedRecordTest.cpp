// The guarded record shared between a worker and the UI thread. The native
// suite also runs under ThreadSanitizer, which reports any access that
// bypasses the lock.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/GuardedRecord.h"

namespace {

struct Job {
    int m_state = 0;
    int m_progress = 0;
    std::wstring m_text;
};

TEST(GuardedRecord, WritersOnSeveralThreadsLoseNoUpdate)
{
    GuardedRecord<Job> job;
    constexpr int kThreads = 4;
    constexpr int kSteps = 2000;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([&job] {
            for (int i = 0; i < kSteps; ++i)
                ++job.Lock()->m_progress;
        });
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(kThreads * kSteps, job.Lock()->m_progress);
}

TEST(GuardedRecord, ASnapshotIsOneWholeState)
{
    // The writer keeps state, progress and text in step; every snapshot the
    // reader takes must show the three from the same step.
    GuardedRecord<Job> job;
    constexpr int kSteps = 3000;
    std::thread worker([&job] {
        for (int i = 1; i <= kSteps; ++i) {
            auto record = job.Lock();
            record->m_state = i;
            record->m_progress = i * 2;
            record->m_text = std::to_wstring(i);
        }
    });
    int last = 0;
    bool whole = true;
    bool forward = true;
    while (last < kSteps && whole && forward) {
        const Job seen = job.Snapshot();
        whole = seen.m_state * 2 == seen.m_progress &&
                seen.m_text == (seen.m_state == 0 ? std::wstring() : std::to_wstring(seen.m_state));
        forward = seen.m_state >= last;
        last = seen.m_state;
    }
    worker.join();
    EXPECT_TRUE(whole) << "a snapshot mixed two steps, at step " << last;
    EXPECT_TRUE(forward) << "a later snapshot went back";
}

TEST(GuardedRecord, WithRunsUnderTheLockAndReturnsTheResult)
{
    GuardedRecord<Job> job;
    std::thread worker([&job] {
        for (int i = 0; i < 1000; ++i)
            job.With([](Job& record) { record.m_text += L"x"; });
    });
    std::size_t length = 0;
    while (length < 1000)
        length = job.With([](const Job& record) { return record.m_text.size(); });
    worker.join();
    EXPECT_EQ(std::wstring(1000, L'x'), job.Snapshot().m_text);
}

TEST(GuardedRecord, AReaderHoldingItAsConstReadsUnderTheLock)
{
    GuardedRecord<Job> job;
    const GuardedRecord<Job>& reader = job;
    std::thread worker([&job] {
        for (int i = 1; i <= 1000; ++i) {
            auto record = job.Lock();
            record->m_state = i;
            record->m_progress = i * 2;
        }
    });
    bool whole = true;
    for (int seen = 0; seen < 1000 && whole;) {
        auto record = reader.Lock();
        whole = record->m_progress == record->m_state * 2;
        seen = record->m_state;
    }
    worker.join();
    EXPECT_TRUE(whole) << "a const reader saw state and progress of two steps";
    EXPECT_EQ(2000, reader.Lock()->m_progress);
}

TEST(GuardedRecord, BuildsTheRecordFromItsArguments)
{
    GuardedRecord<std::vector<int>> list(3, 7);
    EXPECT_EQ((std::vector<int>{7, 7, 7}), list.Snapshot());
}

} // namespace
