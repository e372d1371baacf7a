#include "filevalues/core/ValidationRows.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

namespace {

TEST(RowText, GivesTokenAndColoursAndTheSameTextAsAView)
{
    const std::string kLong(300, 'v');
    struct Case
    {
        std::string line;
        int nColumn;
        CString text;
        COLORREF crText;
    } const cases[] = {
        {"OK,Success,AAA,10,7,", 0, "OK", kValidRowColour},
        {"OK,Success,AAA,10,7,", 2, "AAA", kValidRowColour},
        {"OK,Success,AAA,10,7,", 5, " ", kValidRowColour},
        {"Error,Bad amount,BBB,5,8,", 1, "Bad amount", kErrorRowColour},
        {"Error,Bad,OK,x", 3, "x", kValidRowColour}, // an "OK" value on the way turns it black
        {",,a,,b", 1, "b", CLR_DEFAULT_CELL},
        {"", 0, " ", CLR_DEFAULT_CELL},
        {"OK,a", -1, "", CLR_DEFAULT_CELL},
        {"OK,a,b,c,d,e,f,g", 7, "g", kValidRowColour}, // more tokens than columns: never read
        {"OK,Success," + kLong + ",", 2, kLong, kValidRowColour},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line + " #" + std::to_string(c.nColumn));
        CString text = "old";
        COLORREF crText = CLR_DEFAULT_CELL, crBack = CLR_DEFAULT_CELL;
        int nImage = -1;
        EXPECT_EQ(RowText(reinterpret_cast<std::uintptr_t>(c.line.c_str()), c.nColumn, &text, &crText, &crBack, &nImage), 1);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(RowCell(reinterpret_cast<std::uintptr_t>(c.line.c_str()), c.nColumn), c.text);
        EXPECT_EQ(crText, c.crText);
        EXPECT_EQ(crBack, kValidationBackColour);
        EXPECT_EQ(nImage, -1);
    }
}

TEST(RowText, NoDataLeavesEverythingAlone)
{
    CString text = "old";
    COLORREF cr = 5;
    int nImage = 7;
    EXPECT_EQ(RowText(0, 0, &text, &cr, &cr, &nImage), 0);
    EXPECT_EQ(text + std::to_string(cr), "old5");
}

struct CAllColumns : IFilterColumnLayout
{
    const CArray<int> &ColumnPositions() const override { return aColPos; }
    int ColumnDefinitionCount() const override { return aColPos.GetSize(); }
    int ColumnType(int nDef) const override { return nDef >= 0 ? 3 : throw CInvalidArgException(); }
    CArray<int> aColPos{0, 1, 2};
};

TEST(FillRows, OneRowPerNonEmptyLinePointingIntoTheText)
{
    CAllColumns layout;
    CFilterRows rows;
    rows.SetDataDescriptor(RowText);
    rows.SetColumnLayout(&layout);
    const CString first = "OK,A\n\nError,bad,B,\n";
    FillRows(rows, first);
    ASSERT_EQ(rows.GetItemCount(), 2);
    EXPECT_EQ(reinterpret_cast<const char *>(rows.GetItemData(1)), first.data() + 6);
    EXPECT_EQ(rows.GetItemText(0, 2), " "); // the line ends at its line break
    EXPECT_EQ(rows.GetItemText(1, 2), "B");

    rows.ApplyFilters({"Error"});
    const CString second = "OK,Success,C,\nError,x,D,\nError,y,E";
    FillRows(rows, second);
    EXPECT_EQ(rows.GetItemCount(), 3);
    EXPECT_EQ(rows.GetVisibleCount(), 2); // the filter of the last run still holds
    EXPECT_EQ(rows.GetItemText(1, 2), "E");

    FillRows(rows, CString());
    EXPECT_EQ(rows.GetItemCount(), 0);
}

const CStringArray kColumns{"Validation", "Success/Error", "Name", "Count"};

TEST(HandOver, HandsTheValidRecordsToTheHost)
{
    struct Case
    {
        const char *name;
        CString strRows;
        int nAcceptBeforeStop;
        std::vector<std::string> calls;
        bool bAllHandedOver;
        CStringArray columns = kColumns;
        bool bHost = true;
    } const cases[] = {
        {"only OK rows", "OK,Success,AAA,10,7,\nError,Bad amount,BBB,5,8,\n", -1, {"record 7: Count=10 Name=AAA"}, true},
        {"fewer values than fields", "OK,Success,AAA,\n", -1, {"record 0: Count= Name=AAA"}, true},
        {"surplus tokens: last record counts", "OK,Success,A,1,7,B,2,8,C", -1, {"record 0: Count= Name=C"}, true},
        {"nothing after Success", "OK,Success,\nOK,,,\nOK\n", -1, {}, true},
        {"lines are trimmed", "  OK,Success,A,1,3,  \r\n\n", -1, {"record 3: Count=1 Name=A"}, true},
        {"first token must be OK", "ok,Success,A,1,3,\nOKAY,Success,A,1,3,\n", -1, {}, true},
        {"refusal stops", "OK,S,A,1,1,\nOK,S,B,2,2,\nOK,S,C,3,3,\n", 1,
         {"record 1: Count=1 Name=A", "record 2: Count=2 Name=B"}, false},
        {"empty result", "", -1, {}, true},
        {"no field columns", "OK,Success,5,\n", -1, {}, true, {"Validation", "Success/Error"}},
        {"no columns at all", "OK,Success,5,\n", -1, {}, true, CStringArray()},
        {"no host takes no record", "OK,Success,A,1,3,\n", -1, {}, false, kColumns, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingHost host;
        host.m_nAcceptBeforeStop = c.nAcceptBeforeStop;
        EXPECT_EQ(HandOverValidRecords(c.strRows, c.columns, c.bHost ? &host : nullptr), c.bAllHandedOver);
        EXPECT_EQ(host.m_calls, c.calls);
    }
}

} // namespace
