// A table model over a store of rows that announces its changes through an
// IRowsObserver: each notice becomes the model's own begin/end call or
// signal, so the views follow the store without it knowing Qt.
#ifndef TARNIW_FILTERLIST_CROWSFORWARDINGMODEL_H
#define TARNIW_FILTERLIST_CROWSFORWARDINGMODEL_H

#include "filterlist/core/IRowsObserver.h"

#include <QAbstractItemModel>

template <class Model>
class CRowsForwardingModel : public Model, public IRowsObserver
{
public:
    using Model::Model;

    void RowsAboutToReset() override { this->beginResetModel(); }
    void RowsReset() override { this->endResetModel(); }
    void RowAboutToBeInserted(int nRow) override { this->beginInsertRows(QModelIndex(), nRow, nRow); }
    void RowInserted(int) override { this->endInsertRows(); }
    void RowAboutToBeRemoved(int nRow) override { this->beginRemoveRows(QModelIndex(), nRow, nRow); }
    void RowRemoved(int) override { this->endRemoveRows(); }
    void RowChanged(int nRow, int nCol) override
    {
        const int nLast = this->columnCount() - 1;
        if (nLast < 0 || nCol > nLast)
            return;
        emit this->dataChanged(this->index(nRow, nCol < 0 ? 0 : nCol), this->index(nRow, nCol < 0 ? nLast : nCol));
    }
};

#endif
