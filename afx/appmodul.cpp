#include "afx/afxwin.h"

// The programs' entry point; kept apart from the layer so test programs, which
// have their own main, do not get it.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
{
    return AfxWinMain(instance, previous, commandLine, show);
}
