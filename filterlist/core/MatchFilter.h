// The pattern language of the filter lists' header filters.
#ifndef TARNIW_FILTERLIST_MATCHFILTER_H
#define TARNIW_FILTERLIST_MATCHFILTER_H

#include "tarniw/TarnTypes.h"

#include <string_view>

// True when the value matches at least one "~"-separated token of the filter
// (empty tokens are dropped, tokens are not trimmed):
//   *x*  contains x        *x  ends with x        x  begins with x
//   >n   value > n         <n  value < n
// Text comparisons fold ASCII letters only; numbers are read as
// sscanf("%lf") reads them, and a side without a number never matches.
bool MatchFilter(const CString &strValue, std::string_view filter);

#endif
