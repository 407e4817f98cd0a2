#include "grid/CellValues.h"

bool GridPointInRect(const GridRect& rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

bool GridRectInsideRect(const GridRect& inner, const GridRect& outer)
{
    return GridPointInRect(outer, inner.left, inner.top) && GridPointInRect(outer, inner.right, inner.bottom);
}

CString CheckBoxCreationValue(const CString& value)
{
    if (value.IsEmpty() || (value[0] != L'0' && value[0] != L'1'))
        return L"0" + value;
    return value;
}

CString CheckBoxToggled(const CString& value)
{
    return CheckBoxWithCheck(value, !CheckBoxIsChecked(value));
}

bool CheckBoxIsChecked(const CString& value)
{
    return !value.IsEmpty() && value[0] == L'1';
}

CString CheckBoxWithCheck(const CString& value, bool check)
{
    const wchar_t mark = check ? L'1' : L'0';
    if (value.IsEmpty())
        return CString(mark);
    CString result = value;
    result.SetAt(0, mark);
    return result;
}

CheckBoxTwoOptionLayout LayOutTwoOptions(const GridRect& rect, const CString& value, bool disabled)
{
    CheckBoxTwoOptionLayout layout;
    const int half = rect.Width() / 2;
    const bool checked = CheckBoxIsChecked(value);
    layout.optionALeft = rect.left;
    layout.optionBLeft = rect.left + half;
    layout.imageA = (checked ? 0 : 1) + (disabled ? 2 : 0);
    layout.imageB = (checked ? 1 : 0) + (disabled ? 2 : 0);
    if (checked)
        layout.clickArea = GridRect{rect.left, rect.top, rect.left + half, rect.bottom};
    else
        layout.clickArea = GridRect{rect.left + half, rect.top, rect.right, rect.bottom};
    return layout;
}

CheckBoxSingleLayout LayOutSingleBox(const GridRect& rect, const CString& value, int labelWidth, int labelHeight,
                                     unsigned style, bool disabled)
{
    CheckBoxSingleLayout layout;
    const int c = labelWidth + kCheckImageSize;
    layout.boxTop = rect.top;
    layout.labelRect = GridRect{rect.left + kCheckImageSize, rect.top, rect.right, rect.bottom};
    layout.boxLeft = rect.left;
    if (rect.Width() >= c) {
        if (style & 0x20) {
            layout.boxLeft = rect.left + (rect.Width() - c) / 2;
            layout.labelRect.left = layout.boxLeft + kCheckImageSize;
            layout.labelRect.right = layout.boxLeft + c + 1;
        } else if (style & 0x10) {
            if (labelHeight == 0) {
                layout.labelRect = GridRect{rect.right, rect.top, rect.right, rect.bottom};
                layout.boxLeft = rect.right - kCheckImageSize;
            } else {
                layout.labelRect.left = rect.right - c - 1;
                layout.labelRect.right = rect.right;
                layout.boxLeft = rect.right - c - 21;
            }
        } else {
            layout.labelRect.left = layout.boxLeft + kCheckImageSize;
            layout.labelRect.right = layout.boxLeft + c + 1;
        }
    }
    layout.image = (CheckBoxIsChecked(value) ? 1 : 0) + (disabled ? 2 : 0);
    if (rect.Width() < kCheckImageSize) {
        layout.drawBox = false;
        layout.labelRect.left -= kCheckImageSize;
        layout.clickArea = GridRect{};
    } else {
        layout.drawBox = true;
        layout.clickArea =
            GridRect{layout.boxLeft, layout.boxTop, layout.boxLeft + kCheckImageSize, layout.boxTop + kCheckImageSize};
    }
    return layout;
}

ComboItems ParseComboItemString(const CString& itemString)
{
    std::vector<CString> elements;
    int start = 0;
    for (;;) {
        const int lineFeed = itemString.Find(L'\n', start);
        if (lineFeed < 0) {
            elements.push_back(itemString.Mid(start));
            break;
        }
        elements.push_back(itemString.Mid(start, lineFeed - start));
        start = lineFeed + 1;
    }
    ComboItems combo;
    for (size_t i = 1; i < elements.size(); ++i) {
        if (elements[i].CompareNoCase(elements[0]) == 0) {
            combo.current = static_cast<int>(i) - 1;
            break;
        }
    }
    if (combo.current >= 0)
        combo.items.assign(elements.begin() + 1, elements.end());
    else
        combo.items = elements;
    combo.text = combo.current >= 0 ? combo.items[static_cast<size_t>(combo.current)] : CString();
    return combo;
}

bool IsComboItemIndex(const ComboItems& combo, int index)
{
    return index >= 0 && index < static_cast<int>(combo.items.size());
}
