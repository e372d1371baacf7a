// The filter value popup: a small borderless window at the mouse position
// that offers the distinct values of one column of a filter list's shown
// rows. Double click or Enter writes the chosen values, as alternatives, into
// that column's filter box; a click elsewhere or Escape closes it unchanged.
//
// One object serves every filter list (the module's theFilterText): it
// installs itself as what a filter button opens. It is a plain object until
// first used; then it creates its window and afterwards only shows and hides
// it.
#ifndef TARNIW_FILTERLIST_CFILTERTEXT_H
#define TARNIW_FILTERLIST_CFILTERTEXT_H

#include <QDialog>
#include <QListWidget>
#include <QPointer>

class CFilterListCtrl;

class CFilterText : public QObject
{
    Q_OBJECT
public:
    // Horizontal room of the value list, in pixels.
    static constexpr int kHorizontalExtent = 500;

    CFilterText();
    ~CFilterText() override;

    // Opens the popup for column nColumn of pList: at the mouse position,
    // filled with the column's values, targeted at that list and column.
    void Open(CFilterListCtrl *pList, int nColumn);
    void SetTarget(CFilterListCtrl *pList, int nColumn);
    // Writes the selected values into the target's filter box.
    void ApplyChoice();

    QDialog *GetWindow() const { return m_pWnd; }
    QListWidget *ValueList() const { return m_pValues; }

protected:
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    void Create();
    void FillValues(const CFilterListCtrl &list, int nColumn);

    QPointer<QDialog> m_pWnd;
    QPointer<QListWidget> m_pValues;
    QPointer<CFilterListCtrl> m_pList;
    int m_nColumn = 0;
};

#endif
