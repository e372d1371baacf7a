#include "DlgFixture.h"
#include "FailingReads.h"

#include <gtest/gtest.h>

#include <functional>

TEST(FileOperations, BrowseCsvFile)
{
    struct Case {
        const char *name;
        std::string file;
        CStringArray fields;
        Lines fileValues;
        Lines constants;
        Lines seen;
        bool bFolder = false; // a folder picked instead of a file: lists kept, path taken
    };
    std::string wide;
    Lines wideRows;
    for (int c = 1; c <= 5000; ++c) {
        wide += "col" + std::to_string(c) + ",";
        wideRows.push_back("col" + std::to_string(c) + "|");
    }
    const std::string aMax(CLineReader::kMaxLineLength, 'a');
    const Case cases[] = {
        {"first line only", "a,b\nc,d,e\n", {"F1", "F2"}, {"a|", "b|"}, {"F1|", "F2|"}, {}},
        {"empty file", "", {"F1", "F2"}, {}, {"F1|", "F2|"}, {}},
        {"first line not csv", "x\n1,2\n", {"F1"}, {}, {},
         {"error 1: Invalid Format:Not a CSV Format: x", "box Invalid Format:Not a CSV Format"}},
        {"space field gets no row", "a,b\n", {"F1", " ", "F2"}, {"a|", "b|"}, {"F1|", "F2|"}, {}},
        {"5,000 columns", wide + "\n1,2\n", {"F1"}, wideRows, {"F1|"}, {}},
        {"first line over 16 MiB", aMax + ",b\n1,2\n", {"F1"}, {}, {},
         {"error 1: Line longer than 16 MiB: skipped: " + aMax.substr(0, 1024), "box Line longer than 16 MiB: skipped"}},
        {"a folder", "", {"F1"}, {"old|"}, {}, {"box File Open Failed !!!!"}, true},
    };
    for (const Case &c : cases) {
        CDlgFixture f(c.fields);
        f.AddRow(f.dlg.m_lstFileValues, "old");
        const CString picked = c.bFolder ? "dir" : "in.csv";
        f.base.Write(c.bFolder ? "dir/x" : "in.csv", c.file);
        f.Prompts().QueueAnswer(f.base.Path(picked));
        f.dlg.BrowseCsvFile();
        EXPECT_EQ(f.dlg.m_strFilePath, f.base.Path(picked)) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstFileValues), c.fileValues) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstConstants), c.constants) << c.name;
        EXPECT_TRUE(f.Seen() == c.seen) << c.name;
        EXPECT_EQ(f.Prompts().m_requests.at(0).strInitialDir, f.base.Path("FileValues/Alpha")) << c.name;
    }
}

// With a header line, Browse maps each field to the first free column of
// its name, compared without case, blanks, "_" and "-".
TEST(FileOperations, BrowseMatchesColumnNames)
{
    struct Case {
        const char *name;
        bool bQuoted;
        std::string file;
        CStringArray fields;
        Lines fileValues;
        Lines constants;
    };
    const Case cases[] = {
        {"case, blanks, _ and - ignored", false, "ZIP code,first-name,Last_Name,other\n1,2,3,4\n",
         {"ZipCode", "FirstName", "last name", " ", "City"},
         {"ZIP code|ZipCode", "first-name|FirstName", "Last_Name|last name", "other|"}, {"City|"}},
        {"first of two columns wins, a field takes one", false, "name,Name\n", {"Name", "NAME"},
         {"name|Name", "Name|NAME"}, {}},
        {"no match: every field a constant", false, "a,b\n", {"X", "Y"}, {"a|", "b|"}, {"X|", "Y|"}},
        {"quoted names, one column", true, "\"Ci,ty\"\n", {"ci,ty", "Other"}, {"Ci,ty|ci,ty"}, {"Other|"}},
        {"quoted: blank lines before the names", true, "\n\"a\"\"b\",c\n", {"A\"B"}, {"a\"b|A\"B", "c|"}, {}},
    };
    for (const Case &c : cases) {
        CDlgFixture f(c.fields);
        f.dlg.SetFileFormat(c.bQuoted, true);
        f.Prompts().QueueAnswer(f.base.Write("in.csv", c.file));
        f.dlg.BrowseCsvFile();
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstFileValues), c.fileValues) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstConstants), c.constants) << c.name;
        EXPECT_TRUE(f.Seen().empty()) << c.name;
    }
}

