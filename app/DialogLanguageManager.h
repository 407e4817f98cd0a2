#pragma once
#include "afx/afxwin.h"

#include "core/UiLanguageRow.h"

// One row of the language dialog: the language and its radio button, flag
// picture and name.
struct LanguageDialogRow {
    int language;
    int radioId;
    int flagId;
    UINT flagBitmap;
    int nameId;
};
// The rows top to bottom, as the template places them.
extern const LanguageDialogRow kLanguageDialogRows[kUiLanguageCount];

// The UI-language dialog: every language as a radio button, a flag and its
// name. It relabels itself at once in the language picked, so the user sees
// the choice before OK; the caller presets both values and reads them back
// after IDOK.
class CDialogLanguageManager : public CDialog {
public:
    explicit CDialogLanguageManager(CWnd* parent = nullptr);

    int m_selectedLanguage = 0;
    int m_applyToFirmwareLanguage = 0;

    CButton m_group;
    CStatic m_names[kUiLanguageCount]; // by UI language index
    CButton m_applyToVoicePrompt;
    CButton m_buttonOk;
    CButton m_buttonCancel;

    void RefreshTexts();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // A click on a language's radio button, flag or name selects it.
    afx_msg void OnSelectLanguage(UINT id);
    afx_msg void OnApplyToFirmwareLanguage();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_boldFont;
    CBitmap m_flags[kUiLanguageCount];
};
