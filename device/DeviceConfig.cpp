#include "device/DeviceConfig.h"

#include <climits>

#include "device/DeviceProductLists.h"
#include "device/ModelCatalogue.h"

namespace {

// --- Bit layout of the settings words ---------------------------------------
// An unsigned number of `width` bits starting at bit `shift` of word `word`.
struct BitField {
    int word;
    int shift;
    int width;
};

// Word 1 (packed fields).
constexpr BitField kPackedVoxSensitivity{1, 0, 3};
constexpr BitField kPackedSmartVolumeControl{1, 3, 2};
constexpr BitField kPackedSmartVolumeInvalidMark{1, 5, 1};
constexpr BitField kPackedOverlaySensitivity{1, 7, 3};
// Word 2 (the flag word).
constexpr BitField kVoiceCommandBit{2, 0, 1};
constexpr BitField kSmartVolumeControlBits{2, 1, 2};
constexpr BitField kSmartVolumeInvalidMarks{2, 3, 2};
constexpr BitField kFmStationGuideBit{2, 5, 1};
constexpr BitField kEightWayIntercomBit{2, 6, 1};
constexpr BitField kAudioBoostBit{2, 7, 1};
constexpr BitField kHushguardBit{2, 8, 1};
constexpr BitField kLayertoneVolumeManagementBit{2, 9, 1};
constexpr BitField kVoicePromptBit{2, 10, 1};
constexpr BitField kDualstreamBit{2, 11, 1};
constexpr BitField kSidetoneBit{2, 12, 1};
constexpr BitField kHdIntercomBit{2, 13, 1};
constexpr BitField kVoxPhoneBit{2, 15, 1};
constexpr BitField kEssStatus{2, 0, 2};
constexpr BitField kEssSensitivity{2, 2, 2};
// Word 3.
constexpr BitField kUnitLanguage{3, 0, 4};
constexpr BitField kChannelSelect{3, 6, 3};
constexpr BitField kChannelInvalidMark{3, 9, 1};
// Word 10 (camera switches and modes).
constexpr BitField kPhotoMode{10, 0, 1};
constexpr BitField kVideoModeBeforeFirmware2{10, 1, 1};
constexpr BitField kVideoResolution{10, 2, 2};
constexpr BitField kTimelapseInterval{10, 4, 1};
constexpr BitField kDateCaption{10, 5, 1};
constexpr BitField kSpeakerSoundRecording{10, 6, 1};
constexpr BitField kAutoCameraSleep{10, 7, 1};
constexpr BitField kRecordMusic{10, 8, 1};
constexpr BitField kRecordFmRadio{10, 9, 1};
constexpr BitField kRecordIntercom{10, 10, 1};
constexpr BitField kRecordPhone{10, 11, 1};
constexpr BitField kRecordSources{10, 8, 4};
// Word 12 (camera intervals, gain and, from firmware 2.0, video mode).
constexpr BitField kVideoTaggingInterval{12, 0, 2};
constexpr BitField kLoopRecordingInterval{12, 2, 2};
constexpr BitField kVideoMicrophoneGain{12, 4, 2};
constexpr BitField kVideoModeFromFirmware2{12, 6, 2};
// Words 0 and 1 of the 0x31xx products.
constexpr BitField kPackedVoxPhoneBit{0, 0, 1};
constexpr BitField kPackedVoxIntercomBit{0, 1, 1};
constexpr BitField kPackedVoicePromptBit{0, 3, 1};
constexpr BitField kPackedHighQualityA2dpBit{0, 5, 1};
constexpr BitField kPackedSidetoneBit{0, 8, 1};
constexpr BitField kPackedHushguardBit{0, 9, 1};
constexpr BitField kPackedAudioBoostBit{0, 10, 1};
constexpr BitField kPackedHdIntercomBit{0, 11, 1};
constexpr BitField kPackedFmStationGuideBit{0, 12, 1};
constexpr BitField kPackedGuestModeBit{0, 15, 1};
constexpr BitField kPackedLayertoneVolumeManagementBit{1, 6, 1};
constexpr BitField kPackedVoiceCommandBit{1, 10, 1};
constexpr BitField kPackedBluetoothIntercomDualstreamBit{1, 11, 1};

// Whole words.
constexpr int kOverlaySensitivityWord = 0;
constexpr int kMotionSensorSensitivityWord = 3;
constexpr int kVoxSensitivityWord = 14;
constexpr int kSmartVolumeControlWord = 16;
constexpr int kAudioBoostWord = 18;
constexpr int kHdIntercomWord = 19;
constexpr int kFmStationGuideWord = 20;
constexpr int kHdVoiceWord = 21;
constexpr int kAudioSourcePriorityWord = 22;
constexpr int kLayertoneWord = 23;
constexpr int kRoutecueWord = 24;

// Word groups the change test compares.
constexpr int kBasicWordsFirst = 0, kBasicWordsEnd = 10;
constexpr int kCameraWordsFirst = 10, kCameraWordsEnd = 14;
constexpr int kVoxWordsFirst = 14, kVoxWordsEnd = 16;
constexpr int kSmartVolumeWordsFirst = 16, kSmartVolumeWordsEnd = 18;

constexpr int kCameraProduct = 0x3020;
constexpr int kProductComparingTimings = 0x5210;
constexpr int kSixFmPresets = 6;

unsigned FieldMask(const BitField& field)
{
    return ((1u << field.width) - 1u) << field.shift;
}

int ReadField(const int (&words)[kSettingsWordCount], const BitField& field)
{
    const unsigned word = static_cast<unsigned>(words[field.word]);
    return static_cast<int>((word & FieldMask(field)) >> field.shift);
}

void WriteField(int (&words)[kSettingsWordCount], const BitField& field, int value)
{
    unsigned word = static_cast<unsigned>(words[field.word]) & ~FieldMask(field);
    word |= (static_cast<unsigned>(value) << field.shift) & FieldMask(field);
    words[field.word] = static_cast<int>(word);
}

int ReadBit(const int (&words)[kSettingsWordCount], const BitField& field)
{
    return ReadField(words, field) != 0 ? 1 : 0;
}

void WriteBit(int (&words)[kSettingsWordCount], const BitField& field, int value)
{
    WriteField(words, field, value != 0 ? 1 : 0);
}

// A number field whose invalid patterns read as a fixed value; its setter
// ignores values outside [0, maxValid].
int ReadNumber(const int (&words)[kSettingsWordCount], const BitField& field, int maxValid, int invalidReadsAs)
{
    const int value = ReadField(words, field);
    return value <= maxValid ? value : invalidReadsAs;
}

void WriteNumber(int (&words)[kSettingsWordCount], const BitField& field, int maxValid, int value)
{
    if (value < 0 || value > maxValid)
        return;
    WriteField(words, field, value);
}

int CompareWords(const int (&left)[kSettingsWordCount], const int (&right)[kSettingsWordCount], int first, int end)
{
    for (int i = first; i < end; ++i) {
        if (left[i] != right[i])
            return ClampedDifference(left[i], right[i]);
    }
    return 0;
}

void CopyVersion(DeviceVersion& target, const DeviceVersion& source)
{
    target.major = source.major;
    target.minor = source.minor;
    target.kind = source.kind;
    target.build = source.build;
}

void CopyWords(int (&target)[kSettingsWordCount], const int (&source)[kSettingsWordCount], int first, int end)
{
    for (int i = first; i < end; ++i)
        target[i] = source[i];
}

unsigned ModifiedComparesOf(int productId)
{
    for (std::size_t i = 0; i < kModifiedRuleCount; ++i) {
        if (kModifiedRules[i].products.Contains(productId))
            return kModifiedRules[i].compares;
    }
    return kModifiedDefaultCompares;
}

bool FmBlockDiffers(const DeviceConfig& left, const DeviceConfig& right, int presetCount)
{
    if (left.m_fmRegion != right.m_fmRegion || left.m_fmMagicCode != right.m_fmMagicCode ||
        left.m_fmCurrentFrequency != right.m_fmCurrentFrequency || left.m_fmCurrentPreset != right.m_fmCurrentPreset)
        return true;
    for (int i = 0; i < presetCount; ++i) {
        if (left.m_fmPresets[i] != right.m_fmPresets[i])
            return true;
    }
    return left.m_fmRds != right.m_fmRds;
}

} // namespace

