// The firmware job record as the pages hold it, with an update worker
// replacing the 13 status texts while the progress timer takes them. Runs
// under ThreadSanitizer too (build/tsan), which reports any unguarded access.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "device/FirmwareInfo.h"

namespace {

LanguageTextSet TextsOfStep(int step)
{
    LanguageTextSet texts;
    for (int language = 0; language < kUiLanguageCount; ++language)
        texts[language] = L"step " + std::to_wstring(step) + L" in language " + std::to_wstring(language);
    return texts;
}

TEST(FirmwareInfoThreads, AReaderTakesAllThirteenTextsOfOneStep)
{
    GuardedFirmwareInfo job;
    constexpr int kSteps = 500;
    std::thread worker([&job] {
        for (int step = 1; step <= kSteps; ++step) {
            const LanguageTextSet texts = TextsOfStep(step);
            auto record = job.Lock();
            record->ReplaceStatusTexts(texts);
            record->m_state = kJobTransferring;
            record->m_progress = step;
        }
        job.Lock()->m_finished = 1;
    });

    int lastStep = 0;
    bool oneStep = true;
    bool forward = true;
    for (bool finished = false; !finished && oneStep && forward;) {
        LanguageTextSet texts;
        int progress = 0;
        {
            auto record = job.Lock();
            texts = record->StatusTexts();
            progress = record->m_progress;
            finished = record->m_finished != 0;
        }
        if (texts[0].empty())
            continue; // the worker has not written yet
        oneStep = texts == TextsOfStep(progress);
        forward = progress >= lastStep;
        lastStep = progress;
    }
    worker.join();
    EXPECT_TRUE(oneStep) << "texts and progress come from one step, at step " << lastStep;
    EXPECT_TRUE(forward) << "a later reading went back";
    EXPECT_EQ(kSteps, lastStep);
    EXPECT_EQ(TextsOfStep(kSteps), job.Lock()->StatusTexts());
}

TEST(FirmwareInfoThreads, AResetFromAnotherThreadEmptiesAllTexts)
{
    GuardedFirmwareInfo job;
    job.Lock()->ReplaceStatusTexts(TextsOfStep(1));
    std::thread worker([&job] { job.Lock()->Reset(3); });
    worker.join();
    for (const std::wstring& text : job.Lock()->StatusTexts())
        EXPECT_TRUE(text.empty());
    EXPECT_EQ(kJobResetForUpdate, job.Lock()->m_state);
}

// The update workers hold the record itself, not its guard: they replace the
// texts through the record's own call while the progress timer takes and
// empties them. Every take is one whole step, and nothing is lost or torn.
TEST(FirmwareInfoThreads, AWorkerWithoutTheGuardNeverSplitsASetTheTimerTakes)
{
    GuardedFirmwareInfo guarded;
    FirmwareInfo& job = *guarded.Lock();
    constexpr int kSteps = 500;
    std::atomic<bool> done{false};
    std::thread worker([&job, &done] {
        for (int step = 1; step <= kSteps; ++step)
            job.ReplaceStatusTexts(TextsOfStep(step));
        done = true;
    });

    int lastStep = 0;
    bool whole = true;
    for (bool finished = false; !finished && whole;) {
        finished = done;
        const LanguageTextSet texts = job.TakeStatusTexts();
        if (texts[0].empty())
            continue;
        const int step = std::stoi(texts[0].substr(5));
        whole = texts == TextsOfStep(step) && step > lastStep;
        lastStep = step;
    }
    worker.join();
    EXPECT_TRUE(whole) << "a take held one step's texts, later than the one before, at step " << lastStep;
    EXPECT_EQ(kSteps, lastStep);
    for (const std::wstring& text : job.StatusTexts())
        EXPECT_TRUE(text.empty());
}

} // namespace
