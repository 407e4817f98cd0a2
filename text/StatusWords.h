#pragma once
// The two lines of the main window's device caption while no unit is recognised, and while the
// recognised unit is in its firmware management mode, one row per UI language. Each language
// splits its own phrase, so the lines of one row are read together, never mixed across rows.
// A language outside 0 to 12 reads the English row.

#include <string>

std::wstring TextNoDeviceLine1(int language);           // "NO Device"
std::wstring TextNoDeviceLine2(int language);           // "Recognized"
std::wstring TextFirmwareManagementLine1(int language); // "Firmware"
std::wstring TextFirmwareManagementLine2(int language); // "Management"
