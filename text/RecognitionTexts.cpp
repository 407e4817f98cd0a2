#include "text/RecognitionTexts.h"

#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

// A reserved domain: no mail reaches a stranger while the real desk's address is not set.
const wchar_t kSupportEmailAddress[] = L"support@quor.example";

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: English; Japanese, whose button comes first.
const wchar_t* const g_textPressNextStep[kUiLanguageCount] = {
    /* English  */ L"%d. Press the [%s >] button.\r\n",
    /* French   */ L"%d. Appuyez sur le bouton [%s >].\r\n",
    /* German   */ L"%d. Klicken Sie auf die Schaltfläche [%s >].\r\n",
    /* Italian  */ L"%d. Premere il pulsante [%s >].\r\n",
    /* Japanese */ L"%d. [%s >]ボタンを押します。\r\n",
    /* Korean   */ L"%d. [%s >] 버튼을 누르십시오.\r\n",
    /* Spanish  */ L"%d. Pulse el botón [%s >].\r\n",
    /* Dutch    */ L"%d. Klik op de knop [%s >].\r\n",
    /* Russian  */ L"%d. Нажмите кнопку [%s >].\r\n",
    /* Chinese  */ L"%d. 按 [%s >] 按钮。\r\n",
    /* Finnish  */ L"%d. Paina [%s >] -painiketta.\r\n",
    /* Czech    */ L"%d. Stiskněte tlačítko [%s >].\r\n",
    /* Polish   */ L"%d. Naciśnij przycisk [%s >].\r\n",
};

// Fixed: English.
const wchar_t* const g_textConnectStep1[kUiLanguageCount] = {
    /* English  */ L"1. Power off your product and connect it to your PC using the supplied microUSB cable.\n\n",
    /* French   */ L"1. Éteignez votre produit et connectez-le à votre PC avec le câble microUSB fourni.\n\n",
    /* German   */ L"1. Schalten Sie Ihr Produkt aus und verbinden Sie es über das mitgelieferte microUSB-Kabel mit Ihrem PC.\n\n",
    /* Italian  */ L"1. Spegnere il prodotto e collegarlo al PC con il cavo microUSB in dotazione.\n\n",
    /* Japanese */ L"1. 製品の電源を切り、付属のmicroUSBケーブルでPCに接続します。\n\n",
    /* Korean   */ L"1. 제품의 전원을 끄고 제공된 microUSB 케이블로 PC에 연결하십시오.\n\n",
    /* Spanish  */ L"1. Apague el producto y conéctelo al PC con el cable microUSB suministrado.\n\n",
    /* Dutch    */ L"1. Schakel uw product uit en sluit het met de meegeleverde microUSB-kabel aan op uw pc.\n\n",
    /* Russian  */ L"1. Выключите устройство и подключите его к компьютеру с помощью прилагаемого кабеля microUSB.\n\n",
    /* Chinese  */ L"1. 关闭产品电源，并使用随附的 microUSB 数据线将其连接到电脑。\n\n",
    /* Finnish  */ L"1. Sammuta tuote ja liitä se tietokoneeseen mukana toimitetulla microUSB-kaapelilla.\n\n",
    /* Czech    */ L"1. Vypněte výrobek a připojte jej k počítači dodaným kabelem microUSB.\n\n",
    /* Polish   */ L"1. Wyłącz produkt i podłącz go do komputera za pomocą dołączonego kabla microUSB.\n\n",
};

