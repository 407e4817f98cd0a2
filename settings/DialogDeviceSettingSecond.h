#pragma once
#include "shell/SettingsPageDialog.h"

// Page 6, FM radio settings.
class CDialogDeviceSettingSecond : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSettingSecond(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSecond() override;
    int CompareSettings() override;
};
