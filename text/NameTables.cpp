#include "text/NameTables.h"

#include "text/UiLanguageRow.h"

#include <cstddef>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// Every row is the product's own.
const wchar_t* const g_textLowMediumHigh[kUiLanguageCount][3] = {
    /* English  */ {L"Low", L"Medium", L"High"},
    /* French   */ {L"Faible", L"Moyen", L"Élevé"},
    /* German   */ {L"Niedrig", L"Mittel", L"Hoch"},
    /* Italian  */ {L"Basso", L"Medio", L"Alto"},
    /* Japanese */ {L"低", L"中", L"高"},
    /* Korean   */ {L"낮음", L"보통", L"높음"},
    /* Spanish  */ {L"Baja", L"Media", L"Alta"},
    /* Dutch    */ {L"Laag", L"Gemiddeld", L"Hoog"},
    /* Russian  */ {L"Низкий", L"Средний", L"Высокий"},
    /* Chinese  */ {L"低", L"中", L"高"},
    /* Finnish  */ {L"Matala", L"Keskisuuri", L"Korkea"},
    /* Czech    */ {L"Nízká", L"Střední", L"Vysoká"},
    /* Polish   */ {L"Niskie", L"Średnie", L"Wysokie"},
};

// Every row is the product's own. The entry is the FM region number.
const wchar_t* const g_textFmRegionNames[kUiLanguageCount][6] = {
    /* English  */ {L"Worldwide", L"Americas", L"Asia", L"Australia", L"Europe", L"Japan"},
    /* French   */ {L"Monde", L"Amériques", L"Asie", L"Australie", L"Europe", L"Japon"},
    /* German   */ {L"Weltweit", L"Amerika", L"Asien", L"Australien", L"Europa", L"Japan"},
    /* Italian  */ {L"Tutto il mondo", L"Americhe", L"Asia", L"Australia", L"Europa", L"Giappone"},
    /* Japanese */ {L"全世界", L"アメリカ大陸", L"アジア", L"オーストラリア", L"ヨーロッパ", L"日本"},
    /* Korean   */ {L"전 세계", L"아메리카", L"아시아", L"오스트레일리아", L"유럽", L"일본"},
    /* Spanish  */ {L"Todo el mundo", L"América", L"Asia", L"Australia", L"Europa", L"Japón"},
    /* Dutch    */ {L"Wereldwijd", L"N-/Z-Amerika", L"Azië", L"Australië", L"Europa", L"Japan"},
    /* Russian  */ {L"Весь мир", L"Сев. и Юж. Америка", L"Азия", L"Австралия", L"Европа", L"Япония"},
    /* Chinese  */ {L"全球", L"美洲", L"亚洲", L"澳大利亚", L"欧洲", L"日本"},
    /* Finnish  */ {L"Maailmanlaajuinen", L"Amerikka", L"Aasia", L"Australia", L"Eurooppa", L"Japani"},
    /* Czech    */ {L"Celý svět", L"Amerika (kontinent)", L"Asie", L"Austrálie", L"Evropa", L"Japonsko"},
    /* Polish   */ {L"Cały świat", L"Ameryki", L"Azja", L"Australia", L"Europa", L"Japonia"},
};

// Every row is the product's own. Entry i names level i + 1.
const wchar_t* const g_textLevelNames[kUiLanguageCount][10] = {
    /* English  */ {L"Level 1", L"Level 2", L"Level 3", L"Level 4", L"Level 5", L"Level 6", L"Level 7", L"Level 8", L"Level 9", L"Level 10"},
    /* French   */ {L"Niveau 1", L"Niveau 2", L"Niveau 3", L"Niveau 4", L"Niveau 5", L"Niveau 6", L"Niveau 7", L"Niveau 8", L"Niveau 9", L"Niveau 10"},
    /* German   */ {L"Stufe 1", L"Stufe 2", L"Stufe 3", L"Stufe 4", L"Stufe 5", L"Stufe 6", L"Stufe 7", L"Stufe 8", L"Stufe 9", L"Stufe 10"},
    /* Italian  */ {L"Livello 1", L"Livello 2", L"Livello 3", L"Livello 4", L"Livello 5", L"Livello 6", L"Livello 7", L"Livello 8", L"Livello 9", L"Livello 10"},
    /* Japanese */ {L"レベル1", L"レベル2", L"レベル3", L"レベル4", L"レベル5", L"レベル6", L"レベル7", L"レベル8", L"レベル9", L"レベル10"},
    /* Korean   */ {L"1단계", L"2단계", L"3단계", L"4단계", L"5단계", L"6단계", L"7단계", L"8단계", L"9단계", L"10단계"},
    /* Spanish  */ {L"Nivel 1", L"Nivel 2", L"Nivel 3", L"Nivel 4", L"Nivel 5", L"Nivel 6", L"Nivel 7", L"Nivel 8", L"Nivel 9", L"Nivel 10"},
    /* Dutch    */ {L"Niveau 1", L"Niveau 2", L"Niveau 3", L"Niveau 4", L"Niveau 5", L"Niveau 6", L"Niveau 7", L"Niveau 8", L"Niveau 9", L"Niveau 10"},
    /* Russian  */ {L"Уровень 1", L"Уровень 2", L"Уровень 3", L"Уровень 4", L"Уровень 5", L"Уровень 6", L"Уровень 7", L"Уровень 8", L"Уровень 9", L"Уровень 10"},
    /* Chinese  */ {L"1 级", L"2 级", L"3 级", L"4 级", L"5 级", L"6 级", L"7 级", L"8 级", L"9 级", L"10 级"},
    /* Finnish  */ {L"Taso 1", L"Taso 2", L"Taso 3", L"Taso 4", L"Taso 5", L"Taso 6", L"Taso 7", L"Taso 8", L"Taso 9", L"Taso 10"},
    /* Czech    */ {L"Úroveň 1", L"Úroveň 2", L"Úroveň 3", L"Úroveň 4", L"Úroveň 5", L"Úroveň 6", L"Úroveň 7", L"Úroveň 8", L"Úroveň 9", L"Úroveň 10"},
    /* Polish   */ {L"Poziom 1", L"Poziom 2", L"Poziom 3", L"Poziom 4", L"Poziom 5", L"Poziom 6", L"Poziom 7", L"Poziom 8", L"Poziom 9", L"Poziom 10"},
};

