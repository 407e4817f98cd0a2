#include "text/SharedWords.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: English and German.
const wchar_t* const g_textManagerLanguage[kUiLanguageCount] = {
    /* English  */ L"Manager Software Language",
    /* French   */ L"Langue du logiciel Manager",
    /* German   */ L"Manager-Software-Sprache",
    /* Italian  */ L"Lingua del software Manager",
    /* Japanese */ L"マネージャーソフトウェアの言語",
    /* Korean   */ L"매니저 소프트웨어 언어",
    /* Spanish  */ L"Idioma del software Manager",
    /* Dutch    */ L"Taal van de Manager-software",
    /* Russian  */ L"Язык программы Manager",
    /* Chinese  */ L"管理软件语言",
    /* Finnish  */ L"Manager-ohjelmiston kieli",
    /* Czech    */ L"Jazyk softwaru Manager",
    /* Polish   */ L"Język oprogramowania Manager",
};

// Fixed: English, French, German, Italian, Japanese, Korean and Spanish; the
// other six languages keep the English words.
const wchar_t* const g_textApplyToVoicePromptLanguage[kUiLanguageCount] = {
    /* English  */ L"Apply To Voice Prompt Language",
    /* French   */ L"Appliquer au Language du Message Guidé Parlé",
    /* German   */ L"Auf Sprachansage Sprachwahl anwenden",
    /* Italian  */ L"Appl. a Lingua Messaggio Vocale",
    /* Japanese */ L"音声プロンプト言語に適用",
    /* Korean   */ L"음성안내 언어에 적용",
    /* Spanish  */ L"Aplicar a idioma del mensaje de voz",
    /* Dutch    */ L"Apply To Voice Prompt Language",
    /* Russian  */ L"Apply To Voice Prompt Language",
    /* Chinese  */ L"Apply To Voice Prompt Language",
    /* Finnish  */ L"Apply To Voice Prompt Language",
    /* Czech    */ L"Apply To Voice Prompt Language",
    /* Polish   */ L"Apply To Voice Prompt Language",
};

// Fixed: every row, "OK" everywhere but Korean.
const wchar_t* const g_textOk[kUiLanguageCount] = {
    /* English  */ L"OK",
    /* French   */ L"OK",
    /* German   */ L"OK",
    /* Italian  */ L"OK",
    /* Japanese */ L"OK",
    /* Korean   */ L"확인",
    /* Spanish  */ L"OK",
    /* Dutch    */ L"OK",
    /* Russian  */ L"OK",
    /* Chinese  */ L"OK",
    /* Finnish  */ L"OK",
    /* Czech    */ L"OK",
    /* Polish   */ L"OK",
};

// Fixed: English and the Dutch spelling "E-mail".
const wchar_t* const g_textSendEmail[kUiLanguageCount] = {
    /* English  */ L"SEND Email",
    /* French   */ L"ENVOYER Email",
    /* German   */ L"Email SENDEN",
    /* Italian  */ L"INVIA Email",
    /* Japanese */ L"メール送信",
    /* Korean   */ L"이메일 보내기",
    /* Spanish  */ L"ENVIAR Email",
    /* Dutch    */ L"E-mail VERZENDEN",
    /* Russian  */ L"ОТПРАВИТЬ Email",
    /* Chinese  */ L"发送电子邮件",
    /* Finnish  */ L"LÄHETÄ Email",
    /* Czech    */ L"ODESLAT Email",
    /* Polish   */ L"WYŚLIJ Email",
};

// Fixed: English.
const wchar_t* const g_textCancel[kUiLanguageCount] = {
    /* English  */ L"CANCEL",
    /* French   */ L"ANNULER",
    /* German   */ L"ABBRECHEN",
    /* Italian  */ L"ANNULLA",
    /* Japanese */ L"キャンセル",
    /* Korean   */ L"취소",
    /* Spanish  */ L"CANCELAR",
    /* Dutch    */ L"ANNULEREN",
    /* Russian  */ L"ОТМЕНА",
    /* Chinese  */ L"取消",
    /* Finnish  */ L"PERUUTA",
    /* Czech    */ L"ZRUŠIT",
    /* Polish   */ L"ANULUJ",
};

// Fixed: English.
const wchar_t* const g_textYes[kUiLanguageCount] = {
    /* English  */ L"YES",
    /* French   */ L"OUI",
    /* German   */ L"JA",
    /* Italian  */ L"SÌ",
    /* Japanese */ L"はい",
    /* Korean   */ L"예",
    /* Spanish  */ L"SÍ",
    /* Dutch    */ L"JA",
    /* Russian  */ L"ДА",
    /* Chinese  */ L"是",
    /* Finnish  */ L"KYLLÄ",
    /* Czech    */ L"ANO",
    /* Polish   */ L"TAK",
};

