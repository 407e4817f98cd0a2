#include <gtest/gtest.h>

#include "grid/CellValues.h"

namespace {

TEST(CheckBoxValue, CreationPutsZeroInFrontOfAnythingButADigitFlag)
{
    struct Case {
        const wchar_t* given;
        const wchar_t* kept;
    } cases[] = {{L"1", L"1"}, {L"0", L"0"}, {L"X", L"0X"}, {L"", L"0"}, {L"1Label", L"1Label"}, {L"2", L"02"}};
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.kept), CheckBoxCreationValue(c.given)) << c.given;
}

TEST(CheckBoxValue, ToggleGetAndSetWorkOnTheFirstCharacterOnly)
{
    EXPECT_EQ(CString(L"0"), CheckBoxToggled(L"1"));
    EXPECT_EQ(CString(L"1X"), CheckBoxToggled(L"0X"));
    EXPECT_TRUE(CheckBoxIsChecked(L"1"));
    EXPECT_FALSE(CheckBoxIsChecked(L"0X"));
    EXPECT_FALSE(CheckBoxIsChecked(L""));
    EXPECT_EQ(CString(L"1X"), CheckBoxWithCheck(L"0X", true));
    EXPECT_EQ(CString(L"0"), CheckBoxWithCheck(L"1", false));
    EXPECT_EQ(CString(L"1"), CheckBoxWithCheck(L"", true));
}

TEST(CheckBoxLayout, TheClickAreaIsTheUnmarkedHalf)
{
    const GridRect rect{10, 0, 110, 20};
    const CheckBoxTwoOptionLayout disableMarked = LayOutTwoOptions(rect, L"1", false);
    EXPECT_EQ(10, disableMarked.optionALeft);
    EXPECT_EQ(60, disableMarked.optionBLeft);
    EXPECT_EQ(0, disableMarked.imageA);
    EXPECT_EQ(1, disableMarked.imageB);
    EXPECT_EQ((GridRect{10, 0, 60, 20}), disableMarked.clickArea) << "Enable is clickable";

    const CheckBoxTwoOptionLayout enableMarked = LayOutTwoOptions(rect, L"0", true);
    EXPECT_EQ(3, enableMarked.imageA) << "marked and greyed";
    EXPECT_EQ(2, enableMarked.imageB);
    EXPECT_EQ((GridRect{60, 0, 110, 20}), enableMarked.clickArea);

    // An odd width: option B starts after the left half.
    EXPECT_EQ(60, LayOutTwoOptions(GridRect{10, 0, 111, 20}, L"0", false).optionBLeft);
}

TEST(CheckBoxLayout, SingleBoxPlacesBoxAndLabelByAlignment)
{
    const GridRect rect{0, 5, 100, 25};
    // label 30 wide: c = 50
    struct Case {
        unsigned style;
        int labelHeight;
        int boxLeft;
        int labelLeft;
        int labelRight;
    } cases[] = {
        {0x20, 13, 25, 45, 76},  // centred
        {0x00, 13, 0, 20, 51},   // left
        {0x10, 13, 29, 49, 100}, // right
        {0x10, 0, 80, 100, 100}, // right, no label
    };
    for (const Case& c : cases) {
        const CheckBoxSingleLayout layout = LayOutSingleBox(rect, L"1Label", 30, c.labelHeight, c.style, false);
        EXPECT_TRUE(layout.drawBox);
        EXPECT_EQ(c.boxLeft, layout.boxLeft) << c.style;
        EXPECT_EQ(5, layout.boxTop);
        EXPECT_EQ(c.labelLeft, layout.labelRect.left) << c.style;
        EXPECT_EQ(c.labelRight, layout.labelRect.right) << c.style;
        EXPECT_EQ((GridRect{c.boxLeft, 5, c.boxLeft + 20, 25}), layout.clickArea);
        EXPECT_EQ(1, layout.image);
    }

    // Narrower than box and label: box at the left, label after it.
    const CheckBoxSingleLayout narrow = LayOutSingleBox(GridRect{0, 0, 40, 20}, L"0Label", 30, 13, 0x20, true);
    EXPECT_EQ(0, narrow.boxLeft);
    EXPECT_EQ(20, narrow.labelRect.left);
    EXPECT_EQ(2, narrow.image);

    // Narrower than a box: no box, the label moved 20 to the left.
    const CheckBoxSingleLayout tiny = LayOutSingleBox(GridRect{0, 0, 15, 20}, L"0Label", 30, 13, 0x20, false);
    EXPECT_FALSE(tiny.drawBox);
    EXPECT_EQ(0, tiny.labelRect.left);
    EXPECT_EQ(0, tiny.clickArea.Width());
}

TEST(ComboItemString, ElementZeroPicksTheCurrentItemIgnoringCase)
{
    struct Case {
        const wchar_t* itemString;
        std::vector<CString> items;
        int current;
        const wchar_t* text;
    } cases[] = {
        {L"Medium\nLow\nMedium\nHigh", {L"Low", L"Medium", L"High"}, 1, L"Medium"},
        {L"Low\nLow\nHigh", {L"Low", L"High"}, 0, L"Low"},
        {L"x\nLow\nHigh", {L"x", L"Low", L"High"}, -1, L""},
        {L"high\nLow\nHigh", {L"Low", L"High"}, 1, L"High"},
        {L"Medium", {L"Medium"}, -1, L""},
        {L"", {L""}, -1, L""},
        {L"b\na\nb\nb", {L"a", L"b", L"b"}, 1, L"b"},
    };
    for (const Case& c : cases) {
        const ComboItems combo = ParseComboItemString(c.itemString);
        EXPECT_EQ(c.items, combo.items) << c.itemString;
        EXPECT_EQ(c.current, combo.current) << c.itemString;
        EXPECT_EQ(CString(c.text), combo.text) << c.itemString;
    }
}

TEST(ComboItemString, OnlyIndexesInsideTheItemsAreItems)
{
    const ComboItems combo = ParseComboItemString(L"Low\nLow\nHigh");
    EXPECT_FALSE(IsComboItemIndex(combo, -1));
    EXPECT_TRUE(IsComboItemIndex(combo, 0));
    EXPECT_TRUE(IsComboItemIndex(combo, 1));
    EXPECT_FALSE(IsComboItemIndex(combo, 2));
}

} // namespace
