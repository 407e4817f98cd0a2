#include "text/NewFirmwarePromptTexts.h"

#include "core/UiLanguageRow.h"

#include <algorithm>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Fixed: English. The other rows are our own translations.
const LocalisedTexts g_textNewFirmwareQuestion = {
    /* English  */ L"New firmware is now available.\nWould you like to download it from the server and update onto it?",
    /* French   */ L"Un nouveau firmware est disponible.\nVoulez-vous le télécharger depuis le serveur et l'installer ?",
    /* German   */ L"Neue Firmware ist verfügbar.\nMöchten Sie sie vom Server herunterladen und installieren?",
    /* Italian  */ L"È disponibile un nuovo firmware.\nScaricarlo dal server e installarlo?",
    /* Japanese */ L"新しいファームウェアがあります。\nサーバーからダウンロードして更新しますか?",
    /* Korean   */ L"새 펌웨어가 있습니다.\n서버에서 다운로드하여 업데이트하시겠습니까?",
    /* Spanish  */ L"Hay un nuevo firmware disponible.\n¿Desea descargarlo del servidor y actualizar?",
    /* Dutch    */ L"Er is nieuwe firmware beschikbaar.\nWilt u deze van de server downloaden en installeren?",
    /* Russian  */ L"Доступна новая прошивка.\nЗагрузить её с сервера и установить?",
    /* Chinese  */ L"有新的固件可用。\n是否从服务器下载并更新?",
    /* Finnish  */ L"Uusi laiteohjelmisto on saatavilla.\nHaluatko ladata sen palvelimelta ja päivittää?",
    /* Czech    */ L"Je k dispozici nový firmware.\nChcete jej stáhnout ze serveru a aktualizovat?",
    /* Polish   */ L"Dostępne jest nowe oprogramowanie sprzętowe.\nCzy pobrać je z serwera i zaktualizować?",
};

// Fixed: English. Each label ends in the "v" that the version follows.
const LocalisedTexts g_textCurrentVersionLabel = {
    /* English  */ L"Current version: v",
    /* French   */ L"Version actuelle : v",
    /* German   */ L"Aktuelle Version: v",
    /* Italian  */ L"Versione attuale: v",
    /* Japanese */ L"現在のバージョン: v",
    /* Korean   */ L"현재 버전: v",
    /* Spanish  */ L"Versión actual: v",
    /* Dutch    */ L"Huidige versie: v",
    /* Russian  */ L"Текущая версия: v",
    /* Chinese  */ L"当前版本: v",
    /* Finnish  */ L"Nykyinen versio: v",
    /* Czech    */ L"Aktuální verze: v",
    /* Polish   */ L"Obecna wersja: v",
};

// Fixed: English.
const LocalisedTexts g_textNewVersionLabel = {
    /* English  */ L"New version: v",
    /* French   */ L"Nouvelle version : v",
    /* German   */ L"Neue Version: v",
    /* Italian  */ L"Nuova versione: v",
    /* Japanese */ L"新しいバージョン: v",
    /* Korean   */ L"새 버전: v",
    /* Spanish  */ L"Nueva versión: v",
    /* Dutch    */ L"Nieuwe versie: v",
    /* Russian  */ L"Новая версия: v",
    /* Chinese  */ L"新版本: v",
    /* Finnish  */ L"Uusi versio: v",
    /* Czech    */ L"Nová verze: v",
    /* Polish   */ L"Nowa wersja: v",
};

// clang-format on

// Camera firmware reads its kind and build first.
constexpr int kCameraModelCode = 0x3020;
// Products whose plain versions are shown with a trailing ".0".
constexpr int kThreePartModelCodes[] = {0x5345, 0x5346};

constexpr int kKindReleaseCandidate = 1;
constexpr int kKindBuild = 2;

bool ShowsThreeParts(int modelCode)
{
    return std::find(std::begin(kThreePartModelCodes), std::end(kThreePartModelCodes), modelCode) !=
           std::end(kThreePartModelCodes);
}

std::wstring Num(int value)
{
    return std::to_wstring(value);
}

std::wstring Dotted(std::initializer_list<int> parts)
{
    std::wstring text;
    for (int part : parts) {
        if (!text.empty())
            text += L'.';
        text += Num(part);
    }
    return text;
}

// ".build" when there is one, else ".0" for the three-part products.
std::wstring BuildSuffix(int modelCode, int build)
{
    if (build != 0)
        return L"." + Num(build);
    return ShowsThreeParts(modelCode) ? L".0" : L"";
}

} // namespace

std::wstring NewUpdateFoundTexts::GetTextQuestion(int language)
{
    return PickText(g_textNewFirmwareQuestion, language);
}

std::wstring NewUpdateFoundTexts::GetTextCurrentVersion(int language)
{
    return PickText(g_textCurrentVersionLabel, language);
}

std::wstring NewUpdateFoundTexts::GetTextNewVersion(int language)
{
    return PickText(g_textNewVersionLabel, language);
}

std::wstring FormatNewFirmwareVersion(int modelCode, const int (&serverVersion)[4])
{
    if (modelCode == kCameraModelCode)
        return Dotted({serverVersion[2], serverVersion[3], serverVersion[0], serverVersion[1]});
    return Dotted({serverVersion[0], serverVersion[1]}) + BuildSuffix(modelCode, serverVersion[3]);
}

std::wstring FormatCurrentFirmwareVersion(int modelCode, const DeviceVersion& version)
{
    if (modelCode == kCameraModelCode)
        return Dotted({version.kind, version.build, version.major, version.minor});
    const std::wstring majorMinor = Dotted({version.major, version.minor});
    if (version.kind == kKindReleaseCandidate)
        return majorMinor + L"rc" + (version.build != 0 ? Num(version.build) : L"");
    if (version.kind == kKindBuild)
        return majorMinor + BuildSuffix(modelCode, version.build);
    return majorMinor;
}
