// The whole table of the restore page's list, held against hand-written texts of every row of
// every product and archived firmware range (data/ArchivedRows.txt for the models with single
// bits, packed numbers and whole settings words, data/ArchivedRowsOfFlagAndOptionModels.txt for
// the flag-word, option-int and camera models, with the product groups in the order the list
// tests them): archived records go through the archive writer and reader and the list
// procedure on a recording list, and every "name : value" line must match the text's block
// with its rules applied to the record.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ArchivedListProbe.h"
#include "afx/afxstr.h"
#include "firmware/ArchivedSettingsList.h"
#include "firmware/SettingsArchive.h"
#include "settings/GridRowCatalogue.h"
#include "tests/settings/RecordingGrid.h"

namespace {

const char* const kTableTexts[] = {
#include "data/ArchivedRows.txt"
    ,
#include "data/ArchivedRowsOfFlagAndOptionModels.txt"
};

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> parts;
    std::stringstream in(line);
    std::string part;
    while (std::getline(in, part, '|'))
        parts.push_back(Trim(part));
    return parts;
}

// A value rule: the text of each listed value and of every other value ("#": the decimal;
// "N-#": N minus the value, in decimal).
struct Rule {
    std::map<int, std::wstring> texts;
    std::wstring otherwise;

    std::wstring Apply(int value) const
    {
        const auto found = texts.find(value);
        const std::wstring text = found != texts.end() ? found->second : otherwise;
        if (text == L"#")
            return std::to_wstring(value);
        const std::size_t minus = text.find(L"-#");
        if (minus != std::wstring::npos && minus > 0 && minus + 2 == text.size())
            return std::to_wstring(std::stoi(text.substr(0, minus)) - value);
        return text;
    }
};

// Where a row's value lives: the value the list words, and the raw place a record is set in.
struct Field {
    enum Form { kWord, kBits, kOption, kReading } form = kWord;
    int word = 0;
    int low = 0;
    int high = 31;
    int DeviceConfig::*option = nullptr;
    int (DeviceConfig::*reading)() const = nullptr;

    int Read(const DeviceConfig& record) const
    {
        switch (form) {
        case kWord: return record.m_settings[word];
        case kBits: return static_cast<int>((static_cast<unsigned>(record.m_settings[word]) >> low) & Mask());
        case kOption: return record.*option;
        case kReading: return (record.*reading)();
        }
        return 0;
    }

    void Write(DeviceConfig& record, int value) const
    {
        if (form == kOption) {
            record.*option = value;
        } else if (form == kWord) {
            record.m_settings[word] = value;
        } else {
            const unsigned mask = Mask() << low;
            const unsigned old = static_cast<unsigned>(record.m_settings[word]) & ~mask;
            record.m_settings[word] = static_cast<int>(old | ((static_cast<unsigned>(value) << low) & mask));
        }
    }

    unsigned Mask() const { return high - low >= 31 ? ~0u : (1u << (high - low + 1)) - 1; }
};

Field ParseField(const std::string& text)
{
    static const std::regex wordForm(R"((?:(\w+) \()?word (\d+)(?: bits? (\d+)(?:-(\d+))?)?\)?)");
    static const std::map<std::string, int DeviceConfig::*> options = {
        {"m_handsfreeVox", &DeviceConfig::m_handsfreeVox}, {"m_intercomVox", &DeviceConfig::m_intercomVox},
        {"m_voicePrompt", &DeviceConfig::m_voicePrompt},   {"m_bitpoolRate", &DeviceConfig::m_bitpoolRate},
        {"m_sidetone", &DeviceConfig::m_sidetone},         {"m_hushguard", &DeviceConfig::m_hushguard},
    };
    static const std::map<std::string, int (DeviceConfig::*)() const> readings = {
        {"GetPackedVoxSensitivity", &DeviceConfig::GetPackedVoxSensitivity},
        {"GetPackedSmartVolumeControl", &DeviceConfig::GetPackedSmartVolumeControl},
        {"GetPackedOverlaySensitivity", &DeviceConfig::GetPackedOverlaySensitivity},
        {"GetUnitLanguage", &DeviceConfig::GetUnitLanguage},
        {"GetEssStatus", &DeviceConfig::GetEssStatus},
        {"GetEssSensitivity", &DeviceConfig::GetEssSensitivity},
    };
    Field field;
    const auto option = options.find(text);
    if (option != options.end()) {
        field.form = Field::kOption;
        field.option = option->second;
        return field;
    }
    std::smatch m;
    if (!std::regex_match(text, m, wordForm)) {
        ADD_FAILURE() << "unreadable field " << text;
        return field;
    }
    field.word = std::stoi(m[2]);
    if (m[3].matched) {
        field.form = Field::kBits;
        field.low = std::stoi(m[3]);
        field.high = m[4].matched ? std::stoi(m[4]) : field.low;
    }
    if (m[1].matched) {
        const auto reading = readings.find(m[1]);
        if (reading == readings.end()) {
            ADD_FAILURE() << "unknown reading " << text;
        } else {
            field.form = Field::kReading;
            field.reading = reading->second;
            // Written raw at the bracketed place; read through the record's reading.
            field.low = m[3].matched ? std::stoi(m[3]) : 0;
            field.high = m[4].matched ? std::stoi(m[4]) : field.low;
        }
    }
    return field;
}

