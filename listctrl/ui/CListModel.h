// The data model behind a common list: its columns (heading, alignment,
// sort image, header tooltip), its rows and their order. Cell texts are
// always read through CellText, so a derived list that keeps its rows
// elsewhere derives this model, overrides rowCount() and CellText() and
// still gets display, sorting and copying right. The model knows no view.
#ifndef TARNIW_LISTCTRL_CLISTMODEL_H
#define TARNIW_LISTCTRL_CLISTMODEL_H

#include "listctrl/core/CListRows.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class CListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Header data role holding a column's sort image (-1: none).
    static constexpr int SortImageRole = Qt::UserRole + 1;

    // Row tooltip provider: fills the text for a row, true to show it.
    using RowTipFn = std::function<bool(int nRow, CString &strText)>;

    explicit CListModel(QObject *parent = nullptr);

    // Columns.
    int InsertColumn(int nCol, const CString &strHeading, int nFormat);
    // Appends several columns at once (one header update for all), each as
    // (heading, format).
    void AppendColumns(const std::vector<std::pair<CString, int>> &aColumns);
    bool RemoveColumn(int nCol);
    int ColumnCount() const { return int(m_columns.size()); }
    CString ColumnHeading(int nCol) const;
    int ColumnFormat(int nCol) const;
    void SetColumnImage(int nCol, int nImage);
    int ColumnImage(int nCol) const;
    void SetColumnTip(int nCol, const CString &strTip);

    // Rows of the plain list.
    CListRows &Rows() { return m_rows; }
    const CListRows &Rows() const { return m_rows; }
    int InsertRow(int nItem, const CString &strText);
    bool SetCell(int nItem, int nSubItem, const CString &strText);
    bool RemoveRow(int nItem);
    void RemoveAllRows();
    // Row r becomes the former row aOrder[r]; selection and current row
    // follow their rows.
    void ApplyRowOrder(const std::vector<int> &aOrder);
    // Sorts the rows by the texts of column nCol, compared as nSortType
    // (TarnSortType) in direction nSortDir (+1 ascending, -1 descending).
    void SortRows(int nCol, int nSortType, int nSortDir);

    // The text of one cell; empty outside the rows.
    virtual CString CellText(int nRow, int nCol) const;
    void SetRowTipProvider(RowTipFn fn) { m_fnRowTip = std::move(fn); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Column
    {
        CString strHeading;
        int nFormat = 0;
        int nImage = -1;
        CString strTip;
    };
    bool IsColumn(int nCol) const { return nCol >= 0 && nCol < ColumnCount(); }

    std::vector<Column> m_columns;
    CListRows m_rows;
    RowTipFn m_fnRowTip;
};

// Qt alignment for a column format.
Qt::Alignment AlignmentOf(int nFormat);

#endif
