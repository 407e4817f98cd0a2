#pragma once
#include "afx/afxwin.h"

class CUsbProbeApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
