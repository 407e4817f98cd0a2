#pragma once
#include "app/PageDialog.h"
#include "device/DeviceConfig.h"

// What the three settings pages share: the working and defaults records and
// the page asked for on leaving, which the page's save and discard continue to.
class CSettingsPageDialog : public CPageDialog {
public:
    CSettingsPageDialog(UINT templateId, CWnd* parent) : CPageDialog(templateId, parent) {}
    // The page the user asked for when leaving this page; 0 while simply shown.
    int m_nextPage = 0;
    DeviceConfig m_config;
    DeviceConfig m_defaults;
};
