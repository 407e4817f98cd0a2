#include "tests/support/UsbPlanting.h"

#include <algorithm>
#include <cwchar>

#include "link/MakerUsb.h"

namespace {

const wchar_t kEnumUsb[] = L"System\\CurrentControlSet\\Enum\\USB";
const wchar_t kUsbClassGuid[] = L"{36fc9e60-c465-11cf-8056-444553540000}";

std::wstring DeviceKey(const std::wstring& device)
{
    return std::wstring(kEnumUsb) + L"\\" + device;
}

} // namespace

PlantedUsbDevices::PlantedUsbDevices() : m_lock(CreateMutexW(nullptr, FALSE, L"quor_usb_enum_plant"))
{
    if (m_lock != nullptr)
        WaitForSingleObject(m_lock, 60000);
}

PlantedUsbDevices::~PlantedUsbDevices()
{
    for (const std::wstring& device : m_planted)
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, DeviceKey(device).c_str());
    if (m_lock != nullptr) {
        ReleaseMutex(m_lock);
        CloseHandle(m_lock);
    }
}

bool PlantedUsbDevices::Plant(const std::wstring& device, const std::wstring& instance,
                              const std::vector<std::wstring>& hardwareIds)
{
    const std::wstring key = DeviceKey(device) + L"\\" + instance;
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    if (std::find(m_planted.begin(), m_planted.end(), device) == m_planted.end())
        m_planted.push_back(device);
    std::wstring multi;
    for (const std::wstring& id : hardwareIds) {
        multi += id;
        multi += L'\0';
    }
    multi += L'\0';
    const bool ok = RegSetValueExW(h, L"HardwareID", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi.data()),
                                   static_cast<DWORD>(multi.size() * sizeof(wchar_t))) == ERROR_SUCCESS &&
                    RegSetValueExW(h, L"ClassGUID", 0, REG_SZ, reinterpret_cast<const BYTE*>(kUsbClassGuid),
                                   sizeof kUsbClassGuid) == ERROR_SUCCESS;
    RegCloseKey(h);
    return ok;
}

void PlantedUsbDevices::Unplug(const std::wstring& device)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, DeviceKey(device).c_str());
    m_planted.erase(std::remove(m_planted.begin(), m_planted.end(), device), m_planted.end());
}

std::wstring PlantedUsbDevices::MakerDeviceKey(int productId)
{
    wchar_t device[32];
    std::swprintf(device, 32, L"VID_%04X&PID_%04X", kMakerUsbVendorId, productId);
    return device;
}

bool PlantedUsbDevices::PlantMakerUnit(int productId, const std::wstring& instance)
{
    return Plant(MakerDeviceKey(productId), instance, {L"USB\\" + MakerDeviceKey(productId) + L"&REV_0100"});
}