DeviceConfig::DeviceConfig() = default;

void DeviceConfig::CopyFrom(const DeviceConfig& other, int copyVersions)
{
    m_managerVersion = other.m_managerVersion;
    m_modelCode = other.m_modelCode;
    m_deviceName = other.m_deviceName;

    if (copyVersions) {
        CopyVersion(m_firmwareVersion, other.m_firmwareVersion);
        CopyVersion(m_chipVersion1, other.m_chipVersion1);
        CopyVersion(m_chipVersion2, other.m_chipVersion2);
    }

    m_bdAddress = other.m_bdAddress;
    m_archivedAt = other.m_archivedAt;
    m_handsfreeVox = other.m_handsfreeVox;
    m_intercomVox = other.m_intercomVox;
    m_edr = other.m_edr;
    m_voicePrompt = other.m_voicePrompt;
    m_plc = other.m_plc;
    m_bitpoolRate = other.m_bitpoolRate;
    m_microphoneBoost = other.m_microphoneBoost;
    m_sidetone = other.m_sidetone;
    m_hushguard = other.m_hushguard;
    m_autoGainControl = other.m_autoGainControl;
    m_radioTransmitGain = other.m_radioTransmitGain;
    m_audioChannelTimeout = other.m_audioChannelTimeout;

    CopyWords(m_settings, other.m_settings, kAudioBoostWord, kSettingsWordCount);
    CopyWords(m_settings, other.m_settings, kBasicWordsFirst, kBasicWordsEnd);
    CopyWords(m_settings, other.m_settings, kVoxWordsFirst, kVoxWordsEnd);
    CopyWords(m_settings, other.m_settings, kSmartVolumeWordsFirst, kSmartVolumeWordsEnd);
    CopyWords(m_settings, other.m_settings, kCameraWordsFirst, kCameraWordsEnd);

    m_fmRegion = other.m_fmRegion;
    m_fmMagicCode = other.m_fmMagicCode;
    m_fmCurrentFrequency = other.m_fmCurrentFrequency;
    m_fmCurrentPreset = other.m_fmCurrentPreset;
    for (int i = 0; i < kFmPresetCount; ++i)
        m_fmPresets[i] = other.m_fmPresets[i];
    m_fmRds = other.m_fmRds;

    m_speedDial = other.m_speedDial;
}

