#include "settings/ClassicLayout.h"

#include "device/DeviceConfig.h"
#include "res/resource.h"
#include "settings/GridRowCatalogue.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAudioBoostWord = 18;
constexpr int kTimeoutMin = 3;
constexpr int kTimeoutMax = 60;

// The stored value of each row, and how a choice on the page lands in the record. VOX Phone and
// Sidetone of the flag-word models live in settings word 2; the other models keep option ints.
int ReadNothing(const DeviceConfig&, int)
{
    return 0;
}
void StoreNothing(DeviceConfig&, int, int) {}

int ReadVoxPhone(const DeviceConfig& c, int productId)
{
    return IsFlagWordModel(productId) ? c.GetVoxPhoneBit() : c.m_handsfreeVox;
}
void StoreVoxPhone(DeviceConfig& c, int productId, int enable)
{
    if (IsFlagWordModel(productId))
        c.SetVoxPhoneBit(enable);
    else
        c.m_handsfreeVox = enable ? 1 : 0;
}
int ReadSidetone(const DeviceConfig& c, int productId)
{
    return IsFlagWordModel(productId) ? c.GetSidetoneBit() : c.m_sidetone;
}
void StoreSidetone(DeviceConfig& c, int productId, int enable)
{
    if (IsFlagWordModel(productId))
        c.SetSidetoneBit(enable);
    else
        c.m_sidetone = enable ? 1 : 0;
}

// Settings stored as 1 for on.
int ReadVoxIntercom(const DeviceConfig& c, int)
{
    return c.m_intercomVox;
}
void StoreVoxIntercom(DeviceConfig& c, int, int enable)
{
    c.m_intercomVox = enable ? 1 : 0;
}
int ReadPlc(const DeviceConfig& c, int)
{
    return c.m_plc;
}
void StorePlc(DeviceConfig& c, int, int enable)
{
    c.m_plc = enable ? 1 : 0;
}
int ReadA2dp(const DeviceConfig& c, int)
{
    return c.m_bitpoolRate;
}
void StoreA2dp(DeviceConfig& c, int, int enable)
{
    c.m_bitpoolRate = enable ? 1 : 0;
}
int ReadMicBoost(const DeviceConfig& c, int)
{
    return c.m_microphoneBoost;
}
void StoreMicBoost(DeviceConfig& c, int, int enable)
{
    c.m_microphoneBoost = enable ? 1 : 0;
}
int ReadDualstream(const DeviceConfig& c, int)
{
    return c.GetDualstreamBit();
}
void StoreDualstream(DeviceConfig& c, int, int enable)
{
    c.SetDualstreamBit(enable);
}
int ReadNavApp(const DeviceConfig& c, int)
{
    return c.GetLayertoneVolumeManagementBit();
}
void StoreNavApp(DeviceConfig& c, int, int enable)
{
    c.SetLayertoneVolumeManagementBit(enable);
}

// Settings stored as 1 for off. EDR means the same on every firmware: 1 is off, as the
// configuration word and the writer take it.
int ReadEdr(const DeviceConfig& c, int)
{
    return c.m_edr;
}
void StoreEdr(DeviceConfig& c, int, int enable)
{
    c.m_edr = enable ? 0 : 1;
}
int ReadHushguard(const DeviceConfig& c, int)
{
    return c.m_hushguard;
}
void StoreHushguard(DeviceConfig& c, int, int enable)
{
    c.m_hushguard = enable ? 0 : 1;
}
int ReadAgc(const DeviceConfig& c, int)
{
    return c.m_autoGainControl;
}
void StoreAgc(DeviceConfig& c, int, int enable)
{
    c.m_autoGainControl = enable ? 0 : 1;
}
int ReadAudioBoost(const DeviceConfig& c, int)
{
    return c.m_settings[kAudioBoostWord];
}
void StoreAudioBoost(DeviceConfig& c, int, int enable)
{
    c.m_settings[kAudioBoostWord] = enable ? 0 : 1;
}

