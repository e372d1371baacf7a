#include "listctrl/core/ControlAnchor.h"
#include "listctrl/core/TarnColInfo.h"

#include <gtest/gtest.h>

namespace {

struct DeltaCase
{
    int oldW, oldH, newW, newH;
    bool bNoMinimum;
    int dx, dy;
};

class AnchorDeltaTest : public ::testing::TestWithParam<DeltaCase> {};

// Attached at 400 x 300.
TEST_P(AnchorDeltaTest, MeasuresFromTheAttachSize)
{
    const DeltaCase &c = GetParam();
    const CAnchorDelta d = AnchorDelta(c.oldW, c.oldH, c.newW, c.newH, 400, 300, c.bNoMinimum);
    EXPECT_EQ(d.dx, c.dx);
    EXPECT_EQ(d.dy, c.dy);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AnchorDeltaTest,
                         ::testing::Values(DeltaCase{400, 300, 500, 350, false, 100, 50},
                                           DeltaCase{500, 350, 300, 200, false, -100, -50},
                                           DeltaCase{300, 200, 350, 250, false, 0, 0},
                                           DeltaCase{300, 200, 450, 250, false, 50, 0},
                                           DeltaCase{500, 350, 300, 200, true, -200, -150},
                                           DeltaCase{300, 200, 350, 250, true, 50, 50}));

struct RectCase
{
    DWORD flags;
    CAnchorRect expected;
};

class AnchorRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(AnchorRectTest, FlagsAddUp)
{
    const CAnchorRect r = AnchorRect({10, 20, 110, 220}, GetParam().flags, {100, 50});
    EXPECT_EQ(r, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Flags, AnchorRectTest,
                         ::testing::Values(RectCase{0, {10, 20, 110, 220}},
                                           RectCase{CP_SIZE_X | CP_SIZE_Y, {10, 20, 210, 270}},
                                           RectCase{CP_MOVE_X | CP_MOVE_Y, {110, 70, 210, 270}},
                                           RectCase{CP_MOVE_Y | CP_SIZE_Y, {10, 70, 110, 320}},
                                           RectCase{CP_MOVE_X | CP_SIZE_X, {110, 20, 310, 220}}));

TEST(FitColumnWidth, FloorOfFiftyExceptFitToWindow)
{
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_DATA, 30, 200, 0, 1), 50);
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_DATA, 51, 20, 0, 1), 51);
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_HEADER, 200, 40, 0, 1), 50);
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_WINDOW, 0, 0, 100, 3), 33);
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_WINDOW, 0, 0, 20, 3), 6);
    EXPECT_EQ(FitColumnWidth(IDM_FIT_TO_WINDOW, 0, 0, 0, 3), 50);
}

} // namespace
