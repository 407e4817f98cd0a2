#pragma once
// The per-family form of the grid's change rules: one line per group and firmware range,
// written out by hand from the models' own rule tables, and the check that drives a line
// through the builder on the recording grid and through the rules. Each family's test file
// holds its own lines and runs them with CheckFamilyLine.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "settings/GridChangeRules.h"
#include "settings/SettingsGridBuilder.h"
#include "text/ModelDisplayName.h"
#include "text/NameTables.h"
#include "text/SettingHelpTexts.h"
#include "text/TextFormat.h"

namespace family_rules {

constexpr int kEnglish = 0;
constexpr int kItalian = 3;
constexpr int kJapanese = 4;

// One range of one group. Rows are separated by ";", each "<value> | <help>":
//   value: "w2.15+"   bit 15 of word 2, set when the cell shows Enable ("-": set for Disable)
//          "w18-"     whole word 18, 1 when the cell shows Disable
//          "m_voxPhone+" an option int (RecordProbe's names)
//          then "~3,4" rows greyed while the master is off, "^4,5,6" greyed while it is on
//          "dd w0 10-i" a drop-down: item i stores 10 - i into word 0 ("w2.svc": smart volume
//          bits 1-2 of word 2; "w2.2:2": the two bits from bit 2 of word 2; "i+1", "i")
//   help:  text name, "(names that fill it)", height
struct FamilyLine {
    const char* products;
    const char* firmwares; // versions inside the range, "major.minor" each
    const char* rows;
    bool outsideRefreshes; // a value click on rows -1 and N
    bool helpOutsideRefreshes;
};

// The help texts and names by the words the table uses.
inline std::wstring (*HelpText(const std::string& name))(int)
{
    static const std::map<std::string, std::wstring (*)(int)> texts = {
        {"VoxPhone", GetHelpVoxPhone},
        {"Sidetone", GetHelpSidetone},
        {"Dualstream", GetHelpDualstream},
        {"DualstreamFull", GetHelpDualstreamFull},
        {"OverlayMusic", GetHelpOverlaySensitivityMusic},
        {"MotionSensor", GetHelpMotionSensorSensitivity},
        {"NavigationApp", GetHelpNavigationAppSupport},
        {"LayertoneVolumeManagement", GetHelpLayertoneVolumeManagement},
        {"AudioBoost", GetHelpAudioBoost},
        {"SmartVolume", GetHelpSmartVolumeControl},
        {"HdIntercom", GetHelpHdIntercom},
        {"HdVoice", GetHelpHdVoice},
        {"EightWay", GetHelpEightWayIntercom},
        {"VoicePrompt", GetHelpVoicePrompt},
        {"FmStationGuide", GetHelpFmStationGuide},
        {"Hushguard", GetHelpHushguard},
        {"VoiceCommand", GetHelpVoiceCommand},
        {"VoxIntercom", GetHelpVoxIntercom},
        {"VoxDefault3", GetHelpVoxSensitivityDefault3},
        {"VoxThree", GetHelpVoxSensitivityThreeLevels},
        {"HighQualityA2dp", GetHelpHighQualityA2dp},
        {"AudioSourcePriority", GetHelpAudioSourcePriority},
        {"Layertone", GetHelpLayertone},
        {"LayertoneMusicGps", GetHelpLayertoneMusicGps},
        {"VoxDefault2", GetHelpVoxSensitivityDefault2},
        {"Routecue", GetHelpRoutecue},
        {"EssStatus", GetHelpEssStatus},
        {"EssSensitivity", GetHelpEssSensitivity},
    };
    auto found = texts.find(name);
    if (found == texts.end()) {
        ADD_FAILURE() << "unknown help text " << name;
        return nullptr;
    }
    return found->second;
}

inline std::wstring NameText(const std::string& name, int language, int productId)
{
    if (name == "model")
        return ModelDisplayName(productId);
    static const std::map<std::string, std::wstring (*)(int)> names = {
        {"Dualstream", TextDualstream},
        {"FM Radio", TextFmRadio},
        {"Audio Boost", TextAudioBoost},
        {"HD Intercom", TextHdIntercom},
        {"Hushguard", TextHushguard},
        {"VOX Intercom", TextVoxIntercom},
        {"Eight-way Intercom", TextEightWayIntercom},
    };
    auto found = names.find(name);
    if (found == names.end()) {
        ADD_FAILURE() << "unknown setting name " << name;
        return L"";
    }
    return found->second(language);
}

inline std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

inline std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

inline std::vector<int> Numbers(const std::string& list)
{
    std::vector<int> numbers;
    for (const std::string& n : Split(list, ','))
        numbers.push_back(std::stoi(n));
    return numbers;
}

struct ExpectedRow {
    bool dropDown = false;
    // Check boxes: where the value lives and which stored value shows Enable.
    int word = -1; // settings word, or -1 for an option int
    int bit = -1;  // a bit of the word, or -1 for the whole word
    std::string option;
    bool setForEnable = true;
    std::vector<int> greyedWhileOff; // dependants greyed while the master is off
    std::vector<int> greyedWhileOn;
    // Drop-downs: "10-i", "i+1" or "i" into word (bit -2: smart volume bits 1-2 of word 2;
    // fieldWidth > 0: that many bits from bit).
    std::string formula;
    int fieldWidth = 0;
    // Help.
    std::string help;
    std::vector<std::string> values;
    int height = 0;
};

inline ExpectedRow ParseRow(const std::string& text)
{
    static const std::regex valueForm(R"((?:w(\d+)(?:\.(\d+))?|(m_\w+))([+-])(?: ([~^])([\d,]+))?)");
    static const std::regex dropForm(R"(dd w(\d+)(\.svc|\.(\d+):(\d+))? (10-i|i\+1|i))");
    static const std::regex helpForm(R"((\w+)(?:\(([^)]*)\))? (\d+))");
    ExpectedRow row;
    const std::vector<std::string> halves = Split(text, '|');
    EXPECT_EQ(halves.size(), 2u) << text;
    const std::string value = Trim(halves.at(0));
    const std::string help = Trim(halves.at(1));
    std::smatch m;
    if (std::regex_match(value, m, dropForm)) {
        row.dropDown = true;
        row.word = std::stoi(m[1]);
        row.bit = m[2].matched ? -2 : -1;
        if (m[3].matched) {
            row.bit = std::stoi(m[3]);
            row.fieldWidth = std::stoi(m[4]);
        }
        row.formula = m[5];
    } else if (std::regex_match(value, m, valueForm)) {
        if (m[1].matched)
            row.word = std::stoi(m[1]);
        if (m[2].matched)
            row.bit = std::stoi(m[2]);
        if (m[3].matched)
            row.option = m[3];
        row.setForEnable = m[4] == "+";
        if (m[5].matched)
            (m[5] == "~" ? row.greyedWhileOff : row.greyedWhileOn) = Numbers(m[6]);
    } else {
        ADD_FAILURE() << "unreadable value " << value;
    }
    if (std::regex_match(help, m, helpForm)) {
        row.help = m[1];
        if (m[2].matched)
            row.values = Split(m[2], ',');
        row.height = std::stoi(m[3]);
    } else {
        ADD_FAILURE() << "unreadable help " << help;
    }
    return row;
}

// The stored value a row names, read from the record without the catalogue.
inline int StoredValue(const ExpectedRow& row, DeviceConfig& record)
{
    if (!row.option.empty())
        return *OptionField(record, row.option);
    if (row.bit == -2)
        return (record.m_settings[row.word] >> 1) & 3;
    if (row.fieldWidth > 0)
        return (record.m_settings[row.word] >> row.bit) & ((1 << row.fieldWidth) - 1);
    if (row.bit >= 0)
        return (record.m_settings[row.word] >> row.bit) & 1;
    return record.m_settings[row.word];
}

// Everything a rule may write, to show that a click writes its own field and nothing else.
inline std::vector<int> Snapshot(const DeviceConfig& record)
{
    std::vector<int> values = {record.m_handsfreeVox, record.m_intercomVox, record.m_voicePrompt,
                               record.m_bitpoolRate,  record.m_sidetone,    record.m_hushguard};
    values.insert(values.end(), std::begin(record.m_settings), std::end(record.m_settings));
    return values;
}

inline std::vector<int> SnapshotWithout(const ExpectedRow& row, DeviceConfig record)
{
    if (!row.option.empty())
        *OptionField(record, row.option) = 0;
    else if (row.bit == -2)
        record.m_settings[row.word] &= ~0x1E;
    else if (row.fieldWidth > 0)
        record.m_settings[row.word] &= ~(((1 << row.fieldWidth) - 1) << row.bit);
    else if (row.bit >= 0)
        record.m_settings[row.word] &= ~(1 << row.bit);
    else
        record.m_settings[row.word] = 0;
    return Snapshot(record);
}

inline DeviceConfig ParseFirmware(const std::string& version)
{
    const std::vector<std::string> parts = Split(version, '.');
    return RecordAtFirmware(std::stoi(parts.at(0)), std::stoi(parts.at(1)));
}

inline std::wstring ExpectedHelp(const ExpectedRow& row, int language, int productId)
{
    const std::wstring text = HelpText(row.help)(language);
    if (row.values.size() == 1)
        return FillPlaceholders(text, {NameText(row.values[0], language, productId)});
    if (row.values.size() == 2)
        return FillPlaceholders(
            text, {NameText(row.values[0], language, productId), NameText(row.values[1], language, productId)});
    return text;
}

// A page's grid and its records: the grid built from the live record at a firmware.
struct Page {
    RecordingGrid grid;
    DeviceConfig live;
    DeviceConfig working;
    const GridRowList* builtFrom = nullptr;
    int productId = 0;
    int language = kEnglish;

