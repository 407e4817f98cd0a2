#include <gtest/gtest.h>

#include "link/DeviceFinders.h"
#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"

namespace {

class DeviceFindersTest : public ::testing::Test {
protected:
    void SetUp() override { sim.Install(); }
    void TearDown() override
    {
        CloseHidHandle(&primary);
        CloseHidHandle(&secondary);
        EXPECT_EQ(sim.OpenHandleCount(), 0);
        EXPECT_EQ(sim.BadCloseCount(), 0);
    }
    SimHeadset sim;
    HidHandle primary = nullptr;
    HidHandle secondary = nullptr;
};

TEST_F(DeviceFindersTest, PairUnitOpensBothSlotsByProductId)
{
    // Enumeration order puts the secondary first; the slots still follow the ids.
    sim.AddInterface(kHidPairSecondaryProductId);
    sim.AddInterface(kHidPairPrimaryProductId);
    EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 1);
    ASSERT_NE(primary, nullptr);
    ASSERT_NE(secondary, nullptr);
    std::vector<unsigned char> request(kHidRequestSize, 0);
    std::vector<unsigned char> reply(kHidReplySize, 0);
    request[0] = kHidReportId;
    request[1] = kHidCmdReadVersion;
    ASSERT_TRUE(SendHidCommand(&primary, request.data(), reply.data()));
    EXPECT_EQ(sim.Log().back().productId, kHidPairPrimaryProductId);
}

TEST_F(DeviceFindersTest, OnlyTheSecondaryPresentFillsOneSlot)
{
    sim.AddInterface(kHidPairSecondaryProductId);
    EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 0);
    EXPECT_EQ(primary, nullptr);
    EXPECT_NE(secondary, nullptr);
}

TEST_F(DeviceFindersTest, AnOverwrittenSlotHasItsChannelClosed)
{
    // Two interfaces with the primary id before the secondary: the second
    // replaces the first, which must not leak. A slot that already held a
    // channel from an earlier search is replaced the same way.
    sim.AddInterface(kHidPairPrimaryProductId);
    sim.AddInterface(kHidPairPrimaryProductId);
    sim.AddInterface(kHidPairSecondaryProductId);
    EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 1);
    EXPECT_EQ(sim.OpenHandleCount(), 2);
    EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 1);
    EXPECT_EQ(sim.OpenHandleCount(), 2);
}

TEST_F(DeviceFindersTest, PathsTheFindersCannotReadAreSkipped)
{
    SimHidInterface& upper = sim.AddInterface(kHidPairPrimaryProductId);
    upper.path = L"\\\\?\\HID#VID_2B4E&PID_2030&MI_00#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    SimHidInterface& other = sim.AddInterface(kHidPairPrimaryProductId);
    other.path = SimHeadset::MakePath(0x845E, kHidPairPrimaryProductId, 50);
    SimHidInterface& tooLong = sim.AddInterface(kHidPairPrimaryProductId);
    tooLong.path = SimHeadset::MakePath(kMakerUsbVendorId, kHidPairPrimaryProductId, 51) + std::wstring(180, L'z');
    SimHidInterface& refused = sim.AddInterface(kHidPairSecondaryProductId);
    refused.knobs.openable = false;
    EXPECT_EQ(FindHidPairDevice(&primary, &secondary), 0);
    EXPECT_EQ(primary, nullptr);
    EXPECT_EQ(secondary, nullptr);
    EXPECT_EQ(sim.OpenCount(), 0);
}

TEST(DevicePathParse, MarkersAreSearchedFromTheSixthCharacter)
{
    int vid = -1;
    int pid = -1;
    EXPECT_TRUE(ParseHidDevicePath(L"\\\\?\\hid#vid_2b4e&pid_2040&mi_01#x", &vid, &pid));
    EXPECT_EQ(vid, 0x2B4E);
    EXPECT_EQ(pid, 0x2040);
    EXPECT_FALSE(ParseHidDevicePath(L"vid_2b4e&pid_2040", &vid, &pid)); // markers before the sixth character
    EXPECT_FALSE(ParseHidDevicePath(L"\\\\?\\hid#vid_2b4e&mi_01", &vid, &pid));
    EXPECT_FALSE(ParseHidDevicePath(L"", &vid, &pid));
    EXPECT_TRUE(ParseHidDevicePath(L"\\\\?\\hid#vid_&pid_zz", &vid, &pid));
    EXPECT_EQ(vid, 0);
    EXPECT_EQ(pid, 0);
}

TEST_F(DeviceFindersTest, TwoChipUnitReadsOneVersionPerInterface)
{
    SimHidInterface& a = sim.AddInterface(kTwoChipProductIdA);
    const unsigned char va[5] = {3, 4, 5, 6, 0};
    std::copy(va, va + 5, a.version);
    SimHidInterface& b = sim.AddInterface(kTwoChipProductIdA);
    const unsigned char vb[5] = {2, 1, 7, 8, 0};
    std::copy(vb, vb + 5, b.version);
    DeviceVersion firmware, chip1, chip2;
    EXPECT_EQ(FindTwoChipDevice(&primary, &secondary, firmware, chip1, chip2), 1);
    EXPECT_EQ((std::vector<int>{firmware.major, firmware.minor, firmware.kind, firmware.build, firmware.extra}),
              (std::vector<int>{3, 4, 2, 5, 6}));
    EXPECT_EQ((std::vector<int>{chip1.major, chip1.minor, chip1.kind, chip1.build, chip1.extra}),
              (std::vector<int>{3, 4, 2, 5, 6}));
    EXPECT_EQ((std::vector<int>{chip2.major, chip2.minor, chip2.kind, chip2.build, chip2.extra}),
              (std::vector<int>{2, 1, 2, 7, 8}));
    // Each interface got a version request followed by 0x30.
    const auto requests = sim.Requests(kTwoChipProductIdA);
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0][1], kHidCmdReadVersion);
    EXPECT_EQ(requests[1][1], kHidCmdTwoChipAfterVersion);
}

