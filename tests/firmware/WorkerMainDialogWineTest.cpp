// An update worker finds the main window of the page it was handed, from its
// own thread: the layer's window map is process-wide, not per thread.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>

#include "app/UpdaterDlg.h"
#include "shell/MainDialog.h"
#include "res/resource.h"

namespace {

TEST(WorkerThread, ReachesTheMainWindowThroughThePage)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    ::InitCommonControlsEx(&controls);
    CUpdaterDlg dialog;
    ASSERT_TRUE(dialog.Create(IDD_UPDATER_DIALOG));
    for (int page : {3, 4}) {
        CDialog* pageWindow = dialog.GetPageWindow(page);
        CMainDialog* seen = nullptr;
        std::thread worker([&] { seen = GetMainDialog(pageWindow); });
        worker.join();
        EXPECT_EQ(&dialog, seen) << "page " << page;
    }
    dialog.DestroyWindow();
}

} // namespace
