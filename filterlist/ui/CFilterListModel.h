// The model of a filter list. In the filter-list mode it keeps no cells:
// its rows are the shown rows of a CFilterRows, and every cell is read from
// the owner's data descriptor when the view asks for it. Outside the mode it
// is the plain list's model.
#ifndef TARNIW_FILTERLIST_CFILTERLISTMODEL_H
#define TARNIW_FILTERLIST_CFILTERLISTMODEL_H

#include "filterlist/core/CFilterRows.h"
#include "filterlist/ui/CRowsForwardingModel.h"
#include "listctrl/ui/CListModel.h"

#include <functional>

class CFilterListModel : public CRowsForwardingModel<CListModel>
{
    Q_OBJECT
public:
    // rows must outlive the model; the model observes them.
    CFilterListModel(CFilterRows &rows, QObject *parent);
    ~CFilterListModel() override;

    void SetOwnerData(bool bOwnerData);
    bool IsOwnerData() const { return m_bOwnerData; }
    const CFilterRows &FilterRows() const { return m_rows; }

    // Runs a change of many rows as one reset instead of a notice per row.
    void ResetRows(const std::function<void(CFilterRows &)> &change);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    CString CellText(int nRow, int nCol) const override;

private:
    CFilterRows &m_rows;
    bool m_bOwnerData = false;
};

#endif
