// What the filter value popup offers and what it writes back: the distinct
// values of one column of the shown rows, and a choice of them joined into a
// filter text.
#ifndef TARNIW_FILTERLIST_FILTERVALUES_H
#define TARNIW_FILTERLIST_FILTERVALUES_H

#include "filterlist/core/CFilterRows.h"

// The non-empty texts of a display column over the shown rows, told apart
// ignoring case (the first one met stays), sorted ignoring case.
CStringArray CollectFilterValues(const CFilterRows &rows, int nColumn);

// The chosen entries, in order, as alternatives "a~b"; an entry that the
// text built so far already contains (case-sensitive) is left out.
CString JoinFilterValues(const CStringArray &aChosen);

#endif
