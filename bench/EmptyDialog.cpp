// The start benchmark's yardstick: the smallest dialog program that looks
// like the manager at start (same size, a page area, a child shown by a
// 100 ms timer), built with the same toolchain and runtime.
#include <windows.h>

namespace {

constexpr int kEmptyDialog = 102;
constexpr int kPageArea = 1014;
constexpr UINT_PTR kFirstPageTimer = 1;

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextW(dialog, L"Empty Dialog");
        SetTimer(dialog, kFirstPageTimer, 100, nullptr);
        return TRUE;
    case WM_TIMER:
        if (wParam == kFirstPageTimer) {
            KillTimer(dialog, kFirstPageTimer);
            HWND area = GetDlgItem(dialog, kPageArea);
            RECT r;
            GetClientRect(area, &r);
            CreateWindowExW(0, L"Static", L"page", WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, area, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
        }
        return TRUE;
    case WM_CLOSE: EndDialog(dialog, IDOK); return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(kEmptyDialog), nullptr, EmptyDialogProc, 0));
}
