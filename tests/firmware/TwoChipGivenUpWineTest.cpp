// A two-chip job the progress timer gave up on while its worker still runs
// the flash loader: the worker holds the unit's HID pair until it notices and
// leaves, and a new two-chip start on the real main window is refused
// meanwhile, so two workers never share the pair.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/UpdaterDlg.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "tests/firmware/DualChipRig.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessagePump.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

namespace {

std::atomic<int> g_starts{0};

void CountingWorker(ImageWorkerHost&)
{
    ++g_starts;
}

TEST_F(DualChipWorkerTest, WhileAGivenUpWorkerStillRunsANewTwoChipStartIsRefused)
{
    UseImage();
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> inLoader{false};
    host.duringLoader = [&] {
        // The progress timer's watchdog ends the job while the loader runs.
        host.job.m_finished = 1;
        host.job.SetStatusText(0, L"given up");
        inLoader = true;
        ::WaitForSingleObject(release, 30000);
    };
    std::thread worker([&] { DualChipUpdateThread(host); });
    for (int i = 0; i < 1000 && !inLoader; ++i)
        ::Sleep(10);
    ASSERT_TRUE(inLoader);

    const auto previous = CDialogFirmwareUpdate::SetWorkerOfRoadForTests(UpdateRoad::kDualChip, CountingWorker);
    g_starts = 0;
    mainwindow::InitControls();
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, [&] {
        dialog.m_modelCode = kTwoChipProductIdA;
        dialog.m_usbStatus = kTwoChipProductIdA;
        dialog.m_recognized = 1;
        dialog.m_device.m_modelCode = kTwoChipProductIdA;
        dialog.m_page = 3;
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        const std::wstring refused =
            GetTextFailure(3, kTwoChipProductIdA, 0) + L". " + GetTextNotRecognizedDevice(0) + L"[0]";

        // The unit is on the bus, but the pair is the running worker's.
        page.PrepareUpdate();
        EXPECT_EQ(refused, page.m_firmwareInfo.Lock()->StatusText(0));
        EXPECT_EQ(1, page.m_firmwareInfo.Lock()->m_finished);
        mainwindow::PumpFor(dialog.m_hWnd, 300);
        EXPECT_EQ(0, g_starts);

        // The worker notices its job has ended and leaves without a word.
        ::SetEvent(release);
        worker.join();
        EXPECT_FALSE(DualChipWorkerRunning());
        EXPECT_EQ(L"given up", host.job.StatusText(0));
        EXPECT_EQ(0, host.timerRequests);
        EXPECT_FALSE(WorkFileExists(kDualChipControllerWorkFile));

        // Now a start goes through to a worker of its own.
        page.m_firmwareInfo.Lock()->Reset(3);
        page.PrepareUpdate();
        EXPECT_TRUE(mainwindow::PumpUntil(
            dialog.m_hWnd, [] { return g_starts == 1; }, 10000));
        EXPECT_NE(refused, page.m_firmwareInfo.Lock()->StatusText(0));

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
    CDialogFirmwareUpdate::SetWorkerOfRoadForTests(UpdateRoad::kDualChip, previous);
}

} // namespace
