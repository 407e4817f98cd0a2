// The restore page's list for the 0x31xx units (single bits and packed numbers), 0x3030 to
// 0x3060, 0x5710 to 0x6400, 0x5622/0x5624/0x5560, the 0x54xx models, the 0x60xx models with
// Routecue and ESS, and 0x6210: the rows of each archived firmware range, inside a range, at
// and just below each threshold, with a minor of 10 and as a release candidate, and a few
// values that only these models show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArchivedListProbe.h"
#include "firmware/ArchivedSettingsList.h"
#include "settings/GridRowCatalogue.h"

namespace {

std::wstring ValueOf(const ArchivedSettingsRows& rows, const std::wstring& name)
{
    for (const ArchivedSettingsRow& row : rows.rows)
        if (row.name == name)
            return row.value;
    ADD_FAILURE() << "no row named " << std::string(name.begin(), name.end());
    return std::wstring();
}

// clang-format off
// 0x31xx: single bits of words 0 and 1, packed numbers of word 1, the unit language of word 3.
const Names k31A = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"Voice Prompt",
                    L"High Quality A2DP", L"Sidetone", L"Hushguard™", L"FM Station Guide", L"Guest Mode",
                    L"VOX Sensitivity", L"Smart Volume Control", L"Layertone Volume Management",
                    L"Intercom-Layertone Sensitivity", L"Voice Command"};
const Names k31B = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"Bluetooth Intercom Dualstream™",
                    L"HD Intercom", L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™",
                    L"FM Station Guide", L"Guest Mode", L"VOX Sensitivity", L"Smart Volume Control",
                    L"Layertone Volume Management", L"Intercom-Layertone Sensitivity", L"Voice Command"};
const Names k31C = {L"Unit Language", L"Audio Boost", L"VOX Phone", L"VOX Intercom",
                    L"Bluetooth Intercom Dualstream™", L"HD Intercom", L"Voice Prompt", L"High Quality A2DP",
                    L"Sidetone", L"Hushguard™", L"FM Station Guide", L"Guest Mode", L"VOX Sensitivity",
                    L"Smart Volume Control", L"Layertone Volume Management", L"Intercom-Layertone Sensitivity",
                    L"Voice Command"};
const Names k3118D = {L"Unit Language", L"Audio Boost", L"VOX Phone", L"HD Intercom", L"Voice Prompt",
                      L"Hushguard™", L"FM Station Guide", L"VOX Sensitivity", L"Layertone Volume Management",
                      L"Intercom-Layertone Sensitivity"};
const Names k30x0 = {L"Voice Prompt", L"FM Station Guide", L"Hushguard™"};
// 0x5710, 0x5910, 0x5920, 0x5623, 0x6400.
const Names k57A = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"Voice Prompt",
                    L"High Quality A2DP", L"Sidetone", L"Hushguard™"};
const Names k57B = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"Voice Prompt",
                    L"FM Station Guide", L"High Quality A2DP", L"Sidetone", L"Hushguard™"};
const Names k5623C = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"VOX Sensitivity",
                      L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™"};
const Names k5623D = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"Dualstream™", L"Audio Source Priority",
                      L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt", L"Sidetone",
                      L"Hushguard™"};
const Names k6400E = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"Dualstream™", L"Audio Source Priority",
                      L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt", L"FM Station Guide",
                      L"Hushguard™"};
// 0x5622, 0x5624, 0x5560: a smart volume row each.
const Names k56F = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"HD Intercom",
                    L"Voice Prompt", L"High Quality A2DP", L"Hushguard™"};
const Names k56G = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"HD Intercom",
                    L"VOX Sensitivity", L"Voice Prompt", L"High Quality A2DP", L"Hushguard™"};
const Names k5622H = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"Dualstream™",
                      L"Audio Source Priority", L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"FM Station Guide", L"Hushguard™"};
const Names k5624J = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom",
                      L"Audio Source Priority", L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"Hushguard™"};
const Names k5560K = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"Layertone™", L"HD Voice",
                      L"VOX Sensitivity", L"Voice Prompt", L"Sidetone"};
// 0x54xx: one order, settings left out.
const Names k5410A = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"Layertone™",
                      L"VOX Sensitivity", L"Voice Prompt", L"Sidetone"};
const Names k5410B = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"Layertone™", L"HD Voice",
                      L"VOX Sensitivity", L"Voice Prompt", L"Sidetone"};
const Names k5410C = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"Layertone™",
                      L"Audio Source Priority", L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"Sidetone", L"Hushguard™"};
const Names k5412A = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"Layertone™",
                      L"Audio Source Priority", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"FM Station Guide", L"Sidetone", L"Hushguard™"};
const Names k54All = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"Layertone™",
                      L"Audio Source Priority", L"HD Voice", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"FM Station Guide", L"Sidetone", L"Hushguard™"};
const Names k5416A = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom",
                      L"Audio Source Priority", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"FM Station Guide", L"Sidetone", L"Hushguard™"};
const Names k5416B = {L"Audio Boost", L"Smart Volume Control", L"VOX Phone", L"VOX Intercom", L"Layertone™",
                      L"Audio Source Priority", L"HD Intercom", L"VOX Sensitivity", L"Voice Prompt",
                      L"FM Station Guide", L"Sidetone", L"Hushguard™"};
