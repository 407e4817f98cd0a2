#include "usbprobe/UsbProbeDlg.h"

#include "res/usbprobe_resource.h"

CUsbProbeDlg::CUsbProbeDlg(CWnd* parent)
    : CDialog(IDD_USBPROBE_DIALOG, parent),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{}

BOOL CUsbProbeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}
