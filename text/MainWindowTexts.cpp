#include "text/MainWindowTexts.h"

#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

#include <algorithm>
#include <initializer_list>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

namespace {

// The arrows keep their distance from the word in every language, so the
// captions sit at the same place on the pill buttons.
const wchar_t kNextPattern[]      = L"%s        >  ";
const wchar_t kBackPattern[]      = L"  <       %s";
const wchar_t kForwardPattern[]   = L"%s  >  ";
const wchar_t kBackShortPattern[] = L"  <  %s";

std::wstring Fill(const LocalisedTexts& patterns, int language, std::initializer_list<TextArg> values)
{
    return FillPlaceholders(PickText(patterns, language), values);
}

} // namespace

const wchar_t kMakerWebSite[] = L"www.quor.example";

std::wstring GetCaptionNext(int language)
{
    return FillPlaceholders(kNextPattern, {GetTextNext(language)});
}

std::wstring GetCaptionBack(int language)
{
    return FillPlaceholders(kBackPattern, {GetTextBack(language)});
}

std::wstring GetCaptionNewDevice(int language)
{
    return FillPlaceholders(kForwardPattern, {GetTextNewDevice(language)});
}

std::wstring GetCaptionBackToPage(int language)
{
    return FillPlaceholders(kBackShortPattern, {GetTextPageTitle(3, language)});
}

std::wstring GetCaptionForwardToPage(int language)
{
    return FillPlaceholders(kForwardPattern, {GetTextPageTitle(4, language)});
}

std::wstring GetCaptionUpdate(int language)
{
    return GetTextUpdate(language);
}

std::wstring GetCaptionRestore(int language)
{
    return GetTextRestore(language);
}

// Fixed: English, Japanese, Chinese and Spanish.
std::wstring GetTextSave(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"SAVE",
        /* French   */ L"ENREG.",
        /* German   */ L"SPEICHERN",
        /* Italian  */ L"SALVA",
        /* Japanese */ L"保存",
        /* Korean   */ L"저장",
        /* Spanish  */ L"GUARD.",
        /* Dutch    */ L"OPSLAAN",
        /* Russian  */ L"СОХРАНИТЬ",
        /* Chinese  */ L"保存",
        /* Finnish  */ L"TALLENNA",
        /* Czech    */ L"ULOŽIT",
        /* Polish   */ L"ZAPISZ",
    };
    return PickText(rows, language);
}

// Fixed: English, Japanese and Korean (the title first), and the full-width
// question mark of Japanese, Chinese, Finnish, Czech and Polish. The title is that of page 5.
std::wstring GetTextSaveChangesPrompt(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Would you like to save %s changes?",
        /* French   */ L"Voulez-vous enregistrer les modifications de %s ?",
        /* German   */ L"Möchten Sie die Änderungen in %s speichern?",
        /* Italian  */ L"Salvare le modifiche di %s?",
        /* Japanese */ L"%s変更を保存しますか？",
        /* Korean   */ L"%s 변경 내용을 저장하시겠습니까?",
        /* Spanish  */ L"¿Desea guardar los cambios de %s?",
        /* Dutch    */ L"Wilt u de wijzigingen in %s opslaan?",
        /* Russian  */ L"Сохранить изменения в разделе «%s»?",
        /* Chinese  */ L"是否保存%s更改？",
        /* Finnish  */ L"Haluatko tallentaa kohteen %s muutokset？",
        /* Czech    */ L"Chcete uložit změny v části %s？",
        /* Polish   */ L"Czy zapisać zmiany w sekcji %s？",
    };
    return Fill(rows, language, {GetTextPageTitle(5, language)});
}

// Fixed: English and German.
std::wstring GetTextAbout(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"About...",
        /* French   */ L"À propos...",
        /* German   */ L"Über...",
        /* Italian  */ L"Informazioni...",
        /* Japanese */ L"バージョン情報...",
        /* Korean   */ L"정보...",
        /* Spanish  */ L"Acerca de...",
        /* Dutch    */ L"Info...",
        /* Russian  */ L"О программе...",
        /* Chinese  */ L"关于...",
        /* Finnish  */ L"Tietoja...",
        /* Czech    */ L"O aplikaci...",
        /* Polish   */ L"Informacje...",
    };
    return PickText(rows, language);
}