// Combos: the choice is the list selection.
int ReadMotion(const DeviceConfig& c, int)
{
    return c.GetMotionSensorSensitivity();
}
void StoreMotion(DeviceConfig& c, int, int selection)
{
    c.SetMotionSensorSensitivity(selection + 1);
}
int ReadOverlay(const DeviceConfig& c, int)
{
    return c.GetOverlaySensitivity();
}
void StoreOverlay(DeviceConfig& c, int, int selection)
{
    c.SetOverlaySensitivity(10 - selection);
}

// The gain triple's choice is the button's place (Low, Medium, High); the timeout's the seconds.
int ReadGain(const DeviceConfig& c, int)
{
    return c.m_radioTransmitGain;
}
void StoreGain(DeviceConfig& c, int, int place)
{
    static const int kGains[3] = {12, 15, 17};
    if (place >= 0 && place < 3)
        c.m_radioTransmitGain = kGains[place];
}
int ReadTimeout(const DeviceConfig& c, int)
{
    return c.m_audioChannelTimeout;
}
void StoreTimeout(DeviceConfig& c, int, int seconds)
{
    c.m_audioChannelTimeout = std::clamp(seconds, kTimeoutMin, kTimeoutMax);
}

using K = ClassicValueKind;
using R = ClassicRow;

