#include "firmware/ArchivedSettingsList.h"

#include "settings/GridRestoreText.h"
#include "settings/GridRowCatalogue.h"

int ArchivedListCategories::Shown() const
{
    if (index < 0 || index >= count || index >= kSettingsPageSlots)
        return 0;
    return pages[index];
}

ArchivedSettingsRows ChooseArchivedSettingsRows(int modelCode, const DeviceConfig& archive, int language,
                                                const ArchivedListCategories& categories)
{
    ArchivedSettingsRows chosen;
    const GridRowList* modelRows = FindGridRowList(modelCode, archive);
    if (modelRows == nullptr || modelRows == &kGridNoRows)
        return chosen;
    chosen.action = ArchivedListAction::kHide;
    if (categories.Shown() != kSettingsCategoryBasic || archive.m_modelCode != modelCode)
        return chosen;

    const GridRowList* list = FindGridRowList(archive.m_modelCode, archive);
    chosen.action = ArchivedListAction::kRows;
    const GridListWords words = GridListWords::From(archive);
    for (int row = 0; row < list->count; ++row) {
        const GridRowKind& kind = GetGridRowKind(list->rows[row].kind);
        if (kind.restoreRule == kRestoreGridOnly)
            continue;
        chosen.rows.push_back({kind.label(language), GridRestoreValueText(kind, archive, words, language)});
    }
    return chosen;
}

void FillArchivedSettings(SettingsGridAccess& list, int modelCode, const DeviceConfig& archive, int language,
                          const ArchivedListCategories& categories)
{
    if (list.GetItemCount() > 0)
        list.DeleteAllItems();
    const ArchivedSettingsRows chosen = ChooseArchivedSettingsRows(modelCode, archive, language, categories);
    switch (chosen.action) {
    case ArchivedListAction::kUntouched: return;
    case ArchivedListAction::kHide: list.Hide(); return;
    case ArchivedListAction::kRows: break;
    }
    const int count = static_cast<int>(chosen.rows.size());
    for (int row = 0; row < count; ++row) {
        list.InsertItem(row, L"");
        list.SetItem(row, kArchivedListColonColumn, L":");
    }
    for (int row = 0; row < count; ++row) {
        list.SetItem(row, kArchivedListNameColumn, chosen.rows[row].name);
        list.SetItem(row, kArchivedListValueColumn, chosen.rows[row].value);
    }
}
