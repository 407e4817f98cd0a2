// The common save dialog through the framework: the proposed name, the
// initial folder, the filter and cancelling, driven on the real dialog.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "afx/afxdlgs.h"

namespace {

struct DialogDriver {
    DialogDriver(DWORD thread, bool ok) : ownerThread(thread), pressOk(ok) {}

    DWORD ownerThread;
    bool pressOk;
    std::wstring seenName;
    std::atomic<bool> done{false};

    static BOOL CALLBACK TakeVisibleDialog(HWND hwnd, LPARAM out)
    {
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) {
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static HWND FindDialog(DWORD thread)
    {
        HWND found = nullptr;
        EnumThreadWindows(thread, TakeVisibleDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    void Run()
    {
        HWND dialog = nullptr;
        for (int i = 0; i < 400 && !dialog; ++i) {
            Sleep(25);
            dialog = FindDialog(ownerThread);
        }
        if (dialog) {
            // The file name box: a combo box's edit (0x47C) or a plain edit (0x480).
            wchar_t text[MAX_PATH] = {};
            if (!GetDlgItemTextW(dialog, 0x47C, text, MAX_PATH))
                GetDlgItemTextW(dialog, 0x480, text, MAX_PATH);
            seenName = text;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(pressOk ? IDOK : IDCANCEL, BN_CLICKED), 0);
        }
        done = true;
    }
};

// A literal with its inner NULs.
template <std::size_t N> std::wstring Literal(const wchar_t (&text)[N])
{
    return std::wstring(text, N - 1);
}

std::wstring TempFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quor_file_dialog_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

TEST(FileDialog, SystemFilter)
{
    struct Case {
        const wchar_t* filter;
        std::wstring system;
    };
    const Case cases[] = {
        {L"Diagnostic Log Files(*.hvlxlog)|", Literal(L"Diagnostic Log Files(*.hvlxlog)\0*.hvlxlog\0\0")},
        {L"Manager Update Files(*.exe)|", Literal(L"Manager Update Files(*.exe)\0*.exe\0\0")},
        {L"Images|*.img;*.bin|All|*.*||", Literal(L"Images\0*.img;*.bin\0All\0*.*\0\0")},
        {L"No pattern|", Literal(L"No pattern\0*.*\0\0")},
        {L"", std::wstring()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFileDialog::SystemFilter(c.filter), c.system) << c.filter;
    EXPECT_EQ(CFileDialog::SystemFilter(nullptr), std::wstring());
}

TEST(FileDialog, SaveProposesTheNameInTheInitialFolder)
{
    const std::wstring folder = TempFolder();
    CFileDialog dialog(FALSE, nullptr, L"20240308140509_DiagnosticLog.hvlxlog", 0x202802,
                       L"Diagnostic Log Files(*.hvlxlog)|");
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    EXPECT_EQ(dialog.m_ofn.lpstrDefExt, nullptr);
    EXPECT_EQ(dialog.m_ofn.Flags & 0x202802u, 0x202802u);

    DialogDriver driver(GetCurrentThreadId(), true);
    std::thread helper([&] { driver.Run(); });
    const INT_PTR result = dialog.DoModal();
    helper.join();
    EXPECT_EQ(driver.seenName, L"20240308140509_DiagnosticLog.hvlxlog");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::wstring(dialog.GetPathName()), folder + L"20240308140509_DiagnosticLog.hvlxlog");
    RemoveDirectoryW(folder.c_str());
}

TEST(FileDialog, CancelGivesIdCancel)
{
    CFileDialog dialog(FALSE, nullptr, L"Setup.exe", 0x202802, L"Manager Update Files(*.exe)|");
    DialogDriver driver(GetCurrentThreadId(), false);
    std::thread helper([&] { driver.Run(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    helper.join();
    EXPECT_EQ(driver.seenName, L"Setup.exe");
}

} // namespace
