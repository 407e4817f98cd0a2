#pragma once
#include "shell/PageDialog.h"
#include "device/FirmwareInfo.h"

// Page 3, firmware update.
class CDialogFirmwareUpdate : public CWaitCursorPage {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);
    ~CDialogFirmwareUpdate() override;
    // Written by the update workers, read by the progress timer: through Lock() only.
    GuardedFirmwareInfo m_firmwareInfo;

    // The frame hides its progress; the job record is readied for an update
    // and the image path and the voice-prompt language list are emptied.
    void EnterPage();

    // The update itself comes with the firmware update; until then these
    // count their calls, and timer 201 (the server's firmware index) only
    // stops itself.
    void RefreshPage();
    void StartUpdate();
    // Continues an update that waited for the user's OK in the backup-failed popup.
    void StartUpdateSecondPhase();
    // Checks the unit and the image and starts the road of the target model.
    void PrepareUpdate();
    int m_refreshCalls = 0;
    int m_startCalls = 0;
    int m_secondPhaseStarts = 0;
    int m_indexTimerTicks = 0;

    static const UINT kIndexTimer = 201;

    CEdit m_imagePath;
    CComboBox m_firmwareLanguageList;
    CStatic m_instruction;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()
};