// 0x60xx: Routecue and the ESS rows.
const Names k60A = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"VOX Sensitivity",
                    L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™"};
const Names k60B = {L"Routecue", L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom",
                    L"VOX Sensitivity", L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™"};
const Names k60C = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"VOX Sensitivity",
                    L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™", L"ESS STATUS",
                    L"ESS Sensitivity"};
const Names k60D = {L"Routecue", L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom",
                    L"VOX Sensitivity", L"Voice Prompt", L"High Quality A2DP", L"Sidetone", L"Hushguard™",
                    L"ESS STATUS", L"ESS Sensitivity"};
const Names k60E = {L"Routecue", L"VOX Phone", L"VOX Sensitivity", L"Voice Prompt", L"Sidetone", L"Hushguard™"};
// 0x6210.
const Names k6210A = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"HD Intercom", L"Voice Prompt",
                      L"FM Station Guide", L"High Quality A2DP", L"Hushguard™"};
const Names k6210B = {L"Audio Boost", L"VOX Phone", L"VOX Intercom", L"Dualstream™", L"Audio Source Priority",
                      L"HD Voice", L"HD Intercom", L"Voice Prompt", L"FM Station Guide", L"Hushguard™"};

struct RangeCase {
    int model;
    const char* version;
    const Names& names;
};

const RangeCase kRangeCases[] = {
    // 0x3110: 1.1, 2.1; from 2.2 on the list still shows table C.
    {0x3110, "0.9", k31A}, {0x3110, "1.0", k31A}, {0x3110, "1.1", k31B}, {0x3110, "1.1 rc1", k31B},
    {0x3110, "1.10", k31B}, {0x3110, "2.0", k31B}, {0x3110, "2.1", k31C}, {0x3110, "2.1 rc2", k31C},
    {0x3110, "2.2", k31C}, {0x3110, "2.10", k31C}, {0x3110, "3.0", k31C},
    // 0x3112, 0x3114: 1.1, never a unit language.
    {0x3112, "1.0", k31A}, {0x3114, "1.1", k31B}, {0x3112, "1.1 rc1", k31B}, {0x3114, "2.5", k31B},
    {0x3112, "3.0", k31B}, {0x3114, "1.10", k31B},
    // One table for every version.
    {0x3124, "0.1", k31B}, {0x3126, "1.0", k31B}, {0x3124, "2.10", k31B},
    {0x3116, "0.1", k31C}, {0x3116, "3.0", k31C}, {0x3118, "1.0", k3118D}, {0x3118, "2.2", k3118D},
    {0x3030, "0.1", k30x0}, {0x3040, "1.10", k30x0}, {0x3050, "2.0 rc1", k30x0}, {0x3060, "9.0", k30x0},
    // 0x5710: 1.2; 0x5910, 0x5920: 1.1.
    {0x5710, "1.1", k57A}, {0x5710, "1.10", k57B}, {0x5710, "1.2", k57B}, {0x5710, "1.2 rc1", k57B},
    {0x5910, "1.0", k57A}, {0x5910, "1.1", k57B}, {0x5920, "1.1 rc1", k57B}, {0x5920, "0.9", k57A},
    // 0x5623: 1.1, 2.0; 0x6400 any.
    {0x5623, "1.0", k57A}, {0x5623, "1.1", k5623C}, {0x5623, "1.10", k5623C}, {0x5623, "2.0", k5623D},
    {0x5623, "2.0 rc1", k5623D}, {0x6400, "1.0", k6400E}, {0x6400, "3.0", k6400E},
    // 0x5622, 0x5624: 1.1, 2.0, split from 2.0 on; 0x5560 any.
    {0x5622, "1.0", k56F}, {0x5624, "1.0", k56F}, {0x5622, "1.1", k56G}, {0x5624, "1.10", k56G},
    {0x5622, "2.0", k5622H}, {0x5624, "2.0", k5624J}, {0x5622, "2.0 rc1", k5622H}, {0x5624, "3.0", k5624J},
    {0x5560, "1.0", k5560K}, {0x5560, "2.10", k5560K},
    // 0x5410: 1.1, 2.0; 0x5412, 0x5414: 1.1.
    {0x5410, "1.0", k5410A}, {0x5410, "1.1", k5410B}, {0x5410, "1.1 rc1", k5410B}, {0x5410, "1.10", k5410B},
    {0x5410, "2.0", k5410C}, {0x5410, "2.0 rc1", k5410C},
    {0x5412, "1.0", k5412A}, {0x5414, "1.1", k54All}, {0x5412, "1.10", k54All}, {0x5414, "1.1 rc1", k54All},
    // 0x5420, 0x5418 any; 0x5416: 1.1.
    {0x5420, "1.0", k54All}, {0x5418, "3.0", k54All},
    {0x5416, "1.0", k5416A}, {0x5416, "1.1", k5416B}, {0x5416, "1.1 rc1", k5416B}, {0x5416, "1.10", k5416B},
    // 0x6010, 0x6012: 1.2; 0x6014, 0x6016: 1.2; 0x6026 any; 0x6018: 1.1; 0x6020 to 0x6024 any.
    {0x6010, "1.1", k60C}, {0x6012, "1.10", k60D}, {0x6010, "1.2", k60D}, {0x6012, "1.2 rc1", k60D},
    {0x6014, "1.1", k60A}, {0x6016, "1.2", k60B}, {0x6014, "2.0", k60B},
    {0x6026, "1.0", k60B}, {0x6026, "2.0", k60B},
    {0x6018, "1.0", k60A}, {0x6018, "1.1", k60B}, {0x6018, "1.1 rc1", k60B},
    {0x6020, "1.0", k60E}, {0x6022, "2.0", k60E}, {0x6024, "1.10", k60E},
    // 0x6210: 2.0.
    {0x6210, "1.9", k6210A}, {0x6210, "1.10", k6210A}, {0x6210, "2.0", k6210B}, {0x6210, "2.0 rc1", k6210B},
};
// clang-format on