// Fixed: English.
const wchar_t* const g_textNo[kUiLanguageCount] = {
    /* English  */ L"NO",
    /* French   */ L"NON",
    /* German   */ L"NEIN",
    /* Italian  */ L"NO",
    /* Japanese */ L"いいえ",
    /* Korean   */ L"아니요",
    /* Spanish  */ L"NO",
    /* Dutch    */ L"NEE",
    /* Russian  */ L"НЕТ",
    /* Chinese  */ L"否",
    /* Finnish  */ L"EI",
    /* Czech    */ L"NE",
    /* Polish   */ L"NIE",
};

// Fixed: English.
const wchar_t* const g_textBack[kUiLanguageCount] = {
    /* English  */ L"BACK",
    /* French   */ L"RETOUR",
    /* German   */ L"ZURÜCK",
    /* Italian  */ L"INDIETRO",
    /* Japanese */ L"戻る",
    /* Korean   */ L"뒤로",
    /* Spanish  */ L"ATRÁS",
    /* Dutch    */ L"TERUG",
    /* Russian  */ L"НАЗАД",
    /* Chinese  */ L"返回",
    /* Finnish  */ L"TAKAISIN",
    /* Czech    */ L"ZPĚT",
    /* Polish   */ L"WSTECZ",
};

// Fixed: English.
const wchar_t* const g_textNext[kUiLanguageCount] = {
    /* English  */ L"NEXT",
    /* French   */ L"SUIVANT",
    /* German   */ L"WEITER",
    /* Italian  */ L"AVANTI",
    /* Japanese */ L"次へ",
    /* Korean   */ L"다음",
    /* Spanish  */ L"SIGUIENTE",
    /* Dutch    */ L"VOLGENDE",
    /* Russian  */ L"ДАЛЕЕ",
    /* Chinese  */ L"下一步",
    /* Finnish  */ L"SEURAAVA",
    /* Czech    */ L"DALŠÍ",
    /* Polish   */ L"DALEJ",
};

// Fixed: English.
const wchar_t* const g_textNewDevice[kUiLanguageCount] = {
    /* English  */ L"NEW DEVICE",
    /* French   */ L"NOUVEL APPAREIL",
    /* German   */ L"NEUES GERÄT",
    /* Italian  */ L"NUOVO DISP.",
    /* Japanese */ L"新しいデバイス",
    /* Korean   */ L"새 장치",
    /* Spanish  */ L"NUEVO DISP.",
    /* Dutch    */ L"NIEUW APPARAAT",
    /* Russian  */ L"НОВОЕ УСТР-ВО",
    /* Chinese  */ L"新设备",
    /* Finnish  */ L"UUSI LAITE",
    /* Czech    */ L"NOVÉ ZAŘÍZENÍ",
    /* Polish   */ L"NOWE URZĄDZENIE",
};

// Fixed: English and German, which keeps the English word.
const wchar_t* const g_textUpdate[kUiLanguageCount] = {
    /* English  */ L"UPDATE",
    /* French   */ L"MISE À JOUR",
    /* German   */ L"UPDATE",
    /* Italian  */ L"AGGIORNA",
    /* Japanese */ L"更新",
    /* Korean   */ L"업데이트",
    /* Spanish  */ L"ACTUALIZAR",
    /* Dutch    */ L"BIJWERKEN",
    /* Russian  */ L"ОБНОВИТЬ",
    /* Chinese  */ L"更新",
    /* Finnish  */ L"PÄIVITÄ",
    /* Czech    */ L"AKTUALIZOVAT",
    /* Polish   */ L"AKTUALIZUJ",
};

// Fixed: English, French and German.
const wchar_t* const g_textRestore[kUiLanguageCount] = {
    /* English  */ L"RESTORE",
    /* French   */ L"RESTAURER",
    /* German   */ L"ZURÜCKSETZEN",
    /* Italian  */ L"RIPRISTINA",
    /* Japanese */ L"復旧",
    /* Korean   */ L"복구",
    /* Spanish  */ L"RESTAURAR",
    /* Dutch    */ L"HERSTELLEN",
    /* Russian  */ L"ВОССТАНОВИТЬ",
    /* Chinese  */ L"还原",
    /* Finnish  */ L"PALAUTA",
    /* Czech    */ L"OBNOVIT",
    /* Polish   */ L"PRZYWRÓĆ",
};

// Fixed: English. French carries its article like every French control name, because the names sit
// inside the hold-button sentences.
const wchar_t* const g_textJogDial[kUiLanguageCount] = {
    /* English  */ L"Jog Dial",
    /* French   */ L"la Molette",
    /* German   */ L"Jog-Dial",
    /* Italian  */ L"Rotella",
    /* Japanese */ L"ジョグダイヤル",
    /* Korean   */ L"조그 다이얼",
    /* Spanish  */ L"Rueda de control",
    /* Dutch    */ L"Draaiknop",
    /* Russian  */ L"Поворотный регулятор",
    /* Chinese  */ L"拨轮",
    /* Finnish  */ L"Säätörulla",
    /* Czech    */ L"Otočný ovladač",
    /* Polish   */ L"Pokrętło",
};

