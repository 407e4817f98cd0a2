// The whole table of the basic settings grid at once. Every product id of the chain, at firmware
// just below, at and above each threshold of its group and at a minor of 10, is built on the
// recording grid and driven everywhere a user can reach: rows -1 to N, columns 0, 1 and 2,
// each check box from both states, each item of each drop-down. Every one of these has one
// defined result, and what a click stores reads back unchanged from the next build.
//
// Two tables written out by hand stand beside the catalogue as independent sources: what a
// choice in each drop-down row stores (data/GridDropDownRules.inc), and which groups refresh
// the page on a click outside their rows or on a "?" without text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "RecordProbe.h"
#include "RecordingGrid.h"
#include "core/UiLanguageRow.h"
#include "settings/GridChangeRules.h"
#include "settings/SettingsGridBuilder.h"
#include "text/ModelDisplayName.h"
#include "text/SettingHelpTexts.h"

namespace {

// --- Records ---------------------------------------------------------------------------------

// Every int a rule could write, in fixed slots: the option ints, then the 32 settings words.
int DeviceConfig::*const kOptionSlots[] = {
    &DeviceConfig::m_handsfreeVox,
    &DeviceConfig::m_intercomVox,
    &DeviceConfig::m_edr,
    &DeviceConfig::m_voicePrompt,
    &DeviceConfig::m_plc,
    &DeviceConfig::m_bitpoolRate,
    &DeviceConfig::m_microphoneBoost,
    &DeviceConfig::m_sidetone,
    &DeviceConfig::m_hushguard,
    &DeviceConfig::m_autoGainControl,
    &DeviceConfig::m_radioTransmitGain,
    &DeviceConfig::m_audioChannelTimeout,
};
constexpr int kOptionSlotCount = static_cast<int>(sizeof(kOptionSlots) / sizeof(kOptionSlots[0]));

std::vector<int> Slots(const DeviceConfig& record)
{
    std::vector<int> slots;
    for (int DeviceConfig::*option : kOptionSlots)
        slots.push_back(record.*option);
    slots.insert(slots.end(), std::begin(record.m_settings), std::end(record.m_settings));
    return slots;
}

std::set<int> ChangedSlots(const DeviceConfig& before, const DeviceConfig& after)
{
    const std::vector<int> a = Slots(before);
    const std::vector<int> b = Slots(after);
    std::set<int> changed;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            changed.insert(static_cast<int>(i));
    return changed;
}

int WordSlot(int word)
{
    return kOptionSlotCount + word;
}

// The slots a kind may write, found from its binding alone: the option int or the settings word
// it names, or what its setter changes when fed a range of values on an empty and a full record
// of the same firmware (a setter may store by the record's own firmware).
std::set<int> Footprint(const GridRowKind& kind, const DeviceConfig& record)
{
    const GridBinding& binding = kind.binding;
    switch (binding.form) {
    case kBindOptionInt:
        for (int i = 0; i < kOptionSlotCount; ++i)
            if (kOptionSlots[i] == binding.option)
                return {i};
        return {};
    case kBindSettingsWord:
    case kBindWordBit: return {WordSlot(binding.word)};
    case kBindAccessor: break;
    }
    std::set<int> slots;
    if (binding.set == nullptr)
        return slots;
    DeviceConfig empty = RecordAtFirmware(record.m_firmwareVersion.major, record.m_firmwareVersion.minor);
    DeviceConfig full = empty;
    for (int& word : full.m_settings)
        word = 0xFFFF;
    for (const DeviceConfig& start : {empty, full}) {
        for (int value : {-1, 0, 1, 2, 3, 4, 5, 10}) {
            DeviceConfig probe = start;
            (probe.*binding.set)(value);
            const std::set<int> changed = ChangedSlots(start, probe);
            slots.insert(changed.begin(), changed.end());
        }
    }
    return slots;
}

bool Within(const std::set<int>& changed, const std::set<int>& allowed)
{
    return std::includes(allowed.begin(), allowed.end(), changed.begin(), changed.end());
}

// The starting records: all clear; one with nearly every field set and every list value inside
// its items, in which every master lets its dependants be clicked (word 23 and word 1 bit 11 clear,
// word 2 bit 11 and word 10 bit 6 set); and the widest one below.
DeviceConfig EmptyRecord(int major, int minor)
{
    return RecordAtFirmware(major, minor);
}

DeviceConfig FullRecord(int major, int minor)
{
    DeviceConfig record = RecordAtFirmware(major, minor);
    for (int DeviceConfig::*option : kOptionSlots)
        record.*option = 1;
    record.m_settings[0] = 5;      // the overlay level; on the 0x31xx units bits 0 and 2
    record.m_settings[1] = 0xF653; // VOX 3, Smart Volume 2, Intercom-Layertone 4, bit 11 clear
    record.m_settings[2] = 0xFFF6; // Smart Volume 3, ESS 2 and Low
    record.m_settings[3] = 2;
    record.m_settings[10] = 0xFF7; // Video Resolution 1
    record.m_settings[12] = 0x15;
    record.m_settings[14] = 3;
    record.m_settings[16] = 2;
    for (int word = 18; word <= 24; ++word)
        record.m_settings[word] = 1;
    record.m_settings[22] = 1;
    record.m_settings[23] = 0;
    return record;
}

// The largest values the unit's 16-bit words can bring, in every field: most stored values then
// fall outside their drop-down's items and every master greys its dependants.
DeviceConfig WidestRecord(int major, int minor)
{
    DeviceConfig record = RecordAtFirmware(major, minor);
    for (int DeviceConfig::*option : kOptionSlots)
        record.*option = 0xFFFF;
    for (int& word : record.m_settings)
        word = 0xFFFF;
    return record;
}

// --- The sweep's points ----------------------------------------------------------------------

struct Firmware {
    int major;
    int minor;
};

std::string Name(int productId, const Firmware& firmware)
{
    char text[48];
    std::snprintf(text, sizeof(text), "0x%04X at %d.%d", productId, firmware.major, firmware.minor);
    return text;
}

// Just below, at and above each threshold and its major's minor of 10, with the oldest and a
// far newer firmware.
std::vector<Firmware> AroundThresholds(const std::vector<GridFirmwareThreshold>& thresholds)
{
    std::vector<std::pair<int, int>> points = {{0, 0}, {1, 0}, {1, 10}, {9, 9}};
    for (const GridFirmwareThreshold& at : thresholds) {
        points.push_back(at.minor > 0 ? std::make_pair(at.major, at.minor - 1) : std::make_pair(at.major - 1, 9));
        points.push_back({at.major, at.minor});
        points.push_back({at.major, at.minor + 1});
        points.push_back({at.major, 10});
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    std::vector<Firmware> firmwares;
    for (const auto& point : points)
        firmwares.push_back({point.first, point.second});
    return firmwares;
}

using MoreThresholds = std::vector<GridFirmwareThreshold> (*)(int productId);

std::vector<GridFirmwareThreshold> NoMoreThresholds(int)
{
    return {};
}

// Every product id of the chain with every firmware around its group's thresholds and around
// any more that a caller names for the id.
template <typename Visit> void ForEachSweepPoint(Visit visit, MoreThresholds more = NoMoreThresholds)
{
    for (std::size_t g = 0; g < kGridRowChainLength; ++g) {
        const GridRowGroup& group = *kGridRowChain[g];
        for (int productId : group.products) {
            std::vector<GridFirmwareThreshold> thresholds(group.thresholds, group.thresholds + group.thresholdCount);
            for (const GridFirmwareThreshold& edge : more(productId))
                thresholds.push_back(edge);
            for (const Firmware& firmware : AroundThresholds(thresholds))
                visit(group, productId, firmware);
        }
    }
}

// --- A page on the recording grid ------------------------------------------------------------

struct SweepPage {
    int productId;
    DeviceConfig live;
    DeviceConfig working;
    int language = 0;
    RecordingGrid grid;
    const GridRowList* builtFrom = nullptr;

    SweepPage(int id, const DeviceConfig& record) : productId(id), live(record), working(record)
    {
        builtFrom = BuildSettingsGrid(grid, productId, live, working, language);
        grid.m_calls.clear();
    }
    GridRuleContext Context() { return GridRuleContext{productId, live, working, language, builtFrom}; }
    int Disabled(int row) const
    {
        const RecordedCell* cell = grid.Cell(row, kGridValueColumn);
        return cell != nullptr ? cell->disabled.value_or(0) : -1;
    }
    // A rule touches the grid only by looking cells up, greying them and repainting it.
    void ExpectOnlyCellWork()
    {
        for (const std::string& call : grid.m_calls)
            EXPECT_TRUE(call.rfind("GetCell", 0) == 0 || call.rfind("SetCellDisabled", 0) == 0 ||
                        call == "InvalidateAll")
                << call;
        grid.m_calls.clear();
    }
};

// What a fresh build from the page's working record shows in the value column: each check
// box's text, each drop-down's item and every cell's greyed state.
std::vector<std::wstring> ValueColumn(const RecordingGrid& grid)
{
    std::vector<std::wstring> cells;
    for (int row = 0; row < grid.m_rowCount; ++row) {
        const RecordedCell* cell = grid.Cell(row, kGridValueColumn);
        if (cell == nullptr) {
            cells.push_back(L"none");
            continue;
        }
        std::wstring shown = cell->cellClass == kCheckBoxCellClass ? cell->text.substr(0, 1)
                                                                   : std::to_wstring(cell->curSel.value_or(-1));
        shown += cell->disabled.value_or(0) != 0 ? L" greyed" : L"";
        cells.push_back(shown);
    }
    return cells;
}

void ExpectRebuildShowsTheSame(const SweepPage& page, const std::string& what)
{
    RecordingGrid fresh;
    BuildSettingsGrid(fresh, page.productId, page.live, page.working, page.language);
    EXPECT_EQ(ValueColumn(fresh), ValueColumn(page.grid)) << what << ": a fresh build shows otherwise";
}

GridRuleAction OutsideValueAction(const GridRangeChoice& range)
{
    return range.range->refreshOutsideList ? kRuleRefreshesAtEnd : kRuleDoesNothing;
}

GridRuleAction HelpWithoutTextAction(const GridRangeChoice& range)
{
    return range.group->refreshOnHelpWithoutText ? kRuleRefreshesNow : kRuleDoesNothing;
}

// A check box clicked twice, so that it is clicked from both of its states. Answers whether the
// cell could be clicked (a greyed cell keeps its state).
bool SweepCheckBox(int productId, const DeviceConfig& record, int row, const GridRowKind& kind)
{
    SweepPage page(productId, record);
    const std::set<int> footprint = Footprint(kind, record);
    for (int click = 0; click < 2; ++click) {
        const std::string what = "click " + std::to_string(click + 1);
        const DeviceConfig before = page.working;
        const std::wstring textBefore = page.grid.Cell(row, kGridValueColumn)->text;
        const bool greyed = page.Disabled(row) != 0;
        page.grid.Toggle(row, kGridValueColumn);
        EXPECT_EQ(RunGridClickRules(page.grid, page.Context(), row, kGridValueColumn).action, kRuleRefreshesAtEnd)
            << what;
        page.ExpectOnlyCellWork();
        EXPECT_TRUE(Within(ChangedSlots(before, page.working), footprint)) << what << ": wrote outside its field";
        if (greyed) {
            EXPECT_EQ(page.grid.Cell(row, kGridValueColumn)->text, textBefore) << what;
            // The state is stored again as the cell shows it: a word holding another non-zero
            // value than 1 comes back as 1, which shows the same.
            EXPECT_STREQ(GridCheckBoxText(kind, page.working, GridListWords::From(page.working)),
                         GridCheckBoxText(kind, before, GridListWords::From(before)))
                << what << ": a greyed cell stores its unchanged state";
        }
        ExpectRebuildShowsTheSame(page, what);
    }
    // A choice that claims to come from a check box is no drop-down's: it stores nothing.
    const DeviceConfig before = page.working;
    EXPECT_EQ(RunGridChoiceRules(page.grid, page.Context(), row, kGridValueColumn, 0).action, kRuleRefreshesAtEnd);
    EXPECT_EQ(Slots(page.working), Slots(before)) << "a choice on a check box stores nothing";
    page.ExpectOnlyCellWork();
    return page.Disabled(row) == 0;
}

void SweepDropDown(int productId, const DeviceConfig& record, int row, const GridRowKind& kind)
{
    const std::set<int> footprint = Footprint(kind, record);
    {
        SweepPage page(productId, record);
        EXPECT_EQ(RunGridClickRules(page.grid, page.Context(), row, kGridValueColumn).action, kRuleDoesNothing);
        EXPECT_EQ(Slots(page.working), Slots(record)) << "a drop-down's value click stores nothing";
        // A choice that arrives for another column refreshes and stores nothing.
        for (int column : {kGridHelpColumn, kGridNameColumn})
            EXPECT_EQ(RunGridChoiceRules(page.grid, page.Context(), row, column, 0).action, kRuleRefreshesAtEnd);
        EXPECT_EQ(Slots(page.working), Slots(record)) << "a choice outside the value column stores nothing";
        page.ExpectOnlyCellWork();
    }
    const int items = GridItemCount(kind, 0);
    EXPECT_GT(items, 1);
    for (int index = -1; index <= items; ++index) {
        SweepPage page(productId, record);
        const bool inList = index >= 0 && index < items;
        if (inList)
            page.grid.m_cells[{row, kGridValueColumn}].curSel = index; // the cell took the pick
        EXPECT_EQ(RunGridChoiceRules(page.grid, page.Context(), row, kGridValueColumn, index).action,
                  kRuleRefreshesAtEnd)
            << "item " << index;
        page.ExpectOnlyCellWork();
        EXPECT_TRUE(Within(ChangedSlots(record, page.working), footprint)) << "item " << index;
        if (!inList || kind.store == kStoreNone) {
            EXPECT_EQ(Slots(page.working), Slots(record)) << "item " << index << " stores nothing";
            if (kind.store == kStoreNone) {
                // The pick did not take: the cell shows the stored value again.
                EXPECT_EQ(page.grid.Cell(row, kGridValueColumn)->curSel,
                          GridDropDownIndex(kind, record, GridListWords::From(record)))
                    << "item " << index;
            }
            continue;
        }
        RecordingGrid fresh;
        BuildSettingsGrid(fresh, productId, page.live, page.working, 0);
        EXPECT_EQ(fresh.Cell(row, kGridValueColumn)->curSel, index) << "a rebuild shows the item chosen";
    }
}

void SweepHelp(int productId, const DeviceConfig& record, const GridRangeChoice& range, int row)
{
    SweepPage page(productId, record);
    const GridRowKind* kind =
        row >= 0 && row < range.list->count ? &GetGridRowKind(range.list->rows[row].kind) : nullptr;
    const GridRuleOutcome outcome = RunGridClickRules(page.grid, page.Context(), row, kGridHelpColumn);
    if (kind != nullptr && kind->help.text != nullptr) {
        EXPECT_EQ(outcome.action, kRuleShowsHelp);
        EXPECT_EQ(outcome.helpWidth, 520);
        EXPECT_EQ(outcome.helpHeight, kind->help.height);
        EXPECT_GT(outcome.helpHeight, 0);
        EXPECT_TRUE(outcome.helpText == GridHelpBox(*kind, productId, 0).helpText);
        EXPECT_FALSE(outcome.helpText.empty());
    } else {
        EXPECT_EQ(outcome.action, HelpWithoutTextAction(range)) << "a \"?\" without text";
    }
    EXPECT_EQ(RunGridClickRules(page.grid, page.Context(), row, kGridNameColumn).action, kRuleDoesNothing);
    EXPECT_EQ(Slots(page.working), Slots(record)) << "help and name clicks store nothing";
    page.ExpectOnlyCellWork();
}

} // namespace

TEST(GridWholeTable, EveryClickAndChoiceOfEveryGridHasADefinedResult)
{
    int points = 0;
    ForEachSweepPoint([&](const GridRowGroup& group, int productId, const Firmware& firmware) {
        SCOPED_TRACE(Name(productId, firmware));
        const DeviceConfig empty = EmptyRecord(firmware.major, firmware.minor);
        const GridRangeChoice range = FindGridRange(productId, empty);
        ASSERT_EQ(range.group, &group) << "the chain finds the id in its own group";
        ASSERT_NE(range.list, nullptr);
        const int count = range.list->count;
        ++points;
        std::vector<int> toggled(count, 0);
        const DeviceConfig records[] = {empty, FullRecord(firmware.major, firmware.minor),
                                        WidestRecord(firmware.major, firmware.minor)};
        for (const DeviceConfig& record : records) {
            {
                SweepPage page(productId, record);
                ASSERT_EQ(page.grid.m_rowCount, count);
                ASSERT_EQ(page.builtFrom, count > 0 ? range.list : nullptr);
                ExpectRebuildShowsTheSame(page, "a build");
            }
            if (&record == &records[1]) {
                // Values inside the lists show their items.
                SweepPage page(productId, record);
                for (int row = 0; row < count; ++row) {
                    const GridRowKind& kind = GetGridRowKind(range.list->rows[row].kind);
                    const int shown = page.grid.Cell(row, kGridValueColumn)->curSel.value_or(-1);
                    if (kind.cell == kDropDownCell) {
                        EXPECT_TRUE(shown >= 0 && shown < GridItemCount(kind, 0))
                            << "row " << row << " shows " << shown;
                    }
                }
            }
            for (int row = -1; row <= count; ++row) {
                SCOPED_TRACE("row " + std::to_string(row));
                SweepHelp(productId, record, range, row);
                if (row < 0 || row == count) {
                    SweepPage page(productId, record);
                    page.grid.Toggle(row, kGridValueColumn);
                    EXPECT_EQ(RunGridClickRules(page.grid, page.Context(), row, kGridValueColumn).action,
                              OutsideValueAction(range));
                    EXPECT_EQ(Slots(page.working), Slots(record));
                    continue;
                }
                const GridRowKind& kind = GetGridRowKind(range.list->rows[row].kind);
                if (kind.cell == kCheckBoxCell)
                    toggled[row] += SweepCheckBox(productId, record, row, kind) ? 1 : 0;
                else
                    SweepDropDown(productId, record, row, kind);
            }
        }
        // One of the records lets every check box be clicked both ways.
        for (int row = 0; row < count; ++row) {
            if (GetGridRowKind(range.list->rows[row].kind).cell == kCheckBoxCell) {
                EXPECT_GT(toggled[row], 0) << "row " << row << " is greyed on both records";
            }
        }
    });
    EXPECT_GT(points, 200);
}

namespace {

// --- The drop-down rules written out by hand -------------------------------------------------

const char* const kDropDownRuleText =
#include "data/GridDropDownRules.inc"
    ;

struct RuleLine {
    std::string text;
    std::vector<int> productIds;
    Firmware from = {0, 0};    // inclusive
    Firmware before = {99, 0}; // exclusive
    int row = -1;
    std::string store;   // setter name, "word22" or "none"
    std::string formula; // "i", "i+1", "10-i"
    int runs = 0;
};

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

Firmware ParseVersion(const std::string& text)
{
    Firmware firmware{};
    EXPECT_EQ(std::sscanf(text.c_str(), "%d.%d", &firmware.major, &firmware.minor), 2) << text;
    return firmware;
}

bool Older(const Firmware& a, const Firmware& b)
{
    return a.major != b.major ? a.major < b.major : a.minor < b.minor;
}

std::vector<RuleLine> ReadRuleLines()
{
    std::vector<RuleLine> lines;
    std::stringstream table(kDropDownRuleText);
    std::string text;
    while (std::getline(table, text)) {
        if (Trimmed(text).empty() || Trimmed(text)[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::stringstream parts(text);
        std::string field;
        while (std::getline(parts, field, '|'))
            fields.push_back(Trimmed(field));
        if (fields.size() != 4) {
            ADD_FAILURE() << "unreadable line " << text;
            continue;
        }
        RuleLine line;
        line.text = text;
        std::stringstream ids(fields[0]);
        std::string id;
        while (ids >> id)
            line.productIds.push_back(std::stoi(id, nullptr, 16));
        const std::string& range = fields[1];
        if (range.rfind("<", 0) == 0) {
            line.before = ParseVersion(range.substr(1));
        } else if (range.rfind(">=", 0) == 0) {
            line.from = ParseVersion(range.substr(2));
        } else if (range.find("..") != std::string::npos) {
            line.from = ParseVersion(range.substr(0, range.find("..")));
            line.before = ParseVersion(range.substr(range.find("..") + 2));
        } else {
            EXPECT_EQ(range, "any") << text;
        }
        line.row = std::stoi(fields[2]);
        std::stringstream store(fields[3]);
        store >> line.store >> line.formula;
        lines.push_back(line);
    }
    return lines;
}

bool Holds(const RuleLine& line, int productId, const Firmware& firmware, int row)
{
    return line.row == row && !Older(firmware, line.from) && Older(firmware, line.before) &&
           std::find(line.productIds.begin(), line.productIds.end(), productId) != line.productIds.end();
}

using Setter = void (DeviceConfig::*)(int);

Setter SetterNamed(const std::string& name)
{
    static const std::map<std::string, Setter> setters = {
        {"SetOverlaySensitivity", &DeviceConfig::SetOverlaySensitivity},
        {"SetMotionSensorSensitivity", &DeviceConfig::SetMotionSensorSensitivity},
        {"SetSmartVolumeControlBits", &DeviceConfig::SetSmartVolumeControlBits},
        {"SetPackedVoxSensitivity", &DeviceConfig::SetPackedVoxSensitivity},
        {"SetPackedSmartVolumeControl", &DeviceConfig::SetPackedSmartVolumeControl},
        {"SetPackedOverlaySensitivity", &DeviceConfig::SetPackedOverlaySensitivity},
        {"SetUnitLanguage", &DeviceConfig::SetUnitLanguage},
        {"SetVoxSensitivity", &DeviceConfig::SetVoxSensitivity},
        {"SetSmartVolumeControl", &DeviceConfig::SetSmartVolumeControl},
        {"SetPhotoMode", &DeviceConfig::SetPhotoMode},
        {"SetVideoMode", &DeviceConfig::SetVideoMode},
        {"SetVideoResolution", &DeviceConfig::SetVideoResolution},
        {"SetTimelapseInterval", &DeviceConfig::SetTimelapseInterval},
        {"SetVideoTaggingInterval", &DeviceConfig::SetVideoTaggingInterval},
        {"SetLoopRecordingInterval", &DeviceConfig::SetLoopRecordingInterval},
        {"SetVideoMicrophoneGain", &DeviceConfig::SetVideoMicrophoneGain},
        {"SetEssStatus", &DeviceConfig::SetEssStatus},
        {"SetEssSensitivity", &DeviceConfig::SetEssSensitivity},
    };
    auto found = setters.find(name);
    return found == setters.end() ? nullptr : found->second;
}

// The record a line expects after item i is chosen on the record before.
DeviceConfig Expected(const RuleLine& line, const DeviceConfig& before, int i)
{
    DeviceConfig expected = before;
    const int value = line.formula == "i+1" ? i + 1 : line.formula == "10-i" ? 10 - i : i;
    if (line.store == "word22") {
        expected.m_settings[22] = i;
    } else if (line.store != "none") {
        Setter setter = SetterNamed(line.store);
        if (setter == nullptr)
            ADD_FAILURE() << "unknown setter in " << line.text;
        else
            (expected.*setter)(value);
    }
    return expected;
}

// The firmware edges of the lines that name a product id, so that the sweep also looks around
// an edge the catalogue might lack.
std::vector<GridFirmwareThreshold> LineEdges(int productId)
{
    static const std::vector<RuleLine> lines = ReadRuleLines();
    std::vector<GridFirmwareThreshold> edges;
    for (const RuleLine& line : lines) {
        if (std::find(line.productIds.begin(), line.productIds.end(), productId) == line.productIds.end())
            continue;
        if (line.from.major > 0 || line.from.minor > 0)
            edges.push_back({line.from.major, line.from.minor});
        if (line.before.major < 99)
            edges.push_back({line.before.major, line.before.minor});
    }
    return edges;
}

} // namespace

TEST(GridWholeTable, EveryDropDownRowHasItsLineAndEveryLineItsRow)
{
    std::vector<RuleLine> lines = ReadRuleLines();
    ASSERT_GT(lines.size(), 120u);
    for (const RuleLine& line : lines) {
        EXPECT_TRUE(line.formula == "i" || line.formula == "i+1" || line.formula == "10-i" || line.store == "none")
            << line.text;
        EXPECT_TRUE(line.store == "word22" || line.store == "none" || SetterNamed(line.store) != nullptr) << line.text;
    }
    ForEachSweepPoint(
        [&](const GridRowGroup&, int productId, const Firmware& firmware) {
            SCOPED_TRACE(Name(productId, firmware));
            const DeviceConfig empty = EmptyRecord(firmware.major, firmware.minor);
            const GridRowList* list = FindGridRowList(productId, empty);
            ASSERT_NE(list, nullptr);
            // No rule without a row: a line that holds here names a drop-down row of the list.
            for (const RuleLine& line : lines) {
                if (!Holds(line, productId, firmware, line.row))
                    continue;
                ASSERT_LT(line.row, list->count) << line.text;
                EXPECT_EQ(GetGridRowKind(list->rows[line.row].kind).cell, kDropDownCell) << line.text;
            }
            // No row without a rule: each drop-down row is matched by exactly one line, which is run
            // with every item on both records.
            for (int row = 0; row < list->count; ++row) {
                const GridRowKind& kind = GetGridRowKind(list->rows[row].kind);
                if (kind.cell != kDropDownCell)
                    continue;
                std::vector<RuleLine*> matched;
                for (RuleLine& line : lines)
                    if (Holds(line, productId, firmware, row))
                        matched.push_back(&line);
                ASSERT_EQ(matched.size(), 1u) << "lines for " << kind.englishLabel << " in row " << row;
                RuleLine& line = *matched[0];
                ++line.runs;
                for (const DeviceConfig& record : {empty, FullRecord(firmware.major, firmware.minor),
                                                   WidestRecord(firmware.major, firmware.minor)}) {
                    for (int i = 0; i < GridItemCount(kind, 0); ++i) {
                        SweepPage page(productId, record);
                        page.grid.m_cells[{row, kGridValueColumn}].curSel = i;
                        RunGridChoiceRules(page.grid, page.Context(), row, kGridValueColumn, i);
                        EXPECT_EQ(Slots(page.working), Slots(Expected(line, record, i)))
                            << "item " << i << " of " << line.text;
                    }
                }
            }
        },
        LineEdges);
    for (const RuleLine& line : lines)
        EXPECT_GT(line.runs, 0) << "a line that no sweep point reaches: " << line.text;
}

namespace {

// --- The groups' flags, written out by hand --------------------------------------------------

// Per group (named by its first product id), per firmware range in order: "+" where a value
// click on a row the list lacks refreshes the page, "-" where it does nothing; then whether a
// "?" without text refreshes the page at once.
struct FlagLine {
    int productId;
    const char* outsideValue;
    bool helpWithoutText;
};

// clang-format off
const FlagLine kFlagLines[] = {
    {0x4210, "++++", false},
    {0x4310, "+", false}, {0x4510, "+", false}, {0x4530, "+", false}, {0x4610, "+", false},
    {0x2030, "+", false}, {0x4410, "+", false},
    {0x5520, "++++", false}, {0x5526, "++", false}, {0x5720, "+", false},
    {0x5610, "---", false},
    {0x5510, "++++", true},
    {0x5580, "--", true},
    {0x5570, "-", true},
    {0x5530, "---", false}, {0x5532, "-", false}, {0x5550, "---", false},
    {0x3110, "++++", false}, {0x3112, "++", false}, {0x3124, "+", false}, {0x3116, "+", false}, {0x3118, "+", false},
    {0x5710, "--", false}, {0x5623, "-+-", false},
    {0x5622, "+++", false},
    {0x5524, "---", false}, {0x5536, "-", false}, {0x5522, "-", false},
    {0x3030, "-", false}, {0x3050, "-", false}, {0x3060, "-", false}, {0x3040, "-", false},
    {0x6210, "--", false}, {0x6400, "-", false}, {0x5910, "--", false},
    {0x5560, "-", false}, {0x5410, "---", false}, {0x5412, "--", false}, {0x5420, "-", false},
    {0x5418, "-", false}, {0x5416, "--", false},
    {0x6010, "--", false}, {0x6014, "--", false}, {0x6026, "-", false}, {0x6018, "--", false},
    {0x6020, "-", false},
};
// clang-format on

} // namespace

TEST(GridWholeTable, EveryGroupsFlagsAreTheWrittenOnes)
{
    std::set<const GridRowGroup*> seen;
    for (const FlagLine& line : kFlagLines) {
        const GridRowGroup* group = FindGridRowGroup(line.productId);
        ASSERT_NE(group, nullptr) << line.productId;
        SCOPED_TRACE(group->name);
        EXPECT_TRUE(seen.insert(group).second) << "a group written twice";
        const std::string flags = line.outsideValue;
        ASSERT_EQ(static_cast<int>(flags.size()), group->thresholdCount + 1) << "ranges";
        for (int r = 0; r <= group->thresholdCount; ++r)
            EXPECT_EQ(group->ranges[r].refreshOutsideList, flags[r] == '+') << "range " << r;
        EXPECT_EQ(group->refreshOnHelpWithoutText, line.helpWithoutText);
    }
    // Every group with rows has its line; the classic models show no grid and have no flags.
    for (std::size_t g = 0; g < kGridRowChainLength; ++g) {
        const GridRowGroup& group = *kGridRowChain[g];
        if (seen.count(&group) != 0)
            continue;
        SCOPED_TRACE(group.name);
        for (int r = 0; r <= group.thresholdCount; ++r) {
            EXPECT_EQ(group.ranges[r].list, &kGridNoRows) << "a group with rows but no written flags";
            EXPECT_FALSE(group.ranges[r].refreshOutsideList);
        }
        EXPECT_FALSE(group.refreshOnHelpWithoutText);
    }
}

namespace {

// Every kind that some list of the chain shows, with a product id that shows it.
std::map<GridRowKindId, int> KindsInUse()
{
    std::map<GridRowKindId, int> kinds;
    ForEachSweepPoint([&](const GridRowGroup&, int productId, const Firmware& firmware) {
        const GridRowList* list = FindGridRowList(productId, EmptyRecord(firmware.major, firmware.minor));
        for (int row = 0; list != nullptr && row < list->count; ++row)
            kinds.emplace(list->rows[row].kind, productId);
    });
    return kinds;
}

// Rows whose "?" shows no text on purpose: the camera's recording sources (their group
// refreshes the page instead) and Channel Select, which no rule names.
bool HelpLeftOutOnPurpose(GridRowKindId kind)
{
    return kind == kRecordMusic || kind == kRecordFmRadio || kind == kRecordIntercom || kind == kRecordPhone ||
           kind == kChannelSelect;
}

} // namespace

TEST(GridWholeTable, EveryKindAListUsesHasItsHelpAndItsStore)
{
    for (const auto& [id, productId] : KindsInUse()) {
        const GridRowKind& kind = GetGridRowKind(id);
        SCOPED_TRACE(kind.englishLabel);
        EXPECT_EQ(kind.id, id);
        if (!HelpLeftOutOnPurpose(id)) {
            EXPECT_NE(kind.help.text, nullptr);
            EXPECT_GT(kind.help.height, 0);
        }
        if (id == kChannelSelect) {
            EXPECT_EQ(kind.store, kStoreNone) << "no rule stores a channel";
            continue;
        }
        EXPECT_NE(kind.store, kStoreNone);
        EXPECT_FALSE(Footprint(kind, DeviceConfig()).empty()) << "a store that writes nothing";
        if (kind.cell == kDropDownCell) {
            EXPECT_NE(kind.items, nullptr);
            EXPECT_GT(GridItemCount(kind, 0), 1);
        }
    }
}

TEST(GridWholeTable, EveryCodedStoreStandsWithItsMasterAndFourSources)
{
    static const GridRowKindId kSources[] = {kRecordMusic, kRecordFmRadio, kRecordIntercom, kRecordPhone};
    int lists = 0;
    ForEachSweepPoint([&](const GridRowGroup&, int productId, const Firmware& firmware) {
        const GridRowList* list = FindGridRowList(productId, EmptyRecord(firmware.major, firmware.minor));
        bool coded = false;
        std::map<GridRowKindId, int> rows;
        for (int row = 0; row < list->count; ++row) {
            const GridRow& r = list->rows[row];
            const GridStore store = GetGridRowKind(r.kind).store;
            coded = coded || store == kStoreRecordingMaster || store == kStoreRecordingSource;
            ++rows[r.kind];
            if (std::find(std::begin(kSources), std::end(kSources), r.kind) != std::end(kSources)) {
                EXPECT_EQ(r.dependency, kNeedsRecordingOn) << Name(productId, firmware) << " row " << row;
            }
        }
        if (!coded)
            return;
        ++lists;
        SCOPED_TRACE(Name(productId, firmware));
        EXPECT_EQ(rows[kSpeakerSoundRecording], 1);
        for (GridRowKindId source : kSources)
            EXPECT_EQ(rows[source], 1) << GetGridRowKind(source).englishLabel;
    });
    EXPECT_GT(lists, 0);
}

namespace {

using HelpText = std::wstring (*)(int language);

// The grid's help texts, each by its own name; Video Mode has one text per item count.
// clang-format off
const std::pair<const char*, HelpText> kGridHelpTexts[] = {
    {"Audio Boost", GetHelpAudioBoost},                     {"Audio Source Priority", GetHelpAudioSourcePriority},
    {"Auto Camera Sleep", GetHelpAutoCameraSleep},          {"Date Caption", GetHelpDateCaption},
    {"Dualstream", GetHelpDualstream},                      {"Dualstream, full", GetHelpDualstreamFull},
    {"Eight-way Intercom", GetHelpEightWayIntercom},        {"ESS Sensitivity", GetHelpEssSensitivity},
    {"ESS STATUS", GetHelpEssStatus},                       {"FM Station Guide", GetHelpFmStationGuide},
    {"Guest Mode", GetHelpGuestMode},                       {"HD Intercom", GetHelpHdIntercom},
    {"HD Voice", GetHelpHdVoice},                           {"High Quality A2DP", GetHelpHighQualityA2dp},
    {"Hushguard", GetHelpHushguard},                        {"Bluetooth Intercom Dualstream", GetHelpIntercomDualstream},
    {"Layertone", GetHelpLayertone},                        {"Layertone, music and GPS", GetHelpLayertoneMusicGps},
    {"Layertone Volume Management", GetHelpLayertoneVolumeManagement},
    {"Loop Recording Interval", GetHelpLoopRecordingInterval},
    {"Motion Sensor Sensitivity", GetHelpMotionSensorSensitivity},
    {"Navigation App Support", GetHelpNavigationAppSupport},
    {"Intercom-Layertone Sensitivity, all sources", GetHelpOverlaySensitivityAllSources},
    {"Intercom-Layertone Sensitivity, music", GetHelpOverlaySensitivityMusic},
    {"Photo Mode", GetHelpPhotoMode},                       {"Routecue", GetHelpRoutecue},
    {"Sidetone", GetHelpSidetone},                          {"Smart Volume Control", GetHelpSmartVolumeControl},
    {"Speaker Sound Recording", GetHelpSpeakerSoundRecording},
    {"Timelapse Interval", GetHelpTimelapseInterval},       {"Unit Language", GetHelpUnitLanguage},
    {"Video Microphone Gain", GetHelpVideoMicrophoneGain},
    {"Video Mode, two items", GetHelpVideoModeTwoItems},    {"Video Mode, three items", GetHelpVideoModeThreeItems},
    {"Video Resolution", GetHelpVideoResolution},           {"Video Tagging Interval", GetHelpVideoTaggingInterval},
    {"Voice Command", GetHelpVoiceCommand},                 {"Voice Prompt", GetHelpVoicePrompt},
    {"VOX Intercom", GetHelpVoxIntercom},                   {"VOX Phone", GetHelpVoxPhone},
    {"VOX Sensitivity, default 2", GetHelpVoxSensitivityDefault2},
    {"VOX Sensitivity, default 3", GetHelpVoxSensitivityDefault3},
    {"VOX Sensitivity, three levels", GetHelpVoxSensitivityThreeLevels},
};
// clang-format on

int Placeholders(const std::wstring& text)
{
    int count = 0;
    for (std::size_t at = text.find(L"%s"); at != std::wstring::npos; at = text.find(L"%s", at + 2))
        ++count;
    return count;
}

// The pattern with its k-th "%s" replaced by the k-th value, or by nothing past the values.
std::wstring FilledInPlace(const std::wstring& pattern, const std::vector<std::wstring>& values)
{
    std::wstring text;
    std::size_t from = 0;
    std::size_t next = 0;
    for (std::size_t at = pattern.find(L"%s"); at != std::wstring::npos; at = pattern.find(L"%s", from)) {
        text += pattern.substr(from, at - from);
        text += next < values.size() ? values[next] : std::wstring();
        ++next;
        from = at + 2;
    }
    return text + pattern.substr(from);
}

} // namespace

TEST(GridWholeTable, EachGridHelpTextIsReachedBySomeRow)
{
    ASSERT_EQ(std::size(kGridHelpTexts), 43u) << "42 texts, Video Mode's split in two";
    std::set<HelpText> reached;
    for (const auto& [id, productId] : KindsInUse())
        if (GetGridRowKind(id).help.text != nullptr)
            reached.insert(GetGridRowKind(id).help.text);
    for (const auto& [name, text] : kGridHelpTexts)
        EXPECT_EQ(reached.count(text), 1u) << name << " is shown by no row";
    for (HelpText text : reached) {
        const bool known = std::any_of(std::begin(kGridHelpTexts), std::end(kGridHelpTexts),
                                       [&](const auto& entry) { return entry.second == text; });
        EXPECT_TRUE(known) << "a row shows a text outside the grid's own";
    }
}

TEST(GridWholeTable, HelpInEveryLanguageIsFilledAsItsRowsFillIt)
{
    for (const auto& [id, productId] : KindsInUse()) {
        const GridRowKind& kind = GetGridRowKind(id);
        if (kind.help.text == nullptr)
            continue;
        SCOPED_TRACE(kind.englishLabel);
        for (int language = 0; language < kUiLanguageCount; ++language) {
            const std::wstring pattern = kind.help.text(language);
            std::vector<std::wstring> values;
            if (kind.help.modelName)
                values.push_back(ModelDisplayName(productId));
            for (GridNameText value : kind.help.values)
                if (value != nullptr)
                    values.push_back(value(language));
            const GridRuleOutcome box = GridHelpBox(kind, productId, language);
            ASSERT_EQ(box.action, kRuleShowsHelp) << "language " << language;
            EXPECT_EQ(box.helpText.find(L"%s"), std::wstring::npos) << "language " << language << " keeps a %s";
            EXPECT_FALSE(box.helpText.empty()) << "language " << language;
            // Each placeholder shows the next value where it stands; one past the values shows empty.
            const int placeholders = Placeholders(pattern);
            for (int v = 0; v < std::min(placeholders, static_cast<int>(values.size())); ++v) {
                EXPECT_FALSE(values[v].empty()) << "language " << language << " value " << v;
            }
            EXPECT_TRUE(box.helpText == FilledInPlace(pattern, values))
                << "language " << language << " does not show its values where its placeholders are";
        }
    }
}
