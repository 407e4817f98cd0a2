#pragma once
// The firmware update page's own texts: its button and label words, the
// voice-prompt steps and the advice shown when an update has finished. Each
// takes the UI language index and gives English for any index outside 1..12.

#include <string>

std::wstring GetTextBrowse(int language);
std::wstring GetTextDownload(int language);
std::wstring GetTextLatestVersion(int language);
std::wstring GetTextFirmwareToUpdate(int language);
// The save dialog's filter: the same in every language.
std::wstring GetTextFirmwareFileFilter(int language);
std::wstring GetTextVoicePromptSteps(int language);
std::wstring GetTextPairingAdvice(int language);
std::wstring GetTextCameraReplugSteps(int language);
// The pattern, with one "%s" for the success text.
std::wstring GetTextPowerCycleToApply(int language);
