// The FM radio and speed-dial pages and the settings writers on the real main
// window under Wine: the HID simulator, the DFU library stand-in with its
// chips and USB devices planted in the registry, real keyboard input.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"
#include "res/resource.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/support/UsbPlanting.h"
#include "tests/support/WindowPicture.h"
#include "device/FmRegions.h"
#include "text/SharedWords.h"

using namespace gridtest;

namespace {

// ---------------------------------------------------------------- the main window and its boxes

std::function<void()> g_script;
UINT_PTR g_scriptTimer = 0;

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(nullptr, g_scriptTimer);
    g_script();
}

void RunModal(CUpdaterDlg& dialog, std::function<void()> script)
{
    bool ran = false;
    g_script = [&dialog, &ran, script] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        script();
        ran = true;
        dialog.m_busy = 0;
        dialog.m_dropListOpen = 0;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    dialog.DoModal();
    EXPECT_TRUE(ran);
}

void Click(CUpdaterDlg& dialog, int id)
{
    ::SendMessageW(::GetDlgItem(dialog.m_hWnd, id), BM_CLICK, 0, 0);
}

std::wstring Text(HWND window)
{
    wchar_t text[600] = {};
    ::GetWindowTextW(window, text, 600);
    return text;
}

struct SeenBox {
    std::wstring text;
    int width;
    int height;
};

struct BoxWatch {
    HWND owner = nullptr;
    std::function<void(HWND)> action;
    std::vector<SeenBox> seen;
    HWND last = nullptr; // a box still closing is not seen twice
};
BoxWatch g_watch;
UINT_PTR g_watchTimer = 0;

BOOL CALLBACK MatchOwnedBox(HWND hwnd, LPARAM lParam)
{
    auto* found = reinterpret_cast<HWND*>(lParam);
    wchar_t name[16] = {};
    ::GetClassNameW(hwnd, name, 16);
    if (hwnd != g_watch.owner && ::IsWindowVisible(hwnd) && ::GetWindow(hwnd, GW_OWNER) == g_watch.owner &&
        std::wstring(name) == L"#32770") {
        *found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK WatchForBox(HWND, UINT, UINT_PTR, DWORD)
{
    // An action that pumps messages must not see its own box again.
    static bool acting = false;
    if (acting)
        return;
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), MatchOwnedBox, reinterpret_cast<LPARAM>(&box));
    if (!box || box == g_watch.last)
        return;
    g_watch.last = box;
    RECT r;
    ::GetWindowRect(box, &r);
    wchar_t text[600] = {};
    ::GetDlgItemTextW(box, IDC_MESSAGE_TEXT, text, 600);
    g_watch.seen.push_back({text, r.right - r.left, r.bottom - r.top});
    if (g_watch.action) {
        auto action = g_watch.action;
        acting = true;
        action(box);
        acting = false;
    }
}

// Every box the main window opens from now on is seen, then gets the action.
void OnEveryBox(HWND owner, std::function<void(HWND)> action)
{
    g_watch = BoxWatch{owner, std::move(action), {}, nullptr};
    if (!g_watchTimer)
        g_watchTimer = ::SetTimer(nullptr, 0, 80, WatchForBox);
}

void StopWatching()
{
    if (g_watchTimer)
        ::KillTimer(nullptr, g_watchTimer);
    g_watchTimer = 0;
}

// A box as the user sees it, once it has painted itself.
bool SaveBoxPicture(HWND box, const std::wstring& path)
{
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(box, 300);
    return SaveWindowPicture(box, path);
}

void PressOk(HWND box)
{
    ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
}

std::wstring Png(const wchar_t* name)
{
    return ScreenshotFolder() + L"\\" + name + L".png";
}

// Text typed with the keyboard into the control that has the focus.
void Type(HWND dialog, const std::wstring& text)
{
    for (wchar_t c : text) {
        if (c == L'.')
            PressKey(dialog, VK_OEM_PERIOD);
        else if (c == L'#')
            PressKey(dialog, '3', true);
        else if (c == L'+')
            PressKey(dialog, VK_OEM_PLUS, true);
        else
            PressKey(dialog, static_cast<WORD>(c));
    }
}

using Exchanges = std::vector<std::tuple<int, int, int>>;

Exchanges Head(const Exchanges& all, std::size_t count)
{
    return Exchanges(all.begin(), all.begin() + static_cast<long>(std::min(count, all.size())));
}

constexpr int kPrimary = kHidPairPrimaryProductId;
constexpr int kSecondary = kHidPairSecondaryProductId;

class SettingsWritersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitControls();
        hid.Install();
        chip.Attach();
    }
    void TearDown() override
    {
        StopWatching();
        chip.Detach();
    }

    // The 0x2030 pair recognised for real, from the start page's picture.
    void RecognisePair(CUpdaterDlg& dialog)
    {
        pair = hid.AddHidPairUnit();
        ::SendMessageW(::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE), BM_CLICK, 0, 0);
        ASSERT_EQ(2, dialog.m_page);
        Click(dialog, IDC_BUTTON_NEXT);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 3 && !dialog.m_busy; }, 5000);
        ASSERT_EQ(3, dialog.m_page);
        ASSERT_EQ(0x2030, dialog.m_modelCode);
    }

    // (product id, command, parameter) of every request the unit took since the log was cleared.
    std::vector<std::tuple<int, int, int>> Sent(std::size_t first = 0) const
    {
        std::vector<std::tuple<int, int, int>> out;
        for (const SimLogEntry& e : hid.Log()) {
            if (e.kind == SimLogKind::Write && e.ok)
                out.emplace_back(e.productId, e.bytes[kHidRequestCommand], e.bytes[kHidRequestParameter]);
        }
        return std::vector<std::tuple<int, int, int>>(out.begin() + static_cast<long>(std::min(first, out.size())),
                                                      out.end());
    }

    SimHeadset hid;
    SimDfuChip chip;
    SimHeadset::Pair pair{};
};

// ---------------------------------------------------------------- speed dial

TEST_F(SettingsWritersTest, SpeedDialsTypedAndSavedReachTheUnitAndTheUnitIsReadAgain)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        RecognisePair(dialog);
        dialog.GoToPage(7);
        ASSERT_EQ(7, dialog.m_page);
        CDialogDeviceSettingSpeedDial& page = dialog.m_pageDeviceSettingSpeedDial;
        EXPECT_EQ(L"Speed Dial 1", Text(page.m_labels[0].m_hWnd));
        EXPECT_EQ(L"Speed Dial 2", Text(page.m_labels[1].m_hWnd));
        EXPECT_EQ(L"Speed Dial 3", Text(page.m_labels[2].m_hWnd));

        // A letter after 0123 goes at once and the caret stays behind the 3.
        ::SetForegroundWindow(dialog.m_hWnd);
        page.m_edits[0].SetFocus();
        Type(dialog.m_hWnd, L"0123A");
        EXPECT_EQ(L"0123", Text(page.m_edits[0].m_hWnd));
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageW(page.m_edits[0].m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(4u, start);
        EXPECT_EQ(4u, end);
        Type(dialog.m_hWnd, L"#");
        EXPECT_EQ(L"0123#", page.m_config.m_speedDial[0]);
        // 25 digits pasted keep 20.
        ::SendMessageW(page.m_edits[2].m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1234567890123456789012345"));
        EXPECT_EQ(L"12345678901234567890", page.m_config.m_speedDial[2]);
        EXPECT_EQ(L"12345678901234567890", Text(page.m_edits[2].m_hWnd));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_APPLY)));
        PumpFor(dialog.m_hWnd, 300);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, Png(L"speed-dial-page-english")));

        hid.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 7 && !dialog.m_busy; }, 5000);
        const std::vector<std::tuple<int, int, int>> written = {
            {kPrimary, 1, 0}, {kSecondary, 1, 0}, {kPrimary, 4, 90}, {kPrimary, 4, 91}, {kPrimary, 4, 92}};
        const std::vector<std::tuple<int, int, int>> sent = Sent();
        ASSERT_GE(sent.size(), written.size());
        EXPECT_EQ(written, Head(sent, 5));
        EXPECT_EQ(pair.primary->groups[90], (std::vector<std::uint16_t>{'0', '1', '2', '3', '#'}));
        EXPECT_EQ(pair.primary->groups[91], std::vector<std::uint16_t>{});
        EXPECT_EQ(pair.primary->groups[92].size(), 20u);
        // Recognised again, the unit's numbers are the page's.
        EXPECT_EQ(7, dialog.m_page);
        EXPECT_EQ(0, dialog.m_busy);
        EXPECT_EQ(L"0123#", dialog.m_device.m_speedDial[0]);
        EXPECT_EQ(L"0123#", Text(page.m_edits[0].m_hWnd));

        // DEFAULT empties the numbers; CANCEL brings the unit's back.
        ::SendMessageW(page.m_buttonDefault.m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(L"", page.m_config.m_speedDial[0]);
        EXPECT_EQ(L"", Text(page.m_edits[0].m_hWnd));
        ::SendMessageW(page.m_buttonCancel.m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(L"0123#", page.m_config.m_speedDial[0]);

        dialog.ApplyLanguage(4, 0);
        PumpFor(dialog.m_hWnd, 100);
        PumpFor(dialog.m_hWnd, 300);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, Png(L"speed-dial-page-japanese")));
        dialog.ApplyLanguage(0, 0);
        PumpFor(dialog.m_hWnd, 50);
    });
}

