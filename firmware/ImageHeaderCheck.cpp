#include "firmware/ImageHeaderCheck.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <vector>

#include "device/ModelCatalogue.h"
#include "firmware/ImageFileView.h"
#include "link/AddressGates.h"
#include "link/DfuRoad.h"
#include "link/UsbHardwareId.h"

namespace {

constexpr int kFileForm = 1;

// clang-format off
// The partner whose images a unit also takes, by the unit's model code.
struct PartnerRow {
    int device;
    int partner;
};
constexpr PartnerRow kPartners[] = {
    {0x4D05, 0x4D35},
    {0x4D10, 0x4D30},
    {0x4D40, 0x4D30},
    {0x4D45, 0x4D15},
    {0x4D50, 0x4D20},
    {0x4D55, 0x4D35},
    {0x4D65, 0x4D15},
    {0x5010, 0x5061},
    {0x5020, 0x5070},
    {0x5030, 0x5080},
    {0x5050, 0x5040},
    {0x5060, 0x5061},
};
// clang-format on

// Units whose own candidate carries the main window's target code: they share
// a model name with the model they are sold as.
bool CandidateCarriesTarget(int deviceCode)
{
    return deviceCode == 0x4D45 || deviceCode == 0x4D65 || deviceCode == 0x5050;
}

// Units that also take the conversion target's own image.
bool AlsoTakesConversionTarget(int deviceCode)
{
    return deviceCode == 0x5010 || deviceCode == 0x5060;
}

// The identity of the partner model, each key from a zeroed 512-byte buffer.
constexpr int kIdentityBufferBytes = 512;
constexpr std::uint16_t kKeyModelCode = 675;
constexpr std::uint16_t kKeyProductCode = 703;
constexpr std::uint16_t kKeyDfuProductCode = 715;
constexpr std::uint16_t kKeyProductName = 706;
constexpr std::uint16_t kKeyAddress = 1;
constexpr int kAddressBytes = 8;
constexpr wchar_t kPartnerProductName[] = L"Thump Sound Orn8";
constexpr int kProductNameChars = 16;

bool WriteWordKey(DfuLibraryAccess& library, std::uint16_t key, std::uint16_t value)
{
    std::vector<std::uint8_t> buffer(kIdentityBufferBytes, 0);
    buffer[0] = static_cast<std::uint8_t>(value & 0xFF);
    buffer[1] = static_cast<std::uint8_t>(value >> 8);
    return library.SetKey(key, buffer.data(), 2);
}

// True only when all four keys were written. A refused write stops the rest:
// the image is then not taken, so a unit whose identity was only partly
// rewritten is never flashed with the partner's firmware.
bool WritePartnerIdentity(DfuLibraryAccess& library)
{
    if (!WriteWordKey(library, kKeyModelCode, 0x5011) || !WriteWordKey(library, kKeyProductCode, 0x5011) ||
        !WriteWordKey(library, kKeyDfuProductCode, 0xD011)) {
        return false;
    }
    std::vector<std::uint8_t> buffer(kIdentityBufferBytes, 0);
    for (int i = 0; i < kProductNameChars; ++i) {
        const auto c = static_cast<std::uint16_t>(kPartnerProductName[i]);
        buffer[2 * i] = static_cast<std::uint8_t>(c & 0xFF);
        buffer[2 * i + 1] = static_cast<std::uint8_t>(c >> 8);
    }
    return library.SetKey(kKeyProductName, buffer.data(), 2 * kProductNameChars);
}

} // namespace

std::wstring ExpectedHeaderText(const std::wstring& name, int code)
{
    wchar_t digits[16];
    std::swprintf(digits, sizeof digits / sizeof digits[0], L"#%04X", static_cast<unsigned>(code) & 0xFFFFu);
    return name + digits;
}

