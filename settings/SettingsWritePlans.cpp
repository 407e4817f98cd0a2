#include "settings/SettingsWritePlans.h"

#include <algorithm>

#include "device/VersionCompare.h"
#include "device/WordString.h"
#include "link/HidChannel.h"
#include "link/PsKeyTable.h"

namespace {

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// How a family's unit proves it is the recorded one, and where its groups go.
enum class Route {
    Pair,      // primary against chip 1, secondary against chip 2
    FirstChip, // primary against chip 1
    Firmware,  // primary against the four-part firmware version
};

// Sources of a group's words.
constexpr int kCw = -1;   // the configuration word of the page record
constexpr int kZero = -2; // a zero word

struct VersionBound {
    int major;
    int minor;
};
constexpr VersionBound kAny{-1, -1};

// One group write of a family, sent when the unit's recorded firmware lies in
// [from, below); kAny leaves that side open.
struct GroupStep {
    int group;
    std::vector<int> words;
    bool commit;
    VersionBound from;
    VersionBound below;
    std::vector<int> onlyModels; // empty: every model of the row
};

struct BasicRow {
    std::vector<int> models;
    Route route;
    int writeChannel;
    std::vector<GroupStep> steps;
};

std::vector<int> Range(int count)
{
    std::vector<int> words;
    for (int i = 0; i < count; ++i)
        words.push_back(i);
    return words;
}

const std::vector<int> kPairModels = {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030};
const std::vector<int> kFirstChipModels = {0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114};
const std::vector<int> kConfigWordModels = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570,
                                            0x5520, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x5710, 0x5623,
                                            0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3060,
                                            0x3040, 0x6210, 0x6400, 0x5910, 0x5920};
const std::vector<int> kCommitFamily54 = {0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
const std::vector<int> kCommitFamily602 = {0x6020, 0x6022, 0x6024};
const std::vector<int> kCommitFamily601 = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};

// Basic settings over HID, in the order the families are looked up.
// clang-format off
const std::vector<BasicRow> kBasicRows = {
    {{0x4210}, Route::Pair, kHidWriteSecondary, {
        {4, Range(3), false, kAny, {1, 1}, {}},
        {4, Range(4), false, {1, 1}, {1, 2}, {}},
        {4, Range(10), false, {1, 2}, kAny, {}}}},
    {{0x4310, 0x4350, 0x4330, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410, 0x4430}, Route::Pair, kHidWriteSecondary, {
        {4, Range(10), false, kAny, kAny, {}}}},
    {{0x3110}, Route::FirstChip, kHidWritePrimary, {
        {4, Range(2), false, kAny, {2, 1}, {}},
        {4, Range(4), false, {2, 1}, kAny, {}}}},
    {{0x3116, 0x3118}, Route::FirstChip, kHidWritePrimary, {{4, Range(4), false, kAny, kAny, {}}}},
    {{0x3124, 0x3126}, Route::FirstChip, kHidWritePrimary, {{4, Range(2), false, kAny, kAny, {}}}},
    {{0x3112, 0x3114}, Route::FirstChip, kHidWritePrimary, {{4, Range(3), false, kAny, kAny, {}}}},
    {kConfigWordModels, Route::Firmware, kHidWritePrimary, {
        {4, {kCw, kZero}, false, kAny, kAny, {}},
        {20, {14}, false, kAny, kAny, {0x5520, 0x5526, 0x5720, 0x6400}},
        {7, {10, 11}, false, kAny, kAny, {0x5510}},
        {28, {12, 13}, false, {2, 0}, kAny, {0x5510}},
        {3, {16}, false, kAny, kAny, {0x5622, 0x5624}},
        {20, {14}, false, {1, 1}, kAny, {0x5622, 0x5624, 0x5623}}}},
    {kCommitFamily54, Route::Firmware, kHidWritePrimary, {
        {4, {kCw, kZero}, true, kAny, kAny, {}},
        {20, {14}, true, kAny, kAny, {}},
        {3, {16}, true, kAny, kAny, {}}}},
    {kCommitFamily602, Route::Firmware, kHidWritePrimary, {
        {4, {kCw, kZero, kZero, kZero}, true, kAny, kAny, {}},
        {18, {14}, true, kAny, kAny, {}}}},
    {kCommitFamily601, Route::Firmware, kHidWritePrimary, {
        {4, {kCw, kZero, 2, kZero}, true, kAny, kAny, {}},
        {20, {14}, true, kAny, kAny, {}}}},
};
// clang-format on

