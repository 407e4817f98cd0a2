#include "settings/DialogDeviceSetting.h"

#include "shell/DialogMessageBox.h"
#include "shell/ShellOpen.h"
#include "shell/MainDialog.h"
#include "device/DeviceDefaults.h"
#include "device/ModelCatalogue.h"
#include "res/resource.h"
#include "settings/ConfigListGridAccess.h"
#include "settings/GridChangeRules.h"
#include "settings/HelpBoxes.h"
#include "settings/RowPlacement.h"
#include "settings/SettingsGridBuilder.h"
#include "text/NameTables.h"
#include "text/SettingHelpTexts.h"
#include "text/SettingsPageLabels.h"
#include "text/SharedWords.h"

#include <algorithm>
#include <map>

namespace {

constexpr int kJapanese = 4;
constexpr int kRussian = 8;
constexpr int kNoticeColour = 0x70FF;
constexpr int kTimeoutMin = 3;
constexpr int kTimeoutMax = 60;

// Labels are only shown or hidden; every other classic control is also enabled or disabled.
// clang-format off
const int kClassicLabels[] = {
    IDC_VOX_PHONE_LABEL, IDC_VOX_INTERCOM_LABEL, IDC_EDR_LABEL, IDC_PLC_LABEL, IDC_A2DP_LABEL, IDC_MIC_BOOST_LABEL,
    IDC_SIDETONE_LABEL, IDC_HUSHGUARD_LABEL, IDC_AGC_LABEL, IDC_GAIN_LABEL, IDC_TIMEOUT_LABEL, IDC_TIMEOUT_UNIT,
    IDC_AUDIO_BOOST_LABEL, IDC_MOTION_LABEL, IDC_DUALSTREAM_LABEL, IDC_OVERLAY_LABEL, IDC_NAV_APP_LABEL,
    IDC_EDR_NOTICE, IDC_RESTART_NOTE};
const int kClassicInputs[] = {
    IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE, IDC_VOX_INTERCOM_ENABLE, IDC_VOX_INTERCOM_DISABLE, IDC_EDR_ENABLE,
    IDC_EDR_DISABLE, IDC_PLC_ENABLE, IDC_PLC_DISABLE, IDC_A2DP_ENABLE, IDC_A2DP_DISABLE, IDC_MIC_BOOST_ENABLE,
    IDC_MIC_BOOST_DISABLE, IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE, IDC_HUSHGUARD_ENABLE, IDC_HUSHGUARD_DISABLE,
    IDC_AGC_ENABLE, IDC_AGC_DISABLE, IDC_AUDIO_BOOST_ENABLE, IDC_AUDIO_BOOST_DISABLE, IDC_DUALSTREAM_ENABLE,
    IDC_DUALSTREAM_DISABLE, IDC_NAV_APP_ENABLE, IDC_NAV_APP_DISABLE, IDC_GAIN_LOW, IDC_GAIN_MEDIUM, IDC_GAIN_HIGH,
    IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN, IDC_MOTION_COMBO, IDC_OVERLAY_COMBO,
    IDC_EDR_HELP, IDC_PLC_HELP, IDC_A2DP_HELP, IDC_MIC_BOOST_HELP, IDC_SIDETONE_HELP, IDC_HUSHGUARD_HELP, IDC_AGC_HELP,
    IDC_GAIN_HELP, IDC_TIMEOUT_HELP, IDC_AUDIO_BOOST_HELP, IDC_MOTION_HELP, IDC_DUALSTREAM_HELP, IDC_OVERLAY_HELP,
    IDC_NAV_APP_HELP};
const int kHelpButtons[] = {
    IDC_EDR_HELP, IDC_PLC_HELP, IDC_A2DP_HELP, IDC_MIC_BOOST_HELP, IDC_SIDETONE_HELP, IDC_HUSHGUARD_HELP, IDC_AGC_HELP,
    IDC_MOTION_HELP, IDC_DUALSTREAM_HELP, IDC_OVERLAY_HELP, IDC_NAV_APP_HELP, IDC_GAIN_HELP, IDC_TIMEOUT_HELP,
    IDC_AUDIO_BOOST_HELP};
// Everything but the help buttons and the up-down control takes the bold font.
const int kBoldControls[] = {
    IDC_SETTINGS_GRID, IDC_MORE_SETTINGS, IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL, IDC_VOX_PHONE_LABEL,
    IDC_VOX_INTERCOM_LABEL, IDC_EDR_LABEL, IDC_EDR_NOTICE, IDC_PLC_LABEL, IDC_A2DP_LABEL, IDC_MIC_BOOST_LABEL,
    IDC_SIDETONE_LABEL, IDC_HUSHGUARD_LABEL, IDC_AGC_LABEL, IDC_GAIN_LABEL, IDC_TIMEOUT_LABEL, IDC_TIMEOUT_UNIT,
    IDC_RESTART_NOTE, IDC_AUDIO_BOOST_LABEL, IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE, IDC_VOX_INTERCOM_ENABLE,
    IDC_VOX_INTERCOM_DISABLE, IDC_EDR_ENABLE, IDC_EDR_DISABLE, IDC_PLC_ENABLE, IDC_PLC_DISABLE, IDC_A2DP_ENABLE,
    IDC_A2DP_DISABLE, IDC_MIC_BOOST_ENABLE, IDC_MIC_BOOST_DISABLE, IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE,
    IDC_HUSHGUARD_ENABLE, IDC_HUSHGUARD_DISABLE, IDC_AGC_ENABLE, IDC_AGC_DISABLE, IDC_GAIN_LOW, IDC_GAIN_MEDIUM,
    IDC_GAIN_HIGH, IDC_TIMEOUT_EDIT, IDC_AUDIO_BOOST_ENABLE, IDC_AUDIO_BOOST_DISABLE, IDC_MOTION_LABEL,
    IDC_MOTION_COMBO, IDC_DUALSTREAM_LABEL, IDC_DUALSTREAM_ENABLE, IDC_DUALSTREAM_DISABLE, IDC_OVERLAY_LABEL,
    IDC_OVERLAY_COMBO, IDC_NAV_APP_LABEL, IDC_NAV_APP_ENABLE, IDC_NAV_APP_DISABLE, IDC_NOTE_MORE};
// clang-format on

bool ShowsNoteMore(int language)
{
    return language == 1 || language == 7 || language == kRussian;
}

// What a refresh leaves each classic control of the page as: the last showing
// and enabling asked for it. Applied once at the end, and only to a control
// not so already: every show or enable costs the window system a round trip,
// and a refresh of a grid model would otherwise show every classic control
// only to hide it again.
class ControlStates {
public:
    void Show(int id, bool show) { m_states[id].show = show ? 1 : 0; }
    void Enable(int id, bool enable) { m_states[id].enable = enable ? 1 : 0; }
    void ApplyTo(HWND page) const
    {
        for (const auto& entry : m_states) {
            HWND control = ::GetDlgItem(page, entry.first);
            if (!control)
                continue;
            const State& state = entry.second;
            const bool shown = (::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
            if (state.show >= 0 && shown != (state.show == 1))
                ::ShowWindow(control, state.show ? SW_SHOW : SW_HIDE);
            if (state.enable >= 0 && (::IsWindowEnabled(control) != FALSE) != (state.enable == 1))
                ::EnableWindow(control, state.enable);
        }
    }

private:
    struct State {
        int show = -1; // -1: left as it is
        int enable = -1;
    };
    std::map<int, State> m_states;
};

void DecideClassicControls(ControlStates& states, int language, int enable, int showFlag)
{
    const bool noteMore = enable && ShowsNoteMore(language);
    if (showFlag) {
        for (int id : kClassicLabels)
            states.Show(id, enable != 0);
        for (int id : kClassicInputs) {
            states.Show(id, enable != 0);
            states.Enable(id, enable != 0);
        }
        states.Show(IDC_NOTE_MORE, noteMore);
        states.Enable(IDC_NOTE_MORE, noteMore);
        return;
    }
    for (int id : kClassicInputs)
        states.Enable(id, enable != 0);
    states.Enable(IDC_NOTE_MORE, enable != 0);
}

} // namespace

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CSettingsPageDialog(IDD_DEVICE_SETTING, parent, 5) {}

CDialogDeviceSetting::~CDialogDeviceSetting()
{
    if (m_boldFont)
        ::DeleteObject(m_boldFont);
    if (m_noticeFont)
        ::DeleteObject(m_noticeFont);
}

void CDialogDeviceSetting::DoDataExchange(CDataExchange* dx)
{
    CSettingsPageDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SETTINGS_GRID, m_grid);
    DDX_Control(dx, IDC_MORE_SETTINGS, m_buttonMoreSettings);
    DDX_Control(dx, IDC_SETTINGS_DEFAULT, m_buttonDefault);
    DDX_Control(dx, IDC_SETTINGS_CANCEL, m_buttonCancel);
    DDX_Control(dx, IDC_VOX_PHONE_LABEL, m_labelVoxPhone);
    DDX_Control(dx, IDC_VOX_INTERCOM_LABEL, m_labelVoxIntercom);
    DDX_Control(dx, IDC_EDR_LABEL, m_labelEdr);
    DDX_Control(dx, IDC_EDR_NOTICE, m_noticeEdr);
    DDX_Control(dx, IDC_PLC_LABEL, m_labelPlc);
    DDX_Control(dx, IDC_A2DP_LABEL, m_labelA2dp);
    DDX_Control(dx, IDC_MIC_BOOST_LABEL, m_labelMicBoost);
    DDX_Control(dx, IDC_SIDETONE_LABEL, m_labelSidetone);
    DDX_Control(dx, IDC_HUSHGUARD_LABEL, m_labelHushguard);
    DDX_Control(dx, IDC_AGC_LABEL, m_labelAgc);
    DDX_Control(dx, IDC_GAIN_LABEL, m_labelGain);
    DDX_Control(dx, IDC_TIMEOUT_LABEL, m_labelTimeout);
    DDX_Control(dx, IDC_AUDIO_BOOST_LABEL, m_labelAudioBoost);
    DDX_Control(dx, IDC_RESTART_NOTE, m_noteRestart);
    DDX_Control(dx, IDC_EDR_HELP, m_helpEdr);
    DDX_Control(dx, IDC_PLC_HELP, m_helpPlc);
    DDX_Control(dx, IDC_A2DP_HELP, m_helpA2dp);
    DDX_Control(dx, IDC_MIC_BOOST_HELP, m_helpMicBoost);
    DDX_Control(dx, IDC_SIDETONE_HELP, m_helpSidetone);
    DDX_Control(dx, IDC_HUSHGUARD_HELP, m_helpHushguard);
    DDX_Control(dx, IDC_AGC_HELP, m_helpAgc);
    DDX_Control(dx, IDC_GAIN_HELP, m_helpGain);
    DDX_Control(dx, IDC_TIMEOUT_HELP, m_helpTimeout);
    DDX_Control(dx, IDC_AUDIO_BOOST_HELP, m_helpAudioBoost);
    DDX_Control(dx, IDC_VOX_PHONE_ENABLE, m_radioVoxPhoneEnable);
    DDX_Control(dx, IDC_VOX_PHONE_DISABLE, m_radioVoxPhoneDisable);
    DDX_Control(dx, IDC_VOX_INTERCOM_ENABLE, m_radioVoxIntercomEnable);
    DDX_Control(dx, IDC_VOX_INTERCOM_DISABLE, m_radioVoxIntercomDisable);
    DDX_Control(dx, IDC_EDR_ENABLE, m_radioEdrEnable);
    DDX_Control(dx, IDC_EDR_DISABLE, m_radioEdrDisable);
    DDX_Control(dx, IDC_PLC_ENABLE, m_radioPlcEnable);
    DDX_Control(dx, IDC_PLC_DISABLE, m_radioPlcDisable);
    DDX_Control(dx, IDC_A2DP_ENABLE, m_radioA2dpEnable);
    DDX_Control(dx, IDC_A2DP_DISABLE, m_radioA2dpDisable);
    DDX_Control(dx, IDC_MIC_BOOST_ENABLE, m_radioMicBoostEnable);
    DDX_Control(dx, IDC_MIC_BOOST_DISABLE, m_radioMicBoostDisable);
    DDX_Control(dx, IDC_SIDETONE_ENABLE, m_radioSidetoneEnable);
    DDX_Control(dx, IDC_SIDETONE_DISABLE, m_radioSidetoneDisable);
    DDX_Control(dx, IDC_HUSHGUARD_ENABLE, m_radioHushguardEnable);
    DDX_Control(dx, IDC_HUSHGUARD_DISABLE, m_radioHushguardDisable);
    DDX_Control(dx, IDC_AGC_ENABLE, m_radioAgcEnable);
    DDX_Control(dx, IDC_AGC_DISABLE, m_radioAgcDisable);
    DDX_Control(dx, IDC_GAIN_LOW, m_radioGainLow);
    DDX_Control(dx, IDC_GAIN_MEDIUM, m_radioGainMedium);
    DDX_Control(dx, IDC_GAIN_HIGH, m_radioGainHigh);
    DDX_Control(dx, IDC_TIMEOUT_EDIT, m_editTimeout);
    DDX_Control(dx, IDC_TIMEOUT_SPIN, m_spinTimeout);
    DDX_Control(dx, IDC_TIMEOUT_UNIT, m_labelTimeoutUnit);
    DDX_Control(dx, IDC_AUDIO_BOOST_ENABLE, m_radioAudioBoostEnable);
    DDX_Control(dx, IDC_AUDIO_BOOST_DISABLE, m_radioAudioBoostDisable);
    DDX_Control(dx, IDC_NOTE_MORE, m_buttonNoteMore);
    DDX_Control(dx, IDC_MOTION_LABEL, m_labelMotion);
    DDX_Control(dx, IDC_MOTION_HELP, m_helpMotion);
    DDX_Control(dx, IDC_MOTION_COMBO, m_comboMotion);
    DDX_Control(dx, IDC_DUALSTREAM_LABEL, m_labelDualstream);
    DDX_Control(dx, IDC_DUALSTREAM_HELP, m_helpDualstream);
    DDX_Control(dx, IDC_DUALSTREAM_DISABLE, m_radioDualstreamDisable);
    DDX_Control(dx, IDC_DUALSTREAM_ENABLE, m_radioDualstreamEnable);
    DDX_Control(dx, IDC_OVERLAY_LABEL, m_labelOverlay);
    DDX_Control(dx, IDC_OVERLAY_HELP, m_helpOverlay);
    DDX_Control(dx, IDC_OVERLAY_COMBO, m_comboOverlay);
    DDX_Control(dx, IDC_NAV_APP_LABEL, m_labelNavApp);
    DDX_Control(dx, IDC_NAV_APP_HELP, m_helpNavApp);
    DDX_Control(dx, IDC_NAV_APP_DISABLE, m_radioNavAppDisable);
    DDX_Control(dx, IDC_NAV_APP_ENABLE, m_radioNavAppEnable);
}

