#include "text/StatusWords.h"

#include "text/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Every row of these four tables is the product's own.

const wchar_t* const g_textNoDeviceLine1[kUiLanguageCount] = {
    L"NO Device",           // English
    L"AUCUN appareil",      // French
    L"KEIN Gerät",          // German
    L"NESSUN dispositivo",  // Italian
    L"デバイスが",           // Japanese
    L"장치 인식",            // Korean
    L"Ningún Disp.",        // Spanish
    L"GEEN apparaat",       // Dutch
    L"НЕТ Устройства",      // Russian
    L"无设备",               // Chinese
    L"EI laitetta",         // Finnish
    L"ŽÁDNÉ zařízení",      // Czech
    L"BRAK urządzenia",     // Polish
};

const wchar_t* const g_textNoDeviceLine2[kUiLanguageCount] = {
    L"Recognized",   // English
    L"reconnu",      // French
    L"gefunden",     // German
    L"Riconosciuto", // Italian
    L"ありません",    // Japanese
    L"안됨",          // Korean
    L"recon.",       // Spanish
    L"Herkend",      // Dutch
    L"Опознан",      // Russian
    L"已识别",        // Chinese
    L"Tunnistettu",  // Finnish
    L"Rozpoznané",   // Czech
    L"Rozpoznane",   // Polish
};

const wchar_t* const g_textFirmwareManagementLine1[kUiLanguageCount] = {
    L"Firmware",                // English
    L"Gestion",                 // French
    L"Firmware-",               // German
    L"Gestione",                // Italian
    L"ファームウェア",           // Japanese
    L"펌웨어",                   // Korean
    L"Gestión",                 // Spanish
    L"Firmware",                // Dutch
    L"Прошивка",                // Russian
    L"固件",                     // Chinese
    L"Laiteohjelmisto",         // Finnish
    L"Firmware",                // Czech
    L"Oprogramowanie układowe", // Polish
};

const wchar_t* const g_textFirmwareManagementLine2[kUiLanguageCount] = {
    L"Management",       // English
    L"du micrologiciel", // French
    L"Management",       // German
    L"Firmware",         // Italian
    L"管理",              // Japanese
    L"관리",              // Korean
    L"firmware",         // Spanish
    L"Beheer",           // Dutch
    L"Управление",       // Russian
    L"管理",              // Chinese
    L"Hallinta",         // Finnish
    L"Správa",           // Czech
    L"Zarządzanie",      // Polish
};

} // namespace

const wchar_t* TextNoDeviceLine1(int language) { return LocalisedRow(g_textNoDeviceLine1, language); }
const wchar_t* TextNoDeviceLine2(int language) { return LocalisedRow(g_textNoDeviceLine2, language); }
const wchar_t* TextFirmwareManagementLine1(int language) { return LocalisedRow(g_textFirmwareManagementLine1, language); }
const wchar_t* TextFirmwareManagementLine2(int language) { return LocalisedRow(g_textFirmwareManagementLine2, language); }