// ---------------------------------------------------------------- grid edits saved

TEST_F(SettingsWritersTest, GridClicksOnThePairReachItsFlagWord)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        RecognisePair(dialog);
        dialog.GoToPage(5);
        PumpFor(dialog.m_hWnd, 100);
        ASSERT_EQ(5, dialog.m_page);
        CDialogDeviceSetting& page = dialog.m_pageDeviceSetting;
        ::SetForegroundWindow(dialog.m_hWnd);
        const int before = page.m_config.m_settings[2];
        // Row 12 is Voice Command (bit 0), row 4 Smart Volume Control (bits 1-2).
        ToggleGridCheckBox(dialog, page.m_grid, 12);
        PickGridItem(dialog, page.m_grid, 4, 2);
        const int edited = page.m_config.m_settings[2];
        EXPECT_EQ((before ^ edited) & 1, 1) << "Voice Command changed";
        EXPECT_EQ((edited >> 1) & 3, 2);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_APPLY)));

        OnEveryBox(dialog.m_hWnd, [](HWND box) { PressOk(box); });
        Click(dialog, IDC_BUTTON_APPLY);
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 5000);
        StopWatching();
        const std::vector<std::uint16_t>& group = pair.secondary->groups[4];
        ASSERT_GE(group.size(), 3u);
        EXPECT_EQ(group[2] & 1, edited & 1);
        EXPECT_EQ((group[2] >> 1) & 3, 2);
    });
}

TEST_F(SettingsWritersTest, GridEditsOfA5520ReachItsConfigurationWordAndVoxGroup)
{
    SimHeadset local;
    local.Install();
    SimHidInterface& unit = local.AddInterface(0x5520);
    unit.version[0] = 2;
    unit.version[1] = 0;
    unit.version[2] = 0;
    unit.version[3] = 0;
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        dialog.m_modelCode = 0x5520;
        dialog.m_usbStatus = 0x5520;
        dialog.m_recognized = 1;
        dialog.m_device.m_modelCode = 0x5520;
        dialog.m_device.m_firmwareVersion = DeviceVersion{2, 0, 0, 0, 0};
        dialog.m_device.m_chipVersion1 = dialog.m_device.m_firmwareVersion;
        dialog.m_device.m_chipVersion2 = dialog.m_device.m_firmwareVersion;
        dialog.m_hidPrimary = OpenHidInterface(0x5520);
        EnterBasicPage(dialog, 0x5520, 2, 0, 0);
        dialog.RefreshView();
        CDialogDeviceSetting& page = dialog.m_pageDeviceSetting;
        ::SetForegroundWindow(dialog.m_hWnd);
        // Row 3 is Dualstream (word 23), row 7 VOX Sensitivity: "Level 4" is item 3.
        ASSERT_EQ(0, page.m_config.m_settings[23]);
        ToggleGridCheckBox(dialog, page.m_grid, 3);
        PickGridItem(dialog, page.m_grid, 7, 3);
        EXPECT_EQ(1, page.m_config.m_settings[23]);
        EXPECT_EQ(4, page.m_config.m_settings[14]);
        const std::uint16_t configWord = static_cast<std::uint16_t>(page.m_config.BuildConfigWord() & 0xFFFF);

        OnEveryBox(dialog.m_hWnd, [](HWND box) { PressOk(box); });
        local.ClearLog();
        page.WriteSettingsToDevice();
        PumpUntil(
            dialog.m_hWnd, [&] { return !dialog.m_busy; }, 5000);
        StopWatching();
        ASSERT_FALSE(unit.groups[4].empty());
        EXPECT_EQ(configWord, unit.groups[4][0]);
        EXPECT_EQ(std::vector<std::uint16_t>{4}, unit.groups[20]);
    });
    hid.Install();
}

