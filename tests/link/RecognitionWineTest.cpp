// Recognition on the real main window: the HID simulator, the DFU library
// stand-in with simulated chips and USB devices planted in the registry.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/DialogMessageBox.h"
#include "shell/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowCapture.h"
#include "text/SharedWords.h"

namespace {

// ---------------------------------------------------------------- running the window

void InitControls()
{
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        done = true;
    }
}

void PumpFor(HWND dialog, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(5);
    }
}

bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        PumpFor(dialog, 10);
    }
    return true;
}

std::function<void()> g_script;
UINT_PTR g_scriptTimer = 0;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_scriptTimer);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

// Runs the main window modally; the script runs inside its modal loop once
// the first page shows and its update check has let the window go.
INT_PTR RunModal(CUpdaterDlg& dialog, std::function<void()> script)
{
    g_script = [&dialog, script] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 3000);
        script();
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    return dialog.DoModal();
}

void Click(CUpdaterDlg& dialog, int id)
{
    // The window refuses to close while busy, as during the start page's update check.
    if (id == IDC_BUTTON_CLOSE)
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 3000);
    ::SendMessageW(::GetDlgItem(dialog.m_hWnd, id), BM_CLICK, 0, 0);
}

void PressKey(HWND dialog, WPARAM key)
{
    HWND target = ::GetFocus();
    if (!target || (target != dialog && !::IsChild(dialog, target)))
        target = dialog;
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PumpFor(dialog, 150);
}

CString ItemText(CUpdaterDlg& dialog, int id)
{
    wchar_t text[300] = {};
    ::GetDlgItemTextW(dialog.m_hWnd, id, text, 300);
    return text;
}

