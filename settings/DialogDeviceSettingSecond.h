#pragma once
#include "afx/afxext.h"
#include "afx/afxwin.h"
#include "shell/SettingsPageDialog.h"

#include <string>

class CMainDialog;

// Page 6, FM radio: the region, ten station presets (typed in MHz or spun,
// held to the region's band and grid) and the RDS AF switch.
class CDialogDeviceSettingSecond : public CSettingsPageDialog {
public:
    explicit CDialogDeviceSettingSecond(CWnd* parent = nullptr);
    ~CDialogDeviceSettingSecond() override;

    void EnterPage() override;
    void FillPage() override;
    void RefreshPage() override;
    int CompareSettings() override;
    void WriteSettingsToDevice() override;

    // The preset's check box changed (index 0 to 9).
    void OnPresetCheck(int index);
    // The preset's up-down position changed.
    void OnPresetSpin(int index);
    // The typed frequency of a preset edit that lost the focus: 1 when it was
    // taken, 0 when a box said why not and the stored value came back.
    int ValidatePresetText(int index);

    std::wstring GetHelpRdsAf();
    std::wstring GetTextPresetOutOfRange();
    std::wstring GetTextPresetInvalid();

    CButton m_buttonDefault;
    CButton m_buttonCancel;
    CStatic m_labelPresets;
    CStatic m_labelRegion;
    CStatic m_labelRds;
    CComboBox m_comboRegion;
    CButton m_checks[kFmPresetCount];
    CEdit m_edits[kFmPresetCount];
    CEdit m_buddies[kFmPresetCount];
    CSpinButtonCtrl m_spins[kFmPresetCount];
    CButton m_radioRdsOff;
    CButton m_radioRdsOn;
    CBitmapButton m_buttonHelp;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void OnRegionChange();
    void OnRds(int on);
    void OnHelp();
    int SpinPosition(int index) const;
    void SetSpinPosition(int index, int position);
    void SetBuddyText(int index, int value);
    void ShowPresetText(int index);
    void EnablePreset(int index, bool enable);

    HFONT m_boldFont = nullptr;
    int m_spinDepth = 0;
    bool m_validating = false;
};
