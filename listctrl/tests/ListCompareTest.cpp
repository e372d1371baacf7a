#include "listctrl/core/CListRows.h"
#include "listctrl/core/ListCompare.h"

#include <gtest/gtest.h>

namespace {

TEST(CompareCellTexts, FollowsTheColumnType)
{
    struct Case
    {
        int nType;
        const char *t1, *t2;
        int nDir, expected;
    } const cases[] = {
        {1, "10", "9", 1, 1},   {1, "10", "9", -1, -1}, {4, " 12abc", "12", 1, 0}, {1, "abc", "0", 1, 0},
        {1, "-5", "3", 1, -1},  {3, "B", "a", 1, -1},   {6, "abc", "abd", -1, 1},  {8, "\xe4", "z", 1, 1},
        {2, "1.5", "1.25", 1, 1}, {5, "-", "0", 1, -1}, {7, "NA", "-1", 1, 0},     {2, "na", "0", 1, 0},
        {2, " -", "0", 1, 0},   {2, "nan", "0", 1, 0},  {0, "1", "2", 1, 0},       {9, "a", "b", 1, 0},
        {7, "1.5", "1.25", 1, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CompareCellTexts(c.nType, c.t1, c.t2, c.nDir), c.expected) << c.nType << " '" << c.t1 << "' '" << c.t2 << "'";
}

TEST(SortedRowOrder, ReadsEachRowOnceAndKeepsEqualRowsInOrder)
{
    const std::vector<CString> cells = {"2.5", "NA", "10", "-", "2.5"};
    int nReads = 0;
    const auto text = [&](int r) { ++nReads; return cells[size_t(r)]; };
    EXPECT_EQ(SortedRowOrder(5, 2, 1, text), (std::vector<int>{1, 3, 0, 4, 2}));
    EXPECT_EQ(nReads, 5);
    EXPECT_EQ(SortedRowOrder(5, 2, -1, text), (std::vector<int>{2, 0, 4, 1, 3}));
    EXPECT_EQ(SortedRowOrder(5, 0, -1, text), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(CListRows, OrderCarriesCellsAndData)
{
    CListRows rows;
    for (const char *t : {"c", "a", "b"}) {
        const int r = rows.InsertItem(rows.GetItemCount(), t);
        rows.SetItemText(r, 2, CString(t) + "2");
        rows.SetItemData(r, DWORD(t[0]));
    }
    rows.ApplyOrder(SortedRowOrder(3, 3, 1, [&](int r) { return rows.GetItemText(r, 0); }));
    EXPECT_EQ(rows.GetItemText(0, 0), "a");
    EXPECT_EQ(rows.GetItemText(0, 2), "a2");
    EXPECT_EQ(rows.GetItemData(2), DWORD('c'));
    EXPECT_EQ(rows.GetItemText(2, 1), "");
    EXPECT_EQ(rows.GetItemText(3, 0), "");
    EXPECT_EQ(rows.InsertItem(-1, "x"), -1);
}

} // namespace
