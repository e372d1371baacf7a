// The rows of a report list with in-place cell editing: text cells only, kept
// apart from any window so the Template dialog's state can be worked on and
// tested without one. A view follows it through an observer.
#ifndef TARNIW_FILTERLIST_CREPORTROWS_H
#define TARNIW_FILTERLIST_CREPORTROWS_H

#include "filterlist/core/IRowsObserver.h"
#include "tarniw/TarnTypes.h"

#include <vector>

class CReportRows
{
public:
    explicit CReportRows(int nColumns = 2) : m_nColumns(nColumns) {}

    int GetColumnCount() const { return m_nColumns; }
    int GetItemCount() const { return int(m_rows.size()); }

    // Inserts a row before nItem (at the end when nItem is past it) with the
    // text in column 0 and the other cells empty; returns its index, or -1
    // for a negative index.
    int InsertItem(int nItem, const CString &strText);
    // FALSE for a cell outside the rows or columns.
    BOOL SetItemText(int nItem, int nSubItem, const CString &strText);
    // Empty for a cell outside the rows or columns.
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();

    void SetObserver(IRowsObserver *pObserver) { m_pObserver = pObserver; }

private:
    bool IsCell(int nItem, int nSubItem) const
    {
        return nItem >= 0 && nItem < GetItemCount() && nSubItem >= 0 && nSubItem < m_nColumns;
    }

    int m_nColumns;
    std::vector<std::vector<CString>> m_rows;
    IRowsObserver *m_pObserver = nullptr;
};

#endif
