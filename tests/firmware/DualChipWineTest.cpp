#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "device/FirmwareInfo.h"
#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareWaitForTests.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"
#include "standins/FTD2XX.h"
#include "tests/firmware/ImageBuilder.h"
#include "tests/firmware/TempFiles.h"
#include "tests/firmware/WorkerTestHost.h"

namespace {

// The two-chip worker as the program runs it: its folder is the test
// program's, where the flash loader stand-in lies, and the COM port comes
// from the D2XX stand-in; the unit is simulated.
TEST(DualChipWine, TheConverterAndTheLoaderDecideTheMicrocontrollerStep)
{
    struct Case {
        const char* what;
        int scenario;
        long port;
        const wchar_t* loader; // the stand-in's scenario
        const wchar_t* portText;
        const wchar_t* text; // null: handed to the wait timer
    };
    const Case cases[] = {
        {"port 7", kFtdiPort, 7, L"", L"--pn 7 ", nullptr},
        {"no port", kFtdiNoPort, 0, L"", L"--pn -1 ", nullptr},
        {"no device", kFtdiNoDevice, 0, L"", nullptr, L"Failed to restore firmware. Cannot get status[24]"},
        {"no port answer", kFtdiPortQueryFails, 0, L"", nullptr, L"Failed to restore firmware. Cannot get status[23]"},
        {"lower case", kFtdiPort, 3, L"lower", L"--pn 3 ", L"Failed to restore firmware. Cannot get status[25]"},
    };
    // Short waits, and a loader bound of a few seconds.
    SetFirmwareWaitPercentForTests(1);
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimHeadset bus;
        bus.Install();
        bus.AddInterface(kTwoChipProductIdA);
        bus.AddInterface(kTwoChipProductIdB);
        ResetDualChipPairForTests();
        FtdiStandInSetScenario(c.scenario, c.port);
        SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", c.loader);
        const std::wstring record = folder.File(L"record.txt");
        DeleteFileW(record.c_str());
        SetEnvironmentVariableW(L"QUOR_FLASHLOADER_RECORD", record.c_str());

        // A restore (no archive) on the restore page's job; the program's
        // own system side of the worker.
        WorkerTestHost host;
        host.page = 4;
        host.model = kTwoChipProductIdA;
        host.job = host.restoreJob;
        host.job->Lock()->m_imagePath = folder.Write(
            L"two_chip.img", BuildImage(kTwoChipProductIdA, {SectionOf(0, 0x21, 1500, 1), SectionOf(1, 0x22, 400, 2)}));
        host.Run(DualChipUpdateThread);

        const FirmwareInfo job = host.Job();
        if (c.text) {
            EXPECT_EQ(job.StatusText(0), c.text);
            EXPECT_EQ(host.TimerRequests(), 0);
        } else {
            EXPECT_EQ(job.m_failed, 0) << job.StatusText(0);
            EXPECT_EQ(host.TimerRequests(), 1);
            EXPECT_EQ(job.m_spare, 1);
            EXPECT_EQ(host.updateJob->Snapshot().m_spare, 1);
            EXPECT_EQ(host.updateJob->Snapshot().m_progress, 88);
        }
        int opens = 0, closes = 0;
        FtdiStandInCounts(&opens, &closes);
        EXPECT_EQ(opens, closes);
        if (c.portText) {
            std::string seen = folder.Read(L"record.txt");
            EXPECT_NE(std::wstring(seen.begin(), seen.end()).find(c.portText), std::wstring::npos) << seen;
        } else {
            EXPECT_EQ(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES);
        }
        ResetDualChipPairForTests();
    }
    SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", nullptr);
    SetEnvironmentVariableW(L"QUOR_FLASHLOADER_RECORD", nullptr);
    FtdiStandInSetScenario(kFtdiNoDevice, 0);
    SetFirmwareWaitPercentForTests(100);
}

} // namespace
