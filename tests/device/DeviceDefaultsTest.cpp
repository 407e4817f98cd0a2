#include "device/DeviceConfig.h"
#include "device/DeviceDefaults.h"
#include "device/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Values no factory default uses, so a kept field is told from a set one.
constexpr int kKeptOption = 7;
constexpr int kKeptRegion = 9; // outside the region table: kept as stored
constexpr int kKeptMagic = 0x66E9;
constexpr int kKeptFrequency = 9010;
constexpr int kKeptPreset = 4;
constexpr int kKeptRds = 5;
constexpr int kKeptGain = 17;
constexpr int kKeptTimeout = 30;

int KeptWord(int index)
{
    return 0x1100 + index;
}

int KeptFmPreset(int index)
{
    return 8770 + 20 * index;
}

int DeviceConfig::*const kOptions[] = {
    &DeviceConfig::m_handsfreeVox, &DeviceConfig::m_intercomVox,     &DeviceConfig::m_edr,
    &DeviceConfig::m_voicePrompt,  &DeviceConfig::m_plc,             &DeviceConfig::m_bitpoolRate,
    &DeviceConfig::m_microphoneBoost, &DeviceConfig::m_sidetone,     &DeviceConfig::m_hushguard,
    &DeviceConfig::m_autoGainControl,
};

DeviceConfig UnitRecord(int productId, DeviceVersion firmware)
{
    DeviceConfig unit;
    unit.m_modelCode = productId;
    unit.m_firmwareVersion = firmware;
    unit.m_deviceName = L"unit";
    for (auto option : kOptions) {
        unit.*option = kKeptOption;
    }
    unit.m_radioTransmitGain = kKeptGain;
    unit.m_audioChannelTimeout = kKeptTimeout;
    for (int i = 0; i < kSettingsWordCount; ++i) {
        unit.m_settings[i] = KeptWord(i);
    }
    unit.m_fmRegion = kKeptRegion;
    unit.m_fmMagicCode = kKeptMagic;
    unit.m_fmCurrentFrequency = kKeptFrequency;
    unit.m_fmCurrentPreset = kKeptPreset;
    for (int i = 0; i < kFmPresetCount; ++i) {
        unit.m_fmPresets[i] = KeptFmPreset(i);
    }
    unit.m_fmRds = kKeptRds;
    unit.m_speedDial = {L"+4912345", L"555", L"0800"};
    return unit;
}

// Option values as the defaults table writes them: a point for a kept value.
std::string Options(const DeviceConfig& record)
{
    std::string text;
    for (auto option : kOptions) {
        const int value = record.*option;
        text += value == kKeptOption ? '.' : static_cast<char>('0' + value);
    }
    return text;
}

struct Fm
{
    bool reset;
    int region;
    int presets;
    int rds;
};

constexpr Fm kFmKept{false, 0, 0, 0};

struct DefaultsCase
{
    const char* label;
    int productId;
    DeviceVersion firmware;
    const char* options;
    std::map<int, int> words; // settings words set besides the zeroing of 0 to 15
    Fm fm;
};

void ExpectDefaults(const DeviceConfig& record, const DefaultsCase& c)
{
    EXPECT_EQ(Options(record), c.options);
    for (int i = 0; i < kSettingsWordCount; ++i) {
        auto set = c.words.find(i);
        const int expected = set != c.words.end() ? set->second : (i < 16 ? 0 : KeptWord(i));
        EXPECT_EQ(record.m_settings[i], expected) << "word " << i;
    }
    if (c.fm.reset) {
        EXPECT_EQ(record.m_fmRegion, c.fm.region);
        EXPECT_EQ(record.m_fmMagicCode, 0x56E9);
        EXPECT_EQ(record.m_fmCurrentFrequency, 0);
        EXPECT_EQ(record.m_fmCurrentPreset, 0);
        EXPECT_EQ(record.m_fmRds, c.fm.rds);
    } else {
        EXPECT_EQ(record.m_fmRegion, kKeptRegion);
        EXPECT_EQ(record.m_fmMagicCode, kKeptMagic);
        EXPECT_EQ(record.m_fmCurrentFrequency, kKeptFrequency);
        EXPECT_EQ(record.m_fmCurrentPreset, kKeptPreset);
        EXPECT_EQ(record.m_fmRds, kKeptRds);
    }
    const int emptied = c.fm.reset ? c.fm.presets : 0;
    for (int i = 0; i < kFmPresetCount; ++i) {
        EXPECT_EQ(record.m_fmPresets[i], i < emptied ? 0 : KeptFmPreset(i)) << "preset " << i + 1;
    }
    for (const std::wstring& number : record.m_speedDial) {
        EXPECT_TRUE(number.empty());
    }
}

