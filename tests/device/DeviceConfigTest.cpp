#include <algorithm>
#include <climits>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "device/DeviceConfig.h"
#include "device/ModelCatalogue.h"

namespace {

DeviceConfig Filled(int seed)
{
    DeviceConfig r;
    r.m_managerVersion = ManagerVersion{seed + 1, seed + 2};
    r.m_modelCode = 0x4D10 + seed;
    r.m_bdAddress = L"addr" + std::to_wstring(seed);
    r.m_hardwareVersion = L"hw" + std::to_wstring(seed);
    r.m_deviceName = L"name" + std::to_wstring(seed);
    r.m_spareText = L"spare" + std::to_wstring(seed);
    r.m_firmwareVersion = DeviceVersion{seed + 3, seed + 4, seed + 5, seed + 6, seed + 7};
    r.m_chipVersion1 = DeviceVersion{seed + 8, seed + 9, seed + 10, seed + 11, seed + 12};
    r.m_chipVersion2 = DeviceVersion{seed + 13, seed + 14, seed + 15, seed + 16, seed + 17};
    r.m_hardwareVersionMajor = seed + 18;
    r.m_hardwareVersionMinor = seed + 19;
    r.m_archivedAt = 1700000000LL + seed;
    int* options[] = {
        &r.m_handsfreeVox,      &r.m_intercomVox,        &r.m_edr,      &r.m_voicePrompt, &r.m_plc,
        &r.m_bitpoolRate,       &r.m_microphoneBoost,    &r.m_sidetone, &r.m_hushguard,   &r.m_autoGainControl,
        &r.m_radioTransmitGain, &r.m_audioChannelTimeout};
    int value = seed + 20;
    for (int* option : options)
        *option = value++;
    for (int i = 0; i < kSettingsWordCount; ++i)
        r.m_settings[i] = seed * 100 + i;
    r.m_fmRegion = seed + 40;
    r.m_fmMagicCode = seed + 41;
    r.m_fmCurrentFrequency = seed + 42;
    r.m_fmCurrentPreset = seed + 43;
    for (int i = 0; i < kFmPresetCount; ++i)
        r.m_fmPresets[i] = seed + 50 + i;
    r.m_fmRds = seed + 60;
    for (int i = 0; i < kSpeedDialCount; ++i)
        r.m_speedDial[i] = L"dial" + std::to_wstring(seed + i);
    return r;
}

void ExpectVersion(const DeviceVersion& expected, int expectedExtra, const DeviceVersion& actual)
{
    EXPECT_EQ(expected.major, actual.major);
    EXPECT_EQ(expected.minor, actual.minor);
    EXPECT_EQ(expected.kind, actual.kind);
    EXPECT_EQ(expected.build, actual.build);
    EXPECT_EQ(expectedExtra, actual.extra);
}

TEST(DeviceConfig, StartsWithEveryIntZeroAndEveryTextEmpty)
{
    const DeviceConfig r;
    EXPECT_EQ(0, r.m_managerVersion.major + r.m_managerVersion.minor);
    EXPECT_EQ(0, r.m_modelCode);
    for (const DeviceVersion* v : {&r.m_firmwareVersion, &r.m_chipVersion1, &r.m_chipVersion2})
        ExpectVersion(DeviceVersion{}, 0, *v);
    EXPECT_EQ(0, r.m_hardwareVersionMajor);
    EXPECT_EQ(0, r.m_hardwareVersionMinor);
    EXPECT_EQ(0, r.m_archivedAt);
    for (int option :
         {r.m_handsfreeVox, r.m_intercomVox, r.m_edr, r.m_voicePrompt, r.m_plc, r.m_bitpoolRate, r.m_microphoneBoost,
          r.m_sidetone, r.m_hushguard, r.m_autoGainControl, r.m_radioTransmitGain, r.m_audioChannelTimeout})
        EXPECT_EQ(0, option);
    for (int word : r.m_settings)
        EXPECT_EQ(0, word);
    EXPECT_EQ(0, r.m_fmRegion + r.m_fmMagicCode + r.m_fmCurrentFrequency + r.m_fmCurrentPreset + r.m_fmRds);
    for (int preset : r.m_fmPresets)
        EXPECT_EQ(0, preset);
    for (const std::wstring* text : {&r.m_bdAddress, &r.m_hardwareVersion, &r.m_deviceName, &r.m_spareText,
                                     &r.m_speedDial[0], &r.m_speedDial[1], &r.m_speedDial[2]})
        EXPECT_TRUE(text->empty());
}

TEST(DeviceConfigCopyFrom, CopiesEverythingButHardwareSpareAndFifthVersionInts)
{
    for (int copyVersions : {0, 1, 7}) {
        SCOPED_TRACE(copyVersions);
        const DeviceConfig source = Filled(1000);
        const DeviceConfig original = Filled(0);
        DeviceConfig target = original;
        target.CopyFrom(source, copyVersions);

        EXPECT_EQ(source.m_managerVersion.major, target.m_managerVersion.major);
        EXPECT_EQ(source.m_managerVersion.minor, target.m_managerVersion.minor);
        EXPECT_EQ(source.m_modelCode, target.m_modelCode);
        EXPECT_EQ(source.m_deviceName, target.m_deviceName);
        EXPECT_EQ(source.m_bdAddress, target.m_bdAddress);
        EXPECT_EQ(source.m_archivedAt, target.m_archivedAt);
        const DeviceConfig& versions = copyVersions ? source : original;
        ExpectVersion(versions.m_firmwareVersion, original.m_firmwareVersion.extra, target.m_firmwareVersion);
        ExpectVersion(versions.m_chipVersion1, original.m_chipVersion1.extra, target.m_chipVersion1);
        ExpectVersion(versions.m_chipVersion2, original.m_chipVersion2.extra, target.m_chipVersion2);

        EXPECT_EQ(original.m_hardwareVersion, target.m_hardwareVersion);
        EXPECT_EQ(original.m_spareText, target.m_spareText);
        EXPECT_EQ(original.m_hardwareVersionMajor, target.m_hardwareVersionMajor);
        EXPECT_EQ(original.m_hardwareVersionMinor, target.m_hardwareVersionMinor);

        EXPECT_EQ(source.m_handsfreeVox, target.m_handsfreeVox);
        EXPECT_EQ(source.m_autoGainControl, target.m_autoGainControl);
        EXPECT_EQ(source.m_radioTransmitGain, target.m_radioTransmitGain);
        EXPECT_EQ(source.m_audioChannelTimeout, target.m_audioChannelTimeout);
        EXPECT_EQ(source.m_intercomVox + source.m_edr + source.m_voicePrompt + source.m_plc + source.m_bitpoolRate +
                      source.m_microphoneBoost + source.m_sidetone + source.m_hushguard,
                  target.m_intercomVox + target.m_edr + target.m_voicePrompt + target.m_plc + target.m_bitpoolRate +
                      target.m_microphoneBoost + target.m_sidetone + target.m_hushguard);
        for (int i = 0; i < kSettingsWordCount; ++i)
            EXPECT_EQ(source.m_settings[i], target.m_settings[i]) << "word " << i;
        EXPECT_EQ(source.m_fmRegion, target.m_fmRegion);
        EXPECT_EQ(source.m_fmMagicCode, target.m_fmMagicCode);
        EXPECT_EQ(source.m_fmCurrentFrequency, target.m_fmCurrentFrequency);
        EXPECT_EQ(source.m_fmCurrentPreset, target.m_fmCurrentPreset);
        for (int i = 0; i < kFmPresetCount; ++i)
            EXPECT_EQ(source.m_fmPresets[i], target.m_fmPresets[i]);
        EXPECT_EQ(source.m_fmRds, target.m_fmRds);
        EXPECT_EQ(source.m_speedDial, target.m_speedDial);
    }
}

TEST(DeviceConfigCopyFrom, CopyingItselfChangesNothing)
{
    DeviceConfig record = Filled(3);
    record.CopyFrom(record, 1);
    EXPECT_EQ(Filled(3).m_speedDial, record.m_speedDial);
    EXPECT_EQ(Filled(3).m_settings[31], record.m_settings[31]);
}

struct GroupCase {
    const char* name;
    int (DeviceConfig::*compare)(const DeviceConfig&) const;
    int first;
    int end;
};

TEST(DeviceConfigGroupCompare, ReturnsTheDifferenceOfTheFirstUnequalWordOfTheGroup)
{
    const GroupCase cases[] = {
        {"basic", &DeviceConfig::CompareBasicWords, 0, 10},
        {"camera", &DeviceConfig::CompareCameraWords, 10, 14},
        {"vox", &DeviceConfig::CompareVoxSensitivityWords, 14, 16},
        {"smart volume", &DeviceConfig::CompareSmartVolumeControlWords, 16, 18},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DeviceConfig base = Filled(5);
        // Words outside the group never count.
        DeviceConfig outside = base;
        for (int i = 0; i < kSettingsWordCount; ++i) {
            if (i < c.first || i >= c.end)
                outside.m_settings[i] += 9;
        }
        EXPECT_EQ(0, (base.*c.compare)(outside));

        for (int i = c.first; i < c.end; ++i) {
            DeviceConfig other = base;
            other.m_settings[i] -= 4;
            if (i + 1 < c.end)
                other.m_settings[i + 1] += 50; // a later difference does not win
            EXPECT_EQ(4, (base.*c.compare)(other)) << "word " << i;
            EXPECT_EQ(-4, (other.*c.compare)(base)) << "word " << i;
        }
    }
    // Extreme words give the sign, not a wrapped difference.
    DeviceConfig high, low;
    high.m_settings[0] = INT_MAX;
    low.m_settings[0] = -2;
    EXPECT_GT(high.CompareBasicWords(low), 0);
    EXPECT_LT(low.CompareBasicWords(high), 0);
}

struct ModifiedCase {
    const char* what;
    int product;
    int major;
    int minor;
    std::function<void(DeviceConfig&)> change;
    int fmFlag;
    int expected;
};

void Word(DeviceConfig& r, int index)
{
    r.m_settings[index] += 1;
}

TEST(DeviceConfigIsModified, ComparesWhatEachProductUses)
{
    const auto word = [](int index) { return [index](DeviceConfig& r) { Word(r, index); }; };
    const auto option = [](int DeviceConfig::*field) { return [field](DeviceConfig& r) { r.*field ^= 1; }; };
    const auto preset = [](int index) { return [index](DeviceConfig& r) { r.m_fmPresets[index] += 10; }; };
    const ModifiedCase cases[] = {
        {"nothing changed", 0x5610, 2, 0, [](DeviceConfig&) {}, 1, 0},
        // config word alone
        {"config-word product, word 4", 0x5610, 2, 0, word(4), 0, 0},
        {"config-word product, option", 0x5610, 2, 0, option(&DeviceConfig::m_handsfreeVox), 0, 1},
        {"config-word product, audio boost (group A)", 0x5610, 2, 0, word(18), 0, 1},
        {"config-word product, word 19 before 1.1", 0x5610, 1, 0, word(19), 0, 0},
        {"config-word product, word 19 from 1.1", 0x5610, 1, 1, word(19), 0, 1},
        {"config-word product, VOX words", 0x4D10, 4, 2, word(14), 0, 0},
        {"config-word product, channel time-out", 0x4D10, 4, 2, option(&DeviceConfig::m_audioChannelTimeout), 0, 0},
        {"config-word product, speed dial", 0x4D10, 4, 2, [](DeviceConfig& r) { r.m_speedDial[0] = L"1"; }, 1, 0},
        {"config-word product, name", 0x4D10, 4, 2, [](DeviceConfig& r) { r.m_deviceName = L"x"; }, 1, 0},
        // basic words and VOX words
        {"0x6010 word 4", 0x6010, 1, 0, word(4), 0, 1},
        {"0x6010 word 15", 0x6010, 1, 0, word(15), 0, 1},
        {"0x6010 word 16", 0x6010, 1, 0, word(16), 0, 0},
        {"0x6010 Routecue", 0x6010, 1, 0, word(24), 0, 1},
        // basic words only, no config word
        {"0x4210 word 9", 0x4210, 1, 0, word(9), 0, 1},
        {"0x4210 option", 0x4210, 1, 0, option(&DeviceConfig::m_handsfreeVox), 0, 0},
        {"0x3110 word 1", 0x3110, 2, 1, word(1), 0, 1},
        // VOX words from firmware 1.1
        {"0x5622 VOX word, 1.0", 0x5622, 1, 0, word(14), 0, 0},
        {"0x5622 VOX word, 1.1", 0x5622, 1, 1, word(14), 0, 1},
        {"0x5622 smart volume word, 1.0", 0x5622, 1, 0, word(17), 0, 1},
        {"0x5623 VOX word, 1.0", 0x5623, 1, 0, word(15), 0, 0},
        {"0x5623 VOX word, 1.1", 0x5623, 1, 1, word(15), 0, 1},
        {"0x5623 smart volume word", 0x5623, 1, 1, word(16), 0, 0},
        // other groups
        {"0x5520 VOX word", 0x5520, 1, 0, word(14), 0, 1},
        {"0x5520 camera word", 0x5520, 1, 0, word(10), 0, 0},
        {"0x5510 camera word", 0x5510, 1, 0, word(13), 0, 1},
        {"0x5510 VOX word", 0x5510, 1, 0, word(14), 0, 0},
        {"0x5410 smart volume word", 0x5410, 1, 0, word(16), 0, 1},
        {"0x5410 VOX word", 0x5410, 1, 0, word(15), 0, 1},
        {"0x6400 VOX word", 0x6400, 1, 0, word(14), 0, 1},
        {"0x6022 VOX word", 0x6022, 1, 0, word(14), 0, 1},
        {"0x6022 basic word", 0x6022, 1, 0, word(2), 0, 0},
        // untracked products
        {"0x5210 transmit gain", 0x5210, 1, 0, option(&DeviceConfig::m_radioTransmitGain), 1, 1},
        {"0x5210 channel time-out", 0x5210, 1, 0, option(&DeviceConfig::m_audioChannelTimeout), 1, 1},
        {"0x5210 settings word", 0x5210, 1, 0, word(2), 1, 0},
        {"0x5210 option", 0x5210, 1, 0, option(&DeviceConfig::m_handsfreeVox), 1, 0},
        {"0x3020 option", 0x3020, 1, 0, option(&DeviceConfig::m_handsfreeVox), 1, 0},
        {"0x5345 option", 0x5345, 1, 0, option(&DeviceConfig::m_handsfreeVox), 1, 0},
        {"unknown product option", 0x9999, 1, 0, option(&DeviceConfig::m_handsfreeVox), 1, 0},
        {"unknown product transmit gain", 0x9999, 1, 0, option(&DeviceConfig::m_radioTransmitGain), 1, 0},
        {"negative product", -1, 1, 0, option(&DeviceConfig::m_handsfreeVox), 1, 0},
        // FM block
        {"0x6010 sixth preset", 0x6010, 1, 0, preset(5), 1, 1},
        {"0x6010 seventh preset", 0x6010, 1, 0, preset(6), 1, 0},
        {"0x6010 sixth preset, FM flag 0", 0x6010, 1, 0, preset(5), 0, 0},
        {"0x5610 tenth preset", 0x5610, 1, 0, preset(9), 1, 1},
        {"0x5610 tenth preset, FM flag 0", 0x5610, 1, 0, preset(9), 0, 0},
        {"0x4210 region", 0x4210, 1, 0, [](DeviceConfig& r) { r.m_fmRegion = 3; }, 1, 1},
        {"0x4D15 RDS", 0x4D15, 1, 0, [](DeviceConfig& r) { r.m_fmRds = 1; }, 1, 1},
        {"0x5040 magic code", 0x5040, 1, 0, [](DeviceConfig& r) { r.m_fmMagicCode = 0x66E9; }, 1, 1},
        {"0x5040 current frequency", 0x5040, 1, 0, [](DeviceConfig& r) { r.m_fmCurrentFrequency = 9000; }, 1, 1},
        {"0x4D10 has no FM block", 0x4D10, 4, 2, preset(0), 1, 0},
        {"0x5410 has no FM block", 0x5410, 1, 0, preset(0), 1, 0},
        {"0x5412 current preset", 0x5412, 1, 0, [](DeviceConfig& r) { r.m_fmCurrentPreset = 4; }, 1, 1},
    };
    for (const ModifiedCase& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceConfig live;
        live.m_modelCode = c.product;
        live.m_firmwareVersion = DeviceVersion{c.major, c.minor, 0, 0, 0};
        DeviceConfig working;
        working.CopyFrom(live, 1);
        c.change(working);
        EXPECT_EQ(c.expected, live.IsModified(working, c.fmFlag));
    }
}

// Every catalogue product but the eight untracked ones and the basic-word
// group compares the configuration word.
TEST(DeviceConfigIsModified, ConfigWordCountsForEveryTrackedCatalogueProduct)
{
    const int untracked[] = {0x3010, 0x3020, 0x3500, 0x5210, 0x5310, 0x5320, 0x5330, 0x5345};
    const int basicOnly[] = {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030,
                             0x4410, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112, 0x3114};
    const ModelNameTableView table = ModelNameTable();
    int tracked = 0;
    for (std::size_t i = 0; i < table.count; ++i) {
        const int product = table.rows[i].productId;
        DeviceConfig live;
        live.m_modelCode = product;
        DeviceConfig working;
        working.CopyFrom(live, 1);
        working.m_sidetone = 1;
        const bool isUntracked = std::find(std::begin(untracked), std::end(untracked), product) != std::end(untracked);
        const bool isBasicOnly = std::find(std::begin(basicOnly), std::end(basicOnly), product) != std::end(basicOnly);
        EXPECT_EQ(isUntracked || isBasicOnly ? 0 : 1, live.IsModified(working, 0)) << std::hex << product;
        if (!isUntracked)
            ++tracked;
    }
    EXPECT_EQ(106, tracked);
}

bool Listed(std::initializer_list<int> ids, int product)
{
    return std::find(ids.begin(), ids.end(), product) != ids.end();
}

// Every catalogue product (and one unknown id) against the product lists of
// the change test, written out independently of the code.
TEST(DeviceConfigIsModified, WordGroupsAndFmBlockOfEveryCatalogueProduct)
{
    const std::initializer_list<int> basicOnly = {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510,
                                                  0x4530, 0x4610, 0x2030, 0x4410, 0x3116, 0x3118,
                                                  0x3124, 0x3126, 0x3110, 0x3112, 0x3114};
    const std::initializer_list<int> basic = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
    const std::initializer_list<int> camera = {0x5510};
    const std::initializer_list<int> smartVolume = {0x5622, 0x5624, 0x5560, 0x5410, 0x5412,
                                                    0x5414, 0x5420, 0x5418, 0x5416};
    const std::initializer_list<int> vox = {0x5520, 0x5526, 0x5720, 0x6400, 0x5560, 0x5410, 0x5412,
                                            0x5414, 0x5420, 0x5418, 0x5416, 0x6020, 0x6022, 0x6024,
                                            0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
    const std::initializer_list<int> voxFrom1_1 = {0x5622, 0x5624, 0x5623};
    const std::initializer_list<int> fmTen = {
        0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x5040, 0x5050, 0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4510,
        0x4530, 0x4610, 0x2030, 0x4410, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570,
        0x5520, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x3116, 0x3118, 0x3124, 0x3126, 0x3110, 0x3112,
        0x3114, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040,
        0x6210, 0x6400, 0x5910, 0x5920, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
    const std::initializer_list<int> fmSix = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};

    std::vector<int> products;
    const ModelNameTableView table = ModelNameTable();
    for (std::size_t i = 0; i < table.count; ++i)
        products.push_back(table.rows[i].productId);
    products.push_back(0x9999);

    for (int product : products) {
        for (int minor : {0, 1}) {
            SCOPED_TRACE(testing::Message() << std::hex << product << std::dec << " firmware 1." << minor);
            DeviceConfig live;
            live.m_modelCode = product;
            live.m_firmwareVersion = DeviceVersion{1, minor, 0, 0, 0};
            const auto modifiedBy = [&live](const std::function<void(DeviceConfig&)>& change, int fmFlag) {
                DeviceConfig working;
                working.CopyFrom(live, 1);
                change(working);
                return live.IsModified(working, fmFlag);
            };
            const bool voxCounts = Listed(vox, product) || (minor >= 1 && Listed(voxFrom1_1, product));
            EXPECT_EQ(Listed(basic, product) || Listed(basicOnly, product) ? 1 : 0,
                      modifiedBy([](DeviceConfig& r) { r.m_settings[4] += 1; }, 1))
                << "basic word";
            EXPECT_EQ(Listed(camera, product) ? 1 : 0, modifiedBy([](DeviceConfig& r) { r.m_settings[11] += 1; }, 1))
                << "camera word";
            EXPECT_EQ(voxCounts ? 1 : 0, modifiedBy([](DeviceConfig& r) { r.m_settings[15] += 1; }, 1)) << "VOX word";
            EXPECT_EQ(Listed(smartVolume, product) ? 1 : 0,
                      modifiedBy([](DeviceConfig& r) { r.m_settings[17] += 1; }, 1))
                << "smart volume word";
            EXPECT_EQ(0, modifiedBy([](DeviceConfig& r) { r.m_settings[25] += 1; }, 1)) << "word 25";
            EXPECT_EQ(Listed(fmTen, product) || Listed(fmSix, product) ? 1 : 0,
                      modifiedBy([](DeviceConfig& r) { r.m_fmPresets[5] = 9000; }, 1))
                << "sixth preset";
            EXPECT_EQ(Listed(fmTen, product) ? 1 : 0, modifiedBy([](DeviceConfig& r) { r.m_fmPresets[6] = 9000; }, 1))
                << "seventh preset";
            EXPECT_EQ(Listed(fmTen, product) || Listed(fmSix, product) ? 1 : 0,
                      modifiedBy([](DeviceConfig& r) { r.m_fmRegion = 4; }, 1))
                << "FM region";
            EXPECT_EQ(0, modifiedBy([](DeviceConfig& r) { r.m_fmRegion = 4; }, 0)) << "FM region, FM flag 0";
        }
    }
}

// Every catalogue product (and one unknown id) against the configuration
// word's product groups.
TEST(DeviceConfigBuildConfigWord, GroupBitsOfEveryCatalogueProduct)
{
    const std::initializer_list<int> groupA = {
        0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532,
        0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x6210, 0x6400, 0x5910, 0x5920, 0x5560,
        0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416, 0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
    const std::initializer_list<int> groupB = {
        0x5530, 0x5532, 0x5580, 0x5570, 0x5550, 0x5526, 0x5720, 0x5710, 0x5623, 0x5622, 0x5624, 0x6210, 0x6400, 0x5910,
        0x5920, 0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416, 0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026};
    const std::initializer_list<int> hdIntercomFrom1_1 = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5520};
    const std::initializer_list<int> groupC = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x3030, 0x3050, 0x3060, 0x3040,
                                               0x5524, 0x5536, 0x5522, 0x5526, 0x5720, 0x5710, 0x5910, 0x5920, 0x5530,
                                               0x5532, 0x5520, 0x5510, 0x5580, 0x5570, 0x5550, 0x6210, 0x6400, 0x5622,
                                               0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
    const std::initializer_list<int> groupD = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x6210, 0x5623, 0x6400, 0x5622,
                                               0x5624, 0x5410, 0x5560, 0x5412, 0x5414, 0x5420, 0x5418, 0x5530, 0x5510,
                                               0x5580, 0x5570, 0x5520, 0x5526, 0x5524, 0x5550, 0x5416};
    const std::initializer_list<int> routecue = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018,
                                                 0x6020, 0x6022, 0x6024, 0x6026};

