#include "link/DfuRoad.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "device/ModelCatalogue.h"
#include "link/AddressGates.h"
#include "link/HexText.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"
#include "link/UsbHardwareId.h"

namespace {

constexpr int kCameraModelWord = 0x3020;
constexpr int kFallbackModelWord = 0x4D10;

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

int Word(const std::uint8_t* bytes, int index)
{
    return bytes[2 * index] | (bytes[2 * index + 1] << 8);
}

// Bytes the C locale cannot convert keep their code point rather than
// losing the character.
std::wstring FromSystemBytes(const char* text)
{
    std::wstring wide(std::char_traits<char>::length(text), L'\0');
    const std::size_t converted = std::mbstowcs(&wide[0], text, wide.size());
    if (converted != static_cast<std::size_t>(-1)) {
        wide.resize(converted);
        return wide;
    }
    wide.clear();
    for (const char* p = text; *p; ++p)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    return wide;
}

std::wstring HexBytes(const std::uint8_t* bytes, std::initializer_list<int> order)
{
    std::wstring text;
    for (int index : order) {
        wchar_t part[3];
        std::swprintf(part, 3, L"%02X", bytes[index]);
        text += part;
    }
    return text;
}

// Key 1: the whole address, and the lower part the batch gates read.
std::wstring AddressText(const std::uint8_t* key1)
{
    return HexBytes(key1, {7, 6, 4}) + L"[" + HexBytes(key1, {0, 3, 2}) + L"]";
}

std::wstring LowerAddressText(const std::uint8_t* key1)
{
    return HexBytes(key1, {0, 3, 2});
}

// The version value (major x 10 + minor) a unit has when key 676 tells
// nothing and the model keeps no older version key.
// clang-format off
const struct {
    int v;
    std::vector<int> models;
} kDefaultVersionValues[] = {
    {10, {0x2010, 0x2020, 0x2110, 0x2310, 0x3010, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040, 0x4110, 0x4111, 0x4120,
          0x4D05, 0x4D21, 0x4D75, 0x4D85, 0x5011, 0x5210, 0x5310, 0x6110, 0x6111, 0x6120, 0x6121, 0x6420, 0x6430}},
    {12, {0x2011, 0x2210, 0x4D15, 0x4D35, 0x4D45}},
    {20, {0x4D55, 0x4D65}},
    {32, {0x5010}},
    {33, {0x5020}},
    {41, {0x5030}},
    {42, {0x4D20, 0x5040, 0x5050, 0x5060, 0x5070, 0x5080}},
    {50, {0x4D50}},
    {52, {0x5061}},
};

// Models that keep their older version in key 659, with the value they take
// when neither key can be read.
const struct {
    int model;
    int vWithoutKeys;
} kOldVersionKeyModels[] = {
    {0x4D10, 30},
    {0x4D30, 42},
    {0x4D40, 43},
};
// clang-format on

int DefaultVersionValue(int modelWord)
{
    for (const auto& row : kDefaultVersionValues) {
        if (Contains(row.models, modelWord))
            return row.v;
    }
    return 0;
}

const int* OldVersionKeyFallback(int modelWord)
{
    for (const auto& row : kOldVersionKeyModels) {
        if (row.model == modelWord)
            return &row.vWithoutKeys;
    }
    return nullptr;
}

// Configuration-word bits (key 654) and the fields they go to.
constexpr unsigned Bits(int first, int last)
{
    return ((2u << last) - 1) & ~((1u << first) - 1);
}
constexpr unsigned kBit8 = 1u << 8;
constexpr unsigned kBit9 = 1u << 9;
constexpr unsigned kBit10 = 1u << 10;
// Key 654 unreadable: hands-free VOX, PLC, bitpool rate and microphone boost on.
constexpr unsigned kConfigFallback = 0x71;

int DfuUnitValues::*const kConfigFields[11] = {
    &DfuUnitValues::handsfreeVox,
    &DfuUnitValues::intercomVox,
    &DfuUnitValues::edr,
    &DfuUnitValues::voicePrompt,
    &DfuUnitValues::plc,
    &DfuUnitValues::bitpoolRate,
    &DfuUnitValues::microphoneBoost,
    nullptr,
    &DfuUnitValues::sidetone,
    &DfuUnitValues::hushguard,
    &DfuUnitValues::autoGainControl,
};

// From this version on (major, minor), key 654's bits taken.
struct ConfigBand {
    int major;
    int minor;
    unsigned bits;
};

enum class SpeedDials { No, Yes, AboveVersion };
enum class FmBlock { No, Yes, Listed };
enum class OtherStep { None, OldSwitchKeys, AddressGate, RadioKeys };

struct GroupRow {
    std::vector<int> models;
    std::vector<ConfigBand> configBands; // no band reached, or bits 0: key 654 is not read
    unsigned fallbackExtra;              // set besides kConfigFallback when key 654 is unreadable
    SpeedDials speedDials;
    int speedDialsAboveMajor;
    int speedDialsAboveMinor;
    FmBlock fm;
    std::vector<int> fmModels;
    OtherStep other;
    std::vector<int> otherModels; // empty: every model of the row
};

// The reads after the version, per model word.
// clang-format off
const GroupRow kGroupRows[] = {
    {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050},
     {{0, 0, 0}, {4, 0, Bits(0, 6)}, {5, 0, Bits(0, 6) | kBit8}}, 0,
     SpeedDials::AboveVersion, 4, 2, FmBlock::Listed, {0x5040, 0x5050}, OtherStep::OldSwitchKeys, {}},
    {{0x4D21}, {{0, 0, kBit8}}, kBit8, SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4D75, 0x5011}, {{0, 0, Bits(0, 6) | kBit8}}, 0, SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4040}, {{0, 0, Bits(0, 6) | kBit8 | kBit9}}, 0, SpeedDials::No, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x2020}, {{0, 0, Bits(0, 6) | kBit8}, {1, 1, Bits(0, 6) | kBit8 | kBit9}}, 0,
     SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x6110, 0x6111, 0x6120, 0x6121}, {{0, 0, Bits(2, 6) | kBit8 | kBit9}}, 0,
     SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4110, 0x4111}, {{0, 0, Bits(0, 6)}}, 0, SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4120}, {{0, 0, Bits(0, 6) | kBit8 | kBit9 | kBit10}}, 0,
     SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x6420}, {{0, 0, Bits(0, 0) | Bits(2, 2)}}, 0, SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x6430}, {{0, 0, Bits(0, 0)}}, 0, SpeedDials::Yes, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}, {{0, 0, Bits(0, 5)}, {2, 0, Bits(0, 5) | kBit8}}, 0,
     SpeedDials::AboveVersion, 1, 2, FmBlock::Listed, {0x4D15, 0x4D45, 0x4D65},
     OtherStep::AddressGate, {0x4D35, 0x4D55}},
    {{0x4D85}, {{0, 0, Bits(0, 5) | kBit8}}, 0, SpeedDials::Yes, 0, 0, FmBlock::Yes, {}, OtherStep::None, {}},
    {{0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010}, {{0, 0, Bits(0, 5)}}, 0,
     SpeedDials::No, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x4021}, {{0, 0, Bits(0, 0)}}, 0, SpeedDials::No, 0, 0, FmBlock::No, {}, OtherStep::None, {}},
    {{0x5210}, {}, 0, SpeedDials::No, 0, 0, FmBlock::No, {}, OtherStep::RadioKeys, {}},
};
// clang-format on

