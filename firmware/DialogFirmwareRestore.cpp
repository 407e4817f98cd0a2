#include "firmware/DialogFirmwareRestore.h"

#include "res/resource.h"

CDialogFirmwareRestore::CDialogFirmwareRestore(CWnd* parent) : CPageDialog(IDD_FIRMWARE_RESTORE, parent) {}

CDialogFirmwareRestore::~CDialogFirmwareRestore() = default;
