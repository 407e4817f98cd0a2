#pragma once
// The real main window on the update page for a Wine test, for a model the
// recognition does not read itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/UpdaterDlg.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwarePrompt.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/MessagePump.h"

// Runs the main window modally on page 3 for the model, the page's server
// check answered by a closed port; the script runs once the page is idle, and
// the window closes after it, once it is no longer busy or after a while.
inline void RunOnUpdatePage(int model, int usbStatus, const std::function<void(CUpdaterDlg&)>& script)
{
    mainwindow::InitControls();
    g_firmwarePromptArmed = 0;
    SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:9/");
    CUpdaterDlg dialog;
    mainwindow::RunModal(dialog, [&] {
        mainwindow::TargetModel(dialog, model, usbStatus);
        CDialogFirmwareUpdate& page = dialog.m_pageFirmwareUpdate;
        const int ticks = page.m_indexTimerTicks;
        dialog.GoToPage(3);
        const bool idle = PumpMessagesUntil([&] { return page.m_indexTimerTicks > ticks && !dialog.m_busy; }, 15000);
        EXPECT_TRUE(idle);
        if (idle)
            script(dialog);
        boxwatch::StopWatching();
        PumpMessagesUntil([&] { return !dialog.m_busy; }, 15000);
        dialog.m_busy = 0;
        mainwindow::Click(dialog, IDC_BUTTON_CLOSE);
    });
    SetFirmwareServerBaseUrlForTests(L"");
    g_firmwarePromptArmed = 1;
}