const GroupRow* FindGroupRow(int modelWord)
{
    for (const GroupRow& row : kGroupRows) {
        if (Contains(row.models, modelWord))
            return &row;
    }
    return nullptr;
}

unsigned ConfigBitsFor(const GroupRow& row, const DeviceVersion& version)
{
    unsigned bits = 0;
    for (const ConfigBand& band : row.configBands) {
        if (CompareVersion2(version.major, version.minor, band.major, band.minor) >= 0)
            bits = band.bits;
    }
    return bits;
}

void ReadConfigWord(PsKeyAccess& keys, const GroupRow& row, unsigned bits, DfuUnitValues* values)
{
    std::uint8_t buffer[4] = {};
    const unsigned word = keys.GetKey(kPsKeyConfigWord, buffer, 4) ? static_cast<unsigned>(Word(buffer, 0))
                                                                   : (kConfigFallback | row.fallbackExtra);
    for (int bit = 0; bit < 11; ++bit) {
        if ((bits & (1u << bit)) != 0 && kConfigFields[bit] != nullptr)
            values->*kConfigFields[bit] = static_cast<int>((word >> bit) & 1u);
    }
}

// Firmware below 4.0 keeps the VOX switches and EDR in keys of their own.
void ReadOldSwitchKeys(PsKeyAccess& keys, DfuUnitValues* values)
{
    std::uint8_t word[2] = {};
    values->intercomVox = keys.GetKey(kPsKeyIntercomVox, word, 2) ? Word(word, 0) : 0;
    values->handsfreeVox = keys.GetKey(kPsKeyHandsfreeVox, word, 2) ? Word(word, 0) : 0;
    // The record keeps EDR as every other switch of its kind: 0 on, 1 off. The
    // writers store the on pattern for 0, so a value read here and written back
    // leaves the key as it was.
    std::uint8_t features[8] = {};
    const bool on = keys.GetKey(kPsKeyFeatureMask, features, 8) && std::equal(features, features + 8, kPsEdrOnPattern);
    values->edr = on ? 0 : 1;
}