// Fixed: English and French, with its article.
const wchar_t* const g_textPhoneButton[kUiLanguageCount] = {
    /* English  */ L"Phone Button",
    /* French   */ L"le Bouton Téléphone",
    /* German   */ L"Telefontaste",
    /* Italian  */ L"Tasto Telefono",
    /* Japanese */ L"電話ボタン",
    /* Korean   */ L"전화 버튼",
    /* Spanish  */ L"Botón Teléfono",
    /* Dutch    */ L"Telefoonknop",
    /* Russian  */ L"Кнопка телефона",
    /* Chinese  */ L"电话按钮",
    /* Finnish  */ L"Puhelinpainike",
    /* Czech    */ L"Tlačítko telefonu",
    /* Polish   */ L"Przycisk telefonu",
};

// Fixed: English and French, with its article.
const wchar_t* const g_textCenterButton[kUiLanguageCount] = {
    /* English  */ L"Center Button",
    /* French   */ L"le Bouton Centre",
    /* German   */ L"Mitteltaste",
    /* Italian  */ L"Tasto Centrale",
    /* Japanese */ L"センターボタン",
    /* Korean   */ L"센터 버튼",
    /* Spanish  */ L"Botón Central",
    /* Dutch    */ L"Middelste knop",
    /* Russian  */ L"Центральная кнопка",
    /* Chinese  */ L"中央按钮",
    /* Finnish  */ L"Keskipainike",
    /* Czech    */ L"Prostřední tlačítko",
    /* Polish   */ L"Przycisk środkowy",
};

// Fixed: English and French, with its article.
const wchar_t* const g_textPlusButton[kUiLanguageCount] = {
    /* English  */ L"[+] Button",
    /* French   */ L"le Bouton [+]",
    /* German   */ L"[+]-Taste",
    /* Italian  */ L"Tasto [+]",
    /* Japanese */ L"[+]ボタン",
    /* Korean   */ L"[+] 버튼",
    /* Spanish  */ L"Botón [+]",
    /* Dutch    */ L"[+]-knop",
    /* Russian  */ L"Кнопка [+]",
    /* Chinese  */ L"[+] 按钮",
    /* Finnish  */ L"[+] -painike",
    /* Czech    */ L"Tlačítko [+]",
    /* Polish   */ L"Przycisk [+]",
};

// Fixed: English and French, with its article.
const wchar_t* const g_textMinusButton[kUiLanguageCount] = {
    /* English  */ L"[-] Button",
    /* French   */ L"le Bouton [-]",
    /* German   */ L"[-]-Taste",
    /* Italian  */ L"Tasto [-]",
    /* Japanese */ L"[-]ボタン",
    /* Korean   */ L"[-] 버튼",
    /* Spanish  */ L"Botón [-]",
    /* Dutch    */ L"[-]-knop",
    /* Russian  */ L"Кнопка [-]",
    /* Chinese  */ L"[-] 按钮",
    /* Finnish  */ L"[-] -painike",
    /* Czech    */ L"Tlačítko [-]",
    /* Polish   */ L"Przycisk [-]",
};

// Fixed: English and Finnish, which names the side instead of the letter.
const wchar_t* const g_textLButton[kUiLanguageCount] = {
    /* English  */ L"[L] Button",
    /* French   */ L"le Bouton [L]",
    /* German   */ L"[L]-Taste",
    /* Italian  */ L"Tasto [L]",
    /* Japanese */ L"[L]ボタン",
    /* Korean   */ L"[L] 버튼",
    /* Spanish  */ L"Botón [L]",
    /* Dutch    */ L"[L]-knop",
    /* Russian  */ L"Кнопка [L]",
    /* Chinese  */ L"[L] 按钮",
    /* Finnish  */ L"[Vasen] -painike",
    /* Czech    */ L"Tlačítko [L]",
    /* Polish   */ L"Przycisk [L]",
};

// Fixed: English and Finnish, which names the side instead of the letter.
const wchar_t* const g_textRButton[kUiLanguageCount] = {
    /* English  */ L"[R] Button",
    /* French   */ L"le Bouton [R]",
    /* German   */ L"[R]-Taste",
    /* Italian  */ L"Tasto [R]",
    /* Japanese */ L"[R]ボタン",
    /* Korean   */ L"[R] 버튼",
    /* Spanish  */ L"Botón [R]",
    /* Dutch    */ L"[R]-knop",
    /* Russian  */ L"Кнопка [R]",
    /* Chinese  */ L"[R] 按钮",
    /* Finnish  */ L"[Oikea] -painike",
    /* Czech    */ L"Tlačítko [R]",
    /* Polish   */ L"Przycisk [R]",
};

