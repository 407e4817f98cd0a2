#include <gtest/gtest.h>

#include "link/AddressGates.h"

namespace {

struct GateCase {
    int (*gate)(int, const std::wstring&);
    int model;
    const wchar_t* address;
    int expected;
};

TEST(AddressGates, ThresholdsAndRangesPerModel)
{
    const GateCase cases[] = {
        {IsAddressAboveThreshold, 0x4D10, L"2C9BD1", 0},
        {IsAddressAboveThreshold, 0x4D10, L"2C9BD2", 1},
        {IsAddressAboveThreshold, 0x4D40, L"2c9bd2", 1},
        {IsAddressAboveThreshold, 0x4D10, L"2C9BD1FF", 0}, // only six characters count
        {IsAddressAboveThreshold, 0x4D35, L"2DD49F", 1},
        {IsAddressAboveThreshold, 0x5050, L"2DE43E", 0},
        {IsAddressAboveThreshold, 0x4D85, L"2E037F", 1},
        {IsAddressAboveThreshold, 0x4D50, L"2CAF5A", 1},
        {IsAddressAboveThreshold, 0x6110, L"34FD7E", 1},
        {IsAddressAboveThreshold, 0x6120, L"358E08", 0},
        {IsAddressAboveThreshold, 0x2030, L"FFFFFF", 0}, // model outside the table
        {IsAddressAboveThreshold, 0, L"FFFFFF", 0},
        {IsAddressInRange, 0x5060, L"3323F1", 1},
        {IsAddressInRange, 0x5060, L"333584", 1},
        {IsAddressInRange, 0x5060, L"333585", 0},
        {IsAddressInRange, 0x5060, L"3323F0", 0},
        {IsAddressInRange, 0x4D10, L"333000", 0},
        {IsAddressInEitherRange, 0x4210, L"2E90BA", 1},
        {IsAddressInEitherRange, 0x4210, L"2E90BB", 0},
        {IsAddressInEitherRange, 0x4210, L"333D55", 1},
        {IsAddressInEitherRange, 0x4210, L"334B7D", 1},
        {IsAddressInEitherRange, 0x4210, L"334B7E", 0},
        {IsAddressInEitherRange, 0x5060, L"2E9060", 0},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.model << " "
                                        << std::string(c.address, c.address + std::wcslen(c.address)));
        EXPECT_EQ(c.gate(c.model, c.address), c.expected);
    }
}

TEST(AddressGates, ShortEmptyAndNonHexTextsReadTheirLeadingDigits)
{
    // "2C9" reads as 0x2C9, far below every threshold; nothing reads past the text.
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L"2C9"), 0);
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L""), 0);
    EXPECT_EQ(IsAddressInRange(0x5060, L""), 0);
    EXPECT_EQ(IsAddressInEitherRange(0x4210, L""), 0);
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L"ZZZZZZ"), 0);
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L" 2C9BD2"), 0); // no blank skipping
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L"0x2C9BD2"), 0);
    EXPECT_EQ(IsAddressAboveThreshold(0x4D10, L"F"), 0);
    EXPECT_EQ(IsAddressInRange(0x5060, L"3323F1:"), 1);
}

} // namespace