bool Visible(CUpdaterDlg& dialog, int id)
{
    return (::GetWindowLongW(::GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Enabled(CUpdaterDlg& dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, id)) != FALSE;
}

// ---------------------------------------------------------------- message boxes over the window

struct BoxWatch {
    std::function<void(HWND)> action;
    int seen = 0;
    HWND owner = nullptr;
};
BoxWatch g_watch;
UINT_PTR g_watchTimer = 0;

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchOwnedBox(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (hwnd != search->owner && ::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == search->owner &&
        std::wstring(name) == L"#32770") {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindOwnedBox(HWND owner)
{
    BoxSearch search{owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK WatchForBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindOwnedBox(g_watch.owner);
    if (!box)
        return;
    ++g_watch.seen;
    if (g_watch.action) {
        auto action = g_watch.action;
        action(box);
    }
}

// Every box the main window opens from now on gets the action (it ends the box).
void OnEveryBox(HWND owner, std::function<void(HWND)> action)
{
    g_watch = BoxWatch{std::move(action), 0, owner};
    if (!g_watchTimer)
        g_watchTimer = ::SetTimer(nullptr, 0, 80, WatchForBox);
}

void StopWatching()
{
    if (g_watchTimer)
        ::KillTimer(nullptr, g_watchTimer);
    g_watchTimer = 0;
    g_watch = BoxWatch{};
}

CString BoxText(HWND box)
{
    wchar_t text[600] = {};
    ::GetDlgItemTextW(box, IDC_MESSAGE_TEXT, text, 600);
    return text;
}

void PressBoxButton(HWND box, int id)
{
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

std::vector<std::wstring> g_opened;

void RecordOpen(const std::wstring& url)
{
    g_opened.push_back(url);
}

void ClickStartPicture(CUpdaterDlg& dialog)
{
    HWND picture = ::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE);
    ::SendMessageW(picture, BM_CLICK, 0, 0);
}

std::wstring Status(CUpdaterDlg& dialog)
{
    return ItemText(dialog, IDC_STATUS_TEXT).str();
}

class RecognitionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitControls();
        hid.Install();
        chip.Attach();
        g_opened.clear();
        previousOpen = SetShellOpenForTests(RecordOpen);
    }
    void TearDown() override
    {
        StopWatching();
        SetShellOpenForTests(previousOpen);
        chip.Detach();
    }
    // A DFU-family chip with its USB entry planted where the scan looks.
    SimDfuDevice& AddUnit(int productId, int modelWord)
    {
        SimDfuDevice& unit = chip.AddDevice(productId);
        if (modelWord != 0)
            unit.SetKeyWords(675, {static_cast<std::uint16_t>(modelWord)});
        Plant(productId);
        return unit;
    }
    void Plant(int productId)
    {
        wchar_t device[32];
        swprintf(device, 32, L"VID_%04X&PID_%04X", kMakerUsbVendorId, productId);
        wchar_t instance[16];
        swprintf(instance, 16, L"%d", ++planted);
        wchar_t id[64];
        swprintf(id, 64, L"USB\\VID_%04X&PID_%04X&REV_0100", kMakerUsbVendorId, productId);
        ASSERT_TRUE(usb.Plant(device, instance, {id}));
    }
    // Page 2 as the user reaches it, then NEXT.
    void PressNextOnPage2(CUpdaterDlg& dialog)
    {
        ClickStartPicture(dialog);
        ASSERT_EQ(2, dialog.m_page);
        Click(dialog, IDC_BUTTON_NEXT);
        PumpFor(dialog.m_hWnd, 100);
    }

    SimHeadset hid;
    SimDfuChip chip;
    PlantedUsbDevices usb;
    int planted = 0;
    ShellOpenFunction previousOpen = nullptr;
};

TEST_F(RecognitionTest, TheHidPairFromThePictureToTheUpdatePage)
{
    hid.AddHidPairUnit();
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-1"));
        dialog.m_modelCode = 0x5010;
        ClickStartPicture(dialog);
        EXPECT_EQ(0x4D10, dialog.m_modelCode);
        EXPECT_EQ(2, dialog.m_page);
        EXPECT_EQ(0, hid.EnumerationCount()); // nothing recognised yet
        // The instructions in a bold copy of the page's font, one unit taller.
        HWND text = ::GetDlgItem(dialog.m_pageDeviceRecognition.m_hWnd, IDC_RECOGNITION_TEXT);
        LOGFONTW bold{};
        LOGFONTW page{};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(text, WM_GETFONT, 0, 0)), sizeof bold, &bold);
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(dialog.m_pageDeviceRecognition.m_hWnd, WM_GETFONT, 0, 0)),
                     sizeof page, &page);
        EXPECT_EQ(FW_BOLD, bold.lfWeight);
        EXPECT_EQ(page.lfHeight + 1, bold.lfHeight);
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-2-english"));
        dialog.ApplyLanguage(8, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-2-russian"));
        dialog.ApplyLanguage(9, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-2-chinese"));
        dialog.ApplyLanguage(0, 0);
        PumpFor(dialog.m_hWnd, 100);

        Click(dialog, IDC_BUTTON_NEXT);
        PumpFor(dialog.m_hWnd, 100);
        // Page 3 asks the firmware server first and lets the window go with its answer.
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 10000);
        EXPECT_EQ(0, dialog.m_busy);
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(0x2030, dialog.m_usbStatus);
        EXPECT_EQ(0x2030, dialog.m_device.m_modelCode);
        EXPECT_EQ(L"Zenta2 Sim", dialog.m_device.m_deviceName);
        EXPECT_EQ(L"001A7D[2C9BD2] _ 001A7D[2C9BD3]", dialog.m_device.m_bdAddress);
        EXPECT_EQ(L"   |   H/W v1.1", dialog.m_device.m_hardwareVersion);
        EXPECT_EQ(0x66E9, dialog.m_device.m_fmMagicCode);
        EXPECT_EQ(0u, Status(dialog).find(L"Device recognized successfully."));
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-3-hid"));
        // The result follows a change of language.
        dialog.ApplyLanguage(2, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(dialog.m_statusText[2], ItemText(dialog, IDC_STATUS_TEXT));
        EXPECT_NE(dialog.m_statusText[0], dialog.m_statusText[2]);
        dialog.ApplyLanguage(0, 0);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, AUnitInDfuModeIsOfferedTheUpdate)
{
    AddUnit(0xA010, 0);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        PressNextOnPage2(dialog);
        // Page 3 asks the firmware server first and lets the window go with its answer.
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 10000);
        EXPECT_EQ(0, dialog.m_busy);
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(0xA010, dialog.m_usbStatus);
        EXPECT_EQ(0x2010, dialog.m_modelCode);
        EXPECT_EQ(0u, Status(dialog).find(GetTextFirmwareManagementMode(0) + L". "));
        EXPECT_EQ(CString(L"Firmware"), ItemText(dialog, IDC_DEVICE_NAME));
        EXPECT_EQ(CString(L"Management"), ItemText(dialog, IDC_DEVICE_VERSION));
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-3-dfu-mode"));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, TwoPlantedUnitsAskForTheSupportMail)
{
    AddUnit(0x2020, 0x2020);
    Plant(0x2020);
    CUpdaterDlg dialog;
    CString told;
    RunModal(dialog, [&] {
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            told = BoxText(box);
            EXPECT_TRUE(SaveScreenshot(box, L"recognition-box-result-6"));
            PressBoxButton(box, IDCANCEL);
        });
        PressNextOnPage2(dialog);
        EXPECT_EQ(1, g_watch.seen);
        EXPECT_EQ(1, dialog.m_page);
        EXPECT_EQ(0, dialog.m_busy);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_EQ(0, told.str().find(L"USB interface(s) more than expected is(are) obtained.\n"));
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ(0u, g_opened[0].find(L"mailto:"));
}

TEST_F(RecognitionTest, AnotherModelIsNamedAndTheStatusStays)
{
    AddUnit(0x2020, 0x4D10);
    CUpdaterDlg dialog;
    CString told;
    RunModal(dialog, [&] {
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            told = BoxText(box);
            EXPECT_TRUE(SaveScreenshot(box, L"recognition-box-wrong-unit"));
            PressBoxButton(box, IDOK);
        });
        ClickStartPicture(dialog);
        const std::wstring before = Status(dialog);
        Click(dialog, IDC_BUTTON_NEXT);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(1, g_watch.seen);
        EXPECT_EQ(1, dialog.m_page);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    EXPECT_EQ(0, told.str().find(L"A device other than the "));
    EXPECT_TRUE(g_opened.empty());
}

TEST_F(RecognitionTest, ARestoreWritesTheArchivedSettingsAndLandsOnTheRestorePage)
{
    SimHeadset::Pair unit = hid.AddHidPairUnit();
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        DeviceConfig record;
        record.m_modelCode = 0x2030;
        for (int i = 0; i < 10; ++i)
            record.m_settings[i] = 100 + i;
        record.m_speedDial[0] = L"112";
        dialog.m_modelCode = 0x4D10;
        dialog.ShowDeviceRecognitionPage(0, &record, 4);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(4, dialog.m_page);
        EXPECT_EQ(0, dialog.m_busy);
        EXPECT_EQ(109, static_cast<int>(unit.secondary->groups[4][9]));
        EXPECT_EQ(0x66E9, static_cast<int>(unit.secondary->groups[21][0]));
        EXPECT_EQ(3u, unit.primary->groups[90].size());
        EXPECT_EQ(109, dialog.m_device.m_settings[9]);

        // A record of another model is only read.
        DeviceConfig other = record;
        other.m_modelCode = 0x2020;
        other.m_settings[9] = 7;
        hid.ClearLog();
        dialog.ShowDeviceRecognitionPage(0, &other, 4);
        PumpFor(dialog.m_hWnd, 100);
        for (const SimLogEntry& entry : hid.Log())
            EXPECT_NE(kHidCmdWriteGroup, entry.bytes.size() > 1 ? entry.bytes[1] : 0);
        EXPECT_EQ(109, dialog.m_device.m_settings[9]);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

} // namespace
