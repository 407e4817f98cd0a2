#include "text/FirmwareTexts.h"

#include "text/ModelDisplayName.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: English.
const wchar_t* const g_textNoBackupFirmware[kUiLanguageCount] = {
    /* English  */ L"NO backup firmware",
    /* French   */ L"AUCUN micrologiciel de sauvegarde",
    /* German   */ L"KEINE Sicherungs-Firmware",
    /* Italian  */ L"NESSUN firmware di backup",
    /* Japanese */ L"バックアップファームウェアなし",
    /* Korean   */ L"백업 펌웨어 없음",
    /* Spanish  */ L"NINGÚN firmware de respaldo",
    /* Dutch    */ L"GEEN back-upfirmware",
    /* Russian  */ L"НЕТ резервной прошивки",
    /* Chinese  */ L"无备份固件",
    /* Finnish  */ L"EI varmuuskopioitua laiteohjelmistoa",
    /* Czech    */ L"ŽÁDNÝ záložní firmware",
    /* Polish   */ L"BRAK kopii zapasowej oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textNoBackupFirmwareOnServer[kUiLanguageCount] = {
    /* English  */ L"No backup firmware on the server",
    /* French   */ L"Aucun micrologiciel de sauvegarde sur le serveur",
    /* German   */ L"Keine Sicherungs-Firmware auf dem Server",
    /* Italian  */ L"Nessun firmware di backup sul server",
    /* Japanese */ L"サーバーにバックアップファームウェアがありません",
    /* Korean   */ L"서버에 백업 펌웨어 없음",
    /* Spanish  */ L"No hay firmware de respaldo en el servidor",
    /* Dutch    */ L"Geen back-upfirmware op de server",
    /* Russian  */ L"На сервере нет резервной прошивки",
    /* Chinese  */ L"服务器上没有备份固件",
    /* Finnish  */ L"Palvelimella ei ole varmuuskopioitua laiteohjelmistoa",
    /* Czech    */ L"Na serveru není žádný záložní firmware",
    /* Polish   */ L"Brak kopii zapasowej oprogramowania na serwerze",
};

// Fixed: English.
const wchar_t* const g_textCheckingFirmware[kUiLanguageCount] = {
    /* English  */ L"Checking firmware",
    /* French   */ L"Vérification du micrologiciel",
    /* German   */ L"Firmware wird geprüft",
    /* Italian  */ L"Verifica del firmware",
    /* Japanese */ L"ファームウェアを確認中",
    /* Korean   */ L"펌웨어 확인 중",
    /* Spanish  */ L"Comprobando el firmware",
    /* Dutch    */ L"Firmware controleren",
    /* Russian  */ L"Проверка прошивки",
    /* Chinese  */ L"正在检查固件",
    /* Finnish  */ L"Tarkistetaan laiteohjelmistoa",
    /* Czech    */ L"Kontrola firmwaru",
    /* Polish   */ L"Sprawdzanie oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textCheckingBackupFirmware[kUiLanguageCount] = {
    /* English  */ L"Checking backup firmware",
    /* French   */ L"Vérification du micrologiciel de sauvegarde",
    /* German   */ L"Sicherungs-Firmware wird geprüft",
    /* Italian  */ L"Verifica del firmware di backup",
    /* Japanese */ L"バックアップファームウェアを確認中",
    /* Korean   */ L"백업 펌웨어 확인 중",
    /* Spanish  */ L"Comprobando el firmware de respaldo",
    /* Dutch    */ L"Back-upfirmware controleren",
    /* Russian  */ L"Проверка резервной прошивки",
    /* Chinese  */ L"正在检查备份固件",
    /* Finnish  */ L"Tarkistetaan varmuuskopioitua laiteohjelmistoa",
    /* Czech    */ L"Kontrola záložního firmwaru",
    /* Polish   */ L"Sprawdzanie kopii zapasowej oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textCannotGetStatus[kUiLanguageCount] = {
    /* English  */ L"Cannot get status",
    /* French   */ L"Impossible d'obtenir l'état",
    /* German   */ L"Status kann nicht abgerufen werden",
    /* Italian  */ L"Impossibile ottenere lo stato",
    /* Japanese */ L"ステータスを取得できません",
    /* Korean   */ L"상태를 가져올 수 없음",
    /* Spanish  */ L"No se puede obtener el estado",
    /* Dutch    */ L"Kan status niet ophalen",
    /* Russian  */ L"Не удается получить состояние",
    /* Chinese  */ L"无法获取状态",
    /* Finnish  */ L"Tilaa ei voi hakea",
    /* Czech    */ L"Nelze zjistit stav",
    /* Polish   */ L"Nie można pobrać stanu",
};

