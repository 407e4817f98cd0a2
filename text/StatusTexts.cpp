#include "text/StatusTexts.h"

#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Columns of the per-page tables: pages 1, 2, 3, 4 and the settings pages 5 to 7.
constexpr int kPageColumns = 5;

// Page 1. Fixed: English, French, German, Japanese and Korean. The NEXT word sits in brackets
// except in English and Korean.
const wchar_t* const g_textProceed[kUiLanguageCount] = {
    /* English  */ L"Press %s to proceed.",
    /* French   */ L"Appuyez sur [%s] pour continuer.",
    /* German   */ L"Drücken Sie [%s], um fortzufahren.",
    /* Italian  */ L"Premere [%s] per continuare.",
    /* Japanese */ L"「%s」を押して進みます。",
    /* Korean   */ L"%s 버튼을 눌러 계속 진행하십시오.",
    /* Spanish  */ L"Pulse [%s] para continuar.",
    /* Dutch    */ L"Druk op [%s] om door te gaan.",
    /* Russian  */ L"Нажмите [%s], чтобы продолжить.",
    /* Chinese  */ L"按 [%s] 继续。",
    /* Finnish  */ L"Jatka painamalla [%s].",
    /* Czech    */ L"Pokračujte stisknutím [%s].",
    /* Polish   */ L"Naciśnij [%s], aby kontynuować.",
};

// Pages 2 to 7. Fixed: English, French, Japanese, Korean and Chinese.
const wchar_t* const g_textReadyFor[kUiLanguageCount] = {
    /* English  */ L"Ready for %s",
    /* French   */ L"Prêt pour %s",
    /* German   */ L"Bereit für %s",
    /* Italian  */ L"Pronto per %s",
    /* Japanese */ L"%sの準備完了",
    /* Korean   */ L"%s 준비 완료",
    /* Spanish  */ L"Listo para %s",
    /* Dutch    */ L"Klaar voor %s",
    /* Russian  */ L"Готово: %s",
    /* Chinese  */ L"%s 已准备就绪",
    /* Finnish  */ L"Valmis: %s",
    /* Czech    */ L"Připraveno: %s",
    /* Polish   */ L"Gotowe: %s",
};

// Pages 3 and 4 of a unit that cannot make a backup: the page title, then the reason. Filled
// in one pass (title first) so that neither text is ever read as a pattern. Fixed: English.
const wchar_t* const g_textReadyForWithReason[kUiLanguageCount] = {
    /* English  */ L"Ready for %s. %s",
    /* French   */ L"Prêt pour %s. %s",
    /* German   */ L"Bereit für %s. %s",
    /* Italian  */ L"Pronto per %s. %s",
    /* Japanese */ L"%sの準備完了。%s",
    /* Korean   */ L"%s 준비 완료. %s",
    /* Spanish  */ L"Listo para %s. %s",
    /* Dutch    */ L"Klaar voor %s. %s",
    /* Russian  */ L"Готово: %s. %s",
    /* Chinese  */ L"%s 已准备就绪。%s",
    /* Finnish  */ L"Valmis: %s. %s",
    /* Czech    */ L"Připraveno: %s. %s",
    /* Polish   */ L"Gotowe: %s. %s",
};