TEST_F(SettingsWritersTest, AFailedSaveRevertsSaysSoAndReturnsToPageOne)
{
    struct Case {
        const char* label;
        void (*arrange)(SimHeadset::Pair&);
    } cases[] = {
        {"status 2 on the speed dial group",
         [](SimHeadset::Pair& p) {
             p.primary->knobs.byRequest[{4, 90}].status = 2;
         }},
        {"the unit stays busy",
         [](SimHeadset::Pair& p) {
             p.primary->knobs.byRequest[{4, 91}].staysBusy = true;
         }},
        {"a changed version", [](SimHeadset::Pair& p) { p.secondary->version[1] = 9; }},
        {"the unit gone", [](SimHeadset::Pair& p) { p.secondary->knobs.openable = false; }},
    };
    for (const Case& c : cases) {
        SimHeadset local;
        local.Install();
        CUpdaterDlg dialog;
        RunModal(dialog, [&] {
            SimHeadset::Pair p = local.AddHidPairUnit();
            ::SendMessageW(::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE), BM_CLICK, 0, 0);
            Click(dialog, IDC_BUTTON_NEXT);
            PumpUntil(
                dialog.m_hWnd, [&] { return dialog.m_page == 3 && !dialog.m_busy; }, 5000);
            ASSERT_EQ(0x2030, dialog.m_modelCode) << c.label;
            dialog.GoToPage(7);
            CDialogDeviceSettingSpeedDial& page = dialog.m_pageDeviceSettingSpeedDial;
            ::SendMessageW(page.m_edits[0].m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"112"));
            EXPECT_EQ(L"112", page.m_config.m_speedDial[0]);
            c.arrange(p);
            int busyInBox = -1;
            int pageInBox = -1;
            std::wstring numberInBox;
            std::wstring statusInBox;
            OnEveryBox(dialog.m_hWnd, [&](HWND box) {
                statusInBox = Text(::GetDlgItem(dialog.m_hWnd, IDC_STATUS_TEXT));
                busyInBox = dialog.m_busy;
                pageInBox = dialog.m_page;
                numberInBox = Text(page.m_edits[0].m_hWnd);
                if (g_watch.seen.size() == 1 && c.arrange == cases[0].arrange) {
                    EXPECT_TRUE(SaveBoxPicture(box, Png(L"settings-save-failed-box")));
                }
                PressOk(box);
            });
            Click(dialog, IDC_BUTTON_APPLY);
            PumpFor(dialog.m_hWnd, 300);
            StopWatching();
            ASSERT_EQ(1u, g_watch.seen.size()) << c.label; // no second question on the way to page 1
            EXPECT_EQ(GetTextDeviceNotConnected(0), g_watch.seen[0].text) << c.label;
            EXPECT_EQ(400, g_watch.seen[0].width) << c.label;
            EXPECT_EQ(165, g_watch.seen[0].height) << c.label;
            EXPECT_EQ(0, busyInBox) << c.label;
            EXPECT_EQ(7, pageInBox) << c.label;
            EXPECT_EQ(L"", numberInBox) << c.label; // the page is back at the unit's values
            // While the box is up the status line tells what failed.
            EXPECT_EQ(L"Failed to save device setting. Not the recognized device", statusInBox) << c.label;
            EXPECT_EQ(1, dialog.m_page) << c.label;
            EXPECT_EQ(0, dialog.m_busy) << c.label;
            EXPECT_EQ(L"", dialog.m_device.m_speedDial[0]) << c.label;
            EXPECT_EQ(0, local.OpenHandleCount()) << c.label; // the lookup's and the main window's closed
        });
        hid.Install();
    }
}

// ---------------------------------------------------------------- FM radio

