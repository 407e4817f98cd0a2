// The change rules of the camera headset 0x5510 and of the bit-word units 0x3110 to 0x3118, row
// by row in each range: the camera's check boxes and drop-downs (its photo and video fields in
// words 10 and 12, Video Mode with two items below 2.0 and three from it), the bit-word units'
// single bits of words 0 and 1 and their packed drop-down fields. The recording master and its
// sources, and Channel Select, have tests of their own; here only their help is held.

#include <gtest/gtest.h>

#include "FamilyRuleTable.h"

namespace {

using namespace family_rules;

// clang-format off
#define HEADSET_ROWS \
    "w18- | AudioBoost(Audio Boost) 150; m_voxPhone+ | VoxPhone 150; m_voxIntercom+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
#define RECORDING_ROWS \
    "w10.5+ | DateCaption 170;" \
    "x | SpeakerSoundRecording(Speaker Sound Recording,Speaker Sound Recording) 190;" \
    "x | none; x | none; x | none; x | none;" \
    "w10.7+ | AutoCameraSleep(Auto Camera Sleep,Auto Camera Sleep) 200"
#define CAMERA_FROM_2_0_ROWS \
    "dd w10.0:1 i | PhotoMode 170; dd w12.6:2 i | VideoModeThree 250; dd w10.2:2 i | VideoResolution 160;" \
    "dd w10.4:1 i | Timelapse 160; dd w12.0:2 i | VideoTagging 160; dd w12.2:2 i | LoopRecording 160;" \
    "dd w12.4:2 i | VideoMicGain 160;" RECORDING_ROWS

const FamilyLine kCameraLines[] = {
    {"0x5510", "0.1 1.0 1.9",
     HEADSET_ROWS "m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160;"
     "m_hushguard- | Hushguard(Hushguard) 160;"
     "dd w10.0:1 i | PhotoMode 170; dd w10.1:1 i | VideoModeTwo 190; dd w10.2:2 i | VideoResolution 160;"
     "dd w10.4:1 i | Timelapse 160;" RECORDING_ROWS,
     true, true},
    {"0x5510", "2.0 2.1",
     HEADSET_ROWS "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; m_highQualityA2dp+ | HighQualityA2dp 160;"
     "m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160;" CAMERA_FROM_2_0_ROWS,
     true, true},
    {"0x5510", "2.2 2.10",
     HEADSET_ROWS "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190;"
     "m_highQualityA2dp+ | HighQualityA2dp 160; m_sidetone+ | Sidetone 160; m_hushguard- | Hushguard(Hushguard) 160;"
     CAMERA_FROM_2_0_ROWS,
     true, true},
    {"0x5510", "3.0 3.5",
     HEADSET_ROWS "w23+ ^4,5,6 | DualstreamFull 280; dd w22 i | AudioSourcePriority 230; w21+ | HdVoice 160;"
     "w19+ | HdIntercom(HD Intercom) 160; m_voicePrompt- | VoicePrompt 130; w20+ | FmStationGuide 190; m_sidetone+ | Sidetone 160;"
     "m_hushguard- | Hushguard(Hushguard) 160;" CAMERA_FROM_2_0_ROWS,
     true, true},
};

// Words 0 and 1 of the bit-word units; lists A to E by the rows they show.
#define AUDIO_VOX_ROWS \
    "w0.10- | AudioBoost(Audio Boost) 150; w0.0+ | VoxPhone 150; w0.1+ | VoxIntercom(VOX Intercom,VOX Intercom) 230;"
#define FROM_HD_INTERCOM_ROWS \
    "w0.11+ | HdIntercom(HD Intercom) 160; w0.3- | VoicePrompt 130; w0.5+ | HighQualityA2dp 160; w0.8+ | Sidetone 160;" \
    "w0.9- | Hushguard(Hushguard) 160; w0.12+ | FmStationGuide 190; w0.15+ | GuestMode 260;" \
    "dd w1.0:3 i+1 | VoxDefault3 180; dd w1.3:2 i | SmartVolume 170; w1.6+ | LayertoneVolumeManagement 220;" \
    "dd w1.7:3 i+1 | OverlayAllSources 240; w1.10+ | VoiceCommand 180"
#define LIST_A AUDIO_VOX_ROWS FROM_HD_INTERCOM_ROWS
#define LIST_B AUDIO_VOX_ROWS "w1.11+ ^4 | IntercomDualstream 280;" FROM_HD_INTERCOM_ROWS
#define LIST_C "dd w3.0:4 i | UnitLanguage 180;" AUDIO_VOX_ROWS "w1.11+ ^5 | IntercomDualstream 280;" FROM_HD_INTERCOM_ROWS

const FamilyLine kBitWordLines[] = {
    {"0x3110", "0.1 1.0", LIST_A, true, false},
    {"0x3110", "1.1 2.0", LIST_B, true, false},
    {"0x3110", "2.1", LIST_C, true, false},
    {"0x3110", "2.2 3.0", LIST_C "; x | none", true, false},
    {"0x3112 0x3114", "1.0", LIST_A, true, false},
    {"0x3112 0x3114", "1.1 2.1 2.2", LIST_B, true, false},
    {"0x3124 0x3126", "0.1 2.2", LIST_B, true, false},
    {"0x3116", "1.0 2.2", LIST_C, true, false},
    {"0x3118", "1.0 2.2",
     "dd w3.0:4 i | UnitLanguage 180; w0.10- | AudioBoost(Audio Boost) 150; w0.0+ | VoxPhone 150;"
     "w0.11+ | HdIntercom(HD Intercom) 160; w0.3- | VoicePrompt 130; w0.9- | Hushguard(Hushguard) 160;"
     "w0.12+ | FmStationGuide 190; dd w1.0:3 i+1 | VoxDefault3 180; w1.6+ | LayertoneVolumeManagement 220;"
     "dd w1.7:3 i+1 | OverlayAllSources 240",
     true, false},
};
#undef HEADSET_ROWS
#undef RECORDING_ROWS
#undef CAMERA_FROM_2_0_ROWS
#undef AUDIO_VOX_ROWS
#undef FROM_HD_INTERCOM_ROWS
#undef LIST_A
#undef LIST_B
#undef LIST_C
// clang-format on

} // namespace

TEST(GridRules5510And31xx, TheCameraRowByRowInEachRange)
{
    for (const FamilyLine& line : kCameraLines)
        CheckFamilyLine(line);
}

TEST(GridRules5510And31xx, TheBitWordUnitsRowByRowInEachRange)
{
    for (const FamilyLine& line : kBitWordLines)
        CheckFamilyLine(line);
}
