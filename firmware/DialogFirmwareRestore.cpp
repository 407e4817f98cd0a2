#include "firmware/DialogFirmwareRestore.h"

#include "shell/MainDialog.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareRestore, CWaitCursorPage)
ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CWaitCursorPage(IDD_FIRMWARE_RESTORE, parent) {}

CDialogFirmwareRestore::~CDialogFirmwareRestore() = default;

void CDialogFirmwareRestore::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_RESTORE_VERSION_LIST, m_versionList);
}

void CDialogFirmwareRestore::EnterPage(int mode)
{
    m_mode = mode;
    if (CMainDialog* main = GetMainDialog(this))
        main->m_progress = -1;
    m_firmwareInfo.Lock()->Reset(4);
    if (m_versionList.m_hWnd)
        m_versionList.ResetContent();
}

void CDialogFirmwareRestore::RefreshPage()
{
    ++m_refreshCalls;
}

void CDialogFirmwareRestore::BuildBackupInfoText()
{
    ++m_infoTextCalls;
}

void CDialogFirmwareRestore::StartBackupFirmwareDownload()
{
    ++m_downloadCalls;
}

void CDialogFirmwareRestore::OnTimer(UINT_PTR id)
{
    if (id == kArchiveTimer) {
        KillTimer(kArchiveTimer);
        ++m_archiveTimerTicks;
    }
    CWaitCursorPage::OnTimer(id);
}
