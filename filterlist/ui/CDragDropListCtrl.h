// A list box whose items the user reorders by dragging one of them with the
// left button to another place in the same box. While dragging, a horizontal
// mark shows where the item will land; holding the pointer above or below
// the box scrolls it, faster the farther away the pointer is. An item's text
// and its data (Qt::UserRole) move together.
//
// The owner decides whether the box is sorted; a dropped item stays where it
// was dropped even then, only items added later are sorted in.
#ifndef TARNIW_FILTERLIST_CDRAGDROPLISTCTRL_H
#define TARNIW_FILTERLIST_CDRAGDROPLISTCTRL_H

#include "filterlist/core/DragDropMath.h"

#include <QListWidget>
#include <QTimer>

class CDragDropListCtrl : public QListWidget
{
    Q_OBJECT

public:
    explicit CDragDropListCtrl(QWidget *pParent = nullptr);

    // Timer ids of the auto-scroll.
    enum { TIMER_SCROLLDOWN = 100, TIMER_SCROLLUP = 101 };

    bool IsDragging() const { return m_bDragging; }

Q_SIGNALS:
    // Sent after every completed drop, also one that moved nothing: the list
    // box's selection-change notice (LBN_SELCHANGE in WM_COMMAND to the
    // parent).
    void selectionChangeNotified();

protected:
    void mousePressEvent(QMouseEvent *pEvent) override;
    void mouseMoveEvent(QMouseEvent *pEvent) override;
    void mouseReleaseEvent(QMouseEvent *pEvent) override;
    void paintEvent(QPaintEvent *pEvent) override;

private:
    sListBoxGeometry Geometry() const;
    int GetTopIndex() const;
    void SetTopIndex(int nIndex);

    void DragOutside(const QPoint &pt);
    void StopAutoScroll();
    void SetScrollTimer(int nIDEvent, int nInterval);
    void OnTimer(int nIDEvent);
    void MoveMark(int nIndex);
    void Drop();
    void MoveItem(const sDropMove &move);

    int m_nDragIndex = -1; // item being dragged
    int m_nDropIndex = -1; // item before which the mark lies; -1 after the last
    bool m_bDragging = false; // the box holds the mouse grab for a drag
    int m_nScrollInterval = 0; // milliseconds; 0 when not scrolling
    bool m_bMarkPlaced = false; // the mark was placed during this drag
    QTimer m_timerScrollDown;
    QTimer m_timerScrollUp;
};

#endif
