#include "filterlist/core/DragDropMath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Items of 16 pixels in a box 100 wide and 40 high: two and a half rows shown.
sListBoxGeometry Box(int nTop = 0, int nCount = 4)
{
    return {nCount, nTop, 16, 100, 40};
}

TEST(DragDropMath, ItemFromPointFindsTheNearestItem)
{
    struct Case
    {
        sListBoxGeometry geo;
        int x, y;
        int nIndex;
        bool bOutside;
    } const cases[] = {
        {Box(), 5, 15, 0, false},     {Box(), 5, 39, 2, false},   // partly shown row
        {Box(1), 5, 17, 2, false},    {Box(0, 2), 5, 35, 1, true}, // scrolled; below the last item
        {Box(), 5, 300, 2, true},     {Box(1), 5, -50, 1, true},   // below, above the box
        {Box(), 100, 20, 1, true},    {Box(0, 0), 5, 5, -1, true}, // beside the box; empty
    };
    for (const Case &c : cases) {
        const sItemHit hit = ItemFromPoint(c.geo, c.x, c.y);
        EXPECT_EQ(hit.nIndex, c.nIndex) << c.x << "," << c.y;
        EXPECT_EQ(hit.bOutside, c.bOutside) << c.x << "," << c.y;
    }
}

TEST(DragDropMath, InsertionMarkLiesBelowTheItemsTopOrOnTheLastBottom)
{
    struct Case
    {
        sListBoxGeometry geo;
        int nIndex;
        int y; // -1: not shown
    } const cases[] = {
        {Box(), 1, 17}, {Box(1), 2, 17}, {Box(0, 2), -1, 32}, // end of a short box
        {Box(1), 0, -1},                                      // scrolled away
        {Box(), 3, -1}, {Box(), -1, -1},                      // below the client area
        {Box(0, 2), 2, -1},
    };
    for (const Case &c : cases) {
        const sMarkLine mark = InsertionMark(c.geo, c.nIndex);
        EXPECT_EQ(mark.bVisible ? mark.y : -1, c.y) << c.geo.nTopIndex << "/" << c.nIndex;
    }
}

TEST(DragDropMath, AutoScrollIsFasterFartherAway)
{
    struct Case
    {
        int y;
        eScrollDir dir;
        int nInterval;
    } const cases[] = {
        {41, eScrollDir::Down, 250}, {40 + 48, eScrollDir::Down, 62}, // three item heights below
        {40, eScrollDir::None, 0},   {-32, eScrollDir::Up, 83},
    };
    for (const Case &c : cases) {
        const sAutoScroll scroll = AutoScroll(c.y, 40, 16);
        EXPECT_EQ(scroll.dir, c.dir) << c.y;
        EXPECT_EQ(scroll.nInterval, c.nInterval) << c.y;
    }
}

TEST(DragDropMath, PlanDropMovesBeforeTheMarkedItem)
{
    struct Case
    {
        int nDrag, nDrop;
        std::vector<std::string> order;
        int nSelect; // -1: selection left alone
        bool bNotify;
    } const cases[] = {
        {0, 2, {"b", "a", "c", "d"}, 1, true},
        {3, 1, {"a", "d", "b", "c"}, 1, true},
        {1, -1, {"a", "c", "d", "b"}, 3, true},
        {1, 1, {"a", "b", "c", "d"}, -1, true},
        {1, 2, {"a", "b", "c", "d"}, 1, true},  // just before the next item
        {0, 5, {"b", "c", "d", "a"}, 3, true},  // mark scrolled past the end
        {2, -2, {"c", "a", "b", "d"}, 0, true}, // mark scrolled above the start
        {4, 0, {"a", "b", "c", "d"}, -1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.nDrag) + " to " + std::to_string(c.nDrop));
        const sDropMove move = PlanDrop(4, c.nDrag, c.nDrop);
        EXPECT_EQ(DropOrder<std::string>({"a", "b", "c", "d"}, move), c.order);
        EXPECT_EQ(move.bMoves ? move.nTo : -1, c.nSelect);
        EXPECT_EQ(move.bNotify, c.bNotify);
    }
}

} // namespace
