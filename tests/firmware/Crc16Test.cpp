#include "firmware/Crc16.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const std::uint8_t kDigits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};

TEST(Crc16, CheckValueOfTheNineDigits)
{
    EXPECT_EQ(Crc16(kDigits, 9), 0x31C3);
}

TEST(Crc16, EmptyNegativeAndNullGiveZero)
{
    EXPECT_EQ(Crc16(kDigits, 0), 0);
    EXPECT_EQ(Crc16(kDigits, -1), 0);
    EXPECT_EQ(Crc16(nullptr, 0), 0);
    EXPECT_EQ(Crc16Continue(0x1234, kDigits, -5), 0);
    // Nothing more to cover leaves the running value as it was.
    EXPECT_EQ(Crc16Continue(0x1234, kDigits, 0), 0x1234);
}

TEST(Crc16, ContinueEqualsTheCrcOfTheJoinedBuffers)
{
    std::vector<std::uint8_t> data(300);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::uint16_t whole = Crc16(data.data(), static_cast<int>(data.size()));
    for (int split : {0, 1, 58, 116, 299, 300}) {
        const std::uint16_t first = Crc16(data.data(), split);
        EXPECT_EQ(Crc16Continue(first, data.data() + split, static_cast<int>(data.size()) - split), whole) << split;
    }
    // Chunk by chunk as the loader confirms them.
    std::uint16_t running = 0;
    for (std::size_t at = 0; at < data.size(); at += 58) {
        const int n = static_cast<int>(std::min<std::size_t>(58, data.size() - at));
        running = Crc16Continue(running, data.data() + at, n);
    }
    EXPECT_EQ(running, whole);
}

TEST(Crc16, SingleBytesFromTheTable)
{
    // Values a bit-by-bit computation gives for one byte.
    struct Case {
        std::uint8_t byte;
        std::uint16_t crc;
    };
    for (const Case& c : {Case{0x00, 0x0000}, Case{0x01, 0x1021}, Case{0x80, 0x9188}, Case{0xFF, 0x1EF0}}) {
        EXPECT_EQ(Crc16(&c.byte, 1), c.crc) << int(c.byte);
    }
}

} // namespace
