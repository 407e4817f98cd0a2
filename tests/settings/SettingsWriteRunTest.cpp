#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/DeviceFinders.h"
#include "link/DfuEngineLibrary.h"
#include "link/DfuRoad.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "link/PsKeyTable.h"
#include "settings/SettingsWriteRun.h"
#include "sim/SimDfuChip.h"
#include "sim/SimHeadset.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kPrimary = kHidPairPrimaryProductId;
constexpr int kSecondary = kHidPairSecondaryProductId;

// The recorded unit on the HID simulator, with the main window's two channels.
class HidWriteTest : public ::testing::Test {
protected:
    void SetUp() override { sim.Install(); }
    void TearDown() override
    {
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
        // The lookup's own handles were closed on every way out.
        EXPECT_EQ(sim.OpenHandleCount(), 0);
        EXPECT_EQ(sim.BadCloseCount(), 0);
    }

    // The 0x2030 pair, recognised: its chip versions are on record.
    void AddPair()
    {
        pair = sim.AddHidPairUnit();
        ASSERT_EQ(FindHidPairDevice(&primary, &secondary), 1);
        live.m_modelCode = 0x2030;
        live.m_firmwareVersion = DeviceVersion{1, 2, 0, 0, 0};
        live.m_chipVersion1 = DeviceVersion{1, 2, 2, 7, 0};
        live.m_chipVersion2 = DeviceVersion{1, 2, 2, 7, 0};
        modelCode = 0x2030;
    }

    // A one-interface unit whose firmware version is on record.
    SimHidInterface& AddSingle(int model, int major, int minor)
    {
        SimHidInterface& unit = sim.AddInterface(model);
        unit.version[0] = static_cast<unsigned char>(major);
        unit.version[1] = static_cast<unsigned char>(minor);
        unit.version[2] = 0;
        unit.version[3] = 0;
        primary = OpenHidInterface(model);
        live.m_modelCode = model;
        live.m_firmwareVersion = DeviceVersion{major, minor, 0, 0, 0};
        live.m_chipVersion1 = live.m_firmwareVersion;
        modelCode = model;
        return unit;
    }

    bool Write(SettingsWriterPage page, const DeviceConfig& working)
    {
        sim.ClearLog();
        SettingsWriteTarget target;
        target.modelCode = modelCode;
        target.live = &live;
        target.primary = &primary;
        target.secondary = &secondary;
        return WriteSettings(page, working, target);
    }

    // (product id, command, parameter) of every request written, in order.
    std::vector<std::tuple<int, int, int>> Sent() const
    {
        std::vector<std::tuple<int, int, int>> out;
        for (const SimLogEntry& e : sim.Log()) {
            if (e.kind == SimLogKind::Write && e.ok)
                out.emplace_back(e.productId, e.bytes[kHidRequestCommand], e.bytes[kHidRequestParameter]);
        }
        return out;
    }

    SimHeadset sim;
    SimHeadset::Pair pair{};
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    DeviceConfig live;
    int modelCode = 0;
};

TEST_F(HidWriteTest, PairUnitChecksBothChannelsThenWritesTheBasicGroup)
{
    AddPair();
    DeviceConfig working = live;
    for (int n = 0; n < 10; ++n)
        working.m_settings[n] = 0x100 + n;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    const std::vector<std::tuple<int, int, int>> expected = {{kPrimary, 1, 0}, {kSecondary, 1, 0}, {kSecondary, 4, 4}};
    EXPECT_EQ(Sent(), expected);
    // The version requests carry report id and command only.
    for (const std::vector<unsigned char>& r : {sim.Requests(kPrimary)[0], sim.Requests(kSecondary)[0]}) {
        ASSERT_EQ(r.size(), kHidRequestSize);
        EXPECT_EQ(r[0], 1);
        EXPECT_EQ(r[1], 1);
        EXPECT_EQ(std::count(r.begin() + 2, r.end(), 0), static_cast<long>(kHidRequestSize - 2));
    }
    const std::vector<std::uint16_t> words = {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x108, 0x109};
    EXPECT_EQ(pair.secondary->groups[4], words);
    const std::vector<unsigned char> request = sim.Requests(kSecondary)[1];
    EXPECT_EQ(request[3], 10);
    EXPECT_EQ(request[4], 0x01); // most significant byte first
    EXPECT_EQ(request[5], 0x00);
    EXPECT_EQ(std::count(request.begin() + 24, request.end(), 0), static_cast<long>(kHidRequestSize - 24));
}

