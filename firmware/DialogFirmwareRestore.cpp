#include "firmware/DialogFirmwareRestore.h"

#include <string>
#include <vector>

#include "device/ModelCatalogue.h"
#include "firmware/ArchivedSettingsList.h"
#include "firmware/DialogFirmwareUpdate.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/JobTexts.h"
#include "firmware/RevisionsList.h"
#include "firmware/SettingsArchive.h"
#include "link/Download.h"
#include "link/FirmwareServer.h"
#include "res/resource.h"
#include "settings/ConfigListGridAccess.h"
#include "shell/MainDialog.h"
#include "text/FirmwareTexts.h"
#include "text/NameTables.h"
#include "text/RestorePageTexts.h"
#include "text/StatusTexts.h"
#include "text/UiLanguages.h"

namespace {

constexpr UINT kArchiveTimerFirstMs = 500;
constexpr COLORREF kTitleColour = 0xD77538;
constexpr int kListColumnWidths[3] = {322, 11, 177}; // name, ":" and value

const int kPairCaptionIds[kBackupInfoPairs] = {IDC_RESTORE_CAPTION1, IDC_RESTORE_CAPTION2, IDC_RESTORE_CAPTION3,
                                               IDC_RESTORE_CAPTION4, IDC_RESTORE_CAPTION5, IDC_RESTORE_CAPTION6};
const int kPairValueIds[kBackupInfoPairs] = {IDC_RESTORE_VALUE1, IDC_RESTORE_VALUE2, IDC_RESTORE_VALUE3,
                                             IDC_RESTORE_VALUE4, IDC_RESTORE_VALUE5, IDC_RESTORE_VALUE6};

void WriteMainStatusTexts(CMainDialog& main, const LanguageTexts& texts)
{
    for (int language = 0; language < kUiLanguageCount; ++language)
        main.SetStatusTextForLanguage(texts[static_cast<std::size_t>(language)].c_str(), language);
}

// How the backup download's end is told to the page.
WPARAM BackupDownloadResultOf(int received)
{
    if (received > 0)
        return kBackupDownloaded;
    return received == kDownloadFileError ? kBackupFileError : kBackupDownloadFailed;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogFirmwareRestore, CWaitCursorPage)
ON_WM_CTLCOLOR()
ON_WM_TIMER()
ON_MESSAGE(kBackupFirmwareDownloadedMessage, OnBackupFirmwareDownloaded)
ON_MESSAGE(CDialogFirmwareRestore::kRevisionsFetchedMessage, OnRevisionsFetched)
END_MESSAGE_MAP()

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CWaitCursorPage(IDD_FIRMWARE_RESTORE, parent) {}

CDialogFirmwareRestore::~CDialogFirmwareRestore() = default;

void CDialogFirmwareRestore::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_RESTORE_TITLE, m_title);
    DDX_Control(dx, IDC_RESTORE_VERSION_CAPTION, m_versionCaption);
    DDX_Control(dx, IDC_RESTORE_VERSION, m_versionValue);
    DDX_Control(dx, IDC_RESTORE_VERSION_LIST, m_versionList);
    DDX_Control(dx, IDC_RESTORE_VOICE_PROMPT_CAPTION, m_voicePromptCaption);
    DDX_Control(dx, IDC_RESTORE_DATE_CAPTION, m_dateCaption);
    DDX_Control(dx, IDC_RESTORE_DATE, m_dateValue);
    for (int pair = 0; pair < kBackupInfoPairs; ++pair) {
        DDX_Control(dx, kPairCaptionIds[pair], m_captions[pair]);
        DDX_Control(dx, kPairValueIds[pair], m_values[pair]);
    }
    DDX_Control(dx, IDC_RESTORE_SETTINGS_LIST, m_settingsList);
}

