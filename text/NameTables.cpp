#include "text/NameTables.h"

#include "core/UiLanguageRow.h"

#include <cstddef>

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// The languages named after "Fixed:" above a table hold the wording that users, manuals and
// support documents know word for word: keep those rows exact, also where they look odd. The
// other rows are our own translations and may be improved.

// Fixed: every row.
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

// Fixed: every row. The entry is the FM region number.
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

// Fixed: every row. Entry i names level i + 1.
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

// Fixed: every row. Entry c names channel c.
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

// Fixed: every row. The entries follow the headset's own numbering of its voice-prompt languages,
// not the UI order; Czech and Polish have no unit language.
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

// Fixed: English.
const wchar_t* const g_textVoxIntercom[kUiLanguageCount] = {
    /* English  */ L"VOX Intercom",
    /* French   */ L"Interphone VOX",
    /* German   */ L"VOX-Intercom",
    /* Italian  */ L"Interfono VOX",
    /* Japanese */ L"VOXインターコム",
    /* Korean   */ L"VOX 인터콤",
    /* Spanish  */ L"Intercomunicador VOX",
    /* Dutch    */ L"VOX-intercom",
    /* Russian  */ L"VOX интерком",
    /* Chinese  */ L"VOX 对讲",
    /* Finnish  */ L"VOX-sisäpuhelin",
    /* Czech    */ L"VOX interkom",
    /* Polish   */ L"Interkom VOX",
};

// Fixed: English.
const wchar_t* const g_textVoxPhone[kUiLanguageCount] = {
    /* English  */ L"VOX Phone",
    /* French   */ L"Téléphone VOX",
    /* German   */ L"VOX-Telefon",
    /* Italian  */ L"Telefono VOX",
    /* Japanese */ L"VOX電話",
    /* Korean   */ L"VOX 전화",
    /* Spanish  */ L"Teléfono VOX",
    /* Dutch    */ L"VOX-telefoon",
    /* Russian  */ L"VOX телефон",
    /* Chinese  */ L"VOX 电话",
    /* Finnish  */ L"VOX-puhelin",
    /* Czech    */ L"VOX telefon",
    /* Polish   */ L"Telefon VOX",
};

// Fixed: English and French, French stored cut short with "..." (nothing shortens a name at run
// time). Dutch and Russian are cut short the same way.
const wchar_t* const g_textEdr[kUiLanguageCount] = {
    /* English  */ L"EDR (Enhanced Data Rate)",
    /* French   */ L"EDR (Débit de données améli...",
    /* German   */ L"EDR (Erhöhte Datenrate)",
    /* Italian  */ L"EDR (Velocità dati avanzata)",
    /* Japanese */ L"EDR (拡張データレート)",
    /* Korean   */ L"EDR (향상된 데이터 전송률)",
    /* Spanish  */ L"EDR (Velocidad de datos mejorada)",
    /* Dutch    */ L"EDR (Verbeterde gegevenssne...",
    /* Russian  */ L"EDR (Улучшенная скорость пе...",
    /* Chinese  */ L"EDR (增强数据速率)",
    /* Finnish  */ L"EDR (Parannettu tiedonsiirtonopeus)",
    /* Czech    */ L"EDR (Rozšířená přenosová rychlost)",
    /* Polish   */ L"EDR (Zwiększona szybkość transmisji)",
};

// Fixed: English.
const wchar_t* const g_textVoicePrompt[kUiLanguageCount] = {
    /* English  */ L"Voice Prompt",
    /* French   */ L"Messages vocaux",
    /* German   */ L"Sprachansagen",
    /* Italian  */ L"Messaggi vocali",
    /* Japanese */ L"音声プロンプト",
    /* Korean   */ L"음성 안내",
    /* Spanish  */ L"Indicaciones de voz",
    /* Dutch    */ L"Gesproken berichten",
    /* Russian  */ L"Голосовые подсказки",
    /* Chinese  */ L"语音提示",
    /* Finnish  */ L"Äänikehotteet",
    /* Czech    */ L"Hlasové výzvy",
    /* Polish   */ L"Komunikaty głosowe",
};

// Fixed: English, and the German, Italian and Finnish rows that keep it.
const wchar_t* const g_textPlc[kUiLanguageCount] = {
    /* English  */ L"PLC (Packet Loss Concealment)",
    /* French   */ L"PLC (Masquage de perte de paquets)",
    /* German   */ L"PLC (Packet Loss Concealment)",
    /* Italian  */ L"PLC (Packet Loss Concealment)",
    /* Japanese */ L"PLC (パケットロス補償)",
    /* Korean   */ L"PLC (패킷 손실 은닉)",
    /* Spanish  */ L"PLC (Ocultación de pérdida de paquetes)",
    /* Dutch    */ L"PLC (Maskering van pakketverlies)",
    /* Russian  */ L"PLC (Маскировка потери пакетов)",
    /* Chinese  */ L"PLC (丢包隐藏)",
    /* Finnish  */ L"PLC (Packet Loss Concealment)",
    /* Czech    */ L"PLC (Maskování ztráty paketů)",
    /* Polish   */ L"PLC (Maskowanie utraty pakietów)",
};

// Fixed: English, and the Polish row that keeps it. Russian is stored cut short with "..." (nothing
// shortens a name at run time).
const wchar_t* const g_textHighQualityA2dp[kUiLanguageCount] = {
    /* English  */ L"High Quality A2DP",
    /* French   */ L"A2DP haute qualité",
    /* German   */ L"A2DP in hoher Qualität",
    /* Italian  */ L"A2DP di alta qualità",
    /* Japanese */ L"高音質A2DP",
    /* Korean   */ L"고품질 A2DP",
    /* Spanish  */ L"A2DP de alta calidad",
    /* Dutch    */ L"A2DP van hoge kwaliteit",
    /* Russian  */ L"Высококачественный звук...",
    /* Chinese  */ L"高品质 A2DP",
    /* Finnish  */ L"Korkealaatuinen A2DP",
    /* Czech    */ L"Vysoce kvalitní A2DP",
    /* Polish   */ L"High Quality A2DP",
};

// Fixed: English.
const wchar_t* const g_textMicrophoneBoosting[kUiLanguageCount] = {
    /* English  */ L"Microphone Boosting",
    /* French   */ L"Amplification du micro",
    /* German   */ L"Mikrofonverstärkung",
    /* Italian  */ L"Amplificazione microfono",
    /* Japanese */ L"マイクブースト",
    /* Korean   */ L"마이크 증폭",
    /* Spanish  */ L"Amplificación del micrófono",
    /* Dutch    */ L"Microfoonversterking",
    /* Russian  */ L"Усиление микрофона",
    /* Chinese  */ L"麦克风增强",
    /* Finnish  */ L"Mikrofonin vahvistus",
    /* Czech    */ L"Zesílení mikrofonu",
    /* Polish   */ L"Wzmocnienie mikrofonu",
};

// Fixed: English.
const wchar_t* const g_textSidetone[kUiLanguageCount] = {
    /* English  */ L"Sidetone",
    /* French   */ L"Effet local",
    /* German   */ L"Mithörton",
    /* Italian  */ L"Effetto locale",
    /* Japanese */ L"サイドトーン",
    /* Korean   */ L"사이드톤",
    /* Spanish  */ L"Tono lateral",
    /* Dutch    */ L"Meeluistertoon",
    /* Russian  */ L"Самопрослушивание",
    /* Chinese  */ L"侧音",
    /* Finnish  */ L"Sivuääni",
    /* Czech    */ L"Příposlech",
    /* Polish   */ L"Odsłuch własnego głosu",
};

// Fixed: every row, a trade name that every language keeps as it is.
const wchar_t* const g_textHushguard[kUiLanguageCount] = {
    /* English  */ L"Hushguard™",
    /* French   */ L"Hushguard™",
    /* German   */ L"Hushguard™",
    /* Italian  */ L"Hushguard™",
    /* Japanese */ L"Hushguard™",
    /* Korean   */ L"Hushguard™",
    /* Spanish  */ L"Hushguard™",
    /* Dutch    */ L"Hushguard™",
    /* Russian  */ L"Hushguard™",
    /* Chinese  */ L"Hushguard™",
    /* Finnish  */ L"Hushguard™",
    /* Czech    */ L"Hushguard™",
    /* Polish   */ L"Hushguard™",
};

