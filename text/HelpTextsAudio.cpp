#include "text/HelpTextTables.h"

#include "text/TextFormat.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// English is fixed wording, quoted word for word by manuals and support documents; the other
// rows are our own translations and keep the English text's "%s" placeholders in their order.

HelpRows g_plc = {
    /* English  */ L"[Packet Loss Concealment]\nPLC (Packet Loss Concealment) algorithm is enabled from the factory. It improves the audio quality of the intercom and mobile phone handsfree in the presence of data packet errors within the Bluetooth link. It is recommended that this setting is always enabled. However, if you feel that the audio from the intercom or mobile phone is distorted in certain circumstances, you may be able to disable this setting and check it.",
    /* French   */ L"[Masquage de perte de paquets]\nL'algorithme PLC (masquage de perte de paquets) est activé en usine. Il améliore la qualité audio de l'interphone et du kit mains libres du téléphone en cas d'erreurs de paquets de données sur la liaison Bluetooth. Il est recommandé de toujours laisser ce réglage activé. Toutefois, si l'audio de l'interphone ou du téléphone vous semble déformé dans certaines situations, vous pouvez désactiver ce réglage pour vérifier.",
    /* German   */ L"[Packet Loss Concealment]\nDer PLC-Algorithmus (Packet Loss Concealment) ist ab Werk aktiviert. Er verbessert die Audioqualität von Intercom und Handy-Freisprechen, wenn in der Bluetooth-Verbindung Datenpaketfehler auftreten. Es wird empfohlen, diese Einstellung immer aktiviert zu lassen. Wenn Ihnen der Ton von Intercom oder Handy in bestimmten Situationen verzerrt erscheint, können Sie die Einstellung deaktivieren und prüfen.",
    /* Italian  */ L"[Packet Loss Concealment]\nL'algoritmo PLC (Packet Loss Concealment) è attivato in fabbrica. Migliora la qualità audio dell'interfono e del vivavoce del cellulare in presenza di errori nei pacchetti di dati del collegamento Bluetooth. Si consiglia di lasciare sempre attiva questa impostazione. Se tuttavia l'audio dell'interfono o del cellulare risulta distorto in alcune situazioni, è possibile disattivarla e verificare.",
    /* Japanese */ L"[パケットロス補償]\nPLC(パケットロス補償)アルゴリズムは工場出荷時に有効になっています。Bluetooth接続でデータパケットのエラーが発生したときに、インターコムと携帯電話のハンズフリー通話の音質を改善します。この設定は常に有効にしておくことをお勧めします。ただし、状況によってインターコムや携帯電話の音声がひずむと感じる場合は、この設定を無効にして確認できます。",
    /* Korean   */ L"[패킷 손실 은닉]\nPLC(패킷 손실 은닉) 알고리즘은 출고 시 활성화되어 있습니다. 블루투스 연결에서 데이터 패킷 오류가 발생할 때 인터콤과 휴대폰 핸즈프리의 음질을 개선합니다. 이 설정은 항상 활성화해 두는 것이 좋습니다. 다만 특정 상황에서 인터콤이나 휴대폰 음성이 왜곡된다고 느껴지면 이 설정을 비활성화하여 확인할 수 있습니다.",
    /* Spanish  */ L"[Ocultación de pérdida de paquetes]\nEl algoritmo PLC (ocultación de pérdida de paquetes) viene activado de fábrica. Mejora la calidad de audio del intercomunicador y del manos libres del teléfono cuando hay errores de paquetes de datos en el enlace Bluetooth. Se recomienda mantener siempre activado este ajuste. No obstante, si nota que el audio del intercomunicador o del teléfono se distorsiona en ciertas circunstancias, puede desactivarlo y comprobarlo.",
    /* Dutch    */ L"[Maskering van pakketverlies]\nHet PLC-algoritme (maskering van pakketverlies) is af fabriek ingeschakeld. Het verbetert de geluidskwaliteit van de intercom en het handsfree bellen bij fouten in datapakketten op de Bluetooth-verbinding. Het wordt aanbevolen deze instelling altijd ingeschakeld te laten. Als het geluid van de intercom of telefoon in bepaalde situaties vervormd klinkt, kunt u de instelling uitschakelen en dit controleren.",
    /* Russian  */ L"[Маскировка потери пакетов]\nАлгоритм PLC (маскировка потери пакетов) включён на заводе. Он улучшает качество звука интеркома и громкой связи мобильного телефона при ошибках пакетов данных в канале Bluetooth. Рекомендуется всегда держать эту настройку включённой. Однако если звук интеркома или телефона в некоторых условиях кажется искажённым, можно отключить эту настройку и проверить.",
    /* Chinese  */ L"[丢包隐藏]\nPLC(丢包隐藏)算法出厂时已启用。当蓝牙链路中出现数据包错误时,它可以改善对讲和手机免提通话的音质。建议始终启用此设置。但如果您觉得在某些情况下对讲或手机的声音失真,可以禁用此设置进行检查。",
    /* Finnish  */ L"[Packet Loss Concealment]\nPLC-algoritmi (Packet Loss Concealment) on otettu käyttöön tehtaalla. Se parantaa sisäpuhelimen ja matkapuhelimen handsfree-äänen laatua, kun Bluetooth-yhteydessä esiintyy datapakettivirheitä. Asetus kannattaa pitää aina käytössä. Jos sisäpuhelimen tai matkapuhelimen ääni kuitenkin säröytyy tietyissä tilanteissa, voit poistaa asetuksen käytöstä ja kokeilla.",
    /* Czech    */ L"[Maskování ztráty paketů]\nAlgoritmus PLC (maskování ztráty paketů) je zapnutý z výroby. Zlepšuje kvalitu zvuku interkomu a handsfree mobilního telefonu při chybách datových paketů v Bluetooth spojení. Doporučujeme mít toto nastavení vždy zapnuté. Pokud se vám však zvuk interkomu nebo telefonu za určitých okolností zdá zkreslený, můžete nastavení vypnout a ověřit to.",
    /* Polish   */ L"[Maskowanie utraty pakietów]\nAlgorytm PLC (maskowanie utraty pakietów) jest włączony fabrycznie. Poprawia jakość dźwięku interkomu i zestawu głośnomówiącego telefonu przy błędach pakietów danych w łączu Bluetooth. Zaleca się, aby to ustawienie było zawsze włączone. Jeśli jednak dźwięk interkomu lub telefonu wydaje się w pewnych sytuacjach zniekształcony, możesz wyłączyć to ustawienie i sprawdzić.",
};

HelpRows g_highQualityA2dp = {
    /* English  */ L"[High Quality A2DP]\nThis option is enabled by default. Please disable it in case there are frequent audio disconnections while listening to music.",
    /* French   */ L"[A2DP haute qualité]\nCette option est activée par défaut. Désactivez-la si l'audio est souvent interrompu pendant l'écoute de musique.",
    /* German   */ L"[A2DP in hoher Qualität]\nDiese Option ist standardmäßig aktiviert. Deaktivieren Sie sie, wenn der Ton beim Musikhören häufig abbricht.",
    /* Italian  */ L"[A2DP di alta qualità]\nQuesta opzione è attivata per impostazione predefinita. Disattivarla in caso di frequenti interruzioni audio durante l'ascolto della musica.",
    /* Japanese */ L"[高音質A2DP]\nこのオプションは初期設定で有効になっています。音楽再生中に音声が頻繁に途切れる場合は無効にしてください。",
    /* Korean   */ L"[고품질 A2DP]\n이 옵션은 기본적으로 활성화되어 있습니다. 음악을 듣는 동안 오디오가 자주 끊기면 비활성화하십시오.",
    /* Spanish  */ L"[A2DP de alta calidad]\nEsta opción está activada de forma predeterminada. Desactívela si el audio se corta con frecuencia mientras escucha música.",
    /* Dutch    */ L"[A2DP van hoge kwaliteit]\nDeze optie is standaard ingeschakeld. Schakel haar uit als het geluid vaak wegvalt tijdens het luisteren naar muziek.",
    /* Russian  */ L"[Высококачественный A2DP]\nЭта функция включена по умолчанию. Отключите её, если при прослушивании музыки звук часто прерывается.",
    /* Chinese  */ L"[高品质 A2DP]\n此选项默认启用。如果听音乐时音频经常断开,请禁用此选项。",
    /* Finnish  */ L"[Korkealaatuinen A2DP]\nTämä asetus on oletusarvoisesti käytössä. Poista se käytöstä, jos ääni katkeilee usein musiikkia kuunneltaessa.",
    /* Czech    */ L"[Vysoce kvalitní A2DP]\nTato možnost je ve výchozím stavu zapnutá. Pokud se při poslechu hudby zvuk často přerušuje, vypněte ji.",
    /* Polish   */ L"[High Quality A2DP]\nTa opcja jest domyślnie włączona. Wyłącz ją, jeśli podczas słuchania muzyki dźwięk często się przerywa.",
};

