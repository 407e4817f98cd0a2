#include "text/FmRadioPageTexts.h"

#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Fixed: every row.
const wchar_t* const g_presetOutOfRange[kUiLanguageCount] = {
    /* English  */ L"FM Radio preset should be between %0.1f MHz and %0.1f MHz. Enter valid value again.",
    /* French   */ L"Le pré-réglage Radio FM doit être entre %0.1f MHz et %0.1f MHz. Saisissez à nouveau une valeur valide.",
    /* German   */ L"FM-Radio-Voreinstell. muss zw. %0.1f MHz u. %0.1f MHz liegen. Gültigen Wert eingeben.",
    /* Italian  */ L"La memorizzazione delle stazioni radio FM deve essere tra %0.1f MHz e %0.1f MHz. Reinserire un valore valido.",
    /* Japanese */ L"FMラジオプリセットは%0.1fMHz～%0.1fMHzです。有効な値を入力し直してください。",
    /* Korean   */ L"FM 라디오 자동 선국은 %0.1f MHz - %0.1f MHz 사이여야 합니다.",
    /* Spanish  */ L"El preset radio FM debe estar entre %0.1f MHz y %0.1f MHz. Indique un valor válido.",
    /* Dutch    */ L"FM-radio zou voorgeprogrammeerd moeten zijn tussen %0.1f MHz en %0.1f MHz. Voer opnieuw een geldige waarde in.",
    /* Russian  */ L"Диапазон радиочастот должен находится между %0.1f МГц и %0.1f МГц. Введите корректное значение повторно.",
    /* Chinese  */ L"FM 广播预设值应在 %0.1f MHz 和 %0.1f MHz 之间。再次输入有效值。",
    /* Finnish  */ L"Radiotaajuuden esiasetus pitää olla välillä %0.1f MHz ja %0.1f MHz. Yritä uudelleen.",
    /* Czech    */ L"Předvolba FM rádia musí být mezi %0.1f MHz a %0.1f MHz. Zadejte znovu platnou hodnotu.",
    /* Polish   */ L"Ustawienie wstępne częstotliwości radia FM powinno zawierać się pomiędzy %0.1f MHz a %0.1f MHz. Wprowadź ponownie prawidłową wartość.",
};

// Fixed: every row.
const wchar_t* const g_presetInvalid[kUiLanguageCount] = {
    /* English  */ L"FM Radio preset is not valid. Enter valid value again.",
    /* French   */ L"Le pré-réglage Radio FM n'est pas valide. Saisissez à nouveau une valeur valide.",
    /* German   */ L"FM-Radio Voreinstel. ungültig. Gültigen Wert eingeben.",
    /* Italian  */ L"Memorizzazione stazione radio non valida. Reinserire un valore valido.",
    /* Japanese */ L"FMラジオプリセットが有効ではありません。有効な値を入力し直してください。",
    /* Korean   */ L"FM 라디오 자동 선국이 잘못되었습니다. 올바른 값을 다시 입력하십시오.",
    /* Spanish  */ L"Presets radio FM inválida. Indique un valor válido.",
    /* Dutch    */ L"De preset van FM-radio is niet geldig. Voer opnieuw een geldige waarde in.",
    /* Russian  */ L"Установленная радиочастота некорректна. Введите корректное значение повторно.",
    /* Chinese  */ L"FM 广播预设值无效。再次输入有效值。",
    /* Finnish  */ L"Radion muistipaikka ei ole käytössä. Valitse toinen.",
    /* Czech    */ L"Předvolba FM rádia není platná. Zadejte znovu platnou hodnotu.",
    /* Polish   */ L"Ustawienie wstępne radia FM jest nieprawidłowe. Wprowadź ponownie prawidłową wartość.",
};

