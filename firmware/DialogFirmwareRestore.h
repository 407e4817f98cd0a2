#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"
#include "device/FirmwareInfo.h"

// Page 4, firmware restore.
class CDialogFirmwareRestore : public CPageDialog {
public:
    explicit CDialogFirmwareRestore(CWnd* parent = nullptr);
    ~CDialogFirmwareRestore() override;
    FirmwareInfo m_firmwareInfo;
    DeviceConfig m_archive;
    int m_archiveReady = 0;
    int m_settingsPageCount = 0;
    int m_settingsPages[3] = {0, 0, 0};
    int m_settingsPageIndex = 0;
};
