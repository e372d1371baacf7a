#include "FilterTestRows.h"

#include "filterlist/core/FilterValues.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterValues, DistinctIgnoringCaseFirstKeptSortedIgnoringCase)
{
    CTestRows t;
    for (const char *v : {"b", "A", "b", "", "B", "a", "c", "hidden"})
        t.Add({"x", v});
    t.m_rows.ApplyFilters({"", "~"}); // "~" is no token: the column shows nothing
    EXPECT_EQ(CollectFilterValues(t.m_rows, 1), CStringArray());
    t.m_rows.ApplyFilters({"", "a~b~c"});
    EXPECT_EQ(CollectFilterValues(t.m_rows, 1), (CStringArray{"A", "b", "c"}));
    // Only shown rows count; a column without definition asks with -1.
    t.m_rows.ApplyFilters({"", "c"});
    EXPECT_EQ(CollectFilterValues(t.m_rows, 1), CStringArray{"c"});
    EXPECT_EQ(CollectFilterValues(t.m_rows, 7), CStringArray{"def-1"});
}

TEST(FilterValues, JoinSkipsChoicesTheFilterAlreadyContains)
{
    const std::pair<CStringArray, const char *> cases[] = {
        {{}, ""}, {{"A", "b"}, "A~b"}, {{"A", "AB"}, "A~AB"}, {{"AB", "B"}, "AB"}, {{"AB", "b"}, "AB~b"},
        {{"x", "y", "x~y"}, "x~y"},
    };
    for (const auto &[chosen, filter] : cases)
        EXPECT_EQ(JoinFilterValues(chosen), filter) << filter;
}

} // namespace
