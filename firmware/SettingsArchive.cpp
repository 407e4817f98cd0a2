#include "firmware/SettingsArchive.h"

#include <climits>
#include <cstdlib>
#include <cwchar>
#include <ctime>

#include "device/ModelCatalogue.h"
#include "device/VersionCompare.h"
#include "firmware/FirmwareBounds.h"
#include "firmware/ServerListLine.h"
#include "text/SharedWords.h"

namespace {

using F = ArchiveField;

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

// Lines 1 to 57 in the order the restore page has always read them; the four
// after them carry the settings words 12 and 22 to 24, which a restore must
// not lose either.
const ArchiveKeyRow kArchiveKeys[] = {
    {L"keyManagerVersion",                    F::kManagerVersion,     0,  0,  0},
    {L"keyDeviceRecognized",                  F::kProductId,          0,  0,  0},
    {L"keyDeviceName",                        F::kDeviceName,         0,  0,  0},
    {L"keyDeviceVersion",                     F::kFirmwareVersion,    0,  0,  0},
    {L"keyDeviceSecondaryVersionType",        F::kFirmwareKind,       0,  0,  0},
    {L"keyDeviceSecondaryVersion",            F::kFirmwareBuild,      0,  0,  0},
    {L"keyDateArchived",                      F::kDateArchived,       0,  0,  0},
    {L"keyIntercomVOX",                       F::kIntercomVox,        0,  0,  0},
    {L"keyHandsfreeVOX",                      F::kHandsfreeVox,       0,  0,  0},
    {L"keyEDR",                               F::kEdr,                0,  0,  0},
    {L"keyVoicePrompt",                       F::kVoicePrompt,        0,  0,  0},
    {L"keyPLC",                               F::kPlc,                0,  0,  0},
    {L"keyBitpoolRate",                       F::kBitpoolRate,        0,  0,  0},
    {L"keyMicrophoneBoost",                   F::kMicrophoneBoost,    0,  0,  0},
    {L"keySidetone",                          F::kSidetone,           0,  0,  0},
    {L"keyHushguard",                         F::kHushguard,          0,  0,  0},
    {L"keyAutoGainControl",                   F::kAutoGainControl,    0,  0,  0},
    {L"keyBasicSettingOrvan",                 F::kSettingsWord,       1, 10, -1},
    {L"keyBasicSettingJarretVOXSensitivity",  F::kSettingsWord,       1,  2, 13},
    {L"keyBasicSettingWZ1SmartVolumeControl", F::kSettingsWord,       1,  2, 15},
    {L"keyBasicSettingZimboCamera",           F::kSettingsWord,       1,  2,  9},
    {L"keyRadioTransmitGain",                 F::kRadioTransmitGain,  0,  0,  0},
    {L"keyAudioChannelTimeout",               F::kAudioChannelTimeout,0,  0,  0},
    {L"keyAudioBoost",                        F::kSettingsWord,       0,  0, 18},
    {L"keyHDIntercom",                        F::kSettingsWord,       0,  0, 19},
    {L"keyFMStationGuide",                    F::kSettingsWord,       0,  0, 20},
    {L"keyHDVoice",                           F::kSettingsWord,       0,  0, 21},
    {L"keyFMRadioRegion",                     F::kFmRegion,           0,  0,  0},
    {L"keyFMRadioMagicCode",                  F::kFmMagicCode,        0,  0,  0},
    {L"keyFMRadioCurrentFrequency",           F::kFmCurrentFrequency, 0,  0,  0},
    {L"keyFMRadioCurrentPreset",              F::kFmCurrentPreset,    0,  0,  0},
    {L"keyFMRadioPreset",                     F::kFmPreset,           1, 10, -1},
    {L"keyFMRadioRDS",                        F::kFmRds,              0,  0,  0},
    {L"keySpeedDial",                         F::kSpeedDial,          1,  3, -1},
    {L"keyBasicSettingZimboCamera",           F::kSettingsWord,       3,  3,  9},
    {L"keyAudioSourcePriority",               F::kSettingsWord,       0,  0, 22},
    {L"keyLayertone",                         F::kSettingsWord,       0,  0, 23},
    {L"keyRoutecue",                          F::kSettingsWord,       0,  0, 24},
};

// Archives of these models written below their firmware floor cannot be restored.
struct ArchiveFloorRow {
    int productId;
    int major;
    int minor;
};

const ArchiveFloorRow kArchiveFloors[] = {
    {0x4D35, 1, 2},
    {0x4D30, 4, 2},
    {0x4D40, 4, 2},
    {0x5060, 4, 2},
    {0x5061, 4, 2},
    {0x5070, 4, 2},
    {0x5080, 4, 2},
};

// clang-format on

constexpr int kFmRegionLast = 5;
constexpr std::size_t kDateBufferSize = 128;
constexpr std::size_t kArchiveDateLength = 19;

int* IntSlot(DeviceConfig& device, const ArchiveKeyRow& row, int number)
{
    switch (row.field) {
    case F::kProductId: return &device.m_modelCode;
    case F::kFirmwareKind: return &device.m_firmwareVersion.kind;
    case F::kFirmwareBuild: return &device.m_firmwareVersion.build;
    case F::kIntercomVox: return &device.m_intercomVox;
    case F::kHandsfreeVox: return &device.m_handsfreeVox;
    case F::kEdr: return &device.m_edr;
    case F::kVoicePrompt: return &device.m_voicePrompt;
    case F::kPlc: return &device.m_plc;
    case F::kBitpoolRate: return &device.m_bitpoolRate;
    case F::kMicrophoneBoost: return &device.m_microphoneBoost;
    case F::kSidetone: return &device.m_sidetone;
    case F::kHushguard: return &device.m_hushguard;
    case F::kAutoGainControl: return &device.m_autoGainControl;
    case F::kRadioTransmitGain: return &device.m_radioTransmitGain;
    case F::kAudioChannelTimeout: return &device.m_audioChannelTimeout;
    case F::kFmRegion: return &device.m_fmRegion;
    case F::kFmMagicCode: return &device.m_fmMagicCode;
    case F::kFmCurrentFrequency: return &device.m_fmCurrentFrequency;
    case F::kFmCurrentPreset: return &device.m_fmCurrentPreset;
    case F::kFmRds: return &device.m_fmRds;
    case F::kSettingsWord: {
        const int word = row.offset + number;
        return (word >= 0 && word < kSettingsWordCount) ? &device.m_settings[word] : nullptr;
    }
    case F::kFmPreset: {
        const int preset = row.offset + number;
        return (preset >= 0 && preset < kFmPresetCount) ? &device.m_fmPresets[preset] : nullptr;
    }
    default: return nullptr;
    }
}

std::wstring* TextSlot(DeviceConfig& device, const ArchiveKeyRow& row, int number)
{
    if (row.field == F::kDeviceName)
        return &device.m_deviceName;
    if (row.field == F::kSpeedDial) {
        const int slot = row.offset + number;
        return (slot >= 0 && slot < kSpeedDialCount) ? &device.m_speedDial[static_cast<std::size_t>(slot)] : nullptr;
    }
    return nullptr;
}

// A value never starts a line of its own.
std::wstring OneLine(const std::wstring& text)
{
    std::wstring line = text;
    for (wchar_t& c : line) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    return line;
}

std::wstring TwoDigits(int number)
{
    std::wstring digits = std::to_wstring(number);
    return digits.size() < 2 ? L"0" + digits : digits;
}

std::wstring Pair(int major, int minor)
{
    return std::to_wstring(major) + L"." + std::to_wstring(minor);
}

std::wstring FormatValue(DeviceConfig& device, const ArchiveKeyRow& row, int number, const std::wstring& date)
{
    switch (row.field) {
    case F::kManagerVersion: return Pair(device.m_managerVersion.major, device.m_managerVersion.minor);
    case F::kFirmwareVersion: return Pair(device.m_firmwareVersion.major, device.m_firmwareVersion.minor);
    case F::kDateArchived: return date;
    case F::kDeviceName:
    case F::kSpeedDial: {
        const std::wstring* text = TextSlot(device, row, number);
        return text ? OneLine(*text) : std::wstring();
    }
    default: {
        const int* value = IntSlot(device, row, number);
        return value ? std::to_wstring(*value) : std::wstring(L"0");
    }
    }
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// The row a key belongs to, and its number; nullptr for a key of no row.
const ArchiveKeyRow* FindRow(const std::wstring& key, int& number)
{
    for (const ArchiveKeyRow& row : kArchiveKeys) {
        const std::wstring name = row.key;
        if (row.firstNumber == 0) {
            if (key == name) {
                number = 0;
                return &row;
            }
            continue;
        }
        if (key.size() != name.size() + 2 || key.compare(0, name.size(), name) != 0)
            continue;
        const wchar_t tens = key[name.size()];
        const wchar_t ones = key[name.size() + 1];
        if (!IsDigit(tens) || !IsDigit(ones))
            continue;
        const int candidate = (tens - L'0') * 10 + (ones - L'0');
        if (candidate >= row.firstNumber && candidate <= row.lastNumber) {
            number = candidate;
            return &row;
        }
    }
    return nullptr;
}

void StoreValue(DeviceConfig& device, const ArchiveKeyRow& row, int number, const std::wstring& value)
{
    switch (row.field) {
    case F::kManagerVersion: ParseVersion2(value, device.m_managerVersion.major, device.m_managerVersion.minor); return;
    case F::kFirmwareVersion: device.SetFirmwareVersionText(value); return;
    case F::kDateArchived: {
        std::int64_t moment = 0;
        if (ParseArchiveDate(value, moment))
            device.m_archivedAt = moment;
        return;
    }
    case F::kDeviceName:
    case F::kSpeedDial: {
        std::wstring* text = TextSlot(device, row, number);
        if (text)
            *text = value;
        return;
    }
    default: {
        int* slot = IntSlot(device, row, number);
        if (slot)
            *slot = ReadDecimalPrefix(value);
        return;
    }
    }
}

bool LocalTime(std::int64_t moment, std::tm& out)
{
#ifdef _WIN32
    const __time64_t time = moment;
    return _localtime64_s(&out, &time) == 0;
#else
    const std::time_t time = static_cast<std::time_t>(moment);
    return localtime_r(&time, &out) != nullptr;
#endif
}

std::int64_t MakeLocalTime(std::tm& parts)
{
#ifdef _WIN32
    return _mktime64(&parts);
#else
    return static_cast<std::int64_t>(std::mktime(&parts));
#endif
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int FieldAt(const std::wstring& value, std::size_t at, std::size_t length)
{
    return ReadDecimalPrefix(value.substr(at, length));
}

} // namespace

ArchiveKeyTable SettingsArchiveKeys()
{
    return ArchiveKeyTable{kArchiveKeys, sizeof kArchiveKeys / sizeof kArchiveKeys[0]};
}

std::wstring FormatLocalTime(std::int64_t moment, const std::wstring& format)
{
    std::tm parts{};
    if (!LocalTime(moment, parts))
        return std::wstring();
    wchar_t buffer[kDateBufferSize];
    const std::size_t length = std::wcsftime(buffer, kDateBufferSize, format.c_str(), &parts);
    return std::wstring(buffer, length);
}

bool ParseArchiveDate(const std::wstring& value, std::int64_t& moment)
{
    // "MM/DD/YYYY hh:mm:ss": a date cut short names no time.
    if (value.size() < kArchiveDateLength)
        return false;
    const int month = FieldAt(value, 0, 2);
    const int day = FieldAt(value, 3, 2);
    const int year = FieldAt(value, 6, 4);
    const int hour = FieldAt(value, 11, 2);
    const int minute = FieldAt(value, 14, 2);
    const int second = FieldAt(value, 17, 2);
    if (year < 1970 || year > 3000 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    const std::int64_t made = MakeLocalTime(parts);
    if (made == -1)
        return false;
    moment = made;
    return true;
}

std::wstring FormatSettingsArchive(const DeviceConfig& device, std::int64_t now)
{
    DeviceConfig record = device;
    const std::wstring date = FormatLocalTime(now, GetTextDateTimeFormat(0));
    std::wstring text;
    for (const ArchiveKeyRow& row : kArchiveKeys) {
        if (row.firstNumber == 0) {
            text += std::wstring(row.key) + L"=" + FormatValue(record, row, 0, date) + L"\r\n";
            continue;
        }
        for (int number = row.firstNumber; number <= row.lastNumber; ++number)
            text += row.key + TwoDigits(number) + L"=" + FormatValue(record, row, number, date) + L"\r\n";
    }
    return text;
}

std::string ArchiveTextToBytes(const std::wstring& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (wchar_t c : text) {
        const std::size_t length = std::wcrtomb(buffer, c, &state);
        if (length == static_cast<std::size_t>(-1)) {
            bytes += '?';
            state = std::mbstate_t{};
        } else {
            bytes.append(buffer, length);
        }
    }
    return bytes;
}

std::wstring ArchiveBytesToText(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    std::mbstate_t state{};
    std::size_t at = 0;
    while (at < bytes.size()) {
        wchar_t c = 0;
        const std::size_t length = std::mbrtowc(&c, bytes.data() + at, bytes.size() - at, &state);
        if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
            text += L'?';
            state = std::mbstate_t{};
            ++at;
        } else {
            text += c;
            at += length == 0 ? 1 : length;
        }
    }
    return text;
}

bool SettingsArchivePath(const std::wstring& programPath, int modelCode, std::wstring& path)
{
    std::wstring folder;
    if (!ProgramImageFolder(programPath, folder))
        return false;
    path = folder + GetModelName(modelCode, 1) + L".hvlxarch";
    return true;
}

int WriteSettingsArchive(FirmwareFileSystem& files, const std::wstring& path, DeviceConfig& device, std::int64_t now)
{
    const std::string bytes = ArchiveTextToBytes(FormatSettingsArchive(device, now));
    const std::wstring temporary = path + L".tmp";
    if (!files.WriteNewFile(temporary, bytes) || !files.ReplaceFile(temporary, path)) {
        files.RemoveFile(temporary);
        return 0;
    }
    device.m_archivedAt = now;
    return 1;
}

DeviceConfig ParseSettingsArchive(const std::wstring& text)
{
    DeviceConfig archive;
    ServerListReader lines(text);
    std::wstring line;
    while (lines.Next(line)) {
        const std::size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals == 0)
            continue;
        int number = 0;
        const ArchiveKeyRow* row = FindRow(TrimListField(line.substr(0, equals)), number);
        if (row)
            StoreValue(archive, *row, number, TrimListField(line.substr(equals + 1)));
    }
    if (archive.m_fmRegion < 0 || archive.m_fmRegion > kFmRegionLast)
        archive.m_fmRegion = 0;
    return archive;
}

int SettingsArchiveMeetsFloor(const DeviceConfig& archive)
{
    for (const ArchiveFloorRow& row : kArchiveFloors) {
        if (row.productId == archive.m_modelCode)
            return archive.CompareFirmwareVersion(row.major, row.minor) < 0 ? 0 : 1;
    }
    return 1;
}

int LoadSettingsArchive(FirmwareFileSystem& files, const std::wstring& path, DeviceConfig& archive)
{
    archive = DeviceConfig();
    std::string bytes;
    if (!files.ReadWholeFile(path, kSettingsArchiveMaxBytes, bytes))
        return 0;
    archive = ParseSettingsArchive(ArchiveBytesToText(bytes));
    return SettingsArchiveMeetsFloor(archive);
}