// Fixed: English.
const wchar_t* const g_textConnectStep2[kUiLanguageCount] = {
    /* English  */ L"2. Follow the instruction below that matches with your Quor product.\n - Zenta2: Leave it powered off.\n - Other Quor Products not listed: Power it on.\n\n",
    /* French   */ L"2. Suivez l'instruction ci-dessous qui correspond à votre produit Quor.\n - Zenta2 : laissez-le éteint.\n - Autres produits Quor non listés : allumez-le.\n\n",
    /* German   */ L"2. Befolgen Sie die Anweisung unten, die zu Ihrem Quor-Produkt passt.\n - Zenta2: Lassen Sie es ausgeschaltet.\n - Andere, nicht aufgeführte Quor-Produkte: Schalten Sie es ein.\n\n",
    /* Italian  */ L"2. Seguire l'istruzione qui sotto relativa al proprio prodotto Quor.\n - Zenta2: lasciarlo spento.\n - Altri prodotti Quor non elencati: accenderlo.\n\n",
    /* Japanese */ L"2. お使いのQuor製品に合った以下の手順に従ってください。\n - Zenta2: 電源を切ったままにします。\n - 上記以外のQuor製品: 電源を入れます。\n\n",
    /* Korean   */ L"2. 사용 중인 Quor 제품에 맞는 아래 안내를 따르십시오.\n - Zenta2: 전원을 끈 상태로 두십시오.\n - 목록에 없는 기타 Quor 제품: 전원을 켜십시오.\n\n",
    /* Spanish  */ L"2. Siga la instrucción de abajo que corresponda a su producto Quor.\n - Zenta2: déjelo apagado.\n - Otros productos Quor no incluidos: enciéndalo.\n\n",
    /* Dutch    */ L"2. Volg de instructie hieronder die bij uw Quor-product hoort.\n - Zenta2: laat het uitgeschakeld.\n - Andere, niet genoemde Quor-producten: schakel het in.\n\n",
    /* Russian  */ L"2. Выполните указание ниже для вашего устройства Quor.\n - Zenta2: оставьте выключенным.\n - Другие устройства Quor, не указанные здесь: включите.\n\n",
    /* Chinese  */ L"2. 请按照下面与您的 Quor 产品相符的说明操作。\n - Zenta2：保持关机。\n - 未列出的其他 Quor 产品：开机。\n\n",
    /* Finnish  */ L"2. Noudata alla olevaa Quor-tuotteesi ohjetta.\n - Zenta2: Jätä se sammutetuksi.\n - Muut Quor-tuotteet, joita ei ole lueteltu: Kytke virta päälle.\n\n",
    /* Czech    */ L"2. Postupujte podle pokynu níže, který odpovídá vašemu výrobku Quor.\n - Zenta2: Nechte jej vypnutý.\n - Ostatní výrobky Quor, které zde nejsou uvedeny: Zapněte jej.\n\n",
    /* Polish   */ L"2. Postępuj zgodnie z poniższą instrukcją dla swojego produktu Quor.\n - Zenta2: pozostaw wyłączony.\n - Inne produkty Quor, których tu nie wymieniono: włącz.\n\n",
};

// Fixed: English. Entry 0 "less", entry 1 "more".
const wchar_t* const g_textLessMore[kUiLanguageCount][2] = {
    /* English  */ {L"less", L"more"},
    /* French   */ {L"moins", L"plus"},
    /* German   */ {L"weniger", L"mehr"},
    /* Italian  */ {L"meno", L"più"},
    /* Japanese */ {L"少ない", L"多い"},
    /* Korean   */ {L"적음", L"많음"},
    /* Spanish  */ {L"menos", L"más"},
    /* Dutch    */ {L"minder", L"meer"},
    /* Russian  */ {L"меньше", L"больше"},
    /* Chinese  */ {L"较少", L"较多"},
    /* Finnish  */ {L"vähemmän", L"enemmän"},
    /* Czech    */ {L"méně", L"více"},
    /* Polish   */ {L"mniej", L"więcej"},
};

