// Recognition on the real main window: the HID simulator, the DFU library
// stand-in with simulated chips and USB devices planted in the registry.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "shell/DialogMessageBox.h"
#include "shell/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "link/HidDeviceSeam.h"
#include "link/LinkBounds.h"
#include "link/MakerUsb.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/RemovableTestDrive.h"
#include "tests/support/UiWatchdog.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowCapture.h"
#include "text/RecognitionTexts.h"
#include "text/SharedWords.h"

namespace {

using namespace mainwindow;

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

// Stands between the channel and the simulator to see the main window as the
// unit sees it: busy at every request, repainted while the unit is waited on,
// and a key pressed meanwhile left in the queue.
class WindowWatchingSeam final : public HidDeviceSeam {
public:
    WindowWatchingSeam(SimHeadset& sim, CUpdaterDlg& dialog) : m_sim(sim), m_dialog(dialog) {}
    ~WindowWatchingSeam() override { m_sim.Install(); }
    void Install() { SetHidDeviceSeam(this); }

    std::vector<HidInterfaceInfo> EnumerateInterfaces() override { return m_sim.EnumerateInterfaces(); }
    HidHandle Open(const std::wstring& path) override { return m_sim.Open(path); }
    void Close(HidHandle handle) override { m_sim.Close(handle); }
    bool Write(HidHandle handle, const unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        ++writes;
        if (m_dialog.m_busy != 1)
            ++writesWhileIdle;
        return m_sim.Write(handle, data, size, timeoutMs);
    }
    bool Read(HidHandle handle, unsigned char* data, std::size_t size, unsigned timeoutMs) override
    {
        if (reads++ == 0) {
            ::InvalidateRect(m_dialog.m_hWnd, nullptr, TRUE);
            ::PostMessageW(m_dialog.m_hWnd, WM_KEYDOWN, VK_F5, 1);
        } else if (!::GetUpdateRect(m_dialog.m_hWnd, nullptr, FALSE)) {
            repainted = true;
        }
        return m_sim.Read(handle, data, size, timeoutMs);
    }
    void Flush(HidHandle handle) override { m_sim.Flush(handle); }
    std::uint64_t NowMs() override { return m_sim.NowMs(); }

