#include "text/HelpTextTables.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// English is fixed wording, quoted word for word by manuals and support documents; the other
// rows are our own translations and keep the English text's "%s" placeholders in their order.
// A null row is a language without its own text: it shows English.

HelpRows g_voxSensitivityDefault3 = {
    /* English  */ L"[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. Level 5 is the highest sensitivity setting and 1 is the lowest.\nDefault: 3",
    /* French   */ L"[Sensibilité VOX]\nCette fonction détermine le niveau de sensibilité du téléphone VOX et de l'interphone VOX. Le niveau 5 est le plus sensible et le niveau 1 le moins sensible.\nPar défaut : 3",
    /* German   */ L"[VOX-Empfindlichkeit]\nDiese Funktion bestimmt die Empfindlichkeit für VOX-Telefon und VOX-Intercom. Stufe 5 ist die höchste und Stufe 1 die niedrigste Empfindlichkeit.\nStandard: 3",
    /* Italian  */ L"[Sensibilità VOX]\nQuesta funzione determina il livello di sensibilità di Telefono VOX e Interfono VOX. Il livello 5 è la sensibilità più alta e 1 la più bassa.\nPredefinito: 3",
    /* Japanese */ L"[VOX感度]\nVOX電話とVOXインターコムの感度レベルを設定します。レベル5が最も高い感度で、1が最も低い感度です。\n初期設定: 3",
    /* Korean   */ L"[VOX 감도]\nVOX 전화와 VOX 인터콤의 감도 레벨을 설정합니다. 레벨 5가 가장 높은 감도이고 1이 가장 낮은 감도입니다.\n기본값: 3",
    /* Spanish  */ L"[Sensibilidad VOX]\nEsta función determina el nivel de sensibilidad del teléfono VOX y del intercomunicador VOX. El nivel 5 es la sensibilidad más alta y el 1 la más baja.\nPredeterminado: 3",
    /* Dutch    */ L"[VOX-gevoeligheid]\nDeze functie bepaalt het gevoeligheidsniveau voor VOX-telefoon en VOX-intercom. Niveau 5 is de hoogste gevoeligheid en 1 de laagste.\nStandaard: 3",
    /* Russian  */ L"[Чувствительность VOX]\nЭта функция определяет уровень чувствительности VOX телефона и VOX интеркома. Уровень 5 — самая высокая чувствительность, 1 — самая низкая.\nПо умолчанию: 3",
    /* Chinese  */ L"[VOX 灵敏度]\n此功能决定 VOX 电话和 VOX 对讲的灵敏度级别。5 级灵敏度最高,1 级最低。\n默认: 3",
    /* Finnish  */ L"[VOX-herkkyys]\nTämä toiminto määrää VOX-puhelimen ja VOX-sisäpuhelimen herkkyystason. Taso 5 on herkin ja 1 vähiten herkkä.\nOletus: 3",
    /* Czech    */ L"[Citlivost VOX]\nTato funkce určuje úroveň citlivosti pro VOX telefon a VOX interkom. Úroveň 5 je nejvyšší citlivost a 1 nejnižší.\nVýchozí: 3",
    /* Polish   */ L"[Czułość VOX]\nTa funkcja określa poziom czułości dla funkcji Telefon VOX i Interkom VOX. Poziom 5 to najwyższa czułość, a 1 najniższa.\nDomyślnie: 3",
};

HelpRows g_voxSensitivityDefault2 = {
    /* English  */ L"[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. Level 5 is the highest sensitivity setting and 1 is the lowest.\nDefault: 2",
    /* French   */ L"[Sensibilité VOX]\nCette fonction détermine le niveau de sensibilité du téléphone VOX et de l'interphone VOX. Le niveau 5 est le plus sensible et le niveau 1 le moins sensible.\nPar défaut : 2",
    /* German   */ L"[VOX-Empfindlichkeit]\nDiese Funktion bestimmt die Empfindlichkeit für VOX-Telefon und VOX-Intercom. Stufe 5 ist die höchste und Stufe 1 die niedrigste Empfindlichkeit.\nStandard: 2",
    /* Italian  */ L"[Sensibilità VOX]\nQuesta funzione determina il livello di sensibilità di Telefono VOX e Interfono VOX. Il livello 5 è la sensibilità più alta e 1 la più bassa.\nPredefinito: 2",
    /* Japanese */ L"[VOX感度]\nVOX電話とVOXインターコムの感度レベルを設定します。レベル5が最も高い感度で、1が最も低い感度です。\n初期設定: 2",
    /* Korean   */ L"[VOX 감도]\nVOX 전화와 VOX 인터콤의 감도 레벨을 설정합니다. 레벨 5가 가장 높은 감도이고 1이 가장 낮은 감도입니다.\n기본값: 2",
    /* Spanish  */ L"[Sensibilidad VOX]\nEsta función determina el nivel de sensibilidad del teléfono VOX y del intercomunicador VOX. El nivel 5 es la sensibilidad más alta y el 1 la más baja.\nPredeterminado: 2",
    /* Dutch    */ L"[VOX-gevoeligheid]\nDeze functie bepaalt het gevoeligheidsniveau voor VOX-telefoon en VOX-intercom. Niveau 5 is de hoogste gevoeligheid en 1 de laagste.\nStandaard: 2",
    /* Russian  */ L"[Чувствительность VOX]\nЭта функция определяет уровень чувствительности VOX телефона и VOX интеркома. Уровень 5 — самая высокая чувствительность, 1 — самая низкая.\nПо умолчанию: 2",
    /* Chinese  */ L"[VOX 灵敏度]\n此功能决定 VOX 电话和 VOX 对讲的灵敏度级别。5 级灵敏度最高,1 级最低。\n默认: 2",
    /* Finnish  */ L"[VOX-herkkyys]\nTämä toiminto määrää VOX-puhelimen ja VOX-sisäpuhelimen herkkyystason. Taso 5 on herkin ja 1 vähiten herkkä.\nOletus: 2",
    /* Czech    */ nullptr,
    /* Polish   */ nullptr,
};

HelpRows g_voxSensitivityThreeLevels = {
    /* English  */ L"[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. The sensitivity level can be set to High, Medium or Low.\nDefault setting: Medium",
    /* French   */ L"[Sensibilité VOX]\nCette fonction détermine le niveau de sensibilité du téléphone VOX et de l'interphone VOX. Le niveau peut être réglé sur Élevé, Moyen ou Faible.\nRéglage par défaut : Moyen",
    /* German   */ L"[VOX-Empfindlichkeit]\nDiese Funktion bestimmt die Empfindlichkeit für VOX-Telefon und VOX-Intercom. Die Empfindlichkeit lässt sich auf Hoch, Mittel oder Niedrig einstellen.\nStandardeinstellung: Mittel",
    /* Italian  */ L"[Sensibilità VOX]\nQuesta funzione determina il livello di sensibilità di Telefono VOX e Interfono VOX. Il livello può essere impostato su Alto, Medio o Basso.\nImpostazione predefinita: Medio",
    /* Japanese */ L"[VOX感度]\nVOX電話とVOXインターコムの感度レベルを設定します。感度は高、中、低から選べます。\n初期設定: 中",
    /* Korean   */ L"[VOX 감도]\nVOX 전화와 VOX 인터콤의 감도 레벨을 설정합니다. 감도는 높음, 보통, 낮음으로 설정할 수 있습니다.\n기본 설정: 보통",
    /* Spanish  */ L"[Sensibilidad VOX]\nEsta función determina el nivel de sensibilidad del teléfono VOX y del intercomunicador VOX. El nivel puede ajustarse en Alta, Media o Baja.\nAjuste predeterminado: Media",
    /* Dutch    */ L"[VOX-gevoeligheid]\nDeze functie bepaalt het gevoeligheidsniveau voor VOX-telefoon en VOX-intercom. De gevoeligheid kan op Hoog, Gemiddeld of Laag worden ingesteld.\nStandaardinstelling: Gemiddeld",
    /* Russian  */ L"[Чувствительность VOX]\nЭта функция определяет уровень чувствительности VOX телефона и VOX интеркома. Можно выбрать высокий, средний или низкий уровень.\nПо умолчанию: средний",
    /* Chinese  */ L"[VOX 灵敏度]\n此功能决定 VOX 电话和 VOX 对讲的灵敏度级别。灵敏度可设置为高、中或低。\n默认设置: 中",
    /* Finnish  */ L"[VOX-herkkyys]\nTämä toiminto määrää VOX-puhelimen ja VOX-sisäpuhelimen herkkyystason. Herkkyydeksi voi valita Korkea, Keskisuuri tai Matala.\nOletusasetus: Keskisuuri",
    /* Czech    */ L"[Citlivost VOX]\nTato funkce určuje úroveň citlivosti pro VOX telefon a VOX interkom. Citlivost lze nastavit na Vysoká, Střední nebo Nízká.\nVýchozí nastavení: Střední",
    /* Polish   */ L"[Czułość VOX]\nTa funkcja określa poziom czułości dla funkcji Telefon VOX i Interkom VOX. Czułość można ustawić na Wysokie, Średnie lub Niskie.\nUstawienie domyślne: Średnie",
};

