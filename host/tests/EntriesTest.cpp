#include "host/core/CTarnIWEntries.h"
#include "DlgFixture.h"

#include <gtest/gtest.h>

namespace {
// The entries on a Template dialog object that has a window but, before the
// first entry, no host.
struct CEntriesFixture : CDlgFixture
{
    CEntriesFixture()
    {
        dlg.SetHost(nullptr);
        dlg.SetWindow(&window);
    }
    CRecordingWindow window{dlg};
    CTarnIWEntries entries{dlg};
};
}

TEST(Entries, InvokeTemplateDlgTwice)
{
    CEntriesFixture f;
    const CStringArray a{"A1", "A2"}, b{"B1"};
    f.entries.InvokeTemplateDlg(&f.host, &a, "Alpha");
    f.dlg.m_lstConstants.InsertItem(0, "left over");
    f.entries.InvokeTemplateDlg(&f.host, &b, "Beta");
    EXPECT_EQ(f.window.m_calls, (Lines{"create rows=0", "show rows=0", "top+host rows=0", "create+host rows=1",
                                       "show+host rows=0", "top+host rows=0"}));
    EXPECT_EQ(f.dlg.m_arrFields, b);
    EXPECT_EQ(f.dlg.m_strClassName, "Beta");
    EXPECT_EQ(f.base.Read("Templates/Alpha_Template/Template.csv"), "A1,A2,");
    EXPECT_EQ(f.base.Read("Templates/Beta_Template/Template.csv"), "B1,");
}

TEST(Entries, NullHostsAndArrays)
{
    CEntriesFixture f;
    const CStringArray fields{"F"};
    f.entries.InvokeTemplateDlg(nullptr, &fields, "Alpha");
    EXPECT_TRUE(f.window.m_calls.empty());
    EXPECT_EQ(f.dlg.m_arrFields, fields);
    EXPECT_TRUE(f.base.Exists("Templates/Alpha_Template/Template.csv"));

    f.entries.Load_Saved_File_and_Template(nullptr, &fields, "Beta");
    f.entries.Load_CSV_File_Directly(nullptr, "Beta");
    f.entries.Load_CSV_File_Directly_From_FileName(nullptr, "x", "Beta");
    f.entries.TarnIm_ShowValidationDlg(nullptr, "", nullptr);
    EXPECT_EQ(f.dlg.m_strClassName, "Alpha");
    EXPECT_EQ(f.dlg.m_pHost, nullptr);
    EXPECT_FALSE(f.base.Exists("Templates/Beta_Template"));
    EXPECT_FALSE(f.base.Exists("FileValues"));

    f.entries.TarnIm_ShowValidationDlg(&f.host, "", nullptr);
    EXPECT_EQ(f.dlg.m_pHost, &f.host);
    f.entries.SetFields(nullptr);
    EXPECT_TRUE(f.dlg.m_arrFields.IsEmpty());
    f.entries.Save_File_As_CSV_From_FileName(nullptr, f.base.Path("empty.csv"), "Gamma");
    EXPECT_EQ(f.base.Read("empty.csv"), "");
    EXPECT_EQ(f.dlg.m_strClassName, "Gamma");
}

TEST(Entries, EachSetsOnlyWhatItNames)
{
    CEntriesFixture f;
    const CStringArray fields{"Host1", "Host2"};
    f.entries.InvokeTemplateDlg(nullptr, &fields, "Alpha");
    const CStringArray daily{"Name", "Count"};
    f.entries.Save_Template_From_Application(&daily, "Alpha", "Daily");
    EXPECT_EQ(f.base.Read("Templates/Alpha_Template/Daily.csv"), "Name,Count,");
    EXPECT_EQ(f.dlg.m_arrFields, fields);

    f.entries.SetFields(&daily);
    EXPECT_EQ(f.dlg.m_strClassName, "Alpha");
    EXPECT_EQ(f.base.Read("Templates/Alpha_Template/Template.csv"), "Host1,Host2,");

    // The identity template is rewritten and offered; Daily picked by title.
    f.base.Write("data.csv", "x,7\n");
    f.Prompts().QueueAnswerWithFilter(f.base.Path("data.csv"), "Daily");
    f.entries.Load_Saved_File_and_Template(&f.host, &fields, "Alpha");
    EXPECT_EQ(f.host.m_calls, Lines{"records x,7,1,\n"});
    EXPECT_EQ(f.dlg.m_arrFields, daily);
    EXPECT_EQ(f.base.Read("Templates/Alpha_Template/Template.csv"), "Host1,Host2,");
}
