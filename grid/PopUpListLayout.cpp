#include "grid/PopUpListLayout.h"

#include <algorithm>

namespace {

// Virtual-key and scroll-bar codes, as the system numbers them.
constexpr unsigned kVkPrior = 0x21;
constexpr unsigned kVkNext = 0x22;
constexpr unsigned kVkEnd = 0x23;
constexpr unsigned kVkHome = 0x24;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkDown = 0x28;
constexpr unsigned kSbLineUp = 0;
constexpr unsigned kSbLineDown = 1;
constexpr unsigned kSbPageUp = 2;
constexpr unsigned kSbPageDown = 3;
constexpr unsigned kSbThumbTrack = 5;

} // namespace

GridRect PopUpRect(const GridRect& cell, int visibleRows, int itemCount, int textHeight, const PopUpMetrics& metrics,
                   bool below)
{
    const int rows = std::min(visibleRows, itemCount);
    const int height = itemCount > 0 ? textHeight * rows + 2 * metrics.cyBorder : metrics.cyVThumb;
    GridRect rect{cell.left, 0, cell.right, 0};
    if (below) {
        rect.top = cell.bottom;
        rect.bottom = rect.top + height;
    } else {
        rect.bottom = cell.top;
        rect.top = rect.bottom - height;
    }
    return rect;
}

bool PopUpFitsScreen(const GridRect& screenRect, int fullScreenWidth, int fullScreenHeight)
{
    return GridRectInsideRect(screenRect, GridRect{0, 0, fullScreenWidth, fullScreenHeight});
}

PopUpScroll SyncPopUp(int currentIndex, int visibleRows)
{
    PopUpScroll scroll;
    scroll.highlighted = currentIndex;
    scroll.position = 0;
    if (currentIndex >= visibleRows) {
        scroll.highlighted = visibleRows - 1;
        scroll.position = currentIndex - visibleRows + 1;
    }
    return scroll;
}

int MaxScrollPosition(int itemCount, int visibleRows)
{
    return std::max(0, itemCount - std::max(visibleRows, 1));
}

int ClampScrollPosition(int position, int itemCount, int visibleRows)
{
    return std::clamp(position, 0, MaxScrollPosition(itemCount, visibleRows));
}

PopUpScroll PopUpKey(unsigned key, PopUpScroll now, int itemCount, int visibleRows)
{
    PopUpScroll next = now;
    switch (key) {
    case kVkPrior:
        if (now.highlighted != 0)
            next.highlighted = 0;
        else
            next.position -= visibleRows;
        break;
    case kVkNext:
        if (now.highlighted < visibleRows - 1)
            next.highlighted = visibleRows - 1;
        else
            next.position += visibleRows;
        break;
    case kVkEnd: next.position = itemCount - visibleRows; break;
    case kVkHome: next.position = 0; break;
    case kVkUp:
        if (now.highlighted != 0)
            next.highlighted -= 1;
        else
            next.position -= 1;
        break;
    case kVkDown:
        if (now.highlighted < visibleRows - 1)
            next.highlighted += 1;
        else
            next.position += 1;
        break;
    default: return now;
    }
    next.position = ClampScrollPosition(next.position, itemCount, visibleRows);
    return next;
}

PopUpScroll PopUpVScroll(unsigned code, int trackPosition, PopUpScroll now, int itemCount, int visibleRows)
{
    int position = now.position;
    switch (code) {
    case kSbLineUp: position -= 1; break;
    case kSbLineDown: position += 1; break;
    case kSbPageUp: position -= visibleRows; break;
    case kSbPageDown: position += visibleRows; break;
    case kSbThumbTrack: position = trackPosition; break;
    default: break;
    }
    PopUpScroll next = now;
    next.position = ClampScrollPosition(position, itemCount, visibleRows);
    next.highlighted += now.position - next.position;
    return next;
}

PopUpScroll PopUpWheel(int delta, PopUpScroll now, int itemCount, int visibleRows)
{
    int position = now.position;
    if (delta > 0)
        position -= 1;
    else if (delta < 0)
        position += 1;
    PopUpScroll next = now;
    next.position = ClampScrollPosition(position, itemCount, visibleRows);
    next.highlighted += now.position - next.position;
    return next;
}

PopUpRows LayOutPopUpRows(const GridRect& client, int itemCount, int visibleRows, const PopUpMetrics& metrics,
                          bool rowsAlwaysLeaveScrollBar)
{
    PopUpRows rows;
    rows.inner = GridRect{client.left + metrics.cxBorder, client.top + metrics.cyBorder,
                          client.right - metrics.cxBorder, client.bottom - metrics.cyBorder};
    rows.scrollBar = itemCount > visibleRows;
    rows.rowRight = rows.inner.right;
    if (rows.scrollBar || rowsAlwaysLeaveScrollBar)
        rows.rowRight -= metrics.cxVScroll;
    rows.rows = std::min(itemCount, visibleRows);
    rows.rowHeight = rows.rows > 0 ? rows.inner.Height() / rows.rows : metrics.cyVThumb - 2 * metrics.cyBorder;
    return rows;
}

GridRect PopUpRowRect(const PopUpRows& rows, int row)
{
    const int top = rows.inner.top + row * rows.rowHeight;
    return GridRect{rows.inner.left, top, rows.rowRight, top + rows.rowHeight};
}

int PopUpRowAt(const PopUpRows& rows, int x, int y)
{
    for (int row = 0; row < rows.rows; ++row)
        if (GridPointInRect(PopUpRowRect(rows, row), x, y))
            return row;
    return -1;
}
