// How long the manager's UI thread goes without taking messages, as the UI
// watchdog of the window tests sees it, over several runs of the real main
// window: while it starts (until the first page shows and the start page's
// update check has let the window go), while each later page is entered and
// its grid or list filled (a unit of the model with the most grid rows taken
// as recognised, its settings archive beside the program for the restore
// page), and while it closes. The firmware server points at a local port that
// refuses at once, so that no network wait hides in the figures.
// Usage: UiStall.exe [runs]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "firmware/FirmwareFiles.h"
#include "firmware/SettingsArchive.h"
#include "link/FirmwareServerForTests.h"
#include "res/resource.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/UiWatchdog.h"

namespace {

// 25 grid rows on the basic page: the most of any model.
constexpr int kModel = 0x5510;
constexpr int kPages[] = {3, 4, 5, 6, 7};
constexpr int kPageCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);
// Long enough for the restore page's first timer (500 ms), which reads the
// archive and fills the list.
constexpr DWORD kPageSettleMs = 1500;
constexpr DWORD kBusyWaitMs = 15000;

struct Run {
    DWORD start = 0;
    bool startLetGo = false;
    DWORD pages[kPageCount] = {};
    int listRows[kPageCount] = {};
    DWORD close = 0;
};

std::wstring ProgramPath()
{
    wchar_t program[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    return std::wstring(program, length);
}

int ShownListRows(CUpdaterDlg& dialog, int page)
{
    if (page == 4)
        return dialog.m_pageFirmwareRestore.m_settingsList.GetItemCount();
    if (page == 5)
        return dialog.m_pageDeviceSetting.m_grid.GetItemCount();
    return 0;
}

Run RunOnce()
{
    Run run;
    UiWatchdog watchdog;
    CUpdaterDlg dialog;
    mainwindow::RunPlan plan;
    plan.firstPageWaitMs = 0;
    mainwindow::RunModal(dialog, plan, [&] {
        run.startLetGo = mainwindow::PumpUntil(
            dialog.m_hWnd, [&] { return dialog.m_page == 1 && !dialog.m_busy; }, kBusyWaitMs);
        run.start = watchdog.TakeLongestStallMs();
        mainwindow::Recognise(dialog, kModel);
        dialog.m_device.m_firmwareVersion = DeviceVersion{3, 0, 0, 0, 0};
        for (int i = 0; i < kPageCount; ++i) {
            mainwindow::PumpFor(dialog.m_hWnd, 50);
            watchdog.TakeLongestStallMs();
            dialog.GoToPage(kPages[i]);
            mainwindow::PumpFor(dialog.m_hWnd, kPageSettleMs);
            mainwindow::PumpUntil(
                dialog.m_hWnd, [&] { return !dialog.m_busy; }, kBusyWaitMs);
            run.pages[i] = watchdog.TakeLongestStallMs();
            run.listRows[i] = ShownListRows(dialog, kPages[i]);
        }
        dialog.m_busy = 0;
        dialog.m_dropListOpen = 0;
        watchdog.TakeLongestStallMs();
        ::SendMessageW(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON_CLOSE), BM_CLICK, 0, 0);
    });
    run.close = watchdog.TakeLongestStallMs();
    watchdog.Stop();
    return run;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    mainwindow::InitControls();
    SetFirmwareServerBaseUrlForTests(L"http://127.0.0.1:9/");

    // The model's settings archive for the restore page's list, removed after.
    std::wstring archive;
    const std::wstring program = ProgramPath();
    const std::wstring folder = program.substr(0, program.rfind(L'\\')) + L"\\IMG";
    const bool madeFolder = ::CreateDirectoryW(folder.c_str(), nullptr) != FALSE;
    DeviceConfig record;
    record.m_modelCode = kModel;
    record.m_firmwareVersion = DeviceVersion{3, 0, 0, 0, 0};
    const bool haveArchive = SettingsArchivePath(program, kModel, archive) &&
                             WriteSettingsArchive(HostFileSystem(), archive, record, std::time(nullptr)) != 0;

    std::vector<Run> all;
    for (int i = 0; i < runs; ++i) {
        all.push_back(RunOnce());
        const Run& run = all.back();
        std::printf("run %d: start-up %lu ms%s, close %lu ms, pages", i + 1, static_cast<unsigned long>(run.start),
                    run.startLetGo ? "" : " (the start page never let the window go)",
                    static_cast<unsigned long>(run.close));
        for (int p = 0; p < kPageCount; ++p)
            std::printf(" %d: %lu ms", kPages[p], static_cast<unsigned long>(run.pages[p]));
        std::printf("\n");
    }
    if (haveArchive)
        ::DeleteFileW(archive.c_str());
    if (madeFolder)
        ::RemoveDirectoryW(folder.c_str());

    auto longest = [&](auto field) {
        DWORD most = 0;
        for (const Run& run : all)
            most = std::max(most, field(run));
        return static_cast<unsigned long>(most);
    };
    std::printf("longest stall of the UI thread over %d runs (goal: none above 100 ms)\n", runs);
    std::printf("  start-up until the start page let the window go: %lu ms\n",
                longest([](const Run& r) { return r.start; }));
    for (int p = 0; p < kPageCount; ++p) {
        std::printf("  entering page %d", kPages[p]);
        if (all.back().listRows[p] > 0)
            std::printf(" (its list filled with %d rows)", all.back().listRows[p]);
        std::printf(": %lu ms\n", longest([p](const Run& r) { return r.pages[p]; }));
    }
    std::printf("  close: %lu ms\n", longest([](const Run& r) { return r.close; }));
    return 0;
}