int DeviceConfig::CompareBasicWords(const DeviceConfig& other) const
{
    return CompareWords(m_settings, other.m_settings, kBasicWordsFirst, kBasicWordsEnd);
}

int DeviceConfig::CompareCameraWords(const DeviceConfig& other) const
{
    return CompareWords(m_settings, other.m_settings, kCameraWordsFirst, kCameraWordsEnd);
}

int DeviceConfig::CompareVoxSensitivityWords(const DeviceConfig& other) const
{
    return CompareWords(m_settings, other.m_settings, kVoxWordsFirst, kVoxWordsEnd);
}

int DeviceConfig::CompareSmartVolumeControlWords(const DeviceConfig& other) const
{
    return CompareWords(m_settings, other.m_settings, kSmartVolumeWordsFirst, kSmartVolumeWordsEnd);
}

int DeviceConfig::IsModified(const DeviceConfig& other, int fmFlag) const
{
    if (!IsCatalogueProduct(m_modelCode) || kUntrackedProducts.Contains(m_modelCode)) {
        if (m_modelCode == kProductComparingTimings)
            return (m_radioTransmitGain != other.m_radioTransmitGain ||
                    m_audioChannelTimeout != other.m_audioChannelTimeout)
                       ? 1
                       : 0;
        return 0;
    }

    const unsigned compares = ModifiedComparesOf(m_modelCode);
    const bool firmwareFrom1_1 = CompareFirmwareVersion(1, 1) >= 0;
    if ((compares & kCompareConfigWord) && BuildConfigWord() != other.BuildConfigWord())
        return 1;
    if ((compares & kCompareBasicWords) && CompareBasicWords(other) != 0)
        return 1;
    if ((compares & kCompareCameraWords) && CompareCameraWords(other) != 0)
        return 1;
    if ((compares & kCompareSmartVolumeWords) && CompareSmartVolumeControlWords(other) != 0)
        return 1;
    if ((compares & kCompareVoxWords) && CompareVoxSensitivityWords(other) != 0)
        return 1;
    if ((compares & kCompareVoxWordsFrom1_1) && firmwareFrom1_1 && CompareVoxSensitivityWords(other) != 0)
        return 1;

    if (fmFlag) {
        if (kFmTenPresetProducts.Contains(m_modelCode) && FmBlockDiffers(*this, other, kFmPresetCount))
            return 1;
        if (kFmSixPresetProducts.Contains(m_modelCode) && FmBlockDiffers(*this, other, kSixFmPresets))
            return 1;
    }
    return 0;
}

