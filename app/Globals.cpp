#include "app/UpdaterApp.h"

// The one application object, built by the runtime before the program starts.
CUpdaterApp theApp;
