#pragma once
// Fills the basic settings grid with the rows of a product and firmware: a help button, the
// setting's name and a check-box or drop-down value cell per row, dependants greyed as their
// masters say. The procedure knows the grid only through the small interface below, so it runs
// against the window grid on the page and against a recording grid in the tests.

#include <string>

#include "device/DeviceConfig.h"
#include "settings/GridRowCatalogue.h"

enum GridCellClass { kPushButtonCellClass, kCheckBoxCellClass, kComboBoxCellClass };

class GridPushButtonAccess;
class GridCheckBoxAccess;
class GridComboBoxAccess;

// A cell looked up again after it was handed to the grid. Each As... answers null unless the
// cell is of that class, so a cell is never used as a class it is not.
class GridCellAccess {
public:
    virtual ~GridCellAccess() = default;
    virtual GridPushButtonAccess* AsPushButton() { return nullptr; }
    virtual GridCheckBoxAccess* AsCheckBox() { return nullptr; }
    virtual GridComboBoxAccess* AsComboBox() { return nullptr; }
};

class GridPushButtonAccess : public GridCellAccess {
public:
    GridPushButtonAccess* AsPushButton() override { return this; }
    virtual void SetBitmapId(int bitmapId) = 0;
};

class GridCheckBoxAccess : public GridCellAccess {
public:
    GridCheckBoxAccess* AsCheckBox() override { return this; }
    virtual void SetCheckedText(const std::wstring& text) = 0;
    virtual void SetUncheckedText(const std::wstring& text) = 0;
    // True while the cell shows Disable (its value text starts with "1").
    virtual bool GetCheck() = 0;
    // Writes the value text's first character; the cell is not repainted.
    virtual void SetCheck(bool check) = 0;
};

class GridComboBoxAccess : public GridCellAccess {
public:
    GridComboBoxAccess* AsComboBox() override { return this; }
    virtual void SetCurSel(int index) = 0;
};

// The grid as the builder uses it. SetCell makes a new cell of the class (a push button with
// no target window and message 0) holding the text, and the grid owns it from then on.
class SettingsGridAccess {
public:
    virtual ~SettingsGridAccess() = default;
    virtual int GetItemCount() = 0;
    virtual void DeleteAllItems() = 0;
    virtual void InsertItem(int row, const std::wstring& text) = 0;
    virtual void SetCell(int row, int column, GridCellClass cellClass, const std::wstring& text) = 0;
    // The cell at (row, column), or null; valid until the grid changes again.
    virtual GridCellAccess* GetCell(int row, int column) = 0;
    virtual void SetItem(int row, int column, const std::wstring& text) = 0;
    virtual void SetCellDisabled(int row, int column, int disabled) = 0;
    // Hides the grid's window; the restore page's list of archived settings hides itself so.
    virtual void Hide() = 0;
    // Repaints every cell: the whole area invalidated with erase.
    virtual void InvalidateAll() = 0;
};

constexpr int kGridHelpColumn = 0;
constexpr int kGridNameColumn = 1;
constexpr int kGridValueColumn = 2;
constexpr int kGridHelpBitmapId = 188;

// Rebuilds the grid for productId. The firmware range comes from liveRecord, every value shown
// from workingRecord; names and items are in the UI language (English outside 0 to 12).
//
// "Video Mode" takes its two or three items from the list, which the live firmware picks, and
// its selected item from the working record, whose own firmware decides where the record keeps
// the mode. The two agree in practice: the page's working record is a copy of the live record,
// versions included, and nothing on the page changes its versions.
// Answers the list the grid now shows, or null when it shows no rows.
const GridRowList* BuildSettingsGrid(SettingsGridAccess& grid, int productId, const DeviceConfig& liveRecord,
                                     const DeviceConfig& workingRecord, int language);

// Builds one row list into an empty grid; BuildSettingsGrid ends here.
void BuildGridRows(SettingsGridAccess& grid, const GridRowList& list, const DeviceConfig& workingRecord, int language);
