#include <gtest/gtest.h>

#include "grid/PopUpListLayout.h"

namespace {

constexpr unsigned kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kUp = 0x26, kDown = 0x28;
constexpr unsigned kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbTrack = 5, kEndScroll = 8;

PopUpMetrics Metrics()
{
    PopUpMetrics m;
    m.cxBorder = 1;
    m.cyBorder = 1;
    m.cxVScroll = 17;
    m.cyVThumb = 17;
    m.cxDlgFrame = 3;
    m.cyDlgFrame = 3;
    return m;
}

TEST(PopUpRect, OpensBelowOrAboveWithTheSameHeight)
{
    const GridRect cell{100, 40, 220, 62};
    const GridRect below = PopUpRect(cell, 6, 10, 13, Metrics(), true);
    EXPECT_EQ((GridRect{100, 62, 220, 62 + 6 * 13 + 2}), below);
    const GridRect above = PopUpRect(cell, 6, 10, 13, Metrics(), false);
    EXPECT_EQ((GridRect{100, 40 - 80, 220, 40}), above);
    // Fewer items than rows: as many rows as items.
    EXPECT_EQ(3 * 13 + 2, PopUpRect(cell, 6, 3, 13, Metrics(), true).Height());
    // No items: one thumb high.
    EXPECT_EQ(17, PopUpRect(cell, 6, 0, 13, Metrics(), true).Height());
}

TEST(PopUpRect, FitsOnlyWithBothCornersInsideTheFullScreenArea)
{
    EXPECT_TRUE(PopUpFitsScreen(GridRect{10, 10, 100, 100}, 1280, 1000));
    EXPECT_FALSE(PopUpFitsScreen(GridRect{10, 950, 100, 1000}, 1280, 1000)) << "bottom edge is outside";
    EXPECT_TRUE(PopUpFitsScreen(GridRect{10, 950, 100, 999}, 1280, 1000));
    EXPECT_FALSE(PopUpFitsScreen(GridRect{-1, 10, 100, 100}, 1280, 1000));
}

TEST(PopUpScroll, OpeningShowsTheCurrentItem)
{
    struct Case {
        int current, position, highlighted;
    } cases[] = {{8, 3, 5}, {5, 0, 5}, {6, 1, 5}, {0, 0, 0}, {-1, 0, -1}};
    for (const Case& c : cases) {
        const PopUpScroll scroll = SyncPopUp(c.current, 6);
        EXPECT_EQ(c.position, scroll.position) << c.current;
        EXPECT_EQ(c.highlighted, scroll.highlighted) << c.current;
        if (c.current >= 0) {
            EXPECT_EQ(c.current, PopUpReportedIndex(scroll));
        }
    }
}

TEST(PopUpScroll, KeysMoveTheHighlightThenTheScrollPosition)
{
    struct Case {
        unsigned key;
        int position, highlighted, items;
        int wantPosition, wantHighlighted;
    } cases[] = {
        {kPrior, 2, 3, 10, 2, 0}, {kPrior, 2, 0, 10, 0, 0}, {kNext, 0, 2, 10, 0, 5}, {kNext, 0, 5, 10, 4, 5},
        {kEnd, 0, 2, 10, 4, 2},   {kHome, 3, 2, 10, 0, 2},  {kUp, 2, 1, 10, 2, 0},   {kUp, 2, 0, 10, 1, 0},
        {kUp, 0, 0, 10, 0, 0},    {kDown, 0, 4, 10, 0, 5},  {kDown, 0, 5, 10, 1, 5}, {kDown, 4, 5, 10, 4, 5},
        {kEnd, 0, 0, 3, 0, 0},    {0x41, 1, 1, 10, 1, 1},
    };
    for (const Case& c : cases) {
        const PopUpScroll next = PopUpKey(c.key, PopUpScroll{c.position, c.highlighted}, c.items, 6);
        EXPECT_EQ(c.wantPosition, next.position) << std::hex << c.key << std::dec << " at " << c.position;
        EXPECT_EQ(c.wantHighlighted, next.highlighted) << std::hex << c.key << std::dec << " at " << c.position;
    }
}

TEST(PopUpScroll, ScrollBarKeepsTheSameItemHighlighted)
{
    struct Case {
        unsigned code;
        int track, position, highlighted;
        int wantPosition, wantHighlighted;
    } cases[] = {
        {kLineDown, 0, 0, 2, 1, 1},    {kLineUp, 0, 1, 1, 0, 2},    {kLineUp, 0, 0, 2, 0, 2},
        {kPageDown, 0, 0, 5, 4, 1},    {kPageUp, 0, 4, 0, 0, 4},    {kThumbTrack, 3, 0, 4, 3, 1},
        {kThumbTrack, 9, 0, 0, 4, -4}, {kEndScroll, 2, 2, 2, 2, 2},
    };
    for (const Case& c : cases) {
        const PopUpScroll next = PopUpVScroll(c.code, c.track, PopUpScroll{c.position, c.highlighted}, 10, 6);
        EXPECT_EQ(c.wantPosition, next.position) << c.code;
        EXPECT_EQ(c.wantHighlighted, next.highlighted) << c.code;
        EXPECT_EQ(c.position + c.highlighted, PopUpReportedIndex(next)) << c.code;
    }
}

TEST(PopUpScroll, TheWheelMovesOneLineAndTheHighlightStaysOnItsItem)
{
    struct Case {
        int delta, position, highlighted;
        int wantPosition, wantHighlighted;
    } cases[] = {
        {-120, 0, 2, 1, 1}, {120, 2, 2, 1, 3},  {-360, 0, 2, 1, 1}, {360, 2, 2, 1, 3},
        {120, 0, 2, 0, 2},  {-120, 4, 2, 4, 2}, {0, 2, 2, 2, 2},
    };
    for (const Case& c : cases) {
        const PopUpScroll next = PopUpWheel(c.delta, PopUpScroll{c.position, c.highlighted}, 10, 6);
        EXPECT_EQ(c.wantPosition, next.position) << c.delta << " at " << c.position;
        EXPECT_EQ(c.wantHighlighted, next.highlighted) << c.delta << " at " << c.position;
    }
}

TEST(PopUpRows, RowsFillTheFrameAndTheScrollBarOnlyWhenNeeded)
{
    const GridRect client{0, 0, 120, 80};
    const PopUpRows ten = LayOutPopUpRows(client, 10, 6, Metrics(), false);
    EXPECT_TRUE(ten.scrollBar);
    EXPECT_EQ(6, ten.rows);
    EXPECT_EQ(78 / 6, ten.rowHeight);
    EXPECT_EQ(119 - 17, ten.rowRight);
    EXPECT_EQ((GridRect{1, 1 + 2 * 13, 102, 1 + 3 * 13}), PopUpRowRect(ten, 2));

    const PopUpRows three = LayOutPopUpRows(GridRect{0, 0, 120, 41}, 3, 6, Metrics(), false);
    EXPECT_FALSE(three.scrollBar);
    EXPECT_EQ(3, three.rows);
    EXPECT_EQ(119, three.rowRight);
    EXPECT_EQ(102, LayOutPopUpRows(GridRect{0, 0, 120, 41}, 3, 6, Metrics(), true).rowRight);

    const PopUpRows none = LayOutPopUpRows(GridRect{0, 0, 120, 17}, 0, 6, Metrics(), false);
    EXPECT_EQ(0, none.rows);
    EXPECT_EQ(15, none.rowHeight);
}

TEST(PopUpRows, TheRowUnderAPoint)
{
    const PopUpRows rows = LayOutPopUpRows(GridRect{0, 0, 120, 80}, 10, 6, Metrics(), true);
    EXPECT_EQ(0, PopUpRowAt(rows, 5, 1));
    EXPECT_EQ(0, PopUpRowAt(rows, 5, 13));
    EXPECT_EQ(1, PopUpRowAt(rows, 5, 14));
    EXPECT_EQ(5, PopUpRowAt(rows, 5, 78));
    EXPECT_EQ(-1, PopUpRowAt(rows, 5, 79)) << "the remainder below the rows";
    EXPECT_EQ(-1, PopUpRowAt(rows, 110, 20)) << "over the scroll bar";
    EXPECT_EQ(-1, PopUpRowAt(rows, 0, 20)) << "on the frame";
}

} // namespace