    int writes = 0;
    int writesWhileIdle = 0;
    int reads = 0;
    bool repainted = false;

private:
    SimHeadset& m_sim;
    CUpdaterDlg& m_dialog;
};

// Takes the key the seam pressed during the recognition off the queue; false
// when the window had taken it.
bool TakeQueuedKey(HWND dialog)
{
    MSG msg;
    return ::PeekMessageW(&msg, dialog, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) && msg.wParam == VK_F5;
}

// An archived record of the HID pair whose basic settings count up from first.
DeviceConfig ArchivedHidPairRecord(int first)
{
    DeviceConfig record;
    record.m_modelCode = 0x2030;
    for (int i = 0; i < 10; ++i)
        record.m_settings[i] = first + i;
    return record;
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
    void Plant(int productId) { Plant(usb, productId); }
    // A USB entry of the maker with this product id, as the scan finds it.
    void Plant(PlantedUsbDevices& devices, int productId)
    {
        ASSERT_TRUE(devices.PlantMakerUnit(productId, std::to_wstring(++planted)));
    }
    // Keys the library asked the chips for, in order; writes negative.
    std::vector<int> KeysAsked() const
    {
        std::vector<int> keys;
        for (const SimDfuKeyAccess& access : chip.Log())
            keys.push_back(access.set ? -access.key : access.key);
        return keys;
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
        auto instructions = [&] {
            wchar_t shown[600] = {};
            ::GetWindowTextW(text, shown, 600);
            return std::wstring(shown);
        };
        EXPECT_EQ(::GetTextConnectInstructions(0), instructions());
        dialog.ApplyLanguage(8, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(::GetTextConnectInstructions(8), instructions());
        EXPECT_TRUE(SaveScreenshot(dialog.m_hWnd, L"recognition-page-2-russian"));
        dialog.ApplyLanguage(9, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(::GetTextConnectInstructions(9), instructions());
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
        // The result follows a change of language.
        dialog.ApplyLanguage(8, 0);
        PumpFor(dialog.m_hWnd, 100);
        EXPECT_EQ(0u, Status(dialog).find(GetTextFirmwareManagementMode(8) + L". "));
        dialog.ApplyLanguage(0, 0);
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
        EXPECT_EQ(1, BoxesSeen());
        EXPECT_EQ(1, dialog.m_page);
        // The page it lands on may keep the window busy a moment: page 3 asks the server first.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
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
        EXPECT_EQ(1, BoxesSeen());
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
        DeviceConfig record = ArchivedHidPairRecord(100);
        record.m_speedDial[0] = L"112";
        dialog.m_modelCode = 0x4D10;
        dialog.ShowDeviceRecognitionPage(0, &record, 4);
        // The restore page stays busy until its first tick has read the archive.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        EXPECT_EQ(4, dialog.m_page);
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
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        for (const SimLogEntry& entry : hid.Log())
            EXPECT_NE(kHidCmdWriteGroup, entry.bytes.size() > 1 ? entry.bytes[1] : 0);
        EXPECT_EQ(109, dialog.m_device.m_settings[9]);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, ASilentOrEndlesslyBusyUnitEndsWithTheFallbacksAndTheWindowKeepsPainting)
{
    struct Case {
        const char* what;
        void (*misbehave)(SimHidKnobs&);
    } cases[] = {
        {"silent", [](SimHidKnobs& k) { k.silent = true; }},
        {"busy", [](SimHidKnobs& k) { k.staysBusy = true, k.replyDelayMs = 1; }},
    };
    SimHeadset::Pair unit = hid.AddHidPairUnit();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unit.primary->knobs = SimHidKnobs();
        unit.secondary->knobs = SimHidKnobs();
        c.misbehave(unit.primary->knobs);
        c.misbehave(unit.secondary->knobs);
        CUpdaterDlg dialog;
        RunModal(dialog, [&] {
            WindowWatchingSeam seam(hid, dialog);
            seam.Install();
            ClickStartPicture(dialog);
            const std::uint64_t start = hid.NowMs();
            Click(dialog, IDC_BUTTON_NEXT);
            EXPECT_LE(hid.NowMs() - start, 30000u);
            EXPECT_TRUE(seam.repainted);
            EXPECT_TRUE(TakeQueuedKey(dialog.m_hWnd));
            EXPECT_GT(seam.writes, 0);
            EXPECT_EQ(0, seam.writesWhileIdle);
            PumpFor(dialog.m_hWnd, 100);
            // The page it lands on may keep the window busy a moment: page 3 asks the server first.
            EXPECT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
            EXPECT_EQ(3, dialog.m_page);
            EXPECT_EQ(L"Zenta2", dialog.m_device.m_deviceName);
            EXPECT_EQ(0xED21, dialog.m_device.m_settings[2]);
            EXPECT_EQ(0u, Status(dialog).find(L"Device recognized successfully."));
            Click(dialog, IDC_BUTTON_CLOSE);
        });
    }
}

TEST_F(RecognitionTest, ANormalRecognitionLeavesTheWindowAnswering)
{
    hid.AddHidPairUnit();
    hid.SetUsbTimingModel(true); // the reports take their time on the bus
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        ClickStartPicture(dialog);
        PumpFor(dialog.m_hWnd, 50);
        UiWatchdog watchdog;
        PumpFor(dialog.m_hWnd, 50);
        watchdog.TakeLongestStallMs();
        Click(dialog, IDC_BUTTON_NEXT);
        PumpFor(dialog.m_hWnd, 50);
        const DWORD longest = watchdog.TakeLongestStallMs();
        watchdog.Stop();
        std::printf("longest stall of the UI thread during a recognition: %lu ms (%lld ms on the bus)\n",
                    static_cast<unsigned long>(longest), static_cast<long long>(hid.ModelledFrames()));
        EXPECT_GT(watchdog.AnsweredProbes(), 0);
        EXPECT_EQ(3, dialog.m_page);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, ARestoresRecordReachesAUnitThatShowsUpOnlyAfterTheFirstTry)
{
    SimHeadset::Pair unit = hid.AddHidPairUnit();
    hid.KeepOffTheBus(0, 1);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        DeviceConfig record = ArchivedHidPairRecord(200);
        record.m_speedDial[2] = L"5551234";
        dialog.m_modelCode = 0x4D10;
        dialog.ShowDeviceRecognitionPage(0, &record, 4);
        // The first try found nothing and kept the record for the NEXT it posted.
        EXPECT_EQ(2, dialog.m_page);
        EXPECT_NE(nullptr, dialog.m_pageDeviceRecognition.PendingRecord());
        EXPECT_NE(209, static_cast<int>(unit.secondary->groups[4][9]));
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 4; }, 3000);
        EXPECT_EQ(4, dialog.m_page);
        // The page it lands on may keep the window busy a moment: page 3 asks the server first.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        EXPECT_EQ(nullptr, dialog.m_pageDeviceRecognition.PendingRecord());
        EXPECT_EQ(209, static_cast<int>(unit.secondary->groups[4][9]));
        EXPECT_EQ(0x66E9, static_cast<int>(unit.secondary->groups[21][0]));
        EXPECT_EQ(7u, unit.primary->groups[92].size());
        EXPECT_EQ(209, dialog.m_device.m_settings[9]);
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, A2020UnitIsReadOverTheLibraryInTheKeysOrder)
{
    SimDfuDevice& unit = AddUnit(0x2020, 0x2020);
    unit.SetKeyWords(676, {0x000B, 0x0200});
    unit.SetKeyWords(654, {0x0301, 0});
    unit.keys[264] = {'Z', 'e', 'n', 't', 'a', '1', 0};
    CUpdaterDlg dialog;
    int accessesWhileIdle = 0;
    chip.onKeyAccess = [&](const SimDfuKeyAccess&) {
        if (dialog.m_busy != 1)
            ++accessesWhileIdle;
    };
    RunModal(dialog, [&] {
        PressNextOnPage2(dialog);
        EXPECT_EQ((std::vector<int>{675, 1, 264, 676, 654, 0x2280, 0x2281, 0x2282}), KeysAsked());
        EXPECT_EQ(0, accessesWhileIdle); // busy during every exchange
        // The page it lands on may keep the window busy a moment: page 3 asks the server first.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        EXPECT_EQ(3, dialog.m_page);
        EXPECT_EQ(0x2020, dialog.m_modelCode);
        EXPECT_EQ(0x2020, dialog.m_device.m_modelCode);
        EXPECT_EQ(L"Zenta1", dialog.m_device.m_deviceName);
        EXPECT_EQ(1, dialog.m_device.m_hushguard);
        EXPECT_GT(dialog.m_settingsPageCount, 0);
        EXPECT_NE(0, dialog.m_settingsPages[0]);
        EXPECT_EQ(0u, Status(dialog).find(L"Device recognized successfully."));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
    chip.onKeyAccess = nullptr;
}

TEST_F(RecognitionTest, TheCameraIsReadOnlyWithItsDrive)
{
    RemovableTestDrive drive(L"quor_recognition_camera");
    const std::string skip = drive.Define();
    if (!skip.empty())
        GTEST_SKIP() << skip;
    AddUnit(0x2020, 0x3020);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        // Without the drive holding the marker the unit is asked its model only.
        PressNextOnPage2(dialog);
        EXPECT_EQ(std::vector<int>{675}, KeysAsked());
        EXPECT_EQ(2, dialog.m_page);
        // The page it lands on may keep the window busy a moment: page 3 asks the server first.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        EXPECT_NE(std::wstring::npos, Status(dialog).find(GetTextCheckSdCard(0)));

        // With it the road reads on, and the camera is not the target model.
        ASSERT_TRUE(drive.PutFile(L"lensa.bin"));
        chip.ClearLog();
        OnEveryBox(dialog.m_hWnd, [&](HWND box) { PressBoxButton(box, IDOK); });
        Click(dialog, IDC_BUTTON_NEXT);
        PumpFor(dialog.m_hWnd, 100);
        const std::vector<int> keys = KeysAsked();
        ASSERT_GE(keys.size(), 4u);
        EXPECT_EQ((std::vector<int>{675, 1, 264, 676}), std::vector<int>(keys.begin(), keys.begin() + 4));
        EXPECT_EQ(1, BoxesSeen());
        EXPECT_EQ(1, dialog.m_page);
        // The page it lands on may keep the window busy a moment: page 3 asks the server first.
        EXPECT_TRUE(PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, EachCountProblemIsToldInItsBoxAndLeadsToTheStartPage)
{
    struct Case {
        const char* what;
        std::vector<int> chips;   // product ids in the library
        std::vector<int> planted; // product ids on the USB scan
        int result;
        int pressed; // OK, or "SEND Email" (Esc ends the box the same way)
    } cases[] = {
        {"two scanned", {0x2020}, {0x2020, 0x2020}, 6, IDOK},
        {"two library entries", {0x2020, 0x2020}, {0x2020, 0x2020}, 8, IDCANCEL},
        {"scan and library disagree on the mode", {0x2020}, {0xA020}, 9, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimDfuChip bus;
        chip.Detach();
        bus.Attach();
        PlantedUsbDevices scan;
        for (int id : c.chips)
            bus.AddDevice(id).SetKeyWords(675, {0x2020});
        for (int id : c.planted)
            Plant(scan, id);
        g_opened.clear();
        CUpdaterDlg dialog;
        std::wstring told;
        std::wstring support;
        RunModal(dialog, [&] {
            support = dialog.m_pageDeviceRecognition.GetTextContactSupport().str();
            OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                told = BoxText(box).str();
                PressBoxButton(box, c.pressed);
            });
            PressNextOnPage2(dialog);
            EXPECT_EQ(1, BoxesSeen());
            EXPECT_EQ(1, dialog.m_page);
            // The page it lands on may keep the window busy a moment: page 3 asks the server first.
            EXPECT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
            Click(dialog, IDC_BUTTON_CLOSE);
        });
        StopWatching();
        const std::wstring expected = c.result == 9
                                          ? GetTextUsbInterfaceProblem(support, 0)
                                          : GetTextUnexpectedInterfaceCount(c.result == 6, c.result, support, 0);
        EXPECT_EQ(expected, told);
        EXPECT_EQ(c.pressed == IDCANCEL ? 1u : 0u, g_opened.size());
        bus.Detach();
        chip.Attach();
    }
}

TEST_F(RecognitionTest, WithoutMessagesTwoScannedOrTwoEntriesShowNoBoxAndStay)
{
    struct Case {
        const char* what;
        int chips;
        int expected;
    } cases[] = {
        {"two scanned", 1, 6},
        {"two library entries", 2, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimDfuChip bus;
        chip.Detach();
        bus.Attach();
        for (int i = 0; i < c.chips; ++i)
            bus.AddDevice(0x2020).SetKeyWords(675, {0x2020});
        PlantedUsbDevices scan;
        Plant(scan, 0x2020);
        Plant(scan, 0x2020);
        CUpdaterDlg dialog;
        RunModal(dialog, [&] {
            OnEveryBox(dialog.m_hWnd, [](HWND box) { PressBoxButton(box, IDOK); });
            ClickStartPicture(dialog);
            EXPECT_EQ(c.expected, dialog.m_pageDeviceRecognition.RecognizeDevice(nullptr, 0));
            PumpFor(dialog.m_hWnd, 200);
            EXPECT_EQ(0, BoxesSeen());
            // Only the start's in-progress text: the result sets none.
            EXPECT_EQ(L"On recognizing device.", dialog.m_statusText[0].str());
            EXPECT_EQ(L"On recognizing device.", Status(dialog));
            EXPECT_EQ(2, dialog.m_page);
            // The page it lands on may keep the window busy a moment: page 3 asks the server first.
            EXPECT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
            Click(dialog, IDC_BUTTON_CLOSE);
        });
        StopWatching();
        bus.Detach();
        chip.Attach();
    }
}

TEST_F(RecognitionTest, ARestoreWritesTheDfuUnitOnlyARecordOfItsModel)
{
    struct Case {
        int recordModel;
        std::vector<int> keys;
    } cases[] = {
        {0x2010, {675, 1, 264, 676, 654, 0x2280, 0x2281, 0x2282}},
        {0x2020, {675, 1, 264, 676, -654, -0x2280, -0x2281, -0x2282, 654, 0x2280, 0x2281, 0x2282}},
    };
    AddUnit(0x2020, 0x2020);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.recordModel);
            DeviceConfig record;
            record.m_modelCode = c.recordModel;
            record.m_voicePrompt = 1;
            record.m_speedDial[0] = L"112";
            chip.ClearLog();
            dialog.m_modelCode = 0x4D10;
            dialog.ShowDeviceRecognitionPage(0, &record, 4);
            PumpFor(dialog.m_hWnd, 100);
            EXPECT_EQ(c.keys, KeysAsked());
            EXPECT_EQ(4, dialog.m_page);
            // The page it lands on may keep the window busy a moment: page 3 asks the server first.
            EXPECT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
            EXPECT_EQ(c.recordModel == 0x2020 ? L"112" : L"", dialog.m_device.m_speedDial[0]);
        }
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, PagesOneToFiveShowTheWaitCursorWhileTheWindowIsBusy)
{
    hid.AddHidPairUnit();
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        PressNextOnPage2(dialog);
        ASSERT_EQ(3, dialog.m_page);
        CWnd* pages[] = {&dialog.m_pageDeviceSelection, &dialog.m_pageDeviceRecognition, &dialog.m_pageFirmwareUpdate,
                         &dialog.m_pageFirmwareRestore, &dialog.m_pageDeviceSetting};
        const HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
        const HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
        for (int page : {3, 4, 5, 1, 2}) {
            SCOPED_TRACE(page);
            switch (page) {
            case 1: dialog.ShowDeviceSelectionPage(); break;
            case 2: ClickStartPicture(dialog); break;
            case 3: break; // where the recognition landed
            case 4: dialog.ShowFirmwareRestorePage(0); break;
            case 5: dialog.ShowDeviceSettingPage(0); break;
            }
            ASSERT_EQ(page, dialog.m_page);
            HWND shown = pages[page - 1]->m_hWnd;
            const LPARAM over = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
            ::SetCursor(arrow);
            dialog.m_busy = 1;
            EXPECT_EQ(TRUE, ::SendMessageW(shown, WM_SETCURSOR, reinterpret_cast<WPARAM>(shown), over));
            EXPECT_EQ(wait, ::GetCursor());
            dialog.m_busy = 0;
            ::SetCursor(arrow);
            ::SendMessageW(shown, WM_SETCURSOR, reinterpret_cast<WPARAM>(shown), over);
            EXPECT_NE(wait, ::GetCursor());
        }
        Click(dialog, IDC_BUTTON_CLOSE);
    });
}

