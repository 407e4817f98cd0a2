#pragma once
// The real main window run modally under Wine: the body runs inside its modal loop once the
// start page is idle, and the window is closed after it.
#include <gtest/gtest.h>

#include <functional>

#include "app/UpdaterDlg.h"
#include "grid/CellDropDown.h"
#include "grid/ConfigListCtrl.h"
#include "res/resource.h"
#include "tests/grid/GridWineSupport.h"

inline void WithIdleMainWindow(const std::function<void(CUpdaterDlg&)>& body)
{
    gridtest::InitControls();
    CUpdaterDlg dialog;
    bool ran = false;
    gridtest::RunModalWithScript(dialog, [&] {
        gridtest::PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        [&] { body(dialog); }();
        ran = true;
        dialog.m_busy = 0;
        dialog.m_dropListOpen = 0;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(ran);
}

// Sets the connected unit and enters page 5 the way the page switch does.
inline void EnterBasicPage(CUpdaterDlg& main, int productId, int major, int minor, int language)
{
    main.m_modelCode = productId;
    main.m_device.m_modelCode = productId;
    main.m_device.m_firmwareVersion.major = major;
    main.m_device.m_firmwareVersion.minor = minor;
    main.m_uiLanguage = language;
    main.m_page = 5;
    main.UpdatePageButtons();
    main.m_pageDeviceSetting.EnterPage();
    gridtest::PumpFor(main.m_hWnd, 30);
}

// The centre of a grid cell, scrolled into view first.
// A grid that does not show every row grows upwards by room pixels: its bottom edge stays
// where it was, so a click on it meets no control under the grid.
inline void GrowGridUpwards(CUpdaterDlg& main, CConfigListCtrl& grid, int room)
{
    CRect window;
    grid.GetWindowRect(window);
    POINT topLeft{window.left, window.top};
    ::ScreenToClient(::GetParent(grid.m_hWnd), &topLeft);
    ::SetWindowPos(grid.m_hWnd, HWND_TOP, topLeft.x, topLeft.y - room, window.Width(), window.Height() + room,
                   SWP_NOACTIVATE);
    gridtest::PumpFor(main.m_hWnd, 50);
}

// A cell's rectangle once its row is scrolled into view whole, with room pixels of the grid
// below it; the grid grows upwards where it lacks them, and is painted where it moved.
inline CRect ShownCellRect(CUpdaterDlg& main, CConfigListCtrl& grid, int row, int column, int room)
{
    ::SendMessageW(grid.m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    grid.UpdateWindow();
    CRect rect;
    grid.GetSubItemRect(row, column, LVIR_LABEL, rect);
    CRect client;
    grid.GetClientRect(client);
    if (rect.bottom + room > client.bottom) {
        GrowGridUpwards(main, grid, rect.bottom + room - client.bottom);
        grid.UpdateWindow();
        grid.GetSubItemRect(row, column, LVIR_LABEL, rect);
    }
    return rect;
}

// The grid's rows take their height at its first paint, so it is painted before it scrolls.
inline POINT GridCellCentre(CUpdaterDlg& main, CConfigListCtrl& grid, int row, int column)
{
    grid.UpdateWindow();
    gridtest::PumpFor(main.m_hWnd, 20);
    ::SendMessageW(grid.m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    gridtest::PumpFor(main.m_hWnd, 20);
    const CRect rect = ShownCellRect(main, grid, row, column, 4);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Whether a point of the grid's client area shows the grid itself (a click elsewhere would
// reach another window).
inline bool InsideGrid(CConfigListCtrl& grid, POINT point)
{
    CRect client;
    grid.GetClientRect(client);
    return client.PtInRect(point) != FALSE;
}

// A mouse click on the option a grid check box does not show: Enable is its left half,
// Disable its right half. A greyed cell takes the click without changing.
inline void ToggleGridCheckBox(CUpdaterDlg& main, CConfigListCtrl& grid, int row)
{
    POINT point = GridCellCentre(main, grid, row, 2);
    CRect rect;
    grid.GetSubItemRect(row, 2, LVIR_LABEL, rect);
    auto* box = dynamic_cast<CCellCheckBox*>(grid.GetCell(row, 2));
    ASSERT_NE(box, nullptr) << "row " << row;
    point.x = box->GetCheck() ? rect.left + rect.Width() / 4 : rect.left + rect.Width() * 3 / 4;
    ASSERT_TRUE(InsideGrid(grid, point)) << "row " << row;
    gridtest::ClickAt(main.m_hWnd, grid.m_hWnd, point);
}

// Opens a grid drop-down with the mouse and clicks one of its items.
inline void PickGridItem(CUpdaterDlg& main, CConfigListCtrl& grid, int row, int item)
{
    auto* combo = dynamic_cast<CCellComboBox*>(grid.GetCell(row, 2));
    ASSERT_NE(combo, nullptr) << "row " << row;
    const POINT point = GridCellCentre(main, grid, row, 2);
    ASSERT_TRUE(InsideGrid(grid, point)) << "row " << row;
    gridtest::ClickAt(main.m_hWnd, grid.m_hWnd, point);
    gridtest::PumpUntil(
        main.m_hWnd, [&] { return combo->m_open != 0; }, 2000);
    gridtest::PumpFor(main.m_hWnd, 50);
    CPopUpScrollList* list = combo->GetPopUpList();
    ASSERT_TRUE(list != nullptr && list->IsWindowVisible()) << "row " << row;
    gridtest::ClickAt(main.m_hWnd, list->m_hWnd, gridtest::ListRowCentre(list, item));
    gridtest::PumpFor(main.m_hWnd, 50);
}
