#include "settings/DialogDeviceSettingSecond.h"

#include "res/resource.h"

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SECOND, parent)
{}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;
