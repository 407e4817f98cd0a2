#include "settings/DialogDeviceSetting.h"

#include "res/resource.h"

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CSettingsPageDialog(IDD_DEVICE_SETTING, parent) {}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;

void CDialogDeviceSetting::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SETTINGS_GRID, m_grid);
}
