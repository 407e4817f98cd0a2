// The header's picture label: the skin first, then the picture as a cut-out.

#include <gtest/gtest.h>

#include <windows.h>

#include "app/MyStatic.h"
#include "tests/support/WindowPicture.h"

namespace {

HBITMAP SolidBitmap(int width, int height, COLORREF colour, COLORREF inner = CLR_INVALID)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ before = SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    if (inner != CLR_INVALID) {
        RECT middle = {width / 4, height / 4, width * 3 / 4, height * 3 / 4};
        HBRUSH innerBrush = CreateSolidBrush(inner);
        FillRect(memory, &middle, innerBrush);
        DeleteObject(innerBrush);
    }
    SelectObject(memory, before);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT at = {x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void Pump()
{
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

TEST(PictureLabel, AWhiteCornerShowsNoWhiteBox)
{
    HWND frame = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"label test", WS_POPUP | WS_VISIBLE, 40, 40, 160, 120,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 10, 10, 64, 64, frame, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);

    CMyStatic label;
    ASSERT_TRUE(label.SubclassWindow(child));
    const COLORREF skin = RGB(0, 200, 0);
    const COLORREF product = RGB(220, 0, 0);
    label.m_background.Attach(SolidBitmap(64, 64, skin));
    HBITMAP picture = SolidBitmap(32, 32, RGB(255, 255, 255), product);
    label.SetBitmap(picture);
    SetForegroundWindow(frame);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();

    EXPECT_EQ(ScreenPixel(child, 1, 1), skin);  // the white corner is left out
    EXPECT_EQ(ScreenPixel(child, 30, 2), skin); // and so is the white edge
    EXPECT_EQ(ScreenPixel(child, 16, 16), product);
    SaveWindowPicture(frame, ScreenshotFolder() + L"\\picture-label.png");

    label.UnsubclassWindow();
    DestroyWindow(frame);
    DeleteObject(picture);
}

} // namespace
