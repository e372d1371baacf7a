#include "filevalues/core/ValidationRun.h"

#include <gtest/gtest.h>

namespace {

const char *const kTwo = "A,1,1,\nB,2,2,\n";

TEST(ValidateRecords, JoinsAndCounts)
{
    struct Case
    {
        const char *name;
        CString strRecords;
        CVerdictMap verdicts;
        int nLastLine;
        CArray<int> arrErrorLines;
        CString strErrors;
        CString strRows;
        int nValid;
        int nError;
        bool bNoVerdictMap = false;
    } const cases[] = {
        {"AllValid", kTwo, {}, 2, {}, "", "OK,Success,A,1,1,\nOK,Success,B,2,2,\n", 2, 0},
        {"HostError", kTwo, {{2, "Bad amount"}}, 2, {}, "", "OK,Success,A,1,1,\nError,Bad amount,B,2,2,\n", 1, 1},
        {"EmptyVerdictIsValid", kTwo, {{1, ""}}, 2, {}, "", "OK,Success,A,1,1,\nOK,Success,B,2,2,\n", 2, 0},
        // Line 2 is short: line 3 is record 2, with record 2's verdict and text.
        {"RecordTextGoesWithTheVerdict", "A,1,\nC,3,\nD,4,\n", {{2, "bad"}}, 4, {2}, "x,y\n",
         "OK,Success,A,1,\nError,No of FileValues lesser,x,y\nError,bad,C,3,\nOK,Success,D,4,\n", 2, 2},
        {"NoLines", kTwo, {{1, "bad"}}, 0, {1}, "x\n", "", 0, 0},
        {"NegativeLastLine", kTwo, {}, -4, {}, "", "", 0, 0},
        {"FewerRecordsRepeatTheLast", "A,\n", {}, 3, {}, "", "OK,Success,A,\nOK,Success,A,\nOK,Success,A,\n", 3, 0},
        {"NoRecordsGiveEmptyTexts", "", {{2, "bad"}}, 2, {}, "", "OK,Success,\nError,bad,\n", 1, 1},
        {"MoreRecordsThanLines", "A,\nB,\nC,\n", {}, 1, {}, "", "OK,Success,A,\n", 1, 0},
        {"EmptyLinesDoNotCount", "\n\nA,\n\n\nB,", {}, 2, {}, "", "OK,Success,A,\nOK,Success,B,\n", 2, 0},
        {"CarriageReturnsStayInTheRecord", "A,\r\nB,\r\n", {}, 2, {}, "", "OK,Success,A,\r\nOK,Success,B,\r\n", 2, 0},
        {"VerdictKeysOutOfRangeAreIgnored", kTwo, {{-1, "neg"}, {0, "zero"}, {3, "past"}}, 2, {}, "",
         "OK,Success,A,1,1,\nOK,Success,B,2,2,\n", 2, 0},
        {"ErrorLinesOutOfRangeAreIgnored", kTwo, {}, 2, {-1, 0, 9}, "p\nq\nr\n", "OK,Success,A,1,1,\nOK,Success,B,2,2,\n", 2, 0},
        {"RepeatedErrorLineTakesItsFirstText", "A,\n", {}, 2, {2, 2}, "first\nsecond\n",
         "OK,Success,A,\nError,No of FileValues lesser,first\n", 1, 1},
        {"UnsortedErrorLines", "A,\n", {}, 3, {3, 2}, "three\ntwo\n",
         "OK,Success,A,\nError,No of FileValues lesser,two\nError,No of FileValues lesser,three\n", 1, 2},
        {"MissingErrorText", "A,\n", {}, 2, {2}, "", "OK,Success,A,\nError,No of FileValues lesser,\n", 1, 1},
        {"NoVerdictMapMeansAllValid", kTwo, {{2, "unused"}}, 2, {}, "", "OK,Success,A,1,1,\nOK,Success,B,2,2,\n", 2, 0,
         true},
    };
    const CStringArray fields{"Name", "Count"};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const sValidationResult r = ValidateRecords(c.strRecords, c.bNoVerdictMap ? nullptr : &c.verdicts,
                                                    {c.nLastLine, c.arrErrorLines, c.strErrors, fields});
        EXPECT_EQ(r.m_strRows, c.strRows);
        EXPECT_EQ(r.m_nValid, c.nValid);
        EXPECT_EQ(r.m_nError, c.nError);
        EXPECT_EQ(r.m_nTotal, c.nValid + c.nError);
        std::vector<std::uintptr_t> starts; // where each line begins
        for (size_t at = 0; at < c.strRows.size(); at = c.strRows.find('\n', at) + 1)
            starts.push_back(at);
        EXPECT_EQ(r.m_aRowStarts, starts);
        EXPECT_EQ(r.m_arrColumns, (CStringArray{"Validation", "Success/Error", "Name", "Count"}));
    }
}

} // namespace
