#include "firmware/RestorePageRules.h"

#include <cstddef>
#include <cstdio>

#include "device/DeviceProductLists.h"
#include "device/ModelCatalogue.h"
#include "firmware/ServerListLine.h"
#include "firmware/SettingsArchive.h"
#include "text/NameTables.h"
#include "text/RestorePageTexts.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"

namespace {

template <std::size_t N> constexpr ProductIdList List(const int (&ids)[N])
{
    return ProductIdList{ids, N};
}

// One archived setting shown as a caption and value pair.
enum class Item {
    kEnd,
    kVoxPhone,
    kVoxIntercom,
    kEdr,         // a set EDR field means off
    kEdrBefore40, // older archives of two groups: a set field means on
    kPlc,
    kHighQuality,
    kMicBoost,
    kSidetone,
    kHushguard,
    kAutoGain,
    kRadioGain,
    kChannelTimeout,
};

constexpr int kOpen = -1;

struct VersionRange {
    int fromMajor; // the archive is at least from (kOpen: no lower bound)
    int fromMinor;
    int toMajor; // and older than to (kOpen: no upper bound)
    int toMinor;
};

// The tables below are aligned by hand, row by row, to be read against each other.
// clang-format off

constexpr VersionRange kAny       = {kOpen, 0, kOpen, 0};
constexpr VersionRange kBelow1_1  = {kOpen, 0, 1, 1};
constexpr VersionRange kFrom1_1   = {1, 1, kOpen, 0};
constexpr VersionRange kBelow1_2  = {kOpen, 0, 1, 2};
constexpr VersionRange k1_2To2_0  = {1, 2, 2, 0};
constexpr VersionRange kBelow2_0  = {kOpen, 0, 2, 0};
constexpr VersionRange kFrom2_0   = {2, 0, kOpen, 0};
constexpr VersionRange kBelow4_0  = {kOpen, 0, 4, 0};
constexpr VersionRange k4_0To4_1  = {4, 0, 4, 1};
constexpr VersionRange k4_1To4_2  = {4, 1, 4, 2};
constexpr VersionRange k4_2To5_0  = {4, 2, 5, 0};
constexpr VersionRange kFrom4_2   = {4, 2, kOpen, 0};
constexpr VersionRange kFrom5_0   = {5, 0, kOpen, 0};

// The older headsets with an FM radio; only the first three boost the microphone.
const int kFmGroupMic[]    = {0x4D10, 0x4D30, 0x4D40};
const int kFmGroupOthers[] = {0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050};
const int k4D21[]          = {0x4D21};
const int k4D75[]          = {0x4D75, 0x5011};
const int k5020[]          = {0x5020, 0x5070};
const int k4040[]          = {0x4040};
const int k2020[]          = {0x2020};
const int k61xx[]          = {0x6110, 0x6111, 0x6120, 0x6121};
const int k4110[]          = {0x4110, 0x4111};
const int k4120[]          = {0x4120};
const int kListedBasic[]   = {0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124,
                              0x3126, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x5410,
                              0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530,
                              0x5532, 0x5536, 0x5550, 0x5560, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621,
                              0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016,
                              0x6018, 0x6026, 0x6210, 0x6400};
const int k6020[]          = {0x6020, 0x6022, 0x6024};
const int k6420[]          = {0x6420};
const int k6430[]          = {0x6430};
const int k4Dx5[]          = {0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65};
const int k4D85[]          = {0x4D85};
const int k4021[]          = {0x4021};
const int k5210[]          = {0x5210};
const int kLegacy[]        = {0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030};

using I = Item;

// What the backup information shows, per model group and archived version.
struct InfoRow {
    ProductIdList products;
    VersionRange range;
    Item basic[kBackupInfoPairs + 1]; // ended by kEnd
    bool speedDial;       // the Speed Dial category shows the three numbers
    bool fmBlock;         // any category but Basic and Speed Dial shows the FM block
    bool everyCategory;   // the Basic pairs whatever the category
};

const InfoRow kInfoRows[] = {
    {List(kFmGroupMic),    kBelow4_0, {I::kVoxPhone, I::kVoxIntercom, I::kEdrBefore40},                                               true,  true,  false},
    {List(kFmGroupOthers), kBelow4_0, {I::kVoxPhone, I::kVoxIntercom, I::kEdrBefore40},                                               true,  true,  false},
    {List(kFmGroupMic),    k4_0To4_1, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc},                                              true,  true,  false},
    {List(kFmGroupOthers), k4_0To4_1, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc},                                              true,  true,  false},
    {List(kFmGroupMic),    k4_1To4_2, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc, I::kHighQuality, I::kMicBoost},               true,  true,  false},
    {List(kFmGroupOthers), k4_1To4_2, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc, I::kHighQuality},                             true,  true,  false},
    {List(kFmGroupMic),    k4_2To5_0, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kMicBoost},                        true,  true,  false},
    {List(kFmGroupOthers), k4_2To5_0, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality},                                      true,  true,  false},
    {List(kFmGroupMic),    kFrom5_0,  {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kSidetone, I::kMicBoost},          true,  true,  false},
    {List(kFmGroupOthers), kFrom5_0,  {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kSidetone},                        true,  true,  false},
    {List(k4D21),          kAny,      {I::kSidetone},                                                                                 true,  true,  false},
    {List(k4D75),          kAny,      {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kSidetone},                        true,  false, false},
    {List(k5020),          kBelow4_0, {I::kVoxPhone, I::kVoxIntercom, I::kEdrBefore40},                                               true,  false, false},
    {List(k5020),          k4_0To4_1, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc},                                              true,  false, false},
    {List(k5020),          k4_1To4_2, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kPlc, I::kHighQuality},                             true,  false, false},
    {List(k5020),          kFrom4_2,  {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality},                                      true,  false, false},
    {List(k4040),          kAny,      {I::kSidetone},                                                                                 false, false, false},
    {List(k2020),          kBelow1_1, {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kSidetone},                        true,  false, false},
    {List(k2020),          kFrom1_1,  {I::kVoxPhone, I::kVoxIntercom, I::kEdr, I::kHighQuality, I::kSidetone, I::kHushguard},         true,  false, false},
    {List(k61xx),          kAny,      {I::kEdr, I::kHighQuality, I::kSidetone, I::kHushguard},                                        true,  false, false},
    {List(k4110),          kAny,      {I::kEdr, I::kHighQuality},                                                                     true,  false, false},
    {List(k4120),          kAny,      {I::kEdr, I::kHighQuality, I::kSidetone, I::kHushguard, I::kAutoGain},                          true,  false, false},
    {List(kListedBasic),   kAny,      {},                                                                                             true,  true,  false},
    {List(k6020),          kAny,      {},                                                                                             true,  false, false},
    {List(k6420),          kAny,      {I::kVoxPhone, I::kEdr},                                                                        true,  false, false},
    {List(k6430),          kAny,      {I::kVoxPhone},                                                                                 true,  false, false},
    {List(k4Dx5),          kBelow1_2, {I::kVoxPhone, I::kEdr, I::kPlc},                                                               true,  true,  false},
    {List(k4Dx5),          k1_2To2_0, {I::kVoxPhone, I::kEdr, I::kHighQuality},                                                       true,  true,  false},
    {List(k4Dx5),          kFrom2_0,  {I::kVoxPhone, I::kEdr, I::kHighQuality, I::kSidetone},                                         true,  true,  false},
    {List(k4D85),          kAny,      {I::kVoxPhone, I::kEdr, I::kHighQuality, I::kSidetone},                                         true,  true,  false},
    {List(k4021),          kAny,      {I::kVoxPhone},                                                                                 false, false, true},
    {List(k5210),          kAny,      {I::kRadioGain, I::kChannelTimeout},                                                            false, false, true},
    {List(kLegacy),        kAny,      {I::kVoxPhone, I::kEdr, I::kHighQuality},                                                       false, false, true},
};