// Fixed: English.
const wchar_t* const g_textFirmwareCorrupted[kUiLanguageCount] = {
    /* English  */ L"Firmware corrupted",
    /* French   */ L"Micrologiciel corrompu",
    /* German   */ L"Firmware beschädigt",
    /* Italian  */ L"Firmware danneggiato",
    /* Japanese */ L"ファームウェアが破損しています",
    /* Korean   */ L"펌웨어 손상됨",
    /* Spanish  */ L"Firmware dañado",
    /* Dutch    */ L"Firmware beschadigd",
    /* Russian  */ L"Прошивка повреждена",
    /* Chinese  */ L"固件已损坏",
    /* Finnish  */ L"Laiteohjelmisto on vioittunut",
    /* Czech    */ L"Firmware je poškozený",
    /* Polish   */ L"Oprogramowanie jest uszkodzone",
};

// Fixed: English, German, Japanese, Korean and Chinese. Each language puts the model name where its
// grammar wants it.
const wchar_t* const g_textFirmwareNotForModel[kUiLanguageCount] = {
    /* English  */ L"Firmware not for %s",
    /* French   */ L"Micrologiciel non compatible avec %s",
    /* German   */ L"Keine %s Firmware",
    /* Italian  */ L"Firmware non destinato a %s",
    /* Japanese */ L"ファームウェアが%sに対応していません",
    /* Korean   */ L"%s용 펌웨어 아님",
    /* Spanish  */ L"Firmware no válido para %s",
    /* Dutch    */ L"Firmware niet voor %s",
    /* Russian  */ L"Прошивка не для %s",
    /* Chinese  */ L"固件不适用于 %s",
    /* Finnish  */ L"Laiteohjelmisto ei ole mallille %s",
    /* Czech    */ L"Firmware není určen pro %s",
    /* Polish   */ L"Oprogramowanie nie jest przeznaczone dla %s",
};

// Fixed: English.
const wchar_t* const g_textWithoutBackupFirmware[kUiLanguageCount] = {
    /* English  */ L"without backup firmware",
    /* French   */ L"sans micrologiciel de sauvegarde",
    /* German   */ L"ohne Sicherungs-Firmware",
    /* Italian  */ L"senza firmware di backup",
    /* Japanese */ L"バックアップファームウェアなし",
    /* Korean   */ L"백업 펌웨어 없이",
    /* Spanish  */ L"sin firmware de respaldo",
    /* Dutch    */ L"zonder back-upfirmware",
    /* Russian  */ L"без резервной прошивки",
    /* Chinese  */ L"无备份固件",
    /* Finnish  */ L"ilman varmuuskopioitua laiteohjelmistoa",
    /* Czech    */ L"bez záložního firmwaru",
    /* Polish   */ L"bez kopii zapasowej oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textAboutToMakeBackup[kUiLanguageCount] = {
    /* English  */ L"about to make backup firmware",
    /* French   */ L"création de la sauvegarde du micrologiciel",
    /* German   */ L"Sicherungs-Firmware wird erstellt",
    /* Italian  */ L"creazione del firmware di backup",
    /* Japanese */ L"バックアップファームウェアを作成します",
    /* Korean   */ L"백업 펌웨어 생성 중",
    /* Spanish  */ L"creando el firmware de respaldo",
    /* Dutch    */ L"back-upfirmware wordt gemaakt",
    /* Russian  */ L"создание резервной прошивки",
    /* Chinese  */ L"即将创建备份固件",
    /* Finnish  */ L"laiteohjelmistoa varmuuskopioidaan",
    /* Czech    */ L"vytváří se záložní firmware",
    /* Polish   */ L"tworzenie kopii zapasowej oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textCannotGetDevice[kUiLanguageCount] = {
    /* English  */ L"Cannot get device",
    /* French   */ L"Impossible d'accéder à l'appareil",
    /* German   */ L"Gerät nicht verfügbar",
    /* Italian  */ L"Impossibile accedere al dispositivo",
    /* Japanese */ L"デバイスを取得できません",
    /* Korean   */ L"장치를 가져올 수 없음",
    /* Spanish  */ L"No se puede acceder al dispositivo",
    /* Dutch    */ L"Kan apparaat niet ophalen",
    /* Russian  */ L"Не удается получить доступ к устройству",
    /* Chinese  */ L"无法获取设备",
    /* Finnish  */ L"Laitetta ei saada käyttöön",
    /* Czech    */ L"Nelze získat zařízení",
    /* Polish   */ L"Brak dostępu do urządzenia",
};

