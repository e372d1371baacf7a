#include "DlgFixture.h"
#include "filevalues/core/CsvLine.h"
#include "filevalues/core/ValidationRun.h"
#include "wizard/core/SavedTemplateImport.h"

#include <cstdio>

#include <gtest/gtest.h>

TEST(TemplateStore, WriteFieldList)
{
    struct Case {
        const char *name;
        CString className;
        CString templateName;
        CStringArray fields;
        const char *file; // relative to the base; null: nothing written
        std::string content;
        Lines seen;
    };
    const Case cases[] = {
        {"empty list", "Alpha", "Template", {}, "Templates/Alpha_Template/Template.csv", "", {}},
        {"empty class", "", "Template", {"A"}, "Templates/_Template/Template.csv", "A,", {}},
        {"blank fields kept in place", "Alpha", "T", {" ", "A", "", "\t", "B"}, "Templates/Alpha_Template/T.csv",
         "NA,A,NA,NA,B,", {}},
        {"name a file dialog would not show", "Alpha", "a|b", {"A"}, nullptr, "", {"box " + std::string(kTemplateNameRefused)}},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"Kept"}, c.className);
        f.dlg.WriteFieldList(c.fields, c.templateName);
        if (c.file) {
            EXPECT_EQ(f.base.Read(c.file), c.content) << c.name;
        } else {
            EXPECT_TRUE(ListDirectory(f.base.Path("Templates/Alpha_Template")).empty()) << c.name;
        }
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(f.dlg.m_arrFields, CStringArray{"Kept"}) << c.name;
    }
}

TEST(TemplateStore, SaveTemplate)
{
    struct Case {
        const char *name;
        Lines columns;   // column 1 of the file-value rows
        Lines constants; // "name~value"
        const char *answer; // typed into the save dialog; null: cancelled
        std::string content; // of Mine.csv
        Lines seen;
        bool bFolderMade;
    };
    const std::string refused = "box " + std::string(kTemplateNameRefused);
    const Case cases[] = {
        {"example", {"Name", "Count", " ", "Amount"}, {"Kind~K1"}, "Mine", "Name,Count,NA,Amount,\nKind~K1,", {}, true},
        {"no constants ends after line break", {"A", ""}, {}, "Mine", "A,NA,\n", {}, true},
        {"nothing loaded", {}, {}, "Mine", "", {"box No file values: choose a CSV file with Browse first"}, false},
        {"constant without value refused first", {"A"}, {"B~"}, "Mine", "", {"box B is not selected in Template"}, false},
        {"cancelled dialog keeps folder", {"A"}, {}, nullptr, "", {}, true},
        {"constant with a comma refused", {"A"}, {"Src~CRM, spring"}, "Mine", "",
         {"box Template not saved: the value of Src holds a comma or a line break, which a template cannot keep"}, false},
        {"tilde and blanks in a constant kept", {"A"}, {"Src~a ~ b "}, "Mine", "A,\nSrc~a ~ b ,", {}, true},
        {"two blanks refused", {"A"}, {}, "My  own", "", {refused}, true},
        {"leading blank refused", {"A"}, {}, " Mine.csv", "", {refused}, true},
        {"tab refused", {"A"}, {}, "My\town", "", {refused}, true},
    };
    for (const Case &c : cases) {
        CDlgFixture f;
        for (const std::string &col : c.columns)
            f.AddRow(f.dlg.m_lstFileValues, "v", col);
        for (const std::string &k : c.constants)
            f.AddRow(f.dlg.m_lstConstants, k.substr(0, k.find('~')), k.substr(k.find('~') + 1));
        f.dlg.m_arrColumnFields = {"stale"};
        if (c.answer)
            f.Prompts().QueueAnswer(c.answer);
        else
            f.Prompts().QueueCancel();
        f.dlg.SaveTemplate();
        EXPECT_TRUE(f.dlg.m_arrColumnFields.IsEmpty()) << c.name;
        EXPECT_EQ(f.base.Read("Templates/Alpha_Template/Mine.csv"), c.content) << c.name;
        if (c.content.empty() && c.bFolderMade) {
            EXPECT_TRUE(ListDirectory(f.base.Path("Templates/Alpha_Template")).empty()) << c.name;
        }
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(f.base.Exists("Templates/Alpha_Template"), c.bFolderMade) << c.name;
    }
}