// The rows are aligned by hand, to be read against each other.
// clang-format off
const std::vector<ClassicRowControls> g_rows = {
    // row                       name                              controls placed together                                                                   enable                   combo              kind               read             store
    {R::Buttons,                 "buttons",                        {IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL},                                               0,                       0,                 K::None,           ReadNothing,     StoreNothing},
    {R::MoreSettings,            "MORE SETTINGS",                  {IDC_MORE_SETTINGS},                                                                       0,                       0,                 K::None,           ReadNothing,     StoreNothing},
    {R::VoxPhone,                "VOX Phone",                      {IDC_VOX_PHONE_LABEL, IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE},                        IDC_VOX_PHONE_ENABLE,    0,                 K::EnableWhenSet,  ReadVoxPhone,    StoreVoxPhone},
    {R::VoxIntercom,             "VOX Intercom",                   {IDC_VOX_INTERCOM_LABEL, IDC_VOX_INTERCOM_ENABLE, IDC_VOX_INTERCOM_DISABLE},               IDC_VOX_INTERCOM_ENABLE, 0,                 K::EnableWhenSet,  ReadVoxIntercom, StoreVoxIntercom},
    {R::Edr,                     "EDR",                            {IDC_EDR_LABEL, IDC_EDR_ENABLE, IDC_EDR_DISABLE, IDC_EDR_HELP},                            IDC_EDR_ENABLE,          0,                 K::EnableWhenZero, ReadEdr,         StoreEdr},
    {R::EdrNotice,               "EDR notice",                     {IDC_EDR_NOTICE},                                                                          0,                       0,                 K::None,           ReadNothing,     StoreNothing},
    {R::Plc,                     "PLC",                            {IDC_PLC_LABEL, IDC_PLC_ENABLE, IDC_PLC_DISABLE, IDC_PLC_HELP},                            IDC_PLC_ENABLE,          0,                 K::EnableWhenSet,  ReadPlc,         StorePlc},
    {R::HighQualityA2dp,         "High Quality A2DP",              {IDC_A2DP_LABEL, IDC_A2DP_ENABLE, IDC_A2DP_DISABLE, IDC_A2DP_HELP},                        IDC_A2DP_ENABLE,         0,                 K::EnableWhenSet,  ReadA2dp,        StoreA2dp},
    {R::MicrophoneBoosting,      "Microphone Boosting",            {IDC_MIC_BOOST_LABEL, IDC_MIC_BOOST_ENABLE, IDC_MIC_BOOST_DISABLE, IDC_MIC_BOOST_HELP},    IDC_MIC_BOOST_ENABLE,    0,                 K::EnableWhenSet,  ReadMicBoost,    StoreMicBoost},
    {R::Sidetone,                "Sidetone",                       {IDC_SIDETONE_LABEL, IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE, IDC_SIDETONE_HELP},        IDC_SIDETONE_ENABLE,     0,                 K::EnableWhenSet,  ReadSidetone,    StoreSidetone},
    {R::Hushguard,               "Hushguard",                      {IDC_HUSHGUARD_LABEL, IDC_HUSHGUARD_ENABLE, IDC_HUSHGUARD_DISABLE, IDC_HUSHGUARD_HELP},    IDC_HUSHGUARD_ENABLE,    0,                 K::EnableWhenZero, ReadHushguard,   StoreHushguard},
    {R::AutoGainControl,         "Auto Gain Control",              {IDC_AGC_LABEL, IDC_AGC_ENABLE, IDC_AGC_DISABLE, IDC_AGC_HELP},                            IDC_AGC_ENABLE,          0,                 K::EnableWhenZero, ReadAgc,         StoreAgc},
    {R::AudioBoost,              "Audio Boost",                    {IDC_AUDIO_BOOST_LABEL, IDC_AUDIO_BOOST_ENABLE, IDC_AUDIO_BOOST_DISABLE, IDC_AUDIO_BOOST_HELP}, IDC_AUDIO_BOOST_ENABLE, 0,              K::EnableWhenZero, ReadAudioBoost,  StoreAudioBoost},
    {R::MotionSensorSensitivity, "Motion Sensor Sensitivity",      {IDC_MOTION_LABEL, IDC_MOTION_COMBO, IDC_MOTION_HELP},                                     0,                       IDC_MOTION_COMBO,  K::ComboMinusOne,  ReadMotion,      StoreMotion},
    {R::Dualstream,              "Dualstream",                     {IDC_DUALSTREAM_LABEL, IDC_DUALSTREAM_ENABLE, IDC_DUALSTREAM_DISABLE, IDC_DUALSTREAM_HELP}, IDC_DUALSTREAM_ENABLE, 0,                 K::EnableWhenSet,  ReadDualstream,  StoreDualstream},
    {R::OverlaySensitivity,      "Intercom-Layertone Sensitivity", {IDC_OVERLAY_LABEL, IDC_OVERLAY_COMBO, IDC_OVERLAY_HELP},                                  0,                       IDC_OVERLAY_COMBO, K::ComboTenMinus,  ReadOverlay,     StoreOverlay},
    {R::NavigationAppSupport,    "Navigation App Support",         {IDC_NAV_APP_LABEL, IDC_NAV_APP_ENABLE, IDC_NAV_APP_DISABLE, IDC_NAV_APP_HELP},            IDC_NAV_APP_ENABLE,      0,                 K::EnableWhenSet,  ReadNavApp,      StoreNavApp},
    {R::Note,                    "note",                           {IDC_RESTART_NOTE, IDC_NOTE_MORE},                                                         0,                       0,                 K::None,           ReadNothing,     StoreNothing},
    {R::RadioTransmitGain,       "Radio Transmit Gain",            {IDC_GAIN_LABEL, IDC_GAIN_HELP, IDC_GAIN_LOW, IDC_GAIN_MEDIUM, IDC_GAIN_HIGH},             0,                       0,                 K::GainTriple,     ReadGain,        StoreGain},
    {R::AudioChannelTimeout,     "Audio Channel Timeout",          {IDC_TIMEOUT_LABEL, IDC_TIMEOUT_HELP, IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN, IDC_TIMEOUT_UNIT}, 0,                     0,                 K::Timeout,        ReadTimeout,     StoreTimeout},
};

