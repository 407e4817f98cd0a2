// Fixed wording: the texts that users, manuals and support documents know word for word, held
// character for character.

#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

enum Language { En, Fr, De, It, Ja, Ko, Es, Nl, Ru, Zh, Fi, Cs, Pl };

struct Fixed
{
    const char* name;
    std::function<std::wstring(int)> text;
    int language;
    const wchar_t* expected;
};

TEST(FixedWording, ExactWording)
{
    const Fixed rows[] = {
        { "ManagerLanguage", GetTextManagerLanguage, En, L"Manager Software Language" },
        // The German context menu reads "Manager-Software-Sprache" beside "Diagnoseprotokoll".
        { "ManagerLanguage", GetTextManagerLanguage, De, L"Manager-Software-Sprache" },
        { "Ok", GetTextOk, En, L"OK" },
        { "Ok", GetTextOk, Ko, L"확인" },
        { "SendEmail", GetTextSendEmail, En, L"SEND Email" },
        { "Cancel", GetTextCancel, En, L"CANCEL" },
        { "Yes", GetTextYes, En, L"YES" },
        { "No", GetTextNo, En, L"NO" },
        { "Back", GetTextBack, En, L"BACK" },
        { "Next", GetTextNext, En, L"NEXT" },
        { "NewDevice", GetTextNewDevice, En, L"NEW DEVICE" },
        { "Update", GetTextUpdate, En, L"UPDATE" },
        { "Update", GetTextUpdate, De, L"UPDATE" },
        { "Restore", GetTextRestore, En, L"RESTORE" },
        { "Restore", GetTextRestore, Fr, L"RESTAURER" },
        { "Restore", GetTextRestore, De, L"ZURÜCKSETZEN" },
        { "JogDial", GetTextJogDial, En, L"Jog Dial" },
        { "PhoneButton", GetTextPhoneButton, En, L"Phone Button" },
        { "PhoneButton", GetTextPhoneButton, Fr, L"le Bouton Téléphone" },
        { "CenterButton", GetTextCenterButton, En, L"Center Button" },
        { "CenterButton", GetTextCenterButton, Fr, L"le Bouton Centre" },
        { "PlusButton", GetTextPlusButton, En, L"[+] Button" },
        { "PlusButton", GetTextPlusButton, Fr, L"le Bouton [+]" },
        { "MinusButton", GetTextMinusButton, En, L"[-] Button" },
        { "MinusButton", GetTextMinusButton, Fr, L"le Bouton [-]" },
        { "LButton", GetTextLButton, En, L"[L] Button" },
        { "LButton", GetTextLButton, Fi, L"[Vasen] -painike" },
        { "RButton", GetTextRButton, En, L"[R] Button" },
        { "RButton", GetTextRButton, Fi, L"[Oikea] -painike" },
        { "PttButton", GetTextPttButton, En, L"PTT Button" },
        { "PairingButton", GetTextPairingButton, En, L"Pairing Button" },
        { "PairingButton", GetTextPairingButton, Fr, L"le Bouton Couplage" },
        { "CannotOpenUsb", GetTextCannotOpenUsb, En, L"Cannot open USB" },
        { "FirmwareManagementMode", GetTextFirmwareManagementMode, En, L"Firmware management mode" },
        { "CheckSdCard", GetTextCheckSdCard, En, L"Check your SD Card." },
        { "CheckSdCard", GetTextCheckSdCard, Fr, L"Vérifiez votre carte microSD." },
        { "TryAgain", GetTextTryAgain, En, L"Try again" },
        { "CameraUpdateFailed", GetTextCameraUpdateFailed, En, L"Camera firmware update failed" },
        { "CameraUpdateFailed", GetTextCameraUpdateFailed, Fi,
          L"Kameran ohjelmistopäivitys epäonnistui. Yritä uudelleen." },
        { "NotRecognizedDevice", GetTextNotRecognizedDevice, En, L"Not the recognized device" },
        { "CannotBackupFirmware", GetTextCannotBackupFirmware, En, L"Cannot make backup firmware" },
        { "Firmware", GetTextFirmware, En, L"firmware" },
        { "Firmware", GetTextFirmware, Fi, L"Laiteohjelmisto" },
        { "Enable", GetTextEnable, En, L"Enable" },
        { "Disable", GetTextDisable, En, L"Disable" },
        { "Disable", GetTextDisable, Fr, L"Désactiver" },
        { "Enabled", GetTextEnabled, En, L"Enabled" },
        { "Enabled", GetTextEnabled, Fr, L"Activé" },
        { "Enabled", GetTextEnabled, De, L"Aktiviert" },
        { "Enabled", GetTextEnabled, It, L"Attiva" },
        { "Enabled", GetTextEnabled, Ja, L"有効" },
        { "Enabled", GetTextEnabled, Ko, L"활성화" },
        { "Enabled", GetTextEnabled, Es, L"habil." },
        { "Enabled", GetTextEnabled, Ru, L"Вкл." },
        { "Disabled", GetTextDisabled, En, L"Disabled" },
        { "Disabled", GetTextDisabled, Fr, L"Désactivé" },
        { "Disabled", GetTextDisabled, De, L"Deaktiviert" },
        { "Seconds", GetTextSeconds, En, L"seconds" },
        { "Seconds", GetTextSeconds, Es, L"seg" },
        { "DeviceNotConnected", GetTextDeviceNotConnected, En,
          L"Recognized device is not connected or is not the same as the connected device.\n"
          L"Select appropriate device.\n" },
        { "Version", GetTextVersion, En, L"Version" },

        { "NoBackupFirmware", GetTextNoBackupFirmware, En, L"NO backup firmware" },
        { "NoBackupFirmwareOnServer", GetTextNoBackupFirmwareOnServer, En,
          L"No backup firmware on the server" },
        { "CheckingFirmware", GetTextCheckingFirmware, En, L"Checking firmware" },
        { "CheckingBackupFirmware", GetTextCheckingBackupFirmware, En, L"Checking backup firmware" },
        { "CannotGetStatus", GetTextCannotGetStatus, En, L"Cannot get status" },
        { "FirmwareCorrupted", GetTextFirmwareCorrupted, En, L"Firmware corrupted" },
        { "WithoutBackupFirmware", GetTextWithoutBackupFirmware, En, L"without backup firmware" },
        { "AboutToMakeBackup", GetTextAboutToMakeBackup, En, L"about to make backup firmware" },
        { "CannotGetDevice", GetTextCannotGetDevice, En, L"Cannot get device" },
        { "CannotConnectServer", GetTextCannotConnectServer, En, L"Cannot connect to the server" },
        { "PressNamedButton", GetTextPressNamedButton, En, L"Press the [%s] button" },
        { "PressNamedButton", GetTextPressNamedButton, De, L"[%s]-Taste drücken" },
        { "PressNamedButton", GetTextPressNamedButton, Es, L"Pulse [%s]" },
        { "PressNamedButton", GetTextPressNamedButton, Ja, L"[%s]ボタンを押してください" },
        { "PressRestoreButton", GetTextPressRestoreButton, En, L"Press the [RESTORE] button" },
        { "PressRestoreButton", GetTextPressRestoreButton, Fr, L"Appuyez sur le bouton [RESTAURER]" },
        { "PressUpdateButton", GetTextPressUpdateButton, En, L"Press the [UPDATE] button" },
        { "PressUpdateButton", GetTextPressUpdateButton, De, L"[UPDATE]-Taste drücken" },
        { "AfterVoicePromptLanguage", GetTextAfterVoicePromptLanguage, En,
          L"Press the [RESTORE] button after selecting voice prompt language" },
        { "AfterVoicePromptLanguage", GetTextAfterVoicePromptLanguage, De,
          L"[ZURÜCKSETZEN]-Taste drücken nach Sprachwahl für Sprachansage" },
        { "DownloadLatestFailed", GetTextDownloadLatestFailed, En, L"Failed to download latest firmware" },
        { "CannotOpenFile", GetTextCannotOpenFile, En, L"Cannot open file" },
        { "AboutToDownloadLatest", GetTextAboutToDownloadLatest, En, L"about to download latest firmware" },
        { "AboutToDownloadBackup", GetTextAboutToDownloadBackup, En, L"about to download backup firmware" },
        { "UsbNotMatch", GetTextUsbNotMatch, En, L"USB not match" },
        { "CannotUpdateFirmware", GetTextCannotUpdateFirmware, En, L"Cannot update firmware" },

        { "UnsupportedFirmware", GetTextUnsupportedFirmware, En,
          L"Firmware version is not supported by the Orvan EVO. "
          L"Update to the latest version of Orvan EVO firmware." },
        { "UnsupportedFirmware", GetTextUnsupportedFirmware, Ko,
          L"이 펌웨어 버전은 지원되지 않습니다. 최신 버전의 펌웨어로 업데이트해주시기 바랍니다." },
    };
    for (const Fixed& q : rows)
        EXPECT_EQ(q.text(q.language), q.expected) << q.name << " in " << q.language;
}

