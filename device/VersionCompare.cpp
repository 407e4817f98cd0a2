#include "device/VersionCompare.h"

#include <climits>
#include <cwchar>

// Values come from unit replies and server texts; a plain subtraction of two
// such ints can overflow, and only the sign matters to callers.
int ClampedDifference(int left, int right)
{
    const long long difference = static_cast<long long>(left) - right;
    if (difference > INT_MAX)
        return INT_MAX;
    if (difference < INT_MIN)
        return INT_MIN;
    return static_cast<int>(difference);
}

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

std::wstring Trimmed(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Leading decimal digits with an optional sign, 0 when there are none; out of
// range values saturate instead of wrapping.
int ToInt(const std::wstring& text)
{
    const std::wstring part = Trimmed(text);
    const long value = std::wcstol(part.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// Kind 1 (release candidate) ranks below the plain version (kind 0).
int KindRank(int kind)
{
    return kind == 1 ? -1 : kind;
}

} // namespace

int CompareVersion2(int major, int minor, int major2, int minor2)
{
    if (major != major2)
        return ClampedDifference(major, major2);
    return ClampedDifference(minor, minor2);
}

int CompareVersion3(int a, int b, int c, int d, int e, int f)
{
    const int result = CompareVersion2(a, b, d, e);
    if (result != 0)
        return result;
    return ClampedDifference(c, f);
}

int CompareVersion4(int a, int b, int c, int d, int e, int f, int g, int h, int kindFirst)
{
    if (kindFirst) {
        const int result = CompareVersion2(c, d, g, h);
        if (result != 0)
            return result;
        return CompareVersion2(a, b, e, f);
    }
    const int result = CompareVersion2(a, b, e, f);
    if (result != 0)
        return result;
    // Kinds come from unit replies and server texts; two unknown kinds can
    // share a rank (a kind of -1 ranks with a release candidate), and then
    // the builds decide, so that swapping the versions always flips the sign.
    const int rank = KindRank(c);
    const int rank2 = KindRank(g);
    if (rank != rank2)
        return rank > rank2 ? 1 : -1;
    if (d > h)
        return 1;
    if (d < h)
        return -1;
    return 0;
}

int ParseVersion2(const std::wstring& text, int& major, int& minor)
{
    major = 0;
    minor = 0;
    const std::size_t point = text.find(L'.');
    if (point == std::wstring::npos || point == 0)
        return 0;
    major = ToInt(text.substr(0, point));
    minor = ToInt(text.substr(point + 1));
    return 1;
}

int ParseVersion4(const std::wstring& text, int& a, int& b, int& c, int& d)
{
    a = 0;
    b = 0;
    c = 0;
    d = 0;
    int* const parts[3] = {&a, &b, &c};
    std::wstring rest = text;
    for (int* part : parts) {
        const std::size_t point = rest.find(L'.');
        if (point == std::wstring::npos || point == 0)
            return 0;
        *part = ToInt(rest.substr(0, point));
        rest = rest.substr(point + 1);
    }
    d = ToInt(rest);
    return 1;
}
