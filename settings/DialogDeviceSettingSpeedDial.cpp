#include "settings/DialogDeviceSettingSpeedDial.h"

#include "shell/MainDialog.h"
#include "res/resource.h"

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SPEED_DIAL, parent, 7)
{}

CDialogDeviceSettingSpeedDial::~CDialogDeviceSettingSpeedDial() = default;

int CDialogDeviceSettingSpeedDial::CompareSettings()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return 0;
    for (int i = 0; i < kSpeedDialCount; ++i)
        if (m_config.m_speedDial[i] != main->m_device.m_speedDial[i])
            return 1;
    return 0;
}