int DeviceConfig::CompareFirmwareVersion(int major, int minor) const
{
    return CompareVersion2(m_firmwareVersion.major, m_firmwareVersion.minor, major, minor);
}

int DeviceConfig::CompareFullVersion(int major, int minor, int kind, int build) const
{
    return CompareVersion4(m_firmwareVersion.major, m_firmwareVersion.minor, m_firmwareVersion.kind,
                           m_firmwareVersion.build, major, minor, kind, build, m_modelCode == kCameraProduct ? 1 : 0);
}

int DeviceConfig::BuildConfigWord() const
{
    const int product = m_modelCode;
    unsigned word = 0;
    auto put = [&word](int bit, bool on) {
        if (on)
            word |= 1u << bit;
    };
    put(0, m_handsfreeVox != 0);
    put(1, m_intercomVox != 0);
    put(2, m_edr != 0);
    put(3, m_voicePrompt != 0);
    put(4, m_plc != 0);
    put(5, m_bitpoolRate != 0);
    put(6, m_microphoneBoost != 0);
    put(8, m_sidetone != 0);
    put(9, m_hushguard != 0);
    put(10, m_autoGainControl != 0 || (kConfigWordGroupA.Contains(product) && m_settings[kAudioBoostWord] != 0));
    const bool hdIntercomProduct =
        kConfigWordGroupB.Contains(product) ||
        (kConfigWordHdIntercomFrom1_1.Contains(product) && CompareFirmwareVersion(1, 1) >= 0);
    put(11, hdIntercomProduct && m_settings[kHdIntercomWord] != 0);
    put(12, kConfigWordGroupC.Contains(product) && m_settings[kFmStationGuideWord] != 0);
    put(13,
        kConfigWordRoutecueProducts.Contains(product) ? m_settings[kRoutecueWord] != 0 : m_settings[kHdVoiceWord] != 0);
    put(14, kConfigWordGroupD.Contains(product) && m_settings[kAudioSourcePriorityWord] != 0);
    put(15, kConfigWordGroupD.Contains(product) && m_settings[kLayertoneWord] != 0);
    return static_cast<int>(word & 0xFFFFu);
}

int DeviceConfig::SetFirmwareVersionText(const std::wstring& text)
{
    return ParseVersion2(text, m_firmwareVersion.major, m_firmwareVersion.minor);
}

// --- Settings-word accessors -------------------------------------------------

int DeviceConfig::GetOverlaySensitivity() const
{
    return m_settings[kOverlaySensitivityWord];
}
void DeviceConfig::SetOverlaySensitivity(int value)
{
    m_settings[kOverlaySensitivityWord] = value;
}

int DeviceConfig::GetPackedVoxSensitivity() const
{
    return ReadNumber(m_settings, kPackedVoxSensitivity, 5, 3);
}
void DeviceConfig::SetPackedVoxSensitivity(int value)
{
    WriteNumber(m_settings, kPackedVoxSensitivity, 5, value);
}

int DeviceConfig::GetPackedSmartVolumeControl() const
{
    if (ReadBit(m_settings, kPackedSmartVolumeInvalidMark))
        return 3;
    return ReadField(m_settings, kPackedSmartVolumeControl);
}

void DeviceConfig::SetPackedSmartVolumeControl(int value)
{
    if (value < 0 || value > 3)
        return;
    WriteBit(m_settings, kPackedSmartVolumeInvalidMark, 0);
    WriteField(m_settings, kPackedSmartVolumeControl, value);
}

int DeviceConfig::GetPackedOverlaySensitivity() const
{
    return ReadNumber(m_settings, kPackedOverlaySensitivity, 5, 3);
}
void DeviceConfig::SetPackedOverlaySensitivity(int value)
{
    WriteNumber(m_settings, kPackedOverlaySensitivity, 5, value);
}

int DeviceConfig::GetVoiceCommandBit() const
{
    return ReadBit(m_settings, kVoiceCommandBit);
}
void DeviceConfig::SetVoiceCommandBit(int value)
{
    WriteBit(m_settings, kVoiceCommandBit, value);
}

int DeviceConfig::GetSmartVolumeControlBits() const
{
    if (ReadField(m_settings, kSmartVolumeInvalidMarks) != 0)
        return 0;
    return ReadField(m_settings, kSmartVolumeControlBits);
}

