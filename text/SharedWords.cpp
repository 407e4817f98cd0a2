#include "text/SharedWords.h"

#include "text/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

// Rows in UI language order: English, French, German, Italian, Japanese,
// Korean, Spanish, Dutch, Russian, Chinese, Finnish, Czech, Polish.

namespace {

using Rows = LocalisedTexts;

} // namespace

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextManagerLanguage(int language)
{
    static Rows rows = {
        L"Manager Software Language",
        L"Langue du logiciel Manager",
        L"Manager-Software-Sprache",
        L"Lingua del software Manager",
        L"マネージャーソフトウェアの言語",
        L"매니저 소프트웨어 언어",
        L"Idioma del software Manager",
        L"Taal van de Manager-software",
        L"Язык программы Manager",
        L"管理软件语言",
        L"Manager-ohjelmiston kieli",
        L"Jazyk softwaru Manager",
        L"Język oprogramowania Manager",
    };
    return PickText(rows, language);
}

// Every row is the product's own wording.
std::wstring GetTextOk(int language)
{
    static Rows rows = {
        L"OK", L"OK", L"OK", L"OK", L"OK", L"확인", L"OK",
        L"OK", L"OK", L"OK", L"OK", L"OK", L"OK",
    };
    return PickText(rows, language);
}

// English and the Dutch spelling "E-mail" are the product's own; the other rows
// were translated for this build.
std::wstring GetTextSendEmail(int language)
{
    static Rows rows = {
        L"SEND Email",
        L"ENVOYER Email",
        L"Email SENDEN",
        L"INVIA Email",
        L"メール送信",
        L"이메일 보내기",
        L"ENVIAR Email",
        L"E-mail VERZENDEN",
        L"ОТПРАВИТЬ Email",
        L"发送电子邮件",
        L"LÄHETÄ Email",
        L"ODESLAT Email",
        L"WYŚLIJ Email",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCancel(int language)
{
    static Rows rows = {
        L"CANCEL", L"ANNULER", L"ABBRECHEN", L"ANNULLA", L"キャンセル", L"취소", L"CANCELAR",
        L"ANNULEREN", L"ОТМЕНА", L"取消", L"PERUUTA", L"ZRUŠIT", L"ANULUJ",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextYes(int language)
{
    static Rows rows = {
        L"YES", L"OUI", L"JA", L"SÌ", L"はい", L"예", L"SÍ",
        L"JA", L"ДА", L"是", L"KYLLÄ", L"ANO", L"TAK",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNo(int language)
{
    static Rows rows = {
        L"NO", L"NON", L"NEIN", L"NO", L"いいえ", L"아니요", L"NO",
        L"NEE", L"НЕТ", L"否", L"EI", L"NE", L"NIE",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextBack(int language)
{
    static Rows rows = {
        L"BACK", L"RETOUR", L"ZURÜCK", L"INDIETRO", L"戻る", L"뒤로", L"ATRÁS",
        L"TERUG", L"НАЗАД", L"返回", L"TAKAISIN", L"ZPĚT", L"WSTECZ",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNext(int language)
{
    static Rows rows = {
        L"NEXT", L"SUIVANT", L"WEITER", L"AVANTI", L"次へ", L"다음", L"SIGUIENTE",
        L"VOLGENDE", L"ДАЛЕЕ", L"下一步", L"SEURAAVA", L"DALŠÍ", L"DALEJ",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNewDevice(int language)
{
    static Rows rows = {
        L"NEW DEVICE",
        L"NOUVEL APPAREIL",
        L"NEUES GERÄT",
        L"NUOVO DISP.",
        L"新しいデバイス",
        L"새 장치",
        L"NUEVO DISP.",
        L"NIEUW APPARAAT",
        L"НОВОЕ УСТР-ВО",
        L"新设备",
        L"UUSI LAITE",
        L"NOVÉ ZAŘÍZENÍ",
        L"NOWE URZĄDZENIE",
    };
    return PickText(rows, language);
}

// English and German (which keeps the English word) are the product's own; the
// other rows were translated for this build.
std::wstring GetTextUpdate(int language)
{
    static Rows rows = {
        L"UPDATE", L"MISE À JOUR", L"UPDATE", L"AGGIORNA", L"更新", L"업데이트", L"ACTUALIZAR",
        L"BIJWERKEN", L"ОБНОВИТЬ", L"更新", L"PÄIVITÄ", L"AKTUALIZOVAT", L"AKTUALIZUJ",
    };
    return PickText(rows, language);
}

// English, French and German are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextRestore(int language)
{
    static Rows rows = {
        L"RESTORE", L"RESTAURER", L"ZURÜCKSETZEN", L"RIPRISTINA", L"復旧", L"복구", L"RESTAURAR",
        L"HERSTELLEN", L"ВОССТАНОВИТЬ", L"还原", L"PALAUTA", L"OBNOVIT", L"PRZYWRÓĆ",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this
// build (French with the article, like the French button names).
std::wstring GetTextJogDial(int language)
{
    static Rows rows = {
        L"Jog Dial",
        L"la Molette",
        L"Jog-Dial",
        L"Rotella",
        L"ジョグダイヤル",
        L"조그 다이얼",
        L"Rueda de control",
        L"Draaiknop",
        L"Поворотный регулятор",
        L"拨轮",
        L"Säätörulla",
        L"Otočný ovladač",
        L"Pokrętło",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextPhoneButton(int language)
{
    static Rows rows = {
        L"Phone Button",
        L"le Bouton Téléphone",
        L"Telefontaste",
        L"Tasto Telefono",
        L"電話ボタン",
        L"전화 버튼",
        L"Botón Teléfono",
        L"Telefoonknop",
        L"Кнопка телефона",
        L"电话按钮",
        L"Puhelinpainike",
        L"Tlačítko telefonu",
        L"Przycisk telefonu",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextCenterButton(int language)
{
    static Rows rows = {
        L"Center Button",
        L"le Bouton Centre",
        L"Mitteltaste",
        L"Tasto Centrale",
        L"センターボタン",
        L"센터 버튼",
        L"Botón Central",
        L"Middelste knop",
        L"Центральная кнопка",
        L"中央按钮",
        L"Keskipainike",
        L"Prostřední tlačítko",
        L"Przycisk środkowy",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextPlusButton(int language)
{
    static Rows rows = {
        L"[+] Button",
        L"le Bouton [+]",
        L"[+]-Taste",
        L"Tasto [+]",
        L"[+]ボタン",
        L"[+] 버튼",
        L"Botón [+]",
        L"[+]-knop",
        L"Кнопка [+]",
        L"[+] 按钮",
        L"[+] -painike",
        L"Tlačítko [+]",
        L"Przycisk [+]",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextMinusButton(int language)
{
    static Rows rows = {
        L"[-] Button",
        L"le Bouton [-]",
        L"[-]-Taste",
        L"Tasto [-]",
        L"[-]ボタン",
        L"[-] 버튼",
        L"Botón [-]",
        L"[-]-knop",
        L"Кнопка [-]",
        L"[-] 按钮",
        L"[-] -painike",
        L"Tlačítko [-]",
        L"Przycisk [-]",
    };
    return PickText(rows, language);
}

// English and Finnish are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextLButton(int language)
{
    static Rows rows = {
        L"[L] Button",
        L"le Bouton [L]",
        L"[L]-Taste",
        L"Tasto [L]",
        L"[L]ボタン",
        L"[L] 버튼",
        L"Botón [L]",
        L"[L]-knop",
        L"Кнопка [L]",
        L"[L] 按钮",
        L"[Vasen] -painike",
        L"Tlačítko [L]",
        L"Przycisk [L]",
    };
    return PickText(rows, language);
}

// English and Finnish are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextRButton(int language)
{
    static Rows rows = {
        L"[R] Button",
        L"le Bouton [R]",
        L"[R]-Taste",
        L"Tasto [R]",
        L"[R]ボタン",
        L"[R] 버튼",
        L"Botón [R]",
        L"[R]-knop",
        L"Кнопка [R]",
        L"[R] 按钮",
        L"[Oikea] -painike",
        L"Tlačítko [R]",
        L"Przycisk [R]",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextPttButton(int language)
{
    static Rows rows = {
        L"PTT Button",
        L"le Bouton PTT",
        L"PTT-Taste",
        L"Tasto PTT",
        L"PTTボタン",
        L"PTT 버튼",
        L"Botón PTT",
        L"PTT-knop",
        L"Кнопка PTT",
        L"PTT 按钮",
        L"PTT-painike",
        L"Tlačítko PTT",
        L"Przycisk PTT",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextPairingButton(int language)
{
    static Rows rows = {
        L"Pairing Button",
        L"le Bouton Couplage",
        L"Kopplungstaste",
        L"Tasto Abbinamento",
        L"ペアリングボタン",
        L"페어링 버튼",
        L"Botón Emparejamiento",
        L"Koppelknop",
        L"Кнопка сопряжения",
        L"配对按钮",
        L"Pariliitospainike",
        L"Tlačítko párování",
        L"Przycisk parowania",
    };
    return PickText(rows, language);
}

// Every row is the product's own wording. Columns: pages 1, 2, 3, 4 and the
// settings pages 5 to 7.
std::wstring GetTextPageTitle(int page, int language)
{
    static const wchar_t* const titles[kUiLanguageCount][5] = {
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
    if (page < 1 || page > 7)
        return L"MODE NOT AVAILABLE";
    const int column = page >= 5 ? 4 : page - 1;
    return LocalisedRow(titles, language)[column];
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotOpenUsb(int language)
{
    static Rows rows = {
        L"Cannot open USB",
        L"Impossible d'ouvrir l'USB",
        L"USB kann nicht geöffnet werden",
        L"Impossibile aprire la porta USB",
        L"USBを開けません",
        L"USB를 열 수 없음",
        L"No se puede abrir el USB",
        L"Kan USB niet openen",
        L"Не удается открыть USB",
        L"无法打开 USB",
        L"USB:tä ei voi avata",
        L"Nelze otevřít USB",
        L"Nie można otworzyć USB",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextFirmwareManagementMode(int language)
{
    static Rows rows = {
        L"Firmware management mode",
        L"Mode de gestion du micrologiciel",
        L"Firmware-Managementmodus",
        L"Modalità di gestione firmware",
        L"ファームウェア管理モード",
        L"펌웨어 관리 모드",
        L"Modo de gestión de firmware",
        L"Firmwarebeheermodus",
        L"Режим управления прошивкой",
        L"固件管理模式",
        L"Laiteohjelmiston hallintatila",
        L"Režim správy firmwaru",
        L"Tryb zarządzania oprogramowaniem",
    };
    return PickText(rows, language);
}

// English and French are the product's own wording; the other rows were
// translated for this build (French, German, Italian, Korean, Spanish, Dutch,
// Russian and Chinese speak of a microSD card).
std::wstring GetTextCheckSdCard(int language)
{
    static Rows rows = {
        L"Check your SD Card.",
        L"Vérifiez votre carte microSD.",
        L"Überprüfen Sie Ihre microSD-Karte.",
        L"Controllare la scheda microSD.",
        L"SDカードを確認してください。",
        L"microSD 카드를 확인하십시오.",
        L"Compruebe la tarjeta microSD.",
        L"Controleer uw microSD-kaart.",
        L"Проверьте карту microSD.",
        L"请检查 microSD 卡。",
        L"Tarkista SD-kortti.",
        L"Zkontrolujte SD kartu.",
        L"Sprawdź kartę SD.",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextTryAgain(int language)
{
    static Rows rows = {
        L"Try again",
        L"Réessayez",
        L"Erneut versuchen",
        L"Riprovare",
        L"もう一度お試しください",
        L"다시 시도하십시오",
        L"Inténtelo de nuevo",
        L"Probeer het opnieuw",
        L"Повторите попытку",
        L"请重试",
        L"Yritä uudelleen",
        L"Zkuste to znovu",
        L"Spróbuj ponownie",
    };
    return PickText(rows, language);
}

// English and Finnish (with the retry advice in the same text) are the
// product's own wording; the other rows were translated for this build.
std::wstring GetTextCameraUpdateFailed(int language)
{
    static Rows rows = {
        L"Camera firmware update failed",
        L"Échec de la mise à jour du micrologiciel de la caméra",
        L"Update der Kamera-Firmware fehlgeschlagen",
        L"Aggiornamento del firmware della videocamera non riuscito",
        L"カメラのファームウェア更新に失敗しました",
        L"카메라 펌웨어 업데이트 실패",
        L"Error al actualizar el firmware de la cámara",
        L"Update van camerafirmware mislukt",
        L"Не удалось обновить прошивку камеры",
        L"相机固件更新失败",
        L"Kameran ohjelmistopäivitys epäonnistui. Yritä uudelleen.",
        L"Aktualizace firmwaru kamery se nezdařila.",
        L"Aktualizacja oprogramowania kamery nie powiodła się.",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextNotRecognizedDevice(int language)
{
    static Rows rows = {
        L"Not the recognized device",
        L"Ce n'est pas l'appareil reconnu",
        L"Nicht das erkannte Gerät",
        L"Non è il dispositivo riconosciuto",
        L"認識されたデバイスではありません",
        L"인식된 장치가 아님",
        L"No es el dispositivo reconocido",
        L"Niet het herkende apparaat",
        L"Это не распознанное устройство",
        L"不是已识别的设备",
        L"Ei tunnistettu laite",
        L"Nejde o rozpoznané zařízení",
        L"To nie jest rozpoznane urządzenie",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextCannotBackupFirmware(int language)
{
    static Rows rows = {
        L"Cannot make backup firmware",
        L"Impossible de sauvegarder le micrologiciel",
        L"Firmware-Sicherung nicht möglich",
        L"Impossibile eseguire il backup del firmware",
        L"ファームウェアのバックアップを作成できません",
        L"백업 펌웨어를 만들 수 없음",
        L"No se puede crear la copia de seguridad del firmware",
        L"Kan geen back-up van de firmware maken",
        L"Не удается создать резервную копию прошивки",
        L"无法创建备份固件",
        L"Laiteohjelmistoa ei voi varmuuskopioida",
        L"Nelze vytvořit zálohu firmwaru",
        L"Nie można utworzyć kopii zapasowej oprogramowania",
    };
    return PickText(rows, language);
}

// English and the capitalised Finnish word are the product's own; the other
// rows were translated for this build, in the form that reads inside "the
// previous ... file".
std::wstring GetTextFirmware(int language)
{
    static Rows rows = {
        L"firmware",
        L"micrologiciel",
        L"Firmware",
        L"firmware",
        L"ファームウェア",
        L"펌웨어",
        L"firmware",
        L"firmware",
        L"прошивки",
        L"固件",
        L"Laiteohjelmisto",
        L"firmwaru",
        L"oprogramowania",
    };
    return PickText(rows, language);
}

// Every row is the product's own.
std::wstring GetTextDateTimeFormat(int language)
{
    static const wchar_t* const monthFirst = L"%m/%d/%Y %H:%M:%S";
    static const wchar_t* const dayFirst = L"%d/%m/%Y %H:%M:%S";
    static Rows rows = {
        monthFirst,
        dayFirst,
        L"%d.%m.%Y %H:%M:%S",
        dayFirst,
        L"%Y/%m/%d %H:%M:%S",
        L"%Y.%m.%d %H:%M:%S",
        dayFirst,
        monthFirst,
        monthFirst,
        monthFirst,
        monthFirst,
        dayFirst,
        dayFirst,
    };
    return PickText(rows, language);
}

// English and the German, Italian, Japanese, Korean, Spanish and Russian words
// (shared with the "Enabled" words) are the product's own; the other rows were
// translated for this build.
std::wstring GetTextEnable(int language)
{
    static Rows rows = {
        L"Enable", L"Activer", L"Aktiviert", L"Attiva", L"有効", L"활성화", L"habil.",
        L"Inschakelen", L"Вкл.", L"启用", L"Ota käyttöön", L"Povolit", L"Włącz",
    };
    return PickText(rows, language);
}

// English and the German, Italian, Japanese, Korean, Spanish and Russian words
// (shared with the "Disabled" words) are the product's own; the other rows were
// translated for this build.
std::wstring GetTextDisable(int language)
{
    static Rows rows = {
        L"Disable", L"Désactiver", L"Deaktiviert", L"Disattiva", L"無効", L"비활성화", L"deshab.",
        L"Uitschakelen", L"Выкл.", L"禁用", L"Poista käytöstä", L"Zakázat", L"Wyłącz",
    };
    return PickText(rows, language);
}

// English and the German, Italian, Japanese, Korean, Spanish and Russian words
// are the product's own; the other rows were translated for this build.
std::wstring GetTextEnabled(int language)
{
    static Rows rows = {
        L"Enabled", L"Activé", L"Aktiviert", L"Attiva", L"有効", L"활성화", L"habil.",
        L"Ingeschakeld", L"Вкл.", L"已启用", L"Käytössä", L"Povoleno", L"Włączone",
    };
    return PickText(rows, language);
}

// English and the German, Italian, Japanese, Korean, Spanish and Russian words
// are the product's own; the other rows were translated for this build.
std::wstring GetTextDisabled(int language)
{
    static Rows rows = {
        L"Disabled", L"Désactivé", L"Deaktiviert", L"Disattiva", L"無効", L"비활성화", L"deshab.",
        L"Uitgeschakeld", L"Выкл.", L"已禁用", L"Pois käytöstä", L"Zakázáno", L"Wyłączone",
    };
    return PickText(rows, language);
}

// English and Spanish are the product's own wording; the other rows were
// translated for this build.
std::wstring GetTextSeconds(int language)
{
    static Rows rows = {
        L"seconds", L"secondes", L"Sekunden", L"secondi", L"秒", L"초", L"seg",
        L"seconden", L"секунд", L"秒", L"sekuntia", L"sekund", L"sekund",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this
// build, in the same two-line form.
std::wstring GetTextDeviceNotConnected(int language)
{
    static Rows rows = {
        L"Recognized device is not connected or is not the same as the connected device.\n"
        L"Select appropriate device.\n",
        L"L'appareil reconnu n'est pas connecté ou n'est pas l'appareil connecté.\n"
        L"Sélectionnez l'appareil approprié.\n",
        L"Das erkannte Gerät ist nicht angeschlossen oder nicht mit dem angeschlossenen Gerät identisch.\n"
        L"Wählen Sie das passende Gerät aus.\n",
        L"Il dispositivo riconosciuto non è collegato o non corrisponde al dispositivo collegato.\n"
        L"Selezionare il dispositivo appropriato.\n",
        L"認識されたデバイスが接続されていないか、接続されているデバイスと異なります。\n"
        L"適切なデバイスを選択してください。\n",
        L"인식된 장치가 연결되어 있지 않거나 연결된 장치와 다릅니다.\n"
        L"적절한 장치를 선택하십시오.\n",
        L"El dispositivo reconocido no está conectado o no es el mismo que el dispositivo conectado.\n"
        L"Seleccione el dispositivo adecuado.\n",
        L"Het herkende apparaat is niet aangesloten of is niet hetzelfde als het aangesloten apparaat.\n"
        L"Selecteer het juiste apparaat.\n",
        L"Распознанное устройство не подключено или не совпадает с подключенным устройством.\n"
        L"Выберите подходящее устройство.\n",
        L"已识别的设备未连接，或与所连接的设备不同。\n"
        L"请选择合适的设备。\n",
        L"Tunnistettu laite ei ole yhdistettynä tai se ei ole sama kuin yhdistetty laite.\n"
        L"Valitse oikea laite.\n",
        L"Rozpoznané zařízení není připojeno nebo není totožné s připojeným zařízením.\n"
        L"Vyberte odpovídající zařízení.\n",
        L"Rozpoznane urządzenie nie jest podłączone lub nie jest tym samym, co podłączone urządzenie.\n"
        L"Wybierz odpowiednie urządzenie.\n",
    };
    return PickText(rows, language);
}

// English is the product's own wording; the other rows were translated for this build.
std::wstring GetTextVersion(int language)
{
    static Rows rows = {
        L"Version", L"Version", L"Version", L"Versione", L"バージョン", L"버전", L"Versión",
        L"Versie", L"Версия", L"版本", L"Versio", L"Verze", L"Wersja",
    };
    return PickText(rows, language);
}

// Written for this build; one line in every language, as the About box shows it.
std::wstring GetTextAboutNotice()
{
    return L"Copyright © Quor. All rights reserved.";
}

// The product's own name, the same in every language.
std::wstring GetTextProductName()
{
    return L"Quor Bluetooth Device Manager";
}
