// The in-place cell editors as a test opens and finds them: clicks on cells,
// the one open editor window of each kind, and a way to let their closes happen.
#ifndef TARNIW_FILTERLIST_TESTS_CELLEDITORS_H
#define TARNIW_FILTERLIST_TESTS_CELLEDITORS_H

#include "filterlist/ui/CInPlaceCombo.h"
#include "filterlist/ui/CInPlaceEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

// The middle of a cell, in the list's viewport.
inline QPoint CellPoint(const QTableView *pList, int nItem, int nSubItem)
{
    return QPoint(pList->columnViewportPosition(nSubItem) + pList->columnWidth(nSubItem) / 2,
                  pList->rowViewportPosition(nItem) + pList->rowHeight(nItem) / 2);
}

// A click in the middle of a cell, scrolled into view first.
inline void ClickCell(QTableView *pList, int nItem, int nSubItem)
{
    pList->scrollTo(pList->model()->index(nItem, nSubItem));
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, CellPoint(pList, nItem, nSubItem));
}

inline QComboBox *OpenCombo()
{
    return qobject_cast<QComboBox *>(CInPlaceCombo::Instance().GetWindow());
}

inline QLineEdit *OpenEdit()
{
    return qobject_cast<QLineEdit *>(CInPlaceEdit::Instance().GetWindow());
}

inline QWidget *OpenEditor()
{
    return OpenCombo() ? static_cast<QWidget *>(OpenCombo()) : OpenEdit();
}

inline void CloseEditorWindows()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#endif
