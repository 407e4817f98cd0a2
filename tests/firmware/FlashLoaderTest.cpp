#include <gtest/gtest.h>

#include <string>

#include "firmware/FirmwareFiles.h"
#include "firmware/FlashLoader.h"

namespace {

TEST(FlashLoaderCommandLine, QuotesBothPathsAroundTheFixedOptions)
{
    struct Case {
        const wchar_t* folder;
        int port;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Quor\\", 7,
         L"\"C:\\Quor\\STMFlashLoader.exe\" -c --pn 7 --br 115200 -i STM32F1_Med-density_128K -e --all -d --a "
         L"8000000 --fn \"C:\\Quor\\__quiv_can_fw__.hex\""},
        // A folder with blanks stays one program token and one file argument.
        {L"C:\\Program Files\\Quor Manager\\", 12,
         L"\"C:\\Program Files\\Quor Manager\\STMFlashLoader.exe\" -c --pn 12 --br 115200 -i "
         L"STM32F1_Med-density_128K -e --all -d --a 8000000 --fn \"C:\\Program Files\\Quor "
         L"Manager\\__quiv_can_fw__.hex\""},
        // A converter without a COM port still runs, with the port the library left.
        {L"D:\\", -1,
         L"\"D:\\STMFlashLoader.exe\" -c --pn -1 --br 115200 -i STM32F1_Med-density_128K -e --all -d --a 8000000 "
         L"--fn \"D:\\__quiv_can_fw__.hex\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlashLoaderCommandLine(c.folder, c.port), c.expected) << c.folder;
}

TEST(FlashLoaderCommandLine, LargePortNumbersAreWrittenWhole)
{
    const std::wstring line = FlashLoaderCommandLine(L"C:\\", -2147483647 - 1);
    EXPECT_NE(line.find(L"--pn -2147483648 --br"), std::wstring::npos);
}

TEST(FlashLoaderSuccess, OnlyTheUpperCaseWordAnywhereInTheLogCounts)
{
    struct Case {
        const wchar_t* log;
        bool succeeded;
    };
    const Case cases[] = {
        {L"[SUCCESS]\r\nERASING\r\nDOWNLOADING\r\nDONE\r\n", true},
        {L"[SUCCESS]\r\n...DOWNLOADING...", true},
        {L"[SUCCESS]\r\ndownloading\r\n", false},
        {L"[SUCCESS]\r\nDownloading\r\n", false},
        {L"[SUCCESS]\r\nDOWNLOADIN G\r\n", false},
        {L"[FAIL]\r\n", false},
        {L"", false},
        // The start line is part of the text searched.
        {L"DOWNLOADING", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlashLoaderSucceeded(c.log), c.succeeded) << c.log;
}

TEST(FlashLoaderStartLine, NamesWhetherTheProgramStarted)
{
    EXPECT_EQ(FlashLoaderStartLine(true), L"[SUCCESS]\r\n");
    EXPECT_EQ(FlashLoaderStartLine(false), L"[FAIL]\r\n");
    EXPECT_FALSE(FlashLoaderSucceeded(FlashLoaderStartLine(true)));
}

TEST(ProgramFolder, TakesThePathUpToItsLastBackslash)
{
    struct Case {
        std::wstring path;
        bool found;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Quor\\QuorDeviceManager.exe", true, L"C:\\Quor\\"},
        {L"C:\\Program Files\\Quor\\a.exe", true, L"C:\\Program Files\\Quor\\"},
        {L"QuorDeviceManager.exe", false, L""},
        {L"", false, L""},
        {L"C:\\" + std::wstring(256, L'x'), true, L"C:\\"},
        {L"C:\\" + std::wstring(257, L'x'), false, L""},
    };
    for (const Case& c : cases) {
        std::wstring folder;
        EXPECT_EQ(ProgramFolder(c.path, folder), c.found) << c.path.size();
        if (c.found) {
            EXPECT_EQ(folder, c.folder);
        }
    }
}

} // namespace
