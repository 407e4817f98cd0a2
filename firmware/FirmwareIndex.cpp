#include "firmware/FirmwareIndex.h"

#include <algorithm>
#include <initializer_list>

#include "device/DeviceConfig.h"
#include "device/ModelCatalogue.h"
#include "firmware/ServerListLine.h"
#include "link/AddressGates.h"
#include "text/UiLanguages.h"

namespace {

constexpr int kCameraProduct = 0x3020;
constexpr int kAddressGatedProduct = 0x5060;
constexpr int kAddressBatchProduct = 0x5011;
constexpr int kReleaseCandidate = 1;
constexpr int kBuildNumber = 2;

// The version field without its leading letter, as the job record parses it.
void ReadVersionField(const std::wstring& field, int modelCode, ImageVersion& version)
{
    const std::wstring number = field.empty() ? field : field.substr(1);
    if (modelCode == kCameraProduct)
        ParseVersion4(number, version.major, version.minor, version.kind, version.build);
    else
        ParseVersion2(number, version.major, version.minor);
}

// A line of a form the index knows, or of none (colons 0) when its server file
// name could reach outside the server folder or the image folder.
ServerListLine ReadIndexLine(const std::wstring& text)
{
    ServerListLine line = SplitServerListLine(text);
    if ((line.colons == 2 || line.colons == 3) && !IsPlainServerFileName(line.fields[line.colons]))
        line.colons = 0;
    return line;
}

} // namespace

FirmwareIndexEntry ParseFirmwareIndex(const std::wstring& text, const FirmwareIndexQuery& query)
{
    FirmwareIndexEntry entry;
    ServerListLanguages met;
    bool single = false;
    bool variants = false;
    ServerListReader lines(text);
    std::wstring raw;
    while (lines.Next(raw)) {
        const ServerListLine line = ReadIndexLine(raw);
        const std::wstring& key = line.fields[0];
        const bool ours = !query.unitKey.empty() && key == query.unitKey;
        if (line.colons == 2) {
            if (single || variants)
                break;
            if (!ours)
                continue;
            single = true;
            ReadVersionField(line.fields[1], query.modelCode, entry.version);
            entry.serverFile = line.fields[2];
        } else if (line.colons == 3) {
            if (single)
                break;
            if (!ours) {
                if (variants)
                    break;
                continue;
            }
            const std::wstring& language = line.fields[2];
            const std::wstring& file = line.fields[3];
            if (met.Find(language) >= 0)
                continue;
            entry.files.push_back(file);
            entry.languages.push_back(language);
            met.Add(language);
            if (!variants) {
                variants = true;
                ReadVersionField(line.fields[1], query.modelCode, entry.version);
                entry.selectedItem = 0;
                entry.serverFile = file;
            } else if (SameListName(language, query.firmwareLanguage)) {
                const int item = met.Find(TranslateLanguageName(language, 0));
                if (item >= 0) {
                    entry.selectedItem = item;
                    entry.serverFile = file;
                }
            }
        } else if (line.colons == 1) {
            if (!single && !variants)
                continue;
            if (ours)
                entry.version.build = ReadDecimalPrefix(line.restAfterFirstColon);
            break;
        } else if (single || variants) {
            break;
        }
    }
    if (!entry.languages.empty() && query.applyToFirmwareLanguage) {
        const int item = met.Find(GetLanguageNameIn(query.uiLanguage, 0));
        if (item >= 0) {
            entry.selectedItem = item;
            entry.serverFile = entry.files[item];
        }
    }
    return entry;
}

void StoreFirmwareIndexEntry(const FirmwareIndexEntry& entry, FirmwareInfo& job)
{
    job.m_version = entry.version;
    job.m_selectedFile = entry.serverFile;
    const std::size_t pairs = std::min(entry.files.size(), entry.languages.size());
    for (std::size_t i = 0; i < pairs; ++i)
        job.AddLanguageFile(entry.files[i], entry.languages[i]);
}

namespace {

std::wstring HexBytes(const std::uint8_t (&key)[kAddressKeyBytes], std::initializer_list<int> order)
{
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (int index : order) {
        text += kDigits[key[index] >> 4];
        text += kDigits[key[index] & 0x0F];
    }
    return text;
}

} // namespace

std::wstring UnitAddressText(const std::uint8_t (&key)[kAddressKeyBytes])
{
    return HexBytes(key, {7, 6, 4}) + L"[" + HexBytes(key, {0, 3, 2}) + L"]";
}