// Which pairs (bit k: pair k + 1) the page hides, per category.
constexpr unsigned kNone      = 0x00;
constexpr unsigned kPair6     = 0x20;
constexpr unsigned kPairs5To6 = 0x30;
constexpr unsigned kPairs4To5 = 0x18;
constexpr unsigned kPairs4To6 = 0x38;
constexpr unsigned kPairs3To6 = 0x3C;
constexpr unsigned kPairs2To6 = 0x3E;
constexpr unsigned kAllPairs  = 0x3F;

const int kVisMic[]      = {0x4D10, 0x4D30, 0x4D40};
const int kVis5020[]     = {0x5020, 0x5070};
const int kVisOthers[]   = {0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080};
const int kVis4D75[]     = {0x4D75, 0x5011, 0x4120};
const int kVis61xx[]     = {0x6110, 0x6111, 0x6120, 0x6121, 0x4D85};
const int kVis4110[]     = {0x4110, 0x4111, 0x6420};
const int kVisLegacy[]   = {0x4010, 0x4020, 0x4030, 0x2010, 0x2011, 0x2110, 0x2210, 0x2310};
const int kVisList[]     = {0x2030, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x3110,
                            0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5510, 0x5520, 0x5526, 0x5530, 0x5532,
                            0x5550, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5720, 0x5524, 0x5622,
                            0x5623, 0x5624, 0x5710, 0x3030, 0x3040, 0x3050, 0x3060, 0x5522, 0x5536, 0x6210, 0x5410,
                            0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5560, 0x5910, 0x5920, 0x6400};
