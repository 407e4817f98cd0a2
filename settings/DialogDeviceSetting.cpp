#include "settings/DialogDeviceSetting.h"

#include "res/resource.h"

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CSettingsPageDialog(IDD_DEVICE_SETTING, parent) {}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;
