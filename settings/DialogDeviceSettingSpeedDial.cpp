#include "settings/DialogDeviceSettingSpeedDial.h"

#include "res/resource.h"

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SPEED_DIAL, parent)
{}

CDialogDeviceSettingSpeedDial::~CDialogDeviceSettingSpeedDial() = default;
