#include <windows.h>

#include <gtest/gtest.h>
#include <md5.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "firmware/FirmwareFiles.h"
#include "firmware/FlashLoader.h"
#include "firmware/FlashLoaderWin32.h"
#include "standins/FTD2XX.h"
#include "tests/firmware/TempFiles.h"

namespace {

constexpr int kNoBoundMs = 60 * 1000;

std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder;
    ProgramFolder(path, folder);
    return folder;
}

std::string Md5Hex(const std::vector<std::uint8_t>& bytes)
{
    MD5_CTX context;
    MD5Init(&context);
    MD5Update(&context, bytes.data(), bytes.size());
    unsigned char digest[16];
    MD5Final(digest, &context);
    std::string hex;
    char text[3];
    for (unsigned char b : digest) {
        std::snprintf(text, sizeof text, "%02x", b);
        hex += text;
    }
    return hex;
}

// A manager folder with a blank in its name, holding the flash loader and
// the microcontroller work file; the loader's behaviour is chosen through the
// environment it inherits.
class FlashLoaderRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = m_temp.File(L"Quor Manager") + L"\\";
        std::filesystem::create_directories(m_folder);
        ASSERT_TRUE(CopyFileW((TestProgramFolder() + kFlashLoaderProgram).c_str(),
                              (m_folder + kFlashLoaderProgram).c_str(), FALSE));
        m_temp.Write(std::wstring(L"Quor Manager\\") + kDualChipControllerWorkFile, m_firmware);
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", nullptr);
        SetEnvironmentVariableW(L"QUOR_FLASHLOADER_RECORD", nullptr);
    }
    std::wstring Run(const wchar_t* scenario, int boundMs = kNoBoundMs)
    {
        SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", scenario);
        return RunProcessCaptureOutput(FlashLoaderCommandLine(m_folder, 5), boundMs);
    }

    TempFolder m_temp;
    std::wstring m_folder;
    std::vector<std::uint8_t> m_firmware = {':', '1', '0', '0', '0', '\r', '\n', 0, 0xFF, 7};
};

TEST_F(FlashLoaderRunTest, ADownloadIsRecordedAfterTheStartLine)
{
    SetEnvironmentVariableW(L"QUOR_FLASHLOADER_RECORD", m_temp.File(L"record.txt").c_str());
    const std::wstring log = Run(L"");
    EXPECT_EQ(log.rfind(L"[SUCCESS]\r\n", 0), 0u) << log;
    EXPECT_TRUE(FlashLoaderSucceeded(log)) << log;
    // Both outputs share the pipe, in the order they were printed.
    EXPECT_LT(log.find(L"ERASING"), log.find(L"DOWNLOADING"));
    EXPECT_LT(log.find(L"DOWNLOADING"), log.find(L"DONE"));

    // The program saw one quoted program token and one quoted file argument.
    const std::string record = m_temp.Read(L"record.txt");
    const std::string firstLine = record.substr(0, record.find('\n'));
    const std::wstring expected = FlashLoaderCommandLine(m_folder, 5);
    EXPECT_EQ(std::wstring(firstLine.begin(), firstLine.end()), expected);
    EXPECT_NE(record.find(Md5Hex(m_firmware)), std::string::npos) << record;
}

TEST_F(FlashLoaderRunTest, OutputThatNeverSaysDownloadingFails)
{
    struct Case {
        const wchar_t* scenario;
        const wchar_t* expectedLog; // null: only the failed test is checked
    };
    const Case cases[] = {
        {L"lower", nullptr},
        {L"silent", L"[SUCCESS]\r\n"},
    };
    for (const Case& c : cases) {
        const std::wstring log = Run(c.scenario);
        EXPECT_FALSE(FlashLoaderSucceeded(log)) << c.scenario;
        if (c.expectedLog) {
            EXPECT_EQ(log, c.expectedLog);
        } else {
            EXPECT_NE(log.find(L"downloading"), std::wstring::npos) << log;
        }
    }
}

TEST_F(FlashLoaderRunTest, AMissingProgramGivesOnlyTheFailLine)
{
    DeleteFileW((m_folder + kFlashLoaderProgram).c_str());
    const std::wstring log = Run(L"");
    EXPECT_EQ(log, L"[FAIL]\r\n");
    EXPECT_FALSE(FlashLoaderSucceeded(log));
}

TEST_F(FlashLoaderRunTest, AMissingFirmwareFileIsTheProgramsOwnFailure)
{
    DeleteFileW((m_folder + kDualChipControllerWorkFile).c_str());
    const std::wstring log = Run(L"");
    EXPECT_EQ(log.rfind(L"[SUCCESS]\r\n", 0), 0u);
    EXPECT_FALSE(FlashLoaderSucceeded(log)) << log;
}

TEST_F(FlashLoaderRunTest, LongOutputArrivesWholeAndInOrder)
{
    const std::wstring log = Run(L"large");
    EXPECT_GT(log.size(), 10240u);
    std::size_t at = 0;
    for (int i = 0; i < 1000; ++i) {
        wchar_t line[64];
        std::swprintf(line, 64, L"line %04d of the download log\r\n", i);
        const std::size_t found = log.find(line, at);
        ASSERT_NE(found, std::wstring::npos) << i;
        at = found + 1;
    }
    EXPECT_GT(log.find(L"DOWNLOADING"), at);
    EXPECT_TRUE(FlashLoaderSucceeded(log));
}

TEST_F(FlashLoaderRunTest, AProgramThatNeverEndsIsStoppedAtTheBound)
{
    const std::wstring log = Run(L"hang", 1500);
    EXPECT_NE(log.find(L"Opening port"), std::wstring::npos) << log;
    EXPECT_FALSE(FlashLoaderSucceeded(log));
}

TEST(FlashLoaderComPort, EachConverterAnswerGivesItsLookup)
{
    struct Case {
        int scenario;
        long port;
        ComPortLookup result;
        int expectedPort;
        int opens;
    };
    const Case cases[] = {
        {kFtdiNoDevice, 0, ComPortLookup::kOpenFailed, -1, 0},
        {kFtdiPortQueryFails, 0, ComPortLookup::kQueryFailed, -1, 1},
        {kFtdiNoPort, 0, ComPortLookup::kFound, -1, 1},
        {kFtdiPort, 9, ComPortLookup::kFound, 9, 1},
        {kFtdiPort, 256, ComPortLookup::kFound, 256, 1},
    };
    for (const Case& c : cases) {
        FtdiStandInSetScenario(c.scenario, c.port);
        int port = 1234;
        EXPECT_EQ(LookUpFlashLoaderComPort(port), c.result) << c.scenario;
        EXPECT_EQ(port, c.expectedPort) << c.scenario;
        int opens = -1, closes = -1;
        FtdiStandInCounts(&opens, &closes);
        EXPECT_EQ(opens, c.opens) << c.scenario;
        // Every open is closed again, whatever the query said.
        EXPECT_EQ(closes, c.opens) << c.scenario;
    }
    FtdiStandInSetScenario(kFtdiNoDevice, 0);
}

} // namespace