    Page(int id, const DeviceConfig& liveRecord, const DeviceConfig& workingRecord)
        : live(liveRecord), working(workingRecord), productId(id)
    {
        Rebuild();
    }
    void Rebuild() { builtFrom = BuildSettingsGrid(grid, productId, live, working, language); }
    GridRuleContext Context() { return GridRuleContext{productId, live, working, language, builtFrom}; }
    // The grid's own click on a value cell, then the rules.
    GridRuleOutcome ClickValue(int row)
    {
        grid.Toggle(row, kGridValueColumn);
        return RunGridClickRules(grid, Context(), row, kGridValueColumn);
    }
    GridRuleOutcome Click(int row, int column) { return RunGridClickRules(grid, Context(), row, column); }
    GridRuleOutcome Choose(int row, int index)
    {
        return RunGridChoiceRules(grid, Context(), row, kGridValueColumn, index);
    }
    int Disabled(int row) const
    {
        const RecordedCell* cell = grid.Cell(row, kGridValueColumn);
        return cell != nullptr ? cell->disabled.value_or(0) : -1;
    }
    std::vector<int> DisabledStates() const
    {
        std::vector<int> states;
        for (int row = 0; row < grid.m_rowCount; ++row)
            states.push_back(Disabled(row));
        return states;
    }
};

inline int ChoiceValue(const ExpectedRow& row, int index)
{
    if (row.formula == "10-i")
        return 10 - index;
    if (row.formula == "i+1")
        return index + 1;
    return index;
}

inline void CheckCheckBoxRow(int productId, const DeviceConfig& base, int r, const ExpectedRow& row, int rowCount)
{
    Page page(productId, base, base);
    ASSERT_EQ(page.grid.m_rowCount, rowCount);
    // Two clicks from the empty record: to the state that stores 1, then back to 0.
    for (int expected : {1, 0}) {
        const std::vector<int> others = SnapshotWithout(row, page.working);
        const std::vector<int> before = page.DisabledStates();
        const GridRuleOutcome outcome = page.ClickValue(r);
        EXPECT_EQ(outcome.action, kRuleRefreshesAtEnd);
        EXPECT_EQ(StoredValue(row, page.working), expected);
        EXPECT_EQ(SnapshotWithout(row, page.working), others) << "a click wrote another field";
        // The cell shows Enable when the value stored is the one set for Enable.
        const bool enabled = (expected == 1) == row.setForEnable;
        const std::vector<int> after = page.DisabledStates();
        for (int other = 0; other < rowCount; ++other) {
            int want = before[other];
            for (int dep : row.greyedWhileOff)
                if (dep == other)
                    want = enabled ? 0 : 1;
            for (int dep : row.greyedWhileOn)
                if (dep == other)
                    want = enabled ? 1 : 0;
            EXPECT_EQ(after[other], want) << "disabled state of row " << other;
        }
    }
}

inline void CheckDropDownRow(int productId, const DeviceConfig& firmware, int r, const ExpectedRow& row)
{
    Page page(productId, firmware, firmware);
    const std::vector<int> all = Snapshot(page.working);
    EXPECT_EQ(page.Click(r, kGridValueColumn).action, kRuleDoesNothing) << "a drop-down's click stores nothing";
    EXPECT_EQ(Snapshot(page.working), all);
    const RecordedCell* cell = page.grid.Cell(r, kGridValueColumn);
    ASSERT_NE(cell, nullptr);
    const int items = static_cast<int>(std::count(cell->text.begin(), cell->text.end(), L'\n')) + 1;
    for (int k = 0; k < items; ++k) {
        const std::vector<int> others = SnapshotWithout(row, page.working);
        EXPECT_EQ(page.Choose(r, k).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(StoredValue(row, page.working), ChoiceValue(row, k)) << "item " << k;
        EXPECT_EQ(SnapshotWithout(row, page.working), others);
        page.Rebuild();
        EXPECT_EQ(page.grid.Cell(r, kGridValueColumn)->curSel, k) << "a rebuild shows item " << k;
    }
}

// Every row of one line, for each of its products and firmwares: value clicks and choices
// against the fields they name, help boxes in two languages, and clicks outside the list.
inline void CheckFamilyLine(const FamilyLine& line)
{
    std::vector<ExpectedRow> rows;
    for (const std::string& text : Split(line.rows, ';'))
        rows.push_back(ParseRow(text));
    const int count = static_cast<int>(rows.size());
    for (const std::string& idText : Split(line.products, ' ')) {
        const int productId = std::stoi(idText, nullptr, 16);
        for (const std::string& version : Split(line.firmwares, ' ')) {
            SCOPED_TRACE(idText + " at " + version);
            const DeviceConfig firmware = ParseFirmware(version);
            for (int r = 0; r < count; ++r) {
                SCOPED_TRACE("row " + std::to_string(r));
                // A dependant greyed while its master is off is clicked with the master on:
                // a greyed cell does not toggle.
                DeviceConfig base = firmware;
                for (const ExpectedRow& master : rows)
                    for (int dep : master.greyedWhileOff)
                        if (dep == r)
                            base.m_settings[master.word] |= 1 << master.bit;
                if (rows[r].dropDown)
                    CheckDropDownRow(productId, base, r, rows[r]);
                else
                    CheckCheckBoxRow(productId, base, r, rows[r], count);
                for (int language : {kEnglish, kJapanese}) {
                    Page page(productId, firmware, firmware);
                    page.language = language;
                    const GridRuleOutcome help = page.Click(r, kGridHelpColumn);
                    EXPECT_EQ(help.action, kRuleShowsHelp);
                    EXPECT_EQ(help.helpWidth, 520);
                    EXPECT_EQ(help.helpHeight, rows[r].height);
                    EXPECT_TRUE(help.helpText == ExpectedHelp(rows[r], language, productId))
                        << "help of language " << language;
                    EXPECT_EQ(Snapshot(page.working), Snapshot(firmware)) << "a help click stores nothing";
                }
            }
            // Rows below the last one and beyond the list.
            for (int r : {-1, count}) {
                Page page(productId, firmware, firmware);
                EXPECT_EQ(page.ClickValue(r).action, line.outsideRefreshes ? kRuleRefreshesAtEnd : kRuleDoesNothing)
                    << "value click on row " << r;
                EXPECT_EQ(page.Click(r, kGridHelpColumn).action,
                          line.helpOutsideRefreshes ? kRuleRefreshesNow : kRuleDoesNothing)
                    << "help click on row " << r;
                EXPECT_EQ(Snapshot(page.working), Snapshot(firmware));
            }
        }
    }
}

} // namespace family_rules
