#include <gtest/gtest.h>

#include <string>

#include "settings/FmPresetRules.h"

namespace {

constexpr int kWorldwide = 0;
constexpr int kAmericas = 1;
constexpr int kEurope = 4;
constexpr int kJapan = 5;

TEST(FmPresetRules, TypedTextIsRoundedToTheNearestHundredKilohertz)
{
    struct Case {
        const wchar_t* text;
        int region;
        int check;
        int frequency;
    } cases[] = {
        {L"87.55", kEurope, 0, 8760},
        {L"87.54", kEurope, 0, 8750},
        {L"87.5", kEurope, 0, 8750},
        {L"108", kEurope, 0, 10800},
        {L"108.04", kEurope, 0, 10800},
        {L"108.05", kEurope, 1, 10810},
        {L"  99.9 MHz", kEurope, 0, 9990},
        {L"88.0", kAmericas, 2, 8800},
        {L"88.1", kAmericas, 0, 8810},
        {L"75.0", kEurope, 1, 7500},
        {L"76", kJapan, 0, 7600},
        {L"", kEurope, 1, 0},
        {L"Empty", kEurope, 1, 0},
        {L"abc", kEurope, 1, 0},
        {L"-90", kEurope, 1, -9000},
        {L"1e30", kEurope, 1, 0},
        {L"-1e30", kEurope, 1, 0},
        {L"inf", kEurope, 1, 0},
        {L"nan", kEurope, 1, 0},
        {L"21474836.47", kEurope, 1, 0},
        {L"90", 9, 0, 9000}, // a region outside 0 to 5 reads as Worldwide
        {L"76.0", -1, 0, 7600},
    };
    for (const Case& c : cases) {
        const TypedPreset typed = ReadTypedPreset(c.text, c.region);
        EXPECT_EQ(typed.check, c.check) << c.text;
        if (c.check != 1 || c.frequency != 0)
            EXPECT_EQ(typed.frequency, c.frequency) << c.text;
    }
}

TEST(FmPresetRules, SpunValuesStayOnTheGridAndWrapAtTheEdges)
{
    struct Case {
        const char* label;
        int region;
        int stored;
        int p;
        int expected;
    } cases[] = {
        {"Europe down from the lowest wraps", kEurope, 8750, 8740, 10800},
        {"Europe below the range wraps", kEurope, 8750, 8749, 10800},
        {"Europe up from the highest wraps", kEurope, 10800, 10810, 8750},
        {"Europe above the range wraps", kEurope, 10800, 10801, 8750},
        {"Europe one step up", kEurope, 9000, 9010, 9010},
        {"Americas one click up is 200 kHz", kAmericas, 8750, 8760, 8770},
        {"Americas one click down is 200 kHz", kAmericas, 9010, 9000, 8990},
        {"Americas down from the lowest wraps", kAmericas, 8750, 8740, 10790},
        {"Americas up from the highest wraps", kAmericas, 10790, 10791, 8750},
        {"Americas held: 1 MHz steps stay on the grid", kAmericas, 8750, 8850, 8850},
        {"Americas off by 30 going up", kAmericas, 8750, 8780, 8790},
        {"Americas off by 30 going down", kAmericas, 8810, 8780, 8770},
        {"Americas jump to an odd channel near the top", kAmericas, 10770, 10780, 10790},
        {"Japan held up past the top wraps", kJapan, 9450, 9501, 7600},
        {"Worldwide stays", kWorldwide, 7600, 7610, 7610},
        {"Europe off the 100 kHz grid going up", kEurope, 9000, 9005, 9010},
        {"Europe off the 100 kHz grid going down", kEurope, 9000, 8995, 8990},
        {"unknown region as Worldwide", 7, 7600, 7590, 10800},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectSpunPreset(c.region, c.stored, c.p), c.expected) << c.label;
}

TEST(FmPresetRules, NewlyCheckedPresetStartsFromTheNearestCheckedOne)
{
    int presets[kFmPresetCount] = {0, 9000, 0, 9500, 0, 0, 10100, 0, 0, 0};
    bool checked[kFmPresetCount] = {false, true, false, true, false, false, true, false, false, false};
    EXPECT_EQ(StartingPreset(presets, checked, 4, kEurope), 9500);  // preset 5 takes preset 4's
    EXPECT_EQ(StartingPreset(presets, checked, 2, kEurope), 9000);  // downwards first
    EXPECT_EQ(StartingPreset(presets, checked, 0, kEurope), 9000);  // then upwards
    EXPECT_EQ(StartingPreset(presets, checked, 9, kEurope), 10100); // the nearest below
    checked[3] = false;                                             // unchecked values do not count
    EXPECT_EQ(StartingPreset(presets, checked, 4, kEurope), 9000);
    const bool none[kFmPresetCount] = {};
    EXPECT_EQ(StartingPreset(presets, none, 4, kEurope), 8750);
    EXPECT_EQ(StartingPreset(presets, none, 4, kJapan), 7600);
    int zeros[kFmPresetCount] = {};
    const bool all[kFmPresetCount] = {true, true, true, true, true, true, true, true, true, true};
    EXPECT_EQ(StartingPreset(zeros, all, 4, kAmericas), 8750); // checked but empty do not count
}

TEST(FmPresetRules, ChangingTheRegionEmptiesPresetsItDoesNotAllow)
{
    DeviceConfig record;
    const int before[kFmPresetCount] = {7600, 8750, 9500, 9510, 10800, 8760, 0, 9000, 10790, 7610};
    std::copy(before, before + kFmPresetCount, record.m_fmPresets);
    DeviceConfig japan = record;
    ClearPresetsOutsideRegion(japan, kJapan);
    const int inJapan[kFmPresetCount] = {7600, 8750, 9500, 0, 0, 8760, 0, 9000, 0, 7610};
    EXPECT_TRUE(std::equal(inJapan, inJapan + kFmPresetCount, japan.m_fmPresets));
    DeviceConfig americas = record;
    ClearPresetsOutsideRegion(americas, kAmericas);
    const int inAmericas[kFmPresetCount] = {0, 8750, 0, 9510, 0, 0, 0, 0, 10790, 0};
    EXPECT_TRUE(std::equal(inAmericas, inAmericas + kFmPresetCount, americas.m_fmPresets));
}

TEST(FmPresetRules, PresetTextShowsMegahertzOrTheEmptyWord)
{
    EXPECT_EQ(PresetText(8750, L"Empty"), L"87.5");
    EXPECT_EQ(PresetText(10800, L"Empty"), L"108.0");
    EXPECT_EQ(PresetText(8810, L"Empty"), L"88.1");
    EXPECT_EQ(PresetText(0, L"Leer"), L"Leer");
}

} // namespace
