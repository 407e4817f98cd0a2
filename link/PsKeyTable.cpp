#include "link/PsKeyTable.h"

const PsKeyRow kPsKeyTable[] = {
    {kPsKeyBdAddress, 8},         {kPsKeyEdrPatternTable, 60}, {kPsKeyFeatureMask, 8},
    {kPsKeyDeviceName, 256},      {kPsKeyConfigWord, 4},       {kPsKeyOldVersion, 4},
    {kPsKeyIntercomVox, 2},       {kPsKeyHandsfreeVox, 2},     {kPsKeyFmBlock, 30},
    {kPsKeyModelWord, 2},         {kPsKeyFirmwareVersion, 4},  {kPsKeyAudioChannelTimeout, 2},
    {kPsKeyRadioTransmitGain, 2}, {kPsKeySpeedDial1, 40},      {kPsKeySpeedDial2, 40},
    {kPsKeySpeedDial3, 40},       {kPsKeyUsbProductId, 2},     {kPsKeyUsbProductString, 32},
    {kPsKeyUsbDfuProductId, 2},
};
const std::size_t kPsKeyTableSize = sizeof kPsKeyTable / sizeof kPsKeyTable[0];

std::uint16_t PsKeyByteLength(std::uint16_t key)
{
    for (const PsKeyRow& row : kPsKeyTable) {
        if (row.key == key)
            return row.bytes;
    }
    return 0;
}

const std::uint16_t kPsKey49Table[30] = {
    0x2A00, 0x0050, 0x3100, 0x0050, 0xFC00, 0x2700, 0x0040, 0x2E00, 0x0040, 0x0000,
    0x2800, 0x0030, 0x2E00, 0x0030, 0x0400, 0x2B00, 0x0020, 0x3100, 0x0020, 0x0800,
    0x2E00, 0x0010, 0x3600, 0x0010, 0x0C00, 0x3800, 0x0000, 0x3A00, 0x0000, 0x1000,
};

const unsigned char kPsEdrOnPattern[8] = {0xFF, 0xFE, 0x8F, 0xFE, 0x98, 0xFF, 0x59, 0x83};
const unsigned char kPsEdrOffPattern[8] = {0xFF, 0xFE, 0x8F, 0xF8, 0x18, 0x1E, 0x59, 0x83};