struct FmRow {
    std::vector<int> models;
    Route route;
    int writeChannel;
    std::uint16_t identifier;
    int presets;
    bool commit;
};

// clang-format off
const std::vector<FmRow> kFmRows = {
    {kPairModels,                                      Route::Pair,      kHidWriteSecondary, kPsFmTagRds,   10, false},
    {{0x5412, 0x5414, 0x5420, 0x5418, 0x5416},         Route::Firmware,  kHidWritePrimary,   kPsFmTagPlain, 10, true},
    {kConfigWordModels,                                Route::Firmware,  kHidWritePrimary,   kPsFmTagRds,   10, false},
    {kFirstChipModels,                                 Route::FirstChip, kHidWritePrimary,   kPsFmTagRds,   10, false},
    {kCommitFamily601,                                 Route::Firmware,  kHidWritePrimary,   kPsFmTagPlain, 6,  true},
};
// clang-format on

// Models written as persistent-store keys.
const std::vector<int> kVoxKeyModels = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060,
                                        0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050};
const std::vector<int> kConfigKeyModels = {0x4D21, 0x4D75, 0x5011, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120,
                                           0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35,
                                           0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310,
                                           0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010};
const std::vector<int> kFmKeyModels = {0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x5040, 0x5050};
constexpr int kRadioKeyModel = 0x5210;
constexpr int kTwoUnitModel = 0x5310;

bool InBand(const DeviceConfig& live, const GroupStep& step)
{
    if (step.from.major >= 0 && live.CompareFirmwareVersion(step.from.major, step.from.minor) < 0)
        return false;
    if (step.below.major >= 0 && live.CompareFirmwareVersion(step.below.major, step.below.minor) >= 0)
        return false;
    return true;
}

void AddChecks(Route route, HidWritePlan* plan)
{
    switch (route) {
    case Route::Pair:
        plan->checks = {{kHidWritePrimary, HidExpectedVersion::Chip1}, {kHidWriteSecondary, HidExpectedVersion::Chip2}};
        break;
    case Route::FirstChip: plan->checks = {{kHidWritePrimary, HidExpectedVersion::Chip1}}; break;
    case Route::Firmware: plan->checks = {{kHidWritePrimary, HidExpectedVersion::Firmware}}; break;
    }
}

void AddGroup(HidWritePlan* plan, int channel, int group, const std::vector<std::uint16_t>& words, bool commit)
{
    plan->requests.push_back({channel, kHidCmdWriteGroup, group, words});
    if (commit)
        plan->requests.push_back({channel, kHidCmdStoreGroup, group, words});
}

std::uint16_t Low16(int value)
{
    return static_cast<std::uint16_t>(value & 0xFFFF);
}

bool PlanBasic(int modelCode, const DeviceConfig& live, const DeviceConfig& working, HidWritePlan* plan)
{
    for (const BasicRow& row : kBasicRows) {
        if (!Contains(row.models, modelCode))
            continue;
        AddChecks(row.route, plan);
        for (const GroupStep& step : row.steps) {
            if (!step.onlyModels.empty() && !Contains(step.onlyModels, modelCode))
                continue;
            if (!InBand(live, step))
                continue;
            std::vector<std::uint16_t> words;
            for (int source : step.words) {
                if (source == kCw)
                    words.push_back(Low16(working.BuildConfigWord()));
                else if (source == kZero)
                    words.push_back(0);
                else
                    words.push_back(Low16(working.m_settings[source]));
            }
            AddGroup(plan, row.writeChannel, step.group, words, step.commit);
        }
        return true;
    }
    return false;
}

