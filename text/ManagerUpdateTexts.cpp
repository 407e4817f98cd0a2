#include "text/ManagerUpdateTexts.h"

#include "link/ManagerUpdateList.h"
#include "text/FirmwareTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Fixed: English. The other rows are our own; each keeps the English order of values.
const LocalisedTexts g_textManagerUpdatePrompt = {
    /* English  */ L"Newer version of %s is available. Would you like to update %s to v%d.%d%s?\n\nPressing the [%s] button will close this program, start downloading the update and guide to installation.\nPressing the [%s] button will start %s v%d.%d%s without updating.",
    /* French   */ L"Une nouvelle version de %s est disponible. Voulez-vous mettre à jour %s vers la v%d.%d%s ?\n\nLe bouton [%s] ferme ce programme, lance le téléchargement de la mise à jour et guide l'installation.\nLe bouton [%s] démarre %s v%d.%d%s sans mise à jour.",
    /* German   */ L"Eine neuere Version von %s ist verfügbar. Möchten Sie %s auf v%d.%d%s aktualisieren?\n\nDie Schaltfläche [%s] schließt dieses Programm, lädt das Update herunter und führt durch die Installation.\nDie Schaltfläche [%s] startet %s v%d.%d%s ohne Update.",
    /* Italian  */ L"È disponibile una versione più recente di %s. Aggiornare %s alla v%d.%d%s?\n\nIl pulsante [%s] chiude questo programma, avvia il download dell'aggiornamento e guida all'installazione.\nIl pulsante [%s] avvia %s v%d.%d%s senza aggiornare.",
    /* Japanese */ L"%s の新しいバージョンがあります。%s を v%d.%d%s に更新しますか?\n\n[%s] ボタンを押すと、このプログラムを終了して更新のダウンロードを開始し、インストールを案内します。\n[%s] ボタンを押すと、更新せずに %s v%d.%d%s を起動します。",
    /* Korean   */ L"%s의 새 버전이 있습니다. %s을(를) v%d.%d%s(으)로 업데이트하시겠습니까?\n\n[%s] 버튼을 누르면 이 프로그램이 종료되고 업데이트 다운로드가 시작되며 설치를 안내합니다.\n[%s] 버튼을 누르면 업데이트하지 않고 %s v%d.%d%s을(를) 시작합니다.",
    /* Spanish  */ L"Hay una versión más reciente de %s disponible. ¿Desea actualizar %s a la v%d.%d%s?\n\nEl botón [%s] cierra este programa, inicia la descarga de la actualización y le guía en la instalación.\nEl botón [%s] inicia %s v%d.%d%s sin actualizar.",
    /* Dutch    */ L"Er is een nieuwere versie van %s beschikbaar. Wilt u %s bijwerken naar v%d.%d%s?\n\nDe knop [%s] sluit dit programma, start het downloaden van de update en begeleidt de installatie.\nDe knop [%s] start %s v%d.%d%s zonder bij te werken.",
    /* Russian  */ L"Доступна новая версия %s. Обновить %s до v%d.%d%s?\n\nКнопка [%s] закроет эту программу, начнёт загрузку обновления и поможет с установкой.\nКнопка [%s] запустит %s v%d.%d%s без обновления.",
    /* Chinese  */ L"%s 有新版本可用。是否将 %s 更新到 v%d.%d%s?\n\n按 [%s] 按钮将关闭本程序,开始下载更新并引导安装。\n按 [%s] 按钮将不更新而启动 %s v%d.%d%s。",
    /* Finnish  */ L"Uudempi versio ohjelmasta %s on saatavilla. Haluatko päivittää ohjelman %s versioon v%d.%d%s?\n\n[%s]-painike sulkee tämän ohjelman, aloittaa päivityksen latauksen ja opastaa asennuksessa.\n[%s]-painike käynnistää ohjelman %s v%d.%d%s ilman päivitystä.",
    /* Czech    */ L"Je k dispozici novější verze %s. Chcete aktualizovat %s na v%d.%d%s?\n\nTlačítko [%s] zavře tento program, spustí stahování aktualizace a provede instalací.\nTlačítko [%s] spustí %s v%d.%d%s bez aktualizace.",
    /* Polish   */ L"Dostępna jest nowsza wersja %s. Czy zaktualizować %s do v%d.%d%s?\n\nPrzycisk [%s] zamknie ten program, rozpocznie pobieranie aktualizacji i poprowadzi przez instalację.\nPrzycisk [%s] uruchomi %s v%d.%d%s bez aktualizacji.",
};