TEST_F(HidWriteTest, CommitReusesTheBufferJustSent)
{
    SimHidInterface& unit = AddSingle(0x5416, 1, 3);
    DeviceConfig working = live;
    working.m_settings[14] = 0x0A0B;
    working.m_settings[16] = 0x0C0D;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    const std::vector<std::tuple<int, int, int>> expected = {{0x5416, 1, 0},   {0x5416, 4, 4},     {0x5416, 0x11, 4},
                                                             {0x5416, 4, 20},  {0x5416, 0x11, 20}, {0x5416, 4, 3},
                                                             {0x5416, 0x11, 3}};
    EXPECT_EQ(Sent(), expected);
    const auto requests = sim.Requests(0x5416);
    const std::vector<unsigned char>& write20 = requests[3];
    const std::vector<unsigned char>& commit20 = requests[4];
    EXPECT_EQ(write20[3], 1);
    EXPECT_EQ(write20[4], 0x0A); // sent most significant byte first
    EXPECT_EQ(write20[5], 0x0B);
    // The commit keeps the count and the words, swapped back once more.
    EXPECT_EQ(commit20[1], 0x11);
    EXPECT_EQ(commit20[2], 20);
    EXPECT_EQ(commit20[3], 1);
    EXPECT_EQ(commit20[4], 0x0B);
    EXPECT_EQ(commit20[5], 0x0A);
    // The write before the commit cleared what the longer group 4 left behind.
    EXPECT_EQ(std::count(write20.begin() + 6, write20.end(), 0), static_cast<long>(kHidRequestSize - 6));
    EXPECT_EQ(unit.storeCount[4], 1);
    EXPECT_EQ(unit.storeCount[20], 1);
    EXPECT_EQ(unit.storeCount[3], 1);
}

TEST_F(HidWriteTest, BusyRepliesStillSucceed)
{
    AddPair();
    pair.secondary->knobs.byRequest[{4, 4}].busyReplies = 3;
    pair.primary->knobs.busyReplies = 2;
    EXPECT_TRUE(Write(SettingsWriterPage::Basic, live));
}

