#pragma once
// The basic settings page's own labels and notices. Each takes the UI language index and gives
// English for any index outside 1..12. The DEFAULT label also serves the FM and speed-dial pages.

#include <string>

std::wstring GetDefaultLabel(int language);
std::wstring GetMoreSettingsLabel(int language);
// The notice under the EDR option, naming the motorcycle maker's onboard audio system.
std::wstring GetOnboardAudioNotice(int language);
// The note that changes take effect after the headset restarts.
std::wstring GetRestartNotice(int language);
// "seconds (3 ~ 60)": the seconds word of the language with the timeout's range.
std::wstring GetTimeoutRangeLabel(int language);