    std::vector<int> products;
    const ModelNameTableView table = ModelNameTable();
    for (std::size_t i = 0; i < table.count; ++i)
        products.push_back(table.rows[i].productId);
    products.push_back(0x9999);

    for (int product : products) {
        for (int minor : {0, 1}) {
            SCOPED_TRACE(testing::Message() << std::hex << product << std::dec << " firmware 1." << minor);
            const auto wordOf = [product, minor](int index) {
                DeviceConfig record;
                record.m_modelCode = product;
                record.m_firmwareVersion = DeviceVersion{1, minor, 0, 0, 0};
                record.m_settings[index] = 1;
                return record.BuildConfigWord();
            };
            const bool hdIntercom = Listed(groupB, product) || (minor >= 1 && Listed(hdIntercomFrom1_1, product));
            EXPECT_EQ(Listed(groupA, product) ? 0x0400 : 0, wordOf(18)) << "audio boost";
            EXPECT_EQ(hdIntercom ? 0x0800 : 0, wordOf(19)) << "HD intercom";
            EXPECT_EQ(Listed(groupC, product) ? 0x1000 : 0, wordOf(20)) << "FM station guide";
            EXPECT_EQ(Listed(routecue, product) ? 0 : 0x2000, wordOf(21)) << "HD voice";
            EXPECT_EQ(Listed(routecue, product) ? 0x2000 : 0, wordOf(24)) << "Routecue";
            EXPECT_EQ(Listed(groupD, product) ? 0x4000 : 0, wordOf(22)) << "audio source priority";
            EXPECT_EQ(Listed(groupD, product) ? 0x8000 : 0, wordOf(23)) << "Layertone";
        }
    }
}

