// Started under Wine by bench/start.sh: starts a program, watches for its
// main window to be shown and for the first visible child of its page area
// (control 1014), prints both moments as host wall-clock seconds, then ends
// the program (its close is measured by UiStall.exe instead). The wall clock lets the script add the time Wine itself took to
// come up before this program ran.
// Usage: StartProbe.exe <program> <window title>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kPageArea = 1014;
constexpr DWORD kGiveUpMs = 60000;

// Seconds since 1970 on the host's clock (Wine passes it through).
double WallSeconds()
{
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    return static_cast<double>(t.QuadPart - 116444736000000000ULL) / 1e7;
}

BOOL CALLBACK AnyVisible(HWND child, LPARAM found)
{
    if (IsWindowVisible(child)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartProbe <program> <window title>\n");
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const double launched = WallSeconds();
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start the program\n");
        return 1;
    }
    double shown = 0;
    double page = 0;
    HWND window = nullptr;
    const DWORD start = GetTickCount();
    while (page == 0 && GetTickCount() - start < kGiveUpMs) {
        if (window == nullptr) {
            HWND w = FindWindowW(nullptr, argv[2]);
            if (w != nullptr && IsWindowVisible(w)) {
                window = w;
                shown = WallSeconds();
            }
        }
        if (window != nullptr) {
            bool visible = false;
            HWND area = GetDlgItem(window, kPageArea);
            if (area != nullptr)
                EnumChildWindows(area, AnyVisible, reinterpret_cast<LPARAM>(&visible));
            if (visible)
                page = WallSeconds();
        }
        if (page == 0)
            Sleep(1);
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (page == 0) {
        std::fprintf(stderr, "the window or its first page never showed\n");
        return 1;
    }
    std::printf("launched %.6f shown %.6f page %.6f\n", launched, shown, page);
    return 0;
}
