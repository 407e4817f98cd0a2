#pragma once
#include "afx/afxext.h"
#include "grid/ConfigListCtrl.h"
#include "settings/ClassicLayout.h"
#include "settings/GridChangeRules.h"
#include "shell/SettingsPageDialog.h"

#include <string>

class CMainDialog;

// Page 5, basic settings: the fixed option controls of the older models or the settings grid of
// the newer ones, over the page's working record. What is shown follows the main window's
// product id and the firmware of its live record; the values come from the working record.
class CDialogDeviceSetting : public CSettingsPageDialog, public GridRuleHooks {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);
    ~CDialogDeviceSetting() override;

    // Working record and defaults from the live record, then fill and refresh; the keyboard then
    // goes to the grid.
    void EnterPage() override;
    void FillPage() override;
    void RefreshPage() override;
    void ShowClassicControls(int enable, int showFlag);
    // The main window's request after a change of language; counted for the tests.
    void ApplyBoldFont();
    int m_boldFontCalls = 0;
    void SetGridColumnWidths();
    // Refills the grid with the rows of the connected model at its firmware, showing the
    // working record; the last step of every fill of the page.
    void BuildSettingsGrid();
    // The list the grid was last built from; null while it shows no rows. A click on a grid
    // built from another list than the one the product and firmware now give changes nothing.
    const GridRowList* m_gridList = nullptr;

    // The grid's change rules: a click or a drop-down choice edits the working record, greys
    // the dependants, shows a row's help box and refreshes the page and the main window.
    void OnCellClicked(CConfigListCtrl& grid, UINT flags, CPoint point, int row, int column) override;
    void OnPopUpListClosed(CConfigListCtrl& grid, WPARAM wParam, LPARAM lParam) override;
    int CompareSettings() override;
    // Sends the working record to the unit (SAVE, or YES when the page is left).
    void WriteSettingsToDevice() override;

    // Ends the grid's in-place editing (a press outside its open list); counted for the tests.
    void EndGridEdit();
    int m_endEditCalls = 0;

    // Help texts in the UI language, placeholders as the text functions leave them.
    std::wstring GetHelpVideoMode();
    std::wstring GetHelpEnhancedDataRate();
    std::wstring GetOnboardAudioNotice();
    std::wstring GetRestartNotice();
    std::wstring GetTimeoutRangeLabel();

    // 1 while a drop-down cell of the settings grid has its list open.
    int m_dropDownOpen = 0;
    // That list's window while it is open (presses inside it are the list's).
    HWND m_dropDownList = nullptr;

    // The controls of template 187.
    CConfigListCtrl m_grid;
    CButton m_buttonMoreSettings;
    CButton m_buttonDefault;
    CButton m_buttonCancel;
    CStatic m_labelVoxPhone;
    CStatic m_labelVoxIntercom;
    CStatic m_labelEdr;
    CStatic m_noticeEdr;
    CStatic m_labelPlc;
    CStatic m_labelA2dp;
    CStatic m_labelMicBoost;
    CStatic m_labelSidetone;
    CStatic m_labelHushguard;
    CStatic m_labelAgc;
    CStatic m_labelGain;
    CStatic m_labelTimeout;
    CStatic m_labelAudioBoost;
    CStatic m_noteRestart;
    CBitmapButton m_helpEdr;
    CBitmapButton m_helpPlc;
    CBitmapButton m_helpA2dp;
    CBitmapButton m_helpMicBoost;
    CBitmapButton m_helpSidetone;
    CBitmapButton m_helpHushguard;
    CBitmapButton m_helpAgc;
    CBitmapButton m_helpGain;
    CBitmapButton m_helpTimeout;
    CBitmapButton m_helpAudioBoost;
    CButton m_radioVoxPhoneEnable;
    CButton m_radioVoxPhoneDisable;
    CButton m_radioVoxIntercomEnable;
    CButton m_radioVoxIntercomDisable;
    CButton m_radioEdrEnable;
    CButton m_radioEdrDisable;
    CButton m_radioPlcEnable;
    CButton m_radioPlcDisable;
    CButton m_radioA2dpEnable;
    CButton m_radioA2dpDisable;
    CButton m_radioMicBoostEnable;
    CButton m_radioMicBoostDisable;
    CButton m_radioSidetoneEnable;
    CButton m_radioSidetoneDisable;
    CButton m_radioHushguardEnable;
    CButton m_radioHushguardDisable;
    CButton m_radioAgcEnable;
    CButton m_radioAgcDisable;
    CButton m_radioGainLow;
    CButton m_radioGainMedium;
    CButton m_radioGainHigh;
    CEdit m_editTimeout;
    CSpinButtonCtrl m_spinTimeout;
    CStatic m_labelTimeoutUnit;
    CButton m_radioAudioBoostEnable;
    CButton m_radioAudioBoostDisable;
    CButton m_buttonNoteMore;
    CStatic m_labelMotion;
    CBitmapButton m_helpMotion;
    CComboBox m_comboMotion;
    CStatic m_labelDualstream;
    CBitmapButton m_helpDualstream;
    CButton m_radioDualstreamDisable;
    CButton m_radioDualstreamEnable;
    CStatic m_labelOverlay;
    CBitmapButton m_helpOverlay;
    CComboBox m_comboOverlay;
    CStatic m_labelNavApp;
    CBitmapButton m_helpNavApp;
    CButton m_radioNavAppDisable;
    CButton m_radioNavAppEnable;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The page's commands; each returns at once while the main window is busy or its list is open.
    void OnCommand(int id, int code);
    // DEFAULT, keeping the unit's own word 3 on the models that carry it.
    void OnDefault();
    void OnPair(ClassicRow row, int enable);
    void OnGain(int place);
    void OnTimeoutChanged();
    void OnComboChanged(ClassicRow row, CComboBox& combo);
    void OnHelp(int buttonId);
    void OnNoteMore();
    void SetPair(const ClassicRowControls& row, bool enable);
    void PlaceRow(const RECT& area, const ClassicLayout& layout, const RowPlacement& placement);
    void SetBoldFonts();
    void SetRowStates(ClassicRow row);
    void ApplyGridRuleOutcome(const GridRuleOutcome& outcome);

    // The bold fonts the controls hold, released only once their successors are set.
    HFONT m_boldFont = nullptr;
    HFONT m_noticeFont = nullptr;
};
