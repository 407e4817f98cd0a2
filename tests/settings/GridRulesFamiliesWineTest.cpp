// The later families' rules on the real page 5 under Wine, clicked with the mouse at the
// cells' points: a toggle and its undo, a pick and its undo (SAVE lit after the change and off
// again after the undo), the word-23 master and its greyed rows, and help boxes at their
// heights. The Layertone, VOX Sensitivity and ESS boxes and the 0x6010 grid after its ESS
// picks are kept as pictures.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "tests/settings/GridRulesPage.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/settings/RecordProbe.h"
#include "tests/support/WindowPicture.h"
#include "text/SettingHelpTexts.h"

using namespace gridtest;
using namespace rulespage;

namespace {

constexpr int kChinese = 9;

// The unit every case starts from: VOX Sensitivity level 1, ESS ON at Low sensitivity, every
// other field 0, so that each drop-down shows an item to go back to.
DeviceConfig StartRecord(bool word23)
{
    DeviceConfig record;
    record.m_settings[14] = 1;
    record.m_settings[2] = 0x4;
    record.m_settings[23] = word23 ? 1 : 0;
    return record;
}

void EnterWith(Page& p, int productId, int major, int minor, const DeviceConfig& record, int language = kEnglish)
{
    p.main.m_device = record;
    EnterBasicPage(p.main, productId, major, minor, language);
    p.main.RefreshView();
    p.Pump(50);
}

// "w21" a settings word, "m_voxPhone" an option int.
int Field(DeviceConfig& record, const std::string& name)
{
    if (name[0] == 'w')
        return record.m_settings[std::stoi(name.substr(1))];
    const int* option = OptionField(record, name);
    return option != nullptr ? *option : -1;
}

struct FamilyCase {
    int productId, major, minor, rows;
    bool word23;             // the unit holds word 23 set
    std::vector<int> greyed; // rows greyed as the page is entered
    int toggleRow;           // a plain check box: from 0 to 1 and back
    const char* toggleField;
    int masterRow; // the word-23 master, -1 for none
    std::vector<int> dependants;
    int pickRow, pickIndex; // -1: the grid has no drop-down
    int pickWord, pickMask, pickValue;
    int backIndex;                          // the item of the unit's value
    std::vector<std::pair<int, int>> helps; // row, box height
};

// clang-format off
const FamilyCase kCases[] = {
    {0x5622, 2, 0, 12, false, {},        6, "w21",         4, {5, 6, 7}, 8, 2, 14, -1, 3, 0, {{4, 280}, {5, 230}, {8, 180}}},
    {0x5624, 2, 0, 10, true,  {4, 5, 6}, 2, "m_voxPhone", -1, {},        7, 2, 14, -1, 3, 0, {{4, 230}, {7, 180}, {9, 160}}},
    {0x5524, 2, 0, 7,  false, {},        5, "w20",         1, {2, 3},    2, 1, 22, -1, 1, 0, {{1, 280}, {2, 230}, {5, 190}}},
    {0x3030, 1, 0, 3,  false, {},        1, "w20",        -1, {},       -1, 0, 0,   0, 0, 0, {{0, 130}, {1, 190}, {2, 160}}},
    {0x6400, 1, 0, 11, false, {},        9, "w20",         3, {4, 5, 6}, 7, 1, 14, -1, 2, 0, {{3, 280}, {7, 180}, {10, 160}}},
    {0x5910, 1, 1, 9,  false, {},        7, "m_sidetone", -1, {},       -1, 0, 0,   0, 0, 0, {{2, 230}, {5, 190}, {7, 160}}},
    {0x5560, 1, 0, 8,  false, {},        4, "w21",         3, {4},       5, 3, 14, -1, 4, 0, {{1, 170}, {3, 280}, {5, 180}}},
    {0x5410, 2, 0, 12, false, {},        7, "w19",         4, {5, 6, 7}, 1, 2, 16, -1, 2, 0, {{4, 280}, {8, 180}, {11, 160}}},
    {0x5420, 1, 0, 13, false, {},        6, "w21",         4, {5, 6, 7}, 5, 1, 22, -1, 1, 0, {{4, 280}, {6, 160}, {12, 160}}},
    {0x5416, 1, 0, 11, true,  {},        5, "w19",        -1, {},        4, 1, 22, -1, 1, 0, {{4, 230}, {5, 160}, {6, 180}}},
    {0x5416, 1, 1, 12, false, {},        6, "w19",         4, {5, 6},    7, 4, 14, -1, 5, 0, {{4, 280}, {7, 180}}},
    {0x6010, 1, 1, 11, false, {},        7, "m_sidetone", -1, {},        9, 2, 2,   3, 2, 0, {{4, 180}, {9, 200}, {10, 200}}},
    {0x6010, 1, 2, 12, false, {},        0, "w24",        -1, {},        5, 1, 14, -1, 2, 0, {{0, 180}, {5, 180}, {11, 200}}},
    {0x6024, 1, 0, 6,  false, {},        0, "w24",        -1, {},        2, 2, 14, -1, 3, 0, {{0, 180}, {2, 180}, {5, 160}}},
};
// clang-format on

std::wstring ModelHex(int productId)
{
    wchar_t text[8] = {};
    ::swprintf(text, 8, L"%04X", productId);
    return text;
}

std::vector<int> Words(Page& p)
{
    return std::vector<int>(std::begin(p.Working().m_settings), std::end(p.Working().m_settings));
}

// A click on the option a greyed check box does not show changes neither the cell nor the
// record.
void ClickGreyedCheckBox(Page& p, int row)
{
    const std::vector<int> before = Words(p);
    p.ToggleCell(row);
    p.Pump(50);
    EXPECT_EQ(Words(p), before) << "greyed row " << row;
    EXPECT_TRUE(p.Greyed(row)) << "greyed row " << row;
}

std::vector<int> GreyedRows(Page& p)
{
    std::vector<int> rows;
    for (int row = 0; row < p.grid.GetItemCount(); ++row)
        if (p.Greyed(row))
            rows.push_back(row);
    return rows;
}

} // namespace

