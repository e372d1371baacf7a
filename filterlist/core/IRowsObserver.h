// What a store of list rows announces to the view that shows it: each change
// just before and just after it is made, at the positions the view shows.
#ifndef TARNIW_FILTERLIST_IROWSOBSERVER_H
#define TARNIW_FILTERLIST_IROWSOBSERVER_H

class IRowsObserver
{
public:
    virtual void RowsAboutToReset() = 0;
    virtual void RowsReset() = 0;
    virtual void RowAboutToBeInserted(int nRow) = 0;
    virtual void RowInserted(int nRow) = 0;
    virtual void RowAboutToBeRemoved(int nRow) = 0;
    virtual void RowRemoved(int nRow) = 0;
    // A cell of the row changed; nCol -1 for the whole row.
    virtual void RowChanged(int nRow, int nCol) = 0;

protected:
    ~IRowsObserver() = default;
};

#endif
