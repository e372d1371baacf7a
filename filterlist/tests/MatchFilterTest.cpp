#include "filterlist/core/MatchFilter.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase
{
    const char *value;
    std::string filter;
    bool bMatch;
};

class MatchFilterTest : public testing::TestWithParam<MatchCase>
{
};

TEST_P(MatchFilterTest, Matches)
{
    const MatchCase &c = GetParam();
    EXPECT_EQ(MatchFilter(CString(c.value), c.filter), c.bMatch) << "value '" << c.value << "' filter '" << c.filter << "'";
}

const MatchCase kCases[] = {
    // Prefix, ignoring ASCII case only.
    {"Abc", "ab", true},
    {"xab", "ab", false},
    {"ab", "ab", true},
    {"a", "ab", false},
    {"", "a", false},
    {"\xC4rger", "\xE4r", false},
    {"\xC4rger", "\xC4R", true},
    {" ab", "ab", false},
    {"ab", " ab", false}, // tokens are not trimmed
    // Contains.
    {"xAbY", "*ab*", true},
    {"xaY", "*ab*", false},
    {"", "*", true},
    {"anything", "**", true},
    {"", "**", true},
    {"a*b", "***", true},
    {"ab", "***", false},
    // Ends with.
    {"xAB", "*ab", true},
    {"abx", "*ab", false},
    {"b", "*ab", false},
    // Numbers, read as sscanf reads them, compared strictly.
    {"12", ">10", true},
    {"10.5abc", ">10", true},
    {"10", ">10", false},
    {"abc", ">10", false},
    {"", ">10", false},
    {"-3", "<10", true},
    {"  7", "< 8", true},
    {"5", ">", false},
    {"5", "<", false},
    {"1e400", ">1e999", false},
    {"5", "<1e999", true},
    {"inf", "<1e999", false},
    {"nan", ">0", false},
    {"nan", "<0", false},
    {"5", ">nan", false},
    {"0x10", ">15", true},
    {"0x", ">-1", false},      // sscanf reads nothing here, unlike strtod
    {"infinit", ">0", false},  // likewise
    {"infinity", ">0", true},
    {"-.5e-1x", "<0", true},
    {".", "<1", false},
    // Alternatives.
    {"apple", "a~*z", true},
    {"fizz", "a~*z", true},
    {"bob", "a~*z", false},
    {"b", "a~~b", true},
    {"b", "~b~", true},
    {"x", "~", false},
    {"", "~~~", false},
    {"12", "x~>11", true},
    {"", "", false},
};

INSTANTIATE_TEST_SUITE_P(Tokens, MatchFilterTest, testing::ValuesIn(kCases));

TEST(MatchFilterLongTexts, FilterBoxFullOfOneCharacter)
{
    const std::string tildes(1023, '~');
    const std::string stars(1023, '*');
    EXPECT_FALSE(MatchFilter(CString("x"), tildes));
    EXPECT_FALSE(MatchFilter(CString("x"), stars)); // must contain 1021 stars
    EXPECT_FALSE(MatchFilter(CString(std::string(1020, '*')), stars));
    EXPECT_TRUE(MatchFilter(CString(std::string(1021, '*')), stars));
    EXPECT_TRUE(MatchFilter(CString("2"), ">" + std::string(2000, '1').insert(0, "0.")));
}

} // namespace
