#include "filterlist/ui/CComboListModel.h"

#include "platform/ui/DisplayText.h"

CComboListModel::CComboListModel(CReportRows &rows, QObject *pParent)
    : CRowsForwardingModel(pParent)
    , m_rows(rows)
{
    m_rows.SetObserver(this);
}

CComboListModel::~CComboListModel()
{
    m_rows.SetObserver(nullptr);
}

int CComboListModel::InsertColumn(int nCol, const CString &strHeading, Qt::Alignment alignment)
{
    nCol = qBound(0, nCol, int(m_columns.size()));
    beginInsertColumns(QModelIndex(), nCol, nCol);
    m_columns.insert(nCol, Column{ToDisplay(strHeading), alignment});
    endInsertColumns();
    return nCol;
}

int CComboListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.GetItemCount();
}

int CComboListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant CComboListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return ToDisplay(m_rows.GetItemText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return (m_columns.at(index.column()).alignment | Qt::AlignVCenter).toInt();
    default:
        return QVariant();
    }
}

QVariant CComboListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_columns.at(section).strHeading;
    case Qt::TextAlignmentRole:
        return (m_columns.at(section).alignment | Qt::AlignVCenter).toInt();
    default:
        return QVariant();
    }
}
