#include "filterlist/ui/CInPlaceEditor.h"

#include "filterlist/ui/CEndLabelEditEvent.h"

#include <QApplication>
#include <QKeyEvent>

void CInPlaceEditor::Abandon(const QWidget *pParent)
{
    if (m_pWindow && m_pWindow->parentWidget() == pParent) {
        m_bEditing = false;
        delete m_pWindow;
    }
}

void CInPlaceEditor::BeginEdit(int nItem, int nSubItem, const CString &strText)
{
    m_nItem = nItem;
    m_nSubItem = nSubItem;
    m_bCancelled = false;
    m_strStartText = strText;
    m_bEditing = true;
}

void CInPlaceEditor::AttachWindow(QWidget *pWindow)
{
    m_pWindow = pWindow;
    pWindow->installEventFilter(this);
}

void CInPlaceEditor::EndToParent()
{
    if (m_pWindow && m_pWindow->parentWidget())
        m_pWindow->parentWidget()->setFocus(Qt::OtherFocusReason);
}

void CInPlaceEditor::EndToParentWithKey(const QKeyEvent *pKey)
{
    EndToParent();
    QWidget *pFocus = QApplication::focusWidget();
    if (!pFocus || pFocus == m_pWindow)
        return;
    QKeyEvent key(pKey->type(), pKey->key(), pKey->modifiers(), pKey->text(), pKey->isAutoRepeat(), ushort(pKey->count()));
    QCoreApplication::sendEvent(pFocus, &key);
}

bool CInPlaceEditor::HandleKey(QKeyEvent *pKey)
{
    const bool bEnter = pKey->key() == Qt::Key_Return || pKey->key() == Qt::Key_Enter;
    const bool bEscape = pKey->key() == Qt::Key_Escape;
    if (pKey->type() == QEvent::ShortcutOverride) {
        // Enter and Escape belong to the editor, never to the dialog around it.
        if (!bEnter && !bEscape)
            return false;
        pKey->accept();
        return true;
    }
    if (bEscape)
        m_bCancelled = true;
    if (bEnter || bEscape) {
        EndToParent();
        return true;
    }
    if (pKey->key() == Qt::Key_Tab || pKey->key() == Qt::Key_Backtab) {
        EndToParentWithKey(pKey);
        return true;
    }
    return false;
}

bool CInPlaceEditor::eventFilter(QObject *pWatched, QEvent *pEvent)
{
    if (pWatched != m_pWindow)
        return false;
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return HandleKey(static_cast<QKeyEvent *>(pEvent));
    case QEvent::FocusOut:
        // The editor's own drop-down list or context menu keeps the edit going.
        if (m_bEditing && !QApplication::activePopupWidget())
            ReportAndClose();
        return false;
    default:
        return false;
    }
}

void CInPlaceEditor::ReportAndClose()
{
    m_bEditing = false;
    const QPointer<QWidget> pWindow = m_pWindow;
    QWidget *pParent = pWindow->parentWidget();

    NMLVDISPINFO info;
    info.hdr.hwndFrom = pParent;
    info.hdr.idFrom = 0;
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nItem;
    info.item.iSubItem = m_nSubItem;
    info.item.pszText = m_bCancelled ? m_strStartText : GetWindowText();
    info.item.cchTextMax = info.item.pszText.GetLength();
    if (pParent) {
        CEndLabelEditEvent notify(info);
        QCoreApplication::sendEvent(pParent, &notify);
    }
    if (pWindow)
        pWindow->deleteLater();
}
