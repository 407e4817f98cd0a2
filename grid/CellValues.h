#pragma once
// The value rules of the grid's cells, free of any window: the check box's
// "0"/"1" text and the places of its parts, the combo's item string.
#include <vector>

#include "afx/afxstr.h"

struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const GridRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The system's point-in-rectangle rule: the right and bottom edges are outside.
bool GridPointInRect(const GridRect& rect, int x, int y);
// Both corners of inner inside outer, each by the point rule.
bool GridRectInsideRect(const GridRect& inner, const GridRect& outer);

// ---------------------------------------------------------------- check box

// Side of the radio images of a check box.
constexpr int kCheckImageSize = 20;

// The value a check box keeps for a creation value: "0" goes in front of a
// text that starts with neither "0" nor "1".
CString CheckBoxCreationValue(const CString& value);
// "1" <-> "0" in the first character; the label after it stays.
CString CheckBoxToggled(const CString& value);
bool CheckBoxIsChecked(const CString& value);
CString CheckBoxWithCheck(const CString& value, bool check);

// Two options side by side: A (left half, the checked label, "Enable") and B
// (right half, the unchecked label, "Disable"). "0" marks A, "1" marks B. The
// click area is the half of the option that is not marked, so a click on the
// marked one changes nothing.
struct CheckBoxTwoOptionLayout {
    int optionALeft = 0;
    int optionBLeft = 0;
    int imageA = 0; // 0 empty circle, 1 marked, plus 2 when greyed
    int imageB = 0;
    GridRect clickArea;
};
CheckBoxTwoOptionLayout LayOutTwoOptions(const GridRect& rect, const CString& value, bool disabled);

// One box with the label after the value's first character.
struct CheckBoxSingleLayout {
    bool drawBox = false; // false: only the label is drawn (rect narrower than a box)
    int boxLeft = 0;
    int boxTop = 0;
    GridRect labelRect;
    int image = 0;
    GridRect clickArea; // the box, or empty when no box is drawn
};
// Style bits of the cell: 0x20 centred, 0x10 right.
CheckBoxSingleLayout LayOutSingleBox(const GridRect& rect, const CString& value, int labelWidth, int labelHeight,
                                     unsigned style, bool disabled);

// ---------------------------------------------------------------- combo

// The creation value of a combo: elements joined by line feeds; element 0 is
// the current value, the others the items.
struct ComboItems {
    std::vector<CString> items;
    int current = -1;
    CString text;
};
ComboItems ParseComboItemString(const CString& itemString);
bool IsComboItemIndex(const ComboItems& combo, int index);
