#include "resources/core/DlgTemplate.h"
#include "resources/core/Resource.h"
#include "tarniw/TarnTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(DlgTemplate, EachDialogHasItsCaptionSizeFontAndControls)
{
    struct Case
    {
        int nId;
        const char *pszCaption;
        int cx, cy;
        const char *pszFont;
        int nPointSize;
        std::vector<int> ids; // in tab order
    } const cases[] = {
        {IDD_TEMPLATE, "Template", 215, 267, "MS Shell Dlg", 8, {1001, 1003, -1, 1004, 1008, -1, 1007, 1006, 1005, 1, 2}},
        {IDD_VALIDATION, "Validation Dialog", 375, 167, "MS Shell Dlg", 8, {1, 2, 5000, 5001, 5002, 5003, -1}},
        {IDD_REPOSITION, "Repositioncolumns", 428, 258, "Verdana", 10, {1013, 1009, 1011, 1012, 1014, 1007, 1010, 2}},
        {IDD_FILTERTEXT, "", 80, 81, "Verdana", 10, {1032, 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nId);
        const sDlgTemplate &tmpl = GetDlgTemplate(c.nId);
        EXPECT_STREQ(tmpl.pszCaption, c.pszCaption);
        EXPECT_EQ(std::make_pair(tmpl.cx, tmpl.cy), std::make_pair(c.cx, c.cy));
        EXPECT_STREQ(tmpl.pszFont, c.pszFont);
        EXPECT_EQ(tmpl.nPointSize, c.nPointSize);
        std::vector<int> ids;
        for (const sDlgControl &ctrl : tmpl.controls)
            ids.push_back(ctrl.nId);
        EXPECT_EQ(ids, c.ids);
    }
}

// Controls that share an id, or whose id means another control elsewhere.
TEST(DlgTemplate, FindsControlsByIdAndText)
{
    const sDlgTemplate &tmpl = GetDlgTemplate(IDD_TEMPLATE);
    EXPECT_EQ(tmpl.FindControl(IDC_STATIC, "TemplateField")->rc, (sRect{93, 234, 70, 27}));
    EXPECT_EQ(tmpl.FindControl(IDC_STATIC)->rc, (sRect{12, 234, 77, 27}));
    EXPECT_EQ(tmpl.FindControl(IDOK)->nStyle, DLGS_DEFAULT | DLGS_HIDDEN);
    EXPECT_EQ(tmpl.FindControl(IDC_RESULT_LIST), nullptr);
    EXPECT_EQ(GetDlgTemplate(IDD_REPOSITION).FindControl(IDC_REPOSITION_SAVE)->pszText, std::string("Save"));
    EXPECT_TRUE(GetDlgTemplate(IDD_REPOSITION).FindControl(IDC_HIDDEN_LIST)->Has(DLGS_SORTED));
    EXPECT_FALSE(GetDlgTemplate(IDD_REPOSITION).FindControl(IDC_VISIBLE_LIST)->Has(DLGS_SORTED));
    EXPECT_THROW(GetDlgTemplate(131), CInvalidArgException);
}

} // namespace
