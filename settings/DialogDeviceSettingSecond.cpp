#include "settings/DialogDeviceSettingSecond.h"

#include "app/MainDialog.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SECOND, parent, 6)
{}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;

int CDialogDeviceSettingSecond::CompareSettings()
{
    CUpdaterDlg* main = GetMainDialog(this);
    return main ? m_config.IsModified(main->m_device, 1) : 0;
}