// Fixed: English. German, Italian and Russian are stored cut short with "..." (nothing shortens a
// name at run time).
const wchar_t* const g_textAutoGainControl[kUiLanguageCount] = {
    /* English  */ L"Auto Gain Control",
    /* French   */ L"Contrôle automatique du gain",
    /* German   */ L"Automatische Verstärkungsr...",
    /* Italian  */ L"Controllo automatico del g...",
    /* Japanese */ L"自動ゲイン制御",
    /* Korean   */ L"자동 게인 제어",
    /* Spanish  */ L"Control automático de ganancia",
    /* Dutch    */ L"Automatische versterkingsregeling",
    /* Russian  */ L"Автоматическая регулиров...",
    /* Chinese  */ L"自动增益控制",
    /* Finnish  */ L"Automaattinen vahvistuksen säätö",
    /* Czech    */ L"Automatické řízení zisku",
    /* Polish   */ L"Automatyczna regulacja wzmocnienia",
};

// Fixed: English.
const wchar_t* const g_textRadioTransmitGain[kUiLanguageCount] = {
    /* English  */ L"Radio Transmit Gain",
    /* French   */ L"Gain d'émission radio",
    /* German   */ L"Funk-Sendeverstärkung",
    /* Italian  */ L"Guadagno trasmissione radio",
    /* Japanese */ L"無線送信ゲイン",
    /* Korean   */ L"무선 송신 게인",
    /* Spanish  */ L"Ganancia de transmisión de radio",
    /* Dutch    */ L"Zendversterking radio",
    /* Russian  */ L"Усиление радиопередачи",
    /* Chinese  */ L"无线发射增益",
    /* Finnish  */ L"Radiolähetyksen vahvistus",
    /* Czech    */ L"Zisk rádiového vysílání",
    /* Polish   */ L"Wzmocnienie nadawania radiowego",
};

// Fixed: English. Russian is stored cut short with "..." (nothing shortens a name at run time).
const wchar_t* const g_textAudioChannelTimeout[kUiLanguageCount] = {
    /* English  */ L"Audio Channel Timeout",
    /* French   */ L"Délai d'expiration du canal audio",
    /* German   */ L"Zeitlimit Audiokanal",
    /* Italian  */ L"Timeout canale audio",
    /* Japanese */ L"オーディオチャンネルタイムアウト",
    /* Korean   */ L"오디오 채널 시간 초과",
    /* Spanish  */ L"Tiempo de espera del canal de audio",
    /* Dutch    */ L"Time-out audiokanaal",
    /* Russian  */ L"Время ожидания звукового к...",
    /* Chinese  */ L"音频通道超时",
    /* Finnish  */ L"Äänikanavan aikakatkaisu",
    /* Czech    */ L"Časový limit zvukového kanálu",
    /* Polish   */ L"Limit czasu kanału audio",
};

// Fixed: English.
const wchar_t* const g_textAudioBoost[kUiLanguageCount] = {
    /* English  */ L"Audio Boost",
    /* French   */ L"Amplification audio",
    /* German   */ L"Audio-Boost",
    /* Italian  */ L"Potenziamento audio",
    /* Japanese */ L"オーディオブースト",
    /* Korean   */ L"오디오 부스트",
    /* Spanish  */ L"Refuerzo de audio",
    /* Dutch    */ L"Audioversterking",
    /* Russian  */ L"Усиление звука",
    /* Chinese  */ L"音频增强",
    /* Finnish  */ L"Äänen vahvistus",
    /* Czech    */ L"Zesílení zvuku",
    /* Polish   */ L"Wzmocnienie dźwięku",
};

// Fixed: English.
const wchar_t* const g_textRadioRegion[kUiLanguageCount] = {
    /* English  */ L"Radio Region",
    /* French   */ L"Région radio",
    /* German   */ L"Radioregion",
    /* Italian  */ L"Regione radio",
    /* Japanese */ L"ラジオ地域",
    /* Korean   */ L"라디오 지역",
    /* Spanish  */ L"Región de radio",
    /* Dutch    */ L"Radioregio",
    /* Russian  */ L"Регион радио",
    /* Chinese  */ L"收音机区域",
    /* Finnish  */ L"Radioalue",
    /* Czech    */ L"Oblast rádia",
    /* Polish   */ L"Region radia",
};

// Fixed: English.
const wchar_t* const g_textRdsAf[kUiLanguageCount] = {
    /* English  */ L"RDS AF (Alternative Frequencies)",
    /* French   */ L"RDS AF (Fréquences alternatives)",
    /* German   */ L"RDS AF (Alternativfrequenzen)",
    /* Italian  */ L"RDS AF (Frequenze alternative)",
    /* Japanese */ L"RDS AF (代替周波数)",
    /* Korean   */ L"RDS AF (대체 주파수)",
    /* Spanish  */ L"RDS AF (Frecuencias alternativas)",
    /* Dutch    */ L"RDS AF (Alternatieve frequenties)",
    /* Russian  */ L"RDS AF (Альтернативные частоты)",
    /* Chinese  */ L"RDS AF (替代频率)",
    /* Finnish  */ L"RDS AF (Vaihtoehtoiset taajuudet)",
    /* Czech    */ L"RDS AF (Alternativní frekvence)",
    /* Polish   */ L"RDS AF (Częstotliwości alternatywne)",
};

// Fixed: English. French, German, Italian, Spanish, Dutch and Russian are stored cut short with
// "..." (nothing shortens a name at run time).
const wchar_t* const g_textMotionSensorSensitivity[kUiLanguageCount] = {
    /* English  */ L"Motion Sensor Sensitivity",
    /* French   */ L"Sensibilité du capteur de m...",
    /* German   */ L"Empfindlichkeit des Bewegu...",
    /* Italian  */ L"Sensibilità del sensore di...",
    /* Japanese */ L"モーションセンサー感度",
    /* Korean   */ L"모션 센서 감도",
    /* Spanish  */ L"Sensibilidad del sensor de...",
    /* Dutch    */ L"Gevoeligheid bewegingssen...",
    /* Russian  */ L"Чувствительность датчика д...",
    /* Chinese  */ L"运动传感器灵敏度",
    /* Finnish  */ L"Liiketunnistimen herkkyys",
    /* Czech    */ L"Citlivost pohybového senzoru",
    /* Polish   */ L"Czułość czujnika ruchu",
};

// Fixed: every row, a trade name that every language keeps as it is.
const wchar_t* const g_textDualstream[kUiLanguageCount] = {
    /* English  */ L"Dualstream™",
    /* French   */ L"Dualstream™",
    /* German   */ L"Dualstream™",
    /* Italian  */ L"Dualstream™",
    /* Japanese */ L"Dualstream™",
    /* Korean   */ L"Dualstream™",
    /* Spanish  */ L"Dualstream™",
    /* Dutch    */ L"Dualstream™",
    /* Russian  */ L"Dualstream™",
    /* Chinese  */ L"Dualstream™",
    /* Finnish  */ L"Dualstream™",
    /* Czech    */ L"Dualstream™",
    /* Polish   */ L"Dualstream™",
};

// Fixed: English. French, German, Italian, Japanese, Spanish, Dutch and Russian are stored cut
// short with "..." (nothing shortens a name at run time).
const wchar_t* const g_textOverlaySensitivity[kUiLanguageCount] = {
    /* English  */ L"Intercom-Layertone Sensitivity",
    /* French   */ L"Sensibilité Interphone-Lay...",
    /* German   */ L"Empfindlichkeit Intercom-L...",
    /* Italian  */ L"Sensibilità Interfono-Layer...",
    /* Japanese */ L"インターコム-Layertone...",
    /* Korean   */ L"인터콤-Layertone 감도",
    /* Spanish  */ L"Sensibilidad Intercomunica...",
    /* Dutch    */ L"Gevoeligheid intercom-Laye...",
    /* Russian  */ L"Чувствительность интерком...",
    /* Chinese  */ L"对讲-Layertone 灵敏度",
    /* Finnish  */ L"Sisäpuhelin-Layertone-herkkyys",
    /* Czech    */ L"Citlivost interkomu-Layertone",
    /* Polish   */ L"Czułość interkomu-Layertone",
};

// Fixed: English. German, Italian, Japanese and Spanish are stored cut short with "..." (nothing
// shortens a name at run time).
const wchar_t* const g_textNavigationAppSupport[kUiLanguageCount] = {
    /* English  */ L"Navigation App Support",
    /* French   */ L"Prise en charge appli navigation",
    /* German   */ L"Unterstützung für Navigati...",
    /* Italian  */ L"Supporto per app di naviga...",
    /* Japanese */ L"ナビゲーションアプリの...",
    /* Korean   */ L"내비게이션 앱 지원",
    /* Spanish  */ L"Compatibilidad con aplicac...",
    /* Dutch    */ L"Ondersteuning navigatie-app",
    /* Russian  */ L"Поддержка навигационных приложений",
    /* Chinese  */ L"导航应用支持",
    /* Finnish  */ L"Navigointisovellustuki",
    /* Czech    */ L"Podpora navigačních aplikací",
    /* Polish   */ L"Obsługa aplikacji nawigacyjnych",
};

