#pragma once
// Resource ids of UsbProbe.exe. Plain #defines only: windres and the C++ code both include this.

#define IDR_MAINFRAME       128
#define IDD_USBPROBE_DIALOG 102