HelpRows g_voxPhone = {
    /* English  */ L"[VOX Phone]\nIf this feature is enabled, you can answer incoming phone call by saying a word loudly enough.",
    /* French   */ L"[Téléphone VOX]\nSi cette fonction est activée, vous pouvez répondre à un appel entrant en prononçant un mot suffisamment fort.",
    /* German   */ L"[VOX-Telefon]\nIst diese Funktion aktiviert, können Sie einen eingehenden Anruf annehmen, indem Sie laut genug ein Wort sagen.",
    /* Italian  */ L"[Telefono VOX]\nSe questa funzione è attivata, è possibile rispondere a una chiamata in arrivo pronunciando una parola a voce abbastanza alta.",
    /* Japanese */ L"[VOX電話]\nこの機能を有効にすると、十分な大きさの声で何か言うだけで着信に応答できます。",
    /* Korean   */ L"[VOX 전화]\n이 기능을 활성화하면 충분히 큰 소리로 말하여 걸려 오는 전화를 받을 수 있습니다.",
    /* Spanish  */ L"[Teléfono VOX]\nSi esta función está activada, puede contestar una llamada entrante diciendo una palabra en voz suficientemente alta.",
    /* Dutch    */ L"[VOX-telefoon]\nAls deze functie is ingeschakeld, kunt u een inkomend gesprek aannemen door luid genoeg een woord te zeggen.",
    /* Russian  */ L"[VOX телефон]\nЕсли эта функция включена, можно ответить на входящий вызов, громко произнеся любое слово.",
    /* Chinese  */ L"[VOX 电话]\n启用此功能后,只需大声说出一个词即可接听来电。",
    /* Finnish  */ L"[VOX-puhelin]\nKun tämä toiminto on käytössä, voit vastata saapuvaan puheluun sanomalla jonkin sanan riittävän kovaa.",
    /* Czech    */ L"[VOX telefon]\nKdyž je tato funkce zapnutá, můžete příchozí hovor přijmout tím, že dostatečně nahlas řeknete nějaké slovo.",
    /* Polish   */ L"[Telefon VOX]\nGdy ta funkcja jest włączona, możesz odebrać połączenie przychodzące, wypowiadając dostatecznie głośno dowolne słowo.",
};

HelpRows g_hdIntercom = {
    /* English  */ L"[HD Intercom]\n%s converts two-way intercom audio quality from normal to HD.",
    /* French   */ L"[Interphone HD]\n%s fait passer la qualité audio de l'interphone bidirectionnel de normale à HD.",
    /* German   */ L"[HD-Intercom]\n%s hebt die Audioqualität der Zwei-Wege-Intercom von normal auf HD.",
    /* Italian  */ L"[Interfono HD]\n%s porta la qualità audio dell'interfono bidirezionale da normale a HD.",
    /* Japanese */ L"[HDインターコム]\n%sは双方向インターコムの音質を通常からHDに切り替えます。",
    /* Korean   */ L"[HD 인터콤]\n%s은(는) 양방향 인터콤 음질을 일반에서 HD로 바꿉니다.",
    /* Spanish  */ L"[Intercomunicador HD]\n%s convierte la calidad de audio del intercomunicador bidireccional de normal a HD.",
    /* Dutch    */ L"[HD-intercom]\n%s verhoogt de geluidskwaliteit van tweerichtingsintercom van normaal naar HD.",
    /* Russian  */ L"[HD интерком]\n%s повышает качество звука двустороннего интеркома с обычного до HD.",
    /* Chinese  */ L"[高清对讲]\n%s 将双向对讲音质从普通提升到高清。",
    /* Finnish  */ L"[HD-sisäpuhelin]\n%s muuttaa kaksisuuntaisen sisäpuhelimen äänenlaadun normaalista HD-laatuun.",
    /* Czech    */ L"[HD interkom]\n%s převádí kvalitu zvuku obousměrného interkomu z normální na HD.",
    /* Polish   */ L"[Interkom HD]\n%s zmienia jakość dźwięku dwukierunkowego interkomu z normalnej na HD.",
};

HelpRows g_eightWayIntercom = {
    /* English  */ L"[Eight-way Intercom]\nIf %s is disabled, the default settings are optimized for four-way intercom transmission. When %s is enabled, the intercom settings are enhanced.",
    /* French   */ L"[Interphone à huit]\nSi %s est désactivé, les réglages par défaut sont optimisés pour une transmission d'interphone à quatre. Lorsque %s est activé, les réglages de l'interphone sont étendus.",
    /* German   */ L"[Acht-Wege-Intercom]\nIst %s deaktiviert, sind die Standardeinstellungen für Vier-Wege-Intercom optimiert. Ist %s aktiviert, werden die Intercom-Einstellungen erweitert.",
    /* Italian  */ L"[Interfono a otto vie]\nSe %s è disattivato, le impostazioni predefinite sono ottimizzate per la trasmissione interfono a quattro vie. Quando %s è attivato, le impostazioni dell'interfono vengono potenziate.",
    /* Japanese */ L"[8者間インターコム]\n%sが無効のときは、初期設定は4者間インターコム通信に最適化されています。%sを有効にすると、インターコムの設定が強化されます。",
    /* Korean   */ L"[8자 인터콤]\n%s이(가) 비활성화되어 있으면 기본 설정은 4자 인터콤 전송에 최적화되어 있습니다. %s을(를) 활성화하면 인터콤 설정이 강화됩니다.",
    /* Spanish  */ L"[Intercomunicador de ocho vías]\nSi %s está desactivado, los ajustes predeterminados están optimizados para la transmisión de intercomunicador de cuatro vías. Cuando %s está activado, los ajustes del intercomunicador se amplían.",
    /* Dutch    */ L"[Achtvoudige intercom]\nAls %s is uitgeschakeld, zijn de standaardinstellingen geoptimaliseerd voor viervoudige intercomverbindingen. Als %s is ingeschakeld, worden de intercominstellingen uitgebreid.",
    /* Russian  */ L"[Интерком на восемь абонентов]\nЕсли %s отключён, настройки по умолчанию оптимизированы для связи четырёх абонентов. Когда %s включён, настройки интеркома расширяются.",
    /* Chinese  */ L"[八方对讲]\n禁用 %s 时,默认设置针对四方对讲传输进行了优化。启用 %s 后,对讲设置将得到增强。",
    /* Finnish  */ L"[Kahdeksan hengen sisäpuhelin]\nKun %s on pois käytöstä, oletusasetukset on optimoitu neljän hengen sisäpuhelinyhteydelle. Kun %s on käytössä, sisäpuhelinasetukset ovat tehostetut.",
    /* Czech    */ L"[Osmicestný interkom]\nKdyž je %s vypnutý, výchozí nastavení je optimalizováno pro čtyřcestný přenos interkomu. Když je %s zapnutý, nastavení interkomu je rozšířené.",
    /* Polish   */ L"[Interkom ośmioosobowy]\nGdy %s jest wyłączony, ustawienia domyślne są zoptymalizowane do transmisji interkomu czterech osób. Gdy %s jest włączony, ustawienia interkomu są rozszerzone.",
};

HelpRows g_voicePrompt = {
    /* English  */ L"[Voice Prompt]\nEnable or Disable voice prompts.",
    /* French   */ L"[Messages vocaux]\nActive ou désactive les messages vocaux.",
    /* German   */ L"[Sprachansagen]\nSprachansagen aktivieren oder deaktivieren.",
    /* Italian  */ L"[Messaggi vocali]\nAttiva o disattiva i messaggi vocali.",
    /* Japanese */ L"[音声プロンプト]\n音声プロンプトを有効または無効にします。",
    /* Korean   */ L"[음성 안내]\n음성 안내를 활성화하거나 비활성화합니다.",
    /* Spanish  */ L"[Indicaciones de voz]\nActiva o desactiva las indicaciones de voz.",
    /* Dutch    */ L"[Gesproken berichten]\nGesproken berichten in- of uitschakelen.",
    /* Russian  */ L"[Голосовые подсказки]\nВключение или отключение голосовых подсказок.",
    /* Chinese  */ L"[语音提示]\n启用或禁用语音提示。",
    /* Finnish  */ L"[Äänikehotteet]\nOta äänikehotteet käyttöön tai poista ne käytöstä.",
    /* Czech    */ L"[Hlasové výzvy]\nZapnutí nebo vypnutí hlasových výzev.",
    /* Polish   */ L"[Komunikaty głosowe]\nWłączanie lub wyłączanie komunikatów głosowych.",
};