TEST_F(SettingsWritersTest, FmPresetsTypedAndSpunStayInTheRegionAndAreSaved)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        RecognisePair(dialog);
        dialog.GoToPage(6);
        ASSERT_EQ(6, dialog.m_page);
        CDialogDeviceSettingSecond& page = dialog.m_pageDeviceSettingSecond;
        // The unit's block: region 0 (Worldwide) with its ten presets.
        EXPECT_EQ(0, ::SendMessageW(page.m_comboRegion.m_hWnd, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"87.5", Text(page.m_edits[0].m_hWnd));
        PumpFor(dialog.m_hWnd, 300);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, Png(L"fm-radio-page-english")));

        // Europe: every preset of the unit fits.
        ::SendMessageW(page.m_comboRegion.m_hWnd, CB_SETCURSEL, 4, 0);
        ::SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FM_REGION, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(page.m_comboRegion.m_hWnd));
        EXPECT_EQ(4, page.m_config.m_fmRegion);

        // Typing 87.55 then Tab stores 87.6 MHz.
        ::SetForegroundWindow(dialog.m_hWnd);
        page.m_edits[1].SetFocus();
        Type(dialog.m_hWnd, L"87.55");
        PressKey(dialog.m_hWnd, VK_TAB);
        EXPECT_EQ(8760, page.m_config.m_fmPresets[1]);
        EXPECT_EQ(L"87.6", Text(page.m_edits[1].m_hWnd));

        // 75.0 is outside Europe's band: the box names 87.5 and 108.0, Enter closes it, the
        // stored value comes back and the edit has the focus again.
        std::vector<std::wstring> texts;
        OnEveryBox(dialog.m_hWnd, [&](HWND box) {
            texts.push_back(g_watch.seen.back().text);
            if (texts.size() == 1) {
                EXPECT_TRUE(SaveBoxPicture(box, Png(L"fm-radio-preset-box")));
            }
            // Closed with the keyboard: the box's own loop takes the Enter.
            ::SetForegroundWindow(box);
            Key(VK_RETURN, false);
            Key(VK_RETURN, true);
        });
        page.m_edits[2].SetFocus();
        Type(dialog.m_hWnd, L"75.0");
        PressKey(dialog.m_hWnd, VK_TAB);
        PumpFor(dialog.m_hWnd, 300);
        StopWatching();
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ(L"FM Radio preset should be between 87.5 MHz and 108.0 MHz. Enter valid value again.", texts[0]);
        EXPECT_EQ(9550, page.m_config.m_fmPresets[2]);
        EXPECT_EQ(L"95.5", Text(page.m_edits[2].m_hWnd));
        EXPECT_EQ(page.m_edits[2].m_hWnd, ::GetFocus());

        // Spinning down from the band's lowest wraps to its highest.
        page.m_edits[0].SetFocus();
        ::SendMessageW(page.m_spins[0].m_hWnd, UDM_SETPOS32, 0, 8740);
        EXPECT_EQ(10800, page.m_config.m_fmPresets[0]);
        EXPECT_EQ(L"108.0", Text(page.m_edits[0].m_hWnd));

        // Unchecking empties a preset; checking it again starts from the nearest checked one.
        ::SendMessageW(page.m_checks[4].m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(0, page.m_config.m_fmPresets[4]);
        EXPECT_EQ(L"Empty", Text(page.m_edits[4].m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_edits[4].m_hWnd));
        ::SendMessageW(page.m_checks[4].m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(page.m_config.m_fmPresets[3], page.m_config.m_fmPresets[4]);
        EXPECT_TRUE(::IsWindowEnabled(page.m_edits[4].m_hWnd));

        // RDS AF off.
        ::SendMessageW(page.m_radioRdsOff.m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(0, page.m_config.m_fmRds);

        hid.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 6 && !dialog.m_busy; }, 5000);
        const std::vector<std::tuple<int, int, int>> written = {
            {kPrimary, 1, 0}, {kSecondary, 1, 0}, {kSecondary, 4, 21}};
        const std::vector<std::tuple<int, int, int>> sent = Sent();
        ASSERT_GE(sent.size(), written.size());
        EXPECT_EQ(written, Head(sent, 3));
        const std::vector<std::uint16_t>& block = pair.secondary->groups[21];
        ASSERT_EQ(15u, block.size());
        EXPECT_EQ(0x66E9, block[0]);
        EXPECT_EQ(8750, block[1]); // the current station as the unit had it
        EXPECT_EQ(10800, block[3]);
        EXPECT_EQ(8760, block[4]);
        EXPECT_EQ(0, block[13]);
        EXPECT_EQ(4, block[14]);
        EXPECT_EQ(6, dialog.m_page);
        EXPECT_EQ(4, dialog.m_device.m_fmRegion);

        dialog.ApplyLanguage(4, 0);
        PumpFor(dialog.m_hWnd, 100);
        PumpFor(dialog.m_hWnd, 300);
        EXPECT_TRUE(SaveWindowPicture(dialog.m_hWnd, Png(L"fm-radio-page-japanese")));
        dialog.ApplyLanguage(0, 0);
        PumpFor(dialog.m_hWnd, 50);
    });
}