// Browse, map, Continue: the records go to the host with line numbers, or
// the user learns why none did.
TEST(FileOperations, ContinueImport)
{
    struct Case {
        const char *name;
        std::string file;
        Lines seen;
        int nLastLine;
    };
    const Case cases[] = {
        {"records handed over", "x,1\ny,2\n", {"records x,K,1,\ny,K,2,\n"}, 2},
        {"no line converted", "1,\n,y\n",
         {"error 1: File Values are lesser than the Field Values: 1,", "error 2: File Values are lesser than the Field Values: ,y",
          "box No line of the file could be converted into a record"}, 7},
        {"short lines then record", "1,\nz,\nx,2\n",
         {"error 1: File Values are lesser than the Field Values: 1,", "error 2: File Values are lesser than the Field Values: z,",
          "records x,K,3,\n"}, 3},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"Name", "Kind"});
        f.dlg.m_nLastLine = 7;
        f.Prompts().QueueAnswer(f.base.Write("in.csv", c.file));
        f.dlg.BrowseCsvFile();
        f.dlg.OnCellEditDone(CTemplateDlg::IDC_FILEVALUES, 0, 1, "Name");
        f.dlg.OnCellEditDone(CTemplateDlg::IDC_CONSTANTS, 0, 1, "K");
        f.dlg.ContinueImport();
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(f.dlg.m_nLastLine, c.nLastLine) << c.name;
        EXPECT_TRUE(f.dlg.m_bWithLineNumbers) << c.name;
    }
    CDlgFixture f({"Name"});
    f.dlg.ContinueImport();
    EXPECT_EQ(f.Seen(), Lines{"box No file values: choose a CSV file with Browse first"});
}

// SaveFile converts before it writes, so the target may be the source
// itself (typed "in" in the class folder); a refusal or an abandoned
// conversion leaves it as it was.
TEST(FileOperations, SaveFile)
{
    struct Case {
        const char *name;
        bool bRows;
        bool bEmptyConstant;
        std::string source; // in.csv of the class folder
        CString target;
        Lines seen;
        size_t nDialogs;
        std::string after; // the content of in.csv afterwards
    };
    const Case cases[] = {
        {"records without line numbers replace the source", true, false, "1,k\n2,l\n", "in", {}, 1, "1,k,\n2,k,\n"},
        {"nothing loaded opens no dialog", false, false, "1,k\n", "in", {"box No file values: choose a CSV file with Browse first"}, 0, "1,k\n"},
        {"empty constant before any dialog", true, true, "1,k\n", "in", {"box K is not selected in Template"}, 0, "1,k\n"},
        {"target is a folder", true, false, "1,k\n", "sub.csv", {"box SavedFile Open Failed !!!!"}, 1, "1,k\n"},
        {"abandoned conversion keeps the target", true, false, "1,k\n2\n", "in",
         {"error 2: Invalid Format:Not a CSV Format: 2", "box Invalid Format:Not a CSV Format"}, 1, "1,k\n2\n"},
        {"no line converted is said", true, false, "1,\n", "in",
         {"error 1: File Values are lesser than the Field Values: 1,", "box No line of the file could be converted into a record"}, 1, ""},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"A", "K"});
        f.base.Write("FileValues/Alpha/sub.csv/x", "");
        f.dlg.m_strFilePath = f.base.Write("FileValues/Alpha/in.csv", c.source);
        f.dlg.m_bWithLineNumbers = true; // as after a Continue
        if (c.bRows)
            f.AddRow(f.dlg.m_lstFileValues, "v", "A");
        f.AddRow(f.dlg.m_lstConstants, "K", c.bEmptyConstant ? "" : "k");
        f.Prompts().QueueAnswer(c.target);
        f.dlg.SaveFile();
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(f.Prompts().m_requests.size(), c.nDialogs) << c.name;
        EXPECT_EQ(f.base.Read("FileValues/Alpha/in.csv"), c.after) << c.name;
    }
}