bool PlanFm(int modelCode, const DeviceConfig& working, HidWritePlan* plan)
{
    for (const FmRow& row : kFmRows) {
        if (!Contains(row.models, modelCode))
            continue;
        AddChecks(row.route, plan);
        AddGroup(plan, row.writeChannel, kHidGroupFm, FmBlockWords(working, row.identifier, row.presets), row.commit);
        return true;
    }
    return false;
}

bool PlanSpeedDial(int modelCode, const DeviceConfig& working, HidWritePlan* plan)
{
    const bool pair = Contains(kPairModels, modelCode);
    const bool firstChip = Contains(kFirstChipModels, modelCode);
    const bool firmware = Contains(kConfigWordModels, modelCode) || Contains(kCommitFamily54, modelCode) ||
                          Contains(kCommitFamily602, modelCode) || Contains(kCommitFamily601, modelCode);
    if (!pair && !firstChip && !firmware)
        return false;
    AddChecks(pair ? Route::Pair : (firstChip ? Route::FirstChip : Route::Firmware), plan);
    for (int n = 0; n < kSpeedDialCount; ++n) {
        std::vector<std::uint16_t> words = SpeedDialWords(working.m_speedDial[n]);
        // The two-channel units take an empty number as no words at all, the
        // others as one zero word.
        if (words.empty() && !pair)
            words.push_back(0);
        plan->requests.push_back({kHidWritePrimary, kHidCmdWriteGroup, kHidGroupSpeedDial1 + n, words});
    }
    plan->sendAll = true;
    return true;
}

std::vector<std::uint8_t> LittleEndian(const std::vector<std::uint16_t>& words)
{
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t w : words) {
        bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return bytes;
}

void PlanBasicKeys(int modelCode, const DeviceConfig& live, const DeviceConfig& working, StoreWritePlan* plan)
{
    if (working.m_edr != live.m_edr) {
        const unsigned char* pattern = working.m_edr == 0 ? kPsEdrOnPattern : kPsEdrOffPattern;
        plan->writes.push_back({kPsKeyFeatureMask, std::vector<std::uint8_t>(pattern, pattern + 8)});
    }
    const bool configChanged = Low16(working.BuildConfigWord()) != Low16(live.BuildConfigWord());
    const auto configKey = [&] {
        plan->writes.push_back({kPsKeyConfigWord, LittleEndian({Low16(working.BuildConfigWord()), 0})});
    };
    if (Contains(kVoxKeyModels, modelCode)) {
        if (live.CompareFirmwareVersion(4, 0) < 0) {
            if (working.m_intercomVox != live.m_intercomVox)
                plan->writes.push_back({kPsKeyIntercomVox, LittleEndian({Low16(working.m_intercomVox)})});
            if (working.m_handsfreeVox != live.m_handsfreeVox)
                plan->writes.push_back({kPsKeyHandsfreeVox, LittleEndian({Low16(working.m_handsfreeVox)})});
        } else if (configChanged) {
            configKey();
        }
    } else if (Contains(kConfigKeyModels, modelCode)) {
        if (configChanged)
            configKey();
    } else if (modelCode == kRadioKeyModel) {
        if (working.m_radioTransmitGain != live.m_radioTransmitGain)
            plan->writes.push_back({kPsKeyRadioTransmitGain, LittleEndian({Low16(working.m_radioTransmitGain)})});
        if (working.m_audioChannelTimeout != live.m_audioChannelTimeout)
            plan->writes.push_back(
                {kPsKeyAudioChannelTimeout, LittleEndian({AudioChannelTimeoutMs(working.m_audioChannelTimeout)})});
    }
    plan->unwritableChange = plan->writes.empty() && working.IsModified(live, 0) != 0;
}

