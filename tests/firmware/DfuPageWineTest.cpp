// The DFU sequence on the real main window: the library stand-in's threads
// call back, the posted message hands one item at a time to the window
// thread, and the hold-button popups open over the main window.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "device/FirmwareInfo.h"
#include "firmware/FirmwareJob.h"
#include "firmware/DfuPageHostWin32.h"
#include "firmware/FirmwareWaitForTests.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "tests/support/WindowPicture.h"

namespace {

DfuSequence* g_sequence = nullptr;

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDfuCallbackMessage) {
        if (g_sequence)
            g_sequence->HandleNextCallback();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeReceiver()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ReceiverProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuorDfuReceiver";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, L"QuorDfuReceiver", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                             nullptr);
}

// Pumps the thread's messages until done holds, within a bound.
template <class Done> bool PumpUntil(Done done, DWORD boundMs)
{
    const ULONGLONG end = ::GetTickCount64() + boundMs;
    while (!done()) {
        if (::GetTickCount64() >= end)
            return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

std::wstring PopupText(FirmwareJob& job)
{
    auto* box = dynamic_cast<CDialogMessageBox*>(job.Popup());
    return box ? std::wstring(static_cast<const wchar_t*>(box->m_message)) : std::wstring();
}

class DfuPageWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        SetFirmwareWaitPercentForTests(0);
        ASSERT_TRUE(dialog.Create(IDD_UPDATER_DIALOG));
        dialog.ShowWindow(SW_SHOW);
        // The main window shows its first page and checks for a newer manager
        // before the test takes it over as the update page's main window.
        ASSERT_TRUE(PumpUntil([&] { return dialog.m_page == 1 && !dialog.m_busy; }, 10000));
        dialog.m_page = 3;
        receiver = MakeReceiver();
        chip.Attach();
        job.Lock()->m_imagePath = L"C:\\IMG\\Vel8.dfu";
    }
    void TearDown() override
    {
        if (sequence) {
            sequence->EndJob();
            g_sequence = nullptr;
            delete sequence;
        }
        job.ClosePopup();
        chip.Detach();
        ::DestroyWindow(receiver);
        dialog.DestroyWindow();
        SetFirmwareWaitPercentForTests(100);
    }
    void Start(int model, int usbStatus)
    {
        dialog.m_modelCode = model;
        dialog.m_usbStatus = usbStatus;
        host = std::make_unique<DfuPageHost>(
            &dialog, receiver, [this]() -> FirmwareJob& { return job; }, [this] { ++timerArms; });
        sequence = new DfuSequence(*host, engines);
        g_sequence = sequence;
        sequence->ResetForUpdate();
        sequence->StartDfu();
    }

    CUpdaterDlg dialog;
    HWND receiver = nullptr;
    SimDfuChip chip;
    FirmwareJob job;
    DFUEngine engineA, engineB;
    DfuLibraryEngines engines{engineA, engineB};
    std::unique_ptr<DfuPageHost> host;
    DfuSequence* sequence = nullptr;
    int timerArms = 0;
};

TEST_F(DfuPageWine, NormalModeUnitGetsBothPopupsOverTheMainWindow)
{
    SimDfuDevice& unit = chip.AddDevice(0x2010);
    unit.plans[0].delayMs = 300; // the hold popup stays up while the reconfigure runs
    // Room for each notification to be taken before the next event: a Notify
    // that finds another item waiting is dropped by design.
    unit.plans[1].delayMs = 100;
    unit.plans[2].delayMs = 100;
    Start(0x4D10, 0x2010);
    ASSERT_EQ(sequence->m_activeEngine, 1);
    ASSERT_TRUE(PumpUntil([&] { return job.Popup() != nullptr; }, 10000));
    EXPECT_EQ(PopupText(job), std::wstring(static_cast<const wchar_t*>(dialog.GetTextHoldButtonPrompt())));
    EXPECT_EQ(job.Snapshot().m_state, kJobTransferring);
    auto* box = dynamic_cast<CDialogMessageBox*>(job.Popup());
    ASSERT_NE(box, nullptr);
    CRect main, popup;
    dialog.GetWindowRect(&main);
    box->GetWindowRect(&popup);
    EXPECT_EQ(popup.Width(), 400);
    EXPECT_EQ(popup.Height(), 110);
    EXPECT_EQ(popup.left, main.left + (main.Width() - 400) / 2);
    EXPECT_EQ(popup.top, main.top + (main.Height() - 110) / 2);
    PumpUntil([] { return false; }, 200);
    SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\dfu-hold-button.png");

    ASSERT_TRUE(PumpUntil([&] { return timerArms > 0 || job.Snapshot().m_finished != 0; }, 20000));
    EXPECT_EQ(timerArms, 1);
    EXPECT_EQ(job.Snapshot().m_finished, 0);
    EXPECT_EQ(job.Snapshot().m_state, kJobFinished);
    EXPECT_EQ(PopupText(job), std::wstring(static_cast<const wchar_t*>(dialog.GetTextHoldTwoButtonsPrompt())));
    PumpUntil([] { return false; }, 200);
    SaveWindowPicture(dialog.m_hWnd, ScreenshotFolder() + L"\\dfu-hold-two-buttons.png");
}

TEST_F(DfuPageWine, DfuModeUnitAndNoPopupModelsStayWithoutPopups)
{
    struct Case {
        int model;
        int usbStatus;
        int device;
    };
    const Case cases[] = {{0x4D10, 0xA010, 0xA010}, {0x3010, 0x2010, 0x2010}};
    chip.Detach();
    for (const Case& c : cases) {
        SimDfuChip caseChip;
        SimDfuDevice& unit = caseChip.AddDevice(c.device);
        unit.plans[2].activityCount = 0; // no restart activity: no two-button popup either
        caseChip.Attach();
        Start(c.model, c.usbStatus);
        ASSERT_TRUE(PumpUntil([&] { return caseChip.PlannedSteps().size() >= 3; }, 20000));
        PumpUntil([] { return false; }, 300);
        EXPECT_EQ(job.Popup(), nullptr) << std::hex << c.model;
        EXPECT_EQ(job.Snapshot().m_failed, 0);
        EXPECT_EQ(job.Snapshot().m_state, kJobTransferring);
        sequence->EndJob();
        g_sequence = nullptr;
        delete sequence;
        sequence = nullptr;
        caseChip.Detach();
    }
}

TEST_F(DfuPageWine, AFailedDownloadStepEndsTheJob)
{
    SimDfuDevice& unit = chip.AddDevice(0x2010);
    unit.plans[1].resultCode = 1;
    Start(0x3010, 0x2010);
    ASSERT_TRUE(PumpUntil([&] { return job.Snapshot().m_finished != 0; }, 20000));
    EXPECT_EQ(job.Snapshot().m_failed, 1);
    EXPECT_EQ(job.Snapshot().StatusText(0), L"Failed to update firmware. Cannot update firmware");
    EXPECT_EQ(timerArms, 0);
}

TEST_F(DfuPageWine, LateCallbacksAfterTheEndAreIgnored)
{
    SimDfuDevice& unit = chip.AddDevice(0x2010);
    unit.plans[0].transferRepeat = 40;
    DFUEngineSetDestroyWaitForTests(1);
    Start(0x3010, 0x2010);
    // The first notifications are posted; the job ends before they are taken.
    ::Sleep(60);
    sequence->EndJob();
    PumpUntil([] { return false; }, 800);
    EXPECT_EQ(job.Snapshot().m_state, 0);
    EXPECT_EQ(chip.PlannedSteps(), std::vector<int>{0});
    DFUEngineSetDestroyWaitForTests(0);
}

} // namespace
