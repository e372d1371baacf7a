#include "filterlist/ui/CComboListCtrl.h"

#include "filterlist/ui/CComboListModel.h"
#include "filterlist/ui/CEndLabelEditEvent.h"
#include "filterlist/ui/CInPlaceCombo.h"
#include "filterlist/ui/CInPlaceEdit.h"
#include "platform/core/Prompts.h"
#include "platform/core/UserAction.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace
{
// Rows of drop-down room below the cell: one per choice and one more, at most
// eleven.
constexpr int MaxDropDownRows = 11;
}

CComboListCtrl::CComboListCtrl(CReportRows &rows, QWidget *pParent)
    : QTableView(pParent)
    , m_pModel(new CComboListModel(rows, this))
{
    setModel(m_pModel);
    // A press on no cell must leave the focus where it is, so the list takes
    // the focus itself when a press hits a cell.
    setFocusPolicy(Qt::TabFocus);
    setTabKeyNavigation(false);
    setEditTriggers(NoEditTriggers);
    setShowGrid(false);
    setSelectionBehavior(SelectRows);
    setWordWrap(false);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
}

CComboListCtrl::~CComboListCtrl()
{
    CInPlaceCombo::Instance().Abandon(viewport());
    CInPlaceEdit::Instance().Abandon(viewport());
}

int CComboListCtrl::InsertColumn(int nCol, const CString &strHeading, int nWidth, Qt::Alignment alignment)
{
    nCol = m_pModel->InsertColumn(nCol, strHeading, alignment);
    setColumnWidth(nCol, nWidth);
    return nCol;
}

int CComboListCtrl::GetColumnCount() const
{
    return m_pModel->columnCount();
}

bool CComboListCtrl::HitTestCell(const QPoint &pt, int &nItem, int &nSubItem) const
{
    const int nRow = rowAt(pt.y());
    if (nRow < 0)
        return false;
    const QRect row = GetRowBounds(nRow);
    if (!row.contains(pt))
        return false;
    int x = row.left();
    for (int nCol = 0; nCol < GetColumnCount(); ++nCol) {
        const int nWidth = columnWidth(nCol);
        if (pt.x() >= x && pt.x() <= x + nWidth) {
            nItem = nRow;
            nSubItem = nCol;
            return true;
        }
        x += nWidth;
    }
    return false;
}

void CComboListCtrl::mousePressEvent(QMouseEvent *pEvent)
{
    int nItem = -1;
    int nSubItem = -1;
    const bool bLeft = pEvent->button() == Qt::LeftButton;
    m_bPressDropped = bLeft && !HitTestCell(pEvent->position().toPoint(), nItem, nSubItem);
    if (m_bPressDropped) {
        pEvent->accept();
        return;
    }
    // The list's own handling: focus (an open editor ends here), selection.
    setFocus(Qt::MouseFocusReason);
    QTableView::mousePressEvent(pEvent);
    if (!bLeft)
        return;
    EndCellEditsOutsideSecondColumn(pEvent->globalPosition().toPoint());
    // Taking the result of the ended edit, the owner may have removed rows.
    if (nItem >= m_pModel->rowCount())
        return;
    // The owner may fail on a bad index: the click is abandoned then.
    RunUserAction([&] { EditCell(nItem, nSubItem); });
}

void CComboListCtrl::mouseMoveEvent(QMouseEvent *pEvent)
{
    // A dropped press does not start a drag selection either.
    if (m_bPressDropped)
        pEvent->accept();
    else
        QTableView::mouseMoveEvent(pEvent);
}

void CComboListCtrl::mouseReleaseEvent(QMouseEvent *pEvent)
{
    if (m_bPressDropped && pEvent->button() == Qt::LeftButton) {
        m_bPressDropped = false;
        pEvent->accept();
    } else {
        QTableView::mouseReleaseEvent(pEvent);
    }
}

void CComboListCtrl::mouseDoubleClickEvent(QMouseEvent *pEvent)
{
    // The press that began the double click did all there is to do; the
    // second one lands on the editor if one opened.
    pEvent->accept();
}

void CComboListCtrl::scrollContentsBy(int dx, int dy)
{
    // An editor does not follow its row up or down: the edit ends first.
    if (dy != 0)
        EndCellEdits();
    QTableView::scrollContentsBy(dx, dy);
    if (dy != 0)
        viewport()->update();
}

