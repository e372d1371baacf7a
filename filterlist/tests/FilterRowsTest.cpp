#include "FilterTestRows.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Prepare = std::function<void(CTestRows &)>;

const Prepare kNewRow = [](CTestRows &t) { t.m_rows.InsertItem(t.m_rows.GetItemCount()); };
const Prepare kNothing = [](CTestRows &) {};
const CString kNoDescriptor = "no data descriptor initialised";

TEST(FilterRows, SetItemDataAddressesTheRightRow)
{
    struct Case
    {
        const char *name;
        Prepare prepare; // rows a, b, c are shown before
        int nPos;
        BOOL bResult;
        CString shown; // column 0 of the shown rows afterwards
    };
    const Case cases[] = {
        {"zero fills the new row", kNewRow, 0, TRUE, "a b c X"},
        {"inside is that row even beside a new row", kNewRow, 1, TRUE, "a X c "},
        {"zero once filled is the first row", kNothing, 0, TRUE, "X b c"},
        {"past the end once filled is refused", kNothing, 3, FALSE, "a b c"},
        {"without descriptor nothing happens", [](CTestRows &t) { t.m_rows.SetDataDescriptor(nullptr); }, 1, FALSE,
         kNoDescriptor + " " + kNoDescriptor + " " + kNoDescriptor},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CTestRows t;
        for (const char *v : {"a", "b", "c"})
            EXPECT_TRUE(t.Add({v}));
        c.prepare(t);
        EXPECT_EQ(t.m_rows.SetItemData(c.nPos, t.Data({"X"})), c.bResult);
        EXPECT_EQ(t.Shown(), c.shown);
    }
}

TEST(FilterRows, InsertInTheMiddleShiftsTheShownRows)
{
    CTestRows t;
    for (const char *v : {"a", "b", "x", "c"})
        t.Add({v});
    EXPECT_EQ(t.m_rows.InsertItem(1), 1);
    EXPECT_EQ(t.Shown(), "a  b x c");
    EXPECT_EQ(t.m_rows.InsertItem(0), 5); // position 0 appends
    EXPECT_THROW(t.m_rows.InsertItem(-1), CInvalidArgException);
    t.m_rows.ApplyFilters({"x"});
    EXPECT_THROW(t.m_rows.InsertItem(3), CInvalidArgException); // beyond the one shown row
    EXPECT_EQ(t.m_rows.GetItemCount(), 6);
}

TEST(FilterRows, ChecksAndCellsFollowTheShownPosition)
{
    CTestRows t;
    t.Add({"a", "b"});
    t.Add({"b", "c"});
    EXPECT_TRUE(t.m_rows.SetCheck(1, TRUE));
    EXPECT_FALSE(t.m_rows.SetCheck(2, TRUE));
    t.m_rows.ApplyFilters({"b"});
    EXPECT_TRUE(t.m_rows.GetCheck(0));
    EXPECT_FALSE(t.m_rows.GetCheck(-1));

    t.m_layout.aColPos = {1, 0, -1}; // definition 1 first, 2 hidden, nothing at display 2
    EXPECT_EQ(t.m_rows.GetItemText(0, 0), "c");
    EXPECT_EQ(t.m_rows.GetItemText(0, 2), "def-1");
    EXPECT_EQ(t.m_rows.GetItemText(1, 0), "");
    t.m_layout.nCount = 1; // definition 1 not built
    EXPECT_EQ(t.m_rows.GetItemText(0, 0), "");
}

TEST(FilterRows, FilterRunsShowTheMatchingRowsInStorageOrder)
{
    const std::pair<CStringArray, const char *> cases[] = { // filters per display column, rows shown
        {{"", "", ""}, "Abc xab ab zz"},
        {{"ab", ">10", ""}, "ab"},         // both columns must match
        {{"", ">4"}, "xab ab zz"},         // fewer boxes than columns
        {{"", "", "", "ab"}, ""},          // index 3 was never built: empty text
    };
    for (const auto &[filters, shown] : cases) {
        CTestRows t;
        t.Add({"Abc", "1", "x"});
        t.Add({"xab", "12", "y"});
        t.Add({"ab", "20", "y"});
        t.Add({"zz", "5", "x"});
        t.m_rows.ApplyFilters(filters);
        EXPECT_EQ(t.Shown(), shown);
        EXPECT_EQ(t.m_rows.GetItemCount(), 4);
    }
}