// Fixed: every row.
const LocalisedTexts g_textDownloadingUpdateFile = {
    /* English  */ L"Downloading the update file.",
    /* French   */ L"Téléchargement du fichier de mise à jour en cours.",
    /* German   */ L"Update-Datei fürwird heruntergeladen.",
    /* Italian  */ L"Download aggiornamento programma in corso",
    /* Japanese */ L"の更新ファイルをダウンロード。",
    /* Korean   */ L"업데이트 파일을 다운로드 중입니다.",
    /* Spanish  */ L"Descargando el archivo de actualización de.",
    /* Dutch    */ L"Het updatebestand voor wordt gedownload.",
    /* Russian  */ L"Загрузка файла обновления.",
    /* Chinese  */ L"正在下载 更新文件。",
    /* Finnish  */ L"Lataa päivitystiedostoa kohteesta.",
    /* Czech    */ L"Stahování aktualizačního souboru.",
    /* Polish   */ L"Pobieranie pliku aktualizacji.",
};

// Fixed: every row.
const LocalisedTexts g_textUpdateFileDownloaded = {
    /* English  */ L"Successfully downloaded the update file.",
    /* French   */ L"Le téléchargement du fichier de mise à jour a réussi.",
    /* German   */ L"Update-Datei für erfolgreich heruntergeladen.",
    /* Italian  */ L"Download del file di aggiornamento avvenuto con successo.",
    /* Japanese */ L"の更新ファイルを正常にダウンロードしました。",
    /* Korean   */ L"업데이트 파일을 성공적으로 다운로드 하였습니다.",
    /* Spanish  */ L"Archivo de actualización de descargado correctamente.",
    /* Dutch    */ L"Het updatebestand voor is gedownload.",
    /* Russian  */ L"Загрузка файла обновления успешно завершена.",
    /* Chinese  */ L"成功下载 更新文件。",
    /* Finnish  */ L"Päivitystiedoston lataus kohteesta onnistui.",
    /* Czech    */ L"Úspěšné stažení aktualizačního souboru.",
    /* Polish   */ L"Udało się pobrać plik aktualizacji.",
};

} // namespace

// clang-format on

std::wstring GetTextManagerUpdatePrompt(int language)
{
    return PickText(g_textManagerUpdatePrompt, language);
}

std::wstring ComposeManagerUpdatePrompt(int language, int major, int minor, int build)
{
    const std::wstring product = GetTextProductName();
    const std::wstring suffix = build > 0 ? L"." + std::to_wstring(build) : std::wstring();
    const std::wstring running =
        kManagerVersionBuild > 0 ? L"." + std::to_wstring(kManagerVersionBuild) : std::wstring();
    return FillPlaceholders(GetTextManagerUpdatePrompt(language),
                            {product, product, major, minor, suffix, GetTextYes(language), GetTextNo(language), product,
                             kManagerVersionMajor, kManagerVersionMinor, running});
}

std::wstring GetTextDownloadingUpdateFile(int language)
{
    return PickText(g_textDownloadingUpdateFile, language);
}
std::wstring GetTextUpdateFileDownloaded(int language)
{
    return PickText(g_textUpdateFileDownloaded, language);
}

std::wstring GetTextInstallerDownloadFailed(int result, int language)
{
    return (result < -1 ? GetTextCannotOpenFile(language) : GetTextCannotConnectServer(language)) + L".";
}

std::wstring GetTextManagerUpdateFilter()
{
    return L"Manager Update Files(*.exe)|";
}
std::wstring GetTextDiagnosticLogFilter()
{
    return L"Diagnostic Log Files(*.hvlxlog)|";
}
