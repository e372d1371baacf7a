#include "filevalues/core/CsvLine.h"

#include <gtest/gtest.h>

TEST(SplitCsvLine, LineRule)
{
    struct Case {
        const char *name;
        std::string line;
        bool bCsv;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"plain", "a,b,c\n", true, {"a", "b", "c"}},
        {"runs of commas", "a,,b", true, {"a", "b"}},
        {"edge commas", ",a,b,", true, {"a", "b"}},
        {"only commas", ",,,", true, {}},
        {"inner spaces stay", " a , b \n", true, {"a ", " b"}},
        {"all white space kinds", "\t\v\f a,b \r\n", true, {"a", "b"}},
        {"no comma", "x\n", false, {}},
        {"empty", "", false, {}},
        {"blank", "   \n", false, {}},
        {"quotes not special", "\"a,b\",c", true, {"\"a", "b\"", "c"}},
        {"non utf-8 bytes kept", "\xff\xfe,\xc3(", true, {"\xff\xfe", "\xc3("}},
        {"nul byte kept", std::string("a\0b,c", 5), true, {std::string("a\0b", 3), "c"}},
        {"comma after white space only", " ,\n", true, {}},
    };
    for (const Case &c : cases) {
        CCsvValues views;
        EXPECT_EQ(SplitCsvLine(std::string_view(c.line), views), c.bCsv) << c.name;
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.values) << c.name;
        CStringArray values{"stale"};
        EXPECT_EQ(SplitCsvLine(CString(c.line), values), c.bCsv ? TRUE : FALSE) << c.name;
        EXPECT_EQ(std::vector<std::string>(values.begin(), values.end()), c.values) << c.name;
    }
}
