#include "firmware/ServerListLine.h"

#include <climits>
#include <cwctype>

namespace {

bool IsListBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

std::wstring Folded(const std::wstring& name)
{
    std::wstring folded = name;
    for (wchar_t& c : folded)
        c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
    return folded;
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

bool ServerListReader::Next(std::wstring& line)
{
    while (m_at < m_text.size() && m_text[m_at] == L'\n')
        ++m_at;
    if (m_at >= m_text.size())
        return false;
    const std::size_t feed = m_text.find(L'\n', m_at);
    const std::size_t end = feed == std::wstring::npos ? m_text.size() : feed;
    line.assign(m_text, m_at, end - m_at);
    m_at = end;
    return true;
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

bool SameListName(const std::wstring& left, const std::wstring& right)
{
    return left.size() == right.size() && Folded(left) == Folded(right);
}

int ServerListLanguages::Find(const std::wstring& name) const
{
    const auto item = m_items.find(Folded(name));
    return item == m_items.end() ? -1 : item->second;
}

void ServerListLanguages::Add(const std::wstring& name)
{
    m_items.emplace(Folded(name), static_cast<int>(m_items.size()));
}
