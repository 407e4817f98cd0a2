#pragma once
#include "app/PageDialog.h"

// Page 1, the start page.
class CDialogDeviceSelection : public CPageDialog {
public:
    explicit CDialogDeviceSelection(CWnd* parent = nullptr);
    ~CDialogDeviceSelection() override;
    void EnterPage();
    void RefreshPage();
    int m_refreshCalls = 0;
};
