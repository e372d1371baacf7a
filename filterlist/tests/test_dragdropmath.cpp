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

struct HitCase
{
    sListBoxGeometry geo;
    int x, y;
    int nIndex;
    bool bOutside;
};

class ItemFromPointTest : public testing::TestWithParam<HitCase> {};

TEST_P(ItemFromPointTest, FindsNearestItem)
{
    const HitCase &c = GetParam();
    const sItemHit hit = ItemFromPoint(c.geo, c.x, c.y);
    EXPECT_EQ(hit.nIndex, c.nIndex);
    EXPECT_EQ(hit.bOutside, c.bOutside);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemFromPointTest, testing::Values(
    HitCase{Box(), 5, 15, 0, false},
    HitCase{Box(), 5, 39, 2, false},   // partly shown row
    HitCase{Box(1), 5, 17, 2, false},  // scrolled
    HitCase{Box(0, 2), 5, 35, 1, true}, // below the last item
    HitCase{Box(), 5, 300, 2, true},   // below the box
    HitCase{Box(1), 5, -50, 1, true},  // above the box
    HitCase{Box(), 100, 20, 1, true},  // beside the box
    HitCase{Box(0, 0), 5, 5, -1, true}));

struct MarkCase
{
    sListBoxGeometry geo;
    int nIndex;
    bool bVisible;
    int y;
};

class InsertionMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(InsertionMarkTest, LiesBelowTheItemsTopOrOnTheLastBottom)
{
    const MarkCase &c = GetParam();
    const sMarkLine mark = InsertionMark(c.geo, c.nIndex);
    EXPECT_EQ(mark.bVisible, c.bVisible);
    if (c.bVisible) {
        EXPECT_EQ(mark.y, c.y);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertionMarkTest, testing::Values(
    MarkCase{Box(), 1, true, 17},
    MarkCase{Box(1), 2, true, 17},
    MarkCase{Box(1), 0, false, 0},     // scrolled away
    MarkCase{Box(), 3, false, 0},      // below the client area
    MarkCase{Box(0, 2), -1, true, 32}, // end of a short box
    MarkCase{Box(), -1, false, 0},     // end below the client area
    MarkCase{Box(0, 2), 2, false, 0}));

struct ScrollCase
{
    int y;
    eScrollDir dir;
    int nInterval;
};

class AutoScrollTest : public testing::TestWithParam<ScrollCase> {};

TEST_P(AutoScrollTest, FartherIsFaster)
{
    const sAutoScroll scroll = AutoScroll(GetParam().y, 40, 16);
    EXPECT_EQ(scroll.dir, GetParam().dir);
    EXPECT_EQ(scroll.nInterval, GetParam().nInterval);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutoScrollTest, testing::Values(
    ScrollCase{41, eScrollDir::Down, 250},
    ScrollCase{40 + 48, eScrollDir::Down, 62}, // three item heights below
    ScrollCase{40, eScrollDir::None, 0},
    ScrollCase{-32, eScrollDir::Up, 83}));

struct DropCase
{
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
    DropCase{0, 2, {"b", "a", "c", "d"}, 1, true},
    DropCase{3, 1, {"a", "d", "b", "c"}, 1, true},
    DropCase{1, -1, {"a", "c", "d", "b"}, 3, true},
    DropCase{1, 1, {"a", "b", "c", "d"}, -1, true},
    DropCase{1, 2, {"a", "b", "c", "d"}, 1, true},  // just before the next item
    DropCase{0, 5, {"b", "c", "d", "a"}, 3, true},  // mark scrolled past the end
    DropCase{2, -2, {"c", "a", "b", "d"}, 0, true}, // mark scrolled above the start
    DropCase{4, 0, {"a", "b", "c", "d"}, -1, false}));

} // namespace
