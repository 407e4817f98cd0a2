#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "link/HidChannel.h"
#include "link/VoicePromptLanguage.h"
#include "sim/SimHeadset.h"

namespace {

std::vector<unsigned char> Reply(std::vector<unsigned char> fromByte3)
{
    std::vector<unsigned char> reply(kHidReplySize, 0);
    reply[0] = kHidReportId;
    for (std::size_t i = 0; i < fromByte3.size(); ++i)
        reply[3 + i] = fromByte3[i];
    return reply;
}

TEST(VoicePromptFrames, ReadRequestAsksForTheBasicGroup)
{
    std::vector<unsigned char> request(kHidRequestSize, 0xCC);
    BuildVoicePromptReadRequest(request.data());
    std::vector<unsigned char> expected(kHidRequestSize, 0);
    expected[0] = 1;
    expected[1] = 0x03;
    expected[2] = 4;
    EXPECT_EQ(request, expected);
}

TEST(VoicePromptFrames, WriteRequestFromTheReply)
{
    struct Case {
        const char* what;
        std::vector<unsigned char> replyFrom3; // group, count, words in wire order
        int language;
        bool built;
        std::vector<unsigned char> requestFrom2; // bytes 2 to 11 of the write
    };
    // clang-format off
    const Case cases[] = {
        {"2 words: made 4, bit 5 set, bytes 9 and 10 as they came",
         {4, 2, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xE0}, 5, true,
         {4, 4, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xE5 | 0x20}},
        {"4 words: only the low 5 bits change",
         {4, 4, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x11, 0xDF}, 3, true,
         {4, 4, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x11, 0xC3}},
        {"language 33 writes 1 into the 5 bits",
         {4, 4, 0, 0, 0, 0, 0, 0, 0x01, 0x00}, 33, true,
         {4, 4, 0, 0, 0, 0, 0, 0, 0x01, 0x01}},
        {"language 33 on 2 words",
         {4, 2, 0, 1, 0, 2, 0, 0, 0, 0xFF}, 33, true,
         {4, 4, 0, 1, 0, 2, 0, 0, 0, 0xE1}},
        {"3 words: nothing", {4, 3, 1, 2, 3, 4, 5, 6, 7, 8}, 1, false, {}},
        {"0 words: nothing", {4, 0}, 1, false, {}},
        {"5 words: nothing", {4, 5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, false, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<unsigned char> reply = Reply(c.replyFrom3);
        std::vector<unsigned char> request(kHidRequestSize, 0xCC);
        ASSERT_EQ(BuildVoicePromptWriteRequest(reply.data(), c.language, request.data()), c.built);
        if (!c.built) {
            EXPECT_EQ(request, std::vector<unsigned char>(kHidRequestSize, 0xCC));
            continue;
        }
        std::vector<unsigned char> expected(kHidRequestSize, 0);
        expected[0] = 1;
        expected[1] = 0x04;
        for (std::size_t i = 0; i < c.requestFrom2.size(); ++i)
            expected[2 + i] = c.requestFrom2[i];
        EXPECT_EQ(request, expected);
    }
}

class VoicePromptOnUnit : public ::testing::Test {
protected:
    void SetUp() override { sim.Install(); }

    int Run(SimHidInterface& iface, int language)
    {
        HidHandle channel = OpenHidInterface(iface.productId);
        EXPECT_NE(channel, nullptr);
        sim.ClearLog();
        const int result = WriteUnitVoicePromptLanguage(&channel, language);
        CloseHidHandle(&channel);
        return result;
    }

    SimHeadset sim;
};

TEST_F(VoicePromptOnUnit, TwoExchangesAndNoStore)
{
    SimHidInterface& iface = sim.AddInterface(0x4D10);
    iface.SetGroup(kHidGroupBasic, {0x0102, 0x0304, 0x0506, 0x07E8});
    EXPECT_EQ(Run(iface, 9), 1);
    const std::vector<std::vector<unsigned char>> writes = sim.Requests(0x4D10);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0][1], 0x03);
    std::vector<unsigned char> expected(kHidRequestSize, 0);
    const unsigned char head[] = {1, 0x04, 4, 4, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xE9};
    std::copy(std::begin(head), std::end(head), expected.begin());
    EXPECT_EQ(writes[1], expected);
    EXPECT_EQ(iface.groups[kHidGroupBasic], (std::vector<std::uint16_t>{0x0102, 0x0304, 0x0506, 0x07E9}));
    EXPECT_TRUE(iface.storeCount.empty());
}

TEST_F(VoicePromptOnUnit, TwoWordGroupComesBackAsFour)
{
    SimHidInterface& iface = sim.AddInterface(0x4D10);
    iface.SetGroup(kHidGroupBasic, {0x0102, 0x0304});
    EXPECT_EQ(Run(iface, 33), 1);
    EXPECT_EQ(iface.groups[kHidGroupBasic], (std::vector<std::uint16_t>{0x0102, 0x0304, 0x0000, 0x0021}));
}

TEST_F(VoicePromptOnUnit, ThreeWordReplyWritesNothing)
{
    SimHidInterface& iface = sim.AddInterface(0x4D10);
    iface.SetGroup(kHidGroupBasic, {1, 2, 3});
    EXPECT_EQ(Run(iface, 2), 0);
    EXPECT_EQ(sim.Requests(0x4D10).size(), 1u);
    EXPECT_EQ(iface.groups[kHidGroupBasic], (std::vector<std::uint16_t>{1, 2, 3}));
}

TEST_F(VoicePromptOnUnit, FailedReadGivesZeroAndNoWrite)
{
    SimHidInterface& iface = sim.AddInterface(0x4D10); // no basic group: the unit refuses the read
    EXPECT_EQ(Run(iface, 2), 0);
    EXPECT_EQ(sim.Requests(0x4D10).size(), 1u);
}

} // namespace