// Fixed: English.
const wchar_t* const g_textPttButton[kUiLanguageCount] = {
    /* English  */ L"PTT Button",
    /* French   */ L"le Bouton PTT",
    /* German   */ L"PTT-Taste",
    /* Italian  */ L"Tasto PTT",
    /* Japanese */ L"PTTボタン",
    /* Korean   */ L"PTT 버튼",
    /* Spanish  */ L"Botón PTT",
    /* Dutch    */ L"PTT-knop",
    /* Russian  */ L"Кнопка PTT",
    /* Chinese  */ L"PTT 按钮",
    /* Finnish  */ L"PTT-painike",
    /* Czech    */ L"Tlačítko PTT",
    /* Polish   */ L"Przycisk PTT",
};

// Fixed: English and French, with its article.
const wchar_t* const g_textPairingButton[kUiLanguageCount] = {
    /* English  */ L"Pairing Button",
    /* French   */ L"le Bouton Couplage",
    /* German   */ L"Kopplungstaste",
    /* Italian  */ L"Tasto Abbinamento",
    /* Japanese */ L"ペアリングボタン",
    /* Korean   */ L"페어링 버튼",
    /* Spanish  */ L"Botón Emparejamiento",
    /* Dutch    */ L"Koppelknop",
    /* Russian  */ L"Кнопка сопряжения",
    /* Chinese  */ L"配对按钮",
    /* Finnish  */ L"Pariliitospainike",
    /* Czech    */ L"Tlačítko párování",
    /* Polish   */ L"Przycisk parowania",
};

// Fixed: every row. Columns: pages 1, 2, 3, 4 and the settings pages 5 to 7, which share one title.
const wchar_t* const g_textPageTitle[kUiLanguageCount][5] = {
    /* English  */ {L"WELCOME", L"DEVICE RECOGNITION", L"FIRMWARE UPDATE", L"FIRMWARE RESTORE", L"DEVICE SETTING"},
    /* French   */ {L"BIENVENUE", L"DÉTECTION APPAREIL", L"MAJ MICROLOGICIEL", L"RESTAURATION", L"PARAM. PÉRIPH."},
    /* German   */ {L"WILLKOMMEN", L"GERÄTEERKENNUNG", L"FIRMWARE-UPDATE", L"F/W-ZURÜCKSETZUNG", L"GERÄTEEINSTELLUNGEN"},
    /* Italian  */ {L"BENVENUTO", L"RICONOSC. DISP.", L"AGG. FIRMWARE", L"RIPR. FIRMWARE", L"IMPOST. DISP."},
    /* Japanese */ {L"ようこそ", L"デバイス認識", L"ファームウェア更新", L"ファームウェア復旧", L"デバイス設定"},
    /* Korean   */ {L"환영합니다", L"장치 인식", L"펌웨어 업데이트", L"펌웨어 복구", L"장치 설정"},
    /* Spanish  */ {L"BIENVENIDO", L"RECONOC. DISPOS.", L"ACT. FIRMWARE", L"REST. FIRMWARE", L"CONFIG. DISP."},
    /* Dutch    */ {L"WELKOM", L"APPARAATHERKENNING", L"FIRMWARE-UPDATE", L"FIRMWAREHERSTEL", L"APPARAATINSTELLING"},
    /* Russian  */ {L"ЗДРАВСТВУЙТЕ", L"РАСПОЗН. УСТР-ВА", L"ОБНОВЛ. Прошивки", L"ВОССТ. Прошивки", L"НАСТРОЙКИ"},
    /* Chinese  */ {L"欢迎", L"设备识别", L"固件更新", L"固件还原", L"设备设置"},
    /* Finnish  */ {L"TERVETULOA", L"LAITETUNNISTUS", L"PÄIVITYS", L"PALAUTUS", L"LAITEASETUKSET"},
    /* Czech    */ {L"VÍTEJTE", L"ROZPOZNÁNÍ ZAŘÍZENÍ", L"AKTUAL. FIRMWARU", L"OBNOVENÍ FIRMWARU", L"NASTAVENÍ ZAŘÍZENÍ"},
    /* Polish   */ {L"WITAMY", L"ROZPOZ. URZĄDZENIA", L"AKTUALIZACJA", L"PRZYWRACANIE", L"UST. URZĄDZENIA"},
};

// Fixed: English.
const wchar_t* const g_textCannotOpenUsb[kUiLanguageCount] = {
    /* English  */ L"Cannot open USB",
    /* French   */ L"Impossible d'ouvrir l'USB",
    /* German   */ L"USB kann nicht geöffnet werden",
    /* Italian  */ L"Impossibile aprire la porta USB",
    /* Japanese */ L"USBを開けません",
    /* Korean   */ L"USB를 열 수 없음",
    /* Spanish  */ L"No se puede abrir el USB",
    /* Dutch    */ L"Kan USB niet openen",
    /* Russian  */ L"Не удается открыть USB",
    /* Chinese  */ L"无法打开 USB",
    /* Finnish  */ L"USB:tä ei voi avata",
    /* Czech    */ L"Nelze otevřít USB",
    /* Polish   */ L"Nie można otworzyć USB",
};

