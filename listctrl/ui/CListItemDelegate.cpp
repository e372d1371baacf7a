#include "listctrl/ui/CListItemDelegate.h"

#include "listctrl/ui/CCommonListCtrl.h"

CListItemDelegate::CListItemDelegate(CCommonListCtrl *pList)
    : QStyledItemDelegate(pList)
    , m_pList(pList)
{
}

void CListItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_pList->DrawItem(painter, option, index))
        QStyledItemDelegate::paint(painter, option, index);
}
