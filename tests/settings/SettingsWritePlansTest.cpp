#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/PsKeyTable.h"
#include "settings/SettingsWritePlans.h"

namespace {

using Words = std::vector<std::uint16_t>;
using Bytes = std::vector<std::uint8_t>;

// Stands for the configuration word of the working record in the tables
// below; the word itself is the record's business.
constexpr std::uint16_t CW = 0xC0DE;

constexpr int P = kHidWritePrimary;
constexpr int S = kHidWriteSecondary;
constexpr int W = 0x04; // write group
constexpr int C = 0x11; // commit group

struct Request {
    int channel;
    int command;
    int group;
    Words words;
};

bool operator==(const Request& a, const Request& b)
{
    return a.channel == b.channel && a.command == b.command && a.group == b.group && a.words == b.words;
}

std::ostream& operator<<(std::ostream& out, const Request& r)
{
    out << (r.channel == P ? "P" : "S") << " " << std::hex << r.command << " g" << std::dec << r.group << " {";
    for (std::uint16_t w : r.words)
        out << std::hex << "0x" << w << std::dec << " ";
    return out << "}";
}

// Word n of the fixed record is 0x1100 + n.
DeviceConfig FixedRecord(int model, int major, int minor)
{
    DeviceConfig record;
    record.m_modelCode = model;
    record.m_firmwareVersion = DeviceVersion{major, minor, 0, 0, 0};
    for (int n = 0; n < kSettingsWordCount; ++n)
        record.m_settings[n] = 0x1100 + n;
    record.m_fmMagicCode = 0x1234; // never what is sent
    record.m_fmCurrentFrequency = 9010;
    record.m_fmCurrentPreset = 3;
    for (int i = 0; i < kFmPresetCount; ++i)
        record.m_fmPresets[i] = 8750 + 100 * i;
    record.m_fmRds = 1;
    record.m_fmRegion = 4;
    record.m_speedDial = {L"+49*123#", L"", L"0123"};
    return record;
}

std::vector<Request> Requests(const HidWritePlan& plan)
{
    std::vector<Request> out;
    for (const HidWriteRequest& r : plan.requests)
        out.push_back({r.channel, r.command, r.group, r.words});
    return out;
}

// The expected requests with CW replaced by the record's configuration word.
std::vector<Request> WithConfigWord(std::vector<Request> requests, const DeviceConfig& working)
{
    for (Request& r : requests) {
        for (std::uint16_t& w : r.words) {
            if (w == CW)
                w = static_cast<std::uint16_t>(working.BuildConfigWord() & 0xFFFF);
        }
    }
    return requests;
}

std::string Checks(const HidWritePlan& plan)
{
    std::string text;
    for (const HidVersionCheck& c : plan.checks) {
        text += c.channel == P ? "P:" : "S:";
        text += c.expected == HidExpectedVersion::Firmware ? "fw "
                                                           : (c.expected == HidExpectedVersion::Chip1 ? "c1 " : "c2 ");
    }
    return text;
}

struct HidCase {
    int model;
    int major;
    int minor;
    const char* checks;
    std::vector<Request> requests;
};

void ExpectHidPlans(SettingsWriterPage page, const std::vector<HidCase>& cases)
{
    for (const HidCase& c : cases) {
        const DeviceConfig record = FixedRecord(c.model, c.major, c.minor);
        // A working record whose configuration word cannot be mistaken for word 0.
        DeviceConfig working = record;
        working.m_handsfreeVox = 1;
        working.m_plc = 1;
        HidWritePlan plan;
        const std::string label =
            "model " + std::to_string(c.model) + " at " + std::to_string(c.major) + "." + std::to_string(c.minor);
        ASSERT_TRUE(PlanHidWrite(page, c.model, record, working, &plan)) << label;
        EXPECT_EQ(Checks(plan), c.checks) << label;
        EXPECT_EQ(Requests(plan), WithConfigWord(c.requests, working)) << label;
    }
}

Words Range(int first, int count)
{
    Words words;
    for (int i = 0; i < count; ++i)
        words.push_back(static_cast<std::uint16_t>(0x1100 + first + i));
    return words;
}

TEST(SettingsWritePlans, BasicHidFamiliesSendTheirGroupsInOrder)
{
    const char* pair = "P:c1 S:c2 ";
    // clang-format off
    ExpectHidPlans(SettingsWriterPage::Basic, {
        {0x4210, 1, 0, pair, {{S, W, 4, Range(0, 3)}}},
        {0x4210, 1, 1, pair, {{S, W, 4, Range(0, 4)}}},
        {0x4210, 1, 2, pair, {{S, W, 4, Range(0, 10)}}},
        {0x4210, 2, 0, pair, {{S, W, 4, Range(0, 10)}}},
        {0x4310, 1, 0, pair, {{S, W, 4, Range(0, 10)}}},
        {0x2030, 1, 2, pair, {{S, W, 4, Range(0, 10)}}},
        {0x4430, 1, 0, pair, {{S, W, 4, Range(0, 10)}}},
        {0x3110, 2, 0, "P:c1 ", {{P, W, 4, Range(0, 2)}}},
        {0x3110, 2, 1, "P:c1 ", {{P, W, 4, Range(0, 4)}}},
        {0x3116, 1, 0, "P:c1 ", {{P, W, 4, Range(0, 4)}}},
        {0x3126, 1, 0, "P:c1 ", {{P, W, 4, Range(0, 2)}}},
        {0x3114, 1, 0, "P:c1 ", {{P, W, 4, Range(0, 3)}}},
        {0x5610, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}}},
        {0x5520, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 20, {0x110E}}}},
        {0x5510, 1, 9, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 7, {0x110A, 0x110B}}}},
        {0x5510, 2, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 7, {0x110A, 0x110B}}, {P, W, 28, {0x110C, 0x110D}}}},
        {0x5622, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 3, {0x1110}}}},
        {0x5622, 1, 1, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 3, {0x1110}}, {P, W, 20, {0x110E}}}},
        {0x5623, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}}},
        {0x5623, 1, 1, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 20, {0x110E}}}},
        {0x6400, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, W, 20, {0x110E}}}},
        {0x5920, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}}},
        {0x5416, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, C, 4, {CW, 0}}, {P, W, 20, {0x110E}},
                                 {P, C, 20, {0x110E}}, {P, W, 3, {0x1110}}, {P, C, 3, {0x1110}}}},
        {0x5560, 1, 0, "P:fw ", {{P, W, 4, {CW, 0}}, {P, C, 4, {CW, 0}}, {P, W, 20, {0x110E}},
                                 {P, C, 20, {0x110E}}, {P, W, 3, {0x1110}}, {P, C, 3, {0x1110}}}},
        {0x6024, 1, 0, "P:fw ", {{P, W, 4, {CW, 0, 0, 0}}, {P, C, 4, {CW, 0, 0, 0}}, {P, W, 18, {0x110E}},
                                 {P, C, 18, {0x110E}}}},
        {0x6014, 1, 0, "P:fw ", {{P, W, 4, {CW, 0, 0x1102, 0}}, {P, C, 4, {CW, 0, 0x1102, 0}},
                                 {P, W, 20, {0x110E}}, {P, C, 20, {0x110E}}}},
    });
    // clang-format on
}