// Fixed: English.
const wchar_t* const g_textVoxSensitivity[kUiLanguageCount] = {
    /* English  */ L"VOX Sensitivity",
    /* French   */ L"Sensibilité VOX",
    /* German   */ L"VOX-Empfindlichkeit",
    /* Italian  */ L"Sensibilità VOX",
    /* Japanese */ L"VOX感度",
    /* Korean   */ L"VOX 감도",
    /* Spanish  */ L"Sensibilidad VOX",
    /* Dutch    */ L"VOX-gevoeligheid",
    /* Russian  */ L"Чувствительность VOX",
    /* Chinese  */ L"VOX 灵敏度",
    /* Finnish  */ L"VOX-herkkyys",
    /* Czech    */ L"Citlivost VOX",
    /* Polish   */ L"Czułość VOX",
};

// Fixed: English.
const wchar_t* const g_textHdIntercom[kUiLanguageCount] = {
    /* English  */ L"HD Intercom",
    /* French   */ L"Interphone HD",
    /* German   */ L"HD-Intercom",
    /* Italian  */ L"Interfono HD",
    /* Japanese */ L"HDインターコム",
    /* Korean   */ L"HD 인터콤",
    /* Spanish  */ L"Intercomunicador HD",
    /* Dutch    */ L"HD-intercom",
    /* Russian  */ L"HD интерком",
    /* Chinese  */ L"高清对讲",
    /* Finnish  */ L"HD-sisäpuhelin",
    /* Czech    */ L"HD interkom",
    /* Polish   */ L"Interkom HD",
};

// Fixed: English.
const wchar_t* const g_textEightWayIntercom[kUiLanguageCount] = {
    /* English  */ L"Eight-way Intercom",
    /* French   */ L"Interphone à huit voies",
    /* German   */ L"Acht-Wege-Intercom",
    /* Italian  */ L"Interfono a otto vie",
    /* Japanese */ L"8ウェイインターコム",
    /* Korean   */ L"8인 인터콤",
    /* Spanish  */ L"Intercomunicador de ocho vías",
    /* Dutch    */ L"Achtweg-intercom",
    /* Russian  */ L"Интерком на восемь абонентов",
    /* Chinese  */ L"八方对讲",
    /* Finnish  */ L"Kahdeksan hengen sisäpuhelin",
    /* Czech    */ L"Osmicestný interkom",
    /* Polish   */ L"Interkom ośmiokierunkowy",
};

// Fixed: English.
const wchar_t* const g_textSmartVolumeControl[kUiLanguageCount] = {
    /* English  */ L"Smart Volume Control",
    /* French   */ L"Contrôle intelligent du volume",
    /* German   */ L"Intelligente Lautstärkeregelung",
    /* Italian  */ L"Controllo intelligente del volume",
    /* Japanese */ L"スマート音量調整",
    /* Korean   */ L"스마트 볼륨 제어",
    /* Spanish  */ L"Control de volumen inteligente",
    /* Dutch    */ L"Slimme volumeregeling",
    /* Russian  */ L"Умная регулировка громкости",
    /* Chinese  */ L"智能音量控制",
    /* Finnish  */ L"Älykäs äänenvoimakkuuden säätö",
    /* Czech    */ L"Inteligentní ovládání hlasitosti",
    /* Polish   */ L"Inteligentna regulacja głośności",
};

// Fixed: English.
const wchar_t* const g_textFmStationGuide[kUiLanguageCount] = {
    /* English  */ L"FM Station Guide",
    /* French   */ L"Guide des stations FM",
    /* German   */ L"UKW-Senderführer",
    /* Italian  */ L"Guida stazioni FM",
    /* Japanese */ L"FM局ガイド",
    /* Korean   */ L"FM 방송국 안내",
    /* Spanish  */ L"Guía de emisoras FM",
    /* Dutch    */ L"FM-zendergids",
    /* Russian  */ L"Гид по FM-станциям",
    /* Chinese  */ L"FM 电台指南",
    /* Finnish  */ L"FM-asemaopas",
    /* Czech    */ L"Průvodce stanicemi FM",
    /* Polish   */ L"Przewodnik po stacjach FM",
};

// Fixed: English, and the German, Italian, Korean, Russian and Chinese rows that keep it.
const wchar_t* const g_textHdVoice[kUiLanguageCount] = {
    /* English  */ L"HD Voice",
    /* French   */ L"Voix HD",
    /* German   */ L"HD Voice",
    /* Italian  */ L"HD Voice",
    /* Japanese */ L"HDボイス",
    /* Korean   */ L"HD Voice",
    /* Spanish  */ L"Voz HD",
    /* Dutch    */ L"HD-spraak",
    /* Russian  */ L"HD Voice",
    /* Chinese  */ L"HD Voice",
    /* Finnish  */ L"HD-ääni",
    /* Czech    */ L"HD hlas",
    /* Polish   */ L"Głos HD",
};

// Fixed: English.
const wchar_t* const g_textAudioSourcePriority[kUiLanguageCount] = {
    /* English  */ L"Audio Source Priority",
    /* French   */ L"Priorité des sources audio",
    /* German   */ L"Priorität der Audioquellen",
    /* Italian  */ L"Priorità sorgente audio",
    /* Japanese */ L"オーディオソースの優先順位",
    /* Korean   */ L"오디오 소스 우선순위",
    /* Spanish  */ L"Prioridad de fuente de audio",
    /* Dutch    */ L"Prioriteit audiobron",
    /* Russian  */ L"Приоритет источника звука",
    /* Chinese  */ L"音频源优先级",
    /* Finnish  */ L"Äänilähteen prioriteetti",
    /* Czech    */ L"Priorita zdroje zvuku",
    /* Polish   */ L"Priorytet źródła dźwięku",
};

// Fixed: every row, a trade name that every language keeps as it is.
const wchar_t* const g_textLayertone[kUiLanguageCount] = {
    /* English  */ L"Layertone™",
    /* French   */ L"Layertone™",
    /* German   */ L"Layertone™",
    /* Italian  */ L"Layertone™",
    /* Japanese */ L"Layertone™",
    /* Korean   */ L"Layertone™",
    /* Spanish  */ L"Layertone™",
    /* Dutch    */ L"Layertone™",
    /* Russian  */ L"Layertone™",
    /* Chinese  */ L"Layertone™",
    /* Finnish  */ L"Layertone™",
    /* Czech    */ L"Layertone™",
    /* Polish   */ L"Layertone™",
};

// Fixed: English, and the trade name inside every row, which every language keeps as it is.
const wchar_t* const g_textBluetoothIntercomDualstream[kUiLanguageCount] = {
    /* English  */ L"Bluetooth Intercom Dualstream™",
    /* French   */ L"Dualstream™ de l'interphone Bluetooth",
    /* German   */ L"Bluetooth-Intercom-Dualstream™",
    /* Italian  */ L"Dualstream™ interfono Bluetooth",
    /* Japanese */ L"Bluetoothインターコム Dualstream™",
    /* Korean   */ L"블루투스 인터콤 Dualstream™",
    /* Spanish  */ L"Dualstream™ del intercomunicador Bluetooth",
    /* Dutch    */ L"Bluetooth-intercom Dualstream™",
    /* Russian  */ L"Dualstream™ Bluetooth-интеркома",
    /* Chinese  */ L"蓝牙对讲 Dualstream™",
    /* Finnish  */ L"Bluetooth-sisäpuhelimen Dualstream™",
    /* Czech    */ L"Bluetooth interkom Dualstream™",
    /* Polish   */ L"Dualstream™ interkomu Bluetooth",
};

// Fixed: every row, a trade name that every language keeps as it is.
const wchar_t* const g_textRoutecue[kUiLanguageCount] = {
    /* English  */ L"Routecue",
    /* French   */ L"Routecue",
    /* German   */ L"Routecue",
    /* Italian  */ L"Routecue",
    /* Japanese */ L"Routecue",
    /* Korean   */ L"Routecue",
    /* Spanish  */ L"Routecue",
    /* Dutch    */ L"Routecue",
    /* Russian  */ L"Routecue",
    /* Chinese  */ L"Routecue",
    /* Finnish  */ L"Routecue",
    /* Czech    */ L"Routecue",
    /* Polish   */ L"Routecue",
};

// Fixed: English.
const wchar_t* const g_textGuestMode[kUiLanguageCount] = {
    /* English  */ L"Guest Mode",
    /* French   */ L"Mode invité",
    /* German   */ L"Gastmodus",
    /* Italian  */ L"Modalità ospite",
    /* Japanese */ L"ゲストモード",
    /* Korean   */ L"게스트 모드",
    /* Spanish  */ L"Modo invitado",
    /* Dutch    */ L"Gastmodus",
    /* Russian  */ L"Гостевой режим",
    /* Chinese  */ L"访客模式",
    /* Finnish  */ L"Vierastila",
    /* Czech    */ L"Režim hosta",
    /* Polish   */ L"Tryb gościa",
};

