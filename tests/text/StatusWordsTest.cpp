#include "text/StatusWords.h"

#include <gtest/gtest.h>

#include <climits>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

struct CaptionRow {
    const wchar_t* noDevice1;
    const wchar_t* noDevice2;
    const wchar_t* management1;
    const wchar_t* management2;
};

const CaptionRow kRows[13] = {
    {L"NO Device", L"Recognized", L"Firmware", L"Management"},
    {L"AUCUN appareil", L"reconnu", L"Gestion", L"du micrologiciel"},
    {L"KEIN Gerät", L"gefunden", L"Firmware-", L"Management"},
    {L"NESSUN dispositivo", L"Riconosciuto", L"Gestione", L"Firmware"},
    {L"デバイスが", L"ありません", L"ファームウェア", L"管理"},
    {L"장치 인식", L"안됨", L"펌웨어", L"관리"},
    {L"Ningún Disp.", L"recon.", L"Gestión", L"firmware"},
    {L"GEEN apparaat", L"Herkend", L"Firmware", L"Beheer"},
    {L"НЕТ Устройства", L"Опознан", L"Прошивка", L"Управление"},
    {L"无设备", L"已识别", L"固件", L"管理"},
    {L"EI laitetta", L"Tunnistettu", L"Laiteohjelmisto", L"Hallinta"},
    {L"ŽÁDNÉ zařízení", L"Rozpoznané", L"Firmware", L"Správa"},
    {L"BRAK urządzenia", L"Rozpoznane", L"Oprogramowanie układowe", L"Zarządzanie"},
};

TEST(StatusWords, BothCaptionPairsInEveryLanguage)
{
    for (int language = 0; language < 13; ++language) {
        EXPECT_EQ(TextNoDeviceLine1(language), kRows[language].noDevice1) << "language " << language;
        EXPECT_EQ(TextNoDeviceLine2(language), kRows[language].noDevice2) << "language " << language;
        EXPECT_EQ(TextFirmwareManagementLine1(language), kRows[language].management1) << "language " << language;
        EXPECT_EQ(TextFirmwareManagementLine2(language), kRows[language].management2) << "language " << language;
    }
}

TEST(StatusWords, LanguageOutsideTheTableReadsTheEnglishPair)
{
    for (int language : {13, -1, 255, INT_MIN, INT_MAX}) {
        EXPECT_EQ(TextNoDeviceLine1(language), L"NO Device") << "language " << language;
        EXPECT_EQ(TextNoDeviceLine2(language), L"Recognized") << "language " << language;
        EXPECT_EQ(TextFirmwareManagementLine1(language), L"Firmware") << "language " << language;
        EXPECT_EQ(TextFirmwareManagementLine2(language), L"Management") << "language " << language;
    }
}

} // namespace
