#include "firmware/DialogFirmwareUpdate.h"

#include <cstdlib>
#include <ctime>

#include "afx/afxdlgs.h"
#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "firmware/DfuPageHostWin32.h"
#include "firmware/DfuRoadRules.h"
#include "firmware/DfuSequence.h"
#include "firmware/CameraWorker.h"
#include "firmware/DialogFirmwareRestore.h"
#include "firmware/DualChipWorker.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/FirmwareIndex.h"
#include "firmware/FirmwarePrompt.h"
#include "firmware/ImageContainer.h"
#include "firmware/ImageHeaderCheck.h"
#include "firmware/ImageWorkers.h"
#include "firmware/JobTexts.h"
#include "firmware/LoaderUpdate.h"
#include "firmware/SettingsArchive.h"
#include "firmware/UpdatePreparation.h"
#include "firmware/UpdateProgress.h"
#include "link/DeviceFinders.h"
#include "link/DfuEngineLibrary.h"
#include "link/Download.h"
#include "link/FirmwareServer.h"
#include "link/HidChannel.h"
#include "link/UsbScan.h"
#include "res/resource.h"
#include "text/FirmwareTexts.h"
#include "text/MainWindowTexts.h"
#include "text/NameTables.h"
#include "text/SharedWords.h"
#include "text/StatusTexts.h"
#include "text/TextFormat.h"
#include "text/UiLanguages.h"
#include "text/UpdatePageTexts.h"

namespace {

constexpr UINT kIndexDelayMs = 500;
constexpr UINT kDeviceWaitPeriodMs = 500;
constexpr UINT kDownloadDelayMs = 500;
constexpr UINT kDownloadProgressPeriodMs = 500;

// The latest-version label while no server version is known.
constexpr COLORREF kNoServerColour = 0x0070FF;
constexpr COLORREF kTextColour = 0x000000;

constexpr int kCameraPackageModel = 0x3020;

bool HasServerVersion(const ImageVersion& version)
{
    return version.major != 0 || version.minor != 0 || version.kind != 0 || version.build != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogFirmwareUpdate, CWaitCursorPage)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_UPDATE_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_UPDATE_DOWNLOAD, OnDownload)
ON_WM_TIMER()
ON_MESSAGE(kDfuCallbackMessage, OnDfuCallback)
ON_MESSAGE(CDialogFirmwareUpdate::kArmWaitTimerMessage, OnArmWaitTimer)
ON_MESSAGE(CDialogFirmwareUpdate::kIndexFetchedMessage, OnIndexFetched)
ON_MESSAGE(CDialogFirmwareUpdate::kImageFetchedMessage, OnImageFetched)
END_MESSAGE_MAP()

CDialogFirmwareUpdate::CDialogFirmwareUpdate(CWnd* parent) : CWaitCursorPage(IDD_FIRMWARE_UPDATE, parent) {}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate()
{
    if (m_dfu)
        m_dfu->EndJob();
}

CDialogFirmwareRestore* CDialogFirmwareUpdate::RestorePage() const
{
    // The restore page is this page's sibling in the main window's page area.
    const CWnd* area = GetParent();
    if (!area)
        return nullptr;
    for (HWND child = ::GetWindow(area->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (auto* restore = dynamic_cast<CDialogFirmwareRestore*>(CWnd::FromHandlePermanent(child)))
            return restore;
    }
    return nullptr;
}

void CDialogFirmwareUpdate::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_UPDATE_CAPTION, m_caption);
    DDX_Control(dx, IDC_UPDATE_IMAGE_PATH, m_imagePath);
    DDX_Control(dx, IDC_UPDATE_BROWSE, m_browse);
    DDX_Control(dx, IDC_UPDATE_LATEST_VERSION, m_latestVersion);
    DDX_Control(dx, IDC_UPDATE_DOWNLOAD, m_download);
    DDX_Control(dx, IDC_UPDATE_FIRMWARE_LANGUAGE, m_firmwareLanguageList);
    DDX_Control(dx, IDC_UPDATE_VOICE_CAPTION, m_voicePromptCaption);
    DDX_Control(dx, IDC_UPDATE_INSTRUCTION, m_instruction);
}

