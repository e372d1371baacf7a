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

namespace {
// The line rule written the plain way, byte by byte, as the paths' yardstick.
std::vector<std::string> PlainSplit(std::string_view line, bool &bCsv)
{
    bCsv = line.find(',') != std::string_view::npos;
    std::vector<std::string> values;
    std::string value;
    for (const char c : TrimCsvLine(line)) {
        if (c != ',')
            value += c;
        else if (!value.empty())
            values.push_back(std::move(value)), value.clear();
    }
    if (bCsv && !value.empty())
        values.push_back(value);
    return values;
}

// Restores the path chosen at start when a test ends.
struct CSplitPathScope
{
    ~CSplitPathScope() { UseSplitPath(SplitPathsAvailable().back()); }
};
}

// Every path cuts the same values out of lines of every length around the
// vector widths, with commas at and across the steps' edges, white space
// at the ends, CR LF, and bytes above 0x7F (which hold ',' | 0x80 too). A
// reader keeping only the first few values sees the same ones.
TEST(SplitCsvLine, EveryPathCutsTheSameValues)
{
    struct Shape {
        const char *name;
        char (*byteAt)(size_t i, size_t n);
    };
    const Shape shapes[] = {
        {"all commas", [](size_t, size_t) { return ','; }},
        {"comma every third byte", [](size_t i, size_t) { return i % 3 == 2 ? ',' : 'v'; }},
        {"runs of commas", [](size_t i, size_t) { return i % 7 < 3 ? ',' : 'x'; }},
        {"commas at step edges", [](size_t i, size_t) { return i % 8 == 7 || i % 16 == 0 || i % 32 == 31 ? ',' : 'a'; }},
        {"white space at the ends, CR LF", [](size_t i, size_t n) {
             return i < 2 ? ' ' : i + 2 == n ? '\r' : i + 1 == n ? '\n' : i + 4 >= n ? '\t' : i % 5 == 0 ? ',' : 'b'; }},
        {"bytes above 0x7f", [](size_t i, size_t) { return char(i % 4 == 1 ? ',' : 0x80 + (i * 37) % 128); }},
        {"comma | 0x80 and nul bytes", [](size_t i, size_t) { return i % 6 == 0 ? ',' : i % 6 == 3 ? char(0xAC) : '\0'; }},
        {"white space beside commas", [](size_t i, size_t) { return i % 4 == 0 ? ',' : i % 4 == 1 ? ' ' : 'c'; }},
        {"one comma at the end", [](size_t i, size_t n) { return i + 1 == n ? ',' : 'd'; }},
        {"no comma", [](size_t, size_t) { return 'e'; }},
    };
    CSplitPathScope scope;
    for (const Shape &shape : shapes) {
        for (size_t n = 0; n <= 130; ++n) {
            std::string line(n, ' ');
            for (size_t i = 0; i < n; ++i)
                line[i] = shape.byteAt(i, n);
            bool bCsv = false;
            const std::vector<std::string> expected = PlainSplit(line, bCsv);
            for (const eSplitPath path : SplitPathsAvailable()) {
                ASSERT_TRUE(UseSplitPath(path));
                CCsvValues views;
                EXPECT_EQ(SplitCsvLine(line, views), bCsv) << shape.name << ", length " << n << ", path " << int(path);
                EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), expected)
                    << shape.name << ", length " << n << ", path " << int(path);
                // As a reader cuts it, the line end and the next line behind it.
                const size_t nKeep = expected.size() / 2;
                const std::string lines = line + "\n" + line + ",x";
                CCsvLine read;
                read.nKeep = nKeep;
                const sCsvCut cut = read.Cut(lines.data(), lines.data() + lines.size());
                EXPECT_EQ(cut.pEnd, lines.data() + lines.find('\n')) << shape.name << ", length " << n;
                EXPECT_EQ(cut.nValues, bCsv ? expected.size() : kNoComma) << shape.name << ", length " << n;
                EXPECT_EQ(read.text, TrimCsvLine(line)) << shape.name << ", length " << n;
                EXPECT_EQ(std::vector<std::string>(read.begin(), read.end()),
                          std::vector<std::string>(expected.begin(), expected.begin() + std::ptrdiff_t(bCsv ? nKeep : 0)))
                    << shape.name << ", length " << n << ", first " << nKeep << ", path " << int(path);
            }
        }
    }
}

// Cutting many lines in one call gives each line as cutting it alone does,
// on every path; it stops before a line too long and before the last one
// when no line end follows it.
TEST(CutCsvLines, ManyLinesAsOneAtATime)
{
    std::string text;
    for (size_t n = 0; n <= 70; ++n) {
        for (size_t i = 0; i < n; ++i)
            text += i % 9 == 4 ? ',' : i % 23 == 7 ? ' ' : char('a' + i % 26);
        text += n % 5 == 0 ? ",,x\r\n" : n % 7 == 0 ? "\n" : ",y\n";
    }
    text += "no end,x";
    CSplitPathScope scope;
    for (const eSplitPath path : SplitPathsAvailable()) {
        ASSERT_TRUE(UseSplitPath(path));
        constexpr size_t kKeep = 3;
        std::vector<sCsvLineCut> lines(1000);
        std::vector<std::string_view> kept(lines.size() * kKeep);
        const char *const pEnd = text.data() + text.size();
        const size_t nLines = CutCsvLines(text.data(), pEnd, kKeep, 60, lines.data(), kept.data(), lines.size());
        const char *p = text.data();
        size_t nExpected = 0;
        for (;; ++nExpected) {
            std::string_view one[kKeep];
            const sCsvCut cut = CutCsvLine(p, pEnd, one, kKeep);
            if (cut.pEnd == pEnd || cut.pEnd - p > 60)
                break;
            ASSERT_LT(nExpected, nLines) << int(path);
            EXPECT_EQ(lines[nExpected].pEnd, cut.pEnd) << int(path);
            EXPECT_EQ(lines[nExpected].text, cut.text) << int(path);
            EXPECT_EQ(lines[nExpected].nValues, cut.nValues) << int(path);
            for (size_t k = 0; cut.nValues != kNoComma && k < std::min(kKeep, cut.nValues); ++k)
                EXPECT_EQ(kept[nExpected * kKeep + k], one[k]) << int(path);
            p = cut.pEnd + 1;
        }
        EXPECT_EQ(nLines, nExpected) << int(path);
        EXPECT_GT(nLines, 50u); // the line of 61 bytes stops it
        EXPECT_EQ(CutCsvLines(text.data(), pEnd, kKeep, 1000, lines.data(), kept.data(), 5), 5u);
        EXPECT_EQ(CutCsvLines(text.data(), pEnd, kKeep, 1000, lines.data(), kept.data(), lines.size()), 71u);
    }
}
