#include "device/WordString.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

int UsableUnits(const void* buffer, int unitCount)
{
    if (buffer == nullptr || unitCount <= 0)
        return 0;
    return std::min(unitCount, kWordStringUnits);
}

// Bytes the current C locale cannot convert (the "C" locale knows nothing
// above 0x7F) stay as the same code point rather than losing the number.
std::wstring FromLocaleBytes(const std::string& bytes)
{
    std::wstring text(bytes.size(), L'\0');
    const std::size_t converted = std::mbstowcs(&text[0], bytes.c_str(), text.size());
    if (converted != static_cast<std::size_t>(-1)) {
        text.resize(converted);
        return text;
    }
    text.clear();
    for (unsigned char byte : bytes)
        text.push_back(static_cast<wchar_t>(byte));
    return text;
}

} // namespace

int StringFromWords(std::wstring& text, const std::uint16_t* words, int unitCount)
{
    const int units = UsableUnits(words, unitCount);
    std::string bytes;
    for (int i = 0; i < units; ++i) {
        const char byte = static_cast<char>(words[i] & 0xFF);
        if (byte == '\0')
            break;
        bytes.push_back(byte);
    }
    text = FromLocaleBytes(bytes);
    return static_cast<int>(text.size());
}

int StringFromWords(std::wstring& text, const std::uint16_t (&words)[kWordStringUnits])
{
    return StringFromWords(text, words, kWordStringUnits);
}

int StringToWords(std::uint16_t* words, int unitCount, const std::wstring& text)
{
    if (words == nullptr || unitCount <= 0)
        return 0;
    const int limit = std::min(unitCount, kWordStringUnits);
    int stored = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned long code = static_cast<unsigned long>(text[i]) & 0xFFFFFFFFUL;
        const bool pairInText = code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() &&
                                (static_cast<unsigned long>(text[i + 1]) & 0xFFFFFFFFUL) >= 0xDC00 &&
                                (static_cast<unsigned long>(text[i + 1]) & 0xFFFFFFFFUL) <= 0xDFFF;
        if (code > 0x10FFFF)
            code = 0xFFFD;
        if (pairInText || code > 0xFFFF) {
            // A character outside the basic plane takes two units and is kept
            // whole: a lone half would be a different (broken) number.
            if (stored + 2 > limit)
                break;
            if (pairInText) {
                words[stored++] = static_cast<std::uint16_t>(code);
                words[stored++] = static_cast<std::uint16_t>(text[++i]);
            } else {
                const unsigned long offset = code - 0x10000;
                words[stored++] = static_cast<std::uint16_t>(0xD800 + (offset >> 10));
                words[stored++] = static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF));
            }
        } else {
            if (stored + 1 > limit)
                break;
            words[stored++] = static_cast<std::uint16_t>(code);
        }
    }
    std::fill(words + stored, words + unitCount, static_cast<std::uint16_t>(0));
    return stored * 2;
}

int StringToWords(std::uint16_t (&words)[kWordStringUnits], const std::wstring& text)
{
    return StringToWords(words, kWordStringUnits, text);
}
