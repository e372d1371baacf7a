#include "filevalues/core/RecordConversion.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

namespace {
using Calls = std::vector<std::string>;

struct Case {
    const char *name;
    std::string file;
    CStringArray columnFields;
    std::vector<std::pair<CString, CString>> constants;
    CStringArray fields;
    bool bWithLineNumbers;
    std::string records; // "" with bConverted false: abandoned
    Calls calls;         // host calls, then message boxes as "box <text>"
    std::vector<int> errorLines;
    int nLastLine; // starts at -1
};

void RunCase(const Case &c)
{
    CTempBase base;
    CScriptedPromptsScope scope;
    CRecordingHost host;
    CReportRows constants;
    for (const auto &[name, value] : c.constants)
        constants.SetItemText(constants.InsertItem(constants.GetItemCount(), name), 1, value);
    CString errors;
    CArray<int> errorLines;
    int nLastLine = -1;
    sConversionBookkeeping keep{errors, errorLines, nLastLine};
    CLineReader reader;
    ASSERT_TRUE(reader.Open(base.Write("in.csv", c.file)));
    CString records = "stale";
    const sConversionInput input{c.columnFields, constants, c.fields, c.bWithLineNumbers};
    const bool bConverted =
        ConvertRecordLines(reader, PlanFieldRecords(input), &host, keep, records) == eConversion::Converted;
    EXPECT_EQ(records, c.records) << c.name;
    EXPECT_EQ(bConverted, c.records != "" || c.calls.empty() || c.calls.back().rfind("box ", 0) != 0) << c.name;
    for (const CString &m : scope.prompts.m_messages)
        host.m_calls.push_back("box " + m);
    EXPECT_EQ(host.m_calls, c.calls) << c.name;
    EXPECT_EQ(std::vector<int>(errorLines.begin(), errorLines.end()), c.errorLines) << c.name;
    EXPECT_EQ(nLastLine, c.nLastLine) << c.name;
}
}

TEST(ConvertRecordLines, Cases)
{
    const CStringArray f123{"F1", "F2", "F3"};
    const Case cases[] = {
        {"constant then abandoned on non-csv line", "1,2\n 1 \n", {"F1", " "}, {{"F2", "K"}}, {"F1", "F2"}, false, "",
         {"error 2: Invalid Format:Not a CSV Format: 1", "box Invalid Format:Not a CSV Format"}, {}, 1},
        {"short line skipped and numbered", "1,,2\na,b,c\nd,e,f\n", {"F1", "F2", "F3"}, {}, f123, true,
         "a,b,c,2,\nd,e,f,3,\n", {"error 1: File Values are lesser than the Field Values: 1,,2"}, {1}, 3},
        {"missing constant names second field", "a,b,c\n", {"F1", ""}, {{"F2", "K"}, {"F3", ""}}, f123, false, "",
         {"box F3 is not selected in Template"}, {}, -1},
        {"more report comes before the constant message", "a,b,c,d\n", {"F1", ""}, {{"F2", ""}}, f123, false, "",
         {"error 1: File Values are more than the Field Values: a,b,c,d", "box F2 is not selected in Template"}, {}, -1},
        {"all mapped: empty constants ignored", "a,b,c\n", {"F1", "F2", "F3"}, {{"X", ""}}, f123, false, "a,b,c,\n", {}, {}, 1},
        {"leftmost of duplicate columns", "a,b,c\n", {"F1", "F1", "F2"}, {{"F3", "k"}}, f123, false, "a,c,k,\n", {}, {}, 1},
        {"field without source left out", "a,b,c\n", {"F1", "", ""}, {{"F3", "k"}}, f123, false, "a,k,\n", {}, {}, 1},
        {"one short of the highest mapped column: one report", "a,b,c,d\nx,y,z\nv,w,u,t\n", {"F1", "", "", "F2"}, {},
         {"F1", "F2"}, true, "a,d,1,\nv,t,3,\n",
         {"error 1: File Values are more than the Field Values: a,b,c,d",
          "error 2: File Values are lesser than the mapped File Columns: x,y,z",
          "error 3: File Values are more than the Field Values: v,w,u,t"}, {2}, 3},
        {"crlf and non utf-8 values byte-identical", "\xe9,\xff\r\nb,c\r\n", {"F1", "F2"}, {}, {"F1", "F2"}, false,
         "\xe9,\xff,\nb,c,\n", {}, {}, 2},
    };
    for (const Case &c : cases)
        RunCase(c);
}

// A line over 16 MiB is reported once, kept for the validation run and
// skipped. Many lines convert alike wherever the reader's blocks end.
TEST(ConvertRecordLines, LongAndManyLines)
{
    std::string many, manyRecords;
    for (int i = 1; i <= 60000; ++i) {
        const std::string value = std::string(size_t(i % 37), 'v') + std::to_string(i);
        many += value + "," + std::to_string(i % 7) + (i % 3 ? "\n" : "\r\n");
        manyRecords += std::to_string(i % 7) + "," + value + "," + std::to_string(i) + ",\n";
    }
    RunCase({"many lines", many, {"F2", "F1"}, {}, {"F1", "F2"}, true, manyRecords, {}, {}, 60000});
    const std::string aMax(CLineReader::kMaxLineLength, 'a');
    RunCase({"over 16 MiB", "x,y\n" + aMax + "a,b\nz,w\n", {"F1", "F2"}, {}, {"F1", "F2"}, true, "x,y,1,\nz,w,3,\n",
             {"error 2: Line longer than 16 MiB: skipped: " + aMax.substr(0, 1024)}, {2}, 3});
}