bool HeaderCarries(const std::uint8_t* header, std::size_t size, const std::wstring& name, int code)
{
    const std::wstring expected = ExpectedHeaderText(name, code);
    if (header == nullptr || size < kImageHeaderTextOffset + expected.size())
        return false;
    // The text is plain ASCII in every image; a byte outside it cannot match.
    std::wstring taken;
    for (std::size_t i = 0; i < expected.size(); ++i)
        taken += static_cast<wchar_t>(header[kImageHeaderTextOffset + i]);
    const auto notSpace = [](wchar_t c) { return !std::iswspace(static_cast<wint_t>(c)); };
    taken.erase(taken.begin(), std::find_if(taken.begin(), taken.end(), notSpace));
    taken.erase(std::find_if(taken.rbegin(), taken.rend(), notSpace).base(), taken.end());
    return taken == expected;
}

int PartnerModelCode(int deviceCode)
{
    for (const PartnerRow& row : kPartners) {
        if (row.device == deviceCode)
            return row.partner;
    }
    return 0;
}

bool HeaderAcceptedByRules(const std::uint8_t* header, std::size_t size, int deviceCode, int targetCode)
{
    if (header == nullptr || size < kImageHeaderCheckBytes)
        return false;
    const int code = CandidateCarriesTarget(deviceCode) ? targetCode : deviceCode;
    const std::wstring name = GetModelName(deviceCode, kFileForm);
    if (HeaderCarries(header, size, name, code))
        return true;
    if (header[kImageHeaderTextOffset] == ' ' && ExpectedHeaderText(name, code).compare(0, 4, L"Vel8") == 0)
        return true;
    const int partner = PartnerModelCode(deviceCode);
    if (partner == 0)
        return false;
    if (HeaderCarries(header, size, name, partner))
        return true;
    return AlsoTakesConversionTarget(deviceCode) && HeaderCarries(header, size, name, kPartnerConversionTarget);
}

bool ConvertToPartnerIfCarried(DfuLibraryAccess& library, const std::uint8_t* header, std::size_t size)
{
    bool accepted = false;
    int matches = 0;
    for (const std::wstring& name : library.EnumerateDevices()) {
        std::wstring path = library.PathInternal(name);
        std::transform(path.begin(), path.end(), path.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
        int productId = 0;
        if (!IsDfuFamilyDevicePath(path, &productId))
            continue;
        // Only the first family unit is ever converted.
        if (++matches > 1)
            break;
        if (!library.ConnectDevice(path))
            continue;
        std::uint8_t address[kAddressBytes] = {};
        if (!library.GetKey(kKeyAddress, address, kAddressBytes))
            continue;
        wchar_t text[8];
        std::swprintf(text, 8, L"%02X%02X%02X", address[0], address[3], address[2]);
        if (IsAddressInRange(kPartnerConversionTarget, text) != 1)
            continue;
        if (HeaderCarries(header, size, GetModelName(kPartnerConversionModel, kFileForm), kPartnerConversionModel)) {
            accepted = WritePartnerIdentity(library);
        }
    }
    return accepted;
}

int CheckImageHeaderFile(const std::wstring& imagePath, int deviceCode, int targetCode, DfuLibraryAccess* library)
{
    ImageFileView::Status status = ImageFileView::Status::kCannotOpen;
    const std::unique_ptr<ImageFileView> file = ImageFileView::Open(imagePath, status);
    if (!file || file->Data() == nullptr || file->Size() < kImageHeaderCheckBytes)
        return 0;
    const std::uint8_t* header = file->Data();
    const int code = CandidateCarriesTarget(deviceCode) ? targetCode : deviceCode;
    const std::wstring name = GetModelName(deviceCode, kFileForm);
    if (HeaderCarries(header, kImageHeaderCheckBytes, name, code))
        return 1;
    if (header[kImageHeaderTextOffset] == ' ' && ExpectedHeaderText(name, code).compare(0, 4, L"Vel8") == 0)
        return 1;
    bool accepted = false;
    if (targetCode == kPartnerConversionTarget && library != nullptr)
        accepted = ConvertToPartnerIfCarried(*library, header, kImageHeaderCheckBytes);
    // The partner rules run whatever the conversion did.
    if (HeaderAcceptedByRules(header, kImageHeaderCheckBytes, deviceCode, targetCode))
        accepted = true;
    return accepted ? 1 : 0;
}