void DeviceConfig::SetSmartVolumeControlBits(int value)
{
    if (value < 0 || value > 3)
        return;
    WriteField(m_settings, kSmartVolumeInvalidMarks, 0);
    WriteField(m_settings, kSmartVolumeControlBits, value);
}

int DeviceConfig::GetFmStationGuideBit() const
{
    return ReadBit(m_settings, kFmStationGuideBit);
}
void DeviceConfig::SetFmStationGuideBit(int value)
{
    WriteBit(m_settings, kFmStationGuideBit, value);
}
int DeviceConfig::GetEightWayIntercomBit() const
{
    return ReadBit(m_settings, kEightWayIntercomBit);
}
void DeviceConfig::SetEightWayIntercomBit(int value)
{
    WriteBit(m_settings, kEightWayIntercomBit, value);
}
int DeviceConfig::GetAudioBoostBit() const
{
    return ReadBit(m_settings, kAudioBoostBit);
}
void DeviceConfig::SetAudioBoostBit(int value)
{
    WriteBit(m_settings, kAudioBoostBit, value);
}
int DeviceConfig::GetHushguardBit() const
{
    return ReadBit(m_settings, kHushguardBit);
}
void DeviceConfig::SetHushguardBit(int value)
{
    WriteBit(m_settings, kHushguardBit, value);
}
int DeviceConfig::GetLayertoneVolumeManagementBit() const
{
    return ReadBit(m_settings, kLayertoneVolumeManagementBit);
}
void DeviceConfig::SetLayertoneVolumeManagementBit(int value)
{
    WriteBit(m_settings, kLayertoneVolumeManagementBit, value);
}
int DeviceConfig::GetVoicePromptBit() const
{
    return ReadBit(m_settings, kVoicePromptBit);
}
void DeviceConfig::SetVoicePromptBit(int value)
{
    WriteBit(m_settings, kVoicePromptBit, value);
}
int DeviceConfig::GetDualstreamBit() const
{
    return ReadBit(m_settings, kDualstreamBit);
}
void DeviceConfig::SetDualstreamBit(int value)
{
    WriteBit(m_settings, kDualstreamBit, value);
}
int DeviceConfig::GetSidetoneBit() const
{
    return ReadBit(m_settings, kSidetoneBit);
}
void DeviceConfig::SetSidetoneBit(int value)
{
    WriteBit(m_settings, kSidetoneBit, value);
}
int DeviceConfig::GetHdIntercomBit() const
{
    return ReadBit(m_settings, kHdIntercomBit);
}
void DeviceConfig::SetHdIntercomBit(int value)
{
    WriteBit(m_settings, kHdIntercomBit, value);
}
int DeviceConfig::GetVoxPhoneBit() const
{
    return ReadBit(m_settings, kVoxPhoneBit);
}
void DeviceConfig::SetVoxPhoneBit(int value)
{
    WriteBit(m_settings, kVoxPhoneBit, value);
}

int DeviceConfig::GetEssStatus() const
{
    return ReadField(m_settings, kEssStatus);
}

void DeviceConfig::SetEssStatus(int value)
{
    WriteField(m_settings, kEssStatus, 0);
    WriteNumber(m_settings, kEssStatus, 3, value);
}

// A level 1 (low) to 3 (high); anything else stands for the middle.
int DeviceConfig::GetEssSensitivity() const
{
    const int value = ReadField(m_settings, kEssSensitivity);
    return value == 0 ? 2 : value;
}

void DeviceConfig::SetEssSensitivity(int value)
{
    WriteField(m_settings, kEssSensitivity, (value >= 1 && value <= 3) ? value : 2);
}

int DeviceConfig::GetMotionSensorSensitivity() const
{
    return m_settings[kMotionSensorSensitivityWord];
}
void DeviceConfig::SetMotionSensorSensitivity(int value)
{
    m_settings[kMotionSensorSensitivityWord] = value;
}

int DeviceConfig::GetUnitLanguage() const
{
    return ReadNumber(m_settings, kUnitLanguage, 10, 0);
}
void DeviceConfig::SetUnitLanguage(int value)
{
    WriteNumber(m_settings, kUnitLanguage, 10, value);
}

int DeviceConfig::GetChannelSelect() const
{
    if (ReadBit(m_settings, kChannelInvalidMark))
        return 0;
    const int channel = ReadField(m_settings, kChannelSelect);
    return (channel >= 1 && channel <= 5) ? channel : 0;
}

