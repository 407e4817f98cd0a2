#pragma once
// The main window connected to one simulated unit and on page 5 with the record the unit
// was read into: what the grid tests that save to the unit start from.
#include "app/UpdaterDlg.h"
#include "link/HidChannel.h"
#include "link/HidDeviceSeam.h"
#include "sim/SimHeadset.h"
#include "tests/settings/IdleMainWindow.h"

// The unit answers with the firmware the record was read at; the page copies both on entering.
inline void ConnectOnBasicPage(CUpdaterDlg& main, SimHidInterface& unit, int productId, int major, int minor,
                               const DeviceConfig& record, int language)
{
    unit.version[0] = static_cast<unsigned char>(major);
    unit.version[1] = static_cast<unsigned char>(minor);
    unit.version[2] = 0;
    unit.version[3] = 0;
    main.m_device = record;
    main.m_usbStatus = productId;
    main.m_recognized = 1;
    main.m_device.m_firmwareVersion = DeviceVersion{major, minor, 0, 0, 0};
    main.m_device.m_chipVersion1 = main.m_device.m_firmwareVersion;
    main.m_device.m_chipVersion2 = main.m_device.m_firmwareVersion;
    CloseHidHandle(&main.m_hidPrimary);
    main.m_hidPrimary = OpenHidInterface(productId);
    EnterBasicPage(main, productId, major, minor, language);
    main.RefreshView();
}