HelpRows g_microphoneBoosting = {
    /* English  */ L"[Microphone Boosting]\nThis option is related with microphone gain setup in handsfree call and enabled by default. If the microphone boosting is disabled, you may need to speak more loudly However, the environmental noise may become less along with the lowered microphone gain.",
    /* French   */ L"[Amplification du microphone]\nCette option règle le gain du microphone pendant les appels mains libres et est activée par défaut. Si l'amplification du microphone est désactivée, vous devrez peut-être parler plus fort. En revanche, le bruit ambiant peut diminuer avec le gain réduit du microphone.",
    /* German   */ L"[Mikrofonverstärkung]\nDiese Option betrifft die Mikrofonverstärkung beim Freisprechen und ist standardmäßig aktiviert. Ist die Mikrofonverstärkung deaktiviert, müssen Sie eventuell lauter sprechen. Dafür kann mit der geringeren Mikrofonverstärkung auch das Umgebungsgeräusch abnehmen.",
    /* Italian  */ L"[Amplificazione microfono]\nQuesta opzione riguarda il guadagno del microfono nelle chiamate in vivavoce ed è attivata per impostazione predefinita. Se l'amplificazione è disattivata, potrebbe essere necessario parlare a voce più alta. Tuttavia, con il guadagno ridotto anche il rumore ambientale può diminuire.",
    /* Japanese */ L"[マイクブースト]\nこのオプションはハンズフリー通話時のマイクゲインに関する設定で、初期設定で有効になっています。マイクブーストを無効にすると、大きめの声で話す必要があるかもしれません。ただし、マイクゲインが下がることで周囲の騒音も小さくなる場合があります。",
    /* Korean   */ L"[마이크 증폭]\n이 옵션은 핸즈프리 통화 시 마이크 게인 설정과 관련이 있으며 기본적으로 활성화되어 있습니다. 마이크 증폭을 비활성화하면 더 크게 말해야 할 수 있습니다. 그러나 마이크 게인이 낮아지면서 주변 소음도 줄어들 수 있습니다.",
    /* Spanish  */ L"[Amplificación del micrófono]\nEsta opción está relacionada con la ganancia del micrófono en las llamadas manos libres y está activada de forma predeterminada. Si la desactiva, es posible que tenga que hablar más alto. Sin embargo, el ruido ambiental puede reducirse junto con la ganancia del micrófono.",
    /* Dutch    */ L"[Microfoonversterking]\nDeze optie heeft betrekking op de microfoonversterking bij handsfree bellen en is standaard ingeschakeld. Als de microfoonversterking is uitgeschakeld, moet u mogelijk luider spreken. Het omgevingsgeluid kan met de lagere versterking echter ook afnemen.",
    /* Russian  */ L"[Усиление микрофона]\nЭта функция относится к усилению микрофона при разговоре по громкой связи и включена по умолчанию. Если усиление микрофона отключено, возможно, придётся говорить громче. Однако при пониженном усилении микрофона может уменьшиться и окружающий шум.",
    /* Chinese  */ L"[麦克风增强]\n此选项与免提通话时的麦克风增益设置有关,默认启用。如果禁用麦克风增强,您可能需要更大声地说话。不过,随着麦克风增益降低,环境噪音也可能减小。",
    /* Finnish  */ L"[Mikrofonin vahvistus]\nTämä asetus liittyy mikrofonin vahvistukseen handsfree-puheluissa ja on oletusarvoisesti käytössä. Jos mikrofonin vahvistus on pois käytöstä, sinun on ehkä puhuttava kovempaa. Toisaalta ympäristön melu voi vähentyä mikrofonin vahvistuksen pienentyessä.",
    /* Czech    */ L"[Zesílení mikrofonu]\nTato možnost souvisí se zesílením mikrofonu při hovorech handsfree a je ve výchozím stavu zapnutá. Pokud je zesílení mikrofonu vypnuté, možná budete muset mluvit hlasitěji. Se sníženým zesílením však může klesnout i okolní hluk.",
    /* Polish   */ L"[Wzmocnienie mikrofonu]\nTa opcja dotyczy wzmocnienia mikrofonu podczas rozmów w trybie głośnomówiącym i jest domyślnie włączona. Po wyłączeniu wzmocnienia może być konieczne mówienie głośniej. Jednocześnie przy niższym wzmocnieniu może zmniejszyć się hałas otoczenia.",
};

HelpRows g_sidetone = {
    /* English  */ L"[Sidetone]\nWhen this feature is enabled, you can hear what you are saying through the headset during an intercom conversation or phone call.",
    /* French   */ L"[Retour de voix]\nLorsque cette fonction est activée, vous entendez ce que vous dites dans le casque pendant une conversation par interphone ou un appel téléphonique.",
    /* German   */ L"[Mithörton]\nIst diese Funktion aktiviert, hören Sie während eines Intercom-Gesprächs oder Telefonats im Headset, was Sie selbst sagen.",
    /* Italian  */ L"[Sidetone]\nQuando questa funzione è attivata, durante una conversazione interfono o una telefonata si sente nell'auricolare ciò che si sta dicendo.",
    /* Japanese */ L"[サイドトーン]\nこの機能を有効にすると、インターコム通話中や電話中に自分の話している声をヘッドセットで聞くことができます。",
    /* Korean   */ L"[사이드톤]\n이 기능을 활성화하면 인터콤 대화나 전화 통화 중에 자신이 말하는 소리를 헤드셋으로 들을 수 있습니다.",
    /* Spanish  */ L"[Tono lateral]\nCuando esta función está activada, puede oír lo que dice a través del auricular durante una conversación por intercomunicador o una llamada.",
    /* Dutch    */ L"[Meeluisteren]\nAls deze functie is ingeschakeld, hoort u via de headset wat u zelf zegt tijdens een intercomgesprek of telefoongesprek.",
    /* Russian  */ L"[Самопрослушивание]\nКогда эта функция включена, во время разговора по интеркому или телефону вы слышите в гарнитуре свой собственный голос.",
    /* Chinese  */ L"[侧音]\n启用此功能后,在对讲或电话通话期间,您可以通过耳机听到自己说话的声音。",
    /* Finnish  */ L"[Sivuääni]\nKun tämä toiminto on käytössä, kuulet kuulokkeista oman puheesi sisäpuhelinkeskustelun tai puhelun aikana.",
    /* Czech    */ L"[Příposlech]\nKdyž je tato funkce zapnutá, slyšíte během hovoru přes interkom nebo telefon v náhlavní soupravě, co sami říkáte.",
    /* Polish   */ L"[Podsłuch własnego głosu]\nGdy ta funkcja jest włączona, podczas rozmowy przez interkom lub telefon słyszysz w zestawie słuchawkowym własny głos.",
};

