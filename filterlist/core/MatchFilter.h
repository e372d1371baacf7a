// The pattern language of the filter lists' header filters.
#ifndef TARNIW_FILTERLIST_MATCHFILTER_H
#define TARNIW_FILTERLIST_MATCHFILTER_H

#include "tarniw/TarnTypes.h"

#include <string>
#include <string_view>
#include <vector>

// True when the value matches at least one "~"-separated token of the filter
// (empty tokens are dropped, tokens are not trimmed):
//   *x*  contains x        *x  ends with x        x  begins with x
//   >n   value > n         <n  value < n
// Text comparisons fold ASCII letters only; numbers are read as
// sscanf("%lf") reads them, and a side without a number never matches.
bool MatchFilter(const CString &strValue, std::string_view filter);

// A filter text read once, for testing many values against it as
// MatchFilter does (a filter run tests every row).
class CFilterPattern
{
public:
    explicit CFilterPattern(std::string_view filter);
    bool Matches(std::string_view value) const;

private:
    enum class eKind { Everything, Contains, EndsWith, Greater, Less, BeginsWith };
    struct CToken
    {
        eKind kind;
        std::string text;     // folded: ASCII letters in lower case
        bool bLetters;        // whether folding matters for text
        bool bLimit = false;  // a number could be read after ">" or "<"
        double limit = 0;
    };
    static bool Matches(const CToken &token, std::string_view value);

    std::vector<CToken> m_tokens;
};

#endif