TEST(GridRulesFamiliesWine, TogglesPicksGreyedRowsHelpAndSave)
{
    WithPage([](Page& p) {
        for (const FamilyCase& c : kCases) {
            SCOPED_TRACE(std::to_string(c.productId) + " at " + std::to_string(c.major) + "." +
                         std::to_string(c.minor));
            EnterWith(p, c.productId, c.major, c.minor, StartRecord(c.word23));
            ASSERT_EQ(p.grid.GetItemCount(), c.rows);
            EXPECT_EQ(GreyedRows(p), c.greyed);
            EXPECT_FALSE(p.SaveLit());
            if (!c.greyed.empty()) {
                ClickGreyedCheckBox(p, c.greyed.back());
                p.grid.RedrawWindow();
                p.Pump(100);
                SaveWindowPicture(p.grid.m_hWnd,
                                  ScreenshotFolder() + L"/grid-" + ModelHex(c.productId) + L"-greyed-by-word-23.png");
            }

            // A plain check box: its field, SAVE on, and off again after the undo.
            p.ToggleCell(c.toggleRow);
            EXPECT_EQ(Field(p.Working(), c.toggleField), 1) << c.toggleField;
            EXPECT_TRUE(p.SaveLit());
            EXPECT_EQ(GreyedRows(p), c.greyed) << "a plain row greys nothing";
            p.ToggleCell(c.toggleRow);
            EXPECT_EQ(Field(p.Working(), c.toggleField), 0) << c.toggleField;
            EXPECT_FALSE(p.SaveLit());

            // The master greys its dependants and frees them again.
            if (c.masterRow >= 0) {
                p.ToggleCell(c.masterRow);
                EXPECT_EQ(p.Working().m_settings[23], 1);
                EXPECT_EQ(GreyedRows(p), c.dependants);
                EXPECT_TRUE(p.SaveLit());
                ClickGreyedCheckBox(p, c.dependants.back());
                p.ToggleCell(c.masterRow);
                EXPECT_EQ(p.Working().m_settings[23], 0);
                EXPECT_EQ(GreyedRows(p), std::vector<int>());
                EXPECT_FALSE(p.SaveLit());
            }

            // A pick with the mouse stores its value; the unit's item undoes it.
            if (c.pickRow >= 0) {
                PickGridItem(p.main, p.grid, c.pickRow, c.pickIndex);
                EXPECT_EQ(p.Working().m_settings[c.pickWord] & c.pickMask, c.pickValue);
                EXPECT_TRUE(p.SaveLit());
                PickGridItem(p.main, p.grid, c.pickRow, c.backIndex);
                EXPECT_FALSE(p.SaveLit());
            }

            for (const auto& help : c.helps) {
                const ShownBox shown = ClickForBox(p, help.first);
                EXPECT_EQ(shown.seen, 1) << "row " << help.first;
                EXPECT_EQ(shown.size.cx, 520);
                EXPECT_EQ(shown.size.cy, help.second) << "row " << help.first;
                EXPECT_EQ(shown.text.find(L"%s"), std::wstring::npos);
            }
            EXPECT_EQ(GreyedRows(p), c.greyed) << "help clicks grey nothing";
            EXPECT_FALSE(p.SaveLit()) << "help clicks change nothing";
        }
    });
}

