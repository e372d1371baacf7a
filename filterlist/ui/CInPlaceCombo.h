// The drop-down list editor of a cell: the cell's choices, kept sorted
// ignoring case, with the cell's own text among them. It hands back exactly
// the bytes of the chosen entry.
#ifndef TARNIW_FILTERLIST_CINPLACECOMBO_H
#define TARNIW_FILTERLIST_CINPLACECOMBO_H

#include "filterlist/ui/CInPlaceEditor.h"

#include <QRect>

#include <vector>

class QComboBox;

class CInPlaceCombo : public CInPlaceEditor
{
    Q_OBJECT

public:
    // The process's single combo editor, created on first use, never freed.
    static CInPlaceCombo &Instance();

    // Begins an edit of cell (nItem, nSubItem) of pParent with the given
    // choices and the cell's text. rect, in pParent's coordinates, holds the
    // field and below it the room of the drop-down list. A window whose close
    // is still pending is kept as it is.
    void Open(const QRect &rect, QWidget *pParent, int nItem, int nSubItem, const CStringArray &choices,
              const CString &strText);

    // Selects the first entry after nStartAfter, wrapping around to the top,
    // whose text begins with str ignoring case. Returns its index, or -1
    // with the selection unchanged.
    int SelectString(int nStartAfter, const CString &str);

    // The rectangle that the current window was opened in.
    QRect GetDropDownRect() const { return m_rcDropDown; }

protected:
    CString GetWindowText() const override;
    bool eventFilter(QObject *pWatched, QEvent *pEvent) override;

private:
    CInPlaceCombo() = default;

    QComboBox *Combo() const;
    void CreateComboWindow(const QRect &rect, QWidget *pParent);
    // Files the entry in sorted order.
    void AddString(const CString &str);
    int FindStringExact(const CString &str) const;

    CStringArray m_choices;
    std::vector<CString> m_entries; // the window's entries, in its order
    QRect m_rcDropDown;
};

#endif
