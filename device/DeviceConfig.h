#pragma once
// The record of one headset: identity, versions and every setting the manager
// can show and write back. A plain value: copy it with CopyFrom, never share it.
//
// The settings words carry many small settings packed into bits in the layout
// the headset firmware uses; the Get/Set accessors below are the only code that
// knows those bit positions.

#include <array>
#include <cstdint>
#include <string>

#include "device/VersionCompare.h"
#include "device/WordString.h"

constexpr int kSettingsWordCount = 32;
constexpr int kFmPresetCount = 10;
constexpr int kSpeedDialCount = 3;

// Manager version that last identified or archived the unit.
struct ManagerVersion {
    int major = 0;
    int minor = 0;
};

// kind 1 marks a release candidate and kind 2 a build number; build is the
// release-candidate or build number. extra is a further version byte that
// identification stores and nothing compares.
struct DeviceVersion {
    int major = 0;
    int minor = 0;
    int kind = 0;
    int build = 0;
    int extra = 0;
};

class DeviceConfig {
public:
    DeviceConfig();

    // Copies every field but the hardware version (text and numbers), the spare
    // text and the fifth version int. Versions (their first four ints) only when
    // copyVersions is non-zero, so a page written back keeps the versions that
    // identification read.
    void CopyFrom(const DeviceConfig& other, int copyVersions);

    // 0 when the group is equal, else this minus other of the first unequal word.
    int CompareBasicWords(const DeviceConfig& other) const;
    int CompareCameraWords(const DeviceConfig& other) const;
    int CompareVoxSensitivityWords(const DeviceConfig& other) const;
    int CompareSmartVolumeControlWords(const DeviceConfig& other) const;

    // 1 when other differs from this record in what this record's product uses;
    // the FM block counts only when fmFlag is non-zero.
    int IsModified(const DeviceConfig& other, int fmFlag) const;

    // Below 0: the record's firmware is older than the arguments.
    int CompareFirmwareVersion(int major, int minor) const;
    int CompareFullVersion(int major, int minor, int kind, int build) const;

    // The 16-bit configuration word the headset keeps for these switches.
    int BuildConfigWord() const;

    // Parses "a.b" into the firmware major and minor; 1 on success, else 0.
    int SetFirmwareVersionText(const std::wstring& text);

    // Factory defaults of a model, applied in place (defined with the per-model
    // defaults tables, in DeviceDefaults.cpp).
    void ApplyBasicDefaults(int productId, int firmwareMajor, int firmwareMinor);
    void ApplyFmRadioDefaults(int productId, int firmwareMajor, int firmwareMinor);
    void ApplySpeedDialDefaults();

    // --- Settings-word accessors ---------------------------------------------
    // One-bit getters return 1 for a set bit; one-bit setters set it for any
    // non-zero argument. Number setters ignore values outside their range.

    // Word 0, whole word.
    int GetOverlaySensitivity() const;
    void SetOverlaySensitivity(int value);

    // Word 1, packed fields.
    int GetPackedVoxSensitivity() const;
    void SetPackedVoxSensitivity(int value);
    int GetPackedSmartVolumeControl() const;
    void SetPackedSmartVolumeControl(int value);
    int GetPackedOverlaySensitivity() const;
    void SetPackedOverlaySensitivity(int value);

    // Word 2, the flag word.
    int GetVoiceCommandBit() const;
    void SetVoiceCommandBit(int value);
    int GetSmartVolumeControlBits() const;
    void SetSmartVolumeControlBits(int value);
    int GetFmStationGuideBit() const;
    void SetFmStationGuideBit(int value);
    int GetEightWayIntercomBit() const;
    void SetEightWayIntercomBit(int value);
    int GetAudioBoostBit() const;
    void SetAudioBoostBit(int value);
    int GetHushguardBit() const;
    void SetHushguardBit(int value);
    int GetLayertoneVolumeManagementBit() const;
    void SetLayertoneVolumeManagementBit(int value);
    int GetVoicePromptBit() const;
    void SetVoicePromptBit(int value);
    int GetDualstreamBit() const;
    void SetDualstreamBit(int value);
    int GetSidetoneBit() const;
    void SetSidetoneBit(int value);
    int GetHdIntercomBit() const;
    void SetHdIntercomBit(int value);
    int GetVoxPhoneBit() const;
    void SetVoxPhoneBit(int value);

    // Word 2 bits 0-3 of the products that keep ESS there instead.
    int GetEssStatus() const;
    void SetEssStatus(int value);
    int GetEssSensitivity() const;
    void SetEssSensitivity(int value);

    // Word 3: one whole level, or unit language and channel.
    int GetMotionSensorSensitivity() const;
    void SetMotionSensorSensitivity(int value);
    int GetUnitLanguage() const;
    void SetUnitLanguage(int value);
    int GetChannelSelect() const;