const int kVisList60xx[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026};

struct VisibilityRow {
    ProductIdList products;
    VersionRange range;
    unsigned hiddenBasic;
    bool listInBasic;
    unsigned hiddenSpeedDial;
    unsigned hiddenFmRadio;
};

const VisibilityRow kVisibilityRows[] = {
    {List(kVisMic),       kBelow4_0, kPairs4To6, false, kPairs4To6, kNone},
    {List(kVisMic),       k4_0To4_1, kPairs5To6, false, kPairs4To6, kNone},
    {List(kVisMic),       k4_1To4_2, kNone,      false, kPairs4To6, kNone},
    {List(kVisMic),       k4_2To5_0, kPair6,     false, kPairs4To6, kNone},
    {List(kVisMic),       kFrom5_0,  kNone,      false, kPairs4To6, kNone},
    {List(kVis5020),      kBelow4_0, kPairs4To6, false, kPairs4To6, kNone},
    {List(kVis5020),      k4_0To4_1, kPairs5To6, false, kPairs4To6, kNone},
    {List(kVis5020),      k4_1To4_2, kPair6,     false, kPairs4To6, kNone},
    {List(kVis5020),      k4_2To5_0, kPairs5To6, false, kPairs4To6, kNone},
    {List(kVis5020),      kFrom5_0,  kPairs5To6, false, kPairs4To6, kNone},
    {List(kVisOthers),    kBelow4_0, kPairs4To6, false, kPairs4To6, kNone},
    {List(kVisOthers),    k4_0To4_1, kPairs5To6, false, kPairs4To6, kNone},
    {List(kVisOthers),    k4_1To4_2, kPair6,     false, kPairs4To6, kNone},
    {List(kVisOthers),    k4_2To5_0, kPairs5To6, false, kPairs4To6, kNone},
    {List(kVisOthers),    kFrom5_0,  kPair6,     false, kPairs4To6, kNone},
    {List(k4Dx5),         kBelow2_0, kPairs4To6, false, kPairs4To6, kNone},
    {List(k4Dx5),         kFrom2_0,  kPairs5To6, false, kPairs4To6, kNone},
    {List(k4D21),         kAny,      kPairs2To6, false, kPairs4To6, kNone},
    {List(k4040),         kAny,      kPairs2To6, false, kNone,      kNone},
    {List(kVis4D75),      kAny,      kPair6,     false, kPairs4To6, kNone},
    {List(k2020),         kBelow1_1, kPair6,     false, kPairs4To6, kNone},
    {List(k2020),         kFrom1_1,  kNone,      false, kPairs4To6, kNone},
    {List(kVis61xx),      kAny,      kPairs5To6, false, kPairs4To6, kNone},
    {List(kVis4110),      kAny,      kPairs3To6, false, kPairs4To6, kNone},
    {List(k6430),         kAny,      kPairs2To6, false, kPairs4To6, kNone},
    {List(kVisLegacy),    kAny,      kPairs4To6, false, kPairs4To6, kPairs4To6},
    {List(k4021),         kAny,      kPairs2To6, false, kPairs2To6, kPairs2To6},
    {List(k5210),         kAny,      kPairs3To6, false, kPairs3To6, kPairs3To6},
    {List(kVisList),      kAny,      kAllPairs,  true,  kPairs4To6, kNone},
    {List(kVisList60xx),  kAny,      kAllPairs,  true,  kPairs4To6, kPairs4To5},
};

// clang-format on

constexpr int kCameraProduct = 0x3020;
constexpr int kTwoChipProduct = 0x5345;
constexpr int kTwoChipSecondProduct = 0x5346;
constexpr int kCategoryBasic = 1;
constexpr int kCategorySpeedDial = 2;
constexpr int kCategoryFmRadio = 3;
constexpr int kIndentBlanks = 25;

