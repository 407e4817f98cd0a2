#include "link/ManagerUpdateList.h"

#include <climits>

const wchar_t* const kManagerUpdateListName = L"QuorDeviceManager";

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

std::wstring Trim(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Leading blanks skipped, an optional sign, then decimal digits; no digits
// give 0 and a number too long for an int stops at the int's limit.
int ReadDecimal(const std::wstring& text)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        value = value * 10 + (text[at] - L'0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
            while (at + 1 < text.size() && text[at + 1] >= L'0' && text[at + 1] <= L'9')
                ++at;
        }
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// "vMAJOR.MINOR" without its first character; no dot gives 0.0.
void ReadVersion(const std::wstring& version, int& major, int& minor)
{
    const std::wstring numbers = version.empty() ? std::wstring() : version.substr(1);
    const std::size_t dot = numbers.find(L'.');
    if (dot == std::wstring::npos) {
        major = 0;
        minor = 0;
        return;
    }
    major = ReadDecimal(Trim(numbers.substr(0, dot)));
    minor = ReadDecimal(Trim(numbers.substr(dot + 1)));
}

} // namespace

ManagerUpdateListEntry ParseManagerUpdateList(const std::wstring& text)
{
    ManagerUpdateListEntry entry;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == L'\n') {
            if (text.size() - at < 2)
                break;
            ++at;
            continue;
        }
        const std::size_t end = text.find(L'\n', at);
        const std::wstring line = text.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
        at = end == std::wstring::npos ? text.size() : end;

        const std::size_t firstColon = line.find(L':');
        if (firstColon == std::wstring::npos || firstColon == 0) {
            if (entry.found)
                break;
            continue;
        }
        const std::wstring name = Trim(line.substr(0, firstColon));
        const bool ours = name == kManagerUpdateListName;
        const std::size_t secondColon = line.find(L':', firstColon + 1);
        const bool twoColons = secondColon != std::wstring::npos && secondColon != firstColon + 1;

        if (!twoColons) {
            if (ours)
                entry.build = ReadDecimal(line.substr(firstColon + 1));
            if (entry.found)
                break;
            continue;
        }
        // Once the manager's own version line has been read, the next line ends the list.
        if (entry.found)
            break;
        const std::wstring version = Trim(line.substr(firstColon + 1, secondColon - firstColon - 1));
        entry.installerFile = Trim(line.substr(secondColon + 1));
        if (ours && IsAcceptableInstallerFileName(entry.installerFile)) {
            entry.found = true;
            ReadVersion(version, entry.major, entry.minor);
        }
    }
    return entry;
}

int IsManagerVersionNewer(int major, int minor, int build)
{
    if (major != kManagerVersionMajor)
        return major > kManagerVersionMajor ? 1 : 0;
    if (minor != kManagerVersionMinor)
        return minor > kManagerVersionMinor ? 1 : 0;
    return build > kManagerVersionBuild ? 1 : 0;
}

bool OffersManagerUpdate(const ManagerUpdateListEntry& entry)
{
    return entry.found && IsManagerVersionNewer(entry.major, entry.minor, entry.build) == 1;
}

bool IsAcceptableInstallerFileName(const std::wstring& name)
{
    return !name.empty() && name.find_first_of(L"/\\:") == std::wstring::npos && name.find(L"..") == std::wstring::npos;
}

std::wstring ManagerUpdateListUrl(const std::wstring& baseUrl)
{
    return baseUrl + L"x64/Software";
}

std::wstring ManagerInstallerUrl(const std::wstring& baseUrl, const std::wstring& installerFile)
{
    return baseUrl + installerFile;
}