HelpRows g_voxIntercom = {
    /* English  */ L"[VOX Intercom]\nIf %s is enabled, you can initiate an intercom conversation with the last connected intercom by voice. When you want to start intercom, say a word such as \"Hello\" loudly or blow air into the microphone. If %s is disabled, you can start an intercom conversation only by tapping the Jog Dial.",
    /* French   */ L"[Interphone VOX]\nSi %s est activé, vous pouvez lancer par la voix une conversation avec le dernier interphone connecté. Pour démarrer l'interphone, dites un mot comme « Bonjour » à voix haute ou soufflez dans le microphone. Si %s est désactivé, vous ne pouvez démarrer une conversation par interphone qu'en touchant la molette.",
    /* German   */ L"[VOX-Intercom]\nIst %s aktiviert, können Sie per Stimme ein Intercom-Gespräch mit der zuletzt verbundenen Intercom beginnen. Sagen Sie dazu laut ein Wort wie „Hallo“ oder pusten Sie ins Mikrofon. Ist %s deaktiviert, starten Sie ein Intercom-Gespräch nur durch Tippen auf das Jog Dial.",
    /* Italian  */ L"[Interfono VOX]\nSe %s è attivato, è possibile avviare con la voce una conversazione con l'ultimo interfono collegato. Per avviare l'interfono, pronunciare ad alta voce una parola come \"Ciao\" o soffiare nel microfono. Se %s è disattivato, la conversazione interfono si avvia solo toccando la rotella Jog Dial.",
    /* Japanese */ L"[VOXインターコム]\n%sが有効な場合、最後に接続したインターコムと声で通話を始められます。インターコムを始めるには、「ハロー」などの言葉を大きな声で言うか、マイクに息を吹きかけます。%sが無効な場合は、ジョグダイヤルをタップしたときだけインターコム通話を始められます。",
    /* Korean   */ L"[VOX 인터콤]\n%s이(가) 활성화되어 있으면 마지막으로 연결된 인터콤과 음성으로 인터콤 대화를 시작할 수 있습니다. 인터콤을 시작하려면 \"안녕하세요\"와 같은 말을 크게 하거나 마이크에 바람을 불어 넣으십시오. %s이(가) 비활성화되어 있으면 조그 다이얼을 두드려야만 인터콤 대화를 시작할 수 있습니다.",
    /* Spanish  */ L"[Intercomunicador VOX]\nSi %s está activado, puede iniciar por voz una conversación con el último intercomunicador conectado. Para iniciar el intercomunicador, diga en voz alta una palabra como \"Hola\" o sople en el micrófono. Si %s está desactivado, solo puede iniciar una conversación tocando el Jog Dial.",
    /* Dutch    */ L"[VOX-intercom]\nAls %s is ingeschakeld, kunt u met uw stem een intercomgesprek beginnen met de laatst verbonden intercom. Zeg daarvoor luid een woord als \"Hallo\" of blaas in de microfoon. Als %s is uitgeschakeld, start u een intercomgesprek alleen door op de Jog Dial te tikken.",
    /* Russian  */ L"[VOX интерком]\nЕсли %s включён, можно голосом начать разговор с последним подключённым интеркомом. Чтобы начать, громко скажите слово, например «Привет», или подуйте в микрофон. Если %s отключён, начать разговор по интеркому можно только касанием Jog Dial.",
    /* Chinese  */ L"[VOX 对讲]\n启用 %s 后,您可以通过语音与最后连接的对讲设备开始对讲通话。要开始对讲,请大声说出“你好”之类的词,或向麦克风吹气。禁用 %s 时,只能通过轻触 Jog Dial 开始对讲通话。",
    /* Finnish  */ L"[VOX-sisäpuhelin]\nKun %s on käytössä, voit aloittaa sisäpuhelinkeskustelun viimeksi yhdistetyn sisäpuhelimen kanssa äänelläsi. Sano kovaa jokin sana, kuten \"Hei\", tai puhalla mikrofoniin. Kun %s on pois käytöstä, voit aloittaa keskustelun vain napauttamalla Jog Dialia.",
    /* Czech    */ L"[VOX interkom]\nKdyž je %s zapnutý, můžete hlasem zahájit hovor s naposledy připojeným interkomem. Pro zahájení nahlas řekněte slovo, například „Ahoj“, nebo foukněte do mikrofonu. Když je %s vypnutý, hovor přes interkom zahájíte jen klepnutím na Jog Dial.",
    /* Polish   */ L"[Interkom VOX]\nGdy %s jest włączony, możesz głosem rozpocząć rozmowę z ostatnio połączonym interkomem. Aby ją rozpocząć, powiedz głośno słowo, np. „Cześć”, lub dmuchnij w mikrofon. Gdy %s jest wyłączony, rozmowę przez interkom rozpoczniesz tylko stuknięciem w Jog Dial.",
};

HelpRows g_smartVolumeControl = {
    /* English  */ L"[Smart Volume Control]\nWhen Smart Volume Control is enabled, music and FM radio volumes are controlled automatically based on the level of the environmental noise.",
    /* French   */ L"[Contrôle intelligent du volume]\nLorsque le contrôle intelligent du volume est activé, le volume de la musique et de la radio FM s'adapte automatiquement au bruit ambiant.",
    /* German   */ L"[Intelligente Lautstärkeregelung]\nIst die intelligente Lautstärkeregelung aktiviert, werden die Lautstärken von Musik und UKW-Radio automatisch an den Umgebungslärm angepasst.",
    /* Italian  */ L"[Controllo volume intelligente]\nQuando il controllo volume intelligente è attivato, il volume di musica e radio FM viene regolato automaticamente in base al rumore ambientale.",
    /* Japanese */ L"[スマートボリュームコントロール]\nスマートボリュームコントロールを有効にすると、周囲の騒音レベルに応じて音楽とFMラジオの音量が自動的に調整されます。",
    /* Korean   */ L"[스마트 볼륨 조절]\n스마트 볼륨 조절을 활성화하면 주변 소음 수준에 따라 음악과 FM 라디오 음량이 자동으로 조절됩니다.",
    /* Spanish  */ L"[Control inteligente del volumen]\nCuando el control inteligente del volumen está activado, el volumen de la música y la radio FM se ajusta automáticamente según el ruido ambiental.",
    /* Dutch    */ L"[Slimme volumeregeling]\nAls de slimme volumeregeling is ingeschakeld, wordt het volume van muziek en FM-radio automatisch aangepast aan het omgevingsgeluid.",
    /* Russian  */ L"[Умная регулировка громкости]\nКогда умная регулировка громкости включена, громкость музыки и FM-радио автоматически подстраивается под уровень окружающего шума.",
    /* Chinese  */ L"[智能音量控制]\n启用智能音量控制后,音乐和 FM 收音机的音量会根据环境噪音水平自动调节。",
    /* Finnish  */ L"[Älykäs äänenvoimakkuuden säätö]\nKun älykäs äänenvoimakkuuden säätö on käytössä, musiikin ja FM-radion äänenvoimakkuus säätyy automaattisesti ympäristön melun mukaan.",
    /* Czech    */ L"[Chytré řízení hlasitosti]\nKdyž je chytré řízení hlasitosti zapnuté, hlasitost hudby a rádia FM se automaticky řídí podle úrovně okolního hluku.",
    /* Polish   */ L"[Inteligentna regulacja głośności]\nGdy inteligentna regulacja głośności jest włączona, głośność muzyki i radia FM dostosowuje się automatycznie do poziomu hałasu otoczenia.",
};

HelpRows g_fmStationGuide = {
    /* English  */ L"[FM Station Guide]\nWhen FM Station Guide is enabled, FM station frequencies are given by voice prompts. When disabled, FM station frequencies are not given except during scanning.",
    /* French   */ L"[Guide des stations FM]\nLorsque le guide des stations FM est activé, les fréquences des stations FM sont annoncées par messages vocaux. Lorsqu'il est désactivé, elles ne sont annoncées que pendant la recherche.",
    /* German   */ L"[UKW-Senderansage]\nIst die UKW-Senderansage aktiviert, werden die Senderfrequenzen per Sprachansage genannt. Ist sie deaktiviert, werden sie nur beim Sendersuchlauf genannt.",
    /* Italian  */ L"[Guida stazioni FM]\nQuando la guida stazioni FM è attivata, le frequenze delle stazioni FM vengono annunciate dai messaggi vocali. Quando è disattivata, vengono annunciate solo durante la ricerca.",
    /* Japanese */ L"[FM局ガイド]\nFM局ガイドを有効にすると、FM局の周波数が音声プロンプトで案内されます。無効にすると、スキャン中以外は周波数は案内されません。",
    /* Korean   */ L"[FM 방송국 안내]\nFM 방송국 안내를 활성화하면 FM 방송국 주파수를 음성 안내로 알려 줍니다. 비활성화하면 검색 중을 제외하고는 주파수를 알려 주지 않습니다.",
    /* Spanish  */ L"[Guía de emisoras FM]\nCuando la guía de emisoras FM está activada, las frecuencias de las emisoras FM se anuncian mediante indicaciones de voz. Cuando está desactivada, solo se anuncian durante la búsqueda.",
    /* Dutch    */ L"[FM-zendergids]\nAls de FM-zendergids is ingeschakeld, worden de frequenties van FM-zenders gesproken gemeld. Als hij is uitgeschakeld, worden ze alleen tijdens het zoeken gemeld.",
    /* Russian  */ L"[Гид FM-станций]\nКогда гид FM-станций включён, частоты FM-станций объявляются голосовыми подсказками. Когда он отключён, частоты объявляются только во время поиска.",
    /* Chinese  */ L"[FM 电台指南]\n启用 FM 电台指南后,会通过语音提示播报 FM 电台频率。禁用时,除搜索期间外不播报 FM 电台频率。",
    /* Finnish  */ L"[FM-asemaopas]\nKun FM-asemaopas on käytössä, FM-asemien taajuudet kerrotaan äänikehotteilla. Kun se on pois käytöstä, taajuuksia ei kerrota muulloin kuin haun aikana.",
    /* Czech    */ L"[Průvodce stanicemi FM]\nKdyž je průvodce stanicemi FM zapnutý, frekvence stanic FM se oznamují hlasovými výzvami. Když je vypnutý, oznamují se jen během vyhledávání.",
    /* Polish   */ L"[Przewodnik stacji FM]\nGdy przewodnik stacji FM jest włączony, częstotliwości stacji FM są podawane komunikatami głosowymi. Gdy jest wyłączony, są podawane tylko podczas wyszukiwania.",
};

HelpRows g_hdVoice = {
    /* English  */ L"[HD Voice]\nHD Voice converts Hands-Free audio quality from normal to HD.",
    /* French   */ L"[Voix HD]\nLa voix HD fait passer la qualité audio du mode mains libres de normale à HD.",
    /* German   */ L"[HD Voice]\nHD Voice hebt die Audioqualität beim Freisprechen von normal auf HD.",
    /* Italian  */ L"[Voce HD]\nVoce HD porta la qualità audio del vivavoce da normale a HD.",
    /* Japanese */ L"[HDボイス]\nHDボイスはハンズフリー通話の音質を通常からHDに切り替えます。",
    /* Korean   */ L"[HD 보이스]\nHD 보이스는 핸즈프리 음질을 일반에서 HD로 바꿉니다.",
    /* Spanish  */ L"[Voz HD]\nVoz HD convierte la calidad de audio del manos libres de normal a HD.",
    /* Dutch    */ L"[HD-spraak]\nHD-spraak verhoogt de geluidskwaliteit van handsfree bellen van normaal naar HD.",
    /* Russian  */ L"[HD голос]\nHD голос повышает качество звука громкой связи с обычного до HD.",
    /* Chinese  */ L"[高清语音]\n高清语音将免提通话音质从普通提升到高清。",
    /* Finnish  */ L"[HD-ääni]\nHD-ääni muuttaa handsfree-äänen laadun normaalista HD-laatuun.",
    /* Czech    */ L"[HD hlas]\nHD hlas převádí kvalitu zvuku handsfree z normální na HD.",
    /* Polish   */ L"[Głos HD]\nGłos HD zmienia jakość dźwięku w trybie głośnomówiącym z normalnej na HD.",
};

