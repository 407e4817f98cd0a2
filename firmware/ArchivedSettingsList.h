#pragma once
// The restore page's list of archived settings: every Basic setting the model's settings
// archive holds, one row each, with its name in the UI language, ":" and the archived value
// in words. The rows are the row catalogue's for the archived record's product and firmware,
// without the rows only the grid shows; the values are worded by each kind's restore rule.
//
// Nothing is kept between calls, and only the page's own (UI) thread calls it.

#include <string>
#include <vector>

#include "device/DeviceConfig.h"
#include "device/ModelCatalogue.h"
#include "settings/SettingsGridBuilder.h"

constexpr int kArchivedListNameColumn = 0;
constexpr int kArchivedListColonColumn = 1;
constexpr int kArchivedListValueColumn = 2;

enum class ArchivedListAction {
    kUntouched, // a model without grid rows, or a product id no group takes: visibility is left alone
    kHide,      // another category than Basic, or an archive of another model
    kRows,
};

struct ArchivedSettingsRow {
    std::wstring name;
    std::wstring value;
};

struct ArchivedSettingsRows {
    ArchivedListAction action = ArchivedListAction::kUntouched;
    std::vector<ArchivedSettingsRow> rows;
};

// The restore page's settings categories as the list reads them: the category shown is the
// entry at index, read bounded; an index outside 0 to count - 1 reads no category (0).
struct ArchivedListCategories {
    int count = 0;
    int pages[kSettingsPageSlots] = {0, 0, 0};
    int index = 0;

    int Shown() const;
};

// What the list shows for the model the manager works with (modelCode, which also names the
// archive file), the archived record, the UI language (English outside 0 to 12) and the
// category shown. The rows follow the archived record's product id and firmware, and only an
// archive of modelCode itself is listed: a copied archive of another model would put one
// model's values under another model's names.
ArchivedSettingsRows ChooseArchivedSettingsRows(int modelCode, const DeviceConfig& archive, int language,
                                                const ArchivedListCategories& categories);

// Fills the list: empties it when it holds anything, then leaves it, hides it, or inserts the
// rows with ":" in the middle column before writing the names and values, text only.
void FillArchivedSettings(SettingsGridAccess& list, int modelCode, const DeviceConfig& archive, int language,
                          const ArchivedListCategories& categories);