// Fixed: English. The other rows are our own translations and may be improved.
const wchar_t* const g_helpRdsAf[kUiLanguageCount] = {
    /* English  */ L"[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) enables the headset to re-tune to an alternative frequency for the same radio station if the primary frequency loses signal strength. Please check that your local radio stations support the RDS AF feature.",
    /* French   */ L"[RDS (Radio Data System) AF (fréquences alternatives)]\nLe RDS AF (fréquences alternatives du Radio Data System) permet à l'oreillette de se régler sur une autre fréquence de la même station de radio lorsque le signal de la fréquence principale faiblit. Vérifiez que vos stations de radio locales prennent en charge la fonction RDS AF.",
    /* German   */ L"[RDS (Radio Data System) AF (Alternativfrequenzen)]\nMit RDS AF (Alternativfrequenzen des Radio Data System) stellt das Headset auf eine andere Frequenz desselben Senders um, wenn das Signal der Hauptfrequenz schwächer wird. Bitte prüfen Sie, ob Ihre örtlichen Radiosender RDS AF unterstützen.",
    /* Italian  */ L"[RDS (Radio Data System) AF (frequenze alternative)]\nL'RDS AF (frequenze alternative del Radio Data System) consente all'auricolare di sintonizzarsi su una frequenza alternativa della stessa stazione radio quando il segnale della frequenza principale si indebolisce. Verificare che le stazioni radio locali supportino la funzione RDS AF.",
    /* Japanese */ L"[RDS (Radio Data System) AF (代替周波数)]\nRDS AF (Radio Data System の代替周波数) は、受信中の周波数の電波が弱くなったときに、ヘッドセットが同じ放送局の別の周波数に自動で切り替える機能です。お住まいの地域の放送局が RDS AF に対応しているかご確認ください。",
    /* Korean   */ L"[RDS (Radio Data System) AF (대체 주파수)]\nRDS AF(Radio Data System 대체 주파수)는 기본 주파수의 신호가 약해지면 헤드셋이 같은 방송국의 다른 주파수로 다시 맞추도록 합니다. 지역 라디오 방송국이 RDS AF 기능을 지원하는지 확인하십시오.",
    /* Spanish  */ L"[RDS (Radio Data System) AF (frecuencias alternativas)]\nEl RDS AF (frecuencias alternativas del Radio Data System) permite que el auricular sintonice otra frecuencia de la misma emisora cuando la señal de la frecuencia principal se debilita. Compruebe que las emisoras de su zona admiten la función RDS AF.",
    /* Dutch    */ L"[RDS (Radio Data System) AF (alternatieve frequenties)]\nMet RDS AF (alternatieve frequenties van het Radio Data System) stemt de headset af op een andere frequentie van dezelfde zender wanneer het signaal van de hoofdfrequentie zwakker wordt. Controleer of uw lokale radiozenders RDS AF ondersteunen.",
    /* Russian  */ L"[RDS (Radio Data System) AF (альтернативные частоты)]\nRDS AF (альтернативные частоты системы Radio Data System) позволяет гарнитуре перестроиться на другую частоту той же радиостанции, если сигнал основной частоты ослабевает. Убедитесь, что местные радиостанции поддерживают функцию RDS AF.",
    /* Chinese  */ L"[RDS (Radio Data System) AF (替代频率)]\nRDS AF（无线电数据系统替代频率）可在主频率信号减弱时，让耳机重新调谐到同一电台的替代频率。请确认您当地的电台支持 RDS AF 功能。",
    /* Finnish  */ L"[RDS (Radio Data System) AF (vaihtoehtoiset taajuudet)]\nRDS AF (Radio Data Systemin vaihtoehtoiset taajuudet) virittää kuulokkeen saman radioaseman toiselle taajuudelle, kun päätaajuuden signaali heikkenee. Tarkista, että paikalliset radioasemasi tukevat RDS AF -toimintoa.",
    /* Czech    */ L"[RDS (Radio Data System) AF (alternativní frekvence)]\nRDS AF (alternativní frekvence systému Radio Data System) umožňuje náhlavní soupravě přeladit na jinou frekvenci téže stanice, když signál hlavní frekvence zeslábne. Ověřte, že vaše místní rozhlasové stanice funkci RDS AF podporují.",
    /* Polish   */ L"[RDS (Radio Data System) AF (częstotliwości alternatywne)]\nRDS AF (częstotliwości alternatywne systemu Radio Data System) pozwala zestawowi słuchawkowemu przestroić się na inną częstotliwość tej samej stacji, gdy sygnał częstotliwości głównej słabnie. Sprawdź, czy lokalne stacje radiowe obsługują funkcję RDS AF.",
};

// clang-format on

std::wstring Row(const wchar_t* const (&table)[kUiLanguageCount], int language)
{
    return table[UiLanguageRow(language)];
}

} // namespace

std::wstring GetTextPresetOutOfRange(int language)
{
    return Row(g_presetOutOfRange, language);
}

std::wstring GetTextPresetInvalid(int language)
{
    return Row(g_presetInvalid, language);
}

std::wstring GetHelpRdsAf(int language)
{
    return Row(g_helpRdsAf, language);
}