// Firmware ranges.
constexpr FirmwareRange kAll{0, 0, -1, 0};
constexpr FirmwareRange kBelow4_0{0, 0, 4, 0};
constexpr FirmwareRange k4_0To4_1{4, 0, 4, 1};
constexpr FirmwareRange k4_1To4_2{4, 1, 4, 2};
constexpr FirmwareRange k4_2To5_0{4, 2, 5, 0};
constexpr FirmwareRange kFrom5_0{5, 0, -1, 0};
constexpr FirmwareRange kBelow4_2{0, 0, 4, 2};
constexpr FirmwareRange kFrom4_2{4, 2, -1, 0};
constexpr FirmwareRange kBelow1_2{0, 0, 1, 2};
constexpr FirmwareRange k1_2To2_0{1, 2, 2, 0};
constexpr FirmwareRange kFrom2_0{2, 0, -1, 0};
constexpr FirmwareRange kBelow1_1{0, 0, 1, 1};
constexpr FirmwareRange k1_1To1_2{1, 1, 1, 2};
constexpr FirmwareRange kFrom1_1{1, 1, -1, 0};
constexpr FirmwareRange kFrom1_2{1, 2, -1, 0};

// Product ids of the groups.
const std::vector<int> kGroup1 = {0x4D10, 0x4D30, 0x4D40};
const std::vector<int> kGroup2 = {0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080};
const std::vector<int> kGroup3 = {0x5020, 0x5070};
const std::vector<int> kGroup7 = {0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65};
const std::vector<int> kGroup8 = {0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030};
const std::vector<int> kGroup14 = {0x6110, 0x6111, 0x6120, 0x6121};
const std::vector<int> kGroup19 = {
    0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5510, 0x5520, 0x5522,
    0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622,
    0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024,
    0x6026, 0x6210, 0x6400};

