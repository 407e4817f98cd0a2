#pragma once
#include "app/PageDialog.h"

// Page 2, device recognition.
class CDialogDeviceRecognition : public CPageDialog {
public:
    explicit CDialogDeviceRecognition(CWnd* parent = nullptr);
    ~CDialogDeviceRecognition() override;
    // The page to show after the next successful recognition; 0 for the default road.
    int m_nextPage = 0;
};
