#pragma once
// The record's fields a settings archive holds besides its header lines, the presets and the
// speed dials: what a written archive must give back when read.
#include "device/DeviceConfig.h"

// clang-format off
inline const int DeviceConfig::*const kArchivedOptionInts[] = {
    &DeviceConfig::m_intercomVox,
    &DeviceConfig::m_handsfreeVox,
    &DeviceConfig::m_edr,
    &DeviceConfig::m_voicePrompt,
    &DeviceConfig::m_plc,
    &DeviceConfig::m_bitpoolRate,
    &DeviceConfig::m_microphoneBoost,
    &DeviceConfig::m_sidetone,
    &DeviceConfig::m_hushguard,
    &DeviceConfig::m_autoGainControl,
    &DeviceConfig::m_radioTransmitGain,
    &DeviceConfig::m_audioChannelTimeout,
    &DeviceConfig::m_fmRegion,
    &DeviceConfig::m_fmMagicCode,
    &DeviceConfig::m_fmCurrentFrequency,
    &DeviceConfig::m_fmCurrentPreset,
    &DeviceConfig::m_fmRds,
};

// Every settings word but 13.
inline constexpr int kArchivedSettingsWords[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                                 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
// clang-format on