HelpRows g_hushguard = {
    /* English  */ L"[Hushguard™]\n%s reduces the effects of ambient noise during intercom conversations.",
    /* French   */ L"[Hushguard™]\n%s réduit les effets du bruit ambiant pendant les conversations par interphone.",
    /* German   */ L"[Hushguard™]\n%s verringert die Wirkung von Umgebungsgeräuschen bei Intercom-Gesprächen.",
    /* Italian  */ L"[Hushguard™]\n%s riduce gli effetti del rumore ambientale durante le conversazioni interfono.",
    /* Japanese */ L"[Hushguard™]\n%sはインターコム通話中の周囲の騒音の影響を低減します。",
    /* Korean   */ L"[Hushguard™]\n%s은(는) 인터콤 대화 중 주변 소음의 영향을 줄여 줍니다.",
    /* Spanish  */ L"[Hushguard™]\n%s reduce los efectos del ruido ambiental durante las conversaciones por intercomunicador.",
    /* Dutch    */ L"[Hushguard™]\n%s vermindert de invloed van omgevingsgeluid tijdens intercomgesprekken.",
    /* Russian  */ L"[Hushguard™]\n%s снижает влияние окружающего шума во время разговоров по интеркому.",
    /* Chinese  */ L"[Hushguard™]\n%s 可在对讲通话期间降低环境噪音的影响。",
    /* Finnish  */ L"[Hushguard™]\n%s vähentää ympäristön melun vaikutusta sisäpuhelinkeskusteluissa.",
    /* Czech    */ L"[Hushguard™]\n%s snižuje vliv okolního hluku během hovorů přes interkom.",
    /* Polish   */ L"[Hushguard™]\n%s ogranicza wpływ hałasu otoczenia podczas rozmów przez interkom.",
};

HelpRows g_autoGainControl = {
    /* English  */ L"[Auto Gain Control]\nYou can use the auto gain control to keep the volume of recording sounds constant regardless of the loudness. Auto gain control activates when the Bluetooth Mic connects to the Kelmo Wireless Sound Kit or the Kelmo LENSA. It is useful when you move a lot wearing the Bluetooth Mic from the recording device.",
    /* French   */ L"[Contrôle automatique du gain]\nLe contrôle automatique du gain maintient constant le volume des sons enregistrés, quelle que soit leur intensité. Il s'active lorsque le Bluetooth Mic se connecte au Kelmo Wireless Sound Kit ou à la Kelmo LENSA. Il est utile lorsque vous vous déplacez beaucoup avec le Bluetooth Mic loin de l'appareil d'enregistrement.",
    /* German   */ L"[Automatische Verstärkungsregelung]\nMit der automatischen Verstärkungsregelung bleibt die Lautstärke der Aufnahme unabhängig von der Lautheit gleich. Sie wird aktiv, wenn das Bluetooth Mic mit dem Kelmo Wireless Sound Kit oder der Kelmo LENSA verbunden ist. Sie ist nützlich, wenn Sie sich mit dem Bluetooth Mic viel vom Aufnahmegerät weg bewegen.",
    /* Italian  */ L"[Controllo automatico del guadagno]\nIl controllo automatico del guadagno mantiene costante il volume dei suoni registrati indipendentemente dalla loro intensità. Si attiva quando il Bluetooth Mic si collega al Kelmo Wireless Sound Kit o alla Kelmo LENSA. È utile quando ci si muove molto indossando il Bluetooth Mic lontano dal dispositivo di registrazione.",
    /* Japanese */ L"[オートゲインコントロール]\nオートゲインコントロールを使うと、音の大きさにかかわらず録音の音量を一定に保てます。Bluetooth MicがKelmo Wireless Sound KitまたはKelmo LENSAに接続されると作動します。Bluetooth Micを着けて録音機器から離れてよく動くときに便利です。",
    /* Korean   */ L"[자동 게인 조절]\n자동 게인 조절을 사용하면 소리의 크기와 관계없이 녹음 음량을 일정하게 유지할 수 있습니다. Bluetooth Mic가 Kelmo Wireless Sound Kit 또는 Kelmo LENSA에 연결되면 작동합니다. Bluetooth Mic를 착용하고 녹음 장치에서 떨어져 많이 움직일 때 유용합니다.",
    /* Spanish  */ L"[Control automático de ganancia]\nEl control automático de ganancia mantiene constante el volumen de los sonidos grabados, sea cual sea su intensidad. Se activa cuando el Bluetooth Mic se conecta al Kelmo Wireless Sound Kit o a la Kelmo LENSA. Resulta útil cuando se mueve mucho con el Bluetooth Mic lejos del dispositivo de grabación.",
    /* Dutch    */ L"[Automatische versterkingsregeling]\nMet de automatische versterkingsregeling blijft het volume van opnamegeluid constant, ongeacht de luidheid. Ze wordt actief wanneer de Bluetooth Mic verbinding maakt met de Kelmo Wireless Sound Kit of de Kelmo LENSA. Dit is handig als u veel beweegt met de Bluetooth Mic, weg van het opnameapparaat.",
    /* Russian  */ L"[Автоматическая регулировка усиления]\nАвтоматическая регулировка усиления поддерживает постоянную громкость записи независимо от силы звука. Она включается, когда Bluetooth Mic подключается к Kelmo Wireless Sound Kit или Kelmo LENSA. Это удобно, когда вы много двигаетесь с Bluetooth Mic вдали от записывающего устройства.",
    /* Chinese  */ L"[自动增益控制]\n自动增益控制可使录音音量保持恒定,不受声音大小影响。当 Bluetooth Mic 连接到 Kelmo Wireless Sound Kit 或 Kelmo LENSA 时,自动增益控制启动。当您佩戴 Bluetooth Mic 远离录音设备频繁移动时,此功能非常有用。",
    /* Finnish  */ L"[Automaattinen vahvistuksen säätö]\nAutomaattinen vahvistuksen säätö pitää tallennettavan äänen voimakkuuden tasaisena äänen voimakkuudesta riippumatta. Se aktivoituu, kun Bluetooth Mic yhdistetään Kelmo Wireless Sound Kit- tai Kelmo LENSA -laitteeseen. Se on hyödyllinen, kun liikut paljon Bluetooth Mic päälläsi kaukana tallennuslaitteesta.",
    /* Czech    */ L"[Automatické řízení zisku]\nAutomatické řízení zisku udržuje hlasitost nahrávaného zvuku stálou bez ohledu na jeho sílu. Aktivuje se, když se Bluetooth Mic připojí ke Kelmo Wireless Sound Kit nebo Kelmo LENSA. Hodí se, když se s Bluetooth Mic hodně pohybujete daleko od nahrávacího zařízení.",
    /* Polish   */ L"[Automatyczna regulacja wzmocnienia]\nAutomatyczna regulacja wzmocnienia utrzymuje stałą głośność nagrywanego dźwięku niezależnie od jego natężenia. Włącza się, gdy Bluetooth Mic połączy się z Kelmo Wireless Sound Kit lub Kelmo LENSA. Przydaje się, gdy dużo się poruszasz z Bluetooth Mic z dala od urządzenia nagrywającego.",
};

