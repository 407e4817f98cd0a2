#pragma once
// Texts of the main window's status line for the page on show: what the
// manager is ready for, what it is doing and how the last operation ended.
// `page` is 1..7 (5, 6 and 7 are the settings pages); any other page gives an
// empty text. `usbStatus` is the USB product id seen at recognition (0x8000 or
// more while the unit is in its firmware management mode); only the ready text
// reads it. English for any language outside 1..12.

#include <string>

std::wstring GetTextReady(int page, int usbStatus, int language);
std::wstring GetTextInProgress(int page, int usbStatus, int language);
// Pages 1 and 2 give patterns that the caller fills: two "%s" on page 1, one
// on page 2.
std::wstring GetTextSuccess(int page, int usbStatus, int language);
// Without a final full stop; empty on page 1.
std::wstring GetTextFailure(int page, int usbStatus, int language);

std::wstring GetTextUnsupportedFirmware(int language);
