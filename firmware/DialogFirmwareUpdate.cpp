#include "firmware/DialogFirmwareUpdate.h"

#include "res/resource.h"

CDialogFirmwareUpdate::CDialogFirmwareUpdate(CWnd* parent) : CPageDialog(IDD_FIRMWARE_UPDATE, parent) {}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate() = default;

void CDialogFirmwareUpdate::StartUpdateSecondPhase()
{
    ++m_secondPhaseStarts;
}
