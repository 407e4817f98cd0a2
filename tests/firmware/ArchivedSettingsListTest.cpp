// The restore page's list of archived settings: the product groups of the dispatch held
// against the row catalogue, the rows of each group by archived firmware (inside each range,
// at and just below each threshold, a minor of 10, a release candidate and a numbered build),
// the values of whole archived records, the list procedure on a recording list, and archives
// written and read back.

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "firmware/ArchivedSettingsList.h"
#include "firmware/SettingsArchive.h"
#include "settings/GridRowCatalogue.h"
#include "tests/settings/RecordingGrid.h"

namespace {

using Names = std::vector<std::wstring>;

// "1.4", "2.0 rc3" (a release candidate) or "2.0 b12" (a numbered build).
DeviceConfig ArchiveOf(int modelCode, const std::string& version)
{
    static const std::regex form(R"((\d+)\.(\d+)(?: (rc|b)(\d+))?)");
    std::smatch m;
    DeviceConfig archive;
    archive.m_modelCode = modelCode;
    if (!std::regex_match(version, m, form)) {
        ADD_FAILURE() << "unreadable version " << version;
        return archive;
    }
    archive.m_firmwareVersion.major = std::stoi(m[1]);
    archive.m_firmwareVersion.minor = std::stoi(m[2]);
    if (m[3].matched) {
        archive.m_firmwareVersion.kind = m[3] == "rc" ? 1 : 2;
        archive.m_firmwareVersion.build = std::stoi(m[4]);
    }
    return archive;
}

ArchivedListCategories Basic()
{
    ArchivedListCategories categories;
    categories.count = 1;
    categories.pages[0] = kSettingsCategoryBasic;
    return categories;
}

ArchivedSettingsRows RowsOf(const DeviceConfig& archive, int language = 0)
{
    return ChooseArchivedSettingsRows(archive.m_modelCode, archive, language, Basic());
}

Names NamesOf(const ArchivedSettingsRows& rows)
{
    Names names;
    for (const ArchivedSettingsRow& row : rows.rows)
        names.push_back(row.name);
    return names;
}

// --- The dispatch table of product groups ----------------------------------------------------

struct DispatchGroup {
    int order;
    std::vector<int> ids;
    bool rows;
};

// clang-format off
const DispatchGroup kDispatchGroups[] = {
    {1,  {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050}, false},
    {2,  {0x4D75, 0x5011}, false},
    {3,  {0x5020, 0x5070}, false},
    {4,  {0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430}, false},
    {5,  {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65}, false},
    {6,  {0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010, 0x5210}, false},
    {7,  {0x4210}, true},
    {8,  {0x4310, 0x4350, 0x4330}, true},
    {9,  {0x4510}, true},
    {10, {0x4530}, true},
    {11, {0x4610}, true},
    {12, {0x2030}, true},
    {13, {0x4410, 0x4430}, true},
    {14, {0x5520}, true},
    {15, {0x5526}, true},
    {16, {0x5720}, true},
    {17, {0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, true},
    {18, {0x5510}, true},
    {19, {0x5580}, true},
    {20, {0x5570}, true},
    {21, {0x5530}, true},
    {22, {0x5532}, true},
    {23, {0x5550}, true},
    {24, {0x3110}, true},
    {25, {0x3112, 0x3114}, true},
    {26, {0x3124, 0x3126}, true},
    {27, {0x3116}, true},
    {28, {0x3118}, true},
    {29, {0x5710}, true},
    {30, {0x5623}, true},
    {31, {0x5622, 0x5624}, true},
    {32, {0x5524}, true},
    {33, {0x5536}, true},
    {34, {0x5522}, true},
    {35, {0x3030}, true},
    {36, {0x3050}, true},
    {37, {0x3060}, true},
    {38, {0x3040}, true},
    {39, {0x6210}, true},
    {40, {0x6400}, true},
    {41, {0x5910, 0x5920}, true},
    {42, {0x5560}, true},
    {43, {0x5410}, true},
    {44, {0x5412, 0x5414}, true},
    {45, {0x5420}, true},
    {46, {0x5418}, true},
    {47, {0x5416}, true},
    {48, {0x6010, 0x6012}, true},
    {49, {0x6014, 0x6016}, true},
    {50, {0x6026}, true},
    {51, {0x6018}, true},
    {52, {0x6020, 0x6022, 0x6024}, true},
};
// clang-format on

TEST(ArchivedSettingsList, TheDispatchGroupsNameEveryIdOnceAndMeetTheCatalogue)
{
    std::set<int> seen;
    for (const DispatchGroup& group : kDispatchGroups) {
        SCOPED_TRACE("group " + std::to_string(group.order));
        const GridRowGroup* first = FindGridRowGroup(group.ids.front());
        for (int id : group.ids) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(seen.insert(id).second) << "named twice";
            // A group's ids stand together in one group of the catalogue.
            EXPECT_EQ(FindGridRowGroup(id), first);
            for (const char* version : {"0.1", "1.0", "1.5", "2.0", "2.2", "3.0", "9.9"}) {
                const ArchivedSettingsRows rows = RowsOf(ArchiveOf(id, version));
                EXPECT_EQ(rows.action, group.rows ? ArchivedListAction::kRows : ArchivedListAction::kUntouched);
                EXPECT_EQ(rows.rows.empty(), !group.rows);
            }
        }
    }
    EXPECT_EQ(seen.size(), 45u + 62u);
}

TEST(ArchivedSettingsList, AnIdNoGroupTakesIsLeftUntouched)
{
    for (int id : {0, 0x1234, 0x5511, 0x4211, 0x6211, -1}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(RowsOf(ArchiveOf(id, "2.0")).action, ArchivedListAction::kUntouched);
    }
}

// --- The rows of each group by archived firmware ----------------------------------------------

const wchar_t* const kDualstream = L"Dualstream™";
const wchar_t* const kOverlay = L"Intercom-Layertone Sensitivity";
const wchar_t* const kNavigation = L"Navigation App Support";
const wchar_t* const kLayertoneVolume = L"Layertone Volume Management";
const wchar_t* const kAudioBoost = L"Audio Boost";
const wchar_t* const kSmartVolume = L"Smart Volume Control";
const wchar_t* const kMotion = L"Motion Sensor Sensitivity";
const wchar_t* const kVoxPhone = L"VOX Phone";
const wchar_t* const kVoxIntercom = L"VOX Intercom";
const wchar_t* const kVoxSensitivity = L"VOX Sensitivity";
const wchar_t* const kHdIntercom = L"HD Intercom";
const wchar_t* const kHdVoice = L"HD Voice";
const wchar_t* const kEightWay = L"Eight-way Intercom";
const wchar_t* const kVoicePrompt = L"Voice Prompt";
const wchar_t* const kFmGuide = L"FM Station Guide";
const wchar_t* const kA2dp = L"High Quality A2DP";
const wchar_t* const kSidetone = L"Sidetone";
const wchar_t* const kHushguard = L"Hushguard™";
const wchar_t* const kVoiceCommand = L"Voice Command";
const wchar_t* const kSource = L"Audio Source Priority";

const Names kCameraShort = {L"Photo Mode",       L"Video Mode",
                            L"Video Resolution", L"Timelapse Interval",
                            L"Date Caption",     L"Speaker Sound Recording",
                            L"▶ Music",          L"▶ FM Radio",
                            L"▶ Intercom",       L"▶ Phone",
                            L"Auto Camera Sleep"};
const Names kCameraFull = {L"Photo Mode",
                           L"Video Mode",
                           L"Video Resolution",
                           L"Timelapse Interval",
                           L"Video Tagging Interval",
                           L"Loop Recording Interval",
                           L"Video Microphone Gain",
                           L"Date Caption",
                           L"Speaker Sound Recording",
                           L"▶ Music",
                           L"▶ FM Radio",
                           L"▶ Intercom",
                           L"▶ Phone",
                           L"Auto Camera Sleep"};

Names Join(Names head, const Names& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// 0x4210 and the flag-word models.
const Names k4210A = {kVoxPhone, kSidetone, kDualstream, kOverlay};
const Names k4210B = {kVoxPhone, kSidetone, kMotion, kDualstream, kOverlay, kNavigation};
const Names k4210C = {kDualstream, kOverlay,  kNavigation,  kAudioBoost, kMotion,   kVoxPhone,
                      kHdIntercom, kEightWay, kVoicePrompt, kSidetone,   kHushguard};
const Names k4210D = {kDualstream, kOverlay,  kNavigation,  kAudioBoost, kSmartVolume, kMotion,   kVoxPhone,
                      kHdIntercom, kEightWay, kVoicePrompt, kFmGuide,    kSidetone,    kHushguard};
const Names kFlagWord = {kDualstream, kOverlay,    kLayertoneVolume, kAudioBoost,  kSmartVolume,
                         kVoxPhone,   kHdIntercom, kEightWay,        kVoicePrompt, kFmGuide,
                         kSidetone,   kHushguard,  kVoiceCommand};
const Names k4410 = {kDualstream, kOverlay,     kLayertoneVolume, kAudioBoost, kSmartVolume, kHdIntercom,
                     kEightWay,   kVoicePrompt, kFmGuide,         kSidetone,   kHushguard,   kVoiceCommand};

// The option-int models, by the letters of their own descriptions.
const Names k5526A = {kAudioBoost,  kVoxPhone, kVoxIntercom, kHdIntercom, kVoxSensitivity,
                      kVoicePrompt, kFmGuide,  kA2dp,        kSidetone,   kHushguard};
const Names k5526B = {kAudioBoost, kVoxPhone,       kVoxIntercom, kDualstream, kSource,   kHdVoice,
                      kHdIntercom, kVoxSensitivity, kVoicePrompt, kFmGuide,    kSidetone, kHushguard};
const Names k5610C = {kAudioBoost, kVoxPhone, kVoxIntercom, kVoicePrompt, kA2dp, kSidetone, kHushguard};
const Names k5610D = {kAudioBoost, kVoxPhone, kVoxIntercom, kHdIntercom, kVoicePrompt, kA2dp, kSidetone, kHushguard};
const Names k5610E = {kAudioBoost, kVoxPhone,    kVoxIntercom, kDualstream, kSource,   kHdVoice,
                      kHdIntercom, kVoicePrompt, kFmGuide,     kSidetone,   kHushguard};
const Names k5580F = {kAudioBoost, kVoxPhone, kVoxIntercom, kHdIntercom, kVoicePrompt,
                      kFmGuide,    kA2dp,     kSidetone,    kHushguard};
const Names k5530C = {kAudioBoost,  kVoxPhone, kVoxIntercom, kHdVoice,  kHdIntercom,
                      kVoicePrompt, kFmGuide,  kA2dp,        kSidetone, kHushguard};
const Names k5550D = {kAudioBoost, kHdIntercom, kVoicePrompt, kFmGuide, kA2dp, kHushguard};
const Names k5550E = {kAudioBoost, kVoicePrompt, kFmGuide, kA2dp, kHushguard};
const Names k5550F = {kAudioBoost, kDualstream, kSource, kHdVoice, kVoicePrompt, kFmGuide, kHushguard};
const Names k5524G = {kAudioBoost, kVoicePrompt, kA2dp, kHushguard};
const Names k5510A =
    Join({kAudioBoost, kVoxPhone, kVoxIntercom, kVoicePrompt, kA2dp, kSidetone, kHushguard}, kCameraShort);
const Names k5510B =
    Join({kAudioBoost, kVoxPhone, kVoxIntercom, kHdIntercom, kVoicePrompt, kA2dp, kSidetone, kHushguard}, kCameraFull);
const Names k5510C =
    Join({kAudioBoost, kVoxPhone, kVoxIntercom, kHdIntercom, kVoicePrompt, kFmGuide, kA2dp, kSidetone, kHushguard},
         kCameraFull);
const Names k5510D = Join(k5610E, kCameraFull);
const Names k5520A = {kAudioBoost,  kVoxPhone, kVoxIntercom, kVoxSensitivity,
                      kVoicePrompt, kA2dp,     kSidetone,    kHushguard};
const Names k5520B = {kAudioBoost,  kVoxPhone, kVoxIntercom, kHdIntercom, kVoxSensitivity,
                      kVoicePrompt, kA2dp,     kSidetone,    kHushguard};
const Names k5520C = {kAudioBoost,  kVoxPhone, kVoxIntercom, kHdIntercom, kVoxSensitivity,
                      kVoicePrompt, kFmGuide,  kA2dp,        kSidetone,   kHushguard};
const Names& k5520D = k5526B;

struct RowsCase {
    int model;
    const char* version;
    const Names& names;
};

// clang-format off
const RowsCase kRowsCases[] = {
    // 0x4210: 1.1, 1.2, 1.5.
    {0x4210, "0.9", k4210A}, {0x4210, "1.0", k4210A}, {0x4210, "1.0 b99", k4210A},
    {0x4210, "1.1", k4210B}, {0x4210, "1.1 rc1", k4210B}, {0x4210, "1.1 b3", k4210B},
    {0x4210, "1.2", k4210C}, {0x4210, "1.4", k4210C}, {0x4210, "1.2 rc2", k4210C},
    {0x4210, "1.5", k4210D}, {0x4210, "1.5 rc1", k4210D}, {0x4210, "1.10", k4210D}, {0x4210, "2.0", k4210D},
    // One list for every firmware.
    {0x4310, "0.1", kFlagWord}, {0x4330, "1.10", kFlagWord}, {0x4350, "9.0", kFlagWord},
    {0x4510, "1.0", kFlagWord}, {0x4530, "2.0 rc1", kFlagWord},
    {0x4610, "1.0", kFlagWord}, {0x4610, "3.10", kFlagWord}, {0x2030, "1.0", kFlagWord}, {0x2030, "2.0 b4", kFlagWord},
    {0x4410, "1.0", k4410}, {0x4430, "2.10", k4410},
    // 0x5526: 2.0.
    {0x5526, "1.9", k5526A}, {0x5526, "1.10", k5526A}, {0x5526, "2.0", k5526B}, {0x5526, "2.0 rc1", k5526B},
    {0x5526, "2.0 b7", k5526B}, {0x5526, "3.0", k5526B},
    {0x5720, "1.0", k5526A}, {0x5720, "2.0", k5526A}, {0x5720, "3.10", k5526A},
    // 0x5610 to 0x5621: 1.1, 2.0.
    {0x5610, "1.0", k5610C}, {0x5611, "1.0 b5", k5610C}, {0x5612, "1.1", k5610D}, {0x5620, "1.1 rc2", k5610D},
    {0x5621, "1.10", k5610D}, {0x5612, "1.9", k5610D}, {0x5612, "2.0", k5610E}, {0x5610, "2.0 b1", k5610E},
    // 0x5580: 2.0.
    {0x5580, "1.9", k5580F}, {0x5580, "1.10", k5580F}, {0x5580, "2.0", k5610E}, {0x5580, "2.0 rc3", k5610E},
    // 0x5570 any; 0x5530: 1.4, 2.0; 0x5532 any.
    {0x5570, "1.0", k5610E}, {0x5570, "3.0", k5610E},
    {0x5530, "1.3", k5610D}, {0x5530, "1.4", k5530C}, {0x5530, "1.4 rc1", k5530C}, {0x5530, "1.4 b2", k5530C},
    {0x5530, "1.9", k5530C}, {0x5530, "1.10", k5530C}, {0x5530, "2.0", k5610E},
    {0x5532, "1.0", k5530C}, {0x5532, "2.0", k5530C},
    // 0x5550: 1.2, 2.0; 0x5524: 1.1, 2.0; 0x5536 and 0x5522 any.
    {0x5550, "1.1", k5550D}, {0x5550, "1.2", k5550E}, {0x5550, "1.10", k5550E}, {0x5550, "2.0", k5550F},
    {0x5550, "2.0 rc1", k5550F}, {0x5550, "2.0 b9", k5550F},
    {0x5524, "1.0", k5524G}, {0x5524, "1.1", k5550E}, {0x5524, "1.1 rc1", k5550E}, {0x5524, "1.9", k5550E},
    {0x5524, "2.0", k5550F}, {0x5524, "2.0 b1", k5550F},
    {0x5536, "1.0", k5550E}, {0x5536, "2.0", k5550E}, {0x5522, "0.5", k5550E}, {0x5522, "3.0", k5550E},
    // 0x5510: 2.0, 2.2, 3.0.
    {0x5510, "1.9", k5510A}, {0x5510, "1.10", k5510A}, {0x5510, "2.0", k5510B}, {0x5510, "2.0 rc1", k5510B},
    {0x5510, "2.1", k5510B}, {0x5510, "2.2", k5510C}, {0x5510, "2.2 b4", k5510C}, {0x5510, "2.10", k5510C},
    {0x5510, "3.0", k5510D}, {0x5510, "3.0 rc2", k5510D}, {0x5510, "4.0", k5510D},
    // 0x5520: 1.1, 1.3, 2.0.
    {0x5520, "1.0", k5520A}, {0x5520, "1.1", k5520B}, {0x5520, "1.1 rc1", k5520B}, {0x5520, "1.2", k5520B},
    {0x5520, "1.3", k5520C}, {0x5520, "1.10", k5520C}, {0x5520, "1.3 b8", k5520C}, {0x5520, "2.0", k5520D},
    {0x5520, "2.0 rc1", k5520D},
};
// clang-format on

TEST(ArchivedSettingsList, EachGroupListsTheRowsOfItsArchivedFirmware)
{
    for (const RowsCase& c : kRowsCases) {
        SCOPED_TRACE(std::to_string(c.model) + " at " + c.version);
        const ArchivedSettingsRows rows = RowsOf(ArchiveOf(c.model, c.version));
        EXPECT_EQ(rows.action, ArchivedListAction::kRows);
        EXPECT_EQ(NamesOf(rows), c.names);
    }
}

TEST(ArchivedSettingsList, TheTablesHaveTheirRowCounts)
{
    const std::pair<const Names*, std::size_t> counts[] = {
        {&k4210A, 4},  {&k4210B, 6},  {&k4210C, 11}, {&k4210D, 13}, {&kFlagWord, 13}, {&k4410, 12},
        {&k5526A, 10}, {&k5526B, 12}, {&k5610C, 7},  {&k5610D, 8},  {&k5610E, 11},    {&k5580F, 9},
        {&k5530C, 10}, {&k5550D, 6},  {&k5550E, 5},  {&k5550F, 7},  {&k5524G, 4},     {&k5510A, 18},
        {&k5510B, 22}, {&k5510C, 23}, {&k5510D, 25}, {&k5520A, 8},  {&k5520B, 9},     {&k5520C, 10},
    };
    for (const auto& count : counts)
        EXPECT_EQ(count.first->size(), count.second);
}

// --- Values of whole archived records -------------------------------------------------------------

using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

Pairs PairsOf(const ArchivedSettingsRows& rows)
{
    Pairs pairs;
    for (const ArchivedSettingsRow& row : rows.rows)
        pairs.emplace_back(row.name, row.value);
    return pairs;
}

TEST(ArchivedSettingsList, A4210ArchiveShowsItsFlagWordAndWholeWords)
{
    DeviceConfig archive = ArchiveOf(0x4210, "1.5");
    // Dualstream, audio boost, smart volume 2, HD intercom, FM guide, hushguard set; the rest clear.
    archive.m_settings[2] = (1 << 11) | (1 << 7) | (1 << 2) | (1 << 13) | (1 << 5) | (1 << 8);
    archive.m_settings[0] = 3;
    archive.m_settings[3] = 1;
    const Pairs expected = {
        {kDualstream, L"Enabled"},   {kOverlay, L"8"},          {kNavigation, L"Disabled"},
        {kAudioBoost, L"Enabled"},   {kSmartVolume, L"Medium"}, {kMotion, L"Disable"},
        {kVoxPhone, L"Disabled"},    {kHdIntercom, L"Enabled"}, {kEightWay, L"Disabled"},
        {kVoicePrompt, L"Disabled"}, {kFmGuide, L"Enabled"},    {kSidetone, L"Disabled"},
        {kHushguard, L"Enabled"},
    };
    EXPECT_EQ(PairsOf(RowsOf(archive)), expected);
}

TEST(ArchivedSettingsList, A5520ArchiveShowsItsOptionIntsAndLevel)
{
    DeviceConfig archive = ArchiveOf(0x5520, "2.0");
    archive.m_settings[18] = 0; // audio boost on
    archive.m_handsfreeVox = 1;
    archive.m_intercomVox = 0;
    archive.m_settings[23] = 1;
    archive.m_settings[22] = 2;
    archive.m_settings[21] = 0;
    archive.m_settings[19] = 1;
    archive.m_settings[14] = 3;
    archive.m_voicePrompt = 2;
    archive.m_settings[20] = 0;
    archive.m_sidetone = 1;
    archive.m_hushguard = 1;
    archive.m_bitpoolRate = 1; // no row from 2.0 on
    const Pairs expected = {
        {kAudioBoost, L"Enabled"},  {kVoxPhone, L"Enabled"}, {kVoxIntercom, L"Disabled"}, {kDualstream, L"Enabled"},
        {kSource, L"Music"},        {kHdVoice, L"Disabled"}, {kHdIntercom, L"Enabled"},   {kVoxSensitivity, L"Level 3"},
        {kVoicePrompt, L"Enabled"}, {kFmGuide, L"Disabled"}, {kSidetone, L"Enabled"},     {kHushguard, L"Disabled"},
    };
    EXPECT_EQ(PairsOf(RowsOf(archive)), expected);
}

TEST(ArchivedSettingsList, A5510ArchiveShowsItsCameraWords)
{
    DeviceConfig archive = ArchiveOf(0x5510, "3.0");
    archive.m_settings[18] = 1;
    archive.m_settings[10] = (1 << 0) | (1 << 2) | (1 << 4) | (1 << 6) | (1 << 8) | (1 << 11);
    archive.m_settings[12] = (1 << 7) | (1 << 0) | (1 << 3) | (1 << 4) | (1 << 5);
    const Pairs camera = {
        {L"Photo Mode", L"Burst Shot"},
        {L"Video Mode", L"Loop Recording Mode"},
        {L"Video Resolution", L"720p/60fps"},
        {L"Timelapse Interval", L"10 secs"},
        {L"Video Tagging Interval", L"3 mins"},
        {L"Loop Recording Interval", L"5 mins"},
        {L"Video Microphone Gain", L"Low"},
        {L"Date Caption", L"Disabled"},
        {L"Speaker Sound Recording", L"Enabled"},
        {L"▶ Music", L"Enabled"},
        {L"▶ FM Radio", L"Disabled"},
        {L"▶ Intercom", L"Disabled"},
        {L"▶ Phone", L"Enabled"},
        {L"Auto Camera Sleep", L"Disabled"},
    };
    const Pairs rows = PairsOf(RowsOf(archive));
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows[0], (std::pair<std::wstring, std::wstring>{kAudioBoost, L"Disabled"}));
    EXPECT_EQ(Pairs(rows.begin() + 11, rows.end()), camera);

    // Below 2.0 the single video-mode bit of word 10 is read, and never gives the third word.
    DeviceConfig old = ArchiveOf(0x5510, "1.9");
    old.m_settings[10] = 1 << 1;
    old.m_settings[12] = 1 << 7;
    const Pairs oldRows = PairsOf(RowsOf(old));
    ASSERT_EQ(oldRows.size(), 18u);
    EXPECT_EQ(oldRows[8], (std::pair<std::wstring, std::wstring>{L"Video Mode", L"Timelapse Mode"}));
}

TEST(ArchivedSettingsList, TheRowsFollowTheArchivedRecordOnly)
{
    // The list takes no live record: an archive of 2.1 shows the 2.0 table whatever unit is on.
    EXPECT_EQ(NamesOf(RowsOf(ArchiveOf(0x5510, "2.1"))), k5510B);
    EXPECT_EQ(NamesOf(RowsOf(ArchiveOf(0x5520, "1.2"))), k5520B);
    EXPECT_EQ(NamesOf(RowsOf(ArchiveOf(0x5526, "1.9"))), k5526A);
    EXPECT_EQ(NamesOf(RowsOf(ArchiveOf(0x5530, "1.3"))), k5610D);
}

TEST(ArchivedSettingsList, AnotherLanguageWordsNamesAndValues)
{
    DeviceConfig archive = ArchiveOf(0x5520, "1.0");
    archive.m_settings[14] = 3;
    archive.m_voicePrompt = 1;
    const Pairs french = PairsOf(RowsOf(archive, 1));
    ASSERT_EQ(french.size(), 8u);
    EXPECT_EQ(french[0], (std::pair<std::wstring, std::wstring>{L"Amplification audio", L"Activé"}));
    EXPECT_EQ(french[3], (std::pair<std::wstring, std::wstring>{L"Sensibilité VOX", L"Niveau 3"}));
    EXPECT_EQ(french[4], (std::pair<std::wstring, std::wstring>{L"Messages vocaux", L"Désactivé"}));
    // A language outside 0 to 12 reads English.
    EXPECT_EQ(PairsOf(RowsOf(archive, 13)), PairsOf(RowsOf(archive, 0)));
    EXPECT_EQ(PairsOf(RowsOf(archive, -1)), PairsOf(RowsOf(archive, 0)));
}

// --- The procedure on a recording list ---------------------------------------------------------

ArchivedListCategories CategoriesOf(int count, std::vector<int> pages, int index)
{
    ArchivedListCategories categories;
    categories.count = count;
    for (std::size_t i = 0; i < pages.size() && i < 3; ++i)
        categories.pages[i] = pages[i];
    categories.index = index;
    return categories;
}

// A list as a refresh finds it after an earlier one filled it.
RecordingGrid FullList()
{
    RecordingGrid list;
    for (int row = 0; row < 3; ++row)
        list.InsertItem(row, L"old");
    list.m_calls.clear();
    return list;
}

TEST(ArchivedSettingsList, RowsAreInsertedWithColonsThenNamedAndValued)
{
    RecordingGrid list;
    const DeviceConfig archive = ArchiveOf(0x5524, "1.0");
    FillArchivedSettings(list, 0x5524, archive, 0, Basic());
    const std::vector<std::string> calls = {
        "InsertItem 0", "SetItem 0,1", "InsertItem 1", "SetItem 1,1", "InsertItem 2", "SetItem 2,1",
        "InsertItem 3", "SetItem 3,1", "SetItem 0,0",  "SetItem 0,2", "SetItem 1,0",  "SetItem 1,2",
        "SetItem 2,0",  "SetItem 2,2", "SetItem 3,0",  "SetItem 3,2",
    };
    EXPECT_EQ(list.m_calls, calls);
    EXPECT_EQ(list.m_rowCount, 4);
    EXPECT_EQ(list.Item(0, 0), L"Audio Boost");
    EXPECT_EQ(list.Item(0, 1), L":");
    EXPECT_EQ(list.Item(0, 2), L"Enabled");
    EXPECT_EQ(list.Item(3, 0), L"Hushguard™");
    EXPECT_EQ(list.Item(3, 2), L"Enabled");
    EXPECT_TRUE(list.m_cells.empty());
    EXPECT_FALSE(list.m_hidden);
}

TEST(ArchivedSettingsList, AFullListIsEmptiedAndAnEmptyOneLeftAlone)
{
    RecordingGrid full = FullList();
    FillArchivedSettings(full, 0x5524, ArchiveOf(0x5524, "1.0"), 0, Basic());
    ASSERT_FALSE(full.m_calls.empty());
    EXPECT_EQ(full.m_calls.front(), "DeleteAllItems");
    EXPECT_EQ(full.m_rowCount, 4);

    RecordingGrid empty;
    FillArchivedSettings(empty, 0x4D10, ArchiveOf(0x4D10, "1.0"), 0, Basic());
    EXPECT_TRUE(empty.m_calls.empty());
}

TEST(ArchivedSettingsList, ModelsWithoutRowsLeaveTheListsVisibilityAlone)
{
    for (int id : {0x4D10, 0x5210, 0x1234}) {
        SCOPED_TRACE(id);
        RecordingGrid full = FullList();
        FillArchivedSettings(full, id, ArchiveOf(id, "2.0"), 0, Basic());
        EXPECT_EQ(full.m_calls, std::vector<std::string>{"DeleteAllItems"});
        EXPECT_EQ(full.m_rowCount, 0);

        // Whatever category is shown.
        RecordingGrid empty;
        FillArchivedSettings(empty, id, ArchiveOf(id, "2.0"), 0, CategoriesOf(2, {1, 2}, 1));
        EXPECT_TRUE(empty.m_calls.empty());
    }
}

struct GateCase {
    const char* what;
    int modelCode;
    int archivedId;
    ArchivedListCategories categories;
};

TEST(ArchivedSettingsList, TheGateHidesTheListForAnythingButBasicOfTheArchivedModel)
{
    const GateCase cases[] = {
        {"Speed Dial", 0x5520, 0x5520, CategoriesOf(2, {1, 2}, 1)},
        {"FM Radio", 0x5510, 0x5510, CategoriesOf(3, {1, 2, 3}, 2)},
        {"FM Radio alone", 0x4210, 0x4210, CategoriesOf(1, {3}, 0)},
        {"no categories", 0x5530, 0x5530, CategoriesOf(0, {}, 0)},
        {"index past the count", 0x5530, 0x5530, CategoriesOf(1, {1, 1, 1}, 1)},
        {"index past the slots", 0x5530, 0x5530, CategoriesOf(5, {1, 1, 1}, 3)},
        {"negative index", 0x5530, 0x5530, CategoriesOf(2, {1, 2}, -1)},
        {"archive of another model", 0x5520, 0x5526, Basic()},
        {"archive of a model without rows", 0x5520, 0x4D10, Basic()},
        {"archive of no model", 0x5510, 0, Basic()},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingGrid list = FullList();
        FillArchivedSettings(list, c.modelCode, ArchiveOf(c.archivedId, "2.0"), 0, c.categories);
        EXPECT_EQ(list.m_calls, (std::vector<std::string>{"DeleteAllItems", "Hide"}));
        EXPECT_EQ(list.m_rowCount, 0);

        RecordingGrid empty;
        FillArchivedSettings(empty, c.modelCode, ArchiveOf(c.archivedId, "2.0"), 0, c.categories);
        EXPECT_EQ(empty.m_calls, std::vector<std::string>{"Hide"});
    }
}

TEST(ArchivedSettingsList, BasicAtAnyIndexOfTheListPassesTheGate)
{
    RecordingGrid list;
    FillArchivedSettings(list, 0x5510, ArchiveOf(0x5510, "3.0"), 0, CategoriesOf(3, {3, 2, 1}, 2));
    EXPECT_EQ(list.m_rowCount, 25);
    EXPECT_FALSE(list.m_hidden);
}

TEST(ArchivedSettingsList, TwoRefreshesGiveTheSameListAndALanguageChangeRelabelsIt)
{
    DeviceConfig archive = ArchiveOf(0x5510, "2.2");
    archive.m_voicePrompt = 1;
    RecordingGrid list;
    FillArchivedSettings(list, 0x5510, archive, 0, Basic());
    const auto first = list.m_items;
    FillArchivedSettings(list, 0x5510, archive, 0, Basic());
    EXPECT_EQ(list.m_items, first);
    EXPECT_EQ(list.m_rowCount, 23);

    FillArchivedSettings(list, 0x5510, archive, 1, Basic());
    EXPECT_EQ(list.m_rowCount, 23);
    EXPECT_EQ(list.Item(4, 0), L"Messages vocaux");
    EXPECT_EQ(list.Item(4, 1), L":");
    EXPECT_EQ(list.Item(4, 2), L"Désactivé");
    EXPECT_EQ(list.Item(9, 0), L"Mode photo");
    EXPECT_EQ(list.Item(9, 2), L"Photo unique");
    EXPECT_EQ(list.Item(22, 0), L"Mise en veille auto de la caméra");
}

// --- Archives written and read back ----------------------------------------------------------------

std::wstring WithoutLines(const std::wstring& text, const std::vector<std::wstring>& keys)
{
    std::wstring kept;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(L"\r\n", begin);
        end = end == std::wstring::npos ? text.size() : end + 2;
        const std::wstring line = text.substr(begin, end - begin);
        bool dropped = false;
        for (const std::wstring& key : keys)
            dropped = dropped || line.rfind(key + L"=", 0) == 0;
        if (!dropped)
            kept += line;
        begin = end;
    }
    return kept;
}

