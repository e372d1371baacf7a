#include "listctrl/core/ColumnReposition.h"

#include <gtest/gtest.h>

namespace {

struct LoadCase
{
    const char *name;
    CStringArray defs;      // definition names, width 10 * (index + 1)
    CStringArray header;    // header texts in column order
    std::vector<int> order; // each column's place in the header's order
    CStringArray visible;
    CStringArray hidden;
    const char *widths;     // widths of the definitions after loading
};

class LoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, FillsBothBoxes)
{
    const LoadCase &c = GetParam();
    CArray<tsTarnColInfoWiz> defs;
    for (const CString &name : c.defs)
        defs.Add(MakeColInfo(name, 10 * (defs.GetSize() + 1)));
    std::vector<sHeaderItem> header;
    for (int i = 0; i < c.header.GetSize(); ++i)
        header.push_back({c.header.GetAt(i), 100 + i, c.order.at(size_t(i))});

    const sColumnLists lists = LoadColumnLists(defs, header);
    EXPECT_EQ(lists.aVisible, c.visible);
    EXPECT_EQ(lists.aHidden, c.hidden);
    std::string widths;
    for (const tsTarnColInfoWiz &def : defs)
        widths += (widths.empty() ? "" : ",") + std::to_string(lists.mapColInfo.at(def.szName).nWidth);
    EXPECT_EQ(widths, c.widths);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, LoadTest,
    ::testing::Values(
        LoadCase{"ThirdDraggedFirst", {"A", "B", "C"}, {"A", "B", "C"}, {1, 2, 0}, {"C", "A", "B"}, {}, "100,101,102"},
        LoadCase{"HiddenSortedIgnoringCase", {"b", "C", "a", "D"}, {"D"}, {0}, {"D"}, {"a", "b", "C"}, "10,20,30,100"},
        LoadCase{"LongerNameShownHidesShorter", {"Amount", "Amount Due"}, {"Amount Due"}, {0}, {"Amount Due"}, {},
                 "10,100"},
        LoadCase{"LongerNameSwallowsShorterShownAfterIt", {"Amount", "Amount Due"}, {"Amount Due", "Amount"}, {0, 1},
                 {"Amount Due"}, {}, "10,100"},
        LoadCase{"DuplicateNamesListedOnce", {"X", "X", "Y"}, {"X", "X"}, {0, 1}, {"X"}, {"Y"}, "100,100,30"},
        LoadCase{"UnknownHeadingListed", {"A"}, {"A", "Extra"}, {0, 1}, {"A", "Extra"}, {}, "100"}),
    [](const ::testing::TestParamInfo<LoadCase> &info) { return std::string(info.param.name); });

TEST(ColumnRepositionTest, LayoutWidthsFollowTheVisibleNames)
{
    CMap<CString, int> index{{"A", 0}, {"B", 1}};
    CMap<CString, tsTarnColInfoWiz> info{{"A", MakeColInfo("A", 15)}, {"B", MakeColInfo("B", 25)}};
    CArray<int> defs;
    CArray<int> widths;
    BuildRepositionLayout({"B", "Extra", "A"}, index, info, defs, widths);
    EXPECT_EQ(defs, (CArray<int>{1, 0}));
    EXPECT_EQ(widths, (CArray<int>{25, kUnknownColumnWidth, 15}));
}

} // namespace
