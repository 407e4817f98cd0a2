// The frame around the page: the status line in 13 languages, RefreshView,
// the device lines and picture, the fonts, the tool tips, the change of UI
// language and the frame's own texts.
#include "app/UpdaterDlg.h"

#include "app/DeviceLines.h"
#include "app/DevicePictures.h"
#include "firmware/FirmwarePrompt.h"
#include "link/DeviceFinders.h"
#include "res/resource.h"
#include "text/MainWindowTexts.h"
#include "text/NameTables.h"
#include "text/SettingsPageTitle.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/StatusWords.h"
#include "text/TextFormat.h"

namespace {

const int kFrenchLanguage = 1;
const int kGermanLanguage = 2;
const int kRefreshAgainMs = 10;

void Apply(CWnd& control, Set enabled, Set visible)
{
    if (!control.m_hWnd)
        return;
    if (enabled != Set::Keep)
        control.EnableWindow(enabled == Set::On);
    if (visible != Set::Keep)
        control.ShowWindow(visible == Set::On ? SW_SHOW : SW_HIDE);
}

} // namespace

// ---------------------------------------------------------------- status line

void CUpdaterDlg::ShowStatusText(const CString& text, int failure)
{
    m_statusIconFlag = failure ? 0 : 1;
    if (!m_hWnd)
        return;
    m_statusUpper.SetWindowText(L"");
    m_statusLine.SetWindowText(text);
    // The colour of the status area follows the flag.
    m_statusUpper.Invalidate();
    m_statusLine.Invalidate();
}

void CUpdaterDlg::ShowPageStatus()
{
    ShowStatusText(BuildReadyStatus(), 0);
}

void CUpdaterDlg::RefreshStatusText()
{
    if (!m_hWnd)
        return;
    m_statusUpper.SetWindowText(L"");
    m_statusLine.SetWindowText(GetStatusText());
}

// ---------------------------------------------------------------- the view

FrameFacts CUpdaterDlg::GetFrameFacts()
{
    FrameFacts facts;
    facts.page = m_page;
    facts.recognized = m_recognized;
    facts.usbStatus = m_usbStatus;
    facts.modelCode = m_modelCode;
    facts.busy = m_busy;
    facts.dropListOpen = m_dropListOpen;
    facts.progress = m_progress;
    facts.settingsPageCount = m_settingsPageCount;
    facts.settingsPageIndex = m_settingsPageIndex;
    const CDialogFirmwareRestore& restore = m_pageFirmwareRestore;
    facts.restoreArchiveReady = restore.m_firmwareInfo->Lock()->m_clearedMark;
    facts.restorePageCount = restore.m_settingsPageCount;
    facts.restorePageIndex = restore.m_settingsPageIndex;
    for (int i = 0; i < 3; ++i) {
        facts.settingsPages[i] = m_settingsPages[i];
        facts.restorePages[i] = restore.m_settingsPages[i];
    }
    const CEdit& imagePath = m_pageFirmwareUpdate.m_imagePath;
    facts.updateImagePathEmpty = !imagePath.m_hWnd || imagePath.GetWindowTextLength() == 0;
    if (CSettingsPageDialog* settings = GetSettingsPage(m_page))
        facts.settingsModified = settings->CompareSettings() != 0;
    return facts;
}

// The title of category list entry index; a list's index of -1 (a page
// whose category the unit does not offer) names nothing.
static CString CategoryTitle(const int* categories, int count, int index, int language)
{
    if (index < 0 || index >= count || index >= 3)
        return CString();
    return GetTextSettingsPageTitle(categories[index], language);
}

