#pragma once
// What a window looks like on the (virtual) screen, for pixel checks and for
// the pictures the test programs save to build/screenshots/.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // row by row, top row first

    COLORREF At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CLR_INVALID;
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

// The window as the screen shows it, after every pending paint; clientOnly
// leaves the frame out.
inline WindowPicture CaptureWindow(HWND hwnd, bool clientOnly = false)
{
    WindowPicture picture;
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageW(&msg);
    ::GdiFlush();
    RECT rect;
    if (clientOnly) {
        ::GetClientRect(hwnd, &rect);
        ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    } else {
        ::GetWindowRect(hwnd, &rect);
    }
    picture.width = rect.right - rect.left;
    picture.height = rect.bottom - rect.top;
    if (picture.width <= 0 || picture.height <= 0)
        return picture;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, picture.width, picture.height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t p = source[i]; // 0x00RRGGBB
        picture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

namespace window_capture_detail {

inline std::uint32_t Crc32(const std::uint8_t* data, size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    Put32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, Crc32(body.data(), body.size()));
}

} // namespace window_capture_detail

// A PNG of the picture (stored, uncompressed deflate blocks: no library needed).
inline bool SavePng(const WindowPicture& picture, const std::wstring& path)
{
    using namespace window_capture_detail;
    if (picture.width <= 0 || picture.height <= 0)
        return false;
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.At(x, y);
            raw.push_back(GetRValue(c));
            raw.push_back(GetGValue(c));
            raw.push_back(GetBValue(c));
        }
    }
    std::vector<std::uint8_t> z = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const size_t size = raw.size() - at < 65535 ? raw.size() - at : 65535;
        z.push_back(at + size >= raw.size() ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(size & 0xFF));
        z.push_back(static_cast<std::uint8_t>(size >> 8));
        z.push_back(static_cast<std::uint8_t>(~size & 0xFF));
        z.push_back(static_cast<std::uint8_t>((~size >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + size));
        if (raw.empty())
            break;
    }
    Put32(z, (b << 16) | a);
    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(picture.width));
    Put32(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

// build/<tree>/screenshots/<name>.png: the test programs run from build/<tree>/bin.
inline std::wstring ScreenshotPath(const std::wstring& name)
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe, length);
    folder = folder.substr(0, folder.rfind(L'\\'));
    folder = folder.substr(0, folder.rfind(L'\\')) + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name + L".png";
}

inline bool SaveScreenshot(HWND hwnd, const std::wstring& name)
{
    return SavePng(CaptureWindow(hwnd), ScreenshotPath(name));
}