bool InRange(const DeviceConfig& archive, const VersionRange& range)
{
    if (range.fromMajor != kOpen && archive.CompareFirmwareVersion(range.fromMajor, range.fromMinor) < 0)
        return false;
    if (range.toMajor != kOpen && archive.CompareFirmwareVersion(range.toMajor, range.toMinor) >= 0)
        return false;
    return true;
}

std::wstring OnOff(bool on, int language)
{
    return on ? GetTextEnabled(language) : GetTextDisabled(language);
}

std::wstring Caption(const std::wstring& name)
{
    return FillPlaceholders(L"%s:", {name});
}

void WriteItem(Item item, const DeviceConfig& archive, int language, BackupInfoTexts& texts, int pair)
{
    std::wstring caption;
    std::wstring value;
    switch (item) {
    case Item::kEnd: return;
    case Item::kVoxPhone:
        caption = Caption(TextVoxPhone(language));
        value = OnOff(archive.m_handsfreeVox != 0, language);
        break;
    case Item::kVoxIntercom:
        caption = Caption(TextVoxIntercom(language));
        value = OnOff(archive.m_intercomVox != 0, language);
        break;
    case Item::kEdr:
        caption = Caption(TextEdr(language));
        value = OnOff(archive.m_edr == 0, language);
        break;
    case Item::kEdrBefore40:
        caption = Caption(TextEdr(language));
        value = OnOff(archive.m_edr != 0, language);
        break;
    case Item::kPlc:
        caption = Caption(TextPlc(language));
        value = OnOff(archive.m_plc != 0, language);
        break;
    case Item::kHighQuality:
        caption = Caption(TextHighQualityA2dp(language));
        value = OnOff(archive.m_bitpoolRate != 0, language);
        break;
    case Item::kMicBoost:
        caption = Caption(TextMicrophoneBoosting(language));
        value = OnOff(archive.m_microphoneBoost != 0, language);
        break;
    case Item::kSidetone:
        caption = Caption(TextSidetone(language));
        value = OnOff(archive.m_sidetone != 0, language);
        break;
    case Item::kHushguard:
        caption = Caption(TextHushguard(language));
        value = OnOff(archive.m_hushguard != 1, language);
        break;
    case Item::kAutoGain:
        caption = Caption(TextAutoGainControl(language));
        value = OnOff(archive.m_autoGainControl != 1, language);
        break;
    case Item::kRadioGain:
        caption = Caption(TextRadioTransmitGain(language));
        value = TextLowMediumHigh(language, RadioTransmitGainIndex(archive.m_radioTransmitGain));
        break;
    case Item::kChannelTimeout:
        caption = FillPlaceholders(L"%s :", {TextAudioChannelTimeout(language)});
        value = FillPlaceholders(L"%d %s", {archive.m_audioChannelTimeout, GetTextSeconds(language)});
        break;
    }
    texts.captions[pair] = caption;
    texts.values[pair] = value;
}

void WriteBasicPairs(const InfoRow& row, const DeviceConfig& archive, int language, BackupInfoTexts& texts)
{
    for (int pair = 0; pair < kBackupInfoPairs && row.basic[pair] != Item::kEnd; ++pair)
        WriteItem(row.basic[pair], archive, language, texts, pair);
}

void WriteSpeedDial(const DeviceConfig& archive, int language, BackupInfoTexts& texts)
{
    for (int n = 1; n <= kSpeedDialCount; ++n) {
        const std::wstring& number = archive.m_speedDial[static_cast<std::size_t>(n - 1)];
        texts.captions[n - 1] = FillPlaceholders(L"%s %d:", {TextSpeedDial(language), n});
        texts.values[n - 1] = number.empty() ? TextEmpty(language) : number;
    }
}

// "87.5 MHz" whatever the C runtime's decimal separator.
std::wstring Megahertz(int preset)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0.1f", preset / 100.0);
    std::wstring text;
    for (const char* c = digits; *c; ++c)
        text += (*c >= '0' && *c <= '9') || *c == '-' ? static_cast<wchar_t>(*c) : L'.';
    return text + L" MHz";
}

