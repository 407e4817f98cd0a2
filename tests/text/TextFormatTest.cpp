#include "text/TextFormat.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const wchar_t* pattern;
    std::wstring expected;
};

TEST(FillPlaceholders, FillsEachPlaceholderOnceInOrder)
{
    const FillCase cases[] = {
        {L"Ready for %s. %s", L"Ready for A. B"},
        {L"%s%s", L"AB"},
        {L"no placeholder", L"no placeholder"},
        {L"", L""},
        {L"100%% sure %s", L"100% sure A"},
        {L"Ready for %%s. %s", L"Ready for %s. A"},
        {L"%d then %s", L"A then B"},
        {L"trailing %", L"trailing %"},
        {L"%m/%d/%Y", L"%m/A/%Y"},
        {L"%x %ls %s", L"%x %ls A"},
        {L"%s %s %s %s", L"A B  "},
    };
    for (const FillCase& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, {L"A", L"B"}), c.expected) << c.pattern;
}

TEST(FillPlaceholders, SubstitutedTextIsNeverReadAsPattern)
{
    // A title with "%" must come out as it is, whichever placeholder takes it.
    const std::wstring title = L"50% OFF %s %d %% %";
    EXPECT_EQ(FillPlaceholders(L"Ready for %s. %s", {title, L"Cannot make backup firmware"}),
              L"Ready for 50% OFF %s %d %% %. Cannot make backup firmware");
    EXPECT_EQ(FillPlaceholders(L"%s", {L"%s%s%s%s"}), L"%s%s%s%s");
}

TEST(FillPlaceholders, NumbersAndTextsGoIntoEitherPlaceholder)
{
    EXPECT_EQ(FillPlaceholders(L"%s %d", {L"Speed Dial", 3}), L"Speed Dial 3");
    EXPECT_EQ(FillPlaceholders(L"%d|%d|%s", {-12, 0, 2147483647}), L"-12|0|2147483647");
    EXPECT_EQ(FillPlaceholders(L"[%d]", {L"text"}), L"[text]");
}

TEST(FillPlaceholders, MissingValuesLeaveEmptyAndSpareValuesAreIgnored)
{
    EXPECT_EQ(FillPlaceholders(L"Firmware not for %s", {}), L"Firmware not for ");
    EXPECT_EQ(FillPlaceholders(L"%s", {L"one", L"two"}), L"one");
    const wchar_t* none = nullptr;
    EXPECT_EQ(FillPlaceholders(L"<%s>", {none}), L"<>");
}

TEST(FillPlaceholders, OneDecimalTakesNumbersAndLeavesTextsAsTheyAre)
{
    EXPECT_EQ(FillPlaceholders(L"between %0.1f MHz and %0.1f MHz.", {87.5, 108.0}), L"between 87.5 MHz and 108.0 MHz.");
    EXPECT_EQ(FillPlaceholders(L"%0.1f|%0.1f|%0.1f", {76, 94.95, -0.04}), L"76.0|95.0|-0.0");
    EXPECT_EQ(FillPlaceholders(L"[%0.1f]", {L"%0.1f"}), L"[%0.1f]");
    EXPECT_EQ(FillPlaceholders(L"%0.2f %0.1", {1.0}), L"%0.2f %0.1");
    EXPECT_EQ(FillPlaceholders(L"%0.1f", {1e300}).size(), 303u);
    EXPECT_EQ(FillPlaceholders(L"%0.1f", {}), L"");
}

} // namespace
