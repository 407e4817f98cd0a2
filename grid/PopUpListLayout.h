#pragma once
// The arithmetic of a drop-down cell's pop-up list, with the system metrics
// as inputs: where it opens, which rows it shows, and how keys, the scroll
// bar and the wheel move its scroll position and its highlighted row.
#include "grid/CellValues.h"

struct PopUpMetrics {
    int cxBorder = 1;
    int cyBorder = 1;
    int cxVScroll = 16;
    int cyVThumb = 16;
    int cxDlgFrame = 3;
    int cyDlgFrame = 3;
};

// Rows shown at once by a drop-down cell's list.
constexpr int kPopUpVisibleRows = 6;

// The list's rectangle for a cell, in the cell's coordinates. textHeight is
// the height of "M" on the grid's DC.
GridRect PopUpRect(const GridRect& cell, int visibleRows, int itemCount, int textHeight, const PopUpMetrics& metrics,
                   bool below);
// Below the cell when that fits the full-screen area (0, 0, cx, cy), else above.
bool PopUpFitsScreen(const GridRect& screenRect, int fullScreenWidth, int fullScreenHeight);

struct PopUpScroll {
    int position = 0;    // first item shown
    int highlighted = 0; // row, counted from the first shown item
};

// Opening on the current item: it is shown, in the last visible row when
// it lies further down.
PopUpScroll SyncPopUp(int currentIndex, int visibleRows);

// The highest scroll position: the last page shows the last items.
int MaxScrollPosition(int itemCount, int visibleRows);
int ClampScrollPosition(int position, int itemCount, int visibleRows);

// Navigation keys (VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_UP, VK_DOWN); any
// other key changes nothing. The position is clamped as the scroll bar does.
PopUpScroll PopUpKey(unsigned key, PopUpScroll now, int itemCount, int visibleRows);
// Scroll-bar codes; the highlight moves against the scroll so that the same
// item stays highlighted.
PopUpScroll PopUpVScroll(unsigned code, int trackPosition, PopUpScroll now, int itemCount, int visibleRows);
// One line per wheel message whatever the delta; the highlight follows the
// item by the change actually made.
PopUpScroll PopUpWheel(int delta, PopUpScroll now, int itemCount, int visibleRows);

// The list's rows inside its client area.
struct PopUpRows {
    GridRect inner; // the client area within the one-pixel frame
    int rows = 0;   // rows drawn
    int rowHeight = 0;
    int rowRight = 0; // right end of the rows
    bool scrollBar = false;
};
PopUpRows LayOutPopUpRows(const GridRect& client, int itemCount, int visibleRows, const PopUpMetrics& metrics,
                          bool rowsAlwaysLeaveScrollBar);
GridRect PopUpRowRect(const PopUpRows& rows, int row);
// The first row holding the point, or -1.
int PopUpRowAt(const PopUpRows& rows, int x, int y);

// The item a click reports: scroll position + highlighted row.
inline int PopUpReportedIndex(const PopUpScroll& scroll)
{
    return scroll.position + scroll.highlighted;
}
