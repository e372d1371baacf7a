// Rows for the filter list tests: each row's data points at its cells, and
// the layout shows definition d at display position d unless told otherwise.
#ifndef TARNIW_FILTERLIST_TESTS_FILTERTESTROWS_H
#define TARNIW_FILTERLIST_TESTS_FILTERTESTROWS_H

#include "filterlist/core/CFilterRows.h"

#include <deque>
#include <initializer_list>

struct CTestLayout : IFilterColumnLayout
{
    const CArray<int> &ColumnPositions() const override { return aColPos; }
    int ColumnDefinitionCount() const override { return nCount; }
    int ColumnType(int nDef) const override { return aTypes.GetAt(nDef); }

    CArray<int> aColPos{0, 1, 2};
    CArray<int> aTypes{3, 3, 3};
    int nCount = 3;
};

// Cell d of the row, or "def<d>" for a definition the row lacks (-1 too).
inline int TestCells(std::uintptr_t dwData, int nDef, CString *pText, COLORREF *, COLORREF *, int *)
{
    if (!dwData)
        return 0;
    const auto &cells = *reinterpret_cast<const CStringArray *>(dwData);
    *pText = (nDef >= 0 && nDef < cells.GetSize()) ? cells[size_t(nDef)] : CString("def" + std::to_string(nDef));
    return 1;
}

// A column of every shown row of the rows or the list, joined by spaces.
template <class Rows>
CString ShownCells(const Rows &rows, int nColumn = 0)
{
    CString s;
    for (int p = 0; p < rows.GetVisibleCount(); ++p)
        s += (p ? " " : "") + rows.GetItemText(p, nColumn);
    return s;
}

class CTestRows
{
public:
    CTestRows()
    {
        m_rows.SetDataDescriptor(TestCells);
        m_rows.SetColumnLayout(&m_layout);
    }

    std::uintptr_t Data(std::initializer_list<const char *> cells)
    {
        CStringArray &row = m_cells.emplace_back();
        for (const char *psz : cells)
            row.Add(psz);
        return reinterpret_cast<std::uintptr_t>(&row);
    }
    // Appends a row as the validation dialog does, to these rows or to a
    // list's; returns SetItemData's answer.
    template <class Rows>
    BOOL AddTo(Rows &rows, std::initializer_list<const char *> cells)
    {
        const int n = rows.GetItemCount();
        rows.InsertItem(n);
        return rows.SetItemData(n, Data(cells));
    }
    BOOL Add(std::initializer_list<const char *> cells) { return AddTo(m_rows, cells); }
    CString Shown(int nColumn = 0) const { return ShownCells(m_rows, nColumn); }

    CTestLayout m_layout;
    CFilterRows m_rows;

private:
    std::deque<CStringArray> m_cells;
};

#endif
