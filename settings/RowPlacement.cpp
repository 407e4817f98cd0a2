#include "settings/RowPlacement.h"

namespace {
constexpr float kMinimumRowCount = 8.0f;
}

PlacedControl PlaceControlInRow(const PlaceRect& area, float rowCount, int margin, float rowIndex,
                                const PlaceRect& control)
{
    const float rows = rowCount < kMinimumRowCount ? kMinimumRowCount : rowCount;
    const float rowHeight = static_cast<float>(area.bottom - area.top - 2 * margin) / rows;
    const int height = control.bottom - control.top;
    float slack = rowHeight - static_cast<float>(height);
    if (slack < 0.0f)
        slack = 0.0f;
    const int top = static_cast<int>(static_cast<float>(area.top + margin) + rowHeight * rowIndex + slack / 2.0f);
    return {control.left - area.left, top - area.top, control.right - control.left, height};
}