void CUpdaterDlg::RefreshView()
{
    if (!m_hWnd)
        return;
    m_languageFlag.SetBitmap(m_flags[UiLanguageRow(m_uiLanguage)]);
    UpdatePageCaptions();
    FormatDeviceVersion();
    m_buttonBack.SetWindowText(GetCaptionBack());
    m_buttonBackToUpdate.SetWindowText(GetCaptionBackToPage());
    m_buttonForwardToRestore.SetWindowText(GetCaptionForwardToPage());

    const FrameFacts facts = GetFrameFacts();
    const FrameView view = ComputeFrameView(facts);

    if (view.categories != CategorySource::None) {
        const bool restore = view.categories == CategorySource::Restore;
        const int* categories = restore ? facts.restorePages : facts.settingsPages;
        const int count = restore ? facts.restorePageCount : facts.settingsPageCount;
        const int index = restore ? facts.restorePageIndex : facts.settingsPageIndex;
        if (count == 2) {
            m_buttonFirstSettingsPage.SetWindowText(CategoryTitle(categories, count, 0, m_uiLanguage));
            m_buttonSettingsPageList.SetWindowText(CategoryTitle(categories, count, 1, m_uiLanguage));
        } else if (count == 3) {
            m_buttonFirstSettingsPage.SetWindowText(CategoryTitle(categories, count, index, m_uiLanguage));
            m_buttonSettingsPageList.SetWindowText(std::wstring(TextMore(m_uiLanguage)).c_str());
        }
    }

    m_buttonNext.SetWindowText(view.next == NextCaption::NewDevice ? GetCaptionNewDevice() : GetCaptionNext());
    CButton* pageButtons[5] = {&m_buttonHome, &m_buttonDeviceRecognition, &m_buttonFirmwareUpdate,
                               &m_buttonFirmwareRestore, &m_buttonDeviceSetting};
    for (int i = 0; i < 5; ++i)
        pageButtons[i]->SetState(i == view.pressedPageButton);
    switch (view.apply) {
    case ApplyCaption::Update: m_buttonApply.SetWindowText(GetCaptionUpdate()); break;
    case ApplyCaption::Restore: m_buttonApply.SetWindowText(GetCaptionRestore()); break;
    case ApplyCaption::Save: m_buttonApply.SetWindowText(GetTextSave()); break;
    case ApplyCaption::Keep: break;
    }

    CWnd* controls[kFrameControlCount] = {};
    controls[kControlAbout] = &m_buttonAbout;
    controls[kControlClose] = &m_buttonClose;
    controls[kControlInformation] = &m_buttonInformation;
    controls[kControlHome] = &m_buttonHome;
    controls[kControlRecognition] = &m_buttonDeviceRecognition;
    controls[kControlUpdate] = &m_buttonFirmwareUpdate;
    controls[kControlRestore] = &m_buttonFirmwareRestore;
    controls[kControlSetting] = &m_buttonDeviceSetting;
    controls[kControlBack] = &m_buttonBack;
    controls[kControlBackToUpdate] = &m_buttonBackToUpdate;
    controls[kControlApply] = &m_buttonApply;
    controls[kControlNext] = &m_buttonNext;
    controls[kControlForwardRestore] = &m_buttonForwardToRestore;
    controls[kControlFirstCategory] = &m_buttonFirstSettingsPage;
    controls[kControlCategoryList] = &m_buttonSettingsPageList;
    controls[kControlCategoryDrop] = &m_settingsPageList;
    controls[kControlProgress] = &m_progressBar;
    controls[kControlPercentSign] = &m_percentSign;
    controls[kControlPercentNumber] = &m_percentNumber;
    controls[kControlUpdateGuide] = &m_pageFirmwareUpdate.m_instruction;
    for (int i = 0; i < kFrameControlCount; ++i)
        Apply(*controls[i], view.enabled[i], view.visible[i]);

    if (view.progress >= 0) {
        m_progressBar.SetPos(view.progress);
        m_percentNumber.SetWindowText(std::to_wstring(view.progress).c_str());
    }
    // The shown page's controls too: the frame's paint covers them otherwise,
    // and a page that stays on screen through a job would lose them.
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CUpdaterDlg::UpdatePageCaptions()
{
    CButton* pageButtons[5] = {&m_buttonHome, &m_buttonDeviceRecognition, &m_buttonFirmwareUpdate,
                               &m_buttonFirmwareRestore, &m_buttonDeviceSetting};
    for (int i = 0; i < 5; ++i)
        pageButtons[i]->SetWindowText(GetTextPageTitle(i + 1, m_uiLanguage).c_str());
}

// The state product's picture asks the unit once, and never while an
// operation may be using its channel.
int CUpdaterDlg::GetDevicePictureId()
{
    const int product = m_device.m_modelCode;
    if (product == kStatePictureProduct && m_deviceState < 0) {
        if (m_busy)
            return ::GetDevicePictureId(product, 0);
        m_deviceState = QueryHidDeviceState(&m_hidPrimary);
    }
    return ::GetDevicePictureId(product, m_deviceState < 0 ? 0 : m_deviceState);
}

void CUpdaterDlg::FormatDeviceVersion()
{
    if (!m_hWnd)
        return;
    int picture = IDB_NO_DEVICE;
    std::wstring line1, line2;
    if (!m_recognized) {
        line1 = TextNoDeviceLine1(m_uiLanguage);
        line2 = TextNoDeviceLine2(m_uiLanguage);
    } else if (IsDfuMode(m_usbStatus)) {
        line1 = TextFirmwareManagementLine1(m_uiLanguage);
        line2 = TextFirmwareManagementLine2(m_uiLanguage);
    } else {
        picture = GetDevicePictureId();
        line1 = CutDeviceName(m_device.m_deviceName);
        line2 = FormatDeviceVersionLine(m_device);
    }
    if (picture != m_devicePictureId || !m_devicePictureBitmap.GetSafeHandle()) {
        CBitmap previous;
        previous.Attach(m_devicePictureBitmap.Detach());
        m_devicePictureBitmap.LoadBitmap(static_cast<UINT>(picture));
        m_devicePicture.SetBitmap(m_devicePictureBitmap);
        m_devicePictureId = picture;
    }
    m_deviceLine1.SetWindowText(line1.c_str());
    m_deviceLine2.SetWindowText(line2.c_str());
}

// ---------------------------------------------------------------- fonts and tool tips

void CUpdaterDlg::CreateFonts()
{
    CFont* dialogFont = GetFont();
    LOGFONTW description{};
    if (!dialogFont || !dialogFont->GetLogFont(&description))
        return;
    auto fonts = std::make_unique<FrameFonts>();
    description.lfWeight = FW_BOLD;
    // Any character set, so that the glyphs of every UI language are found.
    description.lfCharSet = DEFAULT_CHARSET;
    fonts->bold.CreateFontIndirect(&description);
    CWnd* boldControls[] = {
        &m_deviceLine1,
        &m_deviceLine2,
        &m_buttonAbout,
        &m_buttonClose,
        &m_buttonInformation,
        &m_buttonHome,
        &m_buttonDeviceRecognition,
        &m_buttonFirmwareUpdate,
        &m_buttonFirmwareRestore,
        &m_buttonDeviceSetting,
        &m_breadcrumb,
        &m_statusUpper,
        &m_statusLine,
        &m_percentNumber,
        &m_percentSign,
        &m_buttonBack,
        &m_buttonBackToUpdate,
        &m_buttonNext,
        &m_buttonForwardToRestore,
        &m_buttonApply,
        &m_buttonFirstSettingsPage,
        &m_buttonSettingsPageList,
        &m_settingsPageList,
    };
    for (CWnd* control : boldControls)
        if (control->m_hWnd)
            control->SetFont(&fonts->bold, TRUE);

    // The longest page titles of French and German take a font one step smaller.
    if (m_uiLanguage == kFrenchLanguage || m_uiLanguage == kGermanLanguage) {
        description.lfHeight += 1;
        fonts->smaller.CreateFontIndirect(&description);
        if (m_uiLanguage == kFrenchLanguage) {
            m_buttonDeviceRecognition.SetFont(&fonts->smaller, TRUE);
            m_buttonFirmwareRestore.SetFont(&fonts->smaller, TRUE);
        } else {
            m_buttonDeviceSetting.SetFont(&fonts->smaller, TRUE);
        }
    }
    // Every control now uses the new set; the old one can go.
    m_fonts = std::move(fonts);
}

void CUpdaterDlg::SetToolTips()
{
    if (!m_toolTip.m_hWnd)
        return;
    const CString language = GetTextManagerLanguage(m_uiLanguage);
    const CString close = GetTextClose();
    const CString about = GetTextAbout();
    if (!m_toolTipsAdded) {
        m_toolTipsAdded = m_toolTip.AddTool(&m_languageFlag, language) && m_toolTip.AddTool(&m_buttonClose, close) &&
                          m_toolTip.AddTool(&m_buttonAbout, about);
        return;
    }
    m_toolTip.UpdateTipText(language, &m_languageFlag);
    m_toolTip.UpdateTipText(close, &m_buttonClose);
    m_toolTip.UpdateTipText(about, &m_buttonAbout);
}

void CUpdaterDlg::ActivateToolTips()
{
    if (m_toolTip.m_hWnd)
        return;
    m_toolTip.Create(this);
    m_toolTip.Activate(FALSE);
}

// ---------------------------------------------------------------- language

void CUpdaterDlg::ApplyLanguage(int language, int applyToFirmwareLanguage)
{
    if (language == m_uiLanguage && applyToFirmwareLanguage == m_applyToFirmwareLanguage)
        return;
    m_uiLanguage = language;
    m_applyToFirmwareLanguage = applyToFirmwareLanguage;
    CreateFonts();
    RefreshView();
    RefreshStatusText();
    SetToolTips();

    switch (m_page) {
    case 1: m_pageDeviceSelection.RefreshPage(); break;
    case 2: m_pageDeviceRecognition.RefreshPage(); break;
    case 3: {
        CDialogFirmwareUpdate& update = m_pageFirmwareUpdate;
        // The voice-prompt firmware follows the new language: the server is asked again, without a prompt.
        if (update.m_firmwareLanguageList.m_hWnd && update.m_firmwareLanguageList.GetCount() > 0 &&
            m_applyToFirmwareLanguage) {
            g_firmwarePromptArmed = 0;
            update.m_firmwareInfo->Reset(3);
            update.m_firmwareLanguageList.ResetContent();
            update.SetTimer(CDialogFirmwareUpdate::kIndexTimer, kRefreshAgainMs);
        } else {
            update.RefreshPage();
        }
        break;
    }
    case 4: {
        CDialogFirmwareRestore& restore = m_pageFirmwareRestore;
        if (restore.m_versionList.m_hWnd && restore.m_versionList.GetCount() > 0 && m_applyToFirmwareLanguage) {
            restore.m_firmwareInfo->Reset(4);
            restore.m_firmwareInfo->Lock()->m_clearedMark = 1;
            restore.m_versionList.ResetContent();
            restore.SetTimer(CDialogFirmwareRestore::kArchiveTimer, kRefreshAgainMs);
        } else {
            restore.RefreshPage();
        }
        break;
    }
    case 5:
        m_pageDeviceSetting.ApplyBoldFont();
        m_pageDeviceSetting.RefreshPage();
        m_pageDeviceSetting.FillPage();
        break;
    case 6: m_pageDeviceSettingSecond.RefreshPage(); break;
    case 7: m_pageDeviceSettingSpeedDial.RefreshPage(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- texts

CString CUpdaterDlg::GetCaptionNext() const
{
    return ::GetCaptionNext(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionBack() const
{
    return ::GetCaptionBack(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionNewDevice() const
{
    return ::GetCaptionNewDevice(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionBackToPage() const
{
    return ::GetCaptionBackToPage(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionForwardToPage() const
{
    return ::GetCaptionForwardToPage(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionUpdate() const
{
    return ::GetCaptionUpdate(m_uiLanguage);
}

CString CUpdaterDlg::GetCaptionRestore() const
{
    return ::GetCaptionRestore(m_uiLanguage);
}

CString CUpdaterDlg::GetTextSave() const
{
    return ::GetTextSave(m_uiLanguage);
}

CString CUpdaterDlg::GetTextSaveChangesPrompt() const
{
    return ::GetTextSaveChangesPrompt(m_uiLanguage);
}

CString CUpdaterDlg::GetTextAbout() const
{
    return ::GetTextAbout(m_uiLanguage);
}

CString CUpdaterDlg::GetTextOnlineHelp() const
{
    return ::GetTextOnlineHelp(m_uiLanguage);
}

CString CUpdaterDlg::GetTextDiagnosticLog() const
{
    return ::GetTextDiagnosticLog(m_uiLanguage);
}

CString CUpdaterDlg::GetTextClose() const
{
    return ::GetTextClose(m_uiLanguage);
}

CString CUpdaterDlg::GetTextHoldButtonPrompt() const
{
    return ::GetTextHoldButtonPrompt(m_modelCode, m_uiLanguage);
}

CString CUpdaterDlg::GetTextHoldTwoButtonsPrompt() const
{
    return ::GetTextHoldTwoButtonsPrompt(m_modelCode, m_uiLanguage);
}

CString CUpdaterDlg::GetTextBackupFailed() const
{
    return ::GetTextBackupFailed(m_uiLanguage);
}