const std::vector<ClassicLayout> g_layouts = {
    // group, ids, firmware, n, m, rows (index: row), also set
    {1, kGroup1, kBelow4_0, 6.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {7, R::Note}}, {}},
    {1, kGroup1, k4_0To4_1, 7.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {7, R::Note}}, {}},
    {1, kGroup1, k4_1To4_2, 9.5f, 2, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {6.5f, R::HighQualityA2dp}, {7.5f, R::MicrophoneBoosting}, {8.5f, R::Note}}, {}},
    {1, kGroup1, k4_2To5_0, 8, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::MicrophoneBoosting}, {7, R::Note}}, {}},
    {1, kGroup1, kFrom5_0, 8, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {6, R::MicrophoneBoosting}, {7, R::Note}}, {}},
    {2, kGroup2, kBelow4_0, 6.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {7, R::Note}}, {}},
    {2, kGroup2, k4_0To4_1, 7.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {7, R::Note}}, {}},
    {2, kGroup2, k4_1To4_2, 8.5f, 2, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {6.5f, R::HighQualityA2dp}, {7.5f, R::Note}}, {}},
    {2, kGroup2, k4_2To5_0, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {7, R::Note}}, {}},
    {2, kGroup2, kFrom5_0, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {7, R::Note}}, {}},
    {3, kGroup3, kBelow4_0, 6.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {7, R::Note}}, {}},
    {3, kGroup3, k4_0To4_1, 7.5f, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {7, R::Note}}, {}},
    {3, kGroup3, k4_1To4_2, 8.5f, 2, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::EdrNotice}, {5.5f, R::Plc}, {6.5f, R::HighQualityA2dp}, {7.5f, R::Note}}, {}},
    {3, kGroup3, kFrom4_2, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {7, R::Note}}, {}},
    {4, {0x4D21}, kAll, 7, 5, {{1, R::Sidetone}, {6, R::Note}}, {}},
    {5, {0x4D75, 0x5011}, kAll, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {7, R::Note}}, {}},
    {6, {0x4D85}, kAll, 6, 2, {{1, R::VoxPhone}, {2, R::Edr}, {3, R::HighQualityA2dp}, {4, R::Sidetone}, {7, R::Note}}, {R::VoxIntercom}},
    {7, kGroup7, kBelow1_2, 6.5f, 5, {{1, R::VoxPhone}, {2, R::Edr}, {3, R::EdrNotice}, {4.5f, R::Plc}, {7, R::Note}}, {R::VoxIntercom}},
    {7, kGroup7, k1_2To2_0, 6, 2, {{1, R::VoxPhone}, {2, R::Edr}, {3, R::HighQualityA2dp}, {7, R::Note}}, {R::VoxIntercom}},
    {7, kGroup7, kFrom2_0, 6, 2, {{1, R::VoxPhone}, {2, R::Edr}, {3, R::HighQualityA2dp}, {4, R::Sidetone}, {7, R::Note}}, {R::VoxIntercom}},
    {8, kGroup8, kAll, 6, 2, {{1, R::VoxPhone}, {2, R::Edr}, {3, R::HighQualityA2dp}, {7, R::Note}}, {R::VoxIntercom}},
    {9, {0x2020}, kBelow1_1, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {7, R::Note}}, {}},
    {9, {0x2020}, kFrom1_1, 7, 5, {{1, R::VoxPhone}, {2, R::VoxIntercom}, {3, R::Edr}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {6, R::Hushguard}, {7, R::Note}}, {}},
    {10, {0x4021}, kAll, 6, 2, {{1, R::VoxPhone}, {7, R::Note}}, {}},
    {11, {0x4040}, kAll, 7, 5, {{1, R::Sidetone}, {7, R::Note}}, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp}},
    {12, {0x4110, 0x4111}, kAll, 7, 5, {{1, R::Edr}, {2, R::HighQualityA2dp}, {7, R::Note}}, {R::VoxPhone, R::VoxIntercom}},
    {13, {0x4120}, kAll, 7, 5, {{1, R::Edr}, {2, R::HighQualityA2dp}, {3, R::Sidetone}, {4, R::Hushguard}, {5, R::AutoGainControl}, {7, R::Note}}, {R::VoxPhone, R::VoxIntercom}},
    {14, kGroup14, kAll, 7, 5, {{1, R::Edr}, {2, R::HighQualityA2dp}, {3, R::Sidetone}, {4, R::Hushguard}, {5, R::Note}}, {}},
    {15, {0x6420}, kAll, 6, 2, {{1, R::VoxPhone}, {2, R::Edr}}, {}},
    {16, {0x6430}, kAll, 6, 2, {{1, R::VoxPhone}}, {}},
    {17, {0x5210}, kAll, 4, 5, {{7, R::Note}}, {R::RadioTransmitGain, R::AudioChannelTimeout}},
    {18, {0x4210}, kBelow1_1, 4, 5, {{1, R::VoxPhone}, {2, R::Sidetone}, {3, R::Dualstream}, {4, R::OverlaySensitivity}}, {}},
    {18, {0x4210}, k1_1To1_2, 6, 5, {{0, R::MoreSettings}, {1, R::VoxPhone}, {2, R::Sidetone}, {3, R::MotionSensorSensitivity}, {4, R::Dualstream}, {5, R::OverlaySensitivity}, {6, R::NavigationAppSupport}}, {}},
    {18, {0x4210}, kFrom1_2, 7, 5, {{1, R::VoxPhone}, {2, R::Sidetone}, {3, R::MotionSensorSensitivity}, {4, R::Dualstream}, {5, R::OverlaySensitivity}, {6, R::NavigationAppSupport}, {7, R::MoreSettings}}, {}},
    {19, kGroup19, kAll, 7, 5, {{1, R::AudioBoost}, {2, R::VoxPhone}, {3, R::VoxIntercom}, {4, R::HighQualityA2dp}, {5, R::Sidetone}, {6, R::Hushguard}, {7, R::MoreSettings}}, {}},
};

