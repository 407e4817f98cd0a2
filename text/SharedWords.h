#pragma once
// Words and short messages that several windows show: button captions, button
// names used inside instructions, page titles, a few status phrases, the on
// and off words, the archive date format and the program's name. Each takes
// the UI language index and gives English for any index outside 1..12.

#include <string>

std::wstring GetTextManagerLanguage(int language);
// The language dialog's check box, which the dialog never shows.
std::wstring GetTextApplyToVoicePromptLanguage(int language);
std::wstring GetTextOk(int language);
std::wstring GetTextSendEmail(int language);
std::wstring GetTextCancel(int language);
std::wstring GetTextYes(int language);
std::wstring GetTextNo(int language);
std::wstring GetTextBack(int language);
std::wstring GetTextNext(int language);
std::wstring GetTextNewDevice(int language);
std::wstring GetTextUpdate(int language);
std::wstring GetTextRestore(int language);

// Names of headset controls, as they sit inside the hold-button instructions
// (French with its article).
std::wstring GetTextJogDial(int language);
std::wstring GetTextPhoneButton(int language);
std::wstring GetTextCenterButton(int language);
std::wstring GetTextPlusButton(int language);
std::wstring GetTextMinusButton(int language);
std::wstring GetTextLButton(int language);
std::wstring GetTextRButton(int language);
std::wstring GetTextPttButton(int language);
std::wstring GetTextPairingButton(int language);

// Title of page 1..7 (5, 6 and 7 share the settings title); any other page
// gives "MODE NOT AVAILABLE" in every language.
std::wstring GetTextPageTitle(int page, int language);

std::wstring GetTextCannotOpenUsb(int language);
std::wstring GetTextFirmwareManagementMode(int language);
std::wstring GetTextCheckSdCard(int language);
std::wstring GetTextTryAgain(int language);
std::wstring GetTextCameraUpdateFailed(int language);
std::wstring GetTextNotRecognizedDevice(int language);
std::wstring GetTextCannotBackupFirmware(int language);
// The word for firmware as it sits inside a sentence.
std::wstring GetTextFirmware(int language);

// strftime-style format of the archive date and time in the language's own
// order of day, month and year.
std::wstring GetTextDateTimeFormat(int language);

std::wstring GetTextEnable(int language);
std::wstring GetTextDisable(int language);
std::wstring GetTextEnabled(int language);
std::wstring GetTextDisabled(int language);
std::wstring GetTextSeconds(int language);

// Two lines, each ending in a line feed.
std::wstring GetTextDeviceNotConnected(int language);

std::wstring GetTextVersion(int language);

// The same in every language.
std::wstring GetTextAboutNotice();
std::wstring GetTextProductName();
