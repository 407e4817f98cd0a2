#include "text/RestorePageTexts.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Fixed: every row. Users and support documents know this title word for word in each
// language; keep the rows exact.
const wchar_t* const g_textBackupFirmwareInformation[kUiLanguageCount] = {
    L"Backup Firmware Information", // English
    L"Info. micrologiciel de sauvegarde", // French
    L"Backup-Firmware-Infos", // German
    L"Informazioni Backup Firmware", // Italian
    L"バックアップファームウェア情報", // Japanese
    L"백업 펌웨어 정보", // Korean
    L"Inform. Firmware Respaldo", // Spanish
    L"Back-up-firmware-informatie", // Dutch
    L"Сведения о Резервной Копии Прошивки", // Russian
    L"备份固件信息", // Chinese
    L"Laiteohjelmiston varmuuskopion tiedot", // Finnish
    L"Informace o záloze firmwaru", // Czech
    L"Informacje o kopii zapasowej oprogramowania układowego", // Polish
};

} // namespace

std::wstring TextBackupFirmwareInformation(int language) { return LocalisedRow(g_textBackupFirmwareInformation, language); }