struct Version {
    int major;
    int minor;
    bool operator<(const Version& other) const
    {
        return major != other.major ? major < other.major : minor < other.minor;
    }
};

struct Row {
    int number;
    std::wstring name;
    std::string rule;
    std::string fieldText;
    Field field;
};

struct Block {
    std::vector<int> ids;
    bool fromOldest = true;
    Version from{0, 0};
    bool toNewest = true;
    Version to{0, 0};
    std::vector<Row>* rows = nullptr;

    bool Holds(int id, Version v) const
    {
        bool named = false;
        for (int each : ids)
            named = named || each == id;
        return named && (fromOldest || !(v < from)) && (toNewest || v < to);
    }
};

// A product group of the list's dispatch, in test order, with rows or none.
struct Group {
    int order;
    std::vector<int> ids;
    bool rows;
};

std::vector<int> ParseIds(const std::string& text)
{
    std::vector<int> ids;
    std::stringstream in(text);
    std::string id;
    while (in >> id)
        ids.push_back(std::stoi(id, nullptr, 16));
    return ids;
}

struct Table {
    std::vector<Group> groups;
    std::map<std::string, Rule> rules;
    std::vector<std::vector<Row>> rowLists;
    std::vector<Block> blocks;
};

Version ParseVersion(const std::string& text)
{
    const std::size_t dot = text.find('.');
    return Version{std::stoi(text.substr(0, dot)), std::stoi(text.substr(dot + 1))};
}

// Reads one text into the table; the rules of every text hold for all of them.
void ReadText(const char* text, Table& table)
{
    std::stringstream in(text);
    std::string line;
    Rule* rule = nullptr;
    std::vector<Row>* rows = nullptr;
    bool inHeaders = false;
    static const std::regex blockForm(R"(block ((?:0x[0-9A-F]+ )+)from (\S+) to (\S+))");
    static const std::regex groupForm(R"(group (\d+) \| ((?:0x[0-9A-F]+ ?)+) \| (rows|none))");
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        std::smatch m;
        if (std::regex_match(line, m, groupForm)) {
            table.groups.push_back(Group{std::stoi(m[1]), ParseIds(m[2]), m[3] == "rows"});
            rule = nullptr;
            rows = nullptr;
            inHeaders = false;
        } else if (line.rfind("rule ", 0) == 0) {
            EXPECT_EQ(table.rules.count(line.substr(5)), 0u) << "a rule written twice: " << line;
            rule = &table.rules[line.substr(5)];
            rows = nullptr;
            inHeaders = false;
        } else if (std::regex_match(line, m, blockForm)) {
            if (!inHeaders) {
                ASSERT_LT(table.rowLists.size(), table.rowLists.capacity()) << "more row lists than room";
                table.rowLists.emplace_back();
                rows = &table.rowLists.back();
            }
            inHeaders = true;
            rule = nullptr;
            Block block;
            block.ids = ParseIds(m[1]);
            block.fromOldest = m[2] == "-";
            if (!block.fromOldest)
                block.from = ParseVersion(m[2]);
            block.toNewest = m[3] == "-";
            if (!block.toNewest)
                block.to = ParseVersion(m[3]);
            block.rows = rows;
            table.blocks.push_back(block);
        } else {
            const std::vector<std::string> parts = Split(line);
            inHeaders = false;
            if (rule != nullptr && parts.size() == 2) {
                if (parts[0] == "else")
                    rule->otherwise = AfxUtf8ToWide(parts[1]);
                else
                    rule->texts[std::stoi(parts[0])] = AfxUtf8ToWide(parts[1]);
            } else if (rows != nullptr && parts.size() == 4) {
                rows->push_back(
                    Row{std::stoi(parts[0]), AfxUtf8ToWide(parts[1]), parts[2], parts[3], ParseField(parts[3])});
            } else {
                ADD_FAILURE() << "unreadable line " << line;
            }
        }
    }
}

