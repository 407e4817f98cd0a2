#include "text/UpdatePageTexts.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Fixed: the four short labels, every row, word for word.
LocalisedTexts g_textBrowse = {
    L"Browse...", // English
    L"Explorer...", // French
    L"Durchsuchen...", // German
    L"Sfoglia...", // Italian
    L"参照...", // Japanese
    L"찾아보기...", // Korean
    L"Examinar...", // Spanish
    L"Bladeren...", // Dutch
    L"Обзор...", // Russian
    L"浏览...", // Chinese
    L"Selaa…", // Finnish
    L"Procházet...", // Czech
    L"Wyszukiwanie...", // Polish
};

LocalisedTexts g_textDownload = {
    L"Download...", // English
    L"Télécharger...", // French
    L"Herunterladen.", // German
    L"Download...", // Italian
    L"ダウンロード...", // Japanese
    L"다운로드...", // Korean
    L"Descargar...", // Spanish
    L"Downloaden...", // Dutch
    L"Загрузить...", // Russian
    L"下载...", // Chinese
    L"Lataa…", // Finnish
    L"Stáhnout...", // Czech
    L"Pobieranie...", // Polish
};

LocalisedTexts g_textLatestVersion = {
    L"Latest Version", // English
    L"Dernière version", // French
    L"Neuste Version", // German
    L"Ultima versione", // Italian
    L"最新のバージョン", // Japanese
    L"최신 버전", // Korean
    L"Versión más Rcte.", // Spanish
    L"Nieuwste versie", // Dutch
    L"Последняя Версия", // Russian
    L"最新版本", // Chinese
    L"Uusin versio", // Finnish
    L"Nejnovější verze", // Czech
    L"Najnowsza wersja", // Polish
};

LocalisedTexts g_textFirmwareToUpdate = {
    L"Firmware To Update", // English
    L"Micrologiciel à mettre à jour", // French
    L"Zu aktualisierende Firmware", // German
    L"Firmware da aggiornare", // Italian
    L"更新するファームウェア", // Japanese
    L"업데이트할 펌웨어", // Korean
    L"Firmware que Actualizar", // Spanish
    L"Firmware om bij te werken", // Dutch
    L"Прошивка, Подлежащая Обновлению", // Russian
    L"固件将更新", // Chinese
    L"Laiteohjelmisto ladattavissa", // Finnish
    L"Firmware k aktualizaci", // Czech
    L"Oprogramowanie układowe do aktualizacji", // Polish
};