// A filter on an unbuilt column tests the text before it; rows added later
// meet the filters of the last run.
TEST(FilterRows, UnbuiltColumnsAndNewRows)
{
    CTestRows unbuilt;
    unbuilt.Add({"ab", "x", "q"});
    unbuilt.Add({"cd", "y", "ab"});
    unbuilt.m_layout.nCount = 2;
    unbuilt.m_rows.ApplyFilters({"*", "", "a"});
    EXPECT_EQ(unbuilt.Shown(), "ab");

    CTestRows t;
    t.Add({"a"});
    t.m_rows.ApplyFilters({"b"});
    EXPECT_FALSE(t.Add({"a2"}));
    EXPECT_TRUE(t.Add({"b2"}));
    EXPECT_EQ(t.Shown(), "b2");
    EXPECT_EQ(t.m_rows.GetItemCount(), 3);
    EXPECT_FALSE(t.m_rows.RowPassesFilters(0)); // no data: empty text
}

TEST(FilterSort, TypesAgreeWithTheRowComparisonBothWays)
{
    struct Case
    {
        int nType;
        std::vector<const char *> values;
        const char *ascending;
    };
    const Case cases[] = {
        {1, {"10", "9", "-2", "x", "3abc"}, "-2 x 3abc 9 10"},
        {2, {"1.5", "1e3", "-.5", "abc", "nan"}, "nan -.5 abc 1.5 1e3"},
        {3, {"a", "B", "\xE4", "ab", ""}, " B a ab \xE4"},
        {6, {"Name0000010", "Name000001", "Name00000\xE4", "Name0000002"}, // bytes past a shared start
         "Name0000002 Name000001 Name0000010 Name00000\xE4"},
        {7, {"b", "a", "c"}, "b a c"},   // other types keep the order
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nType);
        CTestRows t;
        t.m_layout.aTypes = {c.nType, 3, 3};
        for (const char *v : c.values)
            t.Add({v});
        for (int nClick = 0; nClick < 2; ++nClick) {
            t.m_rows.PrepareColumnSort(0);
            t.m_rows.SortShownRows();
            if (nClick == 0) {
                EXPECT_EQ(t.Shown(), c.ascending);
            }
            for (int p = 1; p < t.m_rows.GetVisibleCount(); ++p)
                EXPECT_LE(t.m_rows.CompareVisibleRows(t.m_rows.RowAt(p - 1), t.m_rows.RowAt(p)), 0);
        }
    }
}

