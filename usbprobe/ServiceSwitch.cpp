#include "usbprobe/ServiceSwitch.h"

#include <vector>

const char16_t kBthPortServiceKey[] = u"SYSTEM\\CurrentControlSet\\Services\\BTHPORT";
const char16_t kBthUsbServiceKey[] = u"SYSTEM\\CurrentControlSet\\Services\\BTHUSB";
const char16_t kImagePathValue[] = u"ImagePath";
const char16_t kSwitchedOffSuffix[] = u".bak";

namespace {

const std::u16string kSuffix = kSwitchedOffSuffix;

// The value up to the bytes the query returned, in whole characters, up to
// its first null. Only the two string types are image paths.
bool ReadImagePath(ServiceRegistry& registry, ServiceRegistry::Key key, std::u16string* value)
{
    std::uint8_t data[kImagePathBytes] = {};
    std::uint32_t size = sizeof data;
    std::uint32_t type = 0;
    if (!registry.QueryValue(key, kImagePathValue, &type, data, &size))
        return false;
    if (type != kRegSz && type != kRegExpandSz)
        return false;
    if (size > sizeof data)
        size = sizeof data;
    value->clear();
    for (std::uint32_t i = 0; i + 1 < size; i += 2) {
        const char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c == u'\0')
            break;
        value->push_back(c);
    }
    return true;
}

bool WriteImagePath(ServiceRegistry& registry, ServiceRegistry::Key key, const std::u16string& value)
{
    std::vector<std::uint8_t> data;
    data.reserve((value.size() + 1) * 2);
    for (char16_t c : value) {
        data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return registry.SetValue(key, kImagePathValue, kRegExpandSz, data.data(), static_cast<std::uint32_t>(data.size()));
}

} // namespace

bool DisableWindowsBluetoothServices(ServiceRegistry& registry)
{
    ServiceRegistry::Key port = nullptr;
    ServiceRegistry::Key usb = nullptr;
    if (!registry.OpenKey(kBthPortServiceKey, &port))
        return false;
    if (!registry.OpenKey(kBthUsbServiceKey, &usb)) {
        registry.CloseKey(port);
        return false;
    }
    std::u16string portPath;
    std::u16string usbPath;
    bool result = ReadImagePath(registry, port, &portPath) && ReadImagePath(registry, usb, &usbPath);
    const bool portOn = portPath.find(kSuffix) == std::u16string::npos;
    const bool usbOn = usbPath.find(kSuffix) == std::u16string::npos;
    // Both values are checked before either is written: a value the restore
    // could not read back must not be left half switched.
    if (result && ((portOn && portPath.size() + kSuffix.size() > kImagePathMaxChars) ||
                   (usbOn && usbPath.size() + kSuffix.size() > kImagePathMaxChars))) {
        result = false;
    }
    if (result && portOn)
        result = WriteImagePath(registry, port, portPath + kSuffix);
    if (result && usbOn)
        result = WriteImagePath(registry, usb, usbPath + kSuffix);
    registry.CloseKey(usb);
    registry.CloseKey(port);
    return result;
}

void RestoreWindowsBluetoothServices(ServiceRegistry& registry)
{
    for (const char16_t* subKey : {kBthPortServiceKey, kBthUsbServiceKey}) {
        ServiceRegistry::Key key = nullptr;
        if (!registry.OpenKey(subKey, &key))
            continue;
        std::u16string path;
        if (ReadImagePath(registry, key, &path)) {
            const std::size_t at = path.find(kSuffix);
            if (at != std::u16string::npos && at + kSuffix.size() == path.size()) {
                path.resize(at);
                WriteImagePath(registry, key, path);
            }
        }
        registry.CloseKey(key);
    }
}
