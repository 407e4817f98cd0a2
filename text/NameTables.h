#pragma once

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off
// Program-wide tables of localised setting names, value names, labels and titles, one row per
// UI language. Every table is read through its function: a language outside 0 to 12 reads the
// English row, and an entry number outside a row reads entry 0. The returned text is static
// and lives as long as the program.

constexpr int kLowMediumHighCount = 3;
constexpr int kFmRegionNameCount = 6;
constexpr int kLevelNameCount = 10;
constexpr int kChannelNameCount = 6;
constexpr int kUnitLanguageNameCount = 11;

// "Low", "Medium", "High".
const wchar_t* TextLowMediumHigh(int language, int entry);
// Entry = FM region number: "Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan".
const wchar_t* TextFmRegionNames(int language, int entry);
// Entry i = "Level i+1", for levels 1 to 10.
const wchar_t* TextLevelNames(int language, int entry);
// Entry c = channel c: "CH 0 (Common)", "CH 1" .. "CH 5".
const wchar_t* TextChannelNames(int language, int entry);
// Entry = unit language number (the headset's order: English, French, Spanish, Italian, German,
// Dutch, Russian, Chinese, Korean, Japanese, Finnish).
const wchar_t* TextUnitLanguageNames(int language, int entry);

// Names of settings.
const wchar_t* TextVoxIntercom(int language); // "VOX Intercom"
const wchar_t* TextVoxPhone(int language); // "VOX Phone"
const wchar_t* TextEdr(int language); // "EDR (Enhanced Data Rate)"
const wchar_t* TextVoicePrompt(int language); // "Voice Prompt"
const wchar_t* TextPlc(int language); // "PLC (Packet Loss Concealment)"
const wchar_t* TextHighQualityA2dp(int language); // "High Quality A2DP"
const wchar_t* TextMicrophoneBoosting(int language); // "Microphone Boosting"
const wchar_t* TextSidetone(int language); // "Sidetone"
const wchar_t* TextHushguard(int language); // "Hushguard™"
const wchar_t* TextAutoGainControl(int language); // "Auto Gain Control"
const wchar_t* TextRadioTransmitGain(int language); // "Radio Transmit Gain"
const wchar_t* TextAudioChannelTimeout(int language); // "Audio Channel Timeout"
const wchar_t* TextAudioBoost(int language); // "Audio Boost"
const wchar_t* TextRadioRegion(int language); // "Radio Region"
const wchar_t* TextRdsAf(int language); // "RDS AF (Alternative Frequencies)"
const wchar_t* TextMotionSensorSensitivity(int language); // "Motion Sensor Sensitivity"
const wchar_t* TextDualstream(int language); // "Dualstream™"
const wchar_t* TextOverlaySensitivity(int language); // "Intercom-Layertone Sensitivity"
const wchar_t* TextNavigationAppSupport(int language); // "Navigation App Support"
const wchar_t* TextVoxSensitivity(int language); // "VOX Sensitivity"
const wchar_t* TextHdIntercom(int language); // "HD Intercom"
const wchar_t* TextEightWayIntercom(int language); // "Eight-way Intercom"
const wchar_t* TextSmartVolumeControl(int language); // "Smart Volume Control"
const wchar_t* TextFmStationGuide(int language); // "FM Station Guide"
const wchar_t* TextHdVoice(int language); // "HD Voice"
const wchar_t* TextAudioSourcePriority(int language); // "Audio Source Priority"
const wchar_t* TextLayertone(int language); // "Layertone™"
const wchar_t* TextBluetoothIntercomDualstream(int language); // "Bluetooth Intercom Dualstream™"
const wchar_t* TextRoutecue(int language); // "Routecue"
const wchar_t* TextGuestMode(int language); // "Guest Mode"
const wchar_t* TextVoiceCommand(int language); // "Voice Command"
const wchar_t* TextLayertoneVolumeManagement(int language); // "Layertone Volume Management"
const wchar_t* TextUnitLanguage(int language); // "Unit Language"
const wchar_t* TextChannelSelect(int language); // "Channel Select"
const wchar_t* TextEssStatus(int language); // "ESS STATUS"
const wchar_t* TextEssSensitivity(int language); // "ESS Sensitivity"
// Names of camera settings.
const wchar_t* TextPhotoMode(int language); // "Photo Mode"
const wchar_t* TextVideoMode(int language); // "Video Mode"
const wchar_t* TextVideoResolution(int language); // "Video Resolution"
const wchar_t* TextTimelapseInterval(int language); // "Timelapse Interval"
const wchar_t* TextVideoTaggingInterval(int language); // "Video Tagging Interval"
const wchar_t* TextLoopRecordingInterval(int language); // "Loop Recording Interval"
const wchar_t* TextVideoMicrophoneGain(int language); // "Video Microphone Gain"
const wchar_t* TextDateCaption(int language); // "Date Caption"
const wchar_t* TextSpeakerSoundRecording(int language); // "Speaker Sound Recording"
const wchar_t* TextRecordSourceMusic(int language); // "▶ Music"
const wchar_t* TextRecordSourceFmRadio(int language); // "▶ FM Radio"
const wchar_t* TextRecordSourceIntercom(int language); // "▶ Intercom"
const wchar_t* TextRecordSourcePhone(int language); // "▶ Phone"
const wchar_t* TextAutoCameraSleep(int language); // "Auto Camera Sleep"
// Names of values.
const wchar_t* TextEmpty(int language); // "Empty"
const wchar_t* TextSingleShot(int language); // "Single Shot"
const wchar_t* TextBurstShot(int language); // "Burst Shot"
const wchar_t* TextTimelapseMode(int language); // "Timelapse Mode"
const wchar_t* TextLoopRecordingMode(int language); // "Loop Recording Mode"
const wchar_t* Text1080p30fps(int language); // "1080p/30fps"
const wchar_t* Text720p60fps(int language); // "720p/60fps"
const wchar_t* Text720p30fps(int language); // "720p/30fps"
const wchar_t* Text1Min(int language); // "1 min"
const wchar_t* Text3Mins(int language); // "3 mins"
const wchar_t* Text5Mins(int language); // "5 mins"
const wchar_t* Text1Sec(int language); // "1 sec"
const wchar_t* Text10Secs(int language); // "10 secs"
const wchar_t* TextMusic(int language); // "Music"
const wchar_t* TextIntercom(int language); // "Intercom"
const wchar_t* TextEssOn(int language); // "ESS ON"
const wchar_t* TextEssOff(int language); // "ESS OFF"
const wchar_t* TextPositionLightEssOn(int language); // "Position Light + ESS ON"
const wchar_t* TextFogLightEssOn(int language); // "Fog Light + ESS ON"
// Labels and titles.
const wchar_t* TextDate(int language); // "Date"
const wchar_t* TextRegion(int language); // "Region"
const wchar_t* TextFmRadioPresets(int language); // "FM Radio Presets"
const wchar_t* TextFmRadio(int language); // "FM Radio"
const wchar_t* TextBasic(int language); // "Basic"
const wchar_t* TextSpeedDial(int language); // "Speed Dial"
const wchar_t* TextMore(int language); // "More..."
