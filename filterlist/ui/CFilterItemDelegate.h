// Paints the rows of a filter list in the filter-list mode: each row's
// colours and texts come from the owner's data descriptor through the model,
// asked once per row and paint; how the list lies out its columns and where
// its focus is come in an options record that the list renews before every
// paint. Outside the mode, or without a descriptor, cells are painted as
// usual.
#ifndef TARNIW_FILTERLIST_CFILTERITEMDELEGATE_H
#define TARNIW_FILTERLIST_CFILTERITEMDELEGATE_H

#include "filterlist/core/CFilterRows.h"

#include <QStyledItemDelegate>

#include <vector>

class CFilterListModel;

// What the delegate needs to know of the list it paints.
struct sFilterPaintOptions
{
    std::vector<int> aColPos;  // per definition: column index, -1 hidden
    std::vector<int> aFormats; // per definition: column format
    int nFirstColDef = 0;
    COLORREF crText = 0;       // the list's colours, for rows that keep the default
    COLORREF crBack = 0;
    COLORREF crSelectedFocus = 0; // fill of a selected row while the list has the focus
    COLORREF crSelected = 0;      // and while it has not
    bool bListFocus = false;
    int nCurrentRow = -1;
};

class CFilterItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The model must outlive the delegate.
    CFilterItemDelegate(const CFilterListModel &model, QObject *parent);

    // Called by the list before every paint; row looks are asked afresh.
    void SetOptions(sFilterPaintOptions options);
    // The descriptor drew row nRow (it has data, definition 0 answered).
    bool IsRowDrawn(int nRow) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // What one painted row shows: its colours from definition 0 and the
    // text of each definition up to the first that ended the row.
    struct sRowLook
    {
        int nRow = -1;
        unsigned nPass = 0;
        bool bDrawn = false;
        COLORREF crText = CLR_DEFAULT_CELL;
        COLORREF crBack = CLR_DEFAULT_CELL;
        int nEndDef = 0;
        std::vector<CString> aTexts;
    };

    bool PaintsRows() const;
    const sRowLook &RowLook(int nRow) const;

    const CFilterListModel &m_model;
    sFilterPaintOptions m_options;
    unsigned m_nPass = 0;
    mutable sRowLook m_rowLook;
};

#endif
