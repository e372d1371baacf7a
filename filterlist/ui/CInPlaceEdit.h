// The one-line text editor of a cell. It hands back the cell's own bytes
// while the text is untouched, and what was typed as UTF-8.
#ifndef TARNIW_FILTERLIST_CINPLACEEDIT_H
#define TARNIW_FILTERLIST_CINPLACEEDIT_H

#include "filterlist/ui/CInPlaceEditor.h"

class QLineEdit;

class CInPlaceEdit : public CInPlaceEditor
{
    Q_OBJECT

public:
    // The process's single text editor, created on first use, never freed.
    static CInPlaceEdit &Instance();

    // Begins an edit of cell (nItem, nSubItem) of pParent whose text is
    // strText, in rect (pParent's coordinates). A window whose close is
    // still pending is kept as it is.
    void Open(const QRect &rect, QWidget *pParent, int nItem, int nSubItem, const CString &strText);

protected:
    CString GetWindowText() const override;

private:
    CInPlaceEdit() = default;

    QLineEdit *Edit() const;
    void CreateEditWindow(const QRect &rect, QWidget *pParent);
};

#endif
