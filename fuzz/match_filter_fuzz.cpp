// The filter pattern language: a filter matches when one of its "~" tokens
// does, letter case does not count, a value contains itself, and no value
// is both above and below a number.
#include "FuzzSupport.h"

#include "filterlist/core/MatchFilter.h"

namespace {
std::string Folded(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    const CString value = parts.Next();
    const std::string a = parts.Next(), b = parts.Next();

    const bool bA = MatchFilter(value, a);
    FUZZ_CHECK(MatchFilter(value, a + "~" + b) == (bA || MatchFilter(value, b)));
    FUZZ_CHECK(MatchFilter(CString(Folded(value)), Folded(a)) == bA);
    if (value.find('~') == std::string::npos)
        FUZZ_CHECK(MatchFilter(value, "*" + value + "*"));
    if (b.find('~') == std::string::npos)
        FUZZ_CHECK(!(MatchFilter(value, ">" + b) && MatchFilter(value, "<" + b)));
    return 0;
}
