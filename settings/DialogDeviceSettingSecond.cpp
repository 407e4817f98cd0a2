#include "settings/DialogDeviceSettingSecond.h"

#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "device/DeviceDefaults.h"
#include "device/DeviceProductLists.h"
#include "res/resource.h"
#include "settings/FmPresetRules.h"
#include "settings/SettingsPageWriter.h"
#include "text/FmRadioPageTexts.h"
#include "text/NameTables.h"
#include "text/SettingsPageLabels.h"
#include "text/SharedWords.h"
#include "text/TextFormat.h"
#include "core/UiLanguageRow.h"

namespace {

// clang-format off
const int kCheckIds[kFmPresetCount] = {IDC_FM_CHECK1, IDC_FM_CHECK2, IDC_FM_CHECK3, IDC_FM_CHECK4, IDC_FM_CHECK5,
                                       IDC_FM_CHECK6, IDC_FM_CHECK7, IDC_FM_CHECK8, IDC_FM_CHECK9, IDC_FM_CHECK10};
const int kBuddyIds[kFmPresetCount] = {IDC_FM_BUDDY1, IDC_FM_BUDDY2, IDC_FM_BUDDY3, IDC_FM_BUDDY4, IDC_FM_BUDDY5,
                                       IDC_FM_BUDDY6, IDC_FM_BUDDY7, IDC_FM_BUDDY8, IDC_FM_BUDDY9, IDC_FM_BUDDY10};
const int kEditIds[kFmPresetCount] = {IDC_FM_EDIT1, IDC_FM_EDIT2, IDC_FM_EDIT3, IDC_FM_EDIT4, IDC_FM_EDIT5,
                                      IDC_FM_EDIT6, IDC_FM_EDIT7, IDC_FM_EDIT8, IDC_FM_EDIT9, IDC_FM_EDIT10};
const int kSpinIds[kFmPresetCount] = {IDC_FM_SPIN1, IDC_FM_SPIN2, IDC_FM_SPIN3, IDC_FM_SPIN4, IDC_FM_SPIN5,
                                      IDC_FM_SPIN6, IDC_FM_SPIN7, IDC_FM_SPIN8, IDC_FM_SPIN9, IDC_FM_SPIN10};
// clang-format on

const CSize kHelpBoxSize(540, 195);
const CSize kPresetBoxSize(415, 130);

int IndexOf(const int (&ids)[kFmPresetCount], int id)
{
    for (int i = 0; i < kFmPresetCount; ++i) {
        if (ids[i] == id)
            return i;
    }
    return -1;
}

bool IsFmModel(int modelCode)
{
    return kFmTenPresetProducts.Contains(modelCode) || kFmSixPresetProducts.Contains(modelCode);
}

} // namespace

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent)
    : CSettingsPageDialog(IDD_DEVICE_SETTING_SECOND, parent, 6)
{}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond()
{
    if (m_boldFont)
        ::DeleteObject(m_boldFont);
}

void CDialogDeviceSettingSecond::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FM_DEFAULT, m_buttonDefault);
    DDX_Control(dx, IDC_FM_CANCEL, m_buttonCancel);
    DDX_Control(dx, IDC_FM_PRESETS_LABEL, m_labelPresets);
    DDX_Control(dx, IDC_FM_REGION_LABEL, m_labelRegion);
    DDX_Control(dx, IDC_FM_RDS_LABEL, m_labelRds);
    DDX_Control(dx, IDC_FM_REGION, m_comboRegion);
    for (int i = 0; i < kFmPresetCount; ++i) {
        DDX_Control(dx, kCheckIds[i], m_checks[i]);
        DDX_Control(dx, kEditIds[i], m_edits[i]);
        DDX_Control(dx, kBuddyIds[i], m_buddies[i]);
        DDX_Control(dx, kSpinIds[i], m_spins[i]);
    }
    DDX_Control(dx, IDC_FM_RDS_OFF, m_radioRdsOff);
    DDX_Control(dx, IDC_FM_RDS_ON, m_radioRdsOn);
    DDX_Control(dx, IDC_FM_HELP, m_buttonHelp);
}

