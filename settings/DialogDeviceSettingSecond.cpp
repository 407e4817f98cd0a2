#include "settings/DialogDeviceSettingSecond.h"

#include "shell/MainDialog.h"
#include "res/resource.h"

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SECOND, parent, 6)
{}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;

int CDialogDeviceSettingSecond::CompareSettings()
{
    CMainDialog* main = GetMainDialog(this);
    return main ? m_config.IsModified(main->m_device, 1) : 0;
}