TEST_F(HidWriteTest, EveryUnprovenStepFailsTheBasicWrite)
{
    struct Case {
        const char* label;
        void (*arrange)(SimHeadset::Pair&);
        int requestsSent; // writes that went out
    } cases[] = {
        {"status 2 on the group",
         [](SimHeadset::Pair& p) {
             p.secondary->knobs.byRequest[{4, 4}].status = 2;
         },
         3},
        {"group stays busy",
         [](SimHeadset::Pair& p) {
             p.secondary->knobs.byRequest[{4, 4}].staysBusy = true;
         },
         3},
        {"no reply to the group",
         [](SimHeadset::Pair& p) {
             p.secondary->knobs.byRequest[{4, 4}].silent = true;
         },
         3},
        {"group not written",
         [](SimHeadset::Pair& p) {
             p.secondary->knobs.byRequest[{4, 4}].failWrite = true;
         },
         2},
        {"unit leaves after the version checks",
         [](SimHeadset::Pair& p) { p.secondary->knobs.leaveAfterAcknowledged = 1; }, 2},
        {"primary version changed", [](SimHeadset::Pair& p) { p.primary->version[1] = 3; }, 1},
        {"secondary version changed", [](SimHeadset::Pair& p) { p.secondary->version[3] = 8; }, 2},
        {"primary version unanswered",
         [](SimHeadset::Pair& p) {
             p.primary->knobs.byRequest[{1, 0}].silent = true;
         },
         1},
    };
    for (const Case& c : cases) {
        SimHeadset local;
        local.Install();
        SimHeadset::Pair p = local.AddHidPairUnit();
        HidHandle a = nullptr;
        HidHandle b = nullptr;
        ASSERT_EQ(FindHidPairDevice(&a, &b), 1);
        c.arrange(p);
        local.ClearLog();
        DeviceConfig record;
        record.m_modelCode = 0x2030;
        record.m_chipVersion1 = DeviceVersion{1, 2, 2, 7, 0};
        record.m_chipVersion2 = DeviceVersion{1, 2, 2, 7, 0};
        SettingsWriteTarget target;
        target.modelCode = 0x2030;
        target.live = &record;
        target.primary = &a;
        target.secondary = &b;
        EXPECT_FALSE(WriteSettings(SettingsWriterPage::Basic, record, target)) << c.label;
        int sent = 0;
        for (const SimLogEntry& e : local.Log())
            sent += e.kind == SimLogKind::Write && e.ok ? 1 : 0;
        // Requests of the lookup are none; the checks and the group are counted.
        EXPECT_EQ(sent, c.requestsSent) << c.label;
        CloseHidHandle(&a);
        CloseHidHandle(&b);
        EXPECT_EQ(local.OpenHandleCount(), 0) << c.label;
        sim.Install();
    }
}

TEST_F(HidWriteTest, UnitNotFoundAgainIsNotWritten)
{
    struct Case {
        const char* label;
        int present;  // product id on the bus, 0: none
        int recorded; // the main window's model code
    } cases[] = {
        {"no unit", 0, 0x5610},
        {"another model", 0x5620, 0x5610},
        {"pair without its second interface", kPrimary, 0x2030},
    };
    for (const Case& c : cases) {
        SimHeadset local;
        local.Install();
        if (c.present != 0)
            local.AddInterface(c.present);
        HidHandle a = c.present != 0 ? OpenHidInterface(c.present) : nullptr;
        HidHandle b = nullptr;
        DeviceConfig record;
        record.m_modelCode = c.recorded;
        record.m_firmwareVersion = DeviceVersion{1, 0, 0, 0, 0};
        SettingsWriteTarget target;
        target.modelCode = c.recorded;
        target.live = &record;
        target.primary = &a;
        target.secondary = &b;
        local.ClearLog();
        EXPECT_FALSE(WriteSettings(SettingsWriterPage::Basic, record, target)) << c.label;
        EXPECT_EQ(local.CountLog(SimLogKind::Write), 0) << c.label;
        CloseHidHandle(&a);
        EXPECT_EQ(local.OpenHandleCount(), 0) << c.label;
        EXPECT_EQ(local.BadCloseCount(), 0) << c.label;
        sim.Install();
    }
}

TEST_F(HidWriteTest, FmBlockCarriesTheRecordsCurrentStation)
{
    SimHidInterface& unit = AddSingle(0x6014, 1, 0);
    DeviceConfig working = live;
    working.m_fmMagicCode = 0x1111;
    working.m_fmCurrentFrequency = 9010;
    working.m_fmCurrentPreset = 2;
    for (int i = 0; i < kFmPresetCount; ++i)
        working.m_fmPresets[i] = 8800 + 10 * i;
    working.m_fmRds = 1;
    working.m_fmRegion = 4;
    ASSERT_TRUE(Write(SettingsWriterPage::FmRadio, working));
    const std::vector<std::uint16_t> six = {0x56E9, 9010, 2, 8800, 8810, 8820, 8830, 8840, 8850, 1, 4};
    EXPECT_EQ(unit.groups[21], six);
    EXPECT_EQ(unit.storeCount[21], 1);
}

