#pragma once
#include "app/PageDialog.h"
#include "device/FirmwareInfo.h"

// Page 3, firmware update.
class CDialogFirmwareUpdate : public CPageDialog {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);
    ~CDialogFirmwareUpdate() override;
    FirmwareInfo m_firmwareInfo;
};
