#include <string>

#include <gtest/gtest.h>

#include "device/DeviceConfig.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

using Getter = int (DeviceConfig::*)() const;
using Setter = void (DeviceConfig::*)(int);

// Every word filled with a pattern, so that a stray write anywhere shows.
DeviceConfig Patterned(int pattern)
{
    DeviceConfig record;
    for (int i = 0; i < kSettingsWordCount; ++i)
        record.m_settings[i] = pattern ^ (i * 0x1111);
    return record;
}

void ExpectOnlyWordChanged(const DeviceConfig& before, const DeviceConfig& after, int word, int mask)
{
    for (int i = 0; i < kSettingsWordCount; ++i) {
        if (i == word)
            EXPECT_EQ(before.m_settings[i] & ~mask, after.m_settings[i] & ~mask) << "bits outside the field of word " << i;
        else
            EXPECT_EQ(before.m_settings[i], after.m_settings[i]) << "word " << i;
    }
}

struct BitCase {
    const char* name;
    Getter get;
    Setter set;
    int word;
    int bit;
};

#define BIT(name, word, bit) {#name, &DeviceConfig::Get##name, &DeviceConfig::Set##name, word, bit}

const BitCase kBitCases[] = {
    BIT(VoiceCommandBit, 2, 0),
    BIT(FmStationGuideBit, 2, 5),
    BIT(EightWayIntercomBit, 2, 6),
    BIT(AudioBoostBit, 2, 7),
    BIT(HushguardBit, 2, 8),
    BIT(LayertoneVolumeManagementBit, 2, 9),
    BIT(VoicePromptBit, 2, 10),
    BIT(DualstreamBit, 2, 11),
    BIT(SidetoneBit, 2, 12),
    BIT(HdIntercomBit, 2, 13),
    BIT(VoxPhoneBit, 2, 15),
    BIT(PhotoMode, 10, 0),
    BIT(TimelapseInterval, 10, 4),
    BIT(DateCaption, 10, 5),
    BIT(SpeakerSoundRecording, 10, 6),
    BIT(AutoCameraSleep, 10, 7),
    BIT(RecordMusic, 10, 8),
    BIT(RecordFmRadio, 10, 9),
    BIT(RecordIntercom, 10, 10),
    BIT(RecordPhone, 10, 11),
    BIT(PackedVoxPhoneBit, 0, 0),
    BIT(PackedVoxIntercomBit, 0, 1),
    BIT(PackedVoicePromptBit, 0, 3),
    BIT(PackedHighQualityA2dpBit, 0, 5),
    BIT(PackedSidetoneBit, 0, 8),
    BIT(PackedHushguardBit, 0, 9),
    BIT(PackedAudioBoostBit, 0, 10),
    BIT(PackedHdIntercomBit, 0, 11),
    BIT(PackedFmStationGuideBit, 0, 12),
    BIT(PackedGuestModeBit, 0, 15),
    BIT(PackedLayertoneVolumeManagementBit, 1, 6),
    BIT(PackedVoiceCommandBit, 1, 10),
    BIT(PackedBluetoothIntercomDualstreamBit, 1, 11),
};

TEST(OneBitAccessors, SetForAnyNonZeroArgumentAndTouchOnlyTheirBit)
{
    for (const BitCase& c : kBitCases) {
        SCOPED_TRACE(c.name);
        for (int pattern : {0, 0x5A5A5A5A, -1}) {
            for (int argument : {1, 2, -1, 0x10000}) {
                DeviceConfig record = Patterned(pattern);
                const DeviceConfig before = record;
                (record.*c.set)(argument);
                EXPECT_EQ(1, (record.m_settings[c.word] >> c.bit) & 1);
                EXPECT_EQ(1, (record.*c.get)());
                ExpectOnlyWordChanged(before, record, c.word, 1 << c.bit);

                (record.*c.set)(0);
                EXPECT_EQ(0, (record.m_settings[c.word] >> c.bit) & 1);
                EXPECT_EQ(0, (record.*c.get)());
                ExpectOnlyWordChanged(before, record, c.word, 1 << c.bit);
            }
        }
    }
}

struct WholeWordCase {
    const char* name;
    Getter get;
    Setter set;
    int word;
};