// Fixed: English.
const wchar_t* const g_textInProgress[kUiLanguageCount][kPageColumns] = {
    /* English  */ {L"On selecting device.", L"On recognizing device.", L"On updating firmware.", L"On restoring firmware.", L"On saving device setting."},
    /* French   */ {L"Sélection de l'appareil en cours.", L"Détection de l'appareil en cours.", L"Mise à jour du micrologiciel en cours.", L"Restauration du micrologiciel en cours.", L"Enregistrement des paramètres en cours."},
    /* German   */ {L"Gerät wird ausgewählt.", L"Gerät wird erkannt.", L"Firmware wird aktualisiert.", L"Firmware wird zurückgesetzt.", L"Geräteeinstellungen werden gespeichert."},
    /* Italian  */ {L"Selezione del dispositivo in corso.", L"Riconoscimento del dispositivo in corso.", L"Aggiornamento del firmware in corso.", L"Ripristino del firmware in corso.", L"Salvataggio delle impostazioni in corso."},
    /* Japanese */ {L"デバイスを選択しています。", L"デバイスを認識しています。", L"ファームウェアを更新しています。", L"ファームウェアを復旧しています。", L"デバイス設定を保存しています。"},
    /* Korean   */ {L"장치 선택 중입니다.", L"장치 인식 중입니다.", L"펌웨어 업데이트 중입니다.", L"펌웨어 복구 중입니다.", L"장치 설정 저장 중입니다."},
    /* Spanish  */ {L"Seleccionando dispositivo.", L"Reconociendo dispositivo.", L"Actualizando firmware.", L"Restaurando firmware.", L"Guardando configuración del dispositivo."},
    /* Dutch    */ {L"Apparaat wordt geselecteerd.", L"Apparaat wordt herkend.", L"Firmware wordt bijgewerkt.", L"Firmware wordt hersteld.", L"Apparaatinstelling wordt opgeslagen."},
    /* Russian  */ {L"Выбор устройства.", L"Распознавание устройства.", L"Обновление прошивки.", L"Восстановление прошивки.", L"Сохранение настроек устройства."},
    /* Chinese  */ {L"正在选择设备。", L"正在识别设备。", L"正在更新固件。", L"正在还原固件。", L"正在保存设备设置。"},
    /* Finnish  */ {L"Valitaan laitetta.", L"Tunnistetaan laitetta.", L"Päivitetään laiteohjelmistoa.", L"Palautetaan laiteohjelmistoa.", L"Tallennetaan laiteasetuksia."},
    /* Czech    */ {L"Probíhá výběr zařízení.", L"Probíhá rozpoznávání zařízení.", L"Probíhá aktualizace firmwaru.", L"Probíhá obnovení firmwaru.", L"Probíhá ukládání nastavení zařízení."},
    /* Polish   */ {L"Wybieranie urządzenia.", L"Rozpoznawanie urządzenia.", L"Aktualizowanie oprogramowania.", L"Przywracanie oprogramowania.", L"Zapisywanie ustawień urządzenia."},
};

// Fixed: English, and the page-1 patterns of Dutch, Russian and Chinese, which place their
// placeholders in their own order. Pages 1 and 2 are patterns that the caller fills.
const wchar_t* const g_textSuccess[kUiLanguageCount][kPageColumns] = {
    /* English  */ {L"%s selected. %s", L"Device recognized successfully. %s", L"Firmware updated successfully", L"Firmware restored successfully", L"Device setting saved successfully"},
    /* French   */ {L"%s sélectionné. %s", L"Appareil détecté avec succès. %s", L"Micrologiciel mis à jour avec succès", L"Micrologiciel restauré avec succès", L"Paramètres enregistrés avec succès"},
    /* German   */ {L"%s ausgewählt. %s", L"Gerät erfolgreich erkannt. %s", L"Firmware erfolgreich aktualisiert", L"Firmware erfolgreich zurückgesetzt", L"Geräteeinstellungen erfolgreich gespeichert"},
    /* Italian  */ {L"%s selezionato. %s", L"Dispositivo riconosciuto correttamente. %s", L"Firmware aggiornato correttamente", L"Firmware ripristinato correttamente", L"Impostazioni del dispositivo salvate correttamente"},
    /* Japanese */ {L"%sが選択されました。%s", L"デバイスを正常に認識しました。%s", L"ファームウェアを正常に更新しました", L"ファームウェアを正常に復旧しました", L"デバイス設定を正常に保存しました"},
    /* Korean   */ {L"%s 선택됨. %s", L"장치를 인식했습니다. %s", L"펌웨어 업데이트 완료", L"펌웨어 복구 완료", L"장치 설정 저장 완료"},
    /* Spanish  */ {L"%s seleccionado. %s", L"Dispositivo reconocido correctamente. %s", L"Firmware actualizado correctamente", L"Firmware restaurado correctamente", L"Configuración del dispositivo guardada correctamente"},
    /* Dutch    */ {L"%s %s geselecteerd.", L"Apparaat is herkend. %s", L"Firmware is bijgewerkt", L"Firmware is hersteld", L"Apparaatinstelling is opgeslagen"},
    /* Russian  */ {L"%s Выбрано устройство %s.", L"Устройство успешно распознано. %s", L"Прошивка успешно обновлена", L"Прошивка успешно восстановлена", L"Настройки устройства успешно сохранены"},
    /* Chinese  */ {L"%s 已选择 %s。", L"设备识别成功。%s", L"固件更新成功", L"固件还原成功", L"设备设置保存成功"},
    /* Finnish  */ {L"%s valittu. %s", L"Laite tunnistettiin. %s", L"Laiteohjelmisto päivitettiin", L"Laiteohjelmisto palautettiin", L"Laiteasetukset tallennettiin"},
    /* Czech    */ {L"Vybráno: %s. %s", L"Zařízení bylo úspěšně rozpoznáno. %s", L"Firmware byl úspěšně aktualizován", L"Firmware byl úspěšně obnoven", L"Nastavení zařízení bylo úspěšně uloženo"},
    /* Polish   */ {L"Wybrano: %s. %s", L"Urządzenie zostało rozpoznane. %s", L"Oprogramowanie zostało zaktualizowane", L"Oprogramowanie zostało przywrócone", L"Ustawienia urządzenia zostały zapisane"},
};

