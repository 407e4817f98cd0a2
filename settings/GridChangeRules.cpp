#include "settings/GridChangeRules.h"

#include "core/UiLanguageRow.h"
#include "text/ModelDisplayName.h"
#include "text/TextFormat.h"

namespace {

const GridRowKind* KindAt(const GridRowList* list, int row)
{
    if (list == nullptr || row < 0 || row >= list->count)
        return nullptr;
    return &GetGridRowKind(list->rows[row].kind);
}

// The list a lookup gives as the grid shows it: none for a product without rows.
const GridRowList* ShownList(const GridRowList* list)
{
    return list != nullptr && list->count > 0 ? list : nullptr;
}

GridRuleOutcome Outcome(GridRuleAction action)
{
    GridRuleOutcome outcome;
    outcome.action = action;
    return outcome;
}

// After a master's store its dependants follow the stored value, in list order, read as the
// builder reads it.
void SetDependants(SettingsGridAccess& grid, const GridRowList& list, const GridRowKind& master,
                   const DeviceConfig& working)
{
    const GridDependency dependency = GridMasterDependency(master);
    if (dependency == kAlwaysEnabled)
        return;
    const GridListWords words = GridListWords::From(working);
    for (int row = 0; row < list.count; ++row) {
        if (list.rows[row].dependency == dependency)
            grid.SetCellDisabled(row, kGridValueColumn, IsGridRowDisabled(dependency, working, words) ? 1 : 0);
    }
}

GridRuleOutcome ValueClick(SettingsGridAccess& grid, const GridRuleContext& context, const GridRangeChoice& range,
                           int row)
{
    const GridRowKind* kind = KindAt(range.list, row);
    if (kind == nullptr)
        return Outcome(range.range->refreshOutsideList ? kRuleRefreshesAtEnd : kRuleDoesNothing);
    // A drop-down's value arrives with its choice.
    if (kind->cell != kCheckBoxCell)
        return Outcome(kRuleDoesNothing);
    GridCellAccess* cell = grid.GetCell(row, kGridValueColumn);
    GridCheckBoxAccess* box = cell != nullptr ? cell->AsCheckBox() : nullptr;
    if (box != nullptr && kind->store == kStorePlain) {
        // The cell has toggled already; a disabled cell kept its state and stores it again.
        WriteGridCheckBox(*kind, context.working, !box->GetCheck());
        SetDependants(grid, *range.list, *kind, context.working);
    }
    return Outcome(kRuleRefreshesAtEnd);
}

} // namespace

GridRuleOutcome GridHelpBox(const GridRowKind& kind, int productId, int language)
{
    const GridRowHelp& help = kind.help;
    if (help.text == nullptr)
        return Outcome(kRuleDoesNothing);
    const int shown = UiLanguageRow(language);
    GridRuleOutcome outcome = Outcome(kRuleShowsHelp);
    const std::wstring pattern = help.text(shown);
    if (help.modelName) {
        outcome.helpText = FillPlaceholders(pattern, {ModelDisplayName(productId)});
    } else {
        // A translation with fewer placeholders than names shows as it is; spare names are
        // ignored.
        const std::wstring first = help.values[0] != nullptr ? help.values[0](shown) : std::wstring();
        const std::wstring second = help.values[1] != nullptr ? help.values[1](shown) : std::wstring();
        if (help.values[1] != nullptr)
            outcome.helpText = FillPlaceholders(pattern, {first, second});
        else if (help.values[0] != nullptr)
            outcome.helpText = FillPlaceholders(pattern, {first});
        else
            outcome.helpText = pattern;
    }
    outcome.helpWidth = kGridHelpBoxWidth;
    outcome.helpHeight = help.height;
    return outcome;
}

GridRuleOutcome RunGridClickRules(SettingsGridAccess& grid, const GridRuleContext& context, int row, int column)
{
    // The list is looked up afresh: a grid built from another one keeps its cell work only.
    const GridRangeChoice range = FindGridRange(context.productId, context.live);
    if (range.group == nullptr || ShownList(range.list) != context.builtFrom)
        return Outcome(kRuleDoesNothing);
    if (column == kGridValueColumn)
        return ValueClick(grid, context, range, row);
    if (column == kGridHelpColumn) {
        const GridRowKind* kind = KindAt(range.list, row);
        const GridRuleOutcome box =
            kind != nullptr ? GridHelpBox(*kind, context.productId, context.language) : Outcome(kRuleDoesNothing);
        if (box.action == kRuleShowsHelp)
            return box;
        return Outcome(range.group->refreshOnHelpWithoutText ? kRuleRefreshesNow : kRuleDoesNothing);
    }
    return Outcome(kRuleDoesNothing);
}

GridRuleOutcome RunGridChoiceRules(SettingsGridAccess& grid, const GridRuleContext& context, int row, int column,
                                   int index)
{
    // Only a grid the builder filled for this product and firmware has drop-downs of its rows.
    const GridRangeChoice range = FindGridRange(context.productId, context.live);
    const GridRowList* shown = ShownList(range.list);
    if (range.group == nullptr || shown != context.builtFrom)
        return Outcome(kRuleDoesNothing);
    const GridRowKind* kind = column == kGridValueColumn ? KindAt(shown, row) : nullptr;
    if (kind != nullptr && kind->cell == kDropDownCell && kind->store == kStorePlain) {
        GridCellAccess* cell = grid.GetCell(row, kGridValueColumn);
        const bool isCombo = cell != nullptr && cell->AsComboBox() != nullptr;
        if (isCombo && index >= 0 && index < GridItemCount(*kind, UiLanguageRow(context.language)))
            WriteGridDropDownIndex(*kind, context.working, index);
    }
    return Outcome(kRuleRefreshesAtEnd);
}