// Fixed: English and German.
std::wstring GetTextOnlineHelp(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Online Help",
        /* French   */ L"Aide en ligne",
        /* German   */ L"Online-Help",
        /* Italian  */ L"Guida online",
        /* Japanese */ L"オンラインヘルプ",
        /* Korean   */ L"온라인 도움말",
        /* Spanish  */ L"Ayuda en línea",
        /* Dutch    */ L"Online-help",
        /* Russian  */ L"Онлайн-справка",
        /* Chinese  */ L"在线帮助",
        /* Finnish  */ L"Online-ohje",
        /* Czech    */ L"Nápověda online",
        /* Polish   */ L"Pomoc online",
    };
    return PickText(rows, language);
}

// Fixed: English and German.
std::wstring GetTextDiagnosticLog(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Diagnostic Log",
        /* French   */ L"Journal de diagnostic",
        /* German   */ L"Diagnoseprotokoll",
        /* Italian  */ L"Registro diagnostico",
        /* Japanese */ L"診断ログ",
        /* Korean   */ L"진단 로그",
        /* Spanish  */ L"Registro de diagnóstico",
        /* Dutch    */ L"Diagnoselogboek",
        /* Russian  */ L"Журнал диагностики",
        /* Chinese  */ L"诊断日志",
        /* Finnish  */ L"Diagnostiikkaloki",
        /* Czech    */ L"Diagnostický protokol",
        /* Polish   */ L"Dziennik diagnostyczny",
    };
    return PickText(rows, language);
}

// Fixed: English, German and Spanish.
std::wstring GetTextClose(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Close",
        /* French   */ L"Fermer",
        /* German   */ L"Schließen",
        /* Italian  */ L"Chiudi",
        /* Japanese */ L"閉じる",
        /* Korean   */ L"닫기",
        /* Spanish  */ L"Cerr.",
        /* Dutch    */ L"Sluiten",
        /* Russian  */ L"Закрыть",
        /* Chinese  */ L"关闭",
        /* Finnish  */ L"Sulje",
        /* Czech    */ L"Zavřít",
        /* Polish   */ L"Zamknij",
    };
    return PickText(rows, language);
}

namespace {

// Target products by the control the hold-button popup names; every product
// no row names takes the default.
struct HoldButtonRow {
    HeadsetButton button;
    std::initializer_list<int> products;
};

const HoldButtonRow kHoldButtonRows[] = {
    {HeadsetButton::Minus,   {0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x3030, 0x3040, 0x3050, 0x4010, 0x4020,
                              0x4021, 0x4030, 0x5520, 0x5522, 0x5524, 0x5526, 0x5536, 0x5560, 0x5610, 0x5611,
                              0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5720, 0x5910, 0x5920, 0x6210}},
    {HeadsetButton::Center,  {0x2020, 0x4110, 0x4111, 0x4120, 0x4D20, 0x4D21, 0x4D50, 0x6110, 0x6111, 0x6120,
                              0x6121}},
    {HeadsetButton::L,       {0x4040}},
    {HeadsetButton::Pairing, {0x5210}},
};
const HeadsetButton kHoldButtonDefault = HeadsetButton::Phone;

struct HoldTwoButtonsRow {
    HeadsetButtonPair buttons;
    std::initializer_list<int> products;
};

const HoldTwoButtonsRow kHoldTwoButtonsRows[] = {
    {{HeadsetButton::Plus,   HeadsetButton::Minus},   {0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x3030, 0x3040, 0x3050,
                                                       0x4010, 0x4020, 0x4021, 0x4030, 0x5522, 0x5524, 0x5536, 0x5610,
                                                       0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x6210}},
    {{HeadsetButton::Center, HeadsetButton::Plus},    {0x2020, 0x4110, 0x4111, 0x4120, 0x4D20, 0x4D21, 0x4D50, 0x5520,
                                                       0x5526, 0x5720, 0x5910, 0x5920, 0x6110, 0x6111, 0x6120, 0x6121}},
    {{HeadsetButton::L,      HeadsetButton::R},       {0x4040}},
    {{HeadsetButton::Ptt,    HeadsetButton::Pairing}, {0x5210}},
};
const HeadsetButtonPair kHoldTwoButtonsDefault = {HeadsetButton::JogDial, HeadsetButton::Phone};

bool Lists(std::initializer_list<int> products, int productId)
{
    return std::find(products.begin(), products.end(), productId) != products.end();
}

} // namespace

