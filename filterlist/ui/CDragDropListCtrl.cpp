#include "filterlist/ui/CDragDropListCtrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace {

// The shortest timer period, as the platform's timers have.
const int nMinTimerInterval = 10;

} // namespace

CDragDropListCtrl::CDragDropListCtrl(QWidget *pParent)
    : QListWidget(pParent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    // Rows of one height, scrolled by whole items: the geometry the drag
    // arithmetic works on.
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    connect(&m_timerScrollDown, &QTimer::timeout, this, [this] { OnTimer(TIMER_SCROLLDOWN); });
    connect(&m_timerScrollUp, &QTimer::timeout, this, [this] { OnTimer(TIMER_SCROLLUP); });
}

sListBoxGeometry CDragDropListCtrl::Geometry() const
{
    const int nItemHeight = count() ? visualItemRect(item(0)).height() : 0;
    return {count(), GetTopIndex(), nItemHeight, viewport()->width(), viewport()->height()};
}

int CDragDropListCtrl::GetTopIndex() const
{
    return verticalScrollBar()->value();
}

void CDragDropListCtrl::SetTopIndex(int nIndex)
{
    verticalScrollBar()->setValue(nIndex);
}

void CDragDropListCtrl::mousePressEvent(QMouseEvent *pEvent)
{
    // The usual selection first; it also makes the pressed item current.
    QListWidget::mousePressEvent(pEvent);
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_nDragIndex = m_nDropIndex = -1;
    m_bDragging = false;
    m_nScrollInterval = 0;
    m_bMarkPlaced = false;
    const QPoint pt = pEvent->position().toPoint();
    const sItemHit hit = ItemFromPoint(Geometry(), pt.x(), pt.y());
    if (!hit.bOutside)
        m_nDragIndex = hit.nIndex;
}

void CDragDropListCtrl::mouseMoveEvent(QMouseEvent *pEvent)
{
    // While dragging, the view's own drag selection and scrolling stay out.
    if (m_nDragIndex == -1 || !(pEvent->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(pEvent);
        return;
    }
    // No distance threshold: the first move with the button held drags.
    if (!m_bDragging) {
        viewport()->grabMouse();
        m_bDragging = true;
    }

    const QPoint pt = pEvent->position().toPoint();
    const sItemHit hit = ItemFromPoint(Geometry(), pt.x(), pt.y());
    int nIndex = hit.nIndex;
    if (hit.bOutside) {
        if (!viewport()->rect().contains(pt)) {
            DragOutside(pt);
            return;
        }
        nIndex = -1; // below the last item: the end of the box
    }
    StopAutoScroll();
    if (nIndex != m_nDropIndex)
        MoveMark(nIndex);
}

// Above or below the box, scroll one item each time the pointer enters a new
// band of one item height, and keep scrolling at that band's pace.
void CDragDropListCtrl::DragOutside(const QPoint &pt)
{
    const sListBoxGeometry geo = Geometry();
    const sAutoScroll scroll = AutoScroll(pt.y(), geo.nClientHeight, geo.nItemHeight);
    if (scroll.dir == eScrollDir::None) {
        StopAutoScroll();
        return;
    }
    if (scroll.nInterval == m_nScrollInterval)
        return;
    m_nScrollInterval = scroll.nInterval;
    const int nStep = scroll.dir == eScrollDir::Down ? 1 : -1;
    SetScrollTimer(nStep > 0 ? TIMER_SCROLLDOWN : TIMER_SCROLLUP, m_nScrollInterval);
    MoveMark(m_nDropIndex + nStep);
    SetTopIndex(GetTopIndex() + nStep);
}

void CDragDropListCtrl::StopAutoScroll()
{
    m_timerScrollDown.stop();
    m_timerScrollUp.stop();
    m_nScrollInterval = 0;
}

// Only one direction scrolls at a time.
void CDragDropListCtrl::SetScrollTimer(int nIDEvent, int nInterval)
{
    QTimer &timer = nIDEvent == TIMER_SCROLLDOWN ? m_timerScrollDown : m_timerScrollUp;
    QTimer &other = nIDEvent == TIMER_SCROLLDOWN ? m_timerScrollUp : m_timerScrollDown;
    other.stop();
    timer.start(std::max(nInterval, nMinTimerInterval));
}

void CDragDropListCtrl::OnTimer(int nIDEvent)
{
    SetTopIndex(GetTopIndex() + (nIDEvent == TIMER_SCROLLDOWN ? 1 : -1));
}

void CDragDropListCtrl::MoveMark(int nIndex)
{
    m_nDropIndex = nIndex;
    m_bMarkPlaced = true;
    // paintEvent() draws the mark where it now is; the old one goes with the
    // repaint.
    viewport()->update();
}

void CDragDropListCtrl::paintEvent(QPaintEvent *pEvent)
{
    QListWidget::paintEvent(pEvent);
    // No mark while it would lie at the dragged item itself.
    if (!m_bDragging || !m_bMarkPlaced || m_nDropIndex == m_nDragIndex)
        return;
    const sMarkLine mark = InsertionMark(Geometry(), m_nDropIndex);
    if (!mark.bVisible)
        return;
    // A line 2 pixels wide centred on the mark's row: that row and the one above.
    QPainter painter(viewport());
    painter.fillRect(mark.x1, mark.y - 1, mark.x2 - mark.x1 + 1, 2, Qt::black);
}

void CDragDropListCtrl::mouseReleaseEvent(QMouseEvent *pEvent)
{
    if (pEvent->button() == Qt::LeftButton && m_nDragIndex != -1 && m_bDragging) {
        StopAutoScroll();
        m_bDragging = false;
        viewport()->releaseMouse();
        // Released outside the box: the drag is cancelled and the mark goes.
        if (viewport()->rect().contains(pEvent->position().toPoint()))
            Drop();
        else
            viewport()->update();
        m_nDragIndex = m_nDropIndex = -1;
    }
    QListWidget::mouseReleaseEvent(pEvent);
}

void CDragDropListCtrl::Drop()
{
    const sDropMove move = PlanDrop(count(), m_nDragIndex, m_nDropIndex);
    if (!move.bNotify)
        return;
    if (move.bMoves)
        MoveItem(move);
    Q_EMIT selectionChangeNotified();
}

// Takes the item out and puts a new one with its text and data in at its new
// place, selected, with the box scrolled as before.
void CDragDropListCtrl::MoveItem(const sDropMove &move)
{
    // A sorted box would sort the new item in; it belongs where it was dropped.
    const bool bSorted = isSortingEnabled();
    setSortingEnabled(false);
    setUpdatesEnabled(false);
    const int nTop = GetTopIndex();

    const std::unique_ptr<QListWidgetItem> pOld(takeItem(move.nFrom));
    auto *pItem = new QListWidgetItem(pOld->text());
    pItem->setData(Qt::UserRole, pOld->data(Qt::UserRole));
    insertItem(move.nTo, pItem);
    setCurrentItem(pItem, QItemSelectionModel::ClearAndSelect);

    SetTopIndex(nTop);
    setUpdatesEnabled(true);
    setSortingEnabled(bSorted);
    viewport()->repaint();
}
