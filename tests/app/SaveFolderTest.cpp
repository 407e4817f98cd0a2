#include <gtest/gtest.h>

#include "app/SaveFolder.h"

namespace {

TEST(SaveFolder, InitialFolder)
{
    struct Case {
        const wchar_t* current;
        const wchar_t* module;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"D:\\Logs\\", L"C:\\Quor\\QuorDeviceManager.exe", L"D:\\Logs\\"},
        {L"", L"C:\\Quor\\QuorDeviceManager.exe", L"C:\\Quor\\IMG\\"},
        {L"", L"", L"\\"},
        {L"", L"QuorDeviceManager.exe", L"\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InitialSaveFolder(c.current, c.module), c.folder) << c.current << " " << c.module;
}

TEST(SaveFolder, FolderOfPath)
{
    EXPECT_EQ(FolderOfPath(L"D:\\Logs\\20240308140509_DiagnosticLog.hvlxlog"), L"D:\\Logs\\");
    EXPECT_EQ(FolderOfPath(L"D:\\Logs\\"), L"D:\\Logs\\");
    EXPECT_EQ(FolderOfPath(L"name.hvlxlog"), L"");
}

} // namespace
