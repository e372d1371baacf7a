#include "resources/core/DlgTemplate.h"
#include "resources/core/Resource.h"
#include "tarniw/TarnTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(DlgTemplate, MapDialogRectScalesEachCoordinateAndRoundsToNearest)
{
    struct Case
    {
        sRect dlu;
        sDlgBaseUnits base;
        sRect px;
    } const cases[] = {
        {{16, 243, 32, 14}, {6, 13}, {24, 395, 48, 23}}, // 394.875, 22.75
        {{1, 3, 3, 1}, {6, 13}, {2, 5, 5, 2}},           // halves: 1.5, 4.5
        {{1, -2, 77, 76}, {7, 16}, {2, -4, 135, 152}},
        {{0, -4, 0, -2}, {6, 13}, {0, -7, 0, -3}},       // -6.5 away from zero, -3.25
    };
    for (const Case &c : cases)
        EXPECT_EQ(MapDialogRect(c.dlu, c.base), c.px) << c.dlu.x << "," << c.dlu.y;
}

// What a template lacks is no control; an unknown id is no template.
TEST(DlgTemplate, UnknownIdsFindNothing)
{
    EXPECT_EQ(GetDlgTemplate(IDD_TEMPLATE).FindControl(IDC_RESULT_LIST), nullptr);
    EXPECT_THROW(GetDlgTemplate(131), CInvalidArgException);
}

} // namespace
