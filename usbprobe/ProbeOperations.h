#pragma once
// The probe tool's three operations on this PC (Windows only).

class CUsbProbeDlg;

// Scans the present USB devices; writes a line to standard output for each
// accepted one and the ids of the last into the dialog. True when one is found.
bool FindBluetoothUsbDevice(CUsbProbeDlg* dialog);

// The service switch over this PC's registry.
bool DisableWindowsBluetoothServices();
void RestoreWindowsBluetoothServices();
