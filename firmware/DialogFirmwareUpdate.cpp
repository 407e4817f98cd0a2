#include "firmware/DialogFirmwareUpdate.h"

#include "firmware/JobTexts.h"
#include "shell/MainDialog.h"
#include "text/FirmwareTexts.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDialogFirmwareUpdate, CWaitCursorPage)
ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogFirmwareUpdate::CDialogFirmwareUpdate(CWnd* parent) : CWaitCursorPage(IDD_FIRMWARE_UPDATE, parent) {}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate() = default;

void CDialogFirmwareUpdate::DoDataExchange(CDataExchange* dx)
{
    CWaitCursorPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_UPDATE_IMAGE_PATH, m_imagePath);
    DDX_Control(dx, IDC_UPDATE_FIRMWARE_LANGUAGE, m_firmwareLanguageList);
    DDX_Control(dx, IDC_UPDATE_INSTRUCTION, m_instruction);
}

void CDialogFirmwareUpdate::EnterPage()
{
    if (CMainDialog* main = GetMainDialog(this))
        main->m_progress = -1;
    m_firmwareInfo.Lock()->Reset(3);
    if (m_imagePath.m_hWnd)
        m_imagePath.SetWindowText(L"");
    if (m_firmwareLanguageList.m_hWnd)
        m_firmwareLanguageList.ResetContent();
}

void CDialogFirmwareUpdate::RefreshPage()
{
    ++m_refreshCalls;
}

void CDialogFirmwareUpdate::StartUpdate()
{
    ++m_startCalls;
}

void CDialogFirmwareUpdate::StartUpdateSecondPhase()
{
    ++m_secondPhaseStarts;
}

// Until the roads come with the firmware update, a prepared update ends at
// once as one that cannot be done.
void CDialogFirmwareUpdate::PrepareUpdate()
{
    CMainDialog* main = GetMainDialog(this);
    if (!main)
        return;
    EndJobWithFailure(*m_firmwareInfo.Lock(),
                      FailureTexts(main->m_page, main->m_usbStatus, GetTextCannotUpdateFirmware));
}

void CDialogFirmwareUpdate::OnTimer(UINT_PTR id)
{
    if (id == kIndexTimer) {
        KillTimer(kIndexTimer);
        ++m_indexTimerTicks;
    }
    CWaitCursorPage::OnTimer(id);
}
