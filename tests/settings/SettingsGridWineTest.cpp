// The basic page's settings grid built by the page itself on the real main window under Wine:
// every grid product at firmware in each of its ranges, read back through the grid's cells,
// and pictures of a few grids.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "grid/ConfigListCtrl.h"
#include "res/resource.h"
#include "settings/GridRowCatalogue.h"
#include "settings/SettingsGridBuilder.h"
#include "tests/grid/GridWineSupport.h"
#include "text/SharedWords.h"

using namespace gridtest;

namespace {

struct BasicPage {
    CUpdaterDlg& dialog;
    CDialogDeviceSetting& page;
    CConfigListCtrl& grid;
    void Pump(DWORD ms) { PumpFor(dialog.m_hWnd, ms); }
};

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

// Three columns as the page lays them out: help, name, value.
void AddColumns(CConfigListCtrl& grid)
{
    int column = 0;
    for (int width : {30, 220, 190}) {
        grid.InsertColumnCells(column);
        grid.InsertColumn(column, L"", LVCFMT_LEFT, -1, -1);
        grid.ShiftColumnTexts(column);
        grid.SetColumnWidth(column, width);
        ++column;
    }
}

// The real main window, run modally, showing page 5 with its grid's columns; the body runs
// inside the modal loop.
void WithBasicPage(const std::function<void(BasicPage&)>& body)
{
    InitControls();
    CUpdaterDlg dialog;
    bool ran = false;
    g_script = [&] {
        PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        dialog.m_page = 5;
        dialog.UpdatePageButtons();
        BasicPage page{dialog, dialog.m_pageDeviceSetting, dialog.m_pageDeviceSetting.m_grid};
        page.Pump(50);
        [&] {
            ASSERT_TRUE(page.grid.m_hWnd);
            AddColumns(page.grid);
            body(page);
        }();
        ran = true;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    };
    g_scriptTimer = ::SetTimer(nullptr, 0, 10, RunScript);
    dialog.DoModal();
    EXPECT_TRUE(ran);
}

void SetFirmware(DeviceConfig& record, int major, int minor)
{
    record.m_firmwareVersion.major = major;
    record.m_firmwareVersion.minor = minor;
}

// Builds the grid the way the page's fill does: the main window names the model, the live
// record's firmware and the language; the page's working record holds the values.
void Build(BasicPage& p, int productId, int major, int minor, const std::function<void(DeviceConfig&)>& values,
           int language = 0)
{
    p.dialog.m_modelCode = productId;
    p.dialog.m_uiLanguage = language;
    SetFirmware(p.dialog.m_device, major, minor);
    p.page.m_config.CopyFrom(p.dialog.m_device, 1);
    if (values)
        values(p.page.m_config);
    p.page.BuildSettingsGrid();
}

// Settings that grey some dependants and leave others usable.
void MixedValues(DeviceConfig& record)
{
    for (int& word : record.m_settings)
        word = 0;
    record.m_settings[23] = 1;      // word-23 masters on
    record.m_settings[1] = 0x0805;  // packed VOX 5, Bluetooth Intercom Dualstream on
    record.m_settings[10] = 0x0100; // speaker recording off, music source on
    record.m_settings[14] = 2;
    record.m_handsfreeVox = 1;
}

struct Version {
    int major;
    int minor;
};

// Below, at and just above each threshold of the group, and a minor of 10.
std::vector<Version> VersionsOf(const GridRowGroup& group)
{
    std::vector<Version> versions{{0, 0}, {1, 10}};
    for (int t = 0; t < group.thresholdCount; ++t) {
        const GridFirmwareThreshold& threshold = group.thresholds[t];
        versions.push_back({threshold.major, threshold.minor});
        versions.push_back(threshold.minor > 0 ? Version{threshold.major, threshold.minor - 1}
                                               : Version{threshold.major - 1, 9});
    }
    return versions;
}

TEST(SettingsGridOnBasicPage, EveryGridProductAndRangeReadsBackThroughTheGrid)
{
    WithBasicPage([](BasicPage& p) {
        int built = 0;
        for (std::size_t g = 0; g < kGridRowChainLength; ++g) {
            const GridRowGroup& group = *kGridRowChain[g];
            for (std::size_t i = 0; i < group.products.count; ++i) {
                const int productId = group.products.ids[i];
                for (const Version& v : VersionsOf(group)) {
                    SCOPED_TRACE(::testing::Message()
                                 << std::hex << "0x" << productId << std::dec << " at " << v.major << "." << v.minor);
                    Build(p, productId, v.major, v.minor, MixedValues);
                    ++built;
                    const GridRowList* list = FindGridRowList(productId, p.dialog.m_device);
                    ASSERT_NE(list, nullptr);
                    ASSERT_EQ(p.grid.GetItemCount(), list->count);
                    const GridListWords words = GridListWords::From(p.page.m_config);
                    for (int row = 0; row < list->count; ++row) {
                        const GridRowKind& kind = GetGridRowKind(list->rows[row].kind);
                        SCOPED_TRACE(kind.englishLabel);
                        auto* help = dynamic_cast<CCellPushButton*>(p.grid.GetCell(row, kGridHelpColumn));
                        ASSERT_NE(help, nullptr);
                        EXPECT_EQ(help->m_bitmapId, static_cast<UINT>(IDB_HELP));
                        EXPECT_EQ(std::wstring(p.grid.GetItemText(row, kGridNameColumn).str()), kind.label(0));
                        CCellCtrl* value = p.grid.GetCell(row, kGridValueColumn);
                        ASSERT_NE(value, nullptr);
                        if (kind.cell == kCheckBoxCell) {
                            auto* box = dynamic_cast<CCellCheckBox*>(value);
                            ASSERT_NE(box, nullptr);
                            EXPECT_EQ(std::wstring(box->GetText().str()),
                                      GridCheckBoxText(kind, p.page.m_config, words));
                            EXPECT_EQ(std::wstring(box->m_checkedText.str()), GetTextEnable(0));
                            EXPECT_EQ(std::wstring(box->m_uncheckedText.str()), GetTextDisable(0));
                        } else {
                            auto* combo = dynamic_cast<CCellComboBox*>(value);
                            ASSERT_NE(combo, nullptr);
                            EXPECT_EQ(combo->GetItemCount(), GridItemCount(kind, 0));
                            const int index = GridDropDownIndex(kind, p.page.m_config, words);
                            EXPECT_EQ(combo->GetCurSel(), combo->IsItemIndex(index) ? index : -1);
                        }
                        const bool greyed = (value->GetStyle() & kCellDisabled) != 0;
                        EXPECT_EQ(greyed, IsGridRowDisabled(list->rows[row].dependency, p.page.m_config, words));
                    }
                }
            }
        }
        EXPECT_GT(built, 300);
    });
}

TEST(SettingsGridOnBasicPage, ClassicAndUnknownProductsLeaveTheGridEmpty)
{
    WithBasicPage([](BasicPage& p) {
        for (int productId : {0x4D10, 0x5210, 0x2010, 0x6028}) {
            Build(p, 0x5510, 3, 0, MixedValues);
            ASSERT_EQ(p.grid.GetItemCount(), 25);
            Build(p, productId, 3, 0, MixedValues);
            EXPECT_EQ(p.grid.GetItemCount(), 0) << std::hex << productId;
            EXPECT_EQ(p.grid.GetCell(0, kGridValueColumn), nullptr);
        }
    });
}

TEST(SettingsGridOnBasicPage, BuildingAgainReplacesEveryRow)
{
    WithBasicPage([](BasicPage& p) {
        Build(p, 0x3110, 2, 2, MixedValues);
        Build(p, 0x3110, 2, 2, MixedValues);
        EXPECT_EQ(p.grid.GetItemCount(), 18);
        Build(p, 0x3030, 1, 0, MixedValues);
        EXPECT_EQ(p.grid.GetItemCount(), 3);
        EXPECT_EQ(p.grid.GetCell(3, kGridValueColumn), nullptr);
    });
}

// ---------------------------------------------------------------- pictures

void Picture(BasicPage& p, const std::string& name)
{
    p.grid.UpdateWindow();
    p.Pump(200);
    CRect window;
    p.dialog.GetWindowRect(window);
    EXPECT_TRUE(SaveScreen(window, std::string(QUOR_SCREENSHOT_DIR) + "/" + name));
}

TEST(SettingsGridOnBasicPage, Pictures)
{
    WithBasicPage([](BasicPage& p) {
        Build(p, 0x4210, 1, 5, [](DeviceConfig& r) {
            r.m_settings[0] = 7;
            r.m_settings[2] = (1 << 11) | (1 << 15) | (1 << 10) | 0x4;
            r.m_settings[3] = 2;
        });
        Picture(p, "settings-grid-4210-1.5.png");

        Build(p, 0x5520, 2, 0, [](DeviceConfig& r) {
            r.m_settings[23] = 1;
            r.m_settings[22] = 1;
            r.m_settings[14] = 3;
        });
        Picture(p, "settings-grid-5520-2.0-dualstream.png");

        Build(p, 0x5510, 3, 0, [](DeviceConfig& r) {
            r.m_settings[10] = (1 << 6) | (1 << 8) | (1 << 2);
            r.m_settings[12] = (2 << 6) | 1;
        });
        ::SendMessageW(p.grid.m_hWnd, LVM_ENSUREVISIBLE, 24, FALSE);
        Picture(p, "settings-grid-5510-3.0-scrolled.png");

        Build(p, 0x3110, 2, 2, [](DeviceConfig& r) {
            r.m_settings[0] = 0x0003;
            r.m_settings[1] = 0x0803 | (4 << 7);
            r.m_settings[3] = 2 | (3 << 6);
        });
        Picture(p, "settings-grid-3110-2.2-list-d.png");

        Build(p, 0x6010, 1, 2, [](DeviceConfig& r) {
            r.m_settings[24] = 1;
            r.m_settings[2] = 0x3 | 0xC;
            r.m_settings[14] = 4;
        });
        Picture(p, "settings-grid-6010-1.2.png");

        Build(
            p, 0x5622, 2, 0, [](DeviceConfig& r) { r.m_settings[16] = 2; }, 4);
        Picture(p, "settings-grid-5622-2.0-japanese.png");

        Build(
            p, 0x6400, 1, 0, [](DeviceConfig& r) { r.m_settings[14] = 2; }, 8);
        Picture(p, "settings-grid-6400-russian.png");
    });
}

} // namespace
