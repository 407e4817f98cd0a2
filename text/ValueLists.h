#pragma once
// Value lists of the settings grid's drop-down cells: the entries in the UI language, joined
// by line feeds, so that the index chosen in the drop-down is the entry's position. A language
// outside 0 to 12 gives the English list.

#include <initializer_list>
#include <string>

// Entries joined by one line feed between each two; no line feed before the first or after
// the last.
std::wstring JoinValueList(std::initializer_list<std::wstring> entries);

// "Low", "Medium", "High": VOX Sensitivity on three-step models, Video Microphone Gain,
// ESS Sensitivity.
std::wstring ValueListLowMediumHigh(int language);
// "Level 1" up to "Level <levelCount>": VOX Sensitivity (5 levels), Intercom-Layertone
// Sensitivity (5 or 10 levels). The count is held to 1..10, the levels that have names.
std::wstring ValueListLevels(int language, int levelCount);

// "Disable", "Low", "Medium", "High".
std::wstring ValueListSmartVolumeControl(int language);
// "Disable", "Low", "High".
std::wstring ValueListMotionSensorSensitivity(int language);
// "Intercom", "Music".
std::wstring ValueListAudioSourcePriority(int language);
// "CH 0 (Common)", "CH 1" .. "CH 5".
std::wstring ValueListChannelSelect(int language);
// The eleven unit languages in the headset's own order, "English" .. "Finnish".
std::wstring ValueListUnitLanguage(int language);
// "Single Shot", "Burst Shot".
std::wstring ValueListPhotoMode(int language);
// "Video Mode", "Timelapse Mode", and "Loop Recording Mode" on firmware that has it.
std::wstring ValueListVideoMode(int language, bool withLoopRecording);
// "1080p/30fps", "720p/60fps", "720p/30fps".
std::wstring ValueListVideoResolution(int language);
// "1 sec", "10 secs".
std::wstring ValueListTimelapseInterval(int language);
// "1 min", "3 mins", "5 mins": Video Tagging Interval and Loop Recording Interval.
std::wstring ValueListMinutesInterval(int language);
// "ESS ON", "Position Light + ESS ON", "Fog Light + ESS ON", "ESS OFF".
std::wstring ValueListEssStatus(int language);