const std::vector<VisibleRows> g_visible = {
    {kGroup1, kBelow4_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Note}},
    {kGroup1, k4_0To4_1, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::Note}},
    {kGroup1, k4_1To4_2, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::HighQualityA2dp, R::MicrophoneBoosting, R::Note}},
    {kGroup1, k4_2To5_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::MicrophoneBoosting, R::Note}},
    {kGroup1, kFrom5_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::MicrophoneBoosting, R::Sidetone, R::Note}},
    {kGroup2, kBelow4_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Note}},
    {kGroup2, k4_0To4_1, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::Note}},
    {kGroup2, k4_1To4_2, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::HighQualityA2dp, R::Note}},
    {kGroup2, k4_2To5_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Note}},
    {kGroup2, kFrom5_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Note}},
    {kGroup3, kBelow4_0, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Note}},
    {kGroup3, k4_0To4_1, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::Note}},
    {kGroup3, k4_1To4_2, {R::VoxPhone, R::VoxIntercom, R::Edr, R::EdrNotice, R::Plc, R::HighQualityA2dp, R::Note}},
    {kGroup3, kFrom4_2, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Note}},
    {{0x4D21, 0x4040}, kAll, {R::Sidetone, R::Note}},
    {{0x4D75, 0x5011}, kAll, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Note}},
    {{0x4D85}, kAll, {R::VoxPhone, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Note}},
    {kGroup7, kBelow1_2, {R::VoxPhone, R::Edr, R::EdrNotice, R::Plc, R::Note}},
    {kGroup7, k1_2To2_0, {R::VoxPhone, R::Edr, R::HighQualityA2dp, R::Note}},
    {kGroup7, kFrom2_0, {R::VoxPhone, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Note}},
    {kGroup8, kAll, {R::VoxPhone, R::Edr, R::HighQualityA2dp, R::Note}},
    {{0x2020}, kBelow1_1, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Note}},
    {{0x2020}, kFrom1_1, {R::VoxPhone, R::VoxIntercom, R::Edr, R::HighQualityA2dp, R::Sidetone, R::Hushguard, R::Note}},
    {{0x4021, 0x6430}, kAll, {R::VoxPhone, R::Note}},
    {{0x4110, 0x4111}, kAll, {R::Edr, R::HighQualityA2dp, R::Note}},
    {{0x4120}, kAll, {R::Edr, R::HighQualityA2dp, R::Sidetone, R::Hushguard, R::AutoGainControl, R::Note}},
    {kGroup14, kAll, {R::Edr, R::HighQualityA2dp, R::Sidetone, R::Hushguard, R::Note}},
    {{0x6420}, kAll, {R::VoxPhone, R::Edr, R::Note}},
    {{0x5210}, kAll, {R::RadioTransmitGain, R::AudioChannelTimeout, R::Note}},
};


const std::vector<int> g_flagWordModels = {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030};
// clang-format on

bool Contains(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::string Hex(int id)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", id);
    return text;
}

std::string Number(float value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string JoinIds(const std::vector<int>& ids)
{
    std::string text;
    for (int id : ids)
        text += (text.empty() ? "" : ", ") + Hex(id);
    return text;
}

std::string JoinRows(const std::vector<ClassicRow>& rows)
{
    std::string text;
    for (ClassicRow row : rows)
        text += (text.empty() ? "" : ", ") + std::string(GetClassicRowControls(row).name);
    return text;
}

} // namespace

const std::vector<ClassicRowControls>& ClassicRowTable()
{
    return g_rows;
}

const ClassicRowControls& GetClassicRowControls(ClassicRow row)
{
    for (const ClassicRowControls& entry : g_rows)
        if (entry.row == row)
            return entry;
    return g_rows.front();
}

const std::vector<ClassicLayout>& ClassicLayoutTable()
{
    return g_layouts;
}

const std::vector<VisibleRows>& VisibleRowsTable()
{
    return g_visible;
}