BOOL CDialogFirmwareUpdate::OnInitDialog()
{
    CWaitCursorPage::OnInitDialog();
    m_waitTimerId = 0;
    m_restartPending = 0;
    LOGFONTW font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (dialogFont != nullptr && ::GetObjectW(dialogFont, sizeof font, &font) != 0) {
        font.lfWeight = FW_BOLD;
        if (m_boldFont.CreateFontIndirect(&font)) {
            CWnd* controls[] = {&m_caption,
                                &m_imagePath,
                                &m_browse,
                                &m_latestVersion,
                                &m_download,
                                &m_firmwareLanguageList,
                                &m_voicePromptCaption,
                                &m_instruction};
            for (CWnd* control : controls)
                control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont.m_hObject), TRUE);
        }
    }
    m_engines = std::make_unique<DfuLibraryEngines>(m_engineA, m_engineB);
    m_dfuHost = std::make_unique<DfuPageHost>(
        GetMainDialog(this), m_hWnd, [this]() -> FirmwareJob& { return Driven(); }, [this] { ArmWaitTimer(); });
    DfuPageFields fields;
    fields.activeEngine = &m_activeEngine;
    fields.engineACreated = &m_engineACreated;
    fields.engineBCreated = &m_engineBCreated;
    fields.waitTicks = &m_waitTicks;
    fields.restartPending = &m_restartPending;
    m_dfu = std::make_unique<DfuSequence>(*m_dfuHost, *m_engines, fields);
    return TRUE;
}

int CDialogFirmwareUpdate::UiLanguage() const
{
    const CMainDialog* main = GetMainDialog(this);
    return main ? main->m_uiLanguage : 0;
}

// ---------------------------------------------------------------- the page

void CDialogFirmwareUpdate::EnterPage()
{
    CMainDialog* main = GetMainDialog(this);
    if (main)
        main->m_progress = -1;
    m_activeEngine = 0;
    m_engineACreated = 0;
    m_engineBCreated = 0;
    m_autoUpdate = 0;
    m_firmwareInfo->Reset(3);
    if (!m_hWnd)
        return;
    m_imagePath.SetWindowText(L"");
    m_firmwareLanguageList.ResetContent();
    if (main) {
        main->m_busy = 1;
        main->RefreshView();
    }
    RefreshPage();
    SetTimer(kIndexTimer, kIndexDelayMs);
}

void CDialogFirmwareUpdate::RefreshPage()
{
    ++m_refreshCalls;
    const CMainDialog* main = GetMainDialog(this);
    if (!m_hWnd || !main)
        return;
    const int language = main->m_uiLanguage;
    SetRedraw(FALSE);
    m_caption.SetWindowText(GetTextFirmwareToUpdate(language).c_str());
    m_browse.SetWindowText(GetTextBrowse(language).c_str());
    m_download.SetWindowText(GetTextDownload(language).c_str());
    m_instruction.SetWindowText(GetTextVoicePromptSteps(language).c_str());
    const BOOL idle = main->m_busy == 0;
    m_browse.EnableWindow(idle);
    m_download.EnableWindow(idle);
    m_firmwareLanguageList.EnableWindow(idle);

    // Download stays level with the combo box, at the Browse button's height.
    CRect combo, browse, download;
    m_firmwareLanguageList.GetWindowRect(&combo);
    m_browse.GetWindowRect(&browse);
    m_download.GetWindowRect(&download);
    ScreenToClient(&combo);
    ScreenToClient(&browse);
    ScreenToClient(&download);
    const int top = combo.top + (combo.Height() - download.Height()) / 2;
    download = CRect(download.left, top, download.right, top + browse.Height());

    struct Job {
        ImageVersion version;
        std::wstring serverFile;
        std::vector<std::wstring> languages;
    } job;
    {
        const auto record = m_firmwareInfo->Lock();
        job.version = record->m_version;
        job.serverFile = record->m_selectedFile;
        for (int i = 0; i < record->m_count; ++i)
            job.languages.push_back(record->FileLanguage(i));
    }

    std::wstring label;
    bool showList = false;
    if (!HasServerVersion(job.version)) {
        m_download.EnableWindow(FALSE);
        label = GetTextCannotConnectServer(language);
    } else {
        const int model = main->m_modelCode;
        const std::wstring latest = GetTextLatestVersion(language);
        std::wstring version;
        if (model == kCameraPackageModel) {
            version = FillPlaceholders(L"v%d.%d.%d.%d",
                                       {job.version.major, job.version.minor, job.version.kind, job.version.build});
        } else {
            version = FillPlaceholders(L"v%d.%d", {job.version.major, job.version.minor});
            if (job.version.build != 0 || model == 0x5345 || model == 0x5346)
                version += FillPlaceholders(L".%d", {job.version.build});
        }
        if (m_firmwareLanguageList.GetCount() > 1) {
            showList = true;
            const int selected = m_firmwareLanguageList.GetCurSel();
            m_firmwareLanguageList.ResetContent();
            for (const std::wstring& name : job.languages)
                m_firmwareLanguageList.AddString(TranslateLanguageName(name, language).c_str());
            m_firmwareLanguageList.SetCurSel(selected);
            label = latest + L": " + version;
            m_voicePromptCaption.SetWindowText(TextVoicePrompt(language).c_str());
        } else {
            label = latest + L": " + version + L" (" + job.serverFile + L")";
        }
    }
    const int show = showList ? SW_SHOW : SW_HIDE;
    m_firmwareLanguageList.ShowWindow(show);
    m_voicePromptCaption.ShowWindow(show);
    m_instruction.ShowWindow(show);

    m_download.MoveWindow(&download, TRUE);
    m_latestVersion.SetWindowText(label.c_str());
    SetRedraw(TRUE);
    Invalidate();
}

