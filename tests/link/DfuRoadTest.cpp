#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "link/AddressGates.h"
#include "link/DfuRoad.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Words(std::initializer_list<int> words)
{
    Bytes bytes;
    for (int w : words) {
        bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((w >> 8) & 0xFF));
    }
    return bytes;
}

Bytes Text(const std::string& text, std::size_t size)
{
    Bytes bytes(text.begin(), text.end());
    bytes.resize(size, 0);
    return bytes;
}

std::string KeyName(int key)
{
    char name[16];
    std::snprintf(name, sizeof name, key >= 0x2000 ? "0x%X" : "%d", key);
    return name;
}

// The library's devices with their keys; every key access is logged as
// "R<key>" (read, also when unreadable) or "W<key>".
class FakeLibrary final : public DfuLibraryAccess {
public:
    struct Device {
        std::wstring name;
        std::wstring path;
        bool connects = true;
        std::map<int, Bytes> keys;
    };

    Device& Add(int productId, bool connects = true, int vendorId = kMakerUsbVendorId)
    {
        wchar_t path[96];
        std::swprintf(path, 96, L"\\\\?\\usb#vid_%04x&pid_%04x#%d#{dfu}", vendorId, productId,
                      static_cast<int>(devices.size()));
        devices.push_back(Device{L"DFU" + std::to_wstring(devices.size()), path, connects, {}});
        return devices.back();
    }