// The words that six languages share between the verb and the state.
TEST(FixedWording, EnabledWordsSharedOnlyInTheSixLanguagesThatShareThem)
{
    for (int language = 0; language < 13; ++language) {
        const bool shared = language == De || language == It || language == Ja || language == Ko ||
                            language == Es || language == Ru;
        EXPECT_EQ(GetTextEnabled(language) == GetTextEnable(language), shared) << language;
        EXPECT_EQ(GetTextDisabled(language) == GetTextDisable(language), shared) << language;
    }
}

// French names of the headset's controls sit in the hold-button sentences with
// their article.
TEST(FixedWording, FrenchControlNamesCarryTheArticle)
{
    const std::function<std::wstring(int)> names[] = {
        GetTextJogDial, GetTextPhoneButton, GetTextCenterButton, GetTextPlusButton, GetTextMinusButton,
        GetTextLButton, GetTextRButton, GetTextPttButton, GetTextPairingButton,
    };
    for (const auto& name : names) {
        const std::wstring french = name(Fr);
        EXPECT_TRUE(french.rfind(L"le ", 0) == 0 || french.rfind(L"la ", 0) == 0) << french.size();
    }
}

TEST(FixedWording, SendEmailDutchSpelling)
{
    EXPECT_NE(GetTextSendEmail(Nl).find(L"E-mail"), std::wstring::npos);
}