TEST_F(RecognitionTest, TheHidPairsEdgeCasesOnTheMainWindow)
{
    struct Case {
        const char* what;
        void (*setUp)(SimHeadset& bus);
        int page;            // where the window lands
        const wchar_t* name; // null: no name to check
    } cases[] = {
        // One interface only: it is closed and the library road finds nothing.
        {"one interface", [](SimHeadset& bus) { bus.AddInterface(kHidPairPrimaryProductId); }, 2, nullptr},
        {"name count 1", [](SimHeadset& bus) { bus.AddHidPairUnit().secondary->knobs.claimedWordCount = 1; }, 3, L""},
        {"every command failing",
         [](SimHeadset& bus) {
             SimHeadset::Pair unit = bus.AddHidPairUnit();
             unit.primary->knobs.failWrite = true;
             unit.secondary->knobs.failWrite = true;
         },
         3, L"Zenta2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimHeadset bus;
        bus.Install();
        c.setUp(bus);
        CUpdaterDlg dialog;
        RunModal(dialog, [&] {
            PressNextOnPage2(dialog);
            EXPECT_EQ(c.page, dialog.m_page);
            // The page it lands on may keep the window busy a moment: page 3 asks the server first.
            EXPECT_TRUE(PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_busy == 0; }, 10000));
            if (c.name != nullptr) {
                EXPECT_EQ(c.name, dialog.m_device.m_deviceName);
                EXPECT_EQ(2, bus.OpenHandleCount()); // the main window keeps both channels
                EXPECT_EQ(0x2030, dialog.m_usbStatus);
                EXPECT_EQ(0u, Status(dialog).find(L"Device recognized successfully."));
            } else {
                EXPECT_EQ(0, bus.OpenHandleCount());
                EXPECT_NE(std::wstring::npos, Status(dialog).find(GetTextCannotOpenUsb(0)));
            }
            Click(dialog, IDC_BUTTON_CLOSE);
        });
    }
    hid.Install();
}

} // namespace