TEST(SettingsWritePlans, FmHidFamiliesSendTheBlockWithTheFamilysIdentifier)
{
    const Words presets = {8750, 8850, 8950, 9050, 9150, 9250, 9350, 9450, 9550, 9650};
    Words full = {0x66E9, 9010, 3};
    full.insert(full.end(), presets.begin(), presets.end());
    full.insert(full.end(), {1, 4});
    Words plain = full;
    plain[0] = 0x56E9;
    const Words six = {0x56E9, 9010, 3, 8750, 8850, 8950, 9050, 9150, 9250, 1, 4};
    const char* pair = "P:c1 S:c2 ";
    // clang-format off
    ExpectHidPlans(SettingsWriterPage::FmRadio, {
        {0x4210, 1, 0, pair,     {{S, W, 21, full}}},
        {0x2030, 1, 0, pair,     {{S, W, 21, full}}},
        {0x5416, 1, 0, "P:fw ",  {{P, W, 21, plain}, {P, C, 21, plain}}},
        {0x5610, 1, 0, "P:fw ",  {{P, W, 21, full}}},
        {0x3110, 2, 1, "P:c1 ",  {{P, W, 21, full}}},
        {0x6014, 1, 0, "P:fw ",  {{P, W, 21, six}, {P, C, 21, six}}},
    });
    // clang-format on
}