std::wstring CDialogDeviceSettingSecond::GetHelpRdsAf()
{
    return ::GetHelpRdsAf(Language());
}

std::wstring CDialogDeviceSettingSecond::GetTextPresetOutOfRange()
{
    return ::GetTextPresetOutOfRange(Language());
}

std::wstring CDialogDeviceSettingSecond::GetTextPresetInvalid()
{
    return ::GetTextPresetInvalid(Language());
}

BOOL CDialogDeviceSettingSecond::OnInitDialog()
{
    CSettingsPageDialog::OnInitDialog();
    HFONT pageFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTW logFont{};
    if (pageFont && ::GetObjectW(pageFont, sizeof logFont, &logFont)) {
        logFont.lfWeight = FW_BOLD;
        m_boldFont = ::CreateFontIndirectW(&logFont);
        for (int id : {IDC_FM_PRESETS_LABEL, IDC_FM_REGION_LABEL, IDC_FM_RDS_LABEL})
            ::SendDlgItemMessageW(m_hWnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont), TRUE);
    }
    m_buttonHelp.LoadBitmaps(IDB_HELP);
    m_buttonHelp.SizeToContent();
    UDACCEL accel[2] = {{1, 10}, {2, 100}};
    for (CSpinButtonCtrl& spin : m_spins)
        spin.SendMessage(UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(accel));
    return TRUE;
}

void CDialogDeviceSettingSecond::EnterPage()
{
    CMainDialog* main = Main();
    if (!main)
        return;
    m_config.CopyFrom(main->m_device, 1);
    MakeFmRadioDefaults(m_defaults, m_config);
    m_defaults.m_voicePrompt = m_config.m_voicePrompt;
    main->m_progress = -1;
    main->m_settingsPageIndex = main->FindSettingsPageIndex(6);
    FillPage();
    RefreshPage();
}

int CDialogDeviceSettingSecond::SpinPosition(int index) const
{
    BOOL error = FALSE;
    const int position =
        static_cast<int>(m_spins[index].SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)));
    return position;
}

void CDialogDeviceSettingSecond::SetSpinPosition(int index, int position)
{
    m_spins[index].SendMessage(UDM_SETPOS32, 0, position);
}

void CDialogDeviceSettingSecond::SetBuddyText(int index, int value)
{
    m_buddies[index].SetWindowText(std::to_wstring(value).c_str());
}

void CDialogDeviceSettingSecond::ShowPresetText(int index)
{
    const std::wstring text = PresetText(m_config.m_fmPresets[index], TextEmpty(Language()));
    if (std::wstring(m_edits[index].GetWindowText()) != text)
        m_edits[index].SetWindowText(text.c_str());
}

void CDialogDeviceSettingSecond::EnablePreset(int index, bool enable)
{
    m_edits[index].EnableWindow(enable);
    m_spins[index].EnableWindow(enable);
    m_buddies[index].EnableWindow(enable);
}

