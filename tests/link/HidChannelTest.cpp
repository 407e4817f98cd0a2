#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "link/HidChannel.h"
#include "link/MakerUsb.h"
#include "sim/SimHeadset.h"

namespace {

std::vector<unsigned char> VersionRequest()
{
    std::vector<unsigned char> request(kHidRequestSize, 0);
    request[0] = kHidReportId;
    request[1] = kHidCmdReadVersion;
    return request;
}

class HidChannelTest : public ::testing::Test {
protected:
    void SetUp() override { sim.Install(); }
    SimHeadset sim;
};

struct BusyCase {
    const char* name;
    SimHidKnobs knobs;
    bool result;
    int writes;
    int reads;
};

TEST_F(HidChannelTest, BusyRuleEndsOnTheFirstReplyThatIsNotBusy)
{
    auto knobs = [](auto edit) {
        SimHidKnobs k;
        edit(k);
        return k;
    };
    const BusyCase cases[] = {
        {"three busy then done", knobs([](SimHidKnobs& k) { k.busyReplies = 3; }), true, 1, 4},
        {"done at once", knobs([](SimHidKnobs&) {}), true, 1, 1},
        {"re-read after busy fails", knobs([](SimHidKnobs& k) {
             k.busyReplies = 2;
             k.failReread = 1;
         }),
         false, 1, 2},
        {"status 2 first", knobs([](SimHidKnobs& k) { k.finalStatus = 2; }), false, 1, 1},
        {"busy then status 3", knobs([](SimHidKnobs& k) {
             k.busyReplies = 1;
             k.finalStatus = 3;
         }),
         false, 1, 2},
        {"write fails", knobs([](SimHidKnobs& k) { k.failWrite = true; }), false, 1, 0},
        {"first read fails", knobs([](SimHidKnobs& k) { k.failFirstRead = true; }), false, 1, 1},
    };
    for (const BusyCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimHeadset bus;
        bus.Install();
        SimHidInterface& unit = bus.AddInterface(0x3110);
        unit.knobs = c.knobs;
        HidHandle channel = OpenHidInterface(0x3110);
        ASSERT_NE(channel, nullptr);
        const std::vector<unsigned char> request = VersionRequest();
        std::vector<unsigned char> reply(kHidReplySize, 0xAA);
        EXPECT_EQ(SendHidCommand(&channel, request.data(), reply.data()), c.result);
        EXPECT_EQ(bus.CountLog(SimLogKind::Write), c.writes);
        EXPECT_EQ(bus.CountLog(SimLogKind::Read), c.reads);
        if (!c.result && c.knobs.finalStatus < 0) {
            EXPECT_EQ(reply[kHidReplyStatus], kHidStatusNoReply);
        }
        CloseHidHandle(&channel);
        EXPECT_EQ(channel, nullptr);
        EXPECT_EQ(bus.OpenHandleCount(), 0);
    }
}

TEST_F(HidChannelTest, SplitWriteAndReadFollowTheSameBusyRule)
{
    SimHidInterface& unit = sim.AddInterface(0x3112);
    unit.knobs.busyReplies = 3;
    HidHandle channel = OpenHidInterface(0x3112);
    std::vector<unsigned char> request(kHidRequestSize, 0);
    request[0] = kHidReportId;
    request[1] = kHidCmdSectionData;
    request[2] = 0x03;
    request[3] = 0xFB;
    HidCommandFrame start;
    start.Begin(kHidCmdStartSection, 1);
    ASSERT_TRUE(start.Send(&channel));
    sim.ClearLog();
    EXPECT_TRUE(WriteHidReport(&channel, request.data()));
    EXPECT_TRUE(ReadHidStatus(&channel));
    EXPECT_EQ(sim.CountLog(SimLogKind::Read), 4);
    ASSERT_EQ(sim.Requests(0x3112).size(), 1u);
    EXPECT_EQ(sim.Requests(0x3112)[0], request);
    EXPECT_EQ(unit.sections[1].size(), 0x3FBu);

    unit.knobs.finalStatus = 2;
    EXPECT_TRUE(WriteHidReport(&channel, request.data()));
    EXPECT_FALSE(ReadHidStatus(&channel));
    CloseHidHandle(&channel);
}

TEST_F(HidChannelTest, AUnitThatStaysBusyOrGoesSilentEndsTheExchange)
{
    SimHidInterface& busy = sim.AddInterface(0x3114);
    busy.knobs.staysBusy = true;
    SimHidInterface& silent = sim.AddInterface(0x3116);
    silent.knobs.silent = true;
    const std::vector<unsigned char> request = VersionRequest();
    std::vector<unsigned char> reply(kHidReplySize);

    HidHandle a = OpenHidInterface(0x3114);
    EXPECT_FALSE(SendHidCommand(&a, request.data(), reply.data()));
    EXPECT_EQ(sim.CountLog(SimLogKind::Read), kHidMaxBusyReplies + 1);

    sim.ClearLog();
    HidHandle b = OpenHidInterface(0x3116);
    EXPECT_FALSE(SendHidCommand(&b, request.data(), reply.data()));
    EXPECT_EQ(sim.CountLog(SimLogKind::Read), 1);
    EXPECT_EQ(sim.LastReadTimeoutMs(), kHidReadTimeoutMs);
    EXPECT_EQ(sim.LastWriteTimeoutMs(), kHidWriteTimeoutMs);
    EXPECT_FALSE(ReadHidStatus(&b));
    CloseHidHandle(&a);
    CloseHidHandle(&b);
}

int g_pumpRuns = 0;
void CountPumpRun()
{
    ++g_pumpRuns;
}
void OtherPump() {}

TEST_F(HidChannelTest, TheThreadsWaitPumpRunsBeforeEveryReadWhileInstalled)
{
    SimHidInterface& unit = sim.AddInterface(0x3114);
    unit.knobs.busyReplies = 2;
    const std::vector<unsigned char> request = VersionRequest();
    std::vector<unsigned char> reply(kHidReplySize);
    HidHandle channel = OpenHidInterface(0x3114);
    g_pumpRuns = 0;
    EXPECT_FALSE(HasHidWaitPump());
    {
        const ScopedHidWaitPump pump(CountPumpRun);
        {
            // An inner pump stands in for the outer one and gives it back.
            const ScopedHidWaitPump inner(OtherPump);
        }
        EXPECT_TRUE(SendHidCommand(&channel, request.data(), reply.data()));
    }
    EXPECT_EQ(g_pumpRuns, 3); // the reply and its two busy ones
    EXPECT_FALSE(HasHidWaitPump());
    EXPECT_TRUE(SendHidCommand(&channel, request.data(), reply.data()));
    EXPECT_EQ(g_pumpRuns, 3);
    CloseHidHandle(&channel);
}

TEST_F(HidChannelTest, NoChannelMeansNoExchange)
{
    const std::vector<unsigned char> request = VersionRequest();
    std::vector<unsigned char> reply(kHidReplySize, 0);
    HidHandle none = nullptr;
    EXPECT_FALSE(SendHidCommand(&none, request.data(), reply.data()));
    EXPECT_EQ(reply[kHidReplyStatus], kHidStatusNoReply);
    EXPECT_FALSE(SendHidCommand(nullptr, request.data(), reply.data()));
    EXPECT_FALSE(WriteHidReport(&none, request.data()));
    EXPECT_FALSE(ReadHidStatus(&none));
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(HidChannelTest, FindPicksTheVendorCollectionOfTheMaker)
{
    SimHidInterface& other = sim.AddInterface(0x3110);
    other.vendorId = 0x845E;
    other.path = SimHeadset::MakePath(0x845E, 0x3110, 70);
    SimHidInterface& keyboard = sim.AddInterface(0x3110);
    keyboard.usagePage = 0x0001;
    SimHidInterface& wrongUsage = sim.AddInterface(0x3110);
    wrongUsage.usage = 2;
    SimHidInterface& refused = sim.AddInterface(0x3110);
    refused.knobs.openable = false;
    SimHidInterface& command = sim.AddInterface(0x3110);
    sim.AddInterface(0x3112);

    wchar_t path[kHidPathCapacity];
    ASSERT_EQ(FindHidInterfacePath(path, static_cast<int>(kHidPathCapacity), 0x3110), 1);
    EXPECT_EQ(std::wstring(path), command.path);
    EXPECT_EQ(FindHidInterfacePath(nullptr, 0, 0x3110), 1);
    EXPECT_EQ(FindHidInterfacePath(path, static_cast<int>(kHidPathCapacity), 0x3118), 0);
    EXPECT_EQ(sim.OpenHandleCount(), 0);
}

TEST_F(HidChannelTest, APathThatDoesNotFitIsSkippedNotCut)
{
    SimHidInterface& longPath = sim.AddInterface(0x3124);
    longPath.path = SimHeadset::MakePath(kMakerUsbVendorId, 0x3124, 1) + std::wstring(200, L'x');
    SimHidInterface& shortPath = sim.AddInterface(0x3124);
    ASSERT_GE(longPath.path.size(), kHidPathCapacity);

    std::vector<wchar_t> path(kHidPathCapacity, L'#');
    ASSERT_EQ(FindHidInterfacePath(path.data(), static_cast<int>(path.size()), 0x3124), 1);
    EXPECT_EQ(std::wstring(path.data()), shortPath.path);

    // A caller's buffer smaller than the path: nothing is written past it.
    std::vector<wchar_t> tiny(10, L'#');
    EXPECT_EQ(FindHidInterfacePath(tiny.data(), static_cast<int>(tiny.size()), 0x3124), 0);
    EXPECT_EQ(tiny[0], L'#');
    EXPECT_EQ(FindHidInterfacePath(tiny.data(), 0, 0x3124), 0);
}

TEST_F(HidChannelTest, OpenGivesNullWhenTheInterfaceRefuses)
{
    SimHidInterface& unit = sim.AddInterface(0x3126);
    unit.knobs.openable = false;
    EXPECT_EQ(OpenHidInterface(0x3126), nullptr);
    EXPECT_EQ(OpenHidInterface(0x3500), nullptr);
    EXPECT_EQ(sim.OpenHandleCount(), 0);
}

TEST_F(HidChannelTest, RestartIntoLoaderComesBackWithTheLoaderProductId)
{
    sim.AddInterface(0x3116);
    HidHandle channel = OpenHidInterface(0x3116);
    std::vector<unsigned char> request(kHidRequestSize, 0);
    request[0] = kHidReportId;
    request[1] = kHidCmdRestartIntoLoader;
    std::vector<unsigned char> reply(kHidReplySize);
    EXPECT_TRUE(SendHidCommand(&channel, request.data(), reply.data()));
    // The old channel is dead; the unit is found under its loader id.
    EXPECT_FALSE(SendHidCommand(&channel, VersionRequest().data(), reply.data()));
    EXPECT_EQ(OpenHidInterface(0x3116), nullptr);
    HidHandle loader = OpenHidInterface(0x3120);
    EXPECT_NE(loader, nullptr);
    EXPECT_TRUE(SendHidCommand(&loader, VersionRequest().data(), reply.data()));
    CloseHidHandle(&channel);
    CloseHidHandle(&loader);
    EXPECT_EQ(sim.BadCloseCount(), 0);
}

TEST(HidSwap, SwapWordBytes)
{
    unsigned char bytes[] = {0x12, 0x34, 0x56, 0x78};
    SwapWordBytes(0, bytes);
    SwapWordBytes(-3, bytes);
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 4), (std::vector<unsigned char>{0x12, 0x34, 0x56, 0x78}));
    SwapWordBytes(2, bytes);
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 4), (std::vector<unsigned char>{0x34, 0x12, 0x78, 0x56}));
}

