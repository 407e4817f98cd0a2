#pragma once
// Messages of firmware work: checking, backing up, downloading and flashing,
// and why it failed. Capitalised texts are whole messages (also used as the
// reason of a failure line); lower-case ones are fragments that follow another
// text. Each takes the UI language index and gives English for any index
// outside 1..12.

#include <string>

std::wstring GetTextNoBackupFirmware(int language);
std::wstring GetTextNoBackupFirmwareOnServer(int language);
std::wstring GetTextCheckingFirmware(int language);
std::wstring GetTextCheckingBackupFirmware(int language);
std::wstring GetTextCannotGetStatus(int language);
std::wstring GetTextFirmwareCorrupted(int language);
// With the display name of the model of `productId`; a product id that names no
// model leaves the name empty.
std::wstring GetTextFirmwareNotForModel(int productId, int language);
std::wstring GetTextWithoutBackupFirmware(int language);
std::wstring GetTextAboutToMakeBackup(int language);
std::wstring GetTextCannotGetDevice(int language);
std::wstring GetTextCannotConnectServer(int language);
// The pattern itself, with one "%s" in square brackets for the button word.
std::wstring GetTextPressNamedButton(int language);
std::wstring GetTextPressRestoreButton(int language);
std::wstring GetTextAfterVoicePromptLanguage(int language);
std::wstring GetTextPressUpdateButton(int language);
std::wstring GetTextDownloadLatestFailed(int language);
std::wstring GetTextCannotOpenFile(int language);
std::wstring GetTextAboutToDownloadLatest(int language);
std::wstring GetTextAboutToDownloadBackup(int language);
std::wstring GetTextUsbNotMatch(int language);
std::wstring GetTextCannotUpdateFirmware(int language);
