#pragma once
#include "afx/afxwin.h"

// Prepares the process, runs the main window and ends the program with it.
class CUpdaterApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
