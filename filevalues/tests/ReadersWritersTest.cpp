#include "filevalues/core/CsvReaders.h"
#include "filevalues/core/LineWriters.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

TEST(HandLineValuesToHost, StopsWhereTheRulesSay)
{
    struct Case {
        const char *name;
        std::string file;
        int nAcceptBeforeStop;
        std::vector<std::string> calls; // then "box <text>" for a message box
    };
    const std::string aMax(CLineReader::kMaxLineLength, 'a');
    const std::string notCsvBox = "box Invalid Format:Not a CSV Format";
    const Case cases[] = {
        {"stops at non-csv", "a,b,c\n1,,3\nx \n4,5\n", -1,
         {"values [a] [b] [c]", "values [1] [3]", "error 3: Invalid Format:Not a CSV Format: x", notCsvBox}},
        {"only commas passed over", ",,,\na,b\n", -1, {"values [a] [b]"}},
        {"host stops after first", "a,b\nc,d\n", 0, {"values [a] [b]"}},
        {"line over 16 MiB passed over", aMax + ",b\nc,d", -1,
         {"error 1: Line longer than 16 MiB: skipped: " + aMax.substr(0, 1024), "values [c] [d]"}},
        {"empty file", "", -1, {}},
    };
    for (const Case &c : cases) {
        CTempBase base;
        CScriptedPromptsScope scope;
        CRecordingHost host;
        host.m_nAcceptBeforeStop = c.nAcceptBeforeStop;
        CLineReader reader;
        ASSERT_TRUE(reader.Open(base.Write("in.csv", c.file)));
        HandLineValuesToHost(reader, host);
        for (const CString &m : scope.prompts.m_messages)
            host.m_calls.push_back("box " + m);
        EXPECT_TRUE(host.m_calls == c.calls) << c.name;
    }
}

TEST(WriteLinesFile, EachLineEndsWithNewline)
{
    struct Case {
        const char *name;
        CStringArray lines;
        std::string content;
    };
    const Case cases[] = {
        {"empty array empties the file", {}, ""},
        {"own newline gives an empty line", {"a\n", "b"}, "a\n\nb\n"},
    };
    for (const Case &c : cases) {
        CTempBase base;
        base.Write("out.csv", "old content");
        EXPECT_TRUE(WriteLinesFile(base.Path("out.csv"), c.lines)) << c.name;
        EXPECT_EQ(base.Read("out.csv"), c.content) << c.name;
    }
    CTempBase base;
    EXPECT_FALSE(WriteLinesFile(base.Path("missing/out.csv"), {"a"}));
    EXPECT_FALSE(base.Exists("missing"));
}