// What the FM page edits, whether or not the record's model tracks it.
bool FmEditsDiffer(const DeviceConfig& live, const DeviceConfig& working)
{
    return working.m_fmRegion != live.m_fmRegion || working.m_fmRds != live.m_fmRds ||
           !std::equal(working.m_fmPresets, working.m_fmPresets + kFmPresetCount, live.m_fmPresets);
}

void PlanFmKey(int modelCode, const DeviceConfig& live, const DeviceConfig& working, StoreWritePlan* plan)
{
    if (Contains(kFmKeyModels, modelCode))
        plan->writes.push_back({kPsKeyFmBlock, LittleEndian(FmBlockWords(working, kPsFmTagRds, kFmPresetCount))});
    plan->unwritableChange = plan->writes.empty() && FmEditsDiffer(live, working);
}

void PlanSpeedDialKeys(const DeviceConfig& working, StoreWritePlan* plan)
{
    for (int n = 0; n < kSpeedDialCount; ++n) {
        std::uint16_t words[kWordStringUnits] = {};
        StringToWords(words, working.m_speedDial[n]);
        plan->writes.push_back({static_cast<std::uint16_t>(kPsKeySpeedDial1 + n),
                                LittleEndian(std::vector<std::uint16_t>(words, words + kWordStringUnits))});
    }
    plan->writeAll = true;
}

} // namespace

bool PlanHidWrite(SettingsWriterPage page, int modelCode, const DeviceConfig& live, const DeviceConfig& working,
                  HidWritePlan* plan)
{
    *plan = HidWritePlan{};
    switch (page) {
    case SettingsWriterPage::Basic: return PlanBasic(modelCode, live, working, plan);
    case SettingsWriterPage::FmRadio: return PlanFm(modelCode, working, plan);
    case SettingsWriterPage::SpeedDial: return PlanSpeedDial(modelCode, working, plan);
    }
    return false;
}

StoreWritePlan PlanStoreWrite(SettingsWriterPage page, int modelCode, const DeviceConfig& live,
                              const DeviceConfig& working)
{
    StoreWritePlan plan;
    plan.unitsNeeded = modelCode == kTwoUnitModel ? 2 : 1;
    switch (page) {
    case SettingsWriterPage::Basic: PlanBasicKeys(modelCode, live, working, &plan); break;
    case SettingsWriterPage::FmRadio: PlanFmKey(modelCode, live, working, &plan); break;
    case SettingsWriterPage::SpeedDial: PlanSpeedDialKeys(working, &plan); break;
    }
    return plan;
}

std::vector<std::uint16_t> FmBlockWords(const DeviceConfig& record, std::uint16_t identifier, int presets)
{
    presets = std::max(0, std::min(presets, kFmPresetCount));
    std::vector<std::uint16_t> words = {identifier, Low16(record.m_fmCurrentFrequency),
                                        Low16(record.m_fmCurrentPreset)};
    for (int i = 0; i < presets; ++i)
        words.push_back(Low16(record.m_fmPresets[i]));
    words.push_back(Low16(record.m_fmRds));
    words.push_back(Low16(record.m_fmRegion));
    return words;
}

std::vector<std::uint16_t> SpeedDialWords(const std::wstring& number)
{
    std::uint16_t words[kWordStringUnits] = {};
    const int bytes = StringToWords(words, number);
    // The count never exceeds the buffer: at most 20 characters go out.
    const int count = std::min(bytes / 2, kWordStringUnits);
    return std::vector<std::uint16_t>(words, words + count);
}

std::uint16_t AudioChannelTimeoutMs(int seconds)
{
    seconds = std::max(3, std::min(seconds, 60));
    return static_cast<std::uint16_t>(seconds * 1000);
}
