#include "app/DialogLanguageManager.h"

#include "app/AboutDlg.h"
#include "res/resource.h"
#include "text/SharedWords.h"
#include "text/UiLanguages.h"

// clang-format off
const LanguageDialogRow kLanguageDialogRows[kUiLanguageCount] = {
    { 0, IDC_LANGUAGE_RADIO_EN, IDC_LANGUAGE_FLAG_EN, IDB_FLAG_ENGLISH,  IDC_LANGUAGE_NAME_EN},
    { 1, IDC_LANGUAGE_RADIO_FR, IDC_LANGUAGE_FLAG_FR, IDB_FLAG_FRENCH,   IDC_LANGUAGE_NAME_FR},
    { 6, IDC_LANGUAGE_RADIO_ES, IDC_LANGUAGE_FLAG_ES, IDB_FLAG_SPANISH,  IDC_LANGUAGE_NAME_ES},
    { 3, IDC_LANGUAGE_RADIO_IT, IDC_LANGUAGE_FLAG_IT, IDB_FLAG_ITALIAN,  IDC_LANGUAGE_NAME_IT},
    { 2, IDC_LANGUAGE_RADIO_DE, IDC_LANGUAGE_FLAG_DE, IDB_FLAG_GERMAN,   IDC_LANGUAGE_NAME_DE},
    { 7, IDC_LANGUAGE_RADIO_NL, IDC_LANGUAGE_FLAG_NL, IDB_FLAG_DUTCH,    IDC_LANGUAGE_NAME_NL},
    { 8, IDC_LANGUAGE_RADIO_RU, IDC_LANGUAGE_FLAG_RU, IDB_FLAG_RUSSIAN,  IDC_LANGUAGE_NAME_RU},
    { 9, IDC_LANGUAGE_RADIO_ZH, IDC_LANGUAGE_FLAG_ZH, IDB_FLAG_CHINESE,  IDC_LANGUAGE_NAME_ZH},
    { 5, IDC_LANGUAGE_RADIO_KO, IDC_LANGUAGE_FLAG_KO, IDB_FLAG_KOREAN,   IDC_LANGUAGE_NAME_KO},
    { 4, IDC_LANGUAGE_RADIO_JA, IDC_LANGUAGE_FLAG_JA, IDB_FLAG_JAPANESE, IDC_LANGUAGE_NAME_JA},
    {10, IDC_LANGUAGE_RADIO_FI, IDC_LANGUAGE_FLAG_FI, IDB_FLAG_FINNISH,  IDC_LANGUAGE_NAME_FI},
    {11, IDC_LANGUAGE_RADIO_CS, IDC_LANGUAGE_FLAG_CS, IDB_FLAG_CZECH,    IDC_LANGUAGE_NAME_CS},
    {12, IDC_LANGUAGE_RADIO_PL, IDC_LANGUAGE_FLAG_PL, IDB_FLAG_POLISH,   IDC_LANGUAGE_NAME_PL},
};
// clang-format on

BEGIN_MESSAGE_MAP(CDialogLanguageManager, CDialog)
ON_BN_CLICKED(IDC_LANGUAGE_APPLY_TO_VP, OnApplyToFirmwareLanguage)
ON_COMMAND_RANGE(IDC_LANGUAGE_RADIO_EN, IDC_LANGUAGE_NAME_PL, OnSelectLanguage)
END_MESSAGE_MAP()

CDialogLanguageManager::CDialogLanguageManager(CWnd* parent) : CDialog(IDD_LANGUAGE_MANAGER, parent) {}

void CDialogLanguageManager::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LANGUAGE_GROUP, m_group);
    for (const LanguageDialogRow& row : kLanguageDialogRows)
        DDX_Control(dx, row.nameId, m_names[row.language]);
    DDX_Control(dx, IDC_LANGUAGE_APPLY_TO_VP, m_applyToVoicePrompt);
    DDX_Control(dx, IDOK, m_buttonOk);
    DDX_Control(dx, IDCANCEL, m_buttonCancel);
}

BOOL CDialogLanguageManager::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const LanguageDialogRow& row : kLanguageDialogRows) {
        CStatic* flag = static_cast<CStatic*>(GetDlgItem(row.flagId));
        if (flag && m_flags[row.language].LoadBitmap(row.flagBitmap))
            flag->SetBitmap(m_flags[row.language]);
    }
    if (MakeBoldDialogFont(*this, m_boldFont)) {
        m_group.SetFont(&m_boldFont, TRUE);
        for (CStatic& name : m_names)
            name.SetFont(&m_boldFont, TRUE);
        m_applyToVoicePrompt.SetFont(&m_boldFont, TRUE);
        m_buttonOk.SetFont(&m_boldFont, TRUE);
        m_buttonCancel.SetFont(&m_boldFont, TRUE);
    }
    RefreshTexts();
    return TRUE;
}

void CDialogLanguageManager::OnSelectLanguage(UINT id)
{
    for (const LanguageDialogRow& row : kLanguageDialogRows) {
        if (static_cast<UINT>(row.radioId) == id || static_cast<UINT>(row.flagId) == id ||
            static_cast<UINT>(row.nameId) == id) {
            m_selectedLanguage = row.language;
            RefreshTexts();
            return;
        }
    }
}

void CDialogLanguageManager::OnApplyToFirmwareLanguage()
{
    m_applyToFirmwareLanguage = m_applyToVoicePrompt.GetCheck() == BST_CHECKED ? 1 : 0;
    RefreshTexts();
}

void CDialogLanguageManager::RefreshTexts()
{
    const int language = m_selectedLanguage;
    m_group.SetWindowText(GetTextManagerLanguage(language).c_str());
    for (const LanguageDialogRow& row : kLanguageDialogRows)
        m_names[row.language].SetWindowText(GetLanguageNameIn(row.language, language).c_str());
    m_buttonOk.SetWindowText(GetTextOk(language).c_str());
    m_buttonCancel.SetWindowText(GetTextCancel(language).c_str());
    // A language outside 1 to 12 checks English.
    const int checked = UiLanguageRow(language);
    for (const LanguageDialogRow& row : kLanguageDialogRows)
        ::CheckDlgButton(m_hWnd, row.radioId, row.language == checked ? BST_CHECKED : BST_UNCHECKED);
    m_applyToVoicePrompt.SetWindowText(GetTextApplyToVoicePromptLanguage(language).c_str());
    m_applyToVoicePrompt.SetCheck(m_applyToFirmwareLanguage ? BST_CHECKED : BST_UNCHECKED);
}