BOOL CDialogFirmwareRestore::OnInitDialog()
{
    CWaitCursorPage::OnInitDialog();
    HFONT pageFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTW logFont{};
    if (pageFont && ::GetObjectW(pageFont, sizeof logFont, &logFont)) {
        logFont.lfWeight = FW_BOLD;
        // Made once for the page's life: the labels hold it as long as the program runs.
        HFONT bold = ::CreateFontIndirectW(&logFont);
        CWnd* bolded[] = {&m_title,       &m_versionCaption, &m_versionValue, &m_versionList, &m_voicePromptCaption,
                          &m_dateCaption, &m_dateValue};
        for (CWnd* control : bolded)
            control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
        for (int pair = 0; pair < kBackupInfoPairs; ++pair) {
            m_captions[pair].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
            m_values[pair].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
        }
        m_settingsList.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    }
    m_archiveRead = 0;
    for (int column = 0; column < 3; ++column) {
        m_settingsList.InsertColumnCells(column);
        m_settingsList.InsertColumn(column, L"", LVCFMT_LEFT, -1, -1);
        m_settingsList.ShiftColumnTexts(column);
    }
    SetListColumnWidths();
    return TRUE;
}

int CDialogFirmwareRestore::Language() const
{
    CMainDialog* main = GetMainDialog(this);
    return main ? UiLanguageRow(main->m_uiLanguage) : 0;
}

int CDialogFirmwareRestore::CurrentCategory() const
{
    if (m_settingsPageIndex < 0 || m_settingsPageIndex >= kSettingsPageSlots)
        return 0;
    return m_settingsPages[m_settingsPageIndex];
}

HBRUSH CDialogFirmwareRestore::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH brush = CWaitCursorPage::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkMode(TRANSPARENT);
    if (wnd && wnd->GetDlgCtrlID() == IDC_RESTORE_TITLE)
        dc->SetTextColor(kTitleColour);
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return brush;
    // The category list of the main window keeps the keys while it is open.
    if (main->m_dropListOpen) {
        if (CWnd* list = main->GetDlgItem(IDC_SETTINGS_PAGE_LIST))
            list->SetFocus();
    }
    return main->m_brushes[kSkinBrushWhite];
}

void CDialogFirmwareRestore::EnterPage(int mode)
{
    m_archiveRead = 0;
    m_entryMode = mode;
    CMainDialog* main = GetMainDialog(this);
    if (main)
        main->m_progress = -1;
    ResetRestoreState();
    m_firmwareInfo->Reset(4);
    m_firmwareInfo->Lock()->m_clearedMark = 1;
    if (!m_hWnd)
        return;
    m_versionList.ResetContent();
    if (main) {
        main->m_busy = 1;
        main->RefreshView();
    }
    SetRedraw(FALSE);
    RefreshPage();
    SetTimer(kArchiveTimer, kArchiveTimerFirstMs);
}

void CDialogFirmwareRestore::ResetRestoreState()
{
    ClearSettingsPageList(m_settingsPageCount, m_settingsPages, m_settingsPageIndex);
    if (CMainDialog* main = GetMainDialog(this))
        main->m_dropListOpen = 0;
}

void CDialogFirmwareRestore::HideAllControls()
{
    CWnd* details[] = {&m_versionCaption, &m_versionValue, &m_dateCaption, &m_dateValue};
    for (CWnd* control : details)
        control->ShowWindow(SW_HIDE);
    ShowLabelPairs(false);
    m_settingsList.ShowWindow(SW_HIDE);
}

void CDialogFirmwareRestore::ShowLabelPairs(bool show)
{
    for (int pair = 0; pair < kBackupInfoPairs; ++pair) {
        m_captions[pair].ShowWindow(show ? SW_SHOW : SW_HIDE);
        m_values[pair].ShowWindow(show ? SW_SHOW : SW_HIDE);
    }
}

void CDialogFirmwareRestore::ShowSettingsList()
{
    const int ready = m_firmwareInfo->Lock()->m_clearedMark;
    m_settingsList.ShowWindow(ready ? SW_SHOW : SW_HIDE);
}

CString CDialogFirmwareRestore::GetBackupInfoTitle() const
{
    return TextBackupFirmwareInformation(Language());
}

void CDialogFirmwareRestore::SetNumberedLabels(const BackupInfoTexts& texts)
{
    for (int pair = 0; pair < kBackupInfoPairs; ++pair) {
        if (texts.captions[pair])
            m_captions[pair].SetWindowText(texts.captions[pair]->c_str());
        if (texts.values[pair])
            m_values[pair].SetWindowText(texts.values[pair]->c_str());
    }
}

void CDialogFirmwareRestore::SetListColumnWidths()
{
    for (int column = 0; column < 3; ++column)
        m_settingsList.SetColumnWidth(column, kListColumnWidths[column]);
}