TEST(HidSwap, RequestAndReplyWordsAreBoundedByTheirReports)
{
    std::vector<unsigned char> request(kHidRequestSize, 0);
    request[3] = 2;
    request[4] = 0x34;
    request[5] = 0x12;
    request[6] = 0x78;
    request[7] = 0x56;
    request[8] = 0xAB;
    request[9] = 0xCD;
    SwapHidRequestWords(request.data());
    EXPECT_EQ(request[4], 0x12);
    EXPECT_EQ(request[7], 0x78);
    EXPECT_EQ(request[8], 0xAB);
    request[3] = 255; // the largest count the byte can carry stays inside 1023 bytes
    SwapHidRequestWords(request.data());

    // A reply claiming more words than 67 bytes hold: only 31 are swapped.
    std::vector<unsigned char> reply(kHidReplySize, 0);
    reply[4] = 200;
    for (std::size_t i = 5; i < kHidReplySize; ++i)
        reply[i] = static_cast<unsigned char>(i);
    SwapHidReplyWords(reply.data());
    EXPECT_EQ(HidReplyWordCount(reply.data()), 31);
    EXPECT_EQ(reply[5], 6);
    EXPECT_EQ(reply[6], 5);
    EXPECT_EQ(reply[65], 66);
    EXPECT_EQ(reply[66], 65);
    EXPECT_EQ(HidReplyWord(reply.data(), 0), 0x0506u);
    EXPECT_EQ(HidReplyWord(reply.data(), 31), 0u);

    std::vector<unsigned char> empty(kHidReplySize, 0);
    empty[5] = 0x12;
    empty[6] = 0x34;
    SwapHidReplyWords(empty.data());
    EXPECT_EQ(empty[5], 0x12);
    EXPECT_EQ(HidReplyWordCount(empty.data()), 0);
}

