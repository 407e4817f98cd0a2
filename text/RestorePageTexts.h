#pragma once
// Texts of the firmware restore page, one row per UI language. A language
// outside 0 to 12 reads the English row; the returned text is static.

const wchar_t* TextBackupFirmwareInformation(int language); // "Backup Firmware Information"
