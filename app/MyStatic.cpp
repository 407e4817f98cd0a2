#include "app/MyStatic.h"

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

} // namespace

void CMyStatic::OnPaint()
{
    const HBITMAP image = GetBitmap();
    if (!image) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    const HGDIOBJ before = memory.SelectObject(image);
    const SIZE background = BitmapSize(m_background);
    if (background.cx > 0) {
        memory.SelectObject(&m_background);
        dc.BitBlt(0, 0, background.cx, background.cy, &memory, 0, 0, SRCCOPY);
    }
    const SIZE size = BitmapSize(image);
    memory.SelectObject(image);
    const COLORREF transparent = ::GetPixel(memory, 0, 0);
    dc.TransparentBlt(0, 0, size.cx, size.cy, &memory, 0, 0, size.cx, size.cy, transparent);
    memory.SelectObject(before);
}

BEGIN_MESSAGE_MAP(CMyStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()