// Equal texts keep their order in both directions, also among many (the
// sort settles most of the order on the first eight bytes of a text and
// compares only the texts that share them); a NUL byte after a shared start
// still sorts after its end.
TEST(FilterSort, TextTiesKeepTheirOrder)
{
    CTestRows t;
    const char *const names[] = {"b", "a", "b", "abcdefghij", "a", "abcdefghi", "abcdefghiz", "abcdefgh"};
    const char *const tags[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (size_t i = 0; i < 8; ++i)
        t.Add({names[i], tags[i]});
    t.m_rows.PrepareColumnSort(0);
    t.m_rows.SortShownRows();
    EXPECT_EQ(t.Shown(1), "2 5 8 6 4 7 1 3");
    t.m_rows.PrepareColumnSort(0);
    t.m_rows.SortShownRows();
    EXPECT_EQ(t.Shown(1), "1 3 7 4 6 8 2 5");

    CTestRows many;
    for (int i = 0; i < 3000; ++i)
        many.Add({i % 2 ? "odd" : "even", std::to_string(i).c_str()});
    many.m_rows.PrepareColumnSort(0);
    many.m_rows.SortShownRows();
    EXPECT_EQ(many.m_rows.GetItemText(0, 1) + " " + many.m_rows.GetItemText(1499, 1) + " "
                  + many.m_rows.GetItemText(1500, 1) + " " + many.m_rows.GetItemText(2999, 1),
              "0 2998 1 2999");

    CFilterRows nul;
    CTestLayout layout;
    const CStringArray withNul{CString("ab\0", 3)}, plain{"ab"};
    nul.SetDataDescriptor(TestCells);
    nul.SetColumnLayout(&layout);
    nul.AssignItemData({reinterpret_cast<std::uintptr_t>(&withNul), reinterpret_cast<std::uintptr_t>(&plain)});
    nul.PrepareColumnSort(0);
    nul.SortShownRows();
    EXPECT_EQ(nul.GetItemText(0, 0), "ab");
}

TEST(FilterSort, DirectionAndHeaderImages)
{
    CTestRows t;
    EXPECT_TRUE(t.m_rows.PrepareColumnSort(0).empty()); // no rows: nothing happens
    t.Add({"b", "2"});
    t.Add({"a", "1"});
    t.Add({"c", "3"});
    using Images = std::vector<std::pair<int, int>>;
    const auto click = [&](int c) {
        Images out;
        for (const sHeaderImage &i : t.m_rows.PrepareColumnSort(c))
            out.emplace_back(i.nColumn, i.nImage);
        t.m_rows.SortShownRows();
        return out;
    };
    EXPECT_EQ(click(1), (Images{{1, 0}}));
    EXPECT_EQ(t.Shown(), "a b c");
    EXPECT_EQ(click(1), (Images{{1, 1}}));
    EXPECT_EQ(t.Shown(), "c b a");
    EXPECT_EQ(click(0), (Images{{1, 2}, {0, 0}}));
    EXPECT_EQ(t.Shown(), "a b c");
    t.m_rows.ApplyFilters({"", ""}); // a new filter run undoes the sort
    EXPECT_EQ(t.Shown(), "b a c");
}

TEST(FilterSort, AColumnWithoutDefinitionCannotSortFirst)
{
    CTestRows t;
    t.Add({"b"});
    t.Add({"a"});
    t.m_layout.aColPos = {0, -1, -1};
    EXPECT_EQ(t.m_rows.PrepareColumnSort(2).size(), 1u);
    EXPECT_THROW(t.m_rows.SortShownRows(), CInvalidArgException);
    EXPECT_EQ(t.Shown(), "b a");
    t.m_rows.PrepareColumnSort(0);
    t.m_rows.PrepareColumnSort(2); // sorts by the last sorted definition
    t.m_rows.SortShownRows();
    EXPECT_EQ(t.Shown(), "a b");
}

struct CRecorder : IRowsObserver
{
    void RowsAboutToReset() override { log += "R("; }
    void RowsReset() override { log += ")"; }
    void RowAboutToBeInserted(int n) override { log += "i" + std::to_string(n); }
    void RowInserted(int n) override { log += "I" + std::to_string(n); }
    void RowAboutToBeRemoved(int n) override { log += "d" + std::to_string(n); }
    void RowRemoved(int n) override { log += "D" + std::to_string(n); }
    void RowChanged(int n, int) override { log += "C" + std::to_string(n); }
    std::string log;
};

TEST(FilterRows, ObserverHearsEveryChangeAtItsShownPosition)
{
    CTestRows t;
    CRecorder r;
    t.m_rows.SetObserver(&r);
    t.Add({"a"});
    t.Add({"b"});
    t.m_rows.ApplyFilters({"b"});
    t.Add({"a"});
    t.m_rows.InsertItem(1);
    t.m_rows.DeleteAllItems();
    EXPECT_EQ(r.log, "i0I0C0i1I1C1R()i1I1d1D1i1I1R()");
    EXPECT_EQ(t.m_rows.GetVisibleCount() + t.m_rows.GetItemCount(), 0);
    EXPECT_EQ(t.m_rows.GetItemData(0), 0u);
}

} // namespace
