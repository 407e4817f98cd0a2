#include <windows.h>

#include <setupapi.h>

#include "link/UsbHardwareId.h"
#include "link/UsbScan.h"

int FindUsbDfuDevices(int* productIds, int capacity)
{
    HDEVINFO set = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(set, index, &device))
            break;
        // One byte more than the property may fill, so the text always ends.
        BYTE hardwareIds[257] = {};
        DWORD size = 0;
        if (!SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID, nullptr, hardwareIds, 256, &size)) {
            continue;
        }
        if (size > 256)
            size = 256;
        CountDfuFamilyDevice(reinterpret_cast<const char*>(hardwareIds), size, productIds, capacity, &count);
    }
    SetupDiDestroyDeviceInfoList(set);
    return count;
}
