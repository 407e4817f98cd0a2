#include "text/SettingsPageLabels.h"

#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: every row; Italian keeps the English word.
const wchar_t* const g_defaultLabel[kUiLanguageCount] = {
    /* English  */ L"DEFAULT",
    /* French   */ L"DÉFAUT",
    /* German   */ L"STANDARD",
    /* Italian  */ L"DEFAULT",
    /* Japanese */ L"初期設定",
    /* Korean   */ L"기본값",
    /* Spanish  */ L"PREDEF.",
    /* Dutch    */ L"STANDAARD",
    /* Russian  */ L"ПО УМОЛЧ.",
    /* Chinese  */ L"默认",
    /* Finnish  */ L"OLETUS",
    /* Czech    */ L"VÝCHOZÍ",
    /* Polish   */ L"DOMYŚLNIE",
};

// Fixed: every row; Czech and Polish keep the English words.
const wchar_t* const g_moreSettingsLabel[kUiLanguageCount] = {
    /* English  */ L"MORE SETTINGS",
    /* French   */ L"PLUS DE PARAMÈTRES",
    /* German   */ L"WEITERE EINSTELLUNGEN",
    /* Italian  */ L"ALTRE IMPOSTAZIONI",
    /* Japanese */ L"その他の設定",
    /* Korean   */ L"설정 더보기",
    /* Spanish  */ L"MÁS AJUSTES",
    /* Dutch    */ L"MEER INSTELLINGEN",
    /* Russian  */ L"ДОПОЛНИТЕЛЬНЫЕ НАСТРОЙКИ",
    /* Chinese  */ L"更多设置",
    /* Finnish  */ L"ENEMMÄN ASETUKSIA",
    /* Czech    */ L"MORE SETTINGS",
    /* Polish   */ L"MORE SETTINGS",
};

// Fixed: English. Every row names the maker Ostra and its system as written.
const wchar_t* const g_onboardAudioNotice[kUiLanguageCount] = {
    /* English  */ L"If you use Ostra Bluetooth onboard audio system (e.g. Ostra V1450XR/XRL), please disable this option.",
    /* French   */ L"Si vous utilisez le système audio embarqué Bluetooth Ostra (ex. Ostra V1450XR/XRL), veuillez désactiver cette option.",
    /* German   */ L"Wenn Sie das Ostra Bluetooth-Bordaudiosystem (z. B. Ostra V1450XR/XRL) verwenden, deaktivieren Sie bitte diese Option.",
    /* Italian  */ L"Se si utilizza il sistema audio di bordo Bluetooth Ostra (ad es. Ostra V1450XR/XRL), disattivare questa opzione.",
    /* Japanese */ L"Ostra Bluetooth車載オーディオシステム(例: Ostra V1450XR/XRL)をお使いの場合は、このオプションを無効にしてください。",
    /* Korean   */ L"Ostra 블루투스 차량 오디오 시스템(예: Ostra V1450XR/XRL)을 사용하는 경우 이 옵션을 해제하십시오.",
    /* Spanish  */ L"Si utiliza el sistema de audio de a bordo Bluetooth de Ostra (p. ej. Ostra V1450XR/XRL), desactive esta opción.",
    /* Dutch    */ L"Als u het Ostra Bluetooth-audiosysteem aan boord gebruikt (bijv. Ostra V1450XR/XRL), schakel deze optie dan uit.",
    /* Russian  */ L"Если вы используете бортовую аудиосистему Ostra Bluetooth (напр. Ostra V1450XR/XRL), отключите эту функцию.",
    /* Chinese  */ L"如果您使用 Ostra 蓝牙车载音响系统(例如 Ostra V1450XR/XRL),请禁用此选项。",
    /* Finnish  */ L"Jos käytät Ostra Bluetooth -ajoneuvoäänijärjestelmää (esim. Ostra V1450XR/XRL), poista tämä asetus käytöstä.",
    /* Czech    */ L"Pokud používáte palubní audiosystém Ostra Bluetooth (např. Ostra V1450XR/XRL), tuto možnost vypněte.",
    /* Polish   */ L"Jeśli używasz pokładowego systemu audio Ostra Bluetooth (np. Ostra V1450XR/XRL), wyłącz tę opcję.",
};

// Fixed: English and German.
const wchar_t* const g_restartNotice[kUiLanguageCount] = {
    /* English  */ L"NOTE: Changes will be applied after device restarts.",
    /* French   */ L"REMARQUE : les modifications prendront effet après le redémarrage de l'appareil.",
    /* German   */ L"HINWEIS: Änderungen nach Geräte-Neustart aktiv.",
    /* Italian  */ L"NOTA: le modifiche saranno applicate dopo il riavvio del dispositivo.",
    /* Japanese */ L"注意: 変更はデバイスの再起動後に適用されます。",
    /* Korean   */ L"참고: 변경 사항은 장치를 다시 시작한 후에 적용됩니다.",
    /* Spanish  */ L"NOTA: los cambios se aplicarán tras reiniciar el dispositivo.",
    /* Dutch    */ L"OPMERKING: wijzigingen worden toegepast nadat het apparaat opnieuw is opgestart.",
    /* Russian  */ L"ПРИМЕЧАНИЕ: изменения вступят в силу после перезапуска устройства.",
    /* Chinese  */ L"注意: 更改将在设备重新启动后生效。",
    /* Finnish  */ L"HUOMAUTUS: Muutokset tulevat voimaan laitteen uudelleenkäynnistyksen jälkeen.",
    /* Czech    */ L"POZNÁMKA: Změny se projeví po restartu zařízení.",
    /* Polish   */ L"UWAGA: Zmiany zostaną zastosowane po ponownym uruchomieniu urządzenia.",
};

} // namespace

// clang-format on

std::wstring GetDefaultLabel(int language)
{
    return PickText(g_defaultLabel, language);
}

std::wstring GetMoreSettingsLabel(int language)
{
    return PickText(g_moreSettingsLabel, language);
}

std::wstring GetOnboardAudioNotice(int language)
{
    return PickText(g_onboardAudioNotice, language);
}

std::wstring GetRestartNotice(int language)
{
    return PickText(g_restartNotice, language);
}

std::wstring GetTimeoutRangeLabel(int language)
{
    return FillPlaceholders(L"%s (3 ~ 60)", {GetTextSeconds(UiLanguageRow(language))});
}