int DeviceConfig::GetPhotoMode() const
{
    return ReadBit(m_settings, kPhotoMode);
}
void DeviceConfig::SetPhotoMode(int value)
{
    WriteBit(m_settings, kPhotoMode, value);
}

// Firmware 2.0 moved the video mode from one switch bit of word 10 to a
// three-way field of word 12.
int DeviceConfig::GetVideoMode() const
{
    if (CompareFirmwareVersion(2, 0) < 0)
        return ReadBit(m_settings, kVideoModeBeforeFirmware2);
    return ReadNumber(m_settings, kVideoModeFromFirmware2, 2, 0);
}

void DeviceConfig::SetVideoMode(int value)
{
    if (CompareFirmwareVersion(2, 0) < 0)
        WriteBit(m_settings, kVideoModeBeforeFirmware2, value);
    else
        WriteNumber(m_settings, kVideoModeFromFirmware2, 2, value);
}

int DeviceConfig::GetVideoResolution() const
{
    return ReadNumber(m_settings, kVideoResolution, 2, 0);
}
void DeviceConfig::SetVideoResolution(int value)
{
    WriteNumber(m_settings, kVideoResolution, 2, value);
}
int DeviceConfig::GetTimelapseInterval() const
{
    return ReadBit(m_settings, kTimelapseInterval);
}
void DeviceConfig::SetTimelapseInterval(int value)
{
    WriteBit(m_settings, kTimelapseInterval, value);
}
int DeviceConfig::GetDateCaption() const
{
    return ReadBit(m_settings, kDateCaption);
}
void DeviceConfig::SetDateCaption(int value)
{
    WriteBit(m_settings, kDateCaption, value);
}
int DeviceConfig::GetSpeakerSoundRecording() const
{
    return ReadBit(m_settings, kSpeakerSoundRecording);
}
void DeviceConfig::SetSpeakerSoundRecording(int value)
{
    WriteBit(m_settings, kSpeakerSoundRecording, value);
}
int DeviceConfig::GetAutoCameraSleep() const
{
    return ReadBit(m_settings, kAutoCameraSleep);
}
void DeviceConfig::SetAutoCameraSleep(int value)
{
    WriteBit(m_settings, kAutoCameraSleep, value);
}
int DeviceConfig::GetRecordMusic() const
{
    return ReadBit(m_settings, kRecordMusic);
}
void DeviceConfig::SetRecordMusic(int value)
{
    WriteBit(m_settings, kRecordMusic, value);
}
int DeviceConfig::GetRecordFmRadio() const
{
    return ReadBit(m_settings, kRecordFmRadio);
}
void DeviceConfig::SetRecordFmRadio(int value)
{
    WriteBit(m_settings, kRecordFmRadio, value);
}
int DeviceConfig::GetRecordIntercom() const
{
    return ReadBit(m_settings, kRecordIntercom);
}
void DeviceConfig::SetRecordIntercom(int value)
{
    WriteBit(m_settings, kRecordIntercom, value);
}
int DeviceConfig::GetRecordPhone() const
{
    return ReadBit(m_settings, kRecordPhone);
}
void DeviceConfig::SetRecordPhone(int value)
{
    WriteBit(m_settings, kRecordPhone, value);
}

int DeviceConfig::AreAllRecordSourcesOff() const
{
    return ReadField(m_settings, kRecordSources) == 0 ? 1 : 0;
}

int DeviceConfig::GetVideoTaggingInterval() const
{
    return ReadNumber(m_settings, kVideoTaggingInterval, 2, 0);
}
void DeviceConfig::SetVideoTaggingInterval(int value)
{
    WriteNumber(m_settings, kVideoTaggingInterval, 2, value);
}
int DeviceConfig::GetLoopRecordingInterval() const
{
    return ReadNumber(m_settings, kLoopRecordingInterval, 2, 0);
}
void DeviceConfig::SetLoopRecordingInterval(int value)
{
    WriteNumber(m_settings, kLoopRecordingInterval, 2, value);
}
int DeviceConfig::GetVideoMicrophoneGain() const
{
    return ReadNumber(m_settings, kVideoMicrophoneGain, 2, 0);
}
void DeviceConfig::SetVideoMicrophoneGain(int value)
{
    WriteNumber(m_settings, kVideoMicrophoneGain, 2, value);
}