// Fixed: English. Entry 0 "found", entry 1 "obtained".
const wchar_t* const g_textFoundObtained[kUiLanguageCount][2] = {
    /* English  */ {L"found", L"obtained"},
    /* French   */ {L"trouvées", L"obtenues"},
    /* German   */ {L"gefunden", L"erhalten"},
    /* Italian  */ {L"trovate", L"ottenute"},
    /* Japanese */ {L"検出", L"取得"},
    /* Korean   */ {L"발견됨", L"획득됨"},
    /* Spanish  */ {L"encontradas", L"obtenidas"},
    /* Dutch    */ {L"gevonden", L"verkregen"},
    /* Russian  */ {L"найдено", L"получено"},
    /* Chinese  */ {L"找到", L"获取"},
    /* Finnish  */ {L"löydetty", L"saatu"},
    /* Czech    */ {L"nalezeno", L"získáno"},
    /* Polish   */ {L"znaleziono", L"uzyskano"},
};

// Fixed: English; Japanese and Korean, whose word order differs.
const wchar_t* const g_textUsbInterfaceCount[kUiLanguageCount] = {
    /* English  */ L"%s USB interface(s)",
    /* French   */ L"%s d'interfaces USB",
    /* German   */ L"%s USB-Schnittstelle(n)",
    /* Italian  */ L"%s interfacce USB",
    /* Japanese */ L"より%sUSBインタフェース",
    /* Korean   */ L"USB 인터페이스 %s",
    /* Spanish  */ L"%s interfaces USB",
    /* Dutch    */ L"%s USB-interface(s)",
    /* Russian  */ L"%s USB-портов",
    /* Chinese  */ L"%s USB 接口",
    /* Finnish  */ L"%s USB-liitäntöjä",
    /* Czech    */ L"%s rozhraní USB",
    /* Polish   */ L"%s interfejsów USB",
};

// Fixed: English.
const wchar_t* const g_textOddUsbInterfaces[kUiLanguageCount] = {
    /* English  */ L"odd USB interface(s)",
    /* French   */ L"interface(s) USB anormale(s)",
    /* German   */ L"ungewöhnliche USB-Schnittstelle(n)",
    /* Italian  */ L"interfacce USB anomale",
    /* Japanese */ L"不正なUSBインタフェース",
    /* Korean   */ L"비정상 USB 인터페이스",
    /* Spanish  */ L"interfaces USB anómalas",
    /* Dutch    */ L"afwijkende USB-interface(s)",
    /* Russian  */ L"нетипичные USB-порты",
    /* Chinese  */ L"异常的 USB 接口",
    /* Finnish  */ L"poikkeavia USB-liitäntöjä",
    /* Czech    */ L"neobvyklá rozhraní USB",
    /* Polish   */ L"nietypowe interfejsy USB",
};

// Fixed: English; Czech, without brackets around the address and the menu. Polish has none either.
const wchar_t* const g_textContactSupport[kUiLanguageCount] = {
    /* English  */ L"Send email to Technical Support (%s) with diagnostic log which can be created by pressing the right mouse button and selecting [%s] menu.\n",
    /* French   */ L"Envoyez un e-mail au support technique (%s) avec le journal de diagnostic, que vous pouvez créer avec le bouton droit de la souris et le menu [%s].\n",
    /* German   */ L"Senden Sie eine E-Mail an den technischen Support (%s) mit dem Diagnoseprotokoll, das Sie mit der rechten Maustaste über das Menü [%s] erstellen.\n",
    /* Italian  */ L"Inviare un'e-mail al supporto tecnico (%s) con il registro diagnostico, che si crea con il tasto destro del mouse scegliendo il menu [%s].\n",
    /* Japanese */ L"診断ログを添えてテクニカルサポート (%s) にメールをお送りください。診断ログはマウスの右ボタンを押して [%s] メニューを選ぶと作成できます。\n",
    /* Korean   */ L"진단 로그를 첨부하여 기술 지원팀(%s)에 이메일을 보내십시오. 진단 로그는 마우스 오른쪽 버튼을 누르고 [%s] 메뉴를 선택하면 만들 수 있습니다.\n",
    /* Spanish  */ L"Envíe un correo electrónico al servicio técnico (%s) con el registro de diagnóstico, que se crea con el botón derecho del ratón y el menú [%s].\n",
    /* Dutch    */ L"Stuur een e-mail naar de technische ondersteuning (%s) met het diagnoselogboek, dat u maakt met de rechtermuisknop en het menu [%s].\n",
    /* Russian  */ L"Отправьте в службу технической поддержки (%s) письмо с журналом диагностики, который можно создать правой кнопкой мыши через пункт меню [%s].\n",
    /* Chinese  */ L"请将诊断日志通过电子邮件发送给技术支持 (%s)。按鼠标右键并选择 [%s] 菜单即可创建诊断日志。\n",
    /* Finnish  */ L"Lähetä tekniselle tuelle (%s) sähköposti ja liitä mukaan diagnostiikkaloki, jonka voit luoda hiiren oikealla painikkeella valikosta [%s].\n",
    /* Czech    */ L"Odešlete technické podpoře %s e-mail s diagnostickým protokolem, který lze vytvořit stisknutím pravého tlačítka myši a výběrem nabídky %s.\n",
    /* Polish   */ L"Wyślij do pomocy technicznej %s e-mail z dziennikiem diagnostycznym, który można utworzyć prawym przyciskiem myszy, wybierając menu %s.\n",
};

