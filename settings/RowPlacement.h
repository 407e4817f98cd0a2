#pragma once
// Vertical placement of the fixed option controls in rows laid over the page.

struct PlaceRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct PlacedControl {
    int left; // relative to the area
    int top;  // relative to the area
    int width;
    int height;
};

// The rows share the area's height less the margin above and below; fewer than eight rows are
// laid out as eight, so short layouts keep the spacing of the long ones. The control keeps its
// horizontal place and its size and is centred in its row; one taller than its row starts at
// the row's top. Row indices may be fractional. Both rectangles are in the same (screen)
// coordinates.
PlacedControl PlaceControlInRow(const PlaceRect& area, float rowCount, int margin, float rowIndex,
                                const PlaceRect& control);
