// Texts of the manager's self-update and of the new-firmware question, and the
// version texts that question shows.

#include "text/FirmwareTexts.h"
#include "text/ManagerUpdateTexts.h"
#include "text/NewFirmwarePromptTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ManagerUpdatePrompt, EveryLanguageTakesItsValuesInTheEnglishOrder)
{
    const std::wstring markers[] = {L"<P1>", L"<P2>", L"<MA>", L"<MI>", L"<SX>", L"<YES>",
                                    L"<NO>", L"<P3>", L"<RA>", L"<RI>", L"<RS>"};
    for (int language = 0; language < kUiLanguageCount; ++language) {
        SCOPED_TRACE(language);
        const std::wstring pattern = GetTextManagerUpdatePrompt(language);
        const std::wstring filled =
            FillPlaceholders(pattern, {markers[0], markers[1], markers[2], markers[3], markers[4], markers[5],
                                       markers[6], markers[7], markers[8], markers[9], markers[10], L"<EXTRA>"});
        std::size_t at = 0;
        for (const std::wstring& marker : markers) {
            const std::size_t found = filled.find(marker, at);
            ASSERT_NE(found, std::wstring::npos)
                << "missing or out of order: " << std::string(marker.begin(), marker.end());
            at = found + marker.size();
        }
        EXPECT_EQ(filled.find(L"<EXTRA>"), std::wstring::npos);
        EXPECT_EQ(filled.find(L'%'), std::wstring::npos);
        EXPECT_NE(filled.find(L"v<MA>.<MI><SX>"), std::wstring::npos);
        EXPECT_NE(filled.find(L"v<RA>.<RI><RS>"), std::wstring::npos);
        EXPECT_NE(filled.find(L"[<YES>]"), std::wstring::npos);
        EXPECT_NE(filled.find(L"[<NO>]"), std::wstring::npos);
    }
}

TEST(ManagerUpdatePrompt, EnglishFilled)
{
    EXPECT_EQ(ComposeManagerUpdatePrompt(0, 1, 4, 0),
              L"Newer version of Quor Bluetooth Device Manager is available. Would you like to update Quor Bluetooth "
              L"Device Manager to v1.4?\n\nPressing the [" +
                  GetTextYes(0) +
                  L"] button will close this program, start downloading the update and guide to installation.\n"
                  L"Pressing the [" +
                  GetTextNo(0) + L"] button will start Quor Bluetooth Device Manager v1.3 without updating.");
    const std::wstring withBuild = ComposeManagerUpdatePrompt(0, 1, 3, 5);
    EXPECT_NE(withBuild.find(L"to v1.3.5?"), std::wstring::npos);
    EXPECT_NE(withBuild.find(L"Manager v1.3 without"), std::wstring::npos);
    EXPECT_EQ(ComposeManagerUpdatePrompt(13, 2, 0, 0), ComposeManagerUpdatePrompt(0, 2, 0, 0));
    EXPECT_EQ(ComposeManagerUpdatePrompt(-1, 2, 0, 0), ComposeManagerUpdatePrompt(0, 2, 0, 0));
}

TEST(ManagerUpdatePrompt, YesAndNoOfTheLanguage)
{
    for (int language = 0; language < kUiLanguageCount; ++language) {
        const std::wstring text = ComposeManagerUpdatePrompt(language, 2, 1, 0);
        EXPECT_NE(text.find(L"[" + GetTextYes(language) + L"]"), std::wstring::npos) << language;
        EXPECT_NE(text.find(L"[" + GetTextNo(language) + L"]"), std::wstring::npos) << language;
        EXPECT_NE(text.find(L"v2.1"), std::wstring::npos) << language;
    }
}

TEST(ManagerUpdateTexts, QuotedRows)
{
    struct Row {
        const wchar_t* downloading;
        const wchar_t* downloaded;
    };
    // clang-format off
    const Row rows[kUiLanguageCount] = {
        {L"Downloading the update file.", L"Successfully downloaded the update file."},
        {L"Téléchargement du fichier de mise à jour en cours.", L"Le téléchargement du fichier de mise à jour a réussi."},
        {L"Update-Datei fürwird heruntergeladen.", L"Update-Datei für erfolgreich heruntergeladen."},
        {L"Download aggiornamento programma in corso", L"Download del file di aggiornamento avvenuto con successo."},
        {L"の更新ファイルをダウンロード。", L"の更新ファイルを正常にダウンロードしました。"},
        {L"업데이트 파일을 다운로드 중입니다.", L"업데이트 파일을 성공적으로 다운로드 하였습니다."},
        {L"Descargando el archivo de actualización de.", L"Archivo de actualización de descargado correctamente."},
        {L"Het updatebestand voor wordt gedownload.", L"Het updatebestand voor is gedownload."},
        {L"Загрузка файла обновления.", L"Загрузка файла обновления успешно завершена."},
        {L"正在下载 更新文件。", L"成功下载 更新文件。"},
        {L"Lataa päivitystiedostoa kohteesta.", L"Päivitystiedoston lataus kohteesta onnistui."},
        {L"Stahování aktualizačního souboru.", L"Úspěšné stažení aktualizačního souboru."},
        {L"Pobieranie pliku aktualizacji.", L"Udało się pobrać plik aktualizacji."},
    };
    // clang-format on
    for (int language = 0; language < kUiLanguageCount; ++language) {
        EXPECT_EQ(GetTextDownloadingUpdateFile(language), rows[language].downloading) << language;
        EXPECT_EQ(GetTextUpdateFileDownloaded(language), rows[language].downloaded) << language;
    }
    EXPECT_EQ(GetTextDownloadingUpdateFile(13), rows[0].downloading);
    EXPECT_EQ(GetTextUpdateFileDownloaded(-5), rows[0].downloaded);
    EXPECT_EQ(GetTextManagerUpdateFilter(), L"Manager Update Files(*.exe)|");
    EXPECT_EQ(GetTextDiagnosticLogFilter(), L"Diagnostic Log Files(*.hvlxlog)|");
}