// Fixed: English; Russian and Chinese, which name the found or obtained word first.
const struct {
    const wchar_t* pattern;
    bool foundFirst;
} g_textUnexpectedInterfaceCount[kUiLanguageCount] = {
    /* English  */ {L"USB interface(s) %s than expected is(are) %s.\n%s", false},
    /* French   */ {L"%s d'interfaces USB que prévu ont été %s.\n%s", false},
    /* German   */ {L"Es wurden %s USB-Schnittstellen als erwartet %s.\n%s", false},
    /* Italian  */ {L"Interfacce USB %s del previsto: %s.\n%s", false},
    /* Japanese */ {L"予期したより%sUSBインタフェースが%sされました。\n%s", false},
    /* Korean   */ {L"예상보다 USB 인터페이스가 %s: %s.\n%s", false},
    /* Spanish  */ {L"Hay %s interfaces USB de las esperadas (%s).\n%s", false},
    /* Dutch    */ {L"Er zijn %s USB-interfaces dan verwacht %s.\n%s", false},
    /* Russian  */ {L"USB-портов %s %s, чем ожидалось.\n%s", true},
    /* Chinese  */ {L"USB 接口比预期 %s 的 %s。\n%s", true},
    /* Finnish  */ {L"USB-liitäntöjä %s kuin odotettiin: %s.\n%s", false},
    /* Czech    */ {L"Rozhraní USB je %s, než se očekávalo (%s).\n%s", false},
    /* Polish   */ {L"Interfejsów USB jest %s niż oczekiwano (%s).\n%s", false},
};

// Fixed: English.
const wchar_t* const g_textUsbInterfaceProblem[kUiLanguageCount] = {
    /* English  */ L"There is problem in the USB interface.\n%s",
    /* French   */ L"Un problème est survenu sur l'interface USB.\n%s",
    /* German   */ L"Es gibt ein Problem mit der USB-Schnittstelle.\n%s",
    /* Italian  */ L"Si è verificato un problema con l'interfaccia USB.\n%s",
    /* Japanese */ L"USBインタフェースに問題があります。\n%s",
    /* Korean   */ L"USB 인터페이스에 문제가 있습니다.\n%s",
    /* Spanish  */ L"Hay un problema en la interfaz USB.\n%s",
    /* Dutch    */ L"Er is een probleem met de USB-interface.\n%s",
    /* Russian  */ L"Проблема с USB-портом.\n%s",
    /* Chinese  */ L"USB 接口有问题。\n%s",
    /* Finnish  */ L"USB-liitännässä on ongelma.\n%s",
    /* Czech    */ L"Nastal problém s rozhraním USB.\n%s",
    /* Polish   */ L"Wystąpił problem z interfejsem USB.\n%s",
};

