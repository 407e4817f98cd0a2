#pragma once
// The main window's own captions and messages: navigation captions, the apply
// button's words, the save question, the menu words, the hold-button popups and
// the backup-failed instruction. Each takes the UI language index and gives
// English for any index outside 1..12.

#include <string>

std::wstring GetCaptionNext(int language);
std::wstring GetCaptionBack(int language);
std::wstring GetCaptionNewDevice(int language);
// Button 1020: back to the firmware update page.
std::wstring GetCaptionBackToPage(int language);
// Button 1024: on to the firmware restore page.
std::wstring GetCaptionForwardToPage(int language);
std::wstring GetCaptionUpdate(int language);
std::wstring GetCaptionRestore(int language);
std::wstring GetTextSave(int language);
std::wstring GetTextSaveChangesPrompt(int language);
std::wstring GetTextAbout(int language);
std::wstring GetTextOnlineHelp(int language);
std::wstring GetTextDiagnosticLog(int language);
std::wstring GetTextClose(int language);

// The headset's controls that the hold-button popups name, by target product.
enum class HeadsetButton { JogDial, Phone, Center, Plus, Minus, L, R, Ptt, Pairing };

HeadsetButton HoldButtonOf(int productId);
struct HeadsetButtonPair {
    HeadsetButton first;
    HeadsetButton second;
};
HeadsetButtonPair HoldTwoButtonsOf(int productId);
std::wstring GetTextHeadsetButton(HeadsetButton button, int language);

std::wstring GetTextHoldButtonPrompt(int productId, int language);
std::wstring GetTextHoldTwoButtonsPrompt(int productId, int language);

// The maker's web site that the backup-failed instruction sends the user to.
extern const wchar_t kMakerWebSite[];
std::wstring GetTextBackupFailed(int language);
