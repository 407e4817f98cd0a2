// The grid's change rules on the real main window under Wine: the product id and the live
// record are set directly, page 5 is entered, and its grid is driven with real mouse clicks at
// the cells' points. The working record, the greyed dependants, SAVE and the help boxes are
// read back; a few boxes are kept as pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "res/resource.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/GridRulesPage.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/WindowPicture.h"
#include "text/ModelDisplayName.h"
#include "text/NameTables.h"
#include "text/SharedWords.h"

using namespace gridtest;
using namespace rulespage;

TEST(GridRulesWine, FlagWordTogglesGreyTheDependantsAndLightSave)
{
    WithPage([](Page& p) {
        // 0x4210 at 1.0: Dualstream (row 2) greys Intercom-Layertone Sensitivity (row 3).
        p.Enter(0x4210, 1, 0);
        ASSERT_EQ(p.grid.GetItemCount(), 4);
        EXPECT_TRUE(p.Greyed(3));
        EXPECT_FALSE(p.SaveLit());
        p.ToggleCell(2);
        EXPECT_EQ(p.Working().GetDualstreamBit(), 1);
        EXPECT_FALSE(p.Greyed(3));
        EXPECT_TRUE(p.SaveLit()) << "the page differs from the unit";
        p.ToggleCell(2);
        EXPECT_EQ(p.Working().GetDualstreamBit(), 0);
        EXPECT_TRUE(p.Greyed(3));
        EXPECT_FALSE(p.SaveLit()) << "toggled back, the page matches the unit again";

        // The name column and a click below the rows change nothing on the record.
        p.ClickCell(0, 1);
        p.ClickBelowRows(kValue);
        EXPECT_EQ(p.Working().m_settings[2], 0);

        // 0x4310: row 5 is VOX Phone, bit 15; row 12 Voice Command, bit 0.
        p.Enter(0x4310, 1, 0);
        p.ToggleCell(5);
        EXPECT_EQ(p.Working().m_settings[2], 1 << 15);
        p.ToggleCell(12);
        EXPECT_EQ(p.Working().m_settings[2], (1 << 15) | 1);
        EXPECT_TRUE(p.SaveLit());
    });
}

TEST(GridRulesWine, ADropDownPickedWithTheMouseStoresItsLevel)
{
    WithPage([](Page& p) {
        // 0x4210 at 1.5: row 4 is Smart Volume Control, bits 1-2 of word 2.
        p.Enter(0x4210, 1, 5);
        auto* combo = dynamic_cast<CCellComboBox*>(p.grid.GetCell(4, kValue));
        ASSERT_NE(combo, nullptr);
        PickGridItem(p.main, p.grid, 4, 2);
        EXPECT_EQ(combo->GetCurSel(), 2);
        EXPECT_EQ(p.Working().GetSmartVolumeControlBits(), 2);
        EXPECT_TRUE(p.SaveLit());
    });
}

TEST(GridRulesWine, OptionFieldsAndTheWord23Master)
{
    WithPage([](Page& p) {
        // 0x5520 at 2.0: Dualstream (row 3) in word 23 greys rows 4, 5 and 6 while on.
        p.Enter(0x5520, 2, 0);
        ASSERT_EQ(p.grid.GetItemCount(), 12);
        p.ToggleCell(3);
        EXPECT_EQ(p.Working().m_settings[23], 1);
        EXPECT_TRUE(p.Greyed(4) && p.Greyed(5) && p.Greyed(6));
        // A greyed HD Voice keeps its state.
        p.ClickCell(5, kValue);
        EXPECT_EQ(p.Working().m_settings[21], 0);
        p.ToggleCell(3);
        EXPECT_EQ(p.Working().m_settings[23], 0);
        EXPECT_FALSE(p.Greyed(4) || p.Greyed(5) || p.Greyed(6));
        // Audio Boost stores 1 for Disable.
        p.ToggleCell(0);
        EXPECT_EQ(p.Working().m_settings[18], 1);

        // 0x5610 at 1.5: row 3 is HD Intercom, word 19.
        p.Enter(0x5610, 1, 5);
        p.ToggleCell(3);
        EXPECT_EQ(p.Working().m_settings[19], 1);
    });
}

