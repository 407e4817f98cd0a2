#include "link/DialogDeviceSelection.h"

#include "shell/MainDialog.h"
#include "res/resource.h"

namespace {

const UINT_PTR kTimerUpdateCheck = 101;
const UINT kUpdateCheckDelayMs = 100;
const int kDefaultTargetModel = 0x4D10;

} // namespace

BEGIN_MESSAGE_MAP(CDialogDeviceSelection, CWaitCursorPage)
ON_WM_CTLCOLOR()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_START_PICTURE, OnButtonStart)
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

// The manager's update check comes with its own work; until then the check
// ends as one whose list could not be downloaded: the busy flag goes and the
// next entry to the page tries again.
void CDialogDeviceSelection::OnTimer(UINT_PTR id)
{
    if (id == kTimerUpdateCheck) {
        KillTimer(kTimerUpdateCheck);
        CMainDialog* main = GetMainDialog(this);
        if (main != nullptr) {
            main->m_busy = 0;
            main->RefreshView();
        }
        RefreshPage();
        return;
    }
    CWaitCursorPage::OnTimer(id);
}
