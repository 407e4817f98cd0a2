// The grid's change rules on the real main window under Wine, connected to a unit: a simulated
// headset on the HID seam, its product id, record and channel given to the main window the way
// recognition leaves them. Page 5 is clicked with the mouse; the cells, the greyed rows, the
// grid's update region, SAVE and the groups the unit holds after a write are read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/HidChannel.h"
#include "link/HidDeviceSeam.h"
#include "sim/SimHeadset.h"
#include "tests/settings/CameraRecordingCases.h"
#include "tests/settings/ConnectedBasicPage.h"
#include "tests/settings/GridRulesPage.h"
#include "text/SettingHelpTexts.h"

using namespace rulespage;

namespace {

// One unit on the simulated bus and the main window connected to it on page 5.
struct UnitPage : Page {
    SimHeadset& bus;
    SimHidInterface& unit;

    UnitPage(const Page& page, SimHeadset& onBus, SimHidInterface& theUnit) : Page(page), bus(onBus), unit(theUnit) {}

    // The record the unit was read into, at its firmware; the page copies it on entering.
    void Connect(int productId, int major, int minor, const DeviceConfig& record)
    {
        ConnectOnBasicPage(main, unit, productId, major, minor, record, kEnglish);
        Pump(50);
        ::SetForegroundWindow(main.m_hWnd);
    }
    void Pick(int row, int item) { PickGridItem(main, grid, row, item); }
    int ShownItem(int row)
    {
        auto* combo = dynamic_cast<CCellComboBox*>(grid.GetCell(row, kValue));
        return combo != nullptr ? combo->GetCurSel() : -2;
    }

    // SAVE pressed; whatever the write says at its end is answered with OK.
    void Save()
    {
        boxwatch::OnEveryBox(main.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
        ::SendMessageW(::GetDlgItem(main.m_hWnd, IDC_BUTTON_APPLY), BM_CLICK, 0, 0);
        PumpUntil(
            main.m_hWnd, [&] { return !main.m_busy; }, 5000);
        Pump(100);
        boxwatch::StopWatching();
    }
};

void WithUnit(int productId, const std::function<void(UnitPage&)>& body)
{
    SimHeadset bus;
    bus.Install();
    SimHidInterface& unit = bus.AddInterface(productId);
    WithPage([&](Page& page) {
        UnitPage onUnit(page, bus, unit);
        body(onUnit);
    });
}

std::vector<std::uint16_t> Words(const DeviceConfig& record, std::initializer_list<int> indexes)
{
    std::vector<std::uint16_t> words;
    for (int index : indexes)
        words.push_back(static_cast<std::uint16_t>(record.m_settings[index] & 0xFFFF));
    return words;
}

// What the grid still has to paint when it has handled a mouse press: the grid's procedure is
// wrapped for the test, and the update region is read as soon as the press returns, before
// any paint can empty it.
struct PressWatch {
    HWND grid = nullptr;
    WNDPROC original = nullptr;
    int presses = 0;
    bool wholeClientToPaint = false;
};
PressWatch g_press;

bool WholeClientInUpdateRegion(HWND window)
{
    RECT client;
    ::GetClientRect(window, &client);
    HRGN update = ::CreateRectRgn(0, 0, 0, 0);
    HRGN uncovered = ::CreateRectRgnIndirect(&client);
    const bool any = ::GetUpdateRgn(window, update, FALSE) != NULLREGION;
    const bool whole = any && ::CombineRgn(uncovered, uncovered, update, RGN_DIFF) == NULLREGION;
    ::DeleteObject(update);
    ::DeleteObject(uncovered);
    return whole;
}

LRESULT CALLBACK SeeUpdateAfterPress(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = ::CallWindowProcW(g_press.original, hwnd, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN) {
        ++g_press.presses;
        g_press.wholeClientToPaint = WholeClientInUpdateRegion(hwnd);
    }
    return result;
}

void WatchPresses(HWND grid)
{
    g_press = PressWatch{grid, nullptr, 0, false};
    g_press.original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SeeUpdateAfterPress)));
}

