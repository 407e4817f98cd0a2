#pragma once
#include "afx/afxwin.h"

// The probe tool's one dialog: a borderless message window driven by a
// one-second timer (the state machine lives in ProbeMachine).
class CUsbProbeDlg : public CDialog {
public:
    explicit CUsbProbeDlg(CWnd* parent = nullptr);
    ~CUsbProbeDlg() override;

    HICON m_hIcon;
    bool m_visible = false;
    int m_lastVendorId = 0;
    int m_lastProductId = 0;
    int m_state = 0;
    CBrush m_brush;
    int m_firstConnect = 1;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnBnClickedCancel();
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    DECLARE_MESSAGE_MAP()

private:
    class Ports;
};
