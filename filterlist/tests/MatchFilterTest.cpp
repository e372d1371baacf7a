#include "filterlist/core/MatchFilter.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase
{
    const char *value;
    std::string filter;
    bool bMatch;
};

const MatchCase kCases[] = {
    // Prefix, ignoring ASCII case only; neither side is trimmed.
    {"Abc", "ab", true}, {"xab", "ab", false}, {"ab", "ab", true}, {"a", "ab", false},
    {"\xC4rger", "\xE4r", false}, {" ab", "ab", false}, {"ab", " ab", false},
    // Contains.
    {"xyAB", "*ab*", true}, {"xaY", "*ab*", false}, {"", "*", true}, {"", "**", true},
    {"a*b", "***", true}, {"ab", "***", false},
    // Ends with.
    {"xAB", "*ab", true}, {"abx", "*ab", false}, {"b", "*ab", false},
    // Numbers, read as sscanf reads them, compared strictly.
    {"12", ">10", true}, {"10.5abc", ">10", true}, {"10", ">10", false}, {"abc", ">10", false},
    {"-3", "<10", true}, {"  7", "< 8", true}, {"5", ">", false}, {"1e400", ">1e999", false},
    {"5", "<1e999", true}, {"inf", "<1e999", false}, {"nan", ">0", false}, {"5", ">nan", false},
    {"0x10", ">15", true}, {"infinity", ">0", true}, {"-.5e-1x", "<0", true}, {".", "<1", false},
    {"0x", ">-1", false}, {"infinit", ">0", false}, // sscanf reads nothing here, unlike strtod
    // Alternatives; empty ones are skipped.
    {"apple", "a~*z", true}, {"fizz", "a~*z", true}, {"bob", "a~*z", false}, {"b", "a~~b", true},
    {"b", "~b~", true}, {"x", "~", false}, {"12", "x~>11", true}, {"", "", false},
};

TEST(MatchFilter, Tokens)
{
    for (const MatchCase &c : kCases)
        EXPECT_EQ(MatchFilter(CString(c.value), c.filter), c.bMatch) << "value '" << c.value << "' filter '" << c.filter << "'";
}

TEST(MatchFilter, FilterBoxFullOfOneCharacter)
{
    const std::string stars(1023, '*');
    EXPECT_FALSE(MatchFilter(CString("x"), std::string(1023, '~')));
    EXPECT_FALSE(MatchFilter(CString("x"), stars)); // must contain 1021 stars
    EXPECT_FALSE(MatchFilter(CString(std::string(1020, '*')), stars));
    EXPECT_TRUE(MatchFilter(CString(std::string(1021, '*')), stars));
    EXPECT_TRUE(MatchFilter(CString("2"), ">" + std::string(2000, '1').insert(0, "0.")));
}

} // namespace
