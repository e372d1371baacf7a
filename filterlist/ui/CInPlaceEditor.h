// What both in-place cell editors share. Each is one object for the whole
// process; it creates a window for every edit, over the cell, as a child of
// the window the edit was opened in. The edit ends when that window loses
// the focus, for whatever reason: the result goes once, as an end-of-label-
// edit notification, to the window it was opened in, and the editor window
// is closed a moment later.
//
// Keys: Enter ends the edit with the editor's text, Escape with the start
// text; both are consumed, so the dialog around never sees them. Tab and
// Shift+Tab end the edit and then move on from the list.
#ifndef TARNIW_FILTERLIST_CINPLACEEDITOR_H
#define TARNIW_FILTERLIST_CINPLACEEDITOR_H

#include "tarniw/TarnTypes.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

class CInPlaceEditor : public QObject
{
    Q_OBJECT

public:
    // The window of the current edit while it exists, also while its close
    // is still pending.
    QWidget *GetWindow() const { return m_pWindow; }

    // Drops an edit opened in pParent without reporting it and closes its
    // window at once; for a parent that is going away.
    void Abandon(const QWidget *pParent);

protected:
    CInPlaceEditor() = default;

    // Starts an edit of cell (nItem, nSubItem) whose text is strText.
    void BeginEdit(int nItem, int nSubItem, const CString &strText);
    // Makes pWindow the window of the edit and watches its keys and focus.
    void AttachWindow(QWidget *pWindow);
    // Gives the focus to the window the edit was opened in, which ends it.
    void EndToParent();
    // The editor's current text.
    virtual CString GetWindowText() const = 0;

    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

    int m_nItem = -1;
    int m_nSubItem = -1;
    bool m_bCancelled = false;
    CString m_strStartText;

private:
    // Keys of the editor window, key presses and shortcut overrides; true
    // when the key is consumed.
    bool HandleKey(QKeyEvent *pKey);
    // Ends the edit, then lets the key go on from the window that now has
    // the focus, as if it had been pressed there.
    void EndToParentWithKey(const QKeyEvent *pKey);
    void ReportAndClose();

    QPointer<QWidget> m_pWindow;
    bool m_bEditing = false;
};

#endif
