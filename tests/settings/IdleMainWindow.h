#pragma once
// The real main window run modally under Wine: the body runs inside its modal loop once the
// start page is idle, and the window is closed after it.
#include <gtest/gtest.h>

#include <functional>

#include "app/UpdaterDlg.h"
#include "res/resource.h"
#include "tests/grid/GridWineSupport.h"

inline void WithIdleMainWindow(const std::function<void(CUpdaterDlg&)>& body)
{
    gridtest::InitControls();
    CUpdaterDlg dialog;
    bool ran = false;
    gridtest::RunModalWithScript(dialog, [&] {
        gridtest::PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, 5000);
        [&] { body(dialog); }();
        ran = true;
        dialog.m_busy = 0;
        dialog.m_dropListOpen = 0;
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(ran);
}

// Sets the connected unit and enters page 5 the way the page switch does.
inline void EnterBasicPage(CUpdaterDlg& main, int productId, int major, int minor, int language)
{
    main.m_modelCode = productId;
    main.m_device.m_modelCode = productId;
    main.m_device.m_firmwareVersion.major = major;
    main.m_device.m_firmwareVersion.minor = minor;
    main.m_uiLanguage = language;
    main.m_page = 5;
    main.UpdatePageButtons();
    main.m_pageDeviceSetting.EnterPage();
    gridtest::PumpFor(main.m_hWnd, 30);
}