TEST(FileOperations, LineWritersAndDirectLoads)
{
    CDlgFixture f;
    const CStringArray lines{"a,b", "c,d"};
    f.Prompts().QueueAnswer("out");
    f.dlg.SaveFileAsDot(&lines);
    f.Prompts().QueueAnswer("out");
    f.dlg.SaveFileAsCsv(nullptr);
    EXPECT_TRUE(f.base.Exists("FileValues/Alpha/out.csv"));
    EXPECT_EQ(f.Prompts().m_requests[0].strFilter, "DOT Files(*.dot)|*.dot; *.dot|CSV Files(*.csv)|*.csv; *.csv||");

    f.dlg.SaveToNamedFile(&lines, f.base.Path("missing/x.csv")); // silent
    f.dlg.LoadCsvDirectFromFile(f.base.Path("missing.csv"));   // silent
    f.Prompts().QueueAnswer(f.base.Path("missing.csv"));
    f.dlg.LoadCsvDirect();
    f.dlg.LoadCsvDirectFromFile(f.base.Path("FileValues/Alpha/out.dot"));
    EXPECT_EQ(f.Seen(), (Lines{"values [a] [b]", "values [c] [d]", "box LoadFile Open Failed !!!!"}));
}

// A class name that leads out of the stores makes every operation stop
// before its dialog, and nothing is made (which names each store takes:
// StoreFoldersTest).
TEST(FileOperations, UnsafeClassNamesReachNoPath)
{
    for (const CString &name : {CString("../x"), CString("a\0b", 3)}) {
        CDlgFixture f({"A"}, name);
        f.AddRow(f.dlg.m_lstFileValues, "v", "A");
        const CStringArray lines{"a"};
        f.dlg.SaveFileAsCsv(&lines);
        f.dlg.BrowseCsvFile();
        f.dlg.LoadCsvDirect();
        f.dlg.SaveFile();
        f.dlg.WriteFieldList(lines, "T");
        EXPECT_TRUE(f.Prompts().m_requests.empty());
        EXPECT_EQ(f.Prompts().m_messages, CStringArray(5, "Directory could not be created"));
        EXPECT_FALSE(f.base.Exists("x"));
        EXPECT_FALSE(f.base.Exists("FileValues"));
        EXPECT_FALSE(f.base.Exists("Templates"));
    }
}

// With a window the conversion reports its progress and ends the dialog.
TEST(FileOperations, ContinueReportsProgressToTheWindow)
{
    std::string file, records;
    for (int i = 0; i < 10000; ++i) {
        file += "v" + std::to_string(i) + ",\n";
        records += "v" + std::to_string(i) + "," + std::to_string(i + 1) + ",\n";
    }
    CDlgFixture f({"A"});
    CRecordingWindow window(f.dlg);
    f.dlg.SetWindow(&window);
    f.Prompts().QueueAnswer(f.base.Write("in.csv", file));
    f.dlg.BrowseCsvFile();
    f.dlg.OnCellEditDone(CTemplateDlg::IDC_FILEVALUES, 0, 1, "A");
    f.dlg.ContinueImport();
    EXPECT_TRUE(f.Seen() == Lines{"records " + records});
    EXPECT_EQ(window.m_calls, (Lines{"repaint+host rows=0", "lock+host rows=0", "unlock+host rows=0", "end+host rows=0"}));
    ASSERT_EQ(window.m_progress.size(), 2u);
    EXPECT_LT(window.m_progress[0].first, window.m_progress[1].first);
    EXPECT_EQ(window.m_progress[1].second, (long long)file.size());
}

