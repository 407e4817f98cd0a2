#pragma once
#include "afx/afxwin.h"
#include "shell/SettingsPageDialog.h"

#include <string>

class CMainDialog;

// Page 7, speed dial: three telephone numbers of at most 20 characters from
// "0123456789#*+".
class CDialogDeviceSettingSpeedDial : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSettingSpeedDial(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSpeedDial() override;

    void EnterPage() override;
    void FillPage() override;
    void RefreshPage() override;
    int CompareSettings() override;
    void WriteSettingsToDevice() override;

    CButton m_buttonDefault;
    CButton m_buttonCancel;
    CStatic m_labels[kSpeedDialCount];
    CEdit m_edits[kSpeedDialCount];

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnNumberChanged(int index);

    HFONT m_boldFont = nullptr;
};