    std::vector<std::wstring> EnumerateDevices() override
    {
        std::vector<std::wstring> names;
        for (const Device& d : devices)
            names.push_back(d.name);
        return names;
    }
    std::wstring PathInternal(const std::wstring& name) override
    {
        for (const Device& d : devices) {
            if (d.name == name)
                return d.path;
        }
        return std::wstring();
    }
    bool ConnectDevice(const std::wstring& path) override
    {
        for (std::size_t i = 0; i < devices.size(); ++i) {
            std::wstring upper = devices[i].path;
            for (wchar_t& c : upper)
                c = static_cast<wchar_t>(towupper(c));
            if (upper == path && devices[i].connects) {
                current = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }
    bool GetKey(std::uint16_t key, std::uint8_t* buffer, int bytes) override
    {
        log.push_back("R" + KeyName(key));
        std::fill(buffer, buffer + bytes, 0xEE); // what a read that fails leaves must not matter
        const auto found = devices.at(current).keys.find(key);
        if (found == devices.at(current).keys.end())
            return false;
        Bytes value = found->second;
        value.resize(bytes, 0);
        std::copy(value.begin(), value.end(), buffer);
        return true;
    }
    bool SetKey(std::uint16_t key, const std::uint8_t* buffer, int bytes) override
    {
        log.push_back("W" + KeyName(key));
        written[key] = Bytes(buffer, buffer + bytes);
        devices.at(current).keys[key] = written[key];
        return true;
    }

    std::vector<Device> devices;
    int current = 0;
    std::vector<std::string> log;
    std::map<int, Bytes> written;
};

// One connected unit read on its own.
struct UnitFixture {
    FakeLibrary library;
    FakeLibrary::Device& unit = library.Add(0x2020);
    DfuUnitValues values;

    int Read(int target, const DeviceConfig* record = nullptr, bool drive = false)
    {
        return ReadDfuUnit(
            library, target, record, [drive] { return drive; }, &values);
    }
    // The log after the reads every unit gets (model word, address, name, version).
    std::vector<std::string> LogAfter(std::size_t first) const
    {
        return std::vector<std::string>(library.log.begin() + static_cast<long>(first), library.log.end());
    }
};

TEST(DfuUnitVersion, VersionKeysByModel)
{
    struct Case {
        int model;
        Bytes key676; // empty: unreadable
        Bytes key659;
        DeviceVersion expected;
        bool zeroWrite;
    } cases[] = {
        {0x4D30, {42, 0, 0, 0}, {35, 0, 0, 0}, {4, 2, 0, 0, 0}, false}, // 35 is no older version: the newer stays
        {0x4D10, {40, 0, 7, 2}, {30, 0, 0, 0}, {3, 0, 0, 0, 0}, true},  // the older key wins and 676 is cleared
        {0x4D40, {}, {}, {4, 3, 0, 0, 0}, false},
        {0x4D30, {}, {}, {4, 2, 0, 0, 0}, false},
        {0x4D10, {}, {}, {3, 0, 0, 0, 0}, false},
        {0x4D10, {40, 0, 7, 2}, {}, {4, 0, 2, 7, 0}, false},
        {0x4D10, {32, 0, 7, 2}, {10, 0, 0, 0}, {3, 2, 0, 0, 0}, false}, // an old value of 32 stays
        {0x4D10, {40, 0, 7, 2}, {3, 0, 0, 0}, {4, 0, 0, 0, 0}, false},
        {0x4D10, {0, 0, 7, 2}, {20, 0, 0, 0}, {2, 0, 0, 0, 0}, true}, // byte 0 of 0 tells nothing
        {0x4D10, {}, {35, 0, 0, 0}, {3, 5, 0, 0, 0}, false},
        {0x2020, {11, 0, 3, 2}, {20, 0, 0, 0}, {1, 1, 2, 3, 0}, false}, // no older key on this model
        {0x2020, {}, {}, {1, 0, 0, 0, 0}, false},
        {0x2011, {}, {}, {1, 2, 0, 0, 0}, false},
        {0x4D55, {}, {}, {2, 0, 0, 0, 0}, false},
        {0x5061, {}, {}, {5, 2, 0, 0, 0}, false},
        {0x7777, {}, {}, {0, 0, 0, 0, 0}, false},
        {0x3020, {1, 2, 3, 4}, {}, {4, 3, 2, 1, 0}, false},
        {0x3020, {}, {}, {1, 0, 1, 0, 0}, false},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.keys[kPsKeyModelWord] = Words({c.model});
        if (!c.key676.empty())
            f.unit.keys[kPsKeyFirmwareVersion] = c.key676;
        if (!c.key659.empty())
            f.unit.keys[kPsKeyOldVersion] = c.key659;
        f.Read(c.model, nullptr, true);
        const DeviceVersion& v = f.values.version;
        const std::string label = KeyName(c.model) + " 676=" + std::to_string(c.key676.empty() ? -1 : c.key676[0]);
        EXPECT_EQ(v.major, c.expected.major) << label;
        EXPECT_EQ(v.minor, c.expected.minor) << label;
        EXPECT_EQ(v.kind, c.expected.kind) << label;
        EXPECT_EQ(v.build, c.expected.build) << label;
        EXPECT_EQ(f.library.written.count(kPsKeyFirmwareVersion) == 1, c.zeroWrite) << label;
        if (c.zeroWrite) {
            EXPECT_EQ(f.library.written[kPsKeyFirmwareVersion], Bytes(4, 0));
        }
    }
}

// The option fields as bits in the configuration word's order (bit 7 unused).
unsigned OptionBits(const DfuUnitValues& v)
{
    const std::vector<int> fields = {v.handsfreeVox,   v.intercomVox,     v.edr, v.voicePrompt, v.plc,
                                     v.bitpoolRate,    v.microphoneBoost, 0,     v.sidetone,    v.hushguard,
                                     v.autoGainControl};
    unsigned bits = 0;
    unsigned bit = 1;
    for (int field : fields) {
        if (field != 0)
            bits |= bit;
        bit <<= 1;
    }
    return bits;
}

TEST(DfuUnitGroups, EachModelReadsItsKeysInOrderWithTheirFallbacks)
{
    const std::vector<std::string> dials = {"R0x2280", "R0x2281", "R0x2282"};
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        int model;
        int v; // key 676 byte 0
        std::vector<std::string> reads;
        unsigned bits;         // fields key 654 sets when every bit is on
        unsigned fallbackBits; // fields set when key 654 is unreadable
    } cases[] = {
        // Key 654 is not read below 4.0; the EDR key holds the on pattern, which the record keeps as 0.
        {0x4D10, 30, {"R659", "R664", "R665", "R239"}, 0x3, 0x3},
        {0x4D10, 43, join({"R659", "R654"}, dials), 0x7F, 0x71},
        {0x4D30, 42, {"R659", "R654"}, 0x7F, 0x71},
        {0x5010, 50, join({"R654"}, dials), 0x17F, 0x71},
        {0x5040, 50, join(join({"R654"}, dials), {"R671"}), 0x17F, 0x71},
        {0x4D21, 10, join({"R654"}, dials), 0x100, 0x100},
        {0x4D75, 10, join({"R654"}, dials), 0x17F, 0x71},
        {0x5011, 10, join({"R654"}, dials), 0x17F, 0x71},
        {0x4040, 10, {"R654"}, 0x37F, 0x71},
        {0x2020, 10, join({"R654"}, dials), 0x17F, 0x71},
        {0x2020, 11, join({"R654"}, dials), 0x37F, 0x71},
        {0x6110, 10, join({"R654"}, dials), 0x37C, 0x70},
        {0x4110, 10, join({"R654"}, dials), 0x7F, 0x71},
        {0x4120, 10, join({"R654"}, dials), 0x77F, 0x71},
        {0x6420, 10, join({"R654"}, dials), 0x5, 0x1},
        {0x6430, 10, join({"R654"}, dials), 0x1, 0x1},
        {0x4D05, 12, {"R654"}, 0x3F, 0x31},
        {0x4D05, 20, join({"R654"}, dials), 0x13F, 0x31},
        {0x4D15, 20, join(join({"R654"}, dials), {"R671"}), 0x13F, 0x31},
        {0x4D35, 13, join({"R654", "R1"}, dials), 0x3F, 0x31},
        {0x4D85, 10, join(join({"R654"}, dials), {"R671"}), 0x13F, 0x31},
        {0x2010, 10, {"R654"}, 0x3F, 0x31},
        {0x4021, 10, {"R654"}, 0x1, 0x1},
        {0x5210, 10, {"R684", "R682"}, 0x0, 0x0},
        {0x7777, 10, {}, 0x0, 0x0},
    };
    for (const Case& c : cases) {
        for (bool readable : {true, false}) {
            UnitFixture f;
            f.unit.keys[kPsKeyModelWord] = Words({c.model});
            f.unit.keys[kPsKeyFirmwareVersion] = {static_cast<std::uint8_t>(c.v), 0, 0, 0};
            f.unit.keys[kPsKeyBdAddress] = {0xFF, 0, 0xFF, 0xFF, 0, 0, 0, 0}; // above every batch threshold
            f.unit.keys[kPsKeyIntercomVox] = Words({1});
            f.unit.keys[kPsKeyHandsfreeVox] = Words({1});
            f.unit.keys[kPsKeyFeatureMask] = Bytes(kPsEdrOnPattern, kPsEdrOnPattern + 8);
            if (readable)
                f.unit.keys[kPsKeyConfigWord] = Words({0x7FF, 0});
            const std::string label = KeyName(c.model) + " v" + std::to_string(c.v) + (readable ? "" : " no 654");
            EXPECT_EQ(f.Read(c.model), 0) << label;
            const std::vector<std::string> start = {"R675", "R1", "R264", "R676"};
            ASSERT_GE(f.library.log.size(), start.size()) << label;
            EXPECT_EQ(std::vector<std::string>(f.library.log.begin(), f.library.log.begin() + 4), start) << label;
            EXPECT_EQ(f.LogAfter(4), c.reads) << label;
            EXPECT_EQ(OptionBits(f.values), readable ? c.bits : c.fallbackBits) << label;
        }
    }
}

TEST(DfuUnitGroups, OldSwitchKeysTakeWholeWordsAndTheEdrPattern)
{
    // The record holds EDR as 0 on, 1 off: only the on pattern reads as on.
    struct Case {
        const char* label;
        const unsigned char* pattern; // null: key 239 unreadable
        int edr;
    } cases[] = {
        {"on pattern", kPsEdrOnPattern, 0},
        {"off pattern", kPsEdrOffPattern, 1},
        {"unreadable", nullptr, 1},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.keys[kPsKeyModelWord] = Words({0x4D40});
        f.unit.keys[kPsKeyFirmwareVersion] = {35, 0, 0, 0};
        f.unit.keys[kPsKeyIntercomVox] = Words({7});
        if (c.pattern != nullptr)
            f.unit.keys[kPsKeyFeatureMask] = Bytes(c.pattern, c.pattern + 8);
        f.Read(0x4D40);
        EXPECT_EQ(f.values.intercomVox, 7) << c.label;
        EXPECT_EQ(f.values.handsfreeVox, 0) << c.label;
        EXPECT_EQ(f.values.edr, c.edr) << c.label;
    }
}

TEST(DfuUnitGroups, RadioKeysAreBoundedToTheirSteps)
{
    struct Case {
        int gain; // -1: unreadable
        int timeoutMs;
        int expectedGain;
        int expectedTimeout;
    } cases[] = {
        {16, 2500, 15, 5}, {17, 60000, 17, 60}, {13, 61000, 12, 5}, {14, 3000, 15, 3}, {-1, -1, 15, 5},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.keys[kPsKeyModelWord] = Words({0x5210});
        if (c.gain >= 0)
            f.unit.keys[kPsKeyRadioTransmitGain] = Words({c.gain});
        if (c.timeoutMs >= 0)
            f.unit.keys[kPsKeyAudioChannelTimeout] = Words({c.timeoutMs});
        f.Read(0x5210);
        EXPECT_EQ(f.values.radioTransmitGain, c.expectedGain) << c.gain;
        EXPECT_EQ(f.values.audioChannelTimeout, c.expectedTimeout) << c.timeoutMs;
    }
}

TEST(DfuUnitGroups, AnFmBlockWithAForeignTagIsResetOnTheUnit)
{
    UnitFixture f;
    f.unit.keys[kPsKeyModelWord] = Words({0x4D85});
    f.unit.keys[kPsKeyFmBlock] = Words({0x1234, 8750, 2, 9000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3});
    f.Read(0x4D85);
    EXPECT_EQ(f.values.fmMagicCode, 0x56E9);
    EXPECT_EQ(f.values.fmCurrentFrequency, 0);
    EXPECT_EQ(f.values.fmPresets[0], 0);
    EXPECT_EQ(f.values.fmRegion, 0);
    EXPECT_EQ(f.library.log.back(), "W671");
    EXPECT_EQ(f.library.written[kPsKeyFmBlock], Words({0x56E9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    UnitFixture kept;
    kept.unit.keys[kPsKeyModelWord] = Words({0x4D85});
    kept.unit.keys[kPsKeyFmBlock] = Words({0x66E9, 8750, 2, 9000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3});
    kept.Read(0x4D85);
    EXPECT_EQ(kept.values.fmMagicCode, 0x66E9);
    EXPECT_EQ(kept.values.fmCurrentFrequency, 8750);
    EXPECT_EQ(kept.values.fmPresets[0], 9000);
    EXPECT_EQ(kept.values.fmRds, 1);
    EXPECT_EQ(kept.values.fmRegion, 3);
    EXPECT_EQ(kept.library.written.count(kPsKeyFmBlock), 0u);
}

TEST(DfuUnitGroups, TheBatchGateAsksAboutTheUnitsOwnModel)
{
    // Key 1's lower part is bytes 0, 3, 2; 2DD49E is the threshold of 0x4D35.
    struct Case {
        Bytes key1;
        const wchar_t* address;
        bool writes49;
    } cases[] = {
        {{0x2D, 0xCC, 0x9E, 0xD4, 0x11, 0, 0x22, 0x33}, L"332211[2DD49E]", true}, // not above: an early batch
        {{0x2D, 0xCC, 0x9F, 0xD4, 0x11, 0, 0x22, 0x33}, L"332211[2DD49F]", false},
    };
    Bytes table;
    for (std::uint16_t w : kPsKey49Table) {
        table.push_back(static_cast<std::uint8_t>(w & 0xFF));
        table.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.keys[kPsKeyModelWord] = Words({0x4D35});
        f.unit.keys[kPsKeyBdAddress] = c.key1;
        // The road's model code is another one; the gate still answers for 0x4D35.
        f.Read(0x2020);
        EXPECT_EQ(f.values.address, c.address);
        ASSERT_EQ(f.library.written.count(kPsKeyEdrPatternTable) == 1, c.writes49);
        if (c.writes49) {
            EXPECT_EQ(f.library.written[kPsKeyEdrPatternTable], table);
        }
    }
}

TEST(DfuUnitIdentity, AddressNameAndModelWordCorrection)
{
    struct Case {
        bool modelWordReadable;
        const char* name; // null: key 264 unreadable
        int expectedModel;
        const wchar_t* expectedName;
    } cases[] = {
        {false, "My Orn8 unit", 0x5010, L"My Orn8 unit"},
        {false, "Vel8 Orn8", 0x4D10, L"Vel8 Orn8"},
        {false, "Something", 0x4D10, L"Something"},
        {false, nullptr, 0x4D10, L"Vel8"},
        {true, "Orn8", 0x2020, L"Orn8"}, // a model word read is never corrected
    };
    for (const Case& c : cases) {
        UnitFixture f;
        if (c.modelWordReadable)
            f.unit.keys[kPsKeyModelWord] = Words({0x2020});
        if (c.name)
            f.unit.keys[kPsKeyDeviceName] = Text(c.name, 256);
        f.unit.keys[kPsKeyBdAddress] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
        f.Read(0x2020);
        EXPECT_EQ(f.values.modelWord, c.expectedModel) << (c.name ? c.name : "none");
        EXPECT_EQ(f.values.modelWordRead, c.modelWordReadable);
        EXPECT_EQ(f.values.name, c.expectedName);
        EXPECT_EQ(f.values.address, L"887755[114433]");
    }
}

TEST(DfuUnitIdentity, ANameWithoutTerminatorIsCutAtTheKeysEnd)
{
    UnitFixture f;
    f.unit.keys[kPsKeyModelWord] = Words({0x2020});
    f.unit.keys[kPsKeyDeviceName] = Bytes(256, 'A');
    f.Read(0x2020);
    EXPECT_EQ(f.values.name, std::wstring(256, L'A'));
}

TEST(DfuUnitIdentity, TheTargetCheckAndTheCameraDrive)
{
    UnitFixture other;
    other.unit.keys[kPsKeyModelWord] = Words({0x4D10});
    EXPECT_EQ(other.Read(0x2020), 3);
    EXPECT_EQ(other.library.log.back(), "R239"); // the keys were read all the same

    UnitFixture noDrive;
    noDrive.unit.keys[kPsKeyModelWord] = Words({0x3020});
    EXPECT_EQ(noDrive.Read(0x3020, nullptr, false), 10);
    EXPECT_EQ(noDrive.library.log, std::vector<std::string>{"R675"});

    UnitFixture drive;
    drive.unit.keys[kPsKeyModelWord] = Words({0x3020});
    EXPECT_EQ(drive.Read(0x3020, nullptr, true), 0);
    EXPECT_EQ(drive.library.log, (std::vector<std::string>{"R675", "R1", "R264", "R676"}));
}

TEST(DfuUnitWriteBack, OnlyAUnitOfTheRecordsModelTakesTheRecord)
{
    DeviceConfig record;
    record.m_modelCode = 0x2020;
    record.m_handsfreeVox = 1;
    record.m_sidetone = 1;
    record.m_speedDial = {L"112", L"", L"0049301234"};
    struct Case {
        int target;
        int unitModel;
        int recordModel;
        std::vector<std::string> writes;
    } cases[] = {
        {0x2020, 0x2020, 0x2020, {"W654", "W0x2280", "W0x2281", "W0x2282"}},
        {0x2011, 0x2011, 0x2011, {"W654"}},
        {0x2010, 0x2010, 0x2010, {"W654"}},
        {0x2020, 0x2020, 0x2010, {}}, // a record of another model
        {0x2020, 0x4D10, 0x2020, {}}, // a unit of another model behind the listed id
        {0x4D10, 0x4D10, 0x4D10, {}}, // the road's model decides the keys: none for this one
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.keys[kPsKeyModelWord] = Words({c.unitModel});
        record.m_modelCode = c.recordModel;
        f.Read(c.target, &record);
        std::vector<std::string> writes;
        for (const std::string& entry : f.library.log) {
            if (entry[0] == 'W')
                writes.push_back(entry);
        }
        EXPECT_EQ(writes, c.writes) << KeyName(c.target) << " " << KeyName(c.unitModel) << " "
                                    << KeyName(c.recordModel);
        if (c.writes.empty())
            continue;
        // After the version and before the group reads.
        const auto first = std::find(f.library.log.begin(), f.library.log.end(), "W654");
        EXPECT_EQ(*(first - 1), "R676");
        EXPECT_EQ(f.library.written[kPsKeyConfigWord], Words({record.BuildConfigWord(), 0}));
        if (c.writes.size() > 1) {
            EXPECT_LT(std::find(f.library.log.begin(), f.library.log.end(), "W0x2282"),
                      std::find(f.library.log.begin(), f.library.log.end(), "R654"));
            EXPECT_EQ(f.library.written[kPsKeySpeedDial3],
                      Words({'0', '0', '4', '9', '3', '0', '1', '2', '3', '4', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
            EXPECT_EQ(f.values.speedDial[0], L"112"); // read back after the write
            EXPECT_EQ(f.values.speedDial[2], L"0049301234");
        }
    }
}

// The walk over the library's list.
struct RoadFixture {
    FakeLibrary library;
    DfuScan scan;
    RecognitionState state;
    DfuScan scanned;
    DfuRoadCounts counts;
    bool drive = false;

    int Run(const DeviceConfig* record = nullptr)
    {
        return RunDfuRoad(
            library, [this] { return scan; }, record, [this] { return drive; }, state, &scanned, &counts);
    }
};

TEST(DfuRoad, NothingScannedLeavesTheModelCodeAlone)
{
    RoadFixture f;
    f.library.Add(0x2020);
    f.state.m_modelCode = 0x4D10;
    EXPECT_EQ(f.Run(), 2);
    EXPECT_EQ(f.state.m_modelCode, 0x4D10);
    EXPECT_TRUE(f.library.log.empty());
}

TEST(DfuRoad, EntriesOutsideTheFamilyAreSkipped)
{
    RoadFixture f;
    f.scan = {1, {0x2020, 0}};
    f.state.m_modelCode = 0x4D10;
    f.library.Add(0x2020, true, 0x1234);
    f.library.Add(0x2030);
    f.library.devices.push_back({L"first", L"VID_2B4E&PID_2020", true, {}});
    EXPECT_EQ(f.Run(), 2);
    EXPECT_EQ(f.state.m_modelCode, 0);
    EXPECT_EQ(f.counts.matched, 0);
}

TEST(DfuRoad, AUnitIsStoredWithItsKeys)
{
    RoadFixture f;
    f.scan = {1, {0x2020, 0}};
    FakeLibrary::Device& unit = f.library.Add(0x2020);
    unit.keys[kPsKeyModelWord] = Words({0x2020});
    unit.keys[kPsKeyDeviceName] = Text("Zenta1", 256);
    unit.keys[kPsKeyFirmwareVersion] = {11, 0, 4, 2};
    unit.keys[kPsKeyBdAddress] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    unit.keys[kPsKeyConfigWord] = Words({0x301, 0});
    unit.keys[kPsKeySpeedDial2] = Words({'5', '5', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    f.state.m_device.m_settings[3] = 77;
    f.state.m_device.m_hardwareVersion = L"   |   H/W v1.1";
    EXPECT_EQ(f.Run(), 0);
    EXPECT_EQ(f.state.m_modelCode, 0x2020);
    EXPECT_EQ(f.state.m_recognized, 1);
    EXPECT_EQ(f.state.m_usbStatus, 0x2020);
    const DeviceConfig& d = f.state.m_device;
    EXPECT_EQ(d.m_modelCode, 0x2020);
    EXPECT_EQ(d.m_managerVersion.major, 1);
    EXPECT_EQ(d.m_managerVersion.minor, 3);
    EXPECT_EQ(d.m_deviceName, L"Zenta1");
    EXPECT_EQ(d.m_bdAddress, L"887755[114433]");
    EXPECT_EQ(d.m_firmwareVersion.major, 1);
    EXPECT_EQ(d.m_firmwareVersion.minor, 1);
    EXPECT_EQ(d.m_firmwareVersion.kind, 2);
    EXPECT_EQ(d.m_firmwareVersion.build, 4);
    EXPECT_EQ(d.m_handsfreeVox, 1);
    EXPECT_EQ(d.m_sidetone, 1);
    EXPECT_EQ(d.m_hushguard, 1);
    EXPECT_EQ(d.m_speedDial[1], L"55");
    EXPECT_EQ(d.m_hardwareVersion, L"");
    EXPECT_EQ(d.m_settings[3], 77); // the settings words are not the keys' business
    EXPECT_GT(f.state.m_settingsPageCount, 0);
    EXPECT_EQ(DfuFinalCountCheck(0, f.scanned, f.counts), 0);
}

TEST(DfuRoad, AUnitListedTwiceGives8AfterTheFirstIsStored)
{
    RoadFixture f;
    f.scan = {1, {0x2020, 0}};
    f.library.Add(0x2020).keys[kPsKeyModelWord] = Words({0x2020});
    f.library.Add(0x2020).keys[kPsKeyModelWord] = Words({0x2020});
    EXPECT_EQ(f.Run(), 8);
    EXPECT_EQ(f.state.m_recognized, 1);
    EXPECT_EQ(f.state.m_device.m_modelCode, 0x2020);
    EXPECT_EQ(f.counts.matched, 2);
    EXPECT_EQ(f.counts.connected, 1);
}

TEST(DfuRoad, AUnitInDfuModeIsRecognisedFromTheScan)
{
    RoadFixture f;
    f.scan = {1, {0xA010, 0}};
    f.library.Add(0xA010, false);
    f.state.m_device.m_deviceName = L"old";
    EXPECT_EQ(f.Run(), 1);
    EXPECT_EQ(f.state.m_modelCode, 0x2010);
    EXPECT_EQ(f.state.m_usbStatus, 0xA010);
    EXPECT_EQ(f.state.m_recognized, 1);
    EXPECT_EQ(f.state.m_device.m_modelCode, 0x2010);
    EXPECT_EQ(f.state.m_device.m_deviceName, L"");
    EXPECT_EQ(f.state.m_device.m_firmwareVersion.major, 0);
    EXPECT_TRUE(f.library.log.empty());
    EXPECT_EQ(DfuFinalCountCheck(1, f.scanned, f.counts), 1);
}

TEST(DfuRoad, UnitsThatAreNotTheTargetGive3AndAreNotStored)
{
    RoadFixture normalId;
    normalId.scan = {1, {0x2020, 0}};
    normalId.library.Add(0x2020, false); // listed in normal mode but not answering
    EXPECT_EQ(normalId.Run(), 3);
    EXPECT_EQ(normalId.state.m_recognized, 0);

    RoadFixture otherModel;
    otherModel.scan = {1, {0x2020, 0}};
    otherModel.library.Add(0x2020).keys[kPsKeyModelWord] = Words({0x4D10});
    EXPECT_EQ(otherModel.Run(), 3);
    EXPECT_EQ(otherModel.state.m_modelCode, 0x2020);
    EXPECT_EQ(otherModel.state.m_recognized, 0);
    EXPECT_EQ(otherModel.state.m_device.m_modelCode, 0);
}

TEST(DfuFinalCountCheck, ScanAndLibraryMustAgree)
{
    struct Case {
        int result;
        DfuScan scan;
        DfuRoadCounts counts;
        int expected;
    } cases[] = {
        {0, {1, {0x2020, 0}}, {1, 1, 0}, 0},      {1, {1, {0xA020, 0}}, {1, 0, 1}, 1},
        {0, {2, {0x2020, 0x2020}}, {1, 1, 0}, 6}, {1, {2, {0xA020, 0x2020}}, {1, 0, 1}, 6},
        {0, {1, {0xA020, 0}}, {1, 1, 0}, 9}, // scanned in DFU mode, answered over BCCMD
        {1, {1, {0x2020, 0}}, {1, 0, 1}, 9},      {1, {1, {0, 0}}, {1, 0, 1}, 1}, // an id of 0 counts as DFU mode
        {3, {2, {0x2020, 0x2020}}, {1, 1, 0}, 3},                                 // failures are left as they are
        {8, {1, {0x2020, 0}}, {2, 1, 0}, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DfuFinalCountCheck(c.result, c.scan, c.counts), c.expected) << c.result << " " << c.scan.count;
}

TEST(DfuRoad, CameraWithoutItsDriveGives10)
{
    RoadFixture f;
    f.scan = {1, {0x2020, 0}};
    f.library.Add(0x2020).keys[kPsKeyModelWord] = Words({0x3020});
    EXPECT_EQ(f.Run(), 10);
    EXPECT_EQ(f.state.m_recognized, 0);
}

} // namespace
