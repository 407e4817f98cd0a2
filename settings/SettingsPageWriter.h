#pragma once
// The window side of a settings write, shared by the three settings pages: the
// status line, the busy flag, the road without windows, then re-recognition on
// success, or the page's own CANCEL, the failure texts, the box and page 1.

#include "shell/SettingsPageDialog.h"
#include "settings/SettingsWritePlans.h"

void RunSettingsPageWrite(CSettingsPageDialog& page, SettingsWriterPage kind, int cancelId);