HelpRows g_audioSourcePriority = {
    /* English  */ L"[Audio Source Priority]\nAudio Source Priority enables you to select either intercom or music as a priority. If intercom is selected as the audio source priority, music will be muted during an intercom conversation. If music is selected as the audio source priority, you cannot have an intercom conversation while playing music.",
    /* French   */ L"[Priorité de la source audio]\nLa priorité de la source audio vous permet de donner la priorité à l'interphone ou à la musique. Si l'interphone est prioritaire, la musique est coupée pendant une conversation par interphone. Si la musique est prioritaire, vous ne pouvez pas avoir de conversation par interphone pendant la lecture de musique.",
    /* German   */ L"[Audioquellen-Priorität]\nMit der Audioquellen-Priorität wählen Sie, ob Intercom oder Musik Vorrang hat. Hat Intercom Vorrang, wird die Musik während eines Intercom-Gesprächs stummgeschaltet. Hat Musik Vorrang, können Sie während der Musikwiedergabe kein Intercom-Gespräch führen.",
    /* Italian  */ L"[Priorità sorgente audio]\nLa priorità della sorgente audio consente di dare la precedenza all'interfono o alla musica. Se la priorità è all'interfono, la musica viene silenziata durante una conversazione interfono. Se la priorità è alla musica, non è possibile avere una conversazione interfono durante la riproduzione della musica.",
    /* Japanese */ L"[オーディオソース優先度]\nオーディオソース優先度では、インターコムと音楽のどちらを優先するかを選べます。インターコムを優先すると、インターコム通話中は音楽が消音されます。音楽を優先すると、音楽再生中はインターコム通話ができません。",
    /* Korean   */ L"[오디오 소스 우선순위]\n오디오 소스 우선순위에서 인터콤과 음악 중 무엇을 우선할지 선택할 수 있습니다. 인터콤을 우선으로 선택하면 인터콤 대화 중에는 음악이 음소거됩니다. 음악을 우선으로 선택하면 음악을 재생하는 동안에는 인터콤 대화를 할 수 없습니다.",
    /* Spanish  */ L"[Prioridad de la fuente de audio]\nLa prioridad de la fuente de audio le permite dar prioridad al intercomunicador o a la música. Si da prioridad al intercomunicador, la música se silencia durante una conversación por intercomunicador. Si da prioridad a la música, no podrá mantener una conversación por intercomunicador mientras suena música.",
    /* Dutch    */ L"[Prioriteit audiobron]\nMet de prioriteit van de audiobron kiest u of intercom of muziek voorrang krijgt. Krijgt intercom voorrang, dan wordt de muziek tijdens een intercomgesprek gedempt. Krijgt muziek voorrang, dan kunt u tijdens het afspelen van muziek geen intercomgesprek voeren.",
    /* Russian  */ L"[Приоритет источника звука]\nПриоритет источника звука позволяет выбрать, что важнее: интерком или музыка. Если приоритет у интеркома, во время разговора по интеркому музыка отключается. Если приоритет у музыки, во время её воспроизведения разговаривать по интеркому нельзя.",
    /* Chinese  */ L"[音频源优先级]\n音频源优先级让您可以选择对讲或音乐优先。如果选择对讲优先,对讲通话期间音乐会静音。如果选择音乐优先,播放音乐时无法进行对讲通话。",
    /* Finnish  */ L"[Äänilähteen prioriteetti]\nÄänilähteen prioriteetilla voit valita, onko etusijalla sisäpuhelin vai musiikki. Jos sisäpuhelin on etusijalla, musiikki vaimennetaan sisäpuhelinkeskustelun ajaksi. Jos musiikki on etusijalla, sisäpuhelinkeskustelu ei ole mahdollinen musiikin soidessa.",
    /* Czech    */ L"[Priorita zdroje zvuku]\nPriorita zdroje zvuku umožňuje zvolit, zda má přednost interkom, nebo hudba. Má-li přednost interkom, hudba se během hovoru přes interkom ztlumí. Má-li přednost hudba, nemůžete během přehrávání hudby vést hovor přes interkom.",
    /* Polish   */ L"[Priorytet źródła dźwięku]\nPriorytet źródła dźwięku pozwala wybrać, czy pierwszeństwo ma interkom, czy muzyka. Jeśli pierwszeństwo ma interkom, muzyka jest wyciszana podczas rozmowy przez interkom. Jeśli pierwszeństwo ma muzyka, podczas jej odtwarzania nie można prowadzić rozmowy przez interkom.",
};

HelpRows g_dualstreamFull = {
    /* English  */ L"[Dualstream™]\nDualstream™ enables you to have an intercom conversation and listen to music, the FM radio and GPS directions without interruption. It also allows you to hear GPS directions while listening to music or the FM radio without interruption. If it is disabled, GPS directions will interrupt the intercom, music and the FM radio and talking over the intercom will interrupt music and the FM radio.",
    /* French   */ L"[Dualstream™]\nDualstream™ vous permet de converser par interphone et d'écouter sans interruption la musique, la radio FM et les indications GPS. Il vous permet aussi d'entendre les indications GPS en écoutant la musique ou la radio FM sans interruption. S'il est désactivé, les indications GPS interrompent l'interphone, la musique et la radio FM, et parler dans l'interphone interrompt la musique et la radio FM.",
    /* German   */ L"[Dualstream™]\nMit Dualstream™ können Sie ein Intercom-Gespräch führen und ohne Unterbrechung Musik, UKW-Radio und GPS-Ansagen hören. Außerdem hören Sie GPS-Ansagen, ohne dass Musik oder UKW-Radio unterbrochen werden. Ist die Funktion deaktiviert, unterbrechen GPS-Ansagen Intercom, Musik und UKW-Radio, und Sprechen über die Intercom unterbricht Musik und UKW-Radio.",
    /* Italian  */ L"[Dualstream™]\nDualstream™ consente di avere una conversazione interfono e ascoltare senza interruzioni musica, radio FM e indicazioni GPS. Consente inoltre di sentire le indicazioni GPS mentre si ascoltano musica o radio FM senza interruzioni. Se è disattivato, le indicazioni GPS interrompono interfono, musica e radio FM, e parlare all'interfono interrompe musica e radio FM.",
    /* Japanese */ L"[Dualstream™]\nDualstream™を使うと、インターコム通話をしながら音楽、FMラジオ、GPSの案内を途切れることなく聞くことができます。また、音楽やFMラジオを聞きながら途切れることなくGPSの案内を聞くこともできます。無効にすると、GPSの案内がインターコム、音楽、FMラジオを中断し、インターコムで話すと音楽とFMラジオが中断されます。",
    /* Korean   */ L"[Dualstream™]\nDualstream™을 사용하면 인터콤 대화를 하면서 음악, FM 라디오, GPS 안내를 끊김 없이 들을 수 있습니다. 또한 음악이나 FM 라디오를 들으면서 GPS 안내를 끊김 없이 들을 수 있습니다. 비활성화하면 GPS 안내가 인터콤, 음악, FM 라디오를 중단시키고 인터콤으로 말하면 음악과 FM 라디오가 중단됩니다.",
    /* Spanish  */ L"[Dualstream™]\nDualstream™ le permite mantener una conversación por intercomunicador y escuchar música, la radio FM y las indicaciones GPS sin interrupciones. También le permite oír las indicaciones GPS mientras escucha música o la radio FM sin interrupciones. Si está desactivado, las indicaciones GPS interrumpirán el intercomunicador, la música y la radio FM, y hablar por el intercomunicador interrumpirá la música y la radio FM.",
    /* Dutch    */ L"[Dualstream™]\nMet Dualstream™ kunt u een intercomgesprek voeren en zonder onderbreking naar muziek, FM-radio en gps-aanwijzingen luisteren. Ook hoort u gps-aanwijzingen zonder dat muziek of FM-radio wordt onderbroken. Als het is uitgeschakeld, onderbreken gps-aanwijzingen de intercom, muziek en FM-radio, en onderbreekt praten via de intercom muziek en FM-radio.",
    /* Russian  */ L"[Dualstream™]\nDualstream™ позволяет разговаривать по интеркому и без перерывов слушать музыку, FM-радио и указания GPS. Также можно слышать указания GPS, не прерывая музыку или FM-радио. Если функция отключена, указания GPS прерывают интерком, музыку и FM-радио, а разговор по интеркому прерывает музыку и FM-радио.",
    /* Chinese  */ L"[Dualstream™]\nDualstream™ 让您可以在对讲通话的同时不间断地收听音乐、FM 收音机和 GPS 导航。它还可以让您在收听音乐或 FM 收音机时不间断地听到 GPS 导航。禁用后,GPS 导航会中断对讲、音乐和 FM 收音机,通过对讲说话会中断音乐和 FM 收音机。",
    /* Finnish  */ L"[Dualstream™]\nDualstream™ mahdollistaa sisäpuhelinkeskustelun ja musiikin, FM-radion ja GPS-ohjeiden kuuntelun keskeytyksettä. Voit myös kuulla GPS-ohjeet musiikkia tai FM-radiota kuunnellessasi ilman keskeytyksiä. Jos toiminto on pois käytöstä, GPS-ohjeet keskeyttävät sisäpuhelimen, musiikin ja FM-radion, ja sisäpuhelimeen puhuminen keskeyttää musiikin ja FM-radion.",
    /* Czech    */ L"[Dualstream™]\nDualstream™ vám umožňuje vést hovor přes interkom a bez přerušení poslouchat hudbu, rádio FM a pokyny GPS. Pokyny GPS také uslyšíte při poslechu hudby nebo rádia FM bez přerušení. Pokud je vypnutý, pokyny GPS přeruší interkom, hudbu i rádio FM a mluvení do interkomu přeruší hudbu a rádio FM.",
    /* Polish   */ L"[Dualstream™]\nDualstream™ pozwala prowadzić rozmowę przez interkom i bez przerw słuchać muzyki, radia FM oraz wskazówek GPS. Pozwala też słyszeć wskazówki GPS podczas słuchania muzyki lub radia FM bez przerw. Gdy jest wyłączony, wskazówki GPS przerywają interkom, muzykę i radio FM, a mówienie przez interkom przerywa muzykę i radio FM.",
};

