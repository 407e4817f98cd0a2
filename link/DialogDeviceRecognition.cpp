#include "link/DialogDeviceRecognition.h"

#include "res/resource.h"

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CPageDialog(IDD_DEVICE_RECOGNITION, parent) {}

CDialogDeviceRecognition::~CDialogDeviceRecognition() = default;