void StopWatchingPresses()
{
    if (g_press.grid != nullptr && g_press.original != nullptr)
        ::SetWindowLongPtrW(g_press.grid, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_press.original));
    g_press = PressWatch{};
}

} // namespace

TEST(GridRulesOnAUnitWine, CameraRecordingDateCaptionAndTaggingReachGroups7And28)
{
    WithUnit(0x5510, [](UnitPage& p) {
        // Words 11 and 13 hold nothing the grid shows; word 12 has a loop interval and a
        // microphone gain of its own.
        DeviceConfig record;
        record.m_settings[11] = 0x1234;
        record.m_settings[12] = 0x0024;
        record.m_settings[13] = 0x0042;
        p.Connect(0x5510, 2, 0, record);
        // At 2.0: Video Tagging Interval row 12, Date Caption 15, Speaker Sound Recording 16,
        // then Music, FM Radio, Intercom and Phone.
        ASSERT_EQ(p.grid.GetItemCount(), 22);
        ASSERT_FALSE(p.SaveLit());
        p.ToggleCell(16);
        EXPECT_EQ(p.Working().m_settings[10], 0x740) << "three sources join the recording";
        p.ToggleCell(20);
        p.ToggleCell(18);
        EXPECT_EQ(p.Working().m_settings[10], 0xD40);
        p.ToggleCell(15);
        p.Pick(12, 2);
        EXPECT_EQ(p.Working().m_settings[10], 0xD60);
        EXPECT_EQ(p.Working().m_settings[12], 0x26);
        // What the page shows before SAVE.
        EXPECT_TRUE(ShowsEnable(p, 15) && ShowsEnable(p, 16) && ShowsEnable(p, 17));
        EXPECT_FALSE(ShowsEnable(p, 18));
        EXPECT_TRUE(ShowsEnable(p, 19) && ShowsEnable(p, 20));
        EXPECT_EQ(p.ShownItem(12), 2);
        ASSERT_TRUE(p.SaveLit());
        const DeviceConfig shown = p.Working();

        p.bus.ClearLog();
        p.Save();
        EXPECT_EQ(p.unit.groups[7], Words(shown, {10, 11}));
        EXPECT_EQ(p.unit.groups[28], Words(shown, {12, 13}));
        EXPECT_EQ(p.unit.groups[7], (std::vector<std::uint16_t>{0xD60, 0x1234}));
        EXPECT_EQ(p.unit.groups[28], (std::vector<std::uint16_t>{0x26, 0x42}));
        EXPECT_EQ(0, p.main.m_busy);
    });
}

TEST(GridRulesOnAUnitWine, BitWordUnitWritesOnlyTheChangedBitsOfGroup4)
{
    WithUnit(0x3110, [](UnitPage& p) {
        // Word 0 with HD Intercom (bit 11) on and Guest Mode (bit 15) off; word 1 with its packed
        // fields set; word 3 with channel 5 and language 2.
        DeviceConfig record;
        record.m_settings[0] = 0x2A5A;
        record.m_settings[1] = 0x0295;
        record.m_settings[2] = 0x1357;
        record.m_settings[3] = (5 << 6) | 2;
        p.Connect(0x3110, 2, 1, record);
        // At 2.1: Unit Language row 0, Guest Mode row 11; no Channel Select.
        ASSERT_EQ(p.grid.GetItemCount(), 17);
        EXPECT_EQ(p.ShownItem(0), 2);
        p.ToggleCell(11);
        p.Pick(0, 4);
        EXPECT_TRUE(ShowsEnable(p, 11));
        EXPECT_EQ(p.ShownItem(0), 4);
        ASSERT_TRUE(p.SaveLit());
        const DeviceConfig shown = p.Working();

        p.Save();
        EXPECT_EQ(p.unit.groups[4], Words(shown, {0, 1, 2, 3}));
        EXPECT_EQ(p.unit.groups[4], (std::vector<std::uint16_t>{0xAA5A, 0x0295, 0x1357, (5 << 6) | 4}));
    });
}