HelpRows g_layertone = {
    /* English  */ L"[Layertone™]\nLayertone™ enables you to have an intercom conversation and listen to music, the FM radio and GPS directions without interruption. It also allows you to hear GPS directions while listening to music or the FM radio without interruption. If it is disabled, GPS directions will interrupt the intercom, music and the FM radio and talking over the intercom will interrupt music and the FM radio.",
    /* French   */ L"[Layertone™]\nLayertone™ vous permet de converser par interphone et d'écouter sans interruption la musique, la radio FM et les indications GPS. Il vous permet aussi d'entendre les indications GPS en écoutant la musique ou la radio FM sans interruption. S'il est désactivé, les indications GPS interrompent l'interphone, la musique et la radio FM, et parler dans l'interphone interrompt la musique et la radio FM.",
    /* German   */ L"[Layertone™]\nMit Layertone™ können Sie ein Intercom-Gespräch führen und ohne Unterbrechung Musik, UKW-Radio und GPS-Ansagen hören. Außerdem hören Sie GPS-Ansagen, ohne dass Musik oder UKW-Radio unterbrochen werden. Ist die Funktion deaktiviert, unterbrechen GPS-Ansagen Intercom, Musik und UKW-Radio, und Sprechen über die Intercom unterbricht Musik und UKW-Radio.",
    /* Italian  */ L"[Layertone™]\nLayertone™ consente di avere una conversazione interfono e ascoltare senza interruzioni musica, radio FM e indicazioni GPS. Consente inoltre di sentire le indicazioni GPS mentre si ascoltano musica o radio FM senza interruzioni. Se è disattivato, le indicazioni GPS interrompono interfono, musica e radio FM, e parlare all'interfono interrompe musica e radio FM.",
    /* Japanese */ L"[Layertone™]\nLayertone™を使うと、インターコム通話をしながら音楽、FMラジオ、GPSの案内を途切れることなく聞くことができます。また、音楽やFMラジオを聞きながら途切れることなくGPSの案内を聞くこともできます。無効にすると、GPSの案内がインターコム、音楽、FMラジオを中断し、インターコムで話すと音楽とFMラジオが中断されます。",
    /* Korean   */ L"[Layertone™]\nLayertone™을 사용하면 인터콤 대화를 하면서 음악, FM 라디오, GPS 안내를 끊김 없이 들을 수 있습니다. 또한 음악이나 FM 라디오를 들으면서 GPS 안내를 끊김 없이 들을 수 있습니다. 비활성화하면 GPS 안내가 인터콤, 음악, FM 라디오를 중단시키고 인터콤으로 말하면 음악과 FM 라디오가 중단됩니다.",
    /* Spanish  */ L"[Layertone™]\nLayertone™ le permite mantener una conversación por intercomunicador y escuchar música, la radio FM y las indicaciones GPS sin interrupciones. También le permite oír las indicaciones GPS mientras escucha música o la radio FM sin interrupciones. Si está desactivado, las indicaciones GPS interrumpirán el intercomunicador, la música y la radio FM, y hablar por el intercomunicador interrumpirá la música y la radio FM.",
    /* Dutch    */ L"[Layertone™]\nMet Layertone™ kunt u een intercomgesprek voeren en zonder onderbreking naar muziek, FM-radio en gps-aanwijzingen luisteren. Ook hoort u gps-aanwijzingen zonder dat muziek of FM-radio wordt onderbroken. Als het is uitgeschakeld, onderbreken gps-aanwijzingen de intercom, muziek en FM-radio, en onderbreekt praten via de intercom muziek en FM-radio.",
    /* Russian  */ L"[Layertone™]\nLayertone™ позволяет разговаривать по интеркому и без перерывов слушать музыку, FM-радио и указания GPS. Также можно слышать указания GPS, не прерывая музыку или FM-радио. Если функция отключена, указания GPS прерывают интерком, музыку и FM-радио, а разговор по интеркому прерывает музыку и FM-радио.",
    /* Chinese  */ L"[Layertone™]\nLayertone™ 让您可以在对讲通话的同时不间断地收听音乐、FM 收音机和 GPS 导航。它还可以让您在收听音乐或 FM 收音机时不间断地听到 GPS 导航。禁用后,GPS 导航会中断对讲、音乐和 FM 收音机,通过对讲说话会中断音乐和 FM 收音机。",
    /* Finnish  */ L"[Layertone™]\nLayertone™ mahdollistaa sisäpuhelinkeskustelun ja musiikin, FM-radion ja GPS-ohjeiden kuuntelun keskeytyksettä. Voit myös kuulla GPS-ohjeet musiikkia tai FM-radiota kuunnellessasi ilman keskeytyksiä. Jos toiminto on pois käytöstä, GPS-ohjeet keskeyttävät sisäpuhelimen, musiikin ja FM-radion, ja sisäpuhelimeen puhuminen keskeyttää musiikin ja FM-radion.",
    /* Czech    */ L"[Layertone™]\nLayertone™ vám umožňuje vést hovor přes interkom a bez přerušení poslouchat hudbu, rádio FM a pokyny GPS. Pokyny GPS také uslyšíte při poslechu hudby nebo rádia FM bez přerušení. Pokud je vypnutý, pokyny GPS přeruší interkom, hudbu i rádio FM a mluvení do interkomu přeruší hudbu a rádio FM.",
    /* Polish   */ L"[Layertone™]\nLayertone™ pozwala prowadzić rozmowę przez interkom i bez przerw słuchać muzyki, radia FM oraz wskazówek GPS. Pozwala też słyszeć wskazówki GPS podczas słuchania muzyki lub radia FM bez przerw. Gdy jest wyłączony, wskazówki GPS przerywają interkom, muzykę i radio FM, a mówienie przez interkom przerywa muzykę i radio FM.",
};

HelpRows g_layertoneMusicGps = {
    /* English  */ L"[Layertone™]\nLayertone™ enables you to listen to music and GPS directions without interruption. It also allows you to hear GPS directions while listening to music without interruption. If it is disabled, GPS directions will interrupt the music.",
    /* French   */ L"[Layertone™]\nLayertone™ vous permet d'écouter la musique et les indications GPS sans interruption. Il vous permet aussi d'entendre les indications GPS en écoutant de la musique sans interruption. S'il est désactivé, les indications GPS interrompent la musique.",
    /* German   */ L"[Layertone™]\nMit Layertone™ hören Sie Musik und GPS-Ansagen ohne Unterbrechung. Außerdem hören Sie GPS-Ansagen, ohne dass die Musik unterbrochen wird. Ist die Funktion deaktiviert, unterbrechen GPS-Ansagen die Musik.",
    /* Italian  */ L"[Layertone™]\nLayertone™ consente di ascoltare musica e indicazioni GPS senza interruzioni. Consente inoltre di sentire le indicazioni GPS mentre si ascolta musica senza interruzioni. Se è disattivato, le indicazioni GPS interrompono la musica.",
    /* Japanese */ L"[Layertone™]\nLayertone™を使うと、音楽とGPSの案内を途切れることなく聞くことができます。また、音楽を聞きながら途切れることなくGPSの案内を聞くこともできます。無効にすると、GPSの案内が音楽を中断します。",
    /* Korean   */ L"[Layertone™]\nLayertone™을 사용하면 음악과 GPS 안내를 끊김 없이 들을 수 있습니다. 또한 음악을 들으면서 GPS 안내를 끊김 없이 들을 수 있습니다. 비활성화하면 GPS 안내가 음악을 중단시킵니다.",
    /* Spanish  */ L"[Layertone™]\nLayertone™ le permite escuchar música e indicaciones GPS sin interrupciones. También le permite oír las indicaciones GPS mientras escucha música sin interrupciones. Si está desactivado, las indicaciones GPS interrumpirán la música.",
    /* Dutch    */ L"[Layertone™]\nMet Layertone™ luistert u zonder onderbreking naar muziek en gps-aanwijzingen. Ook hoort u gps-aanwijzingen zonder dat de muziek wordt onderbroken. Als het is uitgeschakeld, onderbreken gps-aanwijzingen de muziek.",
    /* Russian  */ L"[Layertone™]\nLayertone™ позволяет без перерывов слушать музыку и указания GPS. Также можно слышать указания GPS, не прерывая музыку. Если функция отключена, указания GPS прерывают музыку.",
    /* Chinese  */ L"[Layertone™]\nLayertone™ 让您可以不间断地收听音乐和 GPS 导航。它还可以让您在听音乐时不间断地听到 GPS 导航。禁用后,GPS 导航会中断音乐。",
    /* Finnish  */ L"[Layertone™]\nLayertone™ mahdollistaa musiikin ja GPS-ohjeiden kuuntelun keskeytyksettä. Voit myös kuulla GPS-ohjeet musiikkia kuunnellessasi ilman keskeytyksiä. Jos toiminto on pois käytöstä, GPS-ohjeet keskeyttävät musiikin.",
    /* Czech    */ L"[Layertone™]\nLayertone™ vám umožňuje bez přerušení poslouchat hudbu a pokyny GPS. Pokyny GPS také uslyšíte při poslechu hudby bez přerušení. Pokud je vypnutý, pokyny GPS přeruší hudbu.",
    /* Polish   */ L"[Layertone™]\nLayertone™ pozwala bez przerw słuchać muzyki i wskazówek GPS. Pozwala też słyszeć wskazówki GPS podczas słuchania muzyki bez przerw. Gdy jest wyłączony, wskazówki GPS przerywają muzykę.",
};