std::wstring UnitLowerAddressText(const std::uint8_t (&key)[kAddressKeyBytes])
{
    return HexBytes(key, {0, 3, 2});
}

UnitAddressCheck CheckUnitAddress(int modelCode, const std::uint8_t (*key)[kAddressKeyBytes])
{
    if (!key)
        return UnitAddressCheck::kNotRead;
    return IsAddressInRange(modelCode, UnitLowerAddressText(*key)) ? UnitAddressCheck::kInRange
                                                                   : UnitAddressCheck::kOutsideRange;
}

std::wstring FirmwareIndexModelKey(int modelCode, UnitAddressCheck address)
{
    if (modelCode != kAddressGatedProduct)
        return GetModelName(modelCode, 1);
    switch (address) {
    case UnitAddressCheck::kInRange: return GetModelName(kAddressBatchProduct, 1);
    case UnitAddressCheck::kOutsideRange: return GetModelName(kAddressGatedProduct, 1);
    case UnitAddressCheck::kNotRead: break;
    }
    return std::wstring();
}

namespace {

// How a model's unit is compared with the server version.
enum class ServerVersionRule {
    kFourParts,      // the camera: all four parts, its own order
    kAddressGated,   // the address batch decides first
    kBuildAboveZero, // an unmarked secondary version takes a server build above 0
    kReleaseOrBuild, // every other model
};

struct ServerVersionRuleRow {
    int productId;
    ServerVersionRule rule;
};

// clang-format off
const ServerVersionRuleRow kServerVersionRules[] = {
    {0x3020, ServerVersionRule::kFourParts},
    {0x5060, ServerVersionRule::kAddressGated},
    {0x3110, ServerVersionRule::kBuildAboveZero},
    {0x3112, ServerVersionRule::kBuildAboveZero},
    {0x3114, ServerVersionRule::kBuildAboveZero},
    {0x3116, ServerVersionRule::kBuildAboveZero},
    {0x3118, ServerVersionRule::kBuildAboveZero},
    {0x3124, ServerVersionRule::kBuildAboveZero},
    {0x3126, ServerVersionRule::kBuildAboveZero},
};
// clang-format on

ServerVersionRule RuleOf(int productId)
{
    for (const ServerVersionRuleRow& row : kServerVersionRules) {
        if (row.productId == productId)
            return row.rule;
    }
    return ServerVersionRule::kReleaseOrBuild;
}

// The unit on a release candidate is offered the release of the same version.
int ReleaseOrBuildNewer(const DeviceConfig& unit, const ImageVersion& server)
{
    const int cmp = unit.CompareFirmwareVersion(server.major, server.minor);
    if (unit.m_firmwareVersion.kind == kReleaseCandidate)
        return cmp <= 0 ? 1 : 0;
    return (cmp < 0 || (cmp == 0 && unit.m_firmwareVersion.build < server.build)) ? 1 : 0;
}

} // namespace

int IsServerVersionNewer(int modelCode, const DeviceConfig& unit, const ImageVersion& server,
                         const std::wstring& serverFile, UnitAddressCheck address)
{
    const bool noVersion = server.major == 0 && server.minor == 0 && server.kind == 0 && server.build == 0;
    if (noVersion || serverFile.empty())
        return 0;
    switch (RuleOf(modelCode)) {
    case ServerVersionRule::kFourParts:
        return unit.CompareFullVersion(server.major, server.minor, server.kind, server.build) < 0 ? 1 : 0;
    case ServerVersionRule::kAddressGated:
        if (address == UnitAddressCheck::kNotRead)
            return 0;
        if (address == UnitAddressCheck::kInRange)
            return 1;
        return ReleaseOrBuildNewer(unit, server);
    case ServerVersionRule::kBuildAboveZero: {
        const int cmp = unit.CompareFirmwareVersion(server.major, server.minor);
        const int kind = unit.m_firmwareVersion.kind;
        if (kind == kReleaseCandidate)
            return cmp <= 0 ? 1 : 0;
        if (kind == kBuildNumber)
            return (cmp < 0 || (cmp == 0 && unit.m_firmwareVersion.build < server.build)) ? 1 : 0;
        return (cmp < 0 || (cmp == 0 && server.build > 0)) ? 1 : 0;
    }
    case ServerVersionRule::kReleaseOrBuild: break;
    }
    return ReleaseOrBuildNewer(unit, server);
}
