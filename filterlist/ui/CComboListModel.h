// The rows of a combo list as a table model: it shows the cells of a
// CReportRows through the display conversion and follows its changes. It
// never writes a cell; the columns are the list's headings.
#ifndef TARNIW_FILTERLIST_CCOMBOLISTMODEL_H
#define TARNIW_FILTERLIST_CCOMBOLISTMODEL_H

#include "filterlist/core/CReportRows.h"
#include "filterlist/ui/CRowsForwardingModel.h"

#include <QAbstractTableModel>
#include <QList>

class CComboListModel : public CRowsForwardingModel<QAbstractTableModel>
{
    Q_OBJECT

public:
    explicit CComboListModel(CReportRows &rows, QObject *pParent = nullptr);
    ~CComboListModel() override;

    CReportRows &Rows() const { return m_rows; }

    // Inserts a heading before nCol (at the end when nCol is past it);
    // returns its index.
    int InsertColumn(int nCol, const CString &strHeading, Qt::Alignment alignment);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Column
    {
        QString strHeading;
        Qt::Alignment alignment;
    };

    CReportRows &m_rows;
    QList<Column> m_columns;
};

#endif