HelpRows g_intercomDualstream = {
    /* English  */ L"[Bluetooth Intercom Dualstream™]\nDualstream™ allows you to have an intercom conversation while simultaneously listening to music, FM radio, or GPS smartphone app instructions. The overlaid audio is played in the background with reduced volume whenever there is an intercom conversation and will return to normal volume once the conversation is finished. ",
    /* French   */ L"[Dualstream™ interphone Bluetooth]\nDualstream™ vous permet de converser par interphone tout en écoutant de la musique, la radio FM ou les instructions de l'appli GPS du smartphone. L'audio superposé est lu en arrière-plan à volume réduit pendant chaque conversation par interphone et revient au volume normal à la fin de la conversation. ",
    /* German   */ L"[Bluetooth-Intercom-Dualstream™]\nMit Dualstream™ können Sie ein Intercom-Gespräch führen und gleichzeitig Musik, UKW-Radio oder die Ansagen der GPS-App des Smartphones hören. Das überlagerte Audio läuft während eines Intercom-Gesprächs leiser im Hintergrund und kehrt nach dem Gespräch zur normalen Lautstärke zurück. ",
    /* Italian  */ L"[Dualstream™ interfono Bluetooth]\nDualstream™ consente di avere una conversazione interfono ascoltando contemporaneamente musica, radio FM o istruzioni dell'app GPS dello smartphone. L'audio sovrapposto viene riprodotto in sottofondo a volume ridotto durante ogni conversazione interfono e torna al volume normale al termine della conversazione. ",
    /* Japanese */ L"[Bluetoothインターコム Dualstream™]\nDualstream™を使うと、音楽、FMラジオ、スマートフォンのGPSアプリの案内を聞きながら同時にインターコム通話ができます。インターコム通話中は重ねて再生している音声が小さな音量でバックグラウンド再生され、通話が終わると通常の音量に戻ります。",
    /* Korean   */ L"[블루투스 인터콤 Dualstream™]\nDualstream™을 사용하면 음악, FM 라디오 또는 스마트폰 GPS 앱 안내를 들으면서 동시에 인터콤 대화를 할 수 있습니다. 인터콤 대화 중에는 겹쳐진 오디오가 낮은 음량으로 배경에서 재생되며 대화가 끝나면 원래 음량으로 돌아갑니다. ",
    /* Spanish  */ L"[Dualstream™ de intercomunicador Bluetooth]\nDualstream™ le permite mantener una conversación por intercomunicador mientras escucha a la vez música, la radio FM o las instrucciones de la app GPS del smartphone. El audio superpuesto suena de fondo a volumen reducido durante cada conversación y vuelve al volumen normal cuando esta termina. ",
    /* Dutch    */ L"[Bluetooth-intercom Dualstream™]\nMet Dualstream™ kunt u een intercomgesprek voeren terwijl u tegelijk naar muziek, FM-radio of aanwijzingen van de gps-app van uw smartphone luistert. De overlappende audio speelt tijdens een intercomgesprek zachter op de achtergrond en keert na het gesprek terug naar normaal volume. ",
    /* Russian  */ L"[Bluetooth интерком Dualstream™]\nDualstream™ позволяет разговаривать по интеркому, одновременно слушая музыку, FM-радио или указания GPS-приложения смартфона. Во время разговора по интеркому наложенный звук воспроизводится в фоне с пониженной громкостью и возвращается к обычной громкости после окончания разговора. ",
    /* Chinese  */ L"[蓝牙对讲 Dualstream™]\nDualstream™ 让您可以在收听音乐、FM 收音机或智能手机 GPS 应用指示的同时进行对讲通话。对讲通话期间,叠加的音频会以较低音量在后台播放,通话结束后恢复正常音量。",
    /* Finnish  */ L"[Bluetooth-sisäpuhelimen Dualstream™]\nDualstream™ mahdollistaa sisäpuhelinkeskustelun samalla, kun kuuntelet musiikkia, FM-radiota tai älypuhelimen GPS-sovelluksen ohjeita. Päällekkäinen ääni soi sisäpuhelinkeskustelun aikana taustalla hiljaisemmalla äänellä ja palaa normaaliin voimakkuuteen keskustelun päätyttyä. ",
    /* Czech    */ L"[Dualstream™ interkomu Bluetooth]\nDualstream™ vám umožňuje vést hovor přes interkom a současně poslouchat hudbu, rádio FM nebo pokyny GPS aplikace smartphonu. Překrývaný zvuk hraje během hovoru přes interkom tišeji na pozadí a po skončení hovoru se vrátí na normální hlasitost. ",
    /* Polish   */ L"[Dualstream™ interkomu Bluetooth]\nDualstream™ pozwala prowadzić rozmowę przez interkom, jednocześnie słuchając muzyki, radia FM lub wskazówek aplikacji GPS smartfona. Nakładany dźwięk gra ciszej w tle podczas rozmowy przez interkom i wraca do normalnej głośności po jej zakończeniu. ",
};

// Japanese, Korean, Russian, Chinese and Finnish hold the English text; Czech and Polish have
// none.
#define ROUTECUE_ENGLISH L"[Routecue]\nIf Routecue is enabled, the audio Intercom or FM Radio is interrupted to allow the transmission of the smartphone's navigator directions and automatically starts again when the directions are finished."
HelpRows g_routecue = {
    /* English  */ ROUTECUE_ENGLISH,
    /* French   */ L"[Routecue]\nSi Routecue est activé, l'audio de l'interphone ou de la radio FM est interrompu pour laisser passer les indications du navigateur du smartphone, puis reprend automatiquement à la fin des indications.",
    /* German   */ L"[Routecue]\nIst Routecue aktiviert, wird der Ton von Intercom oder UKW-Radio unterbrochen, damit die Navigationsansagen des Smartphones durchkommen, und danach automatisch fortgesetzt.",
    /* Italian  */ L"[Routecue]\nSe Routecue è attivato, l'audio dell'interfono o della radio FM viene interrotto per trasmettere le indicazioni del navigatore dello smartphone e riprende automaticamente al termine delle indicazioni.",
    /* Japanese */ ROUTECUE_ENGLISH,
    /* Korean   */ ROUTECUE_ENGLISH,
    /* Spanish  */ L"[Routecue]\nSi Routecue está activado, el audio del intercomunicador o de la radio FM se interrumpe para transmitir las indicaciones del navegador del smartphone y se reanuda automáticamente cuando terminan.",
    /* Dutch    */ L"[Routecue]\nAls Routecue is ingeschakeld, wordt de audio van intercom of FM-radio onderbroken voor de aanwijzingen van de navigatie op de smartphone en daarna automatisch hervat.",
    /* Russian  */ ROUTECUE_ENGLISH,
    /* Chinese  */ ROUTECUE_ENGLISH,
    /* Finnish  */ ROUTECUE_ENGLISH,
    /* Czech    */ nullptr,
    /* Polish   */ nullptr,
};
#undef ROUTECUE_ENGLISH