HBRUSH CDialogFirmwareUpdate::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    CWaitCursorPage::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkMode(TRANSPARENT);
    if (wnd && wnd->m_hWnd == m_latestVersion.m_hWnd) {
        const bool known = HasServerVersion(m_firmwareInfo->Lock()->m_version);
        dc->SetTextColor(known ? kTextColour : kNoServerColour);
    }
    CMainDialog* main = GetMainDialog(this);
    return main ? static_cast<HBRUSH>(main->m_brushes[kSkinBrushWhite].m_hObject) : nullptr;
}

std::wstring CDialogFirmwareUpdate::StartFolder() const
{
    const CMainDialog* main = GetMainDialog(this);
    if (main && !main->m_currentPath.IsEmpty())
        return main->m_currentPath.str();
    std::wstring folder;
    return ProgramImageFolder(RunningProgramPath(), folder) ? folder : std::wstring(L"\\");
}

void CDialogFirmwareUpdate::TakeChosenPath(const CString& path)
{
    CMainDialog* main = GetMainDialog(this);
    const std::wstring chosen = path.str();
    const std::size_t slash = chosen.rfind(L'\\');
    if (main && slash != std::wstring::npos)
        main->m_currentPath = CString(chosen.substr(0, slash + 1).c_str());
}

void CDialogFirmwareUpdate::SetStatusTexts(const LanguageTextSet& texts, int failure)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    for (int i = 0; i < kUiLanguageCount; ++i)
        main->SetStatusTextForLanguage(CString(texts[i].c_str()), i);
    main->ShowStatusText(main->GetStatusText(), failure);
}

void CDialogFirmwareUpdate::OnBrowse()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main || main->m_busy)
        return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"*.img|*.IMG|", this);
    const std::wstring folder = StartFolder();
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    TakeChosenPath(path);
    m_imagePath.SetWindowText(path);
    const int end = m_imagePath.GetWindowTextLength();
    m_imagePath.SetSel(end, end);
    SetStatusTexts(FillLanguageTexts(L"%s", {GetTextPressUpdateButton}), 0);
    {
        auto job = m_firmwareInfo->Lock();
        job->m_progress = -1;
        job->m_finished = 0;
    }
    main->RefreshView();
    RefreshPage();
}

