#include "app/UpdaterApp.h"
#include "link/ThreadableWin32.h"

// The one application object, built by the runtime before the program starts.
CUpdaterApp theApp;

// The HID firmware engine and the held handle live from start-up to exit.
CHidDfuEngine g_hidDfuEngine;
HandleHolder g_handleHolder;