TEST(GridRulesWine, HelpBoxesHaveTheRowsHeightAndTheLocalisedOk)
{
    WithPage([](Page& p) {
        struct Case {
            int productId;
            int major;
            int minor;
            int row;
            int language;
            int height;
            const wchar_t* picture;
        };
        const Case cases[] = {
            {0x4210, 1, 5, 0, kEnglish, 260, L"grid-help-dualstream-flag-en.png"},
            {0x4210, 1, 5, 0, kJapanese, 260, L"grid-help-dualstream-flag-ja.png"},
            {0x5520, 2, 0, 2, kEnglish, 230, L"grid-help-vox-intercom-en.png"},
            {0x5520, 2, 0, 2, kJapanese, 230, L"grid-help-vox-intercom-ja.png"},
            {0x4210, 1, 0, 3, kEnglish, 240, L""},
            {0x4310, 1, 0, 12, kEnglish, 180, L""},
            {0x5520, 2, 0, 3, kEnglish, 280, L""},
            {0x5610, 1, 5, 3, kEnglish, 160, L""},
            {0x5580, 2, 0, 3, kEnglish, 280, L""},
            {0x5510, 1, 9, 8, kEnglish, 190, L""},
            {0x5510, 3, 0, 12, kEnglish, 250, L"grid-help-video-mode-en.png"},
            {0x5510, 3, 0, 12, kKorean, 250, L"grid-help-video-mode-ko.png"},
            {0x3110, 2, 2, 4, kEnglish, 280, L"grid-help-bt-intercom-dualstream-en.png"},
            {0x3110, 2, 2, 4, kKorean, 280, L"grid-help-bt-intercom-dualstream-ko.png"},
            {0x5510, 3, 0, 24, kEnglish, 200, L""},
        };
        for (const Case& c : cases) {
            p.Enter(c.productId, c.major, c.minor, c.language);
            const std::vector<int> before(std::begin(p.Working().m_settings), std::end(p.Working().m_settings));
            const ShownBox shown = ClickForBox(p, c.row, c.picture);
            EXPECT_EQ(shown.seen, 1) << std::hex << c.productId << " row " << std::dec << c.row;
            EXPECT_EQ(shown.size.cx, 520);
            EXPECT_EQ(shown.size.cy, c.height) << std::hex << c.productId << " row " << std::dec << c.row;
            EXPECT_EQ(shown.ok, GetTextOk(c.language));
            EXPECT_FALSE(shown.text.empty());
            EXPECT_EQ(shown.text.find(L"%s"), std::wstring::npos);
            EXPECT_EQ(std::vector<int>(std::begin(p.Working().m_settings), std::end(p.Working().m_settings)), before);
        }
        // The Motion Sensor text names the model.
        p.Enter(0x4210, 1, 5);
        EXPECT_NE(ClickForBox(p, 5).text.find(ModelDisplayName(0x4210)), std::wstring::npos);
    });
}

TEST(GridRulesWine, A5580HelpClickBelowTheRowsRefreshesInsteadOfABox)
{
    WithPage([](Page& p) {
        p.Enter(0x5580, 1, 9);
        const int refreshes = p.page.m_refreshCalls;
        EXPECT_EQ(ClickForBox(p, -1).seen, 0);
        EXPECT_EQ(p.page.m_refreshCalls, refreshes + 1);
        // 0x5610 has no such refresh.
        p.Enter(0x5610, 1, 0);
        const int before = p.page.m_refreshCalls;
        EXPECT_EQ(ClickForBox(p, -1).seen, 0);
        EXPECT_EQ(p.page.m_refreshCalls, before);
    });
}

TEST(GridRulesWine, OffPageFiveTheGridOnlyDoesItsCellWork)
{
    WithPage([](Page& p) {
        p.Enter(0x4310, 1, 0);
        p.main.m_page = 4;
        p.ToggleCell(5);
        EXPECT_EQ(p.Working().m_settings[2], 0);
        p.main.m_page = 5;
    });
}

TEST(GridRulesWine, FourClosingAListStoresOnlyAShownItem)
{
    WithPage([](Page& p) {
        // Word 0 holds 12, which no item of the ten levels shows: F4 stores nothing, and SAVE
        // stays off. Dualstream is on, so the list's row is usable.
        p.main.m_device = DeviceConfig();
        p.main.m_device.m_settings[0] = 12;
        p.main.m_device.m_settings[2] = 1 << 11;
        EnterBasicPage(p.main, 0x4310, 1, 0, kEnglish);
        p.main.RefreshView();
        p.Pump(50);
        auto* combo = dynamic_cast<CCellComboBox*>(p.grid.GetCell(1, kValue));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->GetCurSel(), -1);
        ASSERT_FALSE(p.Greyed(1));
        ASSERT_FALSE(p.SaveLit());
        p.ClickCell(1, kValue);
        PumpUntil(
            p.main.m_hWnd, [&] { return combo->m_open != 0; }, 2000);
        PressKey(p.main.m_hWnd, VK_F4);
        p.Pump(50);
        EXPECT_EQ(p.Working().m_settings[0], 12);
        EXPECT_FALSE(p.SaveLit());

        // A shown item is written again: level 7 stays 7 (item 3).
        p.Working().m_settings[0] = 7;
        combo->SetCurSel(3);
        p.ClickCell(1, kValue);
        PumpUntil(
            p.main.m_hWnd, [&] { return combo->m_open != 0; }, 2000);
        p.Working().m_settings[0] = 0;
        PressKey(p.main.m_hWnd, VK_F4);
        p.Pump(50);
        EXPECT_EQ(p.Working().m_settings[0], 7);
    });
}