// Fixed: English.
const wchar_t* const g_textVoiceCommand[kUiLanguageCount] = {
    /* English  */ L"Voice Command",
    /* French   */ L"Commande vocale",
    /* German   */ L"Sprachbefehl",
    /* Italian  */ L"Comando vocale",
    /* Japanese */ L"音声コマンド",
    /* Korean   */ L"음성 명령",
    /* Spanish  */ L"Comando de voz",
    /* Dutch    */ L"Spraakopdracht",
    /* Russian  */ L"Голосовая команда",
    /* Chinese  */ L"语音命令",
    /* Finnish  */ L"Äänikomento",
    /* Czech    */ L"Hlasový příkaz",
    /* Polish   */ L"Polecenie głosowe",
};

// Fixed: English.
const wchar_t* const g_textLayertoneVolumeManagement[kUiLanguageCount] = {
    /* English  */ L"Layertone Volume Management",
    /* French   */ L"Gestion du volume Layertone",
    /* German   */ L"Layertone-Lautstärkeverwaltung",
    /* Italian  */ L"Gestione volume Layertone",
    /* Japanese */ L"Layertone音量管理",
    /* Korean   */ L"Layertone 볼륨 관리",
    /* Spanish  */ L"Gestión de volumen de Layertone",
    /* Dutch    */ L"Layertone-volumebeheer",
    /* Russian  */ L"Управление громкостью Layertone",
    /* Chinese  */ L"Layertone 音量管理",
    /* Finnish  */ L"Layertone-äänenvoimakkuuden hallinta",
    /* Czech    */ L"Správa hlasitosti Layertone",
    /* Polish   */ L"Zarządzanie głośnością Layertone",
};

// Fixed: English.
const wchar_t* const g_textUnitLanguage[kUiLanguageCount] = {
    /* English  */ L"Unit Language",
    /* French   */ L"Langue de l'appareil",
    /* German   */ L"Gerätesprache",
    /* Italian  */ L"Lingua del dispositivo",
    /* Japanese */ L"本体の言語",
    /* Korean   */ L"기기 언어",
    /* Spanish  */ L"Idioma de la unidad",
    /* Dutch    */ L"Taal van het apparaat",
    /* Russian  */ L"Язык устройства",
    /* Chinese  */ L"设备语言",
    /* Finnish  */ L"Laitteen kieli",
    /* Czech    */ L"Jazyk zařízení",
    /* Polish   */ L"Język urządzenia",
};

