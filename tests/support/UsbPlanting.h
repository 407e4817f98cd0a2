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
    // Unplugs a planted device.
    void Unplug(const std::wstring& device);

private:
    HANDLE m_lock;
    std::vector<std::wstring> m_planted;
};
