// Every kind of row of the basic settings grid, one line each, check boxes first and then
// drop-downs. A line reads: label, where the value lives, which state shows Enable (check
// boxes) or the items and the index rule (drop-downs), the master role, the rule by which the
// restore page's list words the value of an archived record, then what the row's "?" shows (text,
// the names that fill it, box height) and, where it is not plain, its store.
//
// The record's option ints for VOX Phone, VOX Intercom and High Quality A2DP are
// m_handsfreeVox, m_intercomVox and m_bitpoolRate: the names the unit's keys give them.

#include "settings/GridRowCatalogue.h"

#include "text/NameTables.h"
#include "text/SettingHelpTexts.h"
#include "text/ValueLists.h"

namespace {

using DC = DeviceConfig;

constexpr GridBinding Flag(int (DC::*get)() const, void (DC::*set)(int))
{
    return GridBinding{kBindAccessor, get, set, nullptr, 0, 0};
}

constexpr GridBinding Getter(int (DC::*get)() const, void (DC::*set)(int))
{
    return GridBinding{kBindAccessor, get, set, nullptr, 0, 0};
}

constexpr GridBinding Option(int DC::*option)
{
    return GridBinding{kBindOptionInt, nullptr, nullptr, option, 0, 0};
}

constexpr GridBinding Word(int word)
{
    return GridBinding{kBindSettingsWord, nullptr, nullptr, nullptr, word, 0};
}

constexpr GridBinding WordBit(int word, int bit)
{
    return GridBinding{kBindWordBit, nullptr, nullptr, nullptr, word, bit};
}

constexpr GridRowKind CheckBox(GridRowKindId id, const char* english, std::wstring (*label)(int), GridBinding binding,
                               GridEnableWhen enableWhen, GridMasterRole master, GridRestoreRule restoreRule,
                               GridRowHelp help, GridStore store = kStorePlain)
{
    return GridRowKind{id,      english,       label,  kCheckBoxCell, binding, enableWhen,
                       nullptr, kIndexIsValue, master, restoreRule,   help,    store};
}

constexpr GridRowKind DropDown(GridRowKindId id, const char* english, std::wstring (*label)(int), GridBinding binding,
                               std::wstring (*items)(int), GridIndexRule rule, GridRestoreRule restoreRule,
                               GridRowHelp help, GridStore store = kStorePlain)
{
    return GridRowKind{id,    english, label,      kDropDownCell, binding, kEnableWhenSet,
                       items, rule,    kNotMaster, restoreRule,   help,    store};
}

// A help text, its height and the setting names that fill its placeholders in order.
constexpr GridRowHelp Help(GridNameText text, int height, GridNameText first = nullptr, GridNameText second = nullptr)
{
    return GridRowHelp{text, {first, second}, false, height};
}

// A help text whose one placeholder takes the model's display name.
constexpr GridRowHelp ModelHelp(GridNameText text, int height)
{
    return GridRowHelp{text, {nullptr, nullptr}, true, height};
}

// No help: the row's "?" shows nothing (the recording sources and Channel Select).
constexpr GridRowHelp kNoHelp = GridRowHelp{nullptr, {nullptr, nullptr}, false, 0};

std::wstring ItemsLevels10(int language)
{
    return ValueListLevels(language, 10);
}

std::wstring ItemsLevels5(int language)
{
    return ValueListLevels(language, 5);
}

std::wstring ItemsVideoModeTwo(int language)
{
    return ValueListVideoMode(language, false);
}

std::wstring ItemsVideoModeThree(int language)
{
    return ValueListVideoMode(language, true);
}

constexpr GridEnableWhen kSet = kEnableWhenSet;
constexpr GridEnableWhen kClear = kEnableWhenClear;
constexpr GridMasterRole kNone = kNotMaster;

// The restore list's rules, short for the table.
constexpr GridRestoreRule kOnSet = kRestoreOnWhenSet;
constexpr GridRestoreRule kOff1 = kRestoreOffWhenOne;
constexpr GridRestoreRule k11Minus = kRestoreElevenMinus;
constexpr GridRestoreRule kLevel = kRestoreLevel;
constexpr GridRestoreRule kMotion = kRestoreMotion;
constexpr GridRestoreRule kSmart = kRestoreSmartVolume;
constexpr GridRestoreRule kSource = kRestoreSource;
constexpr GridRestoreRule kTwo = kRestoreTwoWords;
constexpr GridRestoreRule kThree = kRestoreThreeWords;
constexpr GridRestoreRule kOffSet = kRestoreOffWhenSet;
constexpr GridRestoreRule kNumber = kRestoreNumber;
constexpr GridRestoreRule kSteps = kRestoreThreeSteps;
constexpr GridRestoreRule kUnitLang = kRestoreUnitLanguage;
constexpr GridRestoreRule kEss = kRestoreEssStatus;
constexpr GridRestoreRule kEssSens = kRestoreEssSensitivity;
constexpr GridRestoreRule kGridOnly = kRestoreGridOnly;

} // namespace