struct ConfigWordCase {
    const char* what;
    int product;
    int major;
    int minor;
    std::function<void(DeviceConfig&)> set;
    int expected;
};

TEST(DeviceConfigBuildConfigWord, PacksSwitchesPerProductGroup)
{
    const auto word = [](int index) { return [index](DeviceConfig& r) { r.m_settings[index] = 5; }; };
    const ConfigWordCase cases[] = {
        {"options of every product", 0x4D10, 4, 2,
         [](DeviceConfig& r) {
             r.m_handsfreeVox = r.m_intercomVox = r.m_edr = r.m_voicePrompt = r.m_plc = 1;
             r.m_bitpoolRate = r.m_microphoneBoost = r.m_sidetone = r.m_hushguard = r.m_autoGainControl = 2;
         },
         0x077F},
        {"negative option counts", 0x4D10, 4, 2, [](DeviceConfig& r) { r.m_edr = -1; }, 0x0004},
        {"radio gain and time-out never count", 0x5210, 1, 0,
         [](DeviceConfig& r) {
             r.m_radioTransmitGain = 17;
             r.m_audioChannelTimeout = 60;
         },
         0},
        {"Routecue on 0x6010", 0x6010, 1, 0, word(24), 0x2000},
        {"HD voice not on 0x6010", 0x6010, 1, 0, word(21), 0},
        {"Routecue on 0x6024", 0x6024, 1, 0, word(24), 0x2000},
        {"Routecue not on 0x4D10", 0x4D10, 4, 2, word(24), 0},
        {"HD voice on 0x4D10", 0x4D10, 4, 2, word(21), 0x2000},
        {"HD intercom on 0x5610 at 1.0", 0x5610, 1, 0, word(19), 0},
        {"HD intercom on 0x5610 at 1.1", 0x5610, 1, 1, word(19), 0x0800},
        {"HD intercom on 0x5520 at 2.0", 0x5520, 2, 0, word(19), 0x0800},
        {"HD intercom on 0x5530 at 0.1", 0x5530, 0, 1, word(19), 0x0800},
        {"HD intercom not on 0x4D10", 0x4D10, 4, 2, word(19), 0},
        {"AGC and audio boost share bit 10", 0x5510, 1, 0,
         [](DeviceConfig& r) {
             r.m_autoGainControl = 1;
             r.m_settings[18] = 1;
         },
         0x0400},
        {"audio boost alone in group A", 0x5510, 1, 0, word(18), 0x0400},
        {"audio boost not outside group A", 0x4D10, 4, 2, word(18), 0},
        {"FM station guide in group C", 0x3030, 1, 0, word(20), 0x1000},
        {"FM station guide not on 0x5623", 0x5623, 1, 0, word(20), 0},
        {"audio source priority in group D", 0x5416, 1, 0, word(22), 0x4000},
        {"Layertone in group D", 0x5624, 1, 0, word(23), 0x8000},
        {"group D words not on 0x6010", 0x6010, 1, 0, [](DeviceConfig& r) { r.m_settings[22] = r.m_settings[23] = 1; },
         0},
        {"group A, B, C and D at once", 0x5622, 1, 1,
         [](DeviceConfig& r) {
             for (int i = 18; i <= 24; ++i)
                 r.m_settings[i] = 1;
         },
         0xFC00},
        {"words outside the config word never count", 0x5622, 1, 1,
         [](DeviceConfig& r) {
             for (int i = 0; i < 18; ++i)
                 r.m_settings[i] = 0xFFFF;
             for (int i = 25; i < kSettingsWordCount; ++i)
                 r.m_settings[i] = 0xFFFF;
         },
         0},
    };
    for (const ConfigWordCase& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceConfig record;
        record.m_modelCode = c.product;
        record.m_firmwareVersion = DeviceVersion{c.major, c.minor, 0, 0, 0};
        c.set(record);
        EXPECT_EQ(c.expected, record.BuildConfigWord());
    }
}

} // namespace