TEST_F(HidWriteTest, SpeedDialsAreAllSentEvenWhenOneIsRefused)
{
    AddPair();
    pair.primary->knobs.byRequest[{4, 91}].status = 2;
    DeviceConfig working = live;
    working.m_speedDial = {L"+49*123#", L"", L"0123"};
    EXPECT_FALSE(Write(SettingsWriterPage::SpeedDial, working));
    const std::vector<std::tuple<int, int, int>> expected = {
        {kPrimary, 1, 0}, {kSecondary, 1, 0}, {kPrimary, 4, 90}, {kPrimary, 4, 91}, {kPrimary, 4, 92}};
    EXPECT_EQ(Sent(), expected);
    EXPECT_EQ(pair.primary->groups[90], (std::vector<std::uint16_t>{'+', '4', '9', '*', '1', '2', '3', '#'}));
    EXPECT_EQ(pair.primary->groups[92], (std::vector<std::uint16_t>{'0', '1', '2', '3'}));
}

TEST_F(HidWriteTest, EmptySpeedDialIsAnEmptyGroupOnThePairAndOneZeroWordElsewhere)
{
    AddPair();
    ASSERT_TRUE(Write(SettingsWriterPage::SpeedDial, live));
    EXPECT_EQ(pair.primary->groups[90], std::vector<std::uint16_t>{});
    CloseHidHandle(&primary);
    CloseHidHandle(&secondary);

    SimHidInterface& unit = AddSingle(0x5622, 1, 1);
    ASSERT_TRUE(Write(SettingsWriterPage::SpeedDial, live));
    EXPECT_EQ(unit.groups[91], std::vector<std::uint16_t>{0});
}

// The DFU-family units behind the library stand-in, with a USB scan that sees
// what the test says.
class StoreWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chip.Attach();
        access.openLibrary = [] { return std::unique_ptr<DfuLibraryAccess>(new DfuEngineLibrary()); };
        access.scanUsb = [this] { return scan; };
    }
    void TearDown() override
    {
        // The library's transport was released on the way out.
        CStringListX names;
        EXPECT_EQ(DFURequestsUSB::EnumerateDevices(names), 0);
    }

    // A unit of this model at version v (major x 10 + minor), on the scan.
    SimDfuDevice& AddUnit(int model, int v, int productId = 0x2020)
    {
        SimDfuDevice& unit = chip.AddDevice(productId);
        unit.SetKeyWords(kPsKeyModelWord, {static_cast<std::uint16_t>(model)});
        unit.keys[kPsKeyFirmwareVersion] = {static_cast<unsigned char>(v), 0, 0, 0};
        if (scan.count < 2)
            scan.productIds[scan.count] = productId;
        ++scan.count;
        return unit;
    }
    void Record(int model, int major, int minor)
    {
        live.m_modelCode = model;
        live.m_firmwareVersion = DeviceVersion{major, minor, 0, 0, 0};
        usbStatus = 0x2020;
    }
    bool Write(SettingsWriterPage page, const DeviceConfig& working)
    {
        chip.ClearLog();
        SettingsWriteTarget target;
        target.modelCode = live.m_modelCode;
        target.usbStatus = usbStatus;
        target.live = &live;
        target.store = access;
        return WriteSettings(page, working, target);
    }
    // "R<key>" or "W<key>" per access, with the device for a second unit.
    std::vector<std::string> Accesses() const
    {
        std::vector<std::string> out;
        for (const SimDfuKeyAccess& a : chip.Log()) {
            char text[32];
            std::snprintf(text, sizeof text, a.key >= 0x2000 ? "%s%X%s" : "%s%d%s", a.set ? "W" : "R", a.key,
                          a.device == 0 ? "" : (a.device == 1 ? "@1" : "@2"));
            out.push_back(text);
        }
        return out;
    }
    Bytes Written(int key, int device = 0) const
    {
        for (const SimDfuKeyAccess& a : chip.Log()) {
            if (a.set && a.key == key && a.device == device)
                return a.bytes;
        }
        return {};
    }

    SimDfuChip chip;
    DfuScan scan;
    StoreWriteAccess access;
    DeviceConfig live;
    int usbStatus = 0;
};