BOOL CDialogDeviceSetting::OnInitDialog()
{
    CSettingsPageDialog::OnInitDialog();
    SetBoldFonts();
    const int formats[3] = {LVCFMT_CENTER, LVCFMT_LEFT, LVCFMT_CENTER};
    for (int column = 0; column < 3; ++column) {
        m_grid.InsertColumnCells(column);
        m_grid.InsertColumn(column, L"", formats[column], -1, -1);
        m_grid.ShiftColumnTexts(column);
    }
    for (int id : kHelpButtons) {
        auto* button = static_cast<CBitmapButton*>(GetDlgItem(id));
        button->LoadBitmaps(IDB_HELP);
        button->SizeToContent();
    }
    m_spinTimeout.SetRange(kTimeoutMin, kTimeoutMax);
    // Only this page's grid carries the rules; the grid runs them while page 5 is shown.
    m_grid.SetRules(this);
    return TRUE;
}

void CDialogDeviceSetting::EnterPage()
{
    CMainDialog* main = Main();
    if (!main)
        return;
    // With the versions: the camera's Video Mode store follows the working record's firmware
    // while the grid's rows follow the live one, and the two must agree.
    m_config.CopyFrom(main->m_device, 1);
    MakeBasicDefaults(m_defaults, m_config);
    main->m_progress = -1;
    main->m_settingsPageIndex = main->FindSettingsPageIndex(5);
    FillPage();
    RefreshPage();
    m_grid.SetFocus();
}