void WriteFmBlock(const DeviceConfig& archive, int language, BackupInfoTexts& texts)
{
    texts.captionsRightAligned = false;
    texts.row0Caption = Caption(TextRadioRegion(language));
    texts.row0Value = TextFmRegionNames(language, archive.m_fmRegion);
    for (int n = 1; n <= kFmPresetCount; ++n) {
        const int preset = archive.m_fmPresets[n - 1];
        std::wstring frequency;
        if (preset == 0)
            frequency = TextEmpty(language);
        else
            frequency = (preset < 10000 ? L"  " : L"") + Megahertz(preset);
        const std::wstring indent = n % 2 == 1 ? std::wstring(kIndentBlanks, L' ') : std::wstring();
        const std::wstring label = FillPlaceholders(L"%s%s%d: %s", {indent, n <= 9 ? L" " : L"", n, frequency});
        if (n % 2 == 1)
            texts.captions[(n + 1) / 2 - 1] = label;
        else
            texts.values[n / 2 - 1] = label;
    }
    texts.captions[5] = Caption(TextRdsAf(language));
    texts.values[5] = OnOff(archive.m_fmRds != 0, language);
}

std::wstring Version(const wchar_t* pattern, std::initializer_list<TextArg> parts)
{
    return FillPlaceholders(pattern, parts);
}

} // namespace

BackupInfoTexts BuildBackupInfoTexts(int modelCode, const DeviceConfig& archive, int category, int uiLanguage,
                                     int comboItems)
{
    BackupInfoTexts texts;
    const DeviceVersion& version = archive.m_firmwareVersion;
    texts.title = TextBackupFirmwareInformation(uiLanguage);
    const std::wstring versionWord = GetTextVersion(uiLanguage);
    if (comboItems <= 0) {
        texts.versionCaptionCentred = false;
        texts.versionCaption = FillPlaceholders(L"%s:", {versionWord});
    } else {
        texts.versionCaptionCentred = true;
        if (modelCode == kCameraProduct)
            texts.versionCaption =
                Version(L"%s: v%d.%d.%d.%d", {versionWord, version.kind, version.build, version.major, version.minor});
        else
            texts.versionCaption = Version(L"%s: v%d.%d", {versionWord, version.major, version.minor});
    }
    if (modelCode == kCameraProduct)
        texts.versionValue = Version(L"v%d.%d.%d.%d", {version.kind, version.build, version.major, version.minor});
    else if (modelCode == kTwoChipProduct || modelCode == kTwoChipSecondProduct)
        texts.versionValue = Version(L"v%d.%d.%d", {version.major, version.minor, version.build});
    else
        texts.versionValue = Version(L"v%d.%d", {version.major, version.minor});
    texts.row0Caption = Caption(TextDate(uiLanguage));
    if (archive.m_archivedAt != 0)
        texts.row0Value = TrimListField(FormatLocalTime(archive.m_archivedAt, GetTextDateTimeFormat(uiLanguage)));

    for (const InfoRow& row : kInfoRows) {
        if (!row.products.Contains(modelCode) || !InRange(archive, row.range))
            continue;
        if (row.everyCategory || category == kCategoryBasic)
            WriteBasicPairs(row, archive, uiLanguage, texts);
        else if (category == kCategorySpeedDial) {
            if (row.speedDial)
                WriteSpeedDial(archive, uiLanguage, texts);
        } else if (row.fmBlock) {
            WriteFmBlock(archive, uiLanguage, texts);
        }
        break;
    }
    return texts;
}

RestorePageVisibility DecideRestorePageVisibility(int modelCode, int category, const DeviceConfig& archive, int ready,
                                                  int comboItems)
{
    RestorePageVisibility visibility;
    if (!ready) {
        visibility.firstCaptionRight = true;
        return visibility;
    }
    visibility.details = true;
    visibility.comboShown = comboItems >= 2;
    unsigned hidden = kAllPairs;
    for (const VisibilityRow& row : kVisibilityRows) {
        if (!row.products.Contains(modelCode) || !InRange(archive, row.range))
            continue;
        switch (category) {
        case kCategoryBasic:
            hidden = row.hiddenBasic;
            visibility.listShown = row.listInBasic;
            break;
        case kCategorySpeedDial: hidden = row.hiddenSpeedDial; break;
        case kCategoryFmRadio: hidden = row.hiddenFmRadio; break;
        default: hidden = kNone; break;
        }
        break;
    }
    visibility.pairsShown = kAllPairs & ~hidden;
    return visibility;
}
