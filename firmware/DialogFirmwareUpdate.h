#pragma once
#include "app/PageDialog.h"
#include "device/FirmwareInfo.h"

// Page 3, firmware update.
class CDialogFirmwareUpdate : public CPageDialog {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);
    ~CDialogFirmwareUpdate() override;
    FirmwareInfo m_firmwareInfo;

    // Continues an update that waited for the user's OK in the backup-failed
    // popup. Until the update itself is built it only counts its calls.
    void StartUpdateSecondPhase();
    int m_secondPhaseStarts = 0;
};