// Units of some batches need the EDR pattern table written once.
void RunAddressGate(PsKeyAccess& keys, DfuUnitValues* values)
{
    std::uint8_t key1[8] = {};
    if (!keys.GetKey(kPsKeyBdAddress, key1, 8))
        return;
    values->address = AddressText(key1);
    if (IsAddressAboveThreshold(values->modelWord, LowerAddressText(key1)))
        return;
    std::uint8_t table[60] = {};
    for (int i = 0; i < 30; ++i) {
        table[2 * i] = static_cast<std::uint8_t>(kPsKey49Table[i] & 0xFF);
        table[2 * i + 1] = static_cast<std::uint8_t>(kPsKey49Table[i] >> 8);
    }
    keys.SetKey(kPsKeyEdrPatternTable, table, 60);
}

void ReadRadioKeys(PsKeyAccess& keys, DfuUnitValues* values)
{
    std::uint8_t word[2] = {};
    if (keys.GetKey(kPsKeyRadioTransmitGain, word, 2)) {
        const int gain = Word(word, 0);
        values->radioTransmitGain = gain < 14 ? 12 : (gain <= 16 ? 15 : 17);
    } else {
        values->radioTransmitGain = 15;
    }
    if (keys.GetKey(kPsKeyAudioChannelTimeout, word, 2)) {
        const int seconds = Word(word, 0) / 1000;
        values->audioChannelTimeout = (seconds < 3 || seconds > 60) ? 5 : seconds;
    } else {
        values->audioChannelTimeout = 5;
    }
}

void ReadSpeedDials(PsKeyAccess& keys, DfuUnitValues* values)
{
    for (int i = 0; i < kSpeedDialCount; ++i) {
        std::uint8_t buffer[40] = {};
        values->speedDial[i].clear();
        if (!keys.GetKey(static_cast<std::uint16_t>(kPsKeySpeedDial1 + i), buffer, 40))
            continue;
        std::uint16_t words[kWordStringUnits];
        for (int w = 0; w < kWordStringUnits; ++w)
            words[w] = static_cast<std::uint16_t>(Word(buffer, w));
        StringFromWords(values->speedDial[i], words);
    }
}

void ResetFm(DfuUnitValues* values)
{
    values->fmMagicCode = kPsFmTagPlain;
    values->fmCurrentFrequency = 0;
    values->fmCurrentPreset = 0;
    std::fill(values->fmPresets, values->fmPresets + kFmPresetCount, 0);
    values->fmRds = 0;
    values->fmRegion = 0;
}

