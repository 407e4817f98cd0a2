#include "link/AddressGates.h"

#include "link/HexText.h"

namespace {

constexpr std::size_t kAddressDigits = 6;

struct ThresholdRow {
    int models[5]; // unused places stay 0, which is no model
    const char* threshold;
};

// Addresses above the threshold belong to the later production batch.
const ThresholdRow kAboveThreshold[] = {
    {{0x4D05, 0x4D35, 0x4D55}, "2DD49E"},
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050}, "2DE43E"},
    {{0x4D85}, "2E037E"},
    {{0x4D10, 0x4D30, 0x4D40}, "2C9BD1"},
    {{0x4D20, 0x4D50}, "2CAF59"},
    {{0x6110}, "34FD7D"},
    {{0x6120}, "358E08"},
};

struct RangeRow {
    int model;
    const char* low;
    const char* high;
};

const RangeRow kInRange[] = {
    {0x5060, "3323F1", "333584"},
};

const RangeRow kInEitherRange[] = {
    {0x4210, "333D55", "334B7D"},
    {0x4210, "2E9057", "2E90BA"},
};

long AddressValue(const std::wstring& address)
{
    return ReadHexPrefix(address.c_str(), address.size() < kAddressDigits ? address.size() : kAddressDigits);
}

long Hex(const char* text)
{
    return ReadHexPrefix(text, kAddressDigits);
}

template <std::size_t N> int InAnyRange(const RangeRow (&rows)[N], int modelCode, const std::wstring& address)
{
    bool known = false;
    for (const RangeRow& row : rows)
        known = known || row.model == modelCode;
    if (!known)
        return 0;
    const long a = AddressValue(address);
    for (const RangeRow& row : rows) {
        if (row.model == modelCode && Hex(row.low) <= a && a <= Hex(row.high))
            return 1;
    }
    return 0;
}

} // namespace

int IsAddressAboveThreshold(int modelCode, const std::wstring& address)
{
    for (const ThresholdRow& row : kAboveThreshold) {
        for (int model : row.models) {
            if (model != 0 && model == modelCode)
                return AddressValue(address) > Hex(row.threshold) ? 1 : 0;
        }
    }
    return 0;
}

int IsAddressInRange(int modelCode, const std::wstring& address)
{
    return InAnyRange(kInRange, modelCode, address);
}

int IsAddressInEitherRange(int modelCode, const std::wstring& address)
{
    return InAnyRange(kInEitherRange, modelCode, address);
}
