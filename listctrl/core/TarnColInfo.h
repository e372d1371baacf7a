// The column definition of the common lists, with its column formats and
// sort types.
#ifndef TARNIW_LISTCTRL_TARNCOLINFO_H
#define TARNIW_LISTCTRL_TARNCOLINFO_H

#include "tarniw/TarnTypes.h"

// One column definition, filled by the list's owner. szName is the heading
// and the key by which the column is found; nType (a TarnSortType) chooses
// the sort order.
struct tsTarnColInfoWiz
{
    char szName[64];
    int nWidth;
    int nFormat;
    int nType;
};

// Fills a definition; the name is cut to what szName holds.
tsTarnColInfoWiz MakeColInfo(const CString &strName, int nWidth, int nFormat = 0, int nType = 0);

// Column alignment.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;

// How a column's texts compare when it is sorted. The common list sorts
// every kind; a filter list in its filter-list mode sorts the first six and
// leaves the rows of the others unsorted.
enum TarnSortType : int
{
    kSortNone = 0,
    kSortInteger = 1,       // leading whole number
    kSortDecimal = 2,       // leading decimal; "-" and "NA" count as -1 in the common list
    kSortText = 3,          // byte for byte, case-sensitive
    kSortLongInteger = 4,   // leading whole number
    kSortDecimalToo = 5,    // as kSortDecimal
    kSortTextToo = 6,       // as kSortText
    kSortDecimalCommon = 7, // as kSortDecimal, in the common list only
    kSortTextCommon = 8,    // as kSortText, in the common list only
};

#endif