// Fixed: English.
const wchar_t* const g_textOtherDeviceRecognized[kUiLanguageCount] = {
    /* English  */ L"A device other than the %s is recognized. Select the appropriate device.\n",
    /* French   */ L"Un appareil autre que le %s a été reconnu. Sélectionnez l'appareil approprié.\n",
    /* German   */ L"Es wurde ein anderes Gerät als %s erkannt. Wählen Sie das passende Gerät.\n",
    /* Italian  */ L"È stato riconosciuto un dispositivo diverso da %s. Selezionare il dispositivo corretto.\n",
    /* Japanese */ L"%s以外のデバイスが認識されました。適切なデバイスを選択してください。\n",
    /* Korean   */ L"%s 이외의 장치가 인식되었습니다. 알맞은 장치를 선택하십시오.\n",
    /* Spanish  */ L"Se ha reconocido un dispositivo distinto de %s. Seleccione el dispositivo adecuado.\n",
    /* Dutch    */ L"Er is een ander apparaat dan de %s herkend. Selecteer het juiste apparaat.\n",
    /* Russian  */ L"Распознано устройство, отличное от %s. Выберите подходящее устройство.\n",
    /* Chinese  */ L"识别到的设备不是 %s。请选择正确的设备。\n",
    /* Finnish  */ L"Tunnistettiin jokin muu laite kuin %s. Valitse oikea laite.\n",
    /* Czech    */ L"Bylo rozpoznáno jiné zařízení než %s. Vyberte správné zařízení.\n",
    /* Polish   */ L"Rozpoznano urządzenie inne niż %s. Wybierz właściwe urządzenie.\n",
};

// clang-format on

// The codes 5 and 7 are the two that mean fewer interfaces than expected.
std::wstring LessOrMore(int result, int language)
{
    return LocalisedRow(g_textLessMore, language)[(result == 5 || result == 7) ? 0 : 1];
}

} // namespace

std::wstring GetTextPressNextStep(int step, int language)
{
    return FillPlaceholders(PickText(g_textPressNextStep, language), {step, GetTextNext(language)});
}

std::wstring GetTextConnectInstructions(int language)
{
    return PickText(g_textConnectStep1, language) + PickText(g_textConnectStep2, language) +
           GetTextPressNextStep(3, language);
}

std::wstring GetTextUsbInterfaceCount(int result, int language)
{
    return FillPlaceholders(PickText(g_textUsbInterfaceCount, language), {LessOrMore(result, language)});
}

std::wstring GetTextOddUsbInterfaces(int language)
{
    return PickText(g_textOddUsbInterfaces, language);
}

std::wstring GetTextContactSupport(const std::wstring& diagnosticLogMenu, int language)
{
    return FillPlaceholders(PickText(g_textContactSupport, language), {kSupportEmailAddress, diagnosticLogMenu});
}

std::wstring GetTextUnexpectedInterfaceCount(int obtained, int result, const std::wstring& supportRequest, int language)
{
    const auto& row = LocalisedRow(g_textUnexpectedInterfaceCount, language);
    const std::wstring count = LessOrMore(result, language);
    const std::wstring seen = LocalisedRow(g_textFoundObtained, language)[obtained ? 1 : 0];
    if (row.foundFirst)
        return FillPlaceholders(row.pattern, {seen, count, supportRequest});
    return FillPlaceholders(row.pattern, {count, seen, supportRequest});
}

std::wstring GetTextUsbInterfaceProblem(const std::wstring& supportRequest, int language)
{
    return FillPlaceholders(PickText(g_textUsbInterfaceProblem, language), {supportRequest});
}

std::wstring GetTextOtherDeviceRecognized(const std::wstring& modelName, int language)
{
    return FillPlaceholders(PickText(g_textOtherDeviceRecognized, language), {modelName});
}
