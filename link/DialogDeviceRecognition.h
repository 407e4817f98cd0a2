#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"

// Page 2, device recognition.
class CDialogDeviceRecognition : public CPageDialog {
public:
    explicit CDialogDeviceRecognition(CWnd* parent = nullptr);
    ~CDialogDeviceRecognition() override;
    // The page to show after the next successful recognition; 0 for the default road.
    int m_nextPage = 0;

    // The page's texts and the recognition itself come with the recognition
    // page; until then entering and refreshing count their calls and a
    // recognition finds nothing (2).
    void EnterPage(int mode);
    void RefreshPage();
    int RecognizeDevice(const DeviceConfig* record, int showMessages);

    int m_enterCalls = 0;
    int m_refreshCalls = 0;
    int m_recognizeCalls = 0;
    int m_lastShowMessages = -1;
};