void CDialogFirmwareRestore::BuildBackupInfoText()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main || !m_hWnd)
        return;
    const BackupInfoTexts texts =
        BuildBackupInfoTexts(main->m_modelCode, m_archive, CurrentCategory(), Language(), m_versionList.GetCount());
    // The FM block's preset lines stand left-aligned; the sixth caption keeps its alignment.
    for (int pair = 0; pair < kBackupInfoPairs - 1; ++pair)
        m_captions[pair].ModifyStyle(texts.captionsRightAligned ? 0 : SS_RIGHT,
                                     texts.captionsRightAligned ? SS_RIGHT : 0);
    m_title.SetWindowText(GetBackupInfoTitle());
    if (texts.versionCaptionCentred)
        m_versionCaption.ModifyStyle(SS_RIGHT, SS_CENTER);
    else
        m_versionCaption.ModifyStyle(SS_CENTER, SS_RIGHT);
    m_versionCaption.SetWindowText(texts.versionCaption.c_str());
    m_versionValue.SetWindowText(texts.versionValue.c_str());
    m_dateCaption.SetWindowText(texts.row0Caption.c_str());
    m_dateValue.SetWindowText(texts.row0Value.c_str());
    SetNumberedLabels(texts);
}

void CDialogFirmwareRestore::FillArchivedSettingsList()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    ArchivedListCategories categories;
    categories.count = m_settingsPageCount;
    for (int slot = 0; slot < kSettingsPageSlots; ++slot)
        categories.pages[slot] = m_settingsPages[slot];
    categories.index = m_settingsPageIndex;
    CConfigListFill fill(m_settingsList);
    ConfigListGridAccess list(m_settingsList);
    FillArchivedSettings(list, main->m_modelCode, m_archive, main->m_uiLanguage, categories);
}

void CDialogFirmwareRestore::RefreshPage()
{
    ++m_refreshCalls;
    CMainDialog* main = GetMainDialog(this);
    if (!main || !m_hWnd)
        return;
    if (!m_archiveRead) {
        HideAllControls();
        return;
    }
    SetRedraw(FALSE);
    BuildBackupInfoText();
    m_versionList.EnableWindow(!main->m_busy && !main->m_dropListOpen);
    CWnd* details[] = {&m_versionCaption, &m_versionValue, &m_dateCaption, &m_dateValue};
    for (CWnd* control : details)
        control->ShowWindow(SW_SHOW);
    ShowLabelPairs(true);
    FillArchivedSettingsList();
    m_settingsList.ShowWindow(SW_HIDE);

    const int language = Language();
    if (m_versionList.GetCount() >= 2) {
        // Relabelled in the UI language; the chosen variant stays chosen.
        const int selected = m_versionList.GetCurSel();
        m_versionList.ResetContent();
        std::vector<std::wstring> languages;
        {
            auto job = m_firmwareInfo->Lock();
            for (int i = 0; i < job->m_count; ++i)
                languages.push_back(job->FileLanguage(i));
        }
        for (const std::wstring& name : languages)
            m_versionList.AddString(TranslateLanguageName(name, language).c_str());
        m_versionList.SetCurSel(selected);
        m_voicePromptCaption.SetWindowText(TextVoicePrompt(language).c_str());
    }

    const int ready = m_firmwareInfo->Lock()->m_clearedMark;
    const RestorePageVisibility visibility =
        DecideRestorePageVisibility(main->m_modelCode, CurrentCategory(), m_archive, ready, m_versionList.GetCount());
    m_versionList.ShowWindow(visibility.comboShown ? SW_SHOW : SW_HIDE);
    m_voicePromptCaption.ShowWindow(visibility.comboShown ? SW_SHOW : SW_HIDE);
    if (visibility.firstCaptionRight)
        m_captions[0].ModifyStyle(0, SS_RIGHT);
    for (CWnd* control : details)
        control->ShowWindow(visibility.details ? SW_SHOW : SW_HIDE);
    for (int pair = 0; pair < kBackupInfoPairs; ++pair) {
        const bool shown = (visibility.pairsShown & (1u << pair)) != 0;
        m_captions[pair].ShowWindow(shown ? SW_SHOW : SW_HIDE);
        m_values[pair].ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
    if (visibility.listShown)
        ShowSettingsList();
    SetRedraw(TRUE);
    InvalidateRect(nullptr, TRUE);
}

int CDialogFirmwareRestore::LoadSettingsArchive()
{
    CMainDialog* main = GetMainDialog(this);
    const std::wstring program = RunningProgramPath();
    if (!main || program.empty())
        return 0;
    m_archiveRead = 1;
    std::wstring path;
    if (!SettingsArchivePath(program, main->m_modelCode, path))
        return 0;
    return ::LoadSettingsArchive(HostFileSystem(), path, m_archive);
}

void CDialogFirmwareRestore::ShowStatus(int failure)
{
    if (CMainDialog* main = GetMainDialog(this))
        main->ShowStatusText(main->GetStatusText(), failure);
}

void CDialogFirmwareRestore::ReadArchiveAndBackupList()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    m_firmwareInfo->Lock()->m_state = kJobIdle;
    const int archiveUsable = LoadSettingsArchive();
    m_firmwareInfo->Lock()->m_clearedMark = archiveUsable;
    if (!archiveUsable) {
        WriteMainStatusTexts(*main, FailureTexts(main->m_page, main->m_usbStatus, GetTextNoBackupFirmware));
        FinishArchiveAndBackupList();
        return;
    }
    m_firmwareInfo->Lock()->m_clearedMark = 0;
    // The list comes on the exchange's thread. The user waits for it, as when
    // the window waited (the read after a change of language comes without
    // the entry's busy), but the page paints what it has meanwhile. One
    // already on its way ends in its own message.
    if (!main->m_busy) {
        main->m_busy = 1;
        main->RefreshView();
    }
    SetRedraw(TRUE);
    InvalidateRect(nullptr, TRUE);
    const ServerExchangeRequest request{FirmwareServerBaseUrl() + L"Revisions", std::wstring()};
    if (!m_revisionsExchange.Start(request, PostWhenEnded(m_hWnd, kRevisionsFetchedMessage)) &&
        !m_revisionsExchange.Running())
        TakeRevisionsList(m_revisionsExchange.TakeEnd());
}