HelpRows g_radioTransmitGain = {
    /* English  */ L"[Radio Transmit Gain]\nRadio Transmit Gain is to adjust the microphone gain (Low, Medium, High) for radio output amplification which is audio out from %s to connected two-way radio. Changing the Radio Transmit Gain does not affect the volume level of wired or wireless mobile phone connected to %s.",
    /* French   */ L"[Gain d'émission radio]\nLe gain d'émission radio règle le gain du microphone (Faible, Moyen, Élevé) pour l'amplification de la sortie audio de %s vers la radio bidirectionnelle connectée. Le modifier n'a aucun effet sur le volume du téléphone portable filaire ou sans fil connecté à %s.",
    /* German   */ L"[Funk-Sendeverstärkung]\nMit der Funk-Sendeverstärkung stellen Sie die Mikrofonverstärkung (Niedrig, Mittel, Hoch) für den Audioausgang von %s zum angeschlossenen Funkgerät ein. Eine Änderung wirkt sich nicht auf die Lautstärke eines kabelgebunden oder drahtlos mit %s verbundenen Handys aus.",
    /* Italian  */ L"[Guadagno di trasmissione radio]\nIl guadagno di trasmissione radio regola il guadagno del microfono (Basso, Medio, Alto) per l'amplificazione dell'uscita audio da %s alla radio ricetrasmittente collegata. Modificarlo non influisce sul volume del cellulare collegato a %s via cavo o senza fili.",
    /* Japanese */ L"[無線送信ゲイン]\n無線送信ゲインは、%sから接続された無線機への音声出力を増幅するマイクゲイン(低、中、高)を調整します。無線送信ゲインを変更しても、%sに有線または無線で接続された携帯電話の音量には影響しません。",
    /* Korean   */ L"[무전기 송신 게인]\n무전기 송신 게인은 %s에서 연결된 무전기로 나가는 오디오 출력 증폭을 위한 마이크 게인(낮음, 보통, 높음)을 조정합니다. 무전기 송신 게인을 변경해도 %s에 유선 또는 무선으로 연결된 휴대폰의 음량에는 영향을 주지 않습니다.",
    /* Spanish  */ L"[Ganancia de transmisión de radio]\nLa ganancia de transmisión de radio ajusta la ganancia del micrófono (Baja, Media, Alta) para amplificar la salida de audio de %s a la radio bidireccional conectada. Cambiarla no afecta al volumen del teléfono móvil con o sin cable conectado a %s.",
    /* Dutch    */ L"[Zendversterking radio]\nMet de zendversterking radio stelt u de microfoonversterking (Laag, Gemiddeld, Hoog) in voor de audio-uitvoer van %s naar de aangesloten portofoon. Een wijziging heeft geen invloed op het volume van een bedrade of draadloze mobiele telefoon die met %s is verbonden.",
    /* Russian  */ L"[Усиление передачи рации]\nУсиление передачи рации регулирует усиление микрофона (Низкий, Средний, Высокий) для звукового выхода из %s на подключённую рацию. Изменение этого параметра не влияет на громкость проводного или беспроводного мобильного телефона, подключённого к %s.",
    /* Chinese  */ L"[无线电发射增益]\n无线电发射增益用于调节从 %s 输出到所连接对讲机的音频放大的麦克风增益(低、中、高)。更改无线电发射增益不会影响有线或无线连接到 %s 的手机音量。",
    /* Finnish  */ L"[Radiolähetyksen vahvistus]\nRadiolähetyksen vahvistus säätää mikrofonin vahvistusta (Matala, Keskisuuri, Korkea) äänelle, joka lähtee laitteesta %s liitettyyn radiopuhelimeen. Muutos ei vaikuta laitteeseen %s langallisesti tai langattomasti yhdistetyn matkapuhelimen äänenvoimakkuuteen.",
    /* Czech    */ L"[Zisk vysílání vysílačky]\nZisk vysílání vysílačky nastavuje zesílení mikrofonu (Nízká, Střední, Vysoká) pro zvukový výstup z %s do připojené vysílačky. Jeho změna neovlivní hlasitost mobilního telefonu připojeného k %s kabelem ani bezdrátově.",
    /* Polish   */ L"[Wzmocnienie nadawania radia]\nWzmocnienie nadawania radia reguluje wzmocnienie mikrofonu (Niskie, Średnie, Wysokie) dla wyjścia audio z %s do podłączonego radiotelefonu. Jego zmiana nie wpływa na głośność telefonu komórkowego podłączonego do %s przewodowo lub bezprzewodowo.",
};

HelpRows g_enhancedDataRate = {
    /* English  */ L"[Enhanced Data Rate]\nIt is highly recommended to enable this option unless there are any Bluetooth compatibility problems. If there are such problems, please contact technical support (%s) to disable the EDR setting.\n",
    /* French   */ L"[Débit de données amélioré]\nIl est vivement recommandé d'activer cette option, sauf en cas de problème de compatibilité Bluetooth. En cas de tels problèmes, contactez l'assistance technique (%s) pour désactiver le réglage EDR.\n",
    /* German   */ L"[Erhöhte Datenrate]\nEs wird dringend empfohlen, diese Option zu aktivieren, sofern keine Bluetooth-Kompatibilitätsprobleme bestehen. Bei solchen Problemen wenden Sie sich bitte an den technischen Support (%s), um die EDR-Einstellung zu deaktivieren.\n",
    /* Italian  */ L"[Velocità dati avanzata]\nSi consiglia vivamente di attivare questa opzione, a meno che non vi siano problemi di compatibilità Bluetooth. In tal caso, contattare l'assistenza tecnica (%s) per disattivare l'impostazione EDR.\n",
    /* Japanese */ L"[拡張データレート]\nBluetoothの互換性に問題がない限り、このオプションを有効にすることを強くお勧めします。問題がある場合は、テクニカルサポート(%s)にお問い合わせのうえ、EDR設定を無効にしてください。\n",
    /* Korean   */ L"[향상된 데이터 전송률]\n블루투스 호환성 문제가 없는 한 이 옵션을 활성화할 것을 적극 권장합니다. 그러한 문제가 있으면 기술 지원(%s)에 문의하여 EDR 설정을 비활성화하십시오.\n",
    /* Spanish  */ L"[Velocidad de datos mejorada]\nSe recomienda encarecidamente activar esta opción salvo que haya problemas de compatibilidad Bluetooth. Si los hay, póngase en contacto con el soporte técnico (%s) para desactivar el ajuste EDR.\n",
    /* Dutch    */ L"[Verbeterde gegevenssnelheid]\nHet wordt sterk aanbevolen deze optie in te schakelen, tenzij er Bluetooth-compatibiliteitsproblemen zijn. Neem bij zulke problemen contact op met de technische ondersteuning (%s) om de EDR-instelling uit te schakelen.\n",
    /* Russian  */ L"[Улучшенная скорость передачи данных]\nНастоятельно рекомендуется включить эту функцию, если нет проблем совместимости Bluetooth. При таких проблемах обратитесь в службу технической поддержки (%s), чтобы отключить настройку EDR.\n",
    /* Chinese  */ L"[增强数据速率]\n除非存在蓝牙兼容性问题,强烈建议启用此选项。如果存在此类问题,请联系技术支持(%s)以禁用 EDR 设置。\n",
    /* Finnish  */ L"[Parannettu tiedonsiirtonopeus]\nTämä asetus kannattaa ehdottomasti pitää käytössä, ellei Bluetooth-yhteensopivuudessa ole ongelmia. Jos ongelmia on, ota yhteyttä tekniseen tukeen (%s) EDR-asetuksen poistamiseksi käytöstä.\n",
    /* Czech    */ L"[Rozšířená přenosová rychlost]\nDůrazně doporučujeme tuto možnost zapnout, pokud nejsou potíže s kompatibilitou Bluetooth. Pokud takové potíže máte, obraťte se na technickou podporu (%s) a nastavení EDR vypněte.\n",
    /* Polish   */ L"[Zwiększona szybkość transmisji]\nZdecydowanie zaleca się włączenie tej opcji, chyba że występują problemy ze zgodnością Bluetooth. W takim przypadku skontaktuj się z pomocą techniczną (%s), aby wyłączyć ustawienie EDR.\n",
};