// Fixed: English.
const wchar_t* const g_textCannotConnectServer[kUiLanguageCount] = {
    /* English  */ L"Cannot connect to the server",
    /* French   */ L"Impossible de se connecter au serveur",
    /* German   */ L"Keine Verbindung zum Server möglich",
    /* Italian  */ L"Impossibile connettersi al server",
    /* Japanese */ L"サーバーに接続できません",
    /* Korean   */ L"서버에 연결할 수 없음",
    /* Spanish  */ L"No se puede conectar con el servidor",
    /* Dutch    */ L"Kan geen verbinding maken met de server",
    /* Russian  */ L"Не удается подключиться к серверу",
    /* Chinese  */ L"无法连接到服务器",
    /* Finnish  */ L"Palvelimeen ei saada yhteyttä",
    /* Czech    */ L"Nelze se připojit k serveru",
    /* Polish   */ L"Nie można połączyć się z serwerem",
};

// Fixed: English, French, German, Japanese and Spanish. The button word sits in square brackets in
// every language.
const wchar_t* const g_textPressNamedButton[kUiLanguageCount] = {
    /* English  */ L"Press the [%s] button",
    /* French   */ L"Appuyez sur le bouton [%s]",
    /* German   */ L"[%s]-Taste drücken",
    /* Italian  */ L"Premere il pulsante [%s]",
    /* Japanese */ L"[%s]ボタンを押してください",
    /* Korean   */ L"[%s] 버튼을 누르십시오",
    /* Spanish  */ L"Pulse [%s]",
    /* Dutch    */ L"Druk op de knop [%s]",
    /* Russian  */ L"Нажмите кнопку [%s]",
    /* Chinese  */ L"请按 [%s] 按钮",
    /* Finnish  */ L"Paina [%s] -painiketta",
    /* Czech    */ L"Stiskněte tlačítko [%s]",
    /* Polish   */ L"Naciśnij przycisk [%s]",
};

// Fixed: English, German, Japanese, Korean, Chinese and Polish. Each language puts the button
// instruction where its grammar wants it.
const wchar_t* const g_textAfterVoicePromptLanguage[kUiLanguageCount] = {
    /* English  */ L"%s after selecting voice prompt language",
    /* French   */ L"%s après avoir choisi la langue des messages vocaux",
    /* German   */ L"%s nach Sprachwahl für Sprachansage",
    /* Italian  */ L"%s dopo aver selezionato la lingua dei messaggi vocali",
    /* Japanese */ L"音声プロンプト言語を選んで%s",
    /* Korean   */ L"음성안내 언어를 선택한 후 %s",
    /* Spanish  */ L"%s después de seleccionar el idioma de las indicaciones de voz",
    /* Dutch    */ L"%s na het kiezen van de taal van de gesproken berichten",
    /* Russian  */ L"%s после выбора языка голосовых подсказок",
    /* Chinese  */ L"在选择语音提示语言之后 %s",
    /* Finnish  */ L"%s äänikehotteiden kielen valinnan jälkeen",
    /* Czech    */ L"%s po výběru jazyka hlasových pokynů",
    /* Polish   */ L"Wybierz %s po wybraniu języka komend głosowych",
};