LRESULT CDialogFirmwareRestore::OnRevisionsFetched(WPARAM, LPARAM)
{
    const ServerExchangeEnd end = m_revisionsExchange.TakeEnd();
    if (end.ended)
        TakeRevisionsList(end);
    return 0;
}

void CDialogFirmwareRestore::TakeRevisionsList(const ServerExchangeEnd& end)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    const int page = main->m_page;
    const int usbStatus = main->m_usbStatus;
    if (!end.ended || end.received < 1 || end.body.empty()) {
        WriteMainStatusTexts(*main, FailureTexts(page, usbStatus, GetTextCannotConnectServer));
    } else {
        RevisionsQuery query;
        query.modelKey = GetModelName(main->m_modelCode, 1);
        query.modelCode = main->m_modelCode;
        query.archive = &m_archive;
        query.uiLanguage = Language();
        query.firmwareLanguage = main->m_firmwareLanguage.str();
        query.applyToFirmwareLanguage = main->m_applyToFirmwareLanguage;
        // The list is read as a C string: up to its first zero byte.
        const RevisionsMatch match = MatchRevisionsList(ArchiveBytesToText(std::string(end.body.c_str())), query);
        m_firmwareInfo->With([&match](FirmwareInfo& job) { StoreRevisionsMatch(match, job); });
        for (const std::wstring& language : match.languages)
            m_versionList.AddString(TranslateLanguageName(language, query.uiLanguage).c_str());
        if (match.selectedItem >= 0)
            m_versionList.SetCurSel(match.selectedItem);
        if (!match.ready)
            WriteMainStatusTexts(*main, FailureTexts(page, usbStatus, GetTextNoBackupFirmwareOnServer));
    }
    FinishArchiveAndBackupList();
}

void CDialogFirmwareRestore::FinishArchiveAndBackupList()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    const int ready = m_firmwareInfo->Lock()->m_clearedMark;
    // Back after a restore, the completion's texts stay.
    if (ready && m_entryMode != 0) {
        const LanguageTexts texts = m_versionList.GetCount() > 0
                                        ? FillLanguageTexts(L"%s", {GetTextAfterVoicePromptLanguage})
                                        : FillLanguageTexts(L"%s", {GetTextPressRestoreButton});
        WriteMainStatusTexts(*main, texts);
    }
    BuildSettingsPageList(m_archive.m_modelCode, m_archive.m_firmwareVersion.major, m_archive.m_firmwareVersion.minor,
                          m_settingsPageCount, m_settingsPages, m_settingsPageIndex);
    ShowStatus(ready ? 0 : 1);
    main->m_busy = 0;
    main->RefreshView();
    RefreshPage();
    SetRedraw(TRUE);
    InvalidateRect(nullptr, TRUE);
}