// Fixed: English.
const wchar_t* const g_textFirmwareManagementMode[kUiLanguageCount] = {
    /* English  */ L"Firmware management mode",
    /* French   */ L"Mode de gestion du micrologiciel",
    /* German   */ L"Firmware-Managementmodus",
    /* Italian  */ L"Modalità di gestione firmware",
    /* Japanese */ L"ファームウェア管理モード",
    /* Korean   */ L"펌웨어 관리 모드",
    /* Spanish  */ L"Modo de gestión de firmware",
    /* Dutch    */ L"Firmwarebeheermodus",
    /* Russian  */ L"Режим управления прошивкой",
    /* Chinese  */ L"固件管理模式",
    /* Finnish  */ L"Laiteohjelmiston hallintatila",
    /* Czech    */ L"Režim správy firmwaru",
    /* Polish   */ L"Tryb zarządzania oprogramowaniem",
};

// Fixed: English and French. French, German, Italian, Korean, Spanish, Dutch, Russian and Chinese
// speak of a microSD card.
const wchar_t* const g_textCheckSdCard[kUiLanguageCount] = {
    /* English  */ L"Check your SD Card.",
    /* French   */ L"Vérifiez votre carte microSD.",
    /* German   */ L"Überprüfen Sie Ihre microSD-Karte.",
    /* Italian  */ L"Controllare la scheda microSD.",
    /* Japanese */ L"SDカードを確認してください。",
    /* Korean   */ L"microSD 카드를 확인하십시오.",
    /* Spanish  */ L"Compruebe la tarjeta microSD.",
    /* Dutch    */ L"Controleer uw microSD-kaart.",
    /* Russian  */ L"Проверьте карту microSD.",
    /* Chinese  */ L"请检查 microSD 卡。",
    /* Finnish  */ L"Tarkista SD-kortti.",
    /* Czech    */ L"Zkontrolujte SD kartu.",
    /* Polish   */ L"Sprawdź kartę SD.",
};

// Fixed: English.
const wchar_t* const g_textTryAgain[kUiLanguageCount] = {
    /* English  */ L"Try again",
    /* French   */ L"Réessayez",
    /* German   */ L"Erneut versuchen",
    /* Italian  */ L"Riprovare",
    /* Japanese */ L"もう一度お試しください",
    /* Korean   */ L"다시 시도하십시오",
    /* Spanish  */ L"Inténtelo de nuevo",
    /* Dutch    */ L"Probeer het opnieuw",
    /* Russian  */ L"Повторите попытку",
    /* Chinese  */ L"请重试",
    /* Finnish  */ L"Yritä uudelleen",
    /* Czech    */ L"Zkuste to znovu",
    /* Polish   */ L"Spróbuj ponownie",
};

// Fixed: English and Finnish, which carries the retry advice in the same text. Finnish, Czech and
// Polish end with a full stop.
const wchar_t* const g_textCameraUpdateFailed[kUiLanguageCount] = {
    /* English  */ L"Camera firmware update failed",
    /* French   */ L"Échec de la mise à jour du micrologiciel de la caméra",
    /* German   */ L"Update der Kamera-Firmware fehlgeschlagen",
    /* Italian  */ L"Aggiornamento del firmware della videocamera non riuscito",
    /* Japanese */ L"カメラのファームウェア更新に失敗しました",
    /* Korean   */ L"카메라 펌웨어 업데이트 실패",
    /* Spanish  */ L"Error al actualizar el firmware de la cámara",
    /* Dutch    */ L"Update van camerafirmware mislukt",
    /* Russian  */ L"Не удалось обновить прошивку камеры",
    /* Chinese  */ L"相机固件更新失败",
    /* Finnish  */ L"Kameran ohjelmistopäivitys epäonnistui. Yritä uudelleen.",
    /* Czech    */ L"Aktualizace firmwaru kamery se nezdařila.",
    /* Polish   */ L"Aktualizacja oprogramowania kamery nie powiodła się.",
};

// Fixed: English.
const wchar_t* const g_textNotRecognizedDevice[kUiLanguageCount] = {
    /* English  */ L"Not the recognized device",
    /* French   */ L"Ce n'est pas l'appareil reconnu",
    /* German   */ L"Nicht das erkannte Gerät",
    /* Italian  */ L"Non è il dispositivo riconosciuto",
    /* Japanese */ L"認識されたデバイスではありません",
    /* Korean   */ L"인식된 장치가 아님",
    /* Spanish  */ L"No es el dispositivo reconocido",
    /* Dutch    */ L"Niet het herkende apparaat",
    /* Russian  */ L"Это не распознанное устройство",
    /* Chinese  */ L"不是已识别的设备",
    /* Finnish  */ L"Ei tunnistettu laite",
    /* Czech    */ L"Nejde o rozpoznané zařízení",
    /* Polish   */ L"To nie jest rozpoznane urządzenie",
};

