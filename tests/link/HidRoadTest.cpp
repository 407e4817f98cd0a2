#include <gtest/gtest.h>

#include "link/DeviceFinders.h"
#include "link/HidChannel.h"
#include "link/HidRoad.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"

namespace {

class HidRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim.Install();
        pair = sim.AddHidPairUnit();
        state.m_modelCode = kHidPairModelCode;
    }
    void TearDown() override
    {
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
        EXPECT_EQ(sim.OpenHandleCount(), 0);
    }
    int Run(const DeviceConfig* record = nullptr)
    {
        EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 1);
        sim.ClearLog();
        return RunHidRoad(&primary, &secondary, record, state);
    }
    // (product id, command, parameter) of every request, in order.
    std::vector<std::tuple<int, int, int>> Exchanges() const
    {
        std::vector<std::tuple<int, int, int>> out;
        for (const SimLogEntry& e : sim.Log()) {
            if (e.kind == SimLogKind::Write)
                out.emplace_back(e.productId, e.bytes[kHidRequestCommand], e.bytes[kHidRequestParameter]);
        }
        return out;
    }

    SimHeadset sim;
    SimHeadset::Pair pair{};
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
    RecognitionState state;
};

constexpr int P = kHidPairPrimaryProductId;
constexpr int S = kHidPairSecondaryProductId;

TEST_F(HidRoadTest, TheRecordIsFilledInTheExchangeOrder)
{
    pair.primary->version[1] = 3; // 1.3 against the secondary's 1.2: the lower one shows
    pair.primary->SetSpeedDialGroup(1, "0049301234");
    state.m_device.m_settings[12] = 99;
    state.m_device.m_settings[20] = 7;
    state.m_device.m_sidetone = 1;
    EXPECT_EQ(Run(), 0);
    const std::vector<std::tuple<int, int, int>> expected = {
        {S, 3, 29}, {P, 1, 0},  {S, 1, 0},  {P, 2, 0},  {S, 2, 0},  {P, 3, 6},
        {S, 3, 4},  {S, 3, 21}, {P, 3, 90}, {P, 3, 91}, {P, 3, 92},
    };
    EXPECT_EQ(Exchanges(), expected);
    const DeviceConfig& d = state.m_device;
    EXPECT_EQ(d.m_modelCode, 0x2030);
    EXPECT_EQ(d.m_managerVersion.major, 1);
    EXPECT_EQ(d.m_managerVersion.minor, 3);
    EXPECT_EQ(d.m_deviceName, L"Zenta2 Sim");
    EXPECT_EQ(d.m_firmwareVersion.major, 1);
    EXPECT_EQ(d.m_firmwareVersion.minor, 2);
    EXPECT_EQ(d.m_chipVersion1.minor, 3);
    EXPECT_EQ(d.m_chipVersion2.minor, 2);
    EXPECT_EQ(d.m_bdAddress, L"001A7D[2C9BD2] _ 001A7D[2C9BD3]");
    EXPECT_EQ(d.m_hardwareVersion, L"   |   H/W v1.1");
    EXPECT_EQ(d.m_settings[2], 0xED21);
    EXPECT_EQ(d.m_settings[12], 99); // words 10 to 17 are not the unit's
    EXPECT_EQ(d.m_settings[20], 0);
    EXPECT_EQ(d.m_sidetone, 0);
    EXPECT_EQ(d.m_fmMagicCode, 0x66E9);
    EXPECT_EQ(d.m_fmCurrentFrequency, 8750);
    EXPECT_EQ(d.m_fmPresets[9], 9000);
    EXPECT_EQ(d.m_fmRds, 1);
    EXPECT_EQ(d.m_speedDial[1], L"0049301234");
    EXPECT_EQ(state.m_recognized, 1);
    EXPECT_EQ(state.m_usbStatus, 0x2030);
    EXPECT_GT(state.m_settingsPageCount, 0);
}

TEST_F(HidRoadTest, AnEqualOrNewerSecondInterfaceLeavesTheFirstsVersion)
{
    pair.secondary->version[1] = 5;
    pair.primary->version[4] = 9;
    Run();
    EXPECT_EQ(state.m_device.m_firmwareVersion.minor, 2);
    EXPECT_EQ(state.m_device.m_firmwareVersion.extra, 9);
}