TEST_F(SettingsWritersTest, FmArrowsClickedAndHeldStayOnTheGrid)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        RecognisePair(dialog);
        dialog.GoToPage(6);
        ASSERT_EQ(6, dialog.m_page);
        CDialogDeviceSettingSecond& page = dialog.m_pageDeviceSettingSecond;
        ::SendMessageW(page.m_comboRegion.m_hWnd, CB_SETCURSEL, 1, 0); // Americas
        ::SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FM_REGION, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(page.m_comboRegion.m_hWnd));
        ASSERT_EQ(1, page.m_config.m_fmRegion);
        ASSERT_EQ(8750, page.m_config.m_fmPresets[0]);
        ::SetForegroundWindow(dialog.m_hWnd);
        PumpFor(dialog.m_hWnd, 100);
        HWND spin = page.m_spins[0].m_hWnd;
        RECT r;
        ::GetClientRect(spin, &r);
        const POINT up{r.right / 2, r.bottom / 4};
        const POINT down{r.right / 2, r.bottom * 3 / 4};

        // One click up in Americas: the 100 kHz step lands off the 200 kHz grid and is stretched.
        ClickAt(dialog.m_hWnd, spin, up);
        EXPECT_EQ(8770, page.m_config.m_fmPresets[0]);
        EXPECT_EQ(L"87.7", Text(page.m_edits[0].m_hWnd));
        // Down twice wraps past the lowest to the highest.
        ClickAt(dialog.m_hWnd, spin, down);
        EXPECT_EQ(8750, page.m_config.m_fmPresets[0]);
        ClickAt(dialog.m_hWnd, spin, down);
        EXPECT_EQ(10790, page.m_config.m_fmPresets[0]);
        // Up from the highest wraps to the lowest.
        ClickAt(dialog.m_hWnd, spin, up);
        EXPECT_EQ(8750, page.m_config.m_fmPresets[0]);

        // Held for 2.5 s the arrow moves further, and every value it passes is on the grid.
        MoveTo(spin, up);
        PumpFor(dialog.m_hWnd, 30);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        std::vector<int> seen;
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 2500) {
            PumpFor(dialog.m_hWnd, 50);
            seen.push_back(page.m_config.m_fmPresets[0]);
        }
        SendMouse(MOUSEEVENTF_LEFTUP);
        PumpFor(dialog.m_hWnd, 100);
        const int held = page.m_config.m_fmPresets[0];
        EXPECT_GT(held, 8770);
        for (int value : seen)
            EXPECT_EQ(0, ValidateFmFrequency(1, value)) << value;
        EXPECT_EQ(0, ValidateFmFrequency(1, held)) << held;
    });
}

TEST_F(SettingsWritersTest, FmPageIsLockedWhileBusyAndItsCancelStillReverts)
{
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        RecognisePair(dialog);
        dialog.GoToPage(6);
        CDialogDeviceSettingSecond& page = dialog.m_pageDeviceSettingSecond;
        ::SendMessageW(page.m_radioRdsOff.m_hWnd, BM_CLICK, 0, 0);
        ASSERT_EQ(0, page.m_config.m_fmRds);
        dialog.m_busy = 1;
        page.RefreshPage();
        EXPECT_FALSE(::IsWindowEnabled(page.m_comboRegion.m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_checks[0].m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_edits[0].m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_radioRdsOn.m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_buttonHelp.m_hWnd));
        // Commands wait for the unit, CANCEL does not.
        ::SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FM_RDS_ON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(page.m_radioRdsOn.m_hWnd));
        EXPECT_EQ(0, page.m_config.m_fmRds);
        ::SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FM_CANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(page.m_buttonCancel.m_hWnd));
        EXPECT_EQ(dialog.m_device.m_fmRds, page.m_config.m_fmRds);
        dialog.m_busy = 0;
        page.RefreshPage();
        EXPECT_TRUE(::IsWindowEnabled(page.m_comboRegion.m_hWnd));
        EXPECT_TRUE(::IsWindowEnabled(page.m_edits[0].m_hWnd));
        // DEFAULT empties every preset; the help box is 540 x 195.
        ::SendMessageW(page.m_buttonDefault.m_hWnd, BM_CLICK, 0, 0);
        EXPECT_EQ(0, page.m_config.m_fmPresets[0]);
        EXPECT_EQ(L"Empty", Text(page.m_edits[0].m_hWnd));
        EXPECT_FALSE(::IsWindowEnabled(page.m_edits[0].m_hWnd));
        OnEveryBox(dialog.m_hWnd, [](HWND box) { PressOk(box); });
        ::SendMessageW(page.m_buttonHelp.m_hWnd, BM_CLICK, 0, 0);
        PumpFor(dialog.m_hWnd, 200);
        StopWatching();
        ASSERT_EQ(1u, g_watch.seen.size());
        EXPECT_EQ(540, g_watch.seen[0].width);
        EXPECT_EQ(195, g_watch.seen[0].height);
        EXPECT_EQ(0u, g_watch.seen[0].text.find(L"[RDS (Radio Data System) AF (Alternative Frequencies)]"));
    });
}