TEST(ArchivedRowsOfPackedAndWordModels, EachRangeListsItsRows)
{
    for (const RangeCase& c : kRangeCases) {
        SCOPED_TRACE(std::to_string(c.model) + " at " + c.version);
        const ArchivedSettingsRows rows = RowsOf(ArchiveOf(c.model, c.version));
        EXPECT_EQ(rows.action, ArchivedListAction::kRows);
        EXPECT_EQ(NamesOf(rows), c.names);
    }
}

TEST(ArchivedRowsOfPackedAndWordModels, TheTablesHaveTheirRowCounts)
{
    const std::pair<const Names*, std::size_t> counts[] = {
        {&k31A, 15},   {&k31B, 16},   {&k31C, 17},   {&k3118D, 10}, {&k30x0, 3},   {&k57A, 8},
        {&k57B, 9},    {&k5623C, 9},  {&k5623D, 11}, {&k6400E, 11}, {&k56F, 8},    {&k56G, 9},
        {&k5622H, 12}, {&k5624J, 10}, {&k5560K, 8},  {&k5410A, 7},  {&k5410B, 8},  {&k5410C, 12},
        {&k5412A, 12}, {&k54All, 13}, {&k5416A, 11}, {&k5416B, 12}, {&k60A, 9},    {&k60B, 10},
        {&k60C, 11},   {&k60D, 12},   {&k60E, 6},    {&k6210A, 8},  {&k6210B, 10},
    };
    for (const auto& count : counts)
        EXPECT_EQ(count.first->size(), count.second);
}

// The values that only these models show, read from whole archived records.
TEST(ArchivedRowsOfPackedAndWordModels, TheModelsWordTheirOwnFields)
{
    DeviceConfig unit = ArchiveOf(0x3110, "2.1");
    unit.m_settings[0] = (1 << 10) | (1 << 3) | (1 << 9) | (1 << 15);
    unit.m_settings[1] = (1 << 8) | (1 << 9) | (1 << 5) | 4;
    unit.m_settings[3] = 10;
    ArchivedSettingsRows rows = RowsOf(unit);
    EXPECT_EQ(ValueOf(rows, L"Audio Boost"), L"Disabled");
    EXPECT_EQ(ValueOf(rows, L"Voice Prompt"), L"Disabled");
    EXPECT_EQ(ValueOf(rows, L"Hushguard™"), L"Disabled");
    EXPECT_EQ(ValueOf(rows, L"Guest Mode"), L"Enabled");
    EXPECT_EQ(ValueOf(rows, L"VOX Sensitivity"), L"Level 4");
    EXPECT_EQ(ValueOf(rows, L"Smart Volume Control"), L"High");
    EXPECT_EQ(ValueOf(rows, L"Intercom-Layertone Sensitivity"), L"3");
    EXPECT_EQ(ValueOf(rows, L"Unit Language"), L"Finnish");

    DeviceConfig layertone = ArchiveOf(0x5560, "1.0");
    layertone.m_settings[14] = 4;
    EXPECT_EQ(ValueOf(RowsOf(layertone), L"VOX Sensitivity"), L"Level 4");
    DeviceConfig steps = ArchiveOf(0x5622, "2.0");
    for (const auto& [stored, shown] :
         std::vector<std::pair<int, std::wstring>>{{1, L"Low"}, {2, L"Medium"}, {3, L"High"}, {4, L"4"}, {0, L"0"}}) {
        steps.m_settings[14] = stored;
        EXPECT_EQ(ValueOf(RowsOf(steps), L"VOX Sensitivity"), shown) << stored;
    }

    DeviceConfig ess = ArchiveOf(0x6010, "1.2");
    ess.m_settings[2] = 2; // status bits 10, sensitivity bits 00
    ess.m_settings[24] = 1;
    rows = RowsOf(ess);
    EXPECT_EQ(ValueOf(rows, L"ESS STATUS"), L"Fog Light + ESS ON");
    EXPECT_EQ(ValueOf(rows, L"ESS Sensitivity"), L"Medium");
    EXPECT_EQ(ValueOf(rows, L"Routecue"), L"Enabled");
}

} // namespace