void CDialogDeviceSetting::SetPair(const ClassicRowControls& row, bool enable)
{
    ::SendDlgItemMessageW(m_hWnd, row.enableId, BM_SETCHECK, enable ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendDlgItemMessageW(m_hWnd, row.enableId + 1, BM_SETCHECK, enable ? BST_UNCHECKED : BST_CHECKED, 0);
}

void CDialogDeviceSetting::SetRowStates(ClassicRow rowName)
{
    const int productId = Main()->m_modelCode;
    const ClassicRowControls& row = GetClassicRowControls(rowName);
    switch (row.kind) {
    case ClassicValueKind::EnableWhenSet:
    case ClassicValueKind::EnableWhenZero: SetPair(row, ClassicPairShowsEnable(row, m_config, productId)); break;
    case ClassicValueKind::ComboMinusOne:
    case ClassicValueKind::ComboTenMinus:
        ::SendDlgItemMessageW(m_hWnd, row.comboId, CB_SETCURSEL,
                              static_cast<WPARAM>(ClassicComboSelection(row, m_config, productId)), 0);
        break;
    case ClassicValueKind::GainTriple: {
        const int index = RadioTransmitGainIndex(m_config.m_radioTransmitGain);
        m_radioGainLow.SetCheck(index == 0);
        m_radioGainMedium.SetCheck(index == 1);
        m_radioGainHigh.SetCheck(index == 2);
        break;
    }
    case ClassicValueKind::Timeout:
        m_editTimeout.SetWindowText(std::to_wstring(m_config.m_audioChannelTimeout).c_str());
        m_spinTimeout.SetPos(m_config.m_audioChannelTimeout & 0xFFFF);
        break;
    case ClassicValueKind::None: break;
    }
}

void CDialogDeviceSetting::PlaceRow(const RECT& area, const ClassicLayout& layout, const RowPlacement& placement)
{
    const PlaceRect placeArea{area.left, area.top, area.right, area.bottom};
    for (int id : GetClassicRowControls(placement.row).controls) {
        if (!id)
            break;
        CWnd* control = GetDlgItem(id);
        if (!control)
            continue;
        RECT r;
        control->GetWindowRect(&r);
        const PlacedControl placed = PlaceControlInRow(placeArea, layout.rowCount, layout.margin, placement.index,
                                                       {r.left, r.top, r.right, r.bottom});
        control->MoveWindow(placed.left, placed.top, placed.width, placed.height, TRUE);
    }
}

void CDialogDeviceSetting::FillPage()
{
    ++m_fillCalls;
    CMainDialog* main = Main();
    if (!main || !m_hWnd)
        return;
    RECT area;
    GetWindowRect(&area);
    if (const ClassicLayout* layout = FindClassicLayout(main->m_modelCode, main->m_device)) {
        for (const RowPlacement& placement : layout->rows)
            SetRowStates(placement.row);
        for (ClassicRow row : layout->alsoSet)
            SetRowStates(row);
        PlaceRow(area, *layout, {0, ClassicRow::Buttons});
        for (const RowPlacement& placement : layout->rows)
            PlaceRow(area, *layout, placement);
    }
    BuildSettingsGrid();
}

void CDialogDeviceSetting::BuildSettingsGrid()
{
    // The model and the live record's firmware pick the rows; the values are the page's own.
    const CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    CConfigListFill fill(m_grid);
    ConfigListGridAccess grid(m_grid);
    m_gridList = ::BuildSettingsGrid(grid, main->m_modelCode, main->m_device, m_config, main->m_uiLanguage);
}

void CDialogDeviceSetting::OnCellClicked(CConfigListCtrl& grid, UINT, CPoint, int row, int column)
{
    CMainDialog* main = Main();
    if (main == nullptr || &grid != &m_grid)
        return;
    ConfigListGridAccess view(m_grid);
    const GridRuleContext context{main->m_modelCode, main->m_device, m_config, main->m_uiLanguage, m_gridList};
    ApplyGridRuleOutcome(RunGridClickRules(view, context, row, column));
}

void CDialogDeviceSetting::OnPopUpListClosed(CConfigListCtrl& grid, WPARAM, LPARAM)
{
    CMainDialog* main = Main();
    if (main == nullptr || &grid != &m_grid)
        return;
    // The cell has taken the list's result: its current item is the choice (F4 keeps it).
    auto* combo = dynamic_cast<CCellComboBox*>(m_grid.GetCell(m_grid.m_activeRow, m_grid.m_activeColumn));
    const int index = combo != nullptr ? combo->GetCurSel() : -1;
    ConfigListGridAccess view(m_grid);
    const GridRuleContext context{main->m_modelCode, main->m_device, m_config, main->m_uiLanguage, m_gridList};
    ApplyGridRuleOutcome(RunGridChoiceRules(view, context, m_grid.m_activeRow, m_grid.m_activeColumn, index));
}

void CDialogDeviceSetting::ApplyGridRuleOutcome(const GridRuleOutcome& outcome)
{
    CMainDialog* main = Main();
    if (main == nullptr)
        return;
    switch (outcome.action) {
    case kRuleDoesNothing: return;
    case kRuleShowsHelp: {
        const CString ok = GetTextOk(main->m_uiLanguage).c_str();
        CDialogMessageBox box(main);
        box.SetContentEx(outcome.helpText.c_str(), 0, nullptr, nullptr, &ok,
                         CSize(outcome.helpWidth, outcome.helpHeight), 0);
        box.DoModal();
        return;
    }
    case kRuleRefreshesNow:
    case kRuleRefreshesAtEnd:
        RefreshPage();
        main->RefreshView();
        return;
    }
}

void CDialogDeviceSetting::EndGridEdit()
{
    ++m_endEditCalls;
    if (m_grid.m_hWnd)
        m_grid.EndEdit();
}

void CDialogDeviceSetting::ShowClassicControls(int enable, int showFlag)
{
    ControlStates states;
    DecideClassicControls(states, Language(), enable, showFlag);
    states.ApplyTo(m_hWnd);
}

void CDialogDeviceSetting::RefreshPage()
{
    ++m_refreshCalls;
    CMainDialog* main = Main();
    if (!main || !m_hWnd)
        return;
    const int language = Language();
    SetRedraw(FALSE);
    SetBoldFonts();

    m_buttonMoreSettings.SetWindowText(GetMoreSettingsLabel(language).c_str());
    m_buttonDefault.SetWindowText(GetDefaultLabel(language).c_str());
    m_buttonCancel.SetWindowText(GetTextCancel(language).c_str());
    m_labelVoxPhone.SetWindowText(TextVoxPhone(language).c_str());
    m_labelVoxIntercom.SetWindowText(TextVoxIntercom(language).c_str());
    m_labelEdr.SetWindowText(TextEdr(language).c_str());
    m_noticeEdr.SetWindowText(GetOnboardAudioNotice().c_str());
    m_labelPlc.SetWindowText(TextPlc(language).c_str());
    m_labelA2dp.SetWindowText(TextHighQualityA2dp(language).c_str());
    m_labelMicBoost.SetWindowText(TextMicrophoneBoosting(language).c_str());
    m_labelSidetone.SetWindowText(TextSidetone(language).c_str());
    m_labelHushguard.SetWindowText(TextHushguard(language).c_str());
    m_labelAgc.SetWindowText(TextAutoGainControl(language).c_str());
    m_labelGain.SetWindowText(TextRadioTransmitGain(language).c_str());
    m_labelTimeout.SetWindowText(TextAudioChannelTimeout(language).c_str());
    m_labelAudioBoost.SetWindowText(TextAudioBoost(language).c_str());
    m_noteRestart.SetWindowText(GetRestartNotice().c_str());
    const std::wstring enableText = GetTextEnable(language);
    const std::wstring disableText = GetTextDisable(language);
    for (ClassicRow row :
         {ClassicRow::VoxPhone, ClassicRow::VoxIntercom, ClassicRow::Edr, ClassicRow::Plc, ClassicRow::HighQualityA2dp,
          ClassicRow::MicrophoneBoosting, ClassicRow::Sidetone, ClassicRow::Hushguard, ClassicRow::AutoGainControl}) {
        const int enableId = GetClassicRowControls(row).enableId;
        SetDlgItemText(enableId, enableText.c_str());
        SetDlgItemText(enableId + 1, disableText.c_str());
    }
    m_radioGainLow.SetWindowText(TextLowMediumHigh(language, RadioTransmitGainIndex(12)).c_str());
    m_radioGainMedium.SetWindowText(TextLowMediumHigh(language, RadioTransmitGainIndex(15)).c_str());
    m_radioGainHigh.SetWindowText(TextLowMediumHigh(language, RadioTransmitGainIndex(17)).c_str());
    m_labelTimeoutUnit.SetWindowText(GetTimeoutRangeLabel().c_str());
    m_radioAudioBoostEnable.SetWindowText(enableText.c_str());
    m_radioAudioBoostDisable.SetWindowText(disableText.c_str());
    m_labelMotion.SetWindowText(TextMotionSensorSensitivity(language).c_str());
    m_labelDualstream.SetWindowText(TextDualstream(language).c_str());
    m_radioDualstreamEnable.SetWindowText(enableText.c_str());
    m_radioDualstreamDisable.SetWindowText(disableText.c_str());
    m_labelOverlay.SetWindowText(TextOverlaySensitivity(language).c_str());
    m_labelNavApp.SetWindowText(TextNavigationAppSupport(language).c_str());
    m_radioNavAppEnable.SetWindowText(enableText.c_str());
    m_radioNavAppDisable.SetWindowText(disableText.c_str());

    m_comboMotion.ResetContent();
    m_comboMotion.AddString(disableText.c_str());
    m_comboMotion.AddString(TextLowMediumHigh(language, 0).c_str());
    m_comboMotion.AddString(TextLowMediumHigh(language, 2).c_str());
    m_comboMotion.SetCurSel(m_config.GetMotionSensorSensitivity() - 1);

    // The grid is disabled and enabled again as each refresh always did: that
    // takes the keyboard from it and ends its active cell.
    ControlStates states;
    states.Enable(IDC_MORE_SETTINGS, false);
    states.Show(IDC_MORE_SETTINGS, false);

    if (main->m_busy || main->m_dropListOpen) {
        DecideClassicControls(states, language, 0, 0);
        m_grid.EnableWindow(FALSE);
    } else {
        DecideClassicControls(states, language, 1, 1);
        m_grid.ShowWindow(SW_HIDE);
        m_grid.EnableWindow(FALSE);
        const int productId = main->m_modelCode;
        if (IsGridModel(productId)) {
            DecideClassicControls(states, language, 0, 1);
            SetGridColumnWidths();
            m_grid.ShowWindow(SW_SHOW);
            m_grid.EnableWindow(TRUE);
        } else if (const VisibleRows* visible = FindVisibleRows(productId, main->m_device)) {
            for (const ClassicRowControls& row : ClassicRowTable()) {
                if (row.row == ClassicRow::Buttons || row.row == ClassicRow::MoreSettings)
                    continue;
                if (std::find(visible->rows.begin(), visible->rows.end(), row.row) != visible->rows.end())
                    continue;
                for (int id : row.controls) {
                    if (!id)
                        break;
                    states.Show(id, false);
                    states.Enable(id, false);
                }
            }
        } else {
            DecideClassicControls(states, language, 0, 1);
        }
    }
    states.ApplyTo(m_hWnd);
    SetRedraw(TRUE);
    InvalidateRect(nullptr, TRUE);
}

void CDialogDeviceSetting::ApplyBoldFont()
{
    ++m_boldFontCalls;
    SetBoldFonts();
}

void CDialogDeviceSetting::SetBoldFonts()
{
    if (!m_hWnd)
        return;
    HFONT pageFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTW logFont{};
    if (!pageFont || !::GetObjectW(pageFont, sizeof logFont, &logFont))
        return;
    logFont.lfWeight = FW_BOLD;
    HFONT bold = ::CreateFontIndirectW(&logFont);
    for (int id : kBoldControls)
        ::SendDlgItemMessageW(m_hWnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    HFONT notice = nullptr;
    if (Language() == kJapanese) {
        // lfHeight is negative for a character height: one less is one unit taller.
        logFont.lfHeight -= 1;
        notice = ::CreateFontIndirectW(&logFont);
        ::SendDlgItemMessageW(m_hWnd, IDC_EDR_NOTICE, WM_SETFONT, reinterpret_cast<WPARAM>(notice), TRUE);
    }
    // Every control now holds its new font: the old ones may go.
    if (m_boldFont)
        ::DeleteObject(m_boldFont);
    if (m_noticeFont)
        ::DeleteObject(m_noticeFont);
    m_boldFont = bold;
    m_noticeFont = notice;
}

void CDialogDeviceSetting::SetGridColumnWidths()
{
    CMainDialog* main = Main();
    const bool wideValues = main->m_modelCode == 0x5510 && main->m_uiLanguage == kRussian;
    m_grid.SetColumnWidth(0, 30);
    m_grid.SetColumnWidth(1, wideValues ? 280 : 310);
    m_grid.SetColumnWidth(2, wideValues ? 200 : 170);
}

int CDialogDeviceSetting::CompareSettings()
{
    CMainDialog* main = Main();
    return main ? main->m_device.IsModified(m_config, 0) : 0;
}

std::wstring CDialogDeviceSetting::GetHelpVideoMode()
{
    return ::GetHelpVideoMode(Language(), Main()->m_device);
}

std::wstring CDialogDeviceSetting::GetHelpEnhancedDataRate()
{
    return ::GetHelpEnhancedDataRate(Language());
}

std::wstring CDialogDeviceSetting::GetOnboardAudioNotice()
{
    return ::GetOnboardAudioNotice(Language());
}

std::wstring CDialogDeviceSetting::GetRestartNotice()
{
    return ::GetRestartNotice(Language());
}

std::wstring CDialogDeviceSetting::GetTimeoutRangeLabel()
{
    return ::GetTimeoutRangeLabel(Language());
}

// ---------------------------------------------------------------- commands

void CDialogDeviceSetting::OnDefault()
{
    if (Guarded())
        return;
    CMainDialog* main = Main();
    // These units keep their voice-prompt language and channel through DEFAULT.
    if (main->m_modelCode == 0x3110 || main->m_modelCode == 0x3116 || main->m_modelCode == 0x3118)
        m_defaults.m_settings[3] = main->m_device.m_settings[3];
    ReloadFrom(m_defaults);
}

void CDialogDeviceSetting::OnPair(ClassicRow rowName, int enable)
{
    if (Guarded())
        return;
    const ClassicRowControls& row = GetClassicRowControls(rowName);
    row.store(m_config, Main()->m_modelCode, enable);
    SetPair(row, enable != 0);
    Main()->RefreshView();
}

void CDialogDeviceSetting::OnGain(int place)
{
    if (Guarded())
        return;
    GetClassicRowControls(ClassicRow::RadioTransmitGain).store(m_config, Main()->m_modelCode, place);
    m_radioGainLow.SetCheck(place == 0);
    m_radioGainMedium.SetCheck(place == 1);
    m_radioGainHigh.SetCheck(place == 2);
    Main()->RefreshView();
}

// The spin's position counts only when it reports no error; the store holds it to 3..60.
void CDialogDeviceSetting::OnTimeoutChanged()
{
    if (!m_spinTimeout.m_hWnd)
        return;
    const DWORD position = m_spinTimeout.GetPos();
    if (HIWORD(position) != 0)
        return;
    GetClassicRowControls(ClassicRow::AudioChannelTimeout)
        .store(m_config, Main()->m_modelCode, static_cast<short>(LOWORD(position)));
    Main()->RefreshView();
}

void CDialogDeviceSetting::OnComboChanged(ClassicRow rowName, CComboBox& combo)
{
    if (Guarded())
        return;
    const int selection = combo.GetCurSel();
    if (selection < 0)
        return;
    GetClassicRowControls(rowName).store(m_config, Main()->m_modelCode, selection);
    Main()->RefreshView();
}

void CDialogDeviceSetting::OnHelp(int buttonId)
{
    if (Guarded())
        return;
    CMainDialog* main = Main();
    const int language = main->m_uiLanguage;
    const HelpBox help = HelpBoxForButton(buttonId, language, main->m_modelCode);
    const CString ok = GetTextOk(language).c_str();
    const CString sendEmail = GetTextSendEmail(language).c_str();
    CDialogMessageBox box(main);
    box.SetContent(help.text.c_str(), 0, help.offersEmail ? &sendEmail : nullptr, &ok, CSize(help.width, help.height));
    // "SEND Email" ends the box with IDCANCEL; without that button Esc does nothing.
    if (box.DoModal() == IDCANCEL && help.offersEmail)
        ShellOpenUrl(std::wstring(L"mailto:") + GetSupportAddress());
}

void CDialogDeviceSetting::OnNoteMore()
{
    if (Guarded())
        return;
    CMainDialog* main = Main();
    const int language = main->m_uiLanguage;
    CString notice;
    GetDlgItem(IDC_RESTART_NOTE)->GetWindowText(notice);
    const std::wstring message =
        L"[" + GetTextPageTitle(main->m_page, language) + L"]\n" + static_cast<const wchar_t*>(notice);
    const CString ok = GetTextOk(language).c_str();
    CDialogMessageBox box(main);
    box.SetContent(message.c_str(), 0, nullptr, &ok, CSize(510, 160));
    box.DoModal();
}

void CDialogDeviceSetting::OnCommand(int id, int code)
{
    if (id == IDC_TIMEOUT_EDIT) {
        if (code == EN_CHANGE)
            OnTimeoutChanged();
        return;
    }
    if (code == CBN_SELCHANGE) {
        if (id == IDC_MOTION_COMBO)
            OnComboChanged(ClassicRow::MotionSensorSensitivity, m_comboMotion);
        else if (id == IDC_OVERLAY_COMBO)
            OnComboChanged(ClassicRow::OverlaySensitivity, m_comboOverlay);
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case IDC_SETTINGS_DEFAULT: OnDefault(); return;
    case IDC_SETTINGS_CANCEL: OnCancelEdits(); return;
    case IDC_GAIN_LOW: OnGain(0); return;
    case IDC_GAIN_MEDIUM: OnGain(1); return;
    case IDC_GAIN_HIGH: OnGain(2); return;
    case IDC_NOTE_MORE: OnNoteMore(); return;
    default: break;
    }
    if (std::find(std::begin(kHelpButtons), std::end(kHelpButtons), id) != std::end(kHelpButtons)) {
        OnHelp(id);
        return;
    }
    for (const ClassicRowControls& row : ClassicRowTable()) {
        if (row.enableId && (id == row.enableId || id == row.enableId + 1)) {
            OnPair(row.row, id == row.enableId ? 1 : 0);
            return;
        }
    }
}

BOOL CDialogDeviceSetting::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && lParam) {
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        *result = 0;
        return TRUE;
    }
    if ((message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLOREDIT ||
         message == WM_CTLCOLORDLG) &&
        Main()) {
        CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkMode(dc, TRANSPARENT);
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id == IDC_EDR_NOTICE || id == IDC_RESTART_NOTE)
            ::SetTextColor(dc, kNoticeColour);
        *result = reinterpret_cast<LRESULT>(Main()->m_brushes[0].GetSafeHandle());
        return TRUE;
    }
    return CSettingsPageDialog::OnWndMsg(message, wParam, lParam, result);
}
