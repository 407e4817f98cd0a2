#pragma once
// Texts of the firmware restore page, one row per UI language. A language
// outside 0 to 12 reads the English row.

#include <string>

std::wstring TextBackupFirmwareInformation(int language); // "Backup Firmware Information"