// A block with a tag the unit's firmware does not know is worthless: it is
// replaced by an empty one on the unit as well.
void ReadFmBlock(PsKeyAccess& keys, DfuUnitValues* values)
{
    std::uint8_t buffer[30] = {};
    if (!keys.GetKey(kPsKeyFmBlock, buffer, 30)) {
        ResetFm(values);
        return;
    }
    values->fmMagicCode = Word(buffer, 0);
    values->fmCurrentFrequency = Word(buffer, 1);
    values->fmCurrentPreset = Word(buffer, 2);
    for (int i = 0; i < kFmPresetCount; ++i)
        values->fmPresets[i] = Word(buffer, 3 + i);
    values->fmRds = Word(buffer, 13);
    values->fmRegion = Word(buffer, 14);
    if (values->fmMagicCode == kPsFmTagPlain || values->fmMagicCode == kPsFmTagRds)
        return;
    ResetFm(values);
    std::uint8_t reset[30] = {};
    reset[0] = kPsFmTagPlain & 0xFF;
    reset[1] = kPsFmTagPlain >> 8;
    keys.SetKey(kPsKeyFmBlock, reset, 30);
}

void ReadGroups(PsKeyAccess& keys, DfuUnitValues* values)
{
    const GroupRow* row = FindGroupRow(values->modelWord);
    if (row == nullptr)
        return;
    const bool otherApplies = row->otherModels.empty() || Contains(row->otherModels, values->modelWord);
    const unsigned bits = ConfigBitsFor(*row, values->version);
    if (bits != 0)
        ReadConfigWord(keys, *row, bits, values);
    else if (row->other == OtherStep::OldSwitchKeys)
        ReadOldSwitchKeys(keys, values);
    if (row->other == OtherStep::AddressGate && otherApplies)
        RunAddressGate(keys, values);
    const bool speedDials = row->speedDials == SpeedDials::Yes ||
                            (row->speedDials == SpeedDials::AboveVersion &&
                             CompareVersion2(values->version.major, values->version.minor, row->speedDialsAboveMajor,
                                             row->speedDialsAboveMinor) > 0);
    if (speedDials)
        ReadSpeedDials(keys, values);
    if (row->fm == FmBlock::Yes || (row->fm == FmBlock::Listed && Contains(row->fmModels, values->modelWord)))
        ReadFmBlock(keys, values);
    if (row->other == OtherStep::RadioKeys)
        ReadRadioKeys(keys, values);
}

void ZeroVersionKey(PsKeyAccess& keys)
{
    const std::uint8_t zeros[4] = {};
    keys.SetKey(kPsKeyFirmwareVersion, zeros, 4);
}

void ReadVersion(PsKeyAccess& keys, DfuUnitValues* values)
{
    values->version = ReadDfuVersion(keys, values->modelWord, true);
}

} // namespace

DeviceVersion ReadDfuVersion(PsKeyAccess& keys, int modelWord, bool repair)
{
    DeviceVersion version;
    std::uint8_t key676[4] = {};
    const bool read676 = keys.GetKey(kPsKeyFirmwareVersion, key676, 4);
    if (modelWord == kCameraModelWord) {
        if (read676)
            version = DeviceVersion{key676[3], key676[2], key676[1], key676[0], 0};
        else
            version = DeviceVersion{1, 0, 1, 0, 0};
        return version;
    }
    const int* withoutKeys = OldVersionKeyFallback(modelWord);
    std::uint8_t key659[4] = {};
    int v = 0;
    if (read676 && key676[0] != 0) {
        v = key676[0];
        version.kind = key676[3];
        version.build = key676[2];
        if (withoutKeys != nullptr && keys.GetKey(kPsKeyOldVersion, key659, 4)) {
            const int old = v;
            v = key659[0];
            version.kind = 0;
            version.build = 0;
            if (v == 3 || old == 32)
                v = old;
            else if (v >= 4 && v <= 31) {
                if (repair)
                    ZeroVersionKey(keys);
            } else {
                v = old;
            }
        }
    } else if (withoutKeys != nullptr) {
        if (keys.GetKey(kPsKeyOldVersion, key659, 4)) {
            v = key659[0];
            if (repair && v >= 4 && v <= 31)
                ZeroVersionKey(keys);
        } else {
            v = *withoutKeys;
        }
    } else {
        v = DefaultVersionValue(modelWord);
    }
    version.major = v / 10;
    version.minor = v % 10;
    return version;
}