// Fixed: English. Page 1 has no failure text in any language.
const wchar_t* const g_textFailure[kUiLanguageCount][kPageColumns] = {
    /* English  */ {L"", L"Failed to recognize device", L"Failed to update firmware", L"Failed to restore firmware", L"Failed to save device setting"},
    /* French   */ {L"", L"Échec de la détection de l'appareil", L"Échec de la mise à jour du micrologiciel", L"Échec de la restauration du micrologiciel", L"Échec de l'enregistrement des paramètres"},
    /* German   */ {L"", L"Gerät konnte nicht erkannt werden", L"Firmware-Update fehlgeschlagen", L"Firmware-Zurücksetzung fehlgeschlagen", L"Geräteeinstellungen konnten nicht gespeichert werden"},
    /* Italian  */ {L"", L"Riconoscimento del dispositivo non riuscito", L"Aggiornamento del firmware non riuscito", L"Ripristino del firmware non riuscito", L"Salvataggio delle impostazioni non riuscito"},
    /* Japanese */ {L"", L"デバイスの認識に失敗しました", L"ファームウェアの更新に失敗しました", L"ファームウェアの復旧に失敗しました", L"デバイス設定の保存に失敗しました"},
    /* Korean   */ {L"", L"장치 인식 실패", L"펌웨어 업데이트 실패", L"펌웨어 복구 실패", L"장치 설정 저장 실패"},
    /* Spanish  */ {L"", L"Error al reconocer el dispositivo", L"Error al actualizar el firmware", L"Error al restaurar el firmware", L"Error al guardar la configuración del dispositivo"},
    /* Dutch    */ {L"", L"Herkennen van apparaat mislukt", L"Bijwerken van firmware mislukt", L"Herstellen van firmware mislukt", L"Opslaan van apparaatinstelling mislukt"},
    /* Russian  */ {L"", L"Не удалось распознать устройство", L"Не удалось обновить прошивку", L"Не удалось восстановить прошивку", L"Не удалось сохранить настройки устройства"},
    /* Chinese  */ {L"", L"识别设备失败", L"固件更新失败", L"固件还原失败", L"保存设备设置失败"},
    /* Finnish  */ {L"", L"Laitteen tunnistus epäonnistui", L"Laiteohjelmiston päivitys epäonnistui", L"Laiteohjelmiston palautus epäonnistui", L"Laiteasetusten tallennus epäonnistui"},
    /* Czech    */ {L"", L"Rozpoznání zařízení se nezdařilo", L"Aktualizace firmwaru se nezdařila", L"Obnovení firmwaru se nezdařilo", L"Uložení nastavení zařízení se nezdařilo"},
    /* Polish   */ {L"", L"Nie udało się rozpoznać urządzenia", L"Nie udało się zaktualizować oprogramowania", L"Nie udało się przywrócić oprogramowania", L"Nie udało się zapisać ustawień urządzenia"},
};