// The switches go into a last line only when one is on. It is a CSV line
// without "~", which a reader that does not know it takes for surplus
// columns (Load) or the end of the constants (the saved-file load).
TEST(TemplateStore, FileFormatLine)
{
    struct Case {
        const char *name;
        bool bQuoted, bHeaderLine;
        Lines constants;
        std::string content;
    };
    const Case cases[] = {
        {"both, after the constants", true, true, {"K~1"}, "A,NA,\nK~1,\n#format,quoted,header,"},
        {"header only, no constants: in line 2's place", false, true, {}, "A,NA,\n#format,header,"},
        {"quoted only", true, false, {}, "A,NA,\n#format,quoted,"},
        {"neither: as before", false, false, {"K~1"}, "A,NA,\nK~1,"},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"A"});
        f.AddRow(f.dlg.m_lstFileValues, "v", "A");
        f.AddRow(f.dlg.m_lstFileValues, "w");
        for (const std::string &k : c.constants)
            f.AddRow(f.dlg.m_lstConstants, k.substr(0, k.find('~')), k.substr(k.find('~') + 1));
        f.dlg.SetFileFormat(c.bQuoted, c.bHeaderLine);
        f.Prompts().QueueAnswer("Mine");
        f.dlg.SaveTemplate();
        const std::string text = f.base.Read("Templates/Alpha_Template/Mine.csv");
        EXPECT_EQ(text, c.content) << c.name;
        std::string_view rest(text), line;
        while (NextPiece(rest, '\n', line)) {
            CStringArray values;
            EXPECT_TRUE(SplitCsvLine(CString(line), values)) << c.name;
        }

        f.dlg.SetFileFormat(!c.bQuoted, !c.bHeaderLine);
        f.dlg.m_lstFileValues.SetItemText(0, 1, "");
        f.Prompts().QueueAnswer(f.base.Path("Templates/Alpha_Template/Mine.csv"));
        f.dlg.LoadTemplate();
        EXPECT_EQ(std::make_pair(f.dlg.m_bQuotedValues, f.dlg.m_bHeaderLine),
                  std::make_pair(c.bQuoted, c.bHeaderLine)) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstFileValues), (Lines{"v|A", "w|"})) << c.name;
        EXPECT_EQ(f.dlg.m_lstConstants.GetItemCount(), int(c.constants.size())) << c.name;
        EXPECT_TRUE(f.Seen().empty()) << c.name;
    }
}

TEST(TemplateStore, LoadTemplate)
{
    struct Case {
        const char *name;
        std::string file;
        int nRows;
        CStringArray fields;
        Lines columns;   // column 1 after the load
        Lines constants; // rows after the load
        Lines seen;
    };
    const Case cases[] = {
        {"NA leaves the cell empty", "A,NA,B,\nK~1,", 3, {"A", "B", "K"}, {"A", "", "B"}, {"K|1"}, {}},
        {"tilde kept in value", "A,\nK~x~y,", 1, {"A"}, {"A"}, {"K|x~y"}, {}},
        {"comma in constant feeds next column", "A,\nK~x,y,", 2, {"A"}, {"A", "y"}, {"K|x"}, {}},
        {"surplus entries change nothing", "A,B,C,D,", 2, {"A"}, {"A", "B"}, {}, {}},
        {"fewer rows than fields", "A,", 1, {"A", "B"}, {"old"}, {"Z|"}, {"box File Values are lesser than the Field Values"}},
        {"fewer entries than fields", "A,", 2, {"A", "B"},
         {"old", "old"}, {"Z|"}, {"box Loaded TemplateField Values are lesser than the required Field Values"}},
        {"line without comma leaves lists", "A,B,\nK\n", 2, {"A"}, {"old", "old"}, {"Z|"},
         {"box Invalid Format:Not a CSV Format"}},
        {"nothing loaded", "A,", 0, {}, {}, {"Z|"}, {"box No file values: choose a CSV file with Browse first"}},
    };
    for (const Case &c : cases) {
        CDlgFixture f(c.fields);
        for (int r = 0; r < c.nRows; ++r)
            f.AddRow(f.dlg.m_lstFileValues, "v", "old");
        f.AddRow(f.dlg.m_lstConstants, "Z");
        f.Prompts().QueueAnswer(f.base.Write("t.csv", c.file));
        f.dlg.LoadTemplate();
        Lines columns;
        for (int r = 0; r < f.dlg.m_lstFileValues.GetItemCount(); ++r)
            columns.push_back(f.dlg.m_lstFileValues.GetItemText(r, 1));
        EXPECT_EQ(columns, c.columns) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstConstants), c.constants) << c.name;
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
    }
}