namespace {

// Only a unit of the record's own model takes the record's settings: the
// words of another model mean other things.
void WriteBack(PsKeyAccess& keys, int targetModel, const DeviceConfig& record)
{
    const bool withSpeedDials = targetModel == 0x2020;
    if (!withSpeedDials && targetModel != 0x2010 && targetModel != 0x2011)
        return;
    std::uint8_t config[4] = {};
    const int word = record.BuildConfigWord();
    config[0] = static_cast<std::uint8_t>(word & 0xFF);
    config[1] = static_cast<std::uint8_t>((word >> 8) & 0xFF);
    keys.SetKey(kPsKeyConfigWord, config, 4);
    if (!withSpeedDials)
        return;
    for (int i = 0; i < kSpeedDialCount; ++i) {
        std::uint16_t words[kWordStringUnits] = {};
        StringToWords(words, record.m_speedDial[i]);
        std::uint8_t buffer[40] = {};
        for (int w = 0; w < kWordStringUnits; ++w) {
            buffer[2 * w] = static_cast<std::uint8_t>(words[w] & 0xFF);
            buffer[2 * w + 1] = static_cast<std::uint8_t>(words[w] >> 8);
        }
        keys.SetKey(static_cast<std::uint16_t>(kPsKeySpeedDial1 + i), buffer, 40);
    }
}

} // namespace

int ReadDfuUnit(PsKeyAccess& keys, int targetModel, const DeviceConfig* record, const CameraDriveProbe& cameraDrive,
                DfuUnitValues* values)
{
    *values = DfuUnitValues{};
    std::uint8_t word[2] = {};
    values->modelWordRead = keys.GetKey(kPsKeyModelWord, word, 2);
    values->modelWord = values->modelWordRead ? Word(word, 0) : kFallbackModelWord;

    if (values->modelWord == kCameraModelWord && !(cameraDrive && cameraDrive()))
        return kRecognitionCameraDriveMissing;

    std::uint8_t key1[8] = {};
    if (keys.GetKey(kPsKeyBdAddress, key1, 8))
        values->address = AddressText(key1);

    // A name that fills the whole key without a terminator is cut at its end.
    char name[257] = {};
    if (keys.GetKey(kPsKeyDeviceName, reinterpret_cast<std::uint8_t*>(name), 256)) {
        name[256] = '\0';
        values->name = FromSystemBytes(name);
        if (!values->modelWordRead) {
            if (values->name.find(L"Vel8") != std::wstring::npos)
                values->modelWord = 0x4D10;
            else if (values->name.find(L"Orn8") != std::wstring::npos)
                values->modelWord = 0x5010;
            else
                values->modelWord = kFallbackModelWord;
        }
    } else {
        values->name = L"Vel8";
    }

    ReadVersion(keys, values);
    if (record != nullptr && record->m_modelCode == values->modelWord)
        WriteBack(keys, targetModel, *record);
    ReadGroups(keys, values);

    return IsTargetDevice(targetModel, values->modelWord) ? kRecognitionIdentified : kRecognitionOtherDevice;
}

