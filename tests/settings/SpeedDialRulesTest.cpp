#include <gtest/gtest.h>

#include "settings/SpeedDialRules.h"

namespace {

TEST(SpeedDialRules, OnlyDialCharactersStayAndTheCaretKeepsItsPlace)
{
    struct Case {
        const wchar_t* typed;
        int start;
        int end;
        const wchar_t* text;
        int keptStart;
        int keptEnd;
    } cases[] = {
        {L"0123a", 5, 5, L"0123", 4, 4},        // a letter typed after 0123
        {L"01a23", 3, 3, L"0123", 2, 2},        // a letter typed in the middle
        {L"+49*123#", 8, 8, L"+49*123#", 8, 8}, // nothing to remove
        {L"", 0, 0, L"", 0, 0},                 // empty
        {L"x", 1, 1, L"", 0, 0},                // the only character removed
        {L"(0) 12-34", 9, 9, L"01234", 5, 5},   // several removed in a paste
        {L"0123", 1, 3, L"0123", 1, 3},         // a selection stays
        {L"12 34", 0, 5, L"1234", 0, 4},        // a selection over a removed character
        {L"0\x0663"
         L"1",
         2, 2, L"01", 1, 1},              // other digits are not dial digits
        {L"１２", 2, 2, L"", 0, 0},       // nor are full-width ones
        {L"0123", -4, 99, L"0123", 0, 4}, // a selection outside the text is held to it
    };
    for (const Case& c : cases) {
        const SpeedDialEdit kept = KeepSpeedDialText(c.typed, c.start, c.end);
        EXPECT_EQ(kept.text, c.text) << c.typed;
        EXPECT_EQ(kept.selectionStart, c.keptStart) << c.typed;
        EXPECT_EQ(kept.selectionEnd, c.keptEnd) << c.typed;
    }
}

TEST(SpeedDialRules, AtMostTwentyCharactersStay)
{
    const std::wstring digits25 = L"1234567890123456789012345";
    const SpeedDialEdit pasted = KeepSpeedDialText(digits25, 25, 25);
    EXPECT_EQ(pasted.text, digits25.substr(0, 20));
    EXPECT_EQ(pasted.selectionStart, 20);
    EXPECT_EQ(pasted.selectionEnd, 20);
    EXPECT_EQ(KeepSpeedDialText(digits25.substr(0, 20), 20, 20).text.size(), 20u);
    const SpeedDialEdit mixed = KeepSpeedDialText(L"ab" + digits25, 3, 3);
    EXPECT_EQ(mixed.text, digits25.substr(0, 20));
    EXPECT_EQ(mixed.selectionStart, 1);
}

} // namespace
