// The whole table of the restore page's list, held against the hand-written texts of every
// row of every product and archived firmware range (ArchivedRowsText.h): archived records go
// through the archive writer and reader and the list procedure on a recording list, and every
// "name : value" line must match the text's block with its rules applied to the record.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ArchivedListProbe.h"
#include "ArchivedRowsText.h"
#include "afx/afxstr.h"
#include "firmware/ArchivedSettingsList.h"
#include "firmware/SettingsArchive.h"
#include "settings/GridRowCatalogue.h"
#include "tests/settings/RecordingGrid.h"

namespace {

using namespace archivedrows;

// The records of one case: all zero; each row's field alone at 1 (every bit alone); every
// row's field at once at each value that some rule words apart, and beyond every table.
std::vector<DeviceConfig> RecordsFor(const DeviceConfig& base, const std::vector<Row>& rows)
{
    static const int kTogether[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, -1, 0x7FFF};
    std::vector<DeviceConfig> records = {base};
    for (const Row& row : rows) {
        DeviceConfig alone = base;
        row.field.Write(alone, 1);
        records.push_back(alone);
    }
    for (int value : kTogether) {
        DeviceConfig together = base;
        for (const Row& row : rows)
            row.field.Write(together, value);
        records.push_back(together);
    }
    return records;
}

TEST(ArchivedRowsTable, TheTextReadsWhole)
{
    const Table& table = TheTable();
    EXPECT_EQ(table.rules.size(), 13u + 10u);
    for (const Block& block : table.blocks) {
        ASSERT_NE(block.rows, nullptr);
        for (std::size_t i = 0; i < block.rows->size(); ++i) {
            const Row& row = (*block.rows)[i];
            EXPECT_EQ(row.number, static_cast<int>(i)) << AfxWideToUtf8(row.name);
            EXPECT_EQ(table.rules.count(row.rule), 1u) << row.rule;
        }
    }
    EXPECT_EQ(AllIds().size(), 35u + 27u);
}

// The 52 product groups name every id once, in test order; the groups with rows name exactly
// the ids of the blocks, and only those.
TEST(ArchivedRowsTable, TheGroupsNameEveryIdOnceAndTheBlocksTheIdsWithRows)
{
    const Table& table = TheTable();
    ASSERT_EQ(table.groups.size(), 52u);
    std::vector<int> withRows;
    std::vector<int> without;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        const Group& group = table.groups[i];
        EXPECT_EQ(group.order, static_cast<int>(i) + 1);
        for (int id : group.ids)
            (group.rows ? withRows : without).push_back(id);
    }
    EXPECT_EQ(without.size(), 45u);
    EXPECT_EQ(withRows.size(), 62u);
    std::vector<int> all = withRows;
    all.insert(all.end(), without.begin(), without.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "an id named twice";
    std::vector<int> blockIds = AllIds();
    std::sort(blockIds.begin(), blockIds.end());
    std::sort(withRows.begin(), withRows.end());
    EXPECT_EQ(withRows, blockIds);
}

// The ids of the groups without rows, and 0x6028, which sits between the 0x60xx ids but no
// group takes, at any archived firmware: a list that held rows is emptied and gets none, and
// is neither hidden nor shown.
TEST(ArchivedRowsTable, TheIdsWithoutRowsLeaveTheListAlone)
{
    std::vector<int> ids = {0x6028};
    for (const Group& group : TheTable().groups)
        if (!group.rows)
            ids.insert(ids.end(), group.ids.begin(), group.ids.end());
    ASSERT_EQ(ids.size(), 46u);
    for (int id : ids) {
        for (const auto& [version, rc] : VersionsOf(id)) {
            RecordingGrid list;
            list.InsertItem(0, L"kept");
            FillArchivedSettings(list, id, ParseSettingsArchive(FormatSettingsArchive(RecordAt(id, version, rc), 0)), 0,
                                 Basic());
            EXPECT_EQ(list.GetItemCount(), 0) << Where(id, version, rc);
            EXPECT_FALSE(list.m_hidden) << Where(id, version, rc);
        }
    }
}

TEST(ArchivedRowsTable, EveryCaseThroughWriterReaderAndListShowsItsBlock)
{
    const Table& table = TheTable();
    for (int id : AllIds()) {
        for (const auto& [version, rc] : VersionsOf(id)) {
            const std::string where = Where(id, version, rc);
            const Block* block = BlockFor(id, version);
            if (block == nullptr) {
                ADD_FAILURE() << where << ": no block";
                continue;
            }
            const DeviceConfig base = RecordAt(id, version, rc);
            int failures = 0;
            for (const DeviceConfig& record : RecordsFor(base, *block->rows)) {
                const DeviceConfig archive = ParseSettingsArchive(FormatSettingsArchive(record, 0));
                RecordingGrid list;
                FillArchivedSettings(list, id, archive, 0, Basic());
                ASSERT_EQ(list.GetItemCount(), static_cast<int>(block->rows->size())) << where;
                for (const Row& row : *block->rows) {
                    const std::wstring expected = ExpectedLine(table, row, record);
                    const std::wstring shown = list.Item(row.number, kArchivedListNameColumn) + L" " +
                                               list.Item(row.number, kArchivedListColonColumn) + L" " +
                                               list.Item(row.number, kArchivedListValueColumn);
                    if (shown != expected && ++failures <= 3)
                        ADD_FAILURE() << where << ", row " << row.number << " (" << row.fieldText << " = "
                                      << row.field.Read(record) << "): shows \"" << AfxWideToUtf8(shown)
                                      << "\", expected \"" << AfxWideToUtf8(expected) << "\"";
                }
            }
        }
    }
}

// The grid's list of each group and range, without the rows only the grid shows, names the
// same rows in the same order.
TEST(ArchivedRowsTable, TheGridsListsNameTheSameRows)
{
    for (int id : AllIds()) {
        for (const auto& [version, rc] : VersionsOf(id)) {
            const Block* block = BlockFor(id, version);
            if (block == nullptr)
                continue;
            DeviceConfig record;
            record.m_firmwareVersion.major = version.major;
            record.m_firmwareVersion.minor = version.minor;
            const GridRowList* list = FindGridRowList(id, record);
            ASSERT_NE(list, nullptr) << Where(id, version, rc);
            std::vector<std::wstring> names;
            for (int i = 0; i < list->count; ++i) {
                const GridRowKind& kind = GetGridRowKind(list->rows[i].kind);
                if (kind.restoreRule != kRestoreGridOnly)
                    names.push_back(kind.label(0));
            }
            std::vector<std::wstring> expected;
            for (const Row& row : *block->rows)
                expected.push_back(row.name);
            EXPECT_EQ(names, expected) << Where(id, version, rc);
        }
    }
}

// 0x6028 sits between the 0x60xx ids but no group takes it: the list is emptied, gets no rows
// and is neither hidden nor shown.
TEST(ArchivedRowsTable, AnIdBetweenTheGroupsLeavesTheListAlone)
{
    for (const char* version : {"0.1", "1.1", "1.2", "2.0", "9.9"}) {
        RecordingGrid list;
        list.InsertItem(0, L"kept");
        FillArchivedSettings(list, 0x6028, ArchiveOf(0x6028, version), 0, Basic());
        EXPECT_EQ(list.GetItemCount(), 0) << version;
        EXPECT_EQ(RowsOf(ArchiveOf(0x6028, version)).action, ArchivedListAction::kUntouched) << version;
        EXPECT_FALSE(list.m_hidden) << version;
    }
}

// An archive written before the writer stored words 12 and 22 to 24: 57 lines, typed out here.
// %ID% and %VERSION% stand for the product id and the firmware.
const wchar_t* const kOlderArchive =
    L"keyManagerVersion=1.0\r\nkeyDeviceRecognized=%ID%\r\nkeyDeviceName=Unit\r\nkeyDeviceVersion=%VERSION%\r\n"
    L"keyDeviceSecondaryVersionType=0\r\nkeyDeviceSecondaryVersion=0\r\nkeyDateArchived=01/02/2026 10:20:30\r\n"
    L"keyIntercomVOX=1\r\nkeyHandsfreeVOX=1\r\nkeyEDR=0\r\nkeyVoicePrompt=0\r\nkeyPLC=0\r\nkeyBitpoolRate=1\r\n"
    L"keyMicrophoneBoost=0\r\nkeySidetone=1\r\nkeyHushguard=1\r\nkeyAutoGainControl=0\r\n"
    L"keyBasicSettingOrvan01=0\r\nkeyBasicSettingOrvan02=0\r\nkeyBasicSettingOrvan03=14\r\n"
    L"keyBasicSettingOrvan04=0\r\nkeyBasicSettingOrvan05=0\r\nkeyBasicSettingOrvan06=0\r\n"
    L"keyBasicSettingOrvan07=0\r\nkeyBasicSettingOrvan08=0\r\nkeyBasicSettingOrvan09=0\r\n"
    L"keyBasicSettingOrvan10=0\r\nkeyBasicSettingJarretVOXSensitivity01=4\r\n"
    L"keyBasicSettingJarretVOXSensitivity02=0\r\nkeyBasicSettingWZ1SmartVolumeControl01=2\r\n"
    L"keyBasicSettingWZ1SmartVolumeControl02=0\r\nkeyBasicSettingZimboCamera01=0\r\n"
    L"keyBasicSettingZimboCamera02=0\r\nkeyRadioTransmitGain=0\r\nkeyAudioChannelTimeout=0\r\n"
    L"keyAudioBoost=1\r\nkeyHDIntercom=1\r\nkeyFMStationGuide=1\r\nkeyHDVoice=1\r\nkeyFMRadioRegion=0\r\n"
    L"keyFMRadioMagicCode=0\r\nkeyFMRadioCurrentFrequency=0\r\nkeyFMRadioCurrentPreset=0\r\n"
    L"keyFMRadioPreset01=0\r\nkeyFMRadioPreset02=0\r\nkeyFMRadioPreset03=0\r\nkeyFMRadioPreset04=0\r\n"
    L"keyFMRadioPreset05=0\r\nkeyFMRadioPreset06=0\r\nkeyFMRadioPreset07=0\r\nkeyFMRadioPreset08=0\r\n"
    L"keyFMRadioPreset09=0\r\nkeyFMRadioPreset10=0\r\nkeyFMRadioRDS=0\r\n"
    L"keySpeedDial01=\r\nkeySpeedDial02=\r\nkeySpeedDial03=\r\n";

std::wstring OlderArchive(const std::wstring& id, const std::wstring& version)
{
    std::wstring text = kOlderArchive;
    text.replace(text.find(L"%ID%"), 4, id);
    text.replace(text.find(L"%VERSION%"), 9, version);
    return text;
}

TEST(ArchivedRowsTable, AnOlderArchiveShowsTheZeroReadingsOfTheWordsItLacks)
{
    struct Case {
        const wchar_t* id;
        const wchar_t* version;
        std::vector<std::wstring> lines;
    };
    // clang-format off
    const Case cases[] = {
        {L"24592", L"1.2", {L"Routecue : Disabled", L"Audio Boost : Disabled", L"VOX Phone : Enabled",
                            L"VOX Intercom : Enabled", L"HD Intercom : Enabled", L"VOX Sensitivity : Level 4",
                            L"Voice Prompt : Enabled", L"High Quality A2DP : Enabled", L"Sidetone : Enabled",
                            L"Hushguard™ : Disabled", L"ESS STATUS : Fog Light + ESS ON",
                            L"ESS Sensitivity : High"}},
        {L"22050", L"2.0", {L"Audio Boost : Disabled", L"Smart Volume Control : Medium", L"VOX Phone : Enabled",
                            L"VOX Intercom : Enabled", L"Dualstream™ : Disabled", L"Audio Source Priority : Intercom",
                            L"HD Voice : Enabled", L"HD Intercom : Enabled", L"VOX Sensitivity : 4",
                            L"Voice Prompt : Enabled", L"FM Station Guide : Enabled", L"Hushguard™ : Disabled"}},
        {L"21520", L"1.1", {L"Audio Boost : Disabled", L"Smart Volume Control : Medium", L"VOX Phone : Enabled",
                            L"Layertone™ : Disabled", L"HD Voice : Enabled", L"VOX Sensitivity : Level 4",
                            L"Voice Prompt : Enabled", L"Sidetone : Enabled"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::wstring text = OlderArchive(c.id, c.version);
        ASSERT_EQ(std::count(text.begin(), text.end(), L'\n'), 57);
        const DeviceConfig archive = ParseSettingsArchive(text);
        RecordingGrid list;
        FillArchivedSettings(list, archive.m_modelCode, archive, 0, Basic());
        std::vector<std::wstring> lines;
        for (int row = 0; row < list.GetItemCount(); ++row)
            lines.push_back(list.Item(row, kArchivedListNameColumn) + L" " + list.Item(row, kArchivedListColonColumn) +
                            L" " + list.Item(row, kArchivedListValueColumn));
        EXPECT_EQ(lines, c.lines) << AfxWideToUtf8(c.id) << " at " << AfxWideToUtf8(c.version);
    }
}

} // namespace