TEST_F(HidChannelTest, GroupReadAndWriteRoundTripThroughTheSimulatedUnit)
{
    SimHeadset::Pair pair = sim.AddHidPairUnit();
    HidHandle secondary = OpenHidInterface(kHidPairSecondaryProductId);
    std::vector<unsigned char> request(kHidRequestSize, 0);
    std::vector<unsigned char> reply(kHidReplySize, 0);
    request[0] = kHidReportId;
    request[1] = kHidCmdWriteGroup;
    request[2] = kHidGroupBasic;
    request[3] = 2;
    request[4] = 0x34; // host order: 0x1234
    request[5] = 0x12;
    request[6] = 0x07;
    request[7] = 0x00;
    SwapHidRequestWords(request.data());
    ASSERT_TRUE(SendHidCommand(&secondary, request.data(), reply.data()));
    EXPECT_EQ(pair.secondary->groups[kHidGroupBasic], (std::vector<std::uint16_t>{0x1234, 0x0007}));

    std::fill(request.begin() + 2, request.end(), 0);
    request[1] = kHidCmdReadGroup;
    request[2] = kHidGroupBasic;
    ASSERT_TRUE(SendHidCommand(&secondary, request.data(), reply.data()));
    EXPECT_EQ(reply[kHidReplyFirstData], kHidGroupBasic);
    ASSERT_EQ(HidReplyWordCount(reply.data()), 2);
    SwapHidReplyWords(reply.data());
    EXPECT_EQ(HidReplyWord(reply.data(), 0), 0x1234u);
    EXPECT_EQ(HidReplyWord(reply.data(), 1), 0x0007u);

    request[2] = 77; // a group the unit does not have
    EXPECT_FALSE(SendHidCommand(&secondary, request.data(), reply.data()));
    CloseHidHandle(&secondary);
}

} // namespace