void CDialogFirmwareUpdate::OnDownload()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main || main->m_busy)
        return;
    std::wstring serverFile;
    // A list without a selection keeps the file the server check chose.
    const int selected = m_firmwareLanguageList.GetCount() > 0 ? m_firmwareLanguageList.GetCurSel() : -1;
    {
        auto job = m_firmwareInfo->Lock();
        if (selected >= 0)
            job->m_selectedFile = job->FileName(selected);
        job->m_state = kJobDownloadingImage;
        serverFile = job->m_selectedFile;
    }
    main->m_busy = 1;
    main->RefreshView();
    RefreshPage();

    const std::wstring filter = GetTextFirmwareFileFilter(main->m_uiLanguage);
    CFileDialog dialog(FALSE, nullptr, serverFile.c_str(),
                       OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT | OFN_LONGNAMES, filter.c_str(),
                       this);
    const std::wstring folder = StartFolder();
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK) {
        m_autoUpdate = 0;
        main->m_busy = 0;
        main->RefreshView();
        RefreshPage();
        return;
    }
    const CString path = dialog.GetPathName();
    TakeChosenPath(path);
    const int page = main->m_page;
    const int usb = main->m_usbStatus;
    const LanguageTexts texts = ActivityTexts(page, usb, GetTextAboutToDownloadLatest);
    {
        auto job = m_firmwareInfo->Lock();
        job->m_imagePath = path.str();
        WriteJobStatusTexts(*job, texts);
    }
    SetStatusTexts(texts, 0);
    SetTimer(kDownloadTimer, kDownloadDelayMs);
}

// ---------------------------------------------------------------- timers

void CDialogFirmwareUpdate::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kIndexTimer: OnIndexTimer(); return;
    case kProgressTimer: OnProgressTimer(); return;
    case kDeviceWaitTimer: OnDeviceWaitTimer(); return;
    case kDownloadTimer: OnDownloadTimer(); return;
    case kDownloadProgressTimer: OnDownloadProgressTimer(); return;
    default: CWaitCursorPage::OnTimer(id); return;
    }
}

// The index comes on the exchange's thread; the page stays busy meanwhile
// but keeps painting and answering.
void CDialogFirmwareUpdate::OnIndexTimer()
{
    KillTimer(kIndexTimer);
    ++m_indexTimerTicks;
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    // The check after a change of language comes without the entry's busy:
    // the user waits for the index either way, as when the window waited.
    if (!main->m_busy) {
        main->m_busy = 1;
        main->RefreshView();
    }
    const ServerExchangeRequest request{FirmwareServerBaseUrl() + L"Firmware", std::wstring()};
    // One already on its way ends in its own message.
    if (!m_indexExchange.Start(request, PostWhenEnded(m_hWnd, kIndexFetchedMessage)) && !m_indexExchange.Running())
        TakeFirmwareIndex(m_indexExchange.TakeEnd());
}

LRESULT CDialogFirmwareUpdate::OnIndexFetched(WPARAM, LPARAM)
{
    const ServerExchangeEnd end = m_indexExchange.TakeEnd();
    if (end.ended)
        TakeFirmwareIndex(end);
    return 0;
}

void CDialogFirmwareUpdate::TakeFirmwareIndex(const ServerExchangeEnd& end)
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    const int model = main->m_modelCode;
    UnitAddressCheck address = UnitAddressCheck::kNotRead;
    FirmwareIndexEntry entry;
    if (end.ended && end.received > 0 && !end.body.empty()) {
        const std::wstring text = SystemCodePageText(end.body);
        if (model == kPartnerConversionTarget) {
            DfuEngineLibrary library;
            std::uint8_t key[kUnitAddressKeyBytes] = {};
            address = CheckUnitAddress(model, ReadFirstFamilyUnitAddress(library, key) ? &key : nullptr);
        }
        FirmwareIndexQuery query;
        query.unitKey = FirmwareIndexModelKey(model, address);
        query.modelCode = model;
        query.uiLanguage = main->m_uiLanguage;
        query.firmwareLanguage = main->m_firmwareLanguage.str();
        query.applyToFirmwareLanguage = main->m_applyToFirmwareLanguage;
        entry = ParseFirmwareIndex(text, query);
    }
    {
        auto job = m_firmwareInfo->Lock();
        StoreFirmwareIndexEntry(entry, *job);
    }
    for (const std::wstring& name : entry.languages)
        m_firmwareLanguageList.AddString(TranslateLanguageName(name, main->m_uiLanguage).c_str());
    if (entry.selectedItem >= 0)
        m_firmwareLanguageList.SetCurSel(entry.selectedItem);

    if (g_firmwarePromptArmed) {
        m_autoUpdate = IsServerVersionNewer(model, main->m_device, entry.version, entry.serverFile, address);
        if (m_autoUpdate == 1) {
            if (main->AskNewFirmware() == IDOK)
                PostMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_DOWNLOAD, 0),
                            reinterpret_cast<LPARAM>(m_download.m_hWnd));
            else
                m_autoUpdate = 0;
        }
    } else {
        g_firmwarePromptArmed = 1;
    }
    m_firmwareInfo->Lock()->m_state = kJobIdle;
    main->m_busy = 0;
    main->RefreshView();
    RefreshPage();
}

