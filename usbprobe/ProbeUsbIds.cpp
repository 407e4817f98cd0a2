#include "usbprobe/ProbeUsbIds.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

// The chip vendor's line has a placeholder for a name that a hardware id does
// not carry; a fixed word keeps the line whole.
const char kChipWord[] = "USB";

// clang-format off
const int kChipProductIds[] = {0x0001, 0xFFFF};

// Listed as the lines were first written: mostly a product id beside its
// firmware-update form (bit 15 set), but some pairs differ and stay so.
const int kKelmoProductIds[] = {
    0x4D10, 0xCD10, 0x4D20, 0xCD20, 0x4D30, 0xCD30, 0x4D05, 0xCD05, 0x4D15, 0xCD15, 0x4D25, 0xCD25, 0x4D35,
    0xCD35, 0x4D45, 0xCD45, 0x5010, 0xD010, 0x5020, 0xD020, 0x5030, 0xD030, 0x5040, 0xD040, 0x5050, 0xD050,
    0x5060, 0xD060, 0x5070, 0xD070, 0x5080, 0xD080, 0x5210, 0xD210, 0x5310, 0xD310, 0x4020, 0xC020, 0x4110,
    0xC110, 0x4010, 0xC010, 0x4030, 0xC030, 0x3010, 0xB010, 0x4120, 0xC120, 0x4D40, 0xCD40, 0x4D50, 0xCD50,
    0x4D55, 0xCD55, 0x4D65, 0xCD65, 0x3020, 0xB020, 0x4130, 0xC130, 0x4210, 0x4021, 0xC021, 0x4040, 0x5510,
    0xD510, 0x5610, 0xD610, 0x5611, 0xD611, 0x5620, 0xD620, 0x5621, 0xD621, 0x5520, 0xD521, 0x4D85, 0xCD85,
    0x5530, 0xD531, 0x5612, 0xD612, 0x5710, 0xD711, 0x5910, 0xD911,
};

const int kQuorProductIds[] = {
    0x2010, 0xA010, 0x2020, 0xA020, 0x2011, 0xA011,
};

const int kTorvaneProductIds[] = {
    0x2110, 0xA110,
};

const int kPlainProductIds[] = {
    0x5920, 0xD921, 0x5320, 0xD321, 0x6110, 0xE110, 0x5330, 0xD331, 0x6120, 0xE120, 0x6010, 0xE010, 0x6012,
    0xE012, 0x6014, 0xE014, 0x6015, 0x6016, 0xE016, 0x6017, 0x5011, 0xD011, 0x2210, 0xA210, 0x6210, 0xE210,
    0x5524, 0xD524, 0x5623, 0xD623, 0x5061, 0xD061, 0x3030, 0xB030, 0x3040, 0xB040, 0x5622, 0xD622, 0x5624,
    0xD624, 0x5345, 0xD340, 0x6018, 0xE018, 0x6019, 0x5526, 0xD626, 0x4310, 0xC310, 0x4330, 0xC330, 0x4410,
    0xC410, 0x4430, 0xC430, 0x2310, 0xA310, 0x3110, 0xB110, 0x6121, 0xE121, 0x5720, 0xD720, 0x4510, 0x6111,
    0xE111, 0x5410, 0x5411, 0x5412, 0x5413, 0x5414, 0x5415, 0x5416, 0x5417, 0x6400, 0x6401, 0x6410, 0x6411,
    0x4111, 0xC111, 0x5522, 0xD522, 0x6020, 0xE020, 0x6022, 0xE022, 0x6021, 0x6024, 0xE024, 0x6023, 0x5550,
    0xD550, 0x6025, 0x3050, 0xB050, 0x5532, 0xD532, 0x3060, 0xB060, 0x3061, 0x5570, 0xD570, 0x5571, 0x5580,
    0xD580, 0x6420, 0xE420, 0x5418, 0x5419, 0x6026, 0xE026, 0x4350, 0x4360, 0x5560, 0x5561, 0x4D21, 0xCD21,
    0x3500, 0x3112, 0xB112, 0x3114, 0xB114, 0x4530, 0x4540, 0x2030, 0x2040, 0x3116, 0x3118, 0x3124, 0x3126,
    0x5420, 0x5421, 0x6310, 0x6311, 0x5536, 0x5537, 0x4610, 0x4620,
};

const ProbeDeviceGroup kGroups[] = {
    {kChipVendorId,       "Found %s Bluetooth Device(%s)\n",      kChipWord, kChipProductIds,    std::size(kChipProductIds)},
    {kProbeMakerVendorId, "Found Kelmo Bluetooth Device(%s)\n",   nullptr,   kKelmoProductIds,   std::size(kKelmoProductIds)},
    {kProbeMakerVendorId, "Found Quor Bluetooth Device(%s)\n",    nullptr,   kQuorProductIds,    std::size(kQuorProductIds)},
    {kProbeMakerVendorId, "Found Torvane Bluetooth Device(%s)\n", nullptr,   kTorvaneProductIds, std::size(kTorvaneProductIds)},
    {kProbeMakerVendorId, "Found Bluetooth Device(%s)\n",         nullptr,   kPlainProductIds,   std::size(kPlainProductIds)},
};
// clang-format on

std::string FormatLine(const ProbeDeviceGroup& group, const std::string& hardwareId)
{
    const char* first = group.firstWord != nullptr ? group.firstWord : hardwareId.c_str();
    const char* second = hardwareId.c_str();
    const int length = std::snprintf(nullptr, 0, group.lineFormat, first, second);
    if (length <= 0)
        return std::string();
    std::string line(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(&line[0], line.size(), group.lineFormat, first, second);
    line.resize(static_cast<std::size_t>(length));
    return line;
}

// The hexadecimal number after a marker, as strtol reads it.
bool NumberAfter(const std::string& text, const char* marker, long* value)
{
    const std::size_t at = text.find(marker);
    if (at == std::string::npos)
        return false;
    *value = std::strtol(text.c_str() + at + std::strlen(marker), nullptr, 16);
    return true;
}

} // namespace

const ProbeDeviceGroup* ProbeDeviceGroups(std::size_t* count)
{
    *count = std::size(kGroups);
    return kGroups;
}

const ProbeDeviceGroup* FindProbeDeviceGroup(long vendorId, long productId)
{
    for (const ProbeDeviceGroup& group : kGroups) {
        if (group.vendorId != vendorId)
            continue;
        for (std::size_t i = 0; i < group.productIdCount; ++i) {
            if (group.productIds[i] == productId)
                return &group;
        }
    }
    return nullptr;
}

bool MatchProbeHardwareId(const char* bytes, std::size_t size, ProbeDeviceMatch* match)
{
    if (bytes == nullptr)
        return false;
    // Only the first id of the multi-string, and never past the bytes read.
    std::string text(bytes, std::find(bytes, bytes + size, '\0'));
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    long vendorId = 0;
    long productId = 0;
    if (!NumberAfter(text, "VID_", &vendorId) || !NumberAfter(text, "PID_", &productId))
        return false;
    const ProbeDeviceGroup* group = FindProbeDeviceGroup(vendorId, productId);
    if (group == nullptr)
        return false;
    match->vendorId = static_cast<int>(vendorId);
    match->productId = static_cast<int>(productId);
    match->line = FormatLine(*group, text);
    return true;
}

void ProbeScan::Examine(const char* bytes, std::size_t size)
{
    ProbeDeviceMatch match;
    if (!MatchProbeHardwareId(bytes, size, &match))
        return;
    m_found = true;
    m_vendorId = match.vendorId;
    m_productId = match.productId;
    if (m_writeLine)
        m_writeLine(match.line);
}