// Fixed: English.
const wchar_t* const g_textDownloadLatestFailed[kUiLanguageCount] = {
    /* English  */ L"Failed to download latest firmware",
    /* French   */ L"Échec du téléchargement du dernier micrologiciel",
    /* German   */ L"Download der neuesten Firmware fehlgeschlagen",
    /* Italian  */ L"Download del firmware più recente non riuscito",
    /* Japanese */ L"最新のファームウェアのダウンロードに失敗しました",
    /* Korean   */ L"최신 펌웨어 다운로드 실패",
    /* Spanish  */ L"Error al descargar el firmware más reciente",
    /* Dutch    */ L"Downloaden van nieuwste firmware mislukt",
    /* Russian  */ L"Не удалось загрузить последнюю прошивку",
    /* Chinese  */ L"下载最新固件失败",
    /* Finnish  */ L"Uusimman laiteohjelmiston lataus epäonnistui",
    /* Czech    */ L"Stažení nejnovějšího firmwaru se nezdařilo",
    /* Polish   */ L"Nie udało się pobrać najnowszego oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textCannotOpenFile[kUiLanguageCount] = {
    /* English  */ L"Cannot open file",
    /* French   */ L"Impossible d'ouvrir le fichier",
    /* German   */ L"Datei kann nicht geöffnet werden",
    /* Italian  */ L"Impossibile aprire il file",
    /* Japanese */ L"ファイルを開けません",
    /* Korean   */ L"파일을 열 수 없음",
    /* Spanish  */ L"No se puede abrir el archivo",
    /* Dutch    */ L"Kan bestand niet openen",
    /* Russian  */ L"Не удается открыть файл",
    /* Chinese  */ L"无法打开文件",
    /* Finnish  */ L"Tiedostoa ei voi avata",
    /* Czech    */ L"Soubor nelze otevřít",
    /* Polish   */ L"Nie można otworzyć pliku",
};

// Fixed: English.
const wchar_t* const g_textAboutToDownloadLatest[kUiLanguageCount] = {
    /* English  */ L"about to download latest firmware",
    /* French   */ L"téléchargement du dernier micrologiciel",
    /* German   */ L"neueste Firmware wird heruntergeladen",
    /* Italian  */ L"download del firmware più recente",
    /* Japanese */ L"最新のファームウェアをダウンロードします",
    /* Korean   */ L"최신 펌웨어 다운로드 중",
    /* Spanish  */ L"descargando el firmware más reciente",
    /* Dutch    */ L"nieuwste firmware wordt gedownload",
    /* Russian  */ L"загрузка последней прошивки",
    /* Chinese  */ L"即将下载最新固件",
    /* Finnish  */ L"uusinta laiteohjelmistoa ladataan",
    /* Czech    */ L"stahuje se nejnovější firmware",
    /* Polish   */ L"pobieranie najnowszego oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textAboutToDownloadBackup[kUiLanguageCount] = {
    /* English  */ L"about to download backup firmware",
    /* French   */ L"téléchargement du micrologiciel de sauvegarde",
    /* German   */ L"Sicherungs-Firmware wird heruntergeladen",
    /* Italian  */ L"download del firmware di backup",
    /* Japanese */ L"バックアップファームウェアをダウンロードします",
    /* Korean   */ L"백업 펌웨어 다운로드 중",
    /* Spanish  */ L"descargando el firmware de respaldo",
    /* Dutch    */ L"back-upfirmware wordt gedownload",
    /* Russian  */ L"загрузка резервной прошивки",
    /* Chinese  */ L"即将下载备份固件",
    /* Finnish  */ L"varmuuskopioitua laiteohjelmistoa ladataan",
    /* Czech    */ L"stahuje se záložní firmware",
    /* Polish   */ L"pobieranie kopii zapasowej oprogramowania",
};

// Fixed: English.
const wchar_t* const g_textUsbNotMatch[kUiLanguageCount] = {
    /* English  */ L"USB not match",
    /* French   */ L"USB ne correspond pas",
    /* German   */ L"USB stimmt nicht überein",
    /* Italian  */ L"USB non corrispondente",
    /* Japanese */ L"USBが一致しません",
    /* Korean   */ L"USB 불일치",
    /* Spanish  */ L"USB no coincide",
    /* Dutch    */ L"USB komt niet overeen",
    /* Russian  */ L"USB не совпадает",
    /* Chinese  */ L"USB 不匹配",
    /* Finnish  */ L"USB ei täsmää",
    /* Czech    */ L"USB neodpovídá",
    /* Polish   */ L"USB nie pasuje",
};

