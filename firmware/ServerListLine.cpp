#include "firmware/ServerListLine.h"

#include <climits>

namespace {

bool IsListBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

} // namespace

std::wstring TrimListField(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsListBlank(text[first]))
        ++first;
    while (last > first && IsListBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

ServerListLine SplitServerListLine(const std::wstring& line)
{
    ServerListLine result;
    std::wstring rest = line;
    int field = 0;
    while (field < kServerListMaxFields - 1) {
        const std::size_t colon = rest.find(L':');
        if (colon == std::wstring::npos || colon == 0)
            break;
        result.fields[field] = TrimListField(rest.substr(0, colon));
        rest = rest.substr(colon + 1);
        if (field == 0)
            result.restAfterFirstColon = rest;
        ++field;
    }
    result.colons = field;
    result.fields[field] = TrimListField(rest);
    return result;
}

bool TakeServerListLine(std::wstring& rest, std::wstring& line)
{
    while (!rest.empty()) {
        const std::size_t feed = rest.find(L'\n');
        if (feed == 0) {
            rest.erase(0, 1);
            continue;
        }
        if (feed == std::wstring::npos) {
            line.swap(rest);
            rest.clear();
            return true;
        }
        line = rest.substr(0, feed);
        rest.erase(0, feed + 1);
        return true;
    }
    return false;
}

bool IsPlainServerFileName(const std::wstring& name)
{
    if (name.empty() || name == L"." || name == L"..")
        return false;
    return name.find_first_of(L"/\\:") == std::wstring::npos;
}

int ReadDecimalPrefix(const std::wstring& text)
{
    std::size_t at = 0;
    while (at < text.size() && IsListBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[at] - L'0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