// The image comes on the exchange's thread, for many minutes at times: the
// page stays busy, paints, and shows how far the download has come.
void CDialogFirmwareUpdate::OnDownloadTimer()
{
    KillTimer(kDownloadTimer);
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    std::wstring serverFile, imagePath;
    {
        const auto job = m_firmwareInfo->Lock();
        serverFile = job->m_selectedFile;
        imagePath = job->m_imagePath;
    }
    const ServerExchangeRequest request{FirmwareServerBaseUrl() + serverFile, imagePath};
    if (!m_imageExchange.Start(request, PostWhenEnded(m_hWnd, kImageFetchedMessage))) {
        if (!m_imageExchange.Running())
            TakeDownloadedImage(m_imageExchange.TakeEnd().received);
        return;
    }
    SetTimer(kDownloadProgressTimer, kDownloadProgressPeriodMs);
}

void CDialogFirmwareUpdate::OnDownloadProgressTimer()
{
    CMainDialog* main = GetMainDialog(this);
    const DownloadTick tick = m_imageExchange.Follow();
    if (!main || tick.percent < 0 || tick.outcome != DownloadOutcome::Running)
        return;
    main->m_progress = tick.percent;
    main->RefreshView();
}

LRESULT CDialogFirmwareUpdate::OnImageFetched(WPARAM, LPARAM)
{
    const ServerExchangeEnd end = m_imageExchange.TakeEnd();
    if (end.ended)
        TakeDownloadedImage(end.received);
    return 0;
}

void CDialogFirmwareUpdate::TakeDownloadedImage(int received)
{
    KillTimer(kDownloadProgressTimer);
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    main->m_progress = -1;
    std::wstring imagePath = m_firmwareInfo->Lock()->m_imagePath;
    int failure = 0;
    if (received > 0) {
        if (!m_autoUpdate) {
            const LanguageTexts texts = FillLanguageTexts(L"%s", {GetTextPressUpdateButton});
            for (int i = 0; i < kUiLanguageCount; ++i)
                main->SetStatusTextForLanguage(CString(texts[i].c_str()), i);
        } else {
            main->BuildInProgressStatus();
        }
        m_imagePath.SetWindowText(imagePath.c_str());
        const int end = m_imagePath.GetWindowTextLength();
        m_imagePath.SetSel(end, end);
    } else {
        failure = 1;
        const LanguageTexts texts = FillLanguageTexts(
            L"%s. %s", {GetTextDownloadLatestFailed,
                        received == kDownloadFileError ? GetTextCannotOpenFile : GetTextCannotConnectServer});
        for (int i = 0; i < kUiLanguageCount; ++i)
            main->SetStatusTextForLanguage(CString(texts[i].c_str()), i);
        // Nothing starts after a failed download: the image it would flash is
        // not the one the user accepted.
        m_autoUpdate = 0;
    }
    m_firmwareInfo->Lock()->m_state = kJobIdle;
    main->m_busy = 0;
    main->RefreshView();
    RefreshPage();
    main->ShowStatusText(main->GetStatusText(), failure);
    if (m_autoUpdate) {
        CWnd* apply = main->GetDlgItem(IDC_BUTTON_APPLY);
        main->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_APPLY, 0),
                          reinterpret_cast<LPARAM>(apply ? apply->m_hWnd : nullptr));
    }
}

void CDialogFirmwareUpdate::ArmWaitTimer()
{
    if (m_waitTimerId != 0 || !m_hWnd)
        return;
    m_deviceWaitTicks = 0;
    m_waitTimerId = static_cast<int>(SetTimer(kDeviceWaitTimer, kDeviceWaitPeriodMs));
}

LRESULT CDialogFirmwareUpdate::OnArmWaitTimer(WPARAM, LPARAM)
{
    ArmWaitTimer();
    return 0;
}

LRESULT CDialogFirmwareUpdate::OnDfuCallback(WPARAM, LPARAM)
{
    if (m_dfu)
        m_dfu->HandleNextCallback();
    return 0;
}