TEST(SettingsWritePlans, SpeedDialsGoToGroups90To92WithEmptyNumbersPerFamily)
{
    const Words number1 = {0x002B, 0x0034, 0x0039, 0x002A, 0x0031, 0x0032, 0x0033, 0x0023};
    const Words number3 = {'0', '1', '2', '3'};
    // clang-format off
    ExpectHidPlans(SettingsWriterPage::SpeedDial, {
        {0x2030, 1, 0, "P:c1 S:c2 ", {{P, W, 90, number1}, {P, W, 91, {}},  {P, W, 92, number3}}},
        {0x4210, 1, 0, "P:c1 S:c2 ", {{P, W, 90, number1}, {P, W, 91, {}},  {P, W, 92, number3}}},
        {0x5610, 1, 0, "P:fw ",      {{P, W, 90, number1}, {P, W, 91, {0}}, {P, W, 92, number3}}},
        {0x3110, 2, 1, "P:c1 ",      {{P, W, 90, number1}, {P, W, 91, {0}}, {P, W, 92, number3}}},
        {0x6024, 1, 0, "P:fw ",      {{P, W, 90, number1}, {P, W, 91, {0}}, {P, W, 92, number3}}},
        {0x5416, 1, 0, "P:fw ",      {{P, W, 90, number1}, {P, W, 91, {0}}, {P, W, 92, number3}}},
    });
    // clang-format on
    DeviceConfig record = FixedRecord(0x5610, 1, 0);
    HidWritePlan plan;
    ASSERT_TRUE(PlanHidWrite(SettingsWriterPage::SpeedDial, 0x5610, record, record, &plan));
    EXPECT_TRUE(plan.sendAll);
}

TEST(SettingsWritePlans, ModelsOutsideTheHidListsTakeTheStorePath)
{
    struct Case {
        SettingsWriterPage page;
        int model;
    } cases[] = {
        {SettingsWriterPage::Basic, 0x4D10},     {SettingsWriterPage::Basic, 0x2020},
        {SettingsWriterPage::FmRadio, 0x5410},   {SettingsWriterPage::FmRadio, 0x4D15},
        {SettingsWriterPage::FmRadio, 0x6024},   {SettingsWriterPage::SpeedDial, 0x4D10},
        {SettingsWriterPage::SpeedDial, 0x5210},
    };
    for (const Case& c : cases) {
        const DeviceConfig record = FixedRecord(c.model, 1, 0);
        HidWritePlan plan;
        EXPECT_FALSE(PlanHidWrite(c.page, c.model, record, record, &plan)) << c.model;
    }
}

TEST(SettingsWritePlans, SpeedDialWordsKeepAtMostTwentyCharacters)
{
    EXPECT_EQ(SpeedDialWords(L""), Words{});
    EXPECT_EQ(SpeedDialWords(L"+49*123#"), (Words{0x2B, 0x34, 0x39, 0x2A, 0x31, 0x32, 0x33, 0x23}));
    EXPECT_EQ(SpeedDialWords(std::wstring(20, L'7')).size(), 20u);
    EXPECT_EQ(SpeedDialWords(std::wstring(25, L'7')).size(), 20u);
}

