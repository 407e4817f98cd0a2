#include <string>

#include <gtest/gtest.h>

#include "device/FirmwareInfo.h"

namespace {

void ExpectAllStatusTextsEmpty(const FirmwareInfo& job)
{
    for (const std::wstring& text : job.m_statusText)
        EXPECT_TRUE(text.empty());
}

TEST(FirmwareInfo, StartsIdleWithTwentyEmptySlots)
{
    const FirmwareInfo job;
    EXPECT_EQ(0, job.m_state);
    EXPECT_EQ(20, job.m_capacity);
    EXPECT_EQ(20u, job.m_files.size());
    EXPECT_EQ(20u, job.m_languages.size());
    EXPECT_EQ(0, job.m_count);
    EXPECT_EQ(1, job.m_clearedMark);
    EXPECT_EQ(-10, job.m_progress);
    EXPECT_EQ(0, job.m_version.major + job.m_version.minor + job.m_version.kind + job.m_version.build);
    EXPECT_EQ(0, job.m_spare);
    EXPECT_EQ(0, job.m_finished);
    EXPECT_EQ(0, job.m_failed);
    EXPECT_EQ(0, job.m_waitFlag);
    EXPECT_EQ(0, job.m_counters[0] + job.m_counters[1] + job.m_counters[2]);
    EXPECT_TRUE(job.m_selectedFile.empty());
    EXPECT_TRUE(job.m_imagePath.empty());
    ExpectAllStatusTextsEmpty(job);
}

TEST(FirmwareInfo, GrowsByTwentySlotsKeepingTheFilledOnes)
{
    FirmwareInfo job;
    for (int i = 0; i < 21; ++i)
        job.AddLanguageFile(L"file" + std::to_wstring(i), L"lang" + std::to_wstring(i));
    EXPECT_EQ(21, job.m_count);
    EXPECT_EQ(40, job.m_capacity);
    EXPECT_EQ(40u, job.m_files.size());
    EXPECT_EQ(40u, job.m_languages.size());
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(L"file" + std::to_wstring(i), job.m_files[i]);
        EXPECT_EQ(L"lang" + std::to_wstring(i), job.m_languages[i]);
    }
    for (int i = 21; i < 41; ++i)
        job.AddLanguageFile(L"f", L"l");
    EXPECT_EQ(41, job.m_count);
    EXPECT_EQ(60, job.m_capacity);
}

TEST(FirmwareInfo, FindsLanguagesIgnoringCaseLowestSlotFirst)
{
    FirmwareInfo job;
    EXPECT_EQ(-1, job.FindLanguage(L"english"));
    job.AddLanguageFile(L"a.img", L"German");
    job.AddLanguageFile(L"b.img", L"English");
    job.AddLanguageFile(L"c.img", L"ENGLISH");
    EXPECT_EQ(1, job.FindLanguage(L"english"));
    EXPECT_EQ(0, job.FindLanguage(L"gERMAN"));
    EXPECT_EQ(-1, job.FindLanguage(L"Engl"));
    EXPECT_EQ(-1, job.FindLanguage(L""));

    // Slots beyond the count hold old texts but do not count.
    job.Reset(4);
    EXPECT_EQ(-1, job.FindLanguage(L"English"));
    EXPECT_EQ(L"b.img", job.m_files[1]);
}

TEST(FirmwareInfo, SlotReadersAnswerEmptyOutsideTheFilledSlots)
{
    FirmwareInfo job;
    job.AddLanguageFile(L"a.img", L"French");
    EXPECT_EQ(L"a.img", job.FileName(0));
    EXPECT_EQ(L"French", job.FileLanguage(0));
    for (int index : {-1, 1, 19, 20, 1000}) {
        EXPECT_TRUE(job.FileName(index).empty()) << index;
        EXPECT_TRUE(job.FileLanguage(index).empty()) << index;
    }
    EXPECT_TRUE(job.FileName(job.FindLanguage(L"Korean")).empty());

    // A count set from outside beyond the slots neither reads nor writes past them.
    job.m_count = 500;
    EXPECT_EQ(-1, job.FindLanguage(L"Korean"));
    EXPECT_TRUE(job.FileName(25).empty());
    job.AddLanguageFile(L"z.img", L"Korean");
    EXPECT_EQ(20, job.FindLanguage(L"korean"));
    EXPECT_EQ(40, job.m_capacity);
    job.m_count = -5;
    job.AddLanguageFile(L"y.img", L"Dutch");
    EXPECT_EQ(1, job.m_count);
    EXPECT_EQ(L"y.img", job.FileName(0));
}

