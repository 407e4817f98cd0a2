#include <windows.h>

#include <setupapi.h>

#include <cstdio>

#include "usbprobe/ProbeOperations.h"
#include "usbprobe/ProbeUsbIds.h"
#include "usbprobe/UsbProbeDlg.h"

bool FindBluetoothUsbDevice(CUsbProbeDlg* dialog)
{
    HDEVINFO set = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE)
        return false;
    // A windowed program's output usually goes nowhere; when it is redirected
    // each line must get out at once, even if the tool is ended.
    ProbeScan scan([](const std::string& line) {
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    });
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(set, index, &device))
            break;
        // Zeroed, with room for a terminator the property may not bring.
        BYTE hardwareIds[kHardwareIdBytes + 1] = {};
        DWORD size = 0;
        if (!SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID, nullptr, hardwareIds, kHardwareIdBytes,
                                               &size)) {
            continue;
        }
        if (size > kHardwareIdBytes)
            size = kHardwareIdBytes;
        scan.Examine(reinterpret_cast<const char*>(hardwareIds), size);
    }
    SetupDiDestroyDeviceInfoList(set);
    if (scan.Found()) {
        dialog->m_lastVendorId = scan.VendorId();
        dialog->m_lastProductId = scan.ProductId();
    }
    return scan.Found();
}