// Units other than the pair: the main window is given the model code, the
// record and the channels the recognition would have left, and the page writes.
TEST_F(SettingsWritersTest, EachFamilySendsItsRequestsInOrderOverTheMainWindowsChannels)
{
    constexpr int W = 0x04;
    constexpr int C = 0x11;
    constexpr int A = 0; // first interface of the unit (the main window's primary channel)
    constexpr int B = 1; // second interface (secondary)
    struct Case {
        int page;
        int model;
        int major;
        int minor;
        std::vector<std::tuple<int, int, int>> sent; // (interface, command, group)
    };
    // clang-format off
    const std::vector<Case> cases = {
        {5, 0x4210, 1, 0, {{A, 1, 0}, {B, 1, 0}, {B, W, 4}}},
        {5, 0x4210, 1, 1, {{A, 1, 0}, {B, 1, 0}, {B, W, 4}}},
        {5, 0x4210, 1, 2, {{A, 1, 0}, {B, 1, 0}, {B, W, 4}}},
        {5, 0x3110, 2, 0, {{A, 1, 0}, {A, W, 4}}},
        {5, 0x3110, 2, 1, {{A, 1, 0}, {A, W, 4}}},
        {5, 0x5510, 2, 0, {{A, 1, 0}, {A, W, 4}, {A, W, 7}, {A, W, 28}}},
        {5, 0x5622, 1, 1, {{A, 1, 0}, {A, W, 4}, {A, W, 3}, {A, W, 20}}},
        {5, 0x5416, 1, 0, {{A, 1, 0}, {A, W, 4}, {A, C, 4}, {A, W, 20}, {A, C, 20}, {A, W, 3}, {A, C, 3}}},
        {5, 0x6024, 1, 0, {{A, 1, 0}, {A, W, 4}, {A, C, 4}, {A, W, 18}, {A, C, 18}}},
        {5, 0x6014, 1, 0, {{A, 1, 0}, {A, W, 4}, {A, C, 4}, {A, W, 20}, {A, C, 20}}},
        {6, 0x4210, 1, 2, {{A, 1, 0}, {B, 1, 0}, {B, W, 21}}},
        {6, 0x5416, 1, 0, {{A, 1, 0}, {A, W, 21}, {A, C, 21}}},
        {6, 0x6014, 1, 0, {{A, 1, 0}, {A, W, 21}, {A, C, 21}}},
        {6, 0x5510, 2, 0, {{A, 1, 0}, {A, W, 21}}},
        {7, 0x4210, 1, 0, {{A, 1, 0}, {B, 1, 0}, {A, W, 90}, {A, W, 91}, {A, W, 92}}},
        {7, 0x3110, 2, 1, {{A, 1, 0}, {A, W, 90}, {A, W, 91}, {A, W, 92}}},
        {7, 0x6024, 1, 0, {{A, 1, 0}, {A, W, 90}, {A, W, 91}, {A, W, 92}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SimHeadset local;
        local.Install();
        SimHidInterface& first = local.AddInterface(c.model);
        SimHidInterface& second = local.AddInterface(c.model);
        for (SimHidInterface* unit : {&first, &second}) {
            unit->version[0] = static_cast<unsigned char>(c.major);
            unit->version[1] = static_cast<unsigned char>(c.minor);
            unit->version[2] = 0;
            unit->version[3] = 0;
        }
        const std::wstring label = std::to_wstring(c.page) + L" " + std::to_wstring(c.model);
        CUpdaterDlg dialog;
        RunModal(dialog, [&] {
            dialog.m_modelCode = c.model;
            dialog.m_usbStatus = c.model;
            dialog.m_recognized = 1;
            dialog.m_device.m_modelCode = c.model;
            dialog.m_device.m_firmwareVersion = DeviceVersion{c.major, c.minor, 0, 0, 0};
            dialog.m_device.m_chipVersion1 = dialog.m_device.m_firmwareVersion;
            dialog.m_device.m_chipVersion2 = dialog.m_device.m_firmwareVersion;
            dialog.m_device.m_fmRegion = 4;
            dialog.m_device.m_fmPresets[0] = 9000;
            dialog.m_hidPrimary = OpenHidInterface(c.model);
            dialog.m_hidSecondary = local.Open(second.path);
            CSettingsPageDialog* page = c.page == 5 ? static_cast<CSettingsPageDialog*>(&dialog.m_pageDeviceSetting)
                                        : c.page == 6
                                            ? static_cast<CSettingsPageDialog*>(&dialog.m_pageDeviceSettingSecond)
                                            : &dialog.m_pageDeviceSettingSpeedDial;
            dialog.m_page = c.page;
            page->EnterPage();
            // Whatever the unit's read-back shows after the write is answered with OK.
            OnEveryBox(dialog.m_hWnd, [](HWND box) { PressOk(box); });
            local.ClearLog();
            page->WriteSettingsToDevice();
            PumpFor(dialog.m_hWnd, 200);
            StopWatching();
            std::vector<std::tuple<int, int, int>> sent;
            for (const SimLogEntry& e : local.Log()) {
                if (e.kind == SimLogKind::Write && e.ok)
                    sent.emplace_back(e.path == first.path ? A : B, e.bytes[kHidRequestCommand],
                                      e.bytes[kHidRequestParameter]);
            }
            ASSERT_GE(sent.size(), c.sent.size()) << label;
            EXPECT_EQ(c.sent, Head(sent, c.sent.size())) << label;
            // The basic group of 0x4210 grows with the firmware.
            if (c.page == 5 && c.model == 0x4210) {
                EXPECT_EQ(c.minor == 0 ? 3u : (c.minor == 1 ? 4u : 10u), second.groups[4].size()) << label;
            }
            EXPECT_EQ(0, dialog.m_busy) << label;
        });
        hid.Install();
    }
}

// ---------------------------------------------------------------- persistent-store units

class StoreWritersTest : public SettingsWritersTest {
protected:
    void Plant(int productId) { ASSERT_TRUE(usb.PlantMakerUnit(productId, std::to_wstring(++planted))); }
    PlantedUsbDevices usb;
    int planted = 0;
};

TEST_F(StoreWritersTest, SpeedDialKeysAreWrittenThenTheUnitIsReadAgain)
{
    SimDfuDevice& unit = chip.AddDevice(0x2020);
    unit.SetKeyWords(kPsKeyModelWord, {0x2020});
    unit.keys[kPsKeyFirmwareVersion] = {10, 0, 0, 0};
    Plant(0x2020);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        ::SendMessageW(::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE), BM_CLICK, 0, 0);
        Click(dialog, IDC_BUTTON_NEXT);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 3 && !dialog.m_busy; }, 5000);
        ASSERT_EQ(0x2020, dialog.m_modelCode);
        dialog.GoToPage(7);
        ASSERT_EQ(7, dialog.m_page);
        CDialogDeviceSettingSpeedDial& page = dialog.m_pageDeviceSettingSpeedDial;
        ::SendMessageW(page.m_edits[1].m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"+49*123#"));
        chip.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 7 && !dialog.m_busy; }, 5000);
        std::vector<int> accesses;
        for (const SimDfuKeyAccess& a : chip.Log())
            accesses.push_back(a.set ? -a.key : a.key);
        ASSERT_GE(accesses.size(), 5u);
        EXPECT_EQ((std::vector<int>{675, 676, -0x2280, -0x2281, -0x2282}),
                  std::vector<int>(accesses.begin(), accesses.begin() + 5));
        EXPECT_EQ(L"+49*123#", dialog.m_device.m_speedDial[1]);
        EXPECT_EQ(7, dialog.m_page);
    });
}

