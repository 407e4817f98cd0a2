#pragma once
// What the grid's Wine tests share: the real main window run modally with a
// script, real input through SendInput, and PNG pictures of the screen.
#include <windows.h>

#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "afx/afxwin.h"
#include "grid/CellDropDown.h"
#include "grid/PopUpListLayout.h"

namespace gridtest {

inline void InitControls()
{
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
        ::InitCommonControlsEx(&controls);
        done = true;
    }
}

// Pumps the way the modal loop does, until the condition holds or the time
// is up; returns the condition's last value.
inline bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(dialog, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        if (done && done())
            return true;
        if (::GetTickCount() - start > timeoutMs)
            return done ? done() : true;
        ::Sleep(5);
    }
}

inline void PumpFor(HWND dialog, DWORD ms)
{
    PumpUntil(dialog, nullptr, ms);
}

// Input ends (button and key releases, wheel turns) taken from the queue so
// far: a step waits for its own input to be handled, however busy the machine.
inline int& InputEndsSeen()
{
    static int seen = 0;
    return seen;
}

inline LRESULT CALLBACK CountInputEnds(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE &&
        (msg->message == WM_LBUTTONUP || msg->message == WM_KEYUP || msg->message == WM_MOUSEWHEEL))
        ++InputEndsSeen();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

inline int WatchInput()
{
    static HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, CountInputEnds, nullptr, ::GetCurrentThreadId());
    (void)hook;
    return InputEndsSeen();
}

inline void AwaitInput(HWND dialog, int before, int ends)
{
    PumpUntil(
        dialog, [&] { return InputEndsSeen() >= before + ends; }, 3000);
    PumpFor(dialog, 30);
}

inline void SendMouse(DWORD flags, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    ::SendInput(1, &input, sizeof input);
}

// The pointer to a point of a window's client area, as the user moves it.
inline void MoveTo(HWND window, POINT client)
{
    POINT screen = client;
    ::ClientToScreen(window, &screen);
    ::SetCursorPos(screen.x, screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
}

// A click, never taken for the second half of a double click.
inline void ClickAt(HWND dialog, HWND window, POINT client)
{
    static DWORD lastTick = 0;
    static POINT lastPoint{-1000, -1000};
    POINT screen = client;
    ::ClientToScreen(window, &screen);
    const bool samePlace = std::abs(screen.x - lastPoint.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
                           std::abs(screen.y - lastPoint.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK);
    const DWORD since = ::GetTickCount() - lastTick;
    if (samePlace && since <= ::GetDoubleClickTime())
        PumpFor(dialog, ::GetDoubleClickTime() - since + 50);
    const int before = WatchInput();
    MoveTo(window, client);
    PumpFor(dialog, 30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpFor(dialog, 30);
    SendMouse(MOUSEEVENTF_LEFTUP);
    AwaitInput(dialog, before, 1);
    lastTick = ::GetTickCount();
    lastPoint = screen;
}

inline void Wheel(HWND dialog, int delta)
{
    const int before = WatchInput();
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
    AwaitInput(dialog, before, 1);
}

inline void Key(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

inline void PressKey(HWND dialog, WORD key, bool shift = false)
{
    const int before = WatchInput();
    if (shift)
        Key(VK_SHIFT, false);
    Key(key, false);
    Key(key, true);
    if (shift)
        Key(VK_SHIFT, true);
    AwaitInput(dialog, before, shift ? 2 : 1);
}

// ---------------------------------------------------------------- PNG

inline std::uint32_t Crc32(const unsigned char* data, size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void PutBigEndian(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

inline void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<unsigned char> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

// An RGB PNG of the rows (top row first, 3 bytes a pixel), stored without
// compression: a picture for a person, not an archive.
inline bool WritePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb)
{
    std::vector<unsigned char> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const unsigned char* row = rgb.data() + static_cast<size_t>(y) * width * 3;
        raw.insert(raw.end(), row, row + static_cast<size_t>(width) * 3);
    }
    std::vector<unsigned char> zlib{0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t block = std::min<size_t>(65535, raw.size() - offset);
        const bool last = offset + block == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<unsigned char>(block));
        zlib.push_back(static_cast<unsigned char>(block >> 8));
        zlib.push_back(static_cast<unsigned char>(~block));
        zlib.push_back(static_cast<unsigned char>((~block) >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<long>(offset),
                    raw.begin() + static_cast<long>(offset + block));
        offset += block;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && ok;
}

// The screen inside the rectangle, as a PNG.
inline bool SaveScreen(const RECT& area, const std::string& path)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<unsigned char> bgra(static_cast<size_t>(width) * height * 4);
    const int lines = ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bgra.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (lines != height)
        return false;
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < bgra.size(); i += 4) {
        rgb.push_back(bgra[i + 2]);
        rgb.push_back(bgra[i + 1]);
        rgb.push_back(bgra[i]);
    }
    return WritePng(path, width, height, rgb);
}

// A script run inside a dialog's modal loop: a thread timer gives it its turn once the loop
// has started, and the script ends the dialog itself.
inline std::function<void()>& PendingScript()
{
    static std::function<void()> script;
    return script;
}

inline void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    auto script = std::move(PendingScript());
    PendingScript() = nullptr;
    if (script)
        script();
}

template <typename Dialog> void RunModalWithScript(Dialog& dialog, std::function<void()> script)
{
    PendingScript() = std::move(script);
    ::SetTimer(nullptr, 0, 10, RunPendingScript);
    dialog.DoModal();
}

// The rows of an open pop-up list as it lays them out, and the centre of one of them.
inline PopUpRows RowsOf(CPopUpScrollList* list)
{
    CRect client;
    list->GetClientRect(client);
    PopUpMetrics metrics;
    metrics.cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    metrics.cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    metrics.cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    metrics.cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    return LayOutPopUpRows(GridRect{client.left, client.top, client.right, client.bottom},
                           list->m_combo->GetItemCount(), list->m_combo->m_visibleRows, metrics, true);
}

inline POINT ListRowCentre(CPopUpScrollList* list, int row)
{
    const GridRect rect = PopUpRowRect(RowsOf(list), row);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace gridtest
