#pragma once
#include "afx/afxwin.h"

// The probe tool's one dialog; its state machine comes with its own work.
class CUsbProbeDlg : public CDialog {
public:
    explicit CUsbProbeDlg(CWnd* parent = nullptr);
    HICON m_hIcon;

protected:
    BOOL OnInitDialog() override;
};