int DeviceConfig::GetVoxSensitivity() const
{
    return m_settings[kVoxSensitivityWord];
}
void DeviceConfig::SetVoxSensitivity(int value)
{
    m_settings[kVoxSensitivityWord] = value;
}
int DeviceConfig::GetSmartVolumeControl() const
{
    return m_settings[kSmartVolumeControlWord];
}
void DeviceConfig::SetSmartVolumeControl(int value)
{
    m_settings[kSmartVolumeControlWord] = value;
}

int DeviceConfig::GetPackedVoxPhoneBit() const
{
    return ReadBit(m_settings, kPackedVoxPhoneBit);
}
void DeviceConfig::SetPackedVoxPhoneBit(int value)
{
    WriteBit(m_settings, kPackedVoxPhoneBit, value);
}
int DeviceConfig::GetPackedVoxIntercomBit() const
{
    return ReadBit(m_settings, kPackedVoxIntercomBit);
}
void DeviceConfig::SetPackedVoxIntercomBit(int value)
{
    WriteBit(m_settings, kPackedVoxIntercomBit, value);
}
int DeviceConfig::GetPackedVoicePromptBit() const
{
    return ReadBit(m_settings, kPackedVoicePromptBit);
}
void DeviceConfig::SetPackedVoicePromptBit(int value)
{
    WriteBit(m_settings, kPackedVoicePromptBit, value);
}
int DeviceConfig::GetPackedHighQualityA2dpBit() const
{
    return ReadBit(m_settings, kPackedHighQualityA2dpBit);
}
void DeviceConfig::SetPackedHighQualityA2dpBit(int value)
{
    WriteBit(m_settings, kPackedHighQualityA2dpBit, value);
}
int DeviceConfig::GetPackedSidetoneBit() const
{
    return ReadBit(m_settings, kPackedSidetoneBit);
}
void DeviceConfig::SetPackedSidetoneBit(int value)
{
    WriteBit(m_settings, kPackedSidetoneBit, value);
}
int DeviceConfig::GetPackedHushguardBit() const
{
    return ReadBit(m_settings, kPackedHushguardBit);
}
void DeviceConfig::SetPackedHushguardBit(int value)
{
    WriteBit(m_settings, kPackedHushguardBit, value);
}
int DeviceConfig::GetPackedAudioBoostBit() const
{
    return ReadBit(m_settings, kPackedAudioBoostBit);
}
void DeviceConfig::SetPackedAudioBoostBit(int value)
{
    WriteBit(m_settings, kPackedAudioBoostBit, value);
}
int DeviceConfig::GetPackedHdIntercomBit() const
{
    return ReadBit(m_settings, kPackedHdIntercomBit);
}
void DeviceConfig::SetPackedHdIntercomBit(int value)
{
    WriteBit(m_settings, kPackedHdIntercomBit, value);
}
int DeviceConfig::GetPackedFmStationGuideBit() const
{
    return ReadBit(m_settings, kPackedFmStationGuideBit);
}
void DeviceConfig::SetPackedFmStationGuideBit(int value)
{
    WriteBit(m_settings, kPackedFmStationGuideBit, value);
}
int DeviceConfig::GetPackedGuestModeBit() const
{
    return ReadBit(m_settings, kPackedGuestModeBit);
}
void DeviceConfig::SetPackedGuestModeBit(int value)
{
    WriteBit(m_settings, kPackedGuestModeBit, value);
}
int DeviceConfig::GetPackedLayertoneVolumeManagementBit() const
{
    return ReadBit(m_settings, kPackedLayertoneVolumeManagementBit);
}
void DeviceConfig::SetPackedLayertoneVolumeManagementBit(int value)
{
    WriteBit(m_settings, kPackedLayertoneVolumeManagementBit, value);
}
int DeviceConfig::GetPackedVoiceCommandBit() const
{
    return ReadBit(m_settings, kPackedVoiceCommandBit);
}
void DeviceConfig::SetPackedVoiceCommandBit(int value)
{
    WriteBit(m_settings, kPackedVoiceCommandBit, value);
}
int DeviceConfig::GetPackedBluetoothIntercomDualstreamBit() const
{
    return ReadBit(m_settings, kPackedBluetoothIntercomDualstreamBit);
}
void DeviceConfig::SetPackedBluetoothIntercomDualstreamBit(int value)
{
    WriteBit(m_settings, kPackedBluetoothIntercomDualstreamBit, value);
}