void CDialogFirmwareRestore::OnTimer(UINT_PTR id)
{
    if (id == kArchiveTimer) {
        KillTimer(kArchiveTimer);
        ++m_archiveTimerTicks;
        ReadArchiveAndBackupList();
    }
    CWaitCursorPage::OnTimer(id);
}

void CDialogFirmwareRestore::StartBackupFirmwareDownload()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main || !m_hWnd)
        return;
    {
        auto job = m_firmwareInfo->Lock();
        job->m_state = kJobUpdateStarted;
        job->ReplaceStatusTexts(LanguageTextSet{});
    }
    main->m_busy = 1;
    main->RefreshView();
    RefreshPage();
    // Without a selection the chosen file stays the one the list preselected.
    const int selected = m_versionList.GetCount() > 0 ? m_versionList.GetCurSel() : -1;
    if (selected >= 0) {
        auto job = m_firmwareInfo->Lock();
        if (selected < job->m_count) {
            main->m_firmwareLanguage = job->FileLanguage(selected);
            job->m_selectedFile = job->FileName(selected);
        }
    }
    const LanguageTexts texts = ActivityTexts(main->m_page, main->m_usbStatus, GetTextAboutToDownloadBackup);
    WriteMainStatusTexts(*main, texts);
    WriteJobStatusTexts(*m_firmwareInfo, texts);
    ShowStatus(0);

    StartFirmwareImageDownload(main->m_modelCode, RunningProgramPath());
}

// The image's place and name are found here, on the window's thread; the
// exchange's thread gets them as values and reads nothing of the window.
void CDialogFirmwareRestore::StartFirmwareImageDownload(int modelCode, const std::wstring& programPath)
{
    std::wstring folder;
    // Without the program's own folder there is no place for the image: never
    // a drive root or the current folder.
    const bool haveFolder = ProgramImageFolder(programPath, folder);
    const std::wstring imagePath = haveFolder ? folder + GetModelName(modelCode, 1) + L".img" : std::wstring();
    std::wstring chosenFile;
    {
        auto job = m_firmwareInfo->Lock();
        job->m_state = kJobDownloadingImage;
        chosenFile = job->m_selectedFile;
        job->m_imagePath = imagePath;
    }
    if (!haveFolder) {
        PostMessage(kBackupFirmwareDownloadedMessage, kBackupFileError, 0);
        return;
    }
    // The downloader writes beside the image and replaces it only when
    // complete, so a failed download leaves an earlier image as it was.
    const HWND window = m_hWnd;
    const ServerExchangeRequest request{FirmwareServerBaseUrl() + chosenFile, imagePath};
    const bool started = m_backupExchange.Start(request, [window](int received) {
        ::PostMessageW(window, kBackupFirmwareDownloadedMessage, BackupDownloadResultOf(received), 0);
    });
    if (!started)
        PostMessage(kBackupFirmwareDownloadedMessage, kBackupDownloadFailed, 0);
}

LRESULT CDialogFirmwareRestore::OnBackupFirmwareDownloaded(WPARAM wParam, LPARAM)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return 0;
    if (wParam == kBackupDownloaded) {
        if (CDialogFirmwareUpdate* update = main->FirmwareUpdatePage())
            update->StartRestore(RestoreJobRequest{m_firmwareInfo, m_archive});
        return 0;
    }
    const TextInLanguage reason =
        wParam == kBackupFileError ? TextInLanguage(GetTextCannotOpenFile) : TextInLanguage(GetTextCannotConnectServer);
    const LanguageTexts texts =
        FillLanguageTexts(L"%s. %s", {GetTextDownloadLatestFailed, [&](int language) { return reason(language); }});
    WriteMainStatusTexts(*main, texts);
    WriteJobStatusTexts(*m_firmwareInfo, texts);
    ShowStatus(1);
    main->m_busy = 0;
    main->RefreshView();
    return 0;
}
