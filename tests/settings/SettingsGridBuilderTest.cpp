// The builder's procedure against a recording grid: the order of its passes, the help buttons,
// the option texts, clearing, rebuilding, the records it reads, and cells it cannot use.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "settings/GridRowCatalogue.h"
#include "settings/SettingsGridBuilder.h"
#include "text/NameTables.h"
#include "text/SharedWords.h"

namespace {

// Every list of the chain, once each.
std::vector<const GridRowList*> AllLists()
{
    std::vector<const GridRowList*> lists;
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        const GridRowGroup& group = *kGridRowChain[i];
        for (int r = 0; r <= group.thresholdCount; ++r) {
            for (const GridRowList* list : {group.ranges[r].list, group.ranges[r].otherwise}) {
                bool known = false;
                for (const GridRowList* seen : lists)
                    known = known || seen == list;
                if (list != nullptr && !known)
                    lists.push_back(list);
            }
        }
    }
    return lists;
}

DeviceConfig BusyRecord()
{
    DeviceConfig record = RecordAtFirmware(2, 0);
    for (int w = 0; w < kSettingsWordCount; ++w)
        record.m_settings[w] = 0x5A5A + w;
    record.m_handsfreeVox = 1;
    record.m_voicePrompt = 1;
    return record;
}

TEST(SettingsGridBuilder, PassesRunInsertThenFillThenOptionTexts)
{
    // 0x4210 below 1.1: three check boxes, then a drop-down that depends on the flag word.
    RecordingGrid grid;
    BuildSettingsGrid(grid, 0x4210, RecordAtFirmware(1, 0), RecordAtFirmware(1, 0), 0);
    const std::vector<std::string> expected = {
        "InsertItem 0", "SetCell 0,0",         "GetCell 0,0", "InsertItem 1", "SetCell 1,0",
        "GetCell 1,0",  "InsertItem 2",        "SetCell 2,0", "GetCell 2,0",  "InsertItem 3",
        "SetCell 3,0",  "GetCell 3,0",         "SetItem 0,1", "SetCell 0,2",  "SetItem 1,1",
        "SetCell 1,2",  "SetItem 2,1",         "SetCell 2,2", "SetItem 3,1",  "SetCell 3,2",
        "GetCell 3,2",  "SetCellDisabled 3,2", "GetCell 0,2", "GetCell 1,2",  "GetCell 2,2",
    };
    EXPECT_EQ(grid.m_calls, expected);
}

TEST(SettingsGridBuilder, EveryRowHasAHelpButtonAndEveryCheckBoxItsOptionTexts)
{
    for (const GridRowList* list : AllLists()) {
        SCOPED_TRACE(list->name);
        RecordingGrid grid;
        BuildGridRows(grid, *list, BusyRecord(), 0);
        ASSERT_EQ(grid.m_rowCount, list->count);
        for (int row = 0; row < list->count; ++row) {
            const RecordedCell* help = grid.Cell(row, kGridHelpColumn);
            ASSERT_NE(help, nullptr);
            EXPECT_EQ(help->cellClass, kPushButtonCellClass);
            EXPECT_EQ(help->text, L"");
            EXPECT_EQ(help->bitmapId, kGridHelpBitmapId);
            EXPECT_EQ(grid.Item(row, 0), L"");
            const GridRowKind& kind = GetGridRowKind(list->rows[row].kind);
            EXPECT_EQ(grid.Item(row, kGridNameColumn), kind.label(0));
            const RecordedCell* value = grid.Cell(row, kGridValueColumn);
            ASSERT_NE(value, nullptr);
            if (kind.cell == kCheckBoxCell) {
                EXPECT_EQ(value->cellClass, kCheckBoxCellClass);
                EXPECT_TRUE(value->text == L"0" || value->text == L"1");
                EXPECT_EQ(value->checkedText, GetTextEnable(0));
                EXPECT_EQ(value->uncheckedText, GetTextDisable(0));
                EXPECT_FALSE(value->curSel.has_value());
            } else {
                EXPECT_EQ(value->cellClass, kComboBoxCellClass);
                EXPECT_FALSE(value->checkedText.has_value());
                EXPECT_FALSE(value->uncheckedText.has_value());
                EXPECT_TRUE(value->curSel.has_value());
            }
            EXPECT_EQ(value->disabled.has_value(), list->rows[row].dependency != kAlwaysEnabled);
        }
    }
}

TEST(SettingsGridBuilder, ClearsOnlyAGridThatHoldsItems)
{
    RecordingGrid grid;
    BuildSettingsGrid(grid, 0x5520, RecordAtFirmware(2, 0), RecordAtFirmware(2, 0), 0);
    ASSERT_FALSE(grid.m_calls.empty());
    EXPECT_NE(grid.m_calls.front(), "DeleteAllItems");
    grid.m_calls.clear();
    BuildSettingsGrid(grid, 0x5520, RecordAtFirmware(2, 0), RecordAtFirmware(2, 0), 0);
    EXPECT_EQ(grid.m_calls.front(), "DeleteAllItems");
    EXPECT_EQ(grid.m_rowCount, 12);

    RecordingGrid empty;
    BuildSettingsGrid(empty, 0x4D10, RecordAtFirmware(2, 0), RecordAtFirmware(2, 0), 0);
    EXPECT_TRUE(empty.m_calls.empty());
}