HelpRows g_audioChannelTimeout = {
    /* English  */ L"[Audio Channel Timeout]\nAudio Channel Timeout is audio idle time condition to close Bluetooth Audio Channel between %s and Bluetooth headset. Audio Channel will automatically close if there is no audio signal coming back from %s for [Audio Channel Timeout] seconds. The default value is 5 seconds.",
    /* French   */ L"[Délai du canal audio]\nLe délai du canal audio est la durée d'inactivité audio après laquelle le canal audio Bluetooth entre %s et le casque Bluetooth se ferme. Le canal audio se ferme automatiquement si aucun signal audio ne revient de %s pendant [Délai du canal audio] secondes. La valeur par défaut est de 5 secondes.",
    /* German   */ L"[Audiokanal-Zeitlimit]\nDas Audiokanal-Zeitlimit ist die Ruhezeit, nach der der Bluetooth-Audiokanal zwischen %s und Bluetooth-Headset geschlossen wird. Der Audiokanal schließt automatisch, wenn für [Audiokanal-Zeitlimit] Sekunden kein Audiosignal von %s zurückkommt. Der Standardwert ist 5 Sekunden.",
    /* Italian  */ L"[Timeout canale audio]\nIl timeout del canale audio è il tempo di inattività audio dopo il quale si chiude il canale audio Bluetooth tra %s e l'auricolare Bluetooth. Il canale audio si chiude automaticamente se da %s non arriva alcun segnale audio per [Timeout canale audio] secondi. Il valore predefinito è 5 secondi.",
    /* Japanese */ L"[オーディオチャンネルタイムアウト]\nオーディオチャンネルタイムアウトは、%sとBluetoothヘッドセットの間のBluetoothオーディオチャンネルを閉じるまでの無音時間です。%sから音声信号が[オーディオチャンネルタイムアウト]秒間戻ってこないと、オーディオチャンネルは自動的に閉じます。初期値は5秒です。",
    /* Korean   */ L"[오디오 채널 시간 제한]\n오디오 채널 시간 제한은 %s와(과) 블루투스 헤드셋 사이의 블루투스 오디오 채널을 닫는 오디오 유휴 시간 조건입니다. %s에서 [오디오 채널 시간 제한]초 동안 오디오 신호가 돌아오지 않으면 오디오 채널이 자동으로 닫힙니다. 기본값은 5초입니다.",
    /* Spanish  */ L"[Tiempo de espera del canal de audio]\nEl tiempo de espera del canal de audio es el tiempo de inactividad tras el cual se cierra el canal de audio Bluetooth entre %s y el auricular Bluetooth. El canal de audio se cierra automáticamente si no vuelve ninguna señal de audio de %s durante [Tiempo de espera del canal de audio] segundos. El valor predeterminado es de 5 segundos.",
    /* Dutch    */ L"[Time-out audiokanaal]\nDe time-out van het audiokanaal is de stiltetijd waarna het Bluetooth-audiokanaal tussen %s en de Bluetooth-headset wordt gesloten. Het audiokanaal sluit automatisch als er gedurende [Time-out audiokanaal] seconden geen audiosignaal van %s terugkomt. De standaardwaarde is 5 seconden.",
    /* Russian  */ L"[Тайм-аут аудиоканала]\nТайм-аут аудиоканала — это время отсутствия звука, после которого закрывается аудиоканал Bluetooth между %s и Bluetooth-гарнитурой. Аудиоканал закрывается автоматически, если от %s не поступает звуковой сигнал в течение [Тайм-аут аудиоканала] секунд. Значение по умолчанию — 5 секунд.",
    /* Chinese  */ L"[音频通道超时]\n音频通道超时是关闭 %s 与蓝牙耳机之间蓝牙音频通道的音频空闲时间条件。如果在[音频通道超时]秒内没有音频信号从 %s 返回,音频通道将自动关闭。默认值为 5 秒。",
    /* Finnish  */ L"[Äänikanavan aikakatkaisu]\nÄänikanavan aikakatkaisu on äänettömyyden aika, jonka jälkeen Bluetooth-äänikanava laitteen %s ja Bluetooth-kuulokkeiden välillä suljetaan. Äänikanava sulkeutuu automaattisesti, jos laitteesta %s ei tule äänisignaalia [Äänikanavan aikakatkaisu] sekuntiin. Oletusarvo on 5 sekuntia.",
    /* Czech    */ L"[Časový limit zvukového kanálu]\nČasový limit zvukového kanálu je doba nečinnosti zvuku, po které se zavře zvukový kanál Bluetooth mezi %s a náhlavní soupravou Bluetooth. Zvukový kanál se automaticky zavře, pokud z %s po dobu [Časový limit zvukového kanálu] sekund nepřichází žádný zvukový signál. Výchozí hodnota je 5 sekund.",
    /* Polish   */ L"[Limit czasu kanału audio]\nLimit czasu kanału audio to czas bezczynności dźwięku, po którym zamykany jest kanał audio Bluetooth między %s a zestawem słuchawkowym Bluetooth. Kanał audio zamyka się automatycznie, jeśli z %s przez [Limit czasu kanału audio] sekund nie wraca żaden sygnał audio. Wartość domyślna to 5 sekund.",
};

HelpRows g_motionSensorSensitivity = {
    /* English  */ L"[Motion Sensor Sensitivity]\nThis setting determines the sensitivity when you double tap on the surface of the %s to enter the voice command mode.",
    /* French   */ L"[Sensibilité du capteur de mouvement]\nCe réglage détermine la sensibilité lorsque vous tapez deux fois sur la surface du %s pour passer en mode commande vocale.",
    /* German   */ L"[Bewegungssensor-Empfindlichkeit]\nDiese Einstellung bestimmt die Empfindlichkeit, wenn Sie zweimal auf die Oberfläche des %s tippen, um den Sprachbefehlsmodus aufzurufen.",
    /* Italian  */ L"[Sensibilità sensore di movimento]\nQuesta impostazione determina la sensibilità quando si tocca due volte la superficie del %s per entrare nella modalità comandi vocali.",
    /* Japanese */ L"[モーションセンサー感度]\n%sの表面をダブルタップして音声コマンドモードに入るときの感度を設定します。",
    /* Korean   */ L"[모션 센서 감도]\n%s의 표면을 두 번 두드려 음성 명령 모드로 들어갈 때의 감도를 설정합니다.",
    /* Spanish  */ L"[Sensibilidad del sensor de movimiento]\nEste ajuste determina la sensibilidad al tocar dos veces la superficie del %s para entrar en el modo de comandos de voz.",
    /* Dutch    */ L"[Gevoeligheid bewegingssensor]\nDeze instelling bepaalt de gevoeligheid wanneer u twee keer op het oppervlak van de %s tikt om de spraakopdrachtmodus te openen.",
    /* Russian  */ L"[Чувствительность датчика движения]\nЭта настройка определяет чувствительность при двойном касании поверхности %s для входа в режим голосовых команд.",
    /* Chinese  */ L"[运动传感器灵敏度]\n此设置决定双击 %s 表面进入语音命令模式时的灵敏度。",
    /* Finnish  */ L"[Liiketunnistimen herkkyys]\nTämä asetus määrää herkkyyden, kun napautat laitteen %s pintaa kahdesti siirtyäksesi äänikomentotilaan.",
    /* Czech    */ L"[Citlivost pohybového senzoru]\nToto nastavení určuje citlivost při dvojitém klepnutí na povrch %s pro přechod do režimu hlasových příkazů.",
    /* Polish   */ L"[Czułość czujnika ruchu]\nTo ustawienie określa czułość przy dwukrotnym stuknięciu w powierzchnię %s w celu przejścia do trybu poleceń głosowych.",
};

