#include "DlgFixture.h"

#include <gtest/gtest.h>

TEST(TemplateModel, AssignFieldToColumn)
{
    struct Case {
        const char *name;
        CString cell;
        Lines constants; // "field|value"
        CString chosen;
        Lines expectedConstants;
    };
    const Case cases[] = {
        {"B for A: A returns last, B leaves", "A", {"B|", "C|"}, "B", {"C|", "A|"}},
        {"space gives A back", "A", {"B|"}, " ", {"B|", "A|"}},
        {"same field changes nothing", "A", {"B|"}, "A", {"B|"}},
        {"from empty cell", "", {"A|", "B|"}, "B", {"A|"}},
        {"from space cell", " ", {"A|"}, "A", {}},
        {"first exact match only", "", {"A|", "a|", "A|x"}, "A", {"a|", "A|x"}},
    };
    for (const Case &c : cases) {
        CDlgFixture f;
        f.AddRow(f.dlg.m_lstFileValues, "v", c.cell);
        for (const std::string &row : c.constants) {
            const size_t bar = row.find('|');
            f.AddRow(f.dlg.m_lstConstants, row.substr(0, bar), row.substr(bar + 1));
        }
        f.dlg.OnCellEditDone(CTemplateDlg::IDC_FILEVALUES, 0, 1, c.chosen);
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstConstants), c.expectedConstants) << c.name;
        EXPECT_EQ(f.dlg.m_lstFileValues.GetItemText(0, 1), c.chosen) << c.name;
    }
}

TEST(TemplateModel, ChoicesFollowConstantValues)
{
    CDlgFixture f;
    f.AddRow(f.dlg.m_lstConstants, "A");
    f.AddRow(f.dlg.m_lstConstants, "B", "k");
    f.AddRow(f.dlg.m_lstConstants, "C");
    CStringArray choices{"kept"};
    f.dlg.OnGetCellChoices(CTemplateDlg::IDC_FILEVALUES, choices);
    EXPECT_EQ(choices, (CStringArray{"kept", " ", "A", "C"}));

    CStringArray none;
    f.dlg.OnGetCellChoices(CTemplateDlg::IDC_CONSTANTS, none);
    EXPECT_TRUE(none.IsEmpty());

    // Typing a value removes A from the choices.
    NMLVDISPINFO info;
    info.item.iItem = 0;
    info.item.iSubItem = 1;
    info.item.pszText = "x";
    static_cast<ICellEditOwner &>(f.dlg).OnCellEditDone(CTemplateDlg::IDC_CONSTANTS, info);
    EXPECT_EQ(f.dlg.GetColumnChoices(), (CStringArray{" ", "C"}));
}