// Fixed: English.
const wchar_t* const g_textCannotBackupFirmware[kUiLanguageCount] = {
    /* English  */ L"Cannot make backup firmware",
    /* French   */ L"Impossible de sauvegarder le micrologiciel",
    /* German   */ L"Firmware-Sicherung nicht möglich",
    /* Italian  */ L"Impossibile eseguire il backup del firmware",
    /* Japanese */ L"ファームウェアのバックアップを作成できません",
    /* Korean   */ L"백업 펌웨어를 만들 수 없음",
    /* Spanish  */ L"No se puede crear la copia de seguridad del firmware",
    /* Dutch    */ L"Kan geen back-up van de firmware maken",
    /* Russian  */ L"Не удается создать резервную копию прошивки",
    /* Chinese  */ L"无法创建备份固件",
    /* Finnish  */ L"Laiteohjelmistoa ei voi varmuuskopioida",
    /* Czech    */ L"Nelze vytvořit zálohu firmwaru",
    /* Polish   */ L"Nie można utworzyć kopii zapasowej oprogramowania",
};

// Fixed: English and the capitalised Finnish word. The other rows take the form that reads inside
// "the previous ... file".
const wchar_t* const g_textFirmware[kUiLanguageCount] = {
    /* English  */ L"firmware",
    /* French   */ L"micrologiciel",
    /* German   */ L"Firmware",
    /* Italian  */ L"firmware",
    /* Japanese */ L"ファームウェア",
    /* Korean   */ L"펌웨어",
    /* Spanish  */ L"firmware",
    /* Dutch    */ L"firmware",
    /* Russian  */ L"прошивки",
    /* Chinese  */ L"固件",
    /* Finnish  */ L"Laiteohjelmisto",
    /* Czech    */ L"firmwaru",
    /* Polish   */ L"oprogramowania",
};

// Fixed: every row; each language writes day, month and year in its own order.
const wchar_t* const g_textDateTimeFormat[kUiLanguageCount] = {
    /* English  */ L"%m/%d/%Y %H:%M:%S",
    /* French   */ L"%d/%m/%Y %H:%M:%S",
    /* German   */ L"%d.%m.%Y %H:%M:%S",
    /* Italian  */ L"%d/%m/%Y %H:%M:%S",
    /* Japanese */ L"%Y/%m/%d %H:%M:%S",
    /* Korean   */ L"%Y.%m.%d %H:%M:%S",
    /* Spanish  */ L"%d/%m/%Y %H:%M:%S",
    /* Dutch    */ L"%m/%d/%Y %H:%M:%S",
    /* Russian  */ L"%m/%d/%Y %H:%M:%S",
    /* Chinese  */ L"%m/%d/%Y %H:%M:%S",
    /* Finnish  */ L"%m/%d/%Y %H:%M:%S",
    /* Czech    */ L"%d/%m/%Y %H:%M:%S",
    /* Polish   */ L"%d/%m/%Y %H:%M:%S",
};

// Fixed: English, French, and the German, Italian, Japanese, Korean, Spanish and Russian words,
// which these six languages share with the "Enabled" words.
const wchar_t* const g_textEnable[kUiLanguageCount] = {
    /* English  */ L"Enable",
    /* French   */ L"Activer",
    /* German   */ L"Aktiviert",
    /* Italian  */ L"Attiva",
    /* Japanese */ L"有効",
    /* Korean   */ L"활성화",
    /* Spanish  */ L"habil.",
    /* Dutch    */ L"Inschakelen",
    /* Russian  */ L"Вкл.",
    /* Chinese  */ L"启用",
    /* Finnish  */ L"Ota käyttöön",
    /* Czech    */ L"Povolit",
    /* Polish   */ L"Włącz",
};

// Fixed: English, French, and the German, Italian, Japanese, Korean, Spanish and Russian words,
// which these six languages share with the "Disabled" words.
const wchar_t* const g_textDisable[kUiLanguageCount] = {
    /* English  */ L"Disable",
    /* French   */ L"Désactiver",
    /* German   */ L"Deaktiviert",
    /* Italian  */ L"Disattiva",
    /* Japanese */ L"無効",
    /* Korean   */ L"비활성화",
    /* Spanish  */ L"deshab.",
    /* Dutch    */ L"Uitschakelen",
    /* Russian  */ L"Выкл.",
    /* Chinese  */ L"禁用",
    /* Finnish  */ L"Poista käytöstä",
    /* Czech    */ L"Zakázat",
    /* Polish   */ L"Wyłącz",
};