TEST(WholeWordAccessors, StoreTheArgumentUnchanged)
{
    const WholeWordCase cases[] = {
        {"OverlaySensitivity", &DeviceConfig::GetOverlaySensitivity, &DeviceConfig::SetOverlaySensitivity, 0},
        {"MotionSensorSensitivity", &DeviceConfig::GetMotionSensorSensitivity, &DeviceConfig::SetMotionSensorSensitivity, 3},
        {"VoxSensitivity", &DeviceConfig::GetVoxSensitivity, &DeviceConfig::SetVoxSensitivity, 14},
        {"SmartVolumeControl", &DeviceConfig::GetSmartVolumeControl, &DeviceConfig::SetSmartVolumeControl, 16},
    };
    for (const WholeWordCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int value : {0, 5, 0xFFFF, 0x12345, -7}) {
            DeviceConfig record = Patterned(0x3C3C);
            const DeviceConfig before = record;
            (record.*c.set)(value);
            EXPECT_EQ(value, record.m_settings[c.word]);
            EXPECT_EQ(value, (record.*c.get)());
            ExpectOnlyWordChanged(before, record, c.word, -1);
        }
    }
}

// A bit-number field: every raw pattern's reading, and what each argument stores.
struct NumberCase {
    const char* name;
    Getter get;
    Setter set;
    int word;
    int shift;
    int width;
    int firstValid;
    int lastValid;
    int invalidReadsAs;
};