int LineCount(const std::wstring& text)
{
    int lines = 0;
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2))
        ++lines;
    return lines;
}

DeviceConfig CameraUnit()
{
    DeviceConfig unit = ArchiveOf(0x5510, "3.0");
    unit.m_settings[18] = 0;
    unit.m_settings[23] = 1;
    unit.m_settings[22] = 1;
    unit.m_settings[21] = 1;
    unit.m_settings[10] = 1 << 0;
    unit.m_settings[12] = (1 << 6) | (1 << 1) | (1 << 2) | (1 << 5);
    return unit;
}

TEST(ArchivedSettingsList, AnArchiveReadBackShowsItsStoredValues)
{
    const std::wstring text = FormatSettingsArchive(CameraUnit(), 0);
    const DeviceConfig archive = ParseSettingsArchive(text);
    const Pairs rows = PairsOf(RowsOf(archive));
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows[3], (std::pair<std::wstring, std::wstring>{kDualstream, L"Enabled"}));
    EXPECT_EQ(rows[4], (std::pair<std::wstring, std::wstring>{kSource, L"Music"}));
    EXPECT_EQ(rows[5], (std::pair<std::wstring, std::wstring>{kHdVoice, L"Enabled"}));
    EXPECT_EQ(rows[11], (std::pair<std::wstring, std::wstring>{L"Photo Mode", L"Burst Shot"}));
    EXPECT_EQ(rows[12], (std::pair<std::wstring, std::wstring>{L"Video Mode", L"Timelapse Mode"}));
    EXPECT_EQ(rows[15], (std::pair<std::wstring, std::wstring>{L"Video Tagging Interval", L"5 mins"}));
    EXPECT_EQ(rows[16], (std::pair<std::wstring, std::wstring>{L"Loop Recording Interval", L"3 mins"}));
    EXPECT_EQ(rows[17], (std::pair<std::wstring, std::wstring>{L"Video Microphone Gain", L"High"}));
}