TEST(GridRulesWine, CameraRecordingAndItsSourcesFollowEachOther)
{
    WithPage([](Page& p) {
        for (const auto& range : {std::pair<int, int>{1, 9}, std::pair<int, int>{3, 0}}) {
            // Speaker Sound Recording is row 12 below 2.0 and row 19 from 3.0; its sources follow.
            const int master = range.first == 1 ? 12 : 19;
            p.Enter(0x5510, range.first, range.second);
            ASSERT_EQ(p.grid.GetItemCount(), range.first == 1 ? 18 : 25);
            for (int source = master + 1; source <= master + 4; ++source)
                EXPECT_TRUE(p.Greyed(source)) << source;
            // Recording on with every source off turns Music, FM Radio and Intercom on.
            p.ToggleCell(master);
            EXPECT_EQ(p.Working().m_settings[10], 0x740);
            EXPECT_TRUE(ShowsEnable(p, master + 1) && ShowsEnable(p, master + 2) && ShowsEnable(p, master + 3));
            EXPECT_FALSE(ShowsEnable(p, master + 4)) << "Phone stays off";
            for (int source = master + 1; source <= master + 4; ++source)
                EXPECT_FALSE(p.Greyed(source)) << source;
            EXPECT_TRUE(p.SaveLit());
            if (range.first == 3) {
                ::SendMessageW(p.grid.m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(master + 4), FALSE);
                p.grid.RedrawWindow();
                p.Pump(100);
                SaveWindowPicture(p.grid.m_hWnd, ScreenshotFolder() + L"/grid-camera-recording-on-3.0.png");
            }
            // The sources off one by one: the last one switches recording off and greys them.
            for (int source = master + 1; source <= master + 3; ++source)
                p.ToggleCell(source);
            EXPECT_EQ(p.Working().m_settings[10], 0x000);
            EXPECT_FALSE(ShowsEnable(p, master));
            for (int source = master + 1; source <= master + 4; ++source)
                EXPECT_TRUE(p.Greyed(source)) << source;
            EXPECT_FALSE(p.SaveLit()) << "back to the unit's values";
            // A greyed source changes nothing.
            p.ClickCell(master + 1, kValue);
            p.Pump(50);
            EXPECT_EQ(p.Working().m_settings[10], 0x000);
        }
    });
}

TEST(GridRulesWine, BitWordUnitChangesBitsAndPutsChannelSelectBack)
{
    WithPage([](Page& p) {
        // 0x3110 at 2.2: row 4 Bluetooth Intercom Dualstream greys row 5, HD Intercom.
        p.Enter(0x3110, 2, 2);
        ASSERT_EQ(p.grid.GetItemCount(), 18);
        p.ToggleCell(4);
        EXPECT_EQ(p.Working().m_settings[1] & 0xFFFF, 1 << 11);
        EXPECT_TRUE(p.Greyed(5));
        p.ClickCell(5, kValue);
        p.Pump(50);
        EXPECT_EQ(p.Working().m_settings[0] & (1 << 11), 0);
        p.ToggleCell(4);
        EXPECT_FALSE(p.Greyed(5));
        EXPECT_FALSE(p.SaveLit());
        // Guest Mode, row 11: word 0 bit 15.
        p.ToggleCell(11);
        EXPECT_EQ(p.Working().m_settings[0], 1 << 15);
        EXPECT_TRUE(p.SaveLit());
        p.ToggleCell(11);
        EXPECT_FALSE(p.SaveLit());
        // Unit Language takes its item.
        PickGridItem(p.main, p.grid, 0, 3);
        EXPECT_EQ(p.Working().GetUnitLanguage(), 3);
        EXPECT_TRUE(p.SaveLit());
        PickGridItem(p.main, p.grid, 0, 0);
        EXPECT_FALSE(p.SaveLit());
        // Channel Select cannot keep a pick: the cell shows the record's channel again.
        auto* channel = dynamic_cast<CCellComboBox*>(p.grid.GetCell(17, kValue));
        ASSERT_NE(channel, nullptr);
        const int shown = channel->GetCurSel();
        PickGridItem(p.main, p.grid, 17, 2);
        p.Pump(50);
        EXPECT_EQ(channel->GetCurSel(), shown);
        EXPECT_EQ(p.Working().GetChannelSelect(), p.main.m_device.GetChannelSelect());
        EXPECT_FALSE(p.SaveLit());
    });
}

TEST(GridRulesWine, ACameraSourcesHelpRefreshesInsteadOfABox)
{
    WithPage([](Page& p) {
        // A recording source's help refreshes instead of showing a box.
        p.Enter(0x5510, 1, 9);
        const int refreshes = p.page.m_refreshCalls;
        EXPECT_EQ(ClickForBox(p, 13).seen, 0);
        EXPECT_EQ(p.page.m_refreshCalls, refreshes + 1);
    });
}