// Fixed: English and Korean, which names no model.
const wchar_t* const g_textUnsupportedFirmware[kUiLanguageCount] = {
    /* English  */ L"Firmware version is not supported by the Orvan EVO. "
                   L"Update to the latest version of Orvan EVO firmware.",
    /* French   */ L"Cette version du micrologiciel n'est pas prise en charge par l'Orvan EVO. "
                   L"Mettez à jour l'Orvan EVO avec la dernière version du micrologiciel.",
    /* German   */ L"Diese Firmware-Version wird vom Orvan EVO nicht unterstützt. "
                   L"Aktualisieren Sie auf die neueste Version der Orvan EVO Firmware.",
    /* Italian  */ L"Versione del firmware non supportata da Orvan EVO. "
                   L"Aggiornare all'ultima versione del firmware di Orvan EVO.",
    /* Japanese */ L"このファームウェアバージョンはOrvan EVOでサポートされていません。"
                   L"Orvan EVOのファームウェアを最新バージョンに更新してください。",
    /* Korean   */ L"이 펌웨어 버전은 지원되지 않습니다. 최신 버전의 펌웨어로 업데이트해주시기 바랍니다.",
    /* Spanish  */ L"La versión de firmware no es compatible con el Orvan EVO. "
                   L"Actualice a la última versión del firmware del Orvan EVO.",
    /* Dutch    */ L"Deze firmwareversie wordt niet ondersteund door de Orvan EVO. "
                   L"Werk bij naar de nieuwste versie van de Orvan EVO-firmware.",
    /* Russian  */ L"Эта версия прошивки не поддерживается Orvan EVO. "
                   L"Обновите прошивку Orvan EVO до последней версии.",
    /* Chinese  */ L"Orvan EVO 不支持此固件版本。请更新到最新版本的 Orvan EVO 固件。",
    /* Finnish  */ L"Orvan EVO ei tue tätä laiteohjelmistoversiota. "
                   L"Päivitä Orvan EVO -laiteohjelmisto uusimpaan versioon.",
    /* Czech    */ L"Tato verze firmwaru není podporována zařízením Orvan EVO. "
                   L"Aktualizujte na nejnovější verzi firmwaru Orvan EVO.",
    /* Polish   */ L"Ta wersja oprogramowania nie jest obsługiwana przez Orvan EVO. "
                   L"Zaktualizuj oprogramowanie Orvan EVO do najnowszej wersji.",
};

bool IsPage(int page)
{
    return page >= 1 && page <= 7;
}

std::wstring PickForPage(const wchar_t* const (&rows)[kUiLanguageCount][kPageColumns], int page, int language)
{
    if (!IsPage(page))
        return std::wstring();
    return LocalisedRow(rows, language)[page >= 5 ? 4 : page - 1];
}

} // namespace

std::wstring GetTextReady(int page, int usbStatus, int language)
{
    if (!IsPage(page))
        return std::wstring();
    if (page == 1)
        return FillPlaceholders(LocalisedRow(g_textProceed, language), { GetTextNext(language) });
    const std::wstring title = GetTextPageTitle(page, language);
    if ((page == 3 || page == 4) && usbStatus >= 0x8000) {
        return FillPlaceholders(LocalisedRow(g_textReadyForWithReason, language),
                                { title, GetTextCannotBackupFirmware(language) });
    }
    return FillPlaceholders(LocalisedRow(g_textReadyFor, language), { title });
}

// The USB status never changes the activity or result texts.
std::wstring GetTextInProgress(int page, int, int language) { return PickForPage(g_textInProgress, page, language); }
std::wstring GetTextSuccess(int page, int, int language) { return PickForPage(g_textSuccess, page, language); }
std::wstring GetTextFailure(int page, int, int language) { return PickForPage(g_textFailure, page, language); }
std::wstring GetTextUnsupportedFirmware(int language) { return LocalisedRow(g_textUnsupportedFirmware, language); }
