#pragma once
#include "shell/SettingsPageDialog.h"

// Page 7, speed dial.
class CDialogDeviceSettingSpeedDial : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSettingSpeedDial(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSpeedDial() override;
    int CompareSettings() override;
};
