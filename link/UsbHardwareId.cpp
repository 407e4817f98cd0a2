#include "link/UsbHardwareId.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/ProductIdList.h"
#include "link/HexText.h"
#include "link/MakerUsb.h"

namespace {

const int kDfuFamilyProductIds[] = {0x2010, 0x2011, 0x2020, 0xA010, 0xA011, 0xA020};

} // namespace

bool IsDfuFamilyProductId(int productId)
{
    return ListOf(kDfuFamilyProductIds).Contains(productId);
}

bool ParseUsbHardwareId(const char* bytes, std::size_t size, int* vendorId, int* productId)
{
    if (bytes == nullptr)
        return false;
    // Only the first hardware id counts: the text ends at the first zero or
    // at the reported size, whichever comes first.
    const std::size_t end = std::find(bytes, bytes + size, '\0') - bytes;
    std::string text(bytes, end);
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    const std::size_t vid = text.find("VID_");
    if (vid == std::string::npos)
        return false;
    const std::size_t pid = text.find("PID_");
    if (pid == std::string::npos)
        return false;
    *vendorId = static_cast<int>(ReadHexPrefix(text.c_str() + vid + 4, text.size() - vid - 4));
    *productId = static_cast<int>(ReadHexPrefix(text.c_str() + pid + 4, text.size() - pid - 4));
    return true;
}

bool CountDfuFamilyDevice(const char* bytes, std::size_t size, int* productIds, int capacity, int* count)
{
    int vendorId = 0;
    int productId = 0;
    if (!ParseUsbHardwareId(bytes, size, &vendorId, &productId))
        return false;
    if (vendorId != kMakerUsbVendorId || !IsDfuFamilyProductId(productId))
        return false;
    if (productIds != nullptr && *count >= 0 && *count < capacity)
        productIds[*count] = productId;
    ++*count;
    return true;
}

void ParseDfuDevicePath(const std::wstring& path, int* vendorId, int* productId)
{
    *vendorId = 0;
    *productId = 0;
    std::wstring text = path;
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    const std::size_t vid = text.find(L"VID_");
    if (vid == std::wstring::npos || vid == 0)
        return;
    const std::size_t digits = 4;
    auto hexAt = [&](std::size_t at) {
        return static_cast<int>(ReadHexPrefix(text.c_str() + at, std::min(digits, text.size() - at)));
    };
    *vendorId = hexAt(vid + 4);
    const std::size_t pid = text.find(L"PID_", vid + 4);
    if (pid != std::wstring::npos)
        *productId = hexAt(pid + 4);
}

bool IsDfuFamilyDevicePath(const std::wstring& path, int* productId)
{
    int vendorId = 0;
    int id = 0;
    ParseDfuDevicePath(path, &vendorId, &id);
    if (productId != nullptr)
        *productId = id;
    return vendorId == kMakerUsbVendorId && IsDfuFamilyProductId(id);
}
