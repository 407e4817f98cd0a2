#pragma once
// CRC-16/XMODEM (polynomial 0x1021, most significant bit first, start 0, no
// final XOR), which the unit's loader checks each chunk and each section with.

#include <cstdint>

// Of count bytes; a negative count (or no data) gives 0.
std::uint16_t Crc16(const std::uint8_t* data, int count);
// Continues crc over count more bytes, so that Crc16Continue(Crc16(a), b) is
// the CRC of a followed by b; a negative count gives 0.
std::uint16_t Crc16Continue(std::uint16_t crc, const std::uint8_t* data, int count);