// Every row is the product's own. Entry c names channel c.
const wchar_t* const g_textChannelNames[kUiLanguageCount][6] = {
    /* English  */ {L"CH 0 (Common)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* French   */ {L"CH 0 (Commun)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* German   */ {L"CH 0 (Standard)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Italian  */ {L"CH 0 (Predefinito)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Japanese */ {L"CH 0 (一般)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Korean   */ {L"CH 0 (기본)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Spanish  */ {L"CH 0 (Común)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Dutch    */ {L"CH 0 (Algemeen)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Russian  */ {L"CH 0 (По умолчанию)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Chinese  */ {L"CH 0 (公共)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Finnish  */ {L"CH 0 (Yleinen)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Czech    */ {L"CH 0 (obvyklý)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
    /* Polish   */ {L"CH 0 (domyślny)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"},
};

// Every row is the product's own. The entries follow the headset's own numbering of its
// voice-prompt languages, not the UI order; Czech and Polish have no unit language.
const wchar_t* const g_textUnitLanguageNames[kUiLanguageCount][11] = {
    /* English  */ {L"English", L"French", L"Spanish", L"Italian", L"German", L"Dutch", L"Russian", L"Chinese", L"Korean", L"Japanese", L"Finnish"},
    /* French   */ {L"Anglais", L"Français", L"Espagnol", L"Italien", L"Allemand", L"Néerlandais", L"Russe", L"Chinois", L"Coréen", L"Japonais", L"Finlandais"},
    /* German   */ {L"Englisch", L"Französisch", L"Spanisch", L"Italienisch", L"Deutsch", L"Niederländisch", L"Russisch", L"Chinesisch", L"Koreanisch", L"Japanisch", L"Finnisch"},
    /* Italian  */ {L"Inglese", L"Francese", L"Spagnolo", L"Italiano", L"Tedesco", L"Olandese", L"Russo", L"Cinese", L"Coreano", L"Giapponese", L"Finlandese"},
    /* Japanese */ {L"英語", L"フランス語", L"スペイン語", L"イタリア語", L"ドイツ語", L"オランダ語", L"ロシア語", L"中国語", L"韓国語", L"日本語", L"フィンランド語"},
    /* Korean   */ {L"영어", L"프랑스어", L"스페인어", L"이탈리아어", L"독일어", L"네덜란드어", L"러시아어", L"중국어", L"한국어", L"일본어", L"핀란드어"},
    /* Spanish  */ {L"Inglés", L"Francés", L"Español", L"Italiano", L"Alemán", L"Holandés", L"Ruso", L"Chino", L"Coreano", L"Japonés", L"Finlandés"},
    /* Dutch    */ {L"Engels", L"Frans", L"Spaans", L"Italiaans", L"Duits", L"Nederlands", L"Russisch", L"Chinees", L"Koreaans", L"Japans", L"Fins"},
    /* Russian  */ {L"Английский", L"Французский", L"Испанский", L"Итальянский", L"Немецкий", L"Нидерландский", L"Русский", L"Китайский", L"Корейский", L"Японский", L"Финский язык"},
    /* Chinese  */ {L"英语", L"法语", L"西班牙语", L"意大利语", L"德语", L"荷兰语", L"俄语", L"中文", L"韩语", L"日语", L"芬兰语"},
    /* Finnish  */ {L"Englanti", L"Ranska", L"Espanja", L"Italia", L"Saksa", L"Hollanti", L"Venäjä", L"Kiina", L"Korea", L"Japani", L"Suomen kieli"},
    /* Czech    */ {L"Angličtina", L"Francouzština", L"Španělština", L"Italština", L"Němčina", L"Holandština", L"Ruština", L"Čínština", L"Korejština", L"Japonština", L"Finština"},
    /* Polish   */ {L"Angielski", L"Francuski", L"Hiszpański", L"Włoski", L"Niemiecki", L"Holenderski", L"Rosyjski", L"Chiński", L"Koreański", L"Japoński", L"Fiński"},
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVoxIntercom[kUiLanguageCount] = {
    L"VOX Intercom", // English
    L"Interphone VOX", // French
    L"VOX-Intercom", // German
    L"Interfono VOX", // Italian
    L"VOXインターコム", // Japanese
    L"VOX 인터콤", // Korean
    L"Intercomunicador VOX", // Spanish
    L"VOX-intercom", // Dutch
    L"VOX интерком", // Russian
    L"VOX 对讲", // Chinese
    L"VOX-sisäpuhelin", // Finnish
    L"VOX interkom", // Czech
    L"Interkom VOX", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVoxPhone[kUiLanguageCount] = {
    L"VOX Phone", // English
    L"Téléphone VOX", // French
    L"VOX-Telefon", // German
    L"Telefono VOX", // Italian
    L"VOX電話", // Japanese
    L"VOX 전화", // Korean
    L"Teléfono VOX", // Spanish
    L"VOX-telefoon", // Dutch
    L"VOX телефон", // Russian
    L"VOX 电话", // Chinese
    L"VOX-puhelin", // Finnish
    L"VOX telefon", // Czech
    L"Telefon VOX", // Polish
};

// English and French are the product's own, French stored cut short as the product shows it;
// the other rows were translated here, Dutch and Russian cut short the same way.
const wchar_t* const g_textEdr[kUiLanguageCount] = {
    L"EDR (Enhanced Data Rate)", // English
    L"EDR (Débit de données améli...", // French
    L"EDR (Erhöhte Datenrate)", // German
    L"EDR (Velocità dati avanzata)", // Italian
    L"EDR (拡張データレート)", // Japanese
    L"EDR (향상된 데이터 전송률)", // Korean
    L"EDR (Velocidad de datos mejorada)", // Spanish
    L"EDR (Verbeterde gegevenssne...", // Dutch
    L"EDR (Улучшенная скорость пе...", // Russian
    L"EDR (增强数据速率)", // Chinese
    L"EDR (Parannettu tiedonsiirtonopeus)", // Finnish
    L"EDR (Rozšířená přenosová rychlost)", // Czech
    L"EDR (Zwiększona szybkość transmisji)", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVoicePrompt[kUiLanguageCount] = {
    L"Voice Prompt", // English
    L"Messages vocaux", // French
    L"Sprachansagen", // German
    L"Messaggi vocali", // Italian
    L"音声プロンプト", // Japanese
    L"음성 안내", // Korean
    L"Indicaciones de voz", // Spanish
    L"Gesproken berichten", // Dutch
    L"Голосовые подсказки", // Russian
    L"语音提示", // Chinese
    L"Äänikehotteet", // Finnish
    L"Hlasové výzvy", // Czech
    L"Komunikaty głosowe", // Polish
};

// English, and the German, Italian and Finnish rows that keep it, are the product's own;
// the other rows were translated here.
const wchar_t* const g_textPlc[kUiLanguageCount] = {
    L"PLC (Packet Loss Concealment)", // English
    L"PLC (Masquage de perte de paquets)", // French
    L"PLC (Packet Loss Concealment)", // German
    L"PLC (Packet Loss Concealment)", // Italian
    L"PLC (パケットロス補償)", // Japanese
    L"PLC (패킷 손실 은닉)", // Korean
    L"PLC (Ocultación de pérdida de paquetes)", // Spanish
    L"PLC (Maskering van pakketverlies)", // Dutch
    L"PLC (Маскировка потери пакетов)", // Russian
    L"PLC (丢包隐藏)", // Chinese
    L"PLC (Packet Loss Concealment)", // Finnish
    L"PLC (Maskování ztráty paketů)", // Czech
    L"PLC (Maskowanie utraty pakietów)", // Polish
};

// English, and the Polish row that keeps it, are the product's own; the other rows were
// translated here, Russian cut short as the product shows it.
const wchar_t* const g_textHighQualityA2dp[kUiLanguageCount] = {
    L"High Quality A2DP", // English
    L"A2DP haute qualité", // French
    L"A2DP in hoher Qualität", // German
    L"A2DP di alta qualità", // Italian
    L"高音質A2DP", // Japanese
    L"고품질 A2DP", // Korean
    L"A2DP de alta calidad", // Spanish
    L"A2DP van hoge kwaliteit", // Dutch
    L"Высококачественный звук...", // Russian
    L"高品质 A2DP", // Chinese
    L"Korkealaatuinen A2DP", // Finnish
    L"Vysoce kvalitní A2DP", // Czech
    L"High Quality A2DP", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textMicrophoneBoosting[kUiLanguageCount] = {
    L"Microphone Boosting", // English
    L"Amplification du micro", // French
    L"Mikrofonverstärkung", // German
    L"Amplificazione microfono", // Italian
    L"マイクブースト", // Japanese
    L"마이크 증폭", // Korean
    L"Amplificación del micrófono", // Spanish
    L"Microfoonversterking", // Dutch
    L"Усиление микрофона", // Russian
    L"麦克风增强", // Chinese
    L"Mikrofonin vahvistus", // Finnish
    L"Zesílení mikrofonu", // Czech
    L"Wzmocnienie mikrofonu", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textSidetone[kUiLanguageCount] = {
    L"Sidetone", // English
    L"Effet local", // French
    L"Mithörton", // German
    L"Effetto locale", // Italian
    L"サイドトーン", // Japanese
    L"사이드톤", // Korean
    L"Tono lateral", // Spanish
    L"Meeluistertoon", // Dutch
    L"Самопрослушивание", // Russian
    L"侧音", // Chinese
    L"Sivuääni", // Finnish
    L"Příposlech", // Czech
    L"Odsłuch własnego głosu", // Polish
};

// The product's own trade name, the same in every language.
const wchar_t* const g_textHushguard[kUiLanguageCount] = {
    L"Hushguard™", // English
    L"Hushguard™", // French
    L"Hushguard™", // German
    L"Hushguard™", // Italian
    L"Hushguard™", // Japanese
    L"Hushguard™", // Korean
    L"Hushguard™", // Spanish
    L"Hushguard™", // Dutch
    L"Hushguard™", // Russian
    L"Hushguard™", // Chinese
    L"Hushguard™", // Finnish
    L"Hushguard™", // Czech
    L"Hushguard™", // Polish
};

// English is the product's own; the other rows were translated here, German, Italian and
// Russian cut short as the product shows them.
const wchar_t* const g_textAutoGainControl[kUiLanguageCount] = {
    L"Auto Gain Control", // English
    L"Contrôle automatique du gain", // French
    L"Automatische Verstärkungsr...", // German
    L"Controllo automatico del g...", // Italian
    L"自動ゲイン制御", // Japanese
    L"자동 게인 제어", // Korean
    L"Control automático de ganancia", // Spanish
    L"Automatische versterkingsregeling", // Dutch
    L"Автоматическая регулиров...", // Russian
    L"自动增益控制", // Chinese
    L"Automaattinen vahvistuksen säätö", // Finnish
    L"Automatické řízení zisku", // Czech
    L"Automatyczna regulacja wzmocnienia", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textRadioTransmitGain[kUiLanguageCount] = {
    L"Radio Transmit Gain", // English
    L"Gain d'émission radio", // French
    L"Funk-Sendeverstärkung", // German
    L"Guadagno trasmissione radio", // Italian
    L"無線送信ゲイン", // Japanese
    L"무선 송신 게인", // Korean
    L"Ganancia de transmisión de radio", // Spanish
    L"Zendversterking radio", // Dutch
    L"Усиление радиопередачи", // Russian
    L"无线发射增益", // Chinese
    L"Radiolähetyksen vahvistus", // Finnish
    L"Zisk rádiového vysílání", // Czech
    L"Wzmocnienie nadawania radiowego", // Polish
};

// English is the product's own; the other rows were translated here, Russian cut short as the
// product shows it.
const wchar_t* const g_textAudioChannelTimeout[kUiLanguageCount] = {
    L"Audio Channel Timeout", // English
    L"Délai d'expiration du canal audio", // French
    L"Zeitlimit Audiokanal", // German
    L"Timeout canale audio", // Italian
    L"オーディオチャンネルタイムアウト", // Japanese
    L"오디오 채널 시간 초과", // Korean
    L"Tiempo de espera del canal de audio", // Spanish
    L"Time-out audiokanaal", // Dutch
    L"Время ожидания звукового к...", // Russian
    L"音频通道超时", // Chinese
    L"Äänikanavan aikakatkaisu", // Finnish
    L"Časový limit zvukového kanálu", // Czech
    L"Limit czasu kanału audio", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textAudioBoost[kUiLanguageCount] = {
    L"Audio Boost", // English
    L"Amplification audio", // French
    L"Audio-Boost", // German
    L"Potenziamento audio", // Italian
    L"オーディオブースト", // Japanese
    L"오디오 부스트", // Korean
    L"Refuerzo de audio", // Spanish
    L"Audioversterking", // Dutch
    L"Усиление звука", // Russian
    L"音频增强", // Chinese
    L"Äänen vahvistus", // Finnish
    L"Zesílení zvuku", // Czech
    L"Wzmocnienie dźwięku", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textRadioRegion[kUiLanguageCount] = {
    L"Radio Region", // English
    L"Région radio", // French
    L"Radioregion", // German
    L"Regione radio", // Italian
    L"ラジオ地域", // Japanese
    L"라디오 지역", // Korean
    L"Región de radio", // Spanish
    L"Radioregio", // Dutch
    L"Регион радио", // Russian
    L"收音机区域", // Chinese
    L"Radioalue", // Finnish
    L"Oblast rádia", // Czech
    L"Region radia", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textRdsAf[kUiLanguageCount] = {
    L"RDS AF (Alternative Frequencies)", // English
    L"RDS AF (Fréquences alternatives)", // French
    L"RDS AF (Alternativfrequenzen)", // German
    L"RDS AF (Frequenze alternative)", // Italian
    L"RDS AF (代替周波数)", // Japanese
    L"RDS AF (대체 주파수)", // Korean
    L"RDS AF (Frecuencias alternativas)", // Spanish
    L"RDS AF (Alternatieve frequenties)", // Dutch
    L"RDS AF (Альтернативные частоты)", // Russian
    L"RDS AF (替代频率)", // Chinese
    L"RDS AF (Vaihtoehtoiset taajuudet)", // Finnish
    L"RDS AF (Alternativní frekvence)", // Czech
    L"RDS AF (Częstotliwości alternatywne)", // Polish
};

// English is the product's own; the other rows were translated here, French, German, Italian,
// Spanish, Dutch and Russian cut short as the product shows them.
const wchar_t* const g_textMotionSensorSensitivity[kUiLanguageCount] = {
    L"Motion Sensor Sensitivity", // English
    L"Sensibilité du capteur de m...", // French
    L"Empfindlichkeit des Bewegu...", // German
    L"Sensibilità del sensore di...", // Italian
    L"モーションセンサー感度", // Japanese
    L"모션 센서 감도", // Korean
    L"Sensibilidad del sensor de...", // Spanish
    L"Gevoeligheid bewegingssen...", // Dutch
    L"Чувствительность датчика д...", // Russian
    L"运动传感器灵敏度", // Chinese
    L"Liiketunnistimen herkkyys", // Finnish
    L"Citlivost pohybového senzoru", // Czech
    L"Czułość czujnika ruchu", // Polish
};

// The product's own trade name, the same in every language.
const wchar_t* const g_textDualstream[kUiLanguageCount] = {
    L"Dualstream™", // English
    L"Dualstream™", // French
    L"Dualstream™", // German
    L"Dualstream™", // Italian
    L"Dualstream™", // Japanese
    L"Dualstream™", // Korean
    L"Dualstream™", // Spanish
    L"Dualstream™", // Dutch
    L"Dualstream™", // Russian
    L"Dualstream™", // Chinese
    L"Dualstream™", // Finnish
    L"Dualstream™", // Czech
    L"Dualstream™", // Polish
};

// English is the product's own; the other rows were translated here, French, German, Italian,
// Japanese, Spanish, Dutch and Russian cut short as the product shows them.
const wchar_t* const g_textOverlaySensitivity[kUiLanguageCount] = {
    L"Intercom-Layertone Sensitivity", // English
    L"Sensibilité Interphone-Lay...", // French
    L"Empfindlichkeit Intercom-L...", // German
    L"Sensibilità Interfono-Layer...", // Italian
    L"インターコム-Layertone...", // Japanese
    L"인터콤-Layertone 감도", // Korean
    L"Sensibilidad Intercomunica...", // Spanish
    L"Gevoeligheid intercom-Laye...", // Dutch
    L"Чувствительность интерком...", // Russian
    L"对讲-Layertone 灵敏度", // Chinese
    L"Sisäpuhelin-Layertone-herkkyys", // Finnish
    L"Citlivost interkomu-Layertone", // Czech
    L"Czułość interkomu-Layertone", // Polish
};

// English is the product's own; the other rows were translated here, German, Italian, Japanese
// and Spanish cut short as the product shows them.
const wchar_t* const g_textNavigationAppSupport[kUiLanguageCount] = {
    L"Navigation App Support", // English
    L"Prise en charge appli navigation", // French
    L"Unterstützung für Navigati...", // German
    L"Supporto per app di naviga...", // Italian
    L"ナビゲーションアプリの...", // Japanese
    L"내비게이션 앱 지원", // Korean
    L"Compatibilidad con aplicac...", // Spanish
    L"Ondersteuning navigatie-app", // Dutch
    L"Поддержка навигационных приложений", // Russian
    L"导航应用支持", // Chinese
    L"Navigointisovellustuki", // Finnish
    L"Podpora navigačních aplikací", // Czech
    L"Obsługa aplikacji nawigacyjnych", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVoxSensitivity[kUiLanguageCount] = {
    L"VOX Sensitivity", // English
    L"Sensibilité VOX", // French
    L"VOX-Empfindlichkeit", // German
    L"Sensibilità VOX", // Italian
    L"VOX感度", // Japanese
    L"VOX 감도", // Korean
    L"Sensibilidad VOX", // Spanish
    L"VOX-gevoeligheid", // Dutch
    L"Чувствительность VOX", // Russian
    L"VOX 灵敏度", // Chinese
    L"VOX-herkkyys", // Finnish
    L"Citlivost VOX", // Czech
    L"Czułość VOX", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textHdIntercom[kUiLanguageCount] = {
    L"HD Intercom", // English
    L"Interphone HD", // French
    L"HD-Intercom", // German
    L"Interfono HD", // Italian
    L"HDインターコム", // Japanese
    L"HD 인터콤", // Korean
    L"Intercomunicador HD", // Spanish
    L"HD-intercom", // Dutch
    L"HD интерком", // Russian
    L"高清对讲", // Chinese
    L"HD-sisäpuhelin", // Finnish
    L"HD interkom", // Czech
    L"Interkom HD", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textEightWayIntercom[kUiLanguageCount] = {
    L"Eight-way Intercom", // English
    L"Interphone à huit voies", // French
    L"Acht-Wege-Intercom", // German
    L"Interfono a otto vie", // Italian
    L"8ウェイインターコム", // Japanese
    L"8인 인터콤", // Korean
    L"Intercomunicador de ocho vías", // Spanish
    L"Achtweg-intercom", // Dutch
    L"Интерком на восемь абонентов", // Russian
    L"八方对讲", // Chinese
    L"Kahdeksan hengen sisäpuhelin", // Finnish
    L"Osmicestný interkom", // Czech
    L"Interkom ośmiokierunkowy", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textSmartVolumeControl[kUiLanguageCount] = {
    L"Smart Volume Control", // English
    L"Contrôle intelligent du volume", // French
    L"Intelligente Lautstärkeregelung", // German
    L"Controllo intelligente del volume", // Italian
    L"スマート音量調整", // Japanese
    L"스마트 볼륨 제어", // Korean
    L"Control de volumen inteligente", // Spanish
    L"Slimme volumeregeling", // Dutch
    L"Умная регулировка громкости", // Russian
    L"智能音量控制", // Chinese
    L"Älykäs äänenvoimakkuuden säätö", // Finnish
    L"Inteligentní ovládání hlasitosti", // Czech
    L"Inteligentna regulacja głośności", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textFmStationGuide[kUiLanguageCount] = {
    L"FM Station Guide", // English
    L"Guide des stations FM", // French
    L"UKW-Senderführer", // German
    L"Guida stazioni FM", // Italian
    L"FM局ガイド", // Japanese
    L"FM 방송국 안내", // Korean
    L"Guía de emisoras FM", // Spanish
    L"FM-zendergids", // Dutch
    L"Гид по FM-станциям", // Russian
    L"FM 电台指南", // Chinese
    L"FM-asemaopas", // Finnish
    L"Průvodce stanicemi FM", // Czech
    L"Przewodnik po stacjach FM", // Polish
};

// English, and the German, Italian, Korean, Russian and Chinese rows that keep it, are the
// product's own; the other rows were translated here.
const wchar_t* const g_textHdVoice[kUiLanguageCount] = {
    L"HD Voice", // English
    L"Voix HD", // French
    L"HD Voice", // German
    L"HD Voice", // Italian
    L"HDボイス", // Japanese
    L"HD Voice", // Korean
    L"Voz HD", // Spanish
    L"HD-spraak", // Dutch
    L"HD Voice", // Russian
    L"HD Voice", // Chinese
    L"HD-ääni", // Finnish
    L"HD hlas", // Czech
    L"Głos HD", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textAudioSourcePriority[kUiLanguageCount] = {
    L"Audio Source Priority", // English
    L"Priorité des sources audio", // French
    L"Priorität der Audioquellen", // German
    L"Priorità sorgente audio", // Italian
    L"オーディオソースの優先順位", // Japanese
    L"오디오 소스 우선순위", // Korean
    L"Prioridad de fuente de audio", // Spanish
    L"Prioriteit audiobron", // Dutch
    L"Приоритет источника звука", // Russian
    L"音频源优先级", // Chinese
    L"Äänilähteen prioriteetti", // Finnish
    L"Priorita zdroje zvuku", // Czech
    L"Priorytet źródła dźwięku", // Polish
};

// The product's own trade name, the same in every language.
const wchar_t* const g_textLayertone[kUiLanguageCount] = {
    L"Layertone™", // English
    L"Layertone™", // French
    L"Layertone™", // German
    L"Layertone™", // Italian
    L"Layertone™", // Japanese
    L"Layertone™", // Korean
    L"Layertone™", // Spanish
    L"Layertone™", // Dutch
    L"Layertone™", // Russian
    L"Layertone™", // Chinese
    L"Layertone™", // Finnish
    L"Layertone™", // Czech
    L"Layertone™", // Polish
};

// English is the product's own; the other rows were translated here around the trade name,
// which every language keeps as it is.
const wchar_t* const g_textBluetoothIntercomDualstream[kUiLanguageCount] = {
    L"Bluetooth Intercom Dualstream™", // English
    L"Dualstream™ de l'interphone Bluetooth", // French
    L"Bluetooth-Intercom-Dualstream™", // German
    L"Dualstream™ interfono Bluetooth", // Italian
    L"Bluetoothインターコム Dualstream™", // Japanese
    L"블루투스 인터콤 Dualstream™", // Korean
    L"Dualstream™ del intercomunicador Bluetooth", // Spanish
    L"Bluetooth-intercom Dualstream™", // Dutch
    L"Dualstream™ Bluetooth-интеркома", // Russian
    L"蓝牙对讲 Dualstream™", // Chinese
    L"Bluetooth-sisäpuhelimen Dualstream™", // Finnish
    L"Bluetooth interkom Dualstream™", // Czech
    L"Dualstream™ interkomu Bluetooth", // Polish
};

// The product's own trade name, the same in every language.
const wchar_t* const g_textRoutecue[kUiLanguageCount] = {
    L"Routecue", // English
    L"Routecue", // French
    L"Routecue", // German
    L"Routecue", // Italian
    L"Routecue", // Japanese
    L"Routecue", // Korean
    L"Routecue", // Spanish
    L"Routecue", // Dutch
    L"Routecue", // Russian
    L"Routecue", // Chinese
    L"Routecue", // Finnish
    L"Routecue", // Czech
    L"Routecue", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textGuestMode[kUiLanguageCount] = {
    L"Guest Mode", // English
    L"Mode invité", // French
    L"Gastmodus", // German
    L"Modalità ospite", // Italian
    L"ゲストモード", // Japanese
    L"게스트 모드", // Korean
    L"Modo invitado", // Spanish
    L"Gastmodus", // Dutch
    L"Гостевой режим", // Russian
    L"访客模式", // Chinese
    L"Vierastila", // Finnish
    L"Režim hosta", // Czech
    L"Tryb gościa", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVoiceCommand[kUiLanguageCount] = {
    L"Voice Command", // English
    L"Commande vocale", // French
    L"Sprachbefehl", // German
    L"Comando vocale", // Italian
    L"音声コマンド", // Japanese
    L"음성 명령", // Korean
    L"Comando de voz", // Spanish
    L"Spraakopdracht", // Dutch
    L"Голосовая команда", // Russian
    L"语音命令", // Chinese
    L"Äänikomento", // Finnish
    L"Hlasový příkaz", // Czech
    L"Polecenie głosowe", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textLayertoneVolumeManagement[kUiLanguageCount] = {
    L"Layertone Volume Management", // English
    L"Gestion du volume Layertone", // French
    L"Layertone-Lautstärkeverwaltung", // German
    L"Gestione volume Layertone", // Italian
    L"Layertone音量管理", // Japanese
    L"Layertone 볼륨 관리", // Korean
    L"Gestión de volumen de Layertone", // Spanish
    L"Layertone-volumebeheer", // Dutch
    L"Управление громкостью Layertone", // Russian
    L"Layertone 音量管理", // Chinese
    L"Layertone-äänenvoimakkuuden hallinta", // Finnish
    L"Správa hlasitosti Layertone", // Czech
    L"Zarządzanie głośnością Layertone", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textUnitLanguage[kUiLanguageCount] = {
    L"Unit Language", // English
    L"Langue de l'appareil", // French
    L"Gerätesprache", // German
    L"Lingua del dispositivo", // Italian
    L"本体の言語", // Japanese
    L"기기 언어", // Korean
    L"Idioma de la unidad", // Spanish
    L"Taal van het apparaat", // Dutch
    L"Язык устройства", // Russian
    L"设备语言", // Chinese
    L"Laitteen kieli", // Finnish
    L"Jazyk zařízení", // Czech
    L"Język urządzenia", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textChannelSelect[kUiLanguageCount] = {
    L"Channel Select", // English
    L"Sélection du canal", // French
    L"Kanalauswahl", // German
    L"Selezione canale", // Italian
    L"チャンネル選択", // Japanese
    L"채널 선택", // Korean
    L"Selección de canal", // Spanish
    L"Kanaalkeuze", // Dutch
    L"Выбор канала", // Russian
    L"频道选择", // Chinese
    L"Kanavan valinta", // Finnish
    L"Výběr kanálu", // Czech
    L"Wybór kanału", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textEssStatus[kUiLanguageCount] = {
    L"ESS STATUS", // English
    L"ÉTAT ESS", // French
    L"ESS-ZUSTAND", // German
    L"STATO ESS", // Italian
    L"ESS STATUS", // Japanese
    L"ESS STATUS", // Korean
    L"ESTADO ESS", // Spanish
    L"ESS-STATUS", // Dutch
    L"ESS STATUS", // Russian
    L"ESS STATUS", // Chinese
    L"ESS STATUS", // Finnish
    L"ESS STATUS", // Czech
    L"ESS STATUS", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textEssSensitivity[kUiLanguageCount] = {
    L"ESS Sensitivity", // English
    L"Sensibilité ESS", // French
    L"ESS-Empfindlichkeit", // German
    L"Sensibilità ESS", // Italian
    L"ESS Sensitivity", // Japanese
    L"ESS Sensitivity", // Korean
    L"Sensibilidad ESS", // Spanish
    L"ESS-gevoeligheid", // Dutch
    L"ESS Sensitivity", // Russian
    L"ESS Sensitivity", // Chinese
    L"ESS Sensitivity", // Finnish
    L"ESS Sensitivity", // Czech
    L"ESS Sensitivity", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textPhotoMode[kUiLanguageCount] = {
    L"Photo Mode", // English
    L"Mode photo", // French
    L"Fotomodus", // German
    L"Modalità foto", // Italian
    L"写真モード", // Japanese
    L"사진 모드", // Korean
    L"Modo foto", // Spanish
    L"Fotomodus", // Dutch
    L"Режим фото", // Russian
    L"拍照模式", // Chinese
    L"Kuvatila", // Finnish
    L"Režim fotografií", // Czech
    L"Tryb zdjęć", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVideoMode[kUiLanguageCount] = {
    L"Video Mode", // English
    L"Mode vidéo", // French
    L"Videomodus", // German
    L"Modalità video", // Italian
    L"ビデオモード", // Japanese
    L"비디오 모드", // Korean
    L"Modo vídeo", // Spanish
    L"Videomodus", // Dutch
    L"Режим видео", // Russian
    L"视频模式", // Chinese
    L"Videotila", // Finnish
    L"Režim videa", // Czech
    L"Tryb wideo", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVideoResolution[kUiLanguageCount] = {
    L"Video Resolution", // English
    L"Résolution vidéo", // French
    L"Videoauflösung", // German
    L"Risoluzione video", // Italian
    L"ビデオ解像度", // Japanese
    L"비디오 해상도", // Korean
    L"Resolución de vídeo", // Spanish
    L"Videoresolutie", // Dutch
    L"Разрешение видео", // Russian
    L"视频分辨率", // Chinese
    L"Videon tarkkuus", // Finnish
    L"Rozlišení videa", // Czech
    L"Rozdzielczość wideo", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textTimelapseInterval[kUiLanguageCount] = {
    L"Timelapse Interval", // English
    L"Intervalle du timelapse", // French
    L"Zeitraffer-Intervall", // German
    L"Intervallo timelapse", // Italian
    L"タイムラプス間隔", // Japanese
    L"타임랩스 간격", // Korean
    L"Intervalo de timelapse", // Spanish
    L"Timelapse-interval", // Dutch
    L"Интервал таймлапса", // Russian
    L"延时摄影间隔", // Chinese
    L"Aikavälikuvauksen väli", // Finnish
    L"Interval časosběru", // Czech
    L"Interwał timelapse", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textVideoTaggingInterval[kUiLanguageCount] = {
    L"Video Tagging Interval", // English
    L"Intervalle de marquage vidéo", // French
    L"Video-Markierungsintervall", // German
    L"Intervallo di tagging video", // Italian
    L"ビデオタグ付け間隔", // Japanese
    L"비디오 태그 간격", // Korean
    L"Intervalo de etiquetado de vídeo", // Spanish
    L"Interval videotagging", // Dutch
    L"Интервал пометки видео", // Russian
    L"视频标记间隔", // Chinese
    L"Videon merkintäväli", // Finnish
    L"Interval označování videa", // Czech
    L"Interwał znakowania wideo", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textLoopRecordingInterval[kUiLanguageCount] = {
    L"Loop Recording Interval", // English
    L"Intervalle d'enregistrement en boucle", // French
    L"Intervall der Loop-Aufnahme", // German
    L"Intervallo registrazione in loop", // Italian
    L"ループ録画間隔", // Japanese
    L"루프 녹화 간격", // Korean
    L"Intervalo de grabación en bucle", // Spanish
    L"Interval lusopname", // Dutch
    L"Интервал циклической записи", // Russian
    L"循环录制间隔", // Chinese
    L"Silmukkatallennuksen väli", // Finnish
    L"Interval smyčkového nahrávání", // Czech
    L"Interwał nagrywania w pętli", // Polish
};

// English is the product's own; the other rows were translated here, Russian cut short as the
// product shows it.
const wchar_t* const g_textVideoMicrophoneGain[kUiLanguageCount] = {
    L"Video Microphone Gain", // English
    L"Gain du micro vidéo", // French
    L"Videomikrofon-Verstärkung", // German
    L"Guadagno microfono video", // Italian
    L"ビデオマイクゲイン", // Japanese
    L"비디오 마이크 게인", // Korean
    L"Ganancia del micrófono de vídeo", // Spanish
    L"Versterking videomicrofoon", // Dutch
    L"Усиление микрофона при вид...", // Russian
    L"视频麦克风增益", // Chinese
    L"Videomikrofonin vahvistus", // Finnish
    L"Zisk mikrofonu videa", // Czech
    L"Wzmocnienie mikrofonu wideo", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textDateCaption[kUiLanguageCount] = {
    L"Date Caption", // English
    L"Incrustation de la date", // French
    L"Datumseinblendung", // German
    L"Timbro data", // Italian
    L"日付表示", // Japanese
    L"날짜 표시", // Korean
    L"Marca de fecha", // Spanish
    L"Datumweergave", // Dutch
    L"Отметка даты", // Russian
    L"日期水印", // Chinese
    L"Päivämäärän merkintä", // Finnish
    L"Zobrazení data", // Czech
    L"Znacznik daty", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textSpeakerSoundRecording[kUiLanguageCount] = {
    L"Speaker Sound Recording", // English
    L"Enregistrement du son du haut-parleur", // French
    L"Lautsprecherton-Aufnahme", // German
    L"Registrazione audio altoparlante", // Italian
    L"スピーカー音の録音", // Japanese
    L"스피커 소리 녹음", // Korean
    L"Grabación del sonido del altavoz", // Spanish
    L"Opname luidsprekergeluid", // Dutch
    L"Запись звука динамика", // Russian
    L"扬声器声音录制", // Chinese
    L"Kaiuttimen äänen tallennus", // Finnish
    L"Nahrávání zvuku reproduktoru", // Czech
    L"Nagrywanie dźwięku głośnika", // Polish
};

// English is the product's own; the other rows were translated here behind the same "▶ " mark.
const wchar_t* const g_textRecordSourceMusic[kUiLanguageCount] = {
    L"▶ Music", // English
    L"▶ Musique", // French
    L"▶ Musik", // German
    L"▶ Musica", // Italian
    L"▶ 音楽", // Japanese
    L"▶ 음악", // Korean
    L"▶ Música", // Spanish
    L"▶ Muziek", // Dutch
    L"▶ Музыка", // Russian
    L"▶ 音乐", // Chinese
    L"▶ Musiikki", // Finnish
    L"▶ Hudba", // Czech
    L"▶ Muzyka", // Polish
};

// English is the product's own; the other rows were translated here behind the same "▶ " mark.
const wchar_t* const g_textRecordSourceFmRadio[kUiLanguageCount] = {
    L"▶ FM Radio", // English
    L"▶ Radio FM", // French
    L"▶ UKW-Radio", // German
    L"▶ Radio FM", // Italian
    L"▶ FMラジオ", // Japanese
    L"▶ FM 라디오", // Korean
    L"▶ Radio FM", // Spanish
    L"▶ FM-radio", // Dutch
    L"▶ FM-радио", // Russian
    L"▶ FM 收音机", // Chinese
    L"▶ FM-radio", // Finnish
    L"▶ FM rádio", // Czech
    L"▶ Radio FM", // Polish
};

// English is the product's own; the other rows were translated here behind the same "▶ " mark.
const wchar_t* const g_textRecordSourceIntercom[kUiLanguageCount] = {
    L"▶ Intercom", // English
    L"▶ Interphone", // French
    L"▶ Intercom", // German
    L"▶ Interfono", // Italian
    L"▶ インターコム", // Japanese
    L"▶ 인터콤", // Korean
    L"▶ Intercomunicador", // Spanish
    L"▶ Intercom", // Dutch
    L"▶ Интерком", // Russian
    L"▶ 对讲", // Chinese
    L"▶ Sisäpuhelin", // Finnish
    L"▶ Interkom", // Czech
    L"▶ Interkom", // Polish
};

// English is the product's own; the other rows were translated here behind the same "▶ " mark.
const wchar_t* const g_textRecordSourcePhone[kUiLanguageCount] = {
    L"▶ Phone", // English
    L"▶ Téléphone", // French
    L"▶ Telefon", // German
    L"▶ Telefono", // Italian
    L"▶ 電話", // Japanese
    L"▶ 전화", // Korean
    L"▶ Teléfono", // Spanish
    L"▶ Telefoon", // Dutch
    L"▶ Телефон", // Russian
    L"▶ 电话", // Chinese
    L"▶ Puhelin", // Finnish
    L"▶ Telefon", // Czech
    L"▶ Telefon", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textAutoCameraSleep[kUiLanguageCount] = {
    L"Auto Camera Sleep", // English
    L"Mise en veille auto de la caméra", // French
    L"Automatischer Kamera-Ruhemodus", // German
    L"Sospensione automatica fotocamera", // Italian
    L"カメラ自動スリープ", // Japanese
    L"카메라 자동 절전", // Korean
    L"Suspensión automática de la cámara", // Spanish
    L"Automatische slaapstand camera", // Dutch
    L"Автоматический спящий режим камеры", // Russian
    L"相机自动休眠", // Chinese
    L"Kameran automaattinen lepotila", // Finnish
    L"Automatický spánek kamery", // Czech
    L"Automatyczne uśpienie kamery", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textEmpty[kUiLanguageCount] = {
    L"Empty", // English
    L"Vide", // French
    L"Leer", // German
    L"Vuoto", // Italian
    L"空", // Japanese
    L"비어 있음", // Korean
    L"Vacío", // Spanish
    L"Leeg", // Dutch
    L"Пусто", // Russian
    L"空", // Chinese
    L"Tyhjä", // Finnish
    L"Prázdné", // Czech
    L"Pusty", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textSingleShot[kUiLanguageCount] = {
    L"Single Shot", // English
    L"Photo unique", // French
    L"Einzelaufnahme", // German
    L"Scatto singolo", // Italian
    L"シングルショット", // Japanese
    L"단일 촬영", // Korean
    L"Disparo único", // Spanish
    L"Enkele opname", // Dutch
    L"Одиночный снимок", // Russian
    L"单张拍摄", // Chinese
    L"Yksittäiskuva", // Finnish
    L"Jeden snímek", // Czech
    L"Pojedyncze zdjęcie", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textBurstShot[kUiLanguageCount] = {
    L"Burst Shot", // English
    L"Rafale", // French
    L"Serienaufnahme", // German
    L"Scatto a raffica", // Italian
    L"バーストショット", // Japanese
    L"연속 촬영", // Korean
    L"Ráfaga", // Spanish
    L"Serie-opname", // Dutch
    L"Серийная съёмка", // Russian
    L"连拍", // Chinese
    L"Sarjakuvaus", // Finnish
    L"Sériové snímání", // Czech
    L"Zdjęcia seryjne", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textTimelapseMode[kUiLanguageCount] = {
    L"Timelapse Mode", // English
    L"Mode timelapse", // French
    L"Zeitraffermodus", // German
    L"Modalità timelapse", // Italian
    L"タイムラプスモード", // Japanese
    L"타임랩스 모드", // Korean
    L"Modo timelapse", // Spanish
    L"Timelapsemodus", // Dutch
    L"Режим таймлапса", // Russian
    L"延时摄影模式", // Chinese
    L"Aikavälikuvaustila", // Finnish
    L"Režim časosběru", // Czech
    L"Tryb timelapse", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textLoopRecordingMode[kUiLanguageCount] = {
    L"Loop Recording Mode", // English
    L"Mode enregistrement en boucle", // French
    L"Loop-Aufnahmemodus", // German
    L"Modalità registrazione in loop", // Italian
    L"ループ録画モード", // Japanese
    L"루프 녹화 모드", // Korean
    L"Modo de grabación en bucle", // Spanish
    L"Modus lusopname", // Dutch
    L"Режим циклической записи", // Russian
    L"循环录制模式", // Chinese
    L"Silmukkatallennustila", // Finnish
    L"Režim smyčkového nahrávání", // Czech
    L"Tryb nagrywania w pętli", // Polish
};

// Every row is the product's own: French, Russian and Czech write it their way, the other nine
// keep the English text.
const wchar_t* const g_text1080p30fps[kUiLanguageCount] = {
    L"1080p/30fps", // English
    L"1080p / 30 ips", // French
    L"1080p/30fps", // German
    L"1080p/30fps", // Italian
    L"1080p/30fps", // Japanese
    L"1080p/30fps", // Korean
    L"1080p/30fps", // Spanish
    L"1080p/30fps", // Dutch
    L"1080p (30 кадров/сек)", // Russian
    L"1080p/30fps", // Chinese
    L"1080p/30fps", // Finnish
    L"1080p / 30 sn./s", // Czech
    L"1080p/30fps", // Polish
};

// Every row is the product's own: French, Russian and Czech write it their way, the other nine
// keep the English text.
const wchar_t* const g_text720p60fps[kUiLanguageCount] = {
    L"720p/60fps", // English
    L"720p / 60 ips", // French
    L"720p/60fps", // German
    L"720p/60fps", // Italian
    L"720p/60fps", // Japanese
    L"720p/60fps", // Korean
    L"720p/60fps", // Spanish
    L"720p/60fps", // Dutch
    L"720p (60 кадров/сек)", // Russian
    L"720p/60fps", // Chinese
    L"720p/60fps", // Finnish
    L"720p / 60 sn./s", // Czech
    L"720p/60fps", // Polish
};

// Every row is the product's own: French, Russian and Czech write it their way, the other nine
// keep the English text.
const wchar_t* const g_text720p30fps[kUiLanguageCount] = {
    L"720p/30fps", // English
    L"720p / 30 ips", // French
    L"720p/30fps", // German
    L"720p/30fps", // Italian
    L"720p/30fps", // Japanese
    L"720p/30fps", // Korean
    L"720p/30fps", // Spanish
    L"720p/30fps", // Dutch
    L"720p (30 кадров/сек)", // Russian
    L"720p/30fps", // Chinese
    L"720p/30fps", // Finnish
    L"720p / 30 sn./s", // Czech
    L"720p/30fps", // Polish
};

// English is the product's own; the other rows were translated here with each language's own
// abbreviation (several languages write it as English does).
const wchar_t* const g_text1Min[kUiLanguageCount] = {
    L"1 min", // English
    L"1 min", // French
    L"1 Min.", // German
    L"1 min", // Italian
    L"1分", // Japanese
    L"1분", // Korean
    L"1 min", // Spanish
    L"1 min", // Dutch
    L"1 мин", // Russian
    L"1 分钟", // Chinese
    L"1 min", // Finnish
    L"1 min", // Czech
    L"1 min", // Polish
};

// English is the product's own; the other rows were translated here with each language's own
// abbreviation (several languages write it as English does).
const wchar_t* const g_text3Mins[kUiLanguageCount] = {
    L"3 mins", // English
    L"3 min", // French
    L"3 Min.", // German
    L"3 min", // Italian
    L"3分", // Japanese
    L"3분", // Korean
    L"3 min", // Spanish
    L"3 min", // Dutch
    L"3 мин", // Russian
    L"3 分钟", // Chinese
    L"3 min", // Finnish
    L"3 min", // Czech
    L"3 min", // Polish
};

// English is the product's own; the other rows were translated here with each language's own
// abbreviation (several languages write it as English does).
const wchar_t* const g_text5Mins[kUiLanguageCount] = {
    L"5 mins", // English
    L"5 min", // French
    L"5 Min.", // German
    L"5 min", // Italian
    L"5分", // Japanese
    L"5분", // Korean
    L"5 min", // Spanish
    L"5 min", // Dutch
    L"5 мин", // Russian
    L"5 分钟", // Chinese
    L"5 min", // Finnish
    L"5 min", // Czech
    L"5 min", // Polish
};

// English is the product's own; the other rows were translated here with each language's own
// abbreviation (several languages write it as English does).
const wchar_t* const g_text1Sec[kUiLanguageCount] = {
    L"1 sec", // English
    L"1 s", // French
    L"1 Sek.", // German
    L"1 s", // Italian
    L"1秒", // Japanese
    L"1초", // Korean
    L"1 s", // Spanish
    L"1 sec", // Dutch
    L"1 сек", // Russian
    L"1 秒", // Chinese
    L"1 s", // Finnish
    L"1 s", // Czech
    L"1 s", // Polish
};

// English is the product's own; the other rows were translated here with each language's own
// abbreviation (several languages write it as English does).
const wchar_t* const g_text10Secs[kUiLanguageCount] = {
    L"10 secs", // English
    L"10 s", // French
    L"10 Sek.", // German
    L"10 s", // Italian
    L"10秒", // Japanese
    L"10초", // Korean
    L"10 s", // Spanish
    L"10 sec", // Dutch
    L"10 сек", // Russian
    L"10 秒", // Chinese
    L"10 s", // Finnish
    L"10 s", // Czech
    L"10 s", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textMusic[kUiLanguageCount] = {
    L"Music", // English
    L"Musique", // French
    L"Musik", // German
    L"Musica", // Italian
    L"音楽", // Japanese
    L"음악", // Korean
    L"Música", // Spanish
    L"Muziek", // Dutch
    L"Музыка", // Russian
    L"音乐", // Chinese
    L"Musiikki", // Finnish
    L"Hudba", // Czech
    L"Muzyka", // Polish
};

// English is the product's own; the other rows were translated here (German and Dutch use the
// English word too).
const wchar_t* const g_textIntercom[kUiLanguageCount] = {
    L"Intercom", // English
    L"Interphone", // French
    L"Intercom", // German
    L"Interfono", // Italian
    L"インターコム", // Japanese
    L"인터콤", // Korean
    L"Intercomunicador", // Spanish
    L"Intercom", // Dutch
    L"Интерком", // Russian
    L"对讲", // Chinese
    L"Sisäpuhelin", // Finnish
    L"Interkom", // Czech
    L"Interkom", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textEssOn[kUiLanguageCount] = {
    L"ESS ON", // English
    L"ESS ACTIVÉ", // French
    L"ESS EIN", // German
    L"ESS ATTIVO", // Italian
    L"ESS ON", // Japanese
    L"ESS ON", // Korean
    L"ESS ACTIVADO", // Spanish
    L"ESS AAN", // Dutch
    L"ESS ON", // Russian
    L"ESS ON", // Chinese
    L"ESS ON", // Finnish
    L"ESS ON", // Czech
    L"ESS ON", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textEssOff[kUiLanguageCount] = {
    L"ESS OFF", // English
    L"ESS DÉSACTIVÉ", // French
    L"ESS AUS", // German
    L"ESS DISATTIVO", // Italian
    L"ESS OFF", // Japanese
    L"ESS OFF", // Korean
    L"ESS DESACTIVADO", // Spanish
    L"ESS UIT", // Dutch
    L"ESS OFF", // Russian
    L"ESS OFF", // Chinese
    L"ESS OFF", // Finnish
    L"ESS OFF", // Czech
    L"ESS OFF", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textPositionLightEssOn[kUiLanguageCount] = {
    L"Position Light + ESS ON", // English
    L"Feu de position + ESS ACTIVÉ", // French
    L"Positionslicht + ESS EIN", // German
    L"Luce di posizione + ESS ATTIVO", // Italian
    L"Position Light + ESS ON", // Japanese
    L"Position Light + ESS ON", // Korean
    L"Luz de posición + ESS ACTIVADO", // Spanish
    L"Positielicht + ESS AAN", // Dutch
    L"Position Light + ESS ON", // Russian
    L"Position Light + ESS ON", // Chinese
    L"Position Light + ESS ON", // Finnish
    L"Position Light + ESS ON", // Czech
    L"Position Light + ESS ON", // Polish
};

// English, and the seven rows that keep it, are the product's own; French, German, Italian,
// Spanish and Dutch were translated here.
const wchar_t* const g_textFogLightEssOn[kUiLanguageCount] = {
    L"Fog Light + ESS ON", // English
    L"Feu antibrouillard + ESS ACTIVÉ", // French
    L"Nebelscheinwerfer + ESS EIN", // German
    L"Fendinebbia + ESS ATTIVO", // Italian
    L"Fog Light + ESS ON", // Japanese
    L"Fog Light + ESS ON", // Korean
    L"Luz antiniebla + ESS ACTIVADO", // Spanish
    L"Mistlicht + ESS AAN", // Dutch
    L"Fog Light + ESS ON", // Russian
    L"Fog Light + ESS ON", // Chinese
    L"Fog Light + ESS ON", // Finnish
    L"Fog Light + ESS ON", // Czech
    L"Fog Light + ESS ON", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textDate[kUiLanguageCount] = {
    L"Date", // English
    L"Date", // French
    L"Datum", // German
    L"Data", // Italian
    L"日付", // Japanese
    L"날짜", // Korean
    L"Fecha", // Spanish
    L"Datum", // Dutch
    L"Дата", // Russian
    L"日期", // Chinese
    L"Päivämäärä", // Finnish
    L"Datum", // Czech
    L"Data", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textRegion[kUiLanguageCount] = {
    L"Region", // English
    L"Région", // French
    L"Region", // German
    L"Regione", // Italian
    L"地域", // Japanese
    L"지역", // Korean
    L"Región", // Spanish
    L"Regio", // Dutch
    L"Регион", // Russian
    L"区域", // Chinese
    L"Alue", // Finnish
    L"Oblast", // Czech
    L"Region", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textFmRadioPresets[kUiLanguageCount] = {
    L"FM Radio Presets", // English
    L"Présélections radio FM", // French
    L"UKW-Radio-Speicherplätze", // German
    L"Preselezioni radio FM", // Italian
    L"FMラジオのプリセット", // Japanese
    L"FM 라디오 프리셋", // Korean
    L"Presintonías de radio FM", // Spanish
    L"FM-radiovoorkeuzes", // Dutch
    L"Предустановки FM-радио", // Russian
    L"FM 收音机预设", // Chinese
    L"FM-radion esiasetukset", // Finnish
    L"Předvolby rádia FM", // Czech
    L"Zapisane stacje radia FM", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textFmRadio[kUiLanguageCount] = {
    L"FM Radio", // English
    L"Radio FM", // French
    L"UKW-Radio", // German
    L"Radio FM", // Italian
    L"FMラジオ", // Japanese
    L"FM 라디오", // Korean
    L"Radio FM", // Spanish
    L"FM-radio", // Dutch
    L"FM-радио", // Russian
    L"FM 收音机", // Chinese
    L"FM-radio", // Finnish
    L"FM rádio", // Czech
    L"Radio FM", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textBasic[kUiLanguageCount] = {
    L"Basic", // English
    L"De base", // French
    L"Allgemein", // German
    L"Base", // Italian
    L"基本", // Japanese
    L"기본", // Korean
    L"Básico", // Spanish
    L"Basis", // Dutch
    L"Основные", // Russian
    L"基本", // Chinese
    L"Perus", // Finnish
    L"Základní", // Czech
    L"Podstawowe", // Polish
};

// English is the product's own; the other twelve rows were translated here.
const wchar_t* const g_textSpeedDial[kUiLanguageCount] = {
    L"Speed Dial", // English
    L"Numérotation rapide", // French
    L"Kurzwahl", // German
    L"Chiamata rapida", // Italian
    L"スピードダイヤル", // Japanese
    L"단축 다이얼", // Korean
    L"Marcación rápida", // Spanish
    L"Snelkiezen", // Dutch
    L"Быстрый набор", // Russian
    L"快速拨号", // Chinese
    L"Pikavalinta", // Finnish
    L"Rychlá volba", // Czech
    L"Szybkie wybieranie", // Polish
};

// English and Finnish are the product's own, Finnish with its single ellipsis character; the
// other rows were translated here.
const wchar_t* const g_textMore[kUiLanguageCount] = {
    L"More...", // English
    L"Plus...", // French
    L"Mehr...", // German
    L"Altro...", // Italian
    L"その他...", // Japanese
    L"더 보기...", // Korean
    L"Más...", // Spanish
    L"Meer...", // Dutch
    L"Ещё...", // Russian
    L"更多...", // Chinese
    L"Enemmän…", // Finnish
    L"Více...", // Czech
    L"Więcej...", // Polish
};

template <std::size_t N>
const wchar_t* Entry(const wchar_t* const (&table)[kUiLanguageCount][N], int language, int entry)
{
    // Entry numbers come from device words and archive files; one outside the row reads entry 0,
    // as an unknown language reads the English row.
    const auto& row = LocalisedRow(table, language);
    return row[(entry >= 0 && static_cast<std::size_t>(entry) < N) ? static_cast<std::size_t>(entry) : 0];
}

} // namespace

const wchar_t* TextLowMediumHigh(int language, int entry) { return Entry(g_textLowMediumHigh, language, entry); }
const wchar_t* TextFmRegionNames(int language, int entry) { return Entry(g_textFmRegionNames, language, entry); }
const wchar_t* TextLevelNames(int language, int entry) { return Entry(g_textLevelNames, language, entry); }
const wchar_t* TextChannelNames(int language, int entry) { return Entry(g_textChannelNames, language, entry); }
const wchar_t* TextUnitLanguageNames(int language, int entry) { return Entry(g_textUnitLanguageNames, language, entry); }

const wchar_t* TextVoxIntercom(int language) { return LocalisedRow(g_textVoxIntercom, language); }
const wchar_t* TextVoxPhone(int language) { return LocalisedRow(g_textVoxPhone, language); }
const wchar_t* TextEdr(int language) { return LocalisedRow(g_textEdr, language); }
const wchar_t* TextVoicePrompt(int language) { return LocalisedRow(g_textVoicePrompt, language); }
const wchar_t* TextPlc(int language) { return LocalisedRow(g_textPlc, language); }
const wchar_t* TextHighQualityA2dp(int language) { return LocalisedRow(g_textHighQualityA2dp, language); }
const wchar_t* TextMicrophoneBoosting(int language) { return LocalisedRow(g_textMicrophoneBoosting, language); }
const wchar_t* TextSidetone(int language) { return LocalisedRow(g_textSidetone, language); }
const wchar_t* TextHushguard(int language) { return LocalisedRow(g_textHushguard, language); }
const wchar_t* TextAutoGainControl(int language) { return LocalisedRow(g_textAutoGainControl, language); }
const wchar_t* TextRadioTransmitGain(int language) { return LocalisedRow(g_textRadioTransmitGain, language); }
const wchar_t* TextAudioChannelTimeout(int language) { return LocalisedRow(g_textAudioChannelTimeout, language); }
const wchar_t* TextAudioBoost(int language) { return LocalisedRow(g_textAudioBoost, language); }
const wchar_t* TextRadioRegion(int language) { return LocalisedRow(g_textRadioRegion, language); }
const wchar_t* TextRdsAf(int language) { return LocalisedRow(g_textRdsAf, language); }
const wchar_t* TextMotionSensorSensitivity(int language) { return LocalisedRow(g_textMotionSensorSensitivity, language); }
const wchar_t* TextDualstream(int language) { return LocalisedRow(g_textDualstream, language); }
const wchar_t* TextOverlaySensitivity(int language) { return LocalisedRow(g_textOverlaySensitivity, language); }
const wchar_t* TextNavigationAppSupport(int language) { return LocalisedRow(g_textNavigationAppSupport, language); }
const wchar_t* TextVoxSensitivity(int language) { return LocalisedRow(g_textVoxSensitivity, language); }
const wchar_t* TextHdIntercom(int language) { return LocalisedRow(g_textHdIntercom, language); }
const wchar_t* TextEightWayIntercom(int language) { return LocalisedRow(g_textEightWayIntercom, language); }
const wchar_t* TextSmartVolumeControl(int language) { return LocalisedRow(g_textSmartVolumeControl, language); }
const wchar_t* TextFmStationGuide(int language) { return LocalisedRow(g_textFmStationGuide, language); }
const wchar_t* TextHdVoice(int language) { return LocalisedRow(g_textHdVoice, language); }
const wchar_t* TextAudioSourcePriority(int language) { return LocalisedRow(g_textAudioSourcePriority, language); }
const wchar_t* TextLayertone(int language) { return LocalisedRow(g_textLayertone, language); }
const wchar_t* TextBluetoothIntercomDualstream(int language) { return LocalisedRow(g_textBluetoothIntercomDualstream, language); }
const wchar_t* TextRoutecue(int language) { return LocalisedRow(g_textRoutecue, language); }
const wchar_t* TextGuestMode(int language) { return LocalisedRow(g_textGuestMode, language); }
const wchar_t* TextVoiceCommand(int language) { return LocalisedRow(g_textVoiceCommand, language); }
const wchar_t* TextLayertoneVolumeManagement(int language) { return LocalisedRow(g_textLayertoneVolumeManagement, language); }
const wchar_t* TextUnitLanguage(int language) { return LocalisedRow(g_textUnitLanguage, language); }
const wchar_t* TextChannelSelect(int language) { return LocalisedRow(g_textChannelSelect, language); }
const wchar_t* TextEssStatus(int language) { return LocalisedRow(g_textEssStatus, language); }
const wchar_t* TextEssSensitivity(int language) { return LocalisedRow(g_textEssSensitivity, language); }
const wchar_t* TextPhotoMode(int language) { return LocalisedRow(g_textPhotoMode, language); }
const wchar_t* TextVideoMode(int language) { return LocalisedRow(g_textVideoMode, language); }
const wchar_t* TextVideoResolution(int language) { return LocalisedRow(g_textVideoResolution, language); }
const wchar_t* TextTimelapseInterval(int language) { return LocalisedRow(g_textTimelapseInterval, language); }
const wchar_t* TextVideoTaggingInterval(int language) { return LocalisedRow(g_textVideoTaggingInterval, language); }
const wchar_t* TextLoopRecordingInterval(int language) { return LocalisedRow(g_textLoopRecordingInterval, language); }
const wchar_t* TextVideoMicrophoneGain(int language) { return LocalisedRow(g_textVideoMicrophoneGain, language); }
const wchar_t* TextDateCaption(int language) { return LocalisedRow(g_textDateCaption, language); }
const wchar_t* TextSpeakerSoundRecording(int language) { return LocalisedRow(g_textSpeakerSoundRecording, language); }
const wchar_t* TextRecordSourceMusic(int language) { return LocalisedRow(g_textRecordSourceMusic, language); }
const wchar_t* TextRecordSourceFmRadio(int language) { return LocalisedRow(g_textRecordSourceFmRadio, language); }
const wchar_t* TextRecordSourceIntercom(int language) { return LocalisedRow(g_textRecordSourceIntercom, language); }
const wchar_t* TextRecordSourcePhone(int language) { return LocalisedRow(g_textRecordSourcePhone, language); }
const wchar_t* TextAutoCameraSleep(int language) { return LocalisedRow(g_textAutoCameraSleep, language); }
const wchar_t* TextEmpty(int language) { return LocalisedRow(g_textEmpty, language); }
const wchar_t* TextSingleShot(int language) { return LocalisedRow(g_textSingleShot, language); }
const wchar_t* TextBurstShot(int language) { return LocalisedRow(g_textBurstShot, language); }
const wchar_t* TextTimelapseMode(int language) { return LocalisedRow(g_textTimelapseMode, language); }
const wchar_t* TextLoopRecordingMode(int language) { return LocalisedRow(g_textLoopRecordingMode, language); }
const wchar_t* Text1080p30fps(int language) { return LocalisedRow(g_text1080p30fps, language); }
const wchar_t* Text720p60fps(int language) { return LocalisedRow(g_text720p60fps, language); }
const wchar_t* Text720p30fps(int language) { return LocalisedRow(g_text720p30fps, language); }
const wchar_t* Text1Min(int language) { return LocalisedRow(g_text1Min, language); }
const wchar_t* Text3Mins(int language) { return LocalisedRow(g_text3Mins, language); }
const wchar_t* Text5Mins(int language) { return LocalisedRow(g_text5Mins, language); }
const wchar_t* Text1Sec(int language) { return LocalisedRow(g_text1Sec, language); }
const wchar_t* Text10Secs(int language) { return LocalisedRow(g_text10Secs, language); }
const wchar_t* TextMusic(int language) { return LocalisedRow(g_textMusic, language); }
const wchar_t* TextIntercom(int language) { return LocalisedRow(g_textIntercom, language); }
const wchar_t* TextEssOn(int language) { return LocalisedRow(g_textEssOn, language); }
const wchar_t* TextEssOff(int language) { return LocalisedRow(g_textEssOff, language); }
const wchar_t* TextPositionLightEssOn(int language) { return LocalisedRow(g_textPositionLightEssOn, language); }
const wchar_t* TextFogLightEssOn(int language) { return LocalisedRow(g_textFogLightEssOn, language); }
const wchar_t* TextDate(int language) { return LocalisedRow(g_textDate, language); }
const wchar_t* TextRegion(int language) { return LocalisedRow(g_textRegion, language); }
const wchar_t* TextFmRadioPresets(int language) { return LocalisedRow(g_textFmRadioPresets, language); }
const wchar_t* TextFmRadio(int language) { return LocalisedRow(g_textFmRadio, language); }
const wchar_t* TextBasic(int language) { return LocalisedRow(g_textBasic, language); }
const wchar_t* TextSpeedDial(int language) { return LocalisedRow(g_textSpeedDial, language); }
const wchar_t* TextMore(int language) { return LocalisedRow(g_textMore, language); }
