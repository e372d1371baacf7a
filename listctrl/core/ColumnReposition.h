// The list work behind the column reposition dialog, without windows: which
// columns a list shows and hides, how its two list boxes find and sort names,
// and the layout that Save hands back to the list.
//
// The boxes search as the platform's list box does: a name counts as listed
// when some item begins with it, ignoring case. So with "Amount Due" listed,
// "Amount" counts as listed too.
#ifndef TARNIW_LISTCTRL_COLUMNREPOSITION_H
#define TARNIW_LISTCTRL_COLUMNREPOSITION_H

#include "listctrl/core/TarnColInfo.h"

#include <vector>

// Width of a shown name that no definition knows.
constexpr int kUnknownColumnWidth = 80;

// One header item as the dialog reads it: text, width and its place in the
// header's own order (which follows the user's drags).
struct sHeaderItem
{
    CString strText;
    int nWidth = 0;
    int nOrder = 0;
};

// The first item that begins with strText, ignoring ASCII case; -1 when none.
int FindStringPrefix(const CStringArray &aItems, const CString &strText);

// Where a sorted list box puts strText: before the first item that sorts
// after it, ignoring ASCII case, so equal names keep the order they came in.
int SortedInsertIndex(const CStringArray &aItems, const CString &strText);

// The two boxes of the dialog for one list, and its definitions by name with
// the widths the shown columns have on screen.
struct sColumnLists
{
    CStringArray aVisible; // display order
    CStringArray aHidden;  // sorted
    CMap<CString, tsTarnColInfoWiz> mapColInfo;
};

sColumnLists LoadColumnLists(const CArray<tsTarnColInfoWiz> &aColInfo, const std::vector<sHeaderItem> &aHeader);

// The definitions to show, in the order of aVisible, and their widths. A name
// without a definition index gets no column but still a width, so every later
// column takes the width listed one place before its own.
void BuildRepositionLayout(const CStringArray &aVisible, const CMap<CString, int> &mapColIndex,
                           const CMap<CString, tsTarnColInfoWiz> &mapColInfo, CArray<int> &aDefs,
                           CArray<int> &aWidths);

#endif
