// Paints the cells of a common list, letting the list draw a cell itself
// first (CCommonListCtrl::DrawItem).
#ifndef TARNIW_LISTCTRL_CLISTITEMDELEGATE_H
#define TARNIW_LISTCTRL_CLISTITEMDELEGATE_H

#include <QStyledItemDelegate>

class CCommonListCtrl;

class CListItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CListItemDelegate(CCommonListCtrl *pList);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    CCommonListCtrl *m_pList;
};

#endif
