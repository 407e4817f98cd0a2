#pragma once
// Page 5 of the real main window under Wine, as the grid rule tests drive it: a unit set
// directly and the page entered, its cells clicked with real mouse input at their points, the
// working record, the greyed rows, SAVE and the help boxes read back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "res/resource.h"
#include "tests/grid/GridWineSupport.h"
#include "tests/settings/IdleMainWindow.h"
#include "tests/support/MessageBoxWatch.h"
#include "tests/support/WindowPicture.h"

namespace rulespage {

using namespace gridtest;

constexpr int kEnglish = 0;
constexpr int kJapanese = 4;
constexpr int kKorean = 5;
constexpr int kValue = 2;
constexpr int kHelp = 0;

struct Page {
    CUpdaterDlg& main;
    CDialogDeviceSetting& page;
    CConfigListCtrl& grid;

    void Pump(DWORD ms) { PumpFor(main.m_hWnd, ms); }
    // A unit with the record's defaults at the firmware; SAVE follows the page.
    void Enter(int productId, int major, int minor, int language = kEnglish)
    {
        main.m_device = DeviceConfig();
        EnterBasicPage(main, productId, major, minor, language);
        main.RefreshView();
        Pump(50);
    }
    POINT CellPoint(int row, int column) { return GridCellCentre(main, grid, row, column); }
    void ClickCell(int row, int column) { ClickAt(main.m_hWnd, grid.m_hWnd, CellPoint(row, column)); }
    void ToggleCell(int row) { ToggleGridCheckBox(main, grid, row); }
    // A click below the last row; a grid full of rows grows to leave room below them.
    void ClickBelowRows(int column)
    {
        POINT point = CellPoint(0, column);
        CRect last;
        grid.GetSubItemRect(grid.GetItemCount() - 1, column, LVIR_LABEL, last);
        CRect client;
        grid.GetClientRect(client);
        if (last.bottom + 30 > client.bottom) {
            GrowGridUpwards(main, grid, last.bottom + 30 - client.bottom);
            grid.GetSubItemRect(grid.GetItemCount() - 1, column, LVIR_LABEL, last);
        }
        point.y = last.bottom + 10;
        ClickAt(main.m_hWnd, grid.m_hWnd, point);
    }
    bool Greyed(int row)
    {
        CCellCtrl* cell = grid.GetCell(row, kValue);
        return cell != nullptr && (cell->GetStyle() & 8) != 0;
    }
    bool SaveLit() { return ::IsWindowEnabled(::GetDlgItem(main.m_hWnd, IDC_BUTTON_APPLY)) != FALSE; }
    DeviceConfig& Working() { return page.m_config; }
};

inline void WithPage(const std::function<void(Page&)>& body)
{
    WithIdleMainWindow([&](CUpdaterDlg& dialog) {
        Page page{dialog, dialog.m_pageDeviceSetting, dialog.m_pageDeviceSetting.m_grid};
        body(page);
    });
}

struct ShownBox {
    int seen = 0;
    std::wstring text;
    SIZE size{};
    std::wstring ok;
};

// Clicks a cell and reads the help box it opened (if any), closing it with OK; the picture
// is kept when a name is given.
inline ShownBox ClickForBox(Page& p, int row, const std::wstring& picture = L"")
{
    ShownBox shown;
    bool picturing = false;
    boxwatch::OnEveryBox(p.main.m_hWnd, [&](HWND box) {
        // The box is seen as soon as it is shown, before it is on the screen: a picture waits
        // for it to paint, and the watch's own turns meanwhile leave it alone.
        if (picturing)
            return;
        ++shown.seen;
        shown.text = boxwatch::BoxText(box, IDC_MESSAGE_TEXT);
        shown.size = boxwatch::BoxSize(box);
        wchar_t ok[64] = {};
        ::GetDlgItemTextW(box, IDOK, ok, 64);
        shown.ok = ok;
        if (!picture.empty()) {
            picturing = true;
            PumpFor(box, 200);
            ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            PumpFor(box, 100);
            SaveWindowPicture(box, ScreenshotFolder() + L"/" + picture);
            picturing = false;
        }
        boxwatch::PressBoxButton(box, IDOK);
    });
    if (row < 0)
        p.ClickBelowRows(kHelp);
    else
        p.ClickCell(row, kHelp);
    p.Pump(200);
    boxwatch::StopWatching();
    return shown;
}

// A check box cell shows Enable while it is not checked.
inline bool ShowsEnable(Page& p, int row)
{
    auto* box = dynamic_cast<CCellCheckBox*>(p.grid.GetCell(row, kValue));
    return box != nullptr && !box->GetCheck();
}

} // namespace rulespage