bool CComboListCtrl::viewportEvent(QEvent *pEvent)
{
    if (pEvent->type() != CEndLabelEditEvent::EventType())
        return QTableView::viewportEvent(pEvent);
    // The owner may fail on a bad index: nothing is stored then.
    if (m_pNotifyWnd)
        RunUserAction([&] { m_pNotifyWnd->OnCellEditDone(m_nId, static_cast<CEndLabelEditEvent *>(pEvent)->Info()); });
    return true;
}

void CComboListCtrl::EditCell(int nItem, int nSubItem)
{
    const CString strText = m_pModel->Rows().GetItemText(nItem, nSubItem);
    CStringArray choices;
    if (m_pNotifyWnd)
        m_pNotifyWnd->OnGetCellChoices(m_nId, choices);
    if (nSubItem == 0)
        return;
    if (choices.IsEmpty()) {
        CInPlaceEdit::Instance().Open(GetCellEditRect(nItem, nSubItem), viewport(), nItem, nSubItem, strText);
    } else if (!OpenCombo(nItem, nSubItem, choices, strText)) {
        AfxMessageBox("Selection couldnt be completed");
    } else {
        CInPlaceCombo::Instance().SelectString(-1, strText);
    }
}

bool CComboListCtrl::OpenCombo(int nItem, int nSubItem, const CStringArray &choices, const CString &strText)
{
    if (!EnsureVisible(nItem, true) || nSubItem >= GetColumnCount())
        return false;
    QRect rect = GetCellEditRect(nItem, nSubItem);
    rect.setHeight(rect.height() * (1 + qMin(choices.GetSize() + 1, MaxDropDownRows)));
    CInPlaceCombo::Instance().Open(rect, viewport(), nItem, nSubItem, choices, strText);
    return true;
}

bool CComboListCtrl::EnsureVisible(int nItem, bool bPartialOK)
{
    if (nItem < 0 || nItem >= m_pModel->rowCount())
        return false;
    const int nTop = rowViewportPosition(nItem);
    const int nBottom = nTop + rowHeight(nItem);
    const int nHeight = viewport()->height();
    const bool bVisible = bPartialOK ? nBottom > 0 && nTop < nHeight : nTop >= 0 && nBottom <= nHeight;
    if (!bVisible) {
        // Only vertically: the horizontal position stays.
        const int nScrollX = horizontalScrollBar()->value();
        scrollTo(m_pModel->index(nItem, 0), QAbstractItemView::EnsureVisible);
        horizontalScrollBar()->setValue(nScrollX);
    }
    return true;
}

QRect CComboListCtrl::GetCellEditRect(int nItem, int nSubItem)
{
    EnsureVisible(nItem, false);
    const int x = GetRowBounds(nItem).left() + horizontalHeader()->sectionPosition(nSubItem);
    const int nClientRight = viewport()->width();
    int dx = 0;
    if (x < 0 || x > nClientRight)
        dx = x;
    else if (x + columnWidth(nSubItem) > nClientRight)
        dx = x + columnWidth(nSubItem) - nClientRight;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    return GetSubItemRect(nItem, nSubItem);
}

QRect CComboListCtrl::GetRowBounds(int nItem) const
{
    return QRect(-horizontalOffset(), rowViewportPosition(nItem), horizontalHeader()->length(), rowHeight(nItem));
}

QRect CComboListCtrl::GetSubItemRect(int nItem, int nSubItem) const
{
    const QRect row = GetRowBounds(nItem);
    return QRect(row.left() + horizontalHeader()->sectionPosition(nSubItem), row.top(), columnWidth(nSubItem),
                 row.height());
}

void CComboListCtrl::EndCellEdits()
{
    // The editors are the viewport's children; each ends on losing the focus.
    for (QWidget *pChild : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(pChild, &focusOut);
    }
}

void CComboListCtrl::EndCellEditsOutsideSecondColumn(const QPoint &globalPos)
{
    const QRect window(mapToGlobal(QPoint(0, 0)), size());
    const int nLeft = window.left() + columnWidth(0);
    const bool bInBand = globalPos.x() >= nLeft && globalPos.x() < nLeft + columnWidth(1)
        && globalPos.y() >= window.top() && globalPos.y() <= window.bottom();
    if (!bInBand)
        EndCellEdits();
}