// Fixed: English.
const wchar_t* const g_textCannotUpdateFirmware[kUiLanguageCount] = {
    /* English  */ L"Cannot update firmware",
    /* French   */ L"Impossible de mettre à jour le micrologiciel",
    /* German   */ L"Firmware kann nicht aktualisiert werden",
    /* Italian  */ L"Impossibile aggiornare il firmware",
    /* Japanese */ L"ファームウェアを更新できません",
    /* Korean   */ L"펌웨어를 업데이트할 수 없음",
    /* Spanish  */ L"No se puede actualizar el firmware",
    /* Dutch    */ L"Kan firmware niet bijwerken",
    /* Russian  */ L"Не удается обновить прошивку",
    /* Chinese  */ L"无法更新固件",
    /* Finnish  */ L"Laiteohjelmistoa ei voi päivittää",
    /* Czech    */ L"Firmware nelze aktualizovat",
    /* Polish   */ L"Nie można zaktualizować oprogramowania",
};

} // namespace

std::wstring GetTextNoBackupFirmware(int language) { return LocalisedRow(g_textNoBackupFirmware, language); }
std::wstring GetTextNoBackupFirmwareOnServer(int language) { return LocalisedRow(g_textNoBackupFirmwareOnServer, language); }
std::wstring GetTextCheckingFirmware(int language) { return LocalisedRow(g_textCheckingFirmware, language); }
std::wstring GetTextCheckingBackupFirmware(int language) { return LocalisedRow(g_textCheckingBackupFirmware, language); }
std::wstring GetTextCannotGetStatus(int language) { return LocalisedRow(g_textCannotGetStatus, language); }
std::wstring GetTextFirmwareCorrupted(int language) { return LocalisedRow(g_textFirmwareCorrupted, language); }

std::wstring GetTextFirmwareNotForModel(int productId, int language)
{
    return FillPlaceholders(LocalisedRow(g_textFirmwareNotForModel, language), { ModelDisplayName(productId) });
}

std::wstring GetTextWithoutBackupFirmware(int language) { return LocalisedRow(g_textWithoutBackupFirmware, language); }
std::wstring GetTextAboutToMakeBackup(int language) { return LocalisedRow(g_textAboutToMakeBackup, language); }
std::wstring GetTextCannotGetDevice(int language) { return LocalisedRow(g_textCannotGetDevice, language); }
std::wstring GetTextCannotConnectServer(int language) { return LocalisedRow(g_textCannotConnectServer, language); }
std::wstring GetTextPressNamedButton(int language) { return LocalisedRow(g_textPressNamedButton, language); }

std::wstring GetTextPressRestoreButton(int language)
{
    return FillPlaceholders(GetTextPressNamedButton(language), { GetTextRestore(language) });
}

std::wstring GetTextPressUpdateButton(int language)
{
    return FillPlaceholders(GetTextPressNamedButton(language), { GetTextUpdate(language) });
}

std::wstring GetTextAfterVoicePromptLanguage(int language)
{
    return FillPlaceholders(LocalisedRow(g_textAfterVoicePromptLanguage, language), { GetTextPressRestoreButton(language) });
}

std::wstring GetTextDownloadLatestFailed(int language) { return LocalisedRow(g_textDownloadLatestFailed, language); }
std::wstring GetTextCannotOpenFile(int language) { return LocalisedRow(g_textCannotOpenFile, language); }
std::wstring GetTextAboutToDownloadLatest(int language) { return LocalisedRow(g_textAboutToDownloadLatest, language); }
std::wstring GetTextAboutToDownloadBackup(int language) { return LocalisedRow(g_textAboutToDownloadBackup, language); }
std::wstring GetTextUsbNotMatch(int language) { return LocalisedRow(g_textUsbNotMatch, language); }
std::wstring GetTextCannotUpdateFirmware(int language) { return LocalisedRow(g_textCannotUpdateFirmware, language); }
