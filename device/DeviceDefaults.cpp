#include "device/DeviceDefaults.h"

#include <algorithm>
#include <vector>

#include "device/DeviceConfig.h"
#include "device/VersionCompare.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Lowest firmware of a band. A threshold with a build number is held against
// the record's own four-part version, so 1.0 build 3 lies above the 1.0
// release candidates and below 1.1.
struct FirmwareFrom
{
    bool any;
    int major;
    int minor;
    int build; // -1: the threshold is major.minor alone
};

constexpr FirmwareFrom kAnyFirmware{true, 0, 0, -1};

constexpr FirmwareFrom From(int major, int minor)
{
    return {false, major, minor, -1};
}

constexpr FirmwareFrom FromBuild(int major, int minor, int build)
{
    return {false, major, minor, build};
}

// Fields set besides the settings words.
constexpr int kRadioTransmitGain = -1;
constexpr int kAudioChannelTimeout = -2;

struct FieldValue
{
    int word; // settings word index, or one of the fields above
    int value;
};

struct FmDefaults
{
    bool reset;
    int region;
    int presets; // how many presets, from the first, are emptied
    int rds;
};

constexpr FmDefaults kFmKept{false, 0, 0, 0};

constexpr FmDefaults FmReset(int region, int presets, int rds)
{
    return {true, region, presets, rds};
}

constexpr int kFmBlockMagicCode = 0x56E9;

// Options, in record order: hands-free VOX, intercom VOX, EDR, voice prompt,
// PLC, bitpool rate, microphone boost, sidetone, Hushguard, AGC. A digit is
// the factory value; a point leaves the unit's current value.
int DeviceConfig::*const kOptionFields[] = {
    &DeviceConfig::m_handsfreeVox,    &DeviceConfig::m_intercomVox, &DeviceConfig::m_edr,
    &DeviceConfig::m_voicePrompt,     &DeviceConfig::m_plc,         &DeviceConfig::m_bitpoolRate,
    &DeviceConfig::m_microphoneBoost, &DeviceConfig::m_sidetone,    &DeviceConfig::m_hushguard,
    &DeviceConfig::m_autoGainControl,
};
constexpr int kOptionCount = sizeof(kOptionFields) / sizeof(kOptionFields[0]);

struct BasicDefaultsRow
{
    std::vector<int> products; // empty: the products of the row above, a later firmware band
    FirmwareFrom from;
    const char* options;
    std::vector<FieldValue> fields;
    FmDefaults fm;
};

