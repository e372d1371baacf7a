#include "filterlist/core/DragDropMath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Four items of 16 pixels in a box 100 wide and 40 high: two and a half rows
// are shown.
sListBoxGeometry Box(int nTop = 0, int nCount = 4)
{
    return {nCount, nTop, 16, 100, 40};
}

struct HitCase
{
    const char *name;
    sListBoxGeometry geo;
    int x, y;
    sItemHit hit;
};

class ItemFromPointTest : public testing::TestWithParam<HitCase> {};

TEST_P(ItemFromPointTest, FindsNearestItem)
{
    const HitCase &c = GetParam();
    const sItemHit hit = ItemFromPoint(c.geo, c.x, c.y);
    EXPECT_EQ(hit.nIndex, c.hit.nIndex);
    EXPECT_EQ(hit.bOutside, c.hit.bOutside);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemFromPointTest, testing::Values(
    HitCase{"first", Box(), 5, 0, {0, false}},
    HitCase{"lastRowOfFirst", Box(), 5, 15, {0, false}},
    HitCase{"partlyShown", Box(), 5, 39, {2, false}},
    HitCase{"scrolled", Box(1), 5, 17, {2, false}},
    HitCase{"belowLastItem", Box(0, 2), 5, 35, {1, true}},
    HitCase{"belowBox", Box(), 5, 300, {2, true}},
    HitCase{"aboveBox", Box(1), 5, -50, {1, true}},
    HitCase{"besideBox", Box(), 100, 20, {1, true}},
    HitCase{"empty", Box(0, 0), 5, 5, {-1, true}}),
    [](const auto &info) { return std::string(info.param.name); });

struct MarkCase
{
    const char *name;
    sListBoxGeometry geo;
    int nIndex;
    bool bVisible;
    int y;
};

class InsertionMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(InsertionMarkTest, LiesOnTheItemsTopOrTheLastBottom)
{
    const MarkCase &c = GetParam();
    const sMarkLine mark = InsertionMark(c.geo, c.nIndex);
    EXPECT_EQ(mark.bVisible, c.bVisible);
    if (c.bVisible) {
        EXPECT_EQ(mark.y, c.y);
        EXPECT_EQ(mark.x1, 0);
        EXPECT_EQ(mark.x2, 99);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertionMarkTest, testing::Values(
    MarkCase{"first", Box(), 0, true, 1},
    MarkCase{"second", Box(), 1, true, 17},
    MarkCase{"scrolledAway", Box(1), 0, false, 0},
    MarkCase{"scrolled", Box(1), 2, true, 17},
    MarkCase{"belowClient", Box(), 3, false, 0},
    MarkCase{"endOfShortBox", Box(0, 2), -1, true, 32},
    MarkCase{"endBelowClient", Box(), -1, false, 0},
    MarkCase{"pastLastItem", Box(0, 2), 2, false, 0},
    MarkCase{"emptyBox", Box(0, 0), -1, false, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct ScrollCase
{
    const char *name;
    int y;
    eScrollDir dir;
    int nInterval;
};

class AutoScrollTest : public testing::TestWithParam<ScrollCase> {};

TEST_P(AutoScrollTest, FartherIsFaster)
{
    const ScrollCase &c = GetParam();
    const sAutoScroll scroll = AutoScroll(c.y, 40, 16);
    EXPECT_EQ(scroll.dir, c.dir);
    EXPECT_EQ(scroll.nInterval, c.nInterval);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoScrollTest, testing::Values(
    ScrollCase{"justBelow", 41, eScrollDir::Down, 250},
    ScrollCase{"oneItemBelow", 40 + 16, eScrollDir::Down, 125},
    ScrollCase{"threeItemsBelow", 40 + 48, eScrollDir::Down, 62},
    ScrollCase{"onBottomEdge", 40, eScrollDir::None, 0},
    ScrollCase{"inside", 20, eScrollDir::None, 0},
    ScrollCase{"justAbove", -1, eScrollDir::Up, 250},
    ScrollCase{"twoItemsAbove", -32, eScrollDir::Up, 83}),
    [](const auto &info) { return std::string(info.param.name); });

struct DropCase
{
    const char *name;
    int nDrag, nDrop;
    std::vector<std::string> order;
    int nSelect; // -1: selection left alone
    bool bNotify;
};

class PlanDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(PlanDropTest, MovesBeforeTheMarkedItem)
{
    const DropCase &c = GetParam();
    const sDropMove move = PlanDrop(4, c.nDrag, c.nDrop);
    EXPECT_EQ(DropOrder<std::string>({"a", "b", "c", "d"}, move), c.order);
    EXPECT_EQ(move.bMoves ? move.nTo : -1, c.nSelect);
    EXPECT_EQ(move.bNotify, c.bNotify);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlanDropTest, testing::Values(
    DropCase{"downAboveC", 0, 2, {"b", "a", "c", "d"}, 1, true},
    DropCase{"upAboveB", 3, 1, {"a", "d", "b", "c"}, 1, true},
    DropCase{"toEnd", 1, -1, {"a", "c", "d", "b"}, 3, true},
    DropCase{"lastToEnd", 3, -1, {"a", "b", "c", "d"}, 3, true},
    DropCase{"onItself", 1, 1, {"a", "b", "c", "d"}, -1, true},
    DropCase{"beforeNext", 1, 2, {"a", "b", "c", "d"}, 1, true},
    DropCase{"scrolledPastEnd", 0, 5, {"b", "c", "d", "a"}, 3, true},
    DropCase{"scrolledAboveStart", 2, -2, {"c", "a", "b", "d"}, 0, true},
    DropCase{"draggedGone", 4, 0, {"a", "b", "c", "d"}, -1, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
