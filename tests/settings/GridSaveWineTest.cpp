// Changes made on the grid with the mouse reach the unit through SAVE: the real main window
// writes to the simulated headset, which keeps every group it is sent. The unit and its
// channel are given to the main window directly, as recognition would have left them.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "res/resource.h"
#include "sim/SimHeadset.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/ConnectedBasicPage.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/support/MessageBoxWatch.h"

using namespace gridtest;

namespace {

struct Pick {
    int row;
    int item;
};

struct SaveCase {
    const char* name;
    int productId;
    int major;
    int minor;
    std::vector<int> toggles; // check box rows clicked once each
    std::vector<Pick> picks;  // drop-down items chosen with the mouse
    // The groups the unit holds afterwards, as written out from the models' write tables.
    std::map<int, std::vector<std::uint16_t>> groups;
    bool committed; // each group is stored by the unit after its write
};

// clang-format off
const SaveCase kSaveCases[] = {
    // Smart Volume Control (row 1) High, Dualstream™ (row 4, word 23) on: the configuration word
    // carries word 23 as bit 15, and group 3 carries word 16.
    {"0x5622 at 2.0", 0x5622, 2, 0, {4}, {{1, 3}},
     {{4, {0x8000, 0}}, {3, {3}}}, false},
    // Routecue (row 0, word 24) on as bit 13; ESS STATUS (row 10) item 2 stored as 2 in bits 0-1,
    // ESS Sensitivity (row 11) item 0 stored as 1 in bits 2-3 of word 2.
    {"0x6010 at 1.2", 0x6010, 1, 2, {0}, {{10, 2}, {11, 0}},
     {{4, {0x2000, 0, 0x6, 0}}}, true},
    // Layertone™ (row 4, word 23) on as bit 15.
    {"0x5412 at 1.1", 0x5412, 1, 1, {4}, {},
     {{4, {0x8000, 0}}}, true},
};
// clang-format on

} // namespace

TEST(GridSaveWine, ChangesClickedOnTheGridReachTheUnitThroughSave)
{
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.name);
        SimHeadset sim;
        sim.Install();
        SimHidInterface& unit = sim.AddInterface(c.productId);
        WithIdleMainWindow([&](CUpdaterDlg& main) {
            ConnectOnBasicPage(main, unit, c.productId, c.major, c.minor, DeviceConfig(), 0);
            PumpFor(main.m_hWnd, 50);
            CDialogDeviceSetting& page = main.m_pageDeviceSetting;
            for (int row : c.toggles)
                ToggleGridCheckBox(main, page.m_grid, row);
            for (const Pick& pick : c.picks)
                PickGridItem(main, page.m_grid, pick.row, pick.item);
            HWND save = ::GetDlgItem(main.m_hWnd, IDC_BUTTON_APPLY);
            ASSERT_TRUE(::IsWindowEnabled(save)) << "the page differs from the unit";
            const auto configWord = static_cast<std::uint16_t>(page.m_config.BuildConfigWord() & 0xFFFF);

            // Whatever the unit's read-back after the write shows is answered with OK.
            boxwatch::OnEveryBox(main.m_hWnd, [](HWND box) { boxwatch::PressBoxButton(box, IDOK); });
            sim.ClearLog();
            ::SendMessageW(save, BM_CLICK, 0, 0);
            PumpUntil(
                main.m_hWnd, [&] { return !main.m_busy && unit.groups.count(4) != 0; }, 5000);
            boxwatch::StopWatching();

            ASSERT_EQ(unit.groups.count(4), 1u);
            EXPECT_EQ(unit.groups[4][0], configWord) << "the configuration word of the page's record";
            for (const auto& group : c.groups) {
                EXPECT_EQ(unit.groups[group.first], group.second) << "group " << group.first;
                EXPECT_EQ(unit.storeCount[group.first], c.committed ? 1 : 0) << "group " << group.first;
            }
        });
    }
}
