#pragma once
// The settings archive ("<model>.hvlxarch" in the image folder): the unit's
// settings saved before a firmware update, read back by the restore page and
// written to the unit after a restore. One table of keys serves the writer and
// the reader, so every line written reads back into the field it came from.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/DeviceConfig.h"
#include "firmware/FirmwareFiles.h"

// Where a key's value lives in the record.
enum class ArchiveField {
    kManagerVersion, // "%d.%d"
    kProductId,
    kDeviceName,      // text
    kFirmwareVersion, // "%d.%d"
    kFirmwareKind,
    kFirmwareBuild,
    kDateArchived, // "%m/%d/%Y %H:%M:%S", local time
    kIntercomVox,
    kHandsfreeVox,
    kEdr,
    kVoicePrompt,
    kPlc,
    kBitpoolRate,
    kMicrophoneBoost,
    kSidetone,
    kHushguard,
    kAutoGainControl,
    kSettingsWord, // word = offset (+ NN for a numbered key)
    kRadioTransmitGain,
    kAudioChannelTimeout,
    kFmRegion,
    kFmMagicCode,
    kFmCurrentFrequency,
    kFmCurrentPreset,
    kFmPreset, // preset NN + offset
    kFmRds,
    kSpeedDial, // text, number NN + offset
};

// One line of the archive, or a numbered group of lines (key, two digits NN
// from first to last). The table's order is the order of the lines.
struct ArchiveKeyRow {
    const wchar_t* key;
    ArchiveField field;
    int firstNumber; // 0 for a key without a number
    int lastNumber;
    int offset;
};

struct ArchiveKeyTable {
    const ArchiveKeyRow* rows;
    std::size_t count;
};

ArchiveKeyTable SettingsArchiveKeys();

// Number of lines the writer writes.
constexpr int kSettingsArchiveLineCount = 61;

// The archive's text: every line "key=value" ending in CR LF. The date line
// holds now as local time in the English form whatever the UI language. A line
// break inside a text value is written as a space.
std::wstring FormatSettingsArchive(const DeviceConfig& device, std::int64_t now);

// Text to the bytes of the C runtime's code page and back; a character the
// code page cannot hold becomes "?".
std::string ArchiveTextToBytes(const std::wstring& text);
std::wstring ArchiveBytesToText(const std::string& bytes);

// "<program folder>IMG\<model file name>.hvlxarch"; false when the program
// path is empty, cut at 260 characters or holds no folder.
bool SettingsArchivePath(const std::wstring& programPath, int modelCode, std::wstring& path);

// Stamps now into the record's archive time and writes the archive atomically:
// a temporary file beside it, every write and the close checked, then moved
// over the archive. 0 on any failure, the old archive left as it was.
int WriteSettingsArchive(FirmwareFileSystem& files, const std::wstring& path, DeviceConfig& device, std::int64_t now);

// Reads an archive's text into a freshly built record. Keys compare exactly; a
// numbered key counts only with two digits in its group's range. A date whose
// parts form no valid time leaves the archive time 0; a region outside 0 to 5
// becomes 0.
DeviceConfig ParseSettingsArchive(const std::wstring& text);

// 0 when the archived firmware lies below its model's floor, else 1.
int SettingsArchiveMeetsFloor(const DeviceConfig& archive);

// Reads the archive file into archive (always a fresh record first): 1 when it
// was read and meets its model's floor, else 0 (also for a file larger than
// any archive).
int LoadSettingsArchive(FirmwareFileSystem& files, const std::wstring& path, DeviceConfig& archive);

// Local time of a moment in the given strftime format; empty when the
// conversion or the formatting fails.
std::wstring FormatLocalTime(std::int64_t moment, const std::wstring& format);

// The archive's date text ("%m/%d/%Y %H:%M:%S") as a moment; false when its
// parts form no valid local time.
bool ParseArchiveDate(const std::wstring& value, std::int64_t& moment);
