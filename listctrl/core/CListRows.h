// The rows of a plain common list: each row holds its cells (by sub-item
// index) and one data value of its owner. Kept apart from any window so a
// view can show it and a sort can reorder it, data values travelling with
// their rows.
#ifndef TARNIW_LISTCTRL_CLISTROWS_H
#define TARNIW_LISTCTRL_CLISTROWS_H

#include "tarniw/TarnTypes.h"

#include <vector>

class CListRows
{
public:
    int GetItemCount() const { return int(m_rows.size()); }

    // Inserts an empty row with the text in sub-item 0 before nItem (at the
    // end when nItem is past it); returns its index, or -1 when nItem < 0.
    int InsertItem(int nItem, const CString &strText);
    // FALSE outside the rows or for a negative sub-item.
    BOOL SetItemText(int nItem, int nSubItem, const CString &strText);
    // Empty outside the rows or for a cell never set.
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD dwData);
    // 0 outside the rows.
    DWORD GetItemData(int nItem) const;
    BOOL DeleteItem(int nItem);
    void DeleteAllItems() { m_rows.clear(); }

    // Puts the rows in a new order: row r becomes the former row aOrder[r].
    // aOrder must be a permutation of the row indices.
    void ApplyOrder(const std::vector<int> &aOrder);

private:
    struct Row
    {
        std::vector<CString> cells;
        DWORD dwData = 0;
    };
    bool IsRow(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }

    std::vector<Row> m_rows;
};

#endif