// Finnish names Dualstream once.
HelpRows g_navigationAppSupport = {
    /* English  */ L"[Navigation App Support]\nWhen %s is enabled, this feature allows you to hear audible instructions from the smartphone's GPS app without lowering the volume. %s must be enabled to use this feature.",
    /* French   */ L"[Prise en charge des applis de navigation]\nLorsque %s est activé, cette fonction vous permet d'entendre les instructions de l'appli GPS du smartphone sans baisser le volume. %s doit être activé pour utiliser cette fonction.",
    /* German   */ L"[Navigations-App-Unterstützung]\nIst %s aktiviert, hören Sie mit dieser Funktion die Ansagen der GPS-App des Smartphones, ohne dass die Lautstärke gesenkt wird. Für diese Funktion muss %s aktiviert sein.",
    /* Italian  */ L"[Supporto app di navigazione]\nQuando %s è attivato, questa funzione consente di sentire le istruzioni dell'app GPS dello smartphone senza abbassare il volume. Per usare questa funzione %s deve essere attivato.",
    /* Japanese */ L"[ナビアプリサポート]\n%sが有効な場合、この機能により音量を下げずにスマートフォンのGPSアプリの音声案内を聞くことができます。この機能を使うには%sを有効にする必要があります。",
    /* Korean   */ L"[내비게이션 앱 지원]\n%s이(가) 활성화되어 있으면 이 기능으로 음량을 낮추지 않고 스마트폰 GPS 앱의 음성 안내를 들을 수 있습니다. 이 기능을 사용하려면 %s을(를) 활성화해야 합니다.",
    /* Spanish  */ L"[Compatibilidad con apps de navegación]\nCuando %s está activado, esta función le permite oír las indicaciones de la app GPS del smartphone sin bajar el volumen. %s debe estar activado para usar esta función.",
    /* Dutch    */ L"[Ondersteuning navigatie-app]\nAls %s is ingeschakeld, hoort u met deze functie de gesproken aanwijzingen van de gps-app van de smartphone zonder dat het volume omlaag gaat. %s moet zijn ingeschakeld om deze functie te gebruiken.",
    /* Russian  */ L"[Поддержка навигационных приложений]\nКогда %s включён, эта функция позволяет слышать голосовые указания GPS-приложения смартфона без снижения громкости. Для использования этой функции %s должен быть включён.",
    /* Chinese  */ L"[导航应用支持]\n启用 %s 后,此功能可让您在不降低音量的情况下听到智能手机 GPS 应用的语音指示。必须启用 %s 才能使用此功能。",
    /* Finnish  */ L"[Navigointisovelluksen tuki]\nKun %s on käytössä, tämän toiminnon avulla kuulet älypuhelimen GPS-sovelluksen ääniohjeet äänenvoimakkuutta laskematta. Toiminto edellyttää, että asetus on käytössä.",
    /* Czech    */ L"[Podpora navigačních aplikací]\nKdyž je %s zapnutý, umožní vám tato funkce slyšet hlasové pokyny GPS aplikace smartphonu bez snížení hlasitosti. Pro použití této funkce musí být %s zapnutý.",
    /* Polish   */ L"[Obsługa aplikacji nawigacyjnych]\nGdy %s jest włączony, ta funkcja pozwala słyszeć komunikaty aplikacji GPS smartfona bez ściszania dźwięku. Aby korzystać z tej funkcji, %s musi być włączony.",
};

HelpRows g_dualstream = {
    /* English  */ L"[Dualstream™]\n%s enables you to have an intercom conversation while listening to music, %s, or GPS instructions. Other audio sources are played in the background at a lower volume whenever an intercom conversation starts. When the conversation ends, the other audio resumes at normal volume. If this feature is disabled, any incoming or outgoing intercom transmissions will interrupt audio playback.",
    /* French   */ L"[Dualstream™]\n%s vous permet de converser par interphone tout en écoutant de la musique, la %s ou les instructions GPS. Les autres sources audio sont lues en arrière-plan à un volume plus faible dès qu'une conversation par interphone commence. À la fin de la conversation, l'autre audio reprend au volume normal. Si cette fonction est désactivée, toute transmission d'interphone entrante ou sortante interrompt la lecture audio.",
    /* German   */ L"[Dualstream™]\nMit %s können Sie ein Intercom-Gespräch führen und dabei Musik, %s oder GPS-Ansagen hören. Andere Audioquellen laufen leiser im Hintergrund weiter, sobald ein Intercom-Gespräch beginnt. Endet das Gespräch, wird das andere Audio wieder mit normaler Lautstärke wiedergegeben. Ist diese Funktion deaktiviert, unterbricht jede ein- oder ausgehende Intercom-Übertragung die Audiowiedergabe.",
    /* Italian  */ L"[Dualstream™]\n%s consente di avere una conversazione interfono mentre si ascolta musica, %s o istruzioni GPS. Le altre sorgenti audio vengono riprodotte in sottofondo a volume ridotto quando inizia una conversazione interfono. Al termine della conversazione, l'altro audio riprende al volume normale. Se questa funzione è disattivata, qualsiasi trasmissione interfono in entrata o in uscita interrompe la riproduzione audio.",
    /* Japanese */ L"[Dualstream™]\n%sを使うと、音楽、%s、GPS案内を聞きながらインターコム通話ができます。インターコム通話が始まると、他の音声は小さな音量でバックグラウンド再生されます。通話が終わると、他の音声は通常の音量に戻ります。この機能を無効にすると、インターコムの送受信のたびに音声再生が中断されます。",
    /* Korean   */ L"[Dualstream™]\n%s을(를) 사용하면 음악, %s 또는 GPS 안내를 들으면서 인터콤 대화를 할 수 있습니다. 인터콤 대화가 시작되면 다른 오디오는 낮은 음량으로 배경에서 재생됩니다. 대화가 끝나면 다른 오디오가 원래 음량으로 돌아갑니다. 이 기능을 비활성화하면 인터콤 송수신 시 오디오 재생이 중단됩니다.",
    /* Spanish  */ L"[Dualstream™]\n%s le permite mantener una conversación por intercomunicador mientras escucha música, la %s o instrucciones GPS. Las demás fuentes de audio se reproducen de fondo a menor volumen cuando empieza una conversación por intercomunicador. Al terminar la conversación, el otro audio vuelve al volumen normal. Si esta función está desactivada, cualquier transmisión de intercomunicador entrante o saliente interrumpirá la reproducción de audio.",
    /* Dutch    */ L"[Dualstream™]\nMet %s kunt u een intercomgesprek voeren terwijl u naar muziek, %s of gps-aanwijzingen luistert. Andere audiobronnen spelen zachter op de achtergrond zodra een intercomgesprek begint. Na het gesprek speelt de andere audio weer op normaal volume. Als deze functie is uitgeschakeld, onderbreekt elke inkomende of uitgaande intercomverbinding het afspelen van audio.",
    /* Russian  */ L"[Dualstream™]\n%s позволяет разговаривать по интеркому, слушая музыку, %s или указания GPS. Когда начинается разговор по интеркому, другие источники звука воспроизводятся в фоне с меньшей громкостью. По окончании разговора громкость другого звука восстанавливается. Если эта функция отключена, любая входящая или исходящая передача интеркома прерывает воспроизведение звука.",
    /* Chinese  */ L"[Dualstream™]\n%s 让您可以在收听音乐、%s 或 GPS 指示的同时进行对讲通话。对讲通话开始时,其他音频会以较低音量在后台播放。通话结束后,其他音频恢复正常音量。如果禁用此功能,任何对讲的呼入或呼出都会中断音频播放。",
    /* Finnish  */ L"[Dualstream™]\n%s mahdollistaa sisäpuhelinkeskustelun samalla, kun kuuntelet musiikkia, %s-lähetystä tai GPS-ohjeita. Muut äänilähteet soivat taustalla hiljaisemmalla äänellä aina, kun sisäpuhelinkeskustelu alkaa. Kun keskustelu päättyy, muu ääni palaa normaaliin voimakkuuteen. Jos toiminto on pois käytöstä, jokainen saapuva tai lähtevä sisäpuhelinyhteys keskeyttää äänentoiston.",
    /* Czech    */ L"[Dualstream™]\n%s vám umožňuje vést hovor přes interkom a současně poslouchat hudbu, %s nebo pokyny GPS. Ostatní zdroje zvuku hrají při zahájení hovoru přes interkom tišeji na pozadí. Po skončení hovoru se ostatní zvuk vrátí na normální hlasitost. Pokud je tato funkce vypnutá, každý příchozí nebo odchozí přenos interkomu přeruší přehrávání zvuku.",
    /* Polish   */ L"[Dualstream™]\n%s pozwala prowadzić rozmowę przez interkom podczas słuchania muzyki, %s lub komunikatów GPS. Gdy zaczyna się rozmowa przez interkom, inne źródła dźwięku grają ciszej w tle. Po zakończeniu rozmowy inny dźwięk wraca do normalnej głośności. Jeśli ta funkcja jest wyłączona, każda przychodząca lub wychodząca transmisja interkomu przerywa odtwarzanie dźwięku.",
};

