#include "text/HelpTextTables.h"

#include "device/DeviceConfig.h"

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

namespace {

// English is fixed wording, quoted word for word by manuals and support documents (the
// "Timelaspe" of the three-mode video text included); the other rows are our own translations
// and keep the English text's "%s" placeholders in their order.

HelpRows g_photoMode = {
    /* English  */ L"[Photo Mode]\nYou can select the photo mode to be either single shot or burst shot. Single shot takes a single photo while burst shot takes 10 photos in one second.",
    /* French   */ L"[Mode photo]\nVous pouvez choisir le mode photo vue par vue ou rafale. Le mode vue par vue prend une seule photo, le mode rafale prend 10 photos en une seconde.",
    /* German   */ L"[Fotomodus]\nSie können als Fotomodus Einzelbild oder Serienbild wählen. Einzelbild nimmt ein Foto auf, Serienbild 10 Fotos in einer Sekunde.",
    /* Italian  */ L"[Modalità foto]\nÈ possibile scegliere la modalità foto scatto singolo o raffica. Lo scatto singolo scatta una foto, la raffica scatta 10 foto in un secondo.",
    /* Japanese */ L"[写真モード]\n写真モードはシングルショットまたはバーストショットから選べます。シングルショットは写真を1枚、バーストショットは1秒間に10枚撮影します。",
    /* Korean   */ L"[사진 모드]\n사진 모드를 단일 촬영 또는 연속 촬영으로 선택할 수 있습니다. 단일 촬영은 사진 한 장을, 연속 촬영은 1초에 10장을 찍습니다.",
    /* Spanish  */ L"[Modo foto]\nPuede elegir el modo foto disparo único o ráfaga. El disparo único toma una foto y la ráfaga toma 10 fotos en un segundo.",
    /* Dutch    */ L"[Fotomodus]\nU kunt als fotomodus enkele opname of serieopname kiezen. Enkele opname maakt één foto, serieopname maakt 10 foto's in één seconde.",
    /* Russian  */ L"[Режим фото]\nМожно выбрать режим одиночного снимка или серийной съёмки. Одиночный снимок — одна фотография, серийная съёмка — 10 фотографий за одну секунду.",
    /* Chinese  */ L"[照片模式]\n照片模式可选择单张拍摄或连拍。单张拍摄拍一张照片,连拍在一秒内拍 10 张照片。",
    /* Finnish  */ L"[Kuvatila]\nKuvatilaksi voi valita yksittäiskuvan tai sarjakuvauksen. Yksittäiskuva ottaa yhden kuvan, sarjakuvaus 10 kuvaa sekunnissa.",
    /* Czech    */ L"[Režim fotografií]\nJako režim fotografií můžete zvolit jednotlivý snímek nebo sériové snímání. Jednotlivý snímek pořídí jednu fotografii, sériové snímání 10 fotografií za sekundu.",
    /* Polish   */ L"[Tryb zdjęć]\nMożesz wybrać tryb zdjęć: pojedyncze zdjęcie lub seria. Pojedyncze zdjęcie to jedno ujęcie, seria to 10 zdjęć w ciągu sekundy.",
};

// Polish has only this text and shows it on every firmware.
#define VIDEO_MODE_POLISH L"[Tryb wideo]\nMożesz wybrać tryb wideo lub tryb poklatkowy. Tryb wideo nagrywa zwykły film, a tryb poklatkowy rejestruje serię zdjęć w określonych odstępach czasu i tworzy z nich film."
HelpRows g_videoModeTwo = {
    /* English  */ L"[Video Mode]\nYou can select the video mode to be either video mode or timelapse mode. Video mode records a standard video while timelapse mode records series of photos at timed intervals and makes it into a video.",
    /* French   */ L"[Mode vidéo]\nVous pouvez choisir le mode vidéo ou le mode timelapse. Le mode vidéo enregistre une vidéo standard, le mode timelapse enregistre une série de photos à intervalles réguliers et en fait une vidéo.",
    /* German   */ L"[Videomodus]\nSie können als Videomodus Video oder Zeitraffer wählen. Der Videomodus nimmt ein normales Video auf, der Zeitraffermodus eine Fotoserie in festen Abständen, aus der ein Video entsteht.",
    /* Italian  */ L"[Modalità video]\nÈ possibile scegliere la modalità video o la modalità timelapse. La modalità video registra un video standard, la modalità timelapse registra una serie di foto a intervalli regolari e ne ricava un video.",
    /* Japanese */ L"[ビデオモード]\nビデオモードは通常のビデオモードまたはタイムラプスモードから選べます。ビデオモードは通常のビデオを録画し、タイムラプスモードは一定間隔で撮影した写真からビデオを作ります。",
    /* Korean   */ L"[비디오 모드]\n비디오 모드를 일반 비디오 모드 또는 타임랩스 모드로 선택할 수 있습니다. 비디오 모드는 일반 동영상을 녹화하고, 타임랩스 모드는 일정 간격으로 사진을 찍어 동영상으로 만듭니다.",
    /* Spanish  */ L"[Modo vídeo]\nPuede elegir el modo vídeo o el modo timelapse. El modo vídeo graba un vídeo normal y el modo timelapse toma una serie de fotos a intervalos y las convierte en un vídeo.",
    /* Dutch    */ L"[Videomodus]\nU kunt als videomodus video of timelapse kiezen. De videomodus neemt een gewone video op, de timelapsemodus maakt met vaste tussenpozen een reeks foto's en maakt daar een video van.",
    /* Russian  */ L"[Режим видео]\nМожно выбрать режим видео или режим таймлапса. Режим видео записывает обычное видео, а режим таймлапса снимает серию фотографий через заданные интервалы и делает из них видео.",
    /* Chinese  */ L"[视频模式]\n视频模式可选择普通视频模式或延时模式。视频模式录制标准视频,延时模式按固定间隔拍摄一系列照片并将其制作成视频。",
    /* Finnish  */ L"[Videotila]\nVideotilaksi voi valita videotilan tai intervallitilan. Videotila tallentaa tavallisen videon, intervallitila ottaa kuvasarjan ajastetuin välein ja tekee siitä videon.",
    /* Czech    */ L"[Režim videa]\nJako režim videa můžete zvolit režim videa nebo časosběrný režim. Režim videa nahrává běžné video, časosběrný režim pořizuje sérii snímků v nastavených intervalech a vytvoří z nich video.",
    /* Polish   */ VIDEO_MODE_POLISH,
};

HelpRows g_videoModeThree = {
    /* English  */ L"[Video Mode]\nYou can select the video mode to be video mode, timelapse mode, or loop recording mode. Video mode records a normal video. Timelaspe mode records series of photos at timed intervals and makes it into a video. Loop recording mode constantly records videos at timed intervals, replacing old video files when memory is full.",
    /* French   */ L"[Mode vidéo]\nVous pouvez choisir le mode vidéo, le mode timelapse ou le mode enregistrement en boucle. Le mode vidéo enregistre une vidéo normale. Le mode timelapse enregistre une série de photos à intervalles réguliers et en fait une vidéo. Le mode enregistrement en boucle enregistre des vidéos en continu par intervalles et remplace les anciens fichiers quand la mémoire est pleine.",
    /* German   */ L"[Videomodus]\nSie können als Videomodus Video, Zeitraffer oder Loop-Aufnahme wählen. Der Videomodus nimmt ein normales Video auf. Der Zeitraffermodus nimmt eine Fotoserie in festen Abständen auf, aus der ein Video entsteht. Die Loop-Aufnahme nimmt ständig Videos in festen Abschnitten auf und ersetzt bei vollem Speicher alte Videodateien.",
    /* Italian  */ L"[Modalità video]\nÈ possibile scegliere la modalità video, timelapse o registrazione in loop. La modalità video registra un video normale. La modalità timelapse registra una serie di foto a intervalli regolari e ne ricava un video. La registrazione in loop registra continuamente video a intervalli, sostituendo i file video vecchi quando la memoria è piena.",
    /* Japanese */ L"[ビデオモード]\nビデオモードは通常のビデオモード、タイムラプスモード、ループ録画モードから選べます。ビデオモードは通常のビデオを録画します。タイムラプスモードは一定間隔で撮影した写真からビデオを作ります。ループ録画モードは一定間隔で常にビデオを録画し、メモリーがいっぱいになると古いビデオファイルを上書きします。",
    /* Korean   */ L"[비디오 모드]\n비디오 모드를 일반 비디오 모드, 타임랩스 모드 또는 루프 녹화 모드로 선택할 수 있습니다. 비디오 모드는 일반 동영상을 녹화합니다. 타임랩스 모드는 일정 간격으로 사진을 찍어 동영상으로 만듭니다. 루프 녹화 모드는 일정 간격으로 계속 동영상을 녹화하며 메모리가 가득 차면 오래된 동영상 파일을 대체합니다.",
    /* Spanish  */ L"[Modo vídeo]\nPuede elegir el modo vídeo, el modo timelapse o el modo de grabación en bucle. El modo vídeo graba un vídeo normal. El modo timelapse toma una serie de fotos a intervalos y las convierte en un vídeo. El modo de grabación en bucle graba vídeos continuamente por intervalos y sustituye los archivos antiguos cuando la memoria está llena.",
    /* Dutch    */ L"[Videomodus]\nU kunt als videomodus video, timelapse of lusopname kiezen. De videomodus neemt een gewone video op. De timelapsemodus maakt met vaste tussenpozen een reeks foto's en maakt daar een video van. Lusopname neemt doorlopend video's op in vaste delen en vervangt oude videobestanden als het geheugen vol is.",
    /* Russian  */ L"[Режим видео]\nМожно выбрать режим видео, режим таймлапса или режим циклической записи. Режим видео записывает обычное видео. Режим таймлапса снимает серию фотографий через заданные интервалы и делает из них видео. Режим циклической записи постоянно записывает видео отрезками и заменяет старые файлы, когда память заполнена.",
    /* Chinese  */ L"[视频模式]\n视频模式可选择普通视频模式、延时模式或循环录制模式。视频模式录制普通视频。延时模式按固定间隔拍摄一系列照片并将其制作成视频。循环录制模式按固定间隔持续录制视频,存储已满时覆盖旧的视频文件。",
    /* Finnish  */ L"[Videotila]\nVideotilaksi voi valita videotilan, intervallitilan tai jatkuvan tallennuksen tilan. Videotila tallentaa tavallisen videon. Intervallitila ottaa kuvasarjan ajastetuin välein ja tekee siitä videon. Jatkuva tallennus tallentaa videoita jatkuvasti jaksoissa ja korvaa vanhat videotiedostot, kun muisti on täynnä.",
    /* Czech    */ L"[Režim videa]\nJako režim videa můžete zvolit režim videa, časosběrný režim nebo režim smyčkového nahrávání. Režim videa nahrává běžné video. Časosběrný režim pořizuje sérii snímků v nastavených intervalech a vytvoří z nich video. Smyčkové nahrávání nahrává videa nepřetržitě po úsecích a při zaplnění paměti nahrazuje staré soubory.",
    /* Polish   */ VIDEO_MODE_POLISH,
};
#undef VIDEO_MODE_POLISH

HelpRows g_videoResolution = {
    /* English  */ L"[Video Resolution]\nYou can select the video resolution to be 1080p/30fps, 720p/60fps, or 720p/30fps.",
    /* French   */ L"[Résolution vidéo]\nVous pouvez choisir la résolution vidéo 1080p/30fps, 720p/60fps ou 720p/30fps.",
    /* German   */ L"[Videoauflösung]\nSie können als Videoauflösung 1080p/30fps, 720p/60fps oder 720p/30fps wählen.",
    /* Italian  */ L"[Risoluzione video]\nÈ possibile scegliere la risoluzione video 1080p/30fps, 720p/60fps o 720p/30fps.",
    /* Japanese */ L"[ビデオ解像度]\nビデオ解像度は1080p/30fps、720p/60fps、720p/30fpsから選べます。",
    /* Korean   */ L"[비디오 해상도]\n비디오 해상도를 1080p/30fps, 720p/60fps 또는 720p/30fps로 선택할 수 있습니다.",
    /* Spanish  */ L"[Resolución de vídeo]\nPuede elegir la resolución de vídeo 1080p/30fps, 720p/60fps o 720p/30fps.",
    /* Dutch    */ L"[Videoresolutie]\nU kunt als videoresolutie 1080p/30fps, 720p/60fps of 720p/30fps kiezen.",
    /* Russian  */ L"[Разрешение видео]\nМожно выбрать разрешение видео 1080p/30fps, 720p/60fps или 720p/30fps.",
    /* Chinese  */ L"[视频分辨率]\n视频分辨率可选择 1080p/30fps、720p/60fps 或 720p/30fps。",
    /* Finnish  */ L"[Videon tarkkuus]\nVideon tarkkuudeksi voi valita 1080p/30fps, 720p/60fps tai 720p/30fps.",
    /* Czech    */ L"[Rozlišení videa]\nJako rozlišení videa můžete zvolit 1080p/30fps, 720p/60fps nebo 720p/30fps.",
    /* Polish   */ L"[Rozdzielczość wideo]\nMożesz wybrać rozdzielczość wideo 1080p/30fps, 720p/60fps lub 720p/30fps.",
};

HelpRows g_timelapseInterval = {
    /* English  */ L"[Timelapse Interval]\nYou can select the timelapse interval to be either 1 second or 10 seconds.",
    /* French   */ L"[Intervalle timelapse]\nVous pouvez choisir un intervalle timelapse de 1 seconde ou de 10 secondes.",
    /* German   */ L"[Zeitrafferintervall]\nSie können als Zeitrafferintervall 1 Sekunde oder 10 Sekunden wählen.",
    /* Italian  */ L"[Intervallo timelapse]\nÈ possibile scegliere un intervallo timelapse di 1 secondo o 10 secondi.",
    /* Japanese */ L"[タイムラプス間隔]\nタイムラプスの間隔は1秒または10秒から選べます。",
    /* Korean   */ L"[타임랩스 간격]\n타임랩스 간격을 1초 또는 10초로 선택할 수 있습니다.",
    /* Spanish  */ L"[Intervalo de timelapse]\nPuede elegir un intervalo de timelapse de 1 segundo o de 10 segundos.",
    /* Dutch    */ L"[Timelapse-interval]\nU kunt als timelapse-interval 1 seconde of 10 seconden kiezen.",
    /* Russian  */ L"[Интервал таймлапса]\nМожно выбрать интервал таймлапса 1 секунда или 10 секунд.",
    /* Chinese  */ L"[延时间隔]\n延时间隔可选择 1 秒或 10 秒。",
    /* Finnish  */ L"[Intervallikuvauksen väli]\nIntervallikuvauksen väliksi voi valita 1 sekunnin tai 10 sekuntia.",
    /* Czech    */ L"[Interval časosběru]\nJako interval časosběru můžete zvolit 1 sekundu nebo 10 sekund.",
    /* Polish   */ L"[Interwał poklatkowy]\nMożesz wybrać interwał poklatkowy 1 sekunda lub 10 sekund.",
};

HelpRows g_videoTaggingInterval = {
    /* English  */ L"[Video Tagging Interval]\nYou can select the video tagging interval to be 1 min, 3 mins, or 5 mins.",
    /* French   */ L"[Intervalle de marquage vidéo]\nVous pouvez choisir un intervalle de marquage vidéo de 1 min, 3 min ou 5 min.",
    /* German   */ L"[Video-Markierungsintervall]\nSie können als Video-Markierungsintervall 1 Min., 3 Min. oder 5 Min. wählen.",
    /* Italian  */ L"[Intervallo tag video]\nÈ possibile scegliere un intervallo tag video di 1 min, 3 min o 5 min.",
    /* Japanese */ L"[ビデオタグ間隔]\nビデオタグの間隔は1分、3分、5分から選べます。",
    /* Korean   */ L"[비디오 태그 간격]\n비디오 태그 간격을 1분, 3분 또는 5분으로 선택할 수 있습니다.",
    /* Spanish  */ L"[Intervalo de etiquetado de vídeo]\nPuede elegir un intervalo de etiquetado de vídeo de 1 min, 3 min o 5 min.",
    /* Dutch    */ L"[Interval videomarkering]\nU kunt als interval voor videomarkering 1 min, 3 min of 5 min kiezen.",
    /* Russian  */ L"[Интервал меток видео]\nМожно выбрать интервал меток видео 1 мин, 3 мин или 5 мин.",
    /* Chinese  */ L"[视频标记间隔]\n视频标记间隔可选择 1 分钟、3 分钟或 5 分钟。",
    /* Finnish  */ L"[Videon merkintäväli]\nVideon merkintäväliksi voi valita 1 min, 3 min tai 5 min.",
    /* Czech    */ L"[Interval značení videa]\nJako interval značení videa můžete zvolit 1 min, 3 min nebo 5 min.",
    /* Polish   */ L"[Interwał znaczników wideo]\nMożesz wybrać interwał znaczników wideo 1 min, 3 min lub 5 min.",
};

HelpRows g_loopRecordingInterval = {
    /* English  */ L"[Loop Recording Interval]\nYou can select the loop recording interval to be 1 min, 3 mins, or 5 mins.",
    /* French   */ L"[Intervalle d'enregistrement en boucle]\nVous pouvez choisir un intervalle d'enregistrement en boucle de 1 min, 3 min ou 5 min.",
    /* German   */ L"[Loop-Aufnahmeintervall]\nSie können als Loop-Aufnahmeintervall 1 Min., 3 Min. oder 5 Min. wählen.",
    /* Italian  */ L"[Intervallo registrazione in loop]\nÈ possibile scegliere un intervallo di registrazione in loop di 1 min, 3 min o 5 min.",
    /* Japanese */ L"[ループ録画間隔]\nループ録画の間隔は1分、3分、5分から選べます。",
    /* Korean   */ L"[루프 녹화 간격]\n루프 녹화 간격을 1분, 3분 또는 5분으로 선택할 수 있습니다.",
    /* Spanish  */ L"[Intervalo de grabación en bucle]\nPuede elegir un intervalo de grabación en bucle de 1 min, 3 min o 5 min.",
    /* Dutch    */ L"[Interval lusopname]\nU kunt als interval voor lusopname 1 min, 3 min of 5 min kiezen.",
    /* Russian  */ L"[Интервал циклической записи]\nМожно выбрать интервал циклической записи 1 мин, 3 мин или 5 мин.",
    /* Chinese  */ L"[循环录制间隔]\n循环录制间隔可选择 1 分钟、3 分钟或 5 分钟。",
    /* Finnish  */ L"[Jatkuvan tallennuksen väli]\nJatkuvan tallennuksen väliksi voi valita 1 min, 3 min tai 5 min.",
    /* Czech    */ L"[Interval smyčkového nahrávání]\nJako interval smyčkového nahrávání můžete zvolit 1 min, 3 min nebo 5 min.",
    /* Polish   */ L"[Interwał nagrywania w pętli]\nMożesz wybrać interwał nagrywania w pętli 1 min, 3 min lub 5 min.",
};

HelpRows g_videoMicrophoneGain = {
    /* English  */ L"[Video Microphone Gain]\nYou can select the microphone gain on your video to be low, medium, or high.",
    /* French   */ L"[Gain du microphone vidéo]\nVous pouvez choisir un gain du microphone faible, moyen ou élevé pour vos vidéos.",
    /* German   */ L"[Video-Mikrofonverstärkung]\nSie können die Mikrofonverstärkung Ihrer Videos auf niedrig, mittel oder hoch stellen.",
    /* Italian  */ L"[Guadagno microfono video]\nÈ possibile impostare il guadagno del microfono dei video su basso, medio o alto.",
    /* Japanese */ L"[ビデオマイクゲイン]\nビデオのマイクゲインは低、中、高から選べます。",
    /* Korean   */ L"[비디오 마이크 게인]\n동영상의 마이크 게인을 낮음, 보통 또는 높음으로 선택할 수 있습니다.",
    /* Spanish  */ L"[Ganancia del micrófono de vídeo]\nPuede elegir una ganancia del micrófono baja, media o alta para sus vídeos.",
    /* Dutch    */ L"[Microfoonversterking video]\nU kunt de microfoonversterking van uw video's op laag, gemiddeld of hoog zetten.",
    /* Russian  */ L"[Усиление микрофона видео]\nМожно выбрать низкое, среднее или высокое усиление микрофона для видео.",
    /* Chinese  */ L"[视频麦克风增益]\n视频的麦克风增益可选择低、中或高。",
    /* Finnish  */ L"[Videon mikrofonin vahvistus]\nVideon mikrofonin vahvistukseksi voi valita matala, keskisuuri tai korkea.",
    /* Czech    */ L"[Zesílení mikrofonu videa]\nZesílení mikrofonu pro video můžete nastavit na nízké, střední nebo vysoké.",
    /* Polish   */ L"[Wzmocnienie mikrofonu wideo]\nMożesz ustawić wzmocnienie mikrofonu w nagraniach wideo na niskie, średnie lub wysokie.",
};

HelpRows g_dateCaption = {
    /* English  */ L"[Date Caption]\nYou can record or hide date caption during video recording. Turn on the Zimbo Camera and the date will be synced with your phone automatically.",
    /* French   */ L"[Affichage de la date]\nVous pouvez enregistrer ou masquer la date pendant l'enregistrement vidéo. Allumez la Zimbo Camera et la date se synchronise automatiquement avec votre téléphone.",
    /* German   */ L"[Datumseinblendung]\nSie können das Datum bei der Videoaufnahme einblenden oder ausblenden. Schalten Sie die Zimbo Camera ein, wird das Datum automatisch mit Ihrem Telefon abgeglichen.",
    /* Italian  */ L"[Didascalia data]\nÈ possibile registrare o nascondere la data durante la registrazione video. Accendendo la Zimbo Camera, la data viene sincronizzata automaticamente con il telefono.",
    /* Japanese */ L"[日付表示]\nビデオ録画中に日付を記録するか非表示にするかを選べます。Zimbo Cameraの電源を入れると、日付は電話と自動的に同期されます。",
    /* Korean   */ L"[날짜 표시]\n동영상 녹화 중 날짜를 기록하거나 숨길 수 있습니다. Zimbo Camera를 켜면 날짜가 휴대폰과 자동으로 동기화됩니다.",
    /* Spanish  */ L"[Rótulo de fecha]\nPuede grabar u ocultar la fecha durante la grabación de vídeo. Encienda la Zimbo Camera y la fecha se sincronizará automáticamente con su teléfono.",
    /* Dutch    */ L"[Datumweergave]\nU kunt de datum tijdens de video-opname laten opnemen of verbergen. Zet de Zimbo Camera aan en de datum wordt automatisch met uw telefoon gesynchroniseerd.",
    /* Russian  */ L"[Отметка даты]\nВо время видеозаписи можно записывать или скрывать дату. Включите Zimbo Camera, и дата автоматически синхронизируется с телефоном.",
    /* Chinese  */ L"[日期标注]\n录制视频时可以记录或隐藏日期。打开 Zimbo Camera 后,日期会自动与您的手机同步。",
    /* Finnish  */ L"[Päivämäärämerkintä]\nVoit tallentaa tai piilottaa päivämäärän videokuvauksen aikana. Kun kytket Zimbo Cameran päälle, päivämäärä synkronoidaan puhelimesi kanssa automaattisesti.",
    /* Czech    */ L"[Zobrazení data]\nBěhem nahrávání videa můžete datum zaznamenat nebo skrýt. Po zapnutí Zimbo Camera se datum automaticky synchronizuje s telefonem.",
    /* Polish   */ L"[Napis z datą]\nPodczas nagrywania wideo możesz zapisywać lub ukrywać datę. Po włączeniu Zimbo Camera data zostanie automatycznie zsynchronizowana z telefonem.",
};

HelpRows g_speakerSoundRecording = {
    /* English  */ L"[Speaker Sound Recording]\nYou can choose to turn on %s and record everything you hear through your speakers as well as your voice during video recording. Turn off %s if you want to record your voice only.",
    /* French   */ L"[Enregistrement du son des haut-parleurs]\nVous pouvez activer %s pour enregistrer tout ce que vous entendez dans vos haut-parleurs ainsi que votre voix pendant l'enregistrement vidéo. Désactivez %s si vous voulez enregistrer uniquement votre voix.",
    /* German   */ L"[Lautsprecherton-Aufnahme]\nSchalten Sie %s ein, um bei der Videoaufnahme alles aufzunehmen, was Sie über Ihre Lautsprecher hören, zusammen mit Ihrer Stimme. Schalten Sie %s aus, wenn Sie nur Ihre Stimme aufnehmen möchten.",
    /* Italian  */ L"[Registrazione audio altoparlanti]\nÈ possibile attivare %s e registrare durante la registrazione video tutto ciò che si sente dagli altoparlanti oltre alla propria voce. Disattivare %s per registrare solo la propria voce.",
    /* Japanese */ L"[スピーカー音声録音]\n%sをオンにすると、ビデオ録画中に自分の声に加えてスピーカーから聞こえるすべての音を録音できます。自分の声だけを録音したい場合は%sをオフにしてください。",
    /* Korean   */ L"[스피커 소리 녹음]\n%s을(를) 켜면 동영상 녹화 중에 목소리와 함께 스피커로 들리는 모든 소리를 녹음할 수 있습니다. 목소리만 녹음하려면 %s을(를) 끄십시오.",
    /* Spanish  */ L"[Grabación del sonido de los altavoces]\nPuede activar %s y grabar todo lo que oye por los altavoces además de su voz durante la grabación de vídeo. Desactive %s si solo quiere grabar su voz.",
    /* Dutch    */ L"[Luidsprekergeluid opnemen]\nU kunt %s inschakelen en tijdens de video-opname alles opnemen wat u via uw luidsprekers hoort, samen met uw stem. Schakel %s uit als u alleen uw stem wilt opnemen.",
    /* Russian  */ L"[Запись звука динамиков]\nМожно включить %s и во время видеозаписи записывать всё, что вы слышите в динамиках, вместе со своим голосом. Выключите %s, если хотите записывать только свой голос.",
    /* Chinese  */ L"[扬声器声音录制]\n您可以打开 %s,在录制视频时录下扬声器中听到的所有声音以及您的声音。如果只想录制您的声音,请关闭 %s。",
    /* Finnish  */ L"[Kaiuttimien äänen tallennus]\nVoit ottaa käyttöön asetuksen %s ja tallentaa videokuvauksen aikana kaiken kaiuttimista kuulemasi äänen sekä oman äänesi. Poista %s käytöstä, jos haluat tallentaa vain oman äänesi.",
    /* Czech    */ L"[Nahrávání zvuku reproduktorů]\nMůžete zapnout %s a během nahrávání videa zaznamenat vše, co slyšíte z reproduktorů, spolu se svým hlasem. Pokud chcete nahrávat jen svůj hlas, vypněte %s.",
    /* Polish   */ L"[Nagrywanie dźwięku głośników]\nMożesz włączyć %s i podczas nagrywania wideo rejestrować wszystko, co słyszysz w głośnikach, razem z własnym głosem. Wyłącz %s, jeśli chcesz nagrywać tylko swój głos.",
};

HelpRows g_autoCameraSleep = {
    /* English  */ L"[Auto Camera Sleep]\nYou can choose to turn on %s and set the camera to automatically power off after five minutes of inactivity. Turn off %s if you do not want your camera to turn off automatically.",
    /* French   */ L"[Veille automatique de la caméra]\nVous pouvez activer %s pour que la caméra s'éteigne automatiquement après cinq minutes d'inactivité. Désactivez %s si vous ne voulez pas que la caméra s'éteigne automatiquement.",
    /* German   */ L"[Automatischer Kamera-Ruhezustand]\nSchalten Sie %s ein, damit sich die Kamera nach fünf Minuten ohne Aktivität automatisch ausschaltet. Schalten Sie %s aus, wenn sich die Kamera nicht automatisch ausschalten soll.",
    /* Italian  */ L"[Sospensione automatica fotocamera]\nÈ possibile attivare %s per spegnere automaticamente la fotocamera dopo cinque minuti di inattività. Disattivare %s se non si desidera che la fotocamera si spenga automaticamente.",
    /* Japanese */ L"[カメラ自動スリープ]\n%sをオンにすると、5分間操作がないとカメラの電源が自動的に切れます。カメラの電源を自動的に切りたくない場合は%sをオフにしてください。",
    /* Korean   */ L"[카메라 자동 절전]\n%s을(를) 켜면 5분 동안 사용하지 않을 때 카메라 전원이 자동으로 꺼집니다. 카메라가 자동으로 꺼지지 않게 하려면 %s을(를) 끄십시오.",
    /* Spanish  */ L"[Suspensión automática de la cámara]\nPuede activar %s para que la cámara se apague automáticamente tras cinco minutos de inactividad. Desactive %s si no quiere que la cámara se apague automáticamente.",
    /* Dutch    */ L"[Automatische slaapstand camera]\nU kunt %s inschakelen zodat de camera na vijf minuten zonder activiteit automatisch uitschakelt. Schakel %s uit als u niet wilt dat de camera automatisch uitschakelt.",
    /* Russian  */ L"[Автоматический спящий режим камеры]\nМожно включить %s, чтобы камера автоматически выключалась после пяти минут бездействия. Выключите %s, если не хотите, чтобы камера выключалась автоматически.",
    /* Chinese  */ L"[相机自动休眠]\n您可以打开 %s,使相机在五分钟无操作后自动关机。如果不希望相机自动关机,请关闭 %s。",
    /* Finnish  */ L"[Kameran automaattinen lepotila]\nVoit ottaa käyttöön asetuksen %s, jolloin kamera sammuu automaattisesti viiden minuutin käyttämättömyyden jälkeen. Poista %s käytöstä, jos et halua kameran sammuvan automaattisesti.",
    /* Czech    */ L"[Automatický spánek kamery]\nMůžete zapnout %s, aby se kamera po pěti minutách nečinnosti automaticky vypnula. Pokud nechcete, aby se kamera vypínala automaticky, vypněte %s.",
    /* Polish   */ L"[Automatyczne uśpienie kamery]\nMożesz włączyć %s, aby kamera wyłączała się automatycznie po pięciu minutach bezczynności. Wyłącz %s, jeśli nie chcesz, aby kamera wyłączała się automatycznie.",
};

} // namespace

