#include "settings/HelpBoxes.h"

#include "res/resource.h"
#include "text/ModelDisplayName.h"
#include "text/NameTables.h"
#include "text/SettingHelpTexts.h"
#include "text/TextFormat.h"

namespace {
constexpr int kJapanese = 4;
}

HelpBox HelpBoxForButton(int buttonId, int language, int productId)
{
    const std::wstring model = ModelDisplayName(productId);
    const std::wstring dualstream = TextDualstream(language);
    switch (buttonId) {
    case IDC_EDR_HELP: return {GetHelpEnhancedDataRate(language), 510, 200, true};
    case IDC_PLC_HELP: return {GetHelpPacketLossConcealment(language), 510, 260, false};
    case IDC_A2DP_HELP: return {GetHelpHighQualityA2dp(language), 520, 160, false};
    case IDC_MIC_BOOST_HELP:
        return language == kJapanese ? HelpBox{GetHelpMicrophoneBoosting(language), 550, 250, false}
                                     : HelpBox{GetHelpMicrophoneBoosting(language), 510, 210, false};
    case IDC_SIDETONE_HELP: return {GetHelpSidetone(language), 520, 160, false};
    case IDC_HUSHGUARD_HELP:
        return {FillPlaceholders(GetHelpHushguard(language), {TextHushguard(language)}), 520, 160, false};
    case IDC_AGC_HELP: return {GetHelpAutoGainControl(language), 510, 260, false};
    case IDC_MOTION_HELP: return {FillPlaceholders(GetHelpMotionSensorSensitivity(language), {model}), 520, 170, false};
    case IDC_DUALSTREAM_HELP:
        return {FillPlaceholders(GetHelpDualstream(language), {dualstream, TextFmRadio(language)}), 520, 260, false};
    case IDC_OVERLAY_HELP:
        return {FillPlaceholders(GetHelpOverlaySensitivityMusic(language), {dualstream}), 520, 240, false};
    case IDC_NAV_APP_HELP:
        return {FillPlaceholders(GetHelpNavigationAppSupport(language), {dualstream, dualstream}), 520, 190, false};
    case IDC_GAIN_HELP: return {FillPlaceholders(GetHelpRadioTransmitGain(language), {model, model}), 510, 220, false};
    case IDC_TIMEOUT_HELP:
        return {FillPlaceholders(GetHelpAudioChannelTimeout(language), {model, model}), 510, 220, false};
    case IDC_AUDIO_BOOST_HELP:
        return {FillPlaceholders(GetHelpAudioBoost(language), {TextAudioBoost(language)}), 520, 150, false};
    default: return {L"", 0, 0, false};
    }
}