// Fixed: English.
const wchar_t* const g_textChannelSelect[kUiLanguageCount] = {
    /* English  */ L"Channel Select",
    /* French   */ L"Sélection du canal",
    /* German   */ L"Kanalauswahl",
    /* Italian  */ L"Selezione canale",
    /* Japanese */ L"チャンネル選択",
    /* Korean   */ L"채널 선택",
    /* Spanish  */ L"Selección de canal",
    /* Dutch    */ L"Kanaalkeuze",
    /* Russian  */ L"Выбор канала",
    /* Chinese  */ L"频道选择",
    /* Finnish  */ L"Kanavan valinta",
    /* Czech    */ L"Výběr kanálu",
    /* Polish   */ L"Wybór kanału",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textEssStatus[kUiLanguageCount] = {
    /* English  */ L"ESS STATUS",
    /* French   */ L"ÉTAT ESS",
    /* German   */ L"ESS-ZUSTAND",
    /* Italian  */ L"STATO ESS",
    /* Japanese */ L"ESS STATUS",
    /* Korean   */ L"ESS STATUS",
    /* Spanish  */ L"ESTADO ESS",
    /* Dutch    */ L"ESS-STATUS",
    /* Russian  */ L"ESS STATUS",
    /* Chinese  */ L"ESS STATUS",
    /* Finnish  */ L"ESS STATUS",
    /* Czech    */ L"ESS STATUS",
    /* Polish   */ L"ESS STATUS",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textEssSensitivity[kUiLanguageCount] = {
    /* English  */ L"ESS Sensitivity",
    /* French   */ L"Sensibilité ESS",
    /* German   */ L"ESS-Empfindlichkeit",
    /* Italian  */ L"Sensibilità ESS",
    /* Japanese */ L"ESS Sensitivity",
    /* Korean   */ L"ESS Sensitivity",
    /* Spanish  */ L"Sensibilidad ESS",
    /* Dutch    */ L"ESS-gevoeligheid",
    /* Russian  */ L"ESS Sensitivity",
    /* Chinese  */ L"ESS Sensitivity",
    /* Finnish  */ L"ESS Sensitivity",
    /* Czech    */ L"ESS Sensitivity",
    /* Polish   */ L"ESS Sensitivity",
};

// Fixed: English.
const wchar_t* const g_textPhotoMode[kUiLanguageCount] = {
    /* English  */ L"Photo Mode",
    /* French   */ L"Mode photo",
    /* German   */ L"Fotomodus",
    /* Italian  */ L"Modalità foto",
    /* Japanese */ L"写真モード",
    /* Korean   */ L"사진 모드",
    /* Spanish  */ L"Modo foto",
    /* Dutch    */ L"Fotomodus",
    /* Russian  */ L"Режим фото",
    /* Chinese  */ L"拍照模式",
    /* Finnish  */ L"Kuvatila",
    /* Czech    */ L"Režim fotografií",
    /* Polish   */ L"Tryb zdjęć",
};

// Fixed: English.
const wchar_t* const g_textVideoMode[kUiLanguageCount] = {
    /* English  */ L"Video Mode",
    /* French   */ L"Mode vidéo",
    /* German   */ L"Videomodus",
    /* Italian  */ L"Modalità video",
    /* Japanese */ L"ビデオモード",
    /* Korean   */ L"비디오 모드",
    /* Spanish  */ L"Modo vídeo",
    /* Dutch    */ L"Videomodus",
    /* Russian  */ L"Режим видео",
    /* Chinese  */ L"视频模式",
    /* Finnish  */ L"Videotila",
    /* Czech    */ L"Režim videa",
    /* Polish   */ L"Tryb wideo",
};

// Fixed: English.
const wchar_t* const g_textVideoResolution[kUiLanguageCount] = {
    /* English  */ L"Video Resolution",
    /* French   */ L"Résolution vidéo",
    /* German   */ L"Videoauflösung",
    /* Italian  */ L"Risoluzione video",
    /* Japanese */ L"ビデオ解像度",
    /* Korean   */ L"비디오 해상도",
    /* Spanish  */ L"Resolución de vídeo",
    /* Dutch    */ L"Videoresolutie",
    /* Russian  */ L"Разрешение видео",
    /* Chinese  */ L"视频分辨率",
    /* Finnish  */ L"Videon tarkkuus",
    /* Czech    */ L"Rozlišení videa",
    /* Polish   */ L"Rozdzielczość wideo",
};

// Fixed: English.
const wchar_t* const g_textTimelapseInterval[kUiLanguageCount] = {
    /* English  */ L"Timelapse Interval",
    /* French   */ L"Intervalle du timelapse",
    /* German   */ L"Zeitraffer-Intervall",
    /* Italian  */ L"Intervallo timelapse",
    /* Japanese */ L"タイムラプス間隔",
    /* Korean   */ L"타임랩스 간격",
    /* Spanish  */ L"Intervalo de timelapse",
    /* Dutch    */ L"Timelapse-interval",
    /* Russian  */ L"Интервал таймлапса",
    /* Chinese  */ L"延时摄影间隔",
    /* Finnish  */ L"Aikavälikuvauksen väli",
    /* Czech    */ L"Interval časosběru",
    /* Polish   */ L"Interwał timelapse",
};

// Fixed: English.
const wchar_t* const g_textVideoTaggingInterval[kUiLanguageCount] = {
    /* English  */ L"Video Tagging Interval",
    /* French   */ L"Intervalle de marquage vidéo",
    /* German   */ L"Video-Markierungsintervall",
    /* Italian  */ L"Intervallo di tagging video",
    /* Japanese */ L"ビデオタグ付け間隔",
    /* Korean   */ L"비디오 태그 간격",
    /* Spanish  */ L"Intervalo de etiquetado de vídeo",
    /* Dutch    */ L"Interval videotagging",
    /* Russian  */ L"Интервал пометки видео",
    /* Chinese  */ L"视频标记间隔",
    /* Finnish  */ L"Videon merkintäväli",
    /* Czech    */ L"Interval označování videa",
    /* Polish   */ L"Interwał znakowania wideo",
};

// Fixed: English.
const wchar_t* const g_textLoopRecordingInterval[kUiLanguageCount] = {
    /* English  */ L"Loop Recording Interval",
    /* French   */ L"Intervalle d'enregistrement en boucle",
    /* German   */ L"Intervall der Loop-Aufnahme",
    /* Italian  */ L"Intervallo registrazione in loop",
    /* Japanese */ L"ループ録画間隔",
    /* Korean   */ L"루프 녹화 간격",
    /* Spanish  */ L"Intervalo de grabación en bucle",
    /* Dutch    */ L"Interval lusopname",
    /* Russian  */ L"Интервал циклической записи",
    /* Chinese  */ L"循环录制间隔",
    /* Finnish  */ L"Silmukkatallennuksen väli",
    /* Czech    */ L"Interval smyčkového nahrávání",
    /* Polish   */ L"Interwał nagrywania w pętli",
};

// Fixed: English. Russian is stored cut short with "..." (nothing shortens a name at run time).
const wchar_t* const g_textVideoMicrophoneGain[kUiLanguageCount] = {
    /* English  */ L"Video Microphone Gain",
    /* French   */ L"Gain du micro vidéo",
    /* German   */ L"Videomikrofon-Verstärkung",
    /* Italian  */ L"Guadagno microfono video",
    /* Japanese */ L"ビデオマイクゲイン",
    /* Korean   */ L"비디오 마이크 게인",
    /* Spanish  */ L"Ganancia del micrófono de vídeo",
    /* Dutch    */ L"Versterking videomicrofoon",
    /* Russian  */ L"Усиление микрофона при вид...",
    /* Chinese  */ L"视频麦克风增益",
    /* Finnish  */ L"Videomikrofonin vahvistus",
    /* Czech    */ L"Zisk mikrofonu videa",
    /* Polish   */ L"Wzmocnienie mikrofonu wideo",
};

// Fixed: English.
const wchar_t* const g_textDateCaption[kUiLanguageCount] = {
    /* English  */ L"Date Caption",
    /* French   */ L"Incrustation de la date",
    /* German   */ L"Datumseinblendung",
    /* Italian  */ L"Timbro data",
    /* Japanese */ L"日付表示",
    /* Korean   */ L"날짜 표시",
    /* Spanish  */ L"Marca de fecha",
    /* Dutch    */ L"Datumweergave",
    /* Russian  */ L"Отметка даты",
    /* Chinese  */ L"日期水印",
    /* Finnish  */ L"Päivämäärän merkintä",
    /* Czech    */ L"Zobrazení data",
    /* Polish   */ L"Znacznik daty",
};

// Fixed: English.
const wchar_t* const g_textSpeakerSoundRecording[kUiLanguageCount] = {
    /* English  */ L"Speaker Sound Recording",
    /* French   */ L"Enregistrement du son du haut-parleur",
    /* German   */ L"Lautsprecherton-Aufnahme",
    /* Italian  */ L"Registrazione audio altoparlante",
    /* Japanese */ L"スピーカー音の録音",
    /* Korean   */ L"스피커 소리 녹음",
    /* Spanish  */ L"Grabación del sonido del altavoz",
    /* Dutch    */ L"Opname luidsprekergeluid",
    /* Russian  */ L"Запись звука динамика",
    /* Chinese  */ L"扬声器声音录制",
    /* Finnish  */ L"Kaiuttimen äänen tallennus",
    /* Czech    */ L"Nahrávání zvuku reproduktoru",
    /* Polish   */ L"Nagrywanie dźwięku głośnika",
};

// Fixed: English, and the "▶ " mark in front of every row.
const wchar_t* const g_textRecordSourceMusic[kUiLanguageCount] = {
    /* English  */ L"▶ Music",
    /* French   */ L"▶ Musique",
    /* German   */ L"▶ Musik",
    /* Italian  */ L"▶ Musica",
    /* Japanese */ L"▶ 音楽",
    /* Korean   */ L"▶ 음악",
    /* Spanish  */ L"▶ Música",
    /* Dutch    */ L"▶ Muziek",
    /* Russian  */ L"▶ Музыка",
    /* Chinese  */ L"▶ 音乐",
    /* Finnish  */ L"▶ Musiikki",
    /* Czech    */ L"▶ Hudba",
    /* Polish   */ L"▶ Muzyka",
};

// Fixed: English, and the "▶ " mark in front of every row.
const wchar_t* const g_textRecordSourceFmRadio[kUiLanguageCount] = {
    /* English  */ L"▶ FM Radio",
    /* French   */ L"▶ Radio FM",
    /* German   */ L"▶ UKW-Radio",
    /* Italian  */ L"▶ Radio FM",
    /* Japanese */ L"▶ FMラジオ",
    /* Korean   */ L"▶ FM 라디오",
    /* Spanish  */ L"▶ Radio FM",
    /* Dutch    */ L"▶ FM-radio",
    /* Russian  */ L"▶ FM-радио",
    /* Chinese  */ L"▶ FM 收音机",
    /* Finnish  */ L"▶ FM-radio",
    /* Czech    */ L"▶ FM rádio",
    /* Polish   */ L"▶ Radio FM",
};

// Fixed: English, and the "▶ " mark in front of every row.
const wchar_t* const g_textRecordSourceIntercom[kUiLanguageCount] = {
    /* English  */ L"▶ Intercom",
    /* French   */ L"▶ Interphone",
    /* German   */ L"▶ Intercom",
    /* Italian  */ L"▶ Interfono",
    /* Japanese */ L"▶ インターコム",
    /* Korean   */ L"▶ 인터콤",
    /* Spanish  */ L"▶ Intercomunicador",
    /* Dutch    */ L"▶ Intercom",
    /* Russian  */ L"▶ Интерком",
    /* Chinese  */ L"▶ 对讲",
    /* Finnish  */ L"▶ Sisäpuhelin",
    /* Czech    */ L"▶ Interkom",
    /* Polish   */ L"▶ Interkom",
};

// Fixed: English, and the "▶ " mark in front of every row.
const wchar_t* const g_textRecordSourcePhone[kUiLanguageCount] = {
    /* English  */ L"▶ Phone",
    /* French   */ L"▶ Téléphone",
    /* German   */ L"▶ Telefon",
    /* Italian  */ L"▶ Telefono",
    /* Japanese */ L"▶ 電話",
    /* Korean   */ L"▶ 전화",
    /* Spanish  */ L"▶ Teléfono",
    /* Dutch    */ L"▶ Telefoon",
    /* Russian  */ L"▶ Телефон",
    /* Chinese  */ L"▶ 电话",
    /* Finnish  */ L"▶ Puhelin",
    /* Czech    */ L"▶ Telefon",
    /* Polish   */ L"▶ Telefon",
};

// Fixed: English.
const wchar_t* const g_textAutoCameraSleep[kUiLanguageCount] = {
    /* English  */ L"Auto Camera Sleep",
    /* French   */ L"Mise en veille auto de la caméra",
    /* German   */ L"Automatischer Kamera-Ruhemodus",
    /* Italian  */ L"Sospensione automatica fotocamera",
    /* Japanese */ L"カメラ自動スリープ",
    /* Korean   */ L"카메라 자동 절전",
    /* Spanish  */ L"Suspensión automática de la cámara",
    /* Dutch    */ L"Automatische slaapstand camera",
    /* Russian  */ L"Автоматический спящий режим камеры",
    /* Chinese  */ L"相机自动休眠",
    /* Finnish  */ L"Kameran automaattinen lepotila",
    /* Czech    */ L"Automatický spánek kamery",
    /* Polish   */ L"Automatyczne uśpienie kamery",
};

// Fixed: English.
const wchar_t* const g_textEmpty[kUiLanguageCount] = {
    /* English  */ L"Empty",
    /* French   */ L"Vide",
    /* German   */ L"Leer",
    /* Italian  */ L"Vuoto",
    /* Japanese */ L"空",
    /* Korean   */ L"비어 있음",
    /* Spanish  */ L"Vacío",
    /* Dutch    */ L"Leeg",
    /* Russian  */ L"Пусто",
    /* Chinese  */ L"空",
    /* Finnish  */ L"Tyhjä",
    /* Czech    */ L"Prázdné",
    /* Polish   */ L"Pusty",
};

// Fixed: English.
const wchar_t* const g_textSingleShot[kUiLanguageCount] = {
    /* English  */ L"Single Shot",
    /* French   */ L"Photo unique",
    /* German   */ L"Einzelaufnahme",
    /* Italian  */ L"Scatto singolo",
    /* Japanese */ L"シングルショット",
    /* Korean   */ L"단일 촬영",
    /* Spanish  */ L"Disparo único",
    /* Dutch    */ L"Enkele opname",
    /* Russian  */ L"Одиночный снимок",
    /* Chinese  */ L"单张拍摄",
    /* Finnish  */ L"Yksittäiskuva",
    /* Czech    */ L"Jeden snímek",
    /* Polish   */ L"Pojedyncze zdjęcie",
};

// Fixed: English.
const wchar_t* const g_textBurstShot[kUiLanguageCount] = {
    /* English  */ L"Burst Shot",
    /* French   */ L"Rafale",
    /* German   */ L"Serienaufnahme",
    /* Italian  */ L"Scatto a raffica",
    /* Japanese */ L"バーストショット",
    /* Korean   */ L"연속 촬영",
    /* Spanish  */ L"Ráfaga",
    /* Dutch    */ L"Serie-opname",
    /* Russian  */ L"Серийная съёмка",
    /* Chinese  */ L"连拍",
    /* Finnish  */ L"Sarjakuvaus",
    /* Czech    */ L"Sériové snímání",
    /* Polish   */ L"Zdjęcia seryjne",
};

// Fixed: English.
const wchar_t* const g_textTimelapseMode[kUiLanguageCount] = {
    /* English  */ L"Timelapse Mode",
    /* French   */ L"Mode timelapse",
    /* German   */ L"Zeitraffermodus",
    /* Italian  */ L"Modalità timelapse",
    /* Japanese */ L"タイムラプスモード",
    /* Korean   */ L"타임랩스 모드",
    /* Spanish  */ L"Modo timelapse",
    /* Dutch    */ L"Timelapsemodus",
    /* Russian  */ L"Режим таймлапса",
    /* Chinese  */ L"延时摄影模式",
    /* Finnish  */ L"Aikavälikuvaustila",
    /* Czech    */ L"Režim časosběru",
    /* Polish   */ L"Tryb timelapse",
};

// Fixed: English.
const wchar_t* const g_textLoopRecordingMode[kUiLanguageCount] = {
    /* English  */ L"Loop Recording Mode",
    /* French   */ L"Mode enregistrement en boucle",
    /* German   */ L"Loop-Aufnahmemodus",
    /* Italian  */ L"Modalità registrazione in loop",
    /* Japanese */ L"ループ録画モード",
    /* Korean   */ L"루프 녹화 모드",
    /* Spanish  */ L"Modo de grabación en bucle",
    /* Dutch    */ L"Modus lusopname",
    /* Russian  */ L"Режим циклической записи",
    /* Chinese  */ L"循环录制模式",
    /* Finnish  */ L"Silmukkatallennustila",
    /* Czech    */ L"Režim smyčkového nahrávání",
    /* Polish   */ L"Tryb nagrywania w pętli",
};

// Fixed: every row. French, Russian and Czech write it their way, the other nine keep the English
// text.
const wchar_t* const g_text1080p30fps[kUiLanguageCount] = {
    /* English  */ L"1080p/30fps",
    /* French   */ L"1080p / 30 ips",
    /* German   */ L"1080p/30fps",
    /* Italian  */ L"1080p/30fps",
    /* Japanese */ L"1080p/30fps",
    /* Korean   */ L"1080p/30fps",
    /* Spanish  */ L"1080p/30fps",
    /* Dutch    */ L"1080p/30fps",
    /* Russian  */ L"1080p (30 кадров/сек)",
    /* Chinese  */ L"1080p/30fps",
    /* Finnish  */ L"1080p/30fps",
    /* Czech    */ L"1080p / 30 sn./s",
    /* Polish   */ L"1080p/30fps",
};

// Fixed: every row. French, Russian and Czech write it their way, the other nine keep the English
// text.
const wchar_t* const g_text720p60fps[kUiLanguageCount] = {
    /* English  */ L"720p/60fps",
    /* French   */ L"720p / 60 ips",
    /* German   */ L"720p/60fps",
    /* Italian  */ L"720p/60fps",
    /* Japanese */ L"720p/60fps",
    /* Korean   */ L"720p/60fps",
    /* Spanish  */ L"720p/60fps",
    /* Dutch    */ L"720p/60fps",
    /* Russian  */ L"720p (60 кадров/сек)",
    /* Chinese  */ L"720p/60fps",
    /* Finnish  */ L"720p/60fps",
    /* Czech    */ L"720p / 60 sn./s",
    /* Polish   */ L"720p/60fps",
};

// Fixed: every row. French, Russian and Czech write it their way, the other nine keep the English
// text.
const wchar_t* const g_text720p30fps[kUiLanguageCount] = {
    /* English  */ L"720p/30fps",
    /* French   */ L"720p / 30 ips",
    /* German   */ L"720p/30fps",
    /* Italian  */ L"720p/30fps",
    /* Japanese */ L"720p/30fps",
    /* Korean   */ L"720p/30fps",
    /* Spanish  */ L"720p/30fps",
    /* Dutch    */ L"720p/30fps",
    /* Russian  */ L"720p (30 кадров/сек)",
    /* Chinese  */ L"720p/30fps",
    /* Finnish  */ L"720p/30fps",
    /* Czech    */ L"720p / 30 sn./s",
    /* Polish   */ L"720p/30fps",
};

// Fixed: English. The other rows use each language's own abbreviation (several write it as English
// does).
const wchar_t* const g_text1Min[kUiLanguageCount] = {
    /* English  */ L"1 min",
    /* French   */ L"1 min",
    /* German   */ L"1 Min.",
    /* Italian  */ L"1 min",
    /* Japanese */ L"1分",
    /* Korean   */ L"1분",
    /* Spanish  */ L"1 min",
    /* Dutch    */ L"1 min",
    /* Russian  */ L"1 мин",
    /* Chinese  */ L"1 分钟",
    /* Finnish  */ L"1 min",
    /* Czech    */ L"1 min",
    /* Polish   */ L"1 min",
};

// Fixed: English. The other rows use each language's own abbreviation (several write it as English
// does).
const wchar_t* const g_text3Mins[kUiLanguageCount] = {
    /* English  */ L"3 mins",
    /* French   */ L"3 min",
    /* German   */ L"3 Min.",
    /* Italian  */ L"3 min",
    /* Japanese */ L"3分",
    /* Korean   */ L"3분",
    /* Spanish  */ L"3 min",
    /* Dutch    */ L"3 min",
    /* Russian  */ L"3 мин",
    /* Chinese  */ L"3 分钟",
    /* Finnish  */ L"3 min",
    /* Czech    */ L"3 min",
    /* Polish   */ L"3 min",
};

// Fixed: English. The other rows use each language's own abbreviation (several write it as English
// does).
const wchar_t* const g_text5Mins[kUiLanguageCount] = {
    /* English  */ L"5 mins",
    /* French   */ L"5 min",
    /* German   */ L"5 Min.",
    /* Italian  */ L"5 min",
    /* Japanese */ L"5分",
    /* Korean   */ L"5분",
    /* Spanish  */ L"5 min",
    /* Dutch    */ L"5 min",
    /* Russian  */ L"5 мин",
    /* Chinese  */ L"5 分钟",
    /* Finnish  */ L"5 min",
    /* Czech    */ L"5 min",
    /* Polish   */ L"5 min",
};

// Fixed: English. The other rows use each language's own abbreviation (several write it as English
// does).
const wchar_t* const g_text1Sec[kUiLanguageCount] = {
    /* English  */ L"1 sec",
    /* French   */ L"1 s",
    /* German   */ L"1 Sek.",
    /* Italian  */ L"1 s",
    /* Japanese */ L"1秒",
    /* Korean   */ L"1초",
    /* Spanish  */ L"1 s",
    /* Dutch    */ L"1 sec",
    /* Russian  */ L"1 сек",
    /* Chinese  */ L"1 秒",
    /* Finnish  */ L"1 s",
    /* Czech    */ L"1 s",
    /* Polish   */ L"1 s",
};

// Fixed: English. The other rows use each language's own abbreviation (several write it as English
// does).
const wchar_t* const g_text10Secs[kUiLanguageCount] = {
    /* English  */ L"10 secs",
    /* French   */ L"10 s",
    /* German   */ L"10 Sek.",
    /* Italian  */ L"10 s",
    /* Japanese */ L"10秒",
    /* Korean   */ L"10초",
    /* Spanish  */ L"10 s",
    /* Dutch    */ L"10 sec",
    /* Russian  */ L"10 сек",
    /* Chinese  */ L"10 秒",
    /* Finnish  */ L"10 s",
    /* Czech    */ L"10 s",
    /* Polish   */ L"10 s",
};

// Fixed: English.
const wchar_t* const g_textMusic[kUiLanguageCount] = {
    /* English  */ L"Music",
    /* French   */ L"Musique",
    /* German   */ L"Musik",
    /* Italian  */ L"Musica",
    /* Japanese */ L"音楽",
    /* Korean   */ L"음악",
    /* Spanish  */ L"Música",
    /* Dutch    */ L"Muziek",
    /* Russian  */ L"Музыка",
    /* Chinese  */ L"音乐",
    /* Finnish  */ L"Musiikki",
    /* Czech    */ L"Hudba",
    /* Polish   */ L"Muzyka",
};

// Fixed: English. German and Dutch use the English word too.
const wchar_t* const g_textIntercom[kUiLanguageCount] = {
    /* English  */ L"Intercom",
    /* French   */ L"Interphone",
    /* German   */ L"Intercom",
    /* Italian  */ L"Interfono",
    /* Japanese */ L"インターコム",
    /* Korean   */ L"인터콤",
    /* Spanish  */ L"Intercomunicador",
    /* Dutch    */ L"Intercom",
    /* Russian  */ L"Интерком",
    /* Chinese  */ L"对讲",
    /* Finnish  */ L"Sisäpuhelin",
    /* Czech    */ L"Interkom",
    /* Polish   */ L"Interkom",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textEssOn[kUiLanguageCount] = {
    /* English  */ L"ESS ON",
    /* French   */ L"ESS ACTIVÉ",
    /* German   */ L"ESS EIN",
    /* Italian  */ L"ESS ATTIVO",
    /* Japanese */ L"ESS ON",
    /* Korean   */ L"ESS ON",
    /* Spanish  */ L"ESS ACTIVADO",
    /* Dutch    */ L"ESS AAN",
    /* Russian  */ L"ESS ON",
    /* Chinese  */ L"ESS ON",
    /* Finnish  */ L"ESS ON",
    /* Czech    */ L"ESS ON",
    /* Polish   */ L"ESS ON",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textEssOff[kUiLanguageCount] = {
    /* English  */ L"ESS OFF",
    /* French   */ L"ESS DÉSACTIVÉ",
    /* German   */ L"ESS AUS",
    /* Italian  */ L"ESS DISATTIVO",
    /* Japanese */ L"ESS OFF",
    /* Korean   */ L"ESS OFF",
    /* Spanish  */ L"ESS DESACTIVADO",
    /* Dutch    */ L"ESS UIT",
    /* Russian  */ L"ESS OFF",
    /* Chinese  */ L"ESS OFF",
    /* Finnish  */ L"ESS OFF",
    /* Czech    */ L"ESS OFF",
    /* Polish   */ L"ESS OFF",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textPositionLightEssOn[kUiLanguageCount] = {
    /* English  */ L"Position Light + ESS ON",
    /* French   */ L"Feu de position + ESS ACTIVÉ",
    /* German   */ L"Positionslicht + ESS EIN",
    /* Italian  */ L"Luce di posizione + ESS ATTIVO",
    /* Japanese */ L"Position Light + ESS ON",
    /* Korean   */ L"Position Light + ESS ON",
    /* Spanish  */ L"Luz de posición + ESS ACTIVADO",
    /* Dutch    */ L"Positielicht + ESS AAN",
    /* Russian  */ L"Position Light + ESS ON",
    /* Chinese  */ L"Position Light + ESS ON",
    /* Finnish  */ L"Position Light + ESS ON",
    /* Czech    */ L"Position Light + ESS ON",
    /* Polish   */ L"Position Light + ESS ON",
};

// Fixed: English, and the seven rows that keep it; French, German, Italian, Spanish and Dutch are
// our translations.
const wchar_t* const g_textFogLightEssOn[kUiLanguageCount] = {
    /* English  */ L"Fog Light + ESS ON",
    /* French   */ L"Feu antibrouillard + ESS ACTIVÉ",
    /* German   */ L"Nebelscheinwerfer + ESS EIN",
    /* Italian  */ L"Fendinebbia + ESS ATTIVO",
    /* Japanese */ L"Fog Light + ESS ON",
    /* Korean   */ L"Fog Light + ESS ON",
    /* Spanish  */ L"Luz antiniebla + ESS ACTIVADO",
    /* Dutch    */ L"Mistlicht + ESS AAN",
    /* Russian  */ L"Fog Light + ESS ON",
    /* Chinese  */ L"Fog Light + ESS ON",
    /* Finnish  */ L"Fog Light + ESS ON",
    /* Czech    */ L"Fog Light + ESS ON",
    /* Polish   */ L"Fog Light + ESS ON",
};

// Fixed: English.
const wchar_t* const g_textDate[kUiLanguageCount] = {
    /* English  */ L"Date",
    /* French   */ L"Date",
    /* German   */ L"Datum",
    /* Italian  */ L"Data",
    /* Japanese */ L"日付",
    /* Korean   */ L"날짜",
    /* Spanish  */ L"Fecha",
    /* Dutch    */ L"Datum",
    /* Russian  */ L"Дата",
    /* Chinese  */ L"日期",
    /* Finnish  */ L"Päivämäärä",
    /* Czech    */ L"Datum",
    /* Polish   */ L"Data",
};

// Fixed: English.
const wchar_t* const g_textRegion[kUiLanguageCount] = {
    /* English  */ L"Region",
    /* French   */ L"Région",
    /* German   */ L"Region",
    /* Italian  */ L"Regione",
    /* Japanese */ L"地域",
    /* Korean   */ L"지역",
    /* Spanish  */ L"Región",
    /* Dutch    */ L"Regio",
    /* Russian  */ L"Регион",
    /* Chinese  */ L"区域",
    /* Finnish  */ L"Alue",
    /* Czech    */ L"Oblast",
    /* Polish   */ L"Region",
};

// Fixed: English.
const wchar_t* const g_textFmRadioPresets[kUiLanguageCount] = {
    /* English  */ L"FM Radio Presets",
    /* French   */ L"Présélections radio FM",
    /* German   */ L"UKW-Radio-Speicherplätze",
    /* Italian  */ L"Preselezioni radio FM",
    /* Japanese */ L"FMラジオのプリセット",
    /* Korean   */ L"FM 라디오 프리셋",
    /* Spanish  */ L"Presintonías de radio FM",
    /* Dutch    */ L"FM-radiovoorkeuzes",
    /* Russian  */ L"Предустановки FM-радио",
    /* Chinese  */ L"FM 收音机预设",
    /* Finnish  */ L"FM-radion esiasetukset",
    /* Czech    */ L"Předvolby rádia FM",
    /* Polish   */ L"Zapisane stacje radia FM",
};

// Fixed: English.
const wchar_t* const g_textFmRadio[kUiLanguageCount] = {
    /* English  */ L"FM Radio",
    /* French   */ L"Radio FM",
    /* German   */ L"UKW-Radio",
    /* Italian  */ L"Radio FM",
    /* Japanese */ L"FMラジオ",
    /* Korean   */ L"FM 라디오",
    /* Spanish  */ L"Radio FM",
    /* Dutch    */ L"FM-radio",
    /* Russian  */ L"FM-радио",
    /* Chinese  */ L"FM 收音机",
    /* Finnish  */ L"FM-radio",
    /* Czech    */ L"FM rádio",
    /* Polish   */ L"Radio FM",
};

// Fixed: English.
const wchar_t* const g_textBasic[kUiLanguageCount] = {
    /* English  */ L"Basic",
    /* French   */ L"De base",
    /* German   */ L"Allgemein",
    /* Italian  */ L"Base",
    /* Japanese */ L"基本",
    /* Korean   */ L"기본",
    /* Spanish  */ L"Básico",
    /* Dutch    */ L"Basis",
    /* Russian  */ L"Основные",
    /* Chinese  */ L"基本",
    /* Finnish  */ L"Perus",
    /* Czech    */ L"Základní",
    /* Polish   */ L"Podstawowe",
};

// Fixed: English.
const wchar_t* const g_textSpeedDial[kUiLanguageCount] = {
    /* English  */ L"Speed Dial",
    /* French   */ L"Numérotation rapide",
    /* German   */ L"Kurzwahl",
    /* Italian  */ L"Chiamata rapida",
    /* Japanese */ L"スピードダイヤル",
    /* Korean   */ L"단축 다이얼",
    /* Spanish  */ L"Marcación rápida",
    /* Dutch    */ L"Snelkiezen",
    /* Russian  */ L"Быстрый набор",
    /* Chinese  */ L"快速拨号",
    /* Finnish  */ L"Pikavalinta",
    /* Czech    */ L"Rychlá volba",
    /* Polish   */ L"Szybkie wybieranie",
};

// Fixed: English and Finnish, Finnish with its single ellipsis character.
const wchar_t* const g_textMore[kUiLanguageCount] = {
    /* English  */ L"More...",
    /* French   */ L"Plus...",
    /* German   */ L"Mehr...",
    /* Italian  */ L"Altro...",
    /* Japanese */ L"その他...",
    /* Korean   */ L"더 보기...",
    /* Spanish  */ L"Más...",
    /* Dutch    */ L"Meer...",
    /* Russian  */ L"Ещё...",
    /* Chinese  */ L"更多...",
    /* Finnish  */ L"Enemmän…",
    /* Czech    */ L"Více...",
    /* Polish   */ L"Więcej...",
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

std::wstring TextLowMediumHigh(int language, int entry) { return Entry(g_textLowMediumHigh, language, entry); }
std::wstring TextFmRegionNames(int language, int entry) { return Entry(g_textFmRegionNames, language, entry); }
std::wstring TextLevelNames(int language, int entry) { return Entry(g_textLevelNames, language, entry); }
std::wstring TextChannelNames(int language, int entry) { return Entry(g_textChannelNames, language, entry); }
std::wstring TextUnitLanguageNames(int language, int entry) { return Entry(g_textUnitLanguageNames, language, entry); }

std::wstring TextVoxIntercom(int language) { return LocalisedRow(g_textVoxIntercom, language); }
std::wstring TextVoxPhone(int language) { return LocalisedRow(g_textVoxPhone, language); }
std::wstring TextEdr(int language) { return LocalisedRow(g_textEdr, language); }
std::wstring TextVoicePrompt(int language) { return LocalisedRow(g_textVoicePrompt, language); }
std::wstring TextPlc(int language) { return LocalisedRow(g_textPlc, language); }
std::wstring TextHighQualityA2dp(int language) { return LocalisedRow(g_textHighQualityA2dp, language); }
std::wstring TextMicrophoneBoosting(int language) { return LocalisedRow(g_textMicrophoneBoosting, language); }
std::wstring TextSidetone(int language) { return LocalisedRow(g_textSidetone, language); }
std::wstring TextHushguard(int language) { return LocalisedRow(g_textHushguard, language); }
std::wstring TextAutoGainControl(int language) { return LocalisedRow(g_textAutoGainControl, language); }
std::wstring TextRadioTransmitGain(int language) { return LocalisedRow(g_textRadioTransmitGain, language); }
std::wstring TextAudioChannelTimeout(int language) { return LocalisedRow(g_textAudioChannelTimeout, language); }
std::wstring TextAudioBoost(int language) { return LocalisedRow(g_textAudioBoost, language); }
std::wstring TextRadioRegion(int language) { return LocalisedRow(g_textRadioRegion, language); }
std::wstring TextRdsAf(int language) { return LocalisedRow(g_textRdsAf, language); }
std::wstring TextMotionSensorSensitivity(int language) { return LocalisedRow(g_textMotionSensorSensitivity, language); }
std::wstring TextDualstream(int language) { return LocalisedRow(g_textDualstream, language); }
std::wstring TextOverlaySensitivity(int language) { return LocalisedRow(g_textOverlaySensitivity, language); }
std::wstring TextNavigationAppSupport(int language) { return LocalisedRow(g_textNavigationAppSupport, language); }
std::wstring TextVoxSensitivity(int language) { return LocalisedRow(g_textVoxSensitivity, language); }
std::wstring TextHdIntercom(int language) { return LocalisedRow(g_textHdIntercom, language); }
std::wstring TextEightWayIntercom(int language) { return LocalisedRow(g_textEightWayIntercom, language); }
std::wstring TextSmartVolumeControl(int language) { return LocalisedRow(g_textSmartVolumeControl, language); }
std::wstring TextFmStationGuide(int language) { return LocalisedRow(g_textFmStationGuide, language); }
std::wstring TextHdVoice(int language) { return LocalisedRow(g_textHdVoice, language); }
std::wstring TextAudioSourcePriority(int language) { return LocalisedRow(g_textAudioSourcePriority, language); }
std::wstring TextLayertone(int language) { return LocalisedRow(g_textLayertone, language); }
std::wstring TextBluetoothIntercomDualstream(int language) { return LocalisedRow(g_textBluetoothIntercomDualstream, language); }
std::wstring TextRoutecue(int language) { return LocalisedRow(g_textRoutecue, language); }
std::wstring TextGuestMode(int language) { return LocalisedRow(g_textGuestMode, language); }
std::wstring TextVoiceCommand(int language) { return LocalisedRow(g_textVoiceCommand, language); }
std::wstring TextLayertoneVolumeManagement(int language) { return LocalisedRow(g_textLayertoneVolumeManagement, language); }
std::wstring TextUnitLanguage(int language) { return LocalisedRow(g_textUnitLanguage, language); }
std::wstring TextChannelSelect(int language) { return LocalisedRow(g_textChannelSelect, language); }
std::wstring TextEssStatus(int language) { return LocalisedRow(g_textEssStatus, language); }
std::wstring TextEssSensitivity(int language) { return LocalisedRow(g_textEssSensitivity, language); }
std::wstring TextPhotoMode(int language) { return LocalisedRow(g_textPhotoMode, language); }
std::wstring TextVideoMode(int language) { return LocalisedRow(g_textVideoMode, language); }
std::wstring TextVideoResolution(int language) { return LocalisedRow(g_textVideoResolution, language); }
std::wstring TextTimelapseInterval(int language) { return LocalisedRow(g_textTimelapseInterval, language); }
std::wstring TextVideoTaggingInterval(int language) { return LocalisedRow(g_textVideoTaggingInterval, language); }
std::wstring TextLoopRecordingInterval(int language) { return LocalisedRow(g_textLoopRecordingInterval, language); }
std::wstring TextVideoMicrophoneGain(int language) { return LocalisedRow(g_textVideoMicrophoneGain, language); }
std::wstring TextDateCaption(int language) { return LocalisedRow(g_textDateCaption, language); }
std::wstring TextSpeakerSoundRecording(int language) { return LocalisedRow(g_textSpeakerSoundRecording, language); }
std::wstring TextRecordSourceMusic(int language) { return LocalisedRow(g_textRecordSourceMusic, language); }
std::wstring TextRecordSourceFmRadio(int language) { return LocalisedRow(g_textRecordSourceFmRadio, language); }
std::wstring TextRecordSourceIntercom(int language) { return LocalisedRow(g_textRecordSourceIntercom, language); }
std::wstring TextRecordSourcePhone(int language) { return LocalisedRow(g_textRecordSourcePhone, language); }
std::wstring TextAutoCameraSleep(int language) { return LocalisedRow(g_textAutoCameraSleep, language); }
std::wstring TextEmpty(int language) { return LocalisedRow(g_textEmpty, language); }
std::wstring TextSingleShot(int language) { return LocalisedRow(g_textSingleShot, language); }
std::wstring TextBurstShot(int language) { return LocalisedRow(g_textBurstShot, language); }
std::wstring TextTimelapseMode(int language) { return LocalisedRow(g_textTimelapseMode, language); }
std::wstring TextLoopRecordingMode(int language) { return LocalisedRow(g_textLoopRecordingMode, language); }
std::wstring Text1080p30fps(int language) { return LocalisedRow(g_text1080p30fps, language); }
std::wstring Text720p60fps(int language) { return LocalisedRow(g_text720p60fps, language); }
std::wstring Text720p30fps(int language) { return LocalisedRow(g_text720p30fps, language); }
std::wstring Text1Min(int language) { return LocalisedRow(g_text1Min, language); }
std::wstring Text3Mins(int language) { return LocalisedRow(g_text3Mins, language); }
std::wstring Text5Mins(int language) { return LocalisedRow(g_text5Mins, language); }
std::wstring Text1Sec(int language) { return LocalisedRow(g_text1Sec, language); }
std::wstring Text10Secs(int language) { return LocalisedRow(g_text10Secs, language); }
std::wstring TextMusic(int language) { return LocalisedRow(g_textMusic, language); }
std::wstring TextIntercom(int language) { return LocalisedRow(g_textIntercom, language); }
std::wstring TextEssOn(int language) { return LocalisedRow(g_textEssOn, language); }
std::wstring TextEssOff(int language) { return LocalisedRow(g_textEssOff, language); }
std::wstring TextPositionLightEssOn(int language) { return LocalisedRow(g_textPositionLightEssOn, language); }
std::wstring TextFogLightEssOn(int language) { return LocalisedRow(g_textFogLightEssOn, language); }
std::wstring TextDate(int language) { return LocalisedRow(g_textDate, language); }
std::wstring TextRegion(int language) { return LocalisedRow(g_textRegion, language); }
std::wstring TextFmRadioPresets(int language) { return LocalisedRow(g_textFmRadioPresets, language); }
std::wstring TextFmRadio(int language) { return LocalisedRow(g_textFmRadio, language); }
std::wstring TextBasic(int language) { return LocalisedRow(g_textBasic, language); }
std::wstring TextSpeedDial(int language) { return LocalisedRow(g_textSpeedDial, language); }
std::wstring TextMore(int language) { return LocalisedRow(g_textMore, language); }