HeadsetButton HoldButtonOf(int productId)
{
    for (const HoldButtonRow& row : kHoldButtonRows)
        if (Lists(row.products, productId))
            return row.button;
    return kHoldButtonDefault;
}

HeadsetButtonPair HoldTwoButtonsOf(int productId)
{
    for (const HoldTwoButtonsRow& row : kHoldTwoButtonsRows)
        if (Lists(row.products, productId))
            return row.buttons;
    return kHoldTwoButtonsDefault;
}

std::wstring GetTextHeadsetButton(HeadsetButton button, int language)
{
    switch (button) {
    case HeadsetButton::JogDial: return GetTextJogDial(language);
    case HeadsetButton::Phone:   return GetTextPhoneButton(language);
    case HeadsetButton::Center:  return GetTextCenterButton(language);
    case HeadsetButton::Plus:    return GetTextPlusButton(language);
    case HeadsetButton::Minus:   return GetTextMinusButton(language);
    case HeadsetButton::L:       return GetTextLButton(language);
    case HeadsetButton::R:       return GetTextRButton(language);
    case HeadsetButton::Ptt:     return GetTextPttButton(language);
    case HeadsetButton::Pairing: return GetTextPairingButton(language);
    }
    return GetTextPhoneButton(language);
}

// Fixed: English and German (the button first). The button names come with
// their article where the language needs one.
std::wstring GetTextHoldButtonPrompt(int productId, int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Press and hold the %s until this message disappears.",
        /* French   */ L"Maintenez la pression sur %s jusqu'à ce que ce message disparaisse.",
        /* German   */ L"%s gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
        /* Italian  */ L"Tenere premuto %s finché questo messaggio non scompare.",
        /* Japanese */ L"このメッセージが消えるまで%sを押し続けてください。",
        /* Korean   */ L"이 메시지가 사라질 때까지 %s을(를) 길게 누르십시오.",
        /* Spanish  */ L"Mantenga pulsado %s hasta que desaparezca este mensaje.",
        /* Dutch    */ L"Houd de %s ingedrukt tot dit bericht verdwijnt.",
        /* Russian  */ L"Нажмите и удерживайте «%s», пока это сообщение не исчезнет.",
        /* Chinese  */ L"请按住%s，直到此消息消失。",
        /* Finnish  */ L"Pidä %s painettuna, kunnes tämä viesti katoaa.",
        /* Czech    */ L"Stiskněte a podržte %s, dokud tato zpráva nezmizí.",
        /* Polish   */ L"Naciśnij i przytrzymaj %s, aż ten komunikat zniknie.",
    };
    return Fill(rows, language, {GetTextHeadsetButton(HoldButtonOf(productId), language)});
}

// Fixed: English and German.
std::wstring GetTextHoldTwoButtonsPrompt(int productId, int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Press and hold the %s and %s until this message disappears.",
        /* French   */ L"Maintenez la pression sur %s et %s jusqu'à ce que ce message disparaisse.",
        /* German   */ L"%s und %s gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
        /* Italian  */ L"Tenere premuti %s e %s finché questo messaggio non scompare.",
        /* Japanese */ L"このメッセージが消えるまで%sと%sを押し続けてください。",
        /* Korean   */ L"이 메시지가 사라질 때까지 %s 및 %s을(를) 길게 누르십시오.",
        /* Spanish  */ L"Mantenga pulsados %s y %s hasta que desaparezca este mensaje.",
        /* Dutch    */ L"Houd de %s en de %s ingedrukt tot dit bericht verdwijnt.",
        /* Russian  */ L"Нажмите и удерживайте «%s» и «%s», пока это сообщение не исчезнет.",
        /* Chinese  */ L"请同时按住%s和%s，直到此消息消失。",
        /* Finnish  */ L"Pidä %s ja %s painettuina, kunnes tämä viesti katoaa.",
        /* Czech    */ L"Stiskněte a podržte %s a %s, dokud tato zpráva nezmizí.",
        /* Polish   */ L"Naciśnij i przytrzymaj %s i %s, aż ten komunikat zniknie.",
    };
    const HeadsetButtonPair buttons = HoldTwoButtonsOf(productId);
    return Fill(rows, language,
                {GetTextHeadsetButton(buttons.first, language), GetTextHeadsetButton(buttons.second, language)});
}

