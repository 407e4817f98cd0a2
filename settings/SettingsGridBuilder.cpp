#include "settings/SettingsGridBuilder.h"

#include "text/SharedWords.h"

const GridRowList* BuildSettingsGrid(SettingsGridAccess& grid, int productId, const DeviceConfig& liveRecord,
                                     const DeviceConfig& workingRecord, int language)
{
    if (grid.GetItemCount() > 0)
        grid.DeleteAllItems();
    const GridRowList* list = FindGridRowList(productId, liveRecord);
    if (list == nullptr || list->count == 0)
        return nullptr;
    BuildGridRows(grid, *list, workingRecord, language);
    return list;
}

void BuildGridRows(SettingsGridAccess& grid, const GridRowList& list, const DeviceConfig& workingRecord, int language)
{
    for (int row = 0; row < list.count; ++row) {
        grid.InsertItem(row, L"");
        grid.SetCell(row, kGridHelpColumn, kPushButtonCellClass, L"");
        GridCellAccess* cell = grid.GetCell(row, kGridHelpColumn);
        if (GridPushButtonAccess* button = cell != nullptr ? cell->AsPushButton() : nullptr)
            button->SetBitmapId(kGridHelpBitmapId);
    }

    // The bit rows of a list read one copy of words 0 and 1, taken before the first of them.
    const GridListWords words = GridListWords::From(workingRecord);

    for (int row = 0; row < list.count; ++row) {
        const GridRow& entry = list.rows[row];
        const GridRowKind& kind = GetGridRowKind(entry.kind);
        grid.SetItem(row, kGridNameColumn, kind.label(language));
        if (kind.cell == kCheckBoxCell) {
            grid.SetCell(row, kGridValueColumn, kCheckBoxCellClass, GridCheckBoxText(kind, workingRecord, words));
        } else {
            grid.SetCell(row, kGridValueColumn, kComboBoxCellClass, kind.items(language));
            GridCellAccess* cell = grid.GetCell(row, kGridValueColumn);
            if (GridComboBoxAccess* combo = cell != nullptr ? cell->AsComboBox() : nullptr)
                combo->SetCurSel(GridDropDownIndex(kind, workingRecord, words));
        }
        if (entry.dependency != kAlwaysEnabled)
            grid.SetCellDisabled(row, kGridValueColumn,
                                 IsGridRowDisabled(entry.dependency, workingRecord, words) ? 1 : 0);
    }

    const std::wstring enable = GetTextEnable(language);
    const std::wstring disable = GetTextDisable(language);
    for (int row = 0; row < list.count; ++row) {
        if (GetGridRowKind(list.rows[row].kind).cell != kCheckBoxCell)
            continue;
        GridCellAccess* cell = grid.GetCell(row, kGridValueColumn);
        if (GridCheckBoxAccess* box = cell != nullptr ? cell->AsCheckBox() : nullptr) {
            box->SetCheckedText(enable);
            box->SetUncheckedText(disable);
        }
    }
}
