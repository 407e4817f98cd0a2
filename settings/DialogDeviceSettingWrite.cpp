#include "res/resource.h"
#include "settings/DialogDeviceSetting.h"
#include "settings/SettingsPageWriter.h"

void CDialogDeviceSetting::WriteSettingsToDevice()
{
    RunSettingsPageWrite(*this, SettingsWriterPage::Basic, IDC_SETTINGS_CANCEL);
}
