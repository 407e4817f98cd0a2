#include "settings/DialogDeviceSetting.h"

#include "app/MainDialog.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "settings/ConfigListGridAccess.h"
#include "settings/SettingsGridBuilder.h"

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CSettingsPageDialog(IDD_DEVICE_SETTING, parent) {}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;

void CDialogDeviceSetting::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SETTINGS_GRID, m_grid);
}

void CDialogDeviceSetting::BuildSettingsGrid()
{
    // The model and the live record's firmware pick the rows; the values are the page's own.
    const CUpdaterDlg* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    ConfigListGridAccess grid(m_grid);
    ::BuildSettingsGrid(grid, main->m_modelCode, main->m_device, m_config, main->m_uiLanguage);
}
