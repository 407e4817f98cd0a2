#pragma once
// What a click or a drop-down choice in the basic settings grid means for the page's working
// record. The rules read the same catalogue the grid was built from: the list of the product
// id at the live record's firmware names the row's kind, the kind says where its value lives,
// how it is stored, which rows depend on it and what its "?" shows. A click therefore writes
// what the next build of the grid shows.
//
// The rules know the grid only through the builder's interface, so they run against the
// window grid on the page and against a recording grid in the tests. The answer is a value:
// the page shows the help box or refreshes itself as it says.

#include <string>

#include "device/DeviceConfig.h"
#include "settings/GridRowCatalogue.h"
#include "settings/SettingsGridBuilder.h"

// Every help box of the grid has this width; the height is the row's.
constexpr int kGridHelpBoxWidth = 520;

enum GridRuleAction {
    kRuleDoesNothing,
    kRuleShowsHelp,      // a help box of helpText, helpWidth by helpHeight
    kRuleRefreshesNow,   // the page and the main window, at once
    kRuleRefreshesAtEnd, // the page and the main window, once the click's work is done
};

struct GridRuleOutcome {
    GridRuleAction action = kRuleDoesNothing;
    std::wstring helpText;
    int helpWidth = 0;
    int helpHeight = 0;
};

// What one click or choice reads: the product id, the live record (its firmware picks the
// range), the page's working record (the only one written), the UI language and the list the
// grid was last built from (null for an empty grid).
struct GridRuleContext {
    int productId;
    const DeviceConfig& live;
    DeviceConfig& working;
    int language;
    const GridRowList* builtFrom;
};

// A click at (row, column), after the cell has done its own work (a check box has toggled).
// Column 0 asks for the row's help box; column 2 stores the check box's new state and sets
// its dependants' disabled state. A list looked up afresh that is not the one the grid shows
// (id or firmware changed without a rebuild) stores nothing and asks for nothing.
GridRuleOutcome RunGridClickRules(SettingsGridAccess& grid, const GridRuleContext& context, int row, int column);

// A drop-down's choice at (row, column): item index of the cell's list, after the cell took
// it. Column 2 of a drop-down row stores the value the item stands for; every choice asks for
// a refresh.
GridRuleOutcome RunGridChoiceRules(SettingsGridAccess& grid, const GridRuleContext& context, int row, int column,
                                   int index);

// The help box of a row kind for a product in a UI language (English outside 0 to 12);
// kRuleDoesNothing for a kind without help text.
GridRuleOutcome GridHelpBox(const GridRowKind& kind, int productId, int language);
