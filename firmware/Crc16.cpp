#include "firmware/Crc16.h"

#include <array>

namespace {

constexpr std::uint16_t kPolynomial = 0x1021;

// One entry per value of the byte that meets the register's top.
constexpr std::array<std::uint16_t, 256> MakeTable()
{
    std::array<std::uint16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        std::uint16_t crc = static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ kPolynomial : crc << 1);
        table[byte] = crc;
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kTable = MakeTable();

} // namespace

std::uint16_t Crc16Continue(std::uint16_t crc, const std::uint8_t* data, int count)
{
    // A negative count is a caller's arithmetic gone wrong; it must not read
    // at all, and the loader then sees a CRC that does not confirm anything.
    if (count < 0)
        return 0;
    if (data == nullptr)
        return count == 0 ? crc : 0;
    for (int i = 0; i < count; ++i)
        crc = static_cast<std::uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ data[i]) & 0xFF]);
    return crc;
}

std::uint16_t Crc16(const std::uint8_t* data, int count)
{
    return Crc16Continue(0, data, count);
}
