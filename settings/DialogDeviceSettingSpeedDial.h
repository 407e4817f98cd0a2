#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"

// Page 7, speed dial.
class CDialogDeviceSettingSpeedDial : public CPageDialog {
public:
    explicit CDialogDeviceSettingSpeedDial(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSpeedDial() override;
    // The page the user asked for when leaving this page; 0 while simply shown.
    int m_nextPage = 0;
    DeviceConfig m_config;
    DeviceConfig m_defaults;
};
