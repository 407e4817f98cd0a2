#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"

// Page 6, FM radio settings.
class CDialogDeviceSettingSecond : public CPageDialog {
public:
    explicit CDialogDeviceSettingSecond(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSecond() override;
    // The page the user asked for when leaving this page; 0 while simply shown.
    int m_nextPage = 0;
    DeviceConfig m_config;
    DeviceConfig m_defaults;
};