TEST(SettingsGridBuilder, BuildingTwiceGivesTheSameGrid)
{
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        const GridRowGroup& group = *kGridRowChain[i];
        const int productId = group.products.ids[0];
        for (int major : {0, 1, 2, 3}) {
            RecordingGrid once;
            BuildSettingsGrid(once, productId, RecordAtFirmware(major, 5), BusyRecord(), 0);
            RecordingGrid twice;
            BuildSettingsGrid(twice, productId, RecordAtFirmware(major, 5), BusyRecord(), 0);
            BuildSettingsGrid(twice, productId, RecordAtFirmware(major, 5), BusyRecord(), 0);
            EXPECT_EQ(once.m_rowCount, twice.m_rowCount) << group.name;
            EXPECT_EQ(once.m_items, twice.m_items) << group.name;
            ASSERT_EQ(once.m_cells.size(), twice.m_cells.size()) << group.name;
            for (const auto& [key, cell] : once.m_cells) {
                const RecordedCell* again = twice.Cell(key.first, key.second);
                ASSERT_NE(again, nullptr);
                EXPECT_EQ(cell.text, again->text);
                EXPECT_EQ(cell.curSel, again->curSel);
                EXPECT_EQ(cell.disabled, again->disabled);
                EXPECT_EQ(cell.checkedText, again->checkedText);
            }
        }
    }
}

TEST(SettingsGridBuilder, FirmwareOfTheWorkingRecordPicksNoRows)
{
    for (std::size_t i = 0; i < kGridRowChainLength; ++i) {
        const GridRowGroup& group = *kGridRowChain[i];
        for (std::size_t p = 0; p < group.products.count; ++p) {
            const int productId = group.products.ids[p];
            for (int major : {1, 2, 3}) {
                const DeviceConfig live = RecordAtFirmware(major, 1);
                RecordingGrid reference;
                BuildSettingsGrid(reference, productId, live, live, 0);
                for (int workingMajor : {0, 9}) {
                    RecordingGrid other;
                    BuildSettingsGrid(other, productId, live, RecordAtFirmware(workingMajor, 0), 0);
                    EXPECT_EQ(other.m_items, reference.m_items) << std::hex << productId;
                    ASSERT_EQ(other.m_cells.size(), reference.m_cells.size());
                    for (const auto& [key, cell] : reference.m_cells)
                        EXPECT_EQ(cell.cellClass, other.Cell(key.first, key.second)->cellClass);
                }
            }
        }
    }
}

TEST(SettingsGridBuilder, ValuesComeFromTheWorkingRecordOnly)
{
    DeviceConfig live = RecordAtFirmware(2, 0);
    live.m_settings[18] = 1; // Audio Boost off in the unit
    live.m_settings[23] = 1;
    DeviceConfig working = RecordAtFirmware(2, 0);
    RecordingGrid grid;
    BuildSettingsGrid(grid, 0x5520, live, working, 0);
    EXPECT_EQ(grid.Cell(0, kGridValueColumn)->text, L"0");
    EXPECT_EQ(grid.Cell(4, kGridValueColumn)->disabled, 0);
}

TEST(SettingsGridBuilder, UiLanguageNamesRowsAndOutsideTheLanguagesReadsEnglish)
{
    const DeviceConfig record = RecordAtFirmware(3, 0);
    RecordingGrid english;
    BuildSettingsGrid(english, 0x5510, record, record, 0);
    for (int language : {-1, 13, 1000}) {
        RecordingGrid grid;
        BuildSettingsGrid(grid, 0x5510, record, record, language);
        EXPECT_EQ(grid.m_items, english.m_items) << language;
        EXPECT_EQ(grid.Cell(0, kGridValueColumn)->checkedText, GetTextEnable(0));
        EXPECT_EQ(grid.Cell(12, kGridValueColumn)->text, english.Cell(12, kGridValueColumn)->text);
    }
    RecordingGrid russian;
    BuildSettingsGrid(russian, 0x5510, record, record, 8);
    EXPECT_EQ(russian.Item(0, kGridNameColumn), TextAudioBoost(8));
    EXPECT_EQ(russian.Cell(0, kGridValueColumn)->checkedText, GetTextEnable(8));
}

TEST(SettingsGridBuilder, CellsThatAreMissingOrOfAnotherClassAreSkipped)
{
    for (RecordingGrid::LookupMode mode : {RecordingGrid::kFindNothing, RecordingGrid::kFindWrongClass}) {
        for (const GridRowList* list : AllLists()) {
            SCOPED_TRACE(list->name);
            RecordingGrid grid;
            grid.m_lookup = mode;
            BuildGridRows(grid, *list, BusyRecord(), 0);
            EXPECT_EQ(grid.m_rowCount, list->count);
            for (const auto& [key, cell] : grid.m_cells) {
                EXPECT_FALSE(cell.bitmapId.has_value());
                EXPECT_FALSE(cell.curSel.has_value());
                EXPECT_FALSE(cell.checkedText.has_value());
                EXPECT_FALSE(cell.uncheckedText.has_value());
            }
            // The rows themselves are all there.
            for (int row = 0; row < list->count; ++row)
                EXPECT_NE(grid.Cell(row, kGridValueColumn), nullptr);
        }
    }
}

TEST(SettingsGridBuilder, LookupFollowsTheGivenRecordsFirmware)
{
    // The restore list passes the archived record: its firmware picks the range.
    const GridRowList* older = FindGridRowList(0x3110, RecordAtFirmware(2, 1));
    const GridRowList* newer = FindGridRowList(0x3110, RecordAtFirmware(2, 2));
    ASSERT_NE(older, nullptr);
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(older->count, 17);
    EXPECT_EQ(newer->count, 18);
    EXPECT_EQ(FindGridRowList(0x6028, RecordAtFirmware(1, 0)), nullptr);
    EXPECT_EQ(FindGridRowList(0x4D10, RecordAtFirmware(1, 0)), &kGridNoRows);
    EXPECT_EQ(FindGridRowGroup(0x5624), FindGridRowGroup(0x5622));
}

} // namespace