TEST(GridRulesOnAUnitWine, A5623At15ClicksPicksRefreshesAndSavesItsVoxGroup)
{
    WithUnit(0x5623, [](UnitPage& p) {
        p.Connect(0x5623, 1, 5, DeviceConfig());
        // Nine rows: HD Intercom row 3, the three-level VOX Sensitivity row 4.
        ASSERT_EQ(p.grid.GetItemCount(), 9);
        for (int row = 0; row < 9; ++row)
            EXPECT_FALSE(p.Greyed(row)) << row;
        p.ToggleCell(3);
        EXPECT_EQ(p.Working().m_settings[19], 1);
        EXPECT_TRUE(p.SaveLit());
        p.ToggleCell(3);
        EXPECT_EQ(p.Working().m_settings[19], 0);
        EXPECT_FALSE(p.SaveLit()) << "undone, the page is the unit's again";

        // A value click below the rows refreshes the page and writes nothing.
        const int refreshes = p.page.m_refreshCalls;
        p.ClickBelowRows(kValue);
        p.Pump(50);
        EXPECT_GT(p.page.m_refreshCalls, refreshes);
        EXPECT_FALSE(p.SaveLit());

        // The three levels: High, Medium, Low; item 2 stores 3.
        const ShownBox vox = ClickForBox(p, 4);
        EXPECT_EQ(vox.seen, 1);
        EXPECT_EQ(vox.size.cx, 520);
        EXPECT_EQ(vox.size.cy, 180);
        EXPECT_TRUE(vox.text == GetHelpVoxSensitivityThreeLevels(kEnglish));
        EXPECT_EQ(ClickForBox(p, 2).size.cy, 230);
        p.Pick(4, 2);
        EXPECT_EQ(p.Working().m_settings[14], 3);
        EXPECT_EQ(p.ShownItem(4), 2);
        p.ToggleCell(7);
        EXPECT_EQ(p.Working().m_sidetone, 1);
        ASSERT_TRUE(p.SaveLit());

        p.Save();
        EXPECT_EQ(p.unit.groups[20], std::vector<std::uint16_t>{3});
        ASSERT_FALSE(p.unit.groups[4].empty());
        EXPECT_EQ(p.unit.groups[4][0], static_cast<std::uint16_t>(p.Working().BuildConfigWord() & 0xFFFF));
    });
}

TEST(GridRulesOnAUnitWine, A5550At20GreysUnderDualstreamAndPicksItsSourcePriority)
{
    WithUnit(0x5550, [](UnitPage& p) {
        p.Connect(0x5550, 2, 0, DeviceConfig());
        // Seven rows: Dualstream row 1 over Audio Source Priority (2) and HD Voice (3).
        ASSERT_EQ(p.grid.GetItemCount(), 7);
        p.ToggleCell(1);
        EXPECT_EQ(p.Working().m_settings[23], 1);
        EXPECT_TRUE(p.Greyed(2) && p.Greyed(3));
        EXPECT_FALSE(p.Greyed(4));
        p.Pump(100);
        SaveWindowPicture(p.grid.m_hWnd, ScreenshotFolder() + L"/grid-5550-dualstream-on-2.0.png");
        // A greyed HD Voice keeps its state; the greyed rows' help still opens.
        p.ClickCell(3, kValue);
        p.Pump(50);
        EXPECT_EQ(p.Working().m_settings[21], 0);
        EXPECT_EQ(ClickForBox(p, 2).size.cy, 230);
        EXPECT_EQ(ClickForBox(p, 3).size.cy, 160);
        const ShownBox dualstream = ClickForBox(p, 1);
        EXPECT_EQ(dualstream.size.cy, 280);
        EXPECT_TRUE(dualstream.text == GetHelpDualstreamFull(kEnglish));
        p.ToggleCell(1);
        EXPECT_EQ(p.Working().m_settings[23], 0);
        EXPECT_FALSE(p.Greyed(2) || p.Greyed(3));
        EXPECT_FALSE(p.SaveLit());

        // Audio Source Priority takes its item; the first item again matches the unit.
        p.Pick(2, 1);
        EXPECT_EQ(p.Working().m_settings[22], 1);
        EXPECT_TRUE(p.SaveLit());
        p.Pick(2, 0);
        EXPECT_EQ(p.Working().m_settings[22], 0);
        EXPECT_FALSE(p.SaveLit());

        // HD Voice and Hushguard saved: the configuration word the page builds.
        p.ToggleCell(3);
        p.ToggleCell(6);
        EXPECT_EQ(p.Working().m_settings[21], 1);
        EXPECT_EQ(p.Working().m_hushguard, 1);
        const std::uint16_t configWord = static_cast<std::uint16_t>(p.Working().BuildConfigWord() & 0xFFFF);
        p.Save();
        ASSERT_FALSE(p.unit.groups[4].empty());
        EXPECT_EQ(p.unit.groups[4][0], configWord);
    });
}

