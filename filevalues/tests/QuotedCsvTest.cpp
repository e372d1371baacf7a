#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/RecordConversion.h"
#include "filevalues/core/ValidationRows.h"
#include "filevalues/core/ValidationRun.h"
#include "RecordingHost.h"
#include "TempBase.h"

#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;

// Each record as "line: [value][value]", a skipped one as "line: skipped".
Lines ReadAll(const std::string &file, CRecordingHost &host)
{
    CTempBase base;
    CLineReader reader;
    EXPECT_TRUE(reader.Open(base.Write("in.csv", file)));
    CQuotedRecord record;
    Lines out;
    eCsvLine read;
    while ((read = ReadQuotedRecord(reader, &host, record)) != eCsvLine::End) {
        std::string line = std::to_string(record.nLine) + ":";
        if (read == eCsvLine::TooLong)
            line += " skipped";
        for (const std::string_view value : record.values)
            line += "[" + std::string(value) + "]";
        out.push_back(line);
    }
    return out;
}

// A plain RFC 4180 reader, written apart from the module's: the values of
// each record of a text whose every value is followed by ",".
std::vector<Lines> ReadRfc4180(const std::string &text)
{
    std::vector<Lines> records(1);
    std::string value;
    bool bQuoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (bQuoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            value += text[++i];
        else if (c == '"')
            bQuoted = !bQuoted;
        else if (!bQuoted && c == ',')
            records.back().push_back(std::exchange(value, {}));
        else if (!bQuoted && c == '\n')
            records.emplace_back();
        else
            value += c;
    }
    records.pop_back(); // after the last line break
    return records;
}
} // namespace

TEST(QuotedCsv, ReadsRecords)
{
    const std::string big(CLineReader::kMaxLineLength / 2 + 1, 'x');
    struct Case
    {
        const char *name;
        std::string file;
        Lines records;
        Lines calls;
    } const cases[] = {
        {"quotes and doubled quotes", "\"a\",\"say \"\"hi\"\"\",b\n", {"1:[a][say \"hi\"][b]"}, {}},
        {"comma inside quotes", "\"Anytown, WW\",2\n", {"1:[Anytown, WW][2]"}, {}},
        {"LF and CR LF inside quotes, numbered at the start", "x,\"1\n2\"\r\n\"3\r\n4\",y\r\nz\n",
         {"1:[x][1\n2]", "3:[3\r\n4][y]", "5:[z]"}, {}},
        {"empty cells at start, middle and end", ",a,,b,\n\"\",\n", {"1:[][a][][b][]", "2:[][]"}, {}},
        {"blank lines passed over, still counted", "\n  \r\na\n\n", {"3:[a]"}, {}},
        {"no comma: one value, reading goes on", "one\ntwo,2\n", {"1:[one]", "2:[two][2]"}, {}},
        {"nothing trimmed, last line without line end", " a , b ", {"1:[ a ][ b ]"}, {}},
        {"bytes above 0x7f kept", "\xc3\xa9t\xc3\xa9,\xff\n", {"1:[\xc3\xa9t\xc3\xa9][\xff]"}, {}},
        {"quote inside a plain value, text after a closing quote", "a\"b,\"c\"d\n", {"1:[a\"b][cd]"}, {}},
        {"unterminated quote at the end", "a\n\"b,\nc\n", {"1:[a]", "2: skipped"},
         {"error 2: Unterminated quoted value: the file ends inside quotes: \"b,\nc"}},
        {"record over 16 MiB over lines skipped, the next read",
         "\"" + big + "\n" + big + "\n" + big + "\",1\nnext\n", {"1: skipped", "4:[next]"},
         {"error 1: Line longer than 16 MiB: skipped: \"" + big.substr(0, 1023)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingHost host;
        EXPECT_EQ(ReadAll(c.file, host), c.records);
        EXPECT_EQ(host.m_calls, c.calls);
    }
}

// A file's values out through the conversion, the records text, the
// validation run and the hand-over, and back in through a plain RFC 4180
// reader: every value arrives as it was.
// Exactly the values that a standard reader would cut are quoted; a lone CR
// too, which some readers take for a line end.
TEST(QuotedCsv, WritesQuotesWhereAReaderNeedsThem)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"}, {"", ""},          {" blank ", " blank "},     {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"a\rb", "\"a\rb\""}, {"a\nb", "\"a\nb\""},
    };
    for (const auto &[value, written] : cases) {
        std::string text;
        AppendQuotedValue(text, value);
        EXPECT_EQ(text, written) << value;
    }
}

TEST(QuotedCsv, ValuesTravelWholeToTheHost)
{
    CTempBase base;
    CScriptedPromptsScope scope;
    CRecordingHost host;
    const std::string file = "Name,City,Note,Extra\r\n"
                             "Ann,\"Anytown, WW\",\"said \"\"hi\"\"\",e1\r\n"
                             "Bo,,\"two\nlines\",e2\r\n"
                             "short\r\n"
                             "\"J\xc3\xb8rn\",\" Oslo \",,\r\n";
    CLineReader reader;
    ASSERT_TRUE(reader.Open(base.Write("in.csv", file)));
    const CStringArray fields{"Note", "Name", "City", "Kind"};
    CReportRows constants;
    constants.SetItemText(constants.InsertItem(0, "Kind"), 1, "a,b");
    const sConversionInput input{{"Name", "City", "Note", ""}, constants, fields, true, true, true};
    CString errors, records;
    CArray<int> errorLines, recordLines;
    int nLastLine = 0;
    sConversionBookkeeping keep{errors, errorLines, nLastLine, &recordLines};
    ASSERT_EQ(ConvertRecordLines(reader, PlanFieldRecords(input), &host, keep, records), eConversion::Converted);
    EXPECT_EQ(host.m_calls, Lines{"error 5: File Values are lesser than the Field Values: short"});

    const std::vector<Lines> expected = {
        {"said \"hi\"", "Ann", "Anytown, WW", "a,b", "2"},
        {"two\nlines", "Bo", "", "a,b", "3"},
        {"", "J\xc3\xb8rn", " Oslo ", "a,b", "6"},
    };
    EXPECT_EQ(ReadRfc4180(records), expected);

    // Rows are the records and the skipped lines, not the header or the
    // second line of a record.
    const sConversionState state{nLastLine, errorLines, errors, fields, true, &recordLines};
    const sValidationResult result = ValidateRecords(records, nullptr, state);
    EXPECT_EQ(std::make_pair(result.m_nTotal, result.m_nError), std::make_pair(4, 1));
    CString cell;
    COLORREF text = 1, back = 0;
    int image = 0;
    QuotedRowText(std::uintptr_t(result.m_strRows.data() + result.m_aRowStarts[1]), 2, &cell, &text, &back, &image);
    EXPECT_EQ(cell, "two\nlines");
    QuotedRowText(std::uintptr_t(result.m_strRows.data() + result.m_aRowStarts[2]), 2, &cell, &text, &back, &image);
    EXPECT_EQ(cell, "short");
    EXPECT_EQ(text, kErrorRowColour);

    host.m_calls.clear();
    CStringArray columns = result.m_arrColumns;
    EXPECT_TRUE(HandOverValidRecords(result.m_strRows, columns, &host, true));
    EXPECT_EQ(host.m_calls, (Lines{"record 2: City=Anytown, WW Kind=a,b Name=Ann Note=said \"hi\"",
                                   "record 3: City= Kind=a,b Name=Bo Note=two\nlines",
                                   "record 6: City= Oslo  Kind=a,b Name=J\xc3\xb8rn Note="}));
}