// clang-format off
const GridRowKind kGridRowKinds[kGridRowKindCount] = {
    // Check boxes: label, binding, Enable when, master role, restore list rule, help.
    CheckBox(kVoxPhoneFlag,                 "VOX Phone",           TextVoxPhone,             Flag(&DC::GetVoxPhoneBit, &DC::SetVoxPhoneBit),                     kSet,   kNone, kOnSet, Help(GetHelpVoxPhone, 150)),
    CheckBox(kVoxPhoneOption,               "VOX Phone",           TextVoxPhone,             Option(&DC::m_handsfreeVox),                                        kSet,   kNone, kOnSet, Help(GetHelpVoxPhone, 150)),
    CheckBox(kVoxPhoneWord0Bit0,            "VOX Phone",           TextVoxPhone,             WordBit(0, 0),                                                      kSet,   kNone, kOnSet, Help(GetHelpVoxPhone, 150)),
    CheckBox(kVoxIntercomOption,            "VOX Intercom",        TextVoxIntercom,          Option(&DC::m_intercomVox),                                         kSet,   kNone, kOnSet, Help(GetHelpVoxIntercom, 230, TextVoxIntercom, TextVoxIntercom)),
    CheckBox(kVoxIntercomWord0Bit1,         "VOX Intercom",        TextVoxIntercom,          WordBit(0, 1),                                                      kSet,   kNone, kOnSet, Help(GetHelpVoxIntercom, 230, TextVoxIntercom, TextVoxIntercom)),
    CheckBox(kSidetoneFlag,                 "Sidetone",            TextSidetone,             Flag(&DC::GetSidetoneBit, &DC::SetSidetoneBit),                     kSet,   kNone, kOnSet, Help(GetHelpSidetone, 160)),
    CheckBox(kSidetoneOption,               "Sidetone",            TextSidetone,             Option(&DC::m_sidetone),                                            kSet,   kNone, kOnSet, Help(GetHelpSidetone, 160)),
    CheckBox(kSidetoneWord0Bit8,            "Sidetone",            TextSidetone,             WordBit(0, 8),                                                      kSet,   kNone, kOnSet, Help(GetHelpSidetone, 160)),
    CheckBox(kHighQualityA2dpOption,        "High Quality A2DP",   TextHighQualityA2dp,      Option(&DC::m_bitpoolRate),                                         kSet,   kNone, kOnSet, Help(GetHelpHighQualityA2dp, 160)),
    CheckBox(kHighQualityA2dpWord0Bit5,     "High Quality A2DP",   TextHighQualityA2dp,      WordBit(0, 5),                                                      kSet,   kNone, kOnSet, Help(GetHelpHighQualityA2dp, 160)),
    CheckBox(kVoicePromptFlag,              "Voice Prompt",        TextVoicePrompt,          Flag(&DC::GetVoicePromptBit, &DC::SetVoicePromptBit),               kSet,   kNone, kOnSet, Help(GetHelpVoicePrompt, 130)),
    CheckBox(kVoicePromptOption,            "Voice Prompt",        TextVoicePrompt,          Option(&DC::m_voicePrompt),                                         kClear, kNone, kOff1, Help(GetHelpVoicePrompt, 130)),
    CheckBox(kVoicePromptWord0Bit3,         "Voice Prompt",        TextVoicePrompt,          WordBit(0, 3),                                                      kClear, kNone, kOffSet, Help(GetHelpVoicePrompt, 130)),
    CheckBox(kHushguardFlag,                "Hushguard™",          TextHushguard,            Flag(&DC::GetHushguardBit, &DC::SetHushguardBit),                   kSet,   kNone, kOnSet, Help(GetHelpHushguard, 160, TextHushguard)),
    CheckBox(kHushguardOption,              "Hushguard™",          TextHushguard,            Option(&DC::m_hushguard),                                           kClear, kNone, kOff1, Help(GetHelpHushguard, 160, TextHushguard)),
    CheckBox(kHushguardWord0Bit9,           "Hushguard™",          TextHushguard,            WordBit(0, 9),                                                      kClear, kNone, kOffSet, Help(GetHelpHushguard, 160, TextHushguard)),
    CheckBox(kAudioBoostFlag,               "Audio Boost",         TextAudioBoost,           Flag(&DC::GetAudioBoostBit, &DC::SetAudioBoostBit),                 kSet,   kNone, kOnSet, Help(GetHelpAudioBoost, 150, TextAudioBoost)),
    CheckBox(kAudioBoostWord18,             "Audio Boost",         TextAudioBoost,           Word(18),                                                           kClear, kNone, kOff1, Help(GetHelpAudioBoost, 150, TextAudioBoost)),
    CheckBox(kAudioBoostWord0Bit10,         "Audio Boost",         TextAudioBoost,           WordBit(0, 10),                                                     kClear, kNone, kOffSet, Help(GetHelpAudioBoost, 150, TextAudioBoost)),
    CheckBox(kHdIntercomFlag,               "HD Intercom",         TextHdIntercom,           Flag(&DC::GetHdIntercomBit, &DC::SetHdIntercomBit),                 kSet,   kNone, kOnSet, Help(GetHelpHdIntercom, 160, TextHdIntercom)),
    CheckBox(kHdIntercomWord19,             "HD Intercom",         TextHdIntercom,           Word(19),                                                           kSet,   kNone, kOnSet, Help(GetHelpHdIntercom, 160, TextHdIntercom)),
    CheckBox(kHdIntercomWord0Bit11,         "HD Intercom",         TextHdIntercom,           WordBit(0, 11),                                                     kSet,   kNone, kOnSet, Help(GetHelpHdIntercom, 160, TextHdIntercom)),
    CheckBox(kFmStationGuideFlag,           "FM Station Guide",    TextFmStationGuide,       Flag(&DC::GetFmStationGuideBit, &DC::SetFmStationGuideBit),         kSet,   kNone, kOnSet, Help(GetHelpFmStationGuide, 190)),
    CheckBox(kFmStationGuideWord20,         "FM Station Guide",    TextFmStationGuide,       Word(20),                                                           kSet,   kNone, kOnSet, Help(GetHelpFmStationGuide, 190)),
    CheckBox(kFmStationGuideWord0Bit12,     "FM Station Guide",    TextFmStationGuide,       WordBit(0, 12),                                                     kSet,   kNone, kOnSet, Help(GetHelpFmStationGuide, 190)),
    CheckBox(kHdVoiceWord21,                "HD Voice",            TextHdVoice,              Word(21),                                                           kSet,   kNone, kOnSet, Help(GetHelpHdVoice, 160)),
    CheckBox(kDualstreamFlag,               "Dualstream™",         TextDualstream,           Flag(&DC::GetDualstreamBit, &DC::SetDualstreamBit),                 kSet,   kMasterEnablesWhileSet, kOnSet, Help(GetHelpDualstream, 260, TextDualstream, TextFmRadio)),
    CheckBox(kDualstreamWord23,             "Dualstream™",         TextDualstream,           Word(23),                                                           kSet,   kMasterDisablesWhileSet, kOnSet, Help(GetHelpDualstreamFull, 280)),
    CheckBox(kLayertoneWord23,              "Layertone™",          TextLayertone,            Word(23),                                                           kSet,   kMasterDisablesWhileSet, kOnSet, Help(GetHelpLayertone, 280)),
    CheckBox(kBluetoothIntercomDualstreamWord1Bit11, "Bluetooth Intercom Dualstream™", TextBluetoothIntercomDualstream, WordBit(1, 11),                      kSet,   kMasterDisablesWhileSet, kOnSet, Help(GetHelpIntercomDualstream, 280)),
    CheckBox(kNavigationAppSupportFlag,     "Navigation App Support", TextNavigationAppSupport, Flag(&DC::GetLayertoneVolumeManagementBit, &DC::SetLayertoneVolumeManagementBit), kSet, kNone, kOnSet, Help(GetHelpNavigationAppSupport, 190, TextDualstream, TextDualstream)),
    CheckBox(kLayertoneVolumeManagementFlag, "Layertone Volume Management", TextLayertoneVolumeManagement, Flag(&DC::GetLayertoneVolumeManagementBit, &DC::SetLayertoneVolumeManagementBit), kSet, kNone, kOnSet, Help(GetHelpLayertoneVolumeManagement, 220)),
    CheckBox(kLayertoneVolumeManagementWord1Bit6, "Layertone Volume Management", TextLayertoneVolumeManagement, WordBit(1, 6),                              kSet,   kNone, kOnSet, Help(GetHelpLayertoneVolumeManagement, 220)),
    CheckBox(kEightWayIntercomFlag,         "Eight-way Intercom",  TextEightWayIntercom,     Flag(&DC::GetEightWayIntercomBit, &DC::SetEightWayIntercomBit),     kSet,   kNone, kOnSet, Help(GetHelpEightWayIntercom, 190, TextEightWayIntercom, TextEightWayIntercom)),
    CheckBox(kVoiceCommandFlag,             "Voice Command",       TextVoiceCommand,         Flag(&DC::GetVoiceCommandBit, &DC::SetVoiceCommandBit),             kSet,   kNone, kOnSet, Help(GetHelpVoiceCommand, 180)),
    CheckBox(kVoiceCommandWord1Bit10,       "Voice Command",       TextVoiceCommand,         WordBit(1, 10),                                                     kSet,   kNone, kOnSet, Help(GetHelpVoiceCommand, 180)),
    CheckBox(kGuestModeWord0Bit15,          "Guest Mode",          TextGuestMode,            WordBit(0, 15),                                                     kSet,   kNone, kOnSet, Help(GetHelpGuestMode, 260)),
    CheckBox(kRoutecueWord24,               "Routecue",            TextRoutecue,             Word(24),                                                           kSet,   kNone, kOnSet, Help(GetHelpRoutecue, 180)),
    CheckBox(kDateCaption,                  "Date Caption",        TextDateCaption,          Getter(&DC::GetDateCaption, &DC::SetDateCaption),                   kSet,   kNone, kOnSet, Help(GetHelpDateCaption, 170)),
    CheckBox(kSpeakerSoundRecording,        "Speaker Sound Recording", TextSpeakerSoundRecording, Getter(&DC::GetSpeakerSoundRecording, &DC::SetSpeakerSoundRecording), kSet, kMasterEnablesWhileSet, kOnSet, Help(GetHelpSpeakerSoundRecording, 190, TextSpeakerSoundRecording, TextSpeakerSoundRecording), kStoreRecordingMaster),
    CheckBox(kRecordMusic,                  "▶ Music",             TextRecordSourceMusic,    Getter(&DC::GetRecordMusic, &DC::SetRecordMusic),                   kSet,   kNone, kOnSet, kNoHelp, kStoreRecordingSource),
    CheckBox(kRecordFmRadio,                "▶ FM Radio",          TextRecordSourceFmRadio,  Getter(&DC::GetRecordFmRadio, &DC::SetRecordFmRadio),               kSet,   kNone, kOnSet, kNoHelp, kStoreRecordingSource),
    CheckBox(kRecordIntercom,               "▶ Intercom",          TextRecordSourceIntercom, Getter(&DC::GetRecordIntercom, &DC::SetRecordIntercom),             kSet,   kNone, kOnSet, kNoHelp, kStoreRecordingSource),
    CheckBox(kRecordPhone,                  "▶ Phone",             TextRecordSourcePhone,    Getter(&DC::GetRecordPhone, &DC::SetRecordPhone),                   kSet,   kNone, kOnSet, kNoHelp, kStoreRecordingSource),
    CheckBox(kAutoCameraSleep,              "Auto Camera Sleep",   TextAutoCameraSleep,      Getter(&DC::GetAutoCameraSleep, &DC::SetAutoCameraSleep),           kSet,   kNone, kOnSet, Help(GetHelpAutoCameraSleep, 200, TextAutoCameraSleep, TextAutoCameraSleep)),
    CheckBox(kLayertoneMusicGpsWord23,      "Layertone™",          TextLayertone,            Word(23),                                                           kSet,   kMasterDisablesWhileSet, kOnSet, Help(GetHelpLayertoneMusicGps, 280)),

    // Drop-downs: label, binding, items, index from value, restore list rule, help.
    DropDown(kOverlaySensitivityTenLevels,  "Intercom-Layertone Sensitivity", TextOverlaySensitivity, Getter(&DC::GetOverlaySensitivity, &DC::SetOverlaySensitivity),             ItemsLevels10,                    kIndexIsTenMinusValue, k11Minus, Help(GetHelpOverlaySensitivityMusic, 240, TextDualstream)),
    DropDown(kOverlaySensitivityPacked,     "Intercom-Layertone Sensitivity", TextOverlaySensitivity, Getter(&DC::GetPackedOverlaySensitivity, &DC::SetPackedOverlaySensitivity), ItemsLevels5,                     kIndexIsValueMinusOne, kNumber, Help(GetHelpOverlaySensitivityAllSources, 240)),
    DropDown(kVoxSensitivityLevels,         "VOX Sensitivity",     TextVoxSensitivity,       Getter(&DC::GetVoxSensitivity, &DC::SetVoxSensitivity),             ItemsLevels5,                     kIndexIsValueMinusOne, kLevel, Help(GetHelpVoxSensitivityDefault3, 180)),
    DropDown(kVoxSensitivityLowMediumHigh,  "VOX Sensitivity",     TextVoxSensitivity,       Getter(&DC::GetVoxSensitivity, &DC::SetVoxSensitivity),             ValueListLowMediumHigh,           kIndexIsValueMinusOne, kSteps, Help(GetHelpVoxSensitivityThreeLevels, 180)),
    DropDown(kVoxSensitivityPacked,         "VOX Sensitivity",     TextVoxSensitivity,       Getter(&DC::GetPackedVoxSensitivity, &DC::SetPackedVoxSensitivity), ItemsLevels5,                   kIndexIsValueMinusOne, kLevel, Help(GetHelpVoxSensitivityDefault3, 180)),
    DropDown(kMotionSensorSensitivity,      "Motion Sensor Sensitivity", TextMotionSensorSensitivity, Getter(&DC::GetMotionSensorSensitivity, &DC::SetMotionSensorSensitivity), ValueListMotionSensorSensitivity, kIndexIsValueMinusOne, kMotion, ModelHelp(GetHelpMotionSensorSensitivity, 170)),
    DropDown(kSmartVolumeControlWord16,     "Smart Volume Control", TextSmartVolumeControl,  Getter(&DC::GetSmartVolumeControl, &DC::SetSmartVolumeControl),     ValueListSmartVolumeControl,      kIndexIsValue, kSmart, Help(GetHelpSmartVolumeControl, 170)),
    DropDown(kSmartVolumeControlFlagBits,   "Smart Volume Control", TextSmartVolumeControl,  Getter(&DC::GetSmartVolumeControlBits, &DC::SetSmartVolumeControlBits), ValueListSmartVolumeControl,  kIndexIsValue, kSmart, Help(GetHelpSmartVolumeControl, 170)),
    DropDown(kSmartVolumeControlPacked,     "Smart Volume Control", TextSmartVolumeControl,  Getter(&DC::GetPackedSmartVolumeControl, &DC::SetPackedSmartVolumeControl), ValueListSmartVolumeControl, kIndexIsValue, kSmart, Help(GetHelpSmartVolumeControl, 170)),
    DropDown(kAudioSourcePriorityWord22,    "Audio Source Priority", TextAudioSourcePriority, Word(22),                                                          ValueListAudioSourcePriority,     kIndexIsValue, kSource, Help(GetHelpAudioSourcePriority, 230)),
    DropDown(kUnitLanguage,                 "Unit Language",       TextUnitLanguage,         Getter(&DC::GetUnitLanguage, &DC::SetUnitLanguage),                 ValueListUnitLanguage,            kIndexIsValue, kUnitLang, Help(GetHelpUnitLanguage, 180)),
    DropDown(kChannelSelect,                "Channel Select",      TextChannelSelect,        Getter(&DC::GetChannelSelect, nullptr),                             ValueListChannelSelect,           kIndexIsValue, kGridOnly, kNoHelp, kStoreNone),
    DropDown(kPhotoMode,                    "Photo Mode",          TextPhotoMode,            Getter(&DC::GetPhotoMode, &DC::SetPhotoMode),                       ValueListPhotoMode,               kIndexIsValue, kTwo, Help(GetHelpPhotoMode, 170)),
    DropDown(kVideoModeTwoItems,            "Video Mode",          TextVideoMode,            Getter(&DC::GetVideoMode, &DC::SetVideoMode),                       ItemsVideoModeTwo,                kIndexIsValue, kTwo, Help(GetHelpVideoModeTwoItems, 190)),
    DropDown(kVideoModeThreeItems,          "Video Mode",          TextVideoMode,            Getter(&DC::GetVideoMode, &DC::SetVideoMode),                       ItemsVideoModeThree,              kIndexIsValue, kThree, Help(GetHelpVideoModeThreeItems, 250)),
    DropDown(kVideoResolution,              "Video Resolution",    TextVideoResolution,      Getter(&DC::GetVideoResolution, &DC::SetVideoResolution),           ValueListVideoResolution,         kIndexIsValue, kThree, Help(GetHelpVideoResolution, 160)),
    DropDown(kTimelapseInterval,            "Timelapse Interval",  TextTimelapseInterval,    Getter(&DC::GetTimelapseInterval, &DC::SetTimelapseInterval),       ValueListTimelapseInterval,       kIndexIsValue, kTwo, Help(GetHelpTimelapseInterval, 160)),
    DropDown(kVideoTaggingInterval,         "Video Tagging Interval", TextVideoTaggingInterval, Getter(&DC::GetVideoTaggingInterval, &DC::SetVideoTaggingInterval), ValueListMinutesInterval,     kIndexIsValue, kThree, Help(GetHelpVideoTaggingInterval, 160)),
    DropDown(kLoopRecordingInterval,        "Loop Recording Interval", TextLoopRecordingInterval, Getter(&DC::GetLoopRecordingInterval, &DC::SetLoopRecordingInterval), ValueListMinutesInterval, kIndexIsValue, kThree, Help(GetHelpLoopRecordingInterval, 160)),
    DropDown(kVideoMicrophoneGain,          "Video Microphone Gain", TextVideoMicrophoneGain, Getter(&DC::GetVideoMicrophoneGain, &DC::SetVideoMicrophoneGain),  ValueListLowMediumHigh,           kIndexIsValue, kThree, Help(GetHelpVideoMicrophoneGain, 160)),
    DropDown(kEssStatus,                    "ESS STATUS",          TextEssStatus,            Getter(&DC::GetEssStatus, &DC::SetEssStatus),                       ValueListEssStatus,               kIndexIsValue, kEss, Help(GetHelpEssStatus, 200)),
    DropDown(kEssSensitivity,               "ESS Sensitivity",     TextEssSensitivity,       Getter(&DC::GetEssSensitivity, &DC::SetEssSensitivity),             ValueListLowMediumHigh,           kIndexIsValueMinusOne, kEssSens, Help(GetHelpEssSensitivity, 200)),
    DropDown(kVoxSensitivityLevelsDefault2, "VOX Sensitivity",     TextVoxSensitivity,       Getter(&DC::GetVoxSensitivity, &DC::SetVoxSensitivity),             ItemsLevels5,                     kIndexIsValueMinusOne, kLevel, Help(GetHelpVoxSensitivityDefault2, 180)),
};
// clang-format on