    // Words 10 and 12, the camera.
    int GetPhotoMode() const;
    void SetPhotoMode(int value);
    int GetVideoMode() const;
    void SetVideoMode(int value);
    int GetVideoResolution() const;
    void SetVideoResolution(int value);
    int GetTimelapseInterval() const;
    void SetTimelapseInterval(int value);
    int GetDateCaption() const;
    void SetDateCaption(int value);
    int GetSpeakerSoundRecording() const;
    void SetSpeakerSoundRecording(int value);
    int GetAutoCameraSleep() const;
    void SetAutoCameraSleep(int value);
    int GetRecordMusic() const;
    void SetRecordMusic(int value);
    int GetRecordFmRadio() const;
    void SetRecordFmRadio(int value);
    int GetRecordIntercom() const;
    void SetRecordIntercom(int value);
    int GetRecordPhone() const;
    void SetRecordPhone(int value);
    int AreAllRecordSourcesOff() const;
    int GetVideoTaggingInterval() const;
    void SetVideoTaggingInterval(int value);
    int GetLoopRecordingInterval() const;
    void SetLoopRecordingInterval(int value);
    int GetVideoMicrophoneGain() const;
    void SetVideoMicrophoneGain(int value);

    // Words 14 and 16, whole words.
    int GetVoxSensitivity() const;
    void SetVoxSensitivity(int value);
    int GetSmartVolumeControl() const;
    void SetSmartVolumeControl(int value);

    // Single bits of words 0 and 1 of the 0x31xx products (0x3110, 0x3112,
    // 0x3114, 0x3116, 0x3118, 0x3124, 0x3126). Which state of the feature a set
    // bit stands for is the settings pages' business.
    int GetPackedVoxPhoneBit() const; // word 0 bit 0
    void SetPackedVoxPhoneBit(int value);
    int GetPackedVoxIntercomBit() const; // word 0 bit 1
    void SetPackedVoxIntercomBit(int value);
    int GetPackedVoicePromptBit() const; // word 0 bit 3
    void SetPackedVoicePromptBit(int value);
    int GetPackedHighQualityA2dpBit() const; // word 0 bit 5
    void SetPackedHighQualityA2dpBit(int value);
    int GetPackedSidetoneBit() const; // word 0 bit 8
    void SetPackedSidetoneBit(int value);
    int GetPackedHushguardBit() const; // word 0 bit 9
    void SetPackedHushguardBit(int value);
    int GetPackedAudioBoostBit() const; // word 0 bit 10
    void SetPackedAudioBoostBit(int value);
    int GetPackedHdIntercomBit() const; // word 0 bit 11
    void SetPackedHdIntercomBit(int value);
    int GetPackedFmStationGuideBit() const; // word 0 bit 12
    void SetPackedFmStationGuideBit(int value);
    int GetPackedGuestModeBit() const; // word 0 bit 15
    void SetPackedGuestModeBit(int value);
    int GetPackedLayertoneVolumeManagementBit() const; // word 1 bit 6
    void SetPackedLayertoneVolumeManagementBit(int value);
    int GetPackedVoiceCommandBit() const; // word 1 bit 10
    void SetPackedVoiceCommandBit(int value);
    int GetPackedBluetoothIntercomDualstreamBit() const; // word 1 bit 11
    void SetPackedBluetoothIntercomDualstreamBit(int value);

    // --- Fields, in the order the rest of the manager knows them -------------
    ManagerVersion m_managerVersion;
    int m_modelCode = 0; // product id, e.g. 0x4D10
    std::wstring m_bdAddress;
    std::wstring m_hardwareVersion; // display text; never copied
    std::wstring m_deviceName;
    std::wstring m_spareText; // carried, never copied
    DeviceVersion m_firmwareVersion;
    DeviceVersion m_chipVersion1; // first command channel
    DeviceVersion m_chipVersion2; // second command channel (two-chip models)
    int m_hardwareVersionMajor = 0;
    int m_hardwareVersionMinor = 0;
    std::int64_t m_archivedAt = 0; // seconds since 1970-01-01 UTC
    int m_handsfreeVox = 0;
    int m_intercomVox = 0;
    int m_edr = 0;
    int m_voicePrompt = 0;
    int m_plc = 0;
    int m_bitpoolRate = 0;
    int m_microphoneBoost = 0;
    int m_sidetone = 0;
    int m_hushguard = 0;
    int m_autoGainControl = 0;
    int m_radioTransmitGain = 0;   // 12, 15 or 17
    int m_audioChannelTimeout = 0; // seconds
    int m_settings[kSettingsWordCount] = {};
    int m_fmRegion = 0;           // 0 to 5
    int m_fmMagicCode = 0;        // 0x56E9 or 0x66E9
    int m_fmCurrentFrequency = 0; // 10 kHz units
    int m_fmCurrentPreset = 0;
    int m_fmPresets[kFmPresetCount] = {}; // 10 kHz units, 0 = empty
    int m_fmRds = 0;
    std::array<std::wstring, kSpeedDialCount> m_speedDial;
};
