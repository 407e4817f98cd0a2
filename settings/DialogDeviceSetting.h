#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"

// Page 5, basic settings.
class CDialogDeviceSetting : public CPageDialog {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);
    ~CDialogDeviceSetting() override;
    // The page the user asked for when leaving this page; 0 while simply shown.
    int m_nextPage = 0;
    // 1 while a drop-down cell of the settings grid has its list open.
    int m_dropDownOpen = 0;
    DeviceConfig m_config;
    DeviceConfig m_defaults;
};
