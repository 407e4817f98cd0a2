#include "text/TextFormat.h"

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