Table ReadTable()
{
    Table table;
    // Blocks point into the row lists: room for every list of every text, never moved.
    table.rowLists.reserve(400);
    for (const char* text : kTableTexts)
        ReadText(text, table);
    return table;
}

const Table& TheTable()
{
    static const Table table = ReadTable();
    return table;
}

// Every version the run takes for an id: fixed points, and at, just below and as a release
// candidate of each threshold of the id's blocks.
std::vector<std::pair<Version, int>> VersionsOf(int id)
{
    std::vector<std::pair<Version, int>> versions = {{{0, 1}, 0},  {{1, 0}, 0}, {{1, 10}, 0},
                                                     {{2, 10}, 0}, {{3, 0}, 0}, {{9, 9}, 0}};
    for (const Block& block : TheTable().blocks) {
        if (std::find(block.ids.begin(), block.ids.end(), id) == block.ids.end())
            continue;
        for (const auto& [open, threshold] :
             {std::make_pair(block.fromOldest, block.from), std::make_pair(block.toNewest, block.to)}) {
            if (open)
                continue;
            versions.push_back({threshold, 0});
            versions.push_back({threshold, 1}); // release candidate 1 of the threshold
            if (threshold.minor > 0) {
                versions.push_back({{threshold.major, threshold.minor - 1}, 0});
            } else {
                versions.push_back({{threshold.major - 1, 9}, 0});
                versions.push_back({{threshold.major - 1, 10}, 0});
            }
        }
    }
    std::sort(versions.begin(), versions.end(), [](const auto& a, const auto& b) {
        return a.first < b.first || (!(b.first < a.first) && a.second < b.second);
    });
    versions.erase(std::unique(versions.begin(), versions.end(),
                               [](const auto& a, const auto& b) {
                                   return !(a.first < b.first) && !(b.first < a.first) && a.second == b.second;
                               }),
                   versions.end());
    return versions;
}

const Block* BlockFor(int id, Version v)
{
    const Block* found = nullptr;
    for (const Block& block : TheTable().blocks) {
        if (block.Holds(id, v)) {
            EXPECT_EQ(found, nullptr) << "two blocks for " << std::hex << id << std::dec << " at " << v.major << "."
                                      << v.minor;
            found = &block;
        }
    }
    return found;
}

std::vector<int> AllIds()
{
    std::vector<int> ids;
    for (const Block& block : TheTable().blocks)
        for (int id : block.ids)
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
    return ids;
}

std::string Where(int id, Version v, int rc)
{
    std::stringstream where;
    where << "product 0x" << std::hex << std::uppercase << id << std::dec << " at " << v.major << "." << v.minor;
    if (rc != 0)
        where << " rc" << rc;
    return where.str();
}

// A record of the product at the firmware version, a release candidate when rc is not 0.
DeviceConfig RecordAt(int id, Version v, int rc)
{
    DeviceConfig record;
    record.m_modelCode = id;
    record.m_firmwareVersion.major = v.major;
    record.m_firmwareVersion.minor = v.minor;
    if (rc != 0) {
        record.m_firmwareVersion.kind = 1;
        record.m_firmwareVersion.build = rc;
    }
    return record;
}

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
                    const std::wstring expected =
                        row.name + L" : " + table.rules.at(row.rule).Apply(row.field.Read(record));
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
