#pragma once
#include "settings/SettingsPageDialog.h"

// Page 5, basic settings.
class CDialogDeviceSetting : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);
    ~CDialogDeviceSetting() override;
    // 1 while a drop-down cell of the settings grid has its list open.
    int m_dropDownOpen = 0;
};
