#pragma once
// The update page's side of the DFU sequence: the main window's values, the
// hold-button popups over the main window, the posted message that hands one
// queued notification to the user-interface thread, and the DFU start's waits
// with the page kept painting.

#include <windows.h>

#include <functional>

#include "firmware/DfuSequence.h"

class CMainDialog;

// The page's private message: one queued DFU notification to take.
constexpr UINT kDfuCallbackMessage = WM_USER + 1;

class DfuPageHost final : public DfuSequenceHost {
public:
    // window receives kDfuCallbackMessage; job picks the record driven now;
    // armWaitTimer starts the page's wait timer unless it runs.
    DfuPageHost(CMainDialog* main, HWND window, std::function<FirmwareJob&()> job, std::function<void()> armWaitTimer);

    FirmwareJob& Job() override;
    int Page() override;
    int UsbStatus() override;
    int ModelCode() override;
    void OpenPopup(DfuPopup popup) override;
    void ArmWaitTimer() override;
    void PostCallbackMessage() override;
    void Wait(int milliseconds) override;
    std::uint64_t NowMs() override;

private:
    CMainDialog* m_main;
    HWND m_window;
    std::function<FirmwareJob&()> m_job;
    std::function<void()> m_armWaitTimer;
};

// Dispatches the thread's messages for the time given (scaled like every
// firmware wait in a test program).
void WaitPumpingMessages(int milliseconds);
