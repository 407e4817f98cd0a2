#pragma once
// The server's firmware index ("Firmware"): which version and image the
// server offers for the recognised unit's model, and whether to offer it.

#include <cstdint>
#include <string>
#include <vector>

#include "device/FirmwareInfo.h"

class DeviceConfig;

// What the index offers one model.
struct FirmwareIndexEntry {
    ImageVersion version;    // all zero when the index has no entry for the key
    std::wstring serverFile; // the image to download
    // Voice-prompt variants in index order: server file and English language name.
    std::vector<std::wstring> files;
    std::vector<std::wstring> languages;
    // Item of the language list to select; -1 when there is no list.
    int selectedItem = -1;
};

struct FirmwareIndexQuery {
    std::wstring unitKey; // the model's file-name form; empty matches nothing
    int modelCode = 0;    // 0x3020 reads four-part versions
    int uiLanguage = 0;
    std::wstring firmwareLanguage; // the stored voice-prompt language (English name)
    int applyToFirmwareLanguage = 0;
};

// Reads the first block of the unit's key and stops at the first line after it
// that does not continue it. Lines whose server file name is not a plain file
// name count as lines of no form. With the apply flag set and the UI
// language's name among the variants, that variant is selected last.
FirmwareIndexEntry ParseFirmwareIndex(const std::wstring& text, const FirmwareIndexQuery& query);

// Puts an entry into a job record that Reset(3) has emptied: version, server
// file and the language pairs.
void StoreFirmwareIndexEntry(const FirmwareIndexEntry& entry, FirmwareInfo& job);

// The Bluetooth address of a DFU-family unit of model 0x5060, read from its
// persistent store; which batch it belongs to decides its index key and its
// version rule.
enum class UnitAddressCheck {
    kNotRead,      // no qualifying unit, no connection or no address
    kInRange,      // the lower address lies in the 0x5011 batch
    kOutsideRange, // read, and outside that batch
};

constexpr int kAddressKeyBytes = 8;

// "%02X%02X%02X[%02X%02X%02X]" of bytes 7, 6, 4, 0, 3, 2 of the address key.
std::wstring UnitAddressText(const std::uint8_t (&key)[kAddressKeyBytes]);
// "%02X%02X%02X" of bytes 0, 3, 2: the lower three bytes of the address.
std::wstring UnitLowerAddressText(const std::uint8_t (&key)[kAddressKeyBytes]);
// nullptr when the key could not be read.
UnitAddressCheck CheckUnitAddress(int modelCode, const std::uint8_t (*key)[kAddressKeyBytes]);

// The index key of a model: its file-name form; for 0x5060 that of 0x5011 when
// the address lies in that batch, of 0x5060 when it lies outside, and the
// empty key when the address was not read.
std::wstring FirmwareIndexModelKey(int modelCode, UnitAddressCheck address);

// 1 when the unit should be offered the server version. 0 whenever no server
// version or no server file is known.
int IsServerVersionNewer(int modelCode, const DeviceConfig& unit, const ImageVersion& server,
                         const std::wstring& serverFile, UnitAddressCheck address);
