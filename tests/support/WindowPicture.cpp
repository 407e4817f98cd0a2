#include "tests/support/WindowPicture.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(body.data(), body.size()));
}

// An RGB picture as PNG; the pixel rows go in stored (uncompressed) deflate
// blocks, which every viewer reads.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgbRows)
{
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB
    PutChunk(png, "IHDR", header);

    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : rgbRows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, rgbRows.size() - at);
        const bool last = at + length == rgbRows.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<std::uint8_t>(length & 0xFF));
        zlib.push_back(static_cast<std::uint8_t>(length >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~length & 0xFF));
        zlib.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
        zlib.insert(zlib.end(), rgbRows.begin() + static_cast<std::ptrdiff_t>(at),
                    rgbRows.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < rgbRows.size());
    PutBigEndian(zlib, (b << 16) | a);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace

bool SaveWindowPicture(HWND window, const std::wstring& pngPath)
{
    RECT rect = {};
    if (!GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = bitmap != nullptr;
    if (ok) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    std::vector<std::uint8_t> rows;
    if (ok) {
        const std::uint8_t* pixels = static_cast<const std::uint8_t*>(bits);
        rows.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
        for (int y = 0; y < height; ++y) {
            rows.push_back(0); // no filter
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = pixels + (static_cast<std::size_t>(y) * width + x) * 4;
                rows.insert(rows.end(), {p[2], p[1], p[0]});
            }
        }
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!ok)
        return false;

    const std::vector<std::uint8_t> png = EncodePng(width, height, rows);
    FILE* file = _wfopen(pngPath.c_str(), L"wb");
    if (file == nullptr)
        return false;
    ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && ok;
}

std::wstring ScreenshotFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    // The test programs lie in <build>\bin.
    for (int up = 0; up < 2; ++up) {
        const std::size_t slash = folder.find_last_of(L"\\/");
        if (slash == std::wstring::npos)
            return L".";
        folder.resize(slash);
    }
    folder += L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
