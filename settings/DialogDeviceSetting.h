#pragma once
#include "grid/ConfigListCtrl.h"
#include "settings/SettingsPageDialog.h"

// Page 5, basic settings.
class CDialogDeviceSetting : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);
    ~CDialogDeviceSetting() override;
    int CompareSettings() override;
    // Entered like every settings page; the keyboard then goes to the grid.
    void EnterPage() override;
    // 1 while a drop-down cell of the settings grid has its list open.
    int m_dropDownOpen = 0;
    // That list's window while it is open (presses inside it are the list's).
    HWND m_dropDownList = nullptr;
    // The settings grid (control IDC_SETTINGS_GRID of the page's template).
    CConfigListCtrl m_grid;

    // Ends the grid's in-place editing (a press outside its open list); counted for the tests.
    void EndGridEdit();
    int m_endEditCalls = 0;

    // The bold font of the grid and the labels comes with the page's own work; until then it counts its calls.
    void ApplyBoldFont();
    int m_boldFontCalls = 0;

    // Refills the grid with the rows of the connected model at its firmware, showing the
    // working record; the last step of every fill of the page.
    void BuildSettingsGrid();

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