bool InFirmwareRange(const FirmwareRange& range, const DeviceConfig& device)
{
    const bool fromOk = (range.fromMajor == 0 && range.fromMinor == 0) ||
                        device.CompareFirmwareVersion(range.fromMajor, range.fromMinor) >= 0;
    const bool toOk = range.toMajor < 0 || device.CompareFirmwareVersion(range.toMajor, range.toMinor) < 0;
    return fromOk && toOk;
}

const ClassicLayout* FindClassicLayout(int productId, const DeviceConfig& device)
{
    for (const ClassicLayout& layout : g_layouts)
        if (Contains(layout.productIds, productId) && InFirmwareRange(layout.firmware, device))
            return &layout;
    return nullptr;
}

const VisibleRows* FindVisibleRows(int productId, const DeviceConfig& device)
{
    for (const VisibleRows& visible : g_visible)
        if (Contains(visible.productIds, productId) && InFirmwareRange(visible.firmware, device))
            return &visible;
    return nullptr;
}

namespace {
// A product is shown with the grid when its catalogue group has rows at some firmware: the page
// and the grid builder read one list, so the page never shows an empty grid or hides real rows.
bool GroupHasRows(const GridRowGroup& group)
{
    for (int i = 0; i <= group.thresholdCount; ++i) {
        const GridRange& range = group.ranges[i];
        for (const GridRowList* list : {range.list, range.otherwise})
            if (list && list->count > 0)
                return true;
    }
    return false;
}
} // namespace

bool IsGridModel(int productId)
{
    const GridRowGroup* group = FindGridRowGroup(productId);
    return group && GroupHasRows(*group);
}

const std::vector<int>& GridModelIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (std::size_t i = 0; i < kGridRowChainLength; ++i)
            if (GroupHasRows(*kGridRowChain[i]))
                for (std::size_t k = 0; k < kGridRowChain[i]->products.count; ++k)
                    all.push_back(kGridRowChain[i]->products.ids[k]);
        std::sort(all.begin(), all.end());
        return all;
    }();
    return ids;
}

bool IsFlagWordModel(int productId)
{
    return Contains(g_flagWordModels, productId);
}

bool ClassicPairShowsEnable(const ClassicRowControls& row, const DeviceConfig& config, int productId)
{
    const int value = row.read(config, productId);
    return row.kind == ClassicValueKind::EnableWhenZero ? value == 0 : value != 0;
}

int ClassicComboSelection(const ClassicRowControls& row, const DeviceConfig& config, int productId)
{
    const int value = row.read(config, productId);
    return row.kind == ClassicValueKind::ComboTenMinus ? 10 - value : value - 1;
}

std::string DescribeFirmwareRange(const FirmwareRange& range)
{
    const bool noLower = range.fromMajor == 0 && range.fromMinor == 0;
    const bool noUpper = range.toMajor < 0;
    const std::string from = std::to_string(range.fromMajor) + "." + std::to_string(range.fromMinor);
    const std::string to = std::to_string(range.toMajor) + "." + std::to_string(range.toMinor);
    if (noLower && noUpper)
        return "all";
    if (noLower)
        return "below " + to;
    if (noUpper)
        return from + " and later";
    return from + " to below " + to;
}

std::string DescribeClassicLayout(const ClassicLayout& layout)
{
    std::string rows;
    for (const RowPlacement& placement : layout.rows)
        rows += (rows.empty() ? "" : "; ") + Number(placement.index) + " " + GetClassicRowControls(placement.row).name;
    return std::to_string(layout.group) + " | " + JoinIds(layout.productIds) + " | " +
           DescribeFirmwareRange(layout.firmware) + " | " + Number(layout.rowCount) + ", " +
           std::to_string(layout.margin) + " | " + rows + " | " + JoinRows(layout.alsoSet);
}

std::string DescribeVisibleRows(const VisibleRows& visible)
{
    return JoinIds(visible.productIds) + " | " + DescribeFirmwareRange(visible.firmware) + " | " +
           JoinRows(visible.rows);
}