HelpRows g_overlaySensitivityMusic = {
    /* English  */ L"[Intercom-Layertone Sensitivity]\nWhen the %s setting is enabled, if you talk over the intercom while music is playing, then the music volume will be lowered to play in the background. You can adjust the intercom sensitivity to activate this background music mode. Level 1 has the lowest sensitivity and level 10 has the highest.",
    /* French   */ L"[Sensibilité Interphone-Layertone]\nLorsque le réglage %s est activé, si vous parlez dans l'interphone pendant la lecture de musique, le volume de la musique baisse pour continuer en arrière-plan. Vous pouvez régler la sensibilité de l'interphone qui déclenche ce mode musique d'arrière-plan. Le niveau 1 est le moins sensible et le niveau 10 le plus sensible.",
    /* German   */ L"[Intercom-Layertone-Empfindlichkeit]\nIst die Einstellung %s aktiviert und Sie sprechen bei laufender Musik über die Intercom, wird die Musik leiser im Hintergrund weitergespielt. Sie können die Intercom-Empfindlichkeit einstellen, mit der dieser Hintergrundmusik-Modus auslöst. Stufe 1 ist die niedrigste und Stufe 10 die höchste Empfindlichkeit.",
    /* Italian  */ L"[Sensibilità interfono-Layertone]\nQuando l'impostazione %s è attivata, se si parla all'interfono mentre è in riproduzione la musica, il volume della musica viene abbassato e la musica continua in sottofondo. È possibile regolare la sensibilità dell'interfono che attiva questa modalità di musica di sottofondo. Il livello 1 ha la sensibilità più bassa e il livello 10 la più alta.",
    /* Japanese */ L"[インターコム-Layertone感度]\n%s設定が有効なとき、音楽再生中にインターコムで話すと、音楽の音量が下がりバックグラウンドで再生されます。このバックグラウンドミュージックモードを作動させるインターコムの感度を調整できます。レベル1が最も低い感度で、レベル10が最も高い感度です。",
    /* Korean   */ L"[인터콤-Layertone 감도]\n%s 설정이 활성화된 상태에서 음악 재생 중 인터콤으로 말하면 음악 음량이 낮아져 배경에서 재생됩니다. 이 배경 음악 모드를 작동시키는 인터콤 감도를 조정할 수 있습니다. 레벨 1이 가장 낮은 감도이고 레벨 10이 가장 높은 감도입니다.",
    /* Spanish  */ L"[Sensibilidad intercomunicador-Layertone]\nCon el ajuste %s activado, si habla por el intercomunicador mientras suena música, el volumen de la música baja para seguir sonando de fondo. Puede ajustar la sensibilidad del intercomunicador que activa este modo de música de fondo. El nivel 1 tiene la sensibilidad más baja y el nivel 10 la más alta.",
    /* Dutch    */ L"[Gevoeligheid intercom-Layertone]\nAls de instelling %s is ingeschakeld en u via de intercom praat terwijl er muziek speelt, gaat het muziekvolume omlaag en speelt de muziek op de achtergrond. U kunt de intercomgevoeligheid instellen waarmee deze achtergrondmuziekmodus start. Niveau 1 is het minst gevoelig en niveau 10 het meest.",
    /* Russian  */ L"[Чувствительность интерком-Layertone]\nКогда настройка %s включена и вы говорите по интеркому во время воспроизведения музыки, громкость музыки снижается и она звучит в фоне. Можно настроить чувствительность интеркома, при которой включается этот режим фоновой музыки. Уровень 1 — самая низкая чувствительность, уровень 10 — самая высокая.",
    /* Chinese  */ L"[对讲-Layertone 灵敏度]\n启用 %s 设置后,如果在播放音乐时通过对讲说话,音乐音量会降低并在后台播放。您可以调整触发此背景音乐模式的对讲灵敏度。1 级灵敏度最低,10 级最高。",
    /* Finnish  */ L"[Sisäpuhelin-Layertone-herkkyys]\nKun %s-asetus on käytössä ja puhut sisäpuhelimeen musiikin soidessa, musiikin äänenvoimakkuus laskee ja musiikki soi taustalla. Voit säätää sisäpuhelimen herkkyyttä, jolla tämä taustamusiikkitila käynnistyy. Taso 1 on herkkyydeltään matalin ja taso 10 korkein.",
    /* Czech    */ L"[Citlivost interkom-Layertone]\nKdyž je nastavení %s zapnuté a během přehrávání hudby mluvíte do interkomu, hlasitost hudby se sníží a hudba hraje na pozadí. Můžete nastavit citlivost interkomu, při které se tento režim hudby na pozadí zapne. Úroveň 1 má nejnižší citlivost a úroveň 10 nejvyšší.",
    /* Polish   */ L"[Czułość interkom-Layertone]\nGdy ustawienie %s jest włączone i mówisz przez interkom podczas odtwarzania muzyki, głośność muzyki zostaje obniżona i gra ona w tle. Możesz ustawić czułość interkomu, przy której włącza się ten tryb muzyki w tle. Poziom 1 ma najniższą czułość, a poziom 10 najwyższą.",
};

HelpRows g_overlaySensitivityAllSources = {
    /* English  */ L"[Intercom-Layertone Sensitivity]\nThe music, FM radio and GPS volume will be lowered to play in the background if you talk over the intercom while the overlaid audio is playing. You can adjust the intercom sensitivity to activate this background audio mode. Level 1 has the lowest sensitivity and level 5 has the highest sensitivity.",
    /* French   */ L"[Sensibilité Interphone-Layertone]\nLe volume de la musique, de la radio FM et du GPS baisse pour continuer en arrière-plan si vous parlez dans l'interphone pendant la lecture de l'audio superposé. Vous pouvez régler la sensibilité de l'interphone qui déclenche ce mode audio d'arrière-plan. Le niveau 1 est le moins sensible et le niveau 5 le plus sensible.",
    /* German   */ L"[Intercom-Layertone-Empfindlichkeit]\nMusik, UKW-Radio und GPS werden leiser im Hintergrund weitergespielt, wenn Sie während der überlagerten Wiedergabe über die Intercom sprechen. Sie können die Intercom-Empfindlichkeit einstellen, mit der dieser Hintergrund-Audiomodus auslöst. Stufe 1 ist die niedrigste und Stufe 5 die höchste Empfindlichkeit.",
    /* Italian  */ L"[Sensibilità interfono-Layertone]\nIl volume di musica, radio FM e GPS viene abbassato e la riproduzione continua in sottofondo se si parla all'interfono mentre è in riproduzione l'audio sovrapposto. È possibile regolare la sensibilità dell'interfono che attiva questa modalità audio di sottofondo. Il livello 1 ha la sensibilità più bassa e il livello 5 la più alta.",
    /* Japanese */ L"[インターコム-Layertone感度]\n重ねて再生している音声の再生中にインターコムで話すと、音楽、FMラジオ、GPSの音量が下がりバックグラウンドで再生されます。このバックグラウンドオーディオモードを作動させるインターコムの感度を調整できます。レベル1が最も低い感度で、レベル5が最も高い感度です。",
    /* Korean   */ L"[인터콤-Layertone 감도]\n겹쳐진 오디오가 재생되는 동안 인터콤으로 말하면 음악, FM 라디오, GPS 음량이 낮아져 배경에서 재생됩니다. 이 배경 오디오 모드를 작동시키는 인터콤 감도를 조정할 수 있습니다. 레벨 1이 가장 낮은 감도이고 레벨 5가 가장 높은 감도입니다.",
    /* Spanish  */ L"[Sensibilidad intercomunicador-Layertone]\nEl volumen de la música, la radio FM y el GPS baja para seguir sonando de fondo si habla por el intercomunicador mientras suena el audio superpuesto. Puede ajustar la sensibilidad del intercomunicador que activa este modo de audio de fondo. El nivel 1 tiene la sensibilidad más baja y el nivel 5 la más alta.",
    /* Dutch    */ L"[Gevoeligheid intercom-Layertone]\nHet volume van muziek, FM-radio en gps gaat omlaag en speelt op de achtergrond als u via de intercom praat terwijl de overlappende audio speelt. U kunt de intercomgevoeligheid instellen waarmee deze achtergrondaudiomodus start. Niveau 1 is het minst gevoelig en niveau 5 het meest.",
    /* Russian  */ L"[Чувствительность интерком-Layertone]\nГромкость музыки, FM-радио и GPS снижается, и они звучат в фоне, если вы говорите по интеркому во время воспроизведения наложенного звука. Можно настроить чувствительность интеркома, при которой включается этот режим фонового звука. Уровень 1 — самая низкая чувствительность, уровень 5 — самая высокая.",
    /* Chinese  */ L"[对讲-Layertone 灵敏度]\n在播放叠加音频时,如果通过对讲说话,音乐、FM 收音机和 GPS 的音量会降低并在后台播放。您可以调整触发此背景音频模式的对讲灵敏度。1 级灵敏度最低,5 级灵敏度最高。",
    /* Finnish  */ L"[Sisäpuhelin-Layertone-herkkyys]\nMusiikin, FM-radion ja GPS:n äänenvoimakkuus laskee ja ne soivat taustalla, jos puhut sisäpuhelimeen päällekkäisen äänen soidessa. Voit säätää sisäpuhelimen herkkyyttä, jolla tämä taustaäänitila käynnistyy. Taso 1 on herkkyydeltään matalin ja taso 5 korkein.",
    /* Czech    */ L"[Citlivost interkom-Layertone]\nHlasitost hudby, rádia FM a GPS se sníží a zvuk hraje na pozadí, pokud mluvíte do interkomu během přehrávání překrývaného zvuku. Můžete nastavit citlivost interkomu, při které se tento režim zvuku na pozadí zapne. Úroveň 1 má nejnižší citlivost a úroveň 5 nejvyšší.",
    /* Polish   */ L"[Czułość interkom-Layertone]\nGłośność muzyki, radia FM i GPS zostaje obniżona i grają one w tle, jeśli mówisz przez interkom podczas odtwarzania nakładanego dźwięku. Możesz ustawić czułość interkomu, przy której włącza się ten tryb dźwięku w tle. Poziom 1 ma najniższą czułość, a poziom 5 najwyższą.",
};

