#pragma once
// USB devices planted in Wine's registry, which its SetupAPI lists under the
// "USB" enumerator like real ones; removed again when the object goes.
// The registry is the prefix's, shared by every program that runs in it at
// the same time: a named mutex keeps the planting programs apart, and their
// ctest entries share the resource lock usb_enum.
#include <windows.h>

#include <string>
#include <vector>

class PlantedUsbDevices {
public:
    PlantedUsbDevices();
    ~PlantedUsbDevices();
    PlantedUsbDevices(const PlantedUsbDevices&) = delete;
    PlantedUsbDevices& operator=(const PlantedUsbDevices&) = delete;

    // Plugs a device in: device is the key under Enum\USB ("VID_2B4E&PID_2011"),
    // instance the key below it. False when the registry refused.
    bool Plant(const std::wstring& device, const std::wstring& instance, const std::vector<std::wstring>& hardwareIds);
    // Plugs in a unit of the maker with this product id, as the scan finds one: its key under
    // Enum\USB (MakerDeviceKey) with one hardware id of revision 0100.
    bool PlantMakerUnit(int productId, const std::wstring& instance);
    // Unplugs a planted device.
    void Unplug(const std::wstring& device);

    // "VID_2B4E&PID_2020": the key under Enum\USB of the maker's device with this product id.
    static std::wstring MakerDeviceKey(int productId);

private:
    HANDLE m_lock;
    std::vector<std::wstring> m_planted;
};
