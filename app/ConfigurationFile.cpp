#include "app/ConfigurationFile.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "text/TextFormat.h"
#include "text/UiLanguages.h"

const wchar_t kConfigurationFolder[] = L"IMG";
const wchar_t kConfigurationFileName[] = L"QuorBluetoothDeviceManager.hvlxconf";

namespace {

const wchar_t kKeyManagerVersion[] = L"keyManagerVersion";
const wchar_t kKeyManagerLanguage[] = L"keyManagerLanguage";
const wchar_t kKeyApplyToFirmwareLanguage[] = L"keyApplyToFirmwareLanguage";
const wchar_t kKeyDeviceTarget[] = L"keyDeviceTarget";
const wchar_t kKeyFirmwareLanguage[] = L"keyFirmwareLanguage";
const wchar_t kKeyCurrentPath[] = L"keyCurrentPath";

// The version this manager stamps into every file it writes.
const int kManagerVersionMajor = 1;
const int kManagerVersionMinor = 3;

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

std::wstring Trim(const std::wstring& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Leading blanks, an optional sign and decimal digits; anything else stops the
// number, and text that holds none reads 0. A number too large for an int
// stays at the int's limit instead of wrapping.
int ReadDecimal(const std::wstring& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

void ReadLine(const std::wstring& line, ManagerPreferences& prefs)
{
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring::npos || equals == 0)
        return;
    const std::wstring key = Trim(line.substr(0, equals));
    const std::wstring value = Trim(line.substr(equals + 1));
    if (key == kKeyManagerVersion) {
        prefs.managerVersionText = value;
    } else if (key == kKeyManagerLanguage) {
        const int language = FindLanguageIndex(value, 1);
        prefs.uiLanguage = (language >= 0 && language <= 12) ? language : 0;
    } else if (key == kKeyApplyToFirmwareLanguage) {
        prefs.applyToFirmwareLanguage = ReadDecimal(value) != 0 ? 1 : 0;
    } else if (key == kKeyDeviceTarget) {
        prefs.modelCode = ReadDecimal(value);
    } else if (key == kKeyFirmwareLanguage) {
        prefs.firmwareLanguage = value;
    } else if (key == kKeyCurrentPath) {
        prefs.currentPath = value;
    }
}

std::wstring Line(const wchar_t* key, const std::wstring& value)
{
    return std::wstring(key) + L"=" + value + L"\r\n";
}

} // namespace

std::wstring ConfigurationFilePath(const std::wstring& programPath)
{
    const std::size_t slash = programPath.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    return programPath.substr(0, slash + 1) + kConfigurationFolder + L"\\" + kConfigurationFileName;
}

void ReadConfigurationText(const std::wstring& text, ManagerPreferences& prefs)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find(L'\n', begin);
        if (end == std::wstring::npos)
            end = text.size();
        if (end > begin)
            ReadLine(text.substr(begin, end - begin), prefs);
        begin = end + 1;
    }
}

std::wstring WriteConfigurationText(const ManagerPreferences& prefs)
{
    std::wstring text;
    text += Line(kKeyManagerVersion, FillPlaceholders(L"v%d.%d", {kManagerVersionMajor, kManagerVersionMinor}));
    text += Line(kKeyManagerLanguage, GetLanguageName(prefs.uiLanguage));
    text += Line(kKeyApplyToFirmwareLanguage, prefs.applyToFirmwareLanguage ? L"1" : L"0");
    text += Line(kKeyDeviceTarget, std::to_wstring(prefs.modelCode));
    if (!prefs.firmwareLanguage.empty())
        text += Line(kKeyFirmwareLanguage, prefs.firmwareLanguage);
    if (!prefs.currentPath.empty())
        text += Line(kKeyCurrentPath, prefs.currentPath);
    return text;
}

std::wstring DecodeLocaleText(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    std::mbstate_t state{};
    std::size_t i = 0;
    while (i < bytes.size()) {
        wchar_t c = 0;
        const std::size_t used = std::mbrtowc(&c, bytes.data() + i, bytes.size() - i, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            // An unknown or cut-off sequence costs one character, not the rest of the file.
            text += L'\uFFFD';
            state = std::mbstate_t{};
            ++i;
        } else if (used == 0) {
            text += L'\0';
            ++i;
        } else {
            text += c;
            i += used;
        }
    }
    return text;
}

std::string EncodeLocaleText(const std::wstring& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (wchar_t c : text) {
        const std::size_t made = std::wcrtomb(buffer, c, &state);
        if (made == static_cast<std::size_t>(-1)) {
            bytes += '?';
            state = std::mbstate_t{};
        } else {
            bytes.append(buffer, made);
        }
    }
    return bytes;
}
