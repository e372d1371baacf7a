#include "filterlist/ui/CFilterListModel.h"

CFilterListModel::CFilterListModel(CFilterRows &rows, QObject *parent)
    : CRowsForwardingModel(parent)
    , m_rows(rows)
{
    m_rows.SetObserver(this);
}

CFilterListModel::~CFilterListModel()
{
    m_rows.SetObserver(nullptr);
}

void CFilterListModel::SetOwnerData(bool bOwnerData)
{
    beginResetModel();
    m_bOwnerData = bOwnerData;
    endResetModel();
}

void CFilterListModel::ResetRows(const std::function<void(CFilterRows &)> &change)
{
    beginResetModel();
    m_rows.SetObserver(nullptr);
    try {
        change(m_rows);
    } catch (...) {
        m_rows.SetObserver(this);
        endResetModel();
        throw;
    }
    m_rows.SetObserver(this);
    endResetModel();
}

int CFilterListModel::rowCount(const QModelIndex &parent) const
{
    if (!m_bOwnerData)
        return CListModel::rowCount(parent);
    return parent.isValid() ? 0 : m_rows.GetVisibleCount();
}

CString CFilterListModel::CellText(int nRow, int nCol) const
{
    return m_bOwnerData ? m_rows.GetItemText(nRow, nCol) : CListModel::CellText(nRow, nCol);
}
