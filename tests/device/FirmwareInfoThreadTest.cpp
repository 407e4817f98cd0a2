// The firmware job record as the pages hold it, with an update worker
// replacing the 13 status texts while the progress timer takes them. Runs
// under ThreadSanitizer too (build/tsan), which reports any unguarded access.
#include <gtest/gtest.h>

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

} // namespace
