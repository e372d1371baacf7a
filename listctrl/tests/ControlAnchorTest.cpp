#include "listctrl/core/ControlAnchor.h"
#include "listctrl/core/ListCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlAnchor, DeltaIsMeasuredFromTheAttachSize)
{
    struct Case
    {
        int oldW, oldH, newW, newH;
        bool bNoMinimum;
        int dx, dy;
    } const cases[] = { // attached at 400 x 300
        {400, 300, 500, 350, false, 100, 50}, {500, 350, 300, 200, false, -100, -50},
        {300, 200, 350, 250, false, 0, 0},    {300, 200, 450, 250, false, 50, 0},
        {500, 350, 300, 200, true, -200, -150}, {300, 200, 350, 250, true, 50, 50},
    };
    for (const Case &c : cases) {
        const sAnchorDelta d = AnchorDelta(c.oldW, c.oldH, c.newW, c.newH, 400, 300, c.bNoMinimum);
        EXPECT_EQ(std::make_pair(d.dx, d.dy), std::make_pair(c.dx, c.dy)) << c.newW << "x" << c.newH << " " << c.bNoMinimum;
    }
}

TEST(ControlAnchor, RectFlagsAddUp)
{
    const std::pair<DWORD, sAnchorRect> cases[] = {
        {0, {10, 20, 110, 220}},
        {CP_SIZE_X | CP_SIZE_Y, {10, 20, 210, 270}},
        {CP_MOVE_X | CP_MOVE_Y, {110, 70, 210, 270}},
        {CP_MOVE_Y | CP_SIZE_Y, {10, 70, 110, 320}},
        {CP_MOVE_X | CP_SIZE_X, {110, 20, 310, 220}},
    };
    for (const auto &[flags, expected] : cases)
        EXPECT_EQ(AnchorRect({10, 20, 110, 220}, flags, {100, 50}), expected) << flags;
}

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