// A read that fails part-way abandons every reader with its operation's own
// "Open Failed" message: the host gets no records and no values (the line
// reports made before it stand), the lists, the fields and the chosen file
// stay as they were.
TEST(FileOperations, ReadErrorsAbandonEveryReader)
{
    struct Case {
        const char *name;
        std::function<void(CDlgFixture &)> prepare; // before reads fail
        void (CTemplateDlg::*operation)();
        size_t nBytesBeforeFailing;
        Lines seen;
    };
    std::string data = "1,2\n3,\n"; // a record, a short line, then records over several reads
    for (int i = 0; i < 50000; ++i)
        data += "x,K\n";
    const size_t nAllButTheEnd = data.size() - 4;
    const auto browsed = [data](CDlgFixture &f) {
        f.Prompts().QueueAnswer(f.base.Write("FileValues/Alpha/in.csv", data));
        f.dlg.BrowseCsvFile();
        f.dlg.OnCellEditDone(CTemplateDlg::IDC_FILEVALUES, 0, 1, "A");
        f.dlg.OnCellEditDone(CTemplateDlg::IDC_FILEVALUES, 1, 1, "B");
    };
    const auto answered = [data](CDlgFixture &f) { f.Prompts().QueueAnswer(f.base.Write("in.csv", data)); };
    const auto savedTemplate = [data](CDlgFixture &f) {
        f.base.Write("Templates/Alpha_Template/T.csv", "A,B,\n");
        f.Prompts().QueueAnswer(f.base.Write("in.csv", data), 1);
    };
    const auto quoted = [](std::function<void(CDlgFixture &)> prepare) {
        return [prepare](CDlgFixture &f) {
            f.dlg.SetFileFormat(true, false);
            prepare(f);
        };
    };
    const std::string lesser = "error 2: File Values are lesser than the Field Values: 3,";
    const Case cases[] = {
        {"Browse, quoted", quoted(answered), &CTemplateDlg::BrowseCsvFile, 2, {"box File Open Failed !!!!"}},
        {"Continue, quoted", quoted(browsed), &CTemplateDlg::ContinueImport, nAllButTheEnd,
         {"box File Open Failed !!!!"}},
        {"Browse", answered, &CTemplateDlg::BrowseCsvFile, 2, {"box File Open Failed !!!!"}},
        {"direct load", answered, &CTemplateDlg::LoadCsvDirect, nAllButTheEnd, {"box LoadFile Open Failed !!!!"}},
        {"Continue", browsed, &CTemplateDlg::ContinueImport, nAllButTheEnd, {lesser, "box File Open Failed !!!!"}},
        {"SaveFile", [browsed](CDlgFixture &f) { browsed(f); f.Prompts().QueueAnswer("out"); },
         &CTemplateDlg::SaveFile, nAllButTheEnd, {lesser, "box File Open Failed !!!!"}},
        {"saved file load: the template", savedTemplate, &CTemplateDlg::LoadSavedFileAndTemplate, 2,
         {"box TemplateFile Open Failed !!!!"}},
        {"saved file load: the data", savedTemplate, &CTemplateDlg::LoadSavedFileAndTemplate, 5 + nAllButTheEnd,
         {lesser, "box File Open Failed !!!!"}},
        {"Load template", [browsed](CDlgFixture &f) { browsed(f); f.Prompts().QueueAnswer(f.base.Write("t.csv", "B,A,\n")); },
         &CTemplateDlg::LoadTemplate, 2, {"box Load TemplateFile Open Failed !!!!"}},
    };
    for (const Case &c : cases) {
        CDlgFixture f({"A", "B"});
        f.AddRow(f.dlg.m_lstConstants, "Old");
        c.prepare(f);
        const Lines rows = CDlgFixture::Rows(f.dlg.m_lstFileValues);
        const Lines constants = CDlgFixture::Rows(f.dlg.m_lstConstants);
        f.scope.prompts.m_messages.RemoveAll();
        f.host.m_calls.clear();
        {
            CFailingReads failing(c.nBytesBeforeFailing);
            (f.dlg.*c.operation)();
        }
        EXPECT_EQ(f.Seen(), c.seen) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstFileValues), rows) << c.name;
        EXPECT_EQ(CDlgFixture::Rows(f.dlg.m_lstConstants), constants) << c.name;
        EXPECT_EQ(f.dlg.m_arrFields, (CStringArray{"A", "B"})) << c.name;
        EXPECT_FALSE(f.base.Exists("FileValues/Alpha/out.csv")) << c.name;
    }
    // The entry a host drives with a file name stays silent, as when the
    // file cannot be opened.
    CDlgFixture f;
    CFailingReads failing(nAllButTheEnd);
    f.dlg.LoadCsvDirectFromFile(f.base.Write("in.csv", data));
    EXPECT_EQ(f.Seen(), Lines{});
}
