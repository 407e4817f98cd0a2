#include "text/TextFormat.h"

#include <cmath>
#include <cwchar>

namespace {

const wchar_t kOneDecimal[] = L"%0.1f";
constexpr std::size_t kOneDecimalLength = 5;

} // namespace

TextArg::TextArg(double number) : m_number(number), m_isNumber(true)
{
    m_text = OneDecimal();
}

std::wstring TextArg::OneDecimal() const
{
    if (!m_isNumber)
        return m_text;
    if (!std::isfinite(m_number))
        return std::isnan(m_number) ? L"nan" : (m_number < 0 ? L"-inf" : L"inf");
    wchar_t text[400];
    const int n = std::swprintf(text, sizeof text / sizeof text[0], L"%.1f", m_number);
    return n > 0 ? std::wstring(text, static_cast<std::size_t>(n)) : std::wstring();
}

std::wstring FillPlaceholders(const std::wstring& pattern, std::initializer_list<TextArg> values)
{
    std::wstring result;
    result.reserve(pattern.size() + 32);
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t c = pattern[i];
        if (c != L'%' || i + 1 == pattern.size()) {
            result += c;
            continue;
        }
        const wchar_t kind = pattern[i + 1];
        if (kind == L'%') {
            result += L'%';
            ++i;
        } else if (pattern.compare(i, kOneDecimalLength, kOneDecimal) == 0) {
            if (next != values.end()) {
                result += next->OneDecimal();
                ++next;
            }
            i += kOneDecimalLength - 1;
        } else if (kind == L's' || kind == L'd') {
            if (next != values.end()) {
                result += next->Text();
                ++next;
            }
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}
