#pragma once
// Program-wide tables of localised setting names, value names, labels and titles, one row per
// UI language. Every table is read through its function, which returns a copy like every text
// function: a language outside 0 to 12 reads the English row, and an entry number outside a row
// reads entry 0.

#include <string>

// The declarations below are aligned by hand, to be read against each other.
// clang-format off

constexpr int kLowMediumHighCount = 3;
constexpr int kFmRegionNameCount = 6;
constexpr int kLevelNameCount = 10;
constexpr int kChannelNameCount = 6;
constexpr int kUnitLanguageNameCount = 11;

// "Low", "Medium", "High".
std::wstring TextLowMediumHigh(int language, int entry);
// Entry = FM region number: "Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan".
std::wstring TextFmRegionNames(int language, int entry);
// Entry i = "Level i+1", for levels 1 to 10.
std::wstring TextLevelNames(int language, int entry);
// Entry c = channel c: "CH 0 (Common)", "CH 1" .. "CH 5".
std::wstring TextChannelNames(int language, int entry);
// Entry = unit language number (the headset's order: English, French, Spanish, Italian, German,
// Dutch, Russian, Chinese, Korean, Japanese, Finnish).
std::wstring TextUnitLanguageNames(int language, int entry);

// Names of settings.
std::wstring TextVoxIntercom(int language); // "VOX Intercom"
std::wstring TextVoxPhone(int language); // "VOX Phone"
std::wstring TextEdr(int language); // "EDR (Enhanced Data Rate)"
std::wstring TextVoicePrompt(int language); // "Voice Prompt"
std::wstring TextPlc(int language); // "PLC (Packet Loss Concealment)"
std::wstring TextHighQualityA2dp(int language); // "High Quality A2DP"
std::wstring TextMicrophoneBoosting(int language); // "Microphone Boosting"
std::wstring TextSidetone(int language); // "Sidetone"
std::wstring TextHushguard(int language); // "Hushguard™"
std::wstring TextAutoGainControl(int language); // "Auto Gain Control"
std::wstring TextRadioTransmitGain(int language); // "Radio Transmit Gain"
std::wstring TextAudioChannelTimeout(int language); // "Audio Channel Timeout"
std::wstring TextAudioBoost(int language); // "Audio Boost"
std::wstring TextRadioRegion(int language); // "Radio Region"
std::wstring TextRdsAf(int language); // "RDS AF (Alternative Frequencies)"
std::wstring TextMotionSensorSensitivity(int language); // "Motion Sensor Sensitivity"
std::wstring TextDualstream(int language); // "Dualstream™"
std::wstring TextOverlaySensitivity(int language); // "Intercom-Layertone Sensitivity"
std::wstring TextNavigationAppSupport(int language); // "Navigation App Support"
std::wstring TextVoxSensitivity(int language); // "VOX Sensitivity"
std::wstring TextHdIntercom(int language); // "HD Intercom"
std::wstring TextEightWayIntercom(int language); // "Eight-way Intercom"
std::wstring TextSmartVolumeControl(int language); // "Smart Volume Control"
std::wstring TextFmStationGuide(int language); // "FM Station Guide"
std::wstring TextHdVoice(int language); // "HD Voice"
std::wstring TextAudioSourcePriority(int language); // "Audio Source Priority"
std::wstring TextLayertone(int language); // "Layertone™"
std::wstring TextBluetoothIntercomDualstream(int language); // "Bluetooth Intercom Dualstream™"
std::wstring TextRoutecue(int language); // "Routecue"
std::wstring TextGuestMode(int language); // "Guest Mode"
std::wstring TextVoiceCommand(int language); // "Voice Command"
std::wstring TextLayertoneVolumeManagement(int language); // "Layertone Volume Management"
std::wstring TextUnitLanguage(int language); // "Unit Language"
std::wstring TextChannelSelect(int language); // "Channel Select"
std::wstring TextEssStatus(int language); // "ESS STATUS"
std::wstring TextEssSensitivity(int language); // "ESS Sensitivity"
// Names of camera settings.
std::wstring TextPhotoMode(int language); // "Photo Mode"
std::wstring TextVideoMode(int language); // "Video Mode"
std::wstring TextVideoResolution(int language); // "Video Resolution"
std::wstring TextTimelapseInterval(int language); // "Timelapse Interval"
std::wstring TextVideoTaggingInterval(int language); // "Video Tagging Interval"
std::wstring TextLoopRecordingInterval(int language); // "Loop Recording Interval"
std::wstring TextVideoMicrophoneGain(int language); // "Video Microphone Gain"
std::wstring TextDateCaption(int language); // "Date Caption"
std::wstring TextSpeakerSoundRecording(int language); // "Speaker Sound Recording"
std::wstring TextRecordSourceMusic(int language); // "▶ Music"
std::wstring TextRecordSourceFmRadio(int language); // "▶ FM Radio"
std::wstring TextRecordSourceIntercom(int language); // "▶ Intercom"
std::wstring TextRecordSourcePhone(int language); // "▶ Phone"
std::wstring TextAutoCameraSleep(int language); // "Auto Camera Sleep"
// Names of values.
std::wstring TextEmpty(int language); // "Empty"
std::wstring TextSingleShot(int language); // "Single Shot"
std::wstring TextBurstShot(int language); // "Burst Shot"
std::wstring TextTimelapseMode(int language); // "Timelapse Mode"
std::wstring TextLoopRecordingMode(int language); // "Loop Recording Mode"
std::wstring Text1080p30fps(int language); // "1080p/30fps"
std::wstring Text720p60fps(int language); // "720p/60fps"
std::wstring Text720p30fps(int language); // "720p/30fps"
std::wstring Text1Min(int language); // "1 min"
std::wstring Text3Mins(int language); // "3 mins"
std::wstring Text5Mins(int language); // "5 mins"
std::wstring Text1Sec(int language); // "1 sec"
std::wstring Text10Secs(int language); // "10 secs"
std::wstring TextMusic(int language); // "Music"
std::wstring TextIntercom(int language); // "Intercom"
std::wstring TextEssOn(int language); // "ESS ON"
std::wstring TextEssOff(int language); // "ESS OFF"
std::wstring TextPositionLightEssOn(int language); // "Position Light + ESS ON"
std::wstring TextFogLightEssOn(int language); // "Fog Light + ESS ON"
// Labels and titles.
std::wstring TextDate(int language); // "Date"
std::wstring TextRegion(int language); // "Region"
std::wstring TextFmRadioPresets(int language); // "FM Radio Presets"
std::wstring TextFmRadio(int language); // "FM Radio"
std::wstring TextBasic(int language); // "Basic"
std::wstring TextSpeedDial(int language); // "Speed Dial"
std::wstring TextMore(int language); // "More..."