void CDialogDeviceSettingSecond::FillPage()
{
    ++m_fillCalls;
    CMainDialog* main = Main();
    if (!main || !m_hWnd)
        return;
    if (!IsFmModel(main->m_modelCode)) {
        main->ShowDeviceSettingPage(1);
        return;
    }
    const int region = PageFmRegion(m_config.m_fmRegion);
    const FmRegionBand& band = PageFmBand(m_config.m_fmRegion);
    m_comboRegion.SetCurSel(region);
    ++m_spinDepth; // the positions set here are the stored ones already
    for (int i = 0; i < kFmPresetCount; ++i) {
        m_spins[i].SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(band.lowest - 1), band.highest + 1);
        const bool valid = ValidateFmFrequency(region, m_config.m_fmPresets[i]) == kFmFrequencyValid;
        if (!valid)
            m_config.m_fmPresets[i] = 0;
        m_checks[i].SetCheck(valid ? BST_CHECKED : BST_UNCHECKED);
        SetSpinPosition(i, valid ? m_config.m_fmPresets[i] : band.lowest);
        ShowPresetText(i);
    }
    --m_spinDepth;
    m_radioRdsOn.SetCheck(m_config.m_fmRds != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_radioRdsOff.SetCheck(m_config.m_fmRds == 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CDialogDeviceSettingSecond::RefreshPage()
{
    ++m_refreshCalls;
    CMainDialog* main = Main();
    if (!main || !m_hWnd)
        return;
    const int language = Language();
    SetRedraw(FALSE);
    m_comboRegion.ResetContent();
    for (int r = 0; r < kFmRegionNameCount; ++r)
        m_comboRegion.AddString(TextFmRegionNames(language, r).c_str());
    m_comboRegion.SetCurSel(PageFmRegion(m_config.m_fmRegion));
    m_buttonDefault.SetWindowText(GetDefaultLabel(language).c_str());
    m_buttonCancel.SetWindowText(GetTextCancel(language).c_str());
    m_labelPresets.SetWindowText(TextFmRadioPresets(language).c_str());
    m_labelRegion.SetWindowText(TextRegion(language).c_str());
    m_labelRds.SetWindowText(TextRdsAf(language).c_str());
    m_radioRdsOn.SetWindowText(GetTextEnable(language).c_str());
    m_radioRdsOff.SetWindowText(GetTextDisable(language).c_str());
    for (int i = 0; i < kFmPresetCount; ++i) {
        if (m_config.m_fmPresets[i] == 0)
            m_edits[i].SetWindowText(TextEmpty(language).c_str());
    }
    const bool locked = main->m_busy || main->m_dropListOpen;
    m_comboRegion.EnableWindow(!locked);
    m_radioRdsOn.EnableWindow(!locked);
    m_radioRdsOff.EnableWindow(!locked);
    m_buttonHelp.EnableWindow(!locked);
    for (int i = 0; i < kFmPresetCount; ++i) {
        m_checks[i].EnableWindow(!locked);
        EnablePreset(i, !locked && m_checks[i].GetCheck() == BST_CHECKED);
    }
    SetRedraw(TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int CDialogDeviceSettingSecond::CompareSettings()
{
    CMainDialog* main = Main();
    return main ? m_config.IsModified(main->m_device, 1) : 0;
}

void CDialogDeviceSettingSecond::WriteSettingsToDevice()
{
    RunSettingsPageWrite(*this, SettingsWriterPage::FmRadio, IDC_FM_CANCEL);
}

void CDialogDeviceSettingSecond::OnRegionChange()
{
    if (Guarded())
        return;
    const int selection = m_comboRegion.GetCurSel();
    if (selection < 0 || selection >= kFmRegionCount)
        return;
    m_config.m_fmRegion = selection;
    ClearPresetsOutsideRegion(m_config, selection);
    Main()->RefreshView();
    FillPage();
    RefreshPage();
}

void CDialogDeviceSettingSecond::OnRds(int on)
{
    if (Guarded())
        return;
    m_config.m_fmRds = on;
    m_radioRdsOn.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    m_radioRdsOff.SetCheck(on ? BST_UNCHECKED : BST_CHECKED);
    Main()->RefreshView();
}

void CDialogDeviceSettingSecond::OnHelp()
{
    if (Guarded())
        return;
    CDialogMessageBox box(Main());
    const CString ok = GetTextOk(Language()).c_str();
    box.SetContent(GetHelpRdsAf().c_str(), 0, nullptr, &ok, kHelpBoxSize);
    box.DoModal();
}

void CDialogDeviceSettingSecond::OnPresetCheck(int index)
{
    if (Guarded())
        return;
    const FmRegionBand& band = PageFmBand(m_config.m_fmRegion);
    const bool checked = m_checks[index].GetCheck() == BST_CHECKED;
    int position = band.lowest;
    if (!checked) {
        m_config.m_fmPresets[index] = 0;
    } else {
        bool checks[kFmPresetCount];
        for (int i = 0; i < kFmPresetCount; ++i)
            checks[i] = m_checks[i].GetCheck() == BST_CHECKED;
        position = StartingPreset(m_config.m_fmPresets, checks, index, m_config.m_fmRegion);
    }
    ++m_spinDepth;
    SetSpinPosition(index, position);
    --m_spinDepth;
    EnablePreset(index, checked);
    // The buddy's change stores the preset through OnPresetSpin.
    SetBuddyText(index, position);
}

void CDialogDeviceSettingSecond::OnPresetSpin(int index)
{
    CMainDialog* main = Main();
    if (m_spinDepth > 0 || Guarded() || main->m_page != 6)
        return;
    ++m_spinDepth;
    if (m_checks[index].GetCheck() != BST_CHECKED) {
        m_config.m_fmPresets[index] = 0;
    } else {
        const int spun = SpinPosition(index);
        const int p = CorrectSpunPreset(m_config.m_fmRegion, m_config.m_fmPresets[index], spun);
        if (p != spun) {
            SetSpinPosition(index, p);
            SetBuddyText(index, p);
        }
        m_config.m_fmPresets[index] = p;
    }
    ShowPresetText(index);
    --m_spinDepth;
    main->RefreshView();
}

int CDialogDeviceSettingSecond::ValidatePresetText(int index)
{
    const TypedPreset typed = ReadTypedPreset(std::wstring(m_edits[index].GetWindowText()), m_config.m_fmRegion);
    if (typed.check == kFmFrequencyValid) {
        SetBuddyText(index, typed.frequency);
        return 1;
    }
    std::wstring text;
    if (typed.check == kFmFrequencyOutsideBand) {
        const FmRegionBand& band = PageFmBand(m_config.m_fmRegion);
        text = FillPlaceholders(GetTextPresetOutOfRange(), {band.lowest / 100.0, band.highest / 100.0});
    } else {
        text = GetTextPresetInvalid();
    }
    m_validating = true;
    CDialogMessageBox box(Main());
    const CString ok = GetTextOk(Language()).c_str();
    box.SetContent(text.c_str(), 1, nullptr, &ok, kPresetBoxSize);
    box.DoModal();
    // The stored value comes back into the edit, and the edit gets the focus again.
    SetSpinPosition(index, m_config.m_fmPresets[index]);
    ShowPresetText(index);
    m_edits[index].SetFocus();
    m_validating = false;
    return 0;
}

BOOL CDialogDeviceSettingSecond::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && lParam) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        *result = 0;
        if (code == BN_CLICKED) {
            switch (id) {
            case IDC_FM_DEFAULT: OnDefault(); return TRUE;
            case IDC_FM_CANCEL: OnCancelEdits(); return TRUE;
            case IDC_FM_RDS_ON: OnRds(1); return TRUE;
            case IDC_FM_RDS_OFF: OnRds(0); return TRUE;
            case IDC_FM_HELP: OnHelp(); return TRUE;
            default: break;
            }
            const int check = IndexOf(kCheckIds, id);
            if (check >= 0) {
                OnPresetCheck(check);
                return TRUE;
            }
        }
        if (code == CBN_SELCHANGE && id == IDC_FM_REGION) {
            OnRegionChange();
            return TRUE;
        }
        const int buddy = IndexOf(kBuddyIds, id);
        if (buddy >= 0 && code == EN_CHANGE) {
            OnPresetSpin(buddy);
            return TRUE;
        }
        const int edit = IndexOf(kEditIds, id);
        if (edit >= 0) {
            if (code == EN_SETFOCUS) {
                m_edits[edit].SetSel(0, -1);
                m_edits[edit].SendMessage(EM_SCROLLCARET);
            } else if (code == EN_CHANGE) {
                m_edits[edit].Invalidate();
            } else if (code == EN_KILLFOCUS && !m_validating && !Guarded() && Main()->m_page == 6 &&
                       ::IsWindowVisible(m_hWnd) && m_checks[edit].GetCheck() == BST_CHECKED) {
                ValidatePresetText(edit);
            }
            return TRUE;
        }
    }
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLORDLG) && Main()) {
        CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(Main()->m_brushes[0].GetSafeHandle());
        return TRUE;
    }
    return CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
}