TEST(NumberAccessors, ReadInvalidPatternsAsTheirFixedValueAndIgnoreInvalidArguments)
{
    const NumberCase cases[] = {
        {"PackedVoxSensitivity", &DeviceConfig::GetPackedVoxSensitivity, &DeviceConfig::SetPackedVoxSensitivity, 1, 0, 3, 0, 5, 3},
        {"PackedOverlaySensitivity", &DeviceConfig::GetPackedOverlaySensitivity, &DeviceConfig::SetPackedOverlaySensitivity, 1, 7, 3, 0, 5, 3},
        {"UnitLanguage", &DeviceConfig::GetUnitLanguage, &DeviceConfig::SetUnitLanguage, 3, 0, 4, 0, 10, 0},
        {"VideoResolution", &DeviceConfig::GetVideoResolution, &DeviceConfig::SetVideoResolution, 10, 2, 2, 0, 2, 0},
        {"VideoTaggingInterval", &DeviceConfig::GetVideoTaggingInterval, &DeviceConfig::SetVideoTaggingInterval, 12, 0, 2, 0, 2, 0},
        {"LoopRecordingInterval", &DeviceConfig::GetLoopRecordingInterval, &DeviceConfig::SetLoopRecordingInterval, 12, 2, 2, 0, 2, 0},
        {"VideoMicrophoneGain", &DeviceConfig::GetVideoMicrophoneGain, &DeviceConfig::SetVideoMicrophoneGain, 12, 4, 2, 0, 2, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int fieldMask = ((1 << c.width) - 1) << c.shift;
        for (int raw = 0; raw < (1 << c.width); ++raw) {
            DeviceConfig record = Patterned(0x7E7E);
            record.m_settings[c.word] = (record.m_settings[c.word] & ~fieldMask) | (raw << c.shift);
            const bool valid = raw >= c.firstValid && raw <= c.lastValid;
            EXPECT_EQ(valid ? raw : c.invalidReadsAs, (record.*c.get)()) << "raw " << raw;
        }
        for (int argument = -2; argument <= (1 << c.width) + 1; ++argument) {
            DeviceConfig record = Patterned(0x6B6B);
            const DeviceConfig before = record;
            (record.*c.set)(argument);
            if (argument >= c.firstValid && argument <= c.lastValid) {
                EXPECT_EQ(argument, (record.m_settings[c.word] & fieldMask) >> c.shift) << "argument " << argument;
                EXPECT_EQ(argument, (record.*c.get)());
                ExpectOnlyWordChanged(before, record, c.word, fieldMask);
            } else {
                ExpectOnlyWordChanged(before, record, c.word, 0);
            }
        }
    }
}

TEST(PackedSmartVolumeControl, BitFiveMarksAnInvalidValue)
{
    DeviceConfig record;
    record.m_settings[1] = 1 << 5;
    EXPECT_EQ(3, record.GetPackedSmartVolumeControl());
    record.m_settings[1] = (1 << 5) | (1 << 3);
    EXPECT_EQ(3, record.GetPackedSmartVolumeControl());

    record.m_settings[1] = (1 << 5) | (1 << 3) | 0x7;
    record.SetPackedSmartVolumeControl(2);
    EXPECT_EQ((1 << 4) | 0x7, record.m_settings[1]);
    EXPECT_EQ(2, record.GetPackedSmartVolumeControl());

    record.SetPackedSmartVolumeControl(4);
    record.SetPackedSmartVolumeControl(-1);
    EXPECT_EQ((1 << 4) | 0x7, record.m_settings[1]);
}

TEST(SmartVolumeControlBits, BitsThreeAndFourMarkAnInvalidValue)
{
    DeviceConfig record;
    for (int mark : {1 << 3, 1 << 4}) {
        record.m_settings[2] = mark | (3 << 1);
        EXPECT_EQ(0, record.GetSmartVolumeControlBits());
    }
    record.m_settings[2] = (1 << 4) | (1 << 3) | 1 | (1 << 5);
    record.SetSmartVolumeControlBits(3);
    EXPECT_EQ(1 | (3 << 1) | (1 << 5), record.m_settings[2]);
    EXPECT_EQ(3, record.GetSmartVolumeControlBits());
    record.SetSmartVolumeControlBits(4);
    EXPECT_EQ(1 | (3 << 1) | (1 << 5), record.m_settings[2]);
}

TEST(ChannelSelect, ReadsOneToFiveUnlessBitNineIsSet)
{
    for (int raw = 0; raw < 8; ++raw) {
        DeviceConfig record;
        record.m_settings[3] = (raw << 6) | 0xF;
        EXPECT_EQ(raw >= 1 && raw <= 5 ? raw : 0, record.GetChannelSelect()) << "raw " << raw;
        record.m_settings[3] |= 1 << 9;
        EXPECT_EQ(0, record.GetChannelSelect()) << "raw " << raw;
    }
}

TEST(EssFields, InvalidValuesClearTheStatusAndStoreTheMiddleSensitivity)
{
    DeviceConfig record;
    record.m_settings[2] = 0xFFF0;
    for (int value = 0; value <= 3; ++value) {
        record.SetEssStatus(value);
        EXPECT_EQ(value, record.GetEssStatus());
        EXPECT_EQ(0xFFF0, record.m_settings[2] & ~0x3);
    }
    record.SetEssStatus(4);
    EXPECT_EQ(0, record.GetEssStatus());
    record.SetEssStatus(3);
    record.SetEssStatus(-1);
    EXPECT_EQ(0xFFF0, record.m_settings[2]);

    record.m_settings[2] = 0xFFF3;
    EXPECT_EQ(2, record.GetEssSensitivity());  // neither bit set reads as the middle
    for (int value = 1; value <= 3; ++value) {
        record.SetEssSensitivity(value);
        EXPECT_EQ(value, record.GetEssSensitivity());
        EXPECT_EQ(value << 2, record.m_settings[2] & 0xC);
        EXPECT_EQ(0xFFF3, record.m_settings[2] & ~0xC);
    }
    for (int value : {0, 4, -1}) {
        record.SetEssSensitivity(1);
        record.SetEssSensitivity(value);
        EXPECT_EQ(0x8, record.m_settings[2] & 0xC) << "value " << value;
        EXPECT_EQ(2, record.GetEssSensitivity());
    }
}

TEST(VideoMode, SwitchesLayoutAtFirmwareTwo)
{
    DeviceConfig old;
    old.m_firmwareVersion = DeviceVersion{1, 9, 0, 0, 0};
    old.m_settings[12] = 0x3F;
    old.SetVideoMode(2);
    EXPECT_EQ(1 << 1, old.m_settings[10]);
    EXPECT_EQ(0x3F, old.m_settings[12]);
    EXPECT_EQ(1, old.GetVideoMode());
    old.SetVideoMode(0);
    EXPECT_EQ(0, old.m_settings[10]);

    DeviceConfig current;
    current.m_firmwareVersion = DeviceVersion{2, 0, 1, 1, 0};  // a 2.0 release candidate is 2.0 here
    current.m_settings[12] = 0x3F;
    current.SetVideoMode(2);
    EXPECT_EQ(0x3F | (1 << 7), current.m_settings[12]);
    EXPECT_EQ(0, current.m_settings[10]);
    EXPECT_EQ(2, current.GetVideoMode());
    current.SetVideoMode(3);
    current.SetVideoMode(-1);
    EXPECT_EQ(2, current.GetVideoMode());
    current.m_settings[12] |= 3 << 6;
    EXPECT_EQ(0, current.GetVideoMode());
}

TEST(RecordSources, AllOffOnlyWhenNoSourceBitIsSet)
{
    DeviceConfig record;
    record.m_settings[10] = 0xF0FF;  // every camera bit but the sources
    EXPECT_EQ(1, record.AreAllRecordSourcesOff());
    const Setter sources[] = {&DeviceConfig::SetRecordMusic, &DeviceConfig::SetRecordFmRadio,
                              &DeviceConfig::SetRecordIntercom, &DeviceConfig::SetRecordPhone};
    for (Setter set : sources) {
        (record.*set)(1);
        EXPECT_EQ(0, record.AreAllRecordSourcesOff());
        (record.*set)(0);
        EXPECT_EQ(1, record.AreAllRecordSourcesOff());
    }
}

} // namespace