// Fixed: English, French, and the German, Italian, Japanese, Korean, Spanish and Russian words.
const wchar_t* const g_textEnabled[kUiLanguageCount] = {
    /* English  */ L"Enabled",
    /* French   */ L"Activé",
    /* German   */ L"Aktiviert",
    /* Italian  */ L"Attiva",
    /* Japanese */ L"有効",
    /* Korean   */ L"활성화",
    /* Spanish  */ L"habil.",
    /* Dutch    */ L"Ingeschakeld",
    /* Russian  */ L"Вкл.",
    /* Chinese  */ L"已启用",
    /* Finnish  */ L"Käytössä",
    /* Czech    */ L"Povoleno",
    /* Polish   */ L"Włączone",
};

// Fixed: English, French, and the German, Italian, Japanese, Korean, Spanish and Russian words.
const wchar_t* const g_textDisabled[kUiLanguageCount] = {
    /* English  */ L"Disabled",
    /* French   */ L"Désactivé",
    /* German   */ L"Deaktiviert",
    /* Italian  */ L"Disattiva",
    /* Japanese */ L"無効",
    /* Korean   */ L"비활성화",
    /* Spanish  */ L"deshab.",
    /* Dutch    */ L"Uitgeschakeld",
    /* Russian  */ L"Выкл.",
    /* Chinese  */ L"已禁用",
    /* Finnish  */ L"Pois käytöstä",
    /* Czech    */ L"Zakázáno",
    /* Polish   */ L"Wyłączone",
};

// Fixed: English and Spanish.
const wchar_t* const g_textSeconds[kUiLanguageCount] = {
    /* English  */ L"seconds",
    /* French   */ L"secondes",
    /* German   */ L"Sekunden",
    /* Italian  */ L"secondi",
    /* Japanese */ L"秒",
    /* Korean   */ L"초",
    /* Spanish  */ L"seg",
    /* Dutch    */ L"seconden",
    /* Russian  */ L"секунд",
    /* Chinese  */ L"秒",
    /* Finnish  */ L"sekuntia",
    /* Czech    */ L"sekund",
    /* Polish   */ L"sekund",
};

// Fixed: English. Every row has the same two lines, each ending in a line feed.
const wchar_t* const g_textDeviceNotConnected[kUiLanguageCount] = {
    /* English  */ L"Recognized device is not connected or is not the same as the connected device.\n"
                   L"Select appropriate device.\n",
    /* French   */ L"L'appareil reconnu n'est pas connecté ou n'est pas l'appareil connecté.\n"
                   L"Sélectionnez l'appareil approprié.\n",
    /* German   */ L"Das erkannte Gerät ist nicht angeschlossen oder nicht mit dem angeschlossenen Gerät identisch.\n"
                   L"Wählen Sie das passende Gerät aus.\n",
    /* Italian  */ L"Il dispositivo riconosciuto non è collegato o non corrisponde al dispositivo collegato.\n"
                   L"Selezionare il dispositivo appropriato.\n",
    /* Japanese */ L"認識されたデバイスが接続されていないか、接続されているデバイスと異なります。\n"
                   L"適切なデバイスを選択してください。\n",
    /* Korean   */ L"인식된 장치가 연결되어 있지 않거나 연결된 장치와 다릅니다.\n"
                   L"적절한 장치를 선택하십시오.\n",
    /* Spanish  */ L"El dispositivo reconocido no está conectado o no es el mismo que el dispositivo conectado.\n"
                   L"Seleccione el dispositivo adecuado.\n",
    /* Dutch    */ L"Het herkende apparaat is niet aangesloten of is niet hetzelfde als het aangesloten apparaat.\n"
                   L"Selecteer het juiste apparaat.\n",
    /* Russian  */ L"Распознанное устройство не подключено или не совпадает с подключенным устройством.\n"
                   L"Выберите подходящее устройство.\n",
    /* Chinese  */ L"已识别的设备未连接，或与所连接的设备不同。\n"
                   L"请选择合适的设备。\n",
    /* Finnish  */ L"Tunnistettu laite ei ole yhdistettynä tai se ei ole sama kuin yhdistetty laite.\n"
                   L"Valitse oikea laite.\n",
    /* Czech    */ L"Rozpoznané zařízení není připojeno nebo není totožné s připojeným zařízením.\n"
                   L"Vyberte odpovídající zařízení.\n",
    /* Polish   */ L"Rozpoznane urządzenie nie jest podłączone lub nie jest tym samym, co podłączone urządzenie.\n"
                   L"Wybierz odpowiednie urządzenie.\n",
};

