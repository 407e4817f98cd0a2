#include "text/FirmwareTexts.h"

#include "text/ModelDisplayName.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "text/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

// Rows in UI language order: English, French, German, Italian, Japanese,
// Korean, Spanish, Dutch, Russian, Chinese, Finnish, Czech, Polish.

namespace {

using Rows = LocalisedTexts;

} // namespace

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNoBackupFirmware(int language)
{
    static Rows rows = {
        L"NO backup firmware",
        L"AUCUN micrologiciel de sauvegarde",
        L"KEINE Sicherungs-Firmware",
        L"NESSUN firmware di backup",
        L"バックアップファームウェアなし",
        L"백업 펌웨어 없음",
        L"NINGÚN firmware de respaldo",
        L"GEEN back-upfirmware",
        L"НЕТ резервной прошивки",
        L"无备份固件",
        L"EI varmuuskopioitua laiteohjelmistoa",
        L"ŽÁDNÝ záložní firmware",
        L"BRAK kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNoBackupFirmwareOnServer(int language)
{
    static Rows rows = {
        L"No backup firmware on the server",
        L"Aucun micrologiciel de sauvegarde sur le serveur",
        L"Keine Sicherungs-Firmware auf dem Server",
        L"Nessun firmware di backup sul server",
        L"サーバーにバックアップファームウェアがありません",
        L"서버에 백업 펌웨어 없음",
        L"No hay firmware de respaldo en el servidor",
        L"Geen back-upfirmware op de server",
        L"На сервере нет резервной прошивки",
        L"服务器上没有备份固件",
        L"Palvelimella ei ole varmuuskopioitua laiteohjelmistoa",
        L"Na serveru není žádný záložní firmware",
        L"Brak kopii zapasowej oprogramowania na serwerze",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCheckingFirmware(int language)
{
    static Rows rows = {
        L"Checking firmware",
        L"Vérification du micrologiciel",
        L"Firmware wird geprüft",
        L"Verifica del firmware",
        L"ファームウェアを確認中",
        L"펌웨어 확인 중",
        L"Comprobando el firmware",
        L"Firmware controleren",
        L"Проверка прошивки",
        L"正在检查固件",
        L"Tarkistetaan laiteohjelmistoa",
        L"Kontrola firmwaru",
        L"Sprawdzanie oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCheckingBackupFirmware(int language)
{
    static Rows rows = {
        L"Checking backup firmware",
        L"Vérification du micrologiciel de sauvegarde",
        L"Sicherungs-Firmware wird geprüft",
        L"Verifica del firmware di backup",
        L"バックアップファームウェアを確認中",
        L"백업 펌웨어 확인 중",
        L"Comprobando el firmware de respaldo",
        L"Back-upfirmware controleren",
        L"Проверка резервной прошивки",
        L"正在检查备份固件",
        L"Tarkistetaan varmuuskopioitua laiteohjelmistoa",
        L"Kontrola záložního firmwaru",
        L"Sprawdzanie kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotGetStatus(int language)
{
    static Rows rows = {
        L"Cannot get status",
        L"Impossible d'obtenir l'état",
        L"Status kann nicht abgerufen werden",
        L"Impossibile ottenere lo stato",
        L"ステータスを取得できません",
        L"상태를 가져올 수 없음",
        L"No se puede obtener el estado",
        L"Kan status niet ophalen",
        L"Не удается получить состояние",
        L"无法获取状态",
        L"Tilaa ei voi hakea",
        L"Nelze zjistit stav",
        L"Nie można pobrać stanu",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextFirmwareCorrupted(int language)
{
    static Rows rows = {
        L"Firmware corrupted",
        L"Micrologiciel corrompu",
        L"Firmware beschädigt",
        L"Firmware danneggiato",
        L"ファームウェアが破損しています",
        L"펌웨어 손상됨",
        L"Firmware dañado",
        L"Firmware beschadigd",
        L"Прошивка повреждена",
        L"固件已损坏",
        L"Laiteohjelmisto on vioittunut",
        L"Firmware je poškozený",
        L"Oprogramowanie jest uszkodzone",
    };
    return PickText(rows, language);
}

// English, German, Japanese, Korean and Chinese are the product's own wording;
// the other rows were translated for this build.
std::wstring GetTextFirmwareNotForModel(int productId, int language)
{
    static Rows formats = {
        L"Firmware not for %s",
        L"Micrologiciel non compatible avec %s",
        L"Keine %s Firmware",
        L"Firmware non destinato a %s",
        L"ファームウェアが%sに対応していません",
        L"%s용 펌웨어 아님",
        L"Firmware no válido para %s",
        L"Firmware niet voor %s",
        L"Прошивка не для %s",
        L"固件不适用于 %s",
        L"Laiteohjelmisto ei ole mallille %s",
        L"Firmware není určen pro %s",
        L"Oprogramowanie nie jest przeznaczone dla %s",
    };
    return FillPlaceholders(PickText(formats, language), { ModelDisplayName(productId) });
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextWithoutBackupFirmware(int language)
{
    static Rows rows = {
        L"without backup firmware",
        L"sans micrologiciel de sauvegarde",
        L"ohne Sicherungs-Firmware",
        L"senza firmware di backup",
        L"バックアップファームウェアなし",
        L"백업 펌웨어 없이",
        L"sin firmware de respaldo",
        L"zonder back-upfirmware",
        L"без резервной прошивки",
        L"无备份固件",
        L"ilman varmuuskopioitua laiteohjelmistoa",
        L"bez záložního firmwaru",
        L"bez kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextAboutToMakeBackup(int language)
{
    static Rows rows = {
        L"about to make backup firmware",
        L"création de la sauvegarde du micrologiciel",
        L"Sicherungs-Firmware wird erstellt",
        L"creazione del firmware di backup",
        L"バックアップファームウェアを作成します",
        L"백업 펌웨어 생성 중",
        L"creando el firmware de respaldo",
        L"back-upfirmware wordt gemaakt",
        L"создание резервной прошивки",
        L"即将创建备份固件",
        L"laiteohjelmistoa varmuuskopioidaan",
        L"vytváří se záložní firmware",
        L"tworzenie kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotGetDevice(int language)
{
    static Rows rows = {
        L"Cannot get device",
        L"Impossible d'accéder à l'appareil",
        L"Gerät nicht verfügbar",
        L"Impossibile accedere al dispositivo",
        L"デバイスを取得できません",
        L"장치를 가져올 수 없음",
        L"No se puede acceder al dispositivo",
        L"Kan apparaat niet ophalen",
        L"Не удается получить доступ к устройству",
        L"无法获取设备",
        L"Laitetta ei saada käyttöön",
        L"Nelze získat zařízení",
        L"Brak dostępu do urządzenia",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotConnectServer(int language)
{
    static Rows rows = {
        L"Cannot connect to the server",
        L"Impossible de se connecter au serveur",
        L"Keine Verbindung zum Server möglich",
        L"Impossibile connettersi al server",
        L"サーバーに接続できません",
        L"서버에 연결할 수 없음",
        L"No se puede conectar con el servidor",
        L"Kan geen verbinding maken met de server",
        L"Не удается подключиться к серверу",
        L"无法连接到服务器",
        L"Palvelimeen ei saada yhteyttä",
        L"Nelze se připojit k serveru",
        L"Nie można połączyć się z serwerem",
    };
    return PickText(rows, language);
}

// English, French, German, Japanese and Spanish are the product's own wording;
// the other rows were translated for this build.
std::wstring GetTextPressNamedButton(int language)
{
    static Rows rows = {
        L"Press the [%s] button",
        L"Appuyez sur le bouton [%s]",
        L"[%s]-Taste drücken",
        L"Premere il pulsante [%s]",
        L"[%s]ボタンを押してください",
        L"[%s] 버튼을 누르십시오",
        L"Pulse [%s]",
        L"Druk op de knop [%s]",
        L"Нажмите кнопку [%s]",
        L"请按 [%s] 按钮",
        L"Paina [%s] -painiketta",
        L"Stiskněte tlačítko [%s]",
        L"Naciśnij przycisk [%s]",
    };
    return PickText(rows, language);
}

std::wstring GetTextPressRestoreButton(int language)
{
    return FillPlaceholders(GetTextPressNamedButton(language), { GetTextRestore(language) });
}

std::wstring GetTextPressUpdateButton(int language)
{
    return FillPlaceholders(GetTextPressNamedButton(language), { GetTextUpdate(language) });
}

// English, German, Japanese, Korean, Chinese and Polish are the product's own
// wording; the other rows were translated for this build.
std::wstring GetTextAfterVoicePromptLanguage(int language)
{
    static Rows formats = {
        L"%s after selecting voice prompt language",
        L"%s après avoir choisi la langue des messages vocaux",
        L"%s nach Sprachwahl für Sprachansage",
        L"%s dopo aver selezionato la lingua dei messaggi vocali",
        L"音声プロンプト言語を選んで%s",
        L"음성안내 언어를 선택한 후 %s",
        L"%s después de seleccionar el idioma de las indicaciones de voz",
        L"%s na het kiezen van de taal van de gesproken berichten",
        L"%s после выбора языка голосовых подсказок",
        L"在选择语音提示语言之后 %s",
        L"%s äänikehotteiden kielen valinnan jälkeen",
        L"%s po výběru jazyka hlasových pokynů",
        L"Wybierz %s po wybraniu języka komend głosowych",
    };
    return FillPlaceholders(PickText(formats, language), { GetTextPressRestoreButton(language) });
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextDownloadLatestFailed(int language)
{
    static Rows rows = {
        L"Failed to download latest firmware",
        L"Échec du téléchargement du dernier micrologiciel",
        L"Download der neuesten Firmware fehlgeschlagen",
        L"Download del firmware più recente non riuscito",
        L"最新のファームウェアのダウンロードに失敗しました",
        L"최신 펌웨어 다운로드 실패",
        L"Error al descargar el firmware más reciente",
        L"Downloaden van nieuwste firmware mislukt",
        L"Не удалось загрузить последнюю прошивку",
        L"下载最新固件失败",
        L"Uusimman laiteohjelmiston lataus epäonnistui",
        L"Stažení nejnovějšího firmwaru se nezdařilo",
        L"Nie udało się pobrać najnowszego oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotOpenFile(int language)
{
    static Rows rows = {
        L"Cannot open file",
        L"Impossible d'ouvrir le fichier",
        L"Datei kann nicht geöffnet werden",
        L"Impossibile aprire il file",
        L"ファイルを開けません",
        L"파일을 열 수 없음",
        L"No se puede abrir el archivo",
        L"Kan bestand niet openen",
        L"Не удается открыть файл",
        L"无法打开文件",
        L"Tiedostoa ei voi avata",
        L"Soubor nelze otevřít",
        L"Nie można otworzyć pliku",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextAboutToDownloadLatest(int language)
{
    static Rows rows = {
        L"about to download latest firmware",
        L"téléchargement du dernier micrologiciel",
        L"neueste Firmware wird heruntergeladen",
        L"download del firmware più recente",
        L"最新のファームウェアをダウンロードします",
        L"최신 펌웨어 다운로드 중",
        L"descargando el firmware más reciente",
        L"nieuwste firmware wordt gedownload",
        L"загрузка последней прошивки",
        L"即将下载最新固件",
        L"uusinta laiteohjelmistoa ladataan",
        L"stahuje se nejnovější firmware",
        L"pobieranie najnowszego oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextAboutToDownloadBackup(int language)
{
    static Rows rows = {
        L"about to download backup firmware",
        L"téléchargement du micrologiciel de sauvegarde",
        L"Sicherungs-Firmware wird heruntergeladen",
        L"download del firmware di backup",
        L"バックアップファームウェアをダウンロードします",
        L"백업 펌웨어 다운로드 중",
        L"descargando el firmware de respaldo",
        L"back-upfirmware wordt gedownload",
        L"загрузка резервной прошивки",
        L"即将下载备份固件",
        L"varmuuskopioitua laiteohjelmistoa ladataan",
        L"stahuje se záložní firmware",
        L"pobieranie kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextUsbNotMatch(int language)
{
    static Rows rows = {
        L"USB not match",
        L"USB ne correspond pas",
        L"USB stimmt nicht überein",
        L"USB non corrispondente",
        L"USBが一致しません",
        L"USB 불일치",
        L"USB no coincide",
        L"USB komt niet overeen",
        L"USB не совпадает",
        L"USB 不匹配",
        L"USB ei täsmää",
        L"USB neodpovídá",
        L"USB nie pasuje",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotUpdateFirmware(int language)
{
    static Rows rows = {
        L"Cannot update firmware",
        L"Impossible de mettre à jour le micrologiciel",
        L"Firmware kann nicht aktualisiert werden",
        L"Impossibile aggiornare il firmware",
        L"ファームウェアを更新できません",
        L"펌웨어를 업데이트할 수 없음",
        L"No se puede actualizar el firmware",
        L"Kan firmware niet bijwerken",
        L"Не удается обновить прошивку",
        L"无法更新固件",
        L"Laiteohjelmistoa ei voi päivittää",
        L"Firmware nelze aktualizovat",
        L"Nie można zaktualizować oprogramowania",
    };
    return PickText(rows, language);
}
