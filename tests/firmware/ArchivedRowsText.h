#pragma once
// The hand-written texts of the restore page's list: every row of every product and archived
// firmware range, with the value rules that word the rows (data/ArchivedRows.txt for the models
// with single bits, packed numbers and whole settings words, data/ArchivedRowsOfFlagAndOptionModels.txt
// for the flag-word, option-int and camera models, with the product groups in the order the
// list tests them), read into a table for the native whole-table check and the window tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "afx/afxstr.h"
#include "device/DeviceConfig.h"

namespace archivedrows {

inline const char* const kTableTexts[] = {
#include "data/ArchivedRows.txt"
    ,
#include "data/ArchivedRowsOfFlagAndOptionModels.txt"
};

inline std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

inline std::vector<std::string> Split(const std::string& line)
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

inline Field ParseField(const std::string& text)
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

inline std::vector<int> ParseIds(const std::string& text)
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

inline Version ParseVersion(const std::string& text)
{
    const std::size_t dot = text.find('.');
    return Version{std::stoi(text.substr(0, dot)), std::stoi(text.substr(dot + 1))};
}

// Reads one text into the table; the rules of every text hold for all of them.
inline void ReadText(const char* text, Table& table)
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

inline Table ReadTable()
{
    Table table;
    // Blocks point into the row lists: room for every list of every text, never moved.
    table.rowLists.reserve(400);
    for (const char* text : kTableTexts)
        ReadText(text, table);
    return table;
}

inline const Table& TheTable()
{
    static const Table table = ReadTable();
    return table;
}

// Every version the run takes for an id: fixed points, and at, just below and as a release
// candidate of each threshold of the id's blocks.
inline std::vector<std::pair<Version, int>> VersionsOf(int id)
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

inline const Block* BlockFor(int id, Version v)
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

inline std::vector<int> AllIds()
{
    std::vector<int> ids;
    for (const Block& block : TheTable().blocks)
        for (int id : block.ids)
            if (std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
    return ids;
}

inline std::string Where(int id, Version v, int rc)
{
    std::stringstream where;
    where << "product 0x" << std::hex << std::uppercase << id << std::dec << " at " << v.major << "." << v.minor;
    if (rc != 0)
        where << " rc" << rc;
    return where.str();
}

// A record of the product at the firmware version, a release candidate when rc is not 0.
inline DeviceConfig RecordAt(int id, Version v, int rc)
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

// The line a row of the list shows for the record: "name : value" in English.
inline std::wstring ExpectedLine(const Table& table, const Row& row, const DeviceConfig& record)
{
    return row.name + L" : " + table.rules.at(row.rule).Apply(row.field.Read(record));
}

} // namespace archivedrows