// clang-format on

std::wstring GetHelpPhotoMode(int language)
{
    return PickHelp(g_photoMode, language);
}
std::wstring GetHelpVideoMode(int language, const DeviceConfig& device)
{
    return device.CompareFirmwareVersion(2, 0) >= 0 ? GetHelpVideoModeThreeItems(language)
                                                    : GetHelpVideoModeTwoItems(language);
}
std::wstring GetHelpVideoModeTwoItems(int language)
{
    return PickHelp(g_videoModeTwo, language);
}
std::wstring GetHelpVideoModeThreeItems(int language)
{
    return PickHelp(g_videoModeThree, language);
}
std::wstring GetHelpVideoResolution(int language)
{
    return PickHelp(g_videoResolution, language);
}
std::wstring GetHelpTimelapseInterval(int language)
{
    return PickHelp(g_timelapseInterval, language);
}
std::wstring GetHelpVideoTaggingInterval(int language)
{
    return PickHelp(g_videoTaggingInterval, language);
}
std::wstring GetHelpLoopRecordingInterval(int language)
{
    return PickHelp(g_loopRecordingInterval, language);
}
std::wstring GetHelpVideoMicrophoneGain(int language)
{
    return PickHelp(g_videoMicrophoneGain, language);
}
std::wstring GetHelpDateCaption(int language)
{
    return PickHelp(g_dateCaption, language);
}
std::wstring GetHelpSpeakerSoundRecording(int language)
{
    return PickHelp(g_speakerSoundRecording, language);
}
std::wstring GetHelpAutoCameraSleep(int language)
{
    return PickHelp(g_autoCameraSleep, language);
}

std::vector<HelpTextTable> CameraHelpTextTables()
{
    return {
        {"PhotoMode", g_photoMode},
        {"VideoModeTwoModes", g_videoModeTwo},
        {"VideoModeThreeModes", g_videoModeThree},
        {"VideoResolution", g_videoResolution},
        {"TimelapseInterval", g_timelapseInterval},
        {"VideoTaggingInterval", g_videoTaggingInterval},
        {"LoopRecordingInterval", g_loopRecordingInterval},
        {"VideoMicrophoneGain", g_videoMicrophoneGain},
        {"DateCaption", g_dateCaption},
        {"SpeakerSoundRecording", g_speakerSoundRecording},
        {"AutoCameraSleep", g_autoCameraSleep},
    };
}