namespace {

TEST_F(HidChannelTest, CommandFrameCarriesWordsMostSignificantByteFirst)
{
    SimHeadset::Pair pair = sim.AddHidPairUnit();
    HidHandle primary = OpenHidInterface(kHidPairPrimaryProductId);
    HidCommandFrame frame;
    std::memset(frame.request, 0xEE, sizeof frame.request);
    const std::uint16_t number[] = {'0', '1', '7', '2'};
    frame.Begin(kHidCmdWriteGroup, kHidGroupSpeedDial1 + 1);
    frame.PutWords(number, 4);
    ASSERT_TRUE(frame.Send(&primary));
    EXPECT_EQ(pair.primary->groups[91], (std::vector<std::uint16_t>{'0', '1', '7', '2'}));
    const std::vector<unsigned char> sent = sim.Requests(kHidPairPrimaryProductId).back();
    EXPECT_EQ(sent[3], 4);
    EXPECT_EQ(sent[4], 0x00);
    EXPECT_EQ(sent[5], '0');
    EXPECT_EQ(sent[12], 0); // cleared by Begin

    frame.Begin(kHidCmdReadGroup, 91);
    ASSERT_TRUE(frame.Send(&primary));
    ASSERT_EQ(frame.ReplyWordCount(), 4);
    EXPECT_EQ(frame.ReplyWordAt(3), static_cast<unsigned>('2'));
    EXPECT_EQ(frame.ReplyWordAt(31), 0u);

    // The count byte bounds what PutWords writes.
    std::vector<std::uint16_t> many(600, 0x1234);
    frame.Begin(kHidCmdWriteGroup, 7);
    frame.PutWords(many.data(), static_cast<int>(many.size()));
    EXPECT_EQ(frame.request[3], 255);
    EXPECT_EQ(frame.request[4 + 2 * 255], 0);
    CloseHidHandle(&primary);
}

TEST_F(HidChannelTest, LeavingTheBusAndComingBackAfterAWhile)
{
    SimHidInterface& unit = sim.AddInterface(0x3030);
    unit.absentEnumerations = 2;
    HidHandle channel = OpenHidInterface(0x3030);
    HidCommandFrame frame;
    frame.Begin(kHidCmdLeaveAndReturn);
    ASSERT_TRUE(frame.Send(&channel));
    EXPECT_EQ(OpenHidInterface(0x3030), nullptr); // still away
    EXPECT_EQ(OpenHidInterface(0x3030), nullptr);
    HidHandle back = OpenHidInterface(0x3030);
    EXPECT_NE(back, nullptr);
    frame.Begin(kHidCmdReadVersion);
    EXPECT_FALSE(frame.Send(&channel));
    EXPECT_TRUE(frame.Send(&back));
    CloseHidHandle(&channel);
    CloseHidHandle(&back);
}

} // namespace