HelpRows g_guestMode = {
    /* English  */ L"[Guest Mode]\nGuest Mode allows a guest to listen to a closed Weave conversation. The creator of the Weave needs to enable Guest Mode before creating the Weave to allow guests. Guest Mode can be enabled when the guest is in Public Mode and the Weave Network connection information has been removed. The guest needs to be within range of the Weave to listen to the closed Weave conversation.",
    /* French   */ L"[Mode invité]\nLe mode invité permet à un invité d'écouter une conversation Weave fermée. Le créateur du Weave doit activer le mode invité avant de créer le Weave pour accepter des invités. Le mode invité peut être activé lorsque l'invité est en mode public et que les informations de connexion au réseau Weave ont été supprimées. L'invité doit se trouver à portée du Weave pour écouter la conversation Weave fermée.",
    /* German   */ L"[Gastmodus]\nIm Gastmodus kann ein Gast ein geschlossenes Weave-Gespräch mithören. Der Ersteller des Weave muss den Gastmodus vor dem Erstellen des Weave aktivieren, um Gäste zuzulassen. Der Gastmodus lässt sich aktivieren, wenn der Gast im öffentlichen Modus ist und die Verbindungsdaten des Weave-Netzwerks gelöscht wurden. Der Gast muss in Reichweite des Weave sein, um das geschlossene Weave-Gespräch zu hören.",
    /* Italian  */ L"[Modalità ospite]\nLa modalità ospite consente a un ospite di ascoltare una conversazione Weave chiusa. Per accettare ospiti, il creatore del Weave deve attivare la modalità ospite prima di creare il Weave. La modalità ospite può essere attivata quando l'ospite è in modalità pubblica e le informazioni di connessione alla rete Weave sono state rimosse. Per ascoltare la conversazione Weave chiusa, l'ospite deve trovarsi nel raggio del Weave.",
    /* Japanese */ L"[ゲストモード]\nゲストモードでは、ゲストがクローズドのWeave通話を聞くことができます。ゲストを受け入れるには、Weaveの作成者がWeaveを作成する前にゲストモードを有効にする必要があります。ゲストモードは、ゲストがパブリックモードにあり、Weaveネットワークの接続情報が削除されているときに有効にできます。クローズドのWeave通話を聞くには、ゲストがWeaveの範囲内にいる必要があります。",
    /* Korean   */ L"[게스트 모드]\n게스트 모드에서는 게스트가 비공개 Weave 대화를 들을 수 있습니다. 게스트를 허용하려면 Weave 생성자가 Weave를 만들기 전에 게스트 모드를 활성화해야 합니다. 게스트 모드는 게스트가 공개 모드에 있고 Weave 네트워크 연결 정보가 삭제된 경우에 활성화할 수 있습니다. 비공개 Weave 대화를 들으려면 게스트가 Weave 범위 안에 있어야 합니다.",
    /* Spanish  */ L"[Modo invitado]\nEl modo invitado permite a un invitado escuchar una conversación Weave cerrada. Para admitir invitados, el creador del Weave debe activar el modo invitado antes de crear el Weave. El modo invitado puede activarse cuando el invitado está en modo público y se ha eliminado la información de conexión de la red Weave. El invitado debe estar dentro del alcance del Weave para escuchar la conversación Weave cerrada.",
    /* Dutch    */ L"[Gastmodus]\nMet de gastmodus kan een gast meeluisteren met een gesloten Weave-gesprek. Om gasten toe te laten, moet de maker van de Weave de gastmodus inschakelen voordat hij de Weave aanmaakt. De gastmodus kan worden ingeschakeld als de gast in de openbare modus staat en de verbindingsgegevens van het Weave-netwerk zijn verwijderd. De gast moet binnen bereik van de Weave zijn om het gesloten Weave-gesprek te horen.",
    /* Russian  */ L"[Гостевой режим]\nГостевой режим позволяет гостю слушать закрытый разговор Weave. Чтобы допускать гостей, создатель Weave должен включить гостевой режим до создания Weave. Гостевой режим можно включить, когда гость находится в публичном режиме и данные подключения к сети Weave удалены. Чтобы слушать закрытый разговор Weave, гость должен находиться в зоне действия Weave.",
    /* Chinese  */ L"[访客模式]\n访客模式允许访客收听封闭的 Weave 对话。Weave 的创建者需要在创建 Weave 之前启用访客模式才能允许访客加入。当访客处于公开模式且 Weave 网络连接信息已删除时,可以启用访客模式。访客需要在 Weave 的范围内才能收听封闭的 Weave 对话。",
    /* Finnish  */ L"[Vierastila]\nVierastilassa vieras voi kuunnella suljettua Weave-keskustelua. Jotta vieraat pääsevät mukaan, Weaven luojan on otettava vierastila käyttöön ennen Weaven luomista. Vierastilan voi ottaa käyttöön, kun vieras on julkisessa tilassa ja Weave-verkon yhteystiedot on poistettu. Vieraan on oltava Weaven kantaman sisällä kuullakseen suljetun Weave-keskustelun.",
    /* Czech    */ L"[Režim hosta]\nRežim hosta umožňuje hostovi poslouchat uzavřený hovor Weave. Aby mohli být přijati hosté, musí tvůrce Weave zapnout režim hosta před vytvořením Weave. Režim hosta lze zapnout, když je host ve veřejném režimu a informace o připojení k síti Weave byly odstraněny. Host musí být v dosahu Weave, aby mohl uzavřený hovor Weave poslouchat.",
    /* Polish   */ L"[Tryb gościa]\nTryb gościa pozwala gościowi słuchać zamkniętej rozmowy Weave. Aby dopuścić gości, twórca Weave musi włączyć tryb gościa przed utworzeniem Weave. Tryb gościa można włączyć, gdy gość jest w trybie publicznym, a informacje o połączeniu z siecią Weave zostały usunięte. Aby słuchać zamkniętej rozmowy Weave, gość musi być w zasięgu Weave.",
};

HelpRows g_layertoneVolumeManagement = {
    /* English  */ L"[Layertone Volume Management]\nThe music, FM radio and GPS overlaid audio reduce in volume whenever there is an ongoing intercom conversation. If Layertone Volume Management is enabled, the volume level of the overlaid audio will not be reduced during an intercom conversation.",
    /* French   */ L"[Gestion du volume Layertone]\nLe volume de l'audio superposé (musique, radio FM et GPS) baisse pendant toute conversation par interphone. Si la gestion du volume Layertone est activée, le volume de l'audio superposé n'est pas réduit pendant une conversation par interphone.",
    /* German   */ L"[Layertone-Lautstärkeverwaltung]\nÜberlagertes Audio von Musik, UKW-Radio und GPS wird während eines laufenden Intercom-Gesprächs leiser. Ist die Layertone-Lautstärkeverwaltung aktiviert, wird die Lautstärke des überlagerten Audios während eines Intercom-Gesprächs nicht gesenkt.",
    /* Italian  */ L"[Gestione volume Layertone]\nIl volume dell'audio sovrapposto di musica, radio FM e GPS si riduce durante ogni conversazione interfono in corso. Se la gestione volume Layertone è attivata, il volume dell'audio sovrapposto non viene ridotto durante una conversazione interfono.",
    /* Japanese */ L"[Layertone音量管理]\nインターコム通話中は、重ねて再生している音楽、FMラジオ、GPSの音量が下がります。Layertone音量管理を有効にすると、インターコム通話中も重ねて再生している音声の音量は下がりません。",
    /* Korean   */ L"[Layertone 볼륨 관리]\n인터콤 대화가 진행되는 동안에는 겹쳐진 음악, FM 라디오, GPS 오디오의 음량이 줄어듭니다. Layertone 볼륨 관리를 활성화하면 인터콤 대화 중에도 겹쳐진 오디오의 음량이 줄어들지 않습니다.",
    /* Spanish  */ L"[Gestión del volumen Layertone]\nEl volumen del audio superpuesto de música, radio FM y GPS se reduce durante cualquier conversación por intercomunicador. Si la gestión del volumen Layertone está activada, el volumen del audio superpuesto no se reducirá durante una conversación por intercomunicador.",
    /* Dutch    */ L"[Layertone-volumebeheer]\nHet volume van overlappende audio van muziek, FM-radio en gps gaat omlaag zolang er een intercomgesprek loopt. Als Layertone-volumebeheer is ingeschakeld, gaat het volume van de overlappende audio tijdens een intercomgesprek niet omlaag.",
    /* Russian  */ L"[Управление громкостью Layertone]\nВо время разговора по интеркому громкость наложенного звука музыки, FM-радио и GPS снижается. Если управление громкостью Layertone включено, громкость наложенного звука во время разговора по интеркому не снижается.",
    /* Chinese  */ L"[Layertone 音量管理]\n进行对讲通话时,叠加的音乐、FM 收音机和 GPS 音频音量会降低。启用 Layertone 音量管理后,对讲通话期间叠加音频的音量不会降低。",
    /* Finnish  */ L"[Layertone-äänenvoimakkuuden hallinta]\nPäällekkäisen musiikin, FM-radion ja GPS:n äänenvoimakkuus laskee aina sisäpuhelinkeskustelun ajaksi. Kun Layertone-äänenvoimakkuuden hallinta on käytössä, päällekkäisen äänen voimakkuus ei laske sisäpuhelinkeskustelun aikana.",
    /* Czech    */ L"[Správa hlasitosti Layertone]\nHlasitost překrývaného zvuku hudby, rádia FM a GPS se během probíhajícího hovoru přes interkom snižuje. Když je správa hlasitosti Layertone zapnutá, hlasitost překrývaného zvuku se během hovoru přes interkom nesnižuje.",
    /* Polish   */ L"[Zarządzanie głośnością Layertone]\nGłośność nakładanego dźwięku muzyki, radia FM i GPS zmniejsza się podczas trwającej rozmowy przez interkom. Gdy zarządzanie głośnością Layertone jest włączone, głośność nakładanego dźwięku nie jest zmniejszana podczas rozmowy przez interkom.",
};

HelpRows g_voiceCommand = {
    /* English  */ L"[Voice Command]\nThe voice command of the headset allows you to operate certain operations by simply using your voice. You can control the headset completely handsfree using the voice recognition.",
    /* French   */ L"[Commande vocale]\nLa commande vocale du casque vous permet d'effectuer certaines opérations simplement avec la voix. Grâce à la reconnaissance vocale, vous pouvez commander le casque entièrement en mains libres.",
    /* German   */ L"[Sprachbefehl]\nMit den Sprachbefehlen des Headsets führen Sie bestimmte Funktionen einfach mit Ihrer Stimme aus. Dank Spracherkennung bedienen Sie das Headset völlig freihändig.",
    /* Italian  */ L"[Comando vocale]\nIl comando vocale dell'auricolare consente di eseguire alcune operazioni semplicemente con la voce. Grazie al riconoscimento vocale è possibile controllare l'auricolare completamente a mani libere.",
    /* Japanese */ L"[音声コマンド]\nヘッドセットの音声コマンドを使うと、声だけで特定の操作を行えます。音声認識により、ヘッドセットを完全にハンズフリーで操作できます。",
    /* Korean   */ L"[음성 명령]\n헤드셋의 음성 명령으로 목소리만으로 특정 작업을 할 수 있습니다. 음성 인식을 사용하여 헤드셋을 완전히 핸즈프리로 제어할 수 있습니다.",
    /* Spanish  */ L"[Comando de voz]\nEl comando de voz del auricular le permite realizar ciertas operaciones simplemente con la voz. Con el reconocimiento de voz puede controlar el auricular totalmente en modo manos libres.",
    /* Dutch    */ L"[Spraakopdracht]\nMet de spraakopdrachten van de headset voert u bepaalde handelingen uit met alleen uw stem. Dankzij spraakherkenning bedient u de headset volledig handsfree.",
    /* Russian  */ L"[Голосовая команда]\nГолосовые команды гарнитуры позволяют выполнять некоторые действия просто голосом. Благодаря распознаванию речи гарнитурой можно управлять полностью без рук.",
    /* Chinese  */ L"[语音命令]\n耳机的语音命令让您只需用声音即可完成某些操作。借助语音识别,您可以完全免提地控制耳机。",
    /* Finnish  */ L"[Äänikomento]\nKuulokkeiden äänikomennoilla voit tehdä tiettyjä toimintoja pelkällä äänelläsi. Puheentunnistuksen avulla voit ohjata kuulokkeita täysin handsfree.",
    /* Czech    */ L"[Hlasový příkaz]\nHlasové příkazy náhlavní soupravy umožňují provádět některé operace pouhým hlasem. Díky rozpoznávání hlasu můžete soupravu ovládat zcela bez použití rukou.",
    /* Polish   */ L"[Polecenie głosowe]\nPolecenia głosowe zestawu pozwalają wykonywać niektóre czynności samym głosem. Dzięki rozpoznawaniu mowy możesz sterować zestawem całkowicie bez użycia rąk.",
};

