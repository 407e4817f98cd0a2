#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "device/WordString.h"

namespace {

constexpr std::uint16_t kGuard = 0xBEEF;

TEST(StringToWords, StoresAtMostTwentyUnitsAndZeroFillsTheRest)
{
    struct Case {
        std::wstring text;
        int expectedBytes;
        std::size_t storedUnits;
    };
    const Case cases[] = {
        {L"", 0, 0},
        {L"+4930123", 16, 8},
        {L"12345678901234567890", 40, 20},
        {L"1234567890123456789012345", 40, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedUnits);
        std::uint16_t words[kWordStringUnits];
        std::fill(std::begin(words), std::end(words), kGuard);
        EXPECT_EQ(c.expectedBytes, StringToWords(words, c.text));
        for (std::size_t i = 0; i < kWordStringUnits; ++i)
            EXPECT_EQ(i < c.storedUnits ? static_cast<std::uint16_t>(c.text[i]) : 0, words[i]) << "unit " << i;
    }
}

TEST(StringToWords, CountsUtf16UnitsAndNeverSplitsAPair)
{
    // U+1F600 is one character but two UTF-16 units on every platform.
    std::wstring text(19, L'1');
    text += std::wstring(L"\U0001F600");
    std::uint16_t words[kWordStringUnits];
    EXPECT_EQ(38, StringToWords(words, text));
    EXPECT_EQ(0, words[19]);

    text = std::wstring(18, L'1') + std::wstring(L"\U0001F600");
    EXPECT_EQ(40, StringToWords(words, text));
    EXPECT_EQ(0xD83D, words[18]);
    EXPECT_EQ(0xDE00, words[19]);
}

TEST(StringToWords, NeverWritesBeyondTheGivenUnits)
{
    std::uint16_t buffer[kWordStringUnits + 4];
    std::fill(std::begin(buffer), std::end(buffer), kGuard);
    EXPECT_EQ(10, StringToWords(buffer, 5, L"123456789"));
    EXPECT_EQ(L'5', buffer[4]);
    for (int i = 5; i < kWordStringUnits + 4; ++i)
        EXPECT_EQ(kGuard, buffer[i]) << "unit " << i;

    // A larger count still stores no more than 20 characters.
    EXPECT_EQ(40, StringToWords(buffer, kWordStringUnits + 4, std::wstring(30, L'7')));
    EXPECT_EQ(0, buffer[kWordStringUnits]);

    EXPECT_EQ(0, StringToWords(buffer, 0, L"1"));
    EXPECT_EQ(0, StringToWords(buffer, -3, L"1"));
    EXPECT_EQ(0, StringToWords(nullptr, 20, L"1"));
}

TEST(StringFromWords, ReadsLowBytesUpToTheFirstZeroOrTwentyUnits)
{
    std::wstring text = L"old";
    const std::uint16_t stopsAtThird[kWordStringUnits] = {L'1', L'2', 0, L'4'};
    EXPECT_EQ(2, StringFromWords(text, stopsAtThird));
    EXPECT_EQ(L"12", text);

    // Only the low byte counts: 0x0131 reads as '1', and 0x0100 ends the text.
    const std::uint16_t highBytes[kWordStringUnits] = {0x0131, 0x4132, 0x0100, L'9'};
    EXPECT_EQ(2, StringFromWords(text, highBytes));
    EXPECT_EQ(L"12", text);

    std::uint16_t full[kWordStringUnits + 4];
    for (std::uint16_t& unit : full)
        unit = L'8';
    EXPECT_EQ(20, StringFromWords(text, full, kWordStringUnits + 4));
    EXPECT_EQ(std::wstring(20, L'8'), text);
    EXPECT_EQ(3, StringFromWords(text, full, 3));
    EXPECT_EQ(0, StringFromWords(text, full, -1));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(0, StringFromWords(text, nullptr, 20));
}

TEST(StringFromWords, AgreesWithStringToWordsForDialNumbers)
{
    std::uint16_t words[kWordStringUnits];
    StringToWords(words, L"+1 (555) 010-9999#*");
    std::wstring text;
    StringFromWords(text, words);
    EXPECT_EQ(L"+1 (555) 010-9999#*", text);
}

} // namespace