TEST(SettingsWritePlans, AudioChannelTimeoutIsHeldToItsRangeInMilliseconds)
{
    const int cases[][2] = {{3, 3000}, {30, 30000}, {60, 60000}, {2, 3000},
                            {0, 3000}, {-5, 3000},  {61, 60000}, {1000, 60000}};
    for (const auto& c : cases)
        EXPECT_EQ(AudioChannelTimeoutMs(c[0]), c[1]) << c[0];
}

Bytes Le(const Words& words)
{
    Bytes bytes;
    for (std::uint16_t w : words) {
        bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return bytes;
}

std::vector<std::pair<int, Bytes>> Keys(const StoreWritePlan& plan)
{
    std::vector<std::pair<int, Bytes>> out;
    for (const PsKeyWrite& w : plan.writes)
        out.emplace_back(w.key, w.bytes);
    return out;
}

TEST(SettingsWritePlans, BasicKeysAreWrittenOnlyWhenChanged)
{
    const Bytes on(kPsEdrOnPattern, kPsEdrOnPattern + 8);
    const Bytes off(kPsEdrOffPattern, kPsEdrOffPattern + 8);
    struct Case {
        const char* label;
        int model;
        int major;
        void (*edit)(DeviceConfig&);
        std::vector<std::pair<int, Bytes>> keys; // 654 carries the configuration word, checked apart
    };
    const std::vector<Case> cases = {
        {"VOX model below 4.0, nothing changed", 0x4D10, 3, [](DeviceConfig&) {}, {}},
        {"VOX model below 4.0, EDR on and both VOX",
         0x4D10,
         3,
         [](DeviceConfig& d) {
             d.m_edr = 0;
             d.m_intercomVox = 1;
             d.m_handsfreeVox = 1;
         },
         {{239, on}, {664, Le({1})}, {665, Le({1})}}},
        {"VOX model below 4.0, EDR off", 0x5080, 3, [](DeviceConfig& d) { d.m_edr = 2; }, {{239, off}}},
        {"VOX model below 4.0, phone VOX only",
         0x5050,
         3,
         [](DeviceConfig& d) { d.m_handsfreeVox = 1; },
         {{665, Le({1})}}},
        {"radio model",
         0x5210,
         1,
         [](DeviceConfig& d) {
             d.m_radioTransmitGain = 17;
             d.m_audioChannelTimeout = 30;
         },
         {{684, Le({17})}, {682, Le({30000})}}},
        {"radio model, timeout only, beyond its range",
         0x5210,
         1,
         [](DeviceConfig& d) { d.m_audioChannelTimeout = 90; },
         {{682, Le({60000})}}},
    };
    for (const Case& c : cases) {
        DeviceConfig live = FixedRecord(c.model, c.major, 0);
        live.m_edr = 1;
        live.m_radioTransmitGain = 15;
        live.m_audioChannelTimeout = 5;
        DeviceConfig working = live;
        c.edit(working);
        const StoreWritePlan plan = PlanStoreWrite(SettingsWriterPage::Basic, c.model, live, working);
        EXPECT_EQ(Keys(plan), c.keys) << c.label;
        EXPECT_EQ(plan.unitsNeeded, 1) << c.label;
        EXPECT_FALSE(plan.writeAll) << c.label;
    }
}

TEST(SettingsWritePlans, ConfigurationWordKeyCarriesTheWordAndAZeroWord)
{
    struct Case {
        int model;
        int major;
        bool written;
    } cases[] = {
        {0x4D10, 3, false}, // below 4.0 the VOX keys carry it
        {0x4D10, 4, true},  {0x5040, 5, true}, {0x2020, 1, true},
        {0x4D85, 1, true},  {0x4010, 1, true}, {0x5210, 1, false},
    };
    for (const Case& c : cases) {
        DeviceConfig live = FixedRecord(c.model, c.major, 0);
        DeviceConfig working = live;
        working.m_plc = 1;
        working.m_sidetone = 1;
        const int cw = working.BuildConfigWord();
        ASSERT_NE(cw, live.BuildConfigWord());
        const StoreWritePlan plan = PlanStoreWrite(SettingsWriterPage::Basic, c.model, live, working);
        std::vector<std::pair<int, Bytes>> expected;
        if (c.written)
            expected.push_back({654, {static_cast<std::uint8_t>(cw & 0xFF), static_cast<std::uint8_t>(cw >> 8), 0, 0}});
        EXPECT_EQ(Keys(plan), expected) << std::hex << c.model;
    }
}

TEST(SettingsWritePlans, TwoUnitModelNeedsBothUnits)
{
    const DeviceConfig record = FixedRecord(0x5310, 1, 0);
    EXPECT_EQ(PlanStoreWrite(SettingsWriterPage::Basic, 0x5310, record, record).unitsNeeded, 2);
    EXPECT_EQ(PlanStoreWrite(SettingsWriterPage::SpeedDial, 0x5310, record, record).unitsNeeded, 2);
}

TEST(SettingsWritePlans, FmKeyCarriesTheFullBlockOnlyForItsModels)
{
    Words block = {0x66E9, 9010, 3, 8750, 8850, 8950, 9050, 9150, 9250, 9350, 9450, 9550, 9650, 1, 4};
    for (int model : {0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x5040, 0x5050}) {
        const DeviceConfig record = FixedRecord(model, 1, 0);
        const StoreWritePlan plan = PlanStoreWrite(SettingsWriterPage::FmRadio, model, record, record);
        ASSERT_EQ(plan.writes.size(), 1u) << std::hex << model;
        EXPECT_EQ(plan.writes[0].key, 671);
        EXPECT_EQ(plan.writes[0].bytes, Le(block)); // 30 bytes, written even when unchanged
        EXPECT_FALSE(plan.unwritableChange);
    }
}

TEST(SettingsWritePlans, ChangeWithoutAKeyToCarryItCannotBeWritten)
{
    const DeviceConfig record = FixedRecord(0x4D10, 4, 0);
    DeviceConfig changed = record;
    changed.m_fmPresets[0] = 9000;
    EXPECT_TRUE(PlanStoreWrite(SettingsWriterPage::FmRadio, 0x4D10, record, changed).unwritableChange);
    const StoreWritePlan same = PlanStoreWrite(SettingsWriterPage::FmRadio, 0x4D10, record, record);
    EXPECT_FALSE(same.unwritableChange);
    EXPECT_TRUE(same.writes.empty());
}

TEST(SettingsWritePlans, SpeedDialKeysAreTwentyWordsEach)
{
    const DeviceConfig record = FixedRecord(0x2020, 1, 0);
    const StoreWritePlan plan = PlanStoreWrite(SettingsWriterPage::SpeedDial, 0x2020, record, record);
    ASSERT_EQ(plan.writes.size(), 3u);
    Words first = {0x2B, 0x34, 0x39, 0x2A, 0x31, 0x32, 0x33, 0x23};
    first.resize(20, 0);
    Words third = {'0', '1', '2', '3'};
    third.resize(20, 0);
    EXPECT_EQ(plan.writes[0].key, 0x2280);
    EXPECT_EQ(plan.writes[0].bytes, Le(first));
    EXPECT_EQ(plan.writes[1].key, 0x2281);
    EXPECT_EQ(plan.writes[1].bytes, Bytes(40, 0));
    EXPECT_EQ(plan.writes[2].key, 0x2282);
    EXPECT_EQ(plan.writes[2].bytes, Le(third));
    EXPECT_TRUE(plan.writeAll);
}

} // namespace