HelpRows g_essStatus = {
    /* English  */ L"[ESS Status]\nThe system is equipped with a LED system to assist emergency braking. In case of sudden braking, the LEDs on the A802L flash for a few seconds.",
    /* French   */ L"[État ESS]\nLe système est équipé de LED qui signalent un freinage d'urgence. En cas de freinage brusque, les LED de l'A802L clignotent pendant quelques secondes.",
    /* German   */ L"[ESS-Status]\nDas System besitzt LEDs, die eine Notbremsung anzeigen. Bei plötzlichem Bremsen blinken die LEDs am A802L einige Sekunden lang.",
    /* Italian  */ L"[Stato ESS]\nIl sistema è dotato di LED che segnalano la frenata di emergenza. In caso di frenata improvvisa, i LED dell'A802L lampeggiano per alcuni secondi.",
    /* Japanese */ L"[ESSステータス]\nこのシステムには緊急ブレーキを知らせるLEDが備わっています。急ブレーキをかけると、A802LのLEDが数秒間点滅します。",
    /* Korean   */ L"[ESS 상태]\n이 시스템에는 긴급 제동을 알리는 LED가 있습니다. 급제동 시 A802L의 LED가 몇 초 동안 깜박입니다.",
    /* Spanish  */ L"[Estado ESS]\nEl sistema dispone de LED que señalan la frenada de emergencia. En caso de frenada brusca, los LED del A802L parpadean durante unos segundos.",
    /* Dutch    */ L"[ESS-status]\nHet systeem heeft leds die een noodstop aangeven. Bij plotseling remmen knipperen de leds op de A802L enkele seconden.",
    /* Russian  */ L"[Состояние ESS]\nСистема оснащена светодиодами, сигнализирующими об экстренном торможении. При резком торможении светодиоды на A802L мигают несколько секунд.",
    /* Chinese  */ L"[ESS 状态]\n系统配备了辅助紧急制动的 LED。急刹车时,A802L 上的 LED 会闪烁几秒钟。",
    /* Finnish  */ L"[ESS-tila]\nJärjestelmässä on hätäjarrutusta ilmaisevat LED-valot. Äkillisessä jarrutuksessa A802L:n LED-valot vilkkuvat muutaman sekunnin.",
    /* Czech    */ nullptr,
    /* Polish   */ nullptr,
};

HelpRows g_essSensitivity = {
    /* English  */ L"[ESS Sensitivity]\nLow: the stop signal turns on during sudden braking only.\nHigh: the stop signal turns on during slight braking as well.",
    /* French   */ L"[Sensibilité ESS]\nFaible : le signal de freinage s'allume uniquement lors d'un freinage brusque.\nÉlevé : le signal de freinage s'allume aussi lors d'un léger freinage.",
    /* German   */ L"[ESS-Empfindlichkeit]\nNiedrig: Das Bremssignal leuchtet nur bei plötzlichem Bremsen.\nHoch: Das Bremssignal leuchtet auch bei leichtem Bremsen.",
    /* Italian  */ L"[Sensibilità ESS]\nBasso: il segnale di stop si accende solo in caso di frenata improvvisa.\nAlto: il segnale di stop si accende anche in caso di frenata leggera.",
    /* Japanese */ L"[ESS感度]\n低: 急ブレーキのときだけストップ信号が点灯します。\n高: 軽いブレーキでもストップ信号が点灯します。",
    /* Korean   */ L"[ESS 감도]\n낮음: 급제동 시에만 정지 신호가 켜집니다.\n높음: 가벼운 제동 시에도 정지 신호가 켜집니다.",
    /* Spanish  */ L"[Sensibilidad ESS]\nBaja: la señal de parada se enciende solo al frenar bruscamente.\nAlta: la señal de parada se enciende también al frenar ligeramente.",
    /* Dutch    */ L"[ESS-gevoeligheid]\nLaag: het stopsignaal gaat alleen aan bij plotseling remmen.\nHoog: het stopsignaal gaat ook aan bij licht remmen.",
    /* Russian  */ L"[Чувствительность ESS]\nНизкий: стоп-сигнал включается только при резком торможении.\nВысокий: стоп-сигнал включается и при лёгком торможении.",
    /* Chinese  */ L"[ESS 灵敏度]\n低: 仅在急刹车时亮起停车信号。\n高: 轻微刹车时也会亮起停车信号。",
    /* Finnish  */ L"[ESS-herkkyys]\nMatala: jarruvalo syttyy vain äkillisessä jarrutuksessa.\nKorkea: jarruvalo syttyy myös kevyessä jarrutuksessa.",
    /* Czech    */ nullptr,
    /* Polish   */ nullptr,
};

} // namespace

// clang-format on

std::wstring GetHelpVoxSensitivityDefault3(int language)
{
    return PickHelp(g_voxSensitivityDefault3, language);
}
std::wstring GetHelpVoxSensitivityDefault2(int language)
{
    return PickHelp(g_voxSensitivityDefault2, language);
}
std::wstring GetHelpVoxSensitivityThreeLevels(int language)
{
    return PickHelp(g_voxSensitivityThreeLevels, language);
}
std::wstring GetHelpVoxPhone(int language)
{
    return PickHelp(g_voxPhone, language);
}
std::wstring GetHelpHdIntercom(int language)
{
    return PickHelp(g_hdIntercom, language);
}
std::wstring GetHelpEightWayIntercom(int language)
{
    return PickHelp(g_eightWayIntercom, language);
}
std::wstring GetHelpVoicePrompt(int language)
{
    return PickHelp(g_voicePrompt, language);
}
std::wstring GetHelpVoxIntercom(int language)
{
    return PickHelp(g_voxIntercom, language);
}
std::wstring GetHelpSmartVolumeControl(int language)
{
    return PickHelp(g_smartVolumeControl, language);
}
std::wstring GetHelpFmStationGuide(int language)
{
    return PickHelp(g_fmStationGuide, language);
}
std::wstring GetHelpHdVoice(int language)
{
    return PickHelp(g_hdVoice, language);
}
std::wstring GetHelpAudioSourcePriority(int language)
{
    return PickHelp(g_audioSourcePriority, language);
}
std::wstring GetHelpDualstreamFull(int language)
{
    return PickHelp(g_dualstreamFull, language);
}
std::wstring GetHelpLayertone(int language)
{
    return PickHelp(g_layertone, language);
}
std::wstring GetHelpLayertoneMusicGps(int language)
{
    return PickHelp(g_layertoneMusicGps, language);
}
std::wstring GetHelpIntercomDualstream(int language)
{
    return PickHelp(g_intercomDualstream, language);
}
std::wstring GetHelpRoutecue(int language)
{
    return PickHelp(g_routecue, language);
}
std::wstring GetHelpGuestMode(int language)
{
    return PickHelp(g_guestMode, language);
}
std::wstring GetHelpLayertoneVolumeManagement(int language)
{
    return PickHelp(g_layertoneVolumeManagement, language);
}
std::wstring GetHelpVoiceCommand(int language)
{
    return PickHelp(g_voiceCommand, language);
}
std::wstring GetHelpEssStatus(int language)
{
    return PickHelp(g_essStatus, language);
}
std::wstring GetHelpEssSensitivity(int language)
{
    return PickHelp(g_essSensitivity, language);
}

std::vector<HelpTextTable> IntercomHelpTextTables()
{
    return {
        {"VoxSensitivityDefault3", g_voxSensitivityDefault3},
        {"VoxSensitivityDefault2", g_voxSensitivityDefault2},
        {"VoxSensitivityThreeLevels", g_voxSensitivityThreeLevels},
        {"VoxPhone", g_voxPhone},
        {"HdIntercom", g_hdIntercom},
        {"EightWayIntercom", g_eightWayIntercom},
        {"VoicePrompt", g_voicePrompt},
        {"VoxIntercom", g_voxIntercom},
        {"SmartVolumeControl", g_smartVolumeControl},
        {"FmStationGuide", g_fmStationGuide},
        {"HdVoice", g_hdVoice},
        {"AudioSourcePriority", g_audioSourcePriority},
        {"DualstreamFull", g_dualstreamFull},
        {"Layertone", g_layertone},
        {"LayertoneMusicGps", g_layertoneMusicGps},
        {"IntercomDualstream", g_intercomDualstream},
        {"Routecue", g_routecue},
        {"GuestMode", g_guestMode},
        {"LayertoneVolumeManagement", g_layertoneVolumeManagement},
        {"VoiceCommand", g_voiceCommand},
        {"EssStatus", g_essStatus},
        {"EssSensitivity", g_essSensitivity},
    };
}
