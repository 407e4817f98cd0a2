#include "settings/DialogDeviceSetting.h"

#include "app/MainDialog.h"
#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "settings/ConfigListGridAccess.h"
#include "settings/SettingsGridBuilder.h"

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CSettingsPageDialog(IDD_DEVICE_SETTING, parent, 5) {}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;

void CDialogDeviceSetting::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SETTINGS_GRID, m_grid);
}

int CDialogDeviceSetting::CompareSettings()
{
    CUpdaterDlg* main = GetMainDialog(this);
    return main ? m_config.IsModified(main->m_device, 0) : 0;
}

void CDialogDeviceSetting::EnterPage()
{
    CSettingsPageDialog::EnterPage();
    if (m_grid.m_hWnd)
        m_grid.SetFocus();
}

void CDialogDeviceSetting::ApplyBoldFont()
{
    ++m_boldFontCalls;
}

void CDialogDeviceSetting::EndGridEdit()
{
    ++m_endEditCalls;
    if (m_grid.m_hWnd)
        m_grid.EndEdit();
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