TEST(ManagerUpdateTexts, FailedDownloadByResult)
{
    for (int language = 0; language < kUiLanguageCount; ++language) {
        EXPECT_EQ(GetTextInstallerDownloadFailed(-1, language), GetTextCannotConnectServer(language) + L".");
        EXPECT_EQ(GetTextInstallerDownloadFailed(0, language), GetTextCannotConnectServer(language) + L".");
        EXPECT_EQ(GetTextInstallerDownloadFailed(-2, language), GetTextCannotOpenFile(language) + L".");
        EXPECT_EQ(GetTextInstallerDownloadFailed(-7, language), GetTextCannotOpenFile(language) + L".");
    }
}

TEST(NewFirmwarePrompt, EnglishTextsAndEveryLanguageHasItsOwn)
{
    EXPECT_EQ(NewUpdateFoundTexts::GetTextQuestion(0),
              L"New firmware is now available.\nWould you like to download it from the server and update onto it?");
    EXPECT_EQ(NewUpdateFoundTexts::GetTextCurrentVersion(0), L"Current version: v");
    EXPECT_EQ(NewUpdateFoundTexts::GetTextNewVersion(0), L"New version: v");
    for (int language : {13, -1, 100}) {
        EXPECT_EQ(NewUpdateFoundTexts::GetTextQuestion(language), NewUpdateFoundTexts::GetTextQuestion(0));
        EXPECT_EQ(NewUpdateFoundTexts::GetTextNewVersion(language), NewUpdateFoundTexts::GetTextNewVersion(0));
    }
    for (int language = 1; language < kUiLanguageCount; ++language) {
        SCOPED_TRACE(language);
        EXPECT_NE(NewUpdateFoundTexts::GetTextQuestion(language), NewUpdateFoundTexts::GetTextQuestion(0));
        EXPECT_NE(NewUpdateFoundTexts::GetTextQuestion(language).find(L'\n'), std::wstring::npos);
        // The version follows the label directly.
        EXPECT_EQ(NewUpdateFoundTexts::GetTextCurrentVersion(language).back(), L'v');
        EXPECT_EQ(NewUpdateFoundTexts::GetTextNewVersion(language).back(), L'v');
    }
}

TEST(NewFirmwarePrompt, VersionTexts)
{
    struct Case {
        const char* what;
        int model;
        DeviceVersion unit; // major, minor, kind, build
        int server[4];
        const wchar_t* current;
        const wchar_t* offered;
    };
    // clang-format off
    const Case cases[] = {
        {"plain build 0",                 0x4D10, {4, 1, 2, 0}, {4, 2, 0, 0}, L"4.1",      L"4.2"},
        {"builds on both",                0x4D10, {4, 1, 2, 7}, {4, 2, 9, 3}, L"4.1.7",    L"4.2.3"},
        {"three-part product, build 0",   0x5345, {1, 0, 2, 0}, {1, 1, 0, 0}, L"1.0.0",    L"1.1.0"},
        {"other three-part product",      0x5346, {2, 3, 2, 4}, {2, 4, 0, 1}, L"2.3.4",    L"2.4.1"},
        {"release candidate",             0x4D10, {2, 0, 1, 3}, {2, 0, 0, 0}, L"2.0rc3",   L"2.0"},
        {"release candidate without number", 0x5345, {2, 0, 1, 0}, {2, 1, 0, 0}, L"2.0rc", L"2.1.0"},
        {"other kind ignores the build",  0x5345, {3, 2, 0, 9}, {3, 3, 0, 0}, L"3.2",      L"3.3.0"},
        {"kind 5 ignores the build",      0x4D10, {3, 2, 5, 9}, {3, 3, 0, 2}, L"3.2",      L"3.3.2"},
        {"camera: third, fourth, first, second", 0x3020, {1, 2, 3, 4}, {5, 6, 7, 8}, L"3.4.1.2", L"7.8.5.6"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FormatCurrentFirmwareVersion(c.model, c.unit), c.current);
        EXPECT_EQ(FormatNewFirmwareVersion(c.model, c.server), c.offered);
    }
}

} // namespace

// The language dialog's hidden check box: seven languages of its own, the
// other six keep the English words; an index outside 0..12 reads English.
TEST(PeripheryTexts, ApplyToVoicePromptLanguageHasSevenOwnRowsAndEnglishElsewhere)
{
    const struct {
        int language;
        const wchar_t* text;
    } cases[] = {
        {0, L"Apply To Voice Prompt Language"},
        {1, L"Appliquer au Language du Message Guidé Parlé"},
        {2, L"Auf Sprachansage Sprachwahl anwenden"},
        {3, L"Appl. a Lingua Messaggio Vocale"},
        {4, L"音声プロンプト言語に適用"},
        {5, L"음성안내 언어에 적용"},
        {6, L"Aplicar a idioma del mensaje de voz"},
        {7, L"Apply To Voice Prompt Language"},
        {12, L"Apply To Voice Prompt Language"},
        {13, L"Apply To Voice Prompt Language"},
        {-1, L"Apply To Voice Prompt Language"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.text), GetTextApplyToVoicePromptLanguage(c.language)) << c.language;
}
