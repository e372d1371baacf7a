#include "resources/core/DlgTemplate.h"
#include "resources/core/Resource.h"
#include "tarniw/TarnTypes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct MapCase
{
    sRect dlu;
    sDlgBaseUnits base;
    sRect px;
};

class MapDialogRectTest : public testing::TestWithParam<MapCase> {};

TEST_P(MapDialogRectTest, ScalesEachCoordinateAndRounds)
{
    const MapCase &c = GetParam();
    EXPECT_EQ(MapDialogRect(c.dlu, c.base), c.px);
}

INSTANTIATE_TEST_SUITE_P(Cases, MapDialogRectTest, testing::Values(
    MapCase{{16, 243, 32, 14}, {6, 13}, {24, 395, 48, 23}},   // 394.875 and 22.75 round up
    MapCase{{1, 3, 3, 1}, {6, 13}, {2, 5, 5, 2}},             // halves round up: 1.5, 4.875, 4.5, 1.625
    MapCase{{1, -2, 77, 76}, {7, 16}, {2, -4, 135, 152}},     // 1.75, 134.75
    MapCase{{0, -4, 0, 0}, {6, 13}, {0, -7, 0, 0}},           // -6.5 rounds away from zero
    MapCase{{0, -2, 0, 0}, {6, 13}, {0, -3, 0, 0}},           // -3.25
    MapCase{{215, 267, 215, 267}, {0, 0}, {0, 0, 0, 0}}));

struct ControlCase
{
    int nDlg;
    int nId;
    const char *pszText;
    sRect rc;
    unsigned nStyle;
};

class DlgControlTest : public testing::TestWithParam<ControlCase> {};

TEST_P(DlgControlTest, HasItsPlaceAndStyle)
{
    const ControlCase &c = GetParam();
    const sDlgControl *pCtrl = GetDlgTemplate(c.nDlg).FindControl(c.nId, c.pszText);
    ASSERT_NE(pCtrl, nullptr);
    EXPECT_STREQ(pCtrl->pszText, c.pszText);
    EXPECT_EQ(pCtrl->rc, c.rc);
    EXPECT_EQ(pCtrl->nStyle, c.nStyle);
}

// Controls whose place or style other code relies on, and the ones that share
// an id or whose id means something else in another dialog.
INSTANTIATE_TEST_SUITE_P(Cases, DlgControlTest, testing::Values(
    ControlCase{IDD_TEMPLATE, IDC_STATIC, "FileValue", {12, 234, 77, 27}, 0},
    ControlCase{IDD_TEMPLATE, IDC_STATIC, "TemplateField", {93, 234, 70, 27}, 0},
    ControlCase{IDD_TEMPLATE, IDOK, "OK", {209, 7, 11, 14}, DLGS_DEFAULT | DLGS_HIDDEN},
    ControlCase{IDD_TEMPLATE, IDCANCEL, "Cancel", {209, 24, 11, 14}, DLGS_HIDDEN},
    ControlCase{IDD_TEMPLATE, IDC_LOAD_TEMPLATE, "Load", {96, 243, 32, 14}, 0},
    ControlCase{IDD_VALIDATION, IDOK, "Continue", {238, 139, 50, 14}, DLGS_DEFAULT},
    ControlCase{IDD_VALIDATION, IDC_RESULT_LIST, "", {13, 13, 354, 116},
                DLGS_REPORT | DLGS_OWNERDATA | DLGS_OWNERDRAWFIXED | DLGS_BORDER | DLGS_TABSTOP},
    ControlCase{IDD_VALIDATION, IDC_STATIC, "File Count", {13, 129, 203, 31}, 0},
    ControlCase{IDD_REPOSITION, IDC_HIDDEN_LIST, "", {11, 13, 158, 209},
                DLGS_SORTED | DLGS_EXTENDEDSEL | DLGS_NOTIFY | DLGS_VSCROLL | DLGS_BORDER},
    ControlCase{IDD_REPOSITION, IDC_VISIBLE_LIST, "", {254, 13, 164, 209},
                DLGS_EXTENDEDSEL | DLGS_NOTIFY | DLGS_VSCROLL | DLGS_BORDER},
    ControlCase{IDD_REPOSITION, IDC_REPOSITION_SAVE, "Save", {377, 237, 50, 14}, DLGS_DEFAULT},
    ControlCase{IDD_FILTERTEXT, IDC_FILTER_VALUES, "", {1, -2, 77, 76},
                DLGS_SORTED | DLGS_NOTIFY | DLGS_EXTENDEDSEL | DLGS_NOINTEGRALHEIGHT | DLGS_VSCROLL | DLGS_BORDER}));

struct DlgCase
{
    int nId;
    const char *pszCaption;
    int cx, cy;
    const char *pszFont;
    int nPointSize;
    unsigned nStyle;
    std::vector<int> ids; // in tab order
};

class DlgTemplateTest : public testing::TestWithParam<DlgCase> {};

TEST_P(DlgTemplateTest, HasItsFrameAndControls)
{
    const DlgCase &c = GetParam();
    const sDlgTemplate &tmpl = GetDlgTemplate(c.nId);
    EXPECT_EQ(tmpl.nId, c.nId);
    EXPECT_STREQ(tmpl.pszCaption, c.pszCaption);
    EXPECT_EQ(tmpl.cx, c.cx);
    EXPECT_EQ(tmpl.cy, c.cy);
    EXPECT_STREQ(tmpl.pszFont, c.pszFont);
    EXPECT_EQ(tmpl.nPointSize, c.nPointSize);
    EXPECT_EQ(tmpl.nStyle, c.nStyle);
    std::vector<int> ids;
    for (const sDlgControl &ctrl : tmpl.controls)
        ids.push_back(ctrl.nId);
    EXPECT_EQ(ids, c.ids);
}

INSTANTIATE_TEST_SUITE_P(Cases, DlgTemplateTest, testing::Values(
    DlgCase{IDD_TEMPLATE, "Template", 215, 267, "MS Shell Dlg", 8,
            DLGW_CAPTION | DLGW_SYSMENU | DLGW_MODALFRAME | DLGW_CLIENTEDGE,
            {1001, 1003, -1, 1004, 1008, -1, 1007, 1006, 1005, 1, 2}},
    DlgCase{IDD_VALIDATION, "Validation Dialog", 375, 167, "MS Shell Dlg", 8,
            DLGW_CAPTION | DLGW_SYSMENU | DLGW_MINMAXBOX | DLGW_RESIZABLE,
            {1, 2, 5000, 5001, 5002, 5003, -1}},
    DlgCase{IDD_REPOSITION, "Repositioncolumns", 428, 258, "Verdana", 10,
            DLGW_CAPTION | DLGW_SYSMENU | DLGW_MODALFRAME,
            {1013, 1009, 1011, 1012, 1014, 1007, 1010, 2}},
    DlgCase{IDD_FILTERTEXT, "", 80, 81, "Verdana", 10, 0, {1032, 2}}));

TEST(DlgTemplate, UnknownIdIsRejected)
{
    EXPECT_THROW(GetDlgTemplate(131), CInvalidArgException);
}

TEST(DlgTemplate, FindControlWithoutMatchIsNull)
{
    const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
    EXPECT_EQ(tmpl.FindControl(IDC_STATIC, "File Count"), nullptr);
    EXPECT_EQ(tmpl.FindControl(IDC_RESULT_LIST), nullptr);
}

} // namespace