TEST_F(StoreWritersTest, AKeyRefusedEndsOnPageOneWithNothingWrittenAfter)
{
    SimDfuDevice& unit = chip.AddDevice(0x2020);
    unit.SetKeyWords(kPsKeyModelWord, {0x2020});
    unit.keys[kPsKeyFirmwareVersion] = {10, 0, 0, 0};
    unit.refused.insert(kPsKeyFeatureMask);
    Plant(0x2020);
    CUpdaterDlg dialog;
    RunModal(dialog, [&] {
        ::SendMessageW(::GetDlgItem(dialog.m_pageDeviceSelection.m_hWnd, IDC_START_PICTURE), BM_CLICK, 0, 0);
        Click(dialog, IDC_BUTTON_NEXT);
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 3 && !dialog.m_busy; }, 5000);
        ASSERT_EQ(0x2020, dialog.m_modelCode);
        dialog.GoToPage(5);
        ASSERT_EQ(5, dialog.m_page);
        CDialogDeviceSetting& page = dialog.m_pageDeviceSetting;
        page.m_config.m_edr = page.m_config.m_edr ? 0 : 1;
        dialog.RefreshView();
        OnEveryBox(dialog.m_hWnd, [](HWND box) { PressOk(box); });
        chip.ClearLog();
        Click(dialog, IDC_BUTTON_APPLY);
        PumpFor(dialog.m_hWnd, 300);
        StopWatching();
        std::vector<int> accesses;
        for (const SimDfuKeyAccess& a : chip.Log())
            accesses.push_back(a.set ? -a.key : a.key);
        EXPECT_EQ((std::vector<int>{675, 676, -239}), accesses);
        EXPECT_EQ(1u, g_watch.seen.size());
        EXPECT_EQ(1, dialog.m_page);
        EXPECT_EQ(0, dialog.m_busy);
    });
}

} // namespace