namespace {

TEST_F(HidChannelTest, SectionDataGoesInPiecesOfAtMost1019Bytes)
{
    SimHidInterface& unit = sim.AddInterface(0x3118);
    unit.knobs.busyReplies = 1;
    HidHandle channel = OpenHidInterface(0x3118);
    std::vector<unsigned char> section(2500);
    for (std::size_t i = 0; i < section.size(); ++i)
        section[i] = static_cast<unsigned char>(i * 7);

    HidCommandFrame frame;
    frame.Begin(kHidCmdStartSection, 3);
    ASSERT_TRUE(frame.Send(&channel));
    for (std::size_t at = 0; at < section.size(); at += kHidMaxDataPerReport) {
        const std::size_t n = std::min(kHidMaxDataPerReport, section.size() - at);
        frame.Begin(kHidCmdSectionData, static_cast<int>(n >> 8));
        frame.request[3] = static_cast<unsigned char>(n & 0xFF);
        std::copy(section.begin() + at, section.begin() + at + n, frame.request + 4);
        ASSERT_TRUE(WriteHidReport(&channel, frame.request));
        ASSERT_TRUE(ReadHidStatus(&channel));
    }
    frame.Begin(kHidCmdEndSection);
    ASSERT_TRUE(frame.Send(&channel));
    EXPECT_EQ(unit.sections[3], section);

    // Data outside an open section is refused.
    frame.Begin(kHidCmdSectionData, 0);
    frame.request[3] = 10;
    EXPECT_FALSE(frame.Send(&channel));
    CloseHidHandle(&channel);
}

} // namespace

