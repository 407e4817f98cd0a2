#include "link/DialogDeviceSelection.h"

#include "afx/afxdlgs.h"
#include "res/resource.h"
#include "shell/DialogMessageBox.h"
#include "shell/MainDialog.h"
#include "shell/ShellOpen.h"
#include "text/FirmwareTexts.h"
#include "text/ManagerUpdateTexts.h"
#include "text/SharedWords.h"

namespace {

const UINT kUpdateCheckDelayMs = 100;
const UINT kDownloadFollowMs = 1000;
const int kDefaultTargetModel = 0x4D10;
const CSize kUpdateQuestionSize(530, 230);
const DWORD kInstallerDialogFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT | OFN_LONGNAMES;

} // namespace

BEGIN_MESSAGE_MAP(CDialogDeviceSelection, CWaitCursorPage)
ON_WM_CTLCOLOR()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_START_PICTURE, OnButtonStart)
ON_MESSAGE(CDialogDeviceSelection::kUpdateListFetchedMessage, OnUpdateListFetched)
END_MESSAGE_MAP()

CDialogDeviceSelection::CDialogDeviceSelection(CWnd* parent) : CWaitCursorPage(IDD_DEVICE_SELECTION, parent) {}

CDialogDeviceSelection::~CDialogDeviceSelection() = default;

void CDialogDeviceSelection::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_START_PICTURE, m_pictureButton);
}

BOOL CDialogDeviceSelection::OnInitDialog()
{
    CWaitCursorPage::OnInitDialog();
    m_updateChecked = 0;
    m_pictureButton.LoadBitmaps(IDB_START_PAGE, IDB_START_PAGE, IDB_START_PAGE, IDB_START_PAGE);
    m_pictureButton.SizeToContent();
    return TRUE;
}

void CDialogDeviceSelection::EnterPage()
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    main->m_progress = -1;
    RefreshPage();
    main->m_buttonNext.SetFocus();
    if (m_updateChecked)
        return;
    main->m_busy = 1;
    main->RefreshView();
    RefreshPage();
    SetTimer(kTimerUpdateCheck, kUpdateCheckDelayMs);
}

// The picture makes room only for the progress of the installer download.
void CDialogDeviceSelection::RefreshPage()
{
    const CMainDialog* main = GetMainDialog(this);
    if (main == nullptr || !m_hWnd)
        return;
    SetRedraw(FALSE);
    const bool downloading = main->m_busy && main->m_progress >= 0;
    m_pictureButton.ShowWindow(downloading ? SW_HIDE : SW_SHOW);
    SetRedraw(TRUE);
    Invalidate(TRUE);
}

void CDialogDeviceSelection::OnButtonStart()
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    main->m_modelCode = kDefaultTargetModel;
    main->ShowDeviceRecognitionPage(1, nullptr, 0);
    main->m_buttonNext.SetFocus();
}

HBRUSH CDialogDeviceSelection::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH brush = CWaitCursorPage::OnCtlColor(dc, wnd, ctlColor);
    CMainDialog* main = GetMainDialog(this);
    if (ctlColor == CTLCOLOR_DLG && main != nullptr) {
        dc->SetBkMode(TRANSPARENT);
        return main->m_brushes[0];
    }
    return brush;
}

// Every timer message also goes on to the window's own handling.
void CDialogDeviceSelection::OnTimer(UINT_PTR id)
{
    if (id == kTimerUpdateCheck) {
        KillTimer(kTimerUpdateCheck);
        CheckManagerUpdate();
    } else if (id == kTimerInstallerDownload) {
        FollowDownload();
    }
    CWaitCursorPage::OnTimer(id);
}

// The list comes on the exchange's thread; the page stays busy (wait cursor,
// commands refused) but keeps painting and answering until it is in.
void CDialogDeviceSelection::CheckManagerUpdate()
{
    if (!m_updateCheck.Start(ManagerUpdateListRequest(), PostWhenEnded(m_hWnd, kUpdateListFetchedMessage)))
        TakeManagerUpdateCheck(ManagerUpdateCheck{});
}