TEST(ArchivedSettingsList, AnArchiveWithoutTheLaterKeysShowsTheirZeroReadings)
{
    const std::wstring full = FormatSettingsArchive(CameraUnit(), 0);
    const std::wstring older = WithoutLines(
        full, {L"keyBasicSettingZimboCamera03", L"keyAudioSourcePriority", L"keyLayertone", L"keyRoutecue"});
    ASSERT_EQ(LineCount(full), kSettingsArchiveLineCount);
    ASSERT_EQ(LineCount(older), 57);
    const Pairs rows = PairsOf(RowsOf(ParseSettingsArchive(older)));
    ASSERT_EQ(rows.size(), 25u);
    EXPECT_EQ(rows[3], (std::pair<std::wstring, std::wstring>{kDualstream, L"Disabled"}));
    EXPECT_EQ(rows[4], (std::pair<std::wstring, std::wstring>{kSource, L"Intercom"}));
    EXPECT_EQ(rows[5], (std::pair<std::wstring, std::wstring>{kHdVoice, L"Enabled"}));
    EXPECT_EQ(rows[12], (std::pair<std::wstring, std::wstring>{L"Video Mode", L"Video Mode"}));
    EXPECT_EQ(rows[15], (std::pair<std::wstring, std::wstring>{L"Video Tagging Interval", L"1 min"}));
    EXPECT_EQ(rows[16], (std::pair<std::wstring, std::wstring>{L"Loop Recording Interval", L"1 min"}));
    EXPECT_EQ(rows[17], (std::pair<std::wstring, std::wstring>{L"Video Microphone Gain", L"Low"}));
}

} // namespace