HelpRows g_unitLanguage = {
    /* English  */ L"[Unit Language]\nSelect your voice prompt language.",
    /* French   */ L"[Langue de l'appareil]\nSélectionnez la langue des messages vocaux.",
    /* German   */ L"[Gerätesprache]\nWählen Sie die Sprache der Sprachansagen.",
    /* Italian  */ L"[Lingua del dispositivo]\nSelezionare la lingua dei messaggi vocali.",
    /* Japanese */ L"[本体言語]\n音声プロンプトの言語を選択してください。",
    /* Korean   */ L"[기기 언어]\n음성 안내 언어를 선택하십시오.",
    /* Spanish  */ L"[Idioma del dispositivo]\nSeleccione el idioma de las indicaciones de voz.",
    /* Dutch    */ L"[Taal van het apparaat]\nKies de taal van de gesproken berichten.",
    /* Russian  */ L"[Язык устройства]\nВыберите язык голосовых подсказок.",
    /* Chinese  */ L"[设备语言]\n请选择语音提示的语言。",
    /* Finnish  */ L"[Laitteen kieli]\nValitse äänikehotteiden kieli.",
    /* Czech    */ L"[Jazyk zařízení]\nVyberte jazyk hlasových výzev.",
    /* Polish   */ L"[Język urządzenia]\nWybierz język komunikatów głosowych.",
};

// Italian writes the name into the sentence.
HelpRows g_audioBoost = {
    /* English  */ L"[Audio Boost]\nWhen %s is enabled, you can hear audio at a louder maximum volume level.",
    /* French   */ L"[Audio Boost]\nLorsque %s est activé, vous pouvez écouter l'audio à un volume maximal plus élevé.",
    /* German   */ L"[Audio Boost]\nIst %s aktiviert, hören Sie Audio mit einer höheren maximalen Lautstärke.",
    /* Italian  */ L"[Audio Boost]\nQuando Audio Boost è attivato, è possibile ascoltare l'audio a un volume massimo più alto.",
    /* Japanese */ L"[Audio Boost]\n%sを有効にすると、より大きな最大音量で音声を聞くことができます。",
    /* Korean   */ L"[Audio Boost]\n%s을(를) 활성화하면 더 큰 최대 음량으로 오디오를 들을 수 있습니다.",
    /* Spanish  */ L"[Audio Boost]\nCuando %s está activado, puede oír el audio a un volumen máximo más alto.",
    /* Dutch    */ L"[Audio Boost]\nAls %s is ingeschakeld, hoort u audio met een hoger maximaal volume.",
    /* Russian  */ L"[Audio Boost]\nКогда %s включён, максимальная громкость звука выше.",
    /* Chinese  */ L"[Audio Boost]\n启用 %s 后,您可以以更高的最大音量收听音频。",
    /* Finnish  */ L"[Audio Boost]\nKun %s on käytössä, kuulet äänen suuremmalla enimmäisäänenvoimakkuudella.",
    /* Czech    */ L"[Audio Boost]\nKdyž je %s zapnutý, můžete poslouchat zvuk s vyšší maximální hlasitostí.",
    /* Polish   */ L"[Audio Boost]\nGdy %s jest włączony, możesz słuchać dźwięku z wyższą maksymalną głośnością.",
};

} // namespace

// clang-format on

std::wstring GetHelpPacketLossConcealment(int language)
{
    return PickHelp(g_plc, language);
}
std::wstring GetHelpHighQualityA2dp(int language)
{
    return PickHelp(g_highQualityA2dp, language);
}
std::wstring GetHelpMicrophoneBoosting(int language)
{
    return PickHelp(g_microphoneBoosting, language);
}
std::wstring GetHelpSidetone(int language)
{
    return PickHelp(g_sidetone, language);
}
std::wstring GetHelpHushguard(int language)
{
    return PickHelp(g_hushguard, language);
}
std::wstring GetHelpAutoGainControl(int language)
{
    return PickHelp(g_autoGainControl, language);
}
std::wstring GetHelpRadioTransmitGain(int language)
{
    return PickHelp(g_radioTransmitGain, language);
}
std::wstring GetHelpEnhancedDataRate(int language)
{
    // The address goes in as a value: a translation is never read as a format.
    return FillPlaceholders(PickHelp(g_enhancedDataRate, language), {GetSupportAddress()});
}
std::wstring GetHelpAudioChannelTimeout(int language)
{
    return PickHelp(g_audioChannelTimeout, language);
}
std::wstring GetHelpMotionSensorSensitivity(int language)
{
    return PickHelp(g_motionSensorSensitivity, language);
}
std::wstring GetHelpNavigationAppSupport(int language)
{
    return PickHelp(g_navigationAppSupport, language);
}
std::wstring GetHelpDualstream(int language)
{
    return PickHelp(g_dualstream, language);
}
std::wstring GetHelpOverlaySensitivityMusic(int language)
{
    return PickHelp(g_overlaySensitivityMusic, language);
}
std::wstring GetHelpOverlaySensitivityAllSources(int language)
{
    return PickHelp(g_overlaySensitivityAllSources, language);
}
std::wstring GetHelpUnitLanguage(int language)
{
    return PickHelp(g_unitLanguage, language);
}
std::wstring GetHelpAudioBoost(int language)
{
    return PickHelp(g_audioBoost, language);
}

std::vector<HelpTextTable> AudioHelpTextTables()
{
    return {
        {"PacketLossConcealment", g_plc},
        {"HighQualityA2dp", g_highQualityA2dp},
        {"MicrophoneBoosting", g_microphoneBoosting},
        {"Sidetone", g_sidetone},
        {"Hushguard", g_hushguard},
        {"AutoGainControl", g_autoGainControl},
        {"RadioTransmitGain", g_radioTransmitGain},
        {"EnhancedDataRate", g_enhancedDataRate},
        {"AudioChannelTimeout", g_audioChannelTimeout},
        {"MotionSensorSensitivity", g_motionSensorSensitivity},
        {"NavigationAppSupport", g_navigationAppSupport},
        {"Dualstream", g_dualstream},
        {"OverlaySensitivityMusic", g_overlaySensitivityMusic},
        {"OverlaySensitivityAllSources", g_overlaySensitivityAllSources},
        {"UnitLanguage", g_unitLanguage},
        {"AudioBoost", g_audioBoost},
    };
}
