#include "link/DialogDeviceSelection.h"

#include "res/resource.h"

CDialogDeviceSelection::CDialogDeviceSelection(CWnd* parent) : CPageDialog(IDD_DEVICE_SELECTION, parent) {}

CDialogDeviceSelection::~CDialogDeviceSelection() = default;

void CDialogDeviceSelection::EnterPage()
{
    RefreshPage();
}

void CDialogDeviceSelection::RefreshPage()
{
    ++m_refreshCalls;
}