LocalisedTexts g_textVoicePromptSteps = {
    L"1. To change the language of the voice prompt, click on the drop down\n    menu to select your desired voice prompt language.\n2. Press [DOWNLOAD] to download the firmware for your desired voice\n    prompt language to your computer.\n3. Press [UPDATE] to proceed with the firmware update.", // English
    L"1. Pour changer la langue des messages vocaux, cliquez sur le menu\n    déroulant et choisissez la langue souhaitée.\n2. Appuyez sur [DOWNLOAD] pour télécharger sur votre ordinateur le\n    micrologiciel dans la langue de messages vocaux choisie.\n3. Appuyez sur [UPDATE] pour lancer la mise à jour du micrologiciel.", // French
    L"1. Um die Sprache der Sprachansagen zu ändern, klicken Sie auf das\n    Auswahlmenü und wählen Sie die gewünschte Sprache.\n2. Drücken Sie [DOWNLOAD], um die Firmware mit der gewünschten\n    Sprache der Sprachansagen auf Ihren Computer zu laden.\n3. Drücken Sie [UPDATE], um die Firmware zu aktualisieren.", // German
    L"1. Per cambiare la lingua dei messaggi vocali, fare clic sul menu\n    a discesa e scegliere la lingua desiderata.\n2. Premere [DOWNLOAD] per scaricare sul computer il firmware con la\n    lingua dei messaggi vocali desiderata.\n3. Premere [UPDATE] per procedere con l'aggiornamento del firmware.", // Italian
    L"1. 音声ガイダンスの言語を変更するには、ドロップダウン\n    メニューをクリックして希望の言語を選択してください。\n2. [DOWNLOAD]を押すと、選択した音声ガイダンス言語の\n    ファームウェアがコンピューターにダウンロードされます。\n3. [UPDATE]を押すと、ファームウェアの更新が始まります。", // Japanese
    L"1. 음성 안내 언어를 바꾸려면 드롭다운\n    메뉴를 눌러 원하는 음성 안내 언어를 선택하십시오.\n2. [DOWNLOAD]를 눌러 원하는 음성 안내 언어의\n    펌웨어를 컴퓨터로 다운로드하십시오.\n3. [UPDATE]를 눌러 펌웨어 업데이트를 진행하십시오.", // Korean
    L"1. Para cambiar el idioma de los mensajes de voz, haga clic en el menú\n    desplegable y elija el idioma que desee.\n2. Pulse [DOWNLOAD] para descargar en su ordenador el firmware con el\n    idioma de mensajes de voz elegido.\n3. Pulse [UPDATE] para continuar con la actualización del firmware.", // Spanish
    L"1. Klik op het keuzemenu en kies de gewenste taal om de taal van de\n    gesproken meldingen te wijzigen.\n2. Druk op [DOWNLOAD] om de firmware met de gekozen taal van de\n    gesproken meldingen naar uw computer te downloaden.\n3. Druk op [UPDATE] om de firmware bij te werken.", // Dutch
    L"1. Чтобы изменить язык голосовых подсказок, откройте раскрывающееся\n    меню и выберите нужный язык.\n2. Нажмите [DOWNLOAD], чтобы загрузить на компьютер прошивку\n    с выбранным языком голосовых подсказок.\n3. Нажмите [UPDATE], чтобы начать обновление прошивки.", // Russian
    L"1. 要更改语音提示的语言，请点击下拉\n    菜单并选择所需的语音提示语言。\n2. 按 [DOWNLOAD] 将所选语音提示语言的\n    固件下载到您的计算机。\n3. 按 [UPDATE] 开始固件更新。", // Chinese
    L"1. Vaihda ääniopasteiden kieli napsauttamalla avattavaa\n    valikkoa ja valitsemalla haluamasi kieli.\n2. Lataa valitun ääniopastekielen laiteohjelmisto\n    tietokoneellesi painamalla [DOWNLOAD].\n3. Aloita laiteohjelmiston päivitys painamalla [UPDATE].", // Finnish
    L"1. Chcete-li změnit jazyk hlasových pokynů, klikněte na rozbalovací\n    nabídku a vyberte požadovaný jazyk.\n2. Stisknutím [DOWNLOAD] stáhnete do počítače firmware se zvoleným\n    jazykem hlasových pokynů.\n3. Stisknutím [UPDATE] spustíte aktualizaci firmwaru.", // Czech
    L"1. Aby zmienić język komunikatów głosowych, kliknij menu rozwijane\n    i wybierz żądany język.\n2. Naciśnij [DOWNLOAD], aby pobrać na komputer oprogramowanie\n    z wybranym językiem komunikatów głosowych.\n3. Naciśnij [UPDATE], aby rozpocząć aktualizację oprogramowania.", // Polish
};