TEST_F(DeviceFindersTest, TwoChipLoaderInterfaceTakesTheDefaultVersionWithoutARequest)
{
    sim.AddInterface(kTwoChipProductIdB);
    sim.AddInterface(kTwoChipProductIdLoader);
    DeviceVersion firmware, chip1, chip2;
    chip2.major = 9;
    EXPECT_EQ(FindTwoChipDevice(&primary, &secondary, firmware, chip1, chip2), 1);
    EXPECT_EQ((std::vector<int>{chip2.major, chip2.minor, chip2.kind, chip2.build, chip2.extra}),
              (std::vector<int>{1, 0, 2, 0, 0}));
    EXPECT_TRUE(sim.Requests(kTwoChipProductIdLoader).empty());
}

TEST_F(DeviceFindersTest, TwoChipSecondarySlotThatHeldAChannelHasItClosed)
{
    // Both slots still hold channels of an earlier search: the primary stays,
    // the interface found goes to the secondary and the old one is closed.
    SimHidInterface& old = sim.AddInterface(kTwoChipProductIdA);
    primary = OpenHidInterface(kTwoChipProductIdA);
    secondary = OpenHidInterface(kTwoChipProductIdA);
    ASSERT_NE(secondary, nullptr);
    const HidHandle earlierPrimary = primary;
    old.path = SimHeadset::MakePath(0x845E, kTwoChipProductIdA, 60); // no longer the maker's
    sim.AddInterface(kTwoChipProductIdB);
    DeviceVersion firmware, chip1, chip2;
    EXPECT_EQ(FindTwoChipDevice(&primary, &secondary, firmware, chip1, chip2), 1);
    EXPECT_EQ(primary, earlierPrimary);
    EXPECT_EQ(sim.OpenHandleCount(), 2);
    EXPECT_EQ(sim.Requests(kTwoChipProductIdB).size(), 2u);
}

TEST_F(DeviceFindersTest, TwoChipFailingVersionStillCounts)
{
    SimHidInterface& a = sim.AddInterface(kTwoChipProductIdA);
    a.knobs.finalStatus = 2;
    DeviceVersion firmware, chip1, chip2;
    firmware.major = 7;
    EXPECT_EQ(FindTwoChipDevice(&primary, &secondary, firmware, chip1, chip2), 0);
    EXPECT_NE(primary, nullptr);
    EXPECT_EQ((std::vector<int>{firmware.major, firmware.minor, firmware.kind, firmware.build}),
              (std::vector<int>{1, 0, 2, 0}));
}

TEST_F(DeviceFindersTest, StateQueryTriesTwice)
{
    SimHidInterface& unit = sim.AddInterface(kHidPairPrimaryProductId);
    unit.SetGroup(kHidGroupState, {0x001B});
    unit.knobs.failNextWrites = 1;
    primary = OpenHidInterface(kHidPairPrimaryProductId);
    EXPECT_EQ(QueryHidDeviceState(&primary), 27);
    EXPECT_EQ(sim.CountLog(SimLogKind::Write), 2);

    sim.ClearLog();
    unit.knobs.finalStatus = 2;
    EXPECT_EQ(QueryHidDeviceState(&primary), 0);
    EXPECT_EQ(sim.CountLog(SimLogKind::Write), 2);

    HidHandle none = nullptr;
    EXPECT_EQ(QueryHidDeviceState(&none), 0);
}

} // namespace

namespace {

TEST_F(DeviceFindersTest, ASilentOrBusyUnitEndsTheFindersWithinTheirDeadline)
{
    SimHidInterface& a = sim.AddInterface(kTwoChipProductIdA);
    SimHidInterface& b = sim.AddInterface(kTwoChipProductIdB);
    a.knobs.silent = true;
    b.knobs.staysBusy = true;
    b.knobs.replyDelayMs = 3;
    const unsigned deadlineMs = 4000;
    const std::uint64_t start = sim.NowMs();
    DeviceVersion firmware, chip1, chip2;
    EXPECT_EQ(FindTwoChipDevice(&primary, &secondary, firmware, chip1, chip2, HidDeadline::In(deadlineMs)), 1);
    EXPECT_LE(sim.NowMs() - start, deadlineMs);
    EXPECT_EQ(firmware.major, 1); // the default: no version came
    EXPECT_EQ(chip2.major, 1);

    const std::uint64_t before = sim.NowMs();
    EXPECT_EQ(QueryHidDeviceState(&primary, HidDeadline::In(1500)), 0);
    EXPECT_LE(sim.NowMs() - before, 1500u);
}

} // namespace