TEST(FixedWording, MicroSdInTheEightLanguagesThatNameIt)
{
    for (int language = 0; language < 13; ++language) {
        const bool micro = language == Fr || language == De || language == It || language == Ko ||
                           language == Es || language == Nl || language == Ru || language == Zh;
        EXPECT_EQ(GetTextCheckSdCard(language).find(L"microSD") != std::wstring::npos, micro) << language;
    }
}

TEST(FixedWording, CameraFailureEndsWithFullStopOnlyInFinnishCzechPolish)
{
    for (int language = 0; language < 13; ++language) {
        const std::wstring text = GetTextCameraUpdateFailed(language);
        const bool stop = language == Fi || language == Cs || language == Pl;
        EXPECT_EQ(text.back() == L'.', stop) << language;
    }
}

TEST(FixedWording, UnsupportedFirmwareNamesTheModelTwiceButInKorean)
{
    for (int language = 0; language < 13; ++language) {
        const std::wstring text = GetTextUnsupportedFirmware(language);
        int count = 0;
        for (std::size_t at = text.find(L"Orvan EVO"); at != std::wstring::npos;
             at = text.find(L"Orvan EVO", at + 1))
            ++count;
        EXPECT_EQ(count, language == Ko ? 0 : 2) << language;
    }
}

TEST(FixedWording, PageTitles)
{
    // Every title is fixed wording; columns: pages 1, 2, 3, 4 and 5 to 7.
    const wchar_t* const titles[13][5] = {
        { L"WELCOME", L"DEVICE RECOGNITION", L"FIRMWARE UPDATE", L"FIRMWARE RESTORE", L"DEVICE SETTING" },
        { L"BIENVENUE", L"DÉTECTION APPAREIL", L"MAJ MICROLOGICIEL", L"RESTAURATION", L"PARAM. PÉRIPH." },
        { L"WILLKOMMEN", L"GERÄTEERKENNUNG", L"FIRMWARE-UPDATE", L"F/W-ZURÜCKSETZUNG", L"GERÄTEEINSTELLUNGEN" },
        { L"BENVENUTO", L"RICONOSC. DISP.", L"AGG. FIRMWARE", L"RIPR. FIRMWARE", L"IMPOST. DISP." },
        { L"ようこそ", L"デバイス認識", L"ファームウェア更新", L"ファームウェア復旧", L"デバイス設定" },
        { L"환영합니다", L"장치 인식", L"펌웨어 업데이트", L"펌웨어 복구", L"장치 설정" },
        { L"BIENVENIDO", L"RECONOC. DISPOS.", L"ACT. FIRMWARE", L"REST. FIRMWARE", L"CONFIG. DISP." },
        { L"WELKOM", L"APPARAATHERKENNING", L"FIRMWARE-UPDATE", L"FIRMWAREHERSTEL", L"APPARAATINSTELLING" },
        { L"ЗДРАВСТВУЙТЕ", L"РАСПОЗН. УСТР-ВА", L"ОБНОВЛ. Прошивки", L"ВОССТ. Прошивки", L"НАСТРОЙКИ" },
        { L"欢迎", L"设备识别", L"固件更新", L"固件还原", L"设备设置" },
        { L"TERVETULOA", L"LAITETUNNISTUS", L"PÄIVITYS", L"PALAUTUS", L"LAITEASETUKSET" },
        { L"VÍTEJTE", L"ROZPOZNÁNÍ ZAŘÍZENÍ", L"AKTUAL. FIRMWARU", L"OBNOVENÍ FIRMWARU", L"NASTAVENÍ ZAŘÍZENÍ" },
        { L"WITAMY", L"ROZPOZ. URZĄDZENIA", L"AKTUALIZACJA", L"PRZYWRACANIE", L"UST. URZĄDZENIA" },
    };
    for (int language = 0; language < 13; ++language) {
        for (int page = 1; page <= 7; ++page)
            EXPECT_EQ(GetTextPageTitle(page, language), titles[language][page >= 5 ? 4 : page - 1])
                << page << " " << language;
    }
    for (int language = -1; language <= 13; ++language) {
        EXPECT_EQ(GetTextPageTitle(6, language), GetTextPageTitle(5, language)) << language;
        EXPECT_EQ(GetTextPageTitle(7, language), GetTextPageTitle(5, language)) << language;
        for (int page : { 0, 8, -1, 100 })
            EXPECT_EQ(GetTextPageTitle(page, language), L"MODE NOT AVAILABLE") << page << " " << language;
    }
}

TEST(FixedWording, LanguageFreeTexts)
{
    EXPECT_EQ(GetTextProductName(), L"Quor Bluetooth Device Manager");
    const std::wstring notice = GetTextAboutNotice();
    EXPECT_FALSE(notice.empty());
    EXPECT_EQ(notice.find(L'\n'), std::wstring::npos);
    EXPECT_EQ(GetTextAboutNotice(), notice);
}

} // namespace