LocalisedTexts g_textPairingAdvice = {
    L"It is strongly recommended to clear the existing pairing information from the phone and to perform a Bluetooth pairing again. You need to reconfigure the device setting again according to your original setting.", // English
    L"Il est vivement recommandé d'effacer les informations de couplage existantes du téléphone et d'effectuer à nouveau un couplage Bluetooth. Vous devez à nouveau configurer les paramètres de l'appareil selon vos réglages d'origine.", // French
    L"Es wird dringend empfohlen, die vorhandenen Kopplungsdaten im Telefon zu löschen und die Bluetooth-Kopplung erneut durchzuführen. Sie müssen die Geräteeinstellungen wieder nach Ihren ursprünglichen Einstellungen vornehmen.", // German
    L"Si consiglia vivamente di cancellare dal telefono le informazioni di associazione esistenti e di eseguire di nuovo l'associazione Bluetooth. È necessario configurare di nuovo le impostazioni del dispositivo secondo le impostazioni originali.", // Italian
    L"電話から既存のペアリング情報を消去し、Bluetoothペアリングをやり直すことを強くお勧めします。デバイスの設定を元の設定に従って再度行う必要があります。", // Japanese
    L"전화기에서 기존 페어링 정보를 지우고 블루투스 페어링을 다시 하실 것을 강력히 권장합니다. 장치 설정을 원래 설정에 따라 다시 구성해야 합니다.", // Korean
    L"Se recomienda encarecidamente borrar la información de emparejamiento existente del teléfono y volver a realizar el emparejamiento Bluetooth. Debe volver a configurar el dispositivo según su configuración original.", // Spanish
    L"Het wordt sterk aanbevolen de bestaande koppelingsgegevens van de telefoon te wissen en opnieuw een Bluetooth-koppeling uit te voeren. U moet de apparaatinstellingen opnieuw instellen volgens uw oorspronkelijke instellingen.", // Dutch
    L"Настоятельно рекомендуется удалить существующие данные о сопряжении из телефона и выполнить сопряжение Bluetooth заново. Настройки устройства необходимо снова задать в соответствии с исходными.", // Russian
    L"强烈建议清除手机中现有的配对信息，并重新进行蓝牙配对。您需要按照原来的设置重新配置设备设置。", // Chinese
    L"On erittäin suositeltavaa poistaa puhelimesta nykyiset pariliitostiedot ja muodostaa Bluetooth-pariliitos uudelleen. Laitteen asetukset on määritettävä uudelleen alkuperäisten asetustesi mukaisesti.", // Finnish
    L"Důrazně doporučujeme vymazat z telefonu stávající informace o párování a provést párování Bluetooth znovu. Nastavení zařízení je třeba znovu nakonfigurovat podle vašeho původního nastavení.", // Czech
    L"Zdecydowanie zaleca się usunięcie z telefonu istniejących informacji o parowaniu i ponowne przeprowadzenie parowania Bluetooth. Ustawienia urządzenia należy ponownie skonfigurować zgodnie z pierwotnymi ustawieniami.", // Polish
};

LocalisedTexts g_textCameraReplugSteps = {
    L"1. Disconnect the USB cable from the LENSA.\n2. Wait until the LENSA completes update and powers off.\n3. Connect USB cable to the LENSA and then power on it.\n4. Press [OK] button.\n", // English
    L"1. Débranchez le câble USB de la LENSA.\n2. Attendez que la LENSA termine la mise à jour et s'éteigne.\n3. Branchez le câble USB sur la LENSA, puis allumez-la.\n4. Appuyez sur le bouton [OK].\n", // French
    L"1. Trennen Sie das USB-Kabel von der LENSA.\n2. Warten Sie, bis die LENSA die Aktualisierung beendet und sich ausschaltet.\n3. Schließen Sie das USB-Kabel an die LENSA an und schalten Sie sie ein.\n4. Drücken Sie die Schaltfläche [OK].\n", // German
    L"1. Scollegare il cavo USB dalla LENSA.\n2. Attendere che la LENSA completi l'aggiornamento e si spenga.\n3. Collegare il cavo USB alla LENSA e accenderla.\n4. Premere il pulsante [OK].\n", // Italian
    L"1. LENSAからUSBケーブルを外してください。\n2. LENSAが更新を完了して電源が切れるまでお待ちください。\n3. LENSAにUSBケーブルを接続し、電源を入れてください。\n4. [OK]ボタンを押してください。\n", // Japanese
    L"1. LENSA에서 USB 케이블을 분리하십시오.\n2. LENSA가 업데이트를 마치고 전원이 꺼질 때까지 기다리십시오.\n3. LENSA에 USB 케이블을 연결한 다음 전원을 켜십시오.\n4. [OK] 버튼을 누르십시오.\n", // Korean
    L"1. Desconecte el cable USB de la LENSA.\n2. Espere a que la LENSA termine la actualización y se apague.\n3. Conecte el cable USB a la LENSA y enciéndala.\n4. Pulse el botón [OK].\n", // Spanish
    L"1. Koppel de USB-kabel los van de LENSA.\n2. Wacht tot de LENSA de update heeft voltooid en uitschakelt.\n3. Sluit de USB-kabel aan op de LENSA en schakel deze in.\n4. Druk op de knop [OK].\n", // Dutch
    L"1. Отключите кабель USB от LENSA.\n2. Дождитесь, пока LENSA завершит обновление и выключится.\n3. Подключите кабель USB к LENSA и включите её.\n4. Нажмите кнопку [OK].\n", // Russian
    L"1. 从 LENSA 上拔下 USB 线。\n2. 等待 LENSA 完成更新并关机。\n3. 将 USB 线连接到 LENSA，然后开机。\n4. 按 [OK] 按钮。\n", // Chinese
    L"1. Irrota USB-kaapeli LENSA-laitteesta.\n2. Odota, kunnes LENSA on päivittynyt ja sammunut.\n3. Liitä USB-kaapeli LENSA-laitteeseen ja käynnistä se.\n4. Paina [OK]-painiketta.\n", // Finnish
    L"1. Odpojte kabel USB od zařízení LENSA.\n2. Počkejte, až LENSA dokončí aktualizaci a vypne se.\n3. Připojte kabel USB k zařízení LENSA a zapněte je.\n4. Stiskněte tlačítko [OK].\n", // Czech
    L"1. Odłącz kabel USB od urządzenia LENSA.\n2. Poczekaj, aż LENSA zakończy aktualizację i się wyłączy.\n3. Podłącz kabel USB do urządzenia LENSA i włącz je.\n4. Naciśnij przycisk [OK].\n", // Polish
};

