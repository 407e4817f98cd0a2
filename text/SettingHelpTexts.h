#pragma once
// The help text of every setting of the basic settings page: "[" name "]", a line feed and the
// body, in the UI language. A language without its own text, and any index outside 1..12, gives
// English. The "%s" placeholders are filled by the caller with FillPlaceholders (setting names
// or the model's display name), never by printf; only the EDR text is completed here, with the
// support address.

#include <string>
#include <vector>

class DeviceConfig;

// The support desk's address, offered in the EDR help and opened as a "mailto:" link.
const wchar_t* GetSupportAddress();

std::wstring GetHelpPacketLossConcealment(int language);
std::wstring GetHelpHighQualityA2dp(int language);
std::wstring GetHelpMicrophoneBoosting(int language);
std::wstring GetHelpSidetone(int language);
std::wstring GetHelpHushguard(int language); // %s: "Hushguard™"
std::wstring GetHelpAutoGainControl(int language);
std::wstring GetHelpRadioTransmitGain(int language);       // %s, %s: the model's name
std::wstring GetHelpEnhancedDataRate(int language);        // address filled in
std::wstring GetHelpAudioChannelTimeout(int language);     // %s, %s: the model's name
std::wstring GetHelpMotionSensorSensitivity(int language); // %s: the model's name
std::wstring GetHelpNavigationAppSupport(int language);    // %s, %s: "Dualstream™"
std::wstring GetHelpDualstream(int language);              // %s: "Dualstream™", %s: "FM Radio"
std::wstring GetHelpOverlaySensitivityMusic(int language); // %s: "Dualstream™"
std::wstring GetHelpOverlaySensitivityAllSources(int language);
std::wstring GetHelpUnitLanguage(int language);
std::wstring GetHelpAudioBoost(int language); // %s: "Audio Boost"
std::wstring GetHelpVoxSensitivityDefault3(int language);
std::wstring GetHelpVoxSensitivityDefault2(int language);
std::wstring GetHelpVoxSensitivityThreeLevels(int language);
std::wstring GetHelpVoxPhone(int language);
std::wstring GetHelpHdIntercom(int language);       // %s: "HD Intercom"
std::wstring GetHelpEightWayIntercom(int language); // %s, %s: "Eight-way Intercom"
std::wstring GetHelpVoicePrompt(int language);
std::wstring GetHelpVoxIntercom(int language); // %s, %s: "VOX Intercom"
std::wstring GetHelpPhotoMode(int language);
// The firmware of the live record decides: before 2.0 the two-mode text, else the three-mode one.
std::wstring GetHelpVideoMode(int language, const DeviceConfig& device);
// The same two texts by the Video Mode drop-down they describe: two modes or three.
std::wstring GetHelpVideoModeTwoItems(int language);
std::wstring GetHelpVideoModeThreeItems(int language);
std::wstring GetHelpVideoResolution(int language);
std::wstring GetHelpTimelapseInterval(int language);
std::wstring GetHelpVideoTaggingInterval(int language);
std::wstring GetHelpLoopRecordingInterval(int language);
std::wstring GetHelpVideoMicrophoneGain(int language);
std::wstring GetHelpDateCaption(int language);
std::wstring GetHelpSpeakerSoundRecording(int language); // %s, %s: "Speaker Sound Recording"
std::wstring GetHelpAutoCameraSleep(int language);       // %s, %s: "Auto Camera Sleep"
std::wstring GetHelpSmartVolumeControl(int language);
std::wstring GetHelpFmStationGuide(int language);
std::wstring GetHelpHdVoice(int language);
std::wstring GetHelpAudioSourcePriority(int language);
std::wstring GetHelpDualstreamFull(int language);
std::wstring GetHelpLayertone(int language);
std::wstring GetHelpLayertoneMusicGps(int language);
std::wstring GetHelpIntercomDualstream(int language);
std::wstring GetHelpRoutecue(int language);
std::wstring GetHelpGuestMode(int language);
std::wstring GetHelpLayertoneVolumeManagement(int language);
std::wstring GetHelpVoiceCommand(int language);
std::wstring GetHelpEssStatus(int language);
std::wstring GetHelpEssSensitivity(int language);

// Every help table, for checks that look at all of them: a null row is a language without its
// own text.
struct HelpTextTable {
    const char* name;
    const wchar_t* const* rows; // 13 rows, one per UI language
};
const std::vector<HelpTextTable>& AllHelpTextTables();
