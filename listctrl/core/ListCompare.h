// The order of a common list's rows when a column is sorted: the comparison
// is chosen by the column's sort type (TarnSortType), and the result is
// multiplied by the sort direction (+1 ascending, -1 descending).
//
//   whole numbers  leading digits, like atoi/atol
//   decimals       like atof; "-" and "NA" count as -1
//   text           byte for byte, case-sensitive
//   kSortNone      all rows equal
#ifndef TARNIW_LISTCTRL_LISTCOMPARE_H
#define TARNIW_LISTCTRL_LISTCOMPARE_H

#include "tarniw/TarnTypes.h"

#include <functional>
#include <vector>

// -1, 0 or 1 for two cell texts.
int CompareCellTexts(int nType, const CString &t1, const CString &t2, int nSortDir);

// The rows in sorted order, as former row indices. Each row's text is read
// once; rows that compare equal keep their order.
std::vector<int> SortedRowOrder(int nRows, int nType, int nSortDir, const std::function<CString(int)> &cellText);

#endif