// Fixed: English.
const wchar_t* const g_textVersion[kUiLanguageCount] = {
    /* English  */ L"Version",
    /* French   */ L"Version",
    /* German   */ L"Version",
    /* Italian  */ L"Versione",
    /* Japanese */ L"バージョン",
    /* Korean   */ L"버전",
    /* Spanish  */ L"Versión",
    /* Dutch    */ L"Versie",
    /* Russian  */ L"Версия",
    /* Chinese  */ L"版本",
    /* Finnish  */ L"Versio",
    /* Czech    */ L"Verze",
    /* Polish   */ L"Wersja",
};

} // namespace

std::wstring GetTextManagerLanguage(int language) { return LocalisedRow(g_textManagerLanguage, language); }
std::wstring GetTextOk(int language) { return LocalisedRow(g_textOk, language); }
std::wstring GetTextApplyToVoicePromptLanguage(int language)
{
    return LocalisedRow(g_textApplyToVoicePromptLanguage, language);
}
std::wstring GetTextSendEmail(int language) { return LocalisedRow(g_textSendEmail, language); }
std::wstring GetTextCancel(int language) { return LocalisedRow(g_textCancel, language); }
std::wstring GetTextYes(int language) { return LocalisedRow(g_textYes, language); }
std::wstring GetTextNo(int language) { return LocalisedRow(g_textNo, language); }
std::wstring GetTextBack(int language) { return LocalisedRow(g_textBack, language); }
std::wstring GetTextNext(int language) { return LocalisedRow(g_textNext, language); }
std::wstring GetTextNewDevice(int language) { return LocalisedRow(g_textNewDevice, language); }
std::wstring GetTextUpdate(int language) { return LocalisedRow(g_textUpdate, language); }
std::wstring GetTextRestore(int language) { return LocalisedRow(g_textRestore, language); }
std::wstring GetTextJogDial(int language) { return LocalisedRow(g_textJogDial, language); }
std::wstring GetTextPhoneButton(int language) { return LocalisedRow(g_textPhoneButton, language); }
std::wstring GetTextCenterButton(int language) { return LocalisedRow(g_textCenterButton, language); }
std::wstring GetTextPlusButton(int language) { return LocalisedRow(g_textPlusButton, language); }
std::wstring GetTextMinusButton(int language) { return LocalisedRow(g_textMinusButton, language); }
std::wstring GetTextLButton(int language) { return LocalisedRow(g_textLButton, language); }
std::wstring GetTextRButton(int language) { return LocalisedRow(g_textRButton, language); }
std::wstring GetTextPttButton(int language) { return LocalisedRow(g_textPttButton, language); }
std::wstring GetTextPairingButton(int language) { return LocalisedRow(g_textPairingButton, language); }

std::wstring GetTextPageTitle(int page, int language)
{
    if (page < 1 || page > 7)
        return L"MODE NOT AVAILABLE";
    return LocalisedRow(g_textPageTitle, language)[page >= 5 ? 4 : page - 1];
}

std::wstring GetTextCannotOpenUsb(int language) { return LocalisedRow(g_textCannotOpenUsb, language); }
std::wstring GetTextFirmwareManagementMode(int language) { return LocalisedRow(g_textFirmwareManagementMode, language); }
std::wstring GetTextCheckSdCard(int language) { return LocalisedRow(g_textCheckSdCard, language); }
std::wstring GetTextTryAgain(int language) { return LocalisedRow(g_textTryAgain, language); }
std::wstring GetTextCameraUpdateFailed(int language) { return LocalisedRow(g_textCameraUpdateFailed, language); }
std::wstring GetTextNotRecognizedDevice(int language) { return LocalisedRow(g_textNotRecognizedDevice, language); }
std::wstring GetTextCannotBackupFirmware(int language) { return LocalisedRow(g_textCannotBackupFirmware, language); }
std::wstring GetTextFirmware(int language) { return LocalisedRow(g_textFirmware, language); }
std::wstring GetTextDateTimeFormat(int language) { return LocalisedRow(g_textDateTimeFormat, language); }
std::wstring GetTextEnable(int language) { return LocalisedRow(g_textEnable, language); }
std::wstring GetTextDisable(int language) { return LocalisedRow(g_textDisable, language); }
std::wstring GetTextEnabled(int language) { return LocalisedRow(g_textEnabled, language); }
std::wstring GetTextDisabled(int language) { return LocalisedRow(g_textDisabled, language); }
std::wstring GetTextSeconds(int language) { return LocalisedRow(g_textSeconds, language); }
std::wstring GetTextDeviceNotConnected(int language) { return LocalisedRow(g_textDeviceNotConnected, language); }
std::wstring GetTextVersion(int language) { return LocalisedRow(g_textVersion, language); }

// One line in every language: the About box shows it under the version.
std::wstring GetTextAboutNotice()
{
    return L"Copyright © Quor. All rights reserved.";
}

// The program's name, the same in every language.
std::wstring GetTextProductName()
{
    return L"Quor Bluetooth Device Manager";
}
