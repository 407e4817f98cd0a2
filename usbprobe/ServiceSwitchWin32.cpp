#include <windows.h>

#include "usbprobe/ProbeOperations.h"
#include "usbprobe/ServiceSwitch.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "registry names are UTF-16");

const wchar_t* Wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

class Win32ServiceRegistry : public ServiceRegistry {
public:
    bool OpenKey(const char16_t* subKey, Key* key) override
    {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(subKey), 0, KEY_READ | KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
            return false;
        *key = opened;
        return true;
    }
    bool QueryValue(Key key, const char16_t* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override
    {
        DWORD valueType = 0;
        DWORD bytes = *size;
        if (RegQueryValueExW(static_cast<HKEY>(key), Wide(name), nullptr, &valueType, data, &bytes) != ERROR_SUCCESS)
            return false;
        *type = valueType;
        *size = bytes;
        return true;
    }
    bool SetValue(Key key, const char16_t* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override
    {
        return RegSetValueExW(static_cast<HKEY>(key), Wide(name), 0, type, data, size) == ERROR_SUCCESS;
    }
    void CloseKey(Key key) override { RegCloseKey(static_cast<HKEY>(key)); }
};

} // namespace

bool DisableWindowsBluetoothServices()
{
    Win32ServiceRegistry registry;
    return DisableWindowsBluetoothServices(registry);
}

void RestoreWindowsBluetoothServices()
{
    Win32ServiceRegistry registry;
    RestoreWindowsBluetoothServices(registry);
}