TEST(TemplateStore, LoadSavedFileAndTemplate)
{
    struct Case {
        const char *name;
        std::string tpl;
        std::string data;
        Lines seen;
        CStringArray fields; // m_arrFields afterwards
    };
    const Case cases[] = {
        {"empty data file", "A,B,\nK~1,", "", {"records "}, {"A", "B", "K"}},
        {"empty line ends without hand-off", "A,B,", "1,2\n\n3,4\n",
         {"error 2: Invalid Format:Not a CSV Format: ", "box Invalid Format:Not a CSV Format"}, {"Old"}},
        {"blank column entries shift nothing", "A, ,B,", "1,2,3\n", {"records 1,3,1,\n"}, {"A", "B"}},
        {"more values reported and converted", "A,NA,", "1,2,3\n",
         {"error 1: File Values are more than the Field Values: 1,2,3", "records 1,1,\n"}, {"A"}},
        {"all NA gives constants only", "NA,NA,\nK~k,", "1,2\n", {"records k,1,\n"}, {"K"}},
        {"tilde kept in a constant's value", "A,\nK~x~y,", "1,\n", {"records 1,x~y,1,\n"}, {"A", "K"}},
        {"constant line ends at line without tilde", "A,\nK~k,\nX,\nL~l,", "1,\n,1\n", {"records 1,k,1,\n1,k,2,\n"}, {"A", "K"}},
        {"quoted values and a header line", "A,B,\nK~k,\n#format,quoted,header,", "a,b\n\n\"x,\n1\",2\n",
         {"records \"x,\n1\",2,k,3,\n"}, {"A", "B", "K"}},
        {"header line only", "A,B,\n#format,header,", "a,b\n1,2\n", {"records 1,2,2,\n"}, {"A", "B"}},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"Old"});
        f.base.Write("Templates/Alpha_Template/Daily.csv", c.tpl);
        f.base.Write("Templates/Alpha_Template/a|b.csv", "A,"); // would split the filter
        f.Prompts().QueueAnswerWithFilter(f.base.Write("data.csv", c.data), "Daily");
        f.dlg.LoadSavedFileAndTemplate();
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(f.dlg.m_arrFields, c.fields) << c.name;
        ASSERT_EQ(f.Prompts().m_requests.size(), 1u);
        EXPECT_EQ(f.Prompts().m_requests[0].strFilter, "Daily|*.csv|") << c.name;
        EXPECT_EQ(f.Prompts().m_requests[0].strInitialDir, f.base.Dir()) << c.name;
    }
}

TEST(TemplateStore, LoadSavedFileAndTemplateFailures)
{
    struct Case {
        const char *name;
        int nFilterIndex;
        bool bDataExists;
        Lines seen;
    };
    const Case cases[] = {
        {"selection past the list", 2, true, {"box No template chosen: pick one in the file type list"}},
        {"data file missing", 1, false, {"box File Open Failed !!!!"}},
    };
    for (const Case &c : cases) {
        CDlgFixture f;
        f.base.Write("Templates/Alpha_Template/T.csv", "A,");
        f.Prompts().QueueAnswer(c.bDataExists ? f.base.Write("d.csv", "1,\n") : f.base.Path("none.csv"), c.nFilterIndex);
        f.dlg.LoadSavedFileAndTemplate();
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
    }
    // A listed template that cannot be opened: unreadable, or (for root, who
    // reads every file) a link to nothing.
    CDlgFixture f;
    const CString tpl = f.base.Write("Templates/Alpha_Template/T.csv", "A,");
    if (!DenyReading(tpl) && !(std::remove(tpl.c_str()) == 0 && MakeSymbolicLink(f.base.Path("gone.csv"), tpl)))
        GTEST_SKIP() << "a template can be made neither unreadable nor a link here (Windows keeps reading in access "
                        "lists and makes no links without the privilege)";
    f.Prompts().QueueAnswer(f.base.Write("d.csv", "1,\n"), 1);
    f.dlg.LoadSavedFileAndTemplate();
    EXPECT_EQ(f.Seen(), Lines{"box TemplateFile Open Failed !!!!"});
}
