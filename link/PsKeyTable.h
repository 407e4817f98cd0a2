#pragma once
// Persistent-store keys of the DFU family's Bluetooth chip, read and written
// over BCCMD through the DFU library. Values are arrays of 16-bit words in
// the PC's byte order (little-endian); lengths are in bytes and always even.

#include <cstddef>
#include <cstdint>

enum PsKey : std::uint16_t {
    kPsKeyBdAddress = 1,             // 8: bytes 7, 6, 4, 0, 3, 2 are the address, most significant first
    kPsKeyEdrPatternTable = 49,      // 60: written once with kPsKey49Table
    kPsKeyFeatureMask = 239,         // 8: EDR on or off (kPsEdrOnPattern, kPsEdrOffPattern)
    kPsKeyDeviceName = 264,          // 256: zero-terminated 8-bit text
    kPsKeyConfigWord = 654,          // 4: word 0 the configuration word, word 1 written 0
    kPsKeyOldVersion = 659,          // 4: byte 0 = major x 10 + minor
    kPsKeyIntercomVox = 664,         // 2
    kPsKeyHandsfreeVox = 665,        // 2
    kPsKeyFmBlock = 671,             // 30: tag, frequency, current preset, ten presets, RDS, region
    kPsKeyModelWord = 675,           // 2
    kPsKeyFirmwareVersion = 676,     // 4: byte 0 = major x 10 + minor, byte 2 build, byte 3 kind
    kPsKeyAudioChannelTimeout = 682, // 2: milliseconds
    kPsKeyRadioTransmitGain = 684,   // 2
    kPsKeyUsbProductId = 703,        // 2
    kPsKeyUsbProductString = 706,    // 32: 16 UTF-16 characters
    kPsKeyUsbDfuProductId = 715,     // 2: model code + 0x8000
    kPsKeySpeedDial1 = 0x2280,       // 40 each: 20 words, one character in the low byte of each
    kPsKeySpeedDial2 = 0x2281,
    kPsKeySpeedDial3 = 0x2282,
};

struct PsKeyRow {
    std::uint16_t key;
    std::uint16_t bytes;
};

// Every key the manager touches with its length.
extern const PsKeyRow kPsKeyTable[];
extern const std::size_t kPsKeyTableSize;

// The key's length in bytes, 0 for a key the table does not hold.
std::uint16_t PsKeyByteLength(std::uint16_t key);

constexpr std::uint16_t kPsFmTagPlain = 0x56E9;
constexpr std::uint16_t kPsFmTagRds = 0x66E9;

extern const std::uint16_t kPsKey49Table[30];
extern const unsigned char kPsEdrOnPattern[8];
extern const unsigned char kPsEdrOffPattern[8];
