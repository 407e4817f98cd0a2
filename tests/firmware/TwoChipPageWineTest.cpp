// The two-chip unit's update on the real main window over the simulated bus,
// the D2XX stand-in and the flash loader stand-in beside the test program: a
// whole update to its success and the unit recognised again; and a job the
// progress timer gave up on while its worker still runs the flash loader,
// during which a new two-chip start is refused, so two workers never share
// the unit's HID pair.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/UpdaterDlg.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwarePrompt.h"
#include "link/FirmwareServerForTests.h"
#include "standins/FTD2XX.h"
#include "tests/firmware/DualChipRig.h"
#include "tests/firmware/UpdatePageRun.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProgramFiles.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

// Starts the fixture's image on the update page of the running main window,
// with the D2XX stand-in answering a COM port; every box is confirmed (the
// backup popup, should the settings archive not be written here).
void StartTwoChipUpdate(CUpdaterDlg& dialog, const std::wstring& imagePath)
{
    FtdiStandInSetScenario(kFtdiPort, 6);
    boxwatch::OnEveryBox(dialog.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
    dialog.m_pageFirmwareUpdate.m_imagePath.SetWindowText(imagePath.c_str());
    dialog.m_pageFirmwareUpdate.StartUpdate();
}

std::string Joined(const std::vector<std::wstring>& lines)
{
    std::string all;
    for (const std::wstring& line : lines)
        all += std::string(line.begin(), line.end()) + " | ";
    return all;
}

TEST_F(DualChipWorkerTest, WhileAGivenUpWorkerStillRunsANewTwoChipStartIsRefused)
{
    UseImage();
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> inLoader{false};
    host.duringLoader = [&] {
        // The progress timer's watchdog ends the job while the loader runs.
        host.job->Lock()->m_finished = 1;
        host.job->Lock()->SetStatusText(0, L"given up");
        inLoader = true;
        ::WaitForSingleObject(release, 30000);
    };
    std::thread worker([&] { host.Run(DualChipUpdateThread); });
    for (int i = 0; i < 1000 && !inLoader; ++i)
        ::Sleep(10);
    ASSERT_TRUE(inLoader);

    mainwindow::InitControls();
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, [&] {
        mainwindow::TargetModel(dialog, kTwoChipProductIdA, kTwoChipProductIdA);
        dialog.m_page = 3;
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        const std::wstring refused =
            GetTextFailure(3, kTwoChipProductIdA, 0) + L". " + GetTextNotRecognizedDevice(0) + L"[0]";

        // The unit is on the bus, but the pair is the running worker's.
        page.PrepareUpdate();
        EXPECT_EQ(refused, page.m_firmwareInfo->Lock()->StatusText(0));
        EXPECT_EQ(1, page.m_firmwareInfo->Lock()->m_finished);
        mainwindow::PumpFor(dialog.m_hWnd, 300);
        EXPECT_EQ(refused, page.m_firmwareInfo->Snapshot().StatusText(0));

        // The worker notices its job has ended and leaves without a word.
        ::SetEvent(release);
        worker.join();
        EXPECT_FALSE(DualChipWorkerRunning());
        EXPECT_EQ(L"given up", host.Job().StatusText(0));
        EXPECT_EQ(0, host.TimerRequests());
        EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));

        // Now a start goes through to a worker of its own, which finds no
        // image in this job and ends it with its own reason.
        page.m_firmwareInfo->Reset(3);
        page.PrepareUpdate();
        const std::wstring workerEnd =
            GetTextFailure(3, kTwoChipProductIdA, 0) + L". " + GetTextFirmwareCorrupted(0) + L"[2]";
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [&] { return page.m_firmwareInfo->Snapshot().StatusText(0) == workerEnd; }, 10000))
            << Joined({page.m_firmwareInfo->Snapshot().StatusText(0)});
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [] { return !DualChipWorkerRunning(); }, 10000));

        CloseHidHandle(&dialog.m_hidPrimary);
        CloseHidHandle(&dialog.m_hidSecondary);
        dialog.m_page = 1;
        dialog.m_busy = 0;
        mainwindow::Click(dialog, IDC_BUTTON_CLOSE);
    });
    if (worker.joinable()) {
        ::SetEvent(release);
        worker.join();
    }
    ::CloseHandle(release);
}