// Fixed: English, with our web site in it. French, German and Spanish send the
// user to their own language folder of the site.
std::wstring GetTextBackupFailed(int language)
{
    static LocalisedTexts rows = {
        /* English  */ L"Creating a backup file for %s has failed. For %s, download the previous %s file from %s, and update the file manually using the Device Manager's %s. To continue, click the [%s] button below.",
        /* French   */ L"La création d'un fichier de sauvegarde pour %s a échoué. Pour %s, téléchargez le fichier %s précédent depuis %s/fr, puis mettez le fichier à jour manuellement avec la fonction %s du Device Manager. Pour continuer, cliquez sur le bouton [%s] ci-dessous.",
        /* German   */ L"Das Erstellen einer Sicherungsdatei für %s ist fehlgeschlagen. Laden Sie für %s die vorherige %s-Datei von %s/de herunter und aktualisieren Sie die Datei manuell mit der Funktion %s des Device Managers. Klicken Sie zum Fortfahren unten auf die Schaltfläche [%s].",
        /* Italian  */ L"Creazione del file di backup per %s non riuscita. Per %s, scaricare il file %s precedente da %s e aggiornare il file manualmente con la funzione %s del Device Manager. Per continuare, fare clic sul pulsante [%s] qui sotto.",
        /* Japanese */ L"%sのバックアップファイルの作成に失敗しました。%sを行うには、以前の%sファイルを %s からダウンロードし、Device Managerの%sで手動で更新してください。続行するには、下の[%s]ボタンをクリックしてください。",
        /* Korean   */ L"%s 백업 파일을 만들지 못했습니다. %s을(를) 위해 이전 %s 파일을 %s 에서 다운로드한 후 Device Manager의 %s에서 파일을 수동으로 업데이트하십시오. 계속하려면 아래의 [%s] 버튼을 클릭하십시오.",
        /* Spanish  */ L"No se pudo crear un archivo de copia de seguridad para %s. Para %s, descargue el archivo de %s anterior de %s/es y actualice el archivo manualmente con la función %s del Device Manager. Para continuar, haga clic en el botón [%s] de abajo.",
        /* Dutch    */ L"Het maken van een back-upbestand voor %s is mislukt. Download voor %s het vorige %s-bestand van %s en werk het bestand handmatig bij met %s van de Device Manager. Klik op de knop [%s] hieronder om door te gaan.",
        /* Russian  */ L"Не удалось создать резервный файл для «%s». Для «%s» загрузите предыдущий файл %s с сайта %s и обновите его вручную с помощью функции «%s» программы Device Manager. Чтобы продолжить, нажмите кнопку [%s] ниже.",
        /* Chinese  */ L"为%s创建备份文件失败。要进行%s，请从以下网址下载以前的%s文件：%s，然后使用 Device Manager 的%s手动更新该文件。要继续，请单击下面的 [%s] 按钮。",
        /* Finnish  */ L"Varmuuskopiotiedoston luominen kohteelle %s epäonnistui. Lataa kohdetta %s varten edellinen %s-tiedosto osoitteesta %s ja päivitä tiedosto manuaalisesti Device Managerin toiminnolla %s. Jatka napsauttamalla alla olevaa [%s]-painiketta.",
        /* Czech    */ L"Vytvoření záložního souboru pro %s se nezdařilo. Pro %s stáhněte předchozí soubor %s z %s a aktualizujte soubor ručně pomocí funkce %s v aplikaci Device Manager. Pokračujte kliknutím na tlačítko [%s] níže.",
        /* Polish   */ L"Nie udało się utworzyć pliku kopii zapasowej dla %s. Aby wykonać %s, pobierz poprzedni plik %s ze strony %s i zaktualizuj plik ręcznie za pomocą funkcji %s programu Device Manager. Aby kontynuować, kliknij przycisk [%s] poniżej.",
    };
    const std::wstring restore = GetTextPageTitle(4, language);
    return Fill(rows, language,
                {restore, restore, GetTextFirmware(language), kMakerWebSite, GetTextPageTitle(3, language),
                 GetTextOk(language)});
}