DeviceVersion Fw(int major, int minor, int kind = 0, int build = 0)
{
    return {major, minor, kind, build, 0};
}

TEST(BasicDefaults, FirmwareBandsAtTheirEdges)
{
    const Fm ten0{true, 0, 10, 0};
    const Fm ten0Rds{true, 0, 10, 1};
    const Fm ten1{true, 1, 10, 0};
    const DefaultsCase cases[] = {
        {"0x4D10 below 4.0", 0x4D10, Fw(3, 9), "000.......", {}, kFmKept},
        {"0x4D10 4.0", 0x4D10, Fw(4, 0), "100.1.....", {}, kFmKept},
        {"0x4D10 4.1", 0x4D10, Fw(4, 1), "100.111...", {}, kFmKept},
        {"0x4D10 4.2", 0x4D10, Fw(4, 2), "100..11...", {}, kFmKept},
        {"0x4D10 4.9", 0x4D10, Fw(4, 9), "100..11...", {}, kFmKept},
        {"0x4D10 5.0", 0x4D10, Fw(5, 0), "100..110..", {}, kFmKept},
        {"0x4D40 shares the rows", 0x4D40, Fw(7, 3), "100..110..", {}, kFmKept},
        {"0x4D20 4.1 keeps microphone boost", 0x4D20, Fw(4, 1), "100.11....", {}, kFmKept},
        {"0x2020 1.0", 0x2020, Fw(1, 0), "100..1.0..", {}, kFmKept},
        {"0x2020 1.1", 0x2020, Fw(1, 1), "100..1.00.", {}, kFmKept},
        {"0x4D15 2.0 with FM", 0x4D15, Fw(2, 0), "1.0..1.0..", {}, ten0},
        {"0x4210 1.0", 0x4210, Fw(1, 0), "..........", {{0, 5}, {1, 3}, {2, 0xEC00}}, ten0},
        {"0x4210 1.1", 0x4210, Fw(1, 1), "..........", {{0, 5}, {1, 3}, {2, 0xEC00}, {3, 3}}, ten1},
        {"0x4210 1.4", 0x4210, Fw(1, 4), "..........", {{0, 5}, {1, 3}, {2, 0xED80}, {3, 3}}, ten1},
        {"0x4210 1.5", 0x4210, Fw(1, 5), "..........", {{0, 5}, {1, 3}, {2, 0xEDA0}, {3, 3}}, ten1},
        {"0x4210 1.6", 0x4210, Fw(1, 6), "..........", {{0, 5}, {1, 3}, {2, 0xED20}, {3, 2}}, ten1},
        {"0x4210 3.0", 0x4210, Fw(3, 0), "..........", {{0, 5}, {1, 3}, {2, 0xED20}, {3, 2}}, ten1},
        {"0x5412 1.0 keeps HD voice", 0x5412, Fw(1, 0), "1000.1.00.",
         {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {22, 0}, {23, 0}}, ten0Rds},
        {"0x5412 1.1", 0x5412, Fw(1, 1), "1000.1.00.",
         {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, ten0Rds},
        {"0x5410 2.0", 0x5410, Fw(2, 0), "10.0...00.",
         {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {21, 0}, {22, 0}, {23, 0}}, kFmKept},
        {"0x3030", 0x3030, Fw(1, 0), "...0....0.", {{20, 1}}, ten0},
    };
    for (const DefaultsCase& c : cases) {
        SCOPED_TRACE(c.label);
        DeviceConfig defaults;
        MakeBasicDefaults(defaults, UnitRecord(c.productId, c.firmware));
        ExpectDefaults(defaults, c);
    }
}

// The factory table written out independently of the code, one line per firmware
// band; an empty product list continues the products of the line above.
struct Band
{
    bool any;
    DeviceVersion from;
};

const Band kAnyBand{true, {}};

Band From(int major, int minor)
{
    return {false, Fw(major, minor)};
}

Band FromBuild(int major, int minor, int build)
{
    return {false, Fw(major, minor, 2, build)};
}

constexpr int kGain = -1;    // radio transmit gain, beside the settings words
constexpr int kTimeout = -2; // audio channel time-out

struct FactoryRow
{
    std::vector<int> products;
    Band band;
    const char* options;
    std::map<int, int> words;
    Fm fm;
};

const std::vector<FactoryRow>& FactoryTable()
{
    static const std::vector<FactoryRow> rows = {
        {{0x0000, 0x3010, 0x3020, 0x3500, 0x5310, 0x5320, 0x5330, 0x5345}, kAnyBand, "..........", {}, kFmKept},
        {{0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030}, kAnyBand, "1.0..1....", {}, kFmKept},
        {{0x2020}, kAnyBand, "100..1.0..", {}, kFmKept},
        {{}, From(1, 1), "100..1.00.", {}, kFmKept},
        {{0x2030, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610}, kAnyBand, "..........", {{0, 5}, {1, 3}, {2, 0xED21}, {3, 2}}, Fm{true, 0, 10, 0}},
        {{0x3030, 0x3040, 0x3050, 0x3060}, kAnyBand, "...0....0.", {{20, 1}}, Fm{true, 0, 10, 0}},
        {{0x3110, 0x3116, 0x3118, 0x3124, 0x3126}, kAnyBand, "..........", {{0, 0x1C21}, {1, 0x583}}, Fm{true, 0, 10, 0}},
        {{0x3112, 0x3114}, kAnyBand, "..........", {{0, 0x1C21}, {1, 0x583}, {2, 0x66}}, Fm{true, 0, 10, 0}},
        {{0x4021, 0x6430}, kAnyBand, "1.........", {}, kFmKept},
        {{0x4040}, kAnyBand, "100..1.00.", {}, kFmKept},
        {{0x4110, 0x4111}, kAnyBand, "100..1....", {}, kFmKept},
        {{0x4120}, kAnyBand, "100..1.000", {}, kFmKept},
        {{0x4210}, kAnyBand, "..........", {{0, 5}, {1, 3}, {2, 0xEC00}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 1), "..........", {{0, 5}, {1, 3}, {2, 0xEC00}, {3, 3}}, Fm{true, 1, 10, 0}},
        {{}, From(1, 2), "..........", {{0, 5}, {1, 3}, {2, 0xED80}, {3, 3}}, Fm{true, 1, 10, 0}},
        {{}, From(1, 5), "..........", {{0, 5}, {1, 3}, {2, 0xEDA0}, {3, 3}}, Fm{true, 1, 10, 0}},
        {{}, From(1, 6), "..........", {{0, 5}, {1, 3}, {2, 0xED20}, {3, 2}}, Fm{true, 1, 10, 0}},
        {{0x4D05, 0x4D35, 0x4D55}, kAnyBand, "1.0.1.....", {}, kFmKept},
        {{}, From(1, 2), "1.0..1....", {}, kFmKept},
        {{}, From(2, 0), "1.0..1.0..", {}, kFmKept},
        {{0x4D10, 0x4D30, 0x4D40}, kAnyBand, "000.......", {}, kFmKept},
        {{}, From(4, 0), "100.1.....", {}, kFmKept},
        {{}, From(4, 1), "100.111...", {}, kFmKept},
        {{}, From(4, 2), "100..11...", {}, kFmKept},
        {{}, From(5, 0), "100..110..", {}, kFmKept},
        {{0x4D15, 0x4D45, 0x4D65}, kAnyBand, "1.0.1.....", {}, Fm{true, 0, 10, 0}},
        {{}, From(1, 2), "1.0..1....", {}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1.0..1.0..", {}, Fm{true, 0, 10, 0}},
        {{0x4D20, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070, 0x5080}, kAnyBand, "000.......", {}, kFmKept},
        {{}, From(4, 0), "100.1.....", {}, kFmKept},
        {{}, From(4, 1), "100.11....", {}, kFmKept},
        {{}, From(4, 2), "100..1....", {}, kFmKept},
        {{}, From(5, 0), "100..1.0..", {}, kFmKept},
        {{0x4D21}, kAnyBand, ".......1..", {}, kFmKept},
        {{0x4D75, 0x5011}, kAnyBand, "100..1.0..", {}, kFmKept},
        {{0x4D85}, kAnyBand, "1.0..1.0..", {}, Fm{true, 0, 10, 0}},
        {{0x5040, 0x5050}, kAnyBand, "000.......", {}, Fm{true, 0, 10, 0}},
        {{}, From(4, 0), "100.1.....", {}, Fm{true, 0, 10, 0}},
        {{}, From(4, 1), "100.11....", {}, Fm{true, 0, 10, 0}},
        {{}, From(4, 2), "100..1....", {}, Fm{true, 0, 10, 0}},
        {{}, From(5, 0), "100..1.0..", {}, Fm{true, 0, 10, 0}},
        {{0x5210}, kAnyBand, "..........", {{kGain, 15}, {kTimeout, 5}}, kFmKept},
        {{0x5410}, kAnyBand, "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {23, 0}}, kFmKept},
        {{}, From(1, 1), "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {21, 0}, {23, 0}}, kFmKept},
        {{}, From(2, 0), "10.0...00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {21, 0}, {22, 0}, {23, 0}}, kFmKept},
        {{0x5412, 0x5414}, kAnyBand, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 1}},
        {{}, From(1, 1), "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 1}},
        {{0x5416}, kAnyBand, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 1}},
        {{0x5418, 0x5420}, kAnyBand, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 1}},
        {{0x5510}, kAnyBand, "1000.1.00.", {{10, 0x7C0}, {18, 0}}, Fm{true, 0, 10, 0}},
        {{}, FromBuild(1, 0, 3), "1000.1.00.", {{10, 0x7C0}, {18, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000.1.00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 2), "1000.1.00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(3, 0), "1000...00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5520}, kAnyBand, "1000.1.00.", {{14, 3}, {18, 0}}, Fm{true, 0, 10, 0}},
        {{}, FromBuild(1, 0, 1), "1000.1.00.", {{14, 3}, {18, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 1), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 3), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000...00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5522}, kAnyBand, "..00.1..0.", {{18, 0}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{0x5524}, kAnyBand, "...0.1..0.", {{18, 0}, {20, 1}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5526}, kAnyBand, "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000...00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5530}, kAnyBand, "1000.1.00.", {{18, 1}, {19, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 4), "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5532}, kAnyBand, "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}}, Fm{true, 0, 10, 0}},
        {{0x5536}, kAnyBand, "...0.1..0.", {{18, 0}, {20, 1}, {21, 0}}, Fm{true, 0, 10, 0}},
        {{0x5550}, kAnyBand, "...0.1..0.", {{18, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "...0....0.", {{18, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5560}, kAnyBand, "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {21, 0}, {23, 0}}, kFmKept},
        {{0x5570}, kAnyBand, "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5580}, kAnyBand, "10.0.1.00.", {{18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, kAnyBand, "1000.1.00.", {{18, 0}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 1), "1000.1.00.", {{18, 1}, {19, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5622, 0x5624}, kAnyBand, "1000.1.00.", {{14, 2}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5623}, kAnyBand, "1000.1.00.", {{14, 2}, {18, 1}, {19, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x5710}, kAnyBand, "1000.1.00.", {{18, 1}, {19, 1}}, Fm{true, 0, 10, 0}},
        {{}, From(1, 2), "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{0x5720}, kAnyBand, "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{0x5910, 0x5920}, kAnyBand, "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}}, Fm{true, 0, 10, 0}},
        {{0x6010, 0x6012}, kAnyBand, "1000.1.00.", {{2, 0x68}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, Fm{true, 0, 6, 1}},
        {{0x6014, 0x6016, 0x6018, 0x6026}, kAnyBand, "1000.1.00.", {{2, 0x6B}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, Fm{true, 0, 6, 1}},
        {{0x6020, 0x6022, 0x6024}, kAnyBand, "1..0...00.", {{14, 2}, {24, 0}}, Fm{true, 0, 6, 1}},
        {{0x6110, 0x6111, 0x6120, 0x6121}, kAnyBand, "..0..1.00.", {}, kFmKept},
        {{0x6210}, kAnyBand, "1000....0.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x6400}, kAnyBand, "1000....0.", {{14, 2}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, Fm{true, 0, 10, 0}},
        {{0x6420}, kAnyBand, "1.0.......", {}, kFmKept},
    };
    return rows;
}

// The highest version below the start of a band.
DeviceVersion JustBelow(const DeviceVersion& from)
{
    if (from.kind == 2) {
        return Fw(from.major, from.minor, 2, from.build - 1);
    }
    return from.minor > 0 ? Fw(from.major, from.minor - 1, 2, 99) : Fw(from.major - 1, 99, 2, 99);
}

void ExpectFactoryRow(int productId, const DeviceVersion& firmware, const FactoryRow& row)
{
    SCOPED_TRACE(::testing::Message() << std::hex << productId << std::dec << " firmware " << firmware.major << "."
                                      << firmware.minor << " kind " << firmware.kind << " build " << firmware.build);
    DeviceConfig defaults;
    MakeBasicDefaults(defaults, UnitRecord(productId, firmware));
    ExpectDefaults(defaults, {"", productId, firmware, row.options, row.words, row.fm});
    const auto gain = row.words.find(kGain);
    const auto timeout = row.words.find(kTimeout);
    EXPECT_EQ(defaults.m_radioTransmitGain, gain != row.words.end() ? gain->second : kKeptGain);
    EXPECT_EQ(defaults.m_audioChannelTimeout, timeout != row.words.end() ? timeout->second : kKeptTimeout);
}

TEST(BasicDefaults, EveryProductOfEveryBandFromItsStartAndJustBelowIt)
{
    const std::vector<FactoryRow>& table = FactoryTable();
    std::vector<int> products;
    std::set<int> seen;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FactoryRow& row = table[i];
        if (!row.products.empty()) {
            products = row.products;
            for (int id : products) {
                EXPECT_TRUE(seen.insert(id).second) << std::hex << id << " has two factory rows";
            }
        }
        for (int id : products) {
            if (row.band.any) {
                ExpectFactoryRow(id, Fw(0, 0), row);
            } else {
                ExpectFactoryRow(id, row.band.from, row);
                // The band before keeps its values up to here.
                ExpectFactoryRow(id, JustBelow(row.band.from), table[i - 1]);
            }
        }
    }
    // Every catalogue model has its row but the ones that get only the
    // zeroing and the empty speed dials.
    const ModelNameTableView names = ModelNameTable();
    for (std::size_t i = 0; i < names.count; ++i) {
        EXPECT_EQ(seen.count(names.rows[i].productId), 1u) << std::hex << names.rows[i].productId;
    }
}

TEST(BasicDefaults, BuildNumberThresholdsUseTheRecordsOwnVersion)
{
    const Fm ten0{true, 0, 10, 0};
    const DefaultsCase cases[] = {
        {"0x5520 1.0 build 0", 0x5520, Fw(1, 0, 2, 0), "1000.1.00.", {{14, 3}, {18, 0}}, ten0},
        {"0x5520 1.0 build 1", 0x5520, Fw(1, 0, 2, 1), "1000.1.00.", {{14, 3}, {18, 1}}, ten0},
        {"0x5520 1.0 build 7", 0x5520, Fw(1, 0, 2, 7), "1000.1.00.", {{14, 3}, {18, 1}}, ten0},
        {"0x5520 1.0 rc 5", 0x5520, Fw(1, 0, 1, 5), "1000.1.00.", {{14, 3}, {18, 0}}, ten0},
        {"0x5520 plain 1.0", 0x5520, Fw(1, 0), "1000.1.00.", {{14, 3}, {18, 0}}, ten0},
        {"0x5520 1.1", 0x5520, Fw(1, 1), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}}, ten0},
        {"0x5520 1.3", 0x5520, Fw(1, 3), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, ten0},
        {"0x5520 2.0", 0x5520, Fw(2, 0), "1000...00.",
         {{14, 3}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, ten0},
        {"0x5510 1.0 build 2", 0x5510, Fw(1, 0, 2, 2), "1000.1.00.", {{10, 0x7C0}, {18, 0}}, ten0},
        {"0x5510 1.0 build 3", 0x5510, Fw(1, 0, 2, 3), "1000.1.00.", {{10, 0x7C0}, {18, 1}}, ten0},
        {"0x5510 1.9", 0x5510, Fw(1, 9), "1000.1.00.", {{10, 0x7C0}, {18, 1}}, ten0},
        {"0x5510 2.0", 0x5510, Fw(2, 0), "1000.1.00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}}, ten0},
        {"0x5510 2.2", 0x5510, Fw(2, 2), "1000.1.00.",
         {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}}, ten0},
        {"0x5510 3.0", 0x5510, Fw(3, 0, 1, 1), "1000...00.",
         {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, ten0},
    };
    for (const DefaultsCase& c : cases) {
        SCOPED_TRACE(c.label);
        DeviceConfig defaults;
        MakeBasicDefaults(defaults, UnitRecord(c.productId, c.firmware));
        ExpectDefaults(defaults, c);
    }
}

TEST(BasicDefaults, SixPresetModelsAndPackedOptionModels)
{
    const Fm six{true, 0, 6, 1};
    const Fm ten0{true, 0, 10, 0};
    const DefaultsCase cases[] = {
        // presets seven to ten keep their values
        {"0x6010", 0x6010, Fw(1, 0), "1000.1.00.", {{2, 0x68}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, six},
        {"0x6026", 0x6026, Fw(2, 1), "1000.1.00.", {{2, 0x6B}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, six},
        {"0x6022", 0x6022, Fw(1, 0), "1..0...00.", {{14, 2}, {24, 0}}, six},
        // options packed into words 0 to 2 rather than the option fields
        {"0x3110", 0x3110, Fw(1, 0), "..........", {{0, 0x1C21}, {1, 0x583}}, ten0},
        {"0x3114", 0x3114, Fw(1, 0), "..........", {{0, 0x1C21}, {1, 0x583}, {2, 0x66}}, ten0},
    };
    for (const DefaultsCase& c : cases) {
        SCOPED_TRACE(c.label);
        DeviceConfig defaults;
        MakeBasicDefaults(defaults, UnitRecord(c.productId, c.firmware));
        ExpectDefaults(defaults, c);
    }
}

TEST(BasicDefaults, TransmitGainModelSetsOnlyItsOwnFields)
{
    DeviceConfig defaults;
    MakeBasicDefaults(defaults, UnitRecord(0x5210, Fw(1, 0)));
    ExpectDefaults(defaults, {"0x5210", 0x5210, Fw(1, 0), "..........", {}, kFmKept});
    EXPECT_EQ(defaults.m_radioTransmitGain, 15);
    EXPECT_EQ(defaults.m_audioChannelTimeout, 5);

    MakeBasicDefaults(defaults, UnitRecord(0x4D10, Fw(5, 0)));
    EXPECT_EQ(defaults.m_radioTransmitGain, kKeptGain);
    EXPECT_EQ(defaults.m_audioChannelTimeout, kKeptTimeout);
}

TEST(BasicDefaults, ModelsWithoutFactoryRowGetOnlyZeroingAndEmptySpeedDials)
{
    for (int id : {0x0000, 0x3010, 0x3020, 0x3500, 0x5310, 0x5320, 0x5330, 0x5345, 0x9999, -1}) {
        SCOPED_TRACE(id);
        DeviceConfig defaults;
        MakeBasicDefaults(defaults, UnitRecord(id, Fw(9, 9)));
        ExpectDefaults(defaults, {"", id, Fw(9, 9), "..........", {}, kFmKept});
        EXPECT_EQ(defaults.m_radioTransmitGain, kKeptGain);
    }
}

TEST(BasicDefaults, EveryOtherCatalogueModelHasFactoryValues)
{
    // Guards the table against a dropped product id: beyond the zeroing and
    // the speed dials, every other known model sets something.
    const std::set<int> withoutRow = {0x3010, 0x3020, 0x3500, 0x5310, 0x5320, 0x5330, 0x5345};
    const ModelNameTableView table = ModelNameTable();
    for (std::size_t i = 0; i < table.count; ++i) {
        const int id = table.rows[i].productId;
        SCOPED_TRACE(::testing::Message() << std::hex << id);
        const DeviceConfig unit = UnitRecord(id, Fw(1, 0));
        DeviceConfig defaults;
        MakeBasicDefaults(defaults, unit);

        DeviceConfig onlyCommon = unit;
        for (int w = 0; w < 16; ++w) {
            onlyCommon.m_settings[w] = 0;
        }
        const bool changed = Options(defaults) != ".........." ||
                             defaults.m_radioTransmitGain != kKeptGain ||
                             defaults.m_fmMagicCode != kKeptMagic ||
                             !std::equal(defaults.m_settings, defaults.m_settings + kSettingsWordCount,
                                         onlyCommon.m_settings);
        EXPECT_EQ(changed, withoutRow.count(id) == 0);
        for (const std::wstring& number : defaults.m_speedDial) {
            EXPECT_TRUE(number.empty());
        }
    }
}

TEST(BasicDefaults, MainWindowResetOfTheLiveRecord)
{
    // Product 0 with firmware 0.0, applied in place before each identification.
    DeviceConfig live = UnitRecord(0x4D10, Fw(5, 0));
    live.ApplyBasicDefaults(0, 0, 0);
    ExpectDefaults(live, {"", 0, Fw(0, 0), "..........", {}, kFmKept});
    EXPECT_EQ(live.m_modelCode, 0x4D10);
}

TEST(BasicDefaults, CopiesVersionsAndLeavesTheSourceAlone)
{
    const DeviceConfig unit = UnitRecord(0x5520, Fw(1, 0, 2, 1));
    DeviceConfig defaults = UnitRecord(0x4D10, Fw(9, 9, 1, 9));
    MakeBasicDefaults(defaults, unit);
    EXPECT_EQ(defaults.m_modelCode, 0x5520);
    EXPECT_EQ(defaults.m_firmwareVersion.major, 1);
    EXPECT_EQ(defaults.m_firmwareVersion.minor, 0);
    EXPECT_EQ(defaults.m_firmwareVersion.kind, 2);
    EXPECT_EQ(defaults.m_firmwareVersion.build, 1);
    EXPECT_EQ(unit.m_settings[0], KeptWord(0));
    EXPECT_EQ(unit.m_speedDial[0], L"+4912345");
}

TEST(FmRadioDefaults, RegionPresetsAndRds)
{
    const struct { int id; DeviceVersion fw; int region; } cases[] = {
        {0x4210, Fw(1, 0), 0}, {0x4210, Fw(1, 1), 1}, {0x4210, Fw(2, 0), 1},
        {0x4D15, Fw(2, 0), 0}, {0x6010, Fw(1, 0), 0}, {0x9999, Fw(1, 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.id);
        const DeviceConfig unit = UnitRecord(c.id, c.fw);
        DeviceConfig defaults;
        MakeFmRadioDefaults(defaults, unit);
        EXPECT_EQ(defaults.m_fmRegion, c.region);
        for (int preset : defaults.m_fmPresets) {
            EXPECT_EQ(preset, 0);
        }
        EXPECT_EQ(defaults.m_fmRds, 0);
        // the tag and the tuning stay as the unit has them
        EXPECT_EQ(defaults.m_fmMagicCode, kKeptMagic);
        EXPECT_EQ(defaults.m_fmCurrentFrequency, kKeptFrequency);
        EXPECT_EQ(defaults.m_fmCurrentPreset, kKeptPreset);
        EXPECT_EQ(defaults.m_settings[0], KeptWord(0));
        EXPECT_EQ(defaults.m_speedDial[1], L"555");
        EXPECT_EQ(Options(defaults), "..........");
    }
}

TEST(SpeedDialDefaults, EmptiesOnlyTheNumbers)
{
    const DeviceConfig unit = UnitRecord(0x4D10, Fw(5, 0));
    DeviceConfig defaults;
    MakeSpeedDialDefaults(defaults, unit);
    for (const std::wstring& number : defaults.m_speedDial) {
        EXPECT_TRUE(number.empty());
    }
    EXPECT_EQ(defaults.m_settings[0], KeptWord(0));
    EXPECT_EQ(defaults.m_fmRegion, kKeptRegion);
    EXPECT_EQ(Options(defaults), "..........");
}

} // namespace
