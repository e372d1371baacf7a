#include "listctrl/ui/CListModel.h"

#include "listctrl/core/ListCompare.h"
#include "listctrl/core/TarnColInfo.h"
#include "platform/ui/DisplayText.h"

#include <algorithm>

Qt::Alignment AlignmentOf(int nFormat)
{
    switch (nFormat & 3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

CListModel::CListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int CListModel::InsertColumn(int nCol, const CString &strHeading, int nFormat)
{
    if (nCol < 0)
        return -1;
    nCol = std::min(nCol, ColumnCount());
    beginInsertColumns(QModelIndex(), nCol, nCol);
    m_columns.insert(m_columns.begin() + nCol, Column{strHeading, nFormat, -1, CString()});
    endInsertColumns();
    return nCol;
}

void CListModel::AppendColumns(const std::vector<std::pair<CString, int>> &aColumns)
{
    if (aColumns.empty())
        return;
    beginInsertColumns(QModelIndex(), ColumnCount(), ColumnCount() + int(aColumns.size()) - 1);
    for (const auto &column : aColumns)
        m_columns.push_back(Column{column.first, column.second, -1, CString()});
    endInsertColumns();
}

bool CListModel::RemoveColumn(int nCol)
{
    if (!IsColumn(nCol))
        return false;
    beginRemoveColumns(QModelIndex(), nCol, nCol);
    m_columns.erase(m_columns.begin() + nCol);
    endRemoveColumns();
    return true;
}

CString CListModel::ColumnHeading(int nCol) const
{
    return IsColumn(nCol) ? m_columns[size_t(nCol)].strHeading : CString();
}

int CListModel::ColumnFormat(int nCol) const
{
    return IsColumn(nCol) ? m_columns[size_t(nCol)].nFormat : 0;
}

void CListModel::SetColumnImage(int nCol, int nImage)
{
    if (!IsColumn(nCol))
        return;
    m_columns[size_t(nCol)].nImage = nImage;
    emit headerDataChanged(Qt::Horizontal, nCol, nCol);
}

int CListModel::ColumnImage(int nCol) const
{
    return IsColumn(nCol) ? m_columns[size_t(nCol)].nImage : -1;
}

void CListModel::SetColumnTip(int nCol, const CString &strTip)
{
    if (IsColumn(nCol))
        m_columns[size_t(nCol)].strTip = strTip;
}

int CListModel::InsertRow(int nItem, const CString &strText)
{
    if (nItem < 0)
        return -1;
    nItem = std::min(nItem, m_rows.GetItemCount());
    beginInsertRows(QModelIndex(), nItem, nItem);
    m_rows.InsertItem(nItem, strText);
    endInsertRows();
    return nItem;
}

bool CListModel::SetCell(int nItem, int nSubItem, const CString &strText)
{
    if (!m_rows.SetItemText(nItem, nSubItem, strText))
        return false;
    if (nSubItem < ColumnCount())
        emit dataChanged(index(nItem, nSubItem), index(nItem, nSubItem));
    return true;
}

bool CListModel::RemoveRow(int nItem)
{
    if (nItem < 0 || nItem >= m_rows.GetItemCount())
        return false;
    beginRemoveRows(QModelIndex(), nItem, nItem);
    m_rows.DeleteItem(nItem);
    endRemoveRows();
    return true;
}

void CListModel::RemoveAllRows()
{
    beginResetModel();
    m_rows.DeleteAllItems();
    endResetModel();
}

void CListModel::ApplyRowOrder(const std::vector<int> &aOrder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(aOrder.size());
    for (size_t r = 0; r < aOrder.size(); ++r)
        newRow[size_t(aOrder[r])] = int(r);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &i : from)
        to.append(index(newRow[size_t(i.row())], i.column()));
    m_rows.ApplyOrder(aOrder);
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CListModel::SortRows(int nCol, int nSortType, int nSortDir)
{
    ApplyRowOrder(SortedRowOrder(rowCount(), nSortType, nSortDir, [&](int r) { return CellText(r, nCol); }));
}

CString CListModel::CellText(int nRow, int nCol) const
{
    return m_rows.GetItemText(nRow, nCol);
}

int CListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.GetItemCount();
}

int CListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant CListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return ToDisplay(CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(ColumnFormat(index.column())));
    case Qt::ToolTipRole: {
        CString strTip;
        if (m_fnRowTip && m_fnRowTip(index.row(), strTip))
            return ToDisplay(strTip);
        return QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !IsColumn(section))
        return QVariant();
    const Column &c = m_columns[size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return ToDisplay(c.strHeading);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(c.nFormat));
    case Qt::ToolTipRole:
        return c.strTip.IsEmpty() ? QVariant() : QVariant(ToDisplay(c.strTip));
    case SortImageRole:
        return c.nImage;
    default:
        return QVariant();
    }
}