TEST(GridRulesFamiliesWine, EssPicksWithTheMouseStoreTheirBits)
{
    WithPage([](Page& p) {
        // ESS STATUS is row 9 below 1.2 and row 10 from 1.2; ESS Sensitivity follows it.
        for (const auto& range : {std::pair<int, int>{1, 1}, std::pair<int, int>{1, 2}}) {
            const int status = range.second == 1 ? 9 : 10;
            EnterWith(p, 0x6010, range.first, range.second, StartRecord(false));
            for (int item = 0; item < 4; ++item) {
                PickGridItem(p.main, p.grid, status, item);
                EXPECT_EQ(p.Working().m_settings[2], 0x4 | item) << "status item " << item;
            }
            for (int item = 0; item < 3; ++item) {
                PickGridItem(p.main, p.grid, status + 1, item);
                EXPECT_EQ(p.Working().m_settings[2], 0x3 | ((item + 1) << 2)) << "sensitivity item " << item;
            }
            EXPECT_TRUE(p.SaveLit());
            if (range.second == 2) {
                // Fog Light + ESS ON at High: the grid as the user leaves it.
                PickGridItem(p.main, p.grid, status, 2);
                p.grid.RedrawWindow();
                p.Pump(100);
                SaveWindowPicture(p.grid.m_hWnd, ScreenshotFolder() + L"/grid-6010-1.2-ess-picks.png");
                EXPECT_EQ(p.Working().m_settings[2], 0xE);
            }
            // Back to the unit's ESS ON at Low.
            PickGridItem(p.main, p.grid, status, 0);
            PickGridItem(p.main, p.grid, status + 1, 0);
            EXPECT_EQ(p.Working().m_settings[2], 0x4);
            EXPECT_FALSE(p.SaveLit());
        }
    });
}

TEST(GridRulesFamiliesWine, LayertoneVoxAndEssBoxesInTheirLanguages)
{
    WithPage([](Page& p) {
        const struct {
            int productId, major, minor, row, language, height;
            std::wstring (*text)(int);
            const wchar_t* picture;
        } cases[] = {
            {0x5412, 1, 0, 4, kEnglish, 280, GetHelpLayertone, L"grid-help-layertone-full-en.png"},
            {0x5412, 1, 0, 4, kChinese, 280, GetHelpLayertone, L"grid-help-layertone-full-zh.png"},
            {0x5560, 1, 0, 3, kEnglish, 280, GetHelpLayertoneMusicGps, L"grid-help-layertone-music-gps-en.png"},
            {0x5560, 1, 0, 3, kChinese, 280, GetHelpLayertoneMusicGps, L"grid-help-layertone-music-gps-zh.png"},
            {0x6010, 1, 2, 5, kEnglish, 180, GetHelpVoxSensitivityDefault2, L"grid-help-vox-default-2-en.png"},
            {0x6010, 1, 2, 5, kChinese, 180, GetHelpVoxSensitivityDefault2, L"grid-help-vox-default-2-zh.png"},
            {0x6010, 1, 2, 11, kEnglish, 200, GetHelpEssSensitivity, L"grid-help-ess-sensitivity-en.png"},
            {0x5410, 2, 0, 4, kEnglish, 280, GetHelpLayertoneMusicGps, L""},
            {0x5416, 1, 1, 4, kEnglish, 280, GetHelpLayertone, L""},
        };
        for (const auto& c : cases) {
            EnterWith(p, c.productId, c.major, c.minor, StartRecord(false), c.language);
            const ShownBox shown = ClickForBox(p, c.row, c.picture);
            EXPECT_EQ(shown.seen, 1) << c.productId;
            EXPECT_EQ(shown.size.cy, c.height) << c.productId;
            EXPECT_TRUE(shown.text == c.text(c.language)) << c.productId << " in " << c.language;
        }
    });
}