LRESULT CDialogDeviceSelection::OnUpdateListFetched(WPARAM, LPARAM)
{
    const ServerExchangeEnd end = m_updateCheck.TakeEnd();
    if (end.ended)
        TakeManagerUpdateCheck(ReadManagerUpdateCheck(end));
    return 0;
}

void CDialogDeviceSelection::TakeManagerUpdateCheck(const ManagerUpdateCheck& check)
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    bool accepted = false;
    if (check.listDownloaded) {
        // Asked at most once a run; a list not reached is asked for again on the next entry.
        m_updateChecked = 1;
        m_installerFile = check.entry.installerFile.c_str();
        if (OffersManagerUpdate(check.entry))
            accepted = OfferManagerUpdate(*main, check.entry.major, check.entry.minor, check.entry.build);
    }
    if (accepted)
        return;
    main->m_busy = 0;
    main->RefreshView();
    RefreshPage();
}

bool CDialogDeviceSelection::OfferManagerUpdate(CMainDialog& main, int major, int minor, int build)
{
    const int language = main.m_uiLanguage;
    const CString yes = GetTextYes(language).c_str();
    const CString no = GetTextNo(language).c_str();
    const CString notes = L"Release Notes";
    CDialogMessageBox question(&main);
    question.SetContentWithLink(ComposeManagerUpdatePrompt(language, major, minor, build).c_str(), 0, &notes, &no, &yes,
                                kUpdateQuestionSize);
    if (question.DoModal() != IDOK)
        return false;

    const std::wstring filter = GetTextManagerUpdateFilter();
    CFileDialog dialog(FALSE, nullptr, m_installerFile, kInstallerDialogFlags, filter.c_str());
    const std::wstring folder = main.SaveDialogFolder();
    m_installerPath = folder.c_str();
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return false;
    m_installerPath = dialog.GetPathName();
    main.RememberSaveFolder(m_installerPath.str());
    main.m_progress = 0;
    for (int i = 0; i < kUiLanguageCount; ++i)
        main.SetStatusTextForLanguage(GetTextDownloadingUpdateFile(i).c_str(), i);
    main.ShowStatusText(main.GetStatusText(), 0);
    // A download that cannot start has ended as failed: the timer says so.
    m_download.Start(ManagerInstallerRequest(m_installerFile.str(), m_installerPath.str()), nullptr);
    SetTimer(kTimerInstallerDownload, kDownloadFollowMs);
    main.RefreshView();
    RefreshPage();
    return true;
}

// Only the thread's end decides: a slow first byte is no failure, and the
// progress may stand at 100 while the last bytes still arrive.
void CDialogDeviceSelection::FollowDownload()
{
    CMainDialog* main = GetMainDialog(this);
    if (main == nullptr)
        return;
    const DownloadTick tick = m_download.Follow();
    if (tick.percent >= 0) {
        main->m_progress = tick.percent;
        main->RefreshView();
        RefreshPage();
    }
    if (tick.outcome == DownloadOutcome::Running)
        return;
    KillTimer(kTimerInstallerDownload);

    bool started = false;
    if (tick.outcome == DownloadOutcome::Succeeded) {
        for (int i = 0; i < kUiLanguageCount; ++i)
            main->SetStatusTextForLanguage(GetTextUpdateFileDownloaded(i).c_str(), i);
        main->ShowStatusText(main->GetStatusText(), 0);
        started = ShellStartFile(L"\"" + m_installerPath.str() + L"\"");
        if (!started) {
            // The installer could not be started: the manager stays, and says so.
            for (int i = 0; i < kUiLanguageCount; ++i)
                main->SetStatusTextForLanguage((GetTextCannotOpenFile(i) + L".").c_str(), i);
            main->ShowStatusText(main->GetStatusText(), 1);
        }
    } else {
        for (int i = 0; i < kUiLanguageCount; ++i)
            main->SetStatusTextForLanguage(GetTextInstallerDownloadFailed(tick.result, i).c_str(), i);
        main->ShowStatusText(main->GetStatusText(), 1);
    }
    main->m_busy = 0;
    main->m_progress = -1;
    main->RefreshView();
    RefreshPage();
    // The installer runs: the manager saves its configuration and closes.
    if (started)
        main->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