namespace {

std::vector<unsigned char> Report(unsigned char status, unsigned char firstData)
{
    std::vector<unsigned char> report(kHidReplySize, 0);
    report[0] = kHidReportId;
    report[kHidReplyStatus] = status;
    report[kHidReplyFirstData] = firstData;
    return report;
}

TEST_F(HidChannelTest, AReplyThatComesAfterItsReadGaveUpIsNeverTakenForTheNextOne)
{
    SimHidInterface& unit = sim.AddInterface(0x3110);
    unit.version[0] = 0x42;
    unit.SetGroup(kHidGroupState, {0x0007});
    unit.knobs.lateReplies = 1;
    HidHandle channel = OpenHidInterface(0x3110);

    HidCommandFrame version;
    version.Begin(kHidCmdReadVersion);
    EXPECT_FALSE(version.Send(&channel));
    // The version reply came late and was dropped, here or before the next write.
    EXPECT_EQ(unit.QueuedReports(), 0u);

    HidCommandFrame state;
    state.Begin(kHidCmdReadGroup, kHidGroupState);
    ASSERT_TRUE(state.Send(&channel));
    EXPECT_EQ(state.reply[kHidReplyFirstData], kHidGroupState); // its own reply, not the version's 0x42
    EXPECT_EQ(state.ReplyWordAt(0), 7u);

    // Reports that wait in the queue before a request (a busy reply, a
    // done reply of some earlier exchange) are dropped before it is written.
    unit.QueueUnaskedReport(Report(kHidStatusBusy, 0));
    unit.QueueUnaskedReport(Report(kHidStatusDone, 0x99));
    sim.ClearLog();
    ASSERT_TRUE(version.Send(&channel));
    EXPECT_EQ(version.reply[kHidReplyFirstData], 0x42);
    ASSERT_GE(sim.Log().size(), 2u);
    EXPECT_EQ(sim.Log()[0].kind, SimLogKind::Flush);
    EXPECT_EQ(sim.Log()[1].kind, SimLogKind::Write);
    EXPECT_EQ(sim.CountLog(SimLogKind::Read), 1);

    // The split pair keeps the same rule.
    unit.QueueUnaskedReport(Report(kHidStatusDone, 0));
    unit.knobs.finalStatus = 2;
    EXPECT_TRUE(WriteHidReport(&channel, version.request));
    EXPECT_FALSE(ReadHidStatus(&channel)); // reads the unit's status 2, not the stray 0
    CloseHidHandle(&channel);
}

TEST_F(HidChannelTest, ACallersDeadlineEndsASilentOrEndlesslyBusyUnitSooner)
{
    SimHidInterface& silent = sim.AddInterface(0x3114);
    silent.knobs.silent = true;
    SimHidInterface& busy = sim.AddInterface(0x3116);
    busy.knobs.staysBusy = true;
    busy.knobs.replyDelayMs = 7;
    const unsigned deadlineMs = 2500;

    for (int productId : {0x3114, 0x3116}) {
        SCOPED_TRACE(productId);
        HidHandle channel = OpenHidInterface(productId);
        const std::uint64_t start = sim.NowMs();
        HidCommandFrame frame;
        frame.Begin(kHidCmdReadVersion);
        const HidDeadline deadline = HidDeadline::In(deadlineMs);
        EXPECT_FALSE(frame.Send(&channel, deadline));
        EXPECT_LE(sim.NowMs() - start, deadlineMs);
        EXPECT_TRUE(deadline.Passed() || productId == 0x3114);
        // Nothing more is written once the deadline has passed.
        sim.ClearLog();
        while (!deadline.Passed())
            frame.Send(&channel, deadline);
        sim.ClearLog();
        EXPECT_FALSE(frame.Send(&channel, deadline));
        EXPECT_EQ(sim.CountLog(SimLogKind::Write), 0);
        CloseHidHandle(&channel);
    }
    // Without a deadline the channel's own bounds hold.
    HidHandle channel = OpenHidInterface(0x3114);
    const std::uint64_t start = sim.NowMs();
    EXPECT_FALSE(SendHidCommand(&channel, VersionRequest().data(), std::vector<unsigned char>(kHidReplySize).data()));
    EXPECT_EQ(sim.NowMs() - start, kHidReadTimeoutMs);
    CloseHidHandle(&channel);
}

} // namespace
