#include "filterlist/core/CReportRows.h"

int CReportRows::InsertItem(int nItem, const CString &strText)
{
    if (nItem < 0)
        return -1;
    if (nItem > GetItemCount())
        nItem = GetItemCount();
    if (m_pObserver)
        m_pObserver->RowAboutToBeInserted(nItem);
    std::vector<CString> row(size_t(m_nColumns > 0 ? m_nColumns : 1));
    row[0] = strText;
    m_rows.insert(m_rows.begin() + nItem, std::move(row));
    if (m_pObserver)
        m_pObserver->RowInserted(nItem);
    return nItem;
}

BOOL CReportRows::SetItemText(int nItem, int nSubItem, const CString &strText)
{
    if (!IsCell(nItem, nSubItem))
        return FALSE;
    m_rows[size_t(nItem)][size_t(nSubItem)] = strText;
    if (m_pObserver)
        m_pObserver->RowChanged(nItem, nSubItem);
    return TRUE;
}

CString CReportRows::GetItemText(int nItem, int nSubItem) const
{
    return IsCell(nItem, nSubItem) ? m_rows[size_t(nItem)][size_t(nSubItem)] : CString();
}

BOOL CReportRows::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return FALSE;
    if (m_pObserver)
        m_pObserver->RowAboutToBeRemoved(nItem);
    m_rows.erase(m_rows.begin() + nItem);
    if (m_pObserver)
        m_pObserver->RowRemoved(nItem);
    return TRUE;
}

BOOL CReportRows::DeleteAllItems()
{
    if (m_pObserver)
        m_pObserver->RowsAboutToReset();
    m_rows.clear();
    if (m_pObserver)
        m_pObserver->RowsReset();
    return TRUE;
}
