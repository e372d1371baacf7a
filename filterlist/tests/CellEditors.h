// The in-place cell editors as a test finds them: the one open editor
// window of each kind, and a way to let the closes of editor windows happen.
#ifndef TARNIW_FILTERLIST_TESTS_CELLEDITORS_H
#define TARNIW_FILTERLIST_TESTS_CELLEDITORS_H

#include "filterlist/ui/CInPlaceCombo.h"
#include "filterlist/ui/CInPlaceEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

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
