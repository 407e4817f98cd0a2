#include "link/DialogDeviceRecognition.h"

#include "res/resource.h"

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CPageDialog(IDD_DEVICE_RECOGNITION, parent) {}

CDialogDeviceRecognition::~CDialogDeviceRecognition() = default;

void CDialogDeviceRecognition::EnterPage(int mode)
{
    ++m_enterCalls;
}

void CDialogDeviceRecognition::RefreshPage()
{
    ++m_refreshCalls;
}

int CDialogDeviceRecognition::RecognizeDevice(const DeviceConfig* record, int showMessages)
{
    ++m_recognizeCalls;
    m_lastShowMessages = showMessages;
    return 2;
}