TEST_F(HidRoadTest, NameWordCounts)
{
    struct Case {
        int claimed; // -1: the true count
        std::string name;
        std::wstring expected;
    } cases[] = {
        {1, "Zenta2 Sim", L""},                              // only the unused word: an empty name
        {200, std::string(40, 'N'), std::wstring(30, L'N')}, // a count beyond the reply stops at 31 words
        {-1, "Z\xC3\xA9nta", L"Z\u00E9nta"},                 // UTF-8
    };
    for (const Case& c : cases) {
        pair.secondary->SetNameGroup(c.name);
        pair.secondary->knobs.claimedWordCount = c.claimed;
        Run();
        EXPECT_EQ(state.m_device.m_deviceName, c.expected) << c.claimed;
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
    }
}

TEST_F(HidRoadTest, EveryCommandFailingGivesTheFallbacks)
{
    pair.primary->knobs.failWrite = true;
    pair.secondary->knobs.failWrite = true;
    state.m_device.m_hardwareVersion = L"kept";
    EXPECT_EQ(Run(), 0);
    const DeviceConfig& d = state.m_device;
    EXPECT_EQ(d.m_deviceName, L"Zenta2");
    EXPECT_EQ(d.m_firmwareVersion.major, 1);
    EXPECT_EQ(d.m_firmwareVersion.minor, 0);
    EXPECT_EQ(d.m_bdAddress, L" _ ");
    EXPECT_EQ(d.m_hardwareVersionMajor, 1);
    EXPECT_EQ(d.m_hardwareVersionMinor, 0);
    EXPECT_EQ(d.m_hardwareVersion, L"kept");
    const int settings[10] = {5, 3, 0xED21, 2, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(d.m_settings[i], settings[i]) << i;
    EXPECT_EQ(d.m_fmMagicCode, 0x56E9);
    EXPECT_EQ(d.m_fmCurrentFrequency, 0);
    EXPECT_EQ(d.m_speedDial[0], L"");
    EXPECT_EQ(state.m_usbStatus, 0x2030);
}

TEST_F(HidRoadTest, ARecordOfThisModelIsWrittenBeforeTheReads)
{
    DeviceConfig record;
    record.m_modelCode = 0x2030;
    for (int i = 0; i < 10; ++i)
        record.m_settings[i] = 0x10000 + i; // only the low 16 bits go out
    record.m_fmMagicCode = 0x56E9;
    record.m_fmCurrentFrequency = 9100;
    record.m_fmPresets[0] = 8800;
    record.m_fmRegion = 2;
    record.m_speedDial = {L"112", L"", L"5551234"};
    Run(&record);
    const std::vector<std::tuple<int, int, int>> expected = {
        {S, 3, 29}, {P, 1, 0}, {S, 1, 0}, {S, 4, 4}, {S, 4, 21}, {P, 4, 90}, {P, 4, 91}, {P, 4, 92},
        {P, 2, 0},  {S, 2, 0}, {P, 3, 6}, {S, 3, 4}, {S, 3, 21}, {P, 3, 90}, {P, 3, 91}, {P, 3, 92},
    };
    EXPECT_EQ(Exchanges(), expected);
    EXPECT_EQ(pair.secondary->groups[4], (std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(pair.secondary->groups[21],
              (std::vector<std::uint16_t>{0x66E9, 9100, 0, 8800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(pair.primary->groups[90], (std::vector<std::uint16_t>{'1', '1', '2'}));
    EXPECT_TRUE(pair.primary->groups[91].empty());
    EXPECT_EQ(state.m_device.m_settings[1], 1);
    EXPECT_EQ(state.m_device.m_speedDial[2], L"5551234");
}

TEST_F(HidRoadTest, ARecordOfAnotherModelIsNotWritten)
{
    DeviceConfig record;
    record.m_modelCode = 0x2020;
    Run(&record);
    for (const auto& exchange : Exchanges())
        EXPECT_NE(std::get<1>(exchange), kHidCmdWriteGroup);
}

} // namespace