TEST(FirmwareInfo, ResetModesDifferInStateVersionAndClearedMark)
{
    for (int mode : {3, 4, 0}) {
        SCOPED_TRACE(mode);
        FirmwareInfo job;
        job.AddLanguageFile(L"a.img", L"English");
        job.m_state = 7;
        job.m_selectedFile = L"a.img";
        job.m_imagePath = L"C:\\IMG\\a.img";
        job.m_version = ImageVersion{4, 2, 2, 9};
        job.m_clearedMark = 0;
        job.m_progress = 55;
        job.m_finished = 1;
        job.m_failed = 2;
        job.m_statusText[5] = L"status";

        job.Reset(mode);

        EXPECT_EQ(mode == 3 ? 1 : 0, job.m_state);
        EXPECT_EQ(mode == 3 ? 0 : 4, job.m_version.major);
        EXPECT_EQ(mode == 3 ? 0 : 9, job.m_version.build);
        EXPECT_EQ(mode == 3 ? 0 : 1, job.m_clearedMark);
        EXPECT_TRUE(job.m_selectedFile.empty());
        EXPECT_EQ(0, job.m_count);
        EXPECT_EQ(-10, job.m_progress);
        EXPECT_EQ(0, job.m_finished);
        ExpectAllStatusTextsEmpty(job);
        // What a reset keeps.
        EXPECT_EQ(2, job.m_failed);
        EXPECT_EQ(L"C:\\IMG\\a.img", job.m_imagePath);
        EXPECT_EQ(20, job.m_capacity);
    }
}

TEST(FirmwareInfo, VersionTextsFillTheirParts)
{
    FirmwareInfo job;
    job.m_version = ImageVersion{9, 9, 2, 7};
    EXPECT_EQ(1, job.SetVersionText(L"4.2"));
    EXPECT_EQ(4, job.m_version.major);
    EXPECT_EQ(2, job.m_version.minor);
    EXPECT_EQ(2, job.m_version.kind);
    EXPECT_EQ(7, job.m_version.build);

    EXPECT_EQ(0, job.SetVersionText(L"42"));
    EXPECT_EQ(0, job.m_version.major);
    EXPECT_EQ(0, job.m_version.minor);

    EXPECT_EQ(1, job.SetVersionText4(L"1.0.1.5"));
    EXPECT_EQ(1, job.m_version.major);
    EXPECT_EQ(0, job.m_version.minor);
    EXPECT_EQ(1, job.m_version.kind);
    EXPECT_EQ(5, job.m_version.build);

    EXPECT_EQ(0, job.SetVersionText4(L"3.1"));
    EXPECT_EQ(3, job.m_version.major);
    EXPECT_EQ(0, job.m_version.minor + job.m_version.kind + job.m_version.build);
}

TEST(FirmwareInfo, StatusTextsStayWithinTheThirteenLanguages)
{
    FirmwareInfo job;
    job.SetStatusText(0, L"English");
    job.SetStatusText(12, L"Polish");
    job.SetStatusText(13, L"nowhere");
    job.SetStatusText(-1, L"nowhere");
    EXPECT_EQ(L"English", job.StatusText(0));
    EXPECT_EQ(L"Polish", job.StatusText(12));
    EXPECT_EQ(L"English", job.StatusText(13));
    EXPECT_EQ(L"English", job.StatusText(-1));
    for (int language = 1; language < 12; ++language)
        EXPECT_TRUE(job.StatusText(language).empty());
}

} // namespace