TEST_F(StoreWriteTest, ConfigWordModelWritesTheChangedWord)
{
    AddUnit(0x2020, 10);
    Record(0x2020, 1, 0);
    DeviceConfig working = live;
    working.m_plc = 1;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W654"}));
    const int cw = working.BuildConfigWord();
    EXPECT_EQ(Written(654), (Bytes{static_cast<unsigned char>(cw & 0xFF), static_cast<unsigned char>(cw >> 8), 0, 0}));
}

TEST_F(StoreWriteTest, UnchangedPageWritesNothingAndSucceeds)
{
    AddUnit(0x2020, 10);
    Record(0x2020, 1, 0);
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, live));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676"}));
}

TEST_F(StoreWriteTest, VoxKeyModelBelowFourWritesItsKeys)
{
    SimDfuDevice& unit = AddUnit(0x4D10, 30);
    Record(0x4D10, 3, 0);
    live.m_edr = 1;
    DeviceConfig working = live;
    working.m_edr = 0;
    working.m_intercomVox = 1;
    working.m_handsfreeVox = 1;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "R659", "W239", "W664", "W665"}));
    EXPECT_EQ(unit.keys[kPsKeyFeatureMask], Bytes(kPsEdrOnPattern, kPsEdrOnPattern + 8));
    EXPECT_EQ(unit.KeyWords(kPsKeyIntercomVox), std::vector<std::uint16_t>{1});
}

TEST_F(StoreWriteTest, VersionWithNeitherVersionKeyFollowsTheModelsFallback)
{
    SimDfuDevice& unit = AddUnit(0x4D30, 0);
    unit.keys.erase(kPsKeyFirmwareVersion);
    Record(0x4D30, 4, 2);
    DeviceConfig working = live;
    working.m_plc = 1;
    EXPECT_TRUE(Write(SettingsWriterPage::Basic, working));
    Record(0x4D30, 4, 3);
    EXPECT_FALSE(Write(SettingsWriterPage::Basic, working));
}

TEST_F(StoreWriteTest, RadioModelWritesGainThenTimeout)
{
    AddUnit(0x5210, 10);
    Record(0x5210, 1, 0);
    live.m_radioTransmitGain = 15;
    live.m_audioChannelTimeout = 5;
    DeviceConfig working = live;
    working.m_radioTransmitGain = 12;
    working.m_audioChannelTimeout = 45;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W684", "W682"}));
    EXPECT_EQ(Written(684), (Bytes{12, 0}));
    EXPECT_EQ(Written(682), (Bytes{0xC8, 0xAF})); // 45000
}

TEST_F(StoreWriteTest, TwoUnitModelWritesBothUnits)
{
    AddUnit(0x5310, 10);
    AddUnit(0x5310, 10);
    Record(0x5310, 1, 0);
    DeviceConfig working = live;
    working.m_edr = 1;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W239", "R675@1", "R676@1", "W239@1"}));
}

TEST_F(StoreWriteTest, TwoUnitModelWithOneUnitIsNotWritten)
{
    AddUnit(0x5310, 10);
    Record(0x5310, 1, 0);
    DeviceConfig working = live;
    working.m_edr = 1;
    EXPECT_FALSE(Write(SettingsWriterPage::Basic, working));
    EXPECT_TRUE(Accesses().empty());
}

