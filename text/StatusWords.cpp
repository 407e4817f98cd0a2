#include "text/StatusWords.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: every row of these four tables.

const wchar_t* const g_textNoDeviceLine1[kUiLanguageCount] = {
    /* English  */ L"NO Device",
    /* French   */ L"AUCUN appareil",
    /* German   */ L"KEIN Gerät",
    /* Italian  */ L"NESSUN dispositivo",
    /* Japanese */ L"デバイスが",
    /* Korean   */ L"장치 인식",
    /* Spanish  */ L"Ningún Disp.",
    /* Dutch    */ L"GEEN apparaat",
    /* Russian  */ L"НЕТ Устройства",
    /* Chinese  */ L"无设备",
    /* Finnish  */ L"EI laitetta",
    /* Czech    */ L"ŽÁDNÉ zařízení",
    /* Polish   */ L"BRAK urządzenia",
};

const wchar_t* const g_textNoDeviceLine2[kUiLanguageCount] = {
    /* English  */ L"Recognized",
    /* French   */ L"reconnu",
    /* German   */ L"gefunden",
    /* Italian  */ L"Riconosciuto",
    /* Japanese */ L"ありません",
    /* Korean   */ L"안됨",
    /* Spanish  */ L"recon.",
    /* Dutch    */ L"Herkend",
    /* Russian  */ L"Опознан",
    /* Chinese  */ L"已识别",
    /* Finnish  */ L"Tunnistettu",
    /* Czech    */ L"Rozpoznané",
    /* Polish   */ L"Rozpoznane",
};

const wchar_t* const g_textFirmwareManagementLine1[kUiLanguageCount] = {
    /* English  */ L"Firmware",
    /* French   */ L"Gestion",
    /* German   */ L"Firmware-",
    /* Italian  */ L"Gestione",
    /* Japanese */ L"ファームウェア",
    /* Korean   */ L"펌웨어",
    /* Spanish  */ L"Gestión",
    /* Dutch    */ L"Firmware",
    /* Russian  */ L"Прошивка",
    /* Chinese  */ L"固件",
    /* Finnish  */ L"Laiteohjelmisto",
    /* Czech    */ L"Firmware",
    /* Polish   */ L"Oprogramowanie układowe",
};

const wchar_t* const g_textFirmwareManagementLine2[kUiLanguageCount] = {
    /* English  */ L"Management",
    /* French   */ L"du micrologiciel",
    /* German   */ L"Management",
    /* Italian  */ L"Firmware",
    /* Japanese */ L"管理",
    /* Korean   */ L"관리",
    /* Spanish  */ L"firmware",
    /* Dutch    */ L"Beheer",
    /* Russian  */ L"Управление",
    /* Chinese  */ L"管理",
    /* Finnish  */ L"Hallinta",
    /* Czech    */ L"Správa",
    /* Polish   */ L"Zarządzanie",
};

} // namespace

std::wstring TextNoDeviceLine1(int language) { return LocalisedRow(g_textNoDeviceLine1, language); }
std::wstring TextNoDeviceLine2(int language) { return LocalisedRow(g_textNoDeviceLine2, language); }
std::wstring TextFirmwareManagementLine1(int language) { return LocalisedRow(g_textFirmwareManagementLine1, language); }
std::wstring TextFirmwareManagementLine2(int language) { return LocalisedRow(g_textFirmwareManagementLine2, language); }
