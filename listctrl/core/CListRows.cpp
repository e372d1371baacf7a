#include "listctrl/core/CListRows.h"

#include <algorithm>

int CListRows::InsertItem(int nItem, const CString &strText)
{
    if (nItem < 0)
        return -1;
    nItem = std::min(nItem, GetItemCount());
    Row row;
    row.cells.push_back(strText);
    m_rows.insert(m_rows.begin() + nItem, std::move(row));
    return nItem;
}

BOOL CListRows::SetItemText(int nItem, int nSubItem, const CString &strText)
{
    if (!IsRow(nItem) || nSubItem < 0)
        return FALSE;
    std::vector<CString> &cells = m_rows[size_t(nItem)].cells;
    if (nSubItem >= int(cells.size()))
        cells.resize(size_t(nSubItem) + 1);
    cells[size_t(nSubItem)] = strText;
    return TRUE;
}

CString CListRows::GetItemText(int nItem, int nSubItem) const
{
    if (!IsRow(nItem) || nSubItem < 0)
        return CString();
    const std::vector<CString> &cells = m_rows[size_t(nItem)].cells;
    return nSubItem < int(cells.size()) ? cells[size_t(nSubItem)] : CString();
}

BOOL CListRows::SetItemData(int nItem, DWORD dwData)
{
    if (!IsRow(nItem))
        return FALSE;
    m_rows[size_t(nItem)].dwData = dwData;
    return TRUE;
}

DWORD CListRows::GetItemData(int nItem) const
{
    return IsRow(nItem) ? m_rows[size_t(nItem)].dwData : 0;
}

BOOL CListRows::DeleteItem(int nItem)
{
    if (!IsRow(nItem))
        return FALSE;
    m_rows.erase(m_rows.begin() + nItem);
    return TRUE;
}

void CListRows::ApplyOrder(const std::vector<int> &aOrder)
{
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (int from : aOrder)
        sorted.push_back(std::move(m_rows.at(size_t(from))));
    m_rows = std::move(sorted);
}