// A row applies from its firmware up to the next band of the same products.
// Anything not named keeps the unit's current value.
const std::vector<BasicDefaultsRow>& BasicDefaultsTable()
{
    static const std::vector<BasicDefaultsRow> table = {
        {{0x0000, 0x3010, 0x3020, 0x3500, 0x5310, 0x5320, 0x5330, 0x5345}, kAnyFirmware, "..........", {}, kFmKept},
        {{0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030}, kAnyFirmware, "1.0..1....", {}, kFmKept},
        {{0x2020}, kAnyFirmware, "100..1.0..", {}, kFmKept},
        {{}, From(1, 1), "100..1.00.", {}, kFmKept},
        {{0x2030, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610}, kAnyFirmware, "..........", {{0, 5}, {1, 3}, {2, 0xED21}, {3, 2}}, FmReset(0, 10, 0)},
        {{0x3030, 0x3040, 0x3050, 0x3060}, kAnyFirmware, "...0....0.", {{20, 1}}, FmReset(0, 10, 0)},
        {{0x3110, 0x3116, 0x3118, 0x3124, 0x3126}, kAnyFirmware, "..........", {{0, 0x1C21}, {1, 0x583}}, FmReset(0, 10, 0)},
        {{0x3112, 0x3114}, kAnyFirmware, "..........", {{0, 0x1C21}, {1, 0x583}, {2, 0x66}}, FmReset(0, 10, 0)},
        {{0x4021, 0x6430}, kAnyFirmware, "1.........", {}, kFmKept},
        {{0x4040}, kAnyFirmware, "100..1.00.", {}, kFmKept},
        {{0x4110, 0x4111}, kAnyFirmware, "100..1....", {}, kFmKept},
        {{0x4120}, kAnyFirmware, "100..1.000", {}, kFmKept},
        {{0x4210}, kAnyFirmware, "..........", {{0, 5}, {1, 3}, {2, 0xEC00}}, FmReset(0, 10, 0)},
        {{}, From(1, 1), "..........", {{0, 5}, {1, 3}, {2, 0xEC00}, {3, 3}}, FmReset(1, 10, 0)},
        {{}, From(1, 2), "..........", {{0, 5}, {1, 3}, {2, 0xED80}, {3, 3}}, FmReset(1, 10, 0)},
        {{}, From(1, 5), "..........", {{0, 5}, {1, 3}, {2, 0xEDA0}, {3, 3}}, FmReset(1, 10, 0)},
        {{}, From(1, 6), "..........", {{0, 5}, {1, 3}, {2, 0xED20}, {3, 2}}, FmReset(1, 10, 0)},
        {{0x4D05, 0x4D35, 0x4D55}, kAnyFirmware, "1.0.1.....", {}, kFmKept},
        {{}, From(1, 2), "1.0..1....", {}, kFmKept},
        {{}, From(2, 0), "1.0..1.0..", {}, kFmKept},
        {{0x4D10, 0x4D30, 0x4D40}, kAnyFirmware, "000.......", {}, kFmKept},
        {{}, From(4, 0), "100.1.....", {}, kFmKept},
        {{}, From(4, 1), "100.111...", {}, kFmKept},
        {{}, From(4, 2), "100..11...", {}, kFmKept},
        {{}, From(5, 0), "100..110..", {}, kFmKept},
        {{0x4D15, 0x4D45, 0x4D65}, kAnyFirmware, "1.0.1.....", {}, FmReset(0, 10, 0)},
        {{}, From(1, 2), "1.0..1....", {}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1.0..1.0..", {}, FmReset(0, 10, 0)},
        {{0x4D20, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070, 0x5080}, kAnyFirmware, "000.......", {}, kFmKept},
        {{}, From(4, 0), "100.1.....", {}, kFmKept},
        {{}, From(4, 1), "100.11....", {}, kFmKept},
        {{}, From(4, 2), "100..1....", {}, kFmKept},
        {{}, From(5, 0), "100..1.0..", {}, kFmKept},
        {{0x4D21}, kAnyFirmware, ".......1..", {}, kFmKept},
        {{0x4D75, 0x5011}, kAnyFirmware, "100..1.0..", {}, kFmKept},
        {{0x4D85}, kAnyFirmware, "1.0..1.0..", {}, FmReset(0, 10, 0)},
        {{0x5040, 0x5050}, kAnyFirmware, "000.......", {}, FmReset(0, 10, 0)},
        {{}, From(4, 0), "100.1.....", {}, FmReset(0, 10, 0)},
        {{}, From(4, 1), "100.11....", {}, FmReset(0, 10, 0)},
        {{}, From(4, 2), "100..1....", {}, FmReset(0, 10, 0)},
        {{}, From(5, 0), "100..1.0..", {}, FmReset(0, 10, 0)},
        {{0x5210}, kAnyFirmware, "..........", {{kRadioTransmitGain, 15}, {kAudioChannelTimeout, 5}}, kFmKept},
        {{0x5410}, kAnyFirmware, "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {23, 0}}, kFmKept},
        {{}, From(1, 1), "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {21, 0}, {23, 0}}, kFmKept},
        {{}, From(2, 0), "10.0...00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {21, 0}, {22, 0}, {23, 0}}, kFmKept},
        {{0x5412, 0x5414}, kAnyFirmware, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {22, 0}, {23, 0}}, FmReset(0, 10, 1)},
        {{}, From(1, 1), "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 1)},
        {{0x5416}, kAnyFirmware, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {22, 0}, {23, 0}}, FmReset(0, 10, 1)},
        {{0x5418, 0x5420}, kAnyFirmware, "1000.1.00.", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 1)},
        {{0x5510}, kAnyFirmware, "1000.1.00.", {{10, 0x7C0}, {18, 0}}, FmReset(0, 10, 0)},
        {{}, FromBuild(1, 0, 3), "1000.1.00.", {{10, 0x7C0}, {18, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000.1.00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 2), "1000.1.00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{}, From(3, 0), "1000...00.", {{10, 0x7C0}, {12, 0x14}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5520}, kAnyFirmware, "1000.1.00.", {{14, 3}, {18, 0}}, FmReset(0, 10, 0)},
        {{}, FromBuild(1, 0, 1), "1000.1.00.", {{14, 3}, {18, 1}}, FmReset(0, 10, 0)},
        {{}, From(1, 1), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}}, FmReset(0, 10, 0)},
        {{}, From(1, 3), "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000...00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5522}, kAnyFirmware, "..00.1..0.", {{18, 0}, {20, 1}}, FmReset(0, 10, 0)},
        {{0x5524}, kAnyFirmware, "...0.1..0.", {{18, 0}, {20, 1}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5526}, kAnyFirmware, "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000...00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5530}, kAnyFirmware, "1000.1.00.", {{18, 1}, {19, 1}}, FmReset(0, 10, 0)},
        {{}, From(1, 4), "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5532}, kAnyFirmware, "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}}, FmReset(0, 10, 0)},
        {{0x5536}, kAnyFirmware, "...0.1..0.", {{18, 0}, {20, 1}, {21, 0}}, FmReset(0, 10, 0)},
        {{0x5550}, kAnyFirmware, "...0.1..0.", {{18, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "...0....0.", {{18, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5560}, kAnyFirmware, "1..0...0..", {{14, 3}, {16, 0}, {17, 0}, {18, 1}, {21, 0}, {23, 0}}, kFmKept},
        {{0x5570}, kAnyFirmware, "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5580}, kAnyFirmware, "10.0.1.00.", {{18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, kAnyFirmware, "1000.1.00.", {{18, 0}}, FmReset(0, 10, 0)},
        {{}, From(1, 1), "1000.1.00.", {{18, 1}, {19, 1}}, FmReset(0, 10, 0)},
        {{}, From(2, 0), "1000...00.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5622, 0x5624}, kAnyFirmware, "1000.1.00.", {{14, 2}, {16, 0}, {17, 0}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5623}, kAnyFirmware, "1000.1.00.", {{14, 2}, {18, 1}, {19, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x5710}, kAnyFirmware, "1000.1.00.", {{18, 1}, {19, 1}}, FmReset(0, 10, 0)},
        {{}, From(1, 2), "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{0x5720}, kAnyFirmware, "1000.1.00.", {{14, 3}, {18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{0x5910, 0x5920}, kAnyFirmware, "1000.1.00.", {{18, 1}, {19, 1}, {20, 1}}, FmReset(0, 10, 0)},
        {{0x6010, 0x6012}, kAnyFirmware, "1000.1.00.", {{2, 0x68}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, FmReset(0, 6, 1)},
        {{0x6014, 0x6016, 0x6018, 0x6026}, kAnyFirmware, "1000.1.00.", {{2, 0x6B}, {14, 2}, {18, 1}, {19, 1}, {24, 0}}, FmReset(0, 6, 1)},
        {{0x6020, 0x6022, 0x6024}, kAnyFirmware, "1..0...00.", {{14, 2}, {24, 0}}, FmReset(0, 6, 1)},
        {{0x6110, 0x6111, 0x6120, 0x6121}, kAnyFirmware, "..0..1.00.", {}, kFmKept},
        {{0x6210}, kAnyFirmware, "1000....0.", {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x6400}, kAnyFirmware, "1000....0.", {{14, 2}, {18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}, FmReset(0, 10, 0)},
        {{0x6420}, kAnyFirmware, "1.0.......", {}, kFmKept},
    };
    return table;
}

bool ReachesBand(const DeviceConfig& record, int major, int minor, const FirmwareFrom& from)
{
    if (from.any) {
        return true;
    }
    if (from.build < 0) {
        return CompareVersion2(major, minor, from.major, from.minor) >= 0;
    }
    const DeviceVersion& v = record.m_firmwareVersion;
    return CompareVersion4(v.major, v.minor, v.kind, v.build, from.major, from.minor, 2, from.build, 0) >= 0;
}

// The last band the firmware reaches among the rows of the product's group;
// nullptr for a product the table does not name.
const BasicDefaultsRow* FindBasicDefaults(const DeviceConfig& record, int productId, int major, int minor)
{
    const BasicDefaultsRow* found = nullptr;
    bool inGroup = false;
    for (const BasicDefaultsRow& row : BasicDefaultsTable()) {
        if (!row.products.empty()) {
            if (found != nullptr) {
                break;
            }
            inGroup = std::find(row.products.begin(), row.products.end(), productId) != row.products.end();
        }
        if (inGroup && ReachesBand(record, major, minor, row.from)) {
            found = &row;
        }
    }
    return found;
}

void ApplyRow(DeviceConfig& record, const BasicDefaultsRow& row)
{
    for (int i = 0; i < kOptionCount && row.options[i] != '\0'; ++i) {
        const char c = row.options[i];
        if (c >= '0' && c <= '9') {
            record.*kOptionFields[i] = c - '0';
        }
    }
    for (const FieldValue& field : row.fields) {
        if (field.word == kRadioTransmitGain) {
            record.m_radioTransmitGain = field.value;
        } else if (field.word == kAudioChannelTimeout) {
            record.m_audioChannelTimeout = field.value;
        } else if (field.word >= 0 && field.word < kSettingsWordCount) {
            record.m_settings[field.word] = field.value;
        }
    }
    if (row.fm.reset) {
        record.m_fmRegion = row.fm.region;
        record.m_fmMagicCode = kFmBlockMagicCode;
        record.m_fmCurrentFrequency = 0;
        record.m_fmCurrentPreset = 0;
        for (int i = 0; i < row.fm.presets && i < kFmPresetCount; ++i) {
            record.m_fmPresets[i] = 0;
        }
        record.m_fmRds = row.fm.rds;
    }
}

// The basic, camera and VOX sensitivity groups start from zero on every model.
constexpr int kZeroedWordCount = 16;

} // namespace

void DeviceConfig::ApplyBasicDefaults(int productId, int firmwareMajor, int firmwareMinor)
{
    for (int i = 0; i < kZeroedWordCount; ++i) {
        m_settings[i] = 0;
    }
    if (const BasicDefaultsRow* row = FindBasicDefaults(*this, productId, firmwareMajor, firmwareMinor)) {
        ApplyRow(*this, *row);
    }
    ApplySpeedDialDefaults();
}

void DeviceConfig::ApplyFmRadioDefaults(int productId, int firmwareMajor, int firmwareMinor)
{
    // Only this model's later firmware ships set to the Americas band.
    const bool americas = productId == 0x4210 && CompareVersion2(firmwareMajor, firmwareMinor, 1, 1) >= 0;
    m_fmRegion = americas ? 1 : 0;
    for (int& preset : m_fmPresets) {
        preset = 0;
    }
    m_fmRds = 0;
}

void DeviceConfig::ApplySpeedDialDefaults()
{
    for (std::wstring& number : m_speedDial) {
        number.clear();
    }
}

void MakeBasicDefaults(DeviceConfig& target, const DeviceConfig& source)
{
    const int productId = source.m_modelCode;
    const int major = source.m_firmwareVersion.major;
    const int minor = source.m_firmwareVersion.minor;
    target.CopyFrom(source, 1);
    target.ApplyBasicDefaults(productId, major, minor);
}

void MakeFmRadioDefaults(DeviceConfig& target, const DeviceConfig& source)
{
    const int productId = source.m_modelCode;
    const int major = source.m_firmwareVersion.major;
    const int minor = source.m_firmwareVersion.minor;
    target.CopyFrom(source, 1);
    target.ApplyFmRadioDefaults(productId, major, minor);
}

void MakeSpeedDialDefaults(DeviceConfig& target, const DeviceConfig& source)
{
    target.CopyFrom(source, 1);
    target.ApplySpeedDialDefaults();
}
