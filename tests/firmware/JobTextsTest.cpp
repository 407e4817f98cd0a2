#include <gtest/gtest.h>

#include "device/FirmwareInfo.h"
#include "firmware/FirmwareWait.h"
#include "firmware/FirmwareWaitForTests.h"
#include "firmware/JobTexts.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

TEST(JobTexts, FailureTextsInEveryLanguage)
{
    const LanguageTexts update = FailureTexts(3, 0x2020, GetTextNotRecognizedDevice, L"[9][2]");
    EXPECT_EQ(L"Failed to update firmware. Not the recognized device[9][2]", update[0]);
    for (int language = 0; language < kUiLanguageCount; ++language)
        EXPECT_EQ(GetTextFailure(3, 0x2020, language) + L". " + GetTextNotRecognizedDevice(language) + L"[9][2]",
                  update[language]);
    EXPECT_EQ(L"Failed to restore firmware. Firmware corrupted", FirmwareCorruptedTexts(4, 0x2020)[0]);
    EXPECT_EQ(L"On updating firmware. about to make backup firmware",
              ActivityTexts(3, 0x2020, GetTextAboutToMakeBackup)[0]);
}

TEST(JobTexts, InsertedTextsAreNotReadAsPatterns)
{
    const TextInLanguage reason = [](int) { return std::wstring(L"100% %s %d"); };
    EXPECT_EQ(L"Failed to update firmware. 100% %s %d", FailureTexts(3, 0, reason)[0]);
}

TEST(JobTexts, EveryFailureEndMarksTheJobFailed)
{
    for (int before : {0, 1, 2}) {
        FirmwareInfo job;
        job.m_failed = before;
        EndJobWithFailure(job, FailureTexts(3, 0, GetTextCannotUpdateFirmware));
        EXPECT_EQ(before == 2 ? 2 : 1, job.m_failed);
        EXPECT_EQ(1, job.m_finished);
        EXPECT_EQ(0, job.m_succeeded);
        EXPECT_EQ(L"Failed to update firmware. Cannot update firmware", job.StatusText(0));
        EXPECT_EQ(GetTextFailure(3, 0, 12) + L". " + GetTextCannotUpdateFirmware(12), job.StatusText(12));
    }
}

TEST(JobTexts, SuccessIsMarkedAndAResetClearsTheMark)
{
    FirmwareInfo job;
    job.m_failed = 1;
    EndJobWithSuccess(job);
    EXPECT_EQ(1, job.m_succeeded);
    EXPECT_EQ(0, job.m_failed);
    EXPECT_EQ(1, job.m_finished);
    EXPECT_EQ(100, job.m_progress);
    job.Reset(3);
    EXPECT_EQ(0, job.m_succeeded);
    EndJobWithSuccess(job);
    EndJobWithFailure(job, FailureTexts(3, 0, GetTextCannotGetDevice));
    EXPECT_EQ(0, job.m_succeeded);
}

// Test programs shorten the roads' fixed waits; a wait that ignored the seam
// would outlast the test's time-out.
TEST(FirmwareWait, TestProgramsScaleTheWaits)
{
    SetFirmwareWaitPercentForTests(0);
    FirmwareWait(10 * 60 * 1000);
    SetFirmwareWaitPercentForTests(100);
}

} // namespace