void StoreDfuUnit(const DfuUnitValues& values, int firstScannedId, RecognitionState& state)
{
    DeviceConfig& device = state.m_device;
    device.m_managerVersion = ManagerVersion{1, 3};
    device.m_modelCode = values.modelWord;
    device.m_deviceName = values.name;
    device.m_firmwareVersion = values.version;
    device.m_firmwareVersion.extra = 0;
    device.m_chipVersion1 = DeviceVersion{};
    device.m_chipVersion2 = DeviceVersion{};
    device.m_bdAddress = values.address;
    device.m_hardwareVersion.clear();
    device.m_handsfreeVox = values.handsfreeVox;
    device.m_intercomVox = values.intercomVox;
    device.m_edr = values.edr;
    device.m_voicePrompt = values.voicePrompt;
    device.m_plc = values.plc;
    device.m_bitpoolRate = values.bitpoolRate;
    device.m_microphoneBoost = values.microphoneBoost;
    device.m_sidetone = values.sidetone;
    device.m_hushguard = values.hushguard;
    device.m_autoGainControl = values.autoGainControl;
    device.m_radioTransmitGain = values.radioTransmitGain;
    device.m_audioChannelTimeout = values.audioChannelTimeout;
    device.m_fmMagicCode = values.fmMagicCode;
    device.m_fmCurrentFrequency = values.fmCurrentFrequency;
    device.m_fmCurrentPreset = values.fmCurrentPreset;
    std::copy(values.fmPresets, values.fmPresets + kFmPresetCount, device.m_fmPresets);
    device.m_fmRds = values.fmRds;
    device.m_fmRegion = values.fmRegion;
    for (int i = 0; i < kSpeedDialCount; ++i)
        device.m_speedDial[i] = values.speedDial[i];
    state.m_recognized = 1;
    state.m_usbStatus = firstScannedId;
    BuildSettingsPageList(device.m_modelCode, device.m_firmwareVersion.major, device.m_firmwareVersion.minor,
                          state.m_settingsPageCount, state.m_settingsPages, state.m_settingsPageIndex);
}

int RunDfuRoad(DfuLibraryAccess& library, const std::function<DfuScan()>& scan, const DeviceConfig* record,
               const CameraDriveProbe& cameraDrive, RecognitionState& state, DfuScan* scanned, DfuRoadCounts* counts)
{
    *counts = DfuRoadCounts{};
    const std::vector<std::wstring> names = library.EnumerateDevices();
    *scanned = scan ? scan() : DfuScan{};
    if (scanned->count <= 0)
        return kRecognitionNothingFound;

    state.m_modelCode = 0;
    int result = kRecognitionNothingFound;
    for (const std::wstring& name : names) {
        std::wstring path = library.PathInternal(name);
        std::transform(path.begin(), path.end(), path.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;

        ++counts->matched;
        if (state.m_modelCode == 0)
            state.m_modelCode = productId >= kDfuModeProductIdOffset ? productId - kDfuModeProductIdOffset : productId;
        if (counts->matched > 1)
            return kRecognitionTooManyLibraryDevices;

        DfuUnitValues values;
        if (library.ConnectDevice(path)) {
            ++counts->connected;
            const int unit = ReadDfuUnit(library, state.m_modelCode, record, cameraDrive, &values);
            if (unit != kRecognitionIdentified)
                return unit;
            result = kRecognitionIdentified;
        } else {
            ++counts->notConnected;
            const int first = scanned->productIds[0];
            if (!IsTargetDevice(state.m_modelCode, first - kDfuModeProductIdOffset))
                return kRecognitionOtherDevice;
            values.modelWord = state.m_modelCode;
            result = kRecognitionIdentifiedDfuMode;
        }
        StoreDfuUnit(values, scanned->productIds[0], state);
    }
    return result;
}

int DfuFinalCountCheck(int result, const DfuScan& scan, const DfuRoadCounts& counts)
{
    if (result != kRecognitionIdentified && result != kRecognitionIdentifiedDfuMode)
        return result;
    if (scan.count > 1)
        return kRecognitionTooManyUsbDevices;
    const int first = scan.productIds[0];
    const bool normalMode = first >= 1 && first <= 0x7FFF;
    if (normalMode != (counts.connected == 1) || !normalMode != (counts.notConnected == 1))
        return kRecognitionModeMismatch;
    return result;
}
