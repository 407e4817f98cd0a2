#include "link/HexText.h"

namespace {

int HexDigitValue(unsigned long c)
{
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A' + 10);
    return -1;
}

template <typename Char> long ReadHex(const Char* text, std::size_t maxChars)
{
    if (text == nullptr)
        return 0;
    unsigned long value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < maxChars; ++i) {
        const int d = HexDigitValue(static_cast<unsigned long>(text[i]));
        if (d < 0)
            break;
        if (digits < 7)
            value = (value << 4) | static_cast<unsigned long>(d);
        ++digits;
    }
    return static_cast<long>(value);
}

} // namespace

long ReadHexPrefix(const char* text, std::size_t maxChars)
{
    return ReadHex(text, maxChars);
}
long ReadHexPrefix(const wchar_t* text, std::size_t maxChars)
{
    return ReadHex(text, maxChars);
}