TEST_F(DualChipWorkerTest, AWholeUpdateOnTheUpdatePageSucceedsAndTheRecognitionRunsAgain)
{
    // The program's own system side: the D2XX and flash loader stand-ins.
    SetDualChipSystemSeam(nullptr);
    UseImage();
    const std::wstring path = host.folder + L"two_chip_page.img";
    ASSERT_TRUE(WriteWholeFile(path, std::string(image.begin(), image.end())));
    // Short waits, and a flash loader bound of a quarter of a minute, well
    // above the stand-in's start on a busy machine.
    SetFirmwareWaitPercentForTests(5);
    RunOnUpdatePage(kTwoChipProductIdA, kTwoChipProductIdA, [&](CUpdaterDlg& dialog) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        std::vector<std::wstring> lines;
        std::vector<int> progress;
        bool succeeded = false;
        StartTwoChipUpdate(dialog, path);
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd,
            [&] {
                const std::wstring line = dialog.GetStatusText().str();
                if (lines.empty() || lines.back() != line)
                    lines.push_back(line);
                if (progress.empty() || progress.back() != dialog.m_progress)
                    progress.push_back(dialog.m_progress);
                // The job's end is read off the job itself: the main window's
                // count may stand at 100 for less time than a look takes.
                succeeded = succeeded || page.m_firmwareInfo->Snapshot().m_succeeded == 1;
                // The success hands over to the recognition, whose roads do
                // not read this unit: it stays on its page.
                return succeeded && dialog.m_page == 2 && !dialog.m_busy;
            },
            60000))
            << Joined(lines) << " progress " << dialog.m_progress << " page " << dialog.m_page << " state "
            << page.m_firmwareInfo->Snapshot().m_state;
        boxwatch::StopWatching();
        // The count never ran past 100 on its way.
        EXPECT_LE(*std::max_element(progress.begin(), progress.end()), 100);
        {
            const FirmwareInfo job = page.m_firmwareInfo->Snapshot();
            EXPECT_EQ(100, job.m_progress);
            EXPECT_EQ(1, job.m_succeeded);
            EXPECT_EQ(0, job.m_failed);
            EXPECT_EQ(0, job.m_state);
            EXPECT_EQ(1, job.m_spare);
        }
        // The mark reaches the restore page's record too.
        EXPECT_EQ(1, dialog.m_pageFirmwareRestore.m_firmwareInfo->Lock()->m_spare);
        // Both chips got their images: the Bluetooth one over both interfaces.
        EXPECT_EQ(sections[0].data, a->sections[kBluetoothId]);
        EXPECT_EQ(sections[0].data, b->sections[kBluetoothId]);
        EXPECT_EQ(1, a->finishCount);
        EXPECT_EQ(1, b->finishCount);
        EXPECT_EQ(0, page.m_waitTimerId);
        EXPECT_EQ(0, page.m_autoUpdate);
    });
    FtdiStandInSetScenario(kFtdiNoDevice, 0);
    ::DeleteFileW(path.c_str());
}

TEST_F(DualChipWorkerTest, TheWatchdogEndsAJobWhoseLoaderHangsAndTheWorkerLeavesLater)
{
    // The program's own system side: the flash loader stand-in hangs.
    SetDualChipSystemSeam(nullptr);
    UseImage();
    const std::wstring path = host.folder + L"two_chip_watchdog.img";
    ASSERT_TRUE(WriteWholeFile(path, std::string(image.begin(), image.end())));
    ::SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", L"hang");
    // The flash loader's bound is half a minute here, far beyond the watchdog.
    SetFirmwareWaitPercentForTests(10);
    RunOnUpdatePage(kTwoChipProductIdA, kTwoChipProductIdA, [&](CUpdaterDlg& dialog) {
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        StartTwoChipUpdate(dialog, path);
        // Once the transfer runs, the count is put a few ticks short of the
        // point where the microcontroller step must have begun.
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [&] { return page.m_firmwareInfo->Lock()->m_state == kJobTransferring; }, 20000));
        page.m_firmwareInfo->Lock()->m_progress = 45;
        const std::wstring watchdog =
            GetTextFailure(3, kTwoChipProductIdA, 0) + L". " + GetTextCannotGetStatus(0) + L"[26]";
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 20000));
        EXPECT_EQ(watchdog, dialog.GetStatusText().str());
        EXPECT_EQ(0, page.m_firmwareInfo->Lock()->m_spare);

        // The worker still waits for the loader: a new start is refused.
        EXPECT_TRUE(DualChipWorkerRunning());
        page.m_firmwareInfo->Reset(3);
        page.PrepareUpdate();
        EXPECT_EQ(GetTextFailure(3, kTwoChipProductIdA, 0) + L". " + GetTextNotRecognizedDevice(0) + L"[0]",
                  page.m_firmwareInfo->Lock()->StatusText(0));

        // The loader is stopped at its bound; the worker then leaves quietly
        // and takes its work files with it.
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [] { return !DualChipWorkerRunning(); }, 60000));
        std::wstring folder;
        ASSERT_TRUE(ProgramFolder(RunningProgramPath(), folder));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((folder + kDualChipControllerWorkFile).c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((folder + kDualChipBluetoothWorkFile).c_str()));
        EXPECT_EQ(0, a->finishCount);
    });
    ::SetEnvironmentVariableW(L"QUOR_FLASHLOADER_SCENARIO", nullptr);
    FtdiStandInSetScenario(kFtdiNoDevice, 0);
    ::DeleteFileW(path.c_str());
}

} // namespace