TEST(GridRulesOnAUnitWine, CameraRecordingCasesSeenInTheCellsAndTheRepaint)
{
    const struct {
        int major, minor, rows, master;
    } ranges[] = {{1, 9, 18, 12}, {3, 0, 25, 19}};
    WithUnit(0x5510, [&](UnitPage& p) {
        for (const auto& range : ranges) {
            for (const CameraRecordingCase& c : kCameraRecordingCases) {
                SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(range.major) + "." +
                             std::to_string(range.minor));
                DeviceConfig record;
                record.m_settings[10] = c.word10Before;
                p.Connect(0x5510, range.major, range.minor, record);
                ASSERT_EQ(p.grid.GetItemCount(), range.rows);
                // Painted and at rest before the press.
                GridCellCentre(p.main, p.grid, range.master + c.clicked, kValue);
                p.grid.UpdateWindow();
                WatchPresses(p.grid.m_hWnd);
                p.ToggleCell(range.master + c.clicked);
                const PressWatch seen = g_press;
                StopWatchingPresses();
                EXPECT_EQ(seen.presses, 1);
                // Every value click ends with the page's refresh, which repaints the page with
                // the grid on it; the clicks that switch recording off ask for it themselves.
                if (c.repaint) {
                    EXPECT_TRUE(seen.wholeClientToPaint);
                }
                EXPECT_EQ(p.Working().m_settings[10], c.word10After);
                std::string cells;
                std::string greyed;
                for (int row = range.master; row <= range.master + 4; ++row) {
                    cells += ShowsEnable(p, row) ? "E" : "D";
                    if (row > range.master)
                        greyed += p.Greyed(row) ? "1" : "0";
                }
                EXPECT_EQ(cells, c.cells);
                EXPECT_EQ(greyed, c.disabled);
                EXPECT_EQ(p.SaveLit(), c.word10After != c.word10Before);
            }
        }
    });
}

TEST(GridRulesOnAUnitWine, VideoModePickedOnThePageGoesWhereTheUnitsFirmwareKeepsIt)
{
    // Below 2.0 Video Mode is row 8 with two items and bit 1 of word 10; from 2.0 row 9 with
    // three items and bits 6-7 of word 12.
    const struct {
        int major, minor, row, item, word10, word12;
    } cases[] = {{1, 9, 8, 1, 0x2, 0x0}, {2, 0, 9, 2, 0x0, 0x80}};
    WithUnit(0x5510, [&](UnitPage& p) {
        for (const auto& c : cases) {
            p.Connect(0x5510, c.major, c.minor, DeviceConfig());
            p.Pick(c.row, c.item);
            EXPECT_EQ(p.ShownItem(c.row), c.item) << c.major << "." << c.minor;
            EXPECT_EQ(p.Working().m_settings[10], c.word10) << c.major << "." << c.minor;
            EXPECT_EQ(p.Working().m_settings[12], c.word12) << c.major << "." << c.minor;
            EXPECT_TRUE(p.SaveLit());
        }
    });
}