TEST_F(StoreWriteTest, SecondMatchingUnitStopsTheWalk)
{
    AddUnit(0x2020, 10);
    AddUnit(0x2020, 10);
    Record(0x2020, 1, 0);
    DeviceConfig working = live;
    working.m_plc = 1;
    ASSERT_TRUE(Write(SettingsWriterPage::Basic, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W654"}));
}

TEST_F(StoreWriteTest, FmKeyModelWritesTheBlockEveryTime)
{
    SimDfuDevice& unit = AddUnit(0x4D15, 12);
    Record(0x4D15, 1, 2);
    live.m_fmMagicCode = 0x56E9;
    live.m_fmPresets[0] = 8750;
    ASSERT_TRUE(Write(SettingsWriterPage::FmRadio, live));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W671"}));
    const std::vector<std::uint16_t> words = unit.KeyWords(kPsKeyFmBlock);
    ASSERT_EQ(words.size(), 15u);
    EXPECT_EQ(words[0], 0x66E9);
    EXPECT_EQ(words[3], 8750);
}

TEST_F(StoreWriteTest, FmChangeOnAModelWithoutTheKeyFails)
{
    AddUnit(0x4D10, 30);
    Record(0x4D10, 3, 0);
    EXPECT_TRUE(Write(SettingsWriterPage::FmRadio, live)); // nothing to carry, nothing changed
    DeviceConfig working = live;
    working.m_fmPresets[2] = 9000;
    EXPECT_FALSE(Write(SettingsWriterPage::FmRadio, working));
}

TEST_F(StoreWriteTest, SpeedDialKeysAreWrittenInOrder)
{
    SimDfuDevice& unit = AddUnit(0x2020, 10);
    Record(0x2020, 1, 0);
    DeviceConfig working = live;
    working.m_speedDial = {L"+49*123#", L"", L"0123"};
    ASSERT_TRUE(Write(SettingsWriterPage::SpeedDial, working));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W2280", "W2281", "W2282"}));
    EXPECT_EQ(Written(0x2281), Bytes(40, 0));
    EXPECT_EQ(unit.KeyWords(0x2280)[7], '#');
}

TEST_F(StoreWriteTest, FailuresWriteNothingAfterThem)
{
    struct Case {
        const char* label;
        void (*arrange)(SimDfuDevice&, DfuScan&, DeviceConfig&);
        std::vector<std::string> accesses;
    } cases[] = {
        {"no unit on the scan", [](SimDfuDevice&, DfuScan& s, DeviceConfig&) { s.count = 0; }, {}},
        {"scan sees another product id",
         [](SimDfuDevice&, DfuScan& s, DeviceConfig&) { s.productIds[0] = 0x2010; },
         {}},
        {"model key differs", [](SimDfuDevice& u, DfuScan&, DeviceConfig&) { u.SetKeyWords(675, {0x2010}); }, {"R675"}},
        {"version differs",
         [](SimDfuDevice& u, DfuScan&, DeviceConfig&) {
             u.keys[676] = {11, 0, 0, 0};
         },
         {"R675", "R676"}},
        {"unit does not connect", [](SimDfuDevice& u, DfuScan&, DeviceConfig&) { u.connects = false; }, {}},
        {"first key refused",
         [](SimDfuDevice& u, DfuScan&, DeviceConfig&) { u.refused.insert(239); },
         {"R675", "R676", "W239"}},
        {"second key refused",
         [](SimDfuDevice& u, DfuScan&, DeviceConfig&) { u.refuseSetNumber = 2; },
         {"R675", "R676", "W239", "W654"}},
        {"unit lost after one write",
         [](SimDfuDevice& u, DfuScan&, DeviceConfig&) { u.lostAfterWrites = 1; },
         {"R675", "R676", "W239", "W654"}},
    };
    for (const Case& c : cases) {
        SimDfuChip local;
        local.Attach();
        SimDfuDevice& unit = local.AddDevice(0x2020);
        unit.SetKeyWords(kPsKeyModelWord, {0x2020});
        unit.keys[kPsKeyFirmwareVersion] = {10, 0, 0, 0};
        DfuScan localScan;
        localScan.count = 1;
        localScan.productIds[0] = 0x2020;
        DeviceConfig record;
        record.m_modelCode = 0x2020;
        record.m_firmwareVersion = DeviceVersion{1, 0, 0, 0, 0};
        c.arrange(unit, localScan, record);
        DeviceConfig working = record;
        working.m_edr = 1; // key 239 and the configuration word change
        SettingsWriteTarget target;
        target.modelCode = 0x2020;
        target.usbStatus = 0x2020;
        target.live = &record;
        target.store.openLibrary = [] { return std::unique_ptr<DfuLibraryAccess>(new DfuEngineLibrary()); };
        target.store.scanUsb = [&localScan] { return localScan; };
        EXPECT_FALSE(WriteSettings(SettingsWriterPage::Basic, working, target)) << c.label;
        std::vector<std::string> seen;
        for (const SimDfuKeyAccess& a : local.Log())
            seen.push_back((a.set ? "W" : "R") + std::to_string(a.key));
        EXPECT_EQ(seen, c.accesses) << c.label;
        local.Detach();
        chip.Attach();
    }
}

TEST_F(StoreWriteTest, RefusedSpeedDialStillWritesTheOthersThenFails)
{
    SimDfuDevice& unit = AddUnit(0x2020, 10);
    unit.refused.insert(0x2280);
    Record(0x2020, 1, 0);
    EXPECT_FALSE(Write(SettingsWriterPage::SpeedDial, live));
    EXPECT_EQ(Accesses(), (std::vector<std::string>{"R675", "R676", "W2280", "W2281", "W2282"}));
}

TEST_F(StoreWriteTest, EdrReadBackAndWrittenAgainLeavesTheKeyAlone)
{
    for (const unsigned char* pattern : {kPsEdrOnPattern, kPsEdrOffPattern}) {
        SimDfuChip local;
        local.Attach();
        SimDfuDevice& unit = local.AddDevice(0x2020);
        unit.SetKeyWords(kPsKeyModelWord, {0x4D10});
        unit.keys[kPsKeyFirmwareVersion] = {30, 0, 0, 0};
        unit.keys[kPsKeyFeatureMask] = Bytes(pattern, pattern + 8);
        DfuEngineLibrary library;
        ASSERT_EQ(library.EnumerateDevices().size(), 1u);
        ASSERT_TRUE(library.ConnectDevice(unit.path));
        DfuUnitValues values;
        ReadDfuUnit(library, 0x4D10, nullptr, nullptr, &values);
        EXPECT_EQ(values.edr, pattern == kPsEdrOnPattern ? 0 : 1);

        DeviceConfig record;
        record.m_modelCode = 0x4D10;
        record.m_firmwareVersion = DeviceVersion{3, 0, 0, 0, 0};
        record.m_edr = values.edr;
        DeviceConfig working = record;
        working.m_intercomVox = 1; // another change
        const StoreWritePlan other = PlanStoreWrite(SettingsWriterPage::Basic, 0x4D10, record, working);
        ASSERT_EQ(other.writes.size(), 1u);
        EXPECT_EQ(other.writes[0].key, kPsKeyIntercomVox);

        working.m_edr = values.edr == 0 ? 1 : 0; // toggled
        const StoreWritePlan toggled = PlanStoreWrite(SettingsWriterPage::Basic, 0x4D10, record, working);
        ASSERT_FALSE(toggled.writes.empty());
        EXPECT_EQ(toggled.writes[0].key, kPsKeyFeatureMask);
        const unsigned char* opposite = pattern == kPsEdrOnPattern ? kPsEdrOffPattern : kPsEdrOnPattern;
        EXPECT_EQ(toggled.writes[0].bytes, Bytes(opposite, opposite + 8));
        local.Detach();
    }
    chip.Attach();
}

} // namespace