LocalisedTexts g_textPowerCycleToApply = {
    L"%s.\nPower off and power on Lun8 to apply new firmware.", // English
    L"%s.\nÉteignez puis rallumez Lun8 pour appliquer le nouveau micrologiciel.", // French
    L"%s.\nSchalten Sie Lun8 aus und wieder ein, um die neue Firmware zu übernehmen.", // German
    L"%s.\nSpegnere e riaccendere Lun8 per applicare il nuovo firmware.", // Italian
    L"%s.\n新しいファームウェアを適用するには、Lun8の電源を一度切ってから入れ直してください。", // Japanese
    L"%s.\n새 펌웨어를 적용하려면 Lun8의 전원을 껐다가 다시 켜십시오.", // Korean
    L"%s.\nApague y vuelva a encender Lun8 para aplicar el nuevo firmware.", // Spanish
    L"%s.\nSchakel Lun8 uit en weer in om de nieuwe firmware toe te passen.", // Dutch
    L"%s.\nВыключите и снова включите Lun8, чтобы применить новую прошивку.", // Russian
    L"%s.\n请关闭 Lun8 再重新开机以应用新固件。", // Chinese
    L"%s.\nSammuta Lun8 ja käynnistä se uudelleen, jotta uusi laiteohjelmisto otetaan käyttöön.", // Finnish
    L"%s.\nVypněte a znovu zapněte Lun8, aby se použil nový firmware.", // Czech
    L"%s.\nWyłącz i ponownie włącz Lun8, aby zastosować nowe oprogramowanie układowe.", // Polish
};

} // namespace

// clang-format on

std::wstring GetTextBrowse(int language)
{
    return PickText(g_textBrowse, language);
}
std::wstring GetTextDownload(int language)
{
    return PickText(g_textDownload, language);
}
std::wstring GetTextLatestVersion(int language)
{
    return PickText(g_textLatestVersion, language);
}
std::wstring GetTextFirmwareToUpdate(int language)
{
    return PickText(g_textFirmwareToUpdate, language);
}
std::wstring GetTextFirmwareFileFilter(int)
{
    return L"Firmware Files(*.img)|*.img||";
}
std::wstring GetTextVoicePromptSteps(int language)
{
    return PickText(g_textVoicePromptSteps, language);
}
std::wstring GetTextPairingAdvice(int language)
{
    return PickText(g_textPairingAdvice, language);
}
std::wstring GetTextCameraReplugSteps(int language)
{
    return PickText(g_textCameraReplugSteps, language);
}
std::wstring GetTextPowerCycleToApply(int language)
{
    return PickText(g_textPowerCycleToApply, language);
}
